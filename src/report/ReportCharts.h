#pragma once

// The report's charts as inline SVG, each followed by a table of its numbers
// for those who cannot see it. The tables carry the numbers in data
// attributes too, for scripts and tests.

#include "report/CheckRun.h"

#include <QString>
#include <QStringView>
#include <vector>

namespace velko {

// The rules that have findings: errors first, then warnings, then notes, the
// most frequent first within each.
std::vector<Rule> rulesByFindings(const CheckTotals &totals);

// Findings per rule as bars, in the order of rulesByFindings; the script
// shows the pages of a rule clicked.
void appendRuleChart(QString &out, const CheckTotals &totals);

struct WidthChart {
    QStringView name; // "title", as in "no title"
    double pixelSize = 0;
    int limit = 0; // where search results cut, drawn as a line
    int step = 0;  // pixels a bar; the last bar holds every wider text
    int bars = 0;
    int tick = 0; // pixels between the labels under the bars
};

inline constexpr WidthChart titleChart{u"title", titlePixelSize, searchTitleWidth, 25, 36, 100};
inline constexpr WidthChart descriptionChart{
    u"description", descriptionPixelSize, searchDescriptionWidth, 40, 35, 200};

// How many of `widths` fall on each bar: bar i holds i * step + 1 to
// (i + 1) * step pixels (the first one 0 too).
std::vector<qsizetype> histogram(const WidthChart &chart, const std::vector<int> &widths);

// The pages by the width of their title or description; `without` pages
// have none and are counted in the caption.
void appendWidthChart(QString &out, const WidthChart &chart, const std::vector<int> &widths,
                      qsizetype without);

} // namespace velko
