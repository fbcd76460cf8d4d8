#include "backuparchive.h"

#include <QtEndian>

#include <zlib.h>

using namespace Qt::StringLiterals;

namespace {

constexpr quint32 kLocalSignature = 0x04034b50;
constexpr quint32 kDirectorySignature = 0x02014b50;
constexpr quint32 kEndSignature = 0x06054b50;
constexpr quint32 kZip64EndSignature = 0x06064b50;
constexpr quint32 kZip64LocatorSignature = 0x07064b50;

constexpr qint64 kLocalHeaderSize = 30;
constexpr qint64 kDirectoryRecordSize = 46;
constexpr qint64 kEndSize = 22;
constexpr qint64 kZip64EndSize = 56;
constexpr qint64 kZip64LocatorSize = 20;
constexpr qint64 kMaxCommentSize = 0xFFFF;

constexpr quint16 kStored = 0;
constexpr quint16 kDeflated = 8;
constexpr quint16 kEncryptedFlag = 0x0001;
constexpr quint16 kDataDescriptorFlag = 0x0008;
// Deflate cannot expand input by more than this factor.
constexpr qint64 kMaxDeflateRatio = 1032;

quint16 u16(const char *p) { return qFromLittleEndian<quint16>(p); }
quint32 u32(const char *p) { return qFromLittleEndian<quint32>(p); }
quint64 u64(const char *p) { return qFromLittleEndian<quint64>(p); }

void put16(QByteArray &bytes, qint64 at, quint16 value) { qToLittleEndian<quint16>(value, bytes.data() + at); }
void put32(QByteArray &bytes, qint64 at, quint32 value) { qToLittleEndian<quint32>(value, bytes.data() + at); }
void put64(QByteArray &bytes, qint64 at, quint64 value) { qToLittleEndian<quint64>(value, bytes.data() + at); }

// Position of the end-of-directory record, or -1. Like every ZIP reader, take
// the one closest to the end: only a comment may follow it.
qint64 findEnd(const QByteArray &bytes)
{
    const qint64 size = bytes.size();
    if (size < kEndSize)
        return -1;
    const qint64 lowest = qMax<qint64>(0, size - kEndSize - kMaxCommentSize);
    for (qint64 pos = size - kEndSize; pos >= lowest; --pos) {
        if (u32(bytes.constData() + pos) == kEndSignature)
            return pos;
    }
    return -1;
}

} // namespace

BackupArchive::BackupArchive(const QByteArray &bytes)
    : m_bytes(bytes)
{
    m_valid = scan();
    if (!m_valid)
        m_entries.clear();
}

bool BackupArchive::scan()
{
    const char *data = m_bytes.constData();
    const qint64 end = findEnd(m_bytes);
    if (end < 0)
        return false;

    quint64 directorySize = u32(data + end + 12);
    quint64 directoryOffset = u32(data + end + 16);
    quint64 directoryLimit = quint64(end);

    // ZIP64 end records sit right before the classic one when present.
    const qint64 locator = end - kZip64LocatorSize;
    if (locator >= 0 && u32(data + locator) == kZip64LocatorSignature) {
        const quint64 record = u64(data + locator + 8);
        if (locator >= kZip64EndSize && record <= quint64(locator - kZip64EndSize)
            && u32(data + record) == kZip64EndSignature) {
            directorySize = u64(data + record + 40);
            directoryOffset = u64(data + record + 48);
            directoryLimit = record;
        }
    }
    if (directoryOffset > directoryLimit || directorySize > directoryLimit - directoryOffset)
        return false;

    qint64 pos = qint64(directoryOffset);
    const qint64 limit = qint64(directoryOffset + directorySize);
    while (pos < limit) {
        if (limit - pos < kDirectoryRecordSize || u32(data + pos) != kDirectorySignature)
            return false;
        const char *record = data + pos;
        const qint64 nameLength = u16(record + 28);
        const qint64 next = pos + kDirectoryRecordSize + nameLength + u16(record + 30) + u16(record + 32);
        if (next > limit)
            return false;
        Entry entry;
        entry.path = QString::fromUtf8(record + kDirectoryRecordSize, nameLength);
        entry.flags = u16(record + 8);
        entry.method = u16(record + 10);
        entry.crc = u32(record + 16);
        // A ZIP64 size of 0xFFFFFFFF stays as declared: far beyond any limit.
        entry.compressedSize = u32(record + 20);
        entry.size = u32(record + 24);
        entry.localOffset = u32(record + 42);
        entry.directoryOffset = pos;
        m_entries.append(entry);
        pos = next;
    }
    return true;
}

const BackupArchive::Entry *BackupArchive::find(const QString &path) const
{
    for (const Entry &entry : m_entries) {
        if (entry.path == path)
            return &entry;
    }
    return nullptr;
}

qint64 BackupArchive::inflatedSizeBound(const Entry &entry)
{
    if (entry.method == kDeflated)
        return qMax(entry.size, entry.compressedSize * kMaxDeflateRatio);
    return entry.size;
}

std::optional<QByteArray> BackupArchive::read(const Entry &entry, QString *problem) const
{
    const auto refuse = [&](const QString &reason) -> std::optional<QByteArray> {
        if (problem)
            *problem = reason;
        return std::nullopt;
    };
    if ((entry.flags & kEncryptedFlag) || (entry.method != kStored && entry.method != kDeflated))
        return refuse(tr("%1: encrypted or compressed in an unknown way").arg(entry.path));

    const qint64 size = m_bytes.size();
    const char *data = m_bytes.constData();
    if (entry.localOffset > size - kLocalHeaderSize || u32(data + entry.localOffset) != kLocalSignature)
        return refuse(tr("%1: entry data missing").arg(entry.path));
    const char *local = data + entry.localOffset;
    const qint64 nameLength = u16(local + 26);
    const qint64 dataStart = entry.localOffset + kLocalHeaderSize + nameLength + u16(local + 28);
    if (dataStart > size || entry.compressedSize > size - dataStart)
        return refuse(tr("%1: entry data missing").arg(entry.path));

    // The directory's sizes bound what is extracted; a reader going by the
    // local header instead must never see different values.
    const quint16 localFlags = u16(local + 6);
    const bool deferred = (localFlags & kDataDescriptorFlag) && u32(local + 14) == 0 && u32(local + 18) == 0
        && u32(local + 22) == 0;
    const bool agrees = u16(local + 8) == entry.method && (localFlags & kEncryptedFlag) == 0
        && QByteArray::fromRawData(local + kLocalHeaderSize, nameLength) == entry.path.toUtf8()
        && (deferred
            || (u32(local + 14) == entry.crc && qint64(u32(local + 18)) == entry.compressedSize
                && qint64(u32(local + 22)) == entry.size));
    if (!agrees)
        return refuse(tr("%1: local header does not match the archive directory").arg(entry.path));

    QByteArray out;
    if (entry.method == kStored) {
        if (entry.compressedSize != entry.size)
            return refuse(tr("%1: size does not match the archive directory").arg(entry.path));
        out = QByteArray(data + dataStart, entry.size);
    } else {
        // Inflate into exactly the declared size: a member that would produce
        // one byte more is refused while inflating, not after.
        out.resize(entry.size);
        z_stream stream{};
        if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
            return refuse(tr("%1: cannot be decompressed").arg(entry.path));
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data + dataStart));
        stream.avail_in = uInt(entry.compressedSize);
        stream.next_out = reinterpret_cast<Bytef *>(out.data());
        stream.avail_out = uInt(entry.size);
        int status = inflate(&stream, Z_FINISH);
        if (status == Z_BUF_ERROR && stream.avail_out == 0) {
            // Output full: only a clean end of stream may remain.
            Bytef spare = 0;
            stream.next_out = &spare;
            stream.avail_out = 1;
            status = inflate(&stream, Z_FINISH);
            if (stream.avail_out == 0)
                status = Z_BUF_ERROR;
        }
        const qint64 produced = qint64(stream.total_out);
        inflateEnd(&stream);
        if (status != Z_STREAM_END || produced != entry.size)
            return refuse(tr("%1: size does not match the archive directory").arg(entry.path));
    }
    const quint32 crc = quint32(crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef *>(out.constData()),
                                      uInt(out.size())));
    if (crc != entry.crc)
        return refuse(tr("%1: checksum mismatch, the archive is damaged").arg(entry.path));
    return out;
}

void BackupArchive::addZip64End(QByteArray &zip)
{
    const qint64 end = zip.size() - kEndSize;
    if (end < 0 || u32(zip.constData() + end) != kEndSignature)
        return;
    const quint64 directorySize = u32(zip.constData() + end + 12);
    const quint64 directoryOffset = u32(zip.constData() + end + 16);
    if (directoryOffset + directorySize != quint64(end))
        return;

    // The classic record's count has wrapped; count the directory itself.
    quint64 count = 0;
    for (quint64 pos = directoryOffset; pos + kDirectoryRecordSize <= quint64(end);) {
        const char *record = zip.constData() + pos;
        if (u32(record) != kDirectorySignature)
            return;
        pos += kDirectoryRecordSize + u16(record + 28) + u16(record + 30) + u16(record + 32);
        ++count;
    }
    if (count <= 0xFFFF)
        return;

    QByteArray records(kZip64EndSize + kZip64LocatorSize, '\0');
    put32(records, 0, kZip64EndSignature);
    put64(records, 4, kZip64EndSize - 12); // size of the rest of the record
    put16(records, 12, 45);                // version made by
    put16(records, 14, 45);                // version needed
    put64(records, 24, count);
    put64(records, 32, count);
    put64(records, 40, directorySize);
    put64(records, 48, directoryOffset);
    put32(records, kZip64EndSize, kZip64LocatorSignature);
    put64(records, kZip64EndSize + 8, quint64(end));
    put32(records, kZip64EndSize + 16, 1); // number of disks

    put16(zip, end + 8, 0xFFFF);
    put16(zip, end + 10, 0xFFFF);
    zip.insert(end, records);
}
