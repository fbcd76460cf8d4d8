#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QUrl>
#include <QUrlQuery>

class QNetworkAccessManager;

// A blocking JSON client for the server, used by the bench and the tests; it
// waits in a local event loop, so an in-process server keeps answering.
class ServerClient final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ServerClient)

public:
    struct Reply
    {
        int status = 0;
        QJsonObject json;
        QByteArray body;
        QByteArray location;
    };
    struct Tokens
    {
        int status = 0;
        QString access;
        QString refresh;
        QString state;
    };

    explicit ServerClient(const QUrl &base, QObject *parent = nullptr);
    // Trust exactly these certificates for HTTPS (a self-signed server).
    void setCaCertificates(const QList<QSslCertificate> &certificates) { m_caCertificates = certificates; }

    Reply send(const QByteArray &method, const QString &path, const QByteArray &body = QByteArray(),
               const QString &token = QString(), const QByteArray &contentType = "application/json",
               const QUrlQuery &query = QUrlQuery());
    Reply call(const QByteArray &method, const QString &path, const QJsonObject &body, const QString &token);
    // Submits the browser sign-in form (signUp: the create-account form) and
    // reads the tokens from the redirect.
    Tokens signIn(const QString &email, const QString &password, bool signUp, const QString &displayName = QString(),
                  const QString &realm = QStringLiteral("velmora"),
                  const QString &clientId = QStringLiteral("5e0d2a9c7b3f4186a2d4c0e9b1f7a364"),
                  const QString &redirectUri = QStringLiteral("http://localhost:19876/callback"));

private:
    QUrl m_base;
    QList<QSslCertificate> m_caCertificates;
    QNetworkAccessManager *m_network;
};
