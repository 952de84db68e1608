#include "import/MetaTagReader.h"
#include "support/FormPrinting.h"

#include <QTest>

using namespace velko;

Q_DECLARE_METATYPE(velko::Field)
Q_DECLARE_METATYPE(velko::List)

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
    void values_data();
    void values();
    void choices_data();
    void choices();
};

void TestMetaTagReader::values_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("value");

    const QString meta = "<meta name=\"author\" content=";
    QTest::newRow("letter case of tag, not of value")
        << "<META Name=\"Author\" CONTENT=\"Ann Lee\">" << Field::Author << "Ann Lee";
    QTest::newRow("blank before the quote") << meta + " \"a\">" << Field::Author << "a";
    QTest::newRow("self-closing") << meta + "\"Ann\" />" << Field::Author << "Ann";
    QTest::newRow("single quotes, &quot;")
        << meta + "'say &quot;hi&quot;'>" << Field::Author << "say \"hi\"";
    QTest::newRow("after <head> on its line") << "<head>" + meta + "\"A\">" << Field::Author << "A";
    QTest::newRow("second tag of a minified line")
        << "<meta name=\"description\" content=\"d\">" + meta + "\"A\">" << Field::Author << "A";
    QTest::newRow("over three LF lines")
        << "<meta name=\"description\" content=\"one\ntwo\nthree\">" << Field::Description
        << "one two three";
    QTest::newRow("title over CR lines")
        << "<title>Two\rLines</title>" << Field::Title << "Two Lines";
    QTest::newRow("title keeps its quotes") << "<title>\"Q\"</title>" << Field::Title << "\"Q\"";
    QTest::newRow("unclosed comment drops the rest")
        << "<title>T</title><!-- open" + meta + "\"A\">" << Field::Author << "";
    QTest::newRow("sharp s shifts nothing") << "ß<title>Straße</title>" << Field::Title << "Straße";
    QTest::newRow("Kelvin sign is no K")
        << QString("<lin\u212a rev=\"made\" href=\"x\">") << Field::Email << "";
    // Shapes of real pages.
    QTest::newRow("content before http-equiv, single quotes")
        << "<meta content='text/html; charset=UTF-8' http-equiv='Content-Type' />"
        << Field::ContentTypeSlot << "text/html; charset=UTF-8";
    QTest::newRow("unquoted") << "<meta name=author content=A>" << Field::Author << "A";
    QTest::newRow("attribute before name")
        << "<meta data-hid=\"description\" name=\"description\" content=\"D\">"
        << Field::Description << "D";
    QTest::newRow("attribute between name and content")
        << "<meta name=\"author\" scheme=\"DMINSTR2\" content=\"A\">" << Field::Author << "A";
    QTest::newRow("attribute after content")
        << "<meta name=\"author\" content=\"Bruce Y. Lee\" itemprop=\"author\">" << Field::Author
        << "Bruce Y. Lee";
    QTest::newRow("line breaks, tabs and blanks around =")
        << "<meta\n\tname = \" Keywords \"\r\n  content =\t\"k\">" << Field::Keywords << "k";
    QTest::newRow("> inside a quoted value")
        << "<meta name=\"description\" content=\"a > b\">" << Field::Description << "a > b";
    QTest::newRow("title with attributes")
        << "<title data-rh=\"true\">T</title>" << Field::Title << "T";
    QTest::newRow("first title wins")
        << "<title>Page</title><body><svg><title>youtube</title></svg>" << Field::Title << "Page";
    QTest::newRow("a tag without content fills nothing")
        << "<meta name=\"author\" content=\"A\"><meta name=\"author\">" << Field::Author << "A";
    QTest::newRow("markup in a script is not read")
        << "<script>document.write('<meta name=\"author\" content=\"X\">')</script>"
        << Field::Author << "";
    QTest::newRow("comments after the head do not count")
        << "<head><!--keep--></head><body><!--/container-->" << Field::Comments << "keep";
    QTest::newRow("nor comments after the first body tag")
        << "<!--keep--><body><!--/container-->" << Field::Comments << "keep";
    QTest::newRow("conditional comments do not count")
        << "<!--c--><!--[if IE]><p><![endif]--><!--<![endif]--><![endif]-->" << Field::Comments
        << "c";
    QTest::newRow("refresh seconds")
        << "<meta http-equiv=\"refresh\" content=\"5;URL=p.html\">" << Field::RefreshSeconds << "5";
    QTest::newRow("refresh address, no blank")
        << "<meta http-equiv=\"refresh\" content=\"5;url=p.html\">" << Field::RefreshUrl
        << "p.html";
    QTest::newRow("refresh without ;")
        << "<meta http-equiv=\"refresh\" content=\"5\">" << Field::RefreshSeconds << "";
    QTest::newRow("unmatched robots stay in the slot")
        << "<meta name=\"robots\" content=\"index, follow\">" << Field::RobotsSlot
        << "index, follow";
    QTest::newRow("language not in the list")
        << "<meta http-equiv=\"content-language\" content=\"pt-br\">" << Field::OtherLanguage
        << "pt-br";
    QTest::newRow("language in the list")
        << "<meta http-equiv=\"content-language\" content=\"en-us\">" << Field::OtherLanguage << "";
}

// Each page read as text and as its bytes in UTF-8, Windows-1252 and UTF-16
// gives the same.
void TestMetaTagReader::values() {
    QFETCH(QString, page);
    QFETCH(Field, field);
    QFETCH(QString, value);
    const FormValue form = read(page);
    QCOMPARE(form[field], value);
    for (const TextFormat &format : {TextFormat{}, TextFormat{Encoding::windows1252()},
                                     TextFormat{Encoding::utf16(false), LineBreak::CrLf, true}}) {
        const QByteArray bytes = encodeText(page, format);
        FormValue fromBytes;
        readMetaTags(bytes, detectEncoding(bytes), fromBytes);
        QCOMPARE(fromBytes, read(decodeText(bytes).text));
    }
}

void TestMetaTagReader::choices_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<List>("list");
    QTest::addColumn<int>("index");

    auto tag = [](const char *kind, const char *name, const char *content) {
        return QString("<meta %1=\"%2\" content=\"%3\">").arg(kind, name, content);
    };
    QTest::newRow("robots unquoted")
        << "<meta name=\"robots\" content=noindex>" << List::Robot << 1;
    QTest::newRow("rating") << tag("name", "rating", "14 years") << List::Rating << 1;
    QTest::newRow("charset iso-8859-15")
        << tag("http-equiv", "content-type", "text/html; charset=iso-8859-15") << List::Charset
        << 2;
    QTest::newRow("charset utf-8")
        << tag("http-equiv", "content-type", "text/html; charset=utf-8") << List::Charset << -1;
    QTest::newRow("de-ch is ch") << tag("http-equiv", "content-language", "de-ch") << List::Language
                                 << 1;
    QTest::newRow("pragma No-Cache")
        << tag("http-equiv", "pragma", "No-Cache") << List::PageCaching << 1;
    QTest::newRow("pragma cache") << tag("http-equiv", "pragma", "cache") << List::PageCaching
                                  << -1;
    QTest::newRow("distribution") << tag("name", "distribution", "LOCAL") << List::Distribution
                                  << 1;
}

void TestMetaTagReader::choices() {
    QFETCH(QString, page);
    QFETCH(List, list);
    QFETCH(int, index);
    QCOMPARE(read(page)[list].index, index);
}

QTEST_APPLESS_MAIN(TestMetaTagReader)
#include "test_meta_tag_reader.moc"
