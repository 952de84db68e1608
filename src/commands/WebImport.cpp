#include "commands/WebImport.h"

#include "commands/DocumentCommands.h"
#include "commands/FileImport.h"
#include "commands/FormPresets.h"
#include "net/WebFetcher.h"
#include "seams/DesktopServices.h"
#include "seams/Workspace.h"

namespace velko {

QString scratchPagePath(const QString &dataFolder) {
    return dataFolder + QStringLiteral("/output.txt");
}

WebImport::WebImport(Workspace &workspace, DesktopServices &desktop, DocumentCommands &document,
                     FormPresets &presets, WebFetcher &fetcher, const QString &dataFolder)
    : m_workspace(workspace)
    , m_desktop(desktop)
    , m_document(document)
    , m_presets(presets)
    , m_fetcher(fetcher)
    , m_scratchPage(scratchPagePath(dataFolder)) {}

bool WebImport::run(const QString &url) {
    m_fetcher.cancel();
    FetchResult fetched = m_fetcher.fetch(QUrl(url), InputWhileFetching::Taken);
    if (fetched.cancelled)
        return false;
    if (!fetched.succeeded()) {
        m_desktop.showMessage(
            generalError(url + QStringLiteral(": ") + fetched.detail, fetched.error));
        return true;
    }
    // Asked once the page has arrived: a fetch that fails or is cancelled
    // replaces nothing and needs no question. Asked before output.txt is
    // written, so that a cancel changes nothing at all.
    if (!askToSave(m_desktop, m_document.unsavedPart(), m_presets.unsavedPart()))
        return false;
    if (!fetched.body.endsWith('\n') && !fetched.body.endsWith('\r'))
        fetched.body.append("\r\n");
    QString error;
    if (!writeFileSafely(m_scratchPage, fetched.body, &error, {.ownerOnly = true})) {
        m_desktop.showMessage(generalError(m_scratchPage + QStringLiteral(": ") + error));
        return true;
    }

    // What output.txt now holds, decoded by the text-file rule.
    const DecodedText page = decodeText(fetched.body, fetched.charset);
    m_workspace.setDocumentText(page.text);
    // A fetched page has no file of its own: Save File asks where to save it.
    m_document.setDocumentFile({}, page);
    fillFormFromPage(m_workspace, page.text);
    return true;
}

} // namespace velko
