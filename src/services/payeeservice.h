#pragma once

#include "services/writeresult.h"

#include <QObject>
#include <QStringList>

class Database;
class RecurringRepository;
class TransactionRepository;

// Renaming and merging payees across every live transaction and recurring
// entry, in one database transaction.
class PayeeService final : public QObject
{
    Q_OBJECT
public:
    PayeeService(Database *db, TransactionRepository *transactions, RecurringRepository *recurring,
                 QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(PayeeService)

    // Gives every payee of `from` that differs from `to` the name `to`;
    // `changed` receives the number of transactions renamed.
    WriteResult rename(const QStringList &from, const QString &to, int *changed = nullptr);

private:
    Database *m_db;
    TransactionRepository *m_transactions;
    RecurringRepository *m_recurring;
};
