#include "check/CheckRules.h"

#include "check/rules/CanonicalRules.h"
#include "check/rules/CharsetRules.h"
#include "check/rules/DateRules.h"
#include "check/rules/DescriptionRules.h"
#include "check/rules/DoctypeRule.h"
#include "check/rules/HeadEndedEarlyRule.h"
#include "check/rules/IconRule.h"
#include "check/rules/JsonLdRule.h"
#include "check/rules/MetaKeyRules.h"
#include "check/rules/OpenGraphRules.h"
#include "check/rules/RefreshRule.h"
#include "check/rules/RobotsRules.h"
#include "check/rules/SiteRules.h"
#include "check/rules/TagAfterHeadRule.h"
#include "check/rules/TitleRules.h"
#include "check/rules/ViewportRules.h"

#include <algorithm>

namespace velko {

namespace {

using L = QLatin1StringView;

constexpr RuleEntry kRules[] = {
    {Rule::HeadImplied, L("head-implied"), Severity::Note,
     QT_TRANSLATE_NOOP(
         "velko::PageChecker",
         "The page has no head tag; add <head> after <html> for Velko to put tags in."),
     "the page leaves out its head tag, as HTML allows; Insert and Update need it", nullptr},
    {Rule::HeadEndedEarly, L("head-ended-early"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "%1 cannot stand in a head: browsers end the head here and put the head "
                       "tags after it in the body (%2: %3)."),
     "an element or text that cannot stand in a head ends it for browsers before head tags",
     makeUnit<HeadEndedEarlyRule>},
    {Rule::TitleMissing, L("title-missing"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker", "The head has no title."), "no <title> in the head",
     makeUnit<TitleRules>},
    {Rule::TitleEmpty, L("title-empty"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker", "The title is empty."),
     "only white space in the title", makeUnit<TitleRules>},
    {Rule::TitleDuplicate, L("title-duplicate"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The head has more than one title; browsers show the first."),
     "a second <title> in the head", makeUnit<TitleRules>},
    {Rule::TitleTooLong, L("title-too-long"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The title is %1 px wide; search results show about %2 px."),
     "the title is wider than 600 pixels", makeUnit<TitleRules>},
    {Rule::DescriptionMissing, L("description-missing"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker", "The head has no description meta tag."),
     "no description meta tag", makeUnit<DescriptionRules>},
    {Rule::DescriptionTooLong, L("description-too-long"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The description is %1 px wide; search results show about %2 px."),
     "the description is wider than 920 pixels", makeUnit<DescriptionRules>},
    {Rule::DescriptionTooShort, L("description-too-short"), Severity::Note,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The description has %1 characters; 50 or more tell searchers more."),
     "the description has under 50 characters", makeUnit<DescriptionRules>},
    {Rule::MetaDuplicate, L("meta-duplicate"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker", "A second meta tag with %1=\"%2\"."),
     "a second meta tag of a kind a page has once (the same name, property or http-equiv, "
     "or a second charset declaration, with the same media): an error where browsers or "
     "search engines read the second instead (description, viewport, charset, og:title, "
     "og:description, og:url, og:type, twitter:card), a warning for the others; kinds that "
     "repeat (og:image and its properties, robots, the *-verification names, citation_author, "
     "the Dublin Core elements, ...) never",
     makeUnit<MetaKeyRules>},
    {Rule::CharsetMissing, L("charset-missing"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker", "The page does not declare its charset."),
     "no <meta charset> or content-type tag", makeUnit<CharsetRules>},
    {Rule::CharsetLate, L("charset-late"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The charset declaration ends past the first 1,024 bytes; browsers find "
                       "it by a slower route."),
     "the declaration ends past the first 1,024 bytes; an error when it stands in the body or "
     "after bytes it reads otherwise",
     makeUnit<CharsetRules>},
    {Rule::CharsetConflict, L("charset-conflict"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker", "This declares the charset %1, an earlier tag %2."),
     "two declarations name different charsets", makeUnit<CharsetRules>},
    {Rule::CharsetMismatch, L("charset-mismatch"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The page declares the charset %1, but its bytes are not %1."),
     "the bytes do not fit the declared charset", makeUnit<CharsetRules>},
    {Rule::ViewportMissing, L("viewport-missing"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The head has no viewport meta tag; phones show the page zoomed out."),
     "no viewport meta tag", makeUnit<ViewportRules>},
    {Rule::RefreshRedirect, L("refresh-redirect"), Severity::Warning,
     QT_TRANSLATE_NOOP(
         "velko::PageChecker",
         "The refresh tag sends visitors to %1; search engines take it for a redirect."),
     "a refresh tag with an address, which search engines take for a redirect",
     makeUnit<RefreshRule>},
    {Rule::RobotsNoindex, L("robots-noindex"), Severity::Note,
     QT_TRANSLATE_NOOP("velko::PageChecker", "robots \"%1\" keeps the page out of search results."),
     "robots, or a robots tag for one crawler (googlebot, bingbot), holds noindex or none",
     makeUnit<RobotsRules>},
    {Rule::RobotsUnknown, L("robots-unknown"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker", "Unknown robots token \"%1\"."),
     "a robots token search engines do not know; a note for those they no longer heed (noodp, "
     "noydir, ...)",
     makeUnit<RobotsRules>},
    {Rule::CanonicalRelative, L("canonical-relative"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The canonical address \"%1\" is not an absolute http(s) address."),
     "a canonical link that is not an absolute http(s) address", makeUnit<CanonicalRules>},
    {Rule::CanonicalDuplicate, L("canonical-duplicate"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "A second canonical link; search engines may ignore them all."),
     "a second canonical link to another address; a note when it names the same one",
     makeUnit<CanonicalRules>},
    {Rule::OgIncomplete, L("og-incomplete"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker", "The Open Graph tags lack %1."),
     "og: tags, but not all of og:title, og:type, og:image and og:url", makeUnit<OpenGraphRules>},
    {Rule::OgImageRelative, L("og-image-relative"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker", "og:image \"%1\" is not an absolute http(s) address."),
     "og:image is not an absolute http(s) address", makeUnit<OpenGraphRules>},
    {Rule::ContentEmpty, L("content-empty"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker", "The meta tag %1=\"%2\" has empty content."),
     "a meta tag with empty content, or with its value in value= instead", makeUnit<MetaKeyRules>},
    {Rule::DcDateFormat, L("dc-date-format"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "DC.Date \"%1\" is not a W3C date such as 2024-05-31."),
     "DC.Date is not a W3C date: YYYY, YYYY-MM, YYYY-MM-DD, or that with a time and zone, as in "
     "2024-05-31T10:30+02:00",
     makeUnit<DateRules>},
    {Rule::ExpiresFormat, L("expires-format"), Severity::Warning,
     QT_TRANSLATE_NOOP(
         "velko::PageChecker",
         "expires \"%1\" is neither 0 nor an HTTP date such as Sun, 06 Nov 1994 08:49:37 GMT."),
     "expires is neither 0 nor an HTTP date", makeUnit<DateRules>},
    {Rule::TagAfterHead, L("tag-after-head"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker", "%1 is after the head; it belongs in the head."),
     "a title, meta or link tag that Velko writes, after the head (an SVG image's title aside)",
     makeUnit<TagAfterHeadRule>},
    {Rule::LangMissing, L("lang-missing"), Severity::Note,
     QT_TRANSLATE_NOOP("velko::PageChecker", "The html tag has no lang attribute."),
     "the <html> tag has no lang attribute", makeUnit<SiteRules>},
    {Rule::HreflangInvalid, L("hreflang-invalid"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "hreflang \"%1\" is neither a language code such as en or en-GB nor "
                       "x-default."),
     "an hreflang value that is not a language code with an optional region, nor x-default",
     makeUnit<SiteRules>},
    {Rule::HreflangSelfMissing, L("hreflang-self-missing"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker", "The hreflang alternates do not list this page."),
     "a page with hreflang alternates that does not list itself", makeUnit<SiteRules>},
    {Rule::CanonicalNoindex, L("canonical-noindex"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The page is noindex and names another page as canonical."),
     "the page is noindex and names a canonical other than itself", makeUnit<SiteRules>},
    {Rule::CanonicalTargetMissing, L("canonical-target-missing"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The canonical address \"%1\" names no file of the site."),
     "with --site-url: a canonical address of the site whose file does not exist",
     makeUnit<SiteRules>},
    {Rule::OgImageMissing, L("og-image-missing"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker", "%1 \"%2\" names no file of the site."),
     "og:image or twitter:image names a file of the site (a relative path, or under --site-url) "
     "that does not "
     "exist",
     makeUnit<SiteRules>},
    {Rule::ViewportNoZoom, L("viewport-no-zoom"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The viewport's %1 keeps people from zooming the page; leave it out."),
     "the viewport sets user-scalable=no or a maximum-scale below 2", makeUnit<ViewportRules>},
    {Rule::DoctypeMissing, L("doctype-missing"), Severity::Warning,
     QT_TRANSLATE_NOOP(
         "velko::PageChecker",
         "The page does not start with <!DOCTYPE html>; browsers render it in quirks mode."),
     "no <!DOCTYPE html> before the page's first tag or text, so browsers use quirks mode",
     makeUnit<DoctypeRule>},
    {Rule::IconMissing, L("icon-missing"), Severity::Note,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The head links no icon; browsers look for /favicon.ico instead."),
     "no <link rel=\"icon\"> or shortcut icon in the head", makeUnit<IconRule>},
    {Rule::JsonLdInvalid, L("json-ld-invalid"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker", "The JSON-LD does not parse as JSON: %1."),
     "a <script type=\"application/ld+json\"> whose text does not parse as JSON",
     makeUnit<JsonLdRule>},
    {Rule::HreflangRelative, L("hreflang-relative"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The hreflang alternate \"%1\" is not an absolute http(s) address."),
     "an hreflang alternate link whose address is not an absolute http(s) address",
     makeUnit<SiteRules>},
    {Rule::CanonicalRoot, L("canonical-root"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The canonical address \"%1\" is the site's root; give this page its own."),
     "a page below the site's root whose canonical address is the root", makeUnit<CanonicalRules>},
    {Rule::TitleShared, L("title-shared"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "%1 other indexable pages have this title, the first %2."),
     "the same title on two or more indexable pages", nullptr},
    {Rule::DescriptionShared, L("description-shared"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "%1 other indexable pages have this description, the first %2."),
     "the same description on two or more indexable pages", nullptr},
    {Rule::CanonicalTargetNoindex, L("canonical-target-noindex"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The canonical page %1 is noindex or names another canonical."),
     "with --site-url: the canonical page is noindex or names another canonical", nullptr},
    {Rule::HreflangReturnMissing, L("hreflang-return-missing"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker", "%1 does not list this page as an alternate."),
     "with --site-url: an hreflang alternate in the site that does not list the page back",
     nullptr},
};
constexpr RuleCaseEntry kCases[] = {
    {RuleCase::MetaDuplicateOnce, Rule::MetaDuplicate, Severity::Warning, nullptr},
    {RuleCase::RobotsRetired, Rule::RobotsUnknown, Severity::Note,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "Robots token \"%1\": retired token, ignored by search engines.")},
    {RuleCase::RobotsNoindexOne, Rule::RobotsNoindex, Severity::Note,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "%1 \"%2\" keeps the page out of that search engine's results.")},
    {RuleCase::CanonicalSame, Rule::CanonicalDuplicate, Severity::Note,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "A second canonical link to the same address; one is enough.")},
    {RuleCase::ContentInValue, Rule::ContentEmpty, Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "%1 has its value in value=, which only some readers take; use content=")},
    {RuleCase::HeadEndedByText, Rule::HeadEndedEarly, Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "Text \"%1\" cannot stand in a head: browsers end the head here and put "
                       "the head tags after it in the body (%2: %3).")},
    {RuleCase::CharsetLateMisread, Rule::CharsetLate, Severity::Error,
     QT_TRANSLATE_NOOP(
         "velko::PageChecker",
         "The charset declaration ends past the first 1,024 bytes, where browsers look for it.")},
};

static_assert(std::size(kRules) == ruleCount);
static_assert([] {
    for (size_t i = 0; i < std::size(kCases); ++i)
        if (kCases[i].which != RuleCase(i + 1))
            return false;
    return true;
}());
static_assert([] {
    for (int i = 0; i < ruleCount; ++i)
        if (kRules[i].rule != Rule(i))
            return false;
    return true;
}());

} // namespace

std::span<const RuleEntry> checkRules() {
    return kRules;
}

const RuleEntry &ruleEntry(Rule rule) {
    return kRules[int(rule)];
}

std::optional<Rule> ruleWithId(QStringView id) {
    const auto found = std::find_if(std::begin(kRules), std::end(kRules),
                                    [id](const RuleEntry &entry) { return entry.id == id; });
    if (found == std::end(kRules))
        return {};
    return found->rule;
}

std::span<const RuleCaseEntry> ruleCases() {
    return kCases;
}

const RuleCaseEntry &ruleCaseEntry(RuleCase which) {
    return kCases[size_t(which) - 1];
}

QLatin1StringView severityName(Severity severity) {
    switch (severity) {
    case Severity::Error:
        return L("error");
    case Severity::Warning:
        return L("warning");
    case Severity::Note:
        break;
    }
    return L("note");
}

} // namespace velko
