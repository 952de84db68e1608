#include "document/NewDocument.h"
#include "support/TestFiles.h"
#include "support/TextInspection.h"
#include "support/WindowDriver.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

using namespace velko;

namespace {

const QColor kOlive(128, 128, 0);

} // namespace

class TestDocumentCommands : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startsWithTheSkeleton();
    void newAndClose();
    void saveAsWritesTheDocument();
    void saveWithoutANameAsksForOne();
    void saveTagsAsLeavesTheDocumentsName();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void failedSaveFileFallsBackToSaveAs();

    void insertIntoTheSkeleton();
    void insertMessages_data();
    void insertMessages();
    void insertTwiceWarnsAndStacks();
    void cancelLeavesTheDocument();

    void tagFileBytes();
    void copyTags();
    void emptyBlockWarnings();
    void copyShortcutLeavesTextFieldsAlone();

private:
    std::unique_ptr<test::WindowDriver> m_driver;
    std::unique_ptr<QTemporaryDir> m_dir;
    test::WindowDriver &d() { return *m_driver; }
    QString path(const QString &name) { return m_dir->filePath(name); }
};

void TestDocumentCommands::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_driver = std::make_unique<test::WindowDriver>();
}

void TestDocumentCommands::cleanup() {
    QCOMPARE(d().desktop().unexpected, 0);
    m_driver.reset();
}

void TestDocumentCommands::startsWithTheSkeleton() {
    QCOMPARE(d().window().documentText(), newDocumentSkeleton());
    d().openMenu("mnuFile");
    QVERIFY(!d().action("mnuFileSave")->isEnabled());
    QVERIFY(!d().action("mnuFileSaveAs")->isEnabled());
    QVERIFY(d().action("mnuFileClose")->isEnabled());
    d().documentArea()->moveCursor(QTextCursor::End);
    d().documentArea()->insertPlainText("x");
    d().openMenu("mnuFile");
    QVERIFY(d().action("mnuFileSave")->isEnabled());
}

void TestDocumentCommands::newAndClose() {
    TRIGGER(d(), "mnuFormFill");
    TRIGGER(d(), "mnuTagsGenerate");
    const QString tags = d().window().tagsText();
    TRIGGER(d(), "mnuFileClose");
    QCOMPARE(d().window().documentText(), "");
    TRIGGER(d(), "mnuFileNew");
    QCOMPARE(d().window().documentText(), newDocumentSkeleton());
    QCOMPARE(d().window().tagsText(), tags);
    QCOMPARE(d().text(Field::Author), "Dana Whitlock");
    QCOMPARE(d().currentTab(), 3);
}

void TestDocumentCommands::saveAsWritesTheDocument() {
    d().window().setDocumentText("<html>\r\n<head></head>\r\n</html>");
    d().find<QCheckBox>("chkDCTitle")->setChecked(true);
    d().desktop().fileChoices << "";
    TRIGGER(d(), "mnuFileSaveAs");
    QCOMPARE(d().desktop().beeps, 1);
    QVERIFY(d().desktop().messages.isEmpty());
    QCOMPARE(d().window().tagsText(), ""); // a cancel builds nothing

    const QString target = path("page"); // no extension added
    d().desktop().fileChoices << target;
    TRIGGER(d(), "mnuFileSaveAs");
    QCOMPARE(d().desktop().fileDialogs.last(),
             (FileDialog{FileDialog::Kind::Save, "Save File As", ""}));
    QCOMPARE(test::bytesOf(target), "<html>\r\n<head></head>\r\n</html>\r\n");
    QCOMPARE(d().window().tagsText(), "<meta name=\"DC.title\" content=\"\">\r\n");
    QCOMPARE(d().currentTab(), 0);

    // Save File now writes there without asking.
    d().window().setDocumentText("changed");
    TRIGGER(d(), "mnuFileSave");
    QCOMPARE(test::bytesOf(target), "changed\r\n");
    QCOMPARE(d().desktop().fileDialogs.size(), 2);
}

void TestDocumentCommands::saveWithoutANameAsksForOne() {
    d().window().setDocumentText("x");
    d().desktop().fileChoices << "";
    TRIGGER(d(), "mnuFileSave");
    QCOMPARE(d().desktop().fileDialogs.size(), 1);
    QCOMPARE(d().desktop().fileDialogs[0].title, "Save File As");
    QCOMPARE(d().desktop().beeps, 1);
}

// A tag file is never the document's file: Save File after Save Tags As still
// writes the document where it was saved before.
void TestDocumentCommands::saveTagsAsLeavesTheDocumentsName() {
    d().window().setDocumentText("<html><head></head></html>");
    d().setText(Field::Title, "Homepage");
    d().desktop().fileChoices << path("doc.html") << path("tags.html");
    TRIGGER(d(), "mnuFileSaveAs");
    TRIGGER(d(), "mnuTagsSaveAs");
    d().window().setDocumentText("new text");
    TRIGGER(d(), "mnuFileSave");
    QCOMPARE(test::bytesOf(path("doc.html")), "new text\r\n");
    QCOMPARE(test::bytesOf(path("tags.html")),
             "<html>\r\n<head><title>Homepage</title>\r\n\r\n</head>\r\n</html>\r\n");

    // New forgets the document's file: Save File asks again.
    TRIGGER(d(), "mnuFileNew");
    d().window().setDocumentText("newer");
    d().desktop().fileChoices << "";
    TRIGGER(d(), "mnuFileSave");
    QCOMPARE(d().desktop().fileDialogs.size(), 3);
    QCOMPARE(test::bytesOf(path("doc.html")), "new text\r\n");
}

void TestDocumentCommands::failedSaveKeepsTheOldFile_data() {
    QTest::addColumn<QString>("fault");
    QTest::newRow("folder in the file's place") << "folder";
    QTest::newRow("folder that does not exist") << "missing folder";
    QTest::newRow("disk full") << "disk full";
}

void TestDocumentCommands::failedSaveKeepsTheOldFile() {
    QFETCH(QString, fault);
    QString target = path("old.html");
    test::writeBytes(target, "old bytes\r\n");
    if (fault == "folder") {
        target = path("folder");
        QVERIFY(QDir(m_dir->path()).mkdir("folder"));
    } else if (fault == "missing folder") {
        target = path("nowhere/new.html");
    }
    d().window().setDocumentText(QString(100000, 'x'));
    d().desktop().fileChoices << target;
    {
        std::unique_ptr<test::FileSizeLimit> limit;
        if (fault == "disk full")
            limit = std::make_unique<test::FileSizeLimit>(1000);
        TRIGGER(d(), "mnuFileSaveAs");
    }
    QCOMPARE(d().desktop().messages.size(), 1);
    const Message &message = d().desktop().messages[0];
    QCOMPARE(message.title, "Error");
    QCOMPARE(message.text, "An error has occurred!");
    QVERIFY(!message.details.isEmpty());
    QCOMPARE(test::bytesOf(path("old.html")), "old bytes\r\n");
    QVERIFY(fault != "folder" || QFileInfo(target).isDir());
    QVERIFY(fault != "missing folder" || !QFileInfo::exists(target));
}

void TestDocumentCommands::failedSaveFileFallsBackToSaveAs() {
    const QString target = path("page.html");
    d().window().setDocumentText("small");
    d().desktop().fileChoices << target;
    TRIGGER(d(), "mnuFileSaveAs");
    d().window().setDocumentText(QString(100000, 'x'));
    d().desktop().fileChoices << "";
    {
        test::FileSizeLimit limit(1000);
        TRIGGER(d(), "mnuFileSave");
    }
    QCOMPARE(d().desktop().fileDialogs.size(), 2);
    QCOMPARE(d().desktop().beeps, 1);
    QVERIFY(d().desktop().messages.isEmpty());
    QCOMPARE(test::bytesOf(target), "small\r\n");
}

void TestDocumentCommands::insertIntoTheSkeleton() {
    d().showAndActivate();
    d().setText(Field::Title, "Homepage");
    d().setText(Field::Comments, "made\r\nhere");
    TRIGGER(d(), "mnuTagsGenerate");
    d().desktop().answers << Answer::Ok;
    TRIGGER(d(), "mnuTagsInsert");

    const QString block = "<title>Homepage</title>\r\n<!--made\r\nhere-->\r\n";
    QCOMPARE(d().desktop().messages.size(), 1);
    QCOMPARE(d().desktop().messages[0],
             (Message{"Confirm", "Insert these meta tags into the HTML file?", Buttons::OkCancel}));
    QCOMPARE(d().window().documentText(),
             "<html>\r\n<head>\r\n" + block + "\r\n\r\n</head>\r\n</html>");
    QCOMPARE(d().currentTab(), 4);
    QCOMPARE(test::colouredText(*d().documentArea()->document(), kOlive), block);
    QCOMPARE(d().documentArea()->textCursor().position(), 0);
    QVERIFY(!d().documentArea()->textCursor().hasSelection());
    QCOMPARE(QApplication::focusWidget(), d().documentArea());
}

void TestDocumentCommands::insertMessages_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<bool>("formFilled");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("tab");

    const QString notHtml =
        "This file does not appear to be a valid HTML file.\r\nCheck the file's HTML syntax and "
        "try again.";
    QTest::newRow("no head tag") << "<html><body></body></html>" << true << "File Validation"
                                 << notHtml << 4;
    QTest::newRow("head with an attribute")
        << "<html><head lang=\"en\"></head></html>" << true << "File Validation" << notHtml << 4;
    QTest::newRow("empty form") << "<head></head>" << false << "Missing Data"
                                << "No generated tags\r\nFill in some of the form fields\r\nThen "
                                   "generate the tags"
                                << 3;
    QTest::newRow("a title already there")
        << "<HEAD><Title>x</title></HEAD>" << true << "Confirm"
        << "Some of the same generated tag types\r\nmay already appear in the target HTML "
           "file.\r\n\r\nInsert these meta tags into the HTML file?"
        << 3;
}

void TestDocumentCommands::insertMessages() {
    QFETCH(QString, document);
    QFETCH(bool, formFilled);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(int, tab);

    d().window().setDocumentText(document);
    d().window().setTagsText("earlier");
    if (formFilled)
        d().setText(Field::Title, "T");
    d().desktop().answers << Answer::Cancel;
    TRIGGER(d(), "mnuTagsInsert");
    QCOMPARE(d().desktop().messages.size(), 1);
    QCOMPARE(d().desktop().messages[0].title, title);
    QCOMPARE(d().desktop().messages[0].text, text);
    QCOMPARE(d().currentTab(), tab);
    QCOMPARE(d().window().documentText(), document);
    // Without a head tag nothing is generated.
    QCOMPARE(d().window().tagsText() == "earlier", title == "File Validation");
}

void TestDocumentCommands::insertTwiceWarnsAndStacks() {
    d().setText(Field::Author, "A");
    TRIGGER(d(), "mnuTagsGenerate");
    d().desktop().answers << Answer::Ok << Answer::Ok;
    TRIGGER(d(), "mnuTagsInsert");
    d().setText(Field::Author, "B");
    TRIGGER(d(), "mnuTagsInsert");
    QVERIFY(d().desktop().messages[1].text.startsWith("Some of the same"));
    QCOMPARE(d().window().documentText(),
             "<html>\r\n<head>\r\n<meta name=\"author\" content=\"B\">\r\n\r\n"
             "<meta name=\"author\" content=\"A\">\r\n\r\n\r\n</head>\r\n</html>");
    QCOMPARE(test::colouredText(*d().documentArea()->document(), kOlive),
             "<meta name=\"author\" content=\"B\">\r\n");
}

void TestDocumentCommands::cancelLeavesTheDocument() {
    d().setText(Field::Author, "A");
    TRIGGER(d(), "mnuTagsGenerate");
    d().desktop().answers << Answer::Cancel;
    TRIGGER(d(), "mnuTagsInsert");
    QCOMPARE(d().window().documentText(), newDocumentSkeleton());
    QCOMPARE(d().window().tagsText(), "<meta name=\"author\" content=\"A\">\r\n");
    QCOMPARE(d().currentTab(), 3);
}

void TestDocumentCommands::tagFileBytes() {
    d().setText(Field::Title, "Łódź \"x\"");
    d().find<QCheckBox>("chkDCTitle")->setChecked(true);
    TRIGGER(d(), "mnuTagsGenerate");
    d().desktop().fileChoices << path("tags");
    TRIGGER(d(), "mnuTagsSaveAs");
    QCOMPARE(d().desktop().fileDialogs[0],
             (FileDialog{FileDialog::Kind::Save, "Save Tags As", ""}));
    QCOMPARE(test::bytesOf(path("tags")),
             QString("<html>\r\n<head><title>Łódź \"x\"</title>\r\n"
                     "<meta name=\"DC.Title\" content=\"Łódź &quot;x&quot;\">\r\n\r\n</head>\r\n"
                     "</html>\r\n")
                 .toUtf8());
    QCOMPARE(d().currentTab(), 3);

    // Cancelled: a beep, nothing written, and the dialogs' name is empty again.
    d().desktop().fileChoices << ""
                              << "";
    TRIGGER(d(), "mnuTagsSaveAs");
    QCOMPARE(d().desktop().beeps, 1);
    QCOMPARE(d().desktop().fileDialogs[1].fileName, "");
}

void TestDocumentCommands::copyTags() {
    d().setText(Field::Title, "Homepage");
    d().window().setTagsText("stale");
    TRIGGER(d(), "mnuTagsCopy");
    QCOMPARE(d().desktop().clipboard, QStringList{"<title>Homepage</title>\r\n"});
    QCOMPARE(d().window().tagsText(), "<title>Homepage</title>\r\n");
    QVERIFY(!d().tagsArea()->textCursor().hasSelection());
    QCOMPARE(d().currentTab(), 3);
}

void TestDocumentCommands::emptyBlockWarnings() {
    TRIGGER(d(), "mnuFormFill");
    TRIGGER(d(), "mnuTagsGenerate");
    TRIGGER(d(), "mnuFormClearAll");
    TRIGGER(d(), "mnuTagsCopy"); // still offered: the box holds a block
    QCOMPARE(d().window().tagsText(), "");
    d().window().setTagsText("an earlier block");
    TRIGGER(d(), "mnuTagsSaveAs");
    QCOMPARE(d().desktop().messages.size(), 2);
    QCOMPARE(d().desktop().messages[0],
             (Message{"Warning", "There are no meta tags to copy.\r\nType some text in the tags "
                                 "fields, then generate the tags."}));
    QCOMPARE(d().desktop().messages[1],
             (Message{"Warning", "There are no meta tags to generate.\r\nType some text in the "
                                 "tags fields, then generate."}));
    QVERIFY(d().desktop().clipboard.isEmpty());
    QVERIFY(d().desktop().fileDialogs.isEmpty());
    QCOMPARE(d().window().tagsText(), "");
}

// Ctrl+C copies the selected text of a field; elsewhere it is Copy Tags.
void TestDocumentCommands::copyShortcutLeavesTextFieldsAlone() {
    d().showAndActivate();
    auto *title = d().find<QLineEdit>(fieldObjectName(Field::Title));
    title->setText("Homepage");
    TRIGGER(d(), "mnuTagsGenerate");
    d().window().selectPage(Page::General);
    title->setFocus();
    title->selectAll();
    QTest::keyClick(title, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(d().desktop().clipboard.isEmpty());

    auto *box = d().find<QCheckBox>("chkDCTitle");
    d().window().selectPage(Page::DublinCore);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(d().desktop().clipboard.size(), 1);
}

QTEST_MAIN(TestDocumentCommands)
#include "test_document_commands.moc"
