#include "check/CheckRules.h"

#include <algorithm>

namespace velko {

namespace {

using L = QLatin1StringView;

constexpr RuleEntry kRules[] = {
    {Rule::HeadMissing, L("head-missing"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker", "The page has no head tag.")},
    {Rule::TitleMissing, L("title-missing"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker", "The head has no title.")},
    {Rule::TitleEmpty, L("title-empty"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker", "The title is empty.")},
    {Rule::TitleDuplicate, L("title-duplicate"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The head has more than one title; browsers show the first.")},
    {Rule::TitleTooLong, L("title-too-long"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The title is %1 px wide; search results show about 600 px.")},
    {Rule::DescriptionMissing, L("description-missing"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker", "The head has no description meta tag.")},
    {Rule::DescriptionTooLong, L("description-too-long"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The description is %1 px wide; search results show about 920 px.")},
    {Rule::DescriptionTooShort, L("description-too-short"), Severity::Note,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The description has %1 characters; 50 or more tell searchers more.")},
    {Rule::MetaDuplicate, L("meta-duplicate"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker", "A second meta tag with %1=\"%2\".")},
    {Rule::CharsetMissing, L("charset-missing"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker", "The page does not declare its charset.")},
    {Rule::CharsetLate, L("charset-late"), Severity::Error,
     QT_TRANSLATE_NOOP(
         "velko::PageChecker",
         "The charset declaration ends past the first 1,024 bytes, where browsers look for it.")},
    {Rule::CharsetConflict, L("charset-conflict"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker", "This declares the charset %1, an earlier tag %2.")},
    {Rule::CharsetMismatch, L("charset-mismatch"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The page declares the charset %1, but its bytes are not %1.")},
    {Rule::ViewportMissing, L("viewport-missing"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The head has no viewport meta tag; phones show the page zoomed out.")},
    {Rule::RefreshRedirect, L("refresh-redirect"), Severity::Warning,
     QT_TRANSLATE_NOOP(
         "velko::PageChecker",
         "The refresh tag sends visitors to %1; search engines take it for a redirect.")},
    {Rule::RobotsNoindex, L("robots-noindex"), Severity::Note,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "robots \"%1\" keeps the page out of search results.")},
    {Rule::RobotsUnknown, L("robots-unknown"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker", "Unknown robots token \"%1\".")},
    {Rule::CanonicalRelative, L("canonical-relative"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "The canonical address \"%1\" is not an absolute http(s) address.")},
    {Rule::CanonicalDuplicate, L("canonical-duplicate"), Severity::Error,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "A second canonical link; search engines may ignore them all.")},
    {Rule::OgIncomplete, L("og-incomplete"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker", "The Open Graph tags lack %1.")},
    {Rule::OgImageRelative, L("og-image-relative"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "og:image \"%1\" is not an absolute http(s) address.")},
    {Rule::ContentEmpty, L("content-empty"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker", "The meta tag %1=\"%2\" has empty content.")},
    {Rule::DcDateFormat, L("dc-date-format"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker",
                       "DC.Date \"%1\" is not a W3C date such as 2024-05-31.")},
    {Rule::ExpiresFormat, L("expires-format"), Severity::Warning,
     QT_TRANSLATE_NOOP(
         "velko::PageChecker",
         "expires \"%1\" is neither 0 nor an HTTP date such as Sun, 06 Nov 1994 08:49:37 GMT.")},
    {Rule::TagAfterHead, L("tag-after-head"), Severity::Warning,
     QT_TRANSLATE_NOOP("velko::PageChecker", "%1 is after the head; it belongs in the head.")},
};
static_assert(std::size(kRules) == ruleCount);
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
