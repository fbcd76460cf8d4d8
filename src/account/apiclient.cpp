#include "apiclient.h"

#include "tokenmanager.h"

#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>

namespace VelmAccount {

namespace {

constexpr char kRefusedProperty[] = "velmAccountRefused";

bool sameOrigin(const QUrl &a, const QUrl &b)
{
    const auto defaultPort = [](const QUrl &u) { return u.scheme() == QLatin1String("https") ? 443 : 80; };
    return a.scheme() == b.scheme() && a.host().compare(b.host(), Qt::CaseInsensitive) == 0
        && a.port(defaultPort(a)) == b.port(defaultPort(b));
}

void answer(const ApiClient::ResponseCallback &callback, bool ok, int status, const QJsonObject &body = {})
{
    if (callback)
        callback(ok, status, body);
}

} // namespace

ApiClient::ApiClient(TokenManager *tokenManager, QObject *parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_tokenManager(tokenManager)
{
}

void ApiClient::setAppInfo(const QString &appId, const QString &appVersion, const QString &platform)
{
    m_appId = appId;
    m_appVersion = appVersion;
    m_platform = platform;
}

void ApiClient::get(const QString &path, ResponseCallback callback, const QUrlQuery &query)
{
    sendRequest("GET", path, {}, std::move(callback), query, true);
}

void ApiClient::post(const QString &path, const QJsonObject &body, ResponseCallback callback)
{
    sendRequest("POST", path, body, std::move(callback), {}, true);
}

void ApiClient::postPublic(const QString &path, const QJsonObject &body, ResponseCallback callback)
{
    sendRequest("POST", path, body, std::move(callback), {}, false);
}

void ApiClient::patch(const QString &path, const QJsonObject &body, ResponseCallback callback)
{
    sendRequest("PATCH", path, body, std::move(callback), {}, true);
}

void ApiClient::deleteResource(const QString &path, ResponseCallback callback)
{
    sendRequest("DELETE", path, {}, std::move(callback), {}, true);
}

QString ApiClient::pathSegment(const QString &id)
{
    QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(id));
    encoded.replace(u'.', QLatin1String("%2E"));
    return encoded;
}

bool ApiClient::isAllowedUrl(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    if (url.scheme() == QLatin1String("https"))
        return true;
    if (url.scheme() != QLatin1String("http"))
        return false;
    const QString host = url.host();
    return host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 || QHostAddress(host).isLoopback();
}

void ApiClient::sendRequest(const QByteArray &method, const QString &path, const QJsonObject &body,
                            ResponseCallback callback, const QUrlQuery &query, bool authenticated)
{
    QUrl url = m_baseUrl;
    // Tolerant mode keeps the percent-encoding of ids in the path.
    url.setPath(m_baseUrl.path(QUrl::FullyEncoded) + path, QUrl::TolerantMode);
    if (!query.isEmpty())
        url.setQuery(query);
    const QByteArray bytes = body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact);

    if (!authenticated) {
        executeRequest(method, url, bytes, QString(), std::move(callback), false);
        return;
    }
    if (!m_tokenManager->needsRefresh()) {
        executeRequest(method, url, bytes, m_tokenManager->accessToken(), std::move(callback), true);
        return;
    }
    qDebug().noquote() << "ApiClient: token needs refresh before" << QString::fromLatin1(method) << url.path();
    QPointer<ApiClient> self(this);
    m_tokenManager->refresh([self, method, url, bytes, callback = std::move(callback)](bool ok) {
        if (!self)
            return;
        if (!ok) {
            qWarning().noquote() << "ApiClient: token refresh failed for" << QString::fromLatin1(method) << url.path();
            self->failAfterRefresh(method, url, callback);
            return;
        }
        self->executeRequest(method, url, bytes, self->m_tokenManager->latestAccessToken(), callback, true);
    });
}

void ApiClient::failAfterRefresh(const QByteArray &method, const QUrl &url, const ResponseCallback &callback)
{
    if (m_tokenManager->lastRefreshRejected()) {
        emit authenticationRequired();
        answer(callback, false, 401);
        return;
    }
    // No network or a server fault: the sign-in stands, the request did not go out.
    qWarning().noquote() << "ApiClient: request not sent, the sign-in could not be renewed:"
                         << QString::fromLatin1(method) << url.path();
    emit networkError(tr("The sign-in could not be renewed; check the connection and try again."));
    answer(callback, false, 0);
}

void ApiClient::executeRequest(const QByteArray &method, const QUrl &url, const QByteArray &body,
                               const QString &token, ResponseCallback callback, bool retryOn401)
{
    if (!isAllowedUrl(url)) {
        qWarning().noquote() << "ApiClient: refused to send" << QString::fromLatin1(method)
                             << "over an unencrypted or invalid address:" << url.toString(QUrl::RemoveUserInfo | QUrl::RemoveQuery);
        emit networkError(tr("Refused to contact %1: the address is not a secure (https) one.")
                              .arg(url.toString(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveUserInfo)));
        answer(callback, false, 0);
        return;
    }

    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    request.setRawHeader("Accept", "application/json");
    if (!m_appId.isEmpty())
        request.setRawHeader("X-App-Id", m_appId.toUtf8());
    if (!m_appVersion.isEmpty())
        request.setRawHeader("X-App-Version", m_appVersion.toUtf8());
    if (!m_platform.isEmpty())
        request.setRawHeader("X-Platform", m_platform.toUtf8());
    if (!token.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + token.toUtf8());
    request.setTransferTimeout(m_transferTimeoutMs);
    // Redirects are followed only within the same origin, so the bearer
    // token never reaches another host.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);

    QNetworkReply *reply = nullptr;
    if (method == "GET")
        reply = m_network->get(request);
    else if (method == "POST")
        reply = m_network->post(request, body);
    else if (method == "PUT")
        reply = m_network->put(request, body);
    else if (method == "PATCH")
        reply = m_network->sendCustomRequest(request, "PATCH", body);
    else if (method == "DELETE")
        reply = m_network->deleteResource(request);
    if (!reply) {
        answer(callback, false, 0);
        return;
    }

    connect(reply, &QNetworkReply::redirected, reply, [reply, url](const QUrl &target) {
        if (sameOrigin(url, target)) {
            emit reply->redirectAllowed();
            return;
        }
        qWarning().noquote() << "ApiClient: refused a redirect to another host:" << target.host();
        reply->setProperty(kRefusedProperty, true);
        reply->abort();
    });
    const qint64 maxBytes = m_maxReplyBytes;
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply, maxBytes](qint64 received, qint64 total) {
        if ((received > maxBytes || total > maxBytes) && !reply->property(kRefusedProperty).toBool()) {
            qWarning().noquote() << "ApiClient: reply larger than" << maxBytes << "bytes, aborted";
            reply->setProperty(kRefusedProperty, true);
            reply->abort();
        }
    });

    QPointer<ApiClient> self(this);
    connect(reply, &QNetworkReply::finished, this,
            [self, reply, method, url, body, callback = std::move(callback), retryOn401] {
                reply->deleteLater();
                if (!self)
                    return;
                const bool refused = reply->property(kRefusedProperty).toBool();
                const int status = refused ? 0 : reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
                // Codes below 200 are transport failures (cut, timeout, refused),
                // even when a status line had already arrived.
                const bool transportError = reply->error() != QNetworkReply::NoError
                    && (status == 0 || reply->error() < QNetworkReply::ContentAccessDenied);
                QJsonObject object;
                bool unreadable = false;
                if (!refused && reply->isOpen()) {
                    const QByteArray bytes = reply->readAll();
                    if (!bytes.isEmpty()) {
                        QJsonParseError parseError;
                        const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
                        unreadable = parseError.error != QJsonParseError::NoError;
                        if (document.isObject())
                            object = document.object();
                    }
                }

                if (status == 401 && retryOn401) {
                    self->m_tokenManager->refresh([self, method, url, body, callback](bool ok) {
                        if (!self)
                            return;
                        if (!ok) {
                            self->failAfterRefresh(method, url, callback);
                            return;
                        }
                        self->executeRequest(method, url, body, self->m_tokenManager->latestAccessToken(), callback,
                                             false);
                    });
                    return;
                }
                if (refused || transportError) {
                    emit self->networkError(refused ? tr("The server's answer was refused (too large, or a redirect "
                                                         "to another host).")
                                                    : reply->errorString());
                    answer(callback, false, 0);
                    return;
                }
                if (unreadable && status >= 200 && status <= 299) {
                    qWarning().noquote() << "ApiClient: unreadable JSON in the answer to" << QString::fromLatin1(method) << url.path();
                    emit self->networkError(tr("The server's answer could not be read."));
                    answer(callback, false, 0);
                    return;
                }
                answer(callback, status >= 200 && status <= 299, status, object);
            });
}

} // namespace VelmAccount
