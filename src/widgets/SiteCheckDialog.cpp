#include "widgets/SiteCheckDialog.h"

#include "check/SiteCheck.h"
#include "files/FileWrite.h"
#include "files/SitePages.h"
#include "report/ReportHtml.h"
#include "report/SiteResult.h"
#include "seams/DesktopServices.h"
#include "widgets/FindingsList.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <atomic>

namespace velko {

namespace {

// The check, run on a worker: the pages found, then checked as one site. The
// site's address is not known here, so the rules that need it are skipped.
void checkChosen(QPromise<SiteCheckResult> &promise, const QStringList &chosen) {
    const auto stopped = [&promise] { return promise.isCanceled(); };
    const QStringList pages = pagesToUpdate(chosen, stopped);
    if (stopped() || pages.isEmpty())
        return;
    const QString root = chosen.size() == 1 && QFileInfo(chosen.front()).isDir()
                             ? QFileInfo(chosen.front()).absoluteFilePath()
                             : commonFolder(pages);
    promise.setProgressRange(0, int(pages.size()));
    std::atomic<int> done = 0;
    const SiteRunHooks hooks{[&] { promise.setProgressValue(++done); }, stopped};
    // One core stays free for the window.
    SiteRun site = checkSite(pages, SiteMap(pages, root, {}), true,
                             std::max(1, QThread::idealThreadCount() - 1), hooks);
    if (stopped())
        return;
    SiteCheckResult result{root, siteCheckRun(root, chosen.join(u' '), pages, site)};
    result.run.skippedRules << QStringLiteral("the rules that need the site's address");
    promise.addResult(std::move(result));
}

enum Column { PageColumn, TitleColumn, ErrorsColumn, WarningsColumn, NotesColumn, ColumnCount };

// The run's pages, a row each, with their findings counted by severity.
class PagesModel : public QAbstractTableModel {
public:
    PagesModel(const CheckRun &run, QObject *parent)
        : QAbstractTableModel(parent)
        , m_run(run) {
        for (const PageResult &page : run.pages)
            m_counts.push_back(severityCounts(page.findings));
    }

    int rowCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : int(m_run.pages.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : ColumnCount;
    }
    QVariant data(const QModelIndex &index, int role) const override {
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
            return {};
        const PageResult &page = m_run.pages[index.row()];
        switch (Column(index.column())) {
        case PageColumn:
            return QDir::toNativeSeparators(page.path);
        case TitleColumn:
            return page.title;
        case ErrorsColumn:
        case WarningsColumn:
        case NotesColumn:
            return qlonglong(m_counts[index.row()][index.column() - ErrorsColumn]);
        case ColumnCount:
            break;
        }
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        static const char *const names[ColumnCount] = {
            QT_TRANSLATE_NOOP("velko::SiteCheckDialog", "Page"),
            QT_TRANSLATE_NOOP("velko::SiteCheckDialog", "Title"),
            QT_TRANSLATE_NOOP("velko::SiteCheckDialog", "Errors"),
            QT_TRANSLATE_NOOP("velko::SiteCheckDialog", "Warnings"),
            QT_TRANSLATE_NOOP("velko::SiteCheckDialog", "Notes")};
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        return SiteCheckDialog::tr(names[section]);
    }

private:
    const CheckRun &m_run;
    std::vector<SeverityCounts> m_counts;
};

} // namespace

SiteCheckDialog::SiteCheckDialog(DesktopServices &desktop, const QStringList &chosen,
                                 QWidget *parent)
    : QDialog(parent)
    , m_desktop(desktop)
    , m_chosen(chosen) {
    setObjectName(QStringLiteral("frmCheckSite"));
    setWindowTitle(tr("Check Site"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    m_status = new QLabel(tr("Finding pages..."), this);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("prgPages"));
    m_progress->setAccessibleName(tr("Progress"));
    m_progress->setRange(0, 0); // busy: how many pages there are is not known yet

    m_report = new QWidget(this);
    m_totals = new QFormLayout;
    m_rules = new QTreeWidget(m_report);
    m_rules->setObjectName(QStringLiteral("lstRules"));
    m_rules->setAccessibleName(tr("Findings per rule"));
    m_rules->setHeaderLabels({tr("Rule"), tr("Severity"), tr("Findings")});
    m_rules->setRootIsDecorated(false);
    m_rules->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_rules->header()->setStretchLastSection(false);
    m_pages = new QTableView(m_report);
    m_pages->setObjectName(QStringLiteral("tblPages"));
    m_pages->setAccessibleName(tr("Pages"));
    m_pages->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pages->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pages->setSortingEnabled(true);
    m_pages->verticalHeader()->hide();
    m_pages->horizontalHeader()->setStretchLastSection(false);
    m_sorted = new QSortFilterProxyModel(this);
    m_findings = new FindingsList(m_report);
    m_findings->setObjectName(QStringLiteral("lstPageFindings"));
    m_findings->setAccessibleName(tr("Findings of the page"));

    // The totals beside the rules, then the pages over the selected one's
    // findings, which take what room is left.
    auto *summary = new QHBoxLayout;
    summary->addLayout(m_totals);
    summary->addWidget(m_rules, 1);
    m_skipped = new QLabel(m_report);
    m_skipped->setWordWrap(true);
    auto *tables = new QSplitter(Qt::Vertical, m_report);
    tables->addWidget(m_pages);
    tables->addWidget(m_findings);
    tables->setStretchFactor(0, 3);
    tables->setStretchFactor(1, 2);
    auto *reportLayout = new QVBoxLayout(m_report);
    reportLayout->setContentsMargins(0, 0, 0, 0);
    reportLayout->addLayout(summary);
    reportLayout->addWidget(m_skipped);
    reportLayout->addWidget(tables, 1);
    // The current finding's whole message, which its column may cut.
    auto *detail = new QLabel(m_report);
    detail->setObjectName(QStringLiteral("lblPageFindingDetail"));
    detail->setWordWrap(true);
    detail->setTextInteractionFlags(Qt::TextSelectableByMouse);
    reportLayout->addWidget(detail);
    connect(m_findings, &FindingsList::currentMessageChanged, detail, &QLabel::setText);
    m_report->hide();

    m_openPage = new QPushButton(tr("Open Page"), this);
    m_openPage->setObjectName(QStringLiteral("cmdOpenPage"));
    m_openPage->setEnabled(false);
    m_saveReport = new QPushButton(tr("Save Report As..."), this);
    m_saveReport->setObjectName(QStringLiteral("cmdSaveReport"));
    m_saveReport->setEnabled(false);
    m_close = new QPushButton(tr("Cancel"), this);
    m_close->setObjectName(QStringLiteral("cmdCancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_progress, 1);
    buttons->addStretch();
    buttons->addWidget(m_openPage);
    buttons->addWidget(m_saveReport);
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_report, 1);
    layout->addLayout(buttons);
    resize(720, 560);

    connect(m_openPage, &QPushButton::clicked, this, &SiteCheckDialog::openPage);
    connect(m_saveReport, &QPushButton::clicked, this, &SiteCheckDialog::saveReport);
    connect(m_close, &QPushButton::clicked, this, &SiteCheckDialog::reject);
    connect(m_findings, &FindingsList::findingActivated, this, &SiteCheckDialog::openPage);
    connect(&m_check, &QFutureWatcherBase::progressRangeChanged, this, [this](int, int pages) {
        m_progress->setRange(0, pages);
        m_status->setText(tr("Checking %1 pages...").arg(pages));
    });
    connect(&m_check, &QFutureWatcherBase::progressValueChanged, m_progress,
            &QProgressBar::setValue);
    connect(&m_check, &QFutureWatcherBase::finished, this, &SiteCheckDialog::onCheckFinished);
    // The check runs its pages on a pool of its own; this one only holds it.
    m_pool.setMaxThreadCount(1);
    m_check.setFuture(QtConcurrent::run(&m_pool, checkChosen, chosen));
}

SiteCheckDialog::~SiteCheckDialog() {
    stop();
}

void SiteCheckDialog::stop() {
    m_check.disconnect(this);
    if (m_done) // the result is taken: the future is no more
        return;
    m_check.cancel();
    m_check.waitForFinished();
}

// Nothing of a check stopped is shown, even had it just finished.
void SiteCheckDialog::reject() {
    m_check.disconnect(this);
    if (!m_done)
        m_check.cancel();
    QDialog::reject();
}

void SiteCheckDialog::onCheckFinished() {
    if (m_check.isCanceled())
        return;
    if (m_check.future().resultCount() == 0) {
        QDialog::reject();
        m_desktop.showMessage(
            {tr("Check Site"), tr("There are no pages (*.htm, *.html, *.xhtml) in %1.")
                                   .arg(QDir::toNativeSeparators(m_chosen.join(u", ")))});
        return;
    }
    m_result = m_check.future().takeResult();
    m_done = true;
    m_progress->hide();
    m_close->setText(tr("Close"));
    m_status->setText(QDir::toNativeSeparators(m_result.root));
    showTotals();
    auto *model = new PagesModel(m_result.run, this);
    m_sorted->setSourceModel(model);
    m_pages->setModel(m_sorted);
    m_pages->sortByColumn(-1, Qt::AscendingOrder); // in the order checked
    m_pages->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pages->horizontalHeader()->setSectionResizeMode(TitleColumn, QHeaderView::Stretch);
    connect(m_pages->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &SiteCheckDialog::showPage);
    m_report->show();
    m_saveReport->setEnabled(true);
    if (model->rowCount() > 0)
        m_pages->selectRow(0);
    m_pages->setFocus();
    Q_EMIT checkFinished();
}

// The totals as the report's tiles count them, then each rule that found
// something, errors first and the most found first within a severity.
void SiteCheckDialog::showTotals() {
    const CheckTotals totals = checkTotals(m_result.run);
    struct Total {
        const char *name;
        const char *caption;
        qsizetype count;
    };
    const Total rows[] = {
        {"lblPages", QT_TR_NOOP("Pages:"), totals.pages},
        {"lblPagesWithErrors", QT_TR_NOOP("Pages with errors:"), totals.pagesWithErrors},
        {"lblErrors", QT_TR_NOOP("Errors:"), totals.findings[size_t(Severity::Error)]},
        {"lblWarnings", QT_TR_NOOP("Warnings:"), totals.findings[size_t(Severity::Warning)]},
        {"lblNotes", QT_TR_NOOP("Notes:"), totals.findings[size_t(Severity::Note)]},
        {"lblUnreadable", QT_TR_NOOP("Pages that could not be read:"),
         m_result.run.unreadablePages},
    };
    for (const Total &row : rows) {
        auto *value = new QLabel(QLocale().toString(qlonglong(row.count)), m_report);
        value->setObjectName(QString::fromLatin1(row.name));
        m_totals->addRow(tr(row.caption), value);
    }
    QStringList skipped;
    for (const RuleEntry &entry : checkRules())
        if (needsSiteAddress(entry.rule))
            skipped << QString(entry.id);
    m_skipped->setText(
        tr("Not checked without the site's address: %1").arg(skipped.join(QStringLiteral(", "))));

    std::vector<Rule> found;
    for (int rule = 0; rule < ruleCount; ++rule)
        if (totals.perRule[rule] > 0)
            found.push_back(Rule(rule));
    std::stable_sort(found.begin(), found.end(), [&](Rule a, Rule b) {
        const auto key = [&](Rule rule) {
            return std::pair(int(ruleEntry(rule).severity), -totals.perRule[size_t(rule)]);
        };
        return key(a) < key(b);
    });
    for (const Rule rule : found) {
        auto *item = new QTreeWidgetItem({QString(ruleEntry(rule).id),
                                          severityCaption(ruleEntry(rule).severity),
                                          QString::number(totals.perRule[size_t(rule)])});
        item->setTextAlignment(2, Qt::AlignRight);
        m_rules->addTopLevelItem(item);
    }
}

void SiteCheckDialog::showPage() {
    const QModelIndex current = m_sorted->mapToSource(m_pages->currentIndex());
    m_openPage->setEnabled(current.isValid());
    m_findings->showFindings(current.isValid() ? m_result.run.pages[current.row()].findings
                                               : std::vector<Finding>());
}

// The selected finding's place in the selected page; its top without one.
void SiteCheckDialog::openPage() {
    const QModelIndex current = m_sorted->mapToSource(m_pages->currentIndex());
    if (!current.isValid())
        return;
    const PageResult &page = m_result.run.pages[current.row()];
    const int finding = m_findings->indexOfTopLevelItem(m_findings->currentItem());
    const bool found = finding >= 0 && size_t(finding) < page.findings.size();
    Q_EMIT pageOpened(QDir(m_result.root).absoluteFilePath(page.path),
                      found ? page.findings[finding].line : 1,
                      found ? page.findings[finding].column : 1);
}

// The report beside the site's folder, by default, so a later check does not
// take it for a page; its links to the pages are relative.
void SiteCheckDialog::saveReport() {
    const QFileInfo root(m_result.root);
    const QString path = m_desktop.chooseFile(
        {FileDialog::Kind::Save, tr("Save Report As"),
         root.absolutePath() + u'/' + root.fileName() + QStringLiteral("-report.html"),
         FileDialog::Filter::Html});
    if (path.isEmpty())
        return;
    QString error;
    if (!writeFileSafely(
            path,
            reportHtml(runRelativeTo(m_result.run, m_result.root, QFileInfo(path).absolutePath())),
            &error))
        m_desktop.showMessage(generalError(path + QStringLiteral(": ") + error));
}

} // namespace velko
