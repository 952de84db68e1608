#include "fields/ExampleRecord.h"
#include "import/MetaTagReader.h"
#include "support/TestForms.h"
#include "tags/TagBlock.h"

#include <QTest>

using namespace velko;

namespace {

FormValue read(const QString &page) {
    FormValue form;
    readMetaTags(page, form);
    return form;
}

} // namespace

class TestMetaTagReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The whole form a page leaves, written as a form file.
    void reads_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QByteArray>("form");
        const auto row = [](const char *name, const char *page, const char *form) {
            QTest::newRow(name) << QString(page) << QByteArray(form);
        };
        row("letter case of tag, not of value", R"(<META Name="Author" CONTENT="Ann Lee">)",
            R"({"Author": "Ann Lee"})");
        row("single quotes, &quot;", R"(<meta name="author" content='say &quot;hi&quot;'>)",
            R"({"Author": "say \u0022hi\u0022"})");
        row("two tags on one line",
            R"(<meta name="description" content="d"><meta name="author" content="A">)",
            R"({"Description": "d", "Author": "A"})");
        row("over three LF lines", "<meta name=\"description\" content=\"one\ntwo\nthree\">",
            R"({"Description": "one two three"})");
        row("title over CR lines", "<title>Two\rLines</title>", R"({"Title": "Two Lines"})");
        row("title keeps its quotes", R"(<title>"Q"</title>)", R"({"Title": "\u0022Q\u0022"})");
        row("unclosed comment drops the rest",
            R"(<title>T</title><!-- open<meta name="author" content="A">)", R"({"Title": "T"})");
        row("sharp s shifts nothing", "ß<title>Straße</title>", R"({"Title": "Straße"})");
        row("Kelvin sign is no K", "<lin\u212a rev=\"made\" href=\"x\">", "{}");
        // Shapes of real pages.
        row("content before http-equiv, single quotes",
            "<meta content='text/html; charset=UTF-8' http-equiv='Content-Type' />",
            R"({"Content-Type slot": "text/html; charset=UTF-8", "Charset": "UTF-8"})");
        row("attribute before name",
            R"(<meta data-hid="description" name="description" content="D">)",
            R"({"Description": "D"})");
        row("line breaks, tabs and blanks around =",
            "<meta\n\tname = \" Keywords \"\r\n  content =\t\"k\">", R"({"Keywords": "k"})");
        row("> inside a quoted value", R"(<meta name="description" content="a > b">)",
            R"({"Description": "a > b"})");
        row("title with attributes", R"(<title data-rh="true">T</title>)", R"({"Title": "T"})");
        row("first title wins", "<title>Page</title><body><svg><title>youtube</title></svg>",
            R"({"Title": "Page"})");
        row("the first of a kind counts, by name= or property=",
            R"(<meta name="author" content="A"><meta name="author" content="B">)"
            R"(<meta property="og:title" content="a"><meta name="og:title" content="b">)",
            R"({"Author": "A", "og:title": "a"})");
        row("a name and a property: both kinds",
            R"(<meta name="description" property="og:description" content="d">)",
            R"({"Description": "d", "og:description": "d"})");
        row("alt of the first og:image only",
            R"(<meta property="og:image" content="a.png"><meta property="og:image" content="b">)"
            R"(<meta property="og:image:alt" content="B">)",
            R"({"og:image": "a.png"})");
        row("noscript and template are not the head's",
            R"(<head><noscript><meta http-equiv="refresh" content="0; url=x"></noscript>)"
            R"(<template><title>T</title></template></head>)",
            "{}");
        row("a Dublin Core copy checks its box only when it repeats its field",
            R"(<title>T</title><meta name="DC.Title" content="Other"><meta name="keywords" )"
            R"(content="k"><meta name="DC.Subject" content="k">)",
            R"({"Title": "T", "DC.Title slot": "Other", "Keywords": "k", "DC.Subject slot": "k",)"
            R"( "Use Keywords": true})");
        row("markup in a script is not read",
            R"(<script>document.write('<meta name="author" content="X">')</script>)", "{}");
        row("comments after the head do not count",
            "<head><!--keep--></head><body><!--/container-->", R"({"Comments": "keep"})");
        row("nor comments after the first body tag", "<!--keep--><body><!--/container-->",
            R"({"Comments": "keep"})");
        row("conditional comments and copies of a field do not count",
            "<title>T</title><!--c--><!--[if "
            "IE]><p><![endif]--><!--<![endif]--><![endif]--><!--T-->",
            R"({"Title": "T", "Comments": "c"})");
        row("refresh, url= without a blank",
            R"(<meta http-equiv="refresh" content="5;url=p.html">)",
            R"({"Refresh slot": "5;url=p.html", "Refresh Seconds": "5", "Refresh URL": "p.html"})");
        row("refresh without ;", R"(<meta http-equiv="refresh" content="5">)",
            R"({"Refresh slot": "5"})");
        row("robots unquoted", "<meta name=\"robots\" content=noindex>",
            R"({"Robots slot": "noindex", "Robot": "noindex"})");
        row("robots not in the list: typed text", R"(<meta name="robots" content="index, follow">)",
            R"({"Robots slot": "index, follow", "Robot": "index, follow"})");
        row("rating", R"(<meta name="rating" content="14 years">)",
            R"({"Rating slot": "14 years", "Rating": "14 Years"})");
        row("charset iso-8859-15",
            R"(<meta http-equiv="content-type" content="text/html; charset=iso-8859-15">)",
            R"({"Content-Type slot": "text/html; charset=iso-8859-15", "Charset": "iso-8859-15"})");
        row("charset after the last charset=",
            R"(<meta http-equiv="content-type" content="text/html; Charset= koi8-r ">)",
            R"({"Content-Type slot": "text/html; Charset= koi8-r", "Charset": "koi8-r"})");
        row("language not in the list; the name= tag is Other Language",
            R"(<meta http-equiv="content-language" content="de-ch">)"
            R"(<meta name="content-language" content="x">)",
            R"({"Language": "de-ch", "Other Language": "x"})");
        row("pragma No-Cache", R"(<meta http-equiv="pragma" content="No-Cache">)",
            R"({"Pragma slot": "No-Cache", "Page Caching": "no-cache"})");
        row("pragma cache", R"(<meta http-equiv="pragma" content="cache">)",
            R"({"Pragma slot": "cache", "Page Caching": "cache"})");
    }
    // Read as text, and as its bytes in both encodings, each page gives the same.
    void reads() {
        QFETCH(QString, page);
        QFETCH(QByteArray, form);
        QCOMPARE(formFileText(read(page)), formFileText(test::formOf(form)));
        for (const TextFormat &format :
             {TextFormat{}, TextFormat{Encoding::windows1252()},
              TextFormat{Encoding::utf16(false), LineBreak::CrLf, true}}) {
            const QByteArray bytes = encodeText(page, format);
            FormValue fromBytes;
            readMetaTags(bytes, detectEncoding(bytes), fromBytes);
            QCOMPARE(formFileText(fromBytes), formFileText(read(decodeText(bytes).text)));
        }
    }

    // What Velko writes, it reads back into a form that writes the same block,
    // so a script can rebuild a page's tags from velko --read without losing
    // any. The comment boxes repeat other fields and do not read back.
    void generatedBlockReadsBack_data() {
        QTest::addColumn<QByteArray>("form");
        FormValue examples;
        fillInExamples(examples);
        examples[Check::TitleComments] = examples[Check::KeywordsComments] =
            examples[Check::DescriptionComments] = false;
        QTest::newRow("the example record") << formFileText(examples);
        QTest::newRow("typed list values")
            << QByteArray(R"({"Robot": "noindex, nofollow", "Charset": "utf-8",
                "Page Caching": "no-store", "Rating": "safe for kids"})");
    }
    void generatedBlockReadsBack() {
        QFETCH(QByteArray, form);
        const QString block = BuildTagBlock(test::formOf(form), DcNameCase::Capitalised);
        QVERIFY(!block.isEmpty());
        QCOMPARE(BuildTagBlock(read("<head>" + block + "</head>"), DcNameCase::Capitalised), block);
    }
};

QTEST_APPLESS_MAIN(TestMetaTagReader)
#include "test_meta_tag_reader.moc"
