#pragma once

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

// The records the account and authentication services answer with; missing
// keys give empty values.
namespace VelmAccount {

// The records of one array in a reply; a missing key gives none.
template<typename T>
QList<T> recordsOf(const QJsonObject &json, const char *key)
{
    QList<T> items;
    const QJsonArray array = json.value(QLatin1String(key)).toArray();
    for (const QJsonValue &value : array)
        items.append(T::fromJson(value.toObject()));
    return items;
}

struct User
{
    QString id;
    QString email;
    QString displayName;
    QString username;
    QString avatarUrl;
    QDateTime createdAt;
    static User fromJson(const QJsonObject &json);
};

struct Session
{
    QString id;
    QString userAgent;
    QString ipAddress;
    QDateTime createdAt;
    QDateTime lastActiveAt;
    bool isCurrent = false;
    static Session fromJson(const QJsonObject &json);
};

struct Device
{
    QString id;
    QString deviceName;
    QString platform;
    QString appId;
    QString appVersion;
    QDateTime lastSyncAt;
    QString deviceFingerprint;
    QDateTime createdAt;
    static Device fromJson(const QJsonObject &json);
};

struct GroupMember
{
    QString accountId;
    QString authUserId;
    QString displayName;
    QString email;
    QString role;
    QDateTime joinedAt;
    static GroupMember fromJson(const QJsonObject &json);
};

struct GroupInvitation
{
    QString id;
    QString invitedEmail;
    QString inviteCode;
    QString status;
    QDateTime expiresAt;
    static GroupInvitation fromJson(const QJsonObject &json);
};

struct Group
{
    QString id;
    QString name;
    int maxSeats = 0;
    QList<GroupMember> members;
    QList<GroupInvitation> pendingInvitations;
    static Group fromJson(const QJsonObject &json);
};

struct Profile
{
    QString id;
    QString email;
    QString displayName;
    QString avatarUrl;
    QString language;
    QString timezone;
    QString status;
    QDateTime createdAt;
    QString groupId;
    QString groupName;
    QString groupRole;
    int groupMemberCount = 0;
    static Profile fromJson(const QJsonObject &json);
};

} // namespace VelmAccount
