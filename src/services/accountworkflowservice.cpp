#include "accountworkflowservice.h"

#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/dbtransaction.h"
#include "storage/reconciliationrepository.h"
#include "storage/sqlcodec.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"

#include <QUuid>

AccountWorkflowService::AccountWorkflowService(Database *db, AccountRepository *accounts, TransactionRepository *transactions,
                               RecurringRepository *recurring, ReconciliationRepository *reconciliations,
                               QObject *parent)
    : QObject(parent)
    , m_db(db)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
{
}

void AccountWorkflowService::announceAll()
{
    // Views reread what is stored after a rollback.
    emit m_accounts->accountsChanged();
    m_transactions->notifyChanged(QString());
    emit m_recurring->recurringChanged();
    emit m_reconciliations->reconciliationsChanged();
}

WriteResult AccountWorkflowService::create(Account account, qint64 openingBalance, const QDate &asOf)
{
    const auto failed = [this] {
        announceAll();
        return WriteResult::failure(tr("The account could not be created. Nothing was changed."));
    };
    // The opening balance lives in a transaction of its own, so the register
    // shows it and reconciliation can tick it off.
    account.starting_balance = 0;
    DbTransaction tx(m_db->connection());
    if (!tx.isActive())
        return WriteResult::failure(tx.failureText(failed().error));
    if (!m_accounts->insert(account))
        return failed();
    if (openingBalance != 0) {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        Transaction opening;
        opening.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        opening.account_id = account.id;
        opening.date = asOf;
        opening.payee = tr("Opening Balance");
        opening.amount = openingBalance;
        opening.cleared = true;
        opening.reconciled = true;
        opening.created_at = now;
        opening.updated_at = now;
        if (!m_transactions->insert(opening)) {
            tx.rollback();
            return failed();
        }
    }
    if (!tx.commit())
        return failed();
    return {};
}

WriteResult AccountWorkflowService::remove(const QString &accountId)
{
    const auto failed = [this] {
        announceAll();
        return WriteResult::failure(tr("The account could not be deleted. Nothing was changed."));
    };
    DbTransaction tx(m_db->connection());
    if (!tx.isActive())
        return WriteResult::failure(tx.failureText(failed().error));
    const int transactions = m_transactions->softDeleteByAccount(accountId);
    const int recurring = transactions < 0 ? -1 : m_recurring->softDeleteByAccount(accountId);
    const int reconciliations = recurring < 0 ? -1 : m_reconciliations->softDeleteByAccount(accountId);
    if (reconciliations < 0 || !m_accounts->softDelete(accountId)) {
        tx.rollback();
        return failed();
    }
    if (!tx.commit())
        return failed();
    qInfo().noquote() << "Cascade delete account" << accountId << "→ transactions:" << transactions
                      << "recurrings:" << recurring << "reconciliations:" << reconciliations;
    return {};
}

WriteResult AccountWorkflowService::restore(const QString &accountId)
{
    const auto account = m_accounts->findById(accountId);
    if (!account)
        return WriteResult::failure(tr("The account no longer exists."));
    if (!account->deleted_at)
        return {};
    const auto failed = [this] {
        announceAll();
        return WriteResult::failure(tr("The account could not be restored. Nothing was changed."));
    };
    // The cascade stamps its rows just before the account; a margin keeps
    // them, and deletion times are ISO texts that order as times.
    const QString since = SqlCodec::timestampText(account->deleted_at->addSecs(-10));
    DbTransaction tx(m_db->connection());
    if (!tx.isActive())
        return WriteResult::failure(tx.failureText(failed().error));
    const int transactions = m_transactions->restoreByAccount(accountId, since);
    const int recurring = transactions < 0 ? -1 : m_recurring->restoreByAccount(accountId, since);
    const int reconciliations = recurring < 0 ? -1 : m_reconciliations->restoreByAccount(accountId, since);
    if (reconciliations < 0 || !m_accounts->restore(accountId)) {
        tx.rollback();
        return failed();
    }
    if (!tx.commit())
        return failed();
    qInfo().noquote() << "Restored account" << accountId << "→ transactions:" << transactions
                      << "recurrings:" << recurring << "reconciliations:" << reconciliations;
    return {};
}
