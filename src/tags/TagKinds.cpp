#include "tags/TagKinds.h"

#include "base/AsciiCase.h"

#include <algorithm>
#include <vector>

namespace velko {

namespace {

using L = QLatin1StringView;
using M = KindRow::Match;

constexpr KindRow once(KeySpace space, L key) {
    return {space, key, M::Whole, Repeat::OnceRead};
}
constexpr KindRow many(L key, M match = M::Whole) {
    return {KeySpace::Name, key, match, Repeat::Many};
}
constexpr KindRow link(L rel) {
    return {KeySpace::Rel, rel, M::Whole, Repeat::Many};
}
// An Open Graph array's items and their structured properties.
constexpr KindRow properties(L prefix, L item) {
    return {KeySpace::Name, prefix, M::Start, Repeat::Many, item};
}

constexpr KindRow kKinds[] = {
    // A second of these is read instead of the first, or makes readers
    // ignore both.
    once(KeySpace::Title, {}),
    once(KeySpace::Charset, {}),
    once(KeySpace::Name, L("description")),
    once(KeySpace::Name, L("viewport")),
    once(KeySpace::Rel, L("canonical")),
    once(KeySpace::Name, L("og:title")),
    once(KeySpace::Name, L("og:description")),
    once(KeySpace::Name, L("og:url")),
    once(KeySpace::Name, L("og:type")),
    once(KeySpace::Name, L("twitter:card")),
    {KeySpace::Name, L("twitter:image"), M::Whole, Repeat::Once, {}, true},
    // Open Graph's arrays: each og:image starts an item, which the
    // properties after it describe.
    {KeySpace::Name, L("og:image"), M::Whole, Repeat::Many, {}, true},
    properties(L("og:image:"), L("og:image")),
    many(L("og:video")),
    properties(L("og:video:"), L("og:video")),
    many(L("og:audio")),
    properties(L("og:audio:"), L("og:audio")),
    many(L("og:locale:alternate")),
    many(L("og:see_also")),
    many(L("article:author")),
    many(L("article:tag")),
    many(L("book:author")),
    many(L("book:tag")),
    many(L("video:actor"), M::Start),
    many(L("video:director")),
    many(L("video:writer")),
    many(L("video:tag")),
    many(L("music:"), M::Start),
    many(L("fb:admins")),
    many(L("fb:pages")),
    // One tag per task, per trial, per site owner that proves it owns the
    // site, per author and reference of a paper, per Dublin Core value.
    many(L("msapplication-task")),
    {KeySpace::HttpEquiv, L("origin-trial"), M::Whole, Repeat::Many},
    many(L("-verification"), M::End),
    many(L("msvalidate.01")),
    many(L("citation_author"), M::Start),
    many(L("citation_editor"), M::Start),
    many(L("citation_reference")),
    many(L("citation_keywords")),
    many(L("dc."), M::Start),
    many(L("dcterms."), M::Start),
    // Search engines combine every robots tag they heed; sites name every
    // tool that made a page.
    many(L("robots")),
    {KeySpace::Name, L("googlebot"), M::Whole, Repeat::Many, {}, false, true},
    {KeySpace::Name, L("bingbot"), M::Whole, Repeat::Many, {}, false, true},
    many(L("generator")),
    link(L("alternate")),
    link(L("icon")),
    link(L("preload")),
    link(L("stylesheet")),
};

bool matches(const KindRow &row, const TagKind &kind) {
    if (row.space != kind.space)
        return false;
    switch (row.match) {
    case M::Whole:
        return kind.key == row.key;
    case M::Start:
        return kind.key.size() > row.key.size() && kind.key.startsWith(row.key);
    case M::End:
        return kind.key.size() > row.key.size() && kind.key.endsWith(row.key);
    }
    return false;
}

const KindRow *rowOf(const TagKind &kind) {
    const auto found = std::find_if(std::begin(kKinds), std::end(kKinds),
                                    [&kind](const KindRow &row) { return matches(row, kind); });
    return found == std::end(kKinds) ? nullptr : found;
}

} // namespace

std::span<const KindRow> kindRows() {
    return kKinds;
}

TagKind kindOfKey(QLatin1StringView attribute, QStringView value) {
    if (attribute == L("charset"))
        return {KeySpace::Charset};
    const QString key = asciiLower(value.trimmed());
    if (attribute == L("http-equiv"))
        return key == L("content-type") ? TagKind{KeySpace::Charset}
                                        : TagKind{KeySpace::HttpEquiv, key};
    if (attribute == L("rel"))
        return {KeySpace::Rel, key};
    if (attribute == L("rev"))
        return {KeySpace::Rev, key};
    return {KeySpace::Name, key};
}

const TagKind &kindOf(const TagRow &row) {
    static const std::vector<TagKind> kinds = [] {
        std::vector<TagKind> all;
        for (const TagRow &each : tagRows())
            all.push_back(each.element == Element::Meta || each.element == Element::Link
                              ? kindOfKey(each.keyAttribute, QString(each.keyValue))
                              : TagKind{KeySpace::Title});
        return all;
    }();
    return kinds[size_t(&row - tagRows().data())];
}

Repeat repeatOf(const TagKind &kind) {
    const KindRow *row = rowOf(kind);
    return row ? row->repeat : Repeat::Once;
}

QLatin1StringView itemOf(const TagKind &kind) {
    const KindRow *row = rowOf(kind);
    return row ? row->itemOf : QLatin1StringView();
}

bool isArrayItem(const TagKind &kind) {
    return kind.space == KeySpace::Name &&
           std::any_of(std::begin(kKinds), std::end(kKinds),
                       [&kind](const KindRow &row) { return row.itemOf == kind.key; });
}

bool isSharePicture(const TagKind &kind) {
    const KindRow *row = rowOf(kind);
    return row && row->picture;
}

bool isCrawlerRobots(const TagKind &kind) {
    const KindRow *row = rowOf(kind);
    return row && row->crawler;
}

QString kindName(const TagKind &kind) {
    switch (kind.space) {
    case KeySpace::Title:
        return QStringLiteral("title");
    case KeySpace::Charset:
        return QStringLiteral("charset");
    case KeySpace::Rel:
        return kind.key + QStringLiteral(" link");
    case KeySpace::Rev:
        return kind.key + QStringLiteral(" link (rev)");
    case KeySpace::Name:
    case KeySpace::HttpEquiv:
        break;
    }
    return kind.key;
}

} // namespace velko
