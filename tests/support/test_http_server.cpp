#include "support/TestHttpServer.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <memory>
#include <vector>

using velko::test::HttpAnswer;
using velko::test::TestHttpServer;
using Behaviour = HttpAnswer::Behaviour;

namespace {

HttpAnswer answerOf(const QByteArray &body, Behaviour behaviour = Behaviour::Normal,
                    qint64 fillerBytes = 0) {
    HttpAnswer answer;
    answer.body = body;
    answer.behaviour = behaviour;
    answer.fillerBytes = fillerBytes;
    return answer;
}

HttpAnswer redirectTo(const QByteArray &location) {
    HttpAnswer answer;
    answer.status = 301;
    answer.reason = "Moved Permanently";
    answer.headers = {{"Location", location}};
    return answer;
}

} // namespace

class TestHttpServerTest : public QObject {
    Q_OBJECT

    TestHttpServer server;
    QNetworkAccessManager manager;

    std::unique_ptr<QNetworkReply> get(const QUrl &url) {
        QNetworkRequest request(url);
        // Redirects are answers to look at here, not to follow.
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::ManualRedirectPolicy);
        return std::unique_ptr<QNetworkReply>(manager.get(request));
    }

private Q_SLOTS:
    void initTestCase() { manager.setProxy(QNetworkProxy::NoProxy); }

    void answers_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<QByteArray>("bodyStart");
        QTest::addColumn<qint64>("bodySize"); // -1: any
        QTest::addColumn<QByteArray>("location");

        server.answer("/page.html", answerOf("<p>hello</p>"));
        server.answer("/old?from=here", redirectTo("/new"));
        server.answer("/big", answerOf("start", Behaviour::Normal, 20'000'000));
        server.answer("/cut", answerOf(QByteArray(1000, 'a'), Behaviour::CloseMidBody));
        server.answer("/raw", answerOf("SSH-2.0-nothing\r\n\r\n", Behaviour::Raw));

        QTest::newRow("page") << "/page.html" << 200 << false << QByteArray("<p>hello</p>")
                              << qint64(12) << QByteArray();
        QTest::newRow("unknown path")
            << "/missing" << 404 << true << QByteArray("<html>") << qint64(-1) << QByteArray();
        QTest::newRow("headers passed through")
            << "/old?from=here" << 301 << false << QByteArray() << qint64(0) << QByteArray("/new");
        QTest::newRow("20 MB of filler")
            << "/big" << 200 << false << QByteArray("start") << qint64(20'000'005) << QByteArray();
        QTest::newRow("closed mid body")
            << "/cut" << 200 << true << QByteArray() << qint64(-1) << QByteArray();
        QTest::newRow("not HTTP") << "/raw" << 0 << true << QByteArray() << qint64(-1)
                                  << QByteArray();
    }

    void answers() {
        QFETCH(QString, path);
        QFETCH(int, status);
        QFETCH(bool, fails);
        QFETCH(QByteArray, bodyStart);
        QFETCH(qint64, bodySize);
        QFETCH(QByteArray, location);

        const auto reply = get(server.url(path));
        QVERIFY(QSignalSpy(reply.get(), &QNetworkReply::finished).wait(5000));
        const QByteArray body = reply->readAll();
        QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), status);
        QCOMPARE(reply->error() != QNetworkReply::NoError, fails);
        QVERIFY(body.startsWith(bodyStart));
        if (bodySize >= 0)
            QCOMPARE(body.size(), bodySize);
        QCOMPARE(reply->rawHeader("Location"), location);
    }

    void silentAnswersNothing() {
        server.answer("/silent", answerOf("never sent", Behaviour::Silent));
        const auto reply = get(server.url("/silent"));
        QVERIFY(!QSignalSpy(reply.get(), &QNetworkReply::finished).wait(300));
        reply->abort();
        QCOMPARE(reply->error(), QNetworkReply::OperationCanceledError);
    }

    void dripDeliversFirstBytes() {
        HttpAnswer drip = answerOf("0123456789abcdefghij", Behaviour::Drip);
        drip.dripIntervalMs = 50;
        server.answer("/drip", drip);
        const auto reply = get(server.url("/drip"));
        QVERIFY(QSignalSpy(reply.get(), &QNetworkReply::readyRead).wait(2000));
        const QByteArray first = reply->readAll();
        QVERIFY(!first.isEmpty());
        QVERIFY(first.size() < drip.body.size());
        QVERIFY(drip.body.startsWith(first));
        reply->abort();
    }

    void headInSeveralChunks() {
        server.answer("/chunks", answerOf("whole"));
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, quint16(server.port()));
        QVERIFY(socket.waitForConnected(2000));
        socket.write("GET /chunks HTTP/1.1\r\nHost: 127.0.0.1\r\n");
        QVERIFY(!socket.waitForReadyRead(100)); // no answer before the blank line
        socket.write("\r\n");
        QVERIFY(socket.waitForDisconnected(2000));
        const QByteArray answer = socket.readAll();
        QVERIFY(answer.startsWith("HTTP/1.1 200 OK\r\n"));
        QVERIFY(answer.contains("\r\nConnection: close\r\n"));
        QVERIFY(answer.endsWith("\r\n\r\nwhole"));
    }

    void countsRequests() {
        for (int i = 0; i < 3; ++i) {
            const auto reply = get(server.url("/counted"));
            QVERIFY(QSignalSpy(reply.get(), &QNetworkReply::finished).wait(5000));
        }
        QCOMPARE(server.requestCount("/counted"), 3);
        QCOMPARE(server.requestCount("/never"), 0);
    }

    void stopsWithConnectionsOpen() {
        auto doomed = std::make_unique<TestHttpServer>();
        const QList<QPair<QString, HttpAnswer>> answers = {
            {"/silent", answerOf("never sent", Behaviour::Silent)},
            {"/drip", answerOf("slow", Behaviour::Drip)},
            {"/huge", answerOf("", Behaviour::Normal, 200'000'000)},
        };
        std::vector<std::unique_ptr<QNetworkReply>> replies;
        for (const auto &[path, answer] : answers) {
            doomed->answer(path, answer);
            replies.push_back(get(doomed->url(path)));
            // A slow reader keeps the server sending when it stops.
            replies.back()->setReadBufferSize(64 * 1024);
            QTRY_COMPARE_WITH_TIMEOUT(doomed->requestCount(path), 1, 2000);
        }
        doomed.reset();
        for (qsizetype i = 0; i < answers.size(); ++i) {
            QNetworkReply &reply = *replies[i];
            reply.setReadBufferSize(0); // reads on, so the client notices the server is gone
            QVERIFY(reply.isFinished() || QSignalSpy(&reply, &QNetworkReply::finished).wait(5000));
            const HttpAnswer &answer = answers[i].second;
            QVERIFY(reply.readAll().size() < answer.body.size() + answer.fillerBytes);
        }
    }
};

QTEST_GUILESS_MAIN(TestHttpServerTest)
#include "test_http_server.moc"
