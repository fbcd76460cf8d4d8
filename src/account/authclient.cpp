#include "authclient.h"

#include "apiclient.h"
#include "tokenmanager.h"
#include "webauthhandler.h"

#include <QDesktopServices>
#include <QJsonArray>
#include <QRandomGenerator>
#include <QUrlQuery>

namespace VelmAccount {

AuthClient::AuthClient(const QString &authBaseUrl, const QString &realm, const QString &clientId, ApiClient *authApi,
                       TokenManager *tokenManager, QObject *parent)
    : QObject(parent)
    , m_authBaseUrl(authBaseUrl)
    , m_realm(realm)
    , m_clientId(clientId)
    , m_api(authApi)
    , m_tokens(tokenManager)
    , m_loginTimeoutMs(WebAuthHandler::kDefaultTimeoutMs)
{
    setupRefreshCallback();
}

void AuthClient::setupRefreshCallback()
{
    QPointer<ApiClient> api(m_api);
    m_tokens->setRefreshFunction([api](const QString &refreshToken, TokenManager::SuccessFunction onSuccess,
                                       TokenManager::FailureFunction onFailure) {
        if (!api) {
            onFailure(false);
            return;
        }
        api->postPublic(QStringLiteral("/auth/token/refresh"), {{QStringLiteral("refresh_token"), refreshToken}},
                        [onSuccess, onFailure](bool ok, int status, const QJsonObject &body) {
                            if (ok)
                                onSuccess(body.value(QStringLiteral("access_token")).toString(),
                                          body.value(QStringLiteral("refresh_token")).toString());
                            else
                                onFailure(status == 400 || status == 401);
                        });
    });
}

void AuthClient::setState(AuthState state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void AuthClient::signOutLocally()
{
    m_tokens->clearTokens();
    m_user = User();
    setState(Unauthenticated);
}

void AuthClient::initialize()
{
    m_tokens->loadTokens();
    if (!m_tokens->accessToken().isEmpty()) {
        setState(Authenticated);
        return;
    }
    if (m_tokens->refreshToken().isEmpty()) {
        setState(Unauthenticated);
        return;
    }
    QPointer<AuthClient> self(this);
    m_tokens->refresh([self](bool ok) {
        if (!self)
            return;
        if (ok)
            self->setState(Authenticated);
        else if (self->m_tokens->lastRefreshRejected())
            self->signOutLocally();
        else
            self->setState(Authenticated); // offline: the session stands and is renewed later
    });
}

void AuthClient::refreshToken(std::function<void(bool ok)> callback)
{
    QPointer<AuthClient> self(this);
    m_tokens->refresh([self, callback = std::move(callback)](bool ok) {
        if (self && !ok && self->m_tokens->lastRefreshRejected())
            self->signOutLocally();
        if (callback)
            callback(ok);
    });
}

QString AuthClient::userId() const
{
    return TokenManager::payload(m_tokens->accessToken()).value(QStringLiteral("sub")).toString();
}

void AuthClient::closeListener()
{
    if (m_handler) {
        m_handler->disconnect(this);
        m_handler->stop();
        m_handler->deleteLater();
    }
    m_handler = nullptr;
    m_expectedState.clear();
    m_redirectUri.clear();
}

void AuthClient::login()
{
    // A new sign-in replaces the previous one, freeing its port first.
    closeListener();
    auto *handler = new WebAuthHandler(this);
    const quint64 randomWords[2] = {QRandomGenerator::system()->generate64(), QRandomGenerator::system()->generate64()};
    m_expectedState = QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(randomWords), sizeof randomWords).toHex());
    handler->setExpectedState(m_expectedState);
    handler->setTimeout(m_loginTimeoutMs);
    const QString redirectUri = handler->start();
    if (redirectUri.isEmpty()) {
        handler->deleteLater();
        m_expectedState.clear();
        emit loginFailed(tr("Failed to start local auth server"));
        return;
    }
    m_handler = handler;
    m_redirectUri = redirectUri;
    connect(handler, &WebAuthHandler::callbackReceived, this, &AuthClient::handleCallback);
    connect(handler, &WebAuthHandler::timedOut, this, [this] {
        closeListener();
        emit loginFailed(tr("Sign-in timed out"));
    });

    const auto encode = [](const QString &text) { return QString::fromLatin1(QUrl::toPercentEncoding(text)); };
    const QUrl url(QStringLiteral("%1/%2/account/login?client_id=%3&redirect_uri=%4&state=%5")
                       .arg(m_authBaseUrl, m_realm, encode(m_clientId), encode(redirectUri), m_expectedState),
                   QUrl::StrictMode);
    if (!QDesktopServices::openUrl(url)) {
        closeListener();
        emit loginFailed(tr("The web browser could not be opened"));
    }
}

void AuthClient::handleCallback(const QUrl &url)
{
    const QString expected = m_expectedState;
    closeListener();
    const auto valueOf = [](const QUrlQuery &q, const char *key) {
        return q.queryItemValue(QLatin1String(key), QUrl::FullyDecoded);
    };
    QUrlQuery source(url.fragment(QUrl::FullyEncoded));
    if (valueOf(source, "access_token").isEmpty())
        source = QUrlQuery(url);
    const QString access = valueOf(source, "access_token");
    const QString refresh = valueOf(source, "refresh_token");
    // Only the redirect this sign-in asked for may sign the user in.
    if (expected.isEmpty() || valueOf(source, "state") != expected || access.isEmpty() || refresh.isEmpty()) {
        emit loginFailed(tr("No tokens received"));
        return;
    }
    m_tokens->setTokens(access, refresh);
    setState(Authenticated);
    emit loginSucceeded();
}

void AuthClient::logout()
{
    closeListener();
    // Ends the session on the server too; whatever answers, the sign-out here stands.
    if (!m_tokens->latestAccessToken().isEmpty() || !m_tokens->refreshToken().isEmpty())
        m_api->post(QStringLiteral("/auth/logout"), {}, {});
    signOutLocally();
    emit logoutCompleted();
}

void AuthClient::fetchCurrentUser(std::function<void(bool ok, const User &user)> callback)
{
    QPointer<AuthClient> self(this);
    m_api->get(QStringLiteral("/users/me"), [self, callback](bool ok, int, const QJsonObject &body) {
        if (!self)
            return;
        if (ok)
            self->m_user = User::fromJson(body);
        if (callback)
            callback(ok, self->m_user);
    });
}

void AuthClient::updateProfile(const QString &displayName, std::function<void(const User &user)> callback)
{
    QPointer<AuthClient> self(this);
    m_api->patch(QStringLiteral("/users/me"), {{QStringLiteral("display_name"), displayName}},
                 [self, callback](bool ok, int, const QJsonObject &body) {
                     const User user = ok ? User::fromJson(body) : User();
                     if (self && !user.id.isEmpty())
                         self->m_user = user;
                     if (callback)
                         callback(user);
                 });
}

void AuthClient::changePassword(const QString &currentPassword, const QString &newPassword,
                                std::function<void(bool ok)> callback)
{
    m_api->post(QStringLiteral("/users/me/password"),
                {{QStringLiteral("current_password"), currentPassword}, {QStringLiteral("new_password"), newPassword}},
                [callback](bool ok, int, const QJsonObject &) {
                    if (callback)
                        callback(ok);
                });
}

void AuthClient::listSessions(std::function<void(bool ok, const QList<Session> &sessions)> callback)
{
    m_api->get(QStringLiteral("/users/me/sessions"), [callback](bool ok, int, const QJsonObject &body) {
        QList<Session> sessions;
        if (ok) {
            const QJsonArray array = body.value(QStringLiteral("sessions")).toArray();
            for (const QJsonValue &value : array)
                sessions.append(Session::fromJson(value.toObject()));
        }
        if (callback)
            callback(ok, sessions);
    });
}

void AuthClient::revokeSession(const QString &sessionId, std::function<void(bool ok)> callback)
{
    m_api->deleteResource(QStringLiteral("/users/me/sessions/") + ApiClient::pathSegment(sessionId),
                          [callback](bool ok, int, const QJsonObject &) {
                              if (callback)
                                  callback(ok);
                          });
}

} // namespace VelmAccount
