#include "commands/WebImport.h"
#include "import/UrlHistory.h"
#include "support/TestFiles.h"
#include "support/TestHttpServer.h"
#include "support/WindowDriver.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>

using namespace velko;
using test::HttpAnswer;

Q_DECLARE_METATYPE(velko::test::HttpAnswer)

namespace {

const QByteArray kPage = "<html><head>\n<title>Fetched</title>\n</head></html>";
// A head that promises more body than will come.
const QByteArray kPromise = "HTTP/1.1 200 OK\r\nContent-Length: 209715200\r\n\r\nxx";

} // namespace

class TestWebImport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        m_settings.dataFolder = m_home.path();
        m_settings.fetchTimeoutSeconds = 2;
    }

    void init() {
        QFile::remove(urlHistoryPath(m_home.path()));
        m_server = std::make_unique<test::TestHttpServer>();
        m_server->answer("/page.html", test::httpAnswer(200, kPage));
        m_driver = std::make_unique<test::WindowDriver>(m_settings);
    }

    void cleanup() { QCOMPARE(d().desktop().unexpected, 0); }

    void importsAPage() {
        fetch(m_server->url("/page.html").toString());
        QCOMPARE(d().text(Field::Title), "Fetched");
        QCOMPARE(d().window().documentText(), QString(kPage).replace("\n", "\r\n") + "\r\n");
        QCOMPARE(test::bytesOf(scratchPagePath(m_home.path())), kPage + "\r\n");
        QCOMPARE(QFile::permissions(scratchPagePath(m_home.path())),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        QVERIFY(d().desktop().messages.isEmpty());
        d().desktop().fileChoices << ""; // a fetched page has no file: Save File asks
        TRIGGER(d(), "mnuFileSave");
        QCOMPARE(d().desktop().fileDialogs.size(), 1);
    }

    void headerCharsetComesFirst() {
        m_server->answer("/1250.html",
                         test::httpAnswer(200, "<meta charset=iso-8859-2><title>\x9c</title>",
                                          "Content-Type: text/html; charset=windows-1250\r\n"));
        fetch(m_server->url("/1250.html").toString());
        QCOMPARE(d().text(Field::Title), "ś");
    }

    void addressesRefused_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("title");
        const auto row = [](const char *name, const char *url, const char *title) {
            QTest::newRow(name) << QString(url) << QString(title);
        };
        row("empty", "  ", "Missing Data");
        row("no scheme", "www.example.com", "URL Error");
        row("no dot in the host", "http://localhost/", "URL Error");
        row("http:// in the middle", "file:///tmp/http://a.example", "URL Error");
    }
    void addressesRefused() {
        QFETCH(QString, url);
        QFETCH(QString, title);
        fetch(url);
        QCOMPARE(d().desktop().messages.size(), 1);
        QCOMPARE(d().desktop().messages[0].title, title);
    }

    void failedFetches_data() {
        QTest::addColumn<HttpAnswer>("answer");
        QTest::addColumn<QString>("reason");
        const auto row = [](const char *name, const HttpAnswer &answer, const char *reason) {
            QTest::newRow(name) << answer << QString(reason);
        };
        row("500 with a page", test::httpAnswer(500, "<title>oops</title>"),
            "500 Internal Server Error");
        row("404", test::httpAnswer(404, "<title>gone</title>"), "404 Not Found");
        row("no answer, past the time-out", {{}, true}, "Timed out after 2 s");
        row("200 MB promised", {kPromise}, "Larger than 100 MB");
        row("closed in the middle of the body",
            {"HTTP/1.1 200 OK\r\nContent-Length: 10000\r\n\r\n<html>"},
            "Connection closed by the server");
        row("bytes that are not HTTP", {QByteArray("\0\1garbage\r\n\r\n", 13)},
            "Connection closed by the server");
        row("redirect to a file", test::httpAnswer(302, {}, "Location: file:///etc/passwd\r\n"),
            "Not an http or https address");
        row("redirect loop", test::httpAnswer(302, {}, "Location: /bad\r\n"), "Too many redirects");
        row("refused connection", {}, "Connection refused");
        row("unknown host", {}, "Host not found");
    }
    // A failed fetch says why in so many words and leaves the form and the
    // document alone.
    void failedFetches() {
        QFETCH(HttpAnswer, answer);
        QFETCH(QString, reason);
        m_server->answer("/bad", answer);
        QString url = m_server->url("/bad").toString();
        if (QString(QTest::currentDataTag()) == "refused connection") {
            QTcpServer closed;
            QVERIFY(closed.listen(QHostAddress::LocalHost));
            url = QString("http://127.0.0.1:%1/").arg(closed.serverPort());
        } else if (QString(QTest::currentDataTag()) == "unknown host") {
            url = "http://nowhere.invalid/"; // a name no resolver knows
        }
        d().setText(Field::Author, "kept");
        d().window().setDocumentText("kept");
        fetch(url);
        QCOMPARE(d().desktop().messages.size(), 1);
        QCOMPARE(d().desktop().messages[0].text, "An error has occurred!");
        QCOMPARE(d().desktop().messages[0].informativeText, reason);
        QVERIFY(!d().desktop().messages[0].details.isEmpty());
        QCOMPARE(d().text(Field::Author), "kept");
        QCOMPARE(d().window().documentText(), "kept");
    }

    void nothingReadOffersAnotherTry() {
        m_server->answer("/plain.html", test::httpAnswer(200, "<body>hi</body>"));
        fetch(m_server->url("/plain.html").toString());
        const Message unable{"Error", "Unable to retrieve page.\r\nCheck connection or URL."};
        QCOMPARE(d().desktop().messages, QList<Message>{unable});
        QTRY_VERIFY(dialog()->isVisible());
        TRIGGER(d(), "mnuFileOpenWebPage"); // brought forward, never shown twice
        QCOMPARE(d().window().findChildren<QDialog *>("frmOpenWebPage").size(), 1);
        click("cmdCancel");
    }

    // Each time it opens, typing replaces the address shown.
    void focusOnTheAddress() {
        withDialog([this] {
            urlBox()->setEditText("http://b.example/");
            dialog()->findChild<QPushButton *>("cmdCancel")->setFocus();
            dialog()->hide(); // as after a fetch, the address stays
        });
        withDialog([this] {
            QCOMPARE(QApplication::focusWidget(), urlBox());
            QCOMPARE(urlBox()->lineEdit()->selectedText(), "http://b.example/");
            click("cmdCancel");
        });
    }

    void history() {
        test::writeBytes(urlHistoryPath(m_home.path()), "\n  http://a.example/  \n\n");
        const QString url = m_server->url("/page.html").toString();
        fetch(url);
        fetch(url); // typed twice, kept twice
        withDialog([this] {
            QCOMPARE(urlBox()->count(), 3);
            urlBox()->setCurrentIndex(1);
            click("cmdCancel"); // removes the picked address
        });
        QCOMPARE(test::bytesOf(urlHistoryPath(m_home.path())),
                 ("http://a.example/\r\n" + url + "\r\n").toUtf8());
        QCOMPARE(QFile::permissions(urlHistoryPath(m_home.path())),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                     QFileDevice::WriteUser);
        fetch(url);
        TRIGGER(d(), "mnuFileExit"); // saved when the program ends
        QCOMPARE(test::bytesOf(urlHistoryPath(m_home.path())),
                 ("http://a.example/\r\n" + url + "\r\n" + url + "\r\n").toUtf8());
    }

private:
    QTemporaryDir m_home;
    Settings m_settings;
    std::unique_ptr<test::TestHttpServer> m_server;
    std::unique_ptr<test::WindowDriver> m_driver;
    test::WindowDriver &d() { return *m_driver; }
    QDialog *dialog() { return d().window().findChild<QDialog *>("frmOpenWebPage"); }
    QComboBox *urlBox() { return dialog()->findChild<QComboBox *>("cboUrl"); }
    void click(const char *button) { dialog()->findChild<QPushButton *>(button)->click(); }
    // Opens the dialog and, once it is on screen, runs `steps` in it.
    void withDialog(const std::function<void()> &steps) {
        QTimer::singleShot(0, this, steps);
        TRIGGER(d(), "mnuFileOpenWebPage");
    }
    void fetch(const QString &url) {
        withDialog([this, url] {
            urlBox()->setEditText(url);
            click("cmdOK");
            if (dialog()->isVisible())
                click("cmdCancel"); // the address was refused
        });
    }
};

QTEST_MAIN(TestWebImport)
#include "test_web_import.moc"
