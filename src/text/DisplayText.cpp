#include "text/DisplayText.h"

#include "base/PageView.h"

namespace velko {

QString displayText(QStringView text, ReferencePlace place) {
    const QString decoded = decodeCharacterReferences(text, place);
    QString out;
    out.reserve(decoded.size());
    bool blank = false;
    for (const QChar c : decoded) {
        if (isHtmlSpace(c.unicode())) {
            blank = !out.isEmpty();
            continue;
        }
        if (blank)
            out.append(u' ');
        blank = false;
        out.append(c);
    }
    return out;
}

} // namespace velko
