#pragma once

#include "serveroptions.h"

#include <QObject>
#include <QUrl>

#include <memory>

class AccountService;
class ApiServer;
class AuthService;
class PasswordHasher;
class ServerDatabase;
class SyncService;
class TokenSigner;
class UpdateFiles;

// The whole server: storage, services and the HTTP front, started in-process
// by main(), the tests and the bench.
class PenwickServer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PenwickServer)

public:
    explicit PenwickServer(const ServerOptions &options, QObject *parent = nullptr);
    ~PenwickServer() override;

    bool start(QString *error);
    quint16 port() const { return m_port; }
    // Scheme, address and port, without a path.
    QUrl url() const;

private:
    bool loadSecret(QString *error);
    void registerTestHooks();

    ServerOptions m_options;
    std::unique_ptr<ServerDatabase> m_db;
    std::unique_ptr<TokenSigner> m_signer;
    std::unique_ptr<PasswordHasher> m_hasher;
    std::unique_ptr<AuthService> m_auth;
    std::unique_ptr<SyncService> m_sync;
    std::unique_ptr<AccountService> m_account;
    std::unique_ptr<UpdateFiles> m_updates;
    ApiServer *m_http = nullptr;
    quint16 m_port = 0;
};
