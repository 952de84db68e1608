#pragma once

// velko's arguments sorted before anything runs: the options of the
// command-line modes ("--read", "-h", ...), Qt's own window options
// ("-platform offscreen", "-style fusion", ...), which only the window takes,
// and the rest, the pages.

#include <QCommandLineOption>
#include <QList>
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

// The options of the command-line modes.
struct CommandLineOptions {
    QCommandLineOption generate{QStringLiteral("generate"), QString(), QStringLiteral("FORM")};
    QCommandLineOption lowerCaseDc{QStringLiteral("lowercase-dc")};
    QCommandLineOption insert{QStringLiteral("insert"), QString(), QStringLiteral("FORM")};
    QCommandLineOption output{QStringLiteral("output"), QString(), QStringLiteral("FILE")};
    QCommandLineOption update{QStringLiteral("update"), QString(), QStringLiteral("FORM")};
    QCommandLineOption inPlace{QStringLiteral("in-place")};
    QCommandLineOption dryRun{QStringLiteral("dry-run")};
    QCommandLineOption keepPageFields{QStringLiteral("keep-page-fields")};
    QCommandLineOption read{QStringLiteral("read")};
    QCommandLineOption filesFrom{QStringLiteral("files-from"), QString(), QStringLiteral("LIST")};
    QCommandLineOption nulSeparated{QStringLiteral("0")};
    QCommandLineOption check{QStringLiteral("check")};
    QCommandLineOption format{QStringLiteral("format"), QString(), QStringLiteral("FORMAT")};
    QCommandLineOption ignore{QStringLiteral("ignore"), QString(), QStringLiteral("RULES")};
    QCommandLineOption formTemplate{QStringLiteral("form-template")};
    QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{QStringList{QStringLiteral("v"), QStringLiteral("version")}};

    QList<QCommandLineOption> all() const {
        return {generate, lowerCaseDc,    insert,       output,    update,       inPlace,
                dryRun,   keepPageFields, read,         filesFrom, nulSeparated, check,
                format,   ignore,         formTemplate, help,      version};
    }
};

// What --help prints.
QByteArray usageText();

} // namespace velko
