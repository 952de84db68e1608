#pragma once

// A file that a page names, such as the picture of its social card, fetched
// in the background and only from public addresses: a page imported from
// elsewhere must not make Velko call this computer or its network.

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>

class QNetworkReply;

namespace velko {

// Whether `address` is on the public internet: not this computer's
// (loopback), not link-local, not a private or shared network's (RFC 1918,
// IPv6 unique local and site-local, carrier-grade NAT), not multicast,
// broadcast or unspecified. An IPv4 address written as IPv6 counts as itself.
bool isPublicAddress(const QHostAddress &address);

// Fetches one file over http or https. The host is looked up first and
// refused when any of its addresses is not allowed; the connection then goes
// to the address checked, so that a second lookup cannot lead elsewhere.
// Redirects are followed, at most five, each checked the same way and never
// from https to http. At most `limit` bytes, within `timeoutSeconds` in all.
class PublicFetch {
public:
    using AddressRule = std::function<bool(const QHostAddress &)>;
    // The body, or why there is none ("404 Not Found").
    using Done = std::function<void(const QByteArray &body, const QString &error)>;

    PublicFetch(int timeoutSeconds, qint64 limit, AddressRule allowed = isPublicAddress);
    ~PublicFetch();

    // Stops the fetch before, if any, and starts fetching `url`. `done` is
    // called once, from the event loop, unless the fetch is stopped first.
    void start(const QUrl &url, Done done);
    void stop();

private:
    void lookUp(const QUrl &url);
    void connectTo(const QHostAddress &address);
    void finished(QNetworkReply *reply);
    void end(const QByteArray &body, const QString &error);

    int m_timeoutSeconds;
    qint64 m_limit;
    AddressRule m_allowed;
    QNetworkAccessManager m_network;
    std::unique_ptr<QObject> m_lookup; // receives the host lookup; gone, it is dropped
    QTimer m_timer;
    QPointer<QNetworkReply> m_reply;
    QUrl m_url; // the address as named, redirects followed
    int m_redirects = 0;
    Done m_done;
};

} // namespace velko
