#pragma once

#include "commands/SiteTable.h"

#include <QFutureWatcher>
#include <QThreadPool>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace velko {

class DesktopServices;
class FindingsList;
class SearchResultView;
class SiteRowsFilter;
class SiteRowsModel;

// The site editor: every page of a folder in a table, its title and
// description edited in place, read and written off the window's thread. Under
// the table the selected page as a search result and its findings; Save
// Changes writes the edits through the update, Import CSV and Export CSV take
// and give them as a title list.
class SiteEditor : public QWidget {
    Q_OBJECT

public:
    // Saved pages are kept for undo under `undoRoot` (none: not kept).
    SiteEditor(DesktopServices &desktop, const QString &folder, const QString &undoRoot,
               QWidget *parent);
    ~SiteEditor() override;

    bool isBusy() const { return m_busy; }
    // Save Changes: the pages that will change, each with its diff, then the
    // writing once the user agrees.
    void saveChanges();
    void importCsv();
    void exportCsv();

Q_SIGNALS:
    void tableRead();
    void changesSaved();
    // The page at `path` to be shown with the caret at the finding's place.
    void pageOpened(const QString &path, qsizetype line, qsizetype column);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void onTableRead();
    void writeEdits();
    void onEditsWritten();
    void setBusy(bool busy, const QString &status);
    void filterChanged();
    void showSelected();
    void openFinding(qsizetype line, qsizetype column);
    const SiteRow *selectedRow() const;

    DesktopServices &m_desktop;
    QString m_folder;
    QString m_undoRoot;
    std::unique_ptr<UndoRecorder> m_undo; // while the pages are written
    SiteTable m_table;
    bool m_busy = true;
    bool m_closeWhenSaved = false;
    PendingEdits m_pending;
    QThreadPool m_pool;
    QFutureWatcher<SiteTable> m_read;
    QFutureWatcher<std::vector<SitePageOutcome>> m_write;

    SiteRowsModel *m_model = nullptr;
    SiteRowsFilter *m_filter = nullptr;
    QTableView *m_view = nullptr;
    QLineEdit *m_filterText = nullptr;
    QCheckBox *m_withFindings = nullptr;
    QCheckBox *m_sharedTitles = nullptr;
    QCheckBox *m_sharedDescriptions = nullptr;
    QCheckBox *m_changed = nullptr;
    SearchResultView *m_preview = nullptr;
    FindingsList *m_findings = nullptr;
    QLabel *m_status = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_import = nullptr;
    QPushButton *m_export = nullptr;
};

} // namespace velko
