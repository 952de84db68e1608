#include "help/UpdateCheck.h"
#include "net/WebFetcher.h"
#include "support/ScriptedDesktop.h"
#include "support/TestHttpServer.h"

#include <QTest>

using namespace velko;

Q_DECLARE_METATYPE(velko::Answer)

class TestUpdateCheck : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answers_data();
    void answers();
};

void TestUpdateCheck::answers_data() {
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<Answer>("userSays");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("reason"); // the informative text: why it failed

    const QString current = "Your version of Velko is current";
    const QString newer =
        "A newer version of Velko is available.\r\nWould you like to download it?";
    const QString none = "Unable to connect to server.";
    auto page = [](const QByteArray &body) { return test::httpAnswer(200, body).bytes; };
    for (const char *version : {"2.5", "2.5\r\n", "2.50", "2.45", "2.500", "2"})
        QTest::newRow(version) << page(version) << Answer::Ok << current << QString();
    for (const char *version : {"2.6", "2.51", "3.0", "10\n", "2.5.1"})
        QTest::newRow(version) << page(version) << Answer::No << newer << QString();
    QTest::newRow("newer, Yes") << page("2.6") << Answer::Yes << newer << QString();
    for (const char *body : {"<html>Not here</html>", "", "v1.4"})
        QTest::newRow(body) << page(body) << Answer::Ok << none << QString();
    QTest::newRow("404") << test::httpAnswer(404, "1.4").bytes << Answer::Ok << none
                         << "404 Not Found";
    QTest::newRow("no server") << QByteArray() << Answer::Ok << "An error has occurred!"
                               << "Connection refused";
}

// Against a real server on the maker's host, for a made-up current version.
void TestUpdateCheck::answers() {
    QFETCH(QByteArray, answer);
    QFETCH(Answer, userSays);
    QFETCH(QString, message);
    QFETCH(QString, reason);
    test::TestHttpServer server;
    server.answer("/tools/freeware/velko/version.txt", {answer});
    const QString host = QString("127.0.0.1:%1").arg(answer.isEmpty() ? 1 : server.port());
    test::ScriptedDesktop desktop;
    desktop.answers << userSays;
    WebFetcher fetcher(10);
    UpdateCheck(desktop, fetcher, "2.5", host).run();
    QCOMPARE(desktop.messages.size(), 1);
    QCOMPARE(desktop.messages[0].text, message);
    QCOMPARE(desktop.messages[0].informativeText, reason);
    const QList<QUrl> download = {QUrl("http://" + host + "/tools/freeware/velko/")};
    QCOMPARE(desktop.openedUrls, userSays == Answer::Yes ? download : QList<QUrl>{});
}

QTEST_GUILESS_MAIN(TestUpdateCheck)
#include "test_update_check.moc"
