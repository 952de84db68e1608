// Pages of every kind, hostile ones included: binary bytes, broken UTF-8,
// huge and many lines, no end to a comment. Velko reads them, shows them and
// saves them back without losing a byte, and refuses what is not a regular
// file instead of blocking on it.

#include "import/UrlHistory.h"
#include "support/InProcessCommandLine.h"
#include "support/TestFiles.h"
#include "support/WindowDriver.h"

#include <QTemporaryDir>
#include <sys/stat.h>

using namespace velko;

namespace {

int read(const QString &path) {
    return test::runInProcess({"--read", path}).code;
}

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pages_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("title"); // what the reader must still find

        QByteArray binary; // every byte value but CR: one style of line break
        for (int i = 0; i < 256 * 64; ++i)
            if (i % 256 != '\r')
                binary += char(i % 256);
        const auto row = [](const char *name, const QByteArray &bytes,
                            const char *title = "Found") {
            QTest::newRow(name) << bytes << QString(title);
        };
        const QByteArray title = "<title>Found</title>\n";
        row("UTF-8", "<title>Łódź 日本 😀</title>\n", "Łódź 日本 😀");
        row("UTF-8 with BOM, CR", "\xef\xbb\xbf<title>\xc5\x81</title>\r", "Ł");
        row("windows-1252", "<title>Caf\xe9 \x80 \x81</title>\r\n", "Café € \u0081");
        // Each of these alone makes a page Windows-1252.
        row("a cut sequence", title + "cut \xc3\n");
        row("BOM, then invalid", "\xef\xbb\xbf" + title + "\xff\n");
        row("only <head>", "<head>\n", "");
        row("binary with NUL bytes", title + binary + "\n");
        row("2 MB on one line", QByteArray(2 << 20, 'w') + title);
        row("a million lines", title + QByteArray("a\n").repeated(1000000));
        row("unclosed comment, 20 MB", "<!--\n" + title + QByteArray(20 << 20, 'c') + "\n", "");
    }
    void pages() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, title);
        const QTemporaryDir dir;
        const QString page = dir.filePath("page.html");
        test::writeBytes(page, bytes);
        QCOMPARE(read(page), 0);
        if (bytes.size() > 4 << 20)
            return; // the window's share of a huge page is left to the benchmarks

        test::WindowDriver d;
        d.desktop().fileChoices << page;
        TRIGGER(d, "mnuFileOpen");
        QCOMPARE(d.window().form()[Field::Title], title);
        d.window().setDocumentText(d.window().documentText() + " "); // as if edited
        d.window().setDocumentText(d.window().documentText().chopped(1));
        TRIGGER(d, "mnuFileSave");
        QCOMPARE(d.desktop().fileDialogs.size(), 1); // written without asking
        QCOMPARE(test::bytesOf(page), bytes);
    }

    void notRegularFiles() {
        const QTemporaryDir dir;
        const QString fifo = dir.filePath("fifo");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(read(fifo), 1); // opening it would wait for a writer forever
    }

    void badHistoryFile() {
        const QTemporaryDir dir;
        const QString path = dir.filePath("Url.dat");
        test::writeBytes(path, QByteArray("http://a\0.example/\n", 19) + QByteArray(10 << 20, 'x') +
                                   "\nhttp://caf\xe9.example/\n");
        QCOMPARE(loadUrlHistory(path), (QStringList{QString::fromLatin1("http://a\0.example/", 18),
                                                    "http://café.example/"}));
    }
};

QTEST_MAIN(TestHostileFiles)
#include "test_hostile_files.moc"
