#include "guardedtcpserver.h"

#include "requestguard.h"

#include <QTcpSocket>

GuardedTcpServer::GuardedTcpServer(qint64 maxBodyBytes, QObject *parent)
    : QTcpServer(parent)
    , m_max(maxBodyBytes)
{
}

void GuardedTcpServer::incomingConnection(qintptr handle)
{
    auto *socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(handle)) {
        delete socket;
        return;
    }
    new RequestGuard(socket, m_max);
    addPendingConnection(socket);
}
