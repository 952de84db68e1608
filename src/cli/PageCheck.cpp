#include "cli/PageCheck.h"

#include "check/PageChecker.h"
#include "fields/FormFile.h"
#include "files/PageFile.h"

namespace velko {

namespace {

QByteArray bytesOf(QLatin1StringView text) {
    return QByteArray(text.data(), text.size());
}

void appendText(QByteArray &out, const QString &path, const Finding &finding) {
    out += QFile::encodeName(path) + ':' + QByteArray::number(finding.line) + ':' +
           QByteArray::number(finding.column) + ": " + bytesOf(severityName(finding.severity())) +
           ": " + finding.message().toUtf8() + " [" + bytesOf(ruleEntry(finding.rule).id) + "]\n";
}

void appendJson(QByteArray &out, const QString &path, const Finding &finding) {
    out += "{\"file\":";
    appendJsonString(out, path);
    out += ",\"line\":" + QByteArray::number(finding.line) +
           ",\"column\":" + QByteArray::number(finding.column) + ",\"severity\":\"" +
           bytesOf(severityName(finding.severity())) + "\",\"rule\":\"" +
           bytesOf(ruleEntry(finding.rule).id) + "\",\"message\":";
    appendJsonString(out, finding.message());
    out += "}\n";
}

} // namespace

PageReport checkPageFile(const QString &path, const RuleSet &ignored, ReportFormat format) {
    const PageFile page(path);
    if (!page.error().isEmpty())
        return {{}, false, page.error()};
    PageReport report;
    for (const Finding &finding : checkPage(page.bytes())) {
        if (ignored.test(size_t(finding.rule)))
            continue;
        report.errorFound = report.errorFound || finding.severity() == Severity::Error;
        (format == ReportFormat::Json ? appendJson : appendText)(report.lines, path, finding);
    }
    return report;
}

} // namespace velko
