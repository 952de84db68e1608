#include "commands/FileImport.h"

#include "commands/DocumentCommands.h"
#include "import/MetaTagReader.h"
#include "seams/CommonDialog.h"
#include "seams/DesktopServices.h"
#include "seams/Workspace.h"

#include <QCoreApplication>

namespace velko {

FileImport::FileImport(Workspace &workspace, DesktopServices &desktop, CommonDialog &dialog,
                       DocumentCommands &document)
    : m_workspace(workspace)
    , m_desktop(desktop)
    , m_dialog(dialog)
    , m_document(document) {}

void FileImport::run() {
    const QString path =
        m_dialog.showOpen(QCoreApplication::translate("velko::FileImport", "Import File"));
    if (path.isEmpty()) {
        m_desktop.beep();
        return;
    }
    importFile(path);
}

void FileImport::importPage(const QString &path) {
    m_dialog.setFileName(path);
    importFile(path);
}

// Asked once the page is chosen, so a cancelled dialog asks nothing, and before
// it is read, so that saving over the very page imports what was saved. The
// form is then cleared first, so a page that cannot be read leaves it empty.
void FileImport::importFile(const QString &path) {
    if (!m_document.askToSaveChanges())
        return;
    FormValue form = m_workspace.form();
    clearForm(form);
    m_workspace.setForm(form);

    QString error;
    FileSnapshot snapshot;
    const std::optional<DecodedText> page = readTextFile(path, &error, &snapshot);
    if (!page) {
        m_desktop.showMessage(generalError(path + QStringLiteral(": ") + error));
        return;
    }
    m_workspace.setDocumentText(page->text);
    m_document.setDocumentFile(path, *page, snapshot);
    readMetaTags(page->text, form);
    m_workspace.setForm(form);
    if (m_workspace.currentPage() == Page::GeneratedTags)
        m_workspace.selectPage(Page::General);
}

} // namespace velko
