#pragma once

// Velko's settings (QSettings, per user), the folder where it keeps its own
// files, and its own version: read once when the window starts and handed to
// what needs them, so that nothing else reads a setting behind its caller's back.

#include <QString>
#include <QUrl>

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
// when missing.
Settings readSettings();

} // namespace velko
