#include "support/TestFiles.h"
#include "support/TestForms.h"
#include "support/WindowDriver.h"

#include <QCheckBox>
#include <QTemporaryDir>

using namespace velko;

class TestFileImport : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowDriver> m_driver;
    QTemporaryDir m_dir;
    test::WindowDriver &d() { return *m_driver; }
    void import(const QString &path) {
        d().desktop().fileChoices << path;
        TRIGGER(d(), "mnuFileOpen");
    }

private Q_SLOTS:
    void init() { m_driver = std::make_unique<test::WindowDriver>(); }
    void cleanup() { QCOMPARE(d().desktop().unexpected, 0); }

    // The page's tags fill the cleared form, and "Generated Tags" gives way to
    // "General Tags"; a cancel beeps and changes nothing.
    void importThenCancel() {
        const QString path = m_dir.filePath("page.html");
        test::writeBytes(path,
                         "<head>\n<title>Home</title>\n<meta name=\"robots\" content=none>\n");
        d().setText(Field::Author, "typed before");
        d().window().selectPage(Page::GeneratedTags);
        import(path);
        QCOMPARE(d().window().form(),
                 test::formOf(R"({"Title": "Home", "Robots slot": "none", "Robot": "none"})"));
        QCOMPARE(d().window().documentText(),
                 "<head>\r\n<title>Home</title>\r\n<meta name=\"robots\" content=none>\r\n");
        QCOMPARE(d().currentTab(), 0);
        d().window().selectPage(Page::HtmlFile);
        d().setText(Field::Author, "edited");
        import("");
        QCOMPARE(d().desktop().beeps, 1);
        QCOMPARE(d().text(Field::Author), "edited");
        QCOMPARE(d().desktop().fileDialogs.last().fileName, path); // opens where it was
        import(path);
        QCOMPARE(d().currentTab(), int(Page::HtmlFile) - 1);

        d().window().importPage(m_dir.filePath("missing.html")); // as "velko PAGE" does
        QVERIFY(d().desktop().messages.last().details.contains("missing.html"));
    }

    // A character Windows-1252 lacks is saved as a character reference.
    void savesWhatWindows1252Lacks() {
        const QString path = m_dir.filePath("1252.html");
        test::writeBytes(path, "caf\xe9\r\n");
        import(path);
        d().window().setDocumentText("café ł € 😀");
        TRIGGER(d(), "mnuFileSave");
        QCOMPARE(test::bytesOf(path), "caf\xe9 &#322; \x80 &#128512;\r\n");
    }

    // A form generated and inserted into a page reads back into the same fields.
    void generatedTagsReadBack() {
        TRIGGER(d(), "mnuFormFill");
        for (const char *box :
             {"chkTitleComments", "chkKeywordsComments", "chkDescriptionComments"})
            d().find<QCheckBox>(box)->setChecked(false);
        d().setText(Field::Author, "Ann \"the\" Author");
        const FormValue before = d().window().form();
        TRIGGER(d(), "mnuTagsGenerate");
        d().desktop().answers << Answer::Ok;
        TRIGGER(d(), "mnuTagsInsert");
        d().desktop().fileChoices << m_dir.filePath("round.html");
        TRIGGER(d(), "mnuFileSaveAs");
        import(m_dir.filePath("round.html"));
        const FormValue after = d().window().form();
        for (const FieldEntry &entry : allFields())
            if (entry.page != Page::None) // the slots keep the raw values
                QCOMPARE(after[entry.field], before[entry.field]);
        QCOMPARE(after.lists, before.lists);
        QCOMPARE(after.checks, before.checks);
    }
};

QTEST_MAIN(TestFileImport)
#include "test_file_import.moc"
