#include "cli/FormFile.h"
#include "support/FormPrinting.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace velko;

namespace {

template <typename Fill> FormValue formWith(Fill fill) {
    FormValue form;
    fill(form);
    return form;
}

} // namespace

class TestFormFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsGoodInput_data();
    void readsGoodInput();
    void rejectsBadInput_data();
    void rejectsBadInput();
    void roundTrip_data();
    void roundTrip();
    void emptyFormHasEveryKey();
};

void TestFormFile::readsGoodInput_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<FormValue>("form");

    QTest::newRow("nothing") << QByteArray("{}") << FormValue{};
    QTest::newRow("texts, hidden slot too")
        << QByteArray(R"({"Title": "Home", "E-mail": "a@b.c", "Refresh slot": "5",
                          "Revisit After": "7 days"})")
        << formWith([](FormValue &f) {
               f[Field::Title] = "Home";
               f[Field::Email] = "a@b.c";
               f[Field::RefreshSlot] = "5";
               f[Field::RevisitAfter] = "7 days";
           });
    QTest::newRow("string chooses its item")
        << QByteArray(R"({"Robot": "nofollow"})") << formWith([](FormValue &f) {
               f[List::Robot] = {2, "nofollow"};
           });
    QTest::newRow("string matching no item, case counts")
        << QByteArray(R"({"Robot": "NoFollow"})") << formWith([](FormValue &f) {
               f[List::Robot] = {-1, "NoFollow"};
           });
    QTest::newRow("no-cache is the second item")
        << QByteArray(R"({"Page Caching": "no-cache"})") << formWith([](FormValue &f) {
               f[List::PageCaching] = {1, "no-cache"};
           });
    QTest::newRow("object without text shows the item")
        << QByteArray(R"({"Charset": {"index": 2}, "Language": {"index": -1}})")
        << formWith([](FormValue &f) {
               f[List::Charset] = {2, "iso-8859-1"};
           });
    QTest::newRow("object with its own text")
        << QByteArray(R"({"Rating": {"index": 0, "text": "G"}, "Distribution": {"index": -1,
                          "text": "iu"}})")
        << formWith([](FormValue &f) {
               f[List::Rating] = {0, "G"};
               f[List::Distribution] = {-1, "iu"};
           });
    QTest::newRow("whole number written with a point")
        << QByteArray(R"({"Robot": {"index": 3.0}})") << formWith([](FormValue &f) {
               f[List::Robot] = {3, "none"};
           });
    QTest::newRow("check boxes") << QByteArray(R"({"Use Title": true, "Use Description": false,
                          "Use Keywords as Comment": true})")
                                 << formWith([](FormValue &f) {
                                        f[Check::DCTitle] = true;
                                        f[Check::KeywordsComments] = true;
                                    });
    QTest::newRow("unicode, quotes and CR LF kept")
        << QByteArray(R"({"Description": "Zoë \"quoted\"\r\nline 2 \u00e9\ud83d\ude00 ",
                          "Comments": "\r\n"})")
        << formWith([](FormValue &f) {
               f[Field::Description] = QString::fromUtf8("Zoë \"quoted\"\r\nline 2 é😀 ");
               f[Field::Comments] = "\r\n";
           });
}

void TestFormFile::readsGoodInput() {
    QFETCH(QByteArray, json);
    QFETCH(FormValue, form);
    QString error;
    const std::optional<FormValue> read = parseFormFile(json, &error);
    QVERIFY2(read, qPrintable(error));
    QCOMPARE(*read, form);
}

void TestFormFile::rejectsBadInput_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("fragment");

    const struct {
        const char *name;
        const char *json;
        const char *fragment;
    } rows[] = {
        {"unknown key", R"({"Title": "", "Titel": ""})", R"(unknown key "Titel")"},
        {"spare slot has no key", R"({"Spare slot": ""})", R"(unknown key "Spare slot")"},
        {"text as number", R"({"Title": 5})", R"("Title": expected a string)"},
        {"text as null", R"({"Keywords": null})", R"("Keywords": expected a string)"},
        {"list as boolean", R"({"Robot": true})", R"("Robot": expected)"},
        {"list as array", R"({"Rating": ["general"]})", R"("Rating": expected)"},
        {"check as string", R"({"Use Title": "true"})", R"("Use Title": expected true or false)"},
        {"check as number", R"({"Use Keywords": 1})", R"("Use Keywords": expected true or false)"},
        {"index too big", R"({"Robot": {"index": 4}})",
         R"("Robot": index 4 is out of range (-1 to 3))"},
        {"index too small", R"({"Page Caching": {"index": -2}})",
         R"("Page Caching": index -2 is out of range (-1 to 1))"},
        {"fractional index", R"({"Robot": {"index": 1.5}})", R"("Robot": index 1.5)"},
        {"index as string", R"({"Robot": {"index": "1"}})", R"("Robot": "index")"},
        {"index missing", R"({"Robot": {"text": "all"}})", R"("Robot": missing "index")"},
        {"text in object as number", R"({"Robot": {"index": 0, "text": 0}})", R"("Robot": "text")"},
        {"unknown key in object", R"({"Robot": {"index": 0, "foo": 1}})",
         R"("Robot": unknown key "foo")"},
        {"not JSON", R"({"Title": "x")", "not valid JSON"},
        {"empty file", "", "not valid JSON"},
        {"array", R"([{"Title": "x"}])", "not a JSON object"},
        {"half surrogate pair in a text", R"({"Title": "a\ud800b"})",
         R"("Title": not valid Unicode)"},
        {"half surrogate pair in a list", R"({"Robot": "\ude00"})",
         R"("Robot": not valid Unicode)"},
        {"half surrogate pair in a list's text", R"({"Robot": {"index": 0, "text": "\ud83d}"}})",
         R"("Robot": not valid Unicode)"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << QByteArray(row.json) << QString::fromUtf8(row.fragment);
}

void TestFormFile::rejectsBadInput() {
    QFETCH(QByteArray, json);
    QFETCH(QString, fragment);
    QString error;
    QVERIFY(!parseFormFile(json, &error));
    QVERIFY2(error.contains(fragment), qPrintable(error));
}

void TestFormFile::roundTrip_data() {
    QTest::addColumn<FormValue>("form");

    QTest::newRow("empty") << FormValue{};
    FormValue escapes;
    escapes[Field::Title] = QString("\"quoted\" back\\slash /");
    escapes[Field::Keywords] = QString("line\r\nbreak\ttab\b\f\x01\x1f\x7f");
    escapes[Field::Author] = QString("Łódź 日本 \U0001F600 \u2028 \u00a0");
    escapes[List::Robot] = {-1, QString("\"\\")};
    QTest::newRow("characters JSON escapes") << escapes;
    FormValue full;
    for (int i = 1; i < kFieldCount; ++i)
        full.texts[i] = QString::fromUtf8("text %1 \"ä\"\r\nend").arg(i);
    for (const ListEntry &entry : allLists()) {
        const int i = indexOf(entry.list);
        // Chosen items, one with edited text, and typed text in turn.
        full[entry.list] = i % 2 ? ListValue{int(entry.items.size()) - 1, entry.items.back()}
                                 : ListValue{-1, QStringLiteral("typed %1").arg(i)};
    }
    full[List::Charset].text = "edited";
    full.checks.fill(true);
    QTest::newRow("full") << full;
}

void TestFormFile::roundTrip() {
    QFETCH(FormValue, form);
    QString error;
    const std::optional<FormValue> read = parseFormFile(formFileText(form), &error);
    QVERIFY2(read, qPrintable(error));
    QCOMPARE(*read, form);
}

void TestFormFile::emptyFormHasEveryKey() {
    const QJsonObject json = QJsonDocument::fromJson(formFileText(FormValue{})).object();
    QCOMPARE(json.size(), 48);
    QVERIFY(!json.contains("Spare slot"));
    QCOMPARE(json.value("Page Caching"), QJsonObject({{"index", -1}, {"text", ""}}));
    QCOMPARE(json.value("Use Title"), QJsonValue(false));
}

QTEST_APPLESS_MAIN(TestFormFile)
#include "test_form_file.moc"
