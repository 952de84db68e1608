#pragma once

// A real HTTP server for tests, on 127.0.0.1. Each path gets the bytes it was
// given, whatever they are: a page, a cut-off page, silence, or bytes that
// are not HTTP. It answers while the program under test waits for a fetch,
// which runs the event loop.

#include <QByteArray>
#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <memory>

namespace velko::test {

struct HttpAnswer {
    QByteArray bytes;      // the whole answer as sent
    bool keepOpen = false; // then stay silent instead of closing
};

// A well-formed answer: status line, Content-Length, `headers` ("Name: value"
// lines, each ending in CR LF), body.
inline HttpAnswer httpAnswer(int status, const QByteArray &body, const QByteArray &headers = {}) {
    return {"HTTP/1.1 " + QByteArray::number(status) +
            " Answer\r\nContent-Length: " + QByteArray::number(body.size()) +
            "\r\nConnection: close\r\n" + headers + "\r\n" + body};
}

class TestHttpServer {
public:
    TestHttpServer() {
        if (!m_server.listen(QHostAddress::LocalHost))
            qFatal("the test server cannot listen");
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                auto request = std::make_shared<QByteArray>();
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
                    const bool answered = request->contains("\r\n\r\n");
                    *request += socket->readAll();
                    if (answered || !request->contains("\r\n\r\n"))
                        return;
                    const QString path = QString::fromLatin1(request->split(' ').value(1));
                    ++m_requests[path];
                    const HttpAnswer answer = m_answers.value(path, httpAnswer(404, "Not Found"));
                    socket->write(answer.bytes);
                    if (!answer.keepOpen)
                        socket->disconnectFromHost();
                });
            }
        });
    }

    void answer(const QString &path, const HttpAnswer &answer) { m_answers.insert(path, answer); }
    // Paths without an answer get 404.
    QUrl url(const QString &path) const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path));
    }
    quint16 port() const { return m_server.serverPort(); }
    int requestCount(const QString &path) const { return m_requests.value(path); }

private:
    QTcpServer m_server;
    QHash<QString, HttpAnswer> m_answers;
    QHash<QString, int> m_requests;
};

} // namespace velko::test
