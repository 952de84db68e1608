#include "fields/FieldCatalogue.h"
#include "import/UrlHistory.h"
#include "support/TestFiles.h"
#include "support/TestHttpServer.h"
#include "support/WindowDriver.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

using namespace velko;

class TestUnsavedWork : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    test::TestHttpServer m_server;
    std::unique_ptr<test::WindowDriver> m_driver;
    test::WindowDriver &d() { return *m_driver; }
    QWidget *dialog() { return d().find<QWidget>("frmOpenWebPage"); }
    void click(const char *button) { dialog()->findChild<QPushButton *>(button)->click(); }
    void fetch(const QUrl &url) {
        QTimer::singleShot(0, this, [this, url] {
            dialog()->findChild<QComboBox *>()->setEditText(url.toString());
            click("cmdOK");
        });
        TRIGGER(d(), "mnuFileOpenWebPage");
    }
    void typeIntoDocument() { QTest::keyClicks(d().documentArea(), "typed"); }
    QString page() { return m_home.filePath("page.html"); }
    QString formFile() { return m_home.filePath("form.json"); }

private Q_SLOTS:
    void init() {
        test::writeBytes(page(), "<title>Page</title>\n");
        test::writeBytes(formFile(), R"({"Author": "from the file"})");
        for (const char *saved : {"saved.html", "saved.json"})
            QFile::remove(m_home.filePath(saved));
        m_server.answer("/page.html", test::httpAnswer(200, "<title>Page</title>\n"));
        Settings settings;
        settings.dataFolder = m_home.path();
        m_driver = std::make_unique<test::WindowDriver>(settings);
        d().window().show();
    }
    void cleanup() { QCOMPARE(d().desktop().unexpected, 0); }

    void askedBeforeWorkIsLost_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("changed"); // "document", "form", "both" or "nothing"
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("goesOn");
        const auto rows = [](const char *changed, const QStringList &commands,
                             const QStringList &answers) {
            for (const QString &command : commands)
                for (const QString &answer : answers)
                    QTest::addRow("%s, %s, %s", qPrintable(command), changed, qPrintable(answer))
                        << command << QString(changed) << answer
                        << (answer == "Discard" || answer == "Save" || answer == "not asked");
        };
        const QStringList every = {"Save", "Save fails", "Discard", "Cancel"};
        rows("nothing",
             {"mnuFileNew", "mnuFileClose", "mnuFileOpen", "mnuFileOpenWebPage", "mnuFormOpen",
              "mnuFormRecent1", "mnuFileExit", "close box"},
             {"not asked"});
        rows("document",
             {"mnuFileNew", "mnuFileClose", "mnuFileOpen", "mnuFileOpenWebPage", "mnuFileExit",
              "close box"},
             every);
        rows("form",
             {"mnuFileOpen", "mnuFileOpenWebPage", "mnuFormOpen", "mnuFormRecent1", "mnuFileExit",
              "close box"},
             every);
        rows("form", {"mnuFileNew", "mnuFileClose"}, {"not asked"}); // they keep the form
        rows("both", {"mnuFileOpen", "mnuFileExit"}, every);
    }

    // The command goes on when what it would replace or drop is unchanged,
    // saved or given up, and otherwise leaves the document and the form as
    // they were. One question names all that has changed.
    void askedBeforeWorkIsLost() {
        QFETCH(QString, command);
        QFETCH(QString, changed);
        QFETCH(QString, answer);
        QFETCH(bool, goesOn);
        test::ScriptedDesktop &desktop = d().desktop();
        const bool document = changed == "document" || changed == "both";
        const bool form = changed == "form" || changed == "both";
        d().window().setDocumentText("<p>as read</p>"); // which New would replace, too
        d().window().setDocumentModified(false);
        if (document)
            typeIntoDocument();
        if (form)
            QTest::keyClicks(d().find<QLineEdit>(objectNameOf(Field::Author)), "typed");
        const QString typed = d().window().documentText();
        const FormValue typedForm = d().window().form();
        d().store().setRecentForms({formFile()});
        d().openMenu("mnuForm"); // which lists the recent forms
        if (command == "mnuFileOpen")
            desktop.fileChoices << page();
        if (command == "mnuFormOpen")
            desktop.fileChoices << formFile();
        if (answer.startsWith("Save")) { // no files yet: each save asks for one
            desktop.answers << Answer::Save;
            const QString folder = answer == "Save" ? m_home.path() : m_home.filePath("no");
            if (document)
                desktop.fileChoices << folder + "/saved.html";
            if (form && (answer == "Save" || !document))
                desktop.fileChoices << folder + "/saved.json";
        } else if (answer != "not asked") {
            desktop.answers << (answer == "Discard" ? Answer::Discard : Answer::Cancel);
        }

        if (command == "mnuFileOpenWebPage")
            fetch(m_server.url("/page.html"));
        else if (command == "close box")
            d().window().close();
        else
            TRIGGER(d(), command);

        const QString texts[][2] = {
            {"The HTML document has changes that have not been saved.",
             "Do you want to save them?"},
            {"The form has changes that have not been saved.",
             "Do you want to save them as a form file?"},
            {"The HTML document and the form have changes that have not been saved.",
             "Do you want to save the document, and the form as a form file?"}};
        const int asked = document ? (form ? 2 : 0) : 1;
        const Message question{.title = "Velko",
                               .text = texts[asked][0],
                               .buttons = Buttons::SaveDiscardCancel,
                               .informativeText = texts[asked][1]};
        QCOMPARE(desktop.messages.value(0), answer == "not asked" ? Message{} : question);
        const bool replaced = d().window().documentText() != typed ||
                              d().window().form() != typedForm || !d().window().isVisible();
        QCOMPARE(replaced, goesOn);
        const bool saved = answer == "Save";
        QCOMPARE(test::bytesOf(m_home.filePath("saved.html")).contains("typed"), saved && document);
        QCOMPARE(test::bytesOf(m_home.filePath("saved.json")).contains("typed"), saved && form);
    }

    void titleShowsFileAndChanges() {
        auto title = [this] { return d().window().windowHandle()->title(); };
        QCOMPARE(title(), "Velko");
        typeIntoDocument();
        d().desktop().fileChoices << page();
        d().desktop().answers << Answer::Discard;
        TRIGGER(d(), "mnuFileOpen");
        QCOMPARE(title(), "page.html - Velko"); // the page as read counts as unchanged
        typeIntoDocument();
        QCOMPARE(title(), "page.html* - Velko");
        TRIGGER(d(), "mnuFileSave");
        QCOMPARE(title(), "page.html - Velko");
    }

    // Cancel while the server keeps silent: the page and the history stay as
    // they were, and nothing is said.
    void cancelStopsASlowFetch() {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        const QString history = urlHistoryPath(m_home.path());
        test::writeBytes(history, "http://a.example/\r\n");
        typeIntoDocument();
        const QString typed = d().window().documentText();
        QElapsedTimer sinceCancel;
        connect(&silent, &QTcpServer::newConnection, this, [&] {
            sinceCancel.start();
            click("cmdCancel");
        });
        fetch(QUrl(QString("http://127.0.0.1:%1/").arg(silent.serverPort())));
        // Only that the wait ended: the time-out is a minute away.
        QVERIFY(sinceCancel.isValid() && sinceCancel.elapsed() < 500);
        QVERIFY(!dialog()->isVisible());
        QCOMPARE(d().window().documentText(), typed);
        QVERIFY(d().desktop().messages.isEmpty());
        QCOMPARE(test::bytesOf(history), "http://a.example/\r\n");
    }
};

QTEST_MAIN(TestUnsavedWork)
#include "test_unsaved_work.moc"
