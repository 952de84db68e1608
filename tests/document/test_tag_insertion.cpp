#include "document/TagInsertion.h"

#include <QTest>

using namespace velko;

class TestTagInsertion : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findHead_data() {
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
    void findHead() {
        QFETCH(QString, document);
        QFETCH(int, offset);
        QCOMPARE(findHeadTag(document), offset);
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
