#include "net/PublicFetch.h"

#include "net/WebFetcher.h"

#include <QCoreApplication>
#include <QHostInfo>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <algorithm>

namespace velko {

namespace {

constexpr int kMaxRedirects = 5;

// The ranges that are not the public internet and that Qt names no test for.
const std::pair<QHostAddress, int> kNonPublic[] = {
    {QHostAddress(QStringLiteral("0.0.0.0")), 8},      // "this network"
    {QHostAddress(QStringLiteral("10.0.0.0")), 8},     // private
    {QHostAddress(QStringLiteral("100.64.0.0")), 10},  // carrier-grade NAT
    {QHostAddress(QStringLiteral("172.16.0.0")), 12},  // private
    {QHostAddress(QStringLiteral("192.168.0.0")), 16}, // private
};

bool isHttp(const QUrl &url) {
    return url.scheme() == u"http" || url.scheme() == u"https";
}

} // namespace

bool isPublicAddress(const QHostAddress &address) {
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4); // ::ffff:a.b.c.d too
    const QHostAddress plain = isV4 ? QHostAddress(v4) : address;
    // Not global: loopback, link-local, multicast, broadcast and reserved ranges.
    if (plain.isNull() || !plain.isGlobal() || plain.isUniqueLocalUnicast() || plain.isSiteLocal())
        return false;
    for (const auto &[network, bits] : kNonPublic)
        if (plain.isInSubnet(network, bits))
            return false;
    return true;
}

PublicFetch::PublicFetch(int timeoutSeconds, qint64 limit, AddressRule allowed)
    : m_timeoutSeconds(timeoutSeconds)
    , m_limit(limit)
    , m_allowed(std::move(allowed)) {
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer,
                     [this] { end({}, timeoutReason(m_timeoutSeconds)); });
}

PublicFetch::~PublicFetch() {
    stop();
}

void PublicFetch::start(const QUrl &url, Done done) {
    stop();
    m_done = std::move(done);
    m_redirects = 0;
    m_timer.start(m_timeoutSeconds * 1000);
    lookUp(url);
}

void PublicFetch::stop() {
    m_done = {};
    m_timer.stop();
    m_lookup.reset();
    if (m_reply) {
        m_reply->disconnect();
        m_reply->abort();
        m_reply->deleteLater();
    }
}

void PublicFetch::lookUp(const QUrl &url) {
    if (!isHttp(url)) {
        end({}, failureReason(QNetworkReply::ProtocolUnknownError));
        return;
    }
    m_url = url;
    m_lookup = std::make_unique<QObject>();
    QHostInfo::lookupHost(url.host(), m_lookup.get(), [this](const QHostInfo &info) {
        const QList<QHostAddress> addresses = info.addresses();
        if (info.error() != QHostInfo::NoError || addresses.isEmpty()) {
            end({}, failureReason(QNetworkReply::HostNotFoundError));
            return;
        }
        // A name with one address that is not allowed is refused as a whole.
        if (!std::all_of(addresses.begin(), addresses.end(), m_allowed)) {
            end({}, QCoreApplication::translate("velko::PublicFetch", "%1 is not a public address")
                        .arg(m_url.host()));
            return;
        }
        connectTo(addresses.first());
    });
}

// The address itself, on behalf of the name: the server sees the name in
// the Host header, and an https certificate is checked against it. HTTP/2
// would name the address to the server instead, so it is HTTP/1.1.
void PublicFetch::connectTo(const QHostAddress &address) {
    QUrl direct = m_url;
    direct.setHost(address.toString());
    QNetworkRequest request(direct);
    request.setRawHeader("Host",
                         m_url.authority(QUrl::FullyEncoded | QUrl::RemoveUserInfo).toLatin1());
    request.setPeerVerifyName(m_url.host());
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Velko/" VELKO_VERSION));
    QNetworkReply *reply = m_network.get(request);
    m_reply = reply;
    QObject::connect(
        reply, &QNetworkReply::downloadProgress, reply, [this](qint64 received, qint64 total) {
            if (received > m_limit || total > m_limit)
                end({}, QCoreApplication::translate("velko::PublicFetch", "Larger than %1 MB")
                            .arg(m_limit / (1024 * 1024)));
        });
    QObject::connect(reply, &QNetworkReply::finished, reply, [this, reply] { finished(reply); });
}

void PublicFetch::finished(QNetworkReply *reply) {
    const QUrl target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    if (reply->error() != QNetworkReply::NoError) {
        end({}, failureReason(*reply));
    } else if (!target.isValid()) {
        end(reply->readAll(), {});
    } else if (++m_redirects > kMaxRedirects) {
        end({}, failureReason(QNetworkReply::TooManyRedirectsError));
    } else if (const QUrl next = m_url.resolved(target);
               m_url.scheme() == u"https" && next.scheme() != u"https") {
        end({}, failureReason(QNetworkReply::InsecureRedirectError));
    } else {
        reply->deleteLater();
        m_reply.clear();
        lookUp(next);
    }
}

void PublicFetch::end(const QByteArray &body, const QString &error) {
    const Done done = std::move(m_done);
    stop();
    if (done)
        done(body, error);
}

} // namespace velko
