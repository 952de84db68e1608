#include "document/NewDocument.h"
#include "support/TestFiles.h"
#include "support/WindowDriver.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QStatusBar>
#include <QTemporaryDir>

using namespace velko;

Q_DECLARE_METATYPE(velko::Answer)

class TestDocumentCommands : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_driver = std::make_unique<test::WindowDriver>(); }
    void cleanup() { QCOMPARE(d().desktop().unexpected, 0); }

    void newAndClose() {
        QCOMPARE(d().window().documentText(), newDocumentSkeleton());
        TRIGGER(d(), "mnuFileClose");
        QCOMPARE(d().window().documentText(), "");
        TRIGGER(d(), "mnuFileNew");
        QCOMPARE(d().window().documentText(), newDocumentSkeleton());
    }

    // Save File writes to the file the document was last saved as, never to
    // the tag file saved since.
    void saveAsThenSave() {
        const QString page = m_dir.filePath("page");
        d().window().setDocumentText("<html>");
        d().setText(Field::Title, "Home");
        d().find<QCheckBox>("chkDCTitle")->setChecked(true);
        d().desktop().fileChoices << "" << page << m_dir.filePath("tags.html");
        TRIGGER(d(), "mnuFileSaveAs"); // cancelled
        QCOMPARE(d().desktop().beeps, 1);
        TRIGGER(d(), "mnuFileSaveAs");
        QCOMPARE(d().desktop().fileDialogs.last(),
                 (FileDialog{FileDialog::Kind::Save, "Save File As", ""}));
        QCOMPARE(test::bytesOf(page), "<html>\r\n");
        const QString block =
            "<title>Home</title>\r\n<meta name=\"DC.Title\" content=\"Home\">\r\n";
        QCOMPARE(d().window().tagsText(), QString(block).replace("DC.Title", "DC.title"));
        TRIGGER(d(), "mnuTagsSaveAs");
        QCOMPARE(test::bytesOf(m_dir.filePath("tags.html")),
                 ("<html>\r\n<head>" + block + "\r\n</head>\r\n</html>\r\n").toUtf8());
        d().window().setDocumentText("changed");
        TRIGGER(d(), "mnuFileSave"); // no dialog: the document has its file
        QCOMPARE(test::bytesOf(page), "changed\r\n");
        QCOMPARE(d().desktop().fileDialogs.size(), 3);
    }

    // Another program writes the page: an unchanged document follows it at
    // once, a changed one asks before it overwrites the other's change.
    void changedOnDisk_data() {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QByteArray>("file"); // the page afterwards
        QTest::addColumn<QString>("document");
        QTest::newRow("unchanged: reloaded")
            << false << Answer::Ok << QByteArray("theirs") << "theirs";
        QTest::newRow("Overwrite") << true << Answer::Overwrite << QByteArray("mine") << "mine";
        QTest::newRow("Reload") << true << Answer::Reload << QByteArray("theirs") << "theirs";
        QTest::newRow("Cancel") << true << Answer::Cancel << QByteArray("theirs") << "mine";
    }
    void changedOnDisk() {
        QFETCH(bool, edited);
        QFETCH(Answer, answer);
        QFETCH(QByteArray, file);
        QFETCH(QString, document);
        const QString page = m_dir.filePath("page.html");
        test::writeBytes(page, "old");
        d().desktop().fileChoices << page;
        TRIGGER(d(), "mnuFileOpen");
        if (edited)
            d().window().setDocumentText("mine");
        test::writeBytes(page, "theirs");
        if (!edited) {
            QTRY_COMPARE(d().window().documentText(), document);
            QCOMPARE(d().window().statusBar()->currentMessage(),
                     "page.html was changed by another program and has been reloaded.");
            return;
        }
        d().desktop().answers << answer;
        TRIGGER(d(), "mnuFileSave");
        const Message question{"Velko", "The file page.html has been changed by another program.",
                               Buttons::OverwriteReloadCancel, "", "Do you want to overwrite it?"};
        QCOMPARE(d().desktop().messages, QList<Message>{question});
        QCOMPARE(test::bytesOf(page), file);
        QCOMPARE(d().window().documentText(), document);
        QCOMPARE(d().window().documentModified(), answer == Answer::Cancel);
    }

    // Save File says why it failed, then offers Save File As at the page.
    void saveFailureSaysWhy() {
        const QString page = m_dir.filePath("page.html");
        test::writeBytes(page, "old");
        d().desktop().fileChoices << page << "";
        TRIGGER(d(), "mnuFileOpen");
        QVERIFY(QFile::remove(page) && QDir().mkdir(page));
        TRIGGER(d(), "mnuFileSave");
        const Message failure{"Save File", "page.html could not be saved: Not a regular file."};
        QCOMPARE(d().desktop().messages, QList<Message>{failure});
        QCOMPARE(d().desktop().fileDialogs.last(),
                 (FileDialog{FileDialog::Kind::Save, "Save File As", page}));
        QCOMPARE(d().desktop().beeps, 1);
    }

    void insertIntoTheSkeleton() {
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
        QCOMPARE(d().currentTab(), int(Page::HtmlFile) - 1);
        QCOMPARE(test::colouredRuns(*d().documentArea(), QColor(128, 128, 0)).join("\r\n") + "\r\n",
                 block);
        QCOMPARE(d().documentArea()->textCursor().position(), 0);
        QVERIFY(!d().documentArea()->textCursor().hasSelection());
        QCOMPARE(QApplication::focusWidget(), d().documentArea());
    }

    // Each ends with the document unchanged; a page that is not HTML is shown,
    // otherwise the generated tags are.
    void insertMessages_data() {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *document, const char *title, const char *text) {
            QTest::newRow(document) << QString(document) << QString(title) << QString(text);
        };
        const char *notHtml = "This file does not appear to be a valid HTML file.\r\nCheck the "
                              "file's HTML syntax and try again.";
        row("<body>", "File Validation", notHtml);
        row("<header>", "File Validation", notHtml);
        row("<head>", "Missing Data",
            "No generated tags\r\nFill in some of the form fields\r\nThen generate the tags");
        // A title already there; the user cancels.
        row("<HEAD><Title>x</title>", "Confirm",
            "Some of the same generated tag types\r\nmay already appear in the target HTML "
            "file.\r\n\r\nInsert these meta tags into the HTML file?");
    }
    void insertMessages() {
        QFETCH(QString, document);
        QFETCH(QString, title);
        QFETCH(QString, text);
        const bool notHtml = title == "File Validation";
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
        QCOMPARE(d().currentTab(), int(notHtml ? Page::HtmlFile : Page::GeneratedTags) - 1);
        QCOMPARE(d().window().documentText(), document);
        QCOMPARE(d().window().tagsText() == "earlier", notHtml);
    }

    // Update Tags In File asks first; Cancel leaves the page as it was. Insert's
    // warning about tags already there offers it too.
    void updateTags_data() {
        QTest::addColumn<bool>("viaInsert");
        QTest::addColumn<QString>("document");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("updated");

        const QString page = "<html>\r\n<head lang=en>\r\n<title>Old</title>\r\n<title>Dup</title>"
                             "\r\n</head>\r\n</html>";
        const QString updated = "<html>\r\n<head lang=en>\r\n<meta name=\"description\" "
                                "content=\"Shop\">\r\n<title>Home</title>\r\n</head>\r\n</html>";
        const QString question = "Replace 1 tags, add 1, remove 1 duplicates.";
        QTest::newRow("OK") << false << page << true << question << updated;
        QTest::newRow("Cancel") << false << page << false << question << page;
        QTest::newRow("nothing to change")
            << false << updated << false << "The page already has these tags." << updated;
        QTest::newRow("Update Instead") << true << page << true << question << updated;
    }
    void updateTags() {
        QFETCH(bool, viaInsert);
        QFETCH(QString, document);
        QFETCH(bool, ok);
        QFETCH(QString, question);
        QFETCH(QString, updated);
        d().showAndActivate();
        d().window().setDocumentText(document);
        d().window().setDocumentModified(false); // as if just read
        d().window().setTagsText("earlier");
        d().setText(Field::Title, "Home");
        d().setText(Field::Description, "Shop");
        if (viaInsert)
            d().desktop().answers << Answer::UpdateInstead;
        if (question.startsWith("Replace"))
            d().desktop().answers << (ok ? Answer::Ok : Answer::Cancel);
        TRIGGER(d(), viaInsert ? "mnuTagsInsert" : "mnuTagsUpdate");
        QCOMPARE(d().desktop().messages.size(), viaInsert ? 2 : 1);
        if (viaInsert)
            QCOMPARE(d().desktop().messages[0].buttons, Buttons::OkUpdateInsteadCancel);
        QCOMPARE(d().desktop().messages.last().text, question);
        QCOMPARE(d().window().documentText(), updated);
        QCOMPARE(d().documentArea()->document()->isModified(), ok);
        QCOMPARE(d().currentTab(), int(ok ? Page::HtmlFile : Page::GeneratedTags) - 1);
        if (!ok)
            return;
        QCOMPARE(d().desktop().messages.last().details,
                 "+ <meta name=\"description\" content=\"Shop\">\r\n- <title>Old</title>\r\n"
                 "+ <title>Home</title>\r\n- <title>Dup</title>");
        QCOMPARE(
            test::colouredRuns(*d().documentArea(), QColor(128, 128, 0)),
            (QStringList{"<meta name=\"description\" content=\"Shop\">", "<title>Home</title>"}));
        const QTextCursor caret = d().documentArea()->textCursor();
        QCOMPARE(caret.blockNumber(), 2);
        QCOMPARE(caret.positionInBlock(), 0);
        QCOMPARE(QApplication::focusWidget(), d().documentArea());
    }

    // Copy Tags copies a fresh block; an empty one gives a warning instead.
    void copyTags() {
        d().showAndActivate();
        auto *title = d().find<QLineEdit>(objectNameOf(Field::Title));
        title->setText("Home");
        d().window().setTagsText("stale");
        TRIGGER(d(), "mnuTagsCopy");
        QCOMPARE(d().desktop().clipboard, QStringList{"<title>Home</title>\r\n"});

        TRIGGER(d(), "mnuFormClearAll");
        TRIGGER(d(), "mnuTagsCopy");
        QCOMPARE(
            d().desktop().messages.last(),
            (Message{"Warning", "There are no meta tags to copy.\r\nType some text in the tags "
                                "fields, then generate the tags."}));
        QCOMPARE(d().desktop().clipboard.size(), 1);
        QCOMPARE(d().window().tagsText(), "");
    }

private:
    std::unique_ptr<test::WindowDriver> m_driver;
    QTemporaryDir m_dir;
    test::WindowDriver &d() { return *m_driver; }
};

QTEST_MAIN(TestDocumentCommands)
#include "test_document_commands.moc"
