#pragma once

#include <QString>

namespace velko {

class CommonDialog;
class DesktopServices;
class DocumentCommands;
class Workspace;

// Import File: a page from disk becomes the document, and its tags fill the
// cleared form.
class FileImport {
public:
    FileImport(Workspace &workspace, DesktopServices &desktop, CommonDialog &dialog,
               DocumentCommands &document);

    // Asks for the page, then whether to save a changed document; a cancel
    // of the file dialog beeps, and either cancel changes nothing.
    void run();
    // Imports a page named on the command line, as if chosen in the dialog.
    void importPage(const QString &path);

private:
    void importFile(const QString &path);

    Workspace &m_workspace;
    DesktopServices &m_desktop;
    CommonDialog &m_dialog;
    DocumentCommands &m_document;
};

} // namespace velko
