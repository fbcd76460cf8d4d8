#include "reconciliationservice.h"

#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/dbtransaction.h"
#include "storage/reconciliationrepository.h"
#include "storage/sqlcodec.h"
#include "storage/transactionrepository.h"

#include <QUuid>

using namespace Qt::StringLiterals;

ReconciliationService::ReconciliationService(Database *db, AccountRepository *accounts,
                                             TransactionRepository *transactions,
                                             ReconciliationRepository *reconciliations, QObject *parent)
    : QObject(parent)
    , m_db(db)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_reconciliations(reconciliations)
{
}

qint64 ReconciliationService::previousBalance(const QString &accountId, QDate *latestReconciled) const
{
    const auto account = m_accounts->findById(accountId);
    if (latestReconciled)
        *latestReconciled = QDate();
    if (!account)
        return 0;
    QSqlQuery q(m_db->connection());
    qint64 sum = 0;
    if (SqlCodec::exec(q, u"SELECT COALESCE(SUM(amount), 0), MAX(date) FROM transactions "
                        "WHERE account_id = ? AND deleted_at IS NULL AND reconciled = 1"_s, {accountId})
        && q.next()) {
        sum = q.value(0).toLongLong();
        if (latestReconciled)
            *latestReconciled = SqlCodec::toDate(q.value(1));
    }
    return account->starting_balance + sum;
}

QDate ReconciliationService::addMonthClamped(const QDate &date)
{
    // QDate::addMonths already keeps the day where it can and clamps it to
    // the month's last day otherwise (31 January gives 28 or 29 February).
    return date.addMonths(1);
}

QDate ReconciliationService::suggestedStatementDate(const QString &accountId) const
{
    QDate latest;
    previousBalance(accountId, &latest);
    const auto last = m_reconciliations->findLatest(accountId);
    if (last && (!latest.isValid() || latest <= last->statement_date))
        return addMonthClamped(last->statement_date);
    if (latest.isValid())
        return addMonthClamped(latest);
    return {};
}

WriteResult ReconciliationService::finish(const QString &accountId, const QDate &statementDate,
                                          qint64 statementBalance, const QHash<QString, qint64> &ticked)
{
    const QString nothing = tr("Nothing was reconciled.");
    DbTransaction tx(m_db->connection());
    if (!tx.isActive())
        return WriteResult::failure(tx.failureText(tr("The reconciliation could not be saved. %1").arg(nothing)));
    qint64 reconciled = previousBalance(accountId);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (auto it = ticked.cbegin(); it != ticked.cend(); ++it) {
        // Only the flags change: the row as stored now, never a stale copy.
        auto stored = m_transactions->findById(it.key());
        if (!stored || stored->deleted_at || stored->account_id != accountId || stored->amount != it.value()
            || stored->reconciled) {
            const QString payee = stored ? stored->payee : QString();
            tx.rollback();
            m_transactions->notifyChanged(accountId);
            return WriteResult::failure(
                tr("The transaction \"%1\" was changed or deleted elsewhere. %2 Check the list and try again.")
                    .arg(payee, nothing));
        }
        stored->cleared = true;
        stored->reconciled = true;
        stored->version += 1;
        stored->updated_at = now;
        stored->sync_status = SyncStatus::Pending;
        if (!m_transactions->update(*stored)) {
            tx.rollback();
            m_transactions->notifyChanged(accountId);
            return WriteResult::failure(tx.failureText(tr("The reconciliation could not be saved. %1").arg(nothing)));
        }
        reconciled += stored->amount;
    }
    Reconciliation r;
    r.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    r.account_id = accountId;
    r.statement_date = statementDate;
    r.statement_balance = statementBalance;
    r.reconciled_balance = reconciled;
    r.completed_at = r.created_at = r.updated_at = now;
    if (!m_reconciliations->insert(r) || !tx.commit()) {
        tx.rollback();
        m_transactions->notifyChanged(accountId);
        emit m_reconciliations->reconciliationsChanged();
        return WriteResult::failure(tx.failureText(tr("The reconciliation could not be saved. %1").arg(nothing)));
    }
    return {};
}
