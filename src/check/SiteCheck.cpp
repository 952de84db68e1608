#include "check/SiteCheck.h"

#include <QHash>
#include <algorithm>

namespace velko {

namespace {

using PageFindings = std::vector<std::vector<Finding>>;

void add(PageFindings &findings, qsizetype page, const SitePlace &at, Rule rule,
         QStringList arguments) {
    findings[page].push_back({at.line, at.column, rule, std::move(arguments)});
}

// One finding on each page that shares its text with others, naming how many
// and the first of the others.
void shared(const std::vector<SiteFacts> &facts, const QStringList &paths, Rule rule,
            size_t SiteFacts::*text, SitePlace SiteFacts::*at, PageFindings &findings) {
    for (const std::vector<qsizetype> &group : sharedGroups(facts, text)) {
        for (const qsizetype page : group) {
            const qsizetype first = group[0] == page ? group[1] : group[0];
            add(findings, page, facts[page].*at, rule,
                {QString::number(group.size() - 1), paths[first]});
        }
    }
}

bool lists(const SiteFacts &facts, qsizetype page) {
    return std::any_of(facts.alternates.begin(), facts.alternates.end(),
                       [page](const auto &alternate) { return alternate.first == page; });
}

} // namespace

std::vector<std::vector<qsizetype>> sharedGroups(const std::vector<SiteFacts> &facts,
                                                 size_t SiteFacts::*text) {
    QHash<size_t, qsizetype> groupOf;
    std::vector<std::vector<qsizetype>> groups;
    for (qsizetype page = 0; page < qsizetype(facts.size()); ++page) {
        const size_t hash = facts[page].*text;
        if (!hash)
            continue;
        auto found = groupOf.find(hash);
        if (found == groupOf.end()) {
            found = groupOf.insert(hash, qsizetype(groups.size()));
            groups.emplace_back();
        }
        groups[*found].push_back(page);
    }
    std::erase_if(groups, [](const std::vector<qsizetype> &group) { return group.size() < 2; });
    std::stable_sort(groups.begin(), groups.end(),
                     [](const auto &a, const auto &b) { return a.size() > b.size(); });
    return groups;
}

bool needsSiteAddress(Rule rule) {
    return rule == Rule::CanonicalTargetMissing || rule == Rule::CanonicalTargetNoindex ||
           rule == Rule::HreflangReturnMissing;
}

PageFindings siteFindings(const std::vector<SiteFacts> &facts, const QStringList &paths,
                          bool knowsAddress) {
    PageFindings findings(facts.size());
    shared(facts, paths, Rule::TitleShared, &SiteFacts::title, &SiteFacts::titleAt, findings);
    shared(facts, paths, Rule::DescriptionShared, &SiteFacts::description,
           &SiteFacts::descriptionAt, findings);
    for (qsizetype page = 0; knowsAddress && page < qsizetype(facts.size()); ++page) {
        const SiteFacts &own = facts[page];
        if (own.canonical >= 0 &&
            (facts[own.canonical].noindex || facts[own.canonical].namesOtherCanonical))
            add(findings, page, own.canonicalAt, Rule::CanonicalTargetNoindex,
                {paths[own.canonical]});
        for (const auto &[other, at] : own.alternates)
            if (!lists(facts[other], page))
                add(findings, page, at, Rule::HreflangReturnMissing, {paths[other]});
    }
    for (std::vector<Finding> &page : findings)
        std::stable_sort(page.begin(), page.end(), [](const Finding &a, const Finding &b) {
            return std::tuple(a.line, a.column, a.rule) < std::tuple(b.line, b.column, b.rule);
        });
    return findings;
}

} // namespace velko
