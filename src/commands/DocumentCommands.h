#pragma once

#include "commands/UnsavedWork.h"
#include "files/TextFile.h"

#include <QFileSystemWatcher>

namespace velko {

class CommonDialog;
class DesktopServices;
class Workspace;
struct Message;

// "Missing Data": what a command that puts the form's tags into pages says
// when the form makes none.
Message missingTagsMessage();

// New, Close, Save File, Save File As, Insert Tags Into File and Update Tags
// In File.
//
// The document keeps a file name of its own, apart from the dialogs' shared
// current file name: Save File writes only to the file the document came from
// or was last saved as, never over a tag file or an earlier import. It also
// keeps what that file was when read or saved: a change another program made
// since is never overwritten without asking, and an unchanged document
// follows the file on disk.
class DocumentCommands {
public:
    DocumentCommands(Workspace &workspace, DesktopServices &desktop, CommonDialog &dialog);

    void newDocument();
    void close();
    // Both return whether the document was saved.
    bool save();
    bool saveAs() { return saveAsNamed({}); }
    void insertTags();
    void updateTags();

    // The document, for the question before it is replaced or dropped
    // (askToSave): saved with Save File.
    UnsavedPart unsavedPart();

    // The document, as it now stands, belongs to `path` (empty: to no file),
    // was read as `page` from the file `snapshot` describes, and counts as
    // unchanged. It is saved in the page's format, each line with the line
    // break the page gave it.
    void setDocumentFile(const QString &path, const DecodedText &page,
                         const FileSnapshot &snapshot = {});
    const QString &documentPath() const { return m_path; }

    // What the file system watcher calls when the document's file changed:
    // an unchanged document is read again, with a note in the status bar; a
    // changed one is asked about on the next save.
    void checkFileOnDisk();

private:
    // Save File As with `suggested` as the name the dialog opens with.
    bool saveAsNamed(const QString &suggested);
    bool saveTo(const QString &path, QString *error);
    bool reload();

    Workspace &m_workspace;
    DesktopServices &m_desktop;
    CommonDialog &m_dialog;
    QString m_path;
    DecodedText m_page;
    FileSnapshot m_snapshot;
    QFileSystemWatcher m_watcher;
};

} // namespace velko
