#pragma once

// velko --check on one page: its findings as the lines the command prints.

#include "check/CheckRules.h"

#include <QByteArray>
#include <QString>

namespace velko {

enum class ReportFormat {
    Text, // PAGE:LINE:COLUMN: SEVERITY: MESSAGE [RULE], as compilers print
    Json, // {"file", "line", "column", "severity", "rule", "message"}
};

struct PageReport {
    QByteArray lines; // one a finding, each ending with a line break
    bool errorFound = false;
    QString failure; // why the page could not be read; empty when it was
};

// Checks the page at `path`; the findings of `ignored` rules are left out.
// Messages are in English.
PageReport checkPageFile(const QString &path, const RuleSet &ignored, ReportFormat format);

} // namespace velko
