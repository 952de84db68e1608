#pragma once

// What kind of tag a tag of a page is, and how many of each kind a page may
// hold: the one model the reader, the updater and the checker share. A tag's
// kind is its element and its key: the title; a meta tag's name, property or
// http-equiv value; a link's rel (each word of it) or rev; every charset
// declaration is the one kind "charset". A tag with both a name and a
// property is of both kinds. The table below names the kinds that may repeat
// and those whose second tag changes what browsers or search engines read;
// every other kind is one per page.

#include "tags/TagTable.h"

#include <QLatin1StringView>
#include <QString>
#include <span>

namespace velko {

// Where a kind's key is. Pages key Open Graph and Twitter tags by name= or
// property= alike, so the two are one space.
enum class KeySpace { Title, Name, HttpEquiv, Charset, Rel, Rev };

enum class Repeat {
    Once,     // one per page; a second tag is likely a mistake
    OnceRead, // one per page, and a second changes what browsers or search engines read
    Many,     // pages repeat it: an array item, one tag per author, search engines combine them
};

struct KindRow {
    KeySpace space;
    QLatin1StringView key; // in lower case: the whole key, or how it starts or ends
    enum class Match { Whole, Start, End } match;
    Repeat repeat;
    // For a structured property of an Open Graph array, the key of the array's
    // items: og:image:width describes the og:image before it.
    QLatin1StringView itemOf = {};
    // The picture a shared link shows: og:image, twitter:image.
    bool picture = false;
    // A robots tag for one crawler: googlebot, bingbot.
    bool crawler = false;
};

std::span<const KindRow> kindRows();

struct TagKind {
    KeySpace space = KeySpace::Title;
    QString key = {}; // in ASCII lower case, trimmed; empty for the title and the charset

    bool operator==(const TagKind &) const = default;
};

// The kind a key attribute ("name", "property", "http-equiv", "rel", "rev",
// "charset") and its value (trimmed) give; the content-type http-equiv is a
// charset declaration.
TagKind kindOfKey(QLatin1StringView attribute, QStringView value);

// The kind of the tags a row of the tag table writes (comments: the title's).
const TagKind &kindOf(const TagRow &row);

Repeat repeatOf(const TagKind &kind);

// The key of the array items a structured property belongs to ("og:image"
// for og:image:width); empty for every other kind.
QLatin1StringView itemOf(const TagKind &kind);

// True when the kind is that of an array's items ("og:image").
bool isArrayItem(const TagKind &kind);

// True when the kind names the picture a shared link shows.
bool isSharePicture(const TagKind &kind);

// The attributes that make a tag a variant of its kind: a theme colour per
// media, an alternate link per language, an icon per size. The form's value
// is the variant without them.
inline constexpr QLatin1StringView kVariantAttributes[] = {
    QLatin1StringView("media"), QLatin1StringView("hreflang"), QLatin1StringView("sizes")};

// True when the kind is a robots tag for one crawler, which that crawler
// reads as it reads robots.
bool isCrawlerRobots(const TagKind &kind);

// How a kind is named in messages: "title", "charset", "theme-color",
// "canonical link".
QString kindName(const TagKind &kind);

} // namespace velko
