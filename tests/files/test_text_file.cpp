#include "files/TextFile.h"

#include <QTest>

using namespace velko;

Q_DECLARE_METATYPE(velko::Encoding)
Q_DECLARE_METATYPE(velko::LineBreak)

class TestTextFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void choosesTheEncoding_data();
    void choosesTheEncoding();
    void encodes_data();
    void encodes();
    void keepsLineBreaks_data();
    void keepsLineBreaks();
};

void TestTextFile::choosesTheEncoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("httpCharset");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("text");

    QByteArray everyByte;
    for (int i = 0; i < 256; ++i)
        everyByte += char(i);
    const QString everyCharacter = QString::fromLatin1(everyByte).replace(
        0x80, 32, QString("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ"));
    // Without an HTTP header charset unless one is given.
    const auto row = [](const char *name, const QByteArray &bytes, const char *encoding,
                        const QString &text, const char *httpCharset = "") {
        QTest::newRow(name) << bytes << QByteArray(httpCharset) << QString(encoding) << text;
    };
    row("all 256 byte values", everyByte, "windows-1252", everyCharacter);
    row("UTF-8", "Łódź 日本 😀\r\n", "UTF-8", "Łódź 日本 😀\r\n");
    row("UTF-8 mark, then a byte that is not UTF-8", "\xef\xbb\xbf\xff", "UTF-8", QChar(0xDCFF));
    row("UTF-16 LE", QByteArray("\xff\xfe<\0\x42\x01\n\0", 8), "UTF-16LE", "<ł\n");
    row("UTF-16 BE", QByteArray("\xfe\xff\0<\x01\x42", 6), "UTF-16BE", "<ł");
    row("UTF-16 mark, odd length", "\xff\xfe<", "windows-1252", "ÿþ<");
    row("declares UTF-8, has a stray byte", "<meta charset=utf-8>\xe9", "UTF-8",
        QString("<meta charset=utf-8>") + QChar(0xDCE9));
    row("declares iso-8859-1, read as browsers do", "<meta charset=iso-8859-1>\x80", "windows-1252",
        "<meta charset=iso-8859-1>€");
    row("declares GB2312, bytes that are not", "<meta charset=gb2312>\xff\xff", "windows-1252",
        "<meta charset=gb2312>ÿÿ");
    row("a charset Qt does not know", "<meta charset=klingon>\xe9", "windows-1252",
        "<meta charset=klingon>é");
    const QByteArray late = QByteArray(1000, ' ') + "<meta charset=windows-1250>\xb3";
    row("declared past the first 1,024 bytes", late, "windows-1252", QString::fromLatin1(late));
    row("the HTTP header comes first", "<meta charset=iso-8859-2>\x9c", "windows-1250",
        "<meta charset=iso-8859-2>ś", "windows-1250");
}

// The bytes are read in the encoding expected and written back exactly.
void TestTextFile::choosesTheEncoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, httpCharset);
    QFETCH(QString, encoding);
    QFETCH(QString, text);
    const DecodedText decoded = decodeText(bytes, httpCharset);
    QCOMPARE(decoded.format.encoding.name(), encoding);
    QCOMPARE(decoded.text, text);
    QCOMPARE(encodeCharacters(decoded.text, decoded.format), bytes);
}

void TestTextFile::encodes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Encoding>("encoding");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("characters 1252 lacks")
        << QString("ł € 😀") << Encoding::windows1252() << QByteArray("&#322; \x80 &#128512;\r\n");
    QTest::newRow("mixed breaks in one style") << "a\nb\rc\r\n"
                                               << Encoding() << QByteArray("a\r\nb\r\nc\r\n");
    QTest::newRow("empty text") << "" << Encoding() << QByteArray("\r\n");
}

void TestTextFile::encodes() {
    QFETCH(QString, text);
    QFETCH(Encoding, encoding);
    QFETCH(QByteArray, bytes);
    QCOMPARE(encodeText(text, {encoding, LineBreak::CrLf, false}), bytes);
}

void TestTextFile::keepsLineBreaks_data() {
    QTest::addColumn<QString>("original");
    QTest::addColumn<QString>("document"); // as the window holds it: CR LF
    QTest::addColumn<QString>("saved");
    const auto row = [](const char *name, const char *original, const char *document,
                        const char *saved) {
        QTest::newRow(name) << QString(original) << QString(document) << QString(saved);
    };
    row("unchanged, mixed", "a\nb\r\nc\rd", "a\r\nb\r\nc\r\nd", "a\nb\r\nc\rd");
    row("typed inside a line", "a\nb\r\nc\r", "a\r\nbX\r\nc\r\n", "a\nbX\r\nc\r");
    row("new lines take the first style", "a\nb\r\n", "a\r\nn1\r\nn2\r\nb\r\n", "a\nn1\nn2\nb\r\n");
    row("a block before a line like its first", "<html>\n<head>\r\n<title>A</title>\r\n",
        "<html>\r\n<head>\r\n<title>B</title>\r\n\r\n<title>A</title>\r\n",
        "<html>\n<head>\n<title>B</title>\n\r\n<title>A</title>\r\n");
    row("a line removed between kept ones", "a\nb\r\nc\rd\r\ne\rf\n", "a\r\nbX\r\nc\r\ne\r\nfX\r\n",
        "a\nbX\r\nc\re\rfX\n");
    row("a kept and a new line between edits", "a\nb\r\nc\r\nd\n", "a\r\nbX\r\nc\r\nn\r\ndX\r\n",
        "a\nbX\r\nc\r\nn\ndX\n");
    row("lines typed into between edits", "a\nb\r\nc\rd\ne\n", "aX\r\nbY\r\nc\r\ndY\r\neX\r\n",
        "aX\nbY\r\nc\rdY\neX\n");
    row("a lone CR before a kept LF", "x\na\rb\n\nc\n", "xX\r\na\r\n\r\ncX\r\n", "xX\na\r\n\ncX\n");
    row("a changed last line gets a line break", "a\nb\r", "a\r\nbX", "a\nbX\n");
    row("unless the page had none", "a\nb", "a\r\nbX\r\nc", "a\nbX\nc");
    row("typed into a last line", "a\nb", "a\r\nXb", "a\nXb");
    row("a new document", "", "<html>", "<html>\r\n");
}

void TestTextFile::keepsLineBreaks() {
    QFETCH(QString, original);
    QFETCH(QString, document);
    QFETCH(QString, saved);
    QCOMPARE(encodeDocument(document, decodeText(original.toUtf8())), saved.toUtf8());
}

QTEST_APPLESS_MAIN(TestTextFile)
#include "test_text_file.moc"
