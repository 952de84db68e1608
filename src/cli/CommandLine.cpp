#include "cli/CommandLine.h"

#include "cli/Arguments.h"
#include "cli/Modes.h"
#include "cli/Usage.h"

#include <QIODevice>

namespace velko {

namespace {

// "--update --titles FILE": the title list takes the form's place, so that
// --update is given an empty form rather than "--titles" as its form file.
QStringList withTitlesForm(QStringList arguments) {
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--"))
            break;
        if (arguments[i] == QLatin1String("--update") &&
            (arguments[i + 1] == QLatin1String("--titles") ||
             arguments[i + 1].startsWith(QLatin1String("--titles="))))
            arguments[i] = QStringLiteral("--update=");
    }
    return arguments;
}

} // namespace

int runCommandLine(const QStringList &givenArguments, QIODevice &in, QIODevice &out,
                   QIODevice &err) {
    const QStringList arguments = withTitlesForm(givenArguments);
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
