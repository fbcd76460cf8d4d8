#include "tokenmanager.h"

#include "tokenstore.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QMutexLocker>
#include <QPointer>

namespace VelmAccount {

TokenManager::TokenManager(std::unique_ptr<TokenStore> store, QObject *parent)
    : QObject(parent)
    , m_store(std::move(store))
{
}

TokenManager::~TokenManager() = default;

QJsonObject TokenManager::payload(const QString &token)
{
    const QStringList parts = token.split(u'.');
    if (parts.size() < 2)
        return {};
    const auto decoded = QByteArray::fromBase64Encoding(parts.at(1).toLatin1(),
                                                        QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(*decoded);
    return document.isObject() ? document.object() : QJsonObject();
}

bool TokenManager::isUsable(const QString &token, qint64 nowSeconds)
{
    if (token.isEmpty())
        return false;
    const qint64 exp = payload(token).value(QStringLiteral("exp")).toInt(0);
    return exp != 0 && nowSeconds < exp - kExpiryMarginSeconds;
}

VelClaims TokenManager::claims(const QString &token)
{
    const QJsonObject vel =
        payload(token).value(QStringLiteral("custom")).toObject().value(QStringLiteral("vel")).toObject();
    return {vel.value(QStringLiteral("group_id")).toString(), vel.value(QStringLiteral("role")).toString()};
}

QString TokenManager::accessToken() const
{
    return isUsable(m_accessToken, QDateTime::currentSecsSinceEpoch()) ? m_accessToken : QString();
}

bool TokenManager::needsRefresh() const
{
    return accessToken().isEmpty() && !m_refreshToken.isEmpty();
}

bool TokenManager::lastRefreshRejected() const
{
    QMutexLocker lock(&m_mutex);
    return m_lastRefreshRejected;
}

void TokenManager::refresh(RefreshCallback callback)
{
    QMutexLocker lock(&m_mutex);
    if (callback)
        m_waiting.append(std::move(callback));
    if (m_refreshInProgress)
        return;
    if (m_refreshToken.isEmpty() || !m_refreshFunction) {
        lock.unlock();
        finishRefresh(false, true);
        return;
    }
    m_refreshInProgress = true;
    const quint64 generation = m_generation;
    const QString token = m_refreshToken;
    const RefreshFunction function = m_refreshFunction;
    lock.unlock();

    QPointer<TokenManager> self(this);
    function(
        token,
        [self, generation](const QString &access, const QString &refresh) {
            if (!self || self->m_generation != generation)
                return; // signed out or signed in anew meanwhile: the answer is stale
            if (access.isEmpty()) {
                self->finishRefresh(false, false);
                return;
            }
            self->m_accessToken = access;
            // A reply without a new refresh token leaves the old one valid.
            if (!refresh.isEmpty())
                self->m_refreshToken = refresh;
            self->m_store->save(TokenStore::kAccessTokenKey, self->m_accessToken);
            self->m_store->save(TokenStore::kRefreshTokenKey, self->m_refreshToken);
            emit self->tokensChanged();
            self->finishRefresh(true, false);
        },
        [self, generation](bool rejected) {
            if (!self || self->m_generation != generation)
                return;
            self->finishRefresh(false, rejected);
        });
}

void TokenManager::finishRefresh(bool ok, bool rejected)
{
    QMutexLocker lock(&m_mutex);
    m_refreshInProgress = false;
    if (!ok)
        m_lastRefreshRejected = rejected;
    const QList<RefreshCallback> waiting = std::exchange(m_waiting, {});
    lock.unlock();
    for (const RefreshCallback &callback : waiting)
        callback(ok);
}

void TokenManager::setTokens(const QString &accessToken, const QString &refreshToken)
{
    m_accessToken = accessToken;
    m_refreshToken = refreshToken;
    m_store->save(TokenStore::kAccessTokenKey, accessToken);
    m_store->save(TokenStore::kRefreshTokenKey, refreshToken);
    bool wasRefreshing = false;
    {
        QMutexLocker lock(&m_mutex);
        ++m_generation;
        wasRefreshing = m_refreshInProgress;
    }
    emit tokensChanged();
    // Requests waiting for a refresh can go on with the new pair.
    if (wasRefreshing)
        finishRefresh(true, false);
}

void TokenManager::loadTokens()
{
    m_accessToken = m_store->load(TokenStore::kAccessTokenKey).value_or(QString());
    m_refreshToken = m_store->load(TokenStore::kRefreshTokenKey).value_or(QString());
}

void TokenManager::clearTokens()
{
    m_accessToken.clear();
    m_refreshToken.clear();
    m_store->clear();
    bool wasRefreshing = false;
    {
        QMutexLocker lock(&m_mutex);
        ++m_generation;
        wasRefreshing = m_refreshInProgress;
    }
    emit tokensChanged();
    if (wasRefreshing)
        finishRefresh(false, true);
}

void TokenManager::setRefreshFunction(RefreshFunction function)
{
    m_refreshFunction = std::move(function);
}

} // namespace VelmAccount
