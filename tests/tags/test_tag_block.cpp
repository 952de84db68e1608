#include "fields/ExampleRecord.h"
#include "support/TestForms.h"
#include "tags/TagBlock.h"

#include <QFile>
#include <QTest>

using namespace velko;

Q_DECLARE_METATYPE(velko::DcNameCase)

class TestTagBlock : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rows_data() {
        QTest::addColumn<QByteArray>("form");
        QTest::addColumn<QString>("block");
        const auto row = [](const char *name, const char *form, const char *block) {
            QTest::newRow(name) << QByteArray(form) << QString(block);
        };
        row("empty form", "{}", "");
        row("a blank title is filled", R"({"Title": " "})", "<title> </title>\r\n");
        row("CR LF stays inside its line", R"({"Keywords": "a,\r\nb"})",
            "<meta name=\"keywords\" content=\"a,\r\nb\">\r\n");
        // \u0022 is a double quote, which moc cannot take in a raw string.
        row("quotes escaped in attributes only",
            R"({"Title": "\u0022x\u0022 & <y>", "Description": "\u0022x\u0022 & <y>",
                "Comments": "\u0022x\u0022 & <y>"})",
            "<title>\"x\" & <y></title>\r\n"
            "<meta name=\"description\" content=\"&quot;x&quot; & <y>\">\r\n"
            "<!--\"x\" & <y>-->\r\n");
        row("slots take no part", R"({"Robots slot": "x", "Refresh slot": "x"})", "");
        row("refresh needs both parts", R"({"Refresh Seconds": "60"})", "");
        row("refresh with both parts", R"({"Refresh Seconds": "9", "Refresh URL": "u"})",
            "<meta http-equiv=\"refresh\" content=\"9; url=u\">\r\n");
        row("typed list text, trimmed", R"({"Robot": " noindex, nofollow "})",
            "<meta name=\"robots\" content=\"noindex, nofollow\">\r\n");
        row("typed charset keeps its prefix", R"({"Charset": "utf-8"})",
            "<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\">\r\n");
        row("blank typed text", R"({"Rating": "  "})", "");
        row("a language and another", R"({"Language": "ch", "Other Language": "x"})",
            "<meta http-equiv=\"content-language\" content=\"ch\">\r\n"
            "<meta name=\"content-language\" content=\"x\">\r\n");
        row("page caching item 0", R"({"Page Caching": {"index": 0}})", "");
        row("an item's text edited", R"({"Page Caching": {"index": 0, "text": "private"}})",
            "<meta http-equiv=\"pragma\" content=\"private\">\r\n");
        row("no-cache", R"({"Page Caching": "no-cache"})",
            "<meta http-equiv=\"pragma\" content=\"no-cache\">\r\n");
        row("a box with an empty field", R"({"Use Title": true, "Use Title as Comment": true})",
            "<meta name=\"DC.Title\" content=\"\">\r\n<!---->\r\n");
        // The Dublin Core boxes and the comment boxes each repeat their field;
        // the comments come last.
        row("every box",
            R"({"Title": "t", "Keywords": "k", "Description": "d", "Comments": "c",
                "Use Title": true, "Use Description": true, "Use Keywords": true,
                "Use Title as Comment": true, "Use Keywords as Comment": true,
                "Use Description as Comment": true})",
            "<title>t</title>\r\n"
            "<meta name=\"keywords\" content=\"k\">\r\n"
            "<meta name=\"description\" content=\"d\">\r\n"
            "<meta name=\"DC.Title\" content=\"t\">\r\n"
            "<meta name=\"DC.Description\" content=\"d\">\r\n"
            "<meta name=\"DC.Subject\" content=\"k\">\r\n"
            "<!--c-->\r\n<!--t-->\r\n<!--k-->\r\n<!--d-->\r\n");
    }

    void rows() {
        QFETCH(QByteArray, form);
        QFETCH(QString, block);
        QCOMPARE(BuildTagBlock(test::formOf(form), DcNameCase::Capitalised), block);
    }

    // The whole block of the example record, letter for letter and in order,
    // in both cases of the Dublin Core names.
    void exampleBlock_data() {
        QTest::addColumn<DcNameCase>("dcCase");
        QTest::addColumn<QString>("file");
        QTest::newRow("DC.Title") << DcNameCase::Capitalised << "example-block.txt";
        QTest::newRow("DC.title") << DcNameCase::LowerCase << "example-block-lowercase-dc.txt";
    }
    void exampleBlock() {
        QFETCH(DcNameCase, dcCase);
        QFETCH(QString, file);
        FormValue form;
        fillInExamples(form);
        QFile expected(QStringLiteral(VELKO_TEST_DATA "/") + file);
        QVERIFY(expected.open(QIODevice::ReadOnly));
        QCOMPARE(BuildTagBlock(form, dcCase), QString::fromUtf8(expected.readAll()));
    }
};

QTEST_APPLESS_MAIN(TestTagBlock)
#include "test_tag_block.moc"
