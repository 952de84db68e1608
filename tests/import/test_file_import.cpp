#include "document/NewDocument.h"
#include "support/TestFiles.h"
#include "support/WindowDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

using namespace velko;

namespace {

const QByteArray kPage = "<html><head>\n<title>Home</title>\n"
                         "<meta name=\"keywords\" content=\"a, b\">\n"
                         "<meta name=\"robots\" content=\"noindex\">\n</head></html>\n";

} // namespace

class TestFileImport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void importFillsTheForm();
    void cancelChangesNothing();
    void tabAfterImport_data();
    void tabAfterImport();
    void saveWritesTheSameBytesBack_data();
    void saveWritesTheSameBytesBack();
    void unreadableFile();
    void generatedTagsReadBack();
    void pageFromTheCommandLine();

private:
    std::unique_ptr<test::WindowDriver> m_driver;
    std::unique_ptr<QTemporaryDir> m_dir;
    test::WindowDriver &d() { return *m_driver; }
    QString path(const QString &name) { return m_dir->filePath(name); }
    void import(const QString &file) {
        d().desktop().fileChoices << file;
        TRIGGER(d(), "mnuFileOpen");
    }
};

void TestFileImport::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_driver = std::make_unique<test::WindowDriver>();
}

void TestFileImport::cleanup() {
    QCOMPARE(d().desktop().unexpected, 0);
    m_driver.reset();
}

void TestFileImport::importFillsTheForm() {
    test::writeBytes(path("page.html"), kPage);
    d().setText(Field::Author, "typed before");
    import(path("page.html"));
    QCOMPARE(d().desktop().fileDialogs[0], (FileDialog{FileDialog::Kind::Open, "Import File", ""}));
    QCOMPARE(d().text(Field::Title), "Home");
    QCOMPARE(d().text(Field::Keywords), "a, b");
    QCOMPARE(d().text(Field::Author), ""); // cleared before reading
    QCOMPARE(d().find<QComboBox>("cboRobot")->currentIndex(), 1);
    QCOMPARE(d().window().documentText(), QString(kPage).replace("\n", "\r\n"));

    // The next Import File opens at the imported file; importing it again
    // gives the same form.
    import(path("page.html"));
    QCOMPARE(d().desktop().fileDialogs[1].fileName, path("page.html"));
    QCOMPARE(d().text(Field::Title), "Home");
}

void TestFileImport::cancelChangesNothing() {
    test::writeBytes(path("page.html"), kPage);
    import(path("page.html"));
    d().setText(Field::Author, "edited");
    import("");
    QCOMPARE(d().desktop().beeps, 1);
    QCOMPARE(d().text(Field::Author), "edited");
    QCOMPARE(d().desktop().fileDialogs[1].fileName, path("page.html"));
    import("");
    QCOMPARE(d().desktop().fileDialogs[2].fileName, path("page.html"));
}

void TestFileImport::tabAfterImport_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("Generated Tags goes to General Tags") << 4 << 1;
    QTest::newRow("HTML File stays") << 5 << 5;
    QTest::newRow("D.C. Tags stays") << 2 << 2;
}

void TestFileImport::tabAfterImport() {
    QFETCH(int, before);
    QFETCH(int, after);
    test::writeBytes(path("page.html"), kPage);
    d().window().selectPage(Page(before));
    import(path("page.html"));
    QCOMPARE(d().currentTab() + 1, after);
}

// An imported page saved unchanged keeps every byte: encoding, line breaks
// and byte-order mark.
void TestFileImport::saveWritesTheSameBytesBack_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("LF") << kPage;
    QTest::newRow("CR LF") << QByteArray(kPage).replace("\n", "\r\n");
    QTest::newRow("CR") << QByteArray(kPage).replace("\n", "\r");
    QTest::newRow("windows-1252") << QByteArray("<title>Caf\xe9 \x80 \x81</title>\n");
    QTest::newRow("UTF-8 with BOM")
        << QByteArray("\xef\xbb\xbf<title>\xc5\x81\xc3\xb3\x64\xc5\xba</title>\r\n");
}

void TestFileImport::saveWritesTheSameBytesBack() {
    QFETCH(QByteArray, bytes);
    test::writeBytes(path("page.html"), bytes);
    import(path("page.html"));
    d().documentArea()->moveCursor(QTextCursor::End);
    d().documentArea()->insertPlainText(" "); // offered only once edited
    d().documentArea()->textCursor().deletePreviousChar();
    TRIGGER(d(), "mnuFileSave");
    QVERIFY(d().desktop().fileDialogs.size() == 1); // no Save File As
    QCOMPARE(test::bytesOf(path("page.html")), bytes);
}

void TestFileImport::unreadableFile() {
    d().setText(Field::Author, "typed before");
    import(m_dir->path()); // a folder
    QCOMPARE(d().desktop().messages.size(), 1);
    QCOMPARE(d().desktop().messages[0].text, "An error has occurred!");
    QVERIFY(d().desktop().messages[0].details.contains(m_dir->path()));
    QCOMPARE(d().text(Field::Author), "");
    QCOMPARE(d().window().documentText(), newDocumentSkeleton());
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
    d().desktop().fileChoices << path("round.html");
    TRIGGER(d(), "mnuFileSaveAs");
    TRIGGER(d(), "mnuFormClearAll");
    import(path("round.html"));

    FormValue after = d().window().form();
    // The reader keeps raw values in the hidden slots; compare what shows.
    for (const FieldEntry &entry : allFields())
        if (entry.page != Page::None)
            QCOMPARE(after[entry.field], before[entry.field]);
    QCOMPARE(after.lists, before.lists);
    QCOMPARE(after.checks, before.checks);
}

void TestFileImport::pageFromTheCommandLine() {
    test::writeBytes(path("page.html"), kPage);
    d().window().importPage(path("page.html"));
    QCOMPARE(d().text(Field::Title), "Home");
    QVERIFY(d().desktop().fileDialogs.isEmpty());
    d().window().importPage(path("missing.html"));
    QCOMPARE(d().desktop().messages.size(), 1);
    QVERIFY(d().desktop().messages[0].details.contains("missing.html"));
}

QTEST_MAIN(TestFileImport)
#include "test_file_import.moc"
