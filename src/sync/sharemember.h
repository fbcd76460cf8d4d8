#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

namespace VelmAccount {

// One person an account is shared with, as the sync service lists them.
struct ShareMember
{
    QString id;
    QString userId;
    QString email;
    QString displayName;
    QString role; // "owner" marks the account's owner
    QString createdAt;

    static ShareMember fromJson(const QJsonObject &json)
    {
        const QString user = json.value(QStringLiteral("user_id")).toString();
        return {user,
                user,
                json.value(QStringLiteral("email")).toString(),
                json.value(QStringLiteral("display_name")).toString(),
                json.value(QStringLiteral("role")).toString(),
                json.value(QStringLiteral("created_at")).toString()};
    }
};

} // namespace VelmAccount
