#pragma once

// Velko's settings (QSettings, per user), the folder where it keeps its own
// files, and its own version: read once when the window starts and handed to
// what needs them, so that nothing else reads a setting behind its caller's back.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <iterator>

namespace velko {

struct Settings {
    // This program's version, as the update check compares it and the About
    // box shows it.
    QString currentVersion = QStringLiteral(VELKO_VERSION);
    // How long a web fetch may take in all, in seconds.
    int fetchTimeoutSeconds = 60;
    // The maker's web site: the update check and the Help menu's links go to
    // http:// + this host + a path.
    QString makerHost = QStringLiteral("www.harbordale.example");
    // The maker's contact address.
    QString contactAddress = QStringLiteral("webmaster@harbordale.example");
    // The help document's contents page; by default Velko's own help, kept in
    // the program. The setting may name another HTML file.
    QUrl helpFile = QUrl(QStringLiteral("qrc:/help/index.html"));
    // The per-user folder for Url.dat and output.txt.
    QString dataFolder;
};

// The user's settings; a setting that is missing or not valid keeps its
// default. The data folder follows the XDG base directories and is created
// when missing; it and the settings file are kept for the user alone (folders
// 0700, the file 0600).
Settings readSettings();

// The per-user data folder, ~/.local/share/velko, as readSettings finds it
// but neither made nor read: for the command line.
QString dataFolderPath();

// Where the form files last opened or saved are kept between runs, newest
// first. The window is handed one and never reads the settings itself.
class RecentFormStore {
public:
    virtual ~RecentFormStore() = default;
    virtual QStringList recentForms() const = 0;
    virtual void setRecentForms(const QStringList &paths) = 0;
};

// The View menu's switches: the previews beside the form (on unless set) and
// the long lines of the HTML File tab wrapped (off unless set).
enum class ViewOption { ShowPreviews, WrapLongLines };
inline constexpr bool kViewOptionDefaults[] = {true, false};

// What the window keeps between runs besides: its size and place (as
// QWidget::saveGeometry gives them; empty: none kept yet), whether the
// social card fetches its picture from the web without being asked, and the
// View menu's switches.
class WindowStore : public RecentFormStore {
public:
    virtual bool viewOption(ViewOption option) const = 0;
    virtual void setViewOption(ViewOption option, bool on) = 0;
    virtual QByteArray windowGeometry() const = 0;
    virtual void setWindowGeometry(const QByteArray &geometry) = 0;
    virtual bool loadsWebImages() const = 0; // false unless set
    virtual void setLoadsWebImages(bool loads) = 0;
};

// Kept in the user's settings.
class SettingsWindowStore final : public WindowStore {
public:
    QStringList recentForms() const override;
    void setRecentForms(const QStringList &paths) override;
    QByteArray windowGeometry() const override;
    void setWindowGeometry(const QByteArray &geometry) override;
    bool loadsWebImages() const override;
    void setLoadsWebImages(bool loads) override;
    bool viewOption(ViewOption option) const override;
    void setViewOption(ViewOption option, bool on) override;
};

// Kept for this run only, for tests and benchmarks.
class MemoryWindowStore final : public WindowStore {
public:
    QStringList recentForms() const override { return m_paths; }
    void setRecentForms(const QStringList &paths) override { m_paths = paths; }
    QByteArray windowGeometry() const override { return m_geometry; }
    void setWindowGeometry(const QByteArray &geometry) override { m_geometry = geometry; }
    bool loadsWebImages() const override { return m_loadsWebImages; }
    void setLoadsWebImages(bool loads) override { m_loadsWebImages = loads; }
    bool viewOption(ViewOption option) const override { return m_viewOptions[int(option)]; }
    void setViewOption(ViewOption option, bool on) override { m_viewOptions[int(option)] = on; }

private:
    bool m_viewOptions[std::size(kViewOptionDefaults)] = {kViewOptionDefaults[0],
                                                          kViewOptionDefaults[1]};
    QStringList m_paths;
    QByteArray m_geometry;
    bool m_loadsWebImages = false;
};

} // namespace velko
