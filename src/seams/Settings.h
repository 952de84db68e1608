#pragma once

// Velko's settings (QSettings, per user) and the folder where it keeps its own
// files. Both follow the XDG base directories.

#include <QString>
#include <QUrl>

namespace velko::settings {

// How long a web fetch may take in all, in seconds (default 60).
int fetchTimeoutSeconds();

// The maker's web site (default www.harbordale.example): the update check and
// the Help menu's links go to http:// + this host + a path.
QString makerHost();
// The maker's contact address (default webmaster@harbordale.example).
QString contactAddress();
// The help document's contents page; by default Velko's own help, kept in the
// program. The setting may name another HTML file.
QUrl helpFile();

// The per-user folder for Url.dat and output.txt, created when missing.
QString dataFolder();

} // namespace velko::settings
