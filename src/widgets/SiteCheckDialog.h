#pragma once

#include "report/CheckRun.h"

#include <QDialog>
#include <QFutureWatcher>
#include <QThreadPool>

class QFormLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTreeWidget;

namespace velko {

class DesktopServices;
class FindingsList;

// What a site check found, with the folder its pages' paths are relative to.
struct SiteCheckResult {
    QString root;
    CheckRun run;
};

// Check Site: the pages under the chosen folders checked as one site on
// worker threads, with the window responsive and Cancel stopping it; then
// the totals, the findings per rule and a table of the pages, the findings
// of the selected one under it. Open Page shows a finding in its page, Save
// Report As writes the run as the HTML report. With no pages found, the
// window closes and says so.
class SiteCheckDialog : public QDialog {
    Q_OBJECT

public:
    SiteCheckDialog(DesktopServices &desktop, const QStringList &chosen, QWidget *parent);
    ~SiteCheckDialog() override;

    // Stops the check and waits for the pages in hand.
    void stop();
    void reject() override; // Cancel, Escape and the close button

Q_SIGNALS:
    void checkFinished();
    // The page at `path` to be shown with the caret at the finding's place.
    void pageOpened(const QString &path, qsizetype line, qsizetype column);

private:
    void onCheckFinished();
    void showTotals();
    void showPage();
    void openPage();
    void saveReport();

    DesktopServices &m_desktop;
    QStringList m_chosen;
    SiteCheckResult m_result;
    bool m_done = false; // the result is shown
    QFutureWatcher<SiteCheckResult> m_check;
    QThreadPool m_pool;

    QLabel *m_status = nullptr;
    QProgressBar *m_progress = nullptr;
    QWidget *m_report = nullptr; // shown once the check is done
    QFormLayout *m_totals = nullptr;
    QLabel *m_skipped = nullptr;
    QTreeWidget *m_rules = nullptr;
    QTableView *m_pages = nullptr;
    QSortFilterProxyModel *m_sorted = nullptr;
    FindingsList *m_findings = nullptr;
    QPushButton *m_openPage = nullptr;
    QPushButton *m_saveReport = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace velko
