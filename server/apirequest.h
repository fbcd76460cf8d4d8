#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QUrlQuery>

// One request as a handler sees it: the path's captured segments, the parsed
// JSON body and, on authenticated routes, the signed-in user and session.
struct ApiRequest
{
    QByteArray method;
    QString path;
    QStringList args;
    QUrlQuery query;
    QByteArray body;
    QJsonObject json;
    QByteArray userAgent;
    QByteArray contentType;
    QByteArray authorization;
    QList<QPair<QByteArray, QByteArray>> headers;
    QString remoteAddress;
    QString userId;
    QString sessionId;
};

struct ApiResponse
{
    int status = 200;
    QByteArray body;
    QByteArray contentType = "application/json";
    QList<QPair<QByteArray, QByteArray>> headers;

    static ApiResponse json(const QJsonObject &object, int status = 200)
    {
        return {status, QJsonDocument(object).toJson(QJsonDocument::Compact), "application/json", {}};
    }
    // Every failure answers with "error" (a stable code) and "message" (for people).
    static ApiResponse error(int status, const QString &code, const QString &message)
    {
        return json(QJsonObject{{QStringLiteral("error"), code}, {QStringLiteral("message"), message}}, status);
    }
};
