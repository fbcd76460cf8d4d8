#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

using namespace Qt::StringLiterals;

namespace {
constexpr int kConnectMs = 500;
constexpr qint64 kMaxMessage = 1 << 20;
}

SingleInstance::SingleInstance(const QString &dataDirectory, QObject *parent)
    : QObject(parent)
{
    const QByteArray key = QDir(dataDirectory).absolutePath().toUtf8();
    m_name = u"penwick-"_s + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24));
}

bool SingleInstance::forwardToRunning(const QStringList &files) const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kConnectMs))
        return false;
    QStringList absolute;
    for (const QString &file : files)
        absolute.append(QDir::current().absoluteFilePath(file));
    socket.write(absolute.join(u'\n').toUtf8() + '\0');
    const bool sent = socket.waitForBytesWritten(kConnectMs);
    socket.disconnectFromServer();
    return sent;
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // A socket left behind by a program that crashed: nobody answered above.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name)) {
            qWarning().noquote() << "SingleInstance: cannot listen:" << m_server->errorString();
            return false;
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                QByteArray data = socket->property("buffer").toByteArray() + socket->readAll();
                if (data.size() > kMaxMessage) {
                    socket->abort();
                    return;
                }
                const qsizetype end = data.indexOf('\0');
                if (end < 0) {
                    socket->setProperty("buffer", data);
                    return;
                }
                const QString text = QString::fromUtf8(data.left(end));
                emit filesReceived(text.isEmpty() ? QStringList() : text.split(u'\n'));
                socket->disconnectFromServer();
            });
        }
    });
    return true;
}
