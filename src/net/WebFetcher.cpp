#include "net/WebFetcher.h"

#include "page/PageCharset.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace velko {

namespace {

constexpr qint64 kMaxBodyBytes = 100 * 1024 * 1024;
constexpr int kMaxRedirects = 10;

QString translated(const char *text) {
    return QCoreApplication::translate("velko::WebFetcher", text);
}

// The failures whose reason Velko words itself; Qt words the rest.
constexpr std::pair<QNetworkReply::NetworkError, const char *> kReasons[] = {
    {QNetworkReply::ConnectionRefusedError,
     QT_TRANSLATE_NOOP("velko::WebFetcher", "Connection refused")},
    {QNetworkReply::HostNotFoundError, QT_TRANSLATE_NOOP("velko::WebFetcher", "Host not found")},
    {QNetworkReply::RemoteHostClosedError,
     QT_TRANSLATE_NOOP("velko::WebFetcher", "Connection closed by the server")},
    {QNetworkReply::SslHandshakeFailedError,
     QT_TRANSLATE_NOOP("velko::WebFetcher", "Secure connection failed")},
    {QNetworkReply::TooManyRedirectsError,
     QT_TRANSLATE_NOOP("velko::WebFetcher", "Too many redirects")},
    {QNetworkReply::InsecureRedirectError,
     QT_TRANSLATE_NOOP("velko::WebFetcher", "Redirected to a less safe address")},
    {QNetworkReply::ProtocolUnknownError,
     QT_TRANSLATE_NOOP("velko::WebFetcher", "Not an http or https address")},
    {QNetworkReply::ProtocolFailure, QT_TRANSLATE_NOOP("velko::WebFetcher", "Not an HTTP answer")},
};

// The standard names of the error statuses (RFC 9110 and 6585).
constexpr std::pair<int, const char *> kStatusNames[] = {
    {400, "Bad Request"},
    {401, "Unauthorized"},
    {402, "Payment Required"},
    {403, "Forbidden"},
    {404, "Not Found"},
    {405, "Method Not Allowed"},
    {406, "Not Acceptable"},
    {407, "Proxy Authentication Required"},
    {408, "Request Timeout"},
    {409, "Conflict"},
    {410, "Gone"},
    {411, "Length Required"},
    {412, "Precondition Failed"},
    {413, "Content Too Large"},
    {414, "URI Too Long"},
    {415, "Unsupported Media Type"},
    {416, "Range Not Satisfiable"},
    {417, "Expectation Failed"},
    {421, "Misdirected Request"},
    {422, "Unprocessable Content"},
    {426, "Upgrade Required"},
    {428, "Precondition Required"},
    {429, "Too Many Requests"},
    {431, "Request Header Fields Too Large"},
    {451, "Unavailable For Legal Reasons"},
    {500, "Internal Server Error"},
    {501, "Not Implemented"},
    {502, "Bad Gateway"},
    {503, "Service Unavailable"},
    {504, "Gateway Timeout"},
    {505, "HTTP Version Not Supported"},
};

} // namespace

QString failureReason(const QNetworkReply &reply) {
    // An error status is the server's answer, whatever Qt calls it.
    if (const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        status >= 400) {
        for (const auto &[code, name] : kStatusNames)
            if (code == status)
                return QStringLiteral("%1 %2").arg(status).arg(QLatin1StringView(name));
        return QString::number(status);
    }
    const QString reason = failureReason(reply.error());
    return reason.isEmpty() ? reply.errorString() : reason;
}

QString failureReason(QNetworkReply::NetworkError error) {
    for (const auto &[kind, reason] : kReasons)
        if (kind == error)
            return translated(reason);
    return {};
}

QString timeoutReason(int seconds) {
    return QCoreApplication::translate("velko::WebFetcher", "Timed out after %1 s").arg(seconds);
}

FetchResult WebFetcher::fetch(const QUrl &url, InputWhileFetching input) {
    cancel();
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Velko/" VELKO_VERSION));

    QNetworkReply *reply = m_network.get(request);
    m_reply = reply;
    QString failure;
    auto stop = [&failure, reply](const QString &why) {
        failure = why;
        reply->abort();
    };
    QObject::connect(
        reply, &QNetworkReply::downloadProgress, reply, [&stop](qint64 received, qint64 total) {
            if (received > kMaxBodyBytes || total > kMaxBodyBytes)
                stop(translated(QT_TRANSLATE_NOOP("velko::WebFetcher", "Larger than 100 MB")));
        });
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, reply,
                     [&stop, this] { stop(timeoutReason(m_timeoutSeconds)); });
    timer.start(m_timeoutSeconds * 1000);

    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec(input == InputWhileFetching::Taken ? QEventLoop::AllEvents
                                                     : QEventLoop::ExcludeUserInputEvents);

    FetchResult result;
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (!failure.isEmpty())
        result.error = failure;
    else if (reply->error() != QNetworkReply::NoError)
        result.error = failureReason(*reply);
    else
        result.body = reply->readAll();
    result.detail = failure.isEmpty() ? reply->errorString() : failure;
    result.charset = charsetOfContentType(reply->rawHeader("Content-Type")).toByteArray();
    // The time-out and the size limit abort, too, but say why first.
    result.cancelled = failure.isEmpty() && reply->error() == QNetworkReply::OperationCanceledError;
    // Qt may end a reply cut off mid-body without an error.
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    if (result.succeeded() && announced.isValid() && result.body.size() < announced.toLongLong())
        result.detail = result.error = translated(QT_TRANSLATE_NOOP(
            "velko::WebFetcher", "Connection closed before the whole page arrived"));
    reply->deleteLater();
    return result;
}

void WebFetcher::cancel() {
    if (m_reply && m_reply->isRunning())
        m_reply->abort();
}

} // namespace velko
