#pragma once

// Velko's command-line modes, for scripts and build pipelines. They need no
// display and no QApplication.
//   velko --generate FORM [--lowercase-dc]
//   velko --insert FORM PAGE [--output FILE]
//   velko --read PAGE...
//   velko --help | --version

#include <QStringList>

class QIODevice;

namespace velko {

// True when the arguments (program name first) ask for a command-line mode
// rather than the window.
bool isCommandLineMode(const QStringList &arguments);

// Runs a command-line mode: results on `out`, messages on `err` ("velko: "
// first). Returns the exit code: 0 done, 1 the command failed, 2 a usage error
// or a bad form file.
int runCommandLine(const QStringList &arguments, QIODevice &in, QIODevice &out, QIODevice &err);

} // namespace velko
