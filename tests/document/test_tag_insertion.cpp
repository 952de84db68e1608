#include "document/NewDocument.h"
#include "document/TagInsertion.h"

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

void TestTagInsertion::findHead_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("offset");
    QTest::newRow("mixed case") << "<html><HeAd></head>" << 6;
    QTest::newRow("with an attribute") << "<head lang=en></head>" << -1;
    QTest::newRow("the first of two") << "<head>a<head>" << 0;
    QTest::newRow("after a header tag") << "<header><head>" << 8;
    QTest::newRow("far past 32,767") << QString(40000, ' ') + "<HEAD>" << 40000;
    QTest::newRow("Kelvin sign is no K") << QString("<hea\u212a><head>") << 6;
    QTest::newRow("dotless i is no I") << QString("<heAd><head>").replace(3, 1, u'ı') << 6;
}

void TestTagInsertion::findHead() {
    QFETCH(QString, document);
    QFETCH(int, offset);
    QCOMPARE(findHeadTag(document), offset);
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
    const Insertion result =
        insertAfterHead(newDocumentSkeleton(), findHeadTag(newDocumentSkeleton()), block);
    QCOMPARE(result.document, "<html>\r\n<head>\r\n" + block + "\r\n\r\n</head>\r\n</html>");
    QCOMPARE(result.blockStart, 16);
    QCOMPARE(result.blockLength, block.size());
}

QTEST_APPLESS_MAIN(TestTagInsertion)
#include "test_tag_insertion.moc"
