#include "cli/CommandLine.h"

#include "cli/Arguments.h"
#include "cli/PageCheck.h"
#include "document/PageUpdate.h"
#include "document/SiteUpdate.h"
#include "document/TagInsertion.h"
#include "fields/FormFile.h"
#include "files/PageFile.h"
#include "files/TextFile.h"
#include "import/MetaTagReader.h"
#include "page/PageHead.h"
#include "tags/TagBlock.h"

#include <QCommandLineParser>
#include <QFile>
#include <QIODevice>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

namespace velko {

namespace {

enum ExitCode { kDone = 0, kFailed = 1, kUsage = 2 };

class Session {
public:
    Session(QIODevice &in, QIODevice &out, QIODevice &err)
        : m_in(in)
        , m_out(out)
        , m_err(err) {}

    int fail(int code, const QString &message) {
        m_err.write(QByteArrayLiteral("velko: ") + message.toUtf8() + '\n');
        return code;
    }
    void warn(const QString &message) { fail(kDone, message); }
    void print(const QByteArray &bytes) { m_out.write(bytes); }

    // The bytes of the file at `path`, or of standard input for "-". Not only
    // regular files: a form or a list may come from a pipe, read up to a limit.
    std::optional<QByteArray> readInput(const QString &path) {
        QFile file(path);
        if (path != QLatin1String("-") && !file.open(QIODevice::ReadOnly)) {
            fail(kUsage, path + QStringLiteral(": ") + file.errorString());
            return {};
        }
        QString error;
        std::optional<QByteArray> bytes =
            readAtMost(file.isOpen() ? static_cast<QIODevice &>(file) : m_in, kInputLimit, &error);
        if (!bytes)
            fail(kUsage, path + QStringLiteral(": ") + error);
        return bytes;
    }

    // --output: "-" is standard output; a FIFO or a device is written into.
    bool writeOutput(const QString &path, const QByteArray &bytes, QString *error) {
        if (path == QLatin1String("-")) {
            print(bytes);
            return true;
        }
        return writeFileSafely(path, bytes, error, {.streams = true});
    }

    std::optional<FormValue> readForm(const QString &path) {
        const std::optional<QByteArray> json = readInput(path);
        if (!json)
            return {};
        QString error;
        std::optional<FormValue> form = parseFormFile(*json, &error);
        if (!form)
            fail(kUsage, path + QStringLiteral(": ") + error);
        return form;
    }

private:
    QIODevice &m_in;
    QIODevice &m_out;
    QIODevice &m_err;
};

int generate(Session &session, const QString &formPath, DcNameCase dcCase) {
    const std::optional<FormValue> form = session.readForm(formPath);
    if (!form)
        return kUsage;
    const QString block = BuildTagBlock(*form, dcCase);
    if (block.isEmpty())
        return session.fail(kFailed, QStringLiteral("There are no meta tags to generate."));
    session.print(block.toUtf8());
    return kDone;
}

int insert(Session &session, const QString &formPath, const QString &pagePath,
           const QString &outputPath) {
    const std::optional<FormValue> form = session.readForm(formPath);
    if (!form)
        return kUsage;
    QString error;
    const std::optional<QByteArray> bytes = readFileBytes(pagePath, &error);
    if (!bytes)
        return session.fail(kFailed, pagePath + QStringLiteral(": ") + error);
    const DecodedText page = decodeText(*bytes);

    const PageHead head = findHead(QStringView(page.text));
    if (!head.found())
        return session.fail(kFailed, QString::fromUtf8(insertion::kNotHtml));
    const QString block = BuildTagBlock(*form, DcNameCase::Capitalised);
    if (block.isEmpty())
        return session.fail(kFailed, QString::fromUtf8(insertion::kNoTags));
    if (tagKindsOverlap(block, page.text))
        session.warn(QString::fromUtf8(insertion::kSomeSame) + QLatin1Char(' ') +
                     QString::fromUtf8(insertion::kMayAppear));

    const QByteArray out = insertIntoPage(*bytes, page, head.insertAt, block);
    if (outputPath.isEmpty()) {
        session.print(out);
        return kDone;
    }
    if (!session.writeOutput(outputPath, out, &error))
        return session.fail(kFailed, outputPath + QStringLiteral(": ") + error);
    return kDone;
}

struct PageLine {
    QByteArray line;
    QString error; // set when the page could not be read
};

// The form as Import File leaves it, read straight from the file's bytes: the
// page is not decoded, only its values are.
PageLine readPage(const QString &path) {
    const PageFile page(path);
    if (!page.error().isEmpty())
        return {{}, page.error()};
    const QByteArrayView bytes = page.bytes();
    const Encoding encoding = detectEncoding(bytes);
    FormValue form;
    readMetaTags(bytes, encoding, form);
    QByteArray line = "{\"file\":";
    appendJsonString(line, path);
    line += ",\"encoding\":";
    appendJsonString(line, encoding.name());
    line += ",\"form\":" + formFileText(form) + "}\n";
    return {line, {}};
}

// Pages are read on every core, a batch at a time, and printed in the order
// given.
int read(Session &session, const QStringList &pages) {
    constexpr qsizetype kBatch = 256;
    int code = kDone;
    for (qsizetype first = 0; first < pages.size(); first += kBatch) {
        const QList<PageLine> lines =
            QtConcurrent::blockingMapped(pages.mid(first, kBatch), readPage);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i].error.isEmpty())
                session.print(lines[i].line);
            else
                code =
                    session.fail(kFailed, pages[first + i] + QStringLiteral(": ") + lines[i].error);
        }
    }
    return code;
}

// Pages are checked like --read reads them; any error found fails the command.
int check(Session &session, const QStringList &pages, const RuleSet &ignored, ReportFormat format) {
    constexpr qsizetype kBatch = 256;
    int code = kDone;
    for (qsizetype first = 0; first < pages.size(); first += kBatch) {
        const QList<PageReport> reports =
            QtConcurrent::blockingMapped(pages.mid(first, kBatch), [&](const QString &path) {
                return checkPageFile(path, ignored, format);
            });
        for (qsizetype i = 0; i < reports.size(); ++i) {
            const PageReport &report = reports[i];
            if (!report.failure.isEmpty())
                code =
                    session.fail(kFailed, pages[first + i] + QStringLiteral(": ") + report.failure);
            session.print(report.lines);
            if (report.errorFound)
                code = kFailed;
        }
    }
    return code;
}

struct UpdateTarget {
    QString output; // --output: the one page's new file
    bool inPlace = false;
    bool dryRun = false;
    bool keepPageFields = false;
};

// Pages are updated (and with --in-place written back) on every core, a batch
// at a time; the reports and the output come in the order given.
int update(Session &session, const QString &formPath, const QStringList &pages,
           const UpdateTarget &target) {
    const std::optional<FormValue> form = session.readForm(formPath);
    if (!form)
        return kUsage;
    const std::vector<TagLine> lines = siteTagLines(*form, target.keepPageFields);
    if (lines.empty())
        return session.fail(kFailed, QString::fromUtf8(insertion::kNoTags));
    const UpdateOutput output = target.dryRun    ? UpdateOutput::Diff
                                : target.inPlace ? UpdateOutput::WriteBack
                                                 : UpdateOutput::Page;
    // Writing a page back mostly waits for the disk (each file is synced),
    // so more pages are in flight than there are cores.
    QThreadPool pool;
    pool.setMaxThreadCount(output == UpdateOutput::WriteBack
                               ? std::max(8, QThread::idealThreadCount())
                               : QThread::idealThreadCount());
    constexpr qsizetype kBatch = 256;
    int code = kDone;
    for (qsizetype first = 0; first < pages.size(); first += kBatch) {
        const QList<PageUpdate> done = QtConcurrent::blockingMapped<QList<PageUpdate>>(
            &pool, pages.mid(first, kBatch),
            [&](const QString &path) { return updatePageFile(path, lines, output); });
        for (qsizetype i = 0; i < done.size(); ++i) {
            const QString &path = pages[first + i];
            QString error = done[i].error;
            const bool toFile = output == UpdateOutput::Page && !target.output.isEmpty();
            if (error.isEmpty() && toFile &&
                !session.writeOutput(target.output, done[i].output, &error))
                error = target.output + QStringLiteral(": ") + error;
            if (!error.isEmpty()) {
                code = session.fail(kFailed, path + QStringLiteral(": ") + error);
                continue;
            }
            if (!toFile)
                session.print(done[i].output);
            session.warn(path + QStringLiteral(": ") + done[i].summary());
        }
    }
    return code;
}

// The rules named in the --ignore values, each a list separated by commas.
std::optional<RuleSet> ignoredRules(const QStringList &values, QString *unknown) {
    RuleSet rules;
    for (const QString &value : values) {
        for (const QString &id : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const std::optional<Rule> rule = ruleWithId(id.trimmed());
            if (!rule) {
                *unknown = id.trimmed();
                return {};
            }
            rules.set(size_t(*rule));
        }
    }
    return rules;
}

// The paths in a --files-from list: one a line (LF or CR LF), or each ended
// by a NUL byte. Empty ones are skipped; the rest are taken as written.
QStringList pathsInList(const QByteArray &list, char end) {
    QStringList paths;
    for (QByteArray path : list.split(end)) {
        if (end == '\n' && path.endsWith('\r'))
            path.chop(1);
        if (!path.isEmpty())
            paths << QFile::decodeName(path);
    }
    return paths;
}

// The pages named on the command line, then those of the --files-from list.
std::optional<QStringList> givenPages(Session &session, const QCommandLineParser &parser,
                                      const CommandLineOptions &options) {
    QStringList pages = parser.positionalArguments();
    if (!parser.isSet(options.filesFrom))
        return pages;
    const std::optional<QByteArray> list = session.readInput(parser.value(options.filesFrom));
    if (!list)
        return {};
    return pages + pathsInList(*list, parser.isSet(options.nulSeparated) ? '\0' : '\n');
}

} // namespace

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
    auto usageError = [&session](const QString &message) {
        return session.fail(kUsage, message + QStringLiteral(" (see velko --help)"));
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(options.help)) {
        session.print(usageText());
        return kDone;
    }
    if (parser.isSet(options.version)) {
        session.print(QByteArrayLiteral("Velko " VELKO_VERSION "\n"));
        return kDone;
    }

    // Each mode with the options that go with it.
    struct Mode {
        const QCommandLineOption &option;
        QStringList goesWith;
    };
    const Mode modes[] = {
        {options.generate, options.lowerCaseDc.names()},
        {options.insert, options.output.names()},
        {options.update, options.output.names() + options.inPlace.names() + options.dryRun.names() +
                             options.keepPageFields.names() + options.filesFrom.names() +
                             options.nulSeparated.names()},
        {options.read, options.filesFrom.names() + options.nulSeparated.names()},
        {options.check, options.filesFrom.names() + options.nulSeparated.names() +
                            options.format.names() + options.ignore.names()},
        {options.formTemplate, {}},
    };
    const Mode *mode = nullptr;
    int modesGiven = 0;
    for (const Mode &candidate : modes) {
        if (parser.isSet(candidate.option)) {
            mode = &candidate;
            ++modesGiven;
        }
    }
    if (modesGiven != 1)
        return usageError(QStringLiteral(
            "give one of --generate, --insert, --update, --read, --check and --form-template"));
    const QString modeName = QStringLiteral("--") + mode->option.names().first();
    for (const QString &name : parser.optionNames()) {
        if (!mode->option.names().contains(name) && !mode->goesWith.contains(name))
            return usageError(QLatin1String(name.size() == 1 ? "-" : "--") + name +
                              QStringLiteral(" does not go with ") + modeName);
    }
    if (parser.isSet(options.nulSeparated) && !parser.isSet(options.filesFrom))
        return usageError(QStringLiteral("-0 goes with --files-from"));

    const QStringList pages = parser.positionalArguments();
    if (parser.isSet(options.read)) {
        if (pages.isEmpty() && !parser.isSet(options.filesFrom))
            return usageError(QStringLiteral("--read takes one or more pages"));
        const std::optional<QStringList> all = givenPages(session, parser, options);
        return all ? read(session, *all) : kUsage;
    }
    if (parser.isSet(options.update)) {
        const bool inPlace = parser.isSet(options.inPlace);
        if (inPlace && parser.isSet(options.output))
            return usageError(QStringLiteral("--output does not go with --in-place"));
        if (!inPlace && parser.isSet(options.filesFrom))
            return usageError(QStringLiteral("--files-from goes with --update --in-place"));
        if (parser.value(options.update) == QLatin1String("-") &&
            parser.value(options.filesFrom) == QLatin1String("-"))
            return usageError(
                QStringLiteral("the form file and the --files-from list cannot both be \"-\""));
        if (inPlace ? pages.isEmpty() && !parser.isSet(options.filesFrom) : pages.size() != 1)
            return usageError(QStringLiteral(
                "--update takes a form file and one page, or with --in-place one or more pages"));
        const std::optional<QStringList> all = givenPages(session, parser, options);
        if (!all)
            return kUsage;
        return update(session, parser.value(options.update), *all,
                      {parser.value(options.output), inPlace, parser.isSet(options.dryRun),
                       parser.isSet(options.keepPageFields)});
    }
    if (parser.isSet(options.check)) {
        if (pages.isEmpty() && !parser.isSet(options.filesFrom))
            return usageError(QStringLiteral("--check takes one or more pages"));
        QString unknown;
        const std::optional<RuleSet> ignored =
            ignoredRules(parser.values(options.ignore), &unknown);
        if (!ignored)
            return usageError(QStringLiteral("--ignore: unknown rule ") + unknown);
        const QString format = parser.value(options.format);
        if (!format.isEmpty() && format != QLatin1String("text") && format != QLatin1String("json"))
            return usageError(QStringLiteral("--format takes text or json"));
        const std::optional<QStringList> all = givenPages(session, parser, options);
        return all ? check(session, *all, *ignored,
                           format == QLatin1String("json") ? ReportFormat::Json
                                                           : ReportFormat::Text)
                   : kUsage;
    }
    if (parser.isSet(options.formTemplate)) {
        if (!pages.isEmpty())
            return usageError(QStringLiteral("--form-template takes nothing else"));
        session.print(formTemplateText());
        return kDone;
    }
    if (parser.isSet(options.generate)) {
        if (!pages.isEmpty())
            return usageError(QStringLiteral("--generate takes only a form file"));
        return generate(session, parser.value(options.generate),
                        parser.isSet(options.lowerCaseDc) ? DcNameCase::LowerCase
                                                          : DcNameCase::Capitalised);
    }
    if (pages.size() != 1)
        return usageError(QStringLiteral("--insert takes a form file and one page"));
    return insert(session, parser.value(options.insert), pages.first(),
                  parser.value(options.output));
}

} // namespace velko
