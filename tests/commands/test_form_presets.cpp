// Open Form, Save Form As and Recent Forms, through the real window.

#include "support/InProcessCommandLine.h"
#include "support/TestFiles.h"
#include "support/TestForms.h"
#include "support/WindowDriver.h"

#include <QMenu>
#include <QTemporaryDir>

using namespace velko;

class TestFormPresets : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_driver = std::make_unique<test::WindowDriver>(); }
    void cleanup() { QCOMPARE(d().desktop().unexpected, 0); }

    void roundTrip();
    void presetFillsOnlyItsKeys();
    void badFilesLeaveTheForm_data();
    void badFilesLeaveTheForm();
    void recentForms();

private:
    std::unique_ptr<test::WindowDriver> m_driver;
    test::WindowDriver &d() { return *m_driver; }
    QTemporaryDir m_dir;
    QString path(const QString &name) { return m_dir.filePath(name); }

    void save(const QString &file) {
        d().desktop().fileChoices << file;
        QVERIFY(d().trigger("mnuFormSaveAs"));
    }
    QStringList recentItems() {
        d().openMenu("mnuForm");
        QStringList texts;
        for (const QAction *item : d().find<QMenu>("mnuFormRecent")->actions())
            texts << item->text();
        return texts;
    }
};

void TestFormPresets::roundTrip() {
    const FormValue form = test::fullForm();
    d().window().setForm(form);
    QCOMPARE(d().window().form(), form);
    save(path("full.json"));
    // The command line reads it as the same form.
    QString error;
    QCOMPARE(parseFormFile(test::bytesOf(path("full.json")), &error), form);

    TRIGGER(d(), "mnuFormClearAll");
    d().window().selectPage(Page::Other);
    d().desktop().fileChoices << path("full.json");
    TRIGGER(d(), "mnuFormOpen");
    QCOMPARE(d().window().form(), form);
    QCOMPARE(d().window().currentPage(), Page::General);
    QCOMPARE(d().desktop().fileDialogs.last(),
             (FileDialog{FileDialog::Kind::Open, "Open Form", path("full.json"),
                         FileDialog::Filter::FormFile}));
    QVERIFY(d().desktop().messages.isEmpty());
}

void TestFormPresets::presetFillsOnlyItsKeys() {
    TRIGGER(d(), "mnuFormFill");
    test::writeBytes(path("preset.json"),
                     R"({"Author": "Ann", "Robot": "all", "Use Title": true})");
    d().desktop().fileChoices << path("preset.json");
    TRIGGER(d(), "mnuFormOpen");
    FormValue expected;
    expected[Field::Author] = "Ann";
    expected[List::Robot] = {0, "all"};
    expected[Check::DCTitle] = true;
    QCOMPARE(d().window().form(), expected);
}

void TestFormPresets::badFilesLeaveTheForm_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("not JSON") << QByteArray("Title: Home\n");
    QTest::newRow("wrong type") << QByteArray(R"({"Title": ["Home"]})");
    QTest::newRow("unknown key") << QByteArray(R"({"Title": "Home", "Titel": "Home"})");
    QTest::newRow("index out of range") << QByteArray(R"({"Robot": {"index": 9}})");
}

// The message names the file and says what is wrong in the command line's words.
void TestFormPresets::badFilesLeaveTheForm() {
    QFETCH(QByteArray, bytes);
    TRIGGER(d(), "mnuFormFill");
    const FormValue before = d().window().form();
    test::writeBytes(path("bad.json"), bytes);
    d().desktop().fileChoices << path("bad.json");
    TRIGGER(d(), "mnuFormOpen");
    QCOMPARE(d().window().form(), before);
    QCOMPARE(d().desktop().messages.size(), 1);
    const QString text = d().desktop().messages.first().text;
    QVERIFY2(text.startsWith(path("bad.json") + ": "), qPrintable(text));
    // What velko --generate says about the file.
    const QByteArray err = test::runInProcess({"--generate", path("bad.json")}).err;
    QCOMPARE(text, QString::fromUtf8(err).remove("velko: ").trimmed());
    QVERIFY(recentItems().isEmpty());
}

// The newest five, newest first; a file that has gone is dropped when chosen.
void TestFormPresets::recentForms() {
    QVERIFY(recentItems().isEmpty());
    QVERIFY(!d().find<QMenu>("mnuFormRecent")->isEnabled());
    for (const char *name :
         {"1.json", "2.json", "a&b.json", "4.json", "5.json", "6.json", "2.json"})
        save(path(name));
    const QString dir = m_dir.path();
    QCOMPARE(recentItems(),
             QStringList({"&1 " + dir + "/2.json", "&2 " + dir + "/6.json", "&3 " + dir + "/5.json",
                          "&4 " + dir + "/4.json", "&5 " + dir + "/a&&b.json"}));

    d().setText(Field::Title, "kept");
    const FormValue before = d().window().form();
    QVERIFY(QFile::remove(path("5.json")));
    recentItems();
    d().action("mnuFormRecent3")->trigger();
    QCOMPARE(d().window().form(), before);
    QCOMPARE(d().desktop().messages.size(), 1);
    QCOMPARE(d().desktop().messages.first().text, path("5.json") + ": No such file or directory");
    QCOMPARE(d().store().recentForms(),
             QStringList({path("2.json"), path("6.json"), path("4.json"), path("a&b.json")}));

    recentItems();
    d().action("mnuFormRecent3")->trigger(); // 4.json: it moves to the top
    QCOMPARE(d().store().recentForms().first(), path("4.json"));
}

QTEST_MAIN(TestFormPresets)
#include "test_form_presets.moc"
