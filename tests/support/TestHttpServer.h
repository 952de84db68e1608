#pragma once

// A real HTTP server for tests, on 127.0.0.1. Each path gets the bytes it was
// given, whatever they are: a page, a cut-off page, silence, or bytes that
// are not HTTP. It answers while the program under test waits for a fetch,
// which runs the event loop.

#include <QByteArray>
#include <QHash>
#include <QTcpServer>
#include <QUrl>

namespace velko::test {

struct HttpAnswer {
    QByteArray bytes;      // the whole answer as sent
    bool keepOpen = false; // then stay silent instead of closing
};

// A well-formed answer: status line, Content-Length, `headers` ("Name: value"
// lines, each ending in CR LF), body.
HttpAnswer httpAnswer(int status, const QByteArray &body, const QByteArray &headers = {});

class TestHttpServer {
public:
    TestHttpServer();

    void answer(const QString &path, const HttpAnswer &answer) { m_answers.insert(path, answer); }
    QUrl url(const QString &path) const; // paths without an answer get 404
    quint16 port() const { return m_server.serverPort(); }

private:
    QTcpServer m_server;
    QHash<QString, HttpAnswer> m_answers;
};

} // namespace velko::test
