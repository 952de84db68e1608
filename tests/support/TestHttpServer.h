#pragma once

// A real HTTP server for tests, listening on 127.0.0.1 in a thread of its own,
// answering each path as it was told to. Also serves hostile answers: silence,
// a body that drips, a connection closed mid-body, bytes that are not HTTP.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>
#include <memory>

namespace velko::test {

struct HttpAnswer {
    enum class Behaviour {
        Normal,       // status line, headers, Content-Length, body
        Silent,       // accepts the connection, reads the request, never answers
        Drip,         // sends the head, then the body one byte per dripIntervalMs
        CloseMidBody, // announces the full length, sends half the body, closes
        Raw,          // sends `body` as the whole answer, no status line or headers
    };

    int status = 200;
    QByteArray reason = "OK";
    QList<QPair<QByteArray, QByteArray>> headers; // e.g. {"Location", "/next"}
    QByteArray body;
    Behaviour behaviour = Behaviour::Normal;
    int dripIntervalMs = 1000;
    // Normal answers only: send this many bytes of generated filler ('x')
    // after `body`, streamed, so huge bodies need no memory (0: none).
    qint64 fillerBytes = 0;
};

class TestHttpServer {
public:
    TestHttpServer();
    ~TestHttpServer();

    // Answer requests for `path` (e.g. "/page.html", query included) this way.
    // Unknown paths get 404 with a small HTML page.
    void answer(const QString &path, const HttpAnswer &answer);
    QUrl url(const QString &path) const; // http://127.0.0.1:PORT/path
    int port() const;
    // How many requests for `path` have arrived so far.
    int requestCount(const QString &path) const;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace velko::test
