#include "boundedget.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace VelmUpdate {

namespace {

constexpr char kTooLargeProperty[] = "velmupdateTooLarge";

} // namespace

QNetworkReply *boundedGet(QNetworkAccessManager *manager, const QUrl &url, const QString &tag, qint64 maxBytes,
                          int timeoutMs)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("VelmUpdateQt/0.1 (%1)").arg(tag));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply *reply = manager->get(request);
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply, maxBytes](qint64 received, qint64 total) {
        if ((received > maxBytes || total > maxBytes) && !reply->property(kTooLargeProperty).toBool()) {
            reply->setProperty(kTooLargeProperty, true);
            reply->abort();
        }
    });
    return reply;
}

QString boundedReplyError(const QNetworkReply *reply)
{
    if (reply->property(kTooLargeProperty).toBool())
        return QStringLiteral("reply is larger than allowed");
    if (reply->error() != QNetworkReply::NoError)
        return reply->errorString();
    return {};
}

} // namespace VelmUpdate
