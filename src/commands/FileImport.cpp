#include "commands/FileImport.h"

#include "commands/DocumentCommands.h"
#include "commands/FormPresets.h"
#include "import/MetaTagReader.h"
#include "seams/CommonDialog.h"
#include "seams/DesktopServices.h"
#include "seams/Workspace.h"

#include <QCoreApplication>

namespace velko {

void fillFormFromPage(Workspace &workspace, const QString &page) {
    FormValue form = workspace.form();
    clearForm(form);
    readMetaTags(page, form);
    workspace.setForm(form);
    workspace.setFormModified(false);
}

FileImport::FileImport(Workspace &workspace, DesktopServices &desktop, CommonDialog &dialog,
                       DocumentCommands &document, FormPresets &presets)
    : m_workspace(workspace)
    , m_desktop(desktop)
    , m_dialog(dialog)
    , m_document(document)
    , m_presets(presets) {}

void FileImport::run() {
    const QString path =
        m_dialog.showOpen(QCoreApplication::translate("velko::FileImport", "Import File"));
    if (path.isEmpty()) {
        m_desktop.beep();
        return;
    }
    importFile(path);
}

bool FileImport::importPage(const QString &path) {
    m_dialog.setFileName(path);
    return importFile(path);
}

// Asked once the page is chosen, so a cancelled dialog asks nothing, and before
// it is read, so that saving over the very page imports what was saved.
bool FileImport::importFile(const QString &path) {
    if (!askToSave(m_desktop, m_document.unsavedPart(), m_presets.unsavedPart()))
        return false;
    QString error;
    FileSnapshot snapshot;
    const std::optional<DecodedText> page = readTextFile(path, &error, &snapshot);
    if (!page) {
        m_desktop.showMessage(generalError(path + QStringLiteral(": ") + error));
        return false;
    }
    m_workspace.setDocumentText(page->text);
    m_document.setDocumentFile(path, *page, snapshot);
    fillFormFromPage(m_workspace, page->text);
    if (m_workspace.currentPage() == Page::GeneratedTags)
        m_workspace.selectPage(Page::General);
    return true;
}

} // namespace velko
