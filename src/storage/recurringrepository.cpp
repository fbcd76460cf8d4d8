#include "recurringrepository.h"

#include "database.h"
#include "sqlcodec.h"

#include <QSqlQuery>

using namespace Qt::StringLiterals;
using namespace SqlCodec;

namespace {
const QString kColumns = u"id, account_id, payee, memo, amount, category_id, frequency, start_date, end_date, "
                         "next_due_date, auto_post, is_active, transfer_dest_account_id, version, sync_status, "
                         "server_id, created_at, updated_at, deleted_at"_s;
}

RecurringRepository::RecurringRepository(Database *db, QObject *parent)
    : QObject(parent)
    , m_db(db)
{
}

RecurringTransaction RecurringRepository::fromRow(const QSqlQuery &q)
{
    RecurringTransaction r;
    r.id = q.value(0).toString();
    r.account_id = q.value(1).toString();
    r.payee = q.value(2).toString();
    r.memo = q.value(3).toString();
    r.amount = q.value(4).toLongLong();
    r.category_id = q.value(5).toString();
    r.frequency = frequencyFromString(q.value(6).toString());
    r.start_date = toDate(q.value(7));
    r.end_date = toOptionalDate(q.value(8));
    r.next_due_date = toDate(q.value(9));
    r.auto_post = q.value(10).toLongLong() != 0;
    r.is_active = q.value(11).toLongLong() != 0;
    r.transfer_dest_account_id = q.value(12).toString();
    r.version = q.value(13).toInt();
    r.sync_status = syncStatusFromString(q.value(14).toString());
    r.server_id = q.value(15).toString();
    r.created_at = toTimestamp(q.value(16));
    r.updated_at = toTimestamp(q.value(17));
    r.deleted_at = toOptionalTimestamp(q.value(18));
    return r;
}

QList<RecurringTransaction> RecurringRepository::readList(const QString &sql, const QVariantList &values) const
{
    return readRecords<RecurringTransaction>(m_db->connection(), sql.arg(kColumns), values,
                                             &RecurringRepository::fromRow);
}

QList<RecurringTransaction> RecurringRepository::findAll() const
{
    return readList(u"SELECT %1 FROM recurring_transactions WHERE deleted_at IS NULL ORDER BY next_due_date"_s, {});
}

std::optional<RecurringTransaction> RecurringRepository::findById(const QString &id) const
{
    return firstOf(readList(u"SELECT %1 FROM recurring_transactions WHERE id = ?"_s, {id}));
}

QList<RecurringTransaction> RecurringRepository::findDue(const QDate &asOf) const
{
    return readList(u"SELECT %1 FROM recurring_transactions WHERE deleted_at IS NULL AND is_active = 1 "
                    "AND next_due_date <= ?"_s, {dateText(asOf)});
}

int RecurringRepository::countDue(const QDate &asOf) const
{
    QSqlQuery q(m_db->connection());
    if (!exec(q, u"SELECT COUNT(*) FROM recurring_transactions WHERE deleted_at IS NULL AND is_active = 1 "
                 "AND next_due_date <= ?"_s, {dateText(asOf)}) || !q.next())
        return 0;
    return q.value(0).toInt();
}

void RecurringRepository::warnIfBrokenDueDate(const char *operation, const RecurringTransaction &r)
{
    // Diagnostic only: a due date before 2000 has always meant a date-parsing fault upstream.
    if (r.next_due_date.isValid() && r.next_due_date >= QDate(2000, 1, 1))
        return;
    qWarning().noquote() << QString(u"RecurringRepository::"_s + QString::fromLatin1(operation))
                         << "saving recurring with broken nextDueDate:"
                         << "id=" << r.id << "payee=" << r.payee
                         << "nextDueDate=" << r.next_due_date.toString(Qt::ISODate)
                         << "startDate=" << r.start_date.toString(Qt::ISODate)
                         << "frequency=" << static_cast<int>(r.frequency);
}

bool RecurringRepository::insert(const RecurringTransaction &r)
{
    warnIfBrokenDueDate("insert", r);
    QSqlQuery q(m_db->connection());
    const bool ok = exec(q,
        u"INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, category_id, frequency, "
        "start_date, end_date, next_due_date, auto_post, is_active, transfer_dest_account_id, version, "
        "sync_status, server_id, created_at, updated_at) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s,
        {text(r.id), text(r.account_id), text(r.payee), text(r.memo), r.amount, reference(r.category_id),
         frequencyToString(r.frequency), dateText(r.start_date), optionalDate(r.end_date),
         dateText(r.next_due_date), flag(r.auto_post), flag(r.is_active), text(r.transfer_dest_account_id),
         r.version, syncStatusToString(r.sync_status), text(r.server_id), timestampText(r.created_at),
         timestampText(r.updated_at)},
        "RecurringRepository::insert failed:");
    if (ok)
        emit recurringChanged();
    return ok;
}

bool RecurringRepository::update(const RecurringTransaction &r)
{
    warnIfBrokenDueDate("update", r);
    QSqlQuery q(m_db->connection());
    const bool ok = exec(q,
        u"UPDATE recurring_transactions SET payee=?, memo=?, amount=?, category_id=?, frequency=?, start_date=?, "
        "end_date=?, next_due_date=?, auto_post=?, is_active=?, transfer_dest_account_id=?, version=?, "
        "sync_status=?, server_id=?, updated_at=? WHERE id=?"_s,
        {text(r.payee), text(r.memo), r.amount, reference(r.category_id), frequencyToString(r.frequency),
         dateText(r.start_date), optionalDate(r.end_date), dateText(r.next_due_date), flag(r.auto_post),
         flag(r.is_active), text(r.transfer_dest_account_id), r.version, syncStatusToString(r.sync_status),
         text(r.server_id), timestampText(r.updated_at), text(r.id)},
        "RecurringRepository::update failed:");
    if (ok)
        emit recurringChanged();
    return ok;
}

bool RecurringRepository::softDelete(const QString &id)
{
    const QString now = nowText();
    QSqlQuery q(m_db->connection());
    const bool ok = exec(q, u"UPDATE recurring_transactions SET deleted_at=?, sync_status='pending', updated_at=? "
                            "WHERE id=?"_s, {now, now, id});
    if (ok)
        emit recurringChanged();
    return ok;
}

int RecurringRepository::updateMany(const QString &sql, const QVariantList &values, const char *failureLog)
{
    const int n = execCount(m_db->connection(), sql, values, failureLog);
    if (n > 0)
        emit recurringChanged();
    return n;
}

int RecurringRepository::softDeleteByAccount(const QString &accountId)
{
    const QString now = nowText();
    return updateMany(u"UPDATE recurring_transactions SET deleted_at = ?, updated_at = ?, sync_status = 'pending' "
                      "WHERE account_id = ? AND deleted_at IS NULL"_s,
                      {now, now, accountId}, "RecurringRepository::softDeleteByAccount failed:");
}

int RecurringRepository::restoreByAccount(const QString &accountId, const QString &since)
{
    return updateMany(u"UPDATE recurring_transactions SET deleted_at = NULL, updated_at = ?, sync_status = 'pending' "
                      "WHERE account_id = ? AND deleted_at >= ?"_s,
                      {nowText(), accountId, since}, "RecurringRepository::restoreByAccount failed:");
}

bool RecurringRepository::markSynced(const QString &id, const QString &serverId)
{
    QSqlQuery q(m_db->connection());
    return exec(q, u"UPDATE recurring_transactions SET sync_status='synced', server_id=? WHERE id=?"_s,
                {text(serverId), id});
}

int RecurringRepository::markAllPendingForResync()
{
    return updateMany(u"UPDATE recurring_transactions SET sync_status = 'pending' "
                      "WHERE deleted_at IS NULL AND sync_status != 'pending'"_s,
                      {}, "RecurringRepository::markAllPendingForResync failed:");
}
