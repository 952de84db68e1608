#pragma once

#include "check/PageChecker.h"

#include <QTreeWidget>
#include <vector>

namespace velko {

// "Error", "Warning" or "Note", translated.
QString severityCaption(Severity severity);

// lstFindings: what Check Page found, a row each: an icon for the severity,
// the line, the message and the rule. Activating a row (double-click, Enter)
// asks for its place in the document. Without findings it says so.
class FindingsList : public QTreeWidget {
    Q_OBJECT

public:
    explicit FindingsList(QWidget *parent = nullptr);

    void showFindings(const std::vector<Finding> &findings);
    // What the list shows when it holds no findings.
    static QString noFindingsText();

Q_SIGNALS:
    void findingActivated(qsizetype line, qsizetype column);
    // The whole message of the current row; empty when there is none.
    void currentMessageChanged(const QString &message);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace velko
