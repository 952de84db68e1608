#include "widgets/TextArea.h"

#include <QTest>
#include <QTextBlock>

using namespace velko;

class TestTextArea : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void colourCoversExactlyTheRange_data();
    void colourCoversExactlyTheRange();
};

void TestTextArea::roundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("CR LF lines") << "a\r\n\r\nb\r\n"
                                 << "a\r\n\r\nb\r\n";
    QTest::newRow("LF and lone CR") << "a\nb\rc"
                                    << "a\r\nb\r\nc";
    QTest::newRow("no-break space, tab, non-Latin")
        << QString("a\u00a0b\tŁódź 日本") << QString("a\u00a0b\tŁódź 日本");
    const QString escaped = QString("caf") + QChar(0xDCE9) + QChar(0xDCFF); // broken UTF-8
    QTest::newRow("bytes kept from broken UTF-8") << escaped << escaped;
}

void TestTextArea::roundTrip() {
    QFETCH(QString, text);
    QFETCH(QString, readBack);
    TextArea area;
    area.setText(text);
    QCOMPARE(area.text(), readBack);
}

void TestTextArea::colourCoversExactlyTheRange_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::newRow("whole lines") << 16 << 18;
    QTest::newRow("to the end") << 8 << 37;
    QTest::newRow("inside one line") << 1 << 4;
}

// Offsets count the CR LF text; the editor counts a line break as one.
void TestTextArea::colourCoversExactlyTheRange() {
    QFETCH(int, start);
    QFETCH(int, length);
    const QString text = "<html>\r\n<head>\r\n<title>x</title>\r\n\r\n</head>\r\n";
    TextArea area;
    area.setText(text);
    area.select(start, length);
    area.colourSelection(Qt::red);

    // The CR LF offsets of the red characters, and of those in the range.
    QList<int> red, expected;
    int offset = 0;
    for (QTextBlock block = area.document()->begin(); block.isValid(); block = block.next()) {
        for (int i = 0; i < block.length() - 1; ++i, ++offset) {
            QTextCursor cursor(block);
            cursor.setPosition(block.position() + i + 1);
            if (cursor.charFormat().foreground().color() == Qt::red)
                red << offset;
        }
        offset += 2;
    }
    for (int i = start; i < start + length; ++i)
        if (text[i] != '\r' && text[i] != '\n')
            expected << i;
    QCOMPARE(red, expected);
}

QTEST_MAIN(TestTextArea)
#include "test_text_area.moc"
