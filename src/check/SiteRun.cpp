#include "check/SiteRun.h"

#include "files/PageFile.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <numeric>

namespace velko {

SiteRun checkSite(const QStringList &paths, const SiteMap &map, bool keepTexts, int threads,
                  const SiteRunHooks &hooks) {
    QThreadPool pool;
    pool.setMaxThreadCount(threads);
    std::vector<qsizetype> indices(paths.size());
    std::iota(indices.begin(), indices.end(), 0);
    // Each page's outcome goes straight into its place: a run of many pages
    // holds no second copy.
    SiteRun run;
    run.pages.resize(paths.size());
    std::vector<SiteFacts> facts(paths.size());
    QtConcurrent::blockingMap(&pool, indices, [&](qsizetype index) {
        if (hooks.stopped && hooks.stopped())
            return;
        const PageFile page(paths[index]);
        CheckedFile &file = run.pages[index];
        if (!page.error().isEmpty()) {
            file.error = page.error();
            if (hooks.pageDone)
                hooks.pageDone();
            return;
        }
        if (hooks.pageRead)
            hooks.pageRead(index, page.bytes());
        SitePage site{map, index, keepTexts};
        file.findings = checkSitePage(page.bytes(), site);
        file.title = std::move(site.title);
        file.description = std::move(site.description);
        facts[index] = std::move(site.facts);
        if (hooks.pageDone)
            hooks.pageDone();
    });
    if (hooks.stopped && hooks.stopped())
        return run;
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
