#pragma once

#include <QString>

namespace VelmAccount {

// What the account-service library is told at construction.
struct ClientConfig
{
    QString authBaseUrl;
    QString realm = QStringLiteral("velmora");
    QString accountApiUrl;
    QString clientId = QStringLiteral("5e0d2a9c7b3f4186a2d4c0e9b1f7a364");
    QString appId;
    QString appName;
    QString appVersion;
    QString platform; // empty: derived from the kernel type
    QString portalUrl;
};

} // namespace VelmAccount
