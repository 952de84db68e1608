#include "fields/FormLayout.h"
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

// Every control of the Web Tags page filled in or chosen, Fill Open Graph aside.
FormValue everyWebTag() {
    FormValue form;
    for (const FieldEntry &entry : allFields())
        form[entry.field] = QString::fromUtf8(entry.name).remove("og:").remove("twitter:") + " x";
    for (const ListEntry &entry : allLists())
        form[entry.list] = {0, QString::fromUtf8(entry.items[0])};
    form[List::OgType] = {-1, "product"};
    form[Check::DeclareUtf8] = true;
    return test::onPage(form, Page::WebTags);
}

const QStringList everyWebTagLine = {
    R"(<meta name="viewport" content="width=device-width, initial-scale=1">)",
    R"(<link rel="canonical" href="Canonical URL x">)",
    R"(<meta name="theme-color" content="Theme Colour x">)",
    R"(<meta property="og:title" content="title x">)",
    R"(<meta property="og:description" content="description x">)",
    R"(<meta property="og:url" content="url x">)",
    R"(<meta property="og:type" content="product">)",
    R"(<meta property="og:image" content="image x">)",
    R"(<meta property="og:image:alt" content="image:alt x">)",
    R"(<meta property="og:site_name" content="site_name x">)",
    R"(<meta property="og:locale" content="locale x">)",
    R"(<meta name="twitter:card" content="summary">)",
    R"(<meta name="twitter:site" content="site x">)",
    R"(<meta name="twitter:creator" content="creator x">)",
};

} // namespace

class TestWebTags : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachRowAlone_data();
    void eachRowAlone();
    void allRowsInTheFullBlock();
    void reads_data();
    void reads();
    void readsBackWhatItWrites_data();
    void readsBackWhatItWrites();
};

void TestWebTags::eachRowAlone_data() {
    QTest::addColumn<FormValue>("form");
    QTest::addColumn<QString>("block");

    const FormValue every = everyWebTag();
    QTest::newRow("Declare UTF-8")
        << test::formOf(R"({"Declare UTF-8": true})") << "<meta charset=\"utf-8\">\r\n";
    int line = 0;
    for (const FormRow &row : formRows()) {
        if (row.page != Page::WebTags || row.main.kind == Control::Kind::Check)
            continue;
        FormValue alone;
        if (row.main.kind == Control::Kind::Text)
            alone[Field(row.main.id)] = every[Field(row.main.id)];
        else
            alone[List(row.main.id)] = every[List(row.main.id)];
        QTest::newRow(row.label) << alone << everyWebTagLine[line++] + "\r\n";
    }
    const auto row = [](const char *name, const char *form, const QString &block) {
        QTest::newRow(name) << test::formOf(form) << block;
    };
    const QString filled = "<title>T</title>\r\n"
                           "<meta name=\"description\" content=\"D\">\r\n"
                           "<link rel=\"canonical\" href=\"U\">\r\n"
                           "<meta property=\"og:title\" content=\"%1\">\r\n"
                           "<meta property=\"og:description\" content=\"D\">\r\n"
                           "<meta property=\"og:url\" content=\"U\">\r\n";
    row("Fill Open Graph", R"({"Title": "T", "Description": "D", "Canonical URL": "U",
        "Fill Open Graph from General Tags": true})",
        filled.arg("T"));
    row("Fill Open Graph keeps a filled og:title", R"({"Title": "T", "Description": "D",
        "Canonical URL": "U", "og:title": "O", "Fill Open Graph from General Tags": true})",
        filled.arg("O"));
    row("Fill Open Graph with nothing to fill", R"({"Fill Open Graph from General Tags": true})",
        "");
}

void TestWebTags::eachRowAlone() {
    QFETCH(FormValue, form);
    QFETCH(QString, block);
    QCOMPARE(BuildTagBlock(form, DcNameCase::Capitalised), block);
}

// With every other row filled in: the charset first, the new lines after the
// last meta tag of before, the comments still last; Dublin Core's letter case
// touches none of them.
void TestWebTags::allRowsInTheFullBlock() {
    FormValue form = everyWebTag();
    for (const FieldEntry &entry : allFields())
        if (entry.page != Page::WebTags)
            form[entry.field] = QString::fromUtf8(entry.id);
    for (const ListEntry &entry : allLists())
        if (entry.page != Page::WebTags)
            form[entry.list] = {1, QString::fromUtf8(entry.items[1])};
    form.checks.fill(true);
    const FormValue without = test::onPage(form, Page::WebTags, false);
    for (DcNameCase dcCase : {DcNameCase::Capitalised, DcNameCase::LowerCase}) {
        QStringList lines = BuildTagBlock(without, dcCase).split("\r\n");
        const qsizetype comments = lines.indexOf("<!--Comments-->");
        QCOMPARE(lines[comments - 1], R"(<meta name="abstract" content="Abstract">)");
        for (qsizetype i = 0; i < everyWebTagLine.size(); ++i)
            lines.insert(comments + i, everyWebTagLine[i]);
        lines.prepend(R"(<meta charset="utf-8">)");
        QCOMPARE(BuildTagBlock(form, dcCase), lines.join("\r\n"));
    }
}

void TestWebTags::reads_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<FormValue>("form");

    const auto row = [](const char *name, const char *page, const char *form) {
        QTest::newRow(name) << QString(page) << test::formOf(form);
    };
    const char *check = R"({"Declare UTF-8": true})";
    row("charset in capitals, blanks", "<META CHARSET=' UTF-8 '>", check);
    row("charset utf8 unquoted", "<meta charset=utf8 />", check);
    row("another charset", "<meta charset=\"iso-8859-1\">", "{}");
    row("canonical, href first, single quotes", "<link href='https://a.example/p' rel='Canonical'>",
        R"({"Canonical URL": "https://a.example/p"})");
    row("og:title as name", "<meta name=\"og:title\" content=\"T\">", R"({"og:title": "T"})");
    row("og:type item, any case", "<meta property=\"og:type\" content=\"Article\">",
        R"({"og:type": {"index": 1}})");
    row("og:type typed", "<meta property=\"og:type\" content=\" product \">",
        R"({"og:type": {"index": -1, "text": "product"}})");
    row("twitter:card as property",
        "<meta property=\"twitter:card\" content=\"summary_large_image\">",
        R"({"twitter:card": {"index": 1}})");
    row("Fill Open Graph is never read",
        "<title>T</title><meta property=\"og:title\" content=\"T\">",
        R"({"Title": "T", "og:title": "T"})");
}

void TestWebTags::reads() {
    QFETCH(QString, page);
    QFETCH(FormValue, form);
    QCOMPARE(read(page), form);
}

// velko --read then --generate gives a page's tags back as they were.
void TestWebTags::readsBackWhatItWrites_data() {
    QTest::addColumn<FormValue>("form");
    QTest::newRow("every web tag") << everyWebTag();
    FormValue chosen = everyWebTag();
    chosen[List::OgType] = {5, "music.song"};
    chosen[List::TwitterCard] = {-1, "app"};
    chosen[List::Viewport] = {-1, "width=device-width"};
    chosen[Field::Title] = chosen[Field::Description] = "General";
    QTest::newRow("with general tags, other list values") << chosen;
}

void TestWebTags::readsBackWhatItWrites() {
    QFETCH(FormValue, form);
    const QString block = BuildTagBlock(form, DcNameCase::Capitalised);
    QCOMPARE(read("<head>" + block + "</head>"), form);
    QCOMPARE(BuildTagBlock(read("<head>" + block + "</head>"), DcNameCase::Capitalised), block);
}

QTEST_APPLESS_MAIN(TestWebTags)
#include "test_web_tags.moc"
