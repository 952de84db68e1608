#include "support/TestHttpServer.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <algorithm>

namespace velko::test {

namespace {

using Behaviour = HttpAnswer::Behaviour;

constexpr qint64 fillerChunk = 64 * 1024;
// A client that never ends its request head must not make the server grow a buffer forever.
constexpr qsizetype maxHeadSize = 64 * 1024;

// Answers and requests meet under one key however the client encoded the path.
QString normalisedPath(const QString &path) {
    return QUrl(path).toString(QUrl::FullyEncoded);
}

HttpAnswer notFound() {
    HttpAnswer answer;
    answer.status = 404;
    answer.reason = "Not Found";
    answer.headers = {{"Content-Type", "text/html; charset=utf-8"}};
    answer.body = "<html><body><h1>404 Not Found</h1></body></html>\n";
    return answer;
}

QByteArray head(const HttpAnswer &answer, qint64 contentLength) {
    QByteArray head =
        "HTTP/1.1 " + QByteArray::number(answer.status) + ' ' + answer.reason + "\r\n";
    for (const auto &[name, value] : answer.headers)
        head += name + ": " + value + "\r\n";
    head += "Content-Length: " + QByteArray::number(contentLength) + "\r\n";
    head += "Connection: close\r\n\r\n";
    return head;
}

// Shared by the test's thread, which sets answers and reads counts, and the server's thread.
class Registry {
public:
    void set(const QString &path, const HttpAnswer &answer) {
        const QMutexLocker lock(&mutex);
        answers.insert(normalisedPath(path), answer);
    }

    HttpAnswer arrived(const QString &path) {
        const QMutexLocker lock(&mutex);
        ++counts[path];
        return answers.value(path, notFound());
    }

    int count(const QString &path) const {
        const QMutexLocker lock(&mutex);
        return counts.value(normalisedPath(path));
    }

private:
    mutable QMutex mutex;
    QHash<QString, HttpAnswer> answers;
    QHash<QString, int> counts;
};

// Answers the one request of a connection. A child of its socket, so the two go together.
class Connection : public QObject {
public:
    Connection(QTcpSocket *socket, Registry &registry)
        : QObject(socket)
        , socket(socket)
        , registry(registry) {
        connect(socket, &QTcpSocket::readyRead, this, &Connection::read);
    }

private:
    void read() {
        // Read everything even once answered: unread bytes at close would reset the connection.
        const QByteArray data = socket->readAll();
        if (answered)
            return;
        request += data;
        if (!request.contains("\r\n\r\n")) {
            if (request.size() > maxHeadSize)
                socket->abort();
            return;
        }
        answered = true;
        const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
        const QString target = requestLine.size() == 3 ? QString::fromLatin1(requestLine[1]) : "";
        respond(registry.arrived(normalisedPath(target)));
    }

    void respond(const HttpAnswer &answer) {
        switch (answer.behaviour) {
        case Behaviour::Normal:
            socket->write(head(answer, answer.body.size() + answer.fillerBytes) + answer.body);
            fillerLeft = answer.fillerBytes;
            fillerFeed = connect(socket, &QTcpSocket::bytesWritten, this, &Connection::writeFiller);
            writeFiller();
            return;
        case Behaviour::Silent:
            return;
        case Behaviour::Drip:
            socket->write(head(answer, answer.body.size()));
            drip(answer.body, answer.dripIntervalMs);
            return;
        case Behaviour::CloseMidBody:
            socket->write(head(answer, answer.body.size()) +
                          answer.body.left(answer.body.size() / 2));
            socket->disconnectFromHost();
            return;
        case Behaviour::Raw:
            socket->write(answer.body);
            socket->disconnectFromHost();
            return;
        }
    }

    // Only a few chunks are ever queued: a huge body takes no memory, and sending stops as soon
    // as the client goes away because the socket no longer drains.
    void writeFiller() {
        static const QByteArray filler(fillerChunk, 'x');
        while (fillerLeft > 0 && socket->bytesToWrite() < 2 * fillerChunk) {
            const qint64 size = std::min(fillerLeft, fillerChunk);
            socket->write(filler.constData(), size);
            fillerLeft -= size;
        }
        if (fillerLeft == 0) {
            disconnect(fillerFeed);
            socket->disconnectFromHost();
        }
    }

    void drip(const QByteArray &body, int intervalMs) {
        dripBody = body;
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, timer] {
            if (dripped == dripBody.size()) {
                timer->stop();
                socket->disconnectFromHost();
                return;
            }
            socket->write(dripBody.mid(dripped++, 1));
        });
        timer->start(intervalMs);
    }

    QTcpSocket *socket;
    Registry &registry;
    QByteArray request;
    bool answered = false;
    qint64 fillerLeft = 0;
    QMetaObject::Connection fillerFeed;
    QByteArray dripBody;
    qsizetype dripped = 0;
};

} // namespace

class TestHttpServer::Private : public QThread {
public:
    Private() {
        start();
        ready.acquire();
    }

    // Leaving the event loop unwinds run(), so every socket and timer dies in the server's thread.
    ~Private() override {
        quit();
        wait();
    }

    Registry registry;
    int port = 0;

private:
    void run() override {
        QTcpServer server;
        if (!server.listen(QHostAddress::LocalHost, 0))
            qFatal("TestHttpServer: cannot listen on 127.0.0.1: %s",
                   qPrintable(server.errorString()));
        connect(&server, &QTcpServer::newConnection, &server, [this, &server] {
            // Sockets are children of the server, so any still open go when it does.
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                new Connection(socket, registry);
            }
        });
        port = server.serverPort();
        ready.release();
        exec();
    }

    QSemaphore ready;
};

TestHttpServer::TestHttpServer()
    : d(std::make_unique<Private>()) {}

TestHttpServer::~TestHttpServer() = default;

void TestHttpServer::answer(const QString &path, const HttpAnswer &answer) {
    d->registry.set(path, answer);
}

QUrl TestHttpServer::url(const QString &path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(QString::number(d->port), path));
}

int TestHttpServer::port() const {
    return d->port;
}

int TestHttpServer::requestCount(const QString &path) const {
    return d->registry.count(path);
}

} // namespace velko::test
