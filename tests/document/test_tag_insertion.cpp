#include "document/TagInsertion.h"
#include "page/PageHead.h"

#include <QTest>

using namespace velko;

class TestTagInsertion : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Where the block goes: right after the head's charset declaration,
    // wherever it stands, or else its head tag; -1 without a head tag.
    void findHead_data() {
        QTest::addColumn<QString>("document");
        QTest::addColumn<int>("insertAt");
        QTest::newRow("mixed case") << "<html><HeAd></head>" << 12;
        QTest::newRow("with attributes") << "<head lang=en\nid='a>b'>x" << 23;
        QTest::newRow("<header> is no head tag") << "<header><head/>" << 15;
        QTest::newRow("inside a comment") << "<!-- <head> --><head>" << 21;
        QTest::newRow("none") << "<html><header><body>" << -1;
        QTest::newRow("a charset declaration first")
            << "<head>\r\n <meta charset=\"utf-8\"><title>" << 31;
        QTest::newRow("a content type with blanks around it")
            << "<head><meta http-equiv=' Content-Type ' content='text/html; charset=utf-8'>x" << 75;
        QTest::newRow("a charset declaration after the title")
            << "<head><title>t</title><meta charset=\"utf-8\">" << 44;
        QTest::newRow("none but in a template and a noscript")
            << "<head><template><meta charset=a></template><noscript><meta charset=b></noscript>"
            << 6;
        QTest::newRow("far past 32,767") << QString(40000, ' ') + "<HEAD>" << 40006;
        QTest::newRow("Kelvin sign is no K") << QString("<hea\u212a><head>") << 12;
    }
    void findHead() {
        QFETCH(QString, document);
        QFETCH(int, insertAt);
        QCOMPARE(velko::findHead(QStringView(document)).insertAt, insertAt);
    }

    void overlap_data() {
        QTest::addColumn<QString>("block");
        QTest::addColumn<QString>("document");
        QTest::addColumn<bool>("overlaps");
        const auto row = [](const char *name, const char *block, const char *document,
                            bool overlaps) {
            QTest::newRow(name) << QString(block) << QString(document) << overlaps;
        };
        row("title in both", "<title>T</title>", "<TITLE>x", true);
        row("meta in both", "<meta name=\"a\">", "<Meta charset>", true);
        row("link in both", "<link rev=\"made\">", "<link rel>", true);
        row("different kinds", "<title>T</title>", "<meta><link>", false);
        row("title with attribute", "<title>T</title>", "<title id=a>", false);
    }
    void overlap() {
        QFETCH(QString, block);
        QFETCH(QString, document);
        QFETCH(bool, overlaps);
        QCOMPARE(tagKindsOverlap(block, document), overlaps);
    }
};

QTEST_APPLESS_MAIN(TestTagInsertion)
#include "test_tag_insertion.moc"
