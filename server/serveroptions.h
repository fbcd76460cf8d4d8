#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <QStringList>

#include <optional>

// Everything the server is told on its command line.
class ServerOptions final
{
public:
    QHostAddress address = QHostAddress(QHostAddress::LocalHost);
    quint16 port = 8765;
    QString dataDir;
    QString database; // empty: SQLite in dataDir; "postgresql://..." otherwise
    QString realm = QStringLiteral("velmora");
    QString clientId = QStringLiteral("5e0d2a9c7b3f4186a2d4c0e9b1f7a364");
    QString accountBasePath = QStringLiteral("/account/v1");
    QString syncBasePath = QStringLiteral("/penwick/v1");
    int accessTokenSeconds = 900;
    int refreshTokenDays = 30;
    QByteArray secret; // empty: generated once and kept in dataDir
    QString updatesDir;
    QString certificateFile;
    QString keyFile;
    bool allowInsecureHttp = false;
    qint64 maxBodyBytes = 8 * 1024 * 1024;
    bool testHooks = false;
    bool fastPasswordHashing = false; // tests only: Argon2id at its minimum cost

    // Parses the arguments (without the program name); nullopt and an error
    // text on a bad option. "--help" gives nullopt with the usage in error.
    static std::optional<ServerOptions> parse(const QStringList &arguments, QString *error);
};
