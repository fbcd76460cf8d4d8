#include "accountrecords.h"

#include <QJsonArray>

namespace VelmAccount {

namespace {

QString text(const QJsonObject &json, const char *key)
{
    return json.value(QLatin1String(key)).toString();
}

QDateTime time(const QJsonObject &json, const char *key)
{
    return QDateTime::fromString(text(json, key), Qt::ISODateWithMs);
}

} // namespace

User User::fromJson(const QJsonObject &j)
{
    return {text(j, "id"), text(j, "email"), text(j, "display_name"), text(j, "username"), text(j, "avatar_url"),
            time(j, "created_at")};
}

Session Session::fromJson(const QJsonObject &j)
{
    return {text(j, "id"), text(j, "user_agent"), text(j, "ip_address"), time(j, "created_at"),
            time(j, "last_active_at"), j.value(QLatin1String("is_current")).toBool()};
}

Device Device::fromJson(const QJsonObject &j)
{
    return {text(j, "id"), text(j, "device_name"), text(j, "platform"), text(j, "app_id"), text(j, "app_version"),
            time(j, "last_sync_at"), text(j, "device_fingerprint"), time(j, "created_at")};
}

GroupMember GroupMember::fromJson(const QJsonObject &j)
{
    return {text(j, "account_id"), text(j, "auth_user_id"), text(j, "display_name"), text(j, "email"),
            text(j, "role"), time(j, "joined_at")};
}

GroupInvitation GroupInvitation::fromJson(const QJsonObject &j)
{
    return {text(j, "id"), text(j, "invited_email"), text(j, "invite_code"), text(j, "status"), time(j, "expires_at")};
}

Group Group::fromJson(const QJsonObject &j)
{
    return {text(j, "id"), text(j, "name"), j.value(QLatin1String("max_seats")).toInt(),
            recordsOf<GroupMember>(j, "members"), recordsOf<GroupInvitation>(j, "pending_invitations")};
}

Profile Profile::fromJson(const QJsonObject &j)
{
    Profile p{text(j, "id"), text(j, "email"), text(j, "display_name"), text(j, "avatar_url"), text(j, "language"),
              text(j, "timezone"), text(j, "status"), time(j, "created_at"), {}, {}, {}, 0};
    const QJsonObject group = j.value(QLatin1String("group")).toObject();
    p.groupId = text(group, "id");
    p.groupName = text(group, "name");
    p.groupRole = text(group, "role");
    p.groupMemberCount = group.value(QLatin1String("member_count")).toInt();
    return p;
}

} // namespace VelmAccount
