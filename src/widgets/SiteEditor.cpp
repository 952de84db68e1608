#include "widgets/SiteEditor.h"

#include "commands/UnsavedWork.h"
#include "files/FileWrite.h"
#include "files/TextFile.h"
#include "files/UndoStore.h"
#include "seams/DesktopServices.h"
#include "tags/WebPreview.h"
#include "widgets/FindingsList.h"
#include "widgets/SearchResultView.h"
#include "widgets/SiteRowsModel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <atomic>

namespace velko {

namespace {

// The rows, read on a worker; one core stays free for the window.
void readRows(QPromise<SiteTable> &promise, const QString &folder) {
    std::atomic<int> done = 0;
    const SiteReadHooks hooks{[&](qsizetype pages) { promise.setProgressRange(0, int(pages)); },
                              [&] { promise.setProgressValue(++done); },
                              [&] { return promise.isCanceled(); }};
    if (std::optional<SiteTable> table =
            readSiteTable(folder, std::max(1, QThread::idealThreadCount() - 1), hooks))
        promise.addResult(std::move(*table));
}

void writeRows(QPromise<std::vector<SitePageOutcome>> &promise, std::vector<PageEdit> edits,
               UndoRecorder *undo) {
    promise.setProgressRange(0, int(edits.size()));
    std::atomic<int> done = 0;
    const SaveHooks hooks{
        [&] { return promise.isCanceled(); },
        [&](qsizetype, const SitePageOutcome &) { promise.setProgressValue(++done); }, undo};
    promise.addResult(saveEdits(edits, hooks));
}

QCheckBox *filterBox(const char *name, const QString &caption, QWidget *parent) {
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QPushButton *button(const char *name, const QString &caption, QWidget *parent) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// The pages Save Changes will write, each one's diff beside the list.
class SaveChangesDialog : public QDialog {
public:
    SaveChangesDialog(const SiteTable &table, const PendingEdits &pending, QWidget *parent)
        : QDialog(parent) {
        setObjectName(QStringLiteral("dlgSaveChanges"));
        setWindowTitle(SiteEditor::tr("Save Changes"));
        auto *pages = new QListWidget(this);
        pages->setObjectName(QStringLiteral("lstChangedPages"));
        pages->setAccessibleName(SiteEditor::tr("Pages that will change"));
        for (const qsizetype row : pending.rows)
            pages->addItem(table.rows[row].page);
        auto *diff = new QPlainTextEdit(this);
        diff->setObjectName(QStringLiteral("txtPageDiff"));
        diff->setAccessibleName(SiteEditor::tr("Changes of the page"));
        diff->setReadOnly(true);
        diff->setLineWrapMode(QPlainTextEdit::NoWrap);
        diff->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        // A page's diff is worked out as it is selected: one page read.
        connect(pages, &QListWidget::currentRowChanged, diff, [diff, &pending](int row) {
            if (row < 0)
                return;
            const PageUpdate update = editDiff(pending.edits[row]);
            diff->setPlainText(update.error.isEmpty() ? QString::fromUtf8(update.output)
                                                      : update.error);
        });
        auto *buttons =
            new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        auto *split = new QSplitter(this);
        split->addWidget(pages);
        split->addWidget(diff);
        split->setStretchFactor(1, 3);
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(
            new QLabel(SiteEditor::tr("%n pages will change:", "", pages->count()), this));
        layout->addWidget(split, 1);
        layout->addWidget(buttons);
        resize(860, 480);
        pages->setCurrentRow(0);
    }
};

} // namespace

SiteEditor::SiteEditor(DesktopServices &desktop, const QString &folder, const QString &undoRoot,
                       QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_desktop(desktop)
    , m_folder(folder)
    , m_undoRoot(undoRoot) {
    setObjectName(QStringLiteral("frmSiteEditor"));
    setWindowTitle(tr("%1 - Site Editor").arg(QDir::toNativeSeparators(folder)));
    setAttribute(Qt::WA_DeleteOnClose);

    m_filterText = new QLineEdit(this);
    m_filterText->setObjectName(QStringLiteral("txtFilter"));
    m_filterText->setPlaceholderText(tr("Filter"));
    m_filterText->setAccessibleName(tr("Filter"));
    m_filterText->setClearButtonEnabled(true);
    m_withFindings = filterBox("chkWithFindings", tr("Only pages with findings"), this);
    m_sharedTitles = filterBox("chkSharedTitles", tr("Only shared titles"), this);
    m_sharedDescriptions = filterBox("chkSharedDescriptions", tr("Only shared descriptions"), this);
    m_changed = filterBox("chkChanged", tr("Only changed"), this);
    auto *filters = new QHBoxLayout;
    filters->addWidget(m_filterText, 1);
    for (QCheckBox *box : {m_withFindings, m_sharedTitles, m_sharedDescriptions, m_changed}) {
        filters->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &SiteEditor::filterChanged);
    }
    connect(m_filterText, &QLineEdit::textChanged, this, &SiteEditor::filterChanged);

    m_model = new SiteRowsModel(m_table, this);
    m_filter = new SiteRowsFilter(m_table, this);
    m_filter->setSourceModel(m_model);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("tblSitePages"));
    m_view->setAccessibleName(tr("Pages"));
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setItemDelegate(new SiteCellDelegate(m_view));
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    m_view->verticalHeader()->hide();
    m_view->setWordWrap(false);
    m_view->setModel(m_filter);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(-1, Qt::AscendingOrder); // by page, as read
    const std::pair<int, int> widths[] = {{SiteRowsModel::PageColumn, 180},
                                          {SiteRowsModel::TitleColumn, 260},
                                          {SiteRowsModel::TitlePixelsColumn, 70},
                                          {SiteRowsModel::DescriptionColumn, 320},
                                          {SiteRowsModel::DescriptionPixelsColumn, 100},
                                          {SiteRowsModel::RobotsColumn, 90},
                                          {SiteRowsModel::CanonicalColumn, 180},
                                          {SiteRowsModel::FindingsColumn, 100},
                                          {SiteRowsModel::ChangedColumn, 70}};
    for (const auto &[column, width] : widths)
        m_view->setColumnWidth(column, width);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &SiteEditor::showSelected);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &SiteEditor::showSelected);

    m_preview = new SearchResultView(this);
    m_preview->setObjectName(QStringLiteral("picSearchResult"));
    m_preview->setAccessibleName(tr("Search result"));
    m_findings = new FindingsList(this);
    m_findings->setObjectName(QStringLiteral("lstPageFindings"));
    m_findings->setAccessibleName(tr("Findings of the page"));
    connect(m_findings, &FindingsList::findingActivated, this, &SiteEditor::openFinding);
    auto *below = new QSplitter(this);
    below->addWidget(m_preview);
    below->addWidget(m_findings);
    auto *tables = new QSplitter(Qt::Vertical, this);
    tables->addWidget(m_view);
    tables->addWidget(below);
    tables->setStretchFactor(0, 3);
    tables->setStretchFactor(1, 1);

    m_status = new QLabel(tr("Finding pages..."), this);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("prgPages"));
    m_progress->setAccessibleName(tr("Progress"));
    m_progress->setRange(0, 0);
    m_cancel = button("cmdCancel", tr("Cancel"), this);
    m_import = button("cmdImportCsv", tr("Import CSV..."), this);
    m_export = button("cmdExportCsv", tr("Export CSV..."), this);
    m_save = button("cmdSaveChanges", tr("Save Changes"), this);
    m_save->setToolTip(tr("Write the edited titles and descriptions into their pages (%1)")
                           .arg(QKeySequence(QKeySequence::Save).toString()));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_status);
    buttons->addWidget(m_progress, 1);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    buttons->addWidget(m_import);
    buttons->addWidget(m_export);
    buttons->addWidget(m_save);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(tables, 1);
    layout->addLayout(buttons);
    resize(1100, 680);

    auto *save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, &SiteEditor::saveChanges);
    connect(m_save, &QPushButton::clicked, this, &SiteEditor::saveChanges);
    connect(m_import, &QPushButton::clicked, this, &SiteEditor::importCsv);
    connect(m_export, &QPushButton::clicked, this, &SiteEditor::exportCsv);
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        if (m_write.isRunning())
            m_write.cancel();
        else
            close();
    });
    connect(&m_read, &QFutureWatcherBase::progressRangeChanged, this, [this](int, int pages) {
        m_progress->setRange(0, pages);
        m_status->setText(tr("Reading %n pages...", "", pages));
    });
    connect(&m_read, &QFutureWatcherBase::progressValueChanged, m_progress,
            &QProgressBar::setValue);
    connect(&m_read, &QFutureWatcherBase::finished, this, &SiteEditor::onTableRead);
    connect(&m_write, &QFutureWatcherBase::progressRangeChanged, m_progress,
            &QProgressBar::setRange);
    connect(&m_write, &QFutureWatcherBase::progressValueChanged, m_progress,
            &QProgressBar::setValue);
    connect(&m_write, &QFutureWatcherBase::finished, this, &SiteEditor::onEditsWritten);
    setBusy(true, m_status->text());
    m_pool.setMaxThreadCount(1); // the reading runs its pages on a pool of its own
    m_read.setFuture(QtConcurrent::run(&m_pool, readRows, folder));
}

// A read is stopped; pages being written are finished.
SiteEditor::~SiteEditor() {
    m_read.disconnect(this);
    m_write.disconnect(this);
    // A future whose result was taken is no more: only a running one is waited for.
    if (m_read.isRunning()) {
        m_read.cancel();
        m_read.waitForFinished();
    }
    if (m_write.isRunning())
        m_write.waitForFinished();
}

void SiteEditor::setBusy(bool busy, const QString &status) {
    m_busy = busy;
    m_status->setText(status);
    m_progress->setVisible(busy);
    m_cancel->setVisible(busy);
    for (QWidget *widget : std::initializer_list<QWidget *>{m_save, m_import, m_export})
        widget->setEnabled(!busy);
    m_model->setEditable(!busy);
}

void SiteEditor::onTableRead() {
    if (m_read.isCanceled() || m_read.future().resultCount() == 0)
        return;
    SiteTable table = m_read.future().takeResult();
    if (table.rows.empty()) {
        m_desktop.showMessage(
            {tr("Open Site"), tr("There are no pages (*.htm, *.html, *.xhtml) in %1.")
                                  .arg(QDir::toNativeSeparators(m_folder))});
        close();
        return;
    }
    m_model->replaceTable(std::move(table));
    setBusy(false, tr("%n pages", "", int(m_table.rows.size())));
    m_view->selectRow(0);
    m_view->setFocus();
    Q_EMIT tableRead();
}

void SiteEditor::filterChanged() {
    m_filter->setRowFilter({m_filterText->text(), m_withFindings->isChecked(),
                            m_sharedTitles->isChecked(), m_sharedDescriptions->isChecked(),
                            m_changed->isChecked()});
}

const SiteRow *SiteEditor::selectedRow() const {
    const QModelIndex current = m_filter->mapToSource(m_view->currentIndex());
    return current.isValid() ? &m_table.rows[current.row()] : nullptr;
}

void SiteEditor::showSelected() {
    const SiteRow *row = selectedRow();
    FormValue form;
    if (row) {
        form[Field::Title] = row->currentTitle();
        form[Field::Description] = row->currentDescription();
        form[Field::CanonicalUrl] = row->canonical;
    }
    m_preview->setResult(searchResult(form));
    m_findings->showFindings(row ? row->findings : std::vector<Finding>());
}

void SiteEditor::openFinding(qsizetype line, qsizetype column) {
    if (const SiteRow *row = selectedRow())
        Q_EMIT pageOpened(QDir(m_table.folder).absoluteFilePath(row->page), line, column);
}

void SiteEditor::saveChanges() {
    if (m_busy)
        return;
    m_pending = pendingEdits(m_table);
    if (m_pending.edits.empty()) {
        m_closeWhenSaved = false;
        m_desktop.beep();
        return;
    }
    auto *dialog = new SaveChangesDialog(m_table, m_pending, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, &SiteEditor::writeEdits);
    connect(dialog, &QDialog::rejected, this, [this] { m_closeWhenSaved = false; });
    dialog->open();
}

void SiteEditor::writeEdits() {
    setBusy(true, tr("Saving %n pages...", "", int(m_pending.edits.size())));
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The run's name in the undo folder, which the command line reads too.
    if (!m_undoRoot.isEmpty())
        m_undo = std::make_unique<UndoRecorder>(m_undoRoot, QStringLiteral("Save Changes"));
    m_write.setFuture(QtConcurrent::run(&m_pool, writeRows, m_pending.edits, m_undo.get()));
}

void SiteEditor::onEditsWritten() {
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    const std::vector<SitePageOutcome> outcomes = m_write.future().takeResult();
    const QStringList notSaved = takeSaved(m_table, m_pending, outcomes);
    if (QString error; m_undo && !m_undo->finish(&error))
        m_desktop.showMessage(generalError(tr("The pages saved cannot be undone: %1").arg(error)));
    m_undo.reset();
    markShared(m_table.rows);
    m_model->tableChanged();
    const qsizetype left = pendingEdits(m_table).edits.size();
    setBusy(false, left == 0 ? tr("All changes saved.") : tr("%n pages not saved.", "", int(left)));
    if (!notSaved.isEmpty()) {
        m_closeWhenSaved = false;
        m_desktop.showMessage({.title = tr("Save Changes"),
                               .text = tr("%n pages were not saved.", "", int(notSaved.size())),
                               .details = notSaved.join(u'\n')});
    }
    Q_EMIT changesSaved();
    if (m_closeWhenSaved && left == 0)
        close();
}

void SiteEditor::importCsv() {
    if (m_busy)
        return;
    const QString path = m_desktop.chooseFile(
        {FileDialog::Kind::Open, tr("Import CSV"), {}, FileDialog::Filter::Csv});
    if (path.isEmpty())
        return;
    QString error;
    std::optional<std::vector<TitleRow>> rows;
    if (const std::optional<QByteArray> bytes = readFileBytes(path, &error))
        rows = readTitleList(*bytes, &error);
    if (!rows) {
        m_desktop.showMessage(generalError(path + QStringLiteral(": ") + error));
        return;
    }
    const QStringList unknown = applyTitleList(m_table, *rows);
    m_model->tableChanged();
    if (!unknown.isEmpty())
        m_desktop.showMessage(
            {.title = tr("Import CSV"),
             .text = tr("%n rows name pages that are not in the folder; they were left out.", "",
                        int(unknown.size())),
             .details = unknown.join(u'\n')});
}

// Beside the site's folder, by default, so it is not taken for one of its files.
void SiteEditor::exportCsv() {
    if (m_busy)
        return;
    const QFileInfo root(m_table.folder);
    const QString path = m_desktop.chooseFile(
        {FileDialog::Kind::Save, tr("Export CSV"),
         root.absolutePath() + u'/' + root.fileName() + QStringLiteral("-titles.csv"),
         FileDialog::Filter::Csv});
    if (path.isEmpty())
        return;
    QString error;
    if (!writeFileSafely(path, titleListBytes(titleList(m_table)), &error))
        m_desktop.showMessage(generalError(path + QStringLiteral(": ") + error));
}

// Edits not saved are asked about as the document's changes are; Save
// closes the window once every page is written.
void SiteEditor::closeEvent(QCloseEvent *event) {
    if (m_write.isRunning()) {
        event->ignore();
        return;
    }
    const bool changed = !m_busy && !pendingEdits(m_table).edits.empty();
    const bool mayClose = askToSaveEdits(m_desktop, {changed, [this] {
                                                         m_closeWhenSaved = true;
                                                         saveChanges();
                                                         return false;
                                                     }});
    if (!mayClose) {
        event->ignore();
        return;
    }
    m_read.cancel();
    QWidget::closeEvent(event);
}

} // namespace velko
