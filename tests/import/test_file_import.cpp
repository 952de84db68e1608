#include "support/TestFiles.h"
#include "support/WindowDriver.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>

using namespace velko;

namespace {

const QByteArray kPage = "<html><head>\n<title>Home</title>\n"
                         "<meta name=\"robots\" content=\"noindex\">\n</head></html>\n";

} // namespace

class TestFileImport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_driver = std::make_unique<test::WindowDriver>(); }
    void cleanup() { QCOMPARE(d().desktop().unexpected, 0); }

    void importThenCancel();
    void tabAfterImport_data();
    void tabAfterImport();
    void saveWritesTheSameBytesBack_data();
    void saveWritesTheSameBytesBack();
    void generatedTagsReadBack();

private:
    std::unique_ptr<test::WindowDriver> m_driver;
    QTemporaryDir m_dir;
    test::WindowDriver &d() { return *m_driver; }
    QString page(const QByteArray &bytes) {
        const QString path = m_dir.filePath("page.html");
        test::writeBytes(path, bytes);
        return path;
    }
    void import(const QString &path) {
        d().desktop().fileChoices << path;
        TRIGGER(d(), "mnuFileOpen");
    }
};

void TestFileImport::importThenCancel() {
    const QString path = page(kPage);
    d().setText(Field::Author, "typed before");
    import(path);
    QCOMPARE(d().text(Field::Title), "Home");
    QCOMPARE(d().text(Field::Author), ""); // the form was cleared first
    QCOMPARE(d().window().form()[List::Robot].index, 1);
    QCOMPARE(d().window().documentText(), QString(kPage).replace("\n", "\r\n"));
    d().setText(Field::Author, "edited");
    import("");
    QCOMPARE(d().desktop().beeps, 1);
    QCOMPARE(d().text(Field::Author), "edited");
    QCOMPARE(d().desktop().fileDialogs.last().fileName, path); // opens where it was

    d().window().importPage(m_dir.filePath("missing.html")); // as "velko PAGE" does
    QVERIFY(d().desktop().messages.last().details.contains("missing.html"));
}

void TestFileImport::tabAfterImport_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("Generated Tags goes to General Tags")
        << int(Page::GeneratedTags) << int(Page::General);
    QTest::newRow("HTML File stays") << int(Page::HtmlFile) << int(Page::HtmlFile);
}

void TestFileImport::tabAfterImport() {
    QFETCH(int, before);
    QFETCH(int, after);
    d().window().selectPage(Page(before));
    import(page(kPage));
    QCOMPARE(d().currentTab() + 1, after);
}

void TestFileImport::saveWritesTheSameBytesBack_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("LF") << kPage;
    QTest::newRow("CR") << QByteArray(kPage).replace("\n", "\r");
    QTest::newRow("windows-1252") << QByteArray("<title>Caf\xe9 \x80 \x81</title>\r\n");
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbf<title>\xc5\x81</title>\n");
}

void TestFileImport::saveWritesTheSameBytesBack() {
    QFETCH(QByteArray, bytes);
    const QString path = page(bytes);
    import(path);
    d().window().setDocumentText(d().window().documentText() + "x");
    d().window().setDocumentText(d().window().documentText().chopped(1));
    TRIGGER(d(), "mnuFileSave");
    QCOMPARE(d().desktop().fileDialogs.size(), 1); // written without asking
    QCOMPARE(test::bytesOf(path), bytes);
}

// A form generated and inserted into a page reads back into the same fields.
void TestFileImport::generatedTagsReadBack() {
    TRIGGER(d(), "mnuFormFill");
    for (const char *box : {"chkTitleComments", "chkKeywordsComments", "chkDescriptionComments"})
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

QTEST_MAIN(TestFileImport)
#include "test_file_import.moc"
