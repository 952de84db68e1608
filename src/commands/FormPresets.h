#pragma once

#include <QStringList>

namespace velko {

class DesktopServices;
class RecentFormStore;
class Workspace;

// Open Form, Save Form As and Recent Forms: the whole form as a form file,
// the same file the command line reads, so that a preset made in the window
// drives a build script and the other way round.
class FormPresets {
public:
    static constexpr int kRecentCount = 5;

    FormPresets(Workspace &workspace, DesktopServices &desktop, RecentFormStore &recent);

    // Asks for a form file and opens it; a cancel beeps and changes nothing.
    void open();
    // Asks for a name and writes every control's value there.
    void saveAs();
    // Opens a file of the Recent Forms list; a file that is gone leaves the
    // list.
    void openRecent(const QString &path);
    // Newest first.
    QStringList recent() const;

private:
    // Replaces the whole form with the file's, as importing does: cleared,
    // then filled. A file that cannot be read or is not a form file leaves
    // the form as it was, with a message naming the file and what is wrong.
    void load(const QString &path);
    void remember(const QString &path);
    QString lastPath() const;

    Workspace &m_workspace;
    DesktopServices &m_desktop;
    RecentFormStore &m_recent;
};

} // namespace velko
