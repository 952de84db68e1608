#pragma once

// A real HTTP server for tests, on 127.0.0.1 in a thread of its own. Each path
// gets the bytes it was given, whatever they are: a page, a cut-off page,
// silence, or bytes that are not HTTP.

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <memory>

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
    ~TestHttpServer();

    void answer(const QString &path, const HttpAnswer &answer); // others get 404
    QUrl url(const QString &path) const;
    quint16 port() const;
    int requestCount(const QString &path) const;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace velko::test
