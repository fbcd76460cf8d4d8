#pragma once

#include "registerrow.h"
#include "transaction.h"
#include "transactionsearchfilter.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

class Database;
class QSqlQuery;

class TransactionRepository final : public QObject
{
    Q_OBJECT
public:
    explicit TransactionRepository(Database *db, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(TransactionRepository)

    std::optional<Transaction> findById(const QString &id) const;
    QList<Transaction> findByAccount(const QString &accountId) const;
    QList<Transaction> findUnreconciled(const QString &accountId) const;
    QList<Transaction> findPending() const;
    QList<RegisterRow> registerRows(const QString &accountId) const;
    // The same rows one at a time, without holding the register; false when
    // the rows could not be read.
    bool visitRegisterRows(const QString &accountId, const std::function<void(const RegisterRow &)> &visit) const;
    QList<RegisterRow> search(const QString &text, const TransactionSearchFilter &filter) const;
    // Without transfer legs, their "Transfer to …" texts are no payees to
    // pick: typed again they would make a one-sided entry.
    QStringList distinctPayees(bool includeTransferLegs = true) const;
    std::optional<Transaction> findLastByPayee(const QString &payee, const QString &accountId) const;

    // Balance of every live account (starting balance plus its live
    // transactions) in one aggregate query, for the sidebar.
    QHash<QString, qint64> accountBalances() const;

    bool insert(const Transaction &transaction);
    // Inserts many rows with multi-row statements, the same row values as
    // insert(). Not atomic by itself: callers wrap it in a transaction.
    // Emits transactionsChanged once per account touched.
    bool insertMany(const QList<Transaction> &transactions);
    bool update(const Transaction &transaction);
    // Announces rows written past the repository (bulk imports, restores).
    void notifyChanged(const QString &accountId);
    bool softDelete(const QString &id);
    int softDeleteByAccount(const QString &accountId);
    int restoreByAccount(const QString &accountId, const QString &since);
    bool markSynced(const QString &id, const QString &serverId);
    int markAllPendingForResync();

    // Converts the twenty transaction columns starting at `offset`.
    static Transaction fromRow(const QSqlQuery &query, int offset = 0);

signals:
    void transactionsChanged(const QString &accountId);

private:
    QList<Transaction> readList(const QString &sql, const QVariantList &values) const;
    void readRegisterRows(QList<RegisterRow> &out, const QString &sql, const QVariantList &values,
                          qint64 *runningTotal) const;
    int updateByAccount(const QString &sql, const QVariantList &values, const QString &accountId, const char *failureLog);

    Database *m_db;
};
