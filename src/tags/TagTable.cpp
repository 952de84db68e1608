#include "tags/TagTable.h"

namespace velko {

namespace {

using L = QLatin1StringView;

constexpr TagRow meta(L keyAttribute, L keyValue, Source source, Field field, Field readInto) {
    return {Element::Meta, keyAttribute, keyValue,           L("content"),   {},
            source,        field,        List::Distribution, Check::DCTitle, readInto};
}
// A meta tag filled from its own text field, read back into the same field.
constexpr TagRow named(L name, Field field) {
    return meta(L("name"), name, Source::Text, field, field);
}
constexpr TagRow httpEquiv(L value, Field field) {
    return meta(L("http-equiv"), value, Source::Text, field, field);
}
// A meta tag that holds a list's chosen item; reading stages it in a slot.
constexpr TagRow choice(L keyAttribute, L keyValue, List list, Field slot, L prefix = {}) {
    return {Element::Meta,  keyAttribute, keyValue, L("content"),   prefix,
            Source::Choice, Field::Spare, list,     Check::DCTitle, slot};
}
// A Dublin Core tag that repeats a field when its box is checked.
constexpr TagRow dcCopy(L name, Check check, Field field, Field slot) {
    return {Element::Meta, L("name"),          name,  L("content"), {}, Source::CheckBox,
            field,         List::Distribution, check, slot};
}
constexpr TagRow comment(Source source, Field field, Check check, Field readInto) {
    return {Element::Comment, {}, {}, {}, {}, source, field, List::Distribution, check, readInto};
}

constexpr TagRow kRows[] = {
    {Element::Title, {}, {}, {}, {}, Source::Text, Field::Title, {}, {}, Field::Title},
    named(L("keywords"), Field::Keywords),
    named(L("description"), Field::Description),
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
     Field::Email},
    named(L("copyright"), Field::Copyright),
    named(L("revisit-after"), Field::RevisitAfter),
    meta(L("http-equiv"), L("refresh"), Source::Refresh, Field::Spare, Field::RefreshSlot),
    httpEquiv(L("expires"), Field::Expires),
    choice(L("name"), L("distribution"), List::Distribution, Field::DistributionSlot),
    choice(L("name"), L("robots"), List::Robot, Field::RobotsSlot),
    choice(L("name"), L("rating"), List::Rating, Field::RatingSlot),
    choice(L("http-equiv"), L("content-type"), List::Charset, Field::ContentTypeSlot,
           L("text/html; charset=")),
    choice(L("http-equiv"), L("content-language"), List::Language, Field::OtherLanguage),
    // Written from the Other Language box; reading takes the http-equiv form only.
    meta(L("name"), L("content-language"), Source::Text, Field::OtherLanguage, Field::Spare),
    dcCopy(L("DC.Title"), Check::DCTitle, Field::Title, Field::DCTitleSlot),
    dcCopy(L("DC.Description"), Check::DCDescription, Field::Description, Field::DCDescriptionSlot),
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
     Field::PragmaSlot},
    named(L("generator"), Field::Generator),
    httpEquiv(L("window-target"), Field::WindowTarget),
    named(L("abstract"), Field::Abstract),
    // The Comments field reads back from the page's comments; the three
    // comment boxes repeat fields that have tags of their own.
    comment(Source::Text, Field::Comments, Check::DCTitle, Field::Comments),
    comment(Source::CheckBox, Field::Title, Check::TitleComments, Field::Spare),
    comment(Source::CheckBox, Field::Keywords, Check::KeywordsComments, Field::Spare),
    comment(Source::CheckBox, Field::Description, Check::DescriptionComments, Field::Spare),
};

} // namespace

std::span<const TagRow> tagRows() {
    return kRows;
}

QString writtenKeyValue(const TagRow &row, DcNameCase dcCase) {
    QString value = row.keyValue;
    if (dcCase == DcNameCase::LowerCase && value.startsWith(QLatin1StringView("DC.")) &&
        value.size() > 3)
        value[3] = value[3].toLower();
    return value;
}

} // namespace velko
