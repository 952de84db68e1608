#pragma once

// Places in a page as editors name them: a line, counted from 1, where CR
// LF, a lone CR and a lone LF end a line; and a column, counted from 1, in
// the characters of the line.

#include "base/PageView.h"

#include <QByteArrayView>
#include <QStringView>
#include <span>
#include <vector>

namespace velko {

class PageDecoder;

struct LineColumn {
    qsizetype line = 1;
    qsizetype column = 1;
};

// The line and column of each of `offsets` (ascending) in `page`, the columns
// counted in the characters `decoder` reads; the first line's characters
// start at `start` (after a byte-order mark). One walk over the page up to
// the last offset, decoding only the stretches of lines before the offsets.
std::vector<LineColumn> linesAndColumns(QByteArrayView page, qsizetype start, PageDecoder &decoder,
                                        std::span<const qsizetype> offsets);

// Where `line` and `column` are in `text`: the offset in UTF-16 units, at the
// end of the line when the column lies past it.
qsizetype textOffset(QStringView text, qsizetype line, qsizetype column);

// The tag, comment or title element of `text` that holds `offset`, from its
// "<" to just after its ">"; empty at `offset` when none does.
Span tagAt(QStringView text, qsizetype offset);

} // namespace velko
