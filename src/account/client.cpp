#include "client.h"

#include "accountclient.h"
#include "apiclient.h"
#include "authclient.h"
#include "tokenmanager.h"
#include "tokenstore.h"

#include <QSysInfo>
#include <QUrl>

namespace VelmAccount {

Client::Client(const ClientConfig &config, std::unique_ptr<TokenStore> store, QObject *parent)
    : QObject(parent)
    , m_config(config)
{
    const QString platform = config.platform.isEmpty() ? derivedPlatform() : config.platform;
    m_tokenManager = new TokenManager(std::move(store), this);
    m_authApi = new ApiClient(m_tokenManager, this);
    m_authApi->setBaseUrl(QUrl(QStringLiteral("%1/api/v1/realms/%2").arg(config.authBaseUrl, config.realm)));
    m_accountApi = new ApiClient(m_tokenManager, this);
    m_accountApi->setBaseUrl(QUrl(config.accountApiUrl));
    m_syncApi = new ApiClient(m_tokenManager, this);
    for (ApiClient *api : {m_authApi, m_accountApi, m_syncApi})
        api->setAppInfo(config.appId, config.appVersion, platform);
    m_authClient = new AuthClient(config.authBaseUrl, config.realm, config.clientId, m_authApi, m_tokenManager, this);
    m_accountClient = new AccountClient(m_accountApi, m_authClient, config.appId, config.appName, config.appVersion,
                                        config.portalUrl, this);

    connect(m_authClient, &AuthClient::stateChanged, this, [this](AuthState state) {
        emit authStateChanged(state);
        if (state == Authenticated)
            emit claimsUpdated(claims());
    });
}

void Client::initialize()
{
    m_authClient->initialize();
}

bool Client::isAuthenticated() const
{
    return m_authClient->isAuthenticated();
}

VelClaims Client::claims() const
{
    const QString token = m_tokenManager->accessToken();
    return token.isEmpty() ? VelClaims() : TokenManager::claims(token);
}

QString Client::derivedPlatform()
{
    const QString kernel = QSysInfo::kernelType().toLower();
    if (kernel == QLatin1String("darwin"))
        return QStringLiteral("macos");
    if (kernel == QLatin1String("winnt"))
        return QStringLiteral("windows");
    return kernel;
}

} // namespace VelmAccount
