#pragma once

#include <QString>

namespace velko {

class DesktopServices;
class DocumentCommands;
class FormPresets;
class WebFetcher;
class Workspace;

// The page of a web address becomes the document, and its tags fill the
// cleared form. The page is kept in output.txt in Velko's data folder, the
// bytes as they arrived.
class WebImport {
public:
    WebImport(Workspace &workspace, DesktopServices &desktop, DocumentCommands &document,
              FormPresets &presets, WebFetcher &fetcher, const QString &dataFolder);

    // A failed fetch leaves the form and the document as they were, and says
    // why. Returns false when the import was stopped, without a word: the
    // fetch was cancelled, or the user kept a changed document or form. The
    // dialog that starts it is modal and offers Cancel while it waits.
    [[nodiscard]] bool run(const QString &url);

private:
    Workspace &m_workspace;
    DesktopServices &m_desktop;
    DocumentCommands &m_document;
    FormPresets &m_presets;
    WebFetcher &m_fetcher;
    QString m_scratchPage;
};

QString scratchPagePath(const QString &dataFolder);

} // namespace velko
