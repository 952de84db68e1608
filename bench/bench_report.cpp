// The check report's benchmark, run by bench/report.sh:
//   bench_report OUT.html FOLDER [PAGES [RUNS]]
// checks the pages under FOLDER as velko --check does, makes the run's
// report and writes it to OUT.html, with the pages' paths relative to OUT's
// folder. With PAGES more than the folder holds, its pages are taken again
// under made-up folders ("copy01/...") until there are PAGES of them, for a
// large site whose pages look like real ones. Prints the pages, the report's
// size, and the medians of RUNS (default 11) times to make the report (wall
// and CPU time) and to write it.

#include "files/SitePages.h"
#include "files/TextFile.h"
#include "report/ReportHtml.h"
#include "text/DisplayText.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace velko;

namespace {

// The page's first title and description, found well enough for a benchmark.
PageResult checked(const QString &file, const QString &path) {
    QFile page(file);
    page.open(QIODevice::ReadOnly);
    const QByteArray bytes = page.readAll();
    const QString text = decodeText(bytes).text;
    const QRegularExpression title(QStringLiteral("<title[^>]*>(.*?)</title"),
                                   QRegularExpression::CaseInsensitiveOption |
                                       QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression description(
        QStringLiteral("<meta(?=[^>]*\\sname\\s*=\\s*[\"']?description[\"'\\s/>])[^>]*\\scontent"
                       "\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)')"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch described = description.match(text);
    return pageResult(path, displayText(title.match(text).captured(1), ReferencePlace::Text),
                      displayText(described.captured(1) + described.captured(2)), checkPage(bytes));
}

// Groups of two or more pages with the same non-empty text.
std::vector<PageGroup> shared(const std::vector<PageResult> &pages, QString PageResult::*text) {
    QHash<QString, qsizetype> groupOf;
    std::vector<PageGroup> groups;
    for (qsizetype i = 0; i < qsizetype(pages.size()); ++i) {
        const QString &key = pages[size_t(i)].*text;
        if (key.isEmpty())
            continue;
        const auto found = groupOf.constFind(key);
        if (found == groupOf.cend()) {
            groupOf.insert(key, qsizetype(groups.size()));
            groups.push_back({i});
        } else {
            groups[size_t(*found)].push_back(i);
        }
    }
    std::erase_if(groups, [](const PageGroup &group) { return group.size() < 2; });
    return groups;
}

// The CPU time of this thread: the machine may be busy with other work.
double cpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: bench_report OUT.html FOLDER [PAGES [RUNS]]\n");
        return 2;
    }
    const QString out = arguments[1];
    const QDir reportFolder = QFileInfo(out).absoluteDir();
    const QStringList files = pagesToUpdate({arguments[2]}, [] { return false; });
    if (files.isEmpty()) {
        std::fprintf(stderr, "bench_report: no pages under %s\n", qPrintable(arguments[2]));
        return 1;
    }
    const qsizetype wanted = arguments.size() > 3 ? arguments[3].toLongLong() : files.size();
    const int runs = arguments.size() > 4 ? arguments[4].toInt() : 11;

    CheckRun run;
    run.made = QDateTime::currentDateTime();
    run.subject = arguments[2];
    std::vector<PageResult> originals;
    for (const QString &file : files)
        originals.push_back(checked(file, reportFolder.relativeFilePath(file)));
    for (qsizetype i = 0; i < wanted; ++i) {
        PageResult page = originals[size_t(i % files.size())];
        if (const qsizetype copy = i / files.size(); copy > 0)
            page.path = QStringLiteral("copy%1/").arg(copy, 2, 10, QChar(u'0')) + page.path;
        run.pages.push_back(std::move(page));
    }
    run.sharedTitles = shared(run.pages, &PageResult::title);
    run.sharedDescriptions = shared(run.pages, &PageResult::description);

    std::vector<double> making, makingCpu, writing;
    QByteArray html;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        const double cpuStart = cpuMilliseconds();
        timer.start();
        html = reportHtml(run);
        making.push_back(double(timer.nsecsElapsed()) / 1e6);
        makingCpu.push_back(cpuMilliseconds() - cpuStart);
        timer.start();
        QSaveFile file(out);
        if (!file.open(QIODevice::WriteOnly) || file.write(html) != html.size() || !file.commit()) {
            std::fprintf(stderr, "bench_report: cannot write %s\n", qPrintable(out));
            return 1;
        }
        writing.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("%lld pages, %.1f MB: report made in %.1f ms (%.1f ms CPU), written in %.1f ms\n",
                static_cast<long long>(run.pages.size()), double(html.size()) / 1048576,
                median(making), median(makingCpu), median(writing));
    return 0;
}
