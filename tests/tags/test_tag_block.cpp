#include "tags/TagBlock.h"

#include <QTest>

using namespace velko;

Q_DECLARE_METATYPE(velko::FormValue)

namespace {

// A form where every one of the 38 rows holds, each with its own value.
FormValue everyRowForm() {
    FormValue form;
    form[Field::Title] = "T";
    form[Field::Keywords] = "K";
    form[Field::Description] = "D";
    form[Field::Author] = "A";
    form[Field::Email] = "e@x.example";
    form[Field::Copyright] = "C";
    form[Field::RevisitAfter] = "2 Weeks";
    form[Field::RefreshSeconds] = "60";
    form[Field::RefreshUrl] = "http://u.example/";
    form[Field::Expires] = "X";
    form[List::Distribution] = {1, "local"};
    form[List::Robot] = {1, "noindex"};
    form[List::Rating] = {1, "14 Years"};
    form[List::Charset] = {0, "windows-1252"};
    form[List::Language] = {2, "de"};
    form[Field::OtherLanguage] = "pt-br";
    form[Field::DCCreator] = "cr";
    form[Field::DCPublisher] = "pu";
    form[Field::DCContributors] = "co";
    form[Field::DCDate] = "da";
    form[Field::DCType] = "ty";
    form[Field::DCFormat] = "fo";
    form[Field::DCIdentifier] = "id";
    form[Field::DCSource] = "so";
    form[Field::DCLanguage] = "la";
    form[Field::DCRelation] = "re";
    form[Field::DCCoverage] = "cv";
    form[Field::DCRights] = "ri";
    form[List::PageCaching] = {1, "no-cache"};
    form[Field::Generator] = "G";
    form[Field::WindowTarget] = "_top";
    form[Field::Abstract] = "Ab";
    form[Field::Comments] = "Co";
    form.checks.fill(true);
    return form;
}

const QStringList kEveryRowLines = {
    R"(<title>T</title>)",
    R"(<meta name="keywords" content="K">)",
    R"(<meta name="description" content="D">)",
    R"(<meta name="author" content="A">)",
    R"(<link rev="made" href="e@x.example">)",
    R"(<meta name="copyright" content="C">)",
    R"(<meta name="revisit-after" content="2 Weeks">)",
    R"(<meta http-equiv="refresh" content="60; url=http://u.example/">)",
    R"(<meta http-equiv="expires" content="X">)",
    R"(<meta name="distribution" content="local">)",
    R"(<meta name="robots" content="noindex">)",
    R"(<meta name="rating" content="14 Years">)",
    R"(<meta http-equiv="content-type" content="text/html; charset=windows-1252">)",
    R"(<meta http-equiv="content-language" content="de">)",
    R"(<meta name="content-language" content="pt-br">)",
    R"(<meta name="DC.Title" content="T">)",
    R"(<meta name="DC.Description" content="D">)",
    R"(<meta name="DC.Subject" content="K">)",
    R"(<meta name="DC.Creator" content="cr">)",
    R"(<meta name="DC.Publisher" content="pu">)",
    R"(<meta name="DC.Contributors" content="co">)",
    R"(<meta name="DC.Date" content="da">)",
    R"(<meta name="DC.Type" content="ty">)",
    R"(<meta name="DC.Format" content="fo">)",
    R"(<meta name="DC.Identifier" content="id">)",
    R"(<meta name="DC.Source" content="so">)",
    R"(<meta name="DC.Language" content="la">)",
    R"(<meta name="DC.Relation" content="re">)",
    R"(<meta name="DC.Coverage" content="cv">)",
    R"(<meta name="DC.Rights" content="ri">)",
    R"(<meta http-equiv="pragma" content="no-cache">)",
    R"(<meta name="generator" content="G">)",
    R"(<meta http-equiv="window-target" content="_top">)",
    R"(<meta name="abstract" content="Ab">)",
    R"(<!--Co-->)",
    R"(<!--T-->)",
    R"(<!--K-->)",
    R"(<!--D-->)",
};

QString crlfLines(const QStringList &lines) {
    QString text;
    for (const QString &line : lines)
        text += line + "\r\n";
    return text;
}

} // namespace

class TestTagBlock : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void singleConditions_data();
    void singleConditions();
    void everyRowHolds();
    void lowerCaseDcNames();
};

void TestTagBlock::singleConditions_data() {
    QTest::addColumn<FormValue>("form");
    QTest::addColumn<QString>("block");

    auto with = [](auto change) {
        FormValue form;
        change(form);
        return form;
    };

    QTest::newRow("empty form") << FormValue{} << "";
    QTest::newRow("title only") << with([](FormValue &f) { f[Field::Title] = "Homepage"; })
                                << "<title>Homepage</title>\r\n";
    QTest::newRow("a blank is filled")
        << with([](FormValue &f) { f[Field::Title] = " "; }) << "<title> </title>\r\n";
    QTest::newRow("refresh seconds alone")
        << with([](FormValue &f) { f[Field::RefreshSeconds] = "60"; }) << "";
    QTest::newRow("refresh address alone")
        << with([](FormValue &f) { f[Field::RefreshUrl] = "http://a.example/"; }) << "";
    QTest::newRow("refresh slot takes no part")
        << with([](FormValue &f) { f[Field::RefreshSlot] = "5; url=x"; }) << "";
    QTest::newRow("hidden slots take no part") << with([](FormValue &f) {
        for (Field slot : {Field::Spare, Field::RobotsSlot, Field::RatingSlot,
                           Field::ContentTypeSlot, Field::DistributionSlot, Field::DCTitleSlot,
                           Field::DCDescriptionSlot, Field::DCSubjectSlot, Field::PragmaSlot})
            f[slot] = "x";
    }) << "";
    QTest::newRow("DC.Title box with empty title")
        << with([](FormValue &f) { f[Check::DCTitle] = true; })
        << "<meta name=\"DC.Title\" content=\"\">\r\n";
    QTest::newRow("title comment box with empty title")
        << with([](FormValue &f) { f[Check::TitleComments] = true; }) << "<!---->\r\n";
    QTest::newRow("title does not need its DC box")
        << with([](FormValue &f) {
               f[Field::Keywords] = "k";
               f[Check::DCDescription] = true;
           })
        << "<meta name=\"keywords\" content=\"k\">\r\n<meta name=\"DC.Description\" "
           "content=\"\">\r\n";
    QTest::newRow("page caching item 0") << with([](FormValue &f) {
        f[List::PageCaching] = {0, "cache (Default)"};
    }) << "";
    QTest::newRow("page caching item 1") << with([](FormValue &f) {
        f[List::PageCaching] = {1, "no-cache"};
    }) << "<meta http-equiv=\"pragma\" content=\"no-cache\">\r\n";
    QTest::newRow("typed list text gives no line") << with([](FormValue &f) {
        f[List::Robot] = {-1, "all"};
    }) << "";
    QTest::newRow("rating keeps capital and blank") << with([](FormValue &f) {
        f[List::Rating] = {1, "14 Years"};
    }) << "<meta name=\"rating\" content=\"14 Years\">\r\n";
    QTest::newRow("charset inside content") << with([](FormValue &f) {
        f[List::Charset] = {2, "iso-8859-1"};
    }) << "<meta http-equiv=\"content-type\" content=\"text/html; charset=iso-8859-1\">\r\n";
    QTest::newRow("CR LF stays inside the keywords line")
        << with([](FormValue &f) { f[Field::Keywords] = "one,\r\ntwo"; })
        << "<meta name=\"keywords\" content=\"one,\r\ntwo\">\r\n";
    QTest::newRow("quote escaped in an attribute")
        << with([](FormValue &f) { f[Field::Description] = R"(the "best" <b> & co)"; })
        << "<meta name=\"description\" content=\"the &quot;best&quot; <b> & co\">\r\n";
    QTest::newRow("quote escaped in the link")
        << with([](FormValue &f) { f[Field::Email] = R"(a"b)"; })
        << "<link rev=\"made\" href=\"a&quot;b\">\r\n";
    QTest::newRow("quote kept in title and comments") << with([](FormValue &f) {
        f[Field::Title] = R"(a "b")";
        f[Field::Comments] = R"("c")";
    }) << "<title>a \"b\"</title>\r\n<!--\"c\"-->\r\n";
    QTest::newRow("quote escaped in DC subject from keywords")
        << with([](FormValue &f) {
               f[Field::Keywords] = R"(")";
               f[Check::DCSubject] = true;
               f[Check::KeywordsComments] = true;
           })
        << "<meta name=\"keywords\" content=\"&quot;\">\r\n"
           "<meta name=\"DC.Subject\" content=\"&quot;\">\r\n<!--\"-->\r\n";
    QTest::newRow("existing entity left as typed")
        << with([](FormValue &f) { f[Field::Author] = "&quot;"; })
        << "<meta name=\"author\" content=\"&quot;\">\r\n";
    QTest::newRow("two language lines, list first")
        << with([](FormValue &f) {
               f[Field::OtherLanguage] = "pt-br";
               f[List::Language] = {0, "en"};
           })
        << "<meta http-equiv=\"content-language\" content=\"en\">\r\n"
           "<meta name=\"content-language\" content=\"pt-br\">\r\n";
}

void TestTagBlock::singleConditions() {
    QFETCH(FormValue, form);
    QFETCH(QString, block);
    QCOMPARE(BuildTagBlock(form, DcNameCase::Capitalised), block);
}

void TestTagBlock::everyRowHolds() {
    const QString block = BuildTagBlock(everyRowForm(), DcNameCase::Capitalised);
    QCOMPARE(block, crlfLines(kEveryRowLines));
    QCOMPARE(block.count("\r\n"), 38);
}

void TestTagBlock::lowerCaseDcNames() {
    QStringList expected = kEveryRowLines;
    const QStringList lowerNames = {"title",     "description",  "subject", "creator",
                                    "publisher", "contributors", "date",    "type",
                                    "format",    "identifier",   "source",  "language",
                                    "relation",  "coverage",     "rights"};
    for (int i = 0; i < lowerNames.size(); ++i) {
        const int line = 15 + i;
        const QString value = expected[line].section("content=", 1);
        expected[line] = "<meta name=\"DC." + lowerNames[i] + "\" content=" + value;
    }
    QCOMPARE(BuildTagBlock(everyRowForm(), DcNameCase::LowerCase), crlfLines(expected));
}

QTEST_APPLESS_MAIN(TestTagBlock)
#include "test_tag_block.moc"
