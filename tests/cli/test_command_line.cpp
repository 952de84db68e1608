#include "cli/CommandLine.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace velko;

class TestCommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void commands_data();
    void commands();
    void readPrintsAFormFile();
    void runsWithoutADisplay();

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) { return m_dir.filePath(name); }
};

void TestCommandLine::initTestCase() {
    test::writeBytes(path("title.json"), R"({"Title": "Home"})");
    test::writeBytes(path("empty.json"), "{}");
    test::writeBytes(path("lf.html"), "<head>\n</head>\n");
    test::writeBytes(path("1252.html"), "<head>\r\n<!-- caf\xe9 -->\r\n");
    test::writeBytes(path("titled.html"), "<head><title>Old</title>\n");
    test::writeBytes(path("nohead.html"), "<body>\n");
}

void TestCommandLine::commands_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QString>("err"); // a part of the message

    const QString f = path("title.json");
    QTest::newRow("version") << QStringList{"--version"} << 0 << QByteArray("Velko 1.31\n") << "";
    QTest::newRow("generate") << QStringList{"--generate", f} << 0
                              << QByteArray("<title>Home</title>\r\n") << "";
    QTest::newRow("empty block") << QStringList{"--generate", path("empty.json")} << 1
                                 << QByteArray() << "velko: There are no meta tags to generate.";
    QTest::newRow("missing form file")
        << QStringList{"--generate", path("no.json")} << 2 << QByteArray() << "no.json";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << QByteArray() << "bogus";
    QTest::newRow("two modes") << QStringList{"--read", "--generate", f, "p"} << 2 << QByteArray()
                               << "one of";
    QTest::newRow("insert, LF page")
        << QStringList{"--insert", f, path("lf.html")} << 0
        << QByteArray("<head>\n<title>Home</title>\n\n</head>\n") << "";
    QTest::newRow("insert, windows-1252 page")
        << QStringList{"--insert", f, path("1252.html")} << 0
        << QByteArray("<head>\r\n<title>Home</title>\r\n\r\n<!-- caf\xe9 -->\r\n") << "";
    QTest::newRow("insert where a title is") << QStringList{"--insert", f, path("titled.html")} << 0
                                             << QByteArray("<head>\n<title>Home</title>\n"
                                                           "<title>Old</title>\n")
                                             << "may already appear";
    QTest::newRow("insert without head tag") << QStringList{"--insert", f, path("nohead.html")} << 1
                                             << QByteArray() << "velko: This file does not appear";
    QTest::newRow("insert an empty block")
        << QStringList{"--insert", path("empty.json"), path("lf.html")} << 1 << QByteArray()
        << "velko: No generated tags";
}

void TestCommandLine::commands() {
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QByteArray, out);
    QFETCH(QString, err);
    QCOMPARE(isCommandLineMode(QStringList{"velko"} + arguments), true);
    QBuffer in, output, errors;
    in.open(QIODevice::ReadOnly);
    output.open(QIODevice::WriteOnly);
    errors.open(QIODevice::WriteOnly);
    QCOMPARE(runCommandLine(QStringList{"velko"} + arguments, in, output, errors), code);
    QCOMPARE(output.data(), out);
    QVERIFY2(QString::fromUtf8(errors.data()).contains(err), errors.data().constData());
}

// One JSON line a page, a form file that --generate takes back.
void TestCommandLine::readPrintsAFormFile() {
    QBuffer in, out, err;
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    test::writeBytes(path("read.html"), "<title>Caf\xe9</title>\n<meta name=\"robots\" "
                                        "content=\"none\">\n");
    test::writeBytes(path("1250.html"), "<meta charset=\"CP1250\"><title>\xb3</title>");
    QCOMPARE(
        runCommandLine({"velko", "--read", path("gone.html"), path("read.html"), path("1250.html")},
                       in, out, err),
        1);
    QVERIFY(err.data().contains("gone.html"));
    const QList<QByteArray> lines = out.data().split('\n');
    const QJsonObject line = QJsonDocument::fromJson(lines[0]).object();
    QCOMPARE(line["encoding"].toString(), "windows-1252");
    QCOMPARE(QJsonDocument::fromJson(lines[1])["encoding"].toString(), "windows-1250");
    QCOMPARE(QJsonDocument::fromJson(lines[1])["form"]["Title"].toString(), "ł");
    QCOMPARE(line["form"]["Robot"]["index"].toInt(), 3);
    test::writeBytes(path("read.json"), QJsonDocument(line["form"].toObject()).toJson());
    QProcess velko;
    velko.start(VELKO_BINARY, {"--generate", path("read.json")});
    QVERIFY(velko.waitForFinished());
    QCOMPARE(
        velko.readAllStandardOutput(),
        QString("<title>Café</title>\r\n<meta name=\"robots\" content=\"none\">\r\n").toUtf8());
}

// No display and no platform plugin: a QApplication would abort.
void TestCommandLine::runsWithoutADisplay() {
    QProcess velko;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "no-such-platform");
    velko.setProcessEnvironment(environment);
    velko.start(VELKO_BINARY, {"--generate", "-"});
    velko.write(R"({"Title": "x"})");
    velko.closeWriteChannel();
    QVERIFY(velko.waitForFinished());
    QCOMPARE(velko.readAllStandardOutput(), "<title>x</title>\r\n");
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
