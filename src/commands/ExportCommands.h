#pragma once

#include <QString>

namespace velko {

class CommonDialog;
class DesktopServices;
class Workspace;

// The tag file: the block inside a bare head. The block's first line goes on
// the "<head>" line, so an empty line stands before "</head>".
QString tagFileText(const QString &block);

// Copy Tags and Save Tags As. Both generate the block afresh from the form
// first, so what is copied or saved always matches the fields.
class ExportCommands {
public:
    ExportCommands(Workspace &workspace, DesktopServices &desktop, CommonDialog &dialog);

    void copyTags();
    void saveTagsAs();

private:
    Workspace &m_workspace;
    DesktopServices &m_desktop;
    CommonDialog &m_dialog;
};

} // namespace velko
