#pragma once

// Velko's command-line modes, for scripts and build pipelines. They need no
// display and no QApplication.
//   velko --generate FORM [--lowercase-dc]
//   velko --insert FORM PAGE [--output FILE]
//   velko --update FORM PAGE [--output FILE] [--dry-run] [--keep-page-fields]
//   velko --update FORM --in-place PAGE... [--files-from LIST [-0]] [--dry-run]
//         [--keep-page-fields]
//   velko --update --titles FILE.csv --in-place FOLDER [--dry-run]
//   velko --read [PAGE...] [--files-from LIST [-0]]
//   velko --check [PAGE...] [--files-from LIST [-0]] [--format=json] [--ignore RULE,...]
//   velko --form-template
//   velko --help | --version

#include <QStringList>

class QIODevice;

namespace velko {

// Runs a command-line mode: results on `out`, messages on `err` ("velko: "
// first). Returns the exit code: 0 done, 1 the command failed, 2 a usage error
// (an unknown option among them, then followed by the usage text) or a bad
// form file.
int runCommandLine(const QStringList &arguments, QIODevice &in, QIODevice &out, QIODevice &err);

} // namespace velko
