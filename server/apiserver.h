#pragma once

#include "apirequest.h"

#include <QAbstractHttpServer>
#include <QHash>

#include <functional>
#include <optional>

class QLoggingCategory;

// HTTP front: matches a method and path against the registered routes, parses
// the JSON body, asks the authenticator on protected routes, answers errors as
// JSON, refuses oversized bodies and writes one log line per request.
// QHttpServer's router of this Qt version cannot answer unknown paths with a
// JSON body nor log them, so routing is done here over the abstract server.
class ApiServer final : public QAbstractHttpServer
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ApiServer)

public:
    using Handler = std::function<ApiResponse(ApiRequest &)>;
    using Authenticator = std::function<std::optional<ApiResponse>(ApiRequest &)>;
    using Fallback = std::function<std::optional<ApiResponse>(const ApiRequest &)>;
    enum class Access { Public, User };

    // Failure injection for client tests; all off by default.
    struct TestHooks
    {
        QString failPath;
        int failStatus = 0;
        int delayMs = 0;
        // The next faultCount replies (-1: all) on faultPath are spoiled:
        // "500", "401", "slow", "cut", "malformed", "huge" or "wrong_types".
        QString faultPath;
        QString fault;
        int faultCount = 0;
        int faultDelayMs = 5000;
        qint64 faultBytes = 40 * 1024 * 1024;
    };

    explicit ApiServer(qint64 maxBodyBytes, QObject *parent = nullptr);

    // pattern: a path whose "{}" segments match one segment each, given to
    // the handler in order. Public routes get the raw body; user routes need a
    // JSON object body (or none).
    void addRoute(const QByteArray &method, const QString &pattern, Access access, Handler handler,
                  bool jsonBody = true);
    void setAuthenticator(Authenticator authenticator) { m_authenticator = std::move(authenticator); }
    // Consulted for GET requests no route matched (static update files).
    void setFallback(Fallback fallback) { m_fallback = std::move(fallback); }
    TestHooks &testHooks() { return m_hooks; }

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    struct Route
    {
        QByteArray method;
        QStringList segments;
        Access access;
        Handler handler;
        bool jsonBody;
    };

    ApiResponse dispatch(const QHttpServerRequest &request, ApiRequest &api);
    void send(const QHttpServerRequest &request, QTcpSocket *socket, const ApiResponse &response,
              const ApiRequest &api, qint64 startedMs, int delayMs);
    // The fault due for this request, counting it down; empty for none.
    QString takeFault(const QString &path);
    ApiResponse spoil(const QString &fault, ApiResponse response) const;

    QList<Route> m_routes;
    Authenticator m_authenticator;
    Fallback m_fallback;
    qint64 m_maxBody;
    TestHooks m_hooks;
};
