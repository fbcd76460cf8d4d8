#pragma once

#include <QByteArray>
#include <QObject>

class QTcpSocket;

// Watches a connection's incoming bytes before the HTTP server reads them
// and refuses a request whose declared body is over the limit (or has no
// declared length) as soon as its headers arrive, so such a body is never
// held in memory. The HTTP server of this Qt version reads whole requests
// before any handler could look at them.
class RequestGuard final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RequestGuard)

public:
    // Must be attached before anything else connects to the socket's readyRead.
    RequestGuard(QTcpSocket *socket, qint64 maxBodyBytes);

private:
    void inspect();
    void refuse(const QByteArray &requestLine, qint64 bodyBytes);

    QTcpSocket *m_socket;
    qint64 m_max;
    QByteArray m_headers;  // the current request's header bytes seen so far
    qint64 m_bodyLeft = 0; // body bytes of the current request still to come
    qint64 m_discard = -1; // after a refusal: bytes still to drop (-1: not refusing)
};
