#pragma once

#include "sharemember.h"

#include "account/accountrecords.h"

#include <QObject>
#include <functional>

namespace VelmAccount {

// Who an account is shared with, and changes to that; the share dialog works
// through this interface so it can be shown without a server.
class SharingBackend : public QObject
{
    Q_OBJECT
public:
    using MembersCallback = std::function<void(const QList<ShareMember> &members)>;
    using ShareCallback = std::function<void(bool ok, const QString &error)>;
    using RemoveCallback = std::function<void(bool ok)>;

    using QObject::QObject;
    Q_DISABLE_COPY_MOVE(SharingBackend)

    virtual void listMembers(const QString &accountId, MembersCallback callback) = 0;
    virtual void shareWith(const QString &accountId, const QString &userIdOrEmail, const QString &role,
                           ShareCallback callback) = 0;
    virtual void removeShare(const QString &accountId, const QString &userId, RemoveCallback callback) = 0;
    // The id under which a group member appears in an account's shares.
    virtual QString memberShareId(const GroupMember &member) const { return member.accountId; }
};

} // namespace VelmAccount
