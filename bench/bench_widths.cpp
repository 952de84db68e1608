// Velko's widths of texts, for bench/widths.py: reads JSON Lines
// {"text": "...", "title": true} from standard input, each a title's text or
// a description's attribute value as the page has it, and writes for each
// {"shown": "...", "width": 123.4}: the text as a browser shows it and its
// width in pixels, at the title's or the description's size.

#include "text/DisplayText.h"
#include "text/TextWidth.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

using namespace velko;

int main() {
    QFile in;
    QFile out;
    if (!in.open(stdin, QIODevice::ReadOnly) || !out.open(stdout, QIODevice::WriteOnly))
        return 1;
    for (QByteArray bytes; !(bytes = in.readLine()).isEmpty();) {
        const QJsonObject line = QJsonDocument::fromJson(bytes).object();
        const bool title = line.value(u"title").toBool();
        const QString shown =
            displayText(line.value(u"text").toString(),
                        title ? ReferencePlace::Text : ReferencePlace::AttributeValue);
        const double width = textWidth(shown, title ? titlePixelSize : descriptionPixelSize);
        const QJsonObject result{{QStringLiteral("shown"), shown},
                                 {QStringLiteral("width"), width}};
        out.write(QJsonDocument(result).toJson(QJsonDocument::Compact) + '\n');
    }
    return 0;
}
