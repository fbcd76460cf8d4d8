#pragma once

#include "authstate.h"
#include "clientconfig.h"
#include "velclaims.h"

#include <QObject>

#include <memory>

namespace VelmAccount {

class AccountClient;
class ApiClient;
class AuthClient;
class TokenManager;
class TokenStore;

// Builds and owns every piece of the account-service library: the token
// manager with its store, the auth, account and sync API clients, the sign-in
// client and the account client.
class Client final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Client)

public:
    Client(const ClientConfig &config, std::unique_ptr<TokenStore> store, QObject *parent = nullptr);

    void initialize();
    bool isAuthenticated() const;
    VelClaims claims() const;

    const ClientConfig &config() const { return m_config; }
    TokenManager *tokenManager() const { return m_tokenManager; }
    ApiClient *authApi() const { return m_authApi; }
    ApiClient *accountApi() const { return m_accountApi; }
    ApiClient *syncApi() const { return m_syncApi; }
    AuthClient *authClient() const { return m_authClient; }
    AccountClient *accountClient() const { return m_accountClient; }

    // "linux", "macos", "windows" or the lower-cased kernel type.
    static QString derivedPlatform();

signals:
    void authStateChanged(VelmAccount::AuthState state);
    void claimsUpdated(const VelmAccount::VelClaims &claims);

private:
    ClientConfig m_config;
    TokenManager *m_tokenManager;
    ApiClient *m_authApi;
    ApiClient *m_accountApi;
    ApiClient *m_syncApi;
    AuthClient *m_authClient;
    AccountClient *m_accountClient;
};

} // namespace VelmAccount
