#pragma once

#include "accountrecords.h"

#include <QObject>
#include <QString>

#include <functional>

namespace VelmAccount {

class ApiClient;
class AuthClient;

// The account service: profile, devices and the family group.
class AccountClient final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccountClient)

public:
    using OkCallback = std::function<void(bool ok)>;

    AccountClient(ApiClient *accountApi, AuthClient *authClient, const QString &appId, const QString &appName,
                  const QString &appVersion, const QString &portalUrl, QObject *parent = nullptr);

    QString appName() const { return m_appName; }
    QString portalUrl() const { return m_portalUrl; }

    void getProfile(std::function<void(bool ok, const Profile &profile)> callback);
    void deleteAccount(OkCallback callback);
    void getDevices(std::function<void(bool ok, const QList<Device> &devices)> callback);
    void removeDevice(const QString &deviceId, OkCallback callback);
    void getGroup(std::function<void(bool ok, const Group &group)> callback);
    void inviteByEmail(const QString &email, std::function<void(bool ok, const GroupInvitation &invitation)> callback);
    void generateInviteCode(std::function<void(bool ok, const GroupInvitation &invitation)> callback);
    void joinGroup(const QString &code, OkCallback callback);
    void leaveGroup(OkCallback callback);
    void removeMember(const QString &memberId, OkCallback callback);
    void revokeInvitation(const QString &invitationId, OkCallback callback);
    // Announces this machine to the account after a sign-in; the answer is not needed.
    void registerDevice();

    // SHA-256 of the host name, 32 lower-case hexadecimal characters.
    static QString deviceFingerprint();
    // The system's name as the device list shows it ("Linux", "macOS", "Windows").
    static QString platformName();

signals:
    void groupChanged();

private:
    void invite(const QJsonObject &body, std::function<void(bool ok, const GroupInvitation &invitation)> callback);
    // After joining or leaving, the token's group claims must be renewed.
    void afterMembershipChange(bool ok, const OkCallback &callback);

    ApiClient *m_api;
    AuthClient *m_auth;
    QString m_appId;
    QString m_appName;
    QString m_appVersion;
    QString m_portalUrl;
};

} // namespace VelmAccount
