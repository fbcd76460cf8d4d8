// A page of the sync pull, as the server would send it, applied to the
// database the way the sync engine applies it: whole or not at all.

#include "fuzzdatabase.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "sync/synclocalstore.h"

#include <QJsonDocument>
#include <QSqlQuery>
#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace {

// Every stored row and the cursor, so a refused page can be seen to change nothing.
QString snapshot(FuzzDatabase &db)
{
    QSqlQuery q(db.database->connection());
    if (!q.exec(u"SELECT (SELECT COUNT(*) || '/' || IFNULL(MAX(updated_at), '') FROM accounts) || ' ' ||"
                u" (SELECT COUNT(*) || '/' || IFNULL(MAX(updated_at), '') FROM categories) || ' ' ||"
                u" (SELECT COUNT(*) || '/' || IFNULL(MAX(updated_at), '') FROM transactions) || ' ' ||"
                u" (SELECT COUNT(*) || '/' || IFNULL(MAX(updated_at), '') FROM recurring_transactions) || ' ' ||"
                u" (SELECT COUNT(*) || '/' || IFNULL(MAX(updated_at), '') FROM reconciliations)"_s)
        || !q.next())
        __builtin_trap();
    return q.value(0).toString() + u' ' + db.preferences->value(SyncLocalStore::kCursorKey);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzDatabase &db = FuzzDatabase::instance();
    // The engine hands over whatever object the reply held.
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!document.isObject())
        return 0;
    static SyncLocalStore *store = new SyncLocalStore(db.accounts, db.transactions, db.categories, db.recurring,
                                                      db.reconciliations, db.preferences, db.owner);
    // Twice: the second time every row meets the one the first put there.
    for (int round = 0; round < 2; ++round) {
        const QString before = snapshot(db);
        const SyncLocalStore::PageOutcome outcome = store->applyPage(document.object());
        if (!outcome.ok && (snapshot(db) != before || outcome.error.isEmpty()))
            __builtin_trap();
    }
    db.reset();
    return 0;
}
