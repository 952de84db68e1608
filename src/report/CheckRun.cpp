#include "report/CheckRun.h"

namespace velko {

PageResult pageResult(QString path, QString title, QString description,
                      std::vector<Finding> findings) {
    const int titleWidth = wholePixels(title, titlePixelSize);
    const int descriptionWidth = wholePixels(description, descriptionPixelSize);
    return {std::move(path), std::move(title), std::move(description),
            titleWidth,      descriptionWidth, std::move(findings)};
}

SeverityCounts severityCounts(const std::vector<Finding> &findings) {
    SeverityCounts counts{};
    for (const Finding &finding : findings)
        ++counts[size_t(finding.severity())];
    return counts;
}

CheckTotals checkTotals(const CheckRun &run) {
    CheckTotals totals;
    totals.pages = qsizetype(run.pages.size());
    for (const PageResult &page : run.pages) {
        bool error = false;
        for (const Finding &finding : page.findings) {
            ++totals.findings[size_t(finding.severity())];
            ++totals.perRule[size_t(finding.rule)];
            error = error || finding.severity() == Severity::Error;
        }
        totals.pagesWithErrors += error;
    }
    return totals;
}

} // namespace velko
