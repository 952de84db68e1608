#include "cli/Arguments.h"

#include "cli/Options.h"

namespace velko {

namespace {

// The options QGuiApplication and QApplication document, all with one dash;
// Qt takes them out of the arguments before the window sees them.
struct WindowOption {
    QLatin1StringView name;
    bool takesValue;
    bool joinable; // the value may also follow "=": "-style=fusion"
};

constexpr WindowOption kWindowOptions[] = {
    {QLatin1StringView("-platform"), true, false},
    {QLatin1StringView("-platformpluginpath"), true, false},
    {QLatin1StringView("-platformtheme"), true, false},
    {QLatin1StringView("-plugin"), true, false},
    {QLatin1StringView("-qmljsdebugger"), true, true},
    {QLatin1StringView("-qwindowgeometry"), true, false},
    {QLatin1StringView("-qwindowicon"), true, false},
    {QLatin1StringView("-qwindowtitle"), true, false},
    {QLatin1StringView("-reverse"), false, false},
    {QLatin1StringView("-session"), true, false},
    {QLatin1StringView("-display"), true, false},
    {QLatin1StringView("-geometry"), true, false},
    {QLatin1StringView("-style"), true, true},
    {QLatin1StringView("-stylesheet"), true, true},
    {QLatin1StringView("-widgetcount"), false, false},
};

const WindowOption *windowOption(QStringView name, bool joined) {
    for (const WindowOption &option : kWindowOptions)
        if (option.name == name && (!joined || option.joinable))
            return &option;
    return nullptr;
}

const QCommandLineOption *modeOption(const QList<QCommandLineOption> &options, QStringView name) {
    for (const QCommandLineOption &option : options)
        if (option.names().contains(name))
            return &option;
    return nullptr;
}

// "-x" names a short option; "-read" is no option at all.
QStringView modeOptionName(QStringView argument) {
    if (!argument.startsWith(u"--"))
        return argument.size() == 2 ? argument.sliced(1) : QStringView();
    const QStringView name = argument.sliced(2);
    return name.left(name.indexOf(u'='));
}

} // namespace

SortedArguments sortArguments(const QStringList &arguments) {
    const QList<QCommandLineOption> modeOptions = CommandLineOptions().all();
    SortedArguments sorted;
    bool modeGiven = false;
    qsizetype unknownAt = -1;
    qsizetype windowOptionAt = -1;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--")) {
            sorted.pages += arguments.mid(i + 1);
            break;
        }
        if (argument.size() < 2 || !argument.startsWith(QLatin1Char('-'))) {
            sorted.pages += argument;
            continue;
        }
        if (const QCommandLineOption *option = modeOption(modeOptions, modeOptionName(argument))) {
            modeGiven = true;
            if (!option->valueName().isEmpty() && !argument.contains(QLatin1Char('=')))
                ++i;
            continue;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const WindowOption *option = windowOption(
            QStringView(argument).first(equals < 0 ? argument.size() : equals), equals >= 0);
        if (!option) {
            if (unknownAt < 0)
                unknownAt = i;
            continue;
        }
        if (windowOptionAt < 0)
            windowOptionAt = i;
        QString value;
        if (equals >= 0)
            value = argument.sliced(equals + 1);
        else if (option->takesValue)
            value = arguments.value(++i);
        if (option->name == QLatin1String("-platform"))
            sorted.platform = value;
        sorted.displayGiven |= option->name == QLatin1String("-display");
    }

    // The window options mean nothing without the window.
    if (modeGiven && windowOptionAt >= 0 && (unknownAt < 0 || windowOptionAt < unknownAt))
        unknownAt = windowOptionAt;
    if (unknownAt >= 0) {
        sorted.start = Start::UnknownOption;
        sorted.unknownOption = arguments[unknownAt];
    } else if (modeGiven) {
        sorted.start = Start::CommandLine;
    }
    return sorted;
}

} // namespace velko
