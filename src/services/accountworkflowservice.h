#pragma once

#include "services/writeresult.h"
#include "storage/account.h"

#include <QDate>
#include <QObject>

class AccountRepository;
class Database;
class ReconciliationRepository;
class RecurringRepository;
class TransactionRepository;

// Account changes that span tables: a new account with its opening-balance
// transaction, and deleting an account with everything that belongs to it.
// Each lands whole or not at all.
class AccountWorkflowService final : public QObject
{
    Q_OBJECT
public:
    AccountWorkflowService(Database *db, AccountRepository *accounts, TransactionRepository *transactions,
                   RecurringRepository *recurring, ReconciliationRepository *reconciliations,
                   QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(AccountWorkflowService)

    // Stores the account with a starting balance of zero; a non-zero opening
    // balance becomes one cleared and reconciled transaction dated `asOf`.
    WriteResult create(Account account, qint64 openingBalance, const QDate &asOf);
    // Soft-deletes the account's transactions, recurring entries and
    // reconciliations, then the account.
    WriteResult remove(const QString &accountId);
    // Brings a deleted account back with the transactions, recurring entries
    // and reconciliations that went with it (deleted up to 10 seconds before
    // it); rows deleted on their own earlier stay deleted.
    WriteResult restore(const QString &accountId);

private:
    void announceAll();

    Database *m_db;
    AccountRepository *m_accounts;
    TransactionRepository *m_transactions;
    RecurringRepository *m_recurring;
    ReconciliationRepository *m_reconciliations;
};
