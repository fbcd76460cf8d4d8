#pragma once

#include <QSslServer>

// TLS listener whose connections get a RequestGuard (on the decrypted bytes)
// before the HTTP server sees them.
class GuardedSslServer final : public QSslServer
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GuardedSslServer)

public:
    GuardedSslServer(qint64 maxBodyBytes, QObject *parent = nullptr);

protected:
    void incomingConnection(qintptr handle) override;

private:
    qint64 m_max;
};
