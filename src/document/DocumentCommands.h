#pragma once

#include "text/TextFile.h"

namespace velko {

class CommonDialog;
class DesktopServices;
class Workspace;

// New, Close, Save File, Save File As, Insert Tags Into File and Update Tags
// In File.
//
// The document keeps a file name of its own, apart from the dialogs' shared
// current file name: Save File writes only to the file the document came from
// or was last saved as, never over a tag file or an earlier import.
class DocumentCommands {
public:
    DocumentCommands(Workspace &workspace, DesktopServices &desktop, CommonDialog &dialog);

    void newDocument();
    void close();
    void save();
    void saveAs();
    void insertTags();
    void updateTags();

    // The document now belongs to `path` (empty: to no file) and is saved in
    // `format`.
    void setDocumentFile(const QString &path, const TextFormat &format);
    const QString &documentPath() const { return m_path; }

private:
    Workspace &m_workspace;
    DesktopServices &m_desktop;
    CommonDialog &m_dialog;
    QString m_path;
    TextFormat m_format;
};

} // namespace velko
