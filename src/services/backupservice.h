#pragma once

#include "backupimportresult.h"

#include <QByteArray>
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

    QByteArray exportBackup() const;
    BackupImportResult importBackup(const QByteArray &zipBytes, BackupImportMode mode);

    static QString modeLabel(BackupImportMode mode);

private:
    Database *m_database;
};
