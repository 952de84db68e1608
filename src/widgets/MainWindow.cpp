#include "widgets/MainWindow.h"

#include "check/PagePlaces.h"
#include "document/MenuRules.h"
#include "document/SiteUpdate.h"
#include "help/HelpLinks.h"
#include "import/UrlHistory.h"
#include "seams/DesktopServices.h"
#include "tags/TagBlock.h"
#include "widgets/DocumentArea.h"
#include "widgets/FindBar.h"
#include "widgets/FindingsList.h"
#include "widgets/FormControls.h"
#include "widgets/SiteCheckDialog.h"
#include "widgets/SiteEditor.h"
#include "widgets/SiteUpdateDialog.h"
#include "widgets/TextArea.h"
#include "widgets/WebImportDialog.h"
#include "widgets/WebPreviews.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <exception>

namespace velko {

namespace {

// The window's client area, 5385 x 6405 twips, in pixels at 96 dpi.
constexpr QSize kClientSize(359, 427);
// The previews' panel at first: the previews at 60% of a search result's width.
constexpr int kPreviewPanelWidth = 380;

bool hasSelectedText(const QObject *widget) {
    if (const auto *line = qobject_cast<const QLineEdit *>(widget))
        return line->hasSelectedText();
    if (const auto *area = qobject_cast<const QPlainTextEdit *>(widget))
        return area->textCursor().hasSelection();
    return true; // not a text area: the key is the widget's
}

} // namespace

MainWindow::MainWindow(DesktopServices &desktop, const Settings &settings, WindowStore &store,
                       QWidget *parent)
    : QMainWindow(parent)
    , m_desktop(desktop)
    , m_settings(settings)
    , m_store(store)
    , m_dialog(desktop)
    , m_document(*this, desktop, m_dialog)
    , m_export(*this, desktop, m_dialog)
    , m_fetcher(settings.fetchTimeoutSeconds)
    , m_presets(*this, desktop, store)
    , m_fileImport(*this, desktop, m_dialog, m_document, m_presets)
    , m_webImport(*this, desktop, m_document, m_presets, m_fetcher, settings.dataFolder)
    , m_updateCheck(desktop, m_fetcher, settings.currentVersion, settings.makerHost) {
    setObjectName(QStringLiteral("frmStartup"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    m_menu = buildMainMenu(menuBar());
    buildPages();
    connectMenus();
    connectViewMenu();
    qApp->installEventFilter(this);

    selectPage(Page::General);
    m_presets.clear();
    m_document.newDocument();
    // Wide enough for every tab's caption, unless the last run left it otherwise.
    const int width = qMax(kClientSize.width(), m_tabs->tabBar()->sizeHint().width() + 4);
    m_split->setSizes({width, kPreviewPanelWidth});
    resize(width + (m_previewPanel->isVisibleTo(this) ? kPreviewPanelWidth : 0),
           kClientSize.height() + menuBar()->sizeHint().height());
    restoreGeometry(store.windowGeometry());
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPages() {
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("TabStrip1"));
    m_tabs->setUsesScrollButtons(false); // all six tabs stay in sight
    m_split = new QSplitter(this);
    m_split->setChildrenCollapsible(false);
    m_split->addWidget(m_tabs);
    m_split->setStretchFactor(0, 1);
    setCentralWidget(m_split);

    std::array<QWidget *, kFormPageCount> fieldPages{};
    for (int number = 1; number <= kPageCount; ++number) {
        auto *page = new QWidget;
        page->setObjectName(QStringLiteral("Frame_%1").arg(number));
        m_tabs->addTab(page, pageTitle(Page(number)));
        if (number <= kFormPageCount)
            fieldPages[number - 1] = page;
    }
    fieldPages[int(Page::WebTags) - 1] = buildWebTagsPage(fieldPages[int(Page::WebTags) - 1]);
    m_split->addWidget(buildPreviewPanel());
    m_form = std::make_unique<FormControls>(fieldPages, this);
    m_form->onChange(this, [this] { m_previews->formChanged(); });
    m_form->onEdit(this, [this] { m_formModified = true; });

    auto placeArea = [this](Page page, const char *name, TextArea *area) {
        area->setObjectName(QString::fromUtf8(name));
        area->setAccessibleName(pageTitle(page));
        area->setLineWrapMode(QPlainTextEdit::NoWrap); // the lines as written
        auto *layout = new QVBoxLayout(m_tabs->widget(int(page) - 1));
        layout->addWidget(area, 2); // the document keeps the larger part
        return layout;
    };
    m_tagsArea = new TextArea;
    placeArea(Page::GeneratedTags, "rtfTags", m_tagsArea);
    m_documentArea = new DocumentArea;
    QVBoxLayout *htmlPage = placeArea(Page::HtmlFile, "rtfFile", m_documentArea);
    m_findBar = new FindBar(*m_documentArea);
    m_findBar->hide();
    htmlPage->addWidget(m_findBar);
    // Check Page's findings, below the document once it has run, and the
    // current one's whole message under them.
    m_findings = new FindingsList;
    m_findings->hide();
    htmlPage->addWidget(m_findings, 1);
    m_findingDetail = new QLabel;
    m_findingDetail->setObjectName(QStringLiteral("lblFindingDetail"));
    m_findingDetail->setWordWrap(true);
    m_findingDetail->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_findingDetail->hide();
    htmlPage->addWidget(m_findingDetail);
    connect(m_findings, &FindingsList::findingActivated, this, &MainWindow::goToFinding);
    connect(m_findings, &FindingsList::currentMessageChanged, m_findingDetail, &QLabel::setText);

    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::onTabSelected);
    connect(m_documentArea->document(), &QTextDocument::modificationChanged, this,
            &QWidget::setWindowModified);
}

// The Web Tags page scrolls. Gives the widget that takes the fields.
QWidget *MainWindow::buildWebTagsPage(QWidget *page) {
    auto *content = new QWidget;
    auto *fields = new QWidget(content);
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->addWidget(fields);
    contentLayout->addStretch(1);

    auto *scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(content);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    return fields;
}

// The previews beside the tabs, scrolling when the window is low.
QWidget *MainWindow::buildPreviewPanel() {
    m_previews =
        new WebPreviews([this] { return form(); }, m_settings.fetchTimeoutSeconds, m_store);
    m_previewPanel = new QScrollArea;
    m_previewPanel->setObjectName(QStringLiteral("previewPanel"));
    m_previewPanel->setWidgetResizable(true);
    m_previewPanel->setFrameShape(QFrame::NoFrame);
    m_previewPanel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_previewPanel->setWidget(m_previews);
    m_previewPanel->setVisible(m_store.viewOption(ViewOption::ShowPreviews));
    return m_previewPanel;
}

void MainWindow::connectViewMenu() {
    const std::pair<QAction *, ViewOption> switches[] = {
        {m_menu.viewPreviews, ViewOption::ShowPreviews},
        {m_menu.viewWrap, ViewOption::WrapLongLines},
    };
    for (const auto &[action, option] : switches) {
        action->setChecked(m_store.viewOption(option));
        connect(action, &QAction::toggled, this,
                [this, option = option](bool on) { m_store.setViewOption(option, on); });
    }
    connect(m_menu.viewPreviews, &QAction::toggled, this, &MainWindow::showPreviewPanel);
    const auto wrap = [this](bool on) {
        m_documentArea->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    };
    connect(m_menu.viewWrap, &QAction::toggled, this, wrap);
    wrap(m_menu.viewWrap->isChecked());
    const std::pair<QAction *, void (FindBar::*)()> finds[] = {
        {m_menu.viewFind, &FindBar::open},
        {m_menu.viewFindNext, &FindBar::findNext},
        {m_menu.viewFindPrevious, &FindBar::findPrevious},
    };
    for (const auto &[action, step] : finds)
        connect(action, &QAction::triggered, this, [this, step = step] { find(step); });
}

void MainWindow::showPreviewPanel() {
    const bool formPage = m_currentPage != Page::None && int(m_currentPage) <= kFormPageCount;
    m_previewPanel->setVisible(m_menu.viewPreviews->isChecked() && formPage);
}

void MainWindow::find(void (FindBar::*step)()) {
    selectPage(Page::HtmlFile);
    (m_findBar->*step)();
}

void MainWindow::connectMenus() {
    connect(m_menu.file, &QMenu::aboutToShow, this, &MainWindow::applyFileMenuRules);
    connect(m_menu.form, &QMenu::aboutToShow, this, &MainWindow::applyFormMenuRules);
    connect(m_menu.form, &QMenu::aboutToShow, this, &MainWindow::fillRecentForms);
    connect(m_menu.tags, &QMenu::aboutToShow, this, &MainWindow::applyTagsMenuRules);

    auto onTrigger = [this](QAction *action, auto command) {
        connect(action, &QAction::triggered, this, [this, command] { run(command); });
    };
    connect(m_menu.fileExit, &QAction::triggered, this, &QWidget::close);
    onTrigger(m_menu.formFill, [this] { m_presets.fillInExamples(); });
    onTrigger(m_menu.formClearAll, [this] { m_presets.clear(); });
    onTrigger(m_menu.tagsGenerate, &MainWindow::generateTags);
    onTrigger(m_menu.tagsCheck, &MainWindow::checkPage);
    onTrigger(m_menu.formOpen, [this] { m_presets.open(); });
    onTrigger(m_menu.formSaveAs, [this] { m_presets.saveAs(); });

    auto document = [this](auto command) { return [this, command] { (m_document.*command)(); }; };
    onTrigger(m_menu.fileNew, document(&DocumentCommands::newDocument));
    onTrigger(m_menu.fileClose, document(&DocumentCommands::close));
    onTrigger(m_menu.fileSave, document(&DocumentCommands::save));
    onTrigger(m_menu.fileSaveAs, document(&DocumentCommands::saveAs));
    onTrigger(m_menu.tagsInsert, document(&DocumentCommands::insertTags));
    onTrigger(m_menu.tagsUpdate, document(&DocumentCommands::updateTags));
    onTrigger(m_menu.fileOpen, [this] { m_fileImport.run(); });
    onTrigger(m_menu.helpContents, [this] { m_desktop.showHelpContents(m_settings.helpFile); });
    onTrigger(m_menu.helpCheckForUpgrade, [this] { m_updateCheck.run(); });
    onTrigger(m_menu.helpAbout, [this] { m_desktop.showAbout(m_settings); });
    // The maker's pages; an address that cannot be opened says nothing.
    const std::pair<QAction *, MakerPage> links[] = {
        {m_menu.helpVelkoHome, MakerPage::VelkoHome},
        {m_menu.helpTutorial, MakerPage::Tutorial},
        {m_menu.helpPromote, MakerPage::Promote},
        {m_menu.helpSupportVelko, MakerPage::Support},
        {m_menu.helpVelkoOnline, MakerPage::VelkoOnline},
    };
    for (const auto &[action, page] : links)
        onTrigger(action,
                  [this, page = page] { m_desktop.openUrl(makerUrl(m_settings.makerHost, page)); });
    onTrigger(m_menu.fileOpenWebPage, &MainWindow::openWebPage);
    onTrigger(m_menu.tagsUpdateFiles, &MainWindow::updateTagsInFiles);
    onTrigger(m_menu.tagsUndoSiteUpdate, &MainWindow::undoSiteUpdate);
    onTrigger(m_menu.tagsCheckSite, &MainWindow::checkSite);
    onTrigger(m_menu.fileOpenSite, &MainWindow::openSite);
    onTrigger(m_menu.tagsCopy, [this] { m_export.copyTags(); });
    onTrigger(m_menu.tagsSaveAs, [this] { m_export.saveTagsAs(); });
}

template <typename Command> void MainWindow::run(Command command) {
    try {
        if constexpr (std::is_member_function_pointer_v<Command>)
            (this->*command)();
        else
            command();
    } catch (const std::exception &failure) {
        m_desktop.showMessage(generalError(QString::fromLocal8Bit(failure.what())));
    }
}

void MainWindow::selectPage(Page page) {
    const int tabIndex = int(page) - 1;
    if (m_tabs->currentIndex() != tabIndex)
        m_tabs->setCurrentIndex(tabIndex); // runs onTabSelected
    else
        onTabSelected(tabIndex);
}

// The page-switching procedure. Arriving on "Generated Tags" from another page
// generates the tags; Generate Tags itself selects that page, and the nested
// run stops here because the page is then already current.
void MainWindow::onTabSelected(int tabIndex) {
    const Page page = Page(tabIndex + 1);
    if (page == m_currentPage)
        return;
    m_currentPage = page;
    showPreviewPanel();

    switch (page) {
    case Page::GeneratedTags:
        run(&MainWindow::generateTags);
        m_tagsArea->setFocus();
        break;
    case Page::HtmlFile:
        m_documentArea->setFocus();
        break;
    case Page::General:
    case Page::DublinCore:
    case Page::Other:
    case Page::WebTags:
        // Before the window is first shown this only marks the focus widget.
        m_form->firstControl(page)->setFocus();
        break;
    case Page::None:
        break;
    }
}

FormValue MainWindow::form() const {
    return m_form->read();
}

void MainWindow::setForm(const FormValue &form) {
    m_form->write(form);
}

QString MainWindow::documentText() const {
    return m_documentArea->text();
}

void MainWindow::setDocumentText(const QString &text) {
    m_documentArea->setText(text);
    m_documentArea->document()->setModified(true);
}

bool MainWindow::documentModified() const {
    return m_documentArea->document()->isModified();
}

void MainWindow::setDocumentModified(bool modified) {
    m_documentArea->document()->setModified(modified);
}

// "page.html[*] - Velko", and just "Velko" for a document without a file. The
// changed mark goes before the name there, as Qt adds the program's name to a
// title that does not end with it.
void MainWindow::setDocumentPath(const QString &path) {
    setWindowFilePath(path);
    //: The window's title: the document's file name, Qt's place for the
    //: changed mark, and the program's name
    setWindowTitle(path.isEmpty() ? QStringLiteral("[*]Velko")
                                  : tr("%1[*] - Velko").arg(QFileInfo(path).fileName()));
}

void MainWindow::showStatusNote(const QString &text) {
    statusBar()->showMessage(text);
}

void MainWindow::highlightDocumentRanges(std::span<const Span> ranges, qsizetype caret) {
    for (const Span &range : ranges) {
        m_documentArea->select(range.start, range.length);
        m_documentArea->colourSelection(QColor(128, 128, 0)); // olive
    }
    m_documentArea->select(caret, 0);
    m_documentArea->setFocus();
}

QString MainWindow::tagsText() const {
    return m_tagsArea->text();
}

void MainWindow::setTagsText(const QString &text) {
    m_tagsArea->setText(text);
}

void MainWindow::applyFileMenuRules() {
    const FileMenuState state = fileMenuRules(m_documentArea->text());
    m_menu.fileSave->setEnabled(state.save);
    m_menu.fileSaveAs->setEnabled(state.saveAs);
    m_menu.fileClose->setEnabled(state.close);
}

void MainWindow::applyFormMenuRules() {
    m_menu.formClearAll->setEnabled(formMenuRules(isFormEmpty(form())).clearAll);
}

void MainWindow::applyTagsMenuRules() {
    const TagsMenuState state =
        tagsMenuRules(isFormEmpty(form()), m_documentArea->text(), m_tagsArea->text());
    m_menu.tagsGenerate->setEnabled(state.generate);
    m_menu.tagsInsert->setEnabled(state.insert);
    m_menu.tagsUpdate->setEnabled(state.update);
    m_menu.tagsCopy->setEnabled(state.copy);
    m_menu.tagsSaveAs->setEnabled(state.saveAs);
    m_menu.tagsCheck->setEnabled(state.check);
}

// "&1 /path/preset.json", newest first; greyed out while there are none.
void MainWindow::fillRecentForms() {
    m_menu.formRecent->clear();
    const QStringList paths = m_presets.recent();
    for (int i = 0; i < paths.size(); ++i) {
        QString text = paths[i];
        QAction *item =
            m_menu.formRecent->addAction(QStringLiteral("&%1 ").arg(i + 1) +
                                         text.replace(QLatin1Char('&'), QStringLiteral("&&")));
        item->setObjectName(QStringLiteral("mnuFormRecent%1").arg(i + 1));
        connect(item, &QAction::triggered, this,
                [this, path = paths[i]] { run([this, path] { m_presets.openRecent(path); }); });
    }
    m_menu.formRecent->setEnabled(!paths.isEmpty());
}

bool MainWindow::isMenuShortcut(const QKeySequence &keys) const {
    for (const QMenu *menu : {m_menu.file, m_menu.form, m_menu.tags})
        for (const QAction *action : menu->actions())
            if (!action->shortcut().isEmpty() && action->shortcut() == keys)
                return true;
    return false;
}

// A shortcut acts only if its item would be enabled were its menu opened now:
// the rules are applied just before Qt looks the key up.
bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence keys(static_cast<QKeyEvent *>(event)->keyCombination());
        if (isMenuShortcut(keys)) {
            applyFileMenuRules();
            applyFormMenuRules();
            applyTagsMenuRules();
        }
        if (isCopyTagsKey(watched, keys)) {
            event->ignore(); // the text area does not take it: the shortcut is looked up
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::isCopyTagsKey(QObject *watched, const QKeySequence &keys) const {
    const auto *widget = qobject_cast<QWidget *>(watched);
    return keys == m_menu.tagsCopy->shortcut() && widget && widget->window() == this &&
           !hasSelectedText(widget);
}

QString MainWindow::generateTags() {
    m_tagsArea->setText({});
    const QString block = BuildTagBlock(form(), DcNameCase::Capitalised);
    m_tagsArea->setText(block);
    Q_EMIT tagsGenerated();
    selectPage(Page::GeneratedTags);
    return block;
}

void MainWindow::checkPage() {
    m_findings->showFindings(checkText(m_documentArea->text()));
    m_findings->show();
    m_findingDetail->show();
    selectPage(Page::HtmlFile);
    m_findings->setFocus();
}

void MainWindow::goToFinding(qsizetype line, qsizetype column) {
    const QString text = m_documentArea->text();
    m_documentArea->showRange(tagAt(text, textOffset(text, line, column)));
}

void MainWindow::importPage(const QString &path) {
    run([this, path] { m_fileImport.importPage(path); });
}

void MainWindow::openWebPage() {
    if (!m_webDialog)
        m_webDialog = new WebImportDialog(
            m_desktop, m_fetcher, urlHistoryPath(m_settings.dataFolder),
            [this](const QString &url) {
                bool wentOn = true;
                run([this, url, &wentOn] { wentOn = m_webImport.run(url); });
                if (!wentOn)
                    return WebImportOutcome::Stopped;
                return isFormEmpty(form()) ? WebImportOutcome::NothingRead
                                           : WebImportOutcome::FormFilled;
            },
            this);
    m_webDialog->showModal();
}

// One run at a time: while its dialog is open, the item brings it to the front.
void MainWindow::updateTagsInFiles() {
    if (m_siteDialog) {
        m_siteDialog->raise();
        m_siteDialog->activateWindow();
        return;
    }
    const FormValue form = this->form();
    if (siteTagLines(form, false).empty()) {
        m_desktop.showMessage(missingTagsMessage());
        return;
    }
    const QStringList chosen = m_desktop.choosePages(tr("Update Tags In Files"));
    if (chosen.isEmpty()) {
        m_desktop.beep();
        return;
    }
    m_siteDialog =
        new SiteUpdateDialog(m_desktop, chosen, form, undoFolderIn(m_settings.dataFolder), this);
    m_siteDialog->setAttribute(Qt::WA_DeleteOnClose);
    // Once the dialog is gone.
    connect(m_siteDialog, &SiteUpdateDialog::undoRequested, this, &MainWindow::undoSiteUpdate,
            Qt::QueuedConnection);
    m_siteDialog->show();
}

// Not while Update Tags In Files writes: the run being written is not the
// last one yet.
void MainWindow::undoSiteUpdate() {
    const QString title = tr("Undo Last Site Update");
    if (m_siteDialog && m_siteDialog->isWriting()) {
        m_desktop.beep();
        return;
    }
    const std::optional<UndoRun> run = lastUndoRun(undoFolderIn(m_settings.dataFolder));
    if (!run) {
        m_desktop.showMessage({title, tr("There is no site update to undo.")});
        return;
    }
    const QString question =
        tr("Put back the %1 pages written by %2 at %3? Pages changed since are left alone.")
            .arg(run->pages)
            .arg(run->kind, QLocale().toString(run->started.toLocalTime(), QLocale::ShortFormat));
    if (m_desktop.showMessage({title, question, Buttons::OkCancel}) != Answer::Ok)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const UndoResult result = undoRun(*run);
    QApplication::restoreOverrideCursor();
    if (!result.error.isEmpty()) {
        m_desktop.showMessage({title, result.error});
        return;
    }
    const QStringList text = {tr("Pages restored: %1").arg(result.restored.size()),
                              tr("Left alone, changed since: %1").arg(result.leftAlone.size()),
                              tr("Failed: %1").arg(result.failed.size())};
    m_desktop.showMessage({title, text.join(QStringLiteral("\r\n")), Buttons::Ok,
                           (result.leftAlone + result.failed).join(QStringLiteral("\r\n"))});
}

// One check at a time, as for Update Tags In Files.
void MainWindow::checkSite() {
    if (m_checkDialog) {
        m_checkDialog->raise();
        m_checkDialog->activateWindow();
        return;
    }
    const QStringList chosen = m_desktop.choosePages(tr("Check Site"));
    if (chosen.isEmpty()) {
        m_desktop.beep();
        return;
    }
    m_checkDialog = new SiteCheckDialog(m_desktop, chosen, this);
    m_checkDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_checkDialog, &SiteCheckDialog::pageOpened, this, &MainWindow::openCheckedPage);
    m_checkDialog->show();
}

// One site at a time, as for Check Site.
void MainWindow::openSite() {
    if (m_siteEditor) {
        m_siteEditor->raise();
        m_siteEditor->activateWindow();
        return;
    }
    const QString folder = m_desktop.chooseFolder(tr("Open Site"));
    if (folder.isEmpty()) {
        m_desktop.beep();
        return;
    }
    m_siteEditor = new SiteEditor(m_desktop, folder, undoFolderIn(m_settings.dataFolder), this);
    connect(m_siteEditor, &SiteEditor::pageOpened, this, &MainWindow::openCheckedPage);
    m_siteEditor->show();
}

void MainWindow::openCheckedPage(const QString &path, qsizetype line, qsizetype column) {
    run([&] {
        if (!m_fileImport.importPage(path))
            return;
        selectPage(Page::HtmlFile);
        goToFinding(line, column);
        activateWindow();
    });
}

// Exit and the close box, which ask about a changed document and form. The
// window's size and place are kept, and the address history is saved.
// Closing while pages are being written asks first, but the writing stops
// only once the window surely closes, the pages in hand finished; a search
// for pages or a preview writes nothing and just stops.
void MainWindow::closeEvent(QCloseEvent *event) {
    if (m_siteDialog && m_siteDialog->isWriting() &&
        m_desktop.showMessage({tr("Update Tags In Files"),
                               tr("Pages are being updated. Stop updating them?"),
                               Buttons::YesNo}) != Answer::Yes) {
        event->ignore();
        return;
    }
    // The site editor asks about its own edits; while it writes, it stays.
    if (m_siteEditor && !m_siteEditor->close()) {
        event->ignore();
        return;
    }
    bool mayClose = false; // a failure while saving keeps the window
    run([this, &mayClose] {
        mayClose = askToSave(m_desktop, m_document.unsavedPart(), m_presets.unsavedPart());
    });
    if (!mayClose) {
        event->ignore();
        return;
    }
    m_store.setWindowGeometry(saveGeometry());
    if (m_siteDialog) {
        m_siteDialog->stop();
        m_siteDialog->close();
    }
    if (m_checkDialog) {
        m_checkDialog->stop();
        m_checkDialog->close();
    }
    if (m_webDialog)
        m_webDialog->unload();
    QMainWindow::closeEvent(event);
}

} // namespace velko
