#include "cli/Modes.h"

namespace velko {

ModeRun chosenMode(const ModeCall &call) {
    const CommandLineOptions &options = call.options;
    // Each mode with the options that go with it.
    struct Mode {
        const QCommandLineOption &option;
        QStringList goesWith;
        ModeRun run;
    };
    const QStringList listOptions = options.filesFrom.names() + options.nulSeparated.names();
    const Mode modes[] = {
        {options.generate, options.lowerCaseDc.names(), runGenerate},
        {options.insert, options.output.names(), runInsert},
        {options.update,
         options.output.names() + options.inPlace.names() + options.dryRun.names() +
             options.keepPageFields.names() + options.backup.names() + options.titles.names() +
             listOptions,
         runUpdate},
        {options.undo, {}, runUndo},
        {options.read, listOptions, runRead},
        {options.check,
         listOptions + options.format.names() + options.ignore.names() + options.siteUrl.names() +
             options.report.names() + options.quiet.names(),
         runCheck},
        {options.formTemplate, {}, runFormTemplate},
    };
    const Mode *mode = nullptr;
    int modesGiven = 0;
    for (const Mode &candidate : modes) {
        if (call.parser.isSet(candidate.option)) {
            mode = &candidate;
            ++modesGiven;
        }
    }
    if (modesGiven != 1) {
        call.session.usageError(QStringLiteral(
            "give one of --generate, --insert, --update, --undo, --read, --check and "
            "--form-template"));
        return nullptr;
    }
    const QString modeName = QStringLiteral("--") + mode->option.names().first();
    for (const QString &name : call.parser.optionNames()) {
        if (!mode->option.names().contains(name) && !mode->goesWith.contains(name)) {
            call.session.usageError(QLatin1String(name.size() == 1 ? "-" : "--") + name +
                                    QStringLiteral(" does not go with ") + modeName);
            return nullptr;
        }
    }
    if (call.parser.isSet(options.nulSeparated) && !call.parser.isSet(options.filesFrom)) {
        call.session.usageError(QStringLiteral("-0 goes with --files-from"));
        return nullptr;
    }
    return mode->run;
}

} // namespace velko
