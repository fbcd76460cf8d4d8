#pragma once

#include "apirequest.h"

#include <QHash>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <QVariantMap>

class ApiServer;
class ServerDatabase;

// Push and pull of the five synchronised tables, and account sharing.
// Rows are keyed by owner, entity type and client id; every write takes a new
// sequence number, which is the pull cursor.
class SyncService final
{
public:
    struct TestHooks
    {
        int pageCut = 0;          // pages end after this many rows when set
        QSet<QString> rejectIds;  // entity ids the push refuses
        bool staleCursor = false; // pages say has_more but keep the request's cursor
    };

    explicit SyncService(ServerDatabase &db);

    void registerRoutes(ApiServer &server, const QString &basePath);
    TestHooks &testHooks() { return m_hooks; }

    // Ends every share the user takes part in, as owner or as member, and
    // delivers the shared rows to the former members as deleted. Runs inside
    // the caller's transaction.
    bool revokeSharesOf(const QString &userId);

private:
    ApiResponse push(ApiRequest &request);
    ApiResponse pull(ApiRequest &request);
    ApiResponse members(ApiRequest &request);
    ApiResponse share(ApiRequest &request);
    ApiResponse unshare(ApiRequest &request);

    // One change record; false only when the database failed.
    bool applyChange(const QString &userId, const QJsonValue &change, qint64 seq, QJsonObject *result);
    std::optional<QVariantMap> visibleRow(const QString &userId, const QString &type, const QString &clientId);
    bool revokeShare(const QString &ownerId, const QString &accountId, const QString &memberId);
    QJsonObject memberJson(const QString &userId, const QString &role, const QString &createdAt);

    ServerDatabase &m_db;
    TestHooks m_hooks;
    bool m_pusherIsMember = false; // accounts are shared with the user of the current push
    QHash<QString, QVariantMap> m_ownRows; // the pusher's rows of the current push, by "type|client id"
};
