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

} // namespace

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
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [&stop](qint64 received, qint64 total) {
                         if (received > kMaxBodyBytes || total > kMaxBodyBytes)
                             stop(QCoreApplication::translate("velko::WebFetcher",
                                                              "The page is larger than 100 MB."));
                     });
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, reply, [&stop, this] {
        stop(QCoreApplication::translate("velko::WebFetcher",
                                         "The page did not arrive within %1 seconds.")
                 .arg(m_timeoutSeconds));
    });
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
        result.error = reply->errorString();
    else
        result.body = reply->readAll();
    result.charset = charsetOfContentType(reply->rawHeader("Content-Type")).toByteArray();
    // The time-out and the size limit abort, too, but say why first.
    result.cancelled = failure.isEmpty() && reply->error() == QNetworkReply::OperationCanceledError;
    // Qt may end a reply cut off mid-body without an error.
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    if (result.succeeded() && announced.isValid() && result.body.size() < announced.toLongLong())
        result.error = QCoreApplication::translate(
            "velko::WebFetcher", "The connection closed before the whole page arrived.");
    reply->deleteLater();
    return result;
}

void WebFetcher::cancel() {
    if (m_reply && m_reply->isRunning())
        m_reply->abort();
}

} // namespace velko
