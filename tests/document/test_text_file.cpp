#include "document/TextFile.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace velko;

Q_DECLARE_METATYPE(velko::LineBreak)
Q_DECLARE_METATYPE(velko::TextFormat)

namespace {

TextFormat format(Encoding encoding, LineBreak lineBreak, bool byteOrderMark = false) {
    return TextFormat{encoding, lineBreak, byteOrderMark};
}

QByteArray contents(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestTextFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyByteRoundTrips();
    void utf8RoundTrips_data();
    void utf8RoundTrips();
    void invalidUtf8IsWindows1252_data();
    void invalidUtf8IsWindows1252();
    void lineBreaks_data();
    void lineBreaks();
    void encode_data();
    void encode();
    void writeThenRead_data();
    void writeThenRead();
    void writeThroughSymbolicLinks_data();
    void writeThroughSymbolicLinks();
    void writeRefused_data();
    void writeRefused();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
    void readRefuses_data();
    void readRefuses();
};

// Every byte value, with CR and LF moved to the end as one CR LF, so the file
// has a single line-break style and ends with a break.
void TestTextFile::everyByteRoundTrips() {
    QByteArray bytes;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n')
            bytes.append(char(byte));
    }
    bytes.append("\r\n");

    const DecodedText decoded = decodeText(bytes);
    QCOMPARE(decoded.format, format(Encoding::Windows1252, LineBreak::CrLf));
    QCOMPARE(decoded.text.size(), 256);
    QCOMPARE(QSet<QChar>(decoded.text.begin(), decoded.text.end()).size(), 256);
    // Bytes past CR are two characters earlier, as CR and LF moved to the end.
    const QList<QPair<int, char16_t>> samples = {{0x7F, 0x7F}, {0x80, 0x20AC}, {0x81, 0x81},
                                                 {0x9D, 0x9D}, {0x9F, 0x178},  {0xA0, 0xA0},
                                                 {0xFF, 0xFF}};
    for (const auto &[byte, character] : samples)
        QCOMPARE(decoded.text[byte - 2].unicode(), character);
    QCOMPARE(encodeText(decoded.text, decoded.format), bytes);
}

void TestTextFile::utf8RoundTrips_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("byteOrderMark");

    QTest::newRow("ASCII") << QByteArray("<p>Hi</p>\r\n") << u"<p>Hi</p>\r\n"_qs << false;
    QTest::newRow("Polish") << QByteArray("Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87\r\n")
                            << u"Zażółć\r\n"_qs << false;
    QTest::newRow("CJK") << QByteArray("\xE6\x97\xA5\xE6\x9C\xAC\r\n") << u"日本\r\n"_qs << false;
    QTest::newRow("emoji") << QByteArray("\xF0\x9F\x98\x80\r\n") << u"😀\r\n"_qs << false;
    QTest::newRow("byte-order mark")
        << QByteArray("\xEF\xBB\xBF<html>\r\n") << u"<html>\r\n"_qs << true;
}

void TestTextFile::utf8RoundTrips() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, byteOrderMark);

    const DecodedText decoded = decodeText(bytes);
    QCOMPARE(decoded.text, text);
    QCOMPARE(decoded.format, format(Encoding::Utf8, LineBreak::CrLf, byteOrderMark));
    QCOMPARE(encodeText(decoded.text, decoded.format), bytes);
}

void TestTextFile::invalidUtf8IsWindows1252_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    // At the very end of the input, where a decoder waiting for more bytes
    // would not call them an error.
    QTest::newRow("lone E9") << QByteArray("caf\xE9") << u"café"_qs;
    QTest::newRow("truncated sequence") << QByteArray("\xE2\x82") << u"â‚"_qs;
    QTest::newRow("overlong") << QByteArray("\xC0\xAF\n") << u"À¯\r\n"_qs;
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80\n") << u"í\u00A0€\r\n"_qs;
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF\xE9\n") << u"ï»¿é\r\n"_qs;
}

void TestTextFile::invalidUtf8IsWindows1252() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    const DecodedText decoded = decodeText(bytes);
    QCOMPARE(decoded.text, text);
    QCOMPARE(decoded.format.encoding, Encoding::Windows1252);
    QVERIFY(!decoded.format.byteOrderMark);
    const QByteArray lineBreak = decoded.format.lineBreak == LineBreak::Lf ? "\n" : "\r\n";
    QCOMPARE(encodeText(decoded.text, decoded.format),
             bytes.endsWith('\n') ? bytes : bytes + lineBreak);
}

void TestTextFile::lineBreaks_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<LineBreak>("lineBreak");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("LF") << QByteArray("a\nb\n") << u"a\r\nb\r\n"_qs << LineBreak::Lf
                        << QByteArray("a\nb\n");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << u"a\r\nb\r\n"_qs << LineBreak::CrLf
                           << QByteArray("a\r\nb\r\n");
    QTest::newRow("CR") << QByteArray("a\rb\r") << u"a\r\nb\r\n"_qs << LineBreak::Cr
                        << QByteArray("a\rb\r");
    QTest::newRow("blank CR lines")
        << QByteArray("\r\r") << u"\r\n\r\n"_qs << LineBreak::Cr << QByteArray("\r\r");
    QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb\n") << u"a\r\n\r\nb\r\n"_qs
                                         << LineBreak::Lf << QByteArray("a\n\nb\n");
    QTest::newRow("mixed, LF first") << QByteArray("a\nb\r\nc\rd\n") << u"a\r\nb\r\nc\r\nd\r\n"_qs
                                     << LineBreak::Lf << QByteArray("a\nb\nc\nd\n");
    QTest::newRow("mixed, CR LF first") << QByteArray("a\r\nb\nc\r") << u"a\r\nb\r\nc\r\n"_qs
                                        << LineBreak::CrLf << QByteArray("a\r\nb\r\nc\r\n");
    QTest::newRow("mixed, CR first")
        << QByteArray("a\rb\n") << u"a\r\nb\r\n"_qs << LineBreak::Cr << QByteArray("a\rb\r");
    QTest::newRow("no final break")
        << QByteArray("a\nb") << u"a\r\nb"_qs << LineBreak::Lf << QByteArray("a\nb\n");
    QTest::newRow("no break at all")
        << QByteArray("abc") << u"abc"_qs << LineBreak::CrLf << QByteArray("abc\r\n");
    QTest::newRow("empty") << QByteArray() << QString() << LineBreak::CrLf << QByteArray("\r\n");
}

void TestTextFile::lineBreaks() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(LineBreak, lineBreak);
    QFETCH(QByteArray, written);

    const DecodedText decoded = decodeText(bytes);
    QCOMPARE(decoded.text, text);
    QCOMPARE(decoded.format.lineBreak, lineBreak);
    QCOMPARE(encodeText(decoded.text, decoded.format), written);
}

void TestTextFile::encode_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextFormat>("format");
    QTest::addColumn<QByteArray>("bytes");

    const TextFormat ansi = format(Encoding::Windows1252, LineBreak::CrLf);
    QTest::newRow("ł") << u"ł"_qs << ansi << QByteArray("&#322;\r\n");
    QTest::newRow("€") << u"€"_qs << ansi << QByteArray("\x80\r\n");
    QTest::newRow("emoji") << u"a😀b"_qs << ansi << QByteArray("a&#128512;b\r\n");
    QTest::newRow("lone surrogate") << QString(QChar(0xD83D)) << ansi << QByteArray("&#55357;\r\n");
    QTest::newRow("U+0080") << u"\u0080"_qs << ansi << QByteArray("&#128;\r\n");
    QTest::newRow("lone breaks to CR LF") << u"a\nb\rc"_qs << ansi << QByteArray("a\r\nb\r\nc\r\n");
    QTest::newRow("CR LF to LF") << u"a\r\nb"_qs << format(Encoding::Utf8, LineBreak::Lf)
                                 << QByteArray("a\nb\n");
    QTest::newRow("empty, CR") << QString() << format(Encoding::Windows1252, LineBreak::Cr)
                               << QByteArray("\r");
    QTest::newRow("empty, byte-order mark")
        << QString() << format(Encoding::Utf8, LineBreak::Lf, true) << QByteArray("\xEF\xBB\xBF\n");
}

void TestTextFile::encode() {
    QFETCH(QString, text);
    QFETCH(TextFormat, format);
    QFETCH(QByteArray, bytes);

    QCOMPARE(encodeText(text, format), bytes);
}

void TestTextFile::writeThenRead_data() {
    QTest::addColumn<TextFormat>("format");

    QTest::newRow("UTF-8") << format(Encoding::Utf8, LineBreak::CrLf);
    QTest::newRow("UTF-8 with byte-order mark, LF") << format(Encoding::Utf8, LineBreak::Lf, true);
    QTest::newRow("Windows-1252, CR") << format(Encoding::Windows1252, LineBreak::Cr);
}

void TestTextFile::writeThenRead() {
    QFETCH(TextFormat, format);
    QTemporaryDir dir;
    const QString path = dir.filePath("page.html");
    const QString text = u"<p>Café € ÿ</p>\r\n"_qs;

    QString error;
    QVERIFY(writeTextFile(path, QString(1000, 'x'), format, &error));
    QVERIFY2(writeTextFile(path, text, format, &error), qPrintable(error));
    const std::optional<DecodedText> read = readTextFile(path, &error);
    QVERIFY2(read, qPrintable(error));
    QCOMPARE(read->text, text);
    QCOMPARE(read->format, format);
}

void TestTextFile::writeThroughSymbolicLinks_data() {
    // Each name links to the next; the last is the file that gets the content.
    QTest::addColumn<QStringList>("chain");

    QTest::newRow("link") << QStringList{"page.html", "real.html"};
    QTest::newRow("chain of links") << QStringList{"page.html", "sub/link.html", "../real.html"};
    QTest::newRow("dangling link") << QStringList{"page.html", "new.html"};
}

void TestTextFile::writeThroughSymbolicLinks() {
    QFETCH(QStringList, chain);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    QVERIFY(writeFileAtomically(dir.filePath("real.html"), "old\n", nullptr));
    QStringList links;
    QString target = dir.filePath(chain[0]);
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
        QVERIFY(QFile::link(chain[i + 1], target));
        links.append(target);
        target = QFileInfo(target).dir().filePath(chain[i + 1]);
    }

    QString error;
    QVERIFY2(writeFileAtomically(links[0], "new\n", &error), qPrintable(error));
    for (const QString &link : links)
        QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(contents(target), QByteArray("new\n"));
    const std::optional<DecodedText> read = readTextFile(links[0], &error);
    QVERIFY2(read, qPrintable(error));
    QCOMPARE(read->text, u"new\r\n"_qs);
}

void TestTextFile::writeRefused_data() {
    QTest::addColumn<QString>("name");

    QTest::newRow("folder") << "folder";
    QTest::newRow("link to a folder") << "link";
    QTest::newRow("missing folder") << "missing/page.html";
    QTest::newRow("link cycle") << "cycle";
}

// Nothing on disk changes.
void TestTextFile::writeRefused() {
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("folder/inside"));
    QVERIFY(QFile::link("folder", dir.filePath("link")));
    QVERIFY(QFile::link("cycle", dir.filePath("cycle")));

    QString error;
    QVERIFY(!writeFileAtomically(dir.filePath(name), "text\n", &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(dir.filePath("folder/inside")).isDir());
    QVERIFY(QFileInfo(dir.filePath("link")).isSymLink());
    QVERIFY(QFileInfo(dir.filePath("cycle")).isSymLink());
    QVERIFY(!QFileInfo::exists(dir.filePath("missing")));
}

// Bytes smaller than QFile's write buffer fail only when flushed, larger ones
// already in write().
void TestTextFile::failedWriteKeepsOldFile_data() {
    QTest::addColumn<int>("size");

    QTest::newRow("smaller than the buffer") << 8000;
    QTest::newRow("larger than the buffer") << 100000;
}

void TestTextFile::failedWriteKeepsOldFile() {
    QFETCH(int, size);
    QTemporaryDir dir;
    const QString path = dir.filePath("page.html");
    QString error;
    QVERIFY(writeFileAtomically(path, "old\n", &error));

    // Writing past the limit then fails with EFBIG instead of raising SIGXFSZ.
    rlimit oldLimit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = oldLimit;
    limit.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const bool written = writeFileAtomically(path, QByteArray(size, 'x'), &error);
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!written);
    QCOMPARE(error, QString::fromLocal8Bit(std::strerror(EFBIG)));
    QCOMPARE(contents(path), QByteArray("old\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"page.html"});
}

void TestTextFile::readRefuses_data() {
    QTest::addColumn<QString>("name");

    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("device") << "/dev/null";
    QTest::newRow("folder") << "folder";
    QTest::newRow("missing file") << "missing.html";
}

// A FIFO opened for reading would block this test until it times out.
void TestTextFile::readRefuses() {
    QFETCH(QString, name);
    QTemporaryDir dir;
    QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
    QVERIFY(QDir(dir.path()).mkdir("folder"));

    QString error;
    QVERIFY(!readTextFile(QDir(dir.path()).filePath(name), &error));
    QVERIFY(!error.isEmpty());
}

QTEST_APPLESS_MAIN(TestTextFile)
#include "test_text_file.moc"
