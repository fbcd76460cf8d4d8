#include "filetokenstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

#include <cstdio>

namespace VelmAccount {

namespace {

constexpr qint64 kMaxFileBytes = 64 * 1024;
constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

} // namespace

FileTokenStore::FileTokenStore(const QString &filePath)
    : m_path(filePath)
{
}

QJsonObject FileTokenStore::read() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes)
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

bool FileTokenStore::write(const QJsonObject &entries)
{
    if (entries.isEmpty()) {
        const bool gone = !QFile::exists(m_path) || QFile::remove(m_path);
        if (!gone)
            qWarning().noquote() << "FileTokenStore: cannot remove" << m_path;
        return gone;
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // Created with owner-only permissions from the start and renamed into
    // place, so the tokens are never readable by others, not even briefly.
    const QString temporary = m_path + QStringLiteral(".tmp");
    QFile::remove(temporary);
    QFile file(temporary);
    const QByteArray bytes = QJsonDocument(entries).toJson(QJsonDocument::Compact);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnly) || file.write(bytes) != bytes.size()
        || !file.flush()) {
        qWarning().noquote() << "FileTokenStore: cannot write" << temporary << file.errorString();
        file.close();
        QFile::remove(temporary);
        return false;
    }
    file.close();
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(m_path).constData()) != 0) {
        qWarning().noquote() << "FileTokenStore: cannot replace" << m_path;
        QFile::remove(temporary);
        return false;
    }
    return QFile::setPermissions(m_path, kOwnerOnly);
}

std::optional<QString> FileTokenStore::load(const QString &key)
{
    const QJsonValue value = read().value(key);
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

bool FileTokenStore::save(const QString &key, const QString &value)
{
    QJsonObject entries = read();
    entries.insert(key, value);
    return write(entries);
}

bool FileTokenStore::remove(const QString &key)
{
    QJsonObject entries = read();
    if (!entries.contains(key))
        return true;
    entries.remove(key);
    return write(entries);
}

} // namespace VelmAccount
