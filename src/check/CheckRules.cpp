#include "check/CheckRules.h"

#include <algorithm>

namespace velko {

namespace {

using L = QLatin1StringView;

constexpr RuleEntry kRules[] = {
    {Rule::HeadMissing, L("head-missing"), Severity::Error},
    {Rule::TitleMissing, L("title-missing"), Severity::Error},
    {Rule::TitleEmpty, L("title-empty"), Severity::Error},
    {Rule::TitleDuplicate, L("title-duplicate"), Severity::Error},
    {Rule::TitleTooLong, L("title-too-long"), Severity::Warning},
    {Rule::DescriptionMissing, L("description-missing"), Severity::Warning},
    {Rule::DescriptionTooLong, L("description-too-long"), Severity::Warning},
    {Rule::DescriptionTooShort, L("description-too-short"), Severity::Note},
    {Rule::MetaDuplicate, L("meta-duplicate"), Severity::Error},
    {Rule::CharsetMissing, L("charset-missing"), Severity::Warning},
    {Rule::CharsetLate, L("charset-late"), Severity::Error},
    {Rule::CharsetConflict, L("charset-conflict"), Severity::Error},
    {Rule::CharsetMismatch, L("charset-mismatch"), Severity::Error},
    {Rule::ViewportMissing, L("viewport-missing"), Severity::Warning},
    {Rule::RefreshRedirect, L("refresh-redirect"), Severity::Warning},
    {Rule::RobotsNoindex, L("robots-noindex"), Severity::Note},
    {Rule::RobotsUnknown, L("robots-unknown"), Severity::Warning},
    {Rule::CanonicalRelative, L("canonical-relative"), Severity::Warning},
    {Rule::CanonicalDuplicate, L("canonical-duplicate"), Severity::Error},
    {Rule::OgIncomplete, L("og-incomplete"), Severity::Warning},
    {Rule::OgImageRelative, L("og-image-relative"), Severity::Warning},
    {Rule::ContentEmpty, L("content-empty"), Severity::Warning},
    {Rule::DcDateFormat, L("dc-date-format"), Severity::Warning},
    {Rule::ExpiresFormat, L("expires-format"), Severity::Warning},
    {Rule::TagAfterHead, L("tag-after-head"), Severity::Warning},
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
