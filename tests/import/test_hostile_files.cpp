// Pages no one should have to open: binary bytes, broken UTF-8, huge lines,
// a million lines, no end to a comment. Velko reads them, shows them, and
// saves them back without losing a byte; the command line refuses what is not
// a regular file instead of blocking on it.

#include "cli/CommandLine.h"
#include "import/UrlHistory.h"
#include "support/TestFiles.h"
#include "support/WindowDriver.h"

#include <QBuffer>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <sys/stat.h>

using namespace velko;

namespace {

// Every byte value but CR, so that the page keeps one style of line break:
// mixed line breaks are saved in the style of the first.
QByteArray everyByte(int times) {
    QByteArray bytes;
    for (int t = 0; t < times; ++t)
        for (int i = 0; i < 256; ++i)
            if (i != '\r')
                bytes += char(i);
    return bytes;
}

int readExitCode(const QString &path, QByteArray *out = nullptr) {
    QBuffer in, output, err;
    in.open(QIODevice::ReadOnly);
    output.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int code = runCommandLine({"velko", "--read", path}, in, output, err);
    if (out)
        *out = output.data();
    return code;
}

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void pages_data();
    void pages();
    void notRegularFiles();
    void badHistoryFile_data();
    void badHistoryFile();

private:
    QTemporaryDir m_home;
};

void TestHostileFiles::initTestCase() {
    qputenv("XDG_DATA_HOME", m_home.filePath("data").toUtf8());
    qputenv("XDG_CONFIG_HOME", m_home.filePath("config").toUtf8());
}

void TestHostileFiles::pages_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("title"); // what the reader must still find

    const QByteArray title = "<title>Found</title>\n";
    QTest::newRow("empty file") << QByteArray() << "";
    QTest::newRow("only <head>") << QByteArray("<head>") << "";
    QTest::newRow("binary with NUL bytes") << title + everyByte(64) + "\n"
                                           << "Found";
    QTest::newRow("NUL inside the title")
        << QByteArray("<title>a\0b</title>\n", 19) << QString::fromLatin1("a\0b", 3);
    QTest::newRow("invalid UTF-8") << title + "caf\xe9 \xc3\x28 \xed\xa0\x80 \xf8\x88\n"
                                   << "Found";
    QTest::newRow("2 MB on one line") << title.trimmed() + QByteArray(2 * 1024 * 1024, 'w') + "\n"
                                      << "Found";
    QTest::newRow("a million short lines")
        << title + QByteArray("a\n").repeated(1000000) << "Found";
    QTest::newRow("unclosed comment at the top of 20 MB")
        << "<!-- never closed\n" + title + QByteArray(20 * 1024 * 1024, 'c') + "\n"
        << "";
    QTest::newRow("head tag at 40,000 and at the end")
        << QByteArray(40000, ' ') + "<head>" + title + QByteArray(100, ' ') + "<HEAD>\n"
        << "Found";
}

// The command line reads the page; the window imports it, shows it, and
// Save File writes the same bytes back.
void TestHostileFiles::pages() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, title);
    const QTemporaryDir dir;
    const QString page = dir.filePath("page.html");
    test::writeBytes(page, bytes);

    QByteArray line;
    QCOMPARE(readExitCode(page, &line), 0);
    QVERIFY(line.endsWith("}\n"));

    if (bytes.size() > 4 * 1024 * 1024)
        return; // the window's share of a huge page is measured by the benchmarks
    test::WindowDriver d;
    d.desktop().fileChoices << page;
    TRIGGER(d, "mnuFileOpen");
    QVERIFY(d.desktop().messages.isEmpty());
    QCOMPARE(d.window().form()[Field::Title], title);
    if (bytes.isEmpty())
        return; // an empty document offers nothing to save
    d.desktop().fileChoices << "";
    d.window().setDocumentText(d.window().documentText()); // as if edited
    TRIGGER(d, "mnuFileSave");
    QVERIFY(d.desktop().fileDialogs.size() == 1); // written without asking
    QByteArray expected = bytes;
    if (!expected.endsWith('\n'))
        expected += "\r\n"; // a saved file ends with a line break
    QCOMPARE(test::bytesOf(page), expected);
}

void TestHostileFiles::notRegularFiles() {
    const QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo");
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Opening a FIFO for reading would wait for a writer forever.
    QCOMPARE(readExitCode(fifo), 1);
    QCOMPARE(readExitCode(dir.path()), 1);
    QCOMPARE(readExitCode("/dev/zero"), 1);
}

void TestHostileFiles::badHistoryFile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("urls");
    QTest::newRow("NUL bytes") << QByteArray("http://a.example/\0\0\nhttp://b.example/\n", 38)
                               << QStringList{QString::fromLatin1("http://a.example/\0\0", 19),
                                              "http://b.example/"};
    QTest::newRow("a 10 MB line") << "http://a.example/\n" + QByteArray(10 * 1024 * 1024, 'x') +
                                         "\nhttp://b.example/\n"
                                  << QStringList{"http://a.example/", "http://b.example/"};
    QTest::newRow("invalid UTF-8")
        << QByteArray("http://caf\xe9.example/\n") << QStringList{"http://café.example/"};
}

// A broken history file opens the dialog all the same; no line is a crash.
void TestHostileFiles::badHistoryFile() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, urls);
    test::writeBytes(urlHistoryPath(), bytes);
    QCOMPARE(loadUrlHistory(urlHistoryPath()), urls);

    test::WindowDriver d;
    QTimer::singleShot(0, &d.window(), [&d] {
        auto *dialog = d.window().findChild<QDialog *>("frmOpenWebPage");
        dialog->findChild<QPushButton *>("cmdCancel")->click();
    });
    TRIGGER(d, "mnuFileOpenWebPage");
    QCOMPARE(loadUrlHistory(urlHistoryPath()), urls);
}

QTEST_MAIN(TestHostileFiles)
#include "test_hostile_files.moc"
