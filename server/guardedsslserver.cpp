#include "guardedsslserver.h"

#include "requestguard.h"

#include <QSslSocket>

GuardedSslServer::GuardedSslServer(qint64 maxBodyBytes, QObject *parent)
    : QSslServer(parent)
    , m_max(maxBodyBytes)
{
}

void GuardedSslServer::incomingConnection(qintptr handle)
{
    // The base creates the socket (as our child) and starts the handshake; the
    // HTTP server only connects to it once encrypted, so the guard comes first.
    QSslServer::incomingConnection(handle);
    const QList<QSslSocket *> sockets = findChildren<QSslSocket *>(Qt::FindDirectChildrenOnly);
    for (QSslSocket *socket : sockets) {
        if (socket->socketDescriptor() == handle && !socket->findChild<RequestGuard *>())
            new RequestGuard(socket, m_max);
    }
}
