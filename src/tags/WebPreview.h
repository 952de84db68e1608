#pragma once

// What the Web Tags page's previews show: the page as a search result and as
// a social card, worked out from the form. The widgets only draw these
// values, so each keystroke costs one call of each function.

#include "fields/FormValue.h"
#include "tags/SearchWidths.h"

#include <QStringList>
#include <QUrl>

namespace velko {

// A text against its room, as the counter under the search result shows it.
struct Measure {
    QString counter;      // "Title: 58 characters, 541 of 600 px"
    bool tooLong = false; // past the room, and so cut
};

struct SearchResult {
    QString title;       // the page's Title (or else og:title), cut with "…"
    QString address;     // from Canonical URL (or else og:url): "host › path › segments"
    QString description; // Description (or else og:description), cut with "…"
    Measure titleMeasure;
    Measure descriptionMeasure;
};

SearchResult searchResult(const FormValue &form);

// The widths the counters show, in whole pixels: a Title and a Description
// as a browser shows them, in the search result's fonts.
int searchTitlePixels(QStringView title);
int searchDescriptionPixels(QStringView description);

// A large-image card as social sites draw it, cardWidth pixels wide: the
// picture, then the host, the title and the description under it.
inline constexpr int cardWidth = 500;
inline constexpr int cardMargin = 12;
inline constexpr double cardTitlePixelSize = 16;
inline constexpr double cardDescriptionPixelSize = 14;
inline constexpr double cardHostPixelSize = 12;

// Where the card's picture comes from: og:image as a local file (a path or a
// file: address), as an http or https address, or nothing that can be drawn.
struct CardImage {
    enum class Kind { None, File, Web };
    Kind kind = Kind::None;
    QString path; // a File's path
    QUrl url;     // a Web address

    bool operator==(const CardImage &) const = default;
};

struct SocialCard {
    CardImage image;
    QString host;                 // og:url's (or Canonical URL's) host, in capitals
    QStringList titleLines;       // og:title (or Title), at most two lines
    QStringList descriptionLines; // og:description (or Description), at most two lines
};

SocialCard socialCard(const FormValue &form);

CardImage cardImage(const QString &ogImage);

// `text` broken at blanks into lines of at most `width` pixels at
// `pixelSize`, at most `maxLines` of them: the last one is cut with "…" when
// the text goes on. A word longer than a line is broken where it fills it.
QStringList linesWithin(QStringView text, double width, double pixelSize, int maxLines);

} // namespace velko
