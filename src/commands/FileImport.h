#pragma once

#include <QString>

namespace velko {

class CommonDialog;
class DesktopServices;
class DocumentCommands;
class FormPresets;
class Workspace;

// The page's tags fill the cleared form, which then counts as unchanged: it
// is what the page says.
void fillFormFromPage(Workspace &workspace, const QString &page);

// Import File: a page from disk becomes the document, and its tags fill the
// cleared form.
class FileImport {
public:
    FileImport(Workspace &workspace, DesktopServices &desktop, CommonDialog &dialog,
               DocumentCommands &document, FormPresets &presets);

    // Asks for the page, then whether to save a changed document and form; a
    // cancel of the file dialog beeps, and either cancel changes nothing. A
    // page that cannot be read leaves the document and the form as they were.
    void run();
    // Imports a page named on the command line or opened from a site check,
    // as if chosen in the dialog; true when it became the document.
    bool importPage(const QString &path);

private:
    bool importFile(const QString &path);

    Workspace &m_workspace;
    DesktopServices &m_desktop;
    CommonDialog &m_dialog;
    DocumentCommands &m_document;
    FormPresets &m_presets;
};

} // namespace velko
