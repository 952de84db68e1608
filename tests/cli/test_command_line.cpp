#include "cli/CommandLine.h"
#include "support/TestFiles.h"
#include "support/TestForms.h"

#include <QBuffer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace velko;

class TestCommandLine : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) { return m_dir.filePath(name); }

private Q_SLOTS:
    void initTestCase() {
        test::writeBytes(path("title.json"), R"({"Title": "Home"})");
        test::writeBytes(path("lf.html"), "<head>\n</head>\n");
        test::writeBytes(path("1252.html"), "<head>\r\n<!-- caf\xe9 -->\r\n");
        test::writeBytes(path("titled.html"), "<head><title>Old</title>\n");
        test::writeBytes(path("nohead.html"), "<body>\n");
        test::writeBytes(path("read.html"),
                         "<title>Caf\xe9</title>\n<meta name=\"robots\" content=none>");
    }

    void commands_data() {
        QTest::addColumn<QStringList>("arguments"); // files by their names in the test's folder
        QTest::addColumn<QByteArray>("in");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QString>("err"); // a part of the message
        const auto row = [](const char *name, const QStringList &arguments, const char *in,
                            int code, const QByteArray &out, const char *err) {
            QTest::newRow(name) << arguments << QByteArray(in) << code << out << QString(err);
        };
        row("generate", {"--generate", "title.json"}, "", 0, "<title>Home</title>\r\n", "");
        row("empty block", {"--generate", "-"}, "{}", 1, "",
            "velko: There are no meta tags to generate.");
        row("missing form file", {"--generate", "no.json"}, "", 2, "", "no.json");
        row("unknown option", {"--bogus"}, "", 2, "", "bogus");
        row("two modes", {"--read", "--generate", "title.json", "p"}, "", 2, "", "one of");
        row("insert, LF page", {"--insert", "title.json", "lf.html"}, "", 0,
            "<head>\n<title>Home</title>\n\n</head>\n", "");
        row("insert, windows-1252 page", {"--insert", "title.json", "1252.html"}, "", 0,
            "<head>\r\n<title>Home</title>\r\n\r\n<!-- caf\xe9 -->\r\n", "");
        row("a form's LF in a CR LF page", {"--insert", "-", "1252.html"},
            R"({"Keywords": "a\nb"})", 0,
            "<head>\r\n<meta name=\"keywords\" content=\"a\r\nb\">\r\n\r\n<!-- caf\xe9 -->\r\n",
            "");
        row("insert where a title is", {"--insert", "title.json", "titled.html"}, "", 0,
            "<head>\n<title>Home</title>\n<title>Old</title>\n", "may already appear");
        row("insert without head tag", {"--insert", "title.json", "nohead.html"}, "", 1, "",
            "velko: This file does not appear");
        row("insert an empty block", {"--insert", "-", "lf.html"}, "{}", 1, "",
            "velko: No generated tags");

        // Bad form files: a usage error that says what is wrong.
        const auto refused = [&row](const char *name, const char *form, const char *err) {
            row(name, {"--generate", "-"}, form, 2, "", err);
        };
        refused("unknown key", R"({"Titel": ""})", "velko: -: unknown key \"Titel\"");
        refused("the spare slot", R"({"Spare slot": ""})", "Spare slot");
        refused("a number for a text", R"({"Title": 1})", "\"Title\": expected");
        refused("index too big", R"({"Robot": {"index": 4}})", "out of range");
        refused("index too small", R"({"Robot": {"index": -2}})", "out of range");
        refused("fractional index", R"({"Robot": {"index": 1.5}})", "not an integer");
        refused("half a surrogate pair", R"({"Robot": "\ude00"})", "\"Robot\": not valid Unicode");
        refused("not JSON", "{\"Title\"", "not valid JSON");
        refused("an array", "[]", "not a JSON object");
    }
    void commands() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, in);
        QFETCH(int, code);
        QFETCH(QByteArray, out);
        QFETCH(QString, err);
        for (QString &argument : arguments)
            if (argument.contains('.'))
                argument = path(argument);
        QCOMPARE(isCommandLineMode(QStringList{"velko"} + arguments), true);
        QBuffer input(&in), output, errors;
        input.open(QIODevice::ReadOnly);
        output.open(QIODevice::WriteOnly);
        errors.open(QIODevice::WriteOnly);
        QCOMPARE(runCommandLine(QStringList{"velko"} + arguments, input, output, errors), code);
        QCOMPARE(output.data(), out);
        QVERIFY2(QString::fromUtf8(errors.data()).contains(err), errors.data().constData());
    }

    // --read prints one JSON line a page, with a form file that --generate
    // takes back, and goes on past a page it cannot read. The program runs
    // with no display and no platform plugin, where a QApplication would abort.
    void readThenGenerateWithoutADisplay() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.insert("QT_QPA_PLATFORM", "no-such-platform");
        QProcess velko;
        velko.setProcessEnvironment(environment);
        velko.start(VELKO_BINARY, {"--read", path("gone.html"), path("read.html")});
        QVERIFY(velko.waitForFinished());
        QCOMPARE(velko.exitCode(), 1);
        const QJsonObject line = QJsonDocument::fromJson(velko.readAllStandardOutput()).object();
        QCOMPARE(line["encoding"].toString(), "windows-1252");
        velko.start(VELKO_BINARY, {"--generate", "-"});
        velko.write(QJsonDocument(line["form"].toObject()).toJson());
        velko.closeWriteChannel();
        QVERIFY(velko.waitForFinished());
        QCOMPARE(
            velko.readAllStandardOutput(),
            QString("<title>Café</title>\r\n<meta name=\"robots\" content=\"none\">\r\n").toUtf8());
    }

    void formFileReadsEveryKindOfValue() {
        FormValue form;
        form[Field::Title] = "\"Ł\"\r\n😀";
        form[Field::RefreshSlot] = "5";
        form[List::Robot] = {1, "noindex"};
        form[List::Rating] = {-1, "General"}; // not the item "general": typed
        form[List::PageCaching] = {1, "no-cache"};
        form[List::Charset] = {2, "edited"};
        form[Check::DCTitle] = true;
        QCOMPARE(test::formOf(R"({"Title": "\u0022Ł\u0022\r\n\ud83d\ude00", "Refresh slot": "5",
            "Robot": "noindex", "Rating": "General", "Page Caching": {"index": 1},
            "Charset": {"index": 2, "text": "edited"}, "Use Title": true})"),
                 form);
    }

    void formFileGivesTheFormBack() {
        FormValue form;
        for (int i = 1; i < kFieldCount; ++i)
            form.texts[i] = QString("\\ \" \x01 %1 ł").arg(i);
        form[List::Language] = {-1, "typed"};
        form[List::Robot] = {3, "none"};
        form.checks.fill(true);
        QCOMPARE(test::formOf(formFileText(form)), form);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
