#include "document/NewDocument.h"
#include "support/TestFiles.h"
#include "support/WindowDriver.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>

using namespace velko;

namespace {

// The characters of the document area drawn in olive, line breaks as CR LF.
QString oliveText(const QPlainTextEdit &area) {
    QString olive;
    for (QTextBlock block = area.document()->begin(); block.isValid(); block = block.next()) {
        bool toTheEnd = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            toTheEnd = it.fragment().charFormat().foreground().color() == QColor(128, 128, 0);
            if (toTheEnd)
                olive += it.fragment().text();
        }
        if (toTheEnd)
            olive += "\r\n";
    }
    return olive;
}

} // namespace

class TestDocumentCommands : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_driver = std::make_unique<test::WindowDriver>(); }
    void cleanup() { QCOMPARE(d().desktop().unexpected, 0); }

    void newAndClose();
    void saveAsThenSave();
    void tagFileIsNeverTheDocumentsFile();
    void insertIntoTheSkeleton();
    void insertMessages_data();
    void insertMessages();
    void updateTags_data();
    void updateTags();
    void copyTags();

private:
    std::unique_ptr<test::WindowDriver> m_driver;
    QTemporaryDir m_dir;
    test::WindowDriver &d() { return *m_driver; }
};

void TestDocumentCommands::newAndClose() {
    QCOMPARE(d().window().documentText(), newDocumentSkeleton());
    TRIGGER(d(), "mnuFileClose");
    QCOMPARE(d().window().documentText(), "");
    TRIGGER(d(), "mnuFileNew");
    QCOMPARE(d().window().documentText(), newDocumentSkeleton());
}

void TestDocumentCommands::saveAsThenSave() {
    const QString page = m_dir.filePath("page"); // no extension added
    d().window().setDocumentText("<html>");
    d().find<QCheckBox>("chkDCTitle")->setChecked(true);
    d().desktop().fileChoices << "" << page;
    TRIGGER(d(), "mnuFileSaveAs"); // cancelled
    QCOMPARE(d().desktop().beeps, 1);
    TRIGGER(d(), "mnuFileSaveAs");
    QCOMPARE(d().desktop().fileDialogs.last(),
             (FileDialog{FileDialog::Kind::Save, "Save File As", ""}));
    QCOMPARE(test::bytesOf(page), "<html>\r\n");
    QCOMPARE(d().window().tagsText(), "<meta name=\"DC.title\" content=\"\">\r\n");
    d().window().setDocumentText("changed");
    TRIGGER(d(), "mnuFileSave"); // no dialog: the document has its file
    QCOMPARE(test::bytesOf(page), "changed\r\n");
    QCOMPARE(d().desktop().fileDialogs.size(), 2);
}

void TestDocumentCommands::tagFileIsNeverTheDocumentsFile() {
    d().window().setDocumentText("<html>");
    d().setText(Field::Title, "Homepage");
    TRIGGER(d(), "mnuTagsGenerate");
    d().desktop().fileChoices << m_dir.filePath("doc.html") << m_dir.filePath("tags.html");
    TRIGGER(d(), "mnuFileSaveAs");
    TRIGGER(d(), "mnuTagsSaveAs");
    QCOMPARE(test::bytesOf(m_dir.filePath("tags.html")),
             "<html>\r\n<head><title>Homepage</title>\r\n\r\n</head>\r\n</html>\r\n");
    d().window().setDocumentText("new text");
    TRIGGER(d(), "mnuFileSave");
    QCOMPARE(test::bytesOf(m_dir.filePath("doc.html")), "new text\r\n");
}

void TestDocumentCommands::insertIntoTheSkeleton() {
    d().showAndActivate();
    d().setText(Field::Title, "Home");
    d().setText(Field::Comments, "made\r\nhere");
    TRIGGER(d(), "mnuTagsGenerate");
    d().desktop().answers << Answer::Ok;
    TRIGGER(d(), "mnuTagsInsert");
    const QString block = "<title>Home</title>\r\n<!--made\r\nhere-->\r\n";
    const Message question{"Confirm", "Insert these meta tags into the HTML file?",
                           Buttons::OkCancel};
    QCOMPARE(d().desktop().messages, QList<Message>{question});
    QCOMPARE(d().window().documentText(),
             "<html>\r\n<head>\r\n" + block + "\r\n\r\n</head>\r\n</html>");
    QCOMPARE(d().currentTab(), 4);
    QCOMPARE(oliveText(*d().documentArea()), block);
    QCOMPARE(d().documentArea()->textCursor().position(), 0);
    QVERIFY(!d().documentArea()->textCursor().hasSelection());
    QCOMPARE(QApplication::focusWidget(), d().documentArea());
}

void TestDocumentCommands::insertMessages_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("tab");

    const QString notHtml = "This file does not appear to be a valid HTML file.\r\nCheck the "
                            "file's HTML syntax and try again.";
    QTest::newRow("no head tag") << "<body>"
                                 << "File Validation" << notHtml << 4;
    QTest::newRow("head with an attribute") << "<head lang=en>"
                                            << "File Validation" << notHtml << 4;
    QTest::newRow("empty form") << "<head>"
                                << "Missing Data"
                                << "No generated tags\r\nFill in some of the form "
                                   "fields\r\nThen generate the tags"
                                << 3;
    QTest::newRow("a title already there, Cancel")
        << "<HEAD><Title>x</title>"
        << "Confirm"
        << "Some of the same generated tag types\r\nmay already appear in the target HTML "
           "file.\r\n\r\nInsert these meta tags into the HTML file?"
        << 3;
}

// Each ends with the document unchanged.
void TestDocumentCommands::insertMessages() {
    QFETCH(QString, document);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(int, tab);
    d().window().setDocumentText(document);
    d().window().setTagsText("earlier");
    if (title != "Missing Data")
        d().setText(Field::Title, "T");
    if (title == "Confirm")
        d().desktop().answers << Answer::Cancel;
    TRIGGER(d(), "mnuTagsInsert");
    QCOMPARE(d().desktop().messages.size(), 1);
    QCOMPARE(d().desktop().messages[0].title, title);
    QCOMPARE(d().desktop().messages[0].text, text);
    QCOMPARE(d().currentTab(), tab);
    QCOMPARE(d().window().documentText(), document);
    QCOMPARE(d().window().tagsText() == "earlier", title == "File Validation");
}

void TestDocumentCommands::updateTags_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("updated");

    const QString title = "<title>Home</title>";
    const QString description = "<meta name=\"description\" content=\"Shop\">";
    const QString page = "<html>\r\n<head lang=en>\r\n<title>Old</title>\r\n<title>Dup</title>\r\n"
                         "</head>\r\n</html>";
    const QString updated =
        "<html>\r\n<head lang=en>\r\n" + description + "\r\n" + title + "\r\n</head>\r\n</html>";
    const QString question = "Replace 1 tags, add 1, remove 1 duplicates.";
    QTest::newRow("OK") << page << true << question << updated;
    QTest::newRow("Cancel") << page << false << question << page;
    QTest::newRow("nothing to change")
        << updated << false << "The page already has these tags." << updated;
}

void TestDocumentCommands::updateTags() {
    QFETCH(QString, document);
    QFETCH(bool, ok);
    QFETCH(QString, question);
    QFETCH(QString, updated);
    d().showAndActivate();
    d().window().setDocumentText(document);
    d().window().setTagsText("earlier");
    d().setText(Field::Title, "Home");
    d().setText(Field::Description, "Shop");
    if (question.startsWith("Replace"))
        d().desktop().answers << (ok ? Answer::Ok : Answer::Cancel);
    TRIGGER(d(), "mnuTagsUpdate");
    QCOMPARE(d().desktop().messages.size(), 1);
    QCOMPARE(d().desktop().messages[0].text, question);
    QCOMPARE(d().window().documentText(), updated);
    QCOMPARE(d().documentArea()->document()->isModified(), ok);
    QCOMPARE(d().currentTab(), ok ? 4 : 3);
    if (!ok)
        return;
    QCOMPARE(d().desktop().messages[0].details,
             "+ <meta name=\"description\" content=\"Shop\">\r\n- <title>Old</title>\r\n"
             "+ <title>Home</title>\r\n- <title>Dup</title>");
    QCOMPARE(oliveText(*d().documentArea()),
             "<meta name=\"description\" content=\"Shop\">\r\n<title>Home</title>\r\n");
    const QTextCursor caret = d().documentArea()->textCursor();
    QCOMPARE(caret.blockNumber(), 2);
    QCOMPARE(caret.positionInBlock(), 0);
    QCOMPARE(QApplication::focusWidget(), d().documentArea());
}

// Copy Tags copies a fresh block; an empty one gives a warning instead.
void TestDocumentCommands::copyTags() {
    d().showAndActivate();
    auto *title = d().find<QLineEdit>(fieldObjectName(Field::Title));
    title->setText("Home");
    d().window().setTagsText("stale");
    title->setFocus();
    QTest::keyClick(title, Qt::Key_C, Qt::ControlModifier); // copies the field's text
    QVERIFY(d().desktop().clipboard.isEmpty());
    TRIGGER(d(), "mnuTagsCopy");
    QCOMPARE(d().desktop().clipboard, QStringList{"<title>Home</title>\r\n"});

    TRIGGER(d(), "mnuFormClearAll");
    TRIGGER(d(), "mnuTagsCopy");
    QCOMPARE(d().desktop().messages.last(),
             (Message{"Warning", "There are no meta tags to copy.\r\nType some text in the tags "
                                 "fields, then generate the tags."}));
    QCOMPARE(d().desktop().clipboard.size(), 1);
    QCOMPARE(d().window().tagsText(), "");
}

QTEST_MAIN(TestDocumentCommands)
#include "test_document_commands.moc"
