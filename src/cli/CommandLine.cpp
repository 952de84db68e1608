#include "cli/CommandLine.h"

#include "cli/FormFile.h"
#include "document/TagInsertion.h"
#include "text/TextFile.h"
#include "import/MetaTagReader.h"
#include "page/PageHead.h"
#include "tags/TagBlock.h"

#include <QCommandLineParser>
#include <QFile>
#include <QIODevice>
#include <QtConcurrent/QtConcurrentMap>

namespace velko {

namespace {

enum ExitCode { kDone = 0, kFailed = 1, kUsage = 2 };

// Qt's own window options take one dash ("-platform offscreen"), so any
// "--" option, known or not, is for the command line.
const QStringList kShortModeOptions = {"-h", "-v"};

constexpr auto kUsageText = R"(Usage: velko [PAGE]
       velko --generate FORM [--lowercase-dc]
       velko --insert FORM PAGE [--output FILE]
       velko --read PAGE...

Without a mode, opens the Velko window, with PAGE imported if given.

  --generate FORM     print the tag block for the form file FORM ("-": standard
                      input), UTF-8 with CR LF line breaks
  --lowercase-dc      write the Dublin Core names as DC.title, DC.creator, ...
  --insert FORM PAGE  insert the tag block after the head tag of PAGE and print
                      the page, in its own encoding and line breaks
  --output FILE       write the page to FILE instead (FILE may be PAGE)
  --read PAGE...      print, for each page, one line of JSON: {"file", "encoding",
                      "form"}, the form as importing the page leaves it
  --help              show this help
  --version           show the version

FORM is a JSON object: text fields by name ("Title": "..."), lists by name
("Robot": "noindex" or {"index": 1, "text": "noindex"}), check boxes by caption
("Use Title": true).

Exit status: 0 done, 1 the command failed, 2 a usage error or a bad form file.
)";

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

    std::optional<FormValue> readForm(const QString &path) {
        QByteArray json;
        if (path == QLatin1String("-")) {
            json = m_in.readAll();
        } else {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                fail(kUsage, path + QStringLiteral(": ") + file.errorString());
                return {};
            }
            json = file.readAll();
        }
        QString error;
        std::optional<FormValue> form = parseFormFile(json, &error);
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
    if (!writeFileAtomically(outputPath, out, &error))
        return session.fail(kFailed, outputPath + QStringLiteral(": ") + error);
    return kDone;
}

struct PageLine {
    QByteArray line;
    QString error; // set when the page could not be read
};

// The form as Import File leaves it, read straight from the file's bytes: the
// page is mapped, not decoded, so even a huge page costs little memory.
PageLine readPage(const QString &path) {
    QFile file(path);
    QString error;
    if (!openRegularFile(file, &error))
        return {{}, error};
    // Large pages are mapped rather than copied. Small ones are read: mapping
    // and unmapping costs more for them, above all with several threads.
    constexpr qint64 kMapFrom = 1024 * 1024;
    const uchar *mapped = file.size() >= kMapFrom ? file.map(0, file.size()) : nullptr;
    const QByteArray readBytes = mapped ? QByteArray() : file.readAll();
    const QByteArrayView bytes =
        mapped ? QByteArrayView(reinterpret_cast<const char *>(mapped), file.size())
               : QByteArrayView(readBytes);
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};

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

} // namespace

bool isCommandLineMode(const QStringList &arguments) {
    for (const QString &argument : arguments.mid(1)) {
        if ((argument.startsWith(QLatin1String("--")) && argument.size() > 2) ||
            kShortModeOptions.contains(argument))
            return true;
    }
    return false;
}

int runCommandLine(const QStringList &arguments, QIODevice &in, QIODevice &out, QIODevice &err) {
    Session session(in, out, err);
    QCommandLineParser parser;
    const QCommandLineOption generateOption("generate", {}, "FORM");
    const QCommandLineOption lowerCaseOption("lowercase-dc");
    const QCommandLineOption insertOption("insert", {}, "FORM");
    const QCommandLineOption outputOption("output", {}, "FILE");
    const QCommandLineOption readOption("read");
    const QCommandLineOption helpOption(QStringList{"h", "help"});
    const QCommandLineOption versionOption(QStringList{"v", "version"});
    parser.addOptions({generateOption, lowerCaseOption, insertOption, outputOption, readOption,
                       helpOption, versionOption});

    auto usageError = [&session](const QString &message) {
        return session.fail(kUsage, message + QStringLiteral(" (see velko --help)"));
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(helpOption)) {
        session.print(QByteArray(kUsageText));
        return kDone;
    }
    if (parser.isSet(versionOption)) {
        session.print(QByteArrayLiteral("Velko " VELKO_VERSION "\n"));
        return kDone;
    }

    const QStringList pages = parser.positionalArguments();
    const int modes = int(parser.isSet(generateOption)) + int(parser.isSet(insertOption)) +
                      int(parser.isSet(readOption));
    if (modes != 1)
        return usageError(QStringLiteral("give one of --generate, --insert and --read"));
    if (parser.isSet(readOption)) {
        if (pages.isEmpty() || parser.isSet(outputOption) || parser.isSet(lowerCaseOption))
            return usageError(QStringLiteral("--read takes one or more pages"));
        return read(session, pages);
    }
    if (parser.isSet(generateOption)) {
        if (!pages.isEmpty() || parser.isSet(outputOption))
            return usageError(QStringLiteral("--generate takes only a form file"));
        return generate(session, parser.value(generateOption),
                        parser.isSet(lowerCaseOption) ? DcNameCase::LowerCase
                                                      : DcNameCase::Capitalised);
    }
    if (pages.size() != 1 || parser.isSet(lowerCaseOption))
        return usageError(QStringLiteral("--insert takes a form file and one page"));
    return insert(session, parser.value(insertOption), pages.first(), parser.value(outputOption));
}

} // namespace velko
