#pragma once

#include <QMetaType>
#include <QString>

namespace VelmAccount {

// The family-group claims carried in the access token.
struct VelClaims
{
    QString groupId;
    QString role; // "owner" marks the group's owner
};

} // namespace VelmAccount

Q_DECLARE_METATYPE(VelmAccount::VelClaims)
