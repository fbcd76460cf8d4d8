#include "transactionrepository.h"

#include "database.h"
#include "sqlcodec.h"

#include <QDebug>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;
using namespace SqlCodec;

namespace {
const QString kColumns = u"t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, "
                         "t.check_number, t.cleared, t.reconciled, t.transfer_link_id, "
                         "t.transfer_dest_account_id, t.is_split, t.recurring_id, t.version, "
                         "t.sync_status, t.server_id, t.created_at, t.updated_at, t.deleted_at"_s;
constexpr int kColumnCount = 20;
}

TransactionRepository::TransactionRepository(Database *db, QObject *parent)
    : QObject(parent)
    , m_db(db)
{
}

Transaction TransactionRepository::fromRow(const QSqlQuery &q, int o)
{
    Transaction t;
    t.id = q.value(o + 0).toString();
    t.account_id = q.value(o + 1).toString();
    t.date = toDate(q.value(o + 2));
    t.payee = q.value(o + 3).toString();
    t.memo = q.value(o + 4).toString();
    t.amount = q.value(o + 5).toLongLong();
    t.category_id = q.value(o + 6).toString();
    t.check_number = q.value(o + 7).toString();
    t.cleared = q.value(o + 8).toLongLong() != 0;
    t.reconciled = q.value(o + 9).toLongLong() != 0;
    t.transfer_link_id = q.value(o + 10).toString();
    t.transfer_dest_account_id = q.value(o + 11).toString();
    t.is_split = q.value(o + 12).toLongLong() != 0;
    t.recurring_id = q.value(o + 13).toString();
    t.version = q.value(o + 14).toInt();
    t.sync_status = syncStatusFromString(q.value(o + 15).toString());
    t.server_id = q.value(o + 16).toString();
    t.created_at = toTimestamp(q.value(o + 17));
    t.updated_at = toTimestamp(q.value(o + 18));
    t.deleted_at = toOptionalTimestamp(q.value(o + 19));
    return t;
}

QList<Transaction> TransactionRepository::readList(const QString &sql, const QVariantList &values) const
{
    return readRecords<Transaction>(m_db->connection(), sql.arg(kColumns), values,
                                    +[](const QSqlQuery &q) { return fromRow(q); });
}

void TransactionRepository::readRegisterRows(QList<RegisterRow> &out, const QString &sql,
                                             const QVariantList &values, qint64 *runningTotal) const
{
    QSqlQuery q(m_db->connection());
    q.setForwardOnly(true);
    if (!exec(q, sql.arg(kColumns), values))
        return;
    while (q.next()) {
        RegisterRow &row = out.emplaceBack();
        row.transaction = fromRow(q);
        row.category_name = q.value(kColumnCount).toString();
        if (runningTotal) {
            *runningTotal += row.transaction.amount;
            row.running_balance = *runningTotal;
        }
    }
}

std::optional<Transaction> TransactionRepository::findById(const QString &id) const
{
    return firstOf(readList(u"SELECT %1 FROM transactions t WHERE t.id = ?"_s, {id}));
}

QList<Transaction> TransactionRepository::findByAccount(const QString &accountId) const
{
    return readList(u"SELECT %1 FROM transactions t WHERE t.account_id = ? AND t.deleted_at IS NULL "
                    "ORDER BY t.date DESC, t.created_at DESC"_s, {accountId});
}

QList<Transaction> TransactionRepository::findUnreconciled(const QString &accountId) const
{
    return readList(u"SELECT %1 FROM transactions t WHERE t.account_id = ? AND t.deleted_at IS NULL "
                    "AND t.reconciled = 0 ORDER BY t.date ASC, t.created_at ASC"_s, {accountId});
}

QList<Transaction> TransactionRepository::findPending() const
{
    return readList(u"SELECT %1 FROM transactions t WHERE t.sync_status = 'pending'"_s, {});
}

QList<RegisterRow> TransactionRepository::registerRows(const QString &accountId) const
{
    QList<RegisterRow> rows;
    {
        // Sizing the list up front spares large registers repeated regrowth.
        QSqlQuery q(m_db->connection());
        if (exec(q, u"SELECT COUNT(*) FROM transactions WHERE account_id = ? AND deleted_at IS NULL"_s, {accountId})
            && q.next())
            rows.reserve(q.value(0).toLongLong() + 1);
    }
    visitRegisterRows(accountId, [&rows](const RegisterRow &row) { rows.append(row); });
    return rows;
}

bool TransactionRepository::visitRegisterRows(const QString &accountId,
                                              const std::function<void(const RegisterRow &)> &visit) const
{
    QSqlDatabase db = m_db->connection();
    qint64 starting = 0;
    {
        QSqlQuery q(db);
        if (exec(q, u"SELECT starting_balance FROM accounts WHERE id = ?"_s, {accountId}) && q.next())
            starting = q.value(0).toLongLong();
    }
    bool openingDue = starting != 0;
    // Rows come sorted by date, so the opening row takes the first real row's date.
    const auto opening = [&](const QDate &firstDate) {
        openingDue = false;
        RegisterRow row;
        row.transaction.payee = u"Opening Balance"_s;
        row.transaction.amount = starting;
        row.transaction.cleared = true;
        row.transaction.reconciled = true;
        row.transaction.date = firstDate.isValid() ? firstDate : QDate::currentDate();
        row.running_balance = starting;
        visit(row);
    };

    QSqlQuery q(db);
    q.setForwardOnly(true);
    const bool ok = exec(q,
        u"SELECT %1, c.name AS category_name FROM transactions t LEFT JOIN categories c ON t.category_id = c.id "
        "WHERE t.account_id = ? AND t.deleted_at IS NULL ORDER BY t.date ASC, t.created_at ASC"_s.arg(kColumns),
        {accountId});
    qint64 total = starting;
    RegisterRow row;
    while (ok && q.next()) {
        row.transaction = fromRow(q);
        row.category_name = q.value(kColumnCount).toString();
        total += row.transaction.amount;
        row.running_balance = total;
        if (openingDue)
            opening(row.transaction.date);
        visit(row);
    }
    if (openingDue)
        opening(QDate());
    return ok && q.lastError().type() == QSqlError::NoError;
}

QList<RegisterRow> TransactionRepository::search(const QString &text, const TransactionSearchFilter &filter) const
{
    QString sql;
    QVariantList values;
    if (text.isEmpty()) {
        sql = u"SELECT %1, c.name AS category_name FROM transactions t LEFT JOIN categories c ON t.category_id = c.id "
              "WHERE t.deleted_at IS NULL"_s;
    } else {
        sql = u"SELECT %1, c.name AS category_name FROM transactions t JOIN transactions_fts fts ON fts.rowid = t.rowid "
              "LEFT JOIN categories c ON t.category_id = c.id WHERE t.deleted_at IS NULL AND transactions_fts MATCH ?"_s;
        values << text;
    }
    if (!filter.account_id.isEmpty()) {
        sql += u" AND t.account_id = ?"_s;
        values << filter.account_id;
    }
    if (!filter.category_id.isEmpty()) {
        sql += u" AND t.category_id = ?"_s;
        values << filter.category_id;
    }
    if (filter.date_from.isValid()) {
        sql += u" AND t.date >= ?"_s;
        values << dateText(filter.date_from);
    }
    if (filter.date_to.isValid()) {
        sql += u" AND t.date <= ?"_s;
        values << dateText(filter.date_to);
    }
    if (filter.cleared) {
        sql += u" AND t.cleared = ?"_s;
        values << flag(*filter.cleared);
    }
    sql += u" ORDER BY t.date DESC, t.created_at DESC LIMIT 200"_s;
    QList<RegisterRow> rows;
    readRegisterRows(rows, sql, values, nullptr);
    return rows;
}

QStringList TransactionRepository::distinctPayees(bool includeTransferLegs) const
{
    QStringList out;
    QSqlQuery q(m_db->connection());
    q.setForwardOnly(true);
    const QString sql = includeTransferLegs
        ? u"SELECT DISTINCT payee FROM transactions WHERE deleted_at IS NULL AND payee != '' ORDER BY payee"_s
        : u"SELECT DISTINCT payee FROM transactions WHERE deleted_at IS NULL AND payee != '' "
          "AND (transfer_link_id IS NULL OR transfer_link_id = '') ORDER BY payee"_s;
    if (!exec(q, sql, {}))
        return out;
    while (q.next())
        out.append(q.value(0).toString());
    return out;
}

std::optional<Transaction> TransactionRepository::findLastByPayee(const QString &payee, const QString &accountId) const
{
    return firstOf(readList(u"SELECT %1 FROM transactions t WHERE t.payee = ? AND t.account_id = ? "
                               "AND t.deleted_at IS NULL ORDER BY t.date DESC, t.created_at DESC LIMIT 1"_s,
                               {payee, accountId}));
}

QHash<QString, qint64> TransactionRepository::accountBalances() const
{
    QHash<QString, qint64> out;
    QSqlQuery q(m_db->connection());
    q.setForwardOnly(true);
    if (!exec(q, u"SELECT a.id, a.starting_balance + COALESCE(s.total, 0) FROM accounts a "
                 "LEFT JOIN (SELECT account_id, SUM(amount) AS total FROM transactions "
                 "WHERE deleted_at IS NULL GROUP BY account_id) s ON s.account_id = a.id "
                 "WHERE a.deleted_at IS NULL"_s, {}))
        return out;
    while (q.next())
        out.insert(q.value(0).toString(), q.value(1).toLongLong());
    return out;
}

namespace {
const QString kInsertSql =
    u"INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, "
    "cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, recurring_id, version, "
    "sync_status, server_id, created_at, updated_at) "
    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s;

QVariantList insertValues(const Transaction &t)
{
    return {text(t.id), text(t.account_id), dateText(t.date), text(t.payee), text(t.memo), t.amount,
            reference(t.category_id), text(t.check_number), flag(t.cleared), flag(t.reconciled),
            text(t.transfer_link_id), text(t.transfer_dest_account_id), flag(t.is_split), text(t.recurring_id),
            t.version, syncStatusToString(t.sync_status), text(t.server_id), timestampText(t.created_at),
            timestampText(t.updated_at)};
}
}

bool TransactionRepository::insert(const Transaction &t)
{
    QSqlQuery q(m_db->connection());
    const bool ok = exec(q, kInsertSql, insertValues(t), "TransactionRepository::insert failed:");
    if (ok)
        emit transactionsChanged(t.account_id);
    return ok;
}

bool TransactionRepository::insertMany(const QList<Transaction> &transactions)
{
    // The full-text index flushes its pending terms at every statement
    // boundary, so one statement per row makes bulk writes several times
    // slower than the rows themselves. Many rows per statement avoid that.
    constexpr qsizetype kRowsPerStatement = 64;
    const QString rowMarks = u"(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s;
    const QString head = kInsertSql.left(kInsertSql.indexOf(u"VALUES"_s) + 7);
    auto statementFor = [&](qsizetype rows) -> QString {
        QStringList marks(rows, rowMarks);
        return head + marks.join(u", "_s);
    };

    QSqlDatabase db = m_db->connection();
    QSqlQuery full(db);
    bool fullPrepared = false;
    QStringList accounts;
    QSet<QString> seenAccounts;
    for (qsizetype start = 0; start < transactions.size(); start += kRowsPerStatement) {
        const qsizetype rows = std::min(kRowsPerStatement, transactions.size() - start);
        QSqlQuery partial(db);
        QSqlQuery *q = &full;
        if (rows == kRowsPerStatement) {
            if (!fullPrepared && !(fullPrepared = full.prepare(statementFor(rows)))) {
                qWarning().noquote() << "TransactionRepository::insert failed:" << full.lastError().text();
                return false;
            }
        } else {
            q = &partial;
            if (!partial.prepare(statementFor(rows))) {
                qWarning().noquote() << "TransactionRepository::insert failed:" << partial.lastError().text();
                return false;
            }
        }
        int index = 0;
        for (qsizetype i = start; i < start + rows; ++i) {
            const Transaction &t = transactions.at(i);
            for (const QVariant &v : insertValues(t))
                q->bindValue(index++, v);
            if (!seenAccounts.contains(t.account_id)) {
                seenAccounts.insert(t.account_id);
                accounts.append(t.account_id);
            }
        }
        if (!q->exec()) {
            qWarning().noquote() << "TransactionRepository::insert failed:" << q->lastError().text();
            return false;
        }
    }
    for (const QString &account : std::as_const(accounts))
        emit transactionsChanged(account);
    return true;
}

void TransactionRepository::notifyChanged(const QString &accountId)
{
    emit transactionsChanged(accountId);
}

bool TransactionRepository::update(const Transaction &t)
{
    QSqlQuery q(m_db->connection());
    const bool ok = exec(q,
        u"UPDATE transactions SET date=?, payee=?, memo=?, amount=?, category_id=?, check_number=?, cleared=?, "
        "reconciled=?, transfer_link_id=?, transfer_dest_account_id=?, is_split=?, recurring_id=?, version=?, "
        "sync_status=?, server_id=?, updated_at=? WHERE id=?"_s,
        {dateText(t.date), text(t.payee), text(t.memo), t.amount, reference(t.category_id), text(t.check_number),
         flag(t.cleared), flag(t.reconciled), text(t.transfer_link_id), text(t.transfer_dest_account_id),
         flag(t.is_split), text(t.recurring_id), t.version, syncStatusToString(t.sync_status), text(t.server_id),
         timestampText(t.updated_at), text(t.id)},
        "TransactionRepository::update failed:");
    if (ok)
        emit transactionsChanged(t.account_id);
    return ok;
}

bool TransactionRepository::softDelete(const QString &id)
{
    const auto existing = findById(id);
    if (!existing)
        return false;
    const QString now = nowText();
    QSqlQuery q(m_db->connection());
    const bool ok = exec(q, u"UPDATE transactions SET deleted_at=?, sync_status='pending', updated_at=? WHERE id=?"_s,
                         {now, now, id}, "TransactionRepository::softDelete failed:");
    if (ok)
        emit transactionsChanged(existing->account_id);
    return ok;
}

int TransactionRepository::updateByAccount(const QString &sql, const QVariantList &values,
                                           const QString &accountId, const char *failureLog)
{
    const int n = execCount(m_db->connection(), sql, values, failureLog);
    if (n > 0)
        emit transactionsChanged(accountId);
    return n;
}

int TransactionRepository::softDeleteByAccount(const QString &accountId)
{
    const QString now = nowText();
    return updateByAccount(u"UPDATE transactions SET deleted_at = ?, updated_at = ?, sync_status = 'pending' "
                           "WHERE account_id = ? AND deleted_at IS NULL"_s,
                           {now, now, accountId}, accountId, "TransactionRepository::softDeleteByAccount failed:");
}

int TransactionRepository::restoreByAccount(const QString &accountId, const QString &since)
{
    return updateByAccount(u"UPDATE transactions SET deleted_at = NULL, updated_at = ?, sync_status = 'pending' "
                           "WHERE account_id = ? AND deleted_at >= ?"_s,
                           {nowText(), accountId, since}, accountId, "TransactionRepository::restoreByAccount failed:");
}

bool TransactionRepository::markSynced(const QString &id, const QString &serverId)
{
    QSqlQuery q(m_db->connection());
    return exec(q, u"UPDATE transactions SET sync_status='synced', server_id=? WHERE id=?"_s, {text(serverId), id});
}

int TransactionRepository::markAllPendingForResync()
{
    return updateByAccount(u"UPDATE transactions SET sync_status = 'pending' "
                           "WHERE deleted_at IS NULL AND sync_status != 'pending'"_s,
                           {}, QString(u""_s), "TransactionRepository::markAllPendingForResync failed:");
}
