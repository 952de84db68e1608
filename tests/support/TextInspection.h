#pragma once

#include <QColor>
#include <QString>

class QTextDocument;

namespace velko::test {

// The characters of `document` drawn in `colour`, with CR LF after each line
// that is coloured to its end.
QString colouredText(const QTextDocument &document, const QColor &colour);

} // namespace velko::test
