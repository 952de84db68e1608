#pragma once

// The line breaks of text files: CR LF, LF or CR.

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace velko {

enum class LineBreak { CrLf, Lf, Cr };

// The bytes of a line break in `style`.
QByteArrayView lineBreakBytes(LineBreak style);

// The style of the first line break of `text`; CR LF when it has none.
LineBreak firstLineBreak(QStringView text);

// `text` with every line break (CR LF, lone CR, lone LF) in `style`.
QString withLineBreaks(QStringView text, LineBreak style);

} // namespace velko
