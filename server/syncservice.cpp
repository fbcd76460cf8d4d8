#include "syncservice.h"

#include "apiserver.h"
#include "serverdatabase.h"

#include <QDateTime>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUuid>

#include <algorithm>

namespace {

constexpr int kMaxChanges = 500;
constexpr int kDefaultLimit = 200;
constexpr int kMaxLimit = 1000;
constexpr int kMaxPayloadBytes = 64 * 1024;

struct EntityKind
{
    const char *type;
    const char *arrayKey;
};

// In the order a page delivers them: parents before children.
const EntityKind kKinds[] = {
    {"account", "accounts"},
    {"category", "categories"},
    {"recurring", "recurring_transactions"},
    {"transaction", "transactions"},
    {"reconciliation", "reconciliations"},
};

bool knownType(const QString &type)
{
    return std::any_of(std::begin(kKinds), std::end(kKinds),
                       [&type](const EntityKind &k) { return type == QLatin1String(k.type); });
}

QString nowText()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
}

QString text(const QVariantMap &row, const char *key)
{
    return row.value(QLatin1String(key)).toString();
}

// The wire form of a stored row: the pushed payload keys plus the server's own.
QJsonObject rowJson(const QVariantMap &row, const QString &deletedOverride = QString())
{
    QJsonObject object = QJsonDocument::fromJson(text(row, "payload").toUtf8()).object();
    object.insert(QStringLiteral("id"), text(row, "id"));
    object.insert(QStringLiteral("client_id"), text(row, "client_id"));
    object.insert(QStringLiteral("version"), row.value(QStringLiteral("version")).toInt());
    object.insert(QStringLiteral("created_at"), text(row, "created_at"));
    object.insert(QStringLiteral("updated_at"), text(row, "updated_at"));
    object.insert(QStringLiteral("deleted_at"), deletedOverride.isEmpty() ? text(row, "deleted_at") : deletedOverride);
    return object;
}

QJsonObject recordResult(const QString &status, const QString &type, const QString &entityId,
                         const QString &serverId, const QString &message = QString())
{
    QJsonObject result{{QStringLiteral("status"), status},
                       {QStringLiteral("entity_type"), type},
                       {QStringLiteral("entity_id"), entityId},
                       {QStringLiteral("server_id"), serverId}};
    if (!message.isEmpty())
        result.insert(QStringLiteral("message"), message);
    return result;
}

ApiResponse databaseFailure()
{
    return ApiResponse::error(500, QStringLiteral("server_error"), QStringLiteral("The change could not be stored; nothing was changed."));
}

// The app shows a refused share's "error" text to the person as it is, so
// there it carries the sentence rather than a code.
ApiResponse shareRefusal(int status, const QString &, const QString &message)
{
    return ApiResponse::json({{QStringLiteral("error"), message}, {QStringLiteral("message"), message}}, status);
}

struct PageRow
{
    qint64 seq;
    QVariantMap row;
    QString tombstone; // deleted_at to deliver instead of the stored one
};

} // namespace

SyncService::SyncService(ServerDatabase &db)
    : m_db(db)
{
}

void SyncService::registerRoutes(ApiServer &server, const QString &basePath)
{
    using A = ApiServer::Access;
    server.addRoute("POST", basePath + QStringLiteral("/sync/push"), A::User, [this](ApiRequest &r) { return push(r); });
    server.addRoute("GET", basePath + QStringLiteral("/sync/pull"), A::User, [this](ApiRequest &r) { return pull(r); });
    server.addRoute("GET", basePath + QStringLiteral("/accounts/{}/members"), A::User, [this](ApiRequest &r) { return members(r); });
    server.addRoute("POST", basePath + QStringLiteral("/accounts/{}/share"), A::User, [this](ApiRequest &r) { return share(r); });
    server.addRoute("DELETE", basePath + QStringLiteral("/accounts/{}/share/{}"), A::User, [this](ApiRequest &r) { return unshare(r); });
}

std::optional<QVariantMap> SyncService::visibleRow(const QString &userId, const QString &type, const QString &clientId)
{
    if (auto own = m_db.one(QStringLiteral("SELECT * FROM records WHERE owner_id = ? AND entity_type = ? AND client_id = ?"),
                            {userId, type, clientId}))
        return own;
    if (type == QLatin1String("category"))
        return std::nullopt;
    return m_db.one(QStringLiteral("SELECT r.* FROM records r JOIN shares s ON s.owner_id = r.owner_id "
                                   "AND s.account_client_id = r.account_key AND s.member_id = ? AND s.active = 1 "
                                   "WHERE r.entity_type = ? AND r.client_id = ?"),
                    {userId, type, clientId});
}

ApiResponse SyncService::push(ApiRequest &request)
{
    const QJsonValue changes = request.json.value(QStringLiteral("changes"));
    if (!changes.isArray())
        return ApiResponse::error(400, QStringLiteral("invalid_request"), QStringLiteral("\"changes\" must be an array."));
    const QJsonArray list = changes.toArray();
    if (list.size() > kMaxChanges)
        return ApiResponse::error(413, QStringLiteral("too_many_changes"),
                                  QStringLiteral("At most %1 changes per request.").arg(kMaxChanges));
    QJsonArray results;
    if (list.isEmpty())
        return ApiResponse::json({{QStringLiteral("results"), results}});
    // One transaction per request: a database failure leaves nothing half-stored.
    if (!m_db.begin())
        return databaseFailure();
    const qint64 first = m_db.reserveSequence(int(list.size()));
    bool ok = first > 0;
    m_pusherIsMember = m_db.one(QStringLiteral("SELECT member_id FROM shares WHERE member_id = ? AND active = 1"),
                                {request.userId}).has_value();
    // The pusher's existing rows in a few queries instead of one per change.
    m_ownRows.clear();
    QHash<QString, QStringList> idsByType;
    for (const QJsonValue &c : list)
        idsByType[c[QStringLiteral("entity_type")].toString()].append(c[QStringLiteral("entity_id")].toString());
    for (auto it = idsByType.cbegin(); ok && it != idsByType.cend(); ++it) {
        for (int from = 0; from < it.value().size(); from += 100) {
            const QStringList ids = it.value().mid(from, 100);
            QVariantList args{request.userId, it.key()};
            for (const QString &id : ids)
                args.append(id);
            QStringList marks(ids.size(), QStringLiteral("?"));
            const auto found = m_db.execute(QStringLiteral("SELECT * FROM records WHERE owner_id = ? AND entity_type = ? AND client_id IN (%1)")
                                                .arg(marks.join(u',')), args);
            ok = found.has_value();
            for (const QVariantMap &row : found.value_or(QList<QVariantMap>()))
                m_ownRows.insert(it.key() + u'|' + text(row, "client_id"), row);
        }
    }
    for (int i = 0; ok && i < list.size(); ++i) {
        QJsonObject result;
        ok = applyChange(request.userId, list.at(i), first + i, &result);
        results.append(result);
    }
    if (!ok || !m_db.commit()) {
        m_db.rollback();
        return databaseFailure();
    }
    return ApiResponse::json({{QStringLiteral("results"), results}});
}

bool SyncService::applyChange(const QString &userId, const QJsonValue &change, qint64 seq, QJsonObject *result)
{
    const QJsonObject c = change.toObject();
    const QString type = c.value(QStringLiteral("entity_type")).toString();
    const QString entityId = c.value(QStringLiteral("entity_id")).toString();
    const QString action = c.value(QStringLiteral("action")).toString();
    const QJsonValue versionValue = c.value(QStringLiteral("version"));
    const QJsonValue payloadValue = c.value(QStringLiteral("payload"));
    const auto refuse = [&](const QString &message) {
        *result = recordResult(QStringLiteral("error"), type, entityId, QString(), message);
        return true;
    };
    if (!change.isObject())
        return refuse(QStringLiteral("A change must be a JSON object."));
    if (!knownType(type))
        return refuse(QStringLiteral("Unknown entity_type."));
    if (entityId.isEmpty() || entityId.size() > 64)
        return refuse(QStringLiteral("entity_id must be a string of 1 to 64 characters."));
    if (action != QLatin1String("upsert") && action != QLatin1String("delete"))
        return refuse(QStringLiteral("action must be \"upsert\" or \"delete\"."));
    const double versionNumber = versionValue.toDouble(-1);
    if (!versionValue.isDouble() || versionNumber < 0 || versionNumber > 1e9 || versionNumber != qint64(versionNumber))
        return refuse(QStringLiteral("version must be a whole number."));
    if (!payloadValue.isObject())
        return refuse(QStringLiteral("payload must be a JSON object."));
    QJsonObject payload = payloadValue.toObject();
    const QJsonValue accountValue = payload.value(QStringLiteral("account_id"));
    if (!accountValue.isUndefined() && !accountValue.isString())
        return refuse(QStringLiteral("account_id must be a string."));
    if (QJsonDocument(payload).toJson(QJsonDocument::Compact).size() > kMaxPayloadBytes)
        return refuse(QStringLiteral("The payload is too large."));
    if (m_hooks.rejectIds.contains(entityId))
        return refuse(QStringLiteral("Rejected by the test hooks."));

    const bool isAccount = type == QLatin1String("account");
    const bool isCategory = type == QLatin1String("category");
    const QString accountKey = isAccount ? entityId : isCategory ? QString() : accountValue.toString();
    const QString key = type + u'|' + entityId;
    const auto existing = m_ownRows.contains(key) ? std::optional<QVariantMap>(m_ownRows.value(key))
        : m_pusherIsMember                        ? visibleRow(userId, type, entityId)
                                                  : std::nullopt;
    QString ownerId = existing ? text(*existing, "owner_id") : userId;
    if (!existing && m_pusherIsMember && !isAccount && !isCategory && !accountKey.isEmpty()
        && !m_db.one(QStringLiteral("SELECT id FROM records WHERE owner_id = ? AND entity_type = 'account' AND client_id = ?"),
                     {userId, accountKey})) {
        // A new row in an account shared with this user belongs to the account's owner.
        if (const auto shared = m_db.one(QStringLiteral("SELECT owner_id FROM shares WHERE member_id = ? AND "
                                                        "account_client_id = ? AND active = 1"),
                                         {userId, accountKey}))
            ownerId = text(*shared, "owner_id");
    }
    if (ownerId != userId && !isAccount
        && !m_db.one(QStringLiteral("SELECT owner_id FROM shares WHERE owner_id = ? AND account_client_id = ? "
                                    "AND member_id = ? AND active = 1"),
                     {ownerId, accountKey, userId}))
        return refuse(QStringLiteral("The row cannot be moved to an account that is not shared with you."));

    const int pushedVersion = int(versionNumber);
    const int serverVersion = existing ? existing->value(QStringLiteral("version")).toInt() : 0;
    if (existing && pushedVersion < serverVersion) {
        // Older content never overwrites newer: the device takes the server's row.
        *result = recordResult(QStringLiteral("conflict"), type, entityId, text(*existing, "id"),
                               QStringLiteral("The server holds version %1 of this row; the pushed change was based on version %2.")
                                   .arg(serverVersion).arg(pushedVersion));
        result->insert(QStringLiteral("server_row"), rowJson(*existing));
        return true;
    }

    QString deletedAt = payload.value(QStringLiteral("deleted_at")).toString();
    if (action == QLatin1String("delete") && deletedAt.isEmpty())
        deletedAt = nowText();
    const QString now = nowText();
    QString createdAt = payload.value(QStringLiteral("created_at")).toString();
    if (createdAt.isEmpty())
        createdAt = existing ? text(*existing, "created_at") : now;
    QString updatedAt = payload.value(QStringLiteral("updated_at")).toString();
    if (updatedAt.isEmpty())
        updatedAt = now;
    for (const char *key : {"server_id", "client_id", "version", "created_at", "updated_at", "deleted_at"})
        payload.remove(QLatin1String(key));
    const QString stored = QString::fromUtf8(QJsonDocument(payload).toJson(QJsonDocument::Compact));
    const int newVersion = qMax(pushedVersion, serverVersion) + 1;

    QString serverId;
    bool written = false;
    if (existing) {
        serverId = text(*existing, "id");
        written = m_db.run(QStringLiteral("UPDATE records SET seq = ?, version = ?, payload = ?, deleted_at = ?, "
                                          "account_key = ?, created_at = ?, updated_at = ? WHERE id = ?"),
                           {seq, newVersion, stored, deletedAt, accountKey, createdAt, updatedAt, serverId});
    } else {
        serverId = QUuid::createUuid().toString(QUuid::WithoutBraces);
        written = m_db.run(QStringLiteral("INSERT INTO records (id, seq, owner_id, entity_type, client_id, account_key, "
                                          "version, payload, deleted_at, created_at, updated_at) "
                                          "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                           {serverId, seq, ownerId, type, entityId, accountKey, newVersion, stored, deletedAt,
                            createdAt, updatedAt});
    }
    if (ownerId == userId)
        m_ownRows.insert(key, {{QStringLiteral("id"), serverId}, {QStringLiteral("seq"), seq}, {QStringLiteral("owner_id"), ownerId},
                               {QStringLiteral("entity_type"), type}, {QStringLiteral("client_id"), entityId},
                               {QStringLiteral("account_key"), accountKey}, {QStringLiteral("version"), newVersion},
                               {QStringLiteral("payload"), stored}, {QStringLiteral("deleted_at"), deletedAt},
                               {QStringLiteral("created_at"), createdAt}, {QStringLiteral("updated_at"), updatedAt}});
    *result = recordResult(QStringLiteral("ok"), type, entityId, serverId);
    result->insert(QStringLiteral("version"), newVersion);
    return written;
}

ApiResponse SyncService::pull(ApiRequest &request)
{
    const QString sinceText = request.query.queryItemValue(QStringLiteral("since"));
    const QString limitText = request.query.queryItemValue(QStringLiteral("limit"));
    bool ok = true;
    const qint64 since = sinceText.isEmpty() ? 0 : sinceText.toLongLong(&ok);
    if (!ok || since < 0)
        return ApiResponse::error(400, QStringLiteral("invalid_cursor"), QStringLiteral("\"since\" is not a cursor this server gave out."));
    int limit = limitText.isEmpty() ? kDefaultLimit : limitText.toInt(&ok);
    if (!ok || limit < 1 || limit > kMaxLimit)
        return ApiResponse::error(400, QStringLiteral("invalid_limit"),
                                  QStringLiteral("\"limit\" must be between 1 and %1.").arg(kMaxLimit));
    if (m_hooks.pageCut > 0)
        limit = qMin(limit, m_hooks.pageCut);
    const QString &user = request.userId;

    // One snapshot for the whole page: with several server processes on
    // PostgreSQL, read committed would let the three queries below see
    // different sets of committed rows.
    if (!m_db.begin())
        return databaseFailure();
    if (m_db.isPostgres() && !m_db.run(QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ"))) {
        m_db.rollback();
        return databaseFailure();
    }
    QList<PageRow> rows;
    const auto collect = [&rows](const QList<QVariantMap> &found, const char *seqKey, const char *tombKey) {
        for (const QVariantMap &row : found)
            rows.append({row.value(QLatin1String(seqKey)).toLongLong(), row,
                         tombKey ? text(row, tombKey) : QString()});
    };
    collect(m_db.all(QStringLiteral("SELECT * FROM records WHERE owner_id = ? AND seq > ? ORDER BY seq LIMIT ?"),
                     {user, since, limit + 1}), "seq", nullptr);
    collect(m_db.all(QStringLiteral("SELECT r.* FROM records r JOIN shares s ON s.owner_id = r.owner_id "
                                    "AND s.account_client_id = r.account_key WHERE s.member_id = ? AND s.active = 1 "
                                    "AND r.entity_type <> 'category' AND r.seq > ? ORDER BY r.seq LIMIT ?"),
                     {user, since, limit + 1}), "seq", nullptr);
    collect(m_db.all(QStringLiteral("SELECT r.*, t.seq AS t_seq, t.deleted_at AS t_deleted FROM tombstones t "
                                    "JOIN records r ON r.id = t.record_id WHERE t.user_id = ? AND t.seq > ? "
                                    "ORDER BY t.seq LIMIT ?"),
                     {user, since, limit + 1}), "t_seq", "t_deleted");
    std::sort(rows.begin(), rows.end(), [](const PageRow &a, const PageRow &b) { return a.seq < b.seq; });
    bool hasMore = rows.size() > limit;
    if (hasMore)
        rows = rows.mid(0, limit);

    // Parents that changed after this page's end would arrive after their
    // children: bring them forward (they come again in their own page), and
    // shorten the page so that it still holds at most limit rows.
    QList<PageRow> parents;
    for (;;) {
        parents.clear();
        const qint64 end = rows.isEmpty() ? since : rows.constLast().seq;
        QSet<QString> present;
        for (const PageRow &r : std::as_const(rows))
            present.insert(text(r.row, "owner_id") + u'|' + text(r.row, "entity_type") + u'|' + text(r.row, "client_id"));
        const auto want = [&](const QString &owner, const char *type, const QString &clientId) {
            const QString key = owner + u'|' + QLatin1String(type) + u'|' + clientId;
            if (clientId.isEmpty() || present.contains(key))
                return;
            present.insert(key);
            if (auto found = m_db.one(QStringLiteral("SELECT * FROM records WHERE owner_id = ? AND entity_type = ? "
                                                     "AND client_id = ? AND seq > ?"),
                                      {owner, QLatin1String(type), clientId, end}))
                parents.append({found->value(QStringLiteral("seq")).toLongLong(), *found, QString()});
        };
        for (int i = 0; i < rows.size() + parents.size(); ++i) {
            const PageRow &r = i < rows.size() ? rows.at(i) : parents.at(i - rows.size());
            if (!r.tombstone.isEmpty())
                continue;
            const QString type = text(r.row, "entity_type");
            const QString owner = text(r.row, "owner_id");
            if (type != QLatin1String("account") && type != QLatin1String("category"))
                want(owner, "account", text(r.row, "account_key"));
            if (owner != user)
                continue;
            const QJsonObject payload = QJsonDocument::fromJson(text(r.row, "payload").toUtf8()).object();
            if (type == QLatin1String("category"))
                want(owner, "category", payload.value(QStringLiteral("parent_id")).toString());
            else if (type != QLatin1String("account"))
                want(owner, "category", payload.value(QStringLiteral("category_id")).toString());
        }
        if (rows.size() + parents.size() <= limit || rows.size() <= 1)
            break;
        rows = rows.mid(0, qMax(1, int(limit - parents.size())));
        hasMore = true;
    }
    const qint64 cursor = rows.isEmpty() ? since : rows.constLast().seq;

    // A row met twice in one page (revoked, then shared again) goes out once, as it ends.
    QHash<QString, QList<QJsonObject>> arrays;
    QSet<QString> delivered;
    for (const QList<PageRow> *part : {&rows, &parents}) {
        for (auto it = part->crbegin(); it != part->crend(); ++it) {
            if (!delivered.contains(text(it->row, "id"))) {
                delivered.insert(text(it->row, "id"));
                arrays[text(it->row, "entity_type")].prepend(rowJson(it->row, it->tombstone));
            }
        }
    }
    // Categories by depth, so a parent category is applied before its children.
    QList<QJsonObject> &categories = arrays[QStringLiteral("category")];
    QHash<QString, QString> parentOf;
    for (const QJsonObject &c : std::as_const(categories))
        parentOf.insert(c.value(QStringLiteral("client_id")).toString(), c.value(QStringLiteral("parent_id")).toString());
    const auto depth = [&parentOf](QString id) {
        int d = 0;
        while (parentOf.contains(id) && !parentOf.value(id).isEmpty() && d < 32) {
            id = parentOf.value(id);
            ++d;
        }
        return d;
    };
    std::stable_sort(categories.begin(), categories.end(), [&depth](const QJsonObject &a, const QJsonObject &b) {
        return depth(a.value(QStringLiteral("client_id")).toString()) < depth(b.value(QStringLiteral("client_id")).toString());
    });

    QJsonObject page;
    for (const EntityKind &kind : kKinds) {
        QJsonArray array;
        for (const QJsonObject &o : arrays.value(QLatin1String(kind.type)))
            array.append(o);
        page.insert(QLatin1String(kind.arrayKey), array);
    }
    const auto count = m_db.one(QStringLiteral("SELECT COUNT(*) AS n FROM records WHERE owner_id = ? AND "
                                               "entity_type = 'category' AND deleted_at = ''"),
                                {user});
    m_db.commit();
    page.insert(QStringLiteral("server_time"), m_hooks.staleCursor ? sinceText : QString::number(cursor));
    page.insert(QStringLiteral("has_more"), hasMore || m_hooks.staleCursor);
    page.insert(QStringLiteral("integrity"),
                QJsonObject{{QStringLiteral("category_count"), count ? count->value(QStringLiteral("n")).toInt() : 0}});
    return ApiResponse::json(page);
}

QJsonObject SyncService::memberJson(const QString &userId, const QString &role, const QString &createdAt)
{
    const auto user = m_db.one(QStringLiteral("SELECT email, display_name FROM users WHERE id = ?"), {userId});
    return {{QStringLiteral("user_id"), userId},
            {QStringLiteral("email"), user ? text(*user, "email") : QString()},
            {QStringLiteral("display_name"), user ? text(*user, "display_name") : QString()},
            {QStringLiteral("role"), role},
            {QStringLiteral("created_at"), createdAt}};
}

ApiResponse SyncService::members(ApiRequest &request)
{
    const auto account = visibleRow(request.userId, QStringLiteral("account"), request.args.value(0));
    if (!account || !text(*account, "deleted_at").isEmpty())
        return ApiResponse::error(404, QStringLiteral("not_found"), QStringLiteral("No such account."));
    const QString owner = text(*account, "owner_id");
    QJsonArray list{memberJson(owner, QStringLiteral("owner"), text(*account, "created_at"))};
    const auto shares = m_db.all(QStringLiteral("SELECT member_id, role, created_at FROM shares WHERE owner_id = ? "
                                                "AND account_client_id = ? AND active = 1 ORDER BY created_at, member_id"),
                                 {owner, request.args.value(0)});
    for (const QVariantMap &s : shares)
        list.append(memberJson(text(s, "member_id"), text(s, "role"), text(s, "created_at")));
    return ApiResponse::json({{QStringLiteral("members"), list}});
}

ApiResponse SyncService::share(ApiRequest &request)
{
    const QString accountId = request.args.value(0);
    const auto account = visibleRow(request.userId, QStringLiteral("account"), accountId);
    if (!account || !text(*account, "deleted_at").isEmpty())
        return shareRefusal(404, QStringLiteral("not_found"), QStringLiteral("No such account."));
    if (text(*account, "owner_id") != request.userId)
        return shareRefusal(403, QStringLiteral("not_owner"), QStringLiteral("Only the account's owner can share it."));
    const QJsonValue idValue = request.json.value(QStringLiteral("user_id"));
    const QJsonValue roleValue = request.json.value(QStringLiteral("role"));
    if (!idValue.isString() || idValue.toString().isEmpty() || (!roleValue.isUndefined() && !roleValue.isString()))
        return shareRefusal(400, QStringLiteral("invalid_request"), QStringLiteral("\"user_id\" is required."));
    const QString role = roleValue.toString().isEmpty() ? QStringLiteral("member") : roleValue.toString();
    if (role != QLatin1String("member") && role != QLatin1String("viewer") && role != QLatin1String("editor"))
        return shareRefusal(400, QStringLiteral("invalid_role"), QStringLiteral("The role must be member, viewer or editor."));
    const QString id = idValue.toString();
    const auto target = id.contains(u'@')
        ? m_db.one(QStringLiteral("SELECT id, group_id FROM users WHERE email = ?"), {id.trimmed().toLower()})
        : m_db.one(QStringLiteral("SELECT id, group_id FROM users WHERE id = ?"), {id});
    const auto self = m_db.one(QStringLiteral("SELECT group_id FROM users WHERE id = ?"), {request.userId});
    if (!target || !self || text(*self, "group_id").isEmpty() || text(*target, "group_id") != text(*self, "group_id"))
        return shareRefusal(403, QStringLiteral("not_in_group"),
                                  QStringLiteral("Accounts can only be shared with members of your family group."));
    const QString memberId = text(*target, "id");
    if (memberId == request.userId)
        return shareRefusal(400, QStringLiteral("invalid_request"), QStringLiteral("You already own this account."));

    const auto existing = m_db.one(QStringLiteral("SELECT active, created_at FROM shares WHERE owner_id = ? AND "
                                                  "account_client_id = ? AND member_id = ?"),
                                   {request.userId, accountId, memberId});
    const bool wasActive = existing && existing->value(QStringLiteral("active")).toInt() == 1;
    const QString createdAt = wasActive ? text(*existing, "created_at") : nowText();
    if (!m_db.begin())
        return databaseFailure();
    bool ok = m_db.run(QStringLiteral("INSERT INTO shares (owner_id, account_client_id, member_id, role, active, created_at) "
                                      "VALUES (?, ?, ?, ?, 1, ?) ON CONFLICT (owner_id, account_client_id, member_id) "
                                      "DO UPDATE SET role = excluded.role, active = 1, created_at = excluded.created_at"),
                       {request.userId, accountId, memberId, role, createdAt});
    if (ok && !wasActive) {
        // New numbers for the account's rows, so the new member's next pull
        // delivers them whatever its cursor.
        const auto ids = m_db.all(QStringLiteral("SELECT id FROM records WHERE owner_id = ? AND account_key = ? AND "
                                                 "entity_type <> 'category' ORDER BY seq"),
                                  {request.userId, accountId});
        const qint64 first = ids.isEmpty() ? 1 : m_db.reserveSequence(int(ids.size()));
        ok = first > 0;
        for (int i = 0; ok && i < ids.size(); ++i)
            ok = m_db.run(QStringLiteral("UPDATE records SET seq = ? WHERE id = ?"), {first + i, text(ids.at(i), "id")});
    }
    if (!ok || !m_db.commit()) {
        m_db.rollback();
        return databaseFailure();
    }
    return ApiResponse::json(memberJson(memberId, role, createdAt), wasActive ? 200 : 201);
}

bool SyncService::revokeShare(const QString &ownerId, const QString &accountId, const QString &memberId)
{
    if (!m_db.run(QStringLiteral("UPDATE shares SET active = 0 WHERE owner_id = ? AND account_client_id = ? AND member_id = ?"),
                  {ownerId, accountId, memberId}))
        return false;
    // The former member's devices receive every row of the account as deleted.
    const auto ids = m_db.all(QStringLiteral("SELECT id FROM records WHERE owner_id = ? AND account_key = ? AND "
                                             "entity_type <> 'category' ORDER BY seq"),
                              {ownerId, accountId});
    if (ids.isEmpty())
        return true;
    const qint64 first = m_db.reserveSequence(int(ids.size()));
    if (first <= 0)
        return false;
    const QString now = nowText();
    for (int i = 0; i < ids.size(); ++i) {
        if (!m_db.run(QStringLiteral("INSERT INTO tombstones (seq, user_id, record_id, deleted_at) VALUES (?, ?, ?, ?)"),
                      {first + i, memberId, text(ids.at(i), "id"), now}))
            return false;
    }
    return true;
}

bool SyncService::revokeSharesOf(const QString &userId)
{
    const auto shares = m_db.all(QStringLiteral("SELECT owner_id, account_client_id, member_id FROM shares WHERE active = 1 "
                                                "AND (owner_id = ? OR member_id = ?)"),
                                 {userId, userId});
    for (const QVariantMap &s : shares) {
        if (!revokeShare(text(s, "owner_id"), text(s, "account_client_id"), text(s, "member_id")))
            return false;
    }
    return true;
}

ApiResponse SyncService::unshare(ApiRequest &request)
{
    const QString accountId = request.args.value(0);
    const auto account = visibleRow(request.userId, QStringLiteral("account"), accountId);
    if (!account)
        return ApiResponse::error(404, QStringLiteral("not_found"), QStringLiteral("No such account."));
    if (text(*account, "owner_id") != request.userId)
        return ApiResponse::error(403, QStringLiteral("not_owner"), QStringLiteral("Only the account's owner can change its sharing."));
    if (!m_db.one(QStringLiteral("SELECT member_id FROM shares WHERE owner_id = ? AND account_client_id = ? AND "
                                 "member_id = ? AND active = 1"),
                  {request.userId, accountId, request.args.value(1)}))
        return ApiResponse::error(404, QStringLiteral("not_found"), QStringLiteral("The account is not shared with this user."));
    if (!m_db.begin())
        return databaseFailure();
    if (!revokeShare(request.userId, accountId, request.args.value(1)) || !m_db.commit()) {
        m_db.rollback();
        return databaseFailure();
    }
    return ApiResponse::json({});
}
