#include "support/FormPrinting.h"
#include "tags/TagBlock.h"

#include <QTest>

using namespace velko;

namespace {

template <typename Change> FormValue with(Change change) {
    FormValue form;
    change(form);
    return form;
}

} // namespace

class TestTagBlock : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rows_data();
    void rows();
    void everyRowInOrder();
};

void TestTagBlock::rows_data() {
    QTest::addColumn<FormValue>("form");
    QTest::addColumn<QString>("block");

    QTest::newRow("empty form") << FormValue{} << "";
    QTest::newRow("a blank title is filled")
        << with([](FormValue &f) { f[Field::Title] = " "; }) << "<title> </title>\r\n";
    QTest::newRow("refresh needs both parts")
        << with([](FormValue &f) { f[Field::RefreshSeconds] = "60"; }) << "";
    QTest::newRow("slots take no part")
        << with([](FormValue &f) { f[Field::RobotsSlot] = f[Field::RefreshSlot] = "x"; }) << "";
    QTest::newRow("DC box with an empty title")
        << with([](FormValue &f) { f[Check::DCTitle] = true; })
        << "<meta name=\"DC.Title\" content=\"\">\r\n";
    QTest::newRow("comment box with an empty title")
        << with([](FormValue &f) { f[Check::TitleComments] = true; }) << "<!---->\r\n";
    QTest::newRow("page caching item 0") << with([](FormValue &f) {
        f[List::PageCaching] = {0, "cache (Default)"};
    }) << "";
    QTest::newRow("typed list text, trimmed") << with([](FormValue &f) {
        f[List::Robot] = {-1, " noindex, nofollow "};
    }) << "<meta name=\"robots\" content=\"noindex, nofollow\">\r\n";
    QTest::newRow("typed charset keeps its prefix") << with([](FormValue &f) {
        f[List::Charset] = {-1, "utf-8"};
    }) << "<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\">\r\n";
    QTest::newRow("typed page caching") << with([](FormValue &f) {
        f[List::PageCaching] = {-1, "no-store"};
    }) << "<meta http-equiv=\"pragma\" content=\"no-store\">\r\n";
    QTest::newRow("blank typed text") << with([](FormValue &f) {
        f[List::Rating] = {-1, "  "};
    }) << "";
    QTest::newRow("CR LF stays inside its line")
        << with([](FormValue &f) { f[Field::Keywords] = "a,\r\nb"; })
        << "<meta name=\"keywords\" content=\"a,\r\nb\">\r\n";
    QTest::newRow("quotes escaped in attributes only")
        << with([](FormValue &f) {
               f[Field::Title] = f[Field::Description] = f[Field::Comments] = "\"x\" & <y>";
           })
        << "<title>\"x\" & <y></title>\r\n"
           "<meta name=\"description\" content=\"&quot;x&quot; & <y>\">\r\n<!--\"x\" & <y>-->\r\n";
}

void TestTagBlock::rows() {
    QFETCH(FormValue, form);
    QFETCH(QString, block);
    QCOMPARE(BuildTagBlock(form, DcNameCase::Capitalised), block);
}

// All 38 rows hold; the lower-case DC names differ in the DC prefixes alone.
void TestTagBlock::everyRowInOrder() {
    FormValue form;
    for (int i = 1; i < kFieldCount; ++i)
        form.texts[i] = QString::number(i);
    for (const ListEntry &entry : allLists())
        form[entry.list] = {1, QString::fromUtf8(entry.items[1])};
    form.checks.fill(true);
    const QStringList lines = {
        "<title>1</title>",
        R"(<meta name="keywords" content="2">)",
        R"(<meta name="description" content="3">)",
        R"(<meta name="author" content="4">)",
        R"(<link rev="made" href="5">)",
        R"(<meta name="copyright" content="6">)",
        R"(<meta name="revisit-after" content="7">)",
        R"(<meta http-equiv="refresh" content="9; url=10">)",
        R"(<meta http-equiv="expires" content="11">)",
        R"(<meta name="distribution" content="local">)",
        R"(<meta name="robots" content="noindex">)",
        R"(<meta name="rating" content="14 Years">)",
        R"(<meta http-equiv="content-type" content="text/html; charset=us-ascii">)",
        R"(<meta http-equiv="content-language" content="ch">)",
        R"(<meta name="content-language" content="15">)",
        R"(<meta name="DC.Title" content="1">)",
        R"(<meta name="DC.Description" content="3">)",
        R"(<meta name="DC.Subject" content="2">)",
        R"(<meta name="DC.Creator" content="19">)",
        R"(<meta name="DC.Publisher" content="21">)",
        R"(<meta name="DC.Contributors" content="22">)",
        R"(<meta name="DC.Date" content="23">)",
        R"(<meta name="DC.Type" content="24">)",
        R"(<meta name="DC.Format" content="25">)",
        R"(<meta name="DC.Identifier" content="26">)",
        R"(<meta name="DC.Source" content="27">)",
        R"(<meta name="DC.Language" content="28">)",
        R"(<meta name="DC.Relation" content="29">)",
        R"(<meta name="DC.Coverage" content="30">)",
        R"(<meta name="DC.Rights" content="31">)",
        R"(<meta http-equiv="pragma" content="no-cache">)",
        R"(<meta name="generator" content="33">)",
        R"(<meta http-equiv="window-target" content="34">)",
        R"(<meta name="abstract" content="35">)",
        "<!--36-->",
        "<!--1-->",
        "<!--2-->",
        "<!--3-->",
    };
    QCOMPARE(BuildTagBlock(form, DcNameCase::Capitalised), lines.join("\r\n") + "\r\n");

    QString lower = lines.join("\r\n") + "\r\n";
    for (const char *name :
         {"Title", "Description", "Subject", "Creator", "Publisher", "Contributors", "Date", "Type",
          "Format", "Identifier", "Source", "Language", "Relation", "Coverage", "Rights"})
        lower.replace(QString("\"DC.") + name, QString("\"DC.") + QString(name).toLower());
    QCOMPARE(BuildTagBlock(form, DcNameCase::LowerCase), lower);
}

QTEST_APPLESS_MAIN(TestTagBlock)
#include "test_tag_block.moc"
