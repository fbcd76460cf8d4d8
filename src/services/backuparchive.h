#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <optional>

// Read access to a ZIP archive held in memory, for restoring backups.
//
// The directory is walked by its byte size instead of trusting the 16-bit
// entry count, which QZipWriter wraps around past 65535 entries. An entry is
// only read when its local header agrees with the directory (name, method,
// sizes, CRC); it is inflated under a cap of its declared size and its CRC-32
// is checked, so neither a lying header nor a flipped byte gets through.
class BackupArchive final
{
    Q_DECLARE_TR_FUNCTIONS(BackupArchive)
public:
    struct Entry
    {
        QString path;
        qint64 size = 0;           // uncompressed size the directory declares
        qint64 compressedSize = 0;
        quint16 method = 0;
        quint16 flags = 0;
        quint32 crc = 0;
        qint64 directoryOffset = 0; // of the central directory record
        qint64 localOffset = 0;     // of the local file header
    };

    explicit BackupArchive(const QByteArray &bytes);

    // False when the bytes hold no readable ZIP directory.
    bool isValid() const { return m_valid; }
    const QList<Entry> &entries() const { return m_entries; }
    const Entry *find(const QString &path) const;

    // Most bytes extracting the entry can produce, whatever its header claims.
    static qint64 inflatedSizeBound(const Entry &entry);

    // The entry's contents, exactly its declared size with a matching CRC;
    // nothing, with the reason in `problem`, for anything else (encrypted,
    // unknown method, local header disagreeing with the directory, data
    // outside the archive, more or fewer bytes than declared, CRC mismatch).
    std::optional<QByteArray> read(const Entry &entry, QString *problem = nullptr) const;

    // Adds the ZIP64 end records an archive with more than 65535 entries
    // needs; QZipWriter writes only the classic record. No-op otherwise.
    static void addZip64End(QByteArray &zip);

private:
    bool scan();

    QByteArray m_bytes;
    QList<Entry> m_entries;
    bool m_valid = false;
};
