#include "bulkwriter.h"

#include "database.h"
#include "entitytypes.h"
#include "splitline.h"
#include "sqlcodec.h"
#include "transaction.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

#include <limits>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

const char *const kInsertTransactionSql =
    "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, "
    "cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, recurring_id, version, "
    "sync_status, server_id, created_at, updated_at) "
    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

const char *const kInsertSplitSql =
    "INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, updated_at) "
    "VALUES (?, ?, ?, ?, ?, ?, ?)";

// Page cache for the batch: the indexes of a large import no longer fit the
// default 2 MB, and every page pushed out is written and read back.
constexpr int kBatchCacheKiB = 128 * 1024;

// Rows the batch changes or removes that were indexed before it: their old
// values are what the index's 'delete' command needs.
const QString kOldRowsTable = u"temp.penwick_bulk_fts_old"_s;

void bindText(sqlite3_stmt *s, int index, const QByteArray &utf8)
{
    sqlite3_bind_text(s, index, utf8.constData(), int(utf8.size()), SQLITE_STATIC);
}

// Encodes into a buffer kept from row to row: most texts are plain ASCII
// (ids, dates, most payees) and need neither an allocation nor a full
// UTF-8 encoder.
const QByteArray &encoded(QByteArray &buffer, QStringView text)
{
    const qsizetype n = text.size();
    buffer.resize(n);
    char *out = buffer.data();
    const char16_t *in = text.utf16();
    for (qsizetype i = 0; i < n; ++i) {
        if (in[i] >= 0x80) {
            buffer = text.toUtf8();
            return buffer;
        }
        out[i] = char(in[i]);
    }
    return buffer;
}

const char *statusText(SyncStatus status)
{
    switch (status) {
    case SyncStatus::Pending:
        return "pending";
    case SyncStatus::Synced:
        return "synced";
    case SyncStatus::Conflict:
        return "conflict";
    }
    return nullptr;
}

// Writes `value` as `width` digits; the caller has checked it fits.
char *digits(char *out, int value, int width)
{
    for (int i = width - 1; i >= 0; --i) {
        out[i] = char('0' + value % 10);
        value /= 10;
    }
    return out + width;
}

// "yyyy-MM-dd" for years 0 to 9999; one calendar conversion for all three parts.
bool writeDate(char *out, const QDate &date)
{
    int y = 0, m = 0, d = 0;
    date.getDate(&y, &m, &d);
    if (y < 0 || y > 9999)
        return false;
    out = digits(out, y, 4);
    *out++ = '-';
    out = digits(out, m, 2);
    *out++ = '-';
    digits(out, d, 2);
    return true;
}

void dateBytes(QByteArray &buffer, const QDate &date)
{
    if (!date.isValid()) {
        buffer.resize(0);
        return;
    }
    buffer.resize(10);
    if (!writeDate(buffer.data(), date))
        buffer = SqlCodec::dateText(date).toUtf8();
}

} // namespace

BulkWriter::BulkWriter(const QSqlDatabase &db)
    : m_db(db)
    , m_handle(Database::nativeHandle(db))
{
}

BulkWriter::~BulkWriter()
{
    // After a rollback there is nothing to restore: the rollback did.
    if (m_active && Database::inTransaction(m_db))
        finish();
    release();
    restoreCache();
}

void BulkWriter::restoreCache()
{
    if (m_savedCache == 0)
        return;
    QSqlQuery q(m_db);
    q.exec(u"PRAGMA cache_size = %1"_s.arg(m_savedCache));
    m_savedCache = 0;
}

void BulkWriter::release()
{
    sqlite3_finalize(m_insertTransaction);
    sqlite3_finalize(m_insertSplit);
    m_insertTransaction = nullptr;
    m_insertSplit = nullptr;
}

bool BulkWriter::exec(const QString &sql)
{
    QSqlQuery q(m_db);
    if (q.exec(sql))
        return true;
    m_error = q.lastError().text();
    qWarning().noquote() << "BulkWriter: statement failed:" << m_error << "\nStatement:" << sql.left(200);
    return false;
}

bool BulkWriter::begin()
{
    if (m_active)
        return true;
    if (!m_handle || !Database::inTransaction(m_db)) {
        m_error = u"no open write transaction"_s;
        qWarning().noquote() << "BulkWriter: begin outside a transaction";
        return false;
    }
    QSqlQuery q(m_db);
    if (!q.exec(u"SELECT COALESCE(MAX(rowid), 0) FROM main.transactions"_s) || !q.next()) {
        m_error = q.lastError().text();
        return false;
    }
    m_watermark = q.value(0).toLongLong();
    if (q.exec(u"PRAGMA cache_size"_s) && q.next()) {
        const qint64 cache = q.value(0).toLongLong();
        // Negative values are KiB, positive ones pages of usually 4 KiB.
        if ((cache < 0 ? -cache : cache * 4) < kBatchCacheKiB && q.exec(u"PRAGMA cache_size = -%1"_s.arg(kBatchCacheKiB)))
            m_savedCache = cache;
    }
    QStringList names;
    if (!q.exec(u"SELECT name, sql FROM main.sqlite_master WHERE type = 'trigger' AND tbl_name = 'transactions' "
                "AND sql LIKE '%transactions_fts%' ORDER BY rowid"_s)) {
        m_error = q.lastError().text();
        return false;
    }
    while (q.next()) {
        names.append(q.value(0).toString());
        m_triggers.append(q.value(1).toString());
    }
    q.finish();
    // No triggers: an outer batch has them and indexes these rows too. At the
    // very top of the rowid range new rowids are random, so no watermark
    // tells them apart; the triggers then stay.
    m_deferred = !names.isEmpty() && m_watermark < std::numeric_limits<qint64>::max();
    if (m_deferred) {
        // A temporary trigger finds the temporary table without its schema name.
        const QString log =
            u"INSERT OR IGNORE INTO penwick_bulk_fts_old VALUES (old.rowid, old.payee, old.memo, old.check_number)"_s;
        bool ok = exec(u"CREATE TEMP TABLE IF NOT EXISTS penwick_bulk_fts_old "
                       "(id INTEGER PRIMARY KEY, payee, memo, check_number)"_s)
            && exec(u"DELETE FROM %1"_s.arg(kOldRowsTable));
        for (const QString &name : std::as_const(names))
            ok = ok && exec(u"DROP TRIGGER main.\"%1\""_s.arg(QString(name).replace(u'"', u"\"\""_s)));
        ok = ok
            && exec(u"CREATE TEMP TRIGGER penwick_bulk_fts_au AFTER UPDATE ON main.transactions WHEN old.rowid <= %1 "
                    "BEGIN %2; END"_s.arg(m_watermark).arg(log))
            && exec(u"CREATE TEMP TRIGGER penwick_bulk_fts_ad AFTER DELETE ON main.transactions WHEN old.rowid <= %1 "
                    "BEGIN %2; END"_s.arg(m_watermark).arg(log));
        if (!ok) {
            // The caller rolls back; that restores whatever was dropped.
            m_triggers.clear();
            m_deferred = false;
            return false;
        }
    } else {
        m_triggers.clear();
    }
    m_active = true;
    return true;
}

sqlite3_stmt *BulkWriter::prepare(sqlite3_stmt *&statement, const char *sql)
{
    if (!statement && sqlite3_prepare_v3(m_handle, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK) {
        m_error = QString::fromUtf8(sqlite3_errmsg(m_handle));
        qWarning().noquote() << "BulkWriter: prepare failed:" << m_error;
        statement = nullptr;
    }
    return statement;
}

bool BulkWriter::step(sqlite3_stmt *statement, const char *failureLog)
{
    // Every parameter is bound again for the next row; the buffers they
    // point into are only reused after this reset.
    const int rc = sqlite3_step(statement);
    sqlite3_reset(statement);
    if (rc == SQLITE_DONE)
        return true;
    m_error = QString::fromUtf8(sqlite3_errmsg(m_handle));
    if ((rc & 0xFF) == SQLITE_BUSY || (rc & 0xFF) == SQLITE_LOCKED)
        m_error = Database::busyMessage();
    qWarning().noquote() << failureLog << m_error;
    return false;
}

const QByteArray &BulkWriter::stamp(const QDateTime &timestamp, int slot)
{
    if (!timestamp.isValid()) {
        m_stampSecs[slot] = std::numeric_limits<qint64>::min();
        m_stampText[slot] = QByteArray("");
        return m_stampText[slot];
    }
    // Whole seconds in UTC, as SqlCodec::timestampText writes them.
    const qint64 msecs = timestamp.toMSecsSinceEpoch();
    const qint64 secs = msecs / 1000 - (msecs % 1000 < 0 ? 1 : 0);
    if (secs == m_stampSecs[slot])
        return m_stampText[slot];
    m_stampSecs[slot] = secs;
    const qint64 days = secs / 86400 - (secs % 86400 < 0 ? 1 : 0);
    const int inDay = int(secs - days * 86400);
    const QDate date = QDate(1970, 1, 1).addDays(days);
    char buffer[20];
    if (date.isValid() && writeDate(buffer, date)) {
        char *out = buffer + 10;
        *out++ = 'T';
        out = digits(out, inDay / 3600, 2);
        *out++ = ':';
        out = digits(out, inDay / 60 % 60, 2);
        *out++ = ':';
        out = digits(out, inDay % 60, 2);
        *out = 'Z';
        m_stampText[slot] = QByteArray(buffer, 20);
    } else {
        m_stampText[slot] = SqlCodec::timestampText(timestamp).toUtf8();
    }
    return m_stampText[slot];
}

void BulkWriter::bindText(sqlite3_stmt *s, int index, const QString &text)
{
    ::bindText(s, index, encoded(m_buffers[index - 1], text));
}

// Empty references are NULL so foreign keys accept them.
void BulkWriter::bindReference(sqlite3_stmt *s, int index, const QString &id)
{
    if (id.isEmpty())
        sqlite3_bind_null(s, index);
    else
        bindText(s, index, id);
}

bool BulkWriter::insertTransaction(const Transaction &t)
{
    sqlite3_stmt *s = m_active ? prepare(m_insertTransaction, kInsertTransactionSql) : nullptr;
    if (!s)
        return false;
    bindText(s, 1, t.id);
    bindText(s, 2, t.account_id);
    dateBytes(m_buffers[2], t.date);
    ::bindText(s, 3, m_buffers[2]);
    bindText(s, 4, t.payee);
    bindText(s, 5, t.memo);
    sqlite3_bind_int64(s, 6, t.amount);
    bindReference(s, 7, t.category_id);
    bindText(s, 8, t.check_number);
    sqlite3_bind_int(s, 9, t.cleared ? 1 : 0);
    sqlite3_bind_int(s, 10, t.reconciled ? 1 : 0);
    bindText(s, 11, t.transfer_link_id);
    bindText(s, 12, t.transfer_dest_account_id);
    sqlite3_bind_int(s, 13, t.is_split ? 1 : 0);
    bindText(s, 14, t.recurring_id);
    sqlite3_bind_int(s, 15, t.version);
    if (const char *status = statusText(t.sync_status))
        sqlite3_bind_text(s, 16, status, -1, SQLITE_STATIC);
    else
        bindText(s, 16, syncStatusToString(t.sync_status));
    bindText(s, 17, t.server_id);
    ::bindText(s, 18, stamp(t.created_at, 0));
    ::bindText(s, 19, stamp(t.updated_at, 1));
    return step(s, "TransactionRepository::insert failed:");
}

bool BulkWriter::insertSplitLine(const SplitLine &line)
{
    sqlite3_stmt *s = m_active ? prepare(m_insertSplit, kInsertSplitSql) : nullptr;
    if (!s)
        return false;
    bindText(s, 1, line.id);
    bindText(s, 2, line.transaction_id);
    bindText(s, 3, line.category_id);
    sqlite3_bind_int64(s, 4, line.amount);
    bindText(s, 5, line.memo);
    ::bindText(s, 6, stamp(line.created_at, 0));
    ::bindText(s, 7, stamp(line.updated_at, 1));
    return step(s, "SplitLineRepository::insert failed:");
}

bool BulkWriter::finish()
{
    if (!m_active)
        return false;
    m_active = false;
    release();
    if (!m_deferred) {
        restoreCache();
        return true;
    }
    m_deferred = false;
    // Old entries out, then the rows as they are now: the new ones above the
    // watermark and the older ones the batch changed (removed ones are gone).
    bool ok = exec(u"INSERT INTO main.transactions_fts(transactions_fts, rowid, payee, memo, check_number) "
                   "SELECT 'delete', id, payee, memo, check_number FROM %1"_s.arg(kOldRowsTable))
        && exec(u"INSERT INTO main.transactions_fts(rowid, payee, memo, check_number) "
                "SELECT rowid, payee, memo, check_number FROM main.transactions WHERE rowid > %1"_s.arg(m_watermark))
        && exec(u"INSERT INTO main.transactions_fts(rowid, payee, memo, check_number) "
                "SELECT t.rowid, t.payee, t.memo, t.check_number FROM %1 o JOIN main.transactions t ON t.rowid = o.id"_s
                    .arg(kOldRowsTable))
        && exec(u"DROP TRIGGER temp.penwick_bulk_fts_au"_s) && exec(u"DROP TRIGGER temp.penwick_bulk_fts_ad"_s)
        && exec(u"DELETE FROM %1"_s.arg(kOldRowsTable));
    for (const QString &sql : std::as_const(m_triggers))
        ok = ok && exec(sql);
    m_triggers.clear();
    restoreCache();
    return ok;
}
