#include "text/TextFile.h"

#include <QTest>

using namespace velko;

Q_DECLARE_METATYPE(velko::Encoding)
Q_DECLARE_METATYPE(velko::LineBreak)

class TestTextFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Decoded text uses CR LF inside; encoding it back restores every byte.
    void decodesAndGivesTheSameBytesBack_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Encoding>("encoding");
        QTest::addColumn<LineBreak>("lineBreak");

        QByteArray everyByte; // one CR LF, so that the file has one style
        for (int i = 0; i < 256; ++i)
            if (i != '\r' && i != '\n')
                everyByte += char(i);
        QTest::newRow("all 256 byte values") << everyByte + "\r\n"
                                             << Encoding::Windows1252 << LineBreak::CrLf;
        QTest::newRow("UTF-8") << QByteArray("Łódź 日本 😀\nb\n") << Encoding::Utf8 << LineBreak::Lf;
        QTest::newRow("UTF-8 with BOM, CR")
            << QByteArray("\xef\xbb\xbfx\ry\r") << Encoding::Utf8 << LineBreak::Cr;
        for (const char *broken : {"caf\xe9\n", "cut \xc3\n", "overlong \xc0\xaf\n",
                                   "surrogate \xed\xa0\x80\n", "\xef\xbb\xbf\xff\n"})
            QTest::newRow(broken) << QByteArray(broken) << Encoding::Windows1252 << LineBreak::Lf;
    }
    void decodesAndGivesTheSameBytesBack() {
        QFETCH(QByteArray, bytes);
        QFETCH(Encoding, encoding);
        QFETCH(LineBreak, lineBreak);
        const DecodedText decoded = decodeText(bytes);
        QCOMPARE(decoded.format.encoding, encoding);
        QCOMPARE(decoded.format.lineBreak, lineBreak);
        QCOMPARE(QString(decoded.text).remove("\r\n").count(QRegularExpression("[\r\n]")), 0);
        QCOMPARE(encodeText(decoded.text, decoded.format), bytes);
    }

    void encodes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Encoding>("encoding");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("characters 1252 lacks")
            << QString("ł € 😀") << Encoding::Windows1252 << QByteArray("&#322; \x80 &#128512;\r\n");
        QTest::newRow("mixed breaks in one style")
            << "a\nb\rc\r\n"
            << Encoding::Utf8 << QByteArray("a\r\nb\r\nc\r\n");
        QTest::newRow("empty text") << "" << Encoding::Utf8 << QByteArray("\r\n");
    }
    void encodes() {
        QFETCH(QString, text);
        QFETCH(Encoding, encoding);
        QFETCH(QByteArray, bytes);
        QCOMPARE(encodeText(text, {encoding, LineBreak::CrLf, false}), bytes);
    }
};

QTEST_APPLESS_MAIN(TestTextFile)
#include "test_text_file.moc"
