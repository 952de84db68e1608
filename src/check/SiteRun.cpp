#include "check/SiteRun.h"

#include "files/PageFile.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <numeric>

namespace velko {

namespace {

struct FirstPass {
    CheckedFile file;
    SiteFacts facts;
};

} // namespace

SiteRun checkSite(const QStringList &paths, const SiteMap &map, bool keepTexts, int threads) {
    QThreadPool pool;
    pool.setMaxThreadCount(threads);
    std::vector<qsizetype> indices(paths.size());
    std::iota(indices.begin(), indices.end(), 0);
    std::vector<FirstPass> first = QtConcurrent::blockingMapped<std::vector<FirstPass>>(
        &pool, indices, [&](qsizetype index) {
            const PageFile page(paths[index]);
            if (!page.error().isEmpty())
                return FirstPass{{page.error(), {}}, {}};
            SitePage site{map, index, keepTexts};
            std::vector<Finding> findings = checkSitePage(page.bytes(), site);
            return FirstPass{{{}, std::move(findings), site.title, site.description},
                             std::move(site.facts)};
        });
    std::vector<SiteFacts> facts;
    facts.reserve(first.size());
    SiteRun run;
    run.pages.reserve(first.size());
    for (FirstPass &page : first) {
        facts.push_back(std::move(page.facts));
        run.pages.push_back(std::move(page.file));
    }
    first = {};
    std::vector<std::vector<Finding>> site = siteFindings(facts, paths, map.knowsAddress());
    for (size_t i = 0; i < site.size(); ++i) {
        if (site[i].empty())
            continue;
        std::vector<Finding> &findings = run.pages[i].findings;
        findings.insert(findings.end(), std::make_move_iterator(site[i].begin()),
                        std::make_move_iterator(site[i].end()));
        std::stable_sort(findings.begin(), findings.end(), [](const Finding &a, const Finding &b) {
            return std::pair(a.line, a.column) < std::pair(b.line, b.column);
        });
    }
    run.sharedTitles = sharedGroups(facts, &SiteFacts::title);
    run.sharedDescriptions = sharedGroups(facts, &SiteFacts::description);
    return run;
}

} // namespace velko
