#include "cli/CommandLine.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace velko;

namespace {

struct Run {
    int code;
    QByteArray out;
    QByteArray err;
};

Run run(const QStringList &arguments, const QByteArray &input = {}) {
    QBuffer in, out, err;
    in.setData(input);
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int code = runCommandLine(QStringList{"velko"} + arguments, in, out, err);
    return {code, out.data(), err.data()};
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void modeSelection_data();
    void modeSelection();
    void commands_data();
    void commands();
    void insertKeepsThePagesEncodingAndBreaks_data();
    void insertKeepsThePagesEncodingAndBreaks();
    void insertWritesOutputFiles();
    void readPrintsOneLinePerPage();
    void runsWithoutADisplay();

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) { return m_dir.filePath(name); }
};

void TestCommandLine::initTestCase() {
    test::writeBytes(path("title.json"), R"({"Title": "Homepage"})");
    test::writeBytes(path("empty.json"), "{}");
    test::writeBytes(path("bad.json"), R"({"Titel": "x"})");
    test::writeBytes(path("dc.json"), R"({"DC.Creator": "Ann", "Use Title": true})");
    test::writeBytes(path("page.html"), "<html>\r\n<head>\r\n</head>\r\n</html>\r\n");
    test::writeBytes(path("nohead.html"), "<html><body></body></html>\r\n");
    test::writeBytes(path("titled.html"), "<html><head><title>Old</title></head></html>\r\n");
}

void TestCommandLine::modeSelection_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("commandLine");

    QTest::newRow("no arguments") << QStringList{} << false;
    QTest::newRow("a page") << QStringList{"page.html"} << false;
    QTest::newRow("a Qt option") << QStringList{"-platform", "offscreen"} << false;
    QTest::newRow("--generate") << QStringList{"--generate", "f.json"} << true;
    QTest::newRow("--generate=") << QStringList{"--generate=f.json"} << true;
    QTest::newRow("--insert") << QStringList{"--insert", "f", "p"} << true;
    QTest::newRow("--version") << QStringList{"--version"} << true;
    QTest::newRow("--read") << QStringList{"--read", "p"} << true;
    QTest::newRow("-h") << QStringList{"-h"} << true;
    QTest::newRow("an unknown -- option") << QStringList{"--bogus"} << true;
}

void TestCommandLine::modeSelection() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, commandLine);
    QCOMPARE(isCommandLineMode(QStringList{"velko"} + arguments), commandLine);
}

void TestCommandLine::commands_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QString>("err"); // a fragment of the message

    const QString dir = m_dir.path() + "/";
    QTest::newRow("version") << QStringList{"--version"} << QByteArray() << 0
                             << QByteArray("Velko 1.31\n") << "";
    QTest::newRow("generate") << QStringList{"--generate", dir + "title.json"} << QByteArray() << 0
                              << QByteArray("<title>Homepage</title>\r\n") << "";
    QTest::newRow("generate from stdin")
        << QStringList{"--generate", "-"} << QByteArray(R"({"Robot": "none"})") << 0
        << QByteArray("<meta name=\"robots\" content=\"none\">\r\n") << "";
    QTest::newRow("generate lower-case DC")
        << QStringList{"--generate", dir + "dc.json", "--lowercase-dc"} << QByteArray() << 0
        << QByteArray("<meta name=\"DC.title\" content=\"\">\r\n"
                      "<meta name=\"DC.creator\" content=\"Ann\">\r\n")
        << "";
    QTest::newRow("generate UTF-8")
        << QStringList{"--generate", "-"} << QString(R"({"Author": "Łucja"})").toUtf8() << 0
        << QString("<meta name=\"author\" content=\"Łucja\">\r\n").toUtf8() << "";
    QTest::newRow("empty block") << QStringList{"--generate", dir + "empty.json"} << QByteArray()
                                 << 1 << QByteArray()
                                 << "velko: There are no meta tags to generate.";
    QTest::newRow("bad form file") << QStringList{"--generate", dir + "bad.json"} << QByteArray()
                                   << 2 << QByteArray() << "Titel";
    QTest::newRow("missing form file") << QStringList{"--generate", dir + "none.json"}
                                       << QByteArray() << 2 << QByteArray() << "none.json";
    QTest::newRow("no mode") << QStringList{"--lowercase-dc"} << QByteArray() << 2 << QByteArray()
                             << "--generate";
    QTest::newRow("unknown option") << QStringList{"--generate", "-", "--frobnicate"}
                                    << QByteArray() << 2 << QByteArray() << "frobnicate";
    QTest::newRow("read without a page")
        << QStringList{"--read"} << QByteArray() << 2 << QByteArray() << "one or more pages";
    QTest::newRow("two modes") << QStringList{"--read", "--generate", "-", "p"} << QByteArray() << 2
                               << QByteArray() << "one of";
    QTest::newRow("insert without a page") << QStringList{"--insert", dir + "title.json"}
                                           << QByteArray() << 2 << QByteArray() << "one page";
    QTest::newRow("insert") << QStringList{"--insert", dir + "title.json", dir + "page.html"}
                            << QByteArray() << 0
                            << QByteArray("<html>\r\n<head>\r\n<title>Homepage</title>\r\n\r\n"
                                          "</head>\r\n</html>\r\n")
                            << "";
    QTest::newRow("insert without head tag")
        << QStringList{"--insert", dir + "title.json", dir + "nohead.html"} << QByteArray() << 1
        << QByteArray() << "velko: This file does not appear to be a valid HTML file.";
    QTest::newRow("insert an empty block")
        << QStringList{"--insert", dir + "empty.json", dir + "page.html"} << QByteArray() << 1
        << QByteArray() << "velko: No generated tags";
    QTest::newRow("insert where a title is")
        << QStringList{"--insert", dir + "title.json", dir + "titled.html"} << QByteArray() << 0
        << QByteArray("<html><head>\r\n<title>Homepage</title>\r\n<title>Old</title></head>"
                      "</html>\r\n")
        << "may already appear";
    QTest::newRow("insert into a missing page")
        << QStringList{"--insert", dir + "title.json", dir + "gone.html"} << QByteArray() << 1
        << QByteArray() << "gone.html";
    QTest::newRow("insert into a folder")
        << QStringList{"--insert", dir + "title.json", m_dir.path()} << QByteArray() << 1
        << QByteArray() << m_dir.path();
}

void TestCommandLine::commands() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, code);
    QFETCH(QByteArray, out);
    QFETCH(QString, err);
    const Run result = run(arguments, input);
    QCOMPARE(result.out, out);
    QVERIFY2(QString::fromUtf8(result.err).contains(err), result.err.constData());
    QVERIFY(!err.isEmpty() || result.err.isEmpty());
    QCOMPARE(result.code, code);
}

void TestCommandLine::insertKeepsThePagesEncodingAndBreaks_data() {
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QByteArray>("result");

    QTest::newRow("LF") << QByteArray("<head>\n</head>\n")
                        << QByteArray("<head>\n<title>Homepage</title>\n\n</head>\n");
    QTest::newRow("CR") << QByteArray("<head>\r</head>")
                        << QByteArray("<head>\r<title>Homepage</title>\r\r</head>\r");
    QTest::newRow("windows-1252") << QByteArray("<head>\r\n<!-- caf\xe9 -->\r\n")
                                  << QByteArray("<head>\r\n<title>Homepage</title>\r\n\r\n"
                                                "<!-- caf\xe9 -->\r\n");
    QTest::newRow("UTF-8 with BOM")
        << QByteArray("\xef\xbb\xbf<head>\n")
        << QByteArray("\xef\xbb\xbf<head>\n<title>Homepage</title>\n\n");
}

void TestCommandLine::insertKeepsThePagesEncodingAndBreaks() {
    QFETCH(QByteArray, page);
    QFETCH(QByteArray, result);
    test::writeBytes(path("styled.html"), page);
    const Run run_ = run({"--insert", path("title.json"), path("styled.html")});
    QCOMPARE(run_.code, 0);
    QCOMPARE(run_.out, result);
}

void TestCommandLine::insertWritesOutputFiles() {
    test::writeBytes(path("in-place.html"), "<head></head>\n");
    const Run inPlace = run(
        {"--insert", path("title.json"), path("in-place.html"), "--output", path("in-place.html")});
    QCOMPARE(inPlace.code, 0);
    QVERIFY(inPlace.out.isEmpty());
    QCOMPARE(test::bytesOf(path("in-place.html")), "<head>\n<title>Homepage</title>\n</head>\n");

    const Run intoFolder =
        run({"--insert", path("title.json"), path("in-place.html"), "--output", m_dir.path()});
    QCOMPARE(intoFolder.code, 1);
    QVERIFY(QFileInfo(m_dir.path()).isDir());
}

void TestCommandLine::readPrintsOneLinePerPage() {
    test::writeBytes(path("read1.html"),
                     "<title>Caf\xe9</title>\n<meta name=\"robots\" content=\"none\">\n");
    test::writeBytes(path("read2.html"), "<meta name=\"DC.Title\" content=\"x\">");
    const Run result = run({"--read", path("read1.html"), path("gone.html"), path("read2.html")});
    QCOMPARE(result.code, 1);
    QVERIFY(QString::fromUtf8(result.err).startsWith("velko: " + path("gone.html") + ": "));
    const QList<QByteArray> lines = result.out.split('\n');
    QCOMPARE(lines.size(), 3); // two lines and the final line break
    const QJsonObject first = QJsonDocument::fromJson(lines[0]).object();
    QCOMPARE(first["file"].toString(), path("read1.html"));
    QCOMPARE(first["encoding"].toString(), "windows-1252");
    QCOMPARE(first["form"]["Title"].toString(), "Café");
    QCOMPARE(first["form"]["Robot"]["index"].toInt(), 3);
    QCOMPARE(first["form"].toObject().size(), 48);
    const QJsonObject second = QJsonDocument::fromJson(lines[1]).object();
    QCOMPARE(second["encoding"].toString(), "UTF-8");
    QCOMPARE(second["form"]["Use Title"].toBool(), true);
    QCOMPARE(second["form"]["DC.Title slot"].toString(), "x");

    // The output feeds --generate as a form file.
    test::writeBytes(path("read1.json"), QJsonDocument(first["form"].toObject()).toJson());
    QCOMPARE(
        run({"--generate", path("read1.json")}).out,
        QString("<title>Café</title>\r\n<meta name=\"robots\" content=\"none\">\r\n").toUtf8());
}

// The command-line modes must not need a display: with no platform at all
// they still run, where a QApplication would abort.
void TestCommandLine::runsWithoutADisplay() {
    QProcess velko;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "no-such-platform");
    velko.setProcessEnvironment(environment);
    velko.start(VELKO_BINARY, {"--generate", "-"});
    velko.write(R"({"Title": "x"})");
    velko.closeWriteChannel();
    QVERIFY(velko.waitForFinished(10000));
    QCOMPARE(velko.exitCode(), 0);
    QCOMPARE(velko.readAllStandardOutput(), "<title>x</title>\r\n");
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
