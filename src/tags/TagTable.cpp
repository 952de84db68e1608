#include "tags/TagTable.h"

#include <algorithm>

namespace velko {

namespace {

using L = QLatin1StringView;
using C = Control;

constexpr TagRow meta(L keyAttribute, L keyValue, Source source, Field field, Control readInto) {
    return {Element::Meta, keyAttribute, keyValue,           L("content"),   {},
            source,        field,        List::Distribution, Check::DCTitle, readInto};
}
// A meta tag filled from its own text field, read back into the same field.
constexpr TagRow named(L name, Field field) {
    return meta(L("name"), name, Source::Text, field, C::text(field));
}
constexpr TagRow httpEquiv(L value, Field field) {
    return meta(L("http-equiv"), value, Source::Text, field, C::text(field));
}
// A meta tag that holds a list's chosen item; reading stages it in a slot.
constexpr TagRow choice(L keyAttribute, L keyValue, List list, Field slot, L prefix = {}) {
    return {Element::Meta,  keyAttribute, keyValue, L("content"),   prefix,
            Source::Choice, Field::Spare, list,     Check::DCTitle, C::text(slot)};
}
// A Dublin Core tag that repeats a field when its box is checked.
constexpr TagRow dcCopy(L name, Check check, Field field, Field slot) {
    return {Element::Meta, L("name"),          name,  L("content"), {}, Source::CheckBox,
            field,         List::Distribution, check, C::text(slot)};
}
constexpr TagRow comment(Source source, Field field, Check check, Control readInto) {
    return {Element::Comment, {}, {}, {}, {}, source, field, List::Distribution, check, readInto};
}

// The Web Tags page's rows. Open Graph tags are written with property= and
// Twitter's with name=, as each asks; pages use either, and both are read.
constexpr TagRow openGraph(L property, Field field) {
    return meta(L("property"), property, Source::Text, field, C::text(field));
}
// An Open Graph tag that takes a field of General Tags when it is empty and
// Fill Open Graph is checked.
constexpr TagRow filledOpenGraph(L property, Field field, Field fallback) {
    TagRow row = openGraph(property, field);
    row.source = Source::Fallback;
    row.check = Check::FillOpenGraph;
    row.fallback = fallback;
    return row;
}
// A meta tag that holds a list's item or typed text, read straight into the list.
constexpr TagRow listed(L keyAttribute, L keyValue, List list) {
    TagRow row = meta(keyAttribute, keyValue, Source::Choice, Field::Spare, C::list(list));
    row.list = list;
    return row;
}
// A row of a page's own fields (see TagRow::pageOwn).
constexpr TagRow pageOwn(TagRow row) {
    row.pageOwn = true;
    return row;
}
// <meta charset="utf-8"> when its box is checked; "utf8" reads as the same.
constexpr TagRow declaresUtf8() {
    TagRow row =
        meta(L("charset"), L("utf-8"), Source::Fixed, Field::Spare, C::check(Check::DeclareUtf8));
    row.valueAttribute = {};
    row.check = Check::DeclareUtf8;
    row.otherKeyValue = L("utf8");
    return row;
}

constexpr TagRow kRows[] = {
    // The charset first: browsers look for it in the first 1,024 bytes.
    declaresUtf8(),
    pageOwn({Element::Title,
             {},
             {},
             {},
             {},
             Source::Text,
             Field::Title,
             {},
             {},
             C::text(Field::Title)}),
    named(L("keywords"), Field::Keywords),
    pageOwn(named(L("description"), Field::Description)),
    named(L("author"), Field::Author),
    {Element::Link,
     L("rev"),
     L("made"),
     L("href"),
     {},
     Source::Text,
     Field::Email,
     {},
     {},
     C::text(Field::Email)},
    named(L("copyright"), Field::Copyright),
    named(L("revisit-after"), Field::RevisitAfter),
    meta(L("http-equiv"), L("refresh"), Source::Refresh, Field::Spare, C::text(Field::RefreshSlot)),
    httpEquiv(L("expires"), Field::Expires),
    choice(L("name"), L("distribution"), List::Distribution, Field::DistributionSlot),
    choice(L("name"), L("robots"), List::Robot, Field::RobotsSlot),
    choice(L("name"), L("rating"), List::Rating, Field::RatingSlot),
    choice(L("http-equiv"), L("content-type"), List::Charset, Field::ContentTypeSlot,
           L("text/html; charset=")),
    listed(L("http-equiv"), L("content-language"), List::Language),
    // Written from the Other Language box.
    named(L("content-language"), Field::OtherLanguage),
    pageOwn(dcCopy(L("DC.Title"), Check::DCTitle, Field::Title, Field::DCTitleSlot)),
    pageOwn(dcCopy(L("DC.Description"), Check::DCDescription, Field::Description,
                   Field::DCDescriptionSlot)),
    dcCopy(L("DC.Subject"), Check::DCSubject, Field::Keywords, Field::DCSubjectSlot),
    named(L("DC.Creator"), Field::DCCreator),
    named(L("DC.Publisher"), Field::DCPublisher),
    named(L("DC.Contributors"), Field::DCContributors),
    named(L("DC.Date"), Field::DCDate),
    named(L("DC.Type"), Field::DCType),
    named(L("DC.Format"), Field::DCFormat),
    named(L("DC.Identifier"), Field::DCIdentifier),
    named(L("DC.Source"), Field::DCSource),
    named(L("DC.Language"), Field::DCLanguage),
    named(L("DC.Relation"), Field::DCRelation),
    named(L("DC.Coverage"), Field::DCCoverage),
    named(L("DC.Rights"), Field::DCRights),
    {Element::Meta,
     L("http-equiv"),
     L("pragma"),
     L("content"),
     {},
     Source::NoCache,
     Field::Spare,
     List::PageCaching,
     {},
     C::text(Field::PragmaSlot)},
    named(L("generator"), Field::Generator),
    httpEquiv(L("window-target"), Field::WindowTarget),
    named(L("abstract"), Field::Abstract),
    listed(L("name"), L("viewport"), List::Viewport),
    pageOwn({Element::Link,
             L("rel"),
             L("canonical"),
             L("href"),
             {},
             Source::Text,
             Field::CanonicalUrl,
             {},
             {},
             C::text(Field::CanonicalUrl)}),
    named(L("theme-color"), Field::ThemeColour),
    pageOwn(filledOpenGraph(L("og:title"), Field::OgTitle, Field::Title)),
    pageOwn(filledOpenGraph(L("og:description"), Field::OgDescription, Field::Description)),
    pageOwn(filledOpenGraph(L("og:url"), Field::OgUrl, Field::CanonicalUrl)),
    listed(L("property"), L("og:type"), List::OgType),
    openGraph(L("og:image"), Field::OgImage),
    openGraph(L("og:image:alt"), Field::OgImageAlt),
    openGraph(L("og:site_name"), Field::OgSiteName),
    openGraph(L("og:locale"), Field::OgLocale),
    listed(L("name"), L("twitter:card"), List::TwitterCard),
    named(L("twitter:site"), Field::TwitterSite),
    named(L("twitter:creator"), Field::TwitterCreator),
    // The comments close the block. The Comments field reads back from the
    // page's comments; the three comment boxes repeat fields that have tags
    // of their own.
    comment(Source::Text, Field::Comments, Check::DCTitle, C::text(Field::Comments)),
    pageOwn(comment(Source::CheckBox, Field::Title, Check::TitleComments, {})),
    comment(Source::CheckBox, Field::Keywords, Check::KeywordsComments, {}),
    pageOwn(comment(Source::CheckBox, Field::Description, Check::DescriptionComments, {})),
};

} // namespace

std::span<const TagRow> tagRows() {
    return kRows;
}

namespace {

template <typename Wanted> const TagRow &firstRow(Wanted wanted, const char *what, int index) {
    const auto found = std::find_if(std::begin(kRows), std::end(kRows), wanted);
    if (found == std::end(kRows))
        qFatal("The tag table has no row for %s %d", what, index);
    return *found;
}

} // namespace

const TagRow &tagRowOf(Field field) {
    return firstRow(
        [field](const TagRow &row) {
            return (field != Field::Spare && row.field == field) ||
                   (row.readInto.kind == Control::Kind::Text && row.readInto.id == indexOf(field));
        },
        "field", indexOf(field));
}

const TagRow &tagRowOf(List list) {
    return firstRow(
        [list](const TagRow &row) {
            return (row.source == Source::Choice || row.source == Source::NoCache) &&
                   row.list == list;
        },
        "list", indexOf(list));
}

QString writtenKeyValue(const TagRow &row, DcNameCase dcCase) {
    QString value = row.keyValue;
    if (dcCase == DcNameCase::LowerCase && value.startsWith(QLatin1StringView("DC.")) &&
        value.size() > 3)
        value[3] = value[3].toLower();
    return value;
}

} // namespace velko
