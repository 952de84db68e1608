#include "cli/Arguments.h"

#include "check/CheckRules.h"

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

constexpr auto kUsageText = R"(Usage: velko [PAGE]
       velko --generate FORM [--lowercase-dc]
       velko --insert FORM PAGE [--output FILE]
       velko --update FORM PAGE [--output FILE] [--dry-run] [--keep-page-fields]
       velko --update FORM --in-place PAGE... [--files-from LIST [-0]] [--dry-run]
             [--keep-page-fields]
       velko --read [PAGE...] [--files-from LIST [-0]]
       velko --check [PAGE...] [--files-from LIST [-0]] [--format=json]
             [--ignore RULE,...]
       velko --form-template

Without a mode, opens the Velko window, with PAGE imported if given.

  --generate FORM     print the tag block for the form file FORM ("-": standard
                      input), UTF-8 with CR LF line breaks
  --lowercase-dc      write the Dublin Core names as DC.title, DC.creator, ...
  --insert FORM PAGE  insert the tag block after the head tag of PAGE and print
                      the page, in its own encoding and line breaks
  --output FILE       write the page to FILE instead (FILE may be PAGE)
  --update FORM PAGE  bring the tags of PAGE up to date with the form: replace
                      the ones it has, add the ones it lacks, remove duplicates;
                      print the page, every other byte as it was
  --in-place          with --update: write each page back, if it changes
  --dry-run           with --update: write nothing, print a unified diff of each
                      page that would change
  --keep-page-fields  with --update: leave each page's own title, description,
                      og:title, og:description, og:url and canonical link (and
                      their Dublin Core and comment copies) as they are
  --read PAGE...      print, for each page, one line of JSON: {"file", "encoding",
                      "form"}, the form as importing the page leaves it
  --check PAGE...     check the head of each page; print a line per finding,
                      PAGE:LINE:COLUMN: SEVERITY: MESSAGE [RULE]
  --format=json       print each finding as a line of JSON instead: {"file",
                      "line", "column", "severity", "rule", "message"}
  --ignore RULE,...   leave out the findings of these rules (below)
  --files-from LIST   with --read, --check or --update --in-place: the pages
                      named in LIST too, one path a line ("-": standard input)
  -0                  the paths in LIST end with a NUL byte instead
  --form-template     print a form file with every key and empty values
  --help              show this help
  --version           show the version

FORM is a JSON object: text fields by name ("Title": "..."), lists by name
("Robot": "noindex" or {"index": 1, "text": "noindex"}), check boxes by caption
("Use Title": true); velko --form-template prints every key. FORM may also be
one line of --read output, which stands for its form.

--update reports each page on standard error: "velko: PAGE: replaced 3, added
5, removed 2" or "velko: PAGE: unchanged".

Exit status: 0 done, 1 the command failed (--check: an error was found), 2 a
usage error or a bad form file.
)";

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

QByteArray usageText() {
    // The rules of --check, from their table, in lines of up to 78 characters.
    QByteArray rules = "The rules of --check (man velko says what each finds):";
    qsizetype lineStart = 0;
    for (const RuleEntry &entry : checkRules()) {
        const QByteArray id = QByteArray(entry.id.data(), entry.id.size()) +
                              (entry.rule == checkRules().back().rule ? "." : ",");
        if (rules.size() - lineStart + 1 + id.size() > 78) {
            lineStart = rules.size() + 1;
            rules += '\n';
        } else {
            rules += ' ';
        }
        rules += id;
    }
    const QByteArray text(kUsageText);
    const qsizetype exitStatus = text.indexOf("Exit status:");
    return text.first(exitStatus) + rules + "\n\n" + text.sliced(exitStatus);
}

} // namespace velko
