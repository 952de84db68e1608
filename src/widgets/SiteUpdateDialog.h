#pragma once

#include "document/SiteUpdate.h"
#include "fields/FormValue.h"

#include <QDialog>
#include <QFutureWatcher>
#include <QThreadPool>
#include <memory>
#include <vector>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace velko {

class DesktopServices;

// Update Tags In Files: the pages found under the chosen folders, a preview
// of what the update does to each, then the pages that change written. All
// three run on worker threads, so the window stays responsive; Cancel stops
// any, and pages already written stay written. A summary follows the writing.
// With no pages found, the dialog closes and says so.
class SiteUpdateDialog : public QDialog {
    Q_OBJECT

public:
    // The pages written are kept for undo under `undoRoot` (none: not kept).
    SiteUpdateDialog(DesktopServices &desktop, const QStringList &chosen, const FormValue &form,
                     const QString &undoRoot, QWidget *parent);
    ~SiteUpdateDialog() override;

    bool isWriting() const { return m_writing.isRunning(); }
    // Stops the work and waits for the pages in hand; no summary follows.
    void stop();

    void reject() override; // Cancel, Escape and the close button

Q_SIGNALS:
    void previewFinished();
    // The summary's "Undo Last Site Update" was chosen.
    void undoRequested();

private:
    struct SitePage {
        QString path;
        SitePageOutcome outcome;
    };

    void onPagesFound();
    void startPreview();
    void showPreviewRows(int begin, int end);
    void onPreviewFinished();
    void startWriting();
    void onWritingFinished();
    std::vector<TagLine> lines() const;

    DesktopServices &m_desktop;
    FormValue m_form;
    QString m_undoRoot;
    std::unique_ptr<UndoRecorder> m_undo;     // while the pages are written
    QStringList m_chosen;                     // files and folders, as the pages dialog gave them
    QStringList m_pages;                      // empty until they are found
    std::vector<SitePageOutcome> m_previewed; // by page, as the preview found them
    std::vector<SitePage> m_writes;           // the pages that change, written in place
    QFutureWatcher<QStringList> m_scan;
    QFutureWatcher<SitePageOutcome> m_preview;
    QFutureWatcher<void> m_writing;
    // Writing a page waits for the disk (each is synced), so more pages are
    // in flight than there are cores.
    QThreadPool m_writers;
    QThreadPool m_previewers;

    QLabel *m_count = nullptr;
    QCheckBox *m_keepPageOwn = nullptr;
    QTableWidget *m_table = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_update = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace velko
