// The rows of a backup: each input is a list of archive members, written
// into a real ZIP and restored into the database three times (skip existing,
// replace, keep newer), so the row checks, the statements built from the
// file's column names and the updates of rows already there all run.
//
// Input: members separated by a line "%%"; each member is a line with its
// name ("accounts/a1.json") and then its JSON document. A manifest is added
// when the input has none.

#include "fuzzdatabase.h"
#include "services/backupservice.h"
#include "storage/database.h"

#include <QBuffer>
#include <QSet>
#include <QSqlQuery>
#include <cstddef>
#include <cstdint>

#include <private/qzipwriter_p.h>

using namespace Qt::StringLiterals;

namespace {

qint64 rowCount(FuzzDatabase &db)
{
    QSqlQuery q(db.database->connection());
    if (!q.exec(u"SELECT (SELECT COUNT(*) FROM accounts) + (SELECT COUNT(*) FROM categories)"
                u" + (SELECT COUNT(*) FROM transactions) + (SELECT COUNT(*) FROM split_lines)"
                u" + (SELECT COUNT(*) FROM recurring_transactions) + (SELECT COUNT(*) FROM reconciliations)"_s)
        || !q.next())
        __builtin_trap();
    return q.value(0).toLongLong();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzDatabase &db = FuzzDatabase::instance();
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QZipWriter zip(&buffer);
        QSet<QByteArray> names;
        qsizetype start = 0;
        while (start <= input.size()) {
            qsizetype end = input.indexOf("\n%%\n", start);
            if (end < 0)
                end = input.size();
            const QByteArray member = input.mid(start, end - start);
            start = end + 4;
            const qsizetype newline = member.indexOf('\n');
            const QByteArray name = newline < 0 ? member : member.left(newline);
            if (name.isEmpty() || names.contains(name))
                continue;
            names.insert(name);
            zip.addFile(QString::fromUtf8(name), newline < 0 ? QByteArray() : member.mid(newline + 1));
        }
        if (!names.contains("manifest.json"))
            zip.addFile(u"manifest.json"_s, R"({"version": 1})");
        zip.close();
    }

    BackupService service(db.database);
    for (const BackupImportMode mode :
         {BackupImportMode::SkipExisting, BackupImportMode::Replace, BackupImportMode::KeepNewer}) {
        const qint64 before = rowCount(db);
        const BackupImportResult result = service.importBackup(buffer.data(), mode);
        // A refused restore changes nothing.
        if (!result.failure.isEmpty() && (result.importedTotal() != 0 || rowCount(db) != before))
            __builtin_trap();
    }
    db.reset();
    return 0;
}
