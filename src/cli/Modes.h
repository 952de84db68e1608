#pragma once

// The command-line modes, each a function of the parsed arguments.

#include "cli/Options.h"
#include "cli/Session.h"

#include <QCommandLineParser>

namespace velko {

struct ModeCall {
    Session &session;
    const QCommandLineParser &parser;
    const CommandLineOptions &options;

    // What is left after the options: the pages, or a page.
    QStringList operands() const { return parser.positionalArguments(); }
};

// Each returns the exit code.
using ModeRun = int (*)(const ModeCall &call);
int runGenerate(const ModeCall &call);
int runFormTemplate(const ModeCall &call);
int runInsert(const ModeCall &call);
int runUpdate(const ModeCall &call);
int runUndo(const ModeCall &call);
int runRead(const ModeCall &call);
int runCheck(const ModeCall &call);

// The one mode given, once its options go with it; null after a usage error.
ModeRun chosenMode(const ModeCall &call);

} // namespace velko
