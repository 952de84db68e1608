#include "cli/PageCheck.h"

#include "fields/FormFile.h"

#include <QFile>

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

void appendFinding(QByteArray &out, const QString &page, const Finding &finding,
                   ReportFormat format) {
    (format == ReportFormat::Json ? appendJson : appendText)(out, page, finding);
}

} // namespace velko
