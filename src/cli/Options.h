#pragma once

// The options of the command-line modes, each with what --help says of it.

#include <QCommandLineOption>
#include <QList>

namespace velko {

struct CommandLineOptions {
    CommandLineOptions();

    QCommandLineOption generate;
    QCommandLineOption lowerCaseDc;
    QCommandLineOption insert;
    QCommandLineOption output;
    QCommandLineOption update;
    QCommandLineOption inPlace;
    QCommandLineOption dryRun;
    QCommandLineOption keepPageFields;
    QCommandLineOption backup;
    QCommandLineOption undo;
    QCommandLineOption titles;
    QCommandLineOption read;
    QCommandLineOption check;
    QCommandLineOption format;
    QCommandLineOption ignore;
    QCommandLineOption siteUrl;
    QCommandLineOption report;
    QCommandLineOption quiet;
    QCommandLineOption filesFrom;
    QCommandLineOption nulSeparated;
    QCommandLineOption formTemplate;
    QCommandLineOption help;
    QCommandLineOption version;

    // Every option, in the order --help lists them.
    QList<QCommandLineOption> all() const {
        return {generate,  lowerCaseDc,    insert,       output,  update, inPlace,
                dryRun,    keepPageFields, backup,       undo,    titles, read,
                check,     format,         ignore,       siteUrl, report, quiet,
                filesFrom, nulSeparated,   formTemplate, help,    version};
    }
};

} // namespace velko
