#include "apiserver.h"

#include <QDateTime>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonArray>
#include <QJsonParseError>
#include <QLoggingCategory>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

Q_LOGGING_CATEGORY(lcHttp, "penwick.server")

namespace {

QByteArray methodName(QHttpServerRequest::Method method)
{
    switch (method) {
    case QHttpServerRequest::Method::Get: return "GET";
    case QHttpServerRequest::Method::Post: return "POST";
    case QHttpServerRequest::Method::Put: return "PUT";
    case QHttpServerRequest::Method::Patch: return "PATCH";
    case QHttpServerRequest::Method::Delete: return "DELETE";
    case QHttpServerRequest::Method::Head: return "HEAD";
    case QHttpServerRequest::Method::Options: return "OPTIONS";
    default: return "OTHER";
    }
}

// Decoded path segments; nullopt for paths that try to step outside their
// place (empty, "." or ".." segments, encoded slashes or NULs).
std::optional<QStringList> pathSegments(const QString &encodedPath)
{
    if (!encodedPath.startsWith(u'/') || encodedPath.size() > 2048)
        return std::nullopt;
    QStringList segments;
    const QStringList raw = encodedPath.mid(1).split(u'/');
    for (const QString &part : raw) {
        const QString segment = QUrl::fromPercentEncoding(part.toLatin1());
        if (segment.isEmpty() || segment == QLatin1String(".") || segment == QLatin1String("..")
            || segment.contains(u'/') || segment.contains(u'\\') || segment.contains(QChar(0)))
            return std::nullopt;
        segments.append(segment);
    }
    return segments;
}

} // namespace

ApiServer::ApiServer(qint64 maxBodyBytes, QObject *parent)
    : QAbstractHttpServer(parent)
    , m_maxBody(maxBodyBytes)
{
}

void ApiServer::addRoute(const QByteArray &method, const QString &pattern, Access access, Handler handler,
                         bool jsonBody)
{
    m_routes.append({method, pattern.mid(1).split(u'/'), access, std::move(handler), jsonBody});
}

bool ApiServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    const qint64 started = QDateTime::currentMSecsSinceEpoch();
    // Answers go out in several writes; without this they wait for delayed ACKs.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    ApiRequest api;
    api.method = methodName(request.method());
    api.path = request.url().path(QUrl::FullyEncoded);
    api.query = request.query();
    api.userAgent = request.value("user-agent");
    api.contentType = request.value("content-type");
    api.authorization = request.value("authorization");
    api.headers = request.headers();
    api.remoteAddress = request.remoteAddress().toString();
    const QString fault = takeFault(api.path);
    ApiResponse response;
    if (fault == QLatin1String("500"))
        response = ApiResponse::error(500, QStringLiteral("injected_failure"), QStringLiteral("Failure injected by the test hooks."));
    else if (fault == QLatin1String("401"))
        response = ApiResponse::error(401, QStringLiteral("unauthorized"), QStringLiteral("Sign in first."));
    else
        response = spoil(fault, dispatch(request, api));
    if (fault == QLatin1String("cut")) {
        // Promises more than it sends, then hangs up.
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: "
                      + QByteArray::number(response.body.size() + 1024) + "\r\nConnection: close\r\n\r\n"
                      + response.body.left(response.body.size() / 2));
        socket->disconnectFromHost();
        return true;
    }
    send(request, socket, response, api, started, fault == QLatin1String("slow") ? m_hooks.faultDelayMs : m_hooks.delayMs);
    return true;
}

QString ApiServer::takeFault(const QString &path)
{
    if (m_hooks.faultCount == 0 || m_hooks.fault.isEmpty() || path != m_hooks.faultPath)
        return {};
    if (m_hooks.faultCount > 0)
        --m_hooks.faultCount;
    return m_hooks.fault;
}

ApiResponse ApiServer::spoil(const QString &fault, ApiResponse response) const
{
    // The request was handled; only the answer the client gets is wrong.
    if (fault == QLatin1String("malformed")) {
        response.status = 200;
        response.body = response.body.size() > 1 ? response.body.left(response.body.size() / 2) : QByteArray("{\"");
    } else if (fault == QLatin1String("huge")) {
        response.status = 200;
        response.body = "{\"pad\":\"" + QByteArray(m_hooks.faultBytes, 'x') + "\"}";
    } else if (fault == QLatin1String("wrong_types")) {
        QJsonObject object = QJsonDocument::fromJson(response.body).object();
        for (auto it = object.begin(); it != object.end(); ++it) {
            switch (it->type()) {
            case QJsonValue::String: *it = 12345; break;
            case QJsonValue::Double: *it = QStringLiteral("12345"); break;
            case QJsonValue::Bool: *it = QStringLiteral("yes"); break;
            case QJsonValue::Array: *it = QJsonArray{42, QStringLiteral("x"), QJsonValue(), true}; break;
            case QJsonValue::Object: *it = QStringLiteral("x"); break;
            default: *it = 0; break;
            }
        }
        response.status = 200;
        response.body = QJsonDocument(object).toJson(QJsonDocument::Compact);
    }
    return response;
}

void ApiServer::missingHandler(const QHttpServerRequest &request, QTcpSocket *socket)
{
    ApiRequest api;
    api.method = methodName(request.method());
    api.path = request.url().path(QUrl::FullyEncoded);
    send(request, socket, ApiResponse::error(404, QStringLiteral("not_found"), QStringLiteral("No such resource.")),
         api, QDateTime::currentMSecsSinceEpoch(), 0);
}

ApiResponse ApiServer::dispatch(const QHttpServerRequest &request, ApiRequest &api)
{
    if (!m_hooks.failPath.isEmpty() && api.path == m_hooks.failPath)
        return ApiResponse::error(m_hooks.failStatus, QStringLiteral("injected_failure"),
                                  QStringLiteral("Failure injected by the test hooks."));
    if (request.body().size() > m_maxBody)
        return ApiResponse::error(413, QStringLiteral("payload_too_large"),
                                  QStringLiteral("The request body exceeds %1 bytes.").arg(m_maxBody));
    const auto segments = pathSegments(api.path);
    if (!segments)
        return ApiResponse::error(400, QStringLiteral("invalid_path"), QStringLiteral("The request path is not valid."));

    bool pathKnown = false;
    for (const Route &route : std::as_const(m_routes)) {
        if (route.segments.size() != segments->size())
            continue;
        QStringList args;
        bool match = true;
        for (int i = 0; match && i < segments->size(); ++i) {
            if (route.segments.at(i) == QLatin1String("{}"))
                args.append(segments->at(i));
            else
                match = route.segments.at(i) == segments->at(i);
        }
        if (!match)
            continue;
        pathKnown = true;
        if (route.method != api.method)
            continue;

        api.args = args;
        api.body = request.body();
        if (route.jsonBody && !api.body.trimmed().isEmpty()) {
            QJsonParseError parseError;
            const QJsonDocument doc = QJsonDocument::fromJson(api.body, &parseError);
            if (parseError.error != QJsonParseError::NoError || !doc.isObject())
                return ApiResponse::error(400, QStringLiteral("invalid_json"),
                                          QStringLiteral("The request body must be a JSON object."));
            api.json = doc.object();
        }
        if (route.access == Access::User) {
            if (!m_authenticator)
                return ApiResponse::error(401, QStringLiteral("unauthorized"), QStringLiteral("Sign in first."));
            if (auto refused = m_authenticator(api))
                return *refused;
        }
        return route.handler(api);
    }
    if (pathKnown)
        return ApiResponse::error(405, QStringLiteral("method_not_allowed"), QStringLiteral("Method not allowed here."));
    if (api.method == "GET" && m_fallback) {
        if (auto response = m_fallback(api))
            return *response;
    }
    return ApiResponse::error(404, QStringLiteral("not_found"), QStringLiteral("No such resource."));
}

void ApiServer::send(const QHttpServerRequest &request, QTcpSocket *socket, const ApiResponse &response,
                     const ApiRequest &api, qint64 startedMs, int delayMs)
{
    auto responder = std::make_shared<QHttpServerResponder>(makeResponder(request, socket));
    QPointer<QTcpSocket> guard(socket);
    const auto write = [responder, guard, response, api, startedMs] {
        if (!guard)
            return;
        responder->writeStatusLine(static_cast<QHttpServerResponder::StatusCode>(response.status));
        for (const auto &header : response.headers)
            responder->writeHeader(header.first, header.second);
        responder->writeHeader("Content-Type", response.contentType);
        responder->writeHeader("Content-Length", QByteArray::number(response.body.size()));
        responder->writeBody(response.body);
        // Path only: queries and bodies may carry tokens or passwords.
        qCInfo(lcHttp).noquote() << QString::fromLatin1(api.method) << api.path.left(200) << response.status
                                 << QStringLiteral("%1 ms").arg(QDateTime::currentMSecsSinceEpoch() - startedMs);
    };
    if (delayMs > 0)
        QTimer::singleShot(delayMs, this, write);
    else
        write();
}
