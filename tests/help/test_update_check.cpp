#include "help/UpdateCheck.h"
#include "import/WebFetcher.h"
#include "support/ScriptedDesktop.h"
#include "support/TestHttpServer.h"

#include <QSettings>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

using namespace velko;
using test::HttpAnswer;

Q_DECLARE_METATYPE(velko::test::HttpAnswer)
Q_DECLARE_METATYPE(velko::Answer)

namespace {

const QString kVersionPath = "/tools/freeware/velko/version.txt";
const QString kCurrent = "Your version of Velko is current";
const QString kNoAnswer = "Unable to connect to server.";
const QString kNewer = "A newer version of Velko is available.\r\nWould you like to download it?";

} // namespace

class TestUpdateCheck : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void comparesVersions_data();
    void comparesVersions();
    void answersFromTheServer_data();
    void answersFromTheServer();
    void noServer();

private:
    QTemporaryDir m_home;
    void pointAt(quint16 port) {
        QSettings("velko", "velko").setValue("maker/host", QString("127.0.0.1:%1").arg(port));
    }
};

void TestUpdateCheck::initTestCase() {
    qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
}

void TestUpdateCheck::comparesVersions_data() {
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("published");

    const int newer = int(PublishedVersion::Newer);
    const int current = int(PublishedVersion::Current);
    const int unknown = int(PublishedVersion::Unknown);
    QTest::newRow("1.31") << QByteArray("1.31") << current;
    QTest::newRow("1.31 and a line break") << QByteArray("1.31\r\n") << current;
    QTest::newRow("1.30") << QByteArray("1.30") << current;
    QTest::newRow("1.3") << QByteArray("1.3") << current;
    QTest::newRow("1.310") << QByteArray("1.310") << current;
    QTest::newRow("1") << QByteArray("1") << current;
    QTest::newRow("01.31") << QByteArray("01.31") << current;
    QTest::newRow("1.4") << QByteArray("1.4") << newer;
    QTest::newRow("1.32") << QByteArray("1.32") << newer;
    QTest::newRow("2.0") << QByteArray("2.0") << newer;
    QTest::newRow("10") << QByteArray("10") << newer;
    QTest::newRow("1.31.1") << QByteArray("1.31.1") << newer;
    QTest::newRow("1.31.0") << QByteArray("1.31.0") << current;
    QTest::newRow("an HTML page") << QByteArray("<html>Not here</html>") << unknown;
    QTest::newRow("empty") << QByteArray("") << unknown;
    QTest::newRow("blanks") << QByteArray(" \n") << unknown;
    QTest::newRow("v1.4") << QByteArray("v1.4") << unknown;
    QTest::newRow("1..4") << QByteArray("1..4") << unknown;
}

void TestUpdateCheck::comparesVersions() {
    QFETCH(QByteArray, answer);
    QFETCH(int, published);
    QCOMPARE(int(comparePublishedVersion(answer)), published);
}

void TestUpdateCheck::answersFromTheServer_data() {
    QTest::addColumn<HttpAnswer>("answer");
    QTest::addColumn<Answer>("userSays");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("opensDownloadPage");

    QTest::newRow("current") << HttpAnswer{200, "OK", {}, "1.31\n"} << Answer::Ok << kCurrent
                             << false;
    QTest::newRow("older") << HttpAnswer{200, "OK", {}, "1.3"} << Answer::Ok << kCurrent << false;
    QTest::newRow("newer, Yes") << HttpAnswer{200, "OK", {}, "1.4\n"} << Answer::Yes << kNewer
                                << true;
    QTest::newRow("newer, No") << HttpAnswer{200, "OK", {}, "2.0"} << Answer::No << kNewer << false;
    QTest::newRow("HTML page") << HttpAnswer{200, "OK", {}, "<html><body>hi</body></html>"}
                               << Answer::Ok << kNoAnswer << false;
    QTest::newRow("empty") << HttpAnswer{200, "OK", {}, ""} << Answer::Ok << kNoAnswer << false;
    QTest::newRow("404") << HttpAnswer{404, "Not Found", {}, "<h1>404</h1>"} << Answer::Ok
                         << kNoAnswer << false;
}

void TestUpdateCheck::answersFromTheServer() {
    QFETCH(HttpAnswer, answer);
    QFETCH(Answer, userSays);
    QFETCH(QString, message);
    QFETCH(bool, opensDownloadPage);

    test::TestHttpServer server;
    server.answer(kVersionPath, answer);
    pointAt(server.port());
    test::ScriptedDesktop desktop;
    desktop.answers << userSays;
    WebFetcher fetcher;
    UpdateCheck(desktop, fetcher).run();

    QCOMPARE(server.requestCount(kVersionPath), 1);
    QCOMPARE(desktop.messages.size(), 1);
    QCOMPARE(desktop.messages[0].title, "Program Update");
    QCOMPARE(desktop.messages[0].text, message);
    QCOMPARE(desktop.messages[0].buttons, message == kNewer ? Buttons::YesNo : Buttons::Ok);
    const QList<QUrl> download = {
        QUrl(QString("http://127.0.0.1:%1/tools/freeware/velko/").arg(server.port()))};
    QCOMPARE(desktop.openedUrls, opensDownloadPage ? download : QList<QUrl>{});
}

// A failure to connect is a failure, not an answer: the general error says why.
void TestUpdateCheck::noServer() {
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    pointAt(port);
    test::ScriptedDesktop desktop;
    WebFetcher fetcher;
    UpdateCheck(desktop, fetcher).run();
    QCOMPARE(desktop.messages.size(), 1);
    QCOMPARE(desktop.messages[0].text, "An error has occurred!");
    QVERIFY(desktop.messages[0].details.contains("refused", Qt::CaseInsensitive));
}

QTEST_GUILESS_MAIN(TestUpdateCheck)
#include "test_update_check.moc"
