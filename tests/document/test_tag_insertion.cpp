#include "document/NewDocument.h"
#include "document/TagInsertion.h"
#include "page/PageHead.h"

#include <QTest>

using namespace velko;

class TestTagInsertion : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findHead_data();
    void findHead();
    void overlap_data();
    void overlap();
    void intoTheSkeleton();
};

// Where the block goes: right after the head tag, or after a charset
// declaration that comes first in the head; -1 without a head tag.
void TestTagInsertion::findHead_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("insertAt");
    QTest::newRow("mixed case") << "<html><HeAd></head>" << 12;
    QTest::newRow("with attributes") << "<head lang=en\nid='a>b'>x" << 23;
    QTest::newRow("<header> is no head tag") << "<header><head/>" << 15;
    QTest::newRow("inside a comment") << "<!-- <head> --><head>" << 21;
    QTest::newRow("none") << "<html><header><body>" << -1;
    QTest::newRow("a charset declaration first")
        << "<head>\r\n <meta charset=\"utf-8\"><title>" << 31;
    QTest::newRow("a charset declaration after the title")
        << "<head><title>t</title><meta charset=\"utf-8\">" << 6;
    QTest::newRow("Kelvin sign is no K") << QString("<hea\u212a><head>") << 12;
}

void TestTagInsertion::findHead() {
    QFETCH(QString, document);
    QFETCH(int, insertAt);
    QCOMPARE(velko::findHead(QStringView(document)).insertAt, insertAt);
}

void TestTagInsertion::overlap_data() {
    QTest::addColumn<QString>("block");
    QTest::addColumn<QString>("document");
    QTest::addColumn<bool>("overlaps");
    QTest::newRow("title in both") << "<title>T</title>"
                                   << "<TITLE>x" << true;
    QTest::newRow("meta in both") << "<meta name=\"a\">"
                                  << "<Meta charset>" << true;
    QTest::newRow("link in both") << "<link rev=\"made\">"
                                  << "<link rel>" << true;
    QTest::newRow("different kinds") << "<title>T</title>"
                                     << "<meta><link>" << false;
    QTest::newRow("title with attribute") << "<title>T</title>"
                                          << "<title id=a>" << false;
}

void TestTagInsertion::overlap() {
    QFETCH(QString, block);
    QFETCH(QString, document);
    QFETCH(bool, overlaps);
    QCOMPARE(tagKindsOverlap(block, document), overlaps);
}

void TestTagInsertion::intoTheSkeleton() {
    const QString block = "<title>B</title>\r\n";
    const QString skeleton = newDocumentSkeleton();
    const Insertion result =
        insertAfterHead(skeleton, velko::findHead(QStringView(skeleton)).insertAt, block);
    QCOMPARE(result.document, "<html>\r\n<head>\r\n" + block + "\r\n\r\n</head>\r\n</html>");
    QCOMPARE(result.blockStart, 16);
    QCOMPARE(result.blockLength, block.size());
}

QTEST_APPLESS_MAIN(TestTagInsertion)
#include "test_tag_insertion.moc"
