#pragma once

#include "sharingbackend.h"

namespace VelmAccount {
class ApiClient;
}

// Account sharing over the sync service: list, add and remove the members of
// the family group an account is shared with.
class AccountSharingService final : public VelmAccount::SharingBackend
{
    Q_OBJECT
public:
    explicit AccountSharingService(VelmAccount::ApiClient *api, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(AccountSharingService)

    void listMembers(const QString &accountId, MembersCallback callback) override;
    void shareWith(const QString &accountId, const QString &userIdOrEmail, const QString &role,
                   ShareCallback callback) override;
    void removeShare(const QString &accountId, const QString &userId, RemoveCallback callback) override;

private:
    VelmAccount::ApiClient *m_api;
};
