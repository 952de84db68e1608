#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QString>
#include <QUrl>

class QNetworkReply;

namespace velko {

struct FetchResult {
    QByteArray body;
    QString error;  // empty when the page arrived
    int status = 0; // the HTTP status of the answer, 0 when none came

    bool succeeded() const { return error.isEmpty(); }
};

// Fetches pages over HTTP and HTTPS and waits for them: windows keep painting
// meanwhile but take no input. A fetch fails on an HTTP error status, a
// connection that fails, the time-out, or a body over 100 MB.
// Redirects are followed, but never to a less safe or non-HTTP address.
class WebFetcher {
public:
    // `timeoutSeconds`: how long a fetch may take in all.
    explicit WebFetcher(int timeoutSeconds)
        : m_timeoutSeconds(timeoutSeconds) {}

    FetchResult fetch(const QUrl &url);
    // Stops a transfer in progress; its fetch then fails.
    void cancel();

private:
    int m_timeoutSeconds;
    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
};

} // namespace velko
