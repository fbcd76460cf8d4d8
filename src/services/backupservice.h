#pragma once

#include "backupimportresult.h"
#include "writeresult.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

class Database;

// Writes every row of the six data tables to a ZIP file of JSON documents and
// merges such a file back into the database. Restored rows are marked pending
// so the next sync uploads them as new.
class BackupService final : public QObject
{
    Q_OBJECT
public:
    explicit BackupService(Database *database, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(BackupService)

    // Limits on what a restore will extract, far above any household's data:
    // a larger archive is refused instead of exhausting memory.
    static constexpr qint64 kMaxEntryBytes = 64LL * 1024 * 1024;
    static constexpr qint64 kMaxTotalBytes = 2048LL * 1024 * 1024;

    // The archive's bytes; empty, with the reason in `error`, when any table
    // cannot be read or the archive cannot be built. A backup missing a table
    // would look complete and restore as an empty register.
    QByteArray exportBackup(QString *error = nullptr) const;
    // Exports and writes the archive to `path` through a temporary file, so a
    // failed write never leaves half an archive or replaces a good one.
    WriteResult exportBackupTo(const QString &path) const;
    // Where the copy taken before a restore that replaces rows goes: next to
    // the database, named after the moment.
    QString safetyBackupPath(const QDateTime &now) const;
    BackupImportResult importBackup(const QByteArray &zipBytes, BackupImportMode mode);

    static QString modeLabel(BackupImportMode mode);

private:
    Database *m_database;
};
