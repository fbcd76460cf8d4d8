#pragma once

#include "velclaims.h"

#include <QJsonObject>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace VelmAccount {

class TokenStore;

// Holds the access and refresh tokens, persists them, tells when the access
// token is no longer usable and runs refreshes so that only one refresh call
// is outstanding however many requests wait for it.
class TokenManager final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TokenManager)

public:
    using RefreshCallback = std::function<void(bool ok)>;
    using SuccessFunction = std::function<void(const QString &accessToken, const QString &refreshToken)>;
    // rejected: the service refused the refresh token (the session is over);
    // false for transient failures such as no network or a server error.
    using FailureFunction = std::function<void(bool rejected)>;
    using RefreshFunction =
        std::function<void(const QString &refreshToken, SuccessFunction onSuccess, FailureFunction onFailure)>;

    // Seconds before "exp" at which the access token counts as expired.
    static constexpr qint64 kExpiryMarginSeconds = 30;

    explicit TokenManager(std::unique_ptr<TokenStore> store, QObject *parent = nullptr);
    ~TokenManager() override;

    // The access token while it is usable, else empty.
    QString accessToken() const;
    // The access token as last set or returned by a refresh, whatever its
    // expiry; sent right after a refresh so a fast local clock cannot leave
    // every request unsigned.
    QString latestAccessToken() const { return m_accessToken; }
    QString refreshToken() const { return m_refreshToken; }
    bool needsRefresh() const;

    // Obtains a new pair; the callback runs once, when the outstanding
    // refresh ends. The callback may be empty.
    void refresh(RefreshCallback callback);
    // Why the refresh that ended last failed: true when the service refused
    // the token or there was none to send, false for transient failures.
    bool lastRefreshRejected() const;

    void setTokens(const QString &accessToken, const QString &refreshToken);
    void loadTokens();
    void clearTokens();
    void setRefreshFunction(RefreshFunction function);

    TokenStore *store() const { return m_store.get(); }

    // The token's payload object; empty when it is not a readable JWT.
    static QJsonObject payload(const QString &token);
    static bool isUsable(const QString &token, qint64 nowSeconds);
    static VelClaims claims(const QString &token);

signals:
    // Both tokens were replaced or cleared (never carries the tokens).
    void tokensChanged();

private:
    // Ends the outstanding refresh and runs every waiting callback with `ok`.
    void finishRefresh(bool ok, bool rejected);

    std::unique_ptr<TokenStore> m_store;
    QString m_accessToken;
    QString m_refreshToken;
    RefreshFunction m_refreshFunction;

    mutable QMutex m_mutex;
    bool m_refreshInProgress = false;
    bool m_lastRefreshRejected = false;
    // Raised whenever the tokens are replaced from outside a refresh, so a
    // refresh answer that arrives afterwards is recognised as stale.
    quint64 m_generation = 0;
    QList<RefreshCallback> m_waiting;
};

} // namespace VelmAccount
