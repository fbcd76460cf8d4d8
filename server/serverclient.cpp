#include "serverclient.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>

ServerClient::ServerClient(const QUrl &base, QObject *parent)
    : QObject(parent)
    , m_base(base)
    , m_network(new QNetworkAccessManager(this))
{
}

ServerClient::Reply ServerClient::send(const QByteArray &method, const QString &path, const QByteArray &body,
                                       const QString &token, const QByteArray &contentType, const QUrlQuery &query)
{
    QUrl url = m_base;
    url.setPath(path, QUrl::TolerantMode);
    if (!query.isEmpty())
        url.setQuery(query);
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    if (!m_caCertificates.isEmpty()) {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setCaCertificates(m_caCertificates);
        request.setSslConfiguration(tls);
    }
    if (!token.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + token.toLatin1());
    QNetworkReply *reply = m_network->sendCustomRequest(request, method, body);
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    Reply result;
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.body = reply->readAll();
    result.json = QJsonDocument::fromJson(result.body).object();
    result.location = reply->rawHeader("Location");
    reply->deleteLater();
    return result;
}

ServerClient::Reply ServerClient::call(const QByteArray &method, const QString &path, const QJsonObject &body,
                                       const QString &token)
{
    return send(method, path, body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact), token);
}

ServerClient::Tokens ServerClient::signIn(const QString &email, const QString &password, bool signUp,
                                          const QString &displayName, const QString &realm, const QString &clientId,
                                          const QString &redirectUri)
{
    QUrlQuery form;
    const auto add = [&form](const char *key, const QString &value) {
        form.addQueryItem(QLatin1String(key), QString::fromLatin1(QUrl::toPercentEncoding(value)));
    };
    add("client_id", clientId);
    add("redirect_uri", redirectUri);
    add("state", QStringLiteral("st ate/1"));
    add("mode", signUp ? QStringLiteral("signup") : QStringLiteral("signin"));
    add("email", email);
    add("password", password);
    add("display_name", displayName);
    const Reply reply = send("POST", QStringLiteral("/%1/account/login").arg(realm),
                             form.toString(QUrl::FullyEncoded).toLatin1(), QString(), "application/x-www-form-urlencoded");
    Tokens tokens;
    tokens.status = reply.status;
    const QUrlQuery query(QUrl::fromEncoded(reply.location));
    tokens.access = query.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded);
    tokens.refresh = query.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded);
    tokens.state = query.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded);
    return tokens;
}
