#include "widgets/SiteUpdateDialog.h"

#include "document/TagInsertion.h"
#include "files/SitePages.h"
#include "seams/DesktopServices.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentMap>
#include <QtConcurrent/QtConcurrentRun>

namespace velko {

namespace {

constexpr int kWriterThreads = 16;

using Kind = SitePageOutcome::Kind;

// A page's row: what the update would do, or why it cannot be done.
QString describe(const SitePageOutcome &outcome) {
    switch (outcome.kind) {
    case Kind::Changes:
        return SiteUpdateDialog::tr("replace %1, add %2, remove %3")
            .arg(outcome.replaced)
            .arg(outcome.added)
            .arg(outcome.removed);
    case Kind::Unchanged:
        return SiteUpdateDialog::tr("unchanged");
    case Kind::NoHead:
        return QCoreApplication::translate("velko::DocumentCommands", insertion::kNotHtml);
    case Kind::Failed:
        return outcome.error;
    case Kind::NotDone:
        break;
    }
    return {};
}

bool failed(const SitePageOutcome &outcome) {
    return outcome.kind == Kind::NoHead || outcome.kind == Kind::Failed;
}

} // namespace

SiteUpdateDialog::SiteUpdateDialog(DesktopServices &desktop, const QStringList &chosen,
                                   const FormValue &form, const QString &undoRoot, QWidget *parent)
    : QDialog(parent)
    , m_desktop(desktop)
    , m_form(form)
    , m_undoRoot(undoRoot)
    , m_chosen(chosen) {
    setObjectName(QStringLiteral("frmUpdateFiles"));
    setWindowTitle(tr("Update Tags In Files"));
    m_writers.setMaxThreadCount(kWriterThreads);
    // The preview keeps a core free for the window, so that it stays
    // responsive while the pages are read.
    m_previewers.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));

    m_count = new QLabel(tr("Finding pages..."), this);
    m_keepPageOwn =
        new QCheckBox(tr("Keep each page's own title, description and addresses"), this);
    m_keepPageOwn->setObjectName(QStringLiteral("chkKeepPageOwn"));
    m_keepPageOwn->setChecked(true);
    // The tags of pageOwnTagNames(), in a sentence the translations can word
    // as they need.
    m_keepPageOwn->setToolTip(tr("Leave each page's title, description, og:title, "
                                 "og:description, og:url and canonical link as they are"));
    m_keepPageOwn->setAccessibleDescription(m_keepPageOwn->toolTip());
    m_table = new QTableWidget(0, 2, this);
    m_table->setObjectName(QStringLiteral("tblPages"));
    m_table->setAccessibleName(tr("Pages"));
    m_table->setAccessibleDescription(tr("What the update does to each page"));
    m_table->setHorizontalHeaderLabels({tr("Page"), tr("Update")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("prgPages"));
    m_progress->setAccessibleName(tr("Progress"));
    m_progress->setRange(0, 0); // busy: how many pages there are is not known yet
    m_update = new QPushButton(tr("Update %1 Pages").arg(0), this);
    m_update->setObjectName(QStringLiteral("cmdUpdate"));
    m_update->setDefault(true);
    m_update->setEnabled(false);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_progress, 1);
    buttons->addWidget(m_update);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_count);
    layout->addWidget(m_keepPageOwn);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    resize(640, 420);

    connect(m_keepPageOwn, &QCheckBox::toggled, this, &SiteUpdateDialog::startPreview);
    connect(m_update, &QPushButton::clicked, this, &SiteUpdateDialog::startWriting);
    connect(m_cancel, &QPushButton::clicked, this, &SiteUpdateDialog::reject);
    connect(&m_scan, &QFutureWatcherBase::finished, this, &SiteUpdateDialog::onPagesFound);
    connect(&m_preview, &QFutureWatcherBase::resultsReadyAt, this,
            &SiteUpdateDialog::showPreviewRows);
    connect(&m_preview, &QFutureWatcherBase::progressValueChanged, m_progress,
            &QProgressBar::setValue);
    connect(&m_preview, &QFutureWatcherBase::finished, this, &SiteUpdateDialog::onPreviewFinished);
    connect(&m_writing, &QFutureWatcherBase::progressValueChanged, m_progress,
            &QProgressBar::setValue);
    connect(&m_writing, &QFutureWatcherBase::finished, this, &SiteUpdateDialog::onWritingFinished);
    m_scan.setFuture(QtConcurrent::run(&m_previewers, [chosen](QPromise<QStringList> &promise) {
        promise.addResult(pagesToUpdate(chosen, [&promise] { return promise.isCanceled(); }));
    }));
}

SiteUpdateDialog::~SiteUpdateDialog() {
    stop();
}

std::vector<TagLine> SiteUpdateDialog::lines() const {
    return siteTagLines(m_form, m_keepPageOwn->isChecked());
}

void SiteUpdateDialog::onPagesFound() {
    if (m_scan.isCanceled())
        return;
    m_pages = m_scan.result();
    if (m_pages.isEmpty()) {
        QDialog::reject();
        m_desktop.showMessage(
            {tr("Update Tags In Files"),
             tr("There are no pages (*.htm, *.html) in %1.")
                 .arg(QDir::toNativeSeparators(m_chosen.join(QStringLiteral(", "))))});
        return;
    }
    m_count->setText(tr("%1 pages").arg(m_pages.size()));
    m_table->setRowCount(int(m_pages.size()));
    for (int row = 0; row < m_pages.size(); ++row) {
        m_table->setItem(row, 0, new QTableWidgetItem(QDir::toNativeSeparators(m_pages[row])));
        m_table->setItem(row, 1, new QTableWidgetItem);
    }
    m_table->resizeColumnToContents(0);
    startPreview();
}

void SiteUpdateDialog::startPreview() {
    if (m_pages.isEmpty()) // still being found: the preview starts once they are
        return;
    m_preview.cancel();
    m_preview.waitForFinished();
    m_previewed.assign(m_pages.size(), {});
    for (int row = 0; row < m_table->rowCount(); ++row)
        m_table->item(row, 1)->setText({});
    m_update->setText(tr("Update %1 Pages").arg(0));
    m_update->setEnabled(false);
    m_progress->setRange(0, int(m_pages.size()));
    m_progress->setValue(0);
    m_preview.setFuture(
        QtConcurrent::mapped(&m_previewers, m_pages, [lines = lines()](const QString &path) {
            return previewPage(path, lines);
        }));
}

void SiteUpdateDialog::showPreviewRows(int begin, int end) {
    for (int row = begin; row < end; ++row) {
        m_previewed[row] = m_preview.resultAt(row);
        m_table->item(row, 1)->setText(describe(m_previewed[row]));
    }
}

void SiteUpdateDialog::onPreviewFinished() {
    if (m_preview.isCanceled())
        return;
    const auto changes =
        std::count_if(m_previewed.begin(), m_previewed.end(),
                      [](const SitePageOutcome &o) { return o.kind == Kind::Changes; });
    m_update->setText(tr("Update %1 Pages").arg(changes));
    m_update->setEnabled(changes > 0);
    Q_EMIT previewFinished();
}

void SiteUpdateDialog::startWriting() {
    m_writes.clear();
    for (qsizetype i = 0; i < m_pages.size(); ++i)
        if (m_previewed[i].kind == Kind::Changes)
            m_writes.push_back({m_pages[i], {}});
    m_keepPageOwn->setEnabled(false);
    m_update->setEnabled(false);
    m_progress->setRange(0, int(m_writes.size()));
    m_progress->setValue(0);
    // The run's name in the undo folder, which the command line reads too.
    if (!m_undoRoot.isEmpty())
        m_undo = std::make_unique<UndoRecorder>(m_undoRoot, QStringLiteral("Update Tags In Files"));
    m_writing.setFuture(QtConcurrent::map(&m_writers, m_writes,
                                          [lines = lines(), undo = m_undo.get()](SitePage &page) {
                                              page.outcome = updatePage(page.path, lines, undo);
                                          }));
}

// Pages that were not reached stay untouched; the summary counts them apart.
void SiteUpdateDialog::onWritingFinished() {
    int updated = 0;
    int unchanged = 0;
    int notDone = 0;
    QStringList failures;
    auto count = [&](const QString &path, const SitePageOutcome &outcome) {
        updated += outcome.kind == Kind::Changes;
        unchanged += outcome.kind == Kind::Unchanged;
        notDone += outcome.kind == Kind::NotDone;
        if (failed(outcome))
            failures << QDir::toNativeSeparators(path) + QStringLiteral(": ") + describe(outcome);
    };
    for (qsizetype i = 0; i < m_pages.size(); ++i)
        if (m_previewed[i].kind != Kind::Changes)
            count(m_pages[i], m_previewed[i]);
    for (const SitePage &page : m_writes)
        count(page.path, page.outcome);
    failures.sort(); // in page order

    QStringList text = {tr("Pages updated: %1").arg(updated), tr("Unchanged: %1").arg(unchanged),
                        tr("Failed: %1").arg(failures.size())};
    if (notDone > 0)
        text << tr("Left untouched when stopped: %1").arg(notDone);
    QString undoError;
    const bool undoable = m_undo && m_undo->pageCount() > 0 && m_undo->finish(&undoError);
    if (!undoError.isEmpty())
        text << tr("The pages written cannot be undone: %1").arg(undoError);
    m_undo.reset();
    accept();
    if (m_desktop.showMessage({tr("Update Tags In Files"), text.join(QStringLiteral("\r\n")),
                               undoable ? Buttons::OkUndo : Buttons::Ok,
                               failures.join(QStringLiteral("\r\n"))}) == Answer::Undo)
        Q_EMIT undoRequested();
}

void SiteUpdateDialog::reject() {
    if (m_writing.isRunning()) {
        m_cancel->setEnabled(false);
        m_writing.cancel(); // the summary follows once the pages in hand are done
        return;
    }
    m_scan.cancel();
    m_preview.cancel();
    QDialog::reject();
}

void SiteUpdateDialog::stop() {
    m_scan.disconnect(this);
    m_preview.disconnect(this);
    m_writing.disconnect(this);
    m_scan.cancel();
    m_preview.cancel();
    m_writing.cancel();
    m_scan.waitForFinished();
    m_preview.waitForFinished();
    m_writing.waitForFinished();
}

} // namespace velko
