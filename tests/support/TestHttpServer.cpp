#include "support/TestHttpServer.h"

#include <QHash>
#include <QMutex>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace velko::test {

HttpAnswer httpAnswer(int status, const QByteArray &body, const QByteArray &headers) {
    return {"HTTP/1.1 " + QByteArray::number(status) +
            " Answer\r\nContent-Length: " + QByteArray::number(body.size()) +
            "\r\nConnection: close\r\n" + headers + "\r\n" + body};
}

// The server lives in its own thread: the program under test blocks the main
// thread while it fetches.
class TestHttpServer::Private : public QThread {
public:
    mutable QMutex mutex;
    QHash<QString, HttpAnswer> answers;
    QHash<QString, int> requests;
    quint16 port = 0;
    QSemaphore listening;

    void run() override {
        QTcpServer server;
        if (!server.listen(QHostAddress::LocalHost))
            qFatal("the test server cannot listen");
        port = server.serverPort();
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this, &server] {
            while (QTcpSocket *socket = server.nextPendingConnection())
                serve(socket);
        });
        listening.release();
        exec(); // the sockets go with the server when the thread ends
    }

    void serve(QTcpSocket *socket) {
        auto request = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
            const bool answered = request->contains("\r\n\r\n");
            *request += socket->readAll();
            if (answered || !request->contains("\r\n\r\n"))
                return;
            const QString path = QString::fromLatin1(request->split(' ').value(1));
            HttpAnswer answer = httpAnswer(404, "<h1>Not Found</h1>");
            {
                QMutexLocker lock(&mutex);
                ++requests[path];
                answer = answers.value(path, answer);
            }
            socket->write(answer.bytes);
            if (!answer.keepOpen)
                socket->disconnectFromHost();
        });
    }
};

TestHttpServer::TestHttpServer()
    : d(std::make_unique<Private>()) {
    d->start();
    d->listening.acquire();
}

TestHttpServer::~TestHttpServer() {
    d->quit();
    d->wait();
}

void TestHttpServer::answer(const QString &path, const HttpAnswer &answer) {
    QMutexLocker lock(&d->mutex);
    d->answers.insert(path, answer);
}

QUrl TestHttpServer::url(const QString &path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(d->port).arg(path));
}

quint16 TestHttpServer::port() const {
    return d->port;
}

int TestHttpServer::requestCount(const QString &path) const {
    QMutexLocker lock(&d->mutex);
    return d->requests.value(path);
}

} // namespace velko::test
