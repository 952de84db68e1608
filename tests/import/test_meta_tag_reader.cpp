#include "cli/FormFile.h"
#include "import/MetaTagReader.h"
#include "support/FormPrinting.h"
#include "tags/TagBlock.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace velko;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(velko::DcNameCase)

namespace {

ListValue item(List list, int index) {
    return {index, QString::fromLatin1(listEntry(list).items[index])};
}

FormValue formWith(std::initializer_list<std::pair<Field, QString>> texts,
                   std::initializer_list<std::pair<List, int>> chosen = {},
                   std::initializer_list<Check> checked = {}) {
    FormValue form;
    for (const auto &[field, text] : texts)
        form[field] = text;
    for (const auto &[list, index] : chosen)
        form[list] = item(list, index);
    for (const Check check : checked)
        form[check] = true;
    return form;
}

FormValue refresh(const QString &slot, const QString &seconds, const QString &url) {
    return formWith(
        {{Field::RefreshSlot, slot}, {Field::RefreshSeconds, seconds}, {Field::RefreshUrl, url}});
}

FormValue read(QStringView page) {
    FormValue form;
    readMetaTags(page, form);
    return form;
}

FormValue read(QByteArrayView bytes) {
    FormValue form;
    readMetaTags(bytes, detectEncoding(bytes), form);
    return form;
}

struct PageCase {
    const char *name;
    QString page;
    FormValue form;
};

QList<PageCase> pageCases() {
    const QString threeLines = u"<title>T</title>\n<meta name=\"description\" content=\"one\n"
                               u"two\">\n<meta name=\"author\" content=\"A\">\n"_s;
    const FormValue threeLinesForm = formWith(
        {{Field::Title, u"T"_s}, {Field::Description, u"one two"_s}, {Field::Author, u"A"_s}});
    return {
        {"separate lines",
         u"<html>\r\n<head>\r\n<title>Home</title>\r\n<meta name=\"keywords\" content=\"a, b\">\r\n"_s,
         formWith({{Field::Title, u"Home"_s}, {Field::Keywords, u"a, b"_s}})},
        {"letter case", u"<TiTlE>My Page</tItLe>\r\n<META Name=\"Author\" CONTENT=\"Ann Lee\">"_s,
         formWith({{Field::Title, u"My Page"_s}, {Field::Author, u"Ann Lee"_s}})},
        {"blank before quote", u"<meta name=\"description\" content= \"a\">"_s,
         formWith({{Field::Description, u"a"_s}})},
        {"unquoted robots", u"<meta name=\"robots\" content=noindex>"_s,
         formWith({{Field::RobotsSlot, u"noindex"_s}}, {{List::Robot, 1}})},
        {"robots not listed", u"<meta name=\"robots\" content=\"index, follow\">"_s,
         formWith({{Field::RobotsSlot, u"index, follow"_s}})},
        {"listed choices",
         u"<meta name=\"robots\" content=\"NONE\"><meta name=\"rating\" "
         u"content=\"14 years\"><meta name=\"distribution\" content=\"Local\">"_s,
         formWith({{Field::RobotsSlot, u"NONE"_s},
                   {Field::RatingSlot, u"14 years"_s},
                   {Field::DistributionSlot, u"Local"_s}},
                  {{List::Robot, 3}, {List::Rating, 1}, {List::Distribution, 1}})},
        {"after head", u"<head><meta name=\"author\" content=\"Ann\">"_s,
         formWith({{Field::Author, u"Ann"_s}})},
        {"two tags on a line",
         u"<meta name=\"description\" content=\"D\"><meta name=\"keywords\" content=\"K\">"_s,
         formWith({{Field::Description, u"D"_s}, {Field::Keywords, u"K"_s}})},
        {"minified page",
         u"<!DOCTYPE html><html><head><title>T</title><meta name=\"author\" content=\"A\">"
         u"<meta name=\"robots\" content=\"none\"></head><body><p>x &lt; y</p></body></html>"_s,
         formWith({{Field::Title, u"T"_s}, {Field::Author, u"A"_s}, {Field::RobotsSlot, u"none"_s}},
                  {{List::Robot, 3}})},
        {"LF", threeLines, threeLinesForm},
        {"CR", QString(threeLines).replace(u'\n', u'\r'), threeLinesForm},
        {"CR LF", QString(threeLines).replace(u"\n"_s, u"\r\n"_s), threeLinesForm},
        {"LF CR is two breaks", u"<title>a\n\rb</title>"_s, formWith({{Field::Title, u"a  b"_s}})},
        {"three-line value", u"<meta name=\"description\" content=\"one\r\ntwo\r\nthree\">"_s,
         formWith({{Field::Description, u"one two three"_s}})},
        {"two-line title", u"<title>Two\r\nLines</title>"_s,
         formWith({{Field::Title, u"Two Lines"_s}})},
        {"tags behind a multi-line value",
         u"<title>A\r\nB</title><meta name=\"author\" content=\"Ann\">"_s,
         formWith({{Field::Title, u"A B"_s}, {Field::Author, u"Ann"_s}})},
        {"open marker split over lines", u"<meta name=\"author\"\r\ncontent=\"Ann\">"_s, {}},
        {"closed by />",
         u"<meta name=\"author\" content=\"Ann\" /><meta name=\"copyright\" content=\"2024\"/>"_s,
         formWith({{Field::Author, u"Ann"_s}, {Field::Copyright, u"2024"_s}})},
        {"single quotes", u"<meta name=\"author\" content='Ann'>"_s,
         formWith({{Field::Author, u"Ann"_s}})},
        {"&quot;", u"<meta name=\"description\" content=\"say &quot;hi&quot; &QUOT;\">"_s,
         formWith({{Field::Description, u"say \"hi\" &QUOT;"_s}})},
        {"blanks trimmed, tabs kept", u"<title> \tT </title>"_s,
         formWith({{Field::Title, u"\tT"_s}})},
        {"mailto kept", u"<link rev=\"made\" href=\"mailto:ann@example.com\">"_s,
         formWith({{Field::Email, u"mailto:ann@example.com"_s}})},
        {"<> and a last <", u"<><title>T</title><"_s, formWith({{Field::Title, u"T"_s}})},
        {"page ending inside a marker", u"<title>T</title><meta name=\"auth"_s,
         formWith({{Field::Title, u"T"_s}})},
        {"refresh", u"<meta http-equiv=\"refresh\" content=\"5; url=page2.html\">"_s,
         refresh(u"5; url=page2.html"_s, u"5"_s, u"page2.html"_s)},
        {"refresh, no blank", u"<meta http-equiv=\"refresh\" content=\"5;url=page2.html\">"_s,
         refresh(u"5;url=page2.html"_s, u"5"_s, u"page2.html"_s)},
        {"refresh, quoted URL", u"<meta http-equiv=\"refresh\" content=\"5;URL='x'\">"_s,
         refresh(u"5;URL='x'"_s, u"5"_s, u"'x'"_s)},
        {"refresh parts untrimmed", u"<meta http-equiv=\"refresh\" content=\"5 ;  Url= a\">"_s,
         refresh(u"5 ;  Url= a"_s, u"5 "_s, u" a"_s)},
        {"refresh without ;", u"<meta http-equiv=\"refresh\" content=\"5\">"_s,
         refresh(u"5"_s, {}, {})},
        {"charset iso-8859-15",
         u"<meta http-equiv=\"content-type\" content=\"text/html; charset=iso-8859-15\">"_s,
         formWith({{Field::ContentTypeSlot, u"text/html; charset=iso-8859-15"_s}},
                  {{List::Charset, 2}})},
        {"charset utf-8",
         u"<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\">"_s,
         formWith({{Field::ContentTypeSlot, u"text/html; charset=utf-8"_s}})},
        {"language de-ch", u"<meta http-equiv=\"content-language\" content=\"de-ch\">"_s,
         formWith({}, {{List::Language, 1}})},
        {"language pt-br", u"<meta http-equiv=\"content-language\" content=\"pt-br\">"_s,
         formWith({{Field::OtherLanguage, u"pt-br"_s}})},
        {"language en-us", u"<meta http-equiv=\"content-language\" content=\"en-us\">"_s,
         formWith({}, {{List::Language, 0}})},
        {"pragma No-Cache", u"<meta http-equiv=\"pragma\" content=\"No-Cache\">"_s,
         formWith({{Field::PragmaSlot, u"No-Cache"_s}}, {{List::PageCaching, 1}})},
        {"pragma cache", u"<meta http-equiv=\"pragma\" content=\"cache\">"_s,
         formWith({{Field::PragmaSlot, u"cache"_s}})},
        {"Dublin Core boxes",
         u"<meta name=\"DC.Title\" content=\"T\"><meta name=\"dc.description\" content=\"D\">"
         u"<meta name=\"DC.Subject\" content=\"S\">"_s,
         formWith({{Field::DCTitleSlot, u"T"_s},
                   {Field::DCDescriptionSlot, u"D"_s},
                   {Field::DCSubjectSlot, u"S"_s}},
                  {}, {Check::DCTitle, Check::DCDescription, Check::DCSubject})},
        {"two titles", u"<title>A</title>\r\n<title>B</title>"_s,
         formWith({{Field::Title, u"B"_s}})},
        {"name=content-language", u"<meta name=\"content-language\" content=\"de\">"_s, {}},
        {"comment", u"<!-- made\r\nby hand -->"_s,
         formWith({{Field::Comments, u"made by hand"_s}})},
        {"tag inside a comment", u"<!-- <title>Old</title> -->"_s,
         formWith({{Field::Comments, u"<title>Old</title>"_s}})},
        {"comment closed behind its opening", u"<!-->x-->"_s,
         formWith({{Field::Comments, u">x"_s}})},
        {"unclosed comment",
         u"<title>T</title>\r\n<!-- old\r\n<meta name=\"author\" content=\"A\">\r\n"_s,
         formWith({{Field::Title, u"T"_s}})},
        {"unclosed tag at the end", u"<title>T</title><meta name=\"author\" content=\"A\""_s,
         formWith({{Field::Title, u"T"_s}})},
        {"unquoted name", u"<meta name=keywords content=a>"_s, {}},
        {"swapped attributes", u"<meta content=\"a\" name=\"keywords\">"_s, {}},
        {"two blanks", u"<meta  name=\"keywords\" content=\"a\">"_s, {}},
        {"ß before the tag", u"<p>Straße</p><title>Straße</title>"_s,
         formWith({{Field::Title, u"Straße"_s}})},
        {"Kelvin sign", u"<LIN\u212A REV=\"MADE\" HREF=\"x\">"_s, {}},
        {"byte-order mark inside a value", u"<title>\uFEFFT</title>"_s,
         formWith({{Field::Title, u"\uFEFFT"_s}})},
        {"Windows-1252 letters", u"<title>€ – “x”</title>"_s,
         formWith({{Field::Title, u"€ – “x”"_s}})},
        {"beyond Windows-1252", u"<title>Zażółć 日本 😀</title>"_s,
         formWith({{Field::Title, u"Zażółć 日本 😀"_s}})},
        {"empty page", {}, {}},
    };
}

} // namespace

class TestMetaTagReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsPage_data();
    void readsPage();
    void bytesReadAsText_data();
    void bytesReadAsText();
    void readsBackWrittenTags_data();
    void readsBackWrittenTags();
    void leavesTheRestOfTheForm();
    void largePages_data();
    void largePages();
};

void TestMetaTagReader::readsPage_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<FormValue>("expected");
    for (const PageCase &c : pageCases())
        QTest::newRow(c.name) << c.page << c.form;
}

void TestMetaTagReader::readsPage() {
    QFETCH(QString, page);
    QFETCH(FormValue, expected);
    QCOMPARE(read(QStringView(page)), expected);
}

void TestMetaTagReader::bytesReadAsText_data() {
    QTest::addColumn<QByteArray>("bytes");
    for (const PageCase &c : pageCases()) {
        QTest::addRow("%s, UTF-8", c.name) << c.page.toUtf8();
        QTest::addRow("%s, UTF-8 with BOM", c.name) << "\xEF\xBB\xBF" + c.page.toUtf8();
        // Characters Windows-1252 lacks become character references.
        QTest::addRow("%s, Windows-1252", c.name)
            << encodeText(c.page, {Encoding::Windows1252, LineBreak::CrLf, false});
    }
}

void TestMetaTagReader::bytesReadAsText() {
    QFETCH(QByteArray, bytes);
    QCOMPARE(read(QByteArrayView(bytes)), read(QStringView(decodeText(bytes).text)));
}

void TestMetaTagReader::readsBackWrittenTags_data() {
    QTest::addColumn<DcNameCase>("dcCase");
    QTest::newRow("DC.Title") << DcNameCase::Capitalised;
    QTest::newRow("DC.title") << DcNameCase::LowerCase;
}

// Every tag Velko writes comes back into the field it was written from.
void TestMetaTagReader::readsBackWrittenTags() {
    QFETCH(DcNameCase, dcCase);
    FormValue written;
    for (const FieldEntry &entry : allFields()) {
        if (entry.page != Page::None)
            written[entry.field] = QString::fromLatin1(entry.name) + u" \"q\""_s;
    }
    written[Field::RefreshSeconds] = u"5"_s;
    written[Field::RefreshUrl] = u"a.html"_s;
    const std::pair<List, int> chosen[] = {{List::Distribution, 1}, {List::Robot, 2},
                                           {List::Rating, 1},       {List::Charset, 4},
                                           {List::Language, 2},     {List::PageCaching, 1}};
    for (const auto &[list, index] : chosen)
        written[list] = item(list, index);
    for (const Check check : {Check::DCTitle, Check::DCDescription, Check::DCSubject})
        written[check] = true;

    FormValue expected = written;
    expected[Field::OtherLanguage].clear();
    expected[Field::RefreshSlot] = u"5; url=a.html"_s;
    expected[Field::DistributionSlot] = written[List::Distribution].text;
    expected[Field::RobotsSlot] = written[List::Robot].text;
    expected[Field::RatingSlot] = written[List::Rating].text;
    expected[Field::ContentTypeSlot] = u"text/html; charset="_s + written[List::Charset].text;
    expected[Field::PragmaSlot] = u"no-cache"_s;
    expected[Field::DCTitleSlot] = written[Field::Title];
    expected[Field::DCDescriptionSlot] = written[Field::Description];
    expected[Field::DCSubjectSlot] = written[Field::Keywords];

    QCOMPARE(read(QStringView(BuildTagBlock(written, dcCase))), expected);
}

// Lists without a match, boxes of empty slots and the spare slot keep what the
// form held; Page Caching is the one list a page always sets.
void TestMetaTagReader::leavesTheRestOfTheForm() {
    FormValue form = formWith({{Field::Spare, u"spare"_s}}, {{List::Robot, 2}, {List::Language, 2}},
                              {Check::DCTitle, Check::TitleComments});
    form[List::PageCaching] = item(List::PageCaching, 1);
    FormValue expected = form;
    expected[Field::RobotsSlot] = u"index"_s;
    expected[List::PageCaching] = {};

    readMetaTags(u"<meta name=\"robots\" content=\"index\"><meta name=\"DC.Title\" content=\"\">"
                 u"<meta http-equiv=\"content-language\" content=\"pt-br\">"_s,
                 form);
    QCOMPARE(form, expected);
}

void TestMetaTagReader::largePages_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<FormValue>("expected");
    constexpr qsizetype size = 50 * 1024 * 1024;
    const auto filled = [](QByteArray head, const QByteArray &repeated, const QByteArray &tail) {
        return head + repeated.repeated(size / repeated.size()) + tail;
    };
    // The filler is full of near misses for "-->" and of markup.
    QTest::newRow("unclosed comment, one line")
        << filled("<title>T</title><!-- ", "- <title>x</title> -- > ", "")
        << formWith({{Field::Title, u"T"_s}});
    QTest::newRow("unclosed comment, many lines")
        << filled("<title>T</title>\r\n<!--\r\n", "- <title>x</title> -- >\r\n", "")
        << formWith({{Field::Title, u"T"_s}});
    // One value as long as the page, over ten million lines.
    const QByteArray line = "abc\r\n";
    QTest::newRow("closed comment, many lines")
        << filled("<!--", line, "-->")
        << formWith({{Field::Comments, u"abc "_s.repeated(size / line.size()).chopped(1)}});
    const QByteArray escaped = "&quot;x";
    QTest::newRow("value full of &quot;")
        << filled(R"(<meta name="description" content=")", escaped, R"(">)")
        << formWith({{Field::Description, u"\"x"_s.repeated(size / escaped.size())}});
    QTest::newRow("one-line page")
        << filled("<html><head>",
                  "<p class=\"a\">x &lt; y</p><meta name=\"keywords\" content=\"k\"><meta name=x>",
                  "<title>End</title><meta name=\"keywords\" content=\"last\"></head></html>")
        << formWith({{Field::Title, u"End"_s}, {Field::Keywords, u"last"_s}});
}

void TestMetaTagReader::largePages() {
    QFETCH(QByteArray, bytes);
    QFETCH(FormValue, expected);
    QCOMPARE(read(QByteArrayView(bytes)), expected);
    QCOMPARE(read(QStringView(QString::fromLatin1(bytes))), expected);
}

QTEST_APPLESS_MAIN(TestMetaTagReader)
#include "test_meta_tag_reader.moc"
