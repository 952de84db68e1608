// --check: each page's findings, a line each.

#include "cli/PageBatch.h"
#include "cli/PageCheck.h"

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

    const std::optional<QStringList> pages = givenPages(call);
    if (!pages)
        return kUsage;
    return runOnPages(call.session, *pages, [&](const QString &path) {
        const PageReport report = checkPageFile(path, *ignored, format);
        return PageOutcome{
            .out = report.lines, .error = report.failure, .failed = report.errorFound};
    });
}

} // namespace velko
