#pragma once

// velko --check: the findings of a run as the lines the command prints.

#include "check/PageChecker.h"

#include <QByteArray>
#include <QString>

namespace velko {

enum class ReportFormat {
    Text, // PAGE:LINE:COLUMN: SEVERITY: MESSAGE [RULE], as compilers print
    Json, // {"file", "line", "column", "severity", "rule", "message"}
};

// Appends the finding in `page` as a line (messages in English).
void appendFinding(QByteArray &out, const QString &page, const Finding &finding,
                   ReportFormat format);

} // namespace velko
