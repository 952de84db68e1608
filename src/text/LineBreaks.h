#pragma once

// The line breaks of text files: CR LF, LF or CR, and how a page keeps its
// own. Each line of a page keeps the line break it was read with; a line
// Velko adds takes the style of the page's first line break.

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace velko {

enum class LineBreak { CrLf, Lf, Cr };

// The bytes of a line break in `style`.
QByteArrayView lineBreakBytes(LineBreak style);

// The style of the first line break of `text`; CR LF when it has none.
LineBreak firstLineBreak(QStringView text);
// The same for bytes in an encoding that keeps ASCII as it is.
LineBreak firstLineBreak(QByteArrayView bytes);

// `text` with every line break (CR LF, lone CR, lone LF) in `style`.
QString withLineBreaks(QStringView text, LineBreak style);

// What of the page `original` (the text it was read as, its line breaks as
// they were) `document` still holds: the text at the end and at the start of
// the document that the original has too keeps the original's line breaks;
// what lies between is changed. There a line that a line diff finds in the
// original keeps its line break, and so does a line typed into (a changed
// line in place of an original one); the breaks of new lines are in `style`.
// The document's last line, when it has no line break and is not the
// original's last line unchanged, gets one in `style` at its end, unless the
// original's last line had none either.
struct Revision {
    qsizetype keptStart = 0; // the original up to here stays as it was,
    qsizetype keptEnd = 0;   // and from here on
    QString changed;         // what replaces the original in between
};
Revision reviseLineBreaks(QStringView document, QStringView original, LineBreak style);

} // namespace velko
