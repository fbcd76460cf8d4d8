#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// The browser sign-in page: one small form that signs in or creates an account.
class LoginPage final
{
    Q_DECLARE_TR_FUNCTIONS(LoginPage)

public:
    struct Fields
    {
        QString clientId;
        QString redirectUri;
        QString state;
        QString email;
        QString displayName;
        bool signUp = false;
    };

    static QByteArray render(const QString &actionPath, const Fields &fields, const QString &errorText);
    static QByteArray refusal(const QString &text);
};
