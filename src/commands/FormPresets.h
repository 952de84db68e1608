#pragma once

#include "commands/UnsavedWork.h"
#include "fields/FormValue.h"

#include <QStringList>

namespace velko {

class DesktopServices;
class RecentFormStore;
class Workspace;

// The Form menu's commands: Clear and Fill In Examples, and Open Form, Save
// Form As and Recent Forms, which keep the whole form as a form file, the
// same file the command line reads, so that a preset made in the window
// drives a build script and the other way round. Each leaves the form
// counting as unchanged.
class FormPresets {
public:
    static constexpr int kRecentCount = 5;

    FormPresets(Workspace &workspace, DesktopServices &desktop, RecentFormStore &recent);

    void clear();
    void fillInExamples();
    // Asks for a form file, then whether to save a changed form, and opens
    // it; a cancel of the dialog beeps, and either cancel changes nothing.
    void open();
    // Asks for a name and writes every control's value there. Returns whether
    // the form was saved.
    bool saveAs();
    // Opens a file of the Recent Forms list, asking first as open() does; a
    // file that is gone leaves the list.
    void openRecent(const QString &path);
    // Newest first.
    QStringList recent() const;

    // The form, for the question before it is replaced or dropped
    // (askToSave): saved with Save Form As.
    UnsavedPart unsavedPart();

private:
    // Replaces the whole form with the file's, as importing does: cleared,
    // then filled. A file that cannot be read or is not a form file leaves
    // the form as it was, with a message naming the file and what is wrong.
    void load(const QString &path);
    void remember(const QString &path);
    QString lastPath() const;
    void setUnchanged(const FormValue &form);

    Workspace &m_workspace;
    DesktopServices &m_desktop;
    RecentFormStore &m_recent;
};

} // namespace velko
