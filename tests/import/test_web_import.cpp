#include "import/UrlHistory.h"
#include "import/WebImport.h"
#include "support/TestFiles.h"
#include "support/TestHttpServer.h"
#include "support/WindowDriver.h"

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

using namespace velko;
using test::HttpAnswer;

Q_DECLARE_METATYPE(velko::test::HttpAnswer)

namespace {

const QByteArray kPage = "<html><head>\n<title>Fetched</title>\n"
                         "<meta name=\"author\" content=\"Ann\">\n</head></html>";

} // namespace

class TestWebImport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void importsAPage();
    void addressesRefused_data();
    void addressesRefused();
    void failedFetches_data();
    void failedFetches();
    void refusedConnection();
    void pageWithoutTags();
    void binaryPage();
    void historyKeepsTypedAddresses();
    void cancelRemovesAPickedAddress();
    void historyFileIsTrimmed();
    void historySavedWhenTheProgramEnds();

private:
    QTemporaryDir m_home;
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
            if (dialog()->isVisible() && dialog()->isModal())
                click("cmdCancel"); // the address was refused
        });
    }
};

void TestWebImport::initTestCase() {
    qputenv("XDG_DATA_HOME", m_home.filePath("data").toUtf8());
    qputenv("XDG_CONFIG_HOME", m_home.filePath("config").toUtf8());
    QSettings("velko", "velko").setValue("fetch/timeoutSeconds", 2);
}

void TestWebImport::init() {
    QFile::remove(urlHistoryPath());
    m_server = std::make_unique<test::TestHttpServer>();
    m_server->answer("/page.html", {200, "OK", {}, kPage});
    m_driver = std::make_unique<test::WindowDriver>();
}

void TestWebImport::cleanup() {
    QCOMPARE(d().desktop().unexpected, 0);
    m_driver.reset();
    m_server.reset();
}

void TestWebImport::importsAPage() {
    d().window().setDocumentText("before");
    fetch(m_server->url("/page.html").toString());
    QCOMPARE(d().text(Field::Title), "Fetched");
    QCOMPARE(d().text(Field::Author), "Ann");
    QCOMPARE(d().window().documentText(), QString(kPage).replace("\n", "\r\n") + "\r\n");
    QCOMPARE(test::bytesOf(scratchPagePath()), kPage + "\r\n");
    QVERIFY(d().desktop().messages.isEmpty());
    QVERIFY(!dialog()->isVisible());
    QCOMPARE(dialog()->findChild<QLabel *>("lblConnecting")->text(), "Done");
    QCOMPARE(d().find<QLineEdit>("txtUrlHidden")->text(), "");
    QCOMPARE(urlBox()->count(), 1);

    // A fetched page has no file of its own: Save File asks where to save it.
    d().desktop().fileChoices << "";
    TRIGGER(d(), "mnuFileSave");
    QCOMPARE(d().desktop().fileDialogs.size(), 1);
}

void TestWebImport::addressesRefused_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("title");

    QTest::newRow("empty") << ""
                           << "Missing Data";
    QTest::newRow("blanks only") << "   "
                                 << "Missing Data";
    QTest::newRow("no scheme") << "www.example.com"
                               << "URL Error";
    QTest::newRow("no dot in the host") << "http://localhost/"
                                        << "URL Error";
    QTest::newRow("ftp") << "ftp://files.example.com/"
                         << "URL Error";
    QTest::newRow("http:// in the middle") << "file:///tmp/http://a.example"
                                           << "URL Error";
}

void TestWebImport::addressesRefused() {
    QFETCH(QString, url);
    QFETCH(QString, title);
    fetch(url);
    QCOMPARE(d().desktop().messages.size(), 1);
    QCOMPARE(d().desktop().messages[0].title, title);
    if (title == "URL Error")
        QCOMPARE(d().desktop().messages[0].text,
                 "Enter a valid URL\r\n\r\nThe URL should be in the format\r\n'http://' + "
                 "'domain name'\r\nExample: http://www.example.com");
    QCOMPARE(d().window().documentText(), d().window().documentText()); // nothing fetched
    QCOMPARE(m_server->requestCount("/page.html"), 0);
}

void TestWebImport::failedFetches_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<HttpAnswer>("answer");

    QTest::newRow("404") << "/missing.html" << HttpAnswer{404, "Not Found", {}, "<h1>404</h1>"};
    QTest::newRow("500 with a page")
        << "/error" << HttpAnswer{500, "Internal Server Error", {}, "<title>oops</title>"};
    HttpAnswer silent;
    silent.behaviour = HttpAnswer::Behaviour::Silent;
    QTest::newRow("no answer past the time-out") << "/silent" << silent;
    QTest::newRow("redirect to a file")
        << "/to-file" << HttpAnswer{302, "Found", {{"Location", "file:///etc/passwd"}}, {}};
    QTest::newRow("redirect loop")
        << "/loop" << HttpAnswer{302, "Found", {{"Location", "/loop"}}, {}};
    HttpAnswer drip{200, "OK", {}, QByteArray(100, 'x')};
    drip.behaviour = HttpAnswer::Behaviour::Drip;
    QTest::newRow("a byte a second, past the time-out") << "/drip" << drip;
    HttpAnswer huge{200, "OK", {}, {}};
    huge.fillerBytes = 200 * 1024 * 1024;
    QTest::newRow("a 200 MB body") << "/huge" << huge;
    HttpAnswer cut{200, "OK", {}, QByteArray(10000, 'x')};
    cut.behaviour = HttpAnswer::Behaviour::CloseMidBody;
    QTest::newRow("closed in the middle of the body") << "/cut" << cut;
    HttpAnswer notHttp{200, "OK", {}, QByteArray("\x00\x01garbage\r\n\r\n<html>", 20)};
    notHttp.behaviour = HttpAnswer::Behaviour::Raw;
    QTest::newRow("bytes that are not HTTP") << "/raw" << notHttp;
}

// A failed fetch reports the cause and leaves the form and the document.
void TestWebImport::failedFetches() {
    QFETCH(QString, path);
    QFETCH(HttpAnswer, answer);
    m_server->answer(path, answer);
    d().setText(Field::Author, "kept");
    d().window().setDocumentText("kept");
    // 127.0.0.1 has no dot-free host problem: it is an address with dots.
    fetch(m_server->url(path).toString());
    QCOMPARE(d().desktop().messages.size(), 1);
    QCOMPARE(d().desktop().messages[0].text, "An error has occurred!");
    QVERIFY(!d().desktop().messages[0].details.isEmpty());
    QCOMPARE(d().text(Field::Author), "kept");
    QCOMPARE(d().window().documentText(), "kept");
    QCOMPARE(urlBox()->count(), 1); // the address still enters the history
}

void TestWebImport::refusedConnection() {
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    fetch(QString("http://127.0.0.1:%1/page.html").arg(port));
    QCOMPARE(d().desktop().messages.size(), 2);
    QCOMPARE(d().desktop().messages[0].text, "An error has occurred!");
    QVERIFY(d().desktop().messages[0].details.contains("refused", Qt::CaseInsensitive));
    // The form was empty before, so the dialog offers another try.
    QCOMPARE(d().desktop().messages[1].text,
             "Unable to retrieve page.\r\nCheck connection or URL.");
    QTRY_VERIFY(dialog()->isVisible());
    click("cmdCancel");
}

// Nothing read: the user hears so, and the dialog comes back for another try.
void TestWebImport::pageWithoutTags() {
    m_server->answer("/plain.html", {200, "OK", {}, "<html><body>hi</body></html>"});
    fetch(m_server->url("/plain.html").toString());
    QCOMPARE(d().desktop().messages.size(), 1);
    QCOMPARE(d().desktop().messages[0],
             (Message{"Error", "Unable to retrieve page.\r\nCheck connection or URL."}));
    QCOMPARE(d().window().documentText(), "<html><body>hi</body></html>\r\n");
    QTRY_VERIFY(dialog()->isVisible());
    QVERIFY(!dialog()->isModal() || dialog()->windowModality() == Qt::NonModal);
    // Import From Web while it is on screen brings it forward, never a second one.
    TRIGGER(d(), "mnuFileOpenWebPage");
    QCOMPARE(d().window().findChildren<QDialog *>("frmOpenWebPage").size(), 1);
    click("cmdCancel");
}

// Binary bytes are a page like any other: shown, read, nothing lost.
void TestWebImport::binaryPage() {
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes += char((i * 7919) % 256);
    m_server->answer("/binary", {200, "OK", {{"Content-Type", "application/octet-stream"}}, bytes});
    fetch(m_server->url("/binary").toString());
    QCOMPARE(d().desktop().messages.size(), 1);
    QCOMPARE(d().desktop().messages[0].title, "Error"); // nothing could be read
    QVERIFY(d().window().documentText().size() >= 4096);
    QTRY_VERIFY(dialog()->isVisible());
    click("cmdCancel");
}

void TestWebImport::historyKeepsTypedAddresses() {
    const QString url = m_server->url("/page.html").toString();
    fetch(url);
    fetch(url);
    QCOMPARE(urlBox()->count(), 2);
    withDialog([this] { click("cmdCancel"); });
    QCOMPARE(test::bytesOf(urlHistoryPath()), (url + "\r\n" + url + "\r\n").toUtf8());
    QCOMPARE(QFile::permissions(urlHistoryPath()),
             QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                 QFileDevice::WriteUser);
}

void TestWebImport::cancelRemovesAPickedAddress() {
    test::writeBytes(urlHistoryPath(), "http://a.example/\r\nhttp://b.example/\r\n");
    withDialog([this] {
        QCOMPARE(urlBox()->count(), 2);
        urlBox()->setCurrentIndex(0);
        click("cmdCancel");
    });
    QCOMPARE(test::bytesOf(urlHistoryPath()), "http://b.example/\r\n");
    // Typed text and Cancel: the text goes, the history stays.
    withDialog([this] {
        QCOMPARE(urlBox()->count(), 1);
        QCOMPARE(urlBox()->currentIndex(), -1);
        urlBox()->setEditText("http://typed.example/");
        click("cmdCancel");
    });
    QCOMPARE(test::bytesOf(urlHistoryPath()), "http://b.example/\r\n");
}

void TestWebImport::historyFileIsTrimmed() {
    test::writeBytes(urlHistoryPath(), "\n  http://a.example/  \n\n\thttp://b.example/\n   \n");
    withDialog([this] {
        QCOMPARE(urlBox()->count(), 2);
        QCOMPARE(urlBox()->itemText(0), "http://a.example/");
        dialog()->close(); // the close box unloads without removing anything
    });
    QCOMPARE(test::bytesOf(urlHistoryPath()), "http://a.example/\r\nhttp://b.example/\r\n");
}

void TestWebImport::historySavedWhenTheProgramEnds() {
    fetch(m_server->url("/page.html").toString());
    QVERIFY(!QFile::exists(urlHistoryPath()));
    TRIGGER(d(), "mnuFileExit");
    QCOMPARE(test::bytesOf(urlHistoryPath()),
             (m_server->url("/page.html").toString() + "\r\n").toUtf8());
}

QTEST_MAIN(TestWebImport)
#include "test_web_import.moc"
