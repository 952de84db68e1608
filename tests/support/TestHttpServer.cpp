#include "support/TestHttpServer.h"

#include <QTcpSocket>
#include <memory>

namespace velko::test {

HttpAnswer httpAnswer(int status, const QByteArray &body, const QByteArray &headers) {
    return {"HTTP/1.1 " + QByteArray::number(status) +
            " Answer\r\nContent-Length: " + QByteArray::number(body.size()) +
            "\r\nConnection: close\r\n" + headers + "\r\n" + body};
}

TestHttpServer::TestHttpServer() {
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
                const HttpAnswer answer = m_answers.value(path, httpAnswer(404, "Not Found"));
                socket->write(answer.bytes);
                if (!answer.keepOpen)
                    socket->disconnectFromHost();
            });
        }
    });
}

QUrl TestHttpServer::url(const QString &path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path));
}

} // namespace velko::test
