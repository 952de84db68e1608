#include "import/UrlHistory.h"
#include "support/TestFiles.h"
#include "support/TestHttpServer.h"
#include "support/WindowDriver.h"

#include <QComboBox>
#include <QElapsedTimer>
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

private Q_SLOTS:
    void init() {
        test::writeBytes(page(), "<title>Page</title>\n");
        QFile::remove(m_home.filePath("saved.html"));
        m_server.answer("/page.html", test::httpAnswer(200, "<title>Page</title>\n"));
        Settings settings;
        settings.dataFolder = m_home.path();
        m_driver = std::make_unique<test::WindowDriver>(settings);
        d().window().show();
    }
    void cleanup() { QCOMPARE(d().desktop().unexpected, 0); }

    void askedBeforeWorkIsLost_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("goesOn");
        const std::pair<const char *, bool> answers[] = {{"unchanged", true},
                                                         {"Save", true},
                                                         {"Save fails", false},
                                                         {"Discard", true},
                                                         {"Cancel", false}};
        for (const char *command : {"mnuFileNew", "mnuFileClose", "mnuFileOpen",
                                    "mnuFileOpenWebPage", "mnuFileExit", "close box"})
            for (const auto &[answer, goesOn] : answers)
                QTest::addRow("%s, %s", command, answer) << command << answer << goesOn;
    }

    // The command goes on when the document is unchanged, saved or given up,
    // and otherwise leaves it as it was.
    void askedBeforeWorkIsLost() {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        QFETCH(bool, goesOn);
        test::ScriptedDesktop &desktop = d().desktop();
        d().window().setDocumentText("<p>as read</p>"); // which New would replace, too
        d().window().setDocumentModified(false);
        if (answer != "unchanged")
            typeIntoDocument();
        const QString typed = d().window().documentText();
        if (command == "mnuFileOpen")
            desktop.fileChoices << page();
        if (answer.startsWith("Save")) { // no file yet: Save File asks for one
            desktop.answers << Answer::Save;
            desktop.fileChoices << m_home.filePath(answer == "Save" ? "saved.html" : "no/p.html");
        } else if (answer != "unchanged") {
            desktop.answers << (answer == "Discard" ? Answer::Discard : Answer::Cancel);
        }

        if (command == "mnuFileOpenWebPage")
            fetch(m_server.url("/page.html"));
        else if (command == "close box")
            d().window().close();
        else
            TRIGGER(d(), command);

        const Message question{.title = "Velko",
                               .text = "The HTML document has changes that have not been saved.",
                               .buttons = Buttons::SaveDiscardCancel,
                               .informativeText = "Do you want to save them?"};
        QCOMPARE(desktop.messages.value(0), answer == "unchanged" ? Message{} : question);
        QCOMPARE(d().window().documentText() != typed || !d().window().isVisible(), goesOn);
        QCOMPARE(test::bytesOf(m_home.filePath("saved.html")).contains("typed"), answer == "Save");
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
