#pragma once

// The rules of the page checker: the id each finding names, how grave it is,
// what it finds and the unit that finds it (RuleUnit.h). An error keeps a page
// from working as meant (browsers or search engines read it otherwise), a
// warning is likely a mistake, a note says what the page asks for, in case
// that was not meant.

#include <QLatin1StringView>
#include <QStringView>
#include <QtGlobal>
#include <bitset>
#include <memory>
#include <optional>
#include <span>

namespace velko {

enum class Severity { Error, Warning, Note };

enum class Rule {
    HeadImplied,
    HeadEndedEarly,
    TitleMissing,
    TitleEmpty,
    TitleDuplicate,
    TitleTooLong,
    DescriptionMissing,
    DescriptionTooLong,
    DescriptionTooShort,
    MetaDuplicate,
    CharsetMissing,
    CharsetLate,
    CharsetConflict,
    CharsetMismatch,
    ViewportMissing,
    RefreshRedirect,
    RobotsNoindex,
    RobotsUnknown,
    CanonicalRelative,
    CanonicalDuplicate,
    OgIncomplete,
    OgImageRelative,
    ContentEmpty,
    DcDateFormat,
    ExpiresFormat,
    TagAfterHead,
    LangMissing,
    HreflangInvalid,
    HreflangSelfMissing,
    CanonicalNoindex,
    CanonicalTargetMissing,
    OgImageMissing,
    ViewportNoZoom,
    DoctypeMissing,
    IconMissing,
    JsonLdInvalid,
    HreflangRelative,
    CanonicalRoot,
    // Judged once every page of the run is read (SiteCheck.h).
    TitleShared,
    DescriptionShared,
    CanonicalTargetNoindex,
    HreflangReturnMissing,
};
inline constexpr int ruleCount = int(Rule::HreflangReturnMissing) + 1;
using RuleSet = std::bitset<ruleCount>;

class RuleUnit;
class CheckedPage;
using UnitMaker = std::unique_ptr<RuleUnit> (*)(CheckedPage &page);

// Findings of a rule that are graver or lighter than its row says, or that
// say more: a unit reports the case it found, and the table of cases (beside
// the rule table) says how its findings differ.
enum class RuleCase {
    None,
    MetaDuplicateOnce,  // a second tag of a kind that browsers and search engines read once
    RobotsRetired,      // a robots token that search engines no longer heed
    RobotsNoindexOne,   // noindex in a robots tag for one crawler (googlebot)
    CanonicalSame,      // a second canonical link to the same address
    ContentInValue,     // no content, but a value= attribute, as early Twitter Cards had it
    HeadEndedByText,    // text, not an element, ends the head
    CharsetLateMisread, // a late declaration after bytes it reads otherwise, or in the body
};

struct RuleCaseEntry {
    RuleCase which;
    Rule rule;
    Severity severity;
    // In English, translated like the rule's message; nullptr: the rule's own.
    const char *message;
};

struct RuleEntry {
    Rule rule;
    QLatin1StringView id; // "title-missing"
    Severity severity;
    // What a finding says, in English, with "%1", "%2", ... for its
    // arguments; translated in the context "velko::PageChecker".
    const char *message;
    // What the rule finds, in a line of the manual's and the help's lists of
    // rules: "no <title> in the head".
    const char *description;
    // The unit that finds it; rules of one family share theirs. None for
    // head-implied, which the checker finds itself, and for the rules of
    // the second pass.
    UnitMaker unit;
};

// Every rule, in the order of Rule.
std::span<const RuleEntry> checkRules();
const RuleEntry &ruleEntry(Rule rule);
// The rule with the id `id`, exactly as written.
std::optional<Rule> ruleWithId(QStringView id);

// Every case, in the order of RuleCase but None; and one of them.
std::span<const RuleCaseEntry> ruleCases();
const RuleCaseEntry &ruleCaseEntry(RuleCase which);

// "error", "warning" or "note".
QLatin1StringView severityName(Severity severity);

} // namespace velko
