#pragma once

#include "services/writeresult.h"

#include <QDate>
#include <QHash>
#include <QObject>

class AccountRepository;
class Database;
class ReconciliationRepository;
class TransactionRepository;

// Balancing an account against a statement: the figures the reconciliation
// window starts from, and the finish that marks the ticked rows reconciled
// together with the reconciliation row, whole or not at all.
class ReconciliationService final : public QObject
{
    Q_OBJECT
public:
    ReconciliationService(Database *db, AccountRepository *accounts, TransactionRepository *transactions,
                          ReconciliationRepository *reconciliations, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ReconciliationService)

    // Starting balance plus every live reconciled transaction; the latest
    // date among those goes to `latestReconciled` (invalid when none).
    qint64 previousBalance(const QString &accountId, QDate *latestReconciled = nullptr) const;
    // One month after the last statement (or the last reconciled row, when
    // that is later); invalid when the account was never reconciled.
    QDate suggestedStatementDate(const QString &accountId) const;

    // `ticked` maps each ticked transaction's id to the amount the person saw.
    // A ticked row deleted or changed in amount meanwhile stops the finish.
    WriteResult finish(const QString &accountId, const QDate &statementDate, qint64 statementBalance,
                       const QHash<QString, qint64> &ticked);

    static QDate addMonthClamped(const QDate &date);

private:
    Database *m_db;
    AccountRepository *m_accounts;
    TransactionRepository *m_transactions;
    ReconciliationRepository *m_reconciliations;
};
