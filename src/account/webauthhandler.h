#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class QTcpServer;
class QTcpSocket;
class QTimer;

namespace VelmAccount {

// The one-shot listener on 127.0.0.1 that receives the browser's redirect
// after sign-in. Only a GET of "/callback" carrying the expected state ends
// it; anything else gets a 404 and the listener keeps waiting, until its
// time limit.
class WebAuthHandler final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WebAuthHandler)

public:
    static constexpr quint16 kPreferredPort = 19876;
    static constexpr int kDefaultTimeoutMs = 10 * 60 * 1000;

    explicit WebAuthHandler(QObject *parent = nullptr);
    ~WebAuthHandler() override;

    // The "state" value the redirect must carry.
    void setExpectedState(const QString &state) { m_expectedState = state; }
    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    // Starts listening; the redirect URI, or empty when no port could be bound.
    QString start();
    void stop();
    quint16 port() const { return m_port; }

    // What one request line sent to the listener on `port` amounts to.
    struct CallbackRequest
    {
        bool accepted = false; // a GET of "/callback" with the expected state
        bool complete = false; // and it carries both tokens
        QUrl url;
    };
    static CallbackRequest parseRequestLine(const QByteArray &line, quint16 port, const QString &expectedState);

signals:
    void callbackReceived(const QUrl &url);
    void timedOut();

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);
    void respond(QTcpSocket *socket, const QByteArray &status, const QByteArray &html);

    QTcpServer *m_server;
    QTimer *m_timer;
    quint16 m_port = 0;
    int m_timeoutMs = kDefaultTimeoutMs;
    QString m_expectedState;
};

} // namespace VelmAccount
