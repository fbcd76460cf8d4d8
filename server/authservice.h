#pragma once

#include "apirequest.h"

#include <QJsonObject>
#include <QString>

#include <optional>

class ApiServer;
class PasswordHasher;
class ServerDatabase;
class ServerOptions;
class TokenSigner;

// Users, sessions and tokens: the browser sign-in page with sign-up, refresh
// token rotation, sign-out, the user's profile, password and sessions, and
// the check of the bearer token on every protected route.
class AuthService final
{
public:
    AuthService(ServerDatabase &db, const ServerOptions &options, const TokenSigner &signer,
                const PasswordHasher &hasher);

    void registerRoutes(ApiServer &server);
    // Fills userId and sessionId, or returns the 401 answer.
    std::optional<ApiResponse> authenticate(ApiRequest &request);
    // Revokes every session of a user (account deletion).
    void revokeAllSessions(const QString &userId);

private:
    ApiResponse loginPage(ApiRequest &request);
    ApiResponse loginSubmit(ApiRequest &request);
    ApiResponse refresh(ApiRequest &request);
    ApiResponse logout(ApiRequest &request);
    ApiResponse me(ApiRequest &request);
    ApiResponse updateMe(ApiRequest &request);
    ApiResponse changePassword(ApiRequest &request);
    ApiResponse sessions(ApiRequest &request);
    ApiResponse revokeSession(ApiRequest &request);

    // New access and refresh tokens for a session; empty object on failure.
    QJsonObject issueTokens(const QString &userId, const QString &sessionId);
    bool acceptableRedirect(const QString &uri) const;
    // Seconds the next sign-in attempt for this e-mail must still wait.
    qint64 throttleWait(const QString &email);
    void recordFailure(const QString &email);

    ServerDatabase &m_db;
    const ServerOptions &m_options;
    const TokenSigner &m_signer;
    const PasswordHasher &m_hasher;
    QString m_dummyHash;
};
