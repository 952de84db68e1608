#pragma once

#include "commands/DocumentCommands.h"
#include "commands/ExportCommands.h"
#include "commands/FileImport.h"
#include "commands/FormPresets.h"
#include "commands/WebImport.h"
#include "fields/FieldCatalogue.h"
#include "fields/FormValue.h"
#include "help/UpdateCheck.h"
#include "net/WebFetcher.h"
#include "seams/CommonDialog.h"
#include "seams/Settings.h"
#include "seams/Workspace.h"
#include "widgets/MainMenu.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class QLabel;
class QScrollArea;
class QSplitter;
class QTabWidget;

namespace velko {

class DesktopServices;
class DocumentArea;
class FindBar;
class FindingsList;
class FormControls;
class SiteCheckDialog;
class SiteEditor;
class SiteUpdateDialog;
class TextArea;
class WebImportDialog;
class WebPreviews;

// frmStartup: the tag form on four pages, the generated tags, the HTML
// document, and the menus. The controls hold all state; each command reads
// them into values, works on those, and writes the results back.
class MainWindow : public QMainWindow, public Workspace {
    Q_OBJECT

public:
    // The Recent Forms list, the window's size and place, the social card's
    // setting and the View menu's switches are kept in `store`; the window takes its size and place
    // from there as it is built, and keeps them there when it closes.
    MainWindow(DesktopServices &desktop, const Settings &settings, WindowStore &store,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    FormValue form() const override;
    void setForm(const FormValue &form) override;
    bool formModified() const override { return m_formModified; }
    void setFormModified(bool modified) override { m_formModified = modified; }
    QString documentText() const override;
    void setDocumentText(const QString &text) override;
    bool documentModified() const override;
    void setDocumentModified(bool modified) override;
    void setDocumentPath(const QString &path) override;
    void highlightDocumentRanges(std::span<const Span> ranges, qsizetype caret) override;
    void showStatusNote(const QString &text) override;
    // What the "Generated Tags" page shows.
    QString tagsText() const;
    void setTagsText(const QString &text) override;
    QString generateTags() override;
    Page currentPage() const override { return m_currentPage; }
    // Selects a tab exactly as a click on it would.
    void selectPage(Page page) override;

    // Imports a page named on the command line, as Import File would.
    void importPage(const QString &path);

Q_SIGNALS:
    // Emitted each time Generate Tags has put a fresh block in place.
    void tagsGenerated();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildPages();
    QWidget *buildWebTagsPage(QWidget *page);
    QWidget *buildPreviewPanel();
    void connectMenus();
    void connectViewMenu();
    // The previews are beside the form's pages while Show Previews is ticked.
    void showPreviewPanel();
    // Find, Find Next and Find Previous work on the HTML File tab.
    void find(void (FindBar::*step)());
    void onTabSelected(int tabIndex);

    void applyFileMenuRules();
    void applyFormMenuRules();
    void fillRecentForms();
    void applyTagsMenuRules();
    bool isMenuShortcut(const QKeySequence &keys) const;

    // Runs a command; a failure it did not foresee ends it with the general
    // error, and what it had already done stays done.
    template <typename Command> void run(Command command);

    // Check Page: the document's findings in the list below it.
    void checkPage();
    // Shows the tag at `line` and `column` selected, in the middle of the document.
    void goToFinding(qsizetype line, qsizetype column);
    // Ctrl+C in a text area without a selection is Copy Tags'.
    bool isCopyTagsKey(QObject *watched, const QKeySequence &keys) const;
    void openWebPage();
    void updateTagsInFiles();
    void undoSiteUpdate();
    void checkSite();
    void openSite();
    // A page of a site check, imported as Import File does, the caret at
    // `line` and `column`.
    void openCheckedPage(const QString &path, qsizetype line, qsizetype column);

    DesktopServices &m_desktop;
    Settings m_settings;
    WindowStore &m_store;
    CommonDialog m_dialog;
    DocumentCommands m_document;
    ExportCommands m_export;
    WebFetcher m_fetcher;
    FormPresets m_presets;
    FileImport m_fileImport;
    WebImport m_webImport;
    UpdateCheck m_updateCheck;
    MainMenu m_menu;
    QTabWidget *m_tabs = nullptr;
    TextArea *m_tagsArea = nullptr;
    DocumentArea *m_documentArea = nullptr;
    FindBar *m_findBar = nullptr;
    FindingsList *m_findings = nullptr;
    QLabel *m_findingDetail = nullptr;
    QSplitter *m_split = nullptr;
    QScrollArea *m_previewPanel = nullptr;
    WebImportDialog *m_webDialog = nullptr;
    WebPreviews *m_previews = nullptr;
    QPointer<SiteUpdateDialog> m_siteDialog; // while Update Tags In Files is open
    QPointer<SiteCheckDialog> m_checkDialog; // while Check Site is open
    QPointer<SiteEditor> m_siteEditor;       // while the site editor is open
    std::unique_ptr<FormControls> m_form;
    Page m_currentPage = Page::None;
    bool m_formModified = false;
};

} // namespace velko
