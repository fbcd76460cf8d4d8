#include "accountrepository.h"

#include "database.h"
#include "sqlcodec.h"

#include <QSqlQuery>

using namespace Qt::StringLiterals;
using namespace SqlCodec;

namespace {
const QString kColumns = u"id, name, account_type, currency, institution, account_number_last4, "
                         "starting_balance, sort_order, is_shared, version, sync_status, server_id, "
                         "created_at, updated_at, deleted_at"_s;
}

AccountRepository::AccountRepository(Database *db, QObject *parent)
    : QObject(parent)
    , m_db(db)
{
}

Account AccountRepository::fromRow(const QSqlQuery &q)
{
    Account a;
    a.id = q.value(0).toString();
    a.name = q.value(1).toString();
    a.account_type = accountTypeFromString(q.value(2).toString());
    a.currency = currencyFromString(q.value(3).toString());
    a.institution = q.value(4).toString();
    a.account_number_last4 = q.value(5).toString();
    a.starting_balance = q.value(6).toLongLong();
    a.sort_order = q.value(7).toInt();
    a.is_shared = q.value(8).toLongLong() != 0;
    a.version = q.value(9).toInt();
    a.sync_status = syncStatusFromString(q.value(10).toString());
    a.server_id = q.value(11).toString();
    a.created_at = toTimestamp(q.value(12));
    a.updated_at = toTimestamp(q.value(13));
    a.deleted_at = toOptionalTimestamp(q.value(14));
    return a;
}

QList<Account> AccountRepository::readList(const QString &sql, const QVariantList &values) const
{
    return readRecords<Account>(m_db->connection(), sql.arg(kColumns), values, &AccountRepository::fromRow);
}

QList<Account> AccountRepository::findAll() const
{
    return readList(u"SELECT %1 FROM accounts WHERE deleted_at IS NULL ORDER BY sort_order, name"_s, {});
}

std::optional<Account> AccountRepository::findById(const QString &id) const
{
    return firstOf(readList(u"SELECT %1 FROM accounts WHERE id = ?"_s, {id}));
}

QList<Account> AccountRepository::findDeleted() const
{
    return readList(u"SELECT %1 FROM accounts WHERE deleted_at IS NOT NULL ORDER BY name"_s, {});
}

QList<Account> AccountRepository::findPending() const
{
    return readList(u"SELECT %1 FROM accounts WHERE sync_status = 'pending'"_s, {});
}

bool AccountRepository::insert(const Account &a)
{
    QSqlQuery q(m_db->connection());
    const bool ok = exec(q,
        u"INSERT INTO accounts (id, name, account_type, currency, institution, account_number_last4, "
        "starting_balance, sort_order, is_shared, version, sync_status, server_id, created_at, updated_at) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s,
        {text(a.id), text(a.name), accountTypeToString(a.account_type), currencyToString(a.currency),
         text(a.institution), text(a.account_number_last4), a.starting_balance, a.sort_order,
         flag(a.is_shared), a.version, syncStatusToString(a.sync_status), text(a.server_id),
         timestampText(a.created_at), timestampText(a.updated_at)},
        "AccountRepository::insert failed:");
    if (ok)
        emit accountsChanged();
    return ok;
}

bool AccountRepository::update(const Account &a)
{
    QSqlQuery q(m_db->connection());
    const bool ok = exec(q,
        u"UPDATE accounts SET name=?, account_type=?, currency=?, institution=?, account_number_last4=?, "
        "starting_balance=?, sort_order=?, is_shared=?, version=?, sync_status=?, server_id=?, updated_at=? "
        "WHERE id=?"_s,
        {text(a.name), accountTypeToString(a.account_type), currencyToString(a.currency),
         text(a.institution), text(a.account_number_last4), a.starting_balance, a.sort_order,
         flag(a.is_shared), a.version, syncStatusToString(a.sync_status), text(a.server_id),
         timestampText(a.updated_at), text(a.id)},
        "AccountRepository::update failed:");
    if (ok)
        emit accountsChanged();
    return ok;
}

bool AccountRepository::softDelete(const QString &id)
{
    const QString now = nowText();
    QSqlQuery q(m_db->connection());
    const bool ok = exec(q, u"UPDATE accounts SET deleted_at=?, sync_status='pending', updated_at=? WHERE id=?"_s,
                         {now, now, id}, "AccountRepository::softDelete failed:");
    if (ok)
        emit accountsChanged();
    return ok;
}

bool AccountRepository::restore(const QString &id)
{
    QSqlQuery q(m_db->connection());
    const bool ok = exec(q, u"UPDATE accounts SET deleted_at=NULL, sync_status='pending', updated_at=? WHERE id=?"_s,
                         {nowText(), id}, "AccountRepository::restore failed:");
    if (ok)
        emit accountsChanged();
    return ok;
}

bool AccountRepository::updateSortOrders(const QList<QPair<QString, int>> &positions)
{
    QSqlDatabase db = m_db->connection();
    const QString now = nowText();
    db.transaction();
    QSqlQuery q(db);
    q.prepare(u"UPDATE accounts SET sort_order=?, updated_at=? WHERE id=?"_s);
    for (const auto &[id, position] : positions) {
        q.addBindValue(position);
        q.addBindValue(now);
        q.addBindValue(id);
        if (!q.exec()) {
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        db.rollback();
        return false;
    }
    emit accountsChanged();
    return true;
}

bool AccountRepository::markSynced(const QString &id, const QString &serverId)
{
    QSqlQuery q(m_db->connection());
    return exec(q, u"UPDATE accounts SET sync_status='synced', server_id=? WHERE id=?"_s, {text(serverId), id});
}

int AccountRepository::markAllPendingForResync()
{
    const int n = execCount(m_db->connection(),
                            u"UPDATE accounts SET sync_status = 'pending' WHERE deleted_at IS NULL "
                            "AND sync_status != 'pending'"_s,
                            {}, "AccountRepository::markAllPendingForResync failed:");
    if (n > 0)
        emit accountsChanged();
    return n;
}
