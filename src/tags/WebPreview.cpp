#include "tags/WebPreview.h"

#include "text/DisplayText.h"
#include "text/TextWidth.h"

#include <QCoreApplication>

namespace velko {

namespace {

// A field's text as a browser shows the page's tag: the block writes the
// text as typed, so its character references are decoded there, the title's
// as text, every other field's as an attribute value.
QString shown(const FormValue &form, Field field) {
    return displayText(form[field], field == Field::Title ? ReferencePlace::Text
                                                          : ReferencePlace::AttributeValue);
}

// The first of the two fields that is filled in, as shown.
QString firstFilled(const FormValue &form, Field first, Field second) {
    const QString text = shown(form, first);
    return text.isEmpty() ? shown(form, second) : text;
}

QUrl addressOf(const QString &text) {
    return text.isEmpty() ? QUrl() : QUrl::fromUserInput(text);
}

// `text` cut to `room` pixels, with its counter.
QString measured(const QString &text, int room, double pixelSize, const char *counter,
                 Measure &measure) {
    const TextExtent extent = textExtent(text, pixelSize);
    QString cut = cutToWidth(text, room, pixelSize);
    measure.tooLong = cut != text;
    measure.counter = QCoreApplication::translate("velko::WebPreview", counter)
                          .arg(extent.characters)
                          .arg(extent.pixels)
                          .arg(room);
    return cut;
}

// Where the first line of `text` ends: after the last word that fits in
// `width`, or where a first word too long for the line fills it (after one
// character at least).
qsizetype lineEnd(QStringView text, double width, double pixelSize) {
    qsizetype end = 0;
    for (qsizetype at = 1; at <= text.size(); ++at) {
        if (at < text.size() && text[at] != u' ')
            continue;
        if (textWidth(text.first(at), pixelSize) > width)
            break;
        end = at;
    }
    if (end > 0)
        return end;
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype next = at + (text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1);
        if (textWidth(text.first(next), pixelSize) > width)
            return at > 0 ? at : next;
        at = next;
    }
    return text.size();
}

} // namespace

SearchResult searchResult(const FormValue &form) {
    SearchResult result;
    result.title =
        measured(firstFilled(form, Field::Title, Field::OgTitle), searchTitleWidth, titlePixelSize,
                 QT_TRANSLATE_NOOP("velko::WebPreview", "Title: %1 characters, %2 of %3 px"),
                 result.titleMeasure);
    result.description =
        measured(firstFilled(form, Field::Description, Field::OgDescription),
                 searchDescriptionWidth, descriptionPixelSize,
                 QT_TRANSLATE_NOOP("velko::WebPreview", "Description: %1 characters, %2 of %3 px"),
                 result.descriptionMeasure);
    const QUrl address = addressOf(firstFilled(form, Field::CanonicalUrl, Field::OgUrl));
    if (address.host().isEmpty())
        return result;
    result.address = address.host();
    for (const QString &segment : address.path(QUrl::FullyDecoded).split(u'/', Qt::SkipEmptyParts))
        result.address += QStringLiteral(" › ") + segment;
    return result;
}

int searchTitlePixels(QStringView title) {
    return textExtent(displayText(title, ReferencePlace::Text), titlePixelSize).pixels;
}

int searchDescriptionPixels(QStringView description) {
    return textExtent(displayText(description, ReferencePlace::AttributeValue),
                      descriptionPixelSize)
        .pixels;
}

CardImage cardImage(const QString &ogImage) {
    const QString text = ogImage.trimmed();
    if (text.isEmpty())
        return {};
    const QUrl url(text);
    const QString scheme = url.scheme().toLower();
    if (scheme == u"http" || scheme == u"https")
        return {CardImage::Kind::Web, {}, url};
    if (scheme == u"file")
        return {CardImage::Kind::File, url.toLocalFile(), {}};
    if (scheme.isEmpty())
        return {CardImage::Kind::File, text, {}};
    return {};
}

SocialCard socialCard(const FormValue &form) {
    constexpr double textWidth = cardWidth - 2 * cardMargin;
    SocialCard card;
    card.image = cardImage(decodeCharacterReferences(form[Field::OgImage]));
    card.host = addressOf(firstFilled(form, Field::OgUrl, Field::CanonicalUrl)).host().toUpper();
    card.titleLines = linesWithin(firstFilled(form, Field::OgTitle, Field::Title), textWidth,
                                  cardTitlePixelSize, 2);
    card.descriptionLines = linesWithin(firstFilled(form, Field::OgDescription, Field::Description),
                                        textWidth, cardDescriptionPixelSize, 2);
    return card;
}

QStringList linesWithin(QStringView text, double width, double pixelSize, int maxLines) {
    QStringList lines;
    text = text.trimmed();
    while (!text.isEmpty()) {
        if (lines.size() == maxLines - 1 || textWidth(text, pixelSize) <= width) {
            lines << cutToWidth(text, width, pixelSize);
            break;
        }
        const qsizetype end = lineEnd(text, width, pixelSize);
        lines << text.first(end).trimmed().toString();
        text = text.sliced(end).trimmed();
    }
    return lines;
}

} // namespace velko
