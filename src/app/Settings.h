#pragma once

// Velko's settings (QSettings, per user) and the folder where it keeps its own
// files. Both follow the XDG base directories.

#include <QString>

namespace velko::settings {

// How long a web fetch may take in all, in seconds (default 60).
int fetchTimeoutSeconds();

// The per-user folder for Url.dat and output.txt, created when missing.
QString dataFolder();

} // namespace velko::settings
