#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QString>
#include <QUrl>

namespace velko {

struct FetchResult {
    QByteArray body;
    QByteArray charset;     // the one the Content-Type header names, if any
    QString error;          // why it failed, in a few words; empty when the page arrived
    QString detail;         // the network's own account of the failure
    int status = 0;         // the HTTP status of the answer, 0 when none came
    bool cancelled = false; // failed because cancel() stopped it

    bool succeeded() const { return error.isEmpty(); }
};

// Why a reply failed, in a few words: "Connection refused", "Host not found",
// "404 Not Found" (an error status with its standard name), or else Qt's own
// words.
QString failureReason(const QNetworkReply &reply);
// The same for a failure of this kind; empty for one that Qt words.
QString failureReason(QNetworkReply::NetworkError error);
// "Timed out after 60 s"
QString timeoutReason(int seconds);

// While a fetch waits, windows keep painting. Input waits too, or, for a modal
// dialog whose Cancel stops the fetch, is taken.
enum class InputWhileFetching { Held, Taken };

// Fetches pages over HTTP and HTTPS and waits for them. A fetch fails on an
// HTTP error status, a connection that fails, the time-out, a body over
// 100 MB, or a cancel. Redirects are followed, but never to a less safe or
// non-HTTP address.
class WebFetcher {
public:
    // `timeoutSeconds`: how long a fetch may take in all.
    explicit WebFetcher(int timeoutSeconds)
        : m_timeoutSeconds(timeoutSeconds) {}

    FetchResult fetch(const QUrl &url, InputWhileFetching input = InputWhileFetching::Held);
    // Stops a transfer in progress at once; its fetch then fails.
    void cancel();

private:
    int m_timeoutSeconds;
    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
};

} // namespace velko
