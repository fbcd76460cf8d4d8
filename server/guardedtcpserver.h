#pragma once

#include <QTcpServer>

// Plain TCP listener whose connections get a RequestGuard before the HTTP
// server sees them.
class GuardedTcpServer final : public QTcpServer
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GuardedTcpServer)

public:
    GuardedTcpServer(qint64 maxBodyBytes, QObject *parent = nullptr);

protected:
    void incomingConnection(qintptr handle) override;

private:
    qint64 m_max;
};
