#include "document/AsciiCase.h"
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
    void workedExample();
    void headAnywhereInALongDocument();
    void caselessSearchIsAsciiOnly_data();
    void caselessSearchIsAsciiOnly();
};

void TestTagInsertion::findHead_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("offset");

    QTest::newRow("lower case") << "<html><head></head>" << 6;
    QTest::newRow("upper case") << "<HTML><HEAD></HEAD>" << 6;
    QTest::newRow("mixed case") << "<html><HeAd></head>" << 6;
    QTest::newRow("with an attribute") << "<html><head lang=en></head>" << -1;
    QTest::newRow("with a blank") << "<html><head ></head>" << -1;
    QTest::newRow("none") << "<html><body></body></html>" << -1;
    QTest::newRow("closing tag only") << "</head>" << -1;
    QTest::newRow("the first of two") << "<head>a<head>" << 0;
    QTest::newRow("only <head>") << "<head>" << 0;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("after a header tag") << "<header><head>" << 8;
    QTest::newRow("Kelvin sign is no K") << QString("<hea\u212a><head>") << 6;
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

    const QString title = "<title>T</title>\r\n";
    const QString meta = "<meta name=\"author\" content=\"A\">\r\n";
    const QString link = "<link rev=\"made\" href=\"e\">\r\n";
    const QString comment = "<!--C-->\r\n";
    QTest::newRow("title in both") << title << "<TITLE>x</TITLE>" << true;
    QTest::newRow("meta in both") << meta << "<Meta charset=utf-8>" << true;
    QTest::newRow("link in both") << link << "<link rel=stylesheet>" << true;
    QTest::newRow("title block, meta page") << title << "<meta x>" << false;
    QTest::newRow("comment block, full page") << comment << "<title><meta><link>" << false;
    QTest::newRow("title with attribute") << title << "<title id=a>" << false;
    QTest::newRow("plain page") << title + meta + link << "<html><head></head></html>" << false;
}

void TestTagInsertion::overlap() {
    QFETCH(QString, block);
    QFETCH(QString, document);
    QFETCH(bool, overlaps);
    QCOMPARE(tagKindsOverlap(block, document), overlaps);
}

// The skeleton takes the block after "<head>" and a line break.
void TestTagInsertion::workedExample() {
    const QString skeleton = newDocumentSkeleton();
    const QString block = "<title>B</title>\r\n<!--B-->\r\n";
    const qsizetype head = findHeadTag(skeleton);
    QCOMPARE(head, 8);
    const Insertion result = insertAfterHead(skeleton, head, block);
    QCOMPARE(result.document, "<html>\r\n<head>\r\n" + block + "\r\n\r\n</head>\r\n</html>");
    QCOMPARE(result.blockStart, 16);
    QCOMPARE(result.blockLength, block.size());
    QCOMPARE(result.document.mid(result.blockStart, result.blockLength), block);
}

// The head tag may stand anywhere, far past the first 32,767 characters.
void TestTagInsertion::headAnywhereInALongDocument() {
    const QString front = QString(40000, 'x') + "<!-- " + QString(40000, 'y') + " -->";
    const QString document = front + "<HEAD>" + "</HEAD>";
    const QString block = "<title>B</title>\r\n";
    const Insertion result = insertAfterHead(document, findHeadTag(document), block);
    QCOMPARE(result.document, front + "<HEAD>\r\n" + block + "</HEAD>");
    QCOMPARE(result.document.mid(result.blockStart, result.blockLength), block);
}

void TestTagInsertion::caselessSearchIsAsciiOnly_data() {
    QTest::addColumn<QString>("haystack");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("offset");

    QTest::newRow("upper needle, lower text") << "ab<meta"
                                              << "<META" << 0 << 2;
    QTest::newRow("from skips earlier") << "<a<A"
                                        << "<a" << 1 << 2;
    QTest::newRow("needle starting with a letter") << "xxHeAd"
                                                   << "head" << 0 << 2;
    QTest::newRow("dotless i is no I") << QString("<tıtle><TITLE>") << "<title>" << 0 << 7;
    QTest::newRow("sharp s is not SS") << QString("eß") << "ES" << 0 << -1;
    QTest::newRow("needle longer than text") << "<me"
                                             << "<meta" << 0 << -1;
    QTest::newRow("match at the very end") << "xx<link"
                                           << "<LINK" << 0 << 2;
}

void TestTagInsertion::caselessSearchIsAsciiOnly() {
    QFETCH(QString, haystack);
    QFETCH(QString, needle);
    QFETCH(int, from);
    QFETCH(int, offset);
    const QByteArray latin1 = needle.toLatin1();
    QCOMPARE(indexOfAsciiCaseless(haystack, QLatin1StringView(latin1), from), offset);
}

QTEST_APPLESS_MAIN(TestTagInsertion)
#include "test_tag_insertion.moc"
