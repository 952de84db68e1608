#include "support/TestForms.h"
#include "tags/TagBlock.h"

#include <QTest>

using namespace velko;

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
        row("refresh needs both parts", R"({"Refresh Seconds": "60"})", "");
        row("slots take no part", R"({"Robots slot": "x", "Refresh slot": "x"})", "");
        row("DC box with an empty title", R"({"Use Title": true})",
            "<meta name=\"DC.Title\" content=\"\">\r\n");
        row("comment box with an empty title", R"({"Use Title as Comment": true})", "<!---->\r\n");
        row("page caching item 0", R"({"Page Caching": {"index": 0}})", "");
        row("typed list text", R"({"Robot": "All"})", "");
        row("CR LF stays inside its line", R"({"Keywords": "a,\r\nb"})",
            "<meta name=\"keywords\" content=\"a,\r\nb\">\r\n");
        // \u0022 is a double quote, which moc cannot take in a raw string.
        row("quotes escaped in attributes only",
            R"({"Title": "\u0022x\u0022 & <y>", "Description": "\u0022x\u0022 & <y>",
                "Comments": "\u0022x\u0022 & <y>"})",
            "<title>\"x\" & <y></title>\r\n<meta name=\"description\" content=\"&quot;x&quot; & "
            "<y>\">\r\n<!--\"x\" & <y>-->\r\n");
    }

    void rows() {
        QFETCH(QByteArray, form);
        QFETCH(QString, block);
        QCOMPARE(BuildTagBlock(test::formOf(form), DcNameCase::Capitalised), block);
    }

    // All 38 rows hold; the lower-case DC names differ in the DC prefixes alone.
    void everyRowInOrder() {
        FormValue form;
        for (int i = 1; i < kFieldCount; ++i)
            form.texts[i] = QString::number(i);
        for (const ListEntry &entry : allLists())
            form[entry.list] = {1, QString::fromUtf8(entry.items[1])};
        form.checks.fill(true);
        QString block = R"(<title>1</title>
<meta name="keywords" content="2">
<meta name="description" content="3">
<meta name="author" content="4">
<link rev="made" href="5">
<meta name="copyright" content="6">
<meta name="revisit-after" content="7">
<meta http-equiv="refresh" content="9; url=10">
<meta http-equiv="expires" content="11">
<meta name="distribution" content="local">
<meta name="robots" content="noindex">
<meta name="rating" content="14 Years">
<meta http-equiv="content-type" content="text/html; charset=us-ascii">
<meta http-equiv="content-language" content="ch">
<meta name="content-language" content="15">
<meta name="DC.Title" content="1">
<meta name="DC.Description" content="3">
<meta name="DC.Subject" content="2">
<meta name="DC.Creator" content="19">
<meta name="DC.Publisher" content="21">
<meta name="DC.Contributors" content="22">
<meta name="DC.Date" content="23">
<meta name="DC.Type" content="24">
<meta name="DC.Format" content="25">
<meta name="DC.Identifier" content="26">
<meta name="DC.Source" content="27">
<meta name="DC.Language" content="28">
<meta name="DC.Relation" content="29">
<meta name="DC.Coverage" content="30">
<meta name="DC.Rights" content="31">
<meta http-equiv="pragma" content="no-cache">
<meta name="generator" content="33">
<meta http-equiv="window-target" content="34">
<meta name="abstract" content="35">
<!--36-->
<!--1-->
<!--2-->
<!--3-->
)";
        block.replace("\n", "\r\n");
        QCOMPARE(BuildTagBlock(form, DcNameCase::Capitalised), block);
        for (qsizetype at = 0; (at = block.indexOf("\"DC.", at)) >= 0; at += 4)
            block[at + 4] = block[at + 4].toLower();
        QCOMPARE(BuildTagBlock(form, DcNameCase::LowerCase), block);
    }
};

QTEST_APPLESS_MAIN(TestTagBlock)
#include "test_tag_block.moc"
