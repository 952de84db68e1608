#include "text/TextFile.h"

#include <QTest>

using namespace velko;

Q_DECLARE_METATYPE(velko::Encoding)

class TestTextFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Decoding and encoding back is tested on whole pages, with the window and
    // the command line, in test_hostile_files.
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
