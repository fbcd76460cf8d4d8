#include "accountsharingservice.h"

#include "account/apiclient.h"

#include <QJsonArray>

#include <algorithm>

using namespace Qt::StringLiterals;
using VelmAccount::ApiClient;

AccountSharingService::AccountSharingService(ApiClient *api, QObject *parent)
    : SharingBackend(parent)
    , m_api(api)
{
}

void AccountSharingService::listMembers(const QString &accountId, MembersCallback callback)
{
    m_api->get(u"/accounts/%1/members"_s.arg(ApiClient::pathSegment(accountId)),
               [callback](bool ok, int, const QJsonObject &body) {
                   QList<VelmAccount::ShareMember> members;
                   if (ok) {
                       const QJsonArray list = body.value(u"members"_s).toArray();
                       for (const QJsonValue &m : list)
                           members.append(VelmAccount::ShareMember::fromJson(m.toObject()));
                       // An answer that is not a list of members counts as a failed one.
                       if (!std::all_of(list.begin(), list.end(), [](const QJsonValue &m) { return m.isObject(); }))
                           members.clear();
                   }
                   if (callback)
                       callback(members);
               });
}

void AccountSharingService::shareWith(const QString &accountId, const QString &userIdOrEmail, const QString &role,
                                      ShareCallback callback)
{
    QJsonObject body{{u"user_id"_s, userIdOrEmail}, {u"role"_s, role.isEmpty() ? u"member"_s : role}};
    if (userIdOrEmail.contains(u'@'))
        body.insert(u"email"_s, userIdOrEmail);
    m_api->post(u"/accounts/%1/share"_s.arg(ApiClient::pathSegment(accountId)), body,
                [callback](bool ok, int status, const QJsonObject &answer) {
                    QString error;
                    if (!ok) {
                        error = answer.value(u"error"_s).toString();
                        if (error.isEmpty())
                            error = tr("Failed to share account (HTTP %1)").arg(status);
                    }
                    if (callback)
                        callback(ok, error);
                });
}

void AccountSharingService::removeShare(const QString &accountId, const QString &userId, RemoveCallback callback)
{
    m_api->deleteResource(u"/accounts/%1/share/%2"_s.arg(ApiClient::pathSegment(accountId), ApiClient::pathSegment(userId)),
                          [callback](bool ok, int, const QJsonObject &) {
                              if (callback)
                                  callback(ok);
                          });
}
