#pragma once

// velko's arguments sorted before anything runs: the options of the
// command-line modes ("--read", "-h", ...), Qt's own window options
// ("-platform offscreen", "-style fusion", ...), which only the window takes,
// and the rest, the pages.

#include <QStringList>

namespace velko {

enum class Start { Window, CommandLine, UnknownOption };

struct SortedArguments {
    Start start = Start::Window;
    QString unknownOption;     // with Start::UnknownOption: the first one, as given
    QStringList pages;         // what is neither an option nor an option's value
    QString platform;          // the value of the last "-platform", if any
    bool displayGiven = false; // "-display" was given
};

// Sorts the arguments, program name first. An argument that starts with "-"
// and is neither an option of the command-line modes nor one of Qt's window
// options is unknown; so is a window option given to a command-line mode. A
// lone "-" is a file name, and "--" ends the options.
SortedArguments sortArguments(const QStringList &arguments);

} // namespace velko
