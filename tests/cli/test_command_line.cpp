#include "support/TestFiles.h"
#include "support/TestForms.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace velko;

namespace {

struct Run {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

// The real program, with nothing in its environment but PATH: no display, no
// QT_QPA_PLATFORM, so a QApplication would abort, and a window that opened
// anyway would keep it from finishing.
Run runVelko(const QStringList &arguments, const QByteArray &input = {},
             const QString &dataHome = {}) {
    QProcess process;
    QProcessEnvironment environment;
    environment.insert("PATH", qEnvironmentVariable("PATH"));
    if (!dataHome.isEmpty())
        environment.insert("XDG_DATA_HOME", dataHome);
    process.setProcessEnvironment(environment);
    process.start(VELKO_BINARY, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void commands_data();
    void commands();
    void update_data();
    void update();
    void readLists_data();
    void readLists();
    void readThenGenerate_data();
    void readThenGenerate();
    void formTemplateHasEveryKey();
    void formFiles();
    void backupThenUndo();

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) { return m_dir.filePath(name); }
};

void TestCommandLine::initTestCase() {
    test::writeBytes(path("title.json"), R"({"Title": "Home"})");
    test::writeBytes(path("cafe.json"), R"({"Title": "Café"})");
    test::writeBytes(path("empty.json"), "{}");
    test::writeBytes(path("site.json"), R"({"Title": "Home", "Author": "Ann"})");
    test::writeBytes(path("utf8.json"), R"({"Declare UTF-8": true})");
    test::writeBytes(path("lf.html"), "<head>\n</head>\n");
    test::writeBytes(path("1252.html"), "<head>\r\n<!-- caf\xe9 -->\r\n");
    test::writeBytes(path("titled.html"), "<head><title>Old</title>\n");
    test::writeBytes(path("current.html"), "<head><title>Home</title>\n");
    test::writeBytes(path("nohead.html"), "<body>\n");
    for (const char *folder : {"site/b", "site/.hidden"})
        QDir(m_dir.path()).mkpath(folder);
    for (const char *page : {"site/b/c.xhtml", "site/a.htm", "site/.hidden/d.html"})
        test::writeBytes(path(page), "<html><head><title>Boats</title>\n");
    const QByteArray readLine = R"({"file":"a","encoding":"UTF-8","form":{}})"
                                "\n";
    test::writeBytes(path("lines.json"), readLine + readLine);
}

void TestCommandLine::commands_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("in");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QString>("err"); // a part of the message

    const auto row = [](const char *name, const QStringList &arguments, int code,
                        const QByteArray &out, const QString &err, const QByteArray &in = {}) {
        QTest::newRow(name) << arguments << in << code << out << err;
    };
    const QString f = path("title.json");
    const QString unknown = "velko: unknown option %1\nUsage: velko [PAGE]";
    row("generate", {"--generate", f}, 0, "<title>Home</title>\r\n", "");
    row("missing form file", {"--generate", path("no.json")}, 2, {}, "no.json");
    row("two lines of --read output", {"--generate", path("lines.json")}, 2, {},
        path("lines.json") + ": more than one line of --read output");
    row("unknown option", {"--bogus"}, 2, {}, unknown.arg("--bogus"));
    row("unknown one-dash option, no window", {"-read", path("lf.html")}, 2, {},
        unknown.arg("-read"));
    row("window option in a command-line mode",
        {"--read", "-platform", "offscreen", path("lf.html")}, 2, {}, unknown.arg("-platform"));
    row("two modes", {"--read", "--generate", f, "p"}, 2, {}, "one of");
    row("insert, LF page", {"--insert", f, path("lf.html")}, 0,
        "<head>\n<title>Home</title>\n\n</head>\n", "");
    row("insert where a title is", {"--insert", f, path("titled.html")}, 0,
        "<head>\n<title>Home</title>\n<title>Old</title>\n", "may already appear");
    row("insert without head tag", {"--insert", f, path("nohead.html")}, 1, {},
        "velko: This file does not appear");
    row("insert an empty block", {"--insert", path("empty.json"), path("lf.html")}, 1, {},
        "velko: No generated tags");
    row("insert, output to \"-\"", {"--insert", f, path("lf.html"), "--output", "-"}, 0,
        "<head>\n<title>Home</title>\n\n</head>\n", "");
    // Input that never ends is read only up to a limit.
    row("a form file that never ends", {"--generate", "/dev/zero"}, 2, {},
        "velko: /dev/zero: too large\n");
    row("a list that never ends", {"--read", "--files-from", "/dev/zero", "-0"}, 2, {},
        "velko: /dev/zero: too large\n");
    row("a form's LF in a CR LF page", {"--insert", "-", path("1252.html")}, 0,
        "<head>\r\n<meta name=\"keywords\" content=\"a\r\nb\">\r\n\r\n<!-- caf\xe9 -->\r\n", "",
        R"({"Keywords": "a\nb"})");

    // Bad form files: a usage error that says what is wrong.
    const std::pair<const char *, const char *> refused[] = {
        {R"({"Titel": ""})", "velko: -: unknown key \"Titel\""},
        {R"({"Spare slot": ""})", "Spare slot"},
        {R"({"Title": 1})", "\"Title\": expected"},
        {R"({"Robot": {"index": 4}})", "out of range"},
        {R"({"Robot": {"index": -2}})", "out of range"},
        {R"({"Robot": {"index": 1.5}})", "not an integer"},
        {R"({"Robot": "\ude00"})", "\"Robot\": not valid Unicode"},
        {"{\"Title\"", "not valid JSON"},
        {"[]", "not a JSON object"},
    };
    for (const auto &[form, err] : refused)
        row(form, {"--generate", "-"}, 2, {}, err, form);

    // --check: a line per finding; status 1 once an error is among them.
    const QString lf = path("lf.html");
    row("check, rules ignored, pages from a list",
        {"--check", "--ignore", "title-missing,description-missing",
         "--ignore=charset-missing,doctype-missing,icon-missing", "--files-from", "-"},
        0,
        QFile::encodeName(lf) + ":1:1: warning: The head has no viewport meta tag; phones show "
                                "the page zoomed out. [viewport-missing]\n",
        "", QFile::encodeName(lf) + "\n");
    row("check, JSON lines",
        {"--check", "--format=json", "--ignore=charset-missing,description-missing",
         "--ignore=viewport-missing,title-missing,doctype-missing,icon-missing",
         path("nohead.html")},
        0,
        R"({"file":")" + QFile::encodeName(path("nohead.html")) +
            R"(","line":1,"column":1,"severity":"note","rule":"head-implied",)"
            R"("message":"The page has no head tag; add <head> after <html> for Velko to put )"
            R"(tags in."})"
            "\n",
        "");
    // A folder: its pages in path order, hidden ones left out, as a site; then
    // the summary.
    const QString ignored = "--ignore=charset-missing,description-missing,viewport-missing,doctype-"
                            "missing,icon-missing";
    row("check, a folder", {"--check", ignored, path("site")}, 0,
        QFile::encodeName(path("site/a.htm")) +
            ":1:1: note: The html tag has no lang attribute. [lang-missing]\n" +
            QFile::encodeName(path("site/a.htm")) +
            ":1:13: warning: 1 other indexable pages have this title, the first " +
            QFile::encodeName(path("site/b/c.xhtml")) + ". [title-shared]\n" +
            QFile::encodeName(path("site/b/c.xhtml")) +
            ":1:1: note: The html tag has no lang attribute. [lang-missing]\n" +
            QFile::encodeName(path("site/b/c.xhtml")) +
            ":1:13: warning: 1 other indexable pages have this title, the first " +
            QFile::encodeName(path("site/a.htm")) + ". [title-shared]\n",
        "velko: 2 pages, 4 findings (0 errors, 2 warnings, 2 notes) in ");
    row("check, a folder, quiet",
        {"--check", ignored, "--ignore=lang-missing,title-shared", "--quiet", path("site"),
         "--site-url", "https://example.org/"},
        0, {}, "");
    row("check, not a site address", {"--check", "--site-url", "example.org", lf}, 2, {},
        "velko: --site-url takes an http or https address");
    row("check, a page missing",
        {"--check", "--ignore=viewport-missing,title-missing,charset-missing,description-missing",
         "--ignore=doctype-missing,icon-missing", path("gone.html"), lf},
        1, {}, "velko: " + path("gone.html") + ": No such file");
    row("check, an unknown rule", {"--check", "--ignore", "title-missing,nope", lf}, 2, {},
        "velko: --ignore: unknown rule nope (see velko --help)");
    row("check, an unknown format", {"--check", "--format=xml", lf}, 2, {},
        "velko: --format takes text or json");
    row("check without pages", {"--check"}, 2, {}, "velko: --check takes one or more pages");
    row("format without check", {"--read", "--format=json", lf}, 2, {},
        "velko: --format does not go with --read");

    // The window: Qt's options and their values reach it; the page is checked
    // first, on a platform that would open the window.
    row("missing page",
        {"-platform", "offscreen", "-style", "fusion", "-reverse", path("gone.html")}, 1, {},
        "velko: " + path("gone.html") + ": No such file");
    row("a folder as page", {"-platform", "offscreen", m_dir.path()}, 1, {},
        "velko: " + m_dir.path() + ": Not a regular file");
    row("no display", {path("lf.html")}, 1, {},
        "velko: cannot open the window: no display (the command-line modes need none)\n");
    row("a platform that cannot start", {"-platform", "no-such-platform"}, 1, {},
        "velko: cannot open the window (the command-line modes need no display)\n");
}

void TestCommandLine::commands() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, in);
    QFETCH(int, code);
    QFETCH(QByteArray, out);
    QFETCH(QString, err);
    const Run run = runVelko(arguments, in);
    QCOMPARE(run.code, code);
    QCOMPARE(run.out, out);
    QVERIFY2(QString::fromUtf8(run.err).contains(err), run.err.constData());
}

namespace {

// The pages --update works on, as they are before each case and after an
// update with the title "Café": an LF page without a last line break, and a
// Windows-1252 page with CR LF.
const QByteArray kLf = "<head>\n<title>Old</title>\n<title>Dup</title>\n</head>\n<body></body>";
const QByteArray kLfUpdated = "<head>\n<title>Caf\xc3\xa9</title>\n</head>\n<body></body>";
const QByteArray kWindows = "<head>\r\n<!-- caf\xe9 -->\r\n<TITLE>x</TITLE>\r\n</head>\r\n";
const QByteArray kWindowsUpdated =
    "<head>\r\n<!-- caf\xe9 -->\r\n<TITLE>Caf\xe9</TITLE>\r\n</head>\r\n";

} // namespace

void TestCommandLine::update_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QString>("err");   // a part of the messages
    QTest::addColumn<QByteArray>("lf"); // the pages afterwards
    QTest::addColumn<QByteArray>("windows");

    const QString f = path("cafe.json");
    const QString lf = path("update-lf.html");
    const QString windows = path("update-1252.html");
    const QString noHead = path("nohead.html");
    const auto row = [](const char *name, const QStringList &arguments, int code,
                        const QByteArray &out, const QString &err, const QByteArray &lfAfter = kLf,
                        const QByteArray &windowsAfter = kWindows, const QByteArray &input = {}) {
        QTest::newRow(name) << arguments << input << code << out << err << lfAfter << windowsAfter;
    };
    row("to standard output", {"--update", f, lf}, 0, kLfUpdated,
        lf + ": replaced 1, added 0, removed 1\n");
    row("a windows-1252 page to a file", {"--update", f, windows, "--output", lf}, 0, {},
        windows + ": replaced 1", kWindowsUpdated);
    row("in place, a page without head tag among them",
        {"--update", f, "--in-place", lf, noHead, windows}, 1, {},
        noHead + ": This file does not appear to be a valid HTML file.\n", kLfUpdated,
        kWindowsUpdated);
    row("in place, pages from a list", {"--update", f, "--in-place", "--files-from", "-"}, 0, {},
        windows + ": replaced 1", kLfUpdated, kWindowsUpdated,
        (lf + "\n" + windows + "\n").toUtf8());
    row("in place, already up to date",
        {"--update", path("title.json"), "--in-place", path("current.html")}, 0, {},
        "current.html: unchanged\n");
    const QByteArray diff =
        "--- " + lf.toUtf8() + "\n+++ " + lf.toUtf8() +
        "\n@@ -1,5 +1,4 @@\n <head>\n-<title>Old</title>\n-<title>Dup</title>\n"
        "+<title>Caf\xc3\xa9</title>\n </head>\n <body></body>\n\\ No newline at end of file\n"
        "--- " +
        windows.toUtf8() + "\n+++ " + windows.toUtf8() +
        "\n@@ -1,4 +1,4 @@\n <head>\r\n <!-- caf\xe9 -->\r\n-<TITLE>x</TITLE>\r\n"
        "+<TITLE>Caf\xe9</TITLE>\r\n </head>\r\n";
    row("dry run", {"--update", f, "--in-place", "--dry-run", lf, windows}, 0, diff,
        lf + ": replaced 1");
    row("each page's own title kept",
        {"--update", path("site.json"), "--in-place", "--keep-page-fields", lf}, 0, {},
        lf + ": replaced 0, added 1, removed 0",
        "<head>\n<meta name=\"author\" content=\"Ann\">\n<title>Old</title>\n"
        "<title>Dup</title>\n</head>\n<body></body>");
    row("a charset the page's text is not in",
        {"--update", path("utf8.json"), "--in-place", windows}, 1, {},
        "declare the charset utf-8, but the page is written in windows-1252");
    row("an empty block", {"--update", path("empty.json"), lf}, 1, {}, "velko: No generated tags");
    const std::pair<const char *, QStringList> usage[] = {
        {"no page", {"--update", f}},
        {"two pages, not in place", {"--update", f, lf, windows}},
        {"in place with --output", {"--update", f, "--in-place", lf, "--output", windows}},
        {"a list, not in place", {"--update", f, lf, "--files-from", "-"}},
        {"form and list both from standard input",
         {"--update", "-", "--in-place", "--files-from", "-"}},
        {"a dry run of --insert", {"--insert", f, lf, "--dry-run"}},
        {"--backup, not in place", {"--update", f, lf, "--backup"}},
    };
    for (const auto &[name, arguments] : usage)
        row(name, arguments, 2, {}, "see velko --help");
}

void TestCommandLine::update() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    test::writeBytes(path("update-lf.html"), kLf);
    test::writeBytes(path("update-1252.html"), kWindows);
    const Run run = runVelko(arguments, input);
    QTEST(run.code, "code");
    QTEST(run.out, "out");
    QFETCH(QString, err);
    QVERIFY2(QString::fromUtf8(run.err).contains(err), run.err.constData());
    QTEST(test::bytesOf(path("update-lf.html")), "lf");
    QTEST(test::bytesOf(path("update-1252.html")), "windows");
}

// --read takes its pages from the command line, then from the --files-from
// list; each page gives a line, or a message when it cannot be read.
void TestCommandLine::readLists_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("list"); // "list.txt", or standard input for "-"
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("files"); // the pages read, in order

    const QString a = path("lf.html");
    const QString b = path("1252.html");
    const QString spaced = path("two words.html");
    const QString broken = path("line\nbreak.html");
    for (const QString &name : {spaced, broken})
        test::writeBytes(name, "");
    const QString list = path("list.txt");
    const auto row = [](const char *name, const QStringList &arguments, const QString &list,
                        int code, const QStringList &files) {
        QTest::newRow(name) << arguments << list.toUtf8() << code << files;
    };
    row("pages", {a, b}, {}, 0, {a, b});
    row("LF", {b, "--files-from", list}, a + "\n\n" + spaced + "\n", 0, {b, a, spaced});
    row("CR LF, no last line break", {"--files-from", list}, a + "\r\n\r\n" + b, 0, {a, b});
    row("NUL", {"--files-from", list, "-0"}, a + '\0' + broken + '\0' + '\0', 0, {a, broken});
    row("standard input, a page missing", {"--files-from", "-"}, path("gone.html") + "\n" + a, 1,
        {a});
    row("standard input, empty", {"--files-from", "-"}, {}, 0, {});
}

void TestCommandLine::readLists() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, list);
    QFETCH(int, code);
    QFETCH(QStringList, files);
    test::writeBytes(path("list.txt"), list);
    const Run run = runVelko(QStringList{"--read"} + arguments, list);
    QCOMPARE(run.code, code);
    QStringList read;
    for (const QByteArray &line : run.out.split('\n'))
        if (!line.isEmpty())
            read << QJsonDocument::fromJson(line)["file"].toString();
    QCOMPARE(read, files);
    QCOMPARE(run.err.isEmpty(), code == 0);
}

// A line of --read output is a form --generate takes: what the page's tags
// chose comes back as tags, and what no item matched stays in its slot.
void TestCommandLine::readThenGenerate_data() {
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QByteArray>("lineHas");
    QTest::addColumn<QByteArray>("tags");

    const auto row = [](const char *name, const char *page, const char *lineHas, const char *tags) {
        QTest::newRow(name) << QByteArray(page) << QByteArray(lineHas) << QByteArray(tags);
    };
    row("a robots item chosen",
        "<title>Caf\xe9</title>\n<meta name=\"robots\" content=\"noindex\">\n",
        R"("encoding":"windows-1252")",
        "<title>Café</title>\r\n<meta name=\"robots\" content=\"noindex\">\r\n");
    row("robots text no item matches",
        "<title>Home</title>\n<meta name=\"robots\" content=\"noindex, nofollow\">\n",
        R"("Robot":{"index":-1,"text":"noindex, nofollow"})",
        "<title>Home</title>\r\n<meta name=\"robots\" content=\"noindex, nofollow\">\r\n");
    row("a declared charset", "<meta charset=\"CP1250\"><title>\xb3</title>",
        R"("encoding":"windows-1250")", "<title>ł</title>\r\n");
}

void TestCommandLine::readThenGenerate() {
    QFETCH(QByteArray, page);
    QFETCH(QByteArray, lineHas);
    QFETCH(QByteArray, tags);
    test::writeBytes(path("page.html"), page);
    const Run read = runVelko({"--read", path("page.html")});
    QVERIFY2(read.out.contains(lineHas), read.out.constData());
    const Run generate = runVelko({"--generate", "-"}, read.out);
    QCOMPARE(generate.out, tags);
    QCOMPARE(generate.code, 0);
}

// One key a line, every key a form file has, every value empty: a form
// --generate takes, and finds nothing in.
void TestCommandLine::formTemplateHasEveryKey() {
    const Run run = runVelko({"--form-template"});
    QCOMPARE(run.code, 0);
    const QStringList keys = QJsonDocument::fromJson(formFileText({})).object().keys();
    QCOMPARE(QJsonDocument::fromJson(run.out).object().keys(), keys);
    QCOMPARE(run.out.count('\n'), keys.size() + 2); // "{", the keys, "}"

    const Run generate = runVelko({"--generate", "-"}, run.out);
    QCOMPARE(generate.code, 1);
    QCOMPARE(generate.err, "velko: There are no meta tags to generate.\n");
}

// Every kind of value is read; what the writer writes gives the form back.
void TestCommandLine::formFiles() {
    FormValue form;
    form[Field::Title] = "\"Ł\"\r\n😀";
    form[Field::RefreshSlot] = "5";
    form[List::Robot] = {1, "noindex"};
    form[List::Rating] = {-1, "General"}; // not the item "general": typed
    form[List::PageCaching] = {1, "no-cache"};
    form[List::Charset] = {-1, "edited"}; // an item's text edited: typed
    form[Check::DCTitle] = true;
    QCOMPARE(test::formOf(R"({"Title": "\u0022Ł\u0022\r\n\ud83d\ude00", "Refresh slot": "5",
        "Robot": "noindex", "Rating": "General", "Page Caching": {"index": 1},
        "Charset": {"index": 2, "text": "edited"}, "Use Title": true})"),
             form);

    QCOMPARE(test::formOf(formFileText(test::fullForm())), test::fullForm());
}

// --undo takes back the last --backup run, but not a page changed since, and
// a run without --backup keeps nothing.
void TestCommandLine::backupThenUndo() {
    const QString data = path("data");
    const QString a = path("undo-a.html");
    const QString b = path("undo-b.html");
    const QByteArray old = "<head><title>Old</title>\n";
    test::writeBytes(a, old);
    test::writeBytes(b, old);
    QCOMPARE(
        runVelko({"--update", path("title.json"), "--in-place", "--backup", a, b}, {}, data).code,
        0);
    test::writeBytes(b, "edited");
    QCOMPARE(runVelko({"--update", path("cafe.json"), "--in-place", a}, {}, data).code, 0);
    QVERIFY(test::bytesOf(a).contains("Caf"));
    test::writeBytes(a, "<head><title>Home</title>\n"); // as the --backup run left it
    const Run undo = runVelko({"--undo"}, {}, data);
    QCOMPARE(undo.code, 1);
    QCOMPARE(QString::fromUtf8(undo.err), QString("velko: %1: restored\nvelko: %2: changed since "
                                                  "the update, left alone\n")
                                              .arg(a, b));
    QCOMPARE(test::bytesOf(a), old);
    QCOMPARE(test::bytesOf(b), QByteArray("edited"));
    QCOMPARE(runVelko({"--undo"}, {}, data).err,
             "velko: no update to undo in " + QFile::encodeName(data) + "/velko/undo\n");
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
