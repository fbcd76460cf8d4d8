// A backup file's bytes: the directory walk, every entry's header checks,
// bounded inflation and CRC, and the ZIP64 end records added to a copy.

#include "services/backuparchive.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const BackupArchive archive(bytes);
    for (const BackupArchive::Entry &entry : archive.entries()) {
        // The restore refuses larger entries before reading them.
        if (BackupArchive::inflatedSizeBound(entry) > 1024 * 1024)
            continue;
        QString problem;
        const std::optional<QByteArray> contents = archive.read(entry, &problem);
        if (contents && contents->size() != entry.size)
            __builtin_trap();
        archive.find(entry.path);
    }
    BackupArchive::addZip64End(bytes);
    return 0;
}
