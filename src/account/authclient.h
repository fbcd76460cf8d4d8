#pragma once

#include "accountrecords.h"
#include "authstate.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>

namespace VelmAccount {

class ApiClient;
class TokenManager;
class WebAuthHandler;

// The sign-in state machine: browser sign-in through a loopback listener,
// restoring the session at start, sign-out, forced refresh, and the user and
// session endpoints of the authentication service.
class AuthClient final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AuthClient)

public:
    AuthClient(const QString &authBaseUrl, const QString &realm, const QString &clientId, ApiClient *authApi,
               TokenManager *tokenManager, QObject *parent = nullptr);

    void initialize();
    void login();
    void logout();
    // Forces a refresh; a refused refresh token signs the user out, a
    // transient failure keeps the sign-in.
    void refreshToken(std::function<void(bool ok)> callback);

    QString userId() const;
    bool isAuthenticated() const { return m_state == Authenticated; }
    AuthState state() const { return m_state; }
    User currentUser() const { return m_user; }
    // How long the sign-in listener waits for the browser.
    void setLoginTimeout(int milliseconds) { m_loginTimeoutMs = milliseconds; }
    // The redirect URI of the sign-in in progress; empty when none.
    QString redirectUri() const { return m_redirectUri; }

    void fetchCurrentUser(std::function<void(bool ok, const User &user)> callback);
    // The returned user, or one with an empty id on failure.
    void updateProfile(const QString &displayName, std::function<void(const User &user)> callback);
    void changePassword(const QString &currentPassword, const QString &newPassword,
                        std::function<void(bool ok)> callback);
    void listSessions(std::function<void(bool ok, const QList<Session> &sessions)> callback);
    void revokeSession(const QString &sessionId, std::function<void(bool ok)> callback);

public slots:
    // Takes the tokens from the redirect of the sign-in in progress.
    void handleCallback(const QUrl &url);

signals:
    void stateChanged(VelmAccount::AuthState state);
    void loginSucceeded();
    void loginFailed(const QString &error);
    void logoutCompleted();

private:
    void setupRefreshCallback();
    void setState(AuthState state);
    void signOutLocally();
    void closeListener();

    QString m_authBaseUrl;
    QString m_realm;
    QString m_clientId;
    ApiClient *m_api;
    TokenManager *m_tokens;
    AuthState m_state = Unknown;
    User m_user;
    QPointer<WebAuthHandler> m_handler;
    QString m_expectedState;
    QString m_redirectUri;
    int m_loginTimeoutMs;
};

} // namespace VelmAccount
