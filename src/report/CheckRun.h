#pragma once

// A check run as a value: what was checked, when, and what was found in each
// page. The report, the summary and the window's report view are all drawn
// from it.

#include "check/PageChecker.h"
#include "tags/SearchWidths.h"
#include "text/TextWidth.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace velko {

struct PageResult {
    QString path;        // relative to the report's folder, with "/" between folders
    QString title;       // as shown: references decoded, white space collapsed; empty when none
    QString description; // the same
    int titleWidth = 0;  // in pixels at titlePixelSize, rounded up
    int descriptionWidth = 0;      // at descriptionPixelSize
    std::vector<Finding> findings; // in page order
};

// The page with its title's and description's widths measured.
PageResult pageResult(QString path, QString title, QString description,
                      std::vector<Finding> findings);

using PageGroup = std::vector<qsizetype>; // indices into CheckRun::pages

struct CheckRun {
    QDateTime made;
    QString subject;                           // what was checked: a folder, or the command
    std::vector<PageResult> pages;             // in the order they were checked
    std::vector<PageGroup> sharedTitles;       // pages that have the same title
    std::vector<PageGroup> sharedDescriptions; // and the same description
    qsizetype unreadablePages = 0;
    QStringList skippedRules; // as the summary names them: "the rules that need --site-url"
};

// Findings by severity, in the order of Severity.
using SeverityCounts = std::array<qsizetype, 3>;
SeverityCounts severityCounts(const std::vector<Finding> &findings);

struct CheckTotals {
    qsizetype pages = 0;
    qsizetype pagesWithErrors = 0;
    SeverityCounts findings{};
    std::array<qsizetype, ruleCount> perRule{}; // in the order of Rule
};

CheckTotals checkTotals(const CheckRun &run);

} // namespace velko
