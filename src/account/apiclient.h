#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QUrlQuery>

#include <functional>

class QNetworkAccessManager;

namespace VelmAccount {

class TokenManager;

// The one way the application talks JSON over HTTP to the online services:
// fixed headers, the bearer token, a refresh before sending when the token
// has expired and one resend after a 401. Knows nothing about endpoints.
class ApiClient final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ApiClient)

public:
    // Called exactly once per request (unless empty).
    using ResponseCallback = std::function<void(bool ok, int status, const QJsonObject &body)>;

    static constexpr int kDefaultTransferTimeoutMs = 60000;
    static constexpr qint64 kDefaultMaxReplyBytes = 32 * 1024 * 1024;

    explicit ApiClient(TokenManager *tokenManager, QObject *parent = nullptr);

    void setBaseUrl(const QUrl &url) { m_baseUrl = url; }
    QUrl baseUrl() const { return m_baseUrl; }
    void setAppInfo(const QString &appId, const QString &appVersion, const QString &platform);
    void setTransferTimeout(int milliseconds) { m_transferTimeoutMs = milliseconds; }
    void setMaxReplyBytes(qint64 bytes) { m_maxReplyBytes = bytes; }

    // `path` is relative to the base URL, starts with "/" and is already
    // percent-encoded; put ids into it through pathSegment.
    void get(const QString &path, ResponseCallback callback, const QUrlQuery &query = QUrlQuery());
    void post(const QString &path, const QJsonObject &body, ResponseCallback callback);
    // Without a bearer token (the token refresh).
    void postPublic(const QString &path, const QJsonObject &body, ResponseCallback callback);
    void patch(const QString &path, const QJsonObject &body, ResponseCallback callback);
    void deleteResource(const QString &path, ResponseCallback callback);

    // An id made safe as one path segment: every character but letters,
    // digits, "-", "_" and "~" percent-encoded, dots included, so an id can
    // never step into another path.
    static QString pathSegment(const QString &id);
    // Requests go only over HTTPS, or plain HTTP to this machine: every one
    // of them carries a token.
    static bool isAllowedUrl(const QUrl &url);

signals:
    void authenticationRequired();
    void networkError(const QString &message);

private:
    void sendRequest(const QByteArray &method, const QString &path, const QJsonObject &body,
                     ResponseCallback callback, const QUrlQuery &query, bool authenticated);
    void executeRequest(const QByteArray &method, const QUrl &url, const QByteArray &body, const QString &token,
                        ResponseCallback callback, bool retryOn401);
    // A refresh needed for a request failed: tell the caller why.
    void failAfterRefresh(const QByteArray &method, const QUrl &url, const ResponseCallback &callback);

    QNetworkAccessManager *m_network;
    TokenManager *m_tokenManager;
    QUrl m_baseUrl;
    QString m_appId;
    QString m_appVersion;
    QString m_platform;
    int m_transferTimeoutMs = kDefaultTransferTimeoutMs;
    qint64 m_maxReplyBytes = kDefaultMaxReplyBytes;
};

} // namespace VelmAccount
