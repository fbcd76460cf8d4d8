#pragma once

#include "services/writeresult.h"
#include "storage/transaction.h"

#include <QObject>
#include <optional>

class Database;
class TransactionRepository;

// Changes to transactions that touch more than one row: both legs of a
// transfer are written, edited and deleted together or not at all.
class TransactionService final : public QObject
{
    Q_OBJECT
public:
    TransactionService(Database *db, TransactionRepository *transactions, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(TransactionService)

    // Stores a new transaction and, for a transfer, its other leg.
    WriteResult add(const Transaction &transaction, const std::optional<Transaction> &otherLeg = std::nullopt);
    // Stores an edited transaction (version, times and sync state are set
    // here). The other leg of a transfer follows its amount and date, so the
    // two legs never disagree.
    WriteResult update(Transaction transaction);
    // Soft-deletes a transaction and, for a transfer, its other leg.
    WriteResult remove(const QString &id);

private:
    WriteResult failed();

    Database *m_db;
    TransactionRepository *m_transactions;
};
