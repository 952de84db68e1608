#include "import/MetaTagReader.h"
#include "support/TestForms.h"

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
        row("blank before the quote", R"(<meta name="author" content= "a">)", R"({"Author": "a"})");
        row("self-closing", R"(<meta name="author" content="Ann" />)", R"({"Author": "Ann"})");
        row("single quotes, &quot;", R"(<meta name="author" content='say &quot;hi&quot;'>)",
            R"({"Author": "say \u0022hi\u0022"})");
        row("two tags on one line",
            R"(<meta name="description" content="d"><meta name="author" content="A">)",
            R"({"Description": "d", "Author": "A"})");
        row("over three LF lines", "<meta name=\"description\" content=\"one\ntwo\nthree\">",
            R"({"Description": "one two three"})");
        row("title over CR lines", "<title>Two\rLines</title>", R"({"Title": "Two Lines"})");
        row("title keeps its quotes", R"(<title>"Q"</title>)", R"({"Title": "\u0022Q\u0022"})");
        row("last one wins", "<title>A</title><title>B</title>", R"({"Title": "B"})");
        row("wrong wording", R"(<meta name=author content="A">)", "{}");
        row("two blanks", R"(<meta  name="author" content="A">)", "{}");
        row("unclosed comment drops the rest",
            R"(<title>T</title><!-- open<meta name="author" content="A">)", R"({"Title": "T"})");
        row("sharp s shifts nothing", "ß<title>Straße</title>", R"({"Title": "Straße"})");
        row("Kelvin sign is no K", "<lin\u212a rev=\"made\" href=\"x\">", "{}");
        row("refresh, url= without a blank",
            R"(<meta http-equiv="refresh" content="5;url=p.html">)",
            R"({"Refresh slot": "5;url=p.html", "Refresh Seconds": "5", "Refresh URL": "p.html"})");
        row("refresh without ;", R"(<meta http-equiv="refresh" content="5">)",
            R"({"Refresh slot": "5"})");
        row("robots unquoted", "<meta name=\"robots\" content=noindex>",
            R"({"Robots slot": "noindex", "Robot": "noindex"})");
        row("robots not in the list", R"(<meta name="robots" content="index, follow">)",
            R"({"Robots slot": "index, follow"})");
        row("rating", R"(<meta name="rating" content="14 years">)",
            R"({"Rating slot": "14 years", "Rating": "14 Years"})");
        row("charset iso-8859-15",
            R"(<meta http-equiv="content-type" content="text/html; charset=iso-8859-15">)",
            R"({"Content-Type slot": "text/html; charset=iso-8859-15", "Charset": "iso-8859-1"})");
        row("charset utf-8",
            R"(<meta http-equiv="content-type" content="text/html; charset=utf-8">)",
            R"({"Content-Type slot": "text/html; charset=utf-8"})");
        row("language not in the list", R"(<meta http-equiv="content-language" content="pt-br">)",
            R"({"Other Language": "pt-br"})");
        row("de-ch is ch", R"(<meta http-equiv="content-language" content="de-ch">)",
            R"({"Language": "ch"})");
        row("pragma No-Cache", R"(<meta http-equiv="pragma" content="No-Cache">)",
            R"({"Pragma slot": "No-Cache", "Page Caching": "no-cache"})");
        row("pragma cache", R"(<meta http-equiv="pragma" content="cache">)",
            R"({"Pragma slot": "cache"})");
        row("distribution", R"(<meta name="distribution" content="LOCAL">)",
            R"({"Distribution slot": "LOCAL", "Distribution": "local"})");
    }
    // Read as text, and as its bytes in both encodings, each page gives the same.
    void reads() {
        QFETCH(QString, page);
        QFETCH(QByteArray, form);
        QCOMPARE(formFileText(read(page)), formFileText(test::formOf(form)));
        for (const TextFormat &format : {TextFormat{}, TextFormat{Encoding::Windows1252}}) {
            const QByteArray bytes = encodeText(page, format);
            FormValue fromBytes;
            readMetaTags(bytes, detectEncoding(bytes), fromBytes);
            QCOMPARE(formFileText(fromBytes), formFileText(read(decodeText(bytes).text)));
        }
    }
};

QTEST_APPLESS_MAIN(TestMetaTagReader)
#include "test_meta_tag_reader.moc"
