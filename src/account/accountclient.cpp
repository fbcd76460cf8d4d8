#include "accountclient.h"

#include "apiclient.h"
#include "authclient.h"

#include <QCryptographicHash>
#include <QHostInfo>
#include <QJsonArray>
#include <QPointer>
#include <QSysInfo>

namespace VelmAccount {

namespace {

ApiClient::ResponseCallback okOnly(const AccountClient::OkCallback &callback)
{
    return [callback](bool ok, int, const QJsonObject &) {
        if (callback)
            callback(ok);
    };
}

} // namespace

AccountClient::AccountClient(ApiClient *accountApi, AuthClient *authClient, const QString &appId,
                             const QString &appName, const QString &appVersion, const QString &portalUrl,
                             QObject *parent)
    : QObject(parent)
    , m_api(accountApi)
    , m_auth(authClient)
    , m_appId(appId)
    , m_appName(appName)
    , m_appVersion(appVersion)
    , m_portalUrl(portalUrl)
{
}

void AccountClient::getProfile(std::function<void(bool ok, const Profile &profile)> callback)
{
    m_api->get(QStringLiteral("/profile"), [callback](bool ok, int, const QJsonObject &body) {
        // A profile without its id is no answer.
        ok = ok && body.value(QLatin1String("id")).isString();
        if (callback)
            callback(ok, ok ? Profile::fromJson(body) : Profile());
    });
}

void AccountClient::deleteAccount(OkCallback callback)
{
    m_api->deleteResource(QStringLiteral("/profile"), okOnly(callback));
}

void AccountClient::getDevices(std::function<void(bool ok, const QList<Device> &devices)> callback)
{
    m_api->get(QStringLiteral("/devices"), [callback](bool ok, int, const QJsonObject &body) {
        if (callback)
            callback(ok, ok ? recordsOf<Device>(body, "devices") : QList<Device>());
    });
}

void AccountClient::removeDevice(const QString &deviceId, OkCallback callback)
{
    m_api->deleteResource(QStringLiteral("/devices/") + ApiClient::pathSegment(deviceId), okOnly(callback));
}

void AccountClient::getGroup(std::function<void(bool ok, const Group &group)> callback)
{
    m_api->get(QStringLiteral("/group"), [callback](bool ok, int, const QJsonObject &body) {
        if (callback)
            callback(ok, ok ? Group::fromJson(body) : Group());
    });
}

void AccountClient::invite(const QJsonObject &body,
                           std::function<void(bool ok, const GroupInvitation &invitation)> callback)
{
    m_api->post(QStringLiteral("/group/invite"), body, [callback](bool ok, int, const QJsonObject &reply) {
        if (callback)
            callback(ok, ok ? GroupInvitation::fromJson(reply) : GroupInvitation());
    });
}

void AccountClient::inviteByEmail(const QString &email,
                                  std::function<void(bool ok, const GroupInvitation &invitation)> callback)
{
    invite({{QStringLiteral("email"), email}}, std::move(callback));
}

void AccountClient::generateInviteCode(std::function<void(bool ok, const GroupInvitation &invitation)> callback)
{
    invite({}, std::move(callback));
}

void AccountClient::afterMembershipChange(bool ok, const OkCallback &callback)
{
    if (!ok) {
        if (callback)
            callback(false);
        return;
    }
    QPointer<AccountClient> self(this);
    m_auth->refreshToken([self, callback](bool) {
        if (self)
            emit self->groupChanged();
        if (callback)
            callback(true);
    });
}

void AccountClient::joinGroup(const QString &code, OkCallback callback)
{
    QPointer<AccountClient> self(this);
    m_api->post(QStringLiteral("/group/join/") + ApiClient::pathSegment(code), {},
                [self, callback](bool ok, int, const QJsonObject &) {
                    if (self)
                        self->afterMembershipChange(ok, callback);
                });
}

void AccountClient::leaveGroup(OkCallback callback)
{
    QPointer<AccountClient> self(this);
    m_api->post(QStringLiteral("/group/leave"), {}, [self, callback](bool ok, int, const QJsonObject &) {
        if (self)
            self->afterMembershipChange(ok, callback);
    });
}

void AccountClient::removeMember(const QString &memberId, OkCallback callback)
{
    QPointer<AccountClient> self(this);
    m_api->deleteResource(QStringLiteral("/group/members/") + ApiClient::pathSegment(memberId),
                          [self, callback](bool ok, int, const QJsonObject &) {
                              if (ok && self)
                                  emit self->groupChanged();
                              if (callback)
                                  callback(ok);
                          });
}

void AccountClient::revokeInvitation(const QString &invitationId, OkCallback callback)
{
    m_api->deleteResource(QStringLiteral("/group/invitations/") + ApiClient::pathSegment(invitationId),
                          okOnly(callback));
}

void AccountClient::registerDevice()
{
    m_api->post(QStringLiteral("/devices/register"),
                {{QStringLiteral("device_name"), QHostInfo::localHostName()},
                 {QStringLiteral("platform"), platformName()},
                 {QStringLiteral("app_id"), m_appId},
                 {QStringLiteral("app_version"), m_appVersion},
                 {QStringLiteral("device_fingerprint"), deviceFingerprint()}},
                {});
}

QString AccountClient::deviceFingerprint()
{
    return QString::fromLatin1(
        QCryptographicHash::hash(QHostInfo::localHostName().toUtf8(), QCryptographicHash::Sha256).toHex().left(32));
}

QString AccountClient::platformName()
{
    const QString kernel = QSysInfo::kernelType().toLower();
    if (kernel == QLatin1String("linux"))
        return QStringLiteral("Linux");
    if (kernel == QLatin1String("darwin"))
        return QStringLiteral("macOS");
    if (kernel == QLatin1String("winnt"))
        return QStringLiteral("Windows");
    return QSysInfo::kernelType();
}

} // namespace VelmAccount
