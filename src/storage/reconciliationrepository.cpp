#include "reconciliationrepository.h"

#include "database.h"
#include "sqlcodec.h"

#include <QSqlQuery>

using namespace Qt::StringLiterals;
using namespace SqlCodec;

namespace {
const QString kColumns = u"id, account_id, statement_date, statement_balance, reconciled_balance, completed_at, "
                         "version, sync_status, server_id, created_at, updated_at, deleted_at"_s;
}

ReconciliationRepository::ReconciliationRepository(Database *db, QObject *parent)
    : QObject(parent)
    , m_db(db)
{
}

Reconciliation ReconciliationRepository::fromRow(const QSqlQuery &q)
{
    Reconciliation r;
    r.id = q.value(0).toString();
    r.account_id = q.value(1).toString();
    r.statement_date = toDate(q.value(2));
    r.statement_balance = q.value(3).toLongLong();
    r.reconciled_balance = q.value(4).toLongLong();
    r.completed_at = toTimestamp(q.value(5));
    r.version = q.value(6).toInt();
    r.sync_status = syncStatusFromString(q.value(7).toString());
    r.server_id = q.value(8).toString();
    r.created_at = toTimestamp(q.value(9));
    r.updated_at = toTimestamp(q.value(10));
    r.deleted_at = toOptionalTimestamp(q.value(11));
    return r;
}

QList<Reconciliation> ReconciliationRepository::readList(const QString &sql, const QVariantList &values) const
{
    return readRecords<Reconciliation>(m_db->connection(), sql.arg(kColumns), values,
                                       &ReconciliationRepository::fromRow);
}

QList<Reconciliation> ReconciliationRepository::findByAccount(const QString &accountId) const
{
    return readList(u"SELECT %1 FROM reconciliations WHERE account_id = ? AND deleted_at IS NULL "
                    "ORDER BY statement_date DESC"_s, {accountId});
}

std::optional<Reconciliation> ReconciliationRepository::findLatest(const QString &accountId) const
{
    return firstOf(readList(u"SELECT %1 FROM reconciliations WHERE account_id = ? AND deleted_at IS NULL "
                               "ORDER BY statement_date DESC LIMIT 1"_s, {accountId}));
}

std::optional<Reconciliation> ReconciliationRepository::findById(const QString &id) const
{
    return firstOf(readList(u"SELECT %1 FROM reconciliations WHERE id = ?"_s, {id}));
}

bool ReconciliationRepository::insert(const Reconciliation &r)
{
    // The one insert that fills missing timestamps itself.
    const QString now = nowText();
    const QString created = r.created_at.isValid() ? timestampText(r.created_at) : now;
    const QString updated = r.updated_at.isValid() ? timestampText(r.updated_at) : now;
    QSqlQuery q(m_db->connection());
    const bool ok = exec(q,
        u"INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, reconciled_balance, "
        "completed_at, version, sync_status, server_id, created_at, updated_at) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s,
        {text(r.id), text(r.account_id), dateText(r.statement_date), r.statement_balance, r.reconciled_balance,
         timestampText(r.completed_at), r.version, syncStatusToString(r.sync_status), text(r.server_id),
         created, updated},
        "ReconciliationRepository::insert failed:");
    if (ok)
        emit reconciliationsChanged();
    return ok;
}

bool ReconciliationRepository::update(const Reconciliation &r)
{
    QSqlQuery q(m_db->connection());
    const bool ok = exec(q,
        u"UPDATE reconciliations SET account_id=?, statement_date=?, statement_balance=?, reconciled_balance=?, "
        "completed_at=?, version=?, sync_status=?, server_id=?, updated_at=? WHERE id=?"_s,
        {text(r.account_id), dateText(r.statement_date), r.statement_balance, r.reconciled_balance,
         timestampText(r.completed_at), r.version, syncStatusToString(r.sync_status), text(r.server_id),
         timestampText(r.updated_at), text(r.id)},
        "ReconciliationRepository::update failed:");
    if (ok)
        emit reconciliationsChanged();
    return ok;
}

int ReconciliationRepository::updateMany(const QString &sql, const QVariantList &values, const char *failureLog)
{
    const int n = execCount(m_db->connection(), sql, values, failureLog);
    if (n > 0)
        emit reconciliationsChanged();
    return n;
}

int ReconciliationRepository::softDeleteByAccount(const QString &accountId)
{
    const QString now = nowText();
    return updateMany(u"UPDATE reconciliations SET deleted_at = ?, updated_at = ?, sync_status = 'pending' "
                      "WHERE account_id = ? AND deleted_at IS NULL"_s,
                      {now, now, accountId}, "ReconciliationRepository::softDeleteByAccount failed:");
}

int ReconciliationRepository::restoreByAccount(const QString &accountId, const QString &since)
{
    return updateMany(u"UPDATE reconciliations SET deleted_at = NULL, updated_at = ?, sync_status = 'pending' "
                      "WHERE account_id = ? AND deleted_at >= ?"_s,
                      {nowText(), accountId, since}, "ReconciliationRepository::restoreByAccount failed:");
}

int ReconciliationRepository::markAllPendingForResync()
{
    return updateMany(u"UPDATE reconciliations SET sync_status = 'pending' "
                      "WHERE deleted_at IS NULL AND sync_status != 'pending'"_s,
                      {}, "ReconciliationRepository::markAllPendingForResync failed:");
}
