// --check: each page's findings, a line each, the site rules' among them; a
// summary line, and with --report the run as an HTML file.

#include "check/SiteRun.h"
#include "cli/PageBatch.h"
#include "cli/PageCheck.h"
#include "files/FileWrite.h"
#include "files/SitePages.h"
#include "report/CheckRun.h"
#include "report/ReportHtml.h"
#include "report/SiteResult.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>

namespace velko {

namespace {

// The rules named in the --ignore values, each a list separated by commas.
std::optional<RuleSet> ignoredRules(const QStringList &values, QString *unknown) {
    RuleSet rules;
    for (const QString &value : values) {
        for (const QString &id : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const std::optional<Rule> rule = ruleWithId(id.trimmed());
            if (!rule) {
                *unknown = id.trimmed();
                return {};
            }
            rules.set(size_t(*rule));
        }
    }
    return rules;
}

// The pages given, each folder as the pages under it; and the folder the
// site's addresses map into.
QStringList pagesOf(const QStringList &given, QString *root) {
    QStringList pages;
    QStringList folders;
    for (const QString &path : given) {
        if (QFileInfo(path).isDir()) {
            pages << pagesInFolder(path, [] { return false; });
            folders << path;
        } else {
            pages << path;
        }
    }
    *root = folders.size() == 1 && given.size() == 1 ? folders.front() : commonFolder(pages);
    return pages;
}

QString counted(qsizetype count, const char *one, const char *many) {
    // Grouped by commas whatever the user's locale, as the summary is read by
    // scripts too: "6,014 findings".
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    return english.toString(qint64(count)) + u' ' + QLatin1String(count == 1 ? one : many);
}

// "2,000 pages, 1,234 findings (12 errors, 900 warnings, 322 notes) in 0.2 s"
QString summary(qsizetype pages, const SeverityCounts &counts, qint64 milliseconds) {
    const qsizetype findings = counts[0] + counts[1] + counts[2];
    return counted(pages, "page", "pages") + QStringLiteral(", ") +
           counted(findings, "finding", "findings") + QStringLiteral(" (") +
           counted(counts[0], "error", "errors") + QStringLiteral(", ") +
           counted(counts[1], "warning", "warnings") + QStringLiteral(", ") +
           counted(counts[2], "note", "notes") + QStringLiteral(") in ") +
           QString::number(double(milliseconds) / 1000, 'f', 1) + QStringLiteral(" s");
}

QString skippedRules() {
    QStringList ids;
    for (const RuleEntry &entry : checkRules())
        if (needsSiteAddress(entry.rule))
            ids << QString(entry.id);
    return QStringLiteral("; without --site-url, skipped ") + ids.join(QStringLiteral(", "));
}

} // namespace

// Any error found fails the command.
int runCheck(const ModeCall &call) {
    if (!pagesNamed(call))
        return call.session.usageError(QStringLiteral("--check takes one or more pages"));
    QString unknown;
    const std::optional<RuleSet> ignored =
        ignoredRules(call.parser.values(call.options.ignore), &unknown);
    if (!ignored)
        return call.session.usageError(QStringLiteral("--ignore: unknown rule ") + unknown);
    const QString formatName = call.parser.value(call.options.format);
    if (!formatName.isEmpty() && formatName != QLatin1String("text") &&
        formatName != QLatin1String("json"))
        return call.session.usageError(QStringLiteral("--format takes text or json"));
    const ReportFormat format =
        formatName == QLatin1String("json") ? ReportFormat::Json : ReportFormat::Text;
    QUrl base;
    if (call.parser.isSet(call.options.siteUrl)) {
        base = QUrl(call.parser.value(call.options.siteUrl), QUrl::StrictMode);
        if (!base.isValid() || base.host().isEmpty() ||
            (base.scheme() != QLatin1String("http") && base.scheme() != QLatin1String("https")))
            return call.session.usageError(
                QStringLiteral("--site-url takes an http or https address"));
    }

    const std::optional<QStringList> given = givenPages(call);
    if (!given)
        return kUsage;
    QElapsedTimer timer;
    timer.start();
    QString root;
    const QStringList pages = pagesOf(*given, &root);
    const SiteMap map(pages, root, base);
    const QString reportPath = call.parser.value(call.options.report);
    SiteRun site = checkSite(pages, map, !reportPath.isEmpty());

    int code = kDone;
    SeverityCounts counts{};
    for (qsizetype i = 0; i < pages.size(); ++i) {
        CheckedFile &page = site.pages[i];
        if (!page.error.isEmpty()) {
            code = call.session.fail(kFailed, pages[i] + QStringLiteral(": ") + page.error);
            continue;
        }
        std::erase_if(page.findings,
                      [&](const Finding &finding) { return ignored->test(size_t(finding.rule)); });
        QByteArray lines;
        for (const Finding &finding : page.findings) {
            appendFinding(lines, pages[i], finding, format);
            ++counts[size_t(finding.severity())];
            if (finding.severity() == Severity::Error)
                code = kFailed;
        }
        call.session.print(lines);
    }
    if (!reportPath.isEmpty()) {
        QString error;
        CheckRun run =
            siteCheckRun(QFileInfo(reportPath).absolutePath(), given->join(u' '), pages, site);
        if (!map.knowsAddress())
            run.skippedRules << QStringLiteral("the rules that need --site-url");
        if (!writeFileSafely(reportPath, reportHtml(run), &error))
            code = call.session.fail(kFailed, reportPath + QStringLiteral(": ") + error);
    }
    if (pages.size() > 1 && !call.parser.isSet(call.options.quiet))
        call.session.warn(summary(pages.size(), counts, timer.elapsed()) +
                          (map.knowsAddress() ? QString() : skippedRules()));
    return code;
}

} // namespace velko
