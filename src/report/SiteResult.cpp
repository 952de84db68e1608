#include "report/SiteResult.h"

#include <QDir>
#include <QFileInfo>

namespace velko {

CheckRun siteCheckRun(const QString &folder, const QString &subject, const QStringList &pages,
                      SiteRun &site) {
    CheckRun run{QDateTime::currentDateTime(), subject, {}, {}, {}, 0, {}};
    const QDir dir(folder);
    std::vector<qsizetype> shownAs(pages.size(), -1);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        CheckedFile &page = site.pages[i];
        if (!page.error.isEmpty()) {
            ++run.unreadablePages;
            continue;
        }
        shownAs[i] = qsizetype(run.pages.size());
        run.pages.push_back(pageResult(dir.relativeFilePath(QFileInfo(pages[i]).absoluteFilePath()),
                                       page.title, page.description, std::move(page.findings)));
    }
    const auto groups = [&](const std::vector<std::vector<qsizetype>> &shared) {
        std::vector<PageGroup> shown;
        for (const std::vector<qsizetype> &group : shared) {
            shown.emplace_back();
            for (const qsizetype page : group)
                shown.back().push_back(shownAs[page]);
        }
        return shown;
    };
    run.sharedTitles = groups(site.sharedTitles);
    run.sharedDescriptions = groups(site.sharedDescriptions);
    return run;
}

CheckRun runRelativeTo(CheckRun run, const QString &from, const QString &to) {
    const QDir source(from);
    const QDir target(to);
    for (PageResult &page : run.pages)
        page.path = target.relativeFilePath(source.absoluteFilePath(page.path));
    return run;
}

} // namespace velko
