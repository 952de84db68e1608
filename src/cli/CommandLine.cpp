#include "cli/CommandLine.h"

#include "cli/Arguments.h"
#include "cli/Modes.h"
#include "cli/Usage.h"

#include <QIODevice>

namespace velko {

int runCommandLine(const QStringList &arguments, QIODevice &in, QIODevice &out, QIODevice &err) {
    Session session(in, out, err);
    const SortedArguments sorted = sortArguments(arguments);
    if (sorted.start == Start::UnknownOption) {
        session.fail(kUsage, QStringLiteral("unknown option ") + sorted.unknownOption);
        err.write(usageText());
        return kUsage;
    }

    const CommandLineOptions options;
    QCommandLineParser parser;
    parser.addOptions(options.all());
    if (!parser.parse(arguments))
        return session.usageError(parser.errorText());
    if (parser.isSet(options.help)) {
        session.print(usageText());
        return kDone;
    }
    if (parser.isSet(options.version)) {
        session.print(QByteArrayLiteral("Velko " VELKO_VERSION "\n"));
        return kDone;
    }
    const ModeCall call{session, parser, options};
    const ModeRun run = chosenMode(call);
    return run ? run(call) : kUsage;
}

} // namespace velko
