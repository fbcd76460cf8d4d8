#include "webauthhandler.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>

namespace VelmAccount {

namespace {

// Enough for a request line with two tokens; more is not a redirect of ours.
constexpr int kMaxRequestLineBytes = 16 * 1024;

QByteArray page(const QString &title, const QString &text)
{
    return QStringLiteral("<html><body style='font-family: sans-serif; text-align: center; padding: 40px;'>"
                          "<h2>%1</h2><p>%2</p></body></html>")
        .arg(title.toHtmlEscaped(), text.toHtmlEscaped())
        .toUtf8();
}

} // namespace

WebAuthHandler::WebAuthHandler(QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_server, &QTcpServer::newConnection, this, &WebAuthHandler::onNewConnection);
    connect(m_timer, &QTimer::timeout, this, [this] {
        stop();
        emit timedOut();
    });
}

WebAuthHandler::~WebAuthHandler() = default;

QString WebAuthHandler::start()
{
    if (!m_server->isListening()) {
        if (!m_server->listen(QHostAddress::LocalHost, kPreferredPort)
            && !m_server->listen(QHostAddress::LocalHost, 0)) {
            qWarning().noquote() << "WebAuthHandler: cannot listen on 127.0.0.1:" << m_server->errorString();
            return QString();
        }
        m_port = m_server->serverPort();
    }
    m_timer->start(m_timeoutMs);
    // The address the listener is bound to, so no process on another loopback
    // address can receive the tokens.
    return QStringLiteral("http://127.0.0.1:%1/callback").arg(m_port);
}

void WebAuthHandler::stop()
{
    m_timer->stop();
    m_server->close();
}

void WebAuthHandler::onNewConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        // A connection that never sends its request line is dropped.
        QTimer::singleShot(10000, socket, [socket] { socket->abort(); });
    }
}

void WebAuthHandler::respond(QTcpSocket *socket, const QByteArray &status, const QByteArray &html)
{
    socket->disconnect(this);
    socket->write("HTTP/1.1 " + status + "\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: "
                  + QByteArray::number(html.size()) + "\r\nConnection: close\r\n\r\n" + html);
    socket->flush();
    socket->disconnectFromHost();
}

WebAuthHandler::CallbackRequest WebAuthHandler::parseRequestLine(const QByteArray &line, quint16 port,
                                                                 const QString &expectedState)
{
    const QList<QByteArray> parts = line.trimmed().split(' ');
    const QByteArray method = parts.value(0);
    const QString target = QString::fromUtf8(parts.value(1));
    CallbackRequest request;
    request.url = QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(target), QUrl::StrictMode);
    const QUrlQuery query(request.url);
    const QString state = query.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded);
    request.accepted = method == "GET" && request.url.isValid() && request.url.path() == QLatin1String("/callback")
        && !expectedState.isEmpty() && state == expectedState;
    request.complete = request.accepted && !query.queryItemValue(QStringLiteral("access_token")).isEmpty()
        && !query.queryItemValue(QStringLiteral("refresh_token")).isEmpty();
    return request;
}

void WebAuthHandler::onReadyRead(QTcpSocket *socket)
{
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kMaxRequestLineBytes)
            socket->abort();
        return;
    }
    const CallbackRequest request = parseRequestLine(socket->readLine(kMaxRequestLineBytes), m_port, m_expectedState);
    if (!request.accepted) {
        respond(socket, "404 Not Found", page(tr("Not found"), QString()));
        return;
    }
    respond(socket, "200 OK",
            request.complete
                ? page(tr("Authentication complete!"), tr("You can close this tab and return to the application."))
                : page(tr("Authentication failed"), tr("You can close this tab and try again in the application.")));
    stop();
    emit callbackReceived(request.url);
}

} // namespace VelmAccount
