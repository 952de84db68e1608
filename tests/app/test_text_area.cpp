#include "app/TextArea.h"
#include "support/TextInspection.h"

#include <QTest>

using namespace velko;

class TestTextArea : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void selectionCountsCrLf_data();
    void selectionCountsCrLf();
    void colourCoversExactlyTheRange();
    void typedLinesReadWithCrLf();
};

void TestTextArea::roundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("readBack");

    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("CR LF lines") << "a\r\nb\r\n"
                                 << "a\r\nb\r\n";
    QTest::newRow("blank lines") << "\r\n\r\nx"
                                 << "\r\n\r\nx";
    QTest::newRow("LF read as a line break") << "a\nb"
                                             << "a\r\nb";
    QTest::newRow("lone CR read as a line break") << "a\rb"
                                                  << "a\r\nb";
    QTest::newRow("no-break space and tab kept")
        << QString("a\u00a0b\tc") << QString("a\u00a0b\tc");
    QTest::newRow("non-Latin text") << QString("Łódź 日本 ☃") << QString("Łódź 日本 ☃");
}

void TestTextArea::roundTrip() {
    QFETCH(QString, text);
    QFETCH(QString, readBack);
    TextArea area;
    area.setText(text);
    QCOMPARE(area.text(), readBack);
    QCOMPARE(area.isEmpty(), readBack.isEmpty());
}

void TestTextArea::selectionCountsCrLf_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");

    const QString text = "<html>\r\n<head>\r\n<title>x</title>\r\n\r\n</head>\r\n";
    QTest::newRow("whole text") << text << 0 << int(text.size());
    QTest::newRow("a middle line with its break") << text << 16 << 18;
    QTest::newRow("from a line start to the end") << text << 8 << int(text.size() - 8);
    QTest::newRow("nothing") << text << 5 << 0;
    QTest::newRow("inside one line") << text << 1 << 4;
}

void TestTextArea::selectionCountsCrLf() {
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    TextArea area;
    area.setText(text);
    area.select(start, length);
    QCOMPARE(area.selectedText(), text.mid(start, length));
}

// Colour a middle range of a long document: exactly those characters change.
void TestTextArea::colourCoversExactlyTheRange() {
    QString text;
    for (int i = 0; i < 200; ++i)
        text += QStringLiteral("line %1\r\n").arg(i);
    const qsizetype start = text.indexOf("line 100");
    const QString block = "line 100\r\nline 101\r\n";
    TextArea area;
    area.setText(text);
    area.select(start, block.size());
    area.colourSelection(QColor(128, 128, 0));

    QCOMPARE(test::colouredText(*area.document(), QColor(128, 128, 0)), block);
}

void TestTextArea::typedLinesReadWithCrLf() {
    TextArea area;
    area.show();
    QTest::keyClicks(&area, "one");
    QTest::keyClick(&area, Qt::Key_Return);
    QTest::keyClicks(&area, "two");
    QCOMPARE(area.text(), "one\r\ntwo");
}

QTEST_MAIN(TestTextArea)
#include "test_text_area.moc"
