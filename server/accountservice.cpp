#include "accountservice.h"

#include "apiserver.h"
#include "authservice.h"
#include "serverdatabase.h"
#include "syncservice.h"

#include <QDateTime>
#include <QJsonArray>
#include <QRandomGenerator>
#include <QUuid>

namespace {

constexpr int kMaxSeats = 6;
constexpr int kInvitationDays = 7;
constexpr int kDeletionGraceDays = 30;

QString nowText()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
}

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString text(const QVariantMap &row, const char *key)
{
    return row.value(QLatin1String(key)).toString();
}

QString inviteCode()
{
    // No 0/O or 1/I: codes are read aloud and typed by hand.
    static const char alphabet[] = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
    QString code;
    for (int i = 0; i < 8; ++i)
        code.append(QLatin1Char(alphabet[QRandomGenerator::system()->bounded(int(sizeof alphabet - 1))]));
    return code;
}

QJsonObject invitationJson(const QVariantMap &row)
{
    return {{QStringLiteral("id"), text(row, "id")},
            {QStringLiteral("invited_email"), text(row, "invited_email")},
            {QStringLiteral("invite_code"), text(row, "invite_code")},
            {QStringLiteral("status"), text(row, "status")},
            {QStringLiteral("expires_at"), text(row, "expires_at")}};
}

ApiResponse notFound(const QString &message)
{
    return ApiResponse::error(404, QStringLiteral("not_found"), message);
}

ApiResponse databaseFailure()
{
    return ApiResponse::error(500, QStringLiteral("server_error"), QStringLiteral("The change could not be stored; nothing was changed."));
}

ApiResponse notOwner()
{
    return ApiResponse::error(403, QStringLiteral("not_owner"), QStringLiteral("Only the group's owner can do this."));
}

} // namespace

AccountService::AccountService(ServerDatabase &db, AuthService &auth, SyncService &sync)
    : m_db(db)
    , m_auth(auth)
    , m_sync(sync)
{
}

void AccountService::registerRoutes(ApiServer &server, const QString &basePath)
{
    using A = ApiServer::Access;
    const auto add = [&](const char *method, const char *path, ApiResponse (AccountService::*handler)(ApiRequest &)) {
        server.addRoute(method, basePath + QLatin1String(path), A::User,
                        [this, handler](ApiRequest &r) { return (this->*handler)(r); });
    };
    add("GET", "/profile", &AccountService::profile);
    add("DELETE", "/profile", &AccountService::deleteProfile);
    add("GET", "/devices", &AccountService::devices);
    add("POST", "/devices/register", &AccountService::registerDevice);
    add("DELETE", "/devices/{}", &AccountService::removeDevice);
    add("GET", "/group", &AccountService::group);
    add("POST", "/group/invite", &AccountService::invite);
    add("POST", "/group/join/{}", &AccountService::join);
    add("POST", "/group/leave", &AccountService::leave);
    add("DELETE", "/group/members/{}", &AccountService::removeMember);
    add("DELETE", "/group/invitations/{}", &AccountService::revokeInvitation);
}

std::optional<QVariantMap> AccountService::user(const QString &id)
{
    return m_db.one(QStringLiteral("SELECT * FROM users WHERE id = ?"), {id});
}

ApiResponse AccountService::profile(ApiRequest &request)
{
    const auto u = user(request.userId);
    if (!u)
        return notFound(QStringLiteral("No such user."));
    QJsonObject body{{QStringLiteral("id"), text(*u, "id")},
                     {QStringLiteral("email"), text(*u, "email")},
                     {QStringLiteral("display_name"), text(*u, "display_name")},
                     {QStringLiteral("avatar_url"), QString()},
                     {QStringLiteral("language"), QString()},
                     {QStringLiteral("timezone"), QString()},
                     {QStringLiteral("status"), text(*u, "delete_requested_at").isEmpty() ? QStringLiteral("active")
                                                                                           : QStringLiteral("pending_deletion")},
                     {QStringLiteral("created_at"), text(*u, "created_at")}};
    const QString groupId = text(*u, "group_id");
    if (const auto g = m_db.one(QStringLiteral("SELECT id, name FROM family_groups WHERE id = ?"), {groupId})) {
        const auto count = m_db.one(QStringLiteral("SELECT COUNT(*) AS n FROM users WHERE group_id = ?"), {groupId});
        body.insert(QStringLiteral("group"), QJsonObject{{QStringLiteral("id"), groupId},
                                                         {QStringLiteral("name"), text(*g, "name")},
                                                         {QStringLiteral("role"), text(*u, "group_role")},
                                                         {QStringLiteral("member_count"), count ? count->value(QStringLiteral("n")).toInt() : 0}});
    }
    return ApiResponse::json(body);
}

ApiResponse AccountService::deleteProfile(ApiRequest &request)
{
    const auto u = user(request.userId);
    if (!u)
        return notFound(QStringLiteral("No such user."));
    const QString groupId = text(*u, "group_id");
    const bool owner = text(*u, "group_role") == QLatin1String("owner");
    const auto count = m_db.one(QStringLiteral("SELECT COUNT(*) AS n FROM users WHERE group_id = ?"), {groupId});
    if (owner && count && count->value(QStringLiteral("n")).toInt() > 1)
        return ApiResponse::error(409, QStringLiteral("group_owner"),
                                  QStringLiteral("Remove the group's members before deleting the account."));
    if (!m_db.begin())
        return databaseFailure();
    bool ok = m_db.run(QStringLiteral("UPDATE users SET delete_requested_at = ? WHERE id = ?"), {nowText(), request.userId});
    if (ok && !groupId.isEmpty()) {
        ok = detachMember(request.userId);
        if (ok && owner)
            ok = m_db.run(QStringLiteral("DELETE FROM invitations WHERE group_id = ?"), {groupId})
                && m_db.run(QStringLiteral("DELETE FROM family_groups WHERE id = ?"), {groupId});
    }
    if (!ok || !m_db.commit()) {
        m_db.rollback();
        return databaseFailure();
    }
    m_auth.revokeAllSessions(request.userId);
    return ApiResponse::json({{QStringLiteral("status"), QStringLiteral("pending_deletion")},
                              {QStringLiteral("delete_after"),
                               QDateTime::currentDateTimeUtc().addDays(kDeletionGraceDays).toString(Qt::ISODate)}});
}

ApiResponse AccountService::devices(ApiRequest &request)
{
    QJsonArray list;
    const auto rows = m_db.all(QStringLiteral("SELECT * FROM devices WHERE user_id = ? ORDER BY created_at, id"), {request.userId});
    for (const QVariantMap &row : rows) {
        QJsonObject device;
        for (const char *key : {"id", "device_name", "platform", "app_id", "app_version", "last_sync_at",
                                "device_fingerprint", "created_at"})
            device.insert(QLatin1String(key), text(row, key));
        list.append(device);
    }
    return ApiResponse::json({{QStringLiteral("devices"), list}});
}

ApiResponse AccountService::registerDevice(ApiRequest &request)
{
    QStringList values;
    for (const char *key : {"device_fingerprint", "device_name", "platform", "app_id", "app_version"}) {
        const QJsonValue value = request.json.value(QLatin1String(key));
        if (!value.isUndefined() && !value.isString())
            return ApiResponse::error(400, QStringLiteral("invalid_request"), QStringLiteral("\"%1\" must be a string.").arg(QLatin1String(key)));
        if (value.toString().size() > 200)
            return ApiResponse::error(400, QStringLiteral("invalid_request"), QStringLiteral("\"%1\" is too long.").arg(QLatin1String(key)));
        values.append(value.toString());
    }
    if (values.at(0).isEmpty())
        return ApiResponse::error(400, QStringLiteral("invalid_request"), QStringLiteral("\"device_fingerprint\" is required."));
    const QString now = nowText();
    if (!m_db.run(QStringLiteral("INSERT INTO devices (id, user_id, device_fingerprint, device_name, platform, app_id, "
                                 "app_version, last_sync_at, created_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) "
                                 "ON CONFLICT (user_id, device_fingerprint) DO UPDATE SET device_name = excluded.device_name, "
                                 "platform = excluded.platform, app_id = excluded.app_id, app_version = excluded.app_version, "
                                 "last_sync_at = excluded.last_sync_at"),
                  {newId(), request.userId, values.at(0), values.at(1), values.at(2), values.at(3), values.at(4), now, now}))
        return databaseFailure();
    const auto row = m_db.one(QStringLiteral("SELECT * FROM devices WHERE user_id = ? AND device_fingerprint = ?"),
                              {request.userId, values.at(0)});
    QJsonObject device;
    if (row) {
        for (const char *key : {"id", "device_name", "platform", "app_id", "app_version", "last_sync_at",
                                "device_fingerprint", "created_at"})
            device.insert(QLatin1String(key), text(*row, key));
    }
    return ApiResponse::json(device);
}

ApiResponse AccountService::removeDevice(ApiRequest &request)
{
    if (!m_db.run(QStringLiteral("DELETE FROM devices WHERE id = ? AND user_id = ?"), {request.args.value(0), request.userId}))
        return databaseFailure();
    if (m_db.changedRows() == 0)
        return notFound(QStringLiteral("No such device."));
    return ApiResponse::json({});
}

QJsonObject AccountService::groupJson(const QString &groupId, bool withInvitations)
{
    const auto g = m_db.one(QStringLiteral("SELECT * FROM family_groups WHERE id = ?"), {groupId});
    if (!g)
        return {{QStringLiteral("id"), QString()}, {QStringLiteral("name"), QString()}, {QStringLiteral("max_seats"), 0},
                {QStringLiteral("members"), QJsonArray()}, {QStringLiteral("pending_invitations"), QJsonArray()}};
    QJsonArray members;
    const auto rows = m_db.all(QStringLiteral("SELECT id, email, display_name, group_role, joined_at FROM users "
                                              "WHERE group_id = ? ORDER BY joined_at, id"),
                               {groupId});
    for (const QVariantMap &m : rows)
        members.append(QJsonObject{{QStringLiteral("account_id"), text(m, "id")},
                                   {QStringLiteral("auth_user_id"), text(m, "id")},
                                   {QStringLiteral("display_name"), text(m, "display_name")},
                                   {QStringLiteral("email"), text(m, "email")},
                                   {QStringLiteral("role"), text(m, "group_role")},
                                   {QStringLiteral("joined_at"), text(m, "joined_at")}});
    QJsonArray invitations;
    if (withInvitations) {
        const auto list = m_db.all(QStringLiteral("SELECT * FROM invitations WHERE group_id = ? AND status = 'pending' "
                                                  "AND expires_at > ? ORDER BY created_at, id"),
                                   {groupId, nowText()});
        for (const QVariantMap &i : list)
            invitations.append(invitationJson(i));
    }
    return {{QStringLiteral("id"), groupId},
            {QStringLiteral("name"), text(*g, "name")},
            {QStringLiteral("max_seats"), g->value(QStringLiteral("max_seats")).toInt()},
            {QStringLiteral("members"), members},
            {QStringLiteral("pending_invitations"), invitations}};
}

ApiResponse AccountService::group(ApiRequest &request)
{
    const auto u = user(request.userId);
    if (!u)
        return notFound(QStringLiteral("No such user."));
    return ApiResponse::json(groupJson(text(*u, "group_id"), text(*u, "group_role") == QLatin1String("owner")));
}

ApiResponse AccountService::invite(ApiRequest &request)
{
    const auto u = user(request.userId);
    if (!u)
        return notFound(QStringLiteral("No such user."));
    const QJsonValue emailValue = request.json.value(QStringLiteral("email"));
    if (!emailValue.isUndefined() && !emailValue.isString())
        return ApiResponse::error(400, QStringLiteral("invalid_request"), QStringLiteral("\"email\" must be a string."));
    const QString email = emailValue.toString().trimmed().toLower();
    if (!emailValue.isUndefined() && (!email.contains(u'@') || email.size() > 254))
        return ApiResponse::error(400, QStringLiteral("invalid_email"), QStringLiteral("Enter a valid e-mail address."));
    QString groupId = text(*u, "group_id");
    if (!groupId.isEmpty() && text(*u, "group_role") != QLatin1String("owner"))
        return notOwner();
    if (!groupId.isEmpty()) {
        const auto count = m_db.one(QStringLiteral("SELECT COUNT(*) AS n FROM users WHERE group_id = ?"), {groupId});
        if (count && count->value(QStringLiteral("n")).toInt() >= kMaxSeats)
            return ApiResponse::error(409, QStringLiteral("group_full"), QStringLiteral("Every seat of the group is taken."));
        if (!email.isEmpty() && m_db.one(QStringLiteral("SELECT id FROM users WHERE group_id = ? AND email = ?"), {groupId, email}))
            return ApiResponse::error(409, QStringLiteral("already_member"), QStringLiteral("This person is already in the group."));
    }
    if (!m_db.begin())
        return databaseFailure();
    bool ok = true;
    if (groupId.isEmpty()) {
        // The first invitation founds the group, with the inviter as its owner.
        groupId = newId();
        const QString name = text(*u, "display_name").isEmpty() ? text(*u, "email") : text(*u, "display_name");
        ok = m_db.run(QStringLiteral("INSERT INTO family_groups (id, name, owner_id, max_seats, created_at) VALUES (?, ?, ?, ?, ?)"),
                      {groupId, QStringLiteral("%1's family").arg(name), request.userId, kMaxSeats, nowText()})
            && m_db.run(QStringLiteral("UPDATE users SET group_id = ?, group_role = 'owner', joined_at = ? WHERE id = ?"),
                        {groupId, nowText(), request.userId});
    }
    const QString id = newId();
    QString code = inviteCode();
    for (int attempt = 0; ok && attempt < 5 && m_db.one(QStringLiteral("SELECT id FROM invitations WHERE invite_code = ?"), {code}); ++attempt)
        code = inviteCode();
    ok = ok && m_db.run(QStringLiteral("INSERT INTO invitations (id, group_id, invited_email, invite_code, status, expires_at, created_at) "
                                       "VALUES (?, ?, ?, ?, 'pending', ?, ?)"),
                        {id, groupId, email, code,
                         QDateTime::currentDateTimeUtc().addDays(kInvitationDays).toString(Qt::ISODate), nowText()});
    if (!ok || !m_db.commit()) {
        m_db.rollback();
        return databaseFailure();
    }
    const auto row = m_db.one(QStringLiteral("SELECT * FROM invitations WHERE id = ?"), {id});
    return ApiResponse::json(row ? invitationJson(*row) : QJsonObject(), 201);
}

ApiResponse AccountService::join(ApiRequest &request)
{
    const auto u = user(request.userId);
    if (!u)
        return notFound(QStringLiteral("No such user."));
    const auto invitation = m_db.one(QStringLiteral("SELECT * FROM invitations WHERE invite_code = ? AND status = 'pending' "
                                                    "AND expires_at > ?"),
                                     {request.args.value(0).trimmed().toUpper(), nowText()});
    if (!invitation)
        return notFound(QStringLiteral("Invalid or expired invite code."));
    if (!text(*u, "group_id").isEmpty())
        return ApiResponse::error(409, QStringLiteral("already_in_group"), QStringLiteral("Leave your current group first."));
    const QString invited = text(*invitation, "invited_email");
    if (!invited.isEmpty() && invited != text(*u, "email"))
        return ApiResponse::error(403, QStringLiteral("wrong_invitee"), QStringLiteral("This invitation is for another e-mail address."));
    const QString groupId = text(*invitation, "group_id");
    const auto count = m_db.one(QStringLiteral("SELECT COUNT(*) AS n FROM users WHERE group_id = ?"), {groupId});
    if (count && count->value(QStringLiteral("n")).toInt() >= kMaxSeats)
        return ApiResponse::error(409, QStringLiteral("group_full"), QStringLiteral("Every seat of the group is taken."));
    if (!m_db.begin())
        return databaseFailure();
    const bool ok = m_db.run(QStringLiteral("UPDATE users SET group_id = ?, group_role = 'member', joined_at = ? WHERE id = ?"),
                             {groupId, nowText(), request.userId})
        && m_db.run(QStringLiteral("UPDATE invitations SET status = 'accepted' WHERE id = ?"), {text(*invitation, "id")});
    if (!ok || !m_db.commit()) {
        m_db.rollback();
        return databaseFailure();
    }
    return ApiResponse::json(groupJson(groupId, false));
}

bool AccountService::detachMember(const QString &userId)
{
    return m_db.run(QStringLiteral("UPDATE users SET group_id = '', group_role = '', joined_at = '' WHERE id = ?"), {userId})
        && m_sync.revokeSharesOf(userId);
}

ApiResponse AccountService::leave(ApiRequest &request)
{
    const auto u = user(request.userId);
    if (!u || text(*u, "group_id").isEmpty())
        return ApiResponse::error(409, QStringLiteral("not_in_group"), QStringLiteral("You are not in a group."));
    const QString groupId = text(*u, "group_id");
    const bool owner = text(*u, "group_role") == QLatin1String("owner");
    const auto count = m_db.one(QStringLiteral("SELECT COUNT(*) AS n FROM users WHERE group_id = ?"), {groupId});
    if (owner && count && count->value(QStringLiteral("n")).toInt() > 1)
        return ApiResponse::error(409, QStringLiteral("owner_cannot_leave"),
                                  QStringLiteral("The owner can leave only after every member has left or been removed."));
    if (!m_db.begin())
        return databaseFailure();
    bool ok = detachMember(request.userId);
    if (ok && owner)
        ok = m_db.run(QStringLiteral("DELETE FROM invitations WHERE group_id = ?"), {groupId})
            && m_db.run(QStringLiteral("DELETE FROM family_groups WHERE id = ?"), {groupId});
    if (!ok || !m_db.commit()) {
        m_db.rollback();
        return databaseFailure();
    }
    return ApiResponse::json({});
}

ApiResponse AccountService::removeMember(ApiRequest &request)
{
    const auto u = user(request.userId);
    if (!u || text(*u, "group_role") != QLatin1String("owner"))
        return notOwner();
    const QString memberId = request.args.value(0);
    if (memberId == request.userId)
        return ApiResponse::error(400, QStringLiteral("invalid_request"), QStringLiteral("The owner cannot remove themself."));
    if (!m_db.one(QStringLiteral("SELECT id FROM users WHERE id = ? AND group_id = ?"), {memberId, text(*u, "group_id")}))
        return notFound(QStringLiteral("No such member in your group."));
    if (!m_db.begin())
        return databaseFailure();
    if (!detachMember(memberId) || !m_db.commit()) {
        m_db.rollback();
        return databaseFailure();
    }
    return ApiResponse::json({});
}

ApiResponse AccountService::revokeInvitation(ApiRequest &request)
{
    const auto u = user(request.userId);
    if (!u || text(*u, "group_role") != QLatin1String("owner"))
        return notOwner();
    if (!m_db.run(QStringLiteral("UPDATE invitations SET status = 'revoked' WHERE id = ? AND group_id = ? AND status = 'pending'"),
                  {request.args.value(0), text(*u, "group_id")}))
        return databaseFailure();
    if (m_db.changedRows() == 0)
        return notFound(QStringLiteral("No such pending invitation."));
    return ApiResponse::json({});
}

int AccountService::purgeDeletedAccounts()
{
    const QString cutoff = QDateTime::currentDateTimeUtc().addDays(-kDeletionGraceDays).toString(Qt::ISODate);
    const auto users = m_db.all(QStringLiteral("SELECT id FROM users WHERE delete_requested_at <> '' AND delete_requested_at <= ?"),
                                {cutoff});
    int purged = 0;
    for (const QVariantMap &row : users) {
        const QString id = text(row, "id");
        if (!m_db.begin())
            break;
        bool ok = m_sync.revokeSharesOf(id);
        for (const char *sql : {"DELETE FROM records WHERE owner_id = ?", "DELETE FROM tombstones WHERE user_id = ?",
                                "DELETE FROM shares WHERE owner_id = ? OR member_id = ?", "DELETE FROM devices WHERE user_id = ?",
                                "DELETE FROM refresh_tokens WHERE session_id IN (SELECT id FROM sessions WHERE user_id = ?)",
                                "DELETE FROM sessions WHERE user_id = ?", "DELETE FROM users WHERE id = ?"}) {
            const QString statement = QLatin1String(sql);
            ok = ok && m_db.run(statement, statement.count(u'?') == 2 ? QVariantList{id, id} : QVariantList{id});
        }
        if (!ok || !m_db.commit()) {
            m_db.rollback();
            continue;
        }
        ++purged;
    }
    return purged;
}
