#include "support/TextInspection.h"

#include <QTextBlock>
#include <QTextDocument>

namespace velko::test {

QString colouredText(const QTextDocument &document, const QColor &colour) {
    QString coloured;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        bool colouredToTheEnd = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            colouredToTheEnd = it.fragment().charFormat().foreground().color() == colour;
            if (colouredToTheEnd)
                coloured += it.fragment().text();
        }
        if (colouredToTheEnd && block.next().isValid())
            coloured += QStringLiteral("\r\n");
    }
    return coloured;
}

} // namespace velko::test
