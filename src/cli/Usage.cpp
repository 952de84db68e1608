#include "cli/Usage.h"

#include "check/CheckRules.h"
#include "cli/Options.h"

#include <QStringList>

namespace velko {

namespace {

constexpr auto kSynopsis = R"(Usage: velko [PAGE]
       velko --generate FORM [--lowercase-dc]
       velko --insert FORM PAGE [--output FILE]
       velko --update FORM PAGE [--output FILE] [--dry-run] [--keep-page-fields]
       velko --update FORM --in-place PAGE... [--files-from LIST [-0]] [--dry-run]
             [--keep-page-fields] [--backup]
       velko --update --titles FILE.csv --in-place FOLDER [--dry-run]
       velko --undo
       velko --read [PAGE...] [--files-from LIST [-0]]
       velko --check [PAGE|FOLDER...] [--files-from LIST [-0]] [--format=json]
             [--ignore RULE,...] [--site-url URL] [--report FILE.html] [--quiet]
       velko --form-template

Without a mode, opens the Velko window, with PAGE imported if given.
)";

constexpr auto kForms =
    R"(FORM is a JSON object: text fields by name ("Title": "..."), lists by name
("Robot": "noindex" or {"index": 1, "text": "noindex"}), check boxes by caption
("Use Title": true); velko --form-template prints every key. FORM may also be
one line of --read output, which stands for its form.

--update reports each page on standard error: "velko: PAGE: replaced 3, added
5, removed 2" or "velko: PAGE: unchanged".
)";

constexpr auto kExitStatus =
    R"(Exit status: 0 done, 1 the command failed (--check: an error was found), 2 a
usage error or a bad form file.
)";

constexpr qsizetype kWidth = 80;

// The words of `text` in lines of up to `width` characters (a longer word
// has a line to itself), each line after the first indented by `indent`.
QString wrapped(const QString &text, qsizetype width, qsizetype indent = 0) {
    QString lines;
    qsizetype lineStart = 0;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (lines.size() == lineStart) {
            lines += word;
        } else if (lines.size() - lineStart + 1 + word.size() > width) {
            lines += QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
            lineStart = lines.size();
            lines += word;
        } else {
            lines += QLatin1Char(' ') + word;
        }
    }
    return lines;
}

// An option as the list names it: "--update", then what follows it, its
// value's name or the operands given here.
QString shownName(const CommandLineOptions &options, const QCommandLineOption &option) {
    const std::pair<const QCommandLineOption &, const char *> operands[] = {
        {options.insert, " FORM PAGE"}, {options.update, " FORM PAGE"},
        {options.read, " PAGE..."},     {options.check, " PAGE..."},
        {options.format, "=json"},      {options.ignore, " RULE,..."},
    };
    const QString name = option.names().last();
    QString shown = QLatin1String(name.size() == 1 ? "-" : "--") + name;
    for (const auto &[documented, text] : operands)
        if (documented.names() == option.names())
            return shown + QLatin1String(text);
    if (!option.valueName().isEmpty())
        shown += QLatin1Char(' ') + option.valueName();
    return shown;
}

// The options in two columns, the descriptions aligned after the longest name.
QString optionList() {
    const CommandLineOptions options;
    const QList<QCommandLineOption> all = options.all();
    QStringList names;
    qsizetype nameWidth = 0;
    for (const QCommandLineOption &option : all) {
        names << shownName(options, option);
        nameWidth = std::max(nameWidth, names.last().size());
    }
    const qsizetype indent = 2 + nameWidth + 2;
    QString list;
    for (qsizetype i = 0; i < names.size(); ++i)
        list += QStringLiteral("  ") + names[i].leftJustified(nameWidth + 2) +
                wrapped(all[i].description(), kWidth - indent, indent) + QLatin1Char('\n');
    return list;
}

// The rules of --check, from their table.
QString ruleList() {
    QString rules = QStringLiteral("The rules of --check (man velko says what each finds):");
    for (const RuleEntry &entry : checkRules()) {
        rules += QLatin1Char(' ');
        rules += entry.id;
        rules += QLatin1Char(entry.rule == checkRules().back().rule ? '.' : ',');
    }
    return wrapped(rules, kWidth - 2);
}

} // namespace

QByteArray usageText() {
    return kSynopsis + QByteArrayLiteral("\n") + optionList().toUtf8() + '\n' + kForms + '\n' +
           ruleList().toUtf8() + "\n\n" + kExitStatus;
}

} // namespace velko
