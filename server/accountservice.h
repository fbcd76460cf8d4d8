#pragma once

#include "apirequest.h"

#include <QJsonObject>
#include <QString>
#include <QVariantMap>

#include <optional>

class ApiServer;
class AuthService;
class ServerDatabase;
class SyncService;

// The account service: profile and its deletion, devices, and the family
// group with invitations. Group changes reach the token claims at the next
// refresh.
class AccountService final
{
public:
    AccountService(ServerDatabase &db, AuthService &auth, SyncService &sync);

    void registerRoutes(ApiServer &server, const QString &basePath);
    // Erases the accounts whose deletion was asked for 30 or more days ago,
    // with everything they own; returns how many.
    int purgeDeletedAccounts();

private:
    ApiResponse profile(ApiRequest &request);
    ApiResponse deleteProfile(ApiRequest &request);
    ApiResponse devices(ApiRequest &request);
    ApiResponse registerDevice(ApiRequest &request);
    ApiResponse removeDevice(ApiRequest &request);
    ApiResponse group(ApiRequest &request);
    ApiResponse invite(ApiRequest &request);
    ApiResponse join(ApiRequest &request);
    ApiResponse leave(ApiRequest &request);
    ApiResponse removeMember(ApiRequest &request);
    ApiResponse revokeInvitation(ApiRequest &request);

    std::optional<QVariantMap> user(const QString &id);
    QJsonObject groupJson(const QString &groupId, bool withInvitations);
    // Clears a member's group and ends the shares they take part in; inside a transaction.
    bool detachMember(const QString &userId);

    ServerDatabase &m_db;
    AuthService &m_auth;
    SyncService &m_sync;
};
