#include "cli/FormFile.h"
#include "support/FormPrinting.h"

#include <QTest>

using namespace velko;

class TestFormFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reads_data();
    void reads();
    void refuses_data();
    void refuses();
    void writesWhatItReads();
};

void TestFormFile::reads_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<FormValue>("form");

    FormValue form;
    form[Field::Title] = "\"Ł\"\r\n😀";
    form[Field::RefreshSlot] = "5";
    form[List::Robot] = {1, "noindex"};
    form[List::Rating] = {-1, "General"}; // not the item "general": typed
    form[List::PageCaching] = {1, "no-cache"};
    form[List::Charset] = {2, "edited"};
    form[Check::DCTitle] = true;
    QTest::newRow("every kind of value")
        << QByteArray(R"({"Title": "\"Ł\"\r\n\ud83d\ude00", "Refresh slot": "5",
            "Robot": "noindex", "Rating": "General", "Page Caching": {"index": 1},
            "Charset": {"index": 2, "text": "edited"}, "Use Title": true})")
        << form;
    QTest::newRow("nothing") << QByteArray("{}") << FormValue{};
}

void TestFormFile::reads() {
    QFETCH(QByteArray, json);
    QFETCH(FormValue, form);
    QString error;
    const std::optional<FormValue> read = parseFormFile(json, &error);
    QVERIFY2(read, qPrintable(error));
    QCOMPARE(*read, form);
}

void TestFormFile::refuses_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error");
    QTest::newRow("unknown key") << QByteArray(R"({"Titel": ""})") << "unknown key \"Titel\"";
    QTest::newRow("the spare slot") << QByteArray(R"({"Spare slot": ""})") << "Spare slot";
    QTest::newRow("wrong type") << QByteArray(R"({"Title": 1})") << "\"Title\": expected";
    QTest::newRow("index too big") << QByteArray(R"({"Robot": {"index": 4}})") << "out of range";
    QTest::newRow("index too small") << QByteArray(R"({"Robot": {"index": -2}})") << "out of range";
    QTest::newRow("fractional index")
        << QByteArray(R"({"Robot": {"index": 1.5}})") << "not an integer";
    QTest::newRow("half a surrogate pair")
        << QByteArray(R"({"Robot": "\ude00"})") << "\"Robot\": not valid Unicode";
    QTest::newRow("not JSON") << QByteArray("{\"Title\"") << "not valid JSON";
    QTest::newRow("an array") << QByteArray("[]") << "not a JSON object";
}

void TestFormFile::refuses() {
    QFETCH(QByteArray, json);
    QFETCH(QString, error);
    QString message;
    QVERIFY(!parseFormFile(json, &message));
    QVERIFY2(message.contains(error), qPrintable(message));
}

void TestFormFile::writesWhatItReads() {
    FormValue form;
    for (int i = 1; i < kFieldCount; ++i)
        form.texts[i] = QString("\\ \" \x01 %1 ł").arg(i);
    form[List::Language] = {-1, "typed"};
    form[List::Robot] = {3, "none"};
    form.checks.fill(true);
    QString error;
    QCOMPARE(parseFormFile(formFileText(form), &error), form);
}

QTEST_APPLESS_MAIN(TestFormFile)
#include "test_form_file.moc"
