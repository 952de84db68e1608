#include "support/TestForms.h"

#include <QTest>

using namespace velko;

class TestFormFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsEveryKindOfValue() {
        FormValue form;
        form[Field::Title] = "\"Ł\"\r\n😀";
        form[Field::RefreshSlot] = "5";
        form[List::Robot] = {1, "noindex"};
        form[List::Rating] = {-1, "General"}; // not the item "general": typed
        form[List::PageCaching] = {1, "no-cache"};
        form[List::Charset] = {2, "edited"};
        form[Check::DCTitle] = true;
        QCOMPARE(test::formOf(R"({"Title": "\u0022Ł\u0022\r\n\ud83d\ude00", "Refresh slot": "5",
            "Robot": "noindex", "Rating": "General", "Page Caching": {"index": 1},
            "Charset": {"index": 2, "text": "edited"}, "Use Title": true})"),
                 form);
        QCOMPARE(test::formOf("{}"), FormValue{});
    }

    void refuses_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("error");
        const auto row = [](const char *json, const char *error) {
            QTest::newRow(json) << QByteArray(json) << QString(error);
        };
        row(R"({"Titel": ""})", "unknown key \"Titel\"");
        row(R"({"Spare slot": ""})", "Spare slot");
        row(R"({"Title": 1})", "\"Title\": expected");
        row(R"({"Robot": {"index": 4}})", "out of range");
        row(R"({"Robot": {"index": -2}})", "out of range");
        row(R"({"Robot": {"index": 1.5}})", "not an integer");
        row(R"({"Robot": "\ude00"})", "\"Robot\": not valid Unicode"); // half a surrogate pair
        row("{\"Title\"", "not valid JSON");
        row("[]", "not a JSON object");
    }
    void refuses() {
        QFETCH(QByteArray, json);
        QFETCH(QString, error);
        QString message;
        QVERIFY(!parseFormFile(json, &message));
        QVERIFY2(message.contains(error), qPrintable(message));
    }

    void writesWhatItReads() {
        FormValue form;
        for (int i = 1; i < kFieldCount; ++i)
            form.texts[i] = QString("\\ \" \x01 %1 ł").arg(i);
        form[List::Language] = {-1, "typed"};
        form[List::Robot] = {3, "none"};
        form.checks.fill(true);
        QCOMPARE(test::formOf(formFileText(form)), form);
    }
};

QTEST_APPLESS_MAIN(TestFormFile)
#include "test_form_file.moc"
