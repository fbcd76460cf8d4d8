#include "transactionservice.h"

#include "storage/database.h"
#include "storage/dbtransaction.h"
#include "storage/transactionrepository.h"

TransactionService::TransactionService(Database *db, TransactionRepository *transactions, QObject *parent)
    : QObject(parent)
    , m_db(db)
    , m_transactions(transactions)
{
}

WriteResult TransactionService::failed()
{
    return WriteResult::failure(tr("The transaction could not be saved. Nothing was changed."));
}

WriteResult TransactionService::add(const Transaction &transaction, const std::optional<Transaction> &otherLeg)
{
    DbTransaction tx(m_db->connection());
    if (!tx.isActive())
        return WriteResult::failure(tx.failureText(failed().error));
    if (otherLeg && !m_transactions->insert(*otherLeg))
        return WriteResult::failure(tx.failureText(failed().error));
    if (!m_transactions->insert(transaction) || !tx.commit()) {
        tx.rollback();
        m_transactions->notifyChanged(QString());
        return WriteResult::failure(tx.failureText(failed().error));
    }
    return {};
}

WriteResult TransactionService::update(Transaction transaction)
{
    const auto stored = m_transactions->findById(transaction.id);
    if (!stored || stored->deleted_at)
        return WriteResult::failure(tr("The transaction no longer exists. Nothing was changed."));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    transaction.version = stored->version + 1;
    transaction.updated_at = now;
    transaction.sync_status = SyncStatus::Pending;

    DbTransaction tx(m_db->connection());
    if (!tx.isActive())
        return WriteResult::failure(tx.failureText(failed().error));
    bool ok = m_transactions->update(transaction);
    const bool moved = stored->amount != transaction.amount || stored->date != transaction.date;
    if (ok && !transaction.transfer_link_id.isEmpty() && moved) {
        if (auto other = m_transactions->findById(transaction.transfer_link_id); other && !other->deleted_at) {
            other->amount = -transaction.amount;
            other->date = transaction.date;
            other->version += 1;
            other->updated_at = now;
            other->sync_status = SyncStatus::Pending;
            ok = m_transactions->update(*other);
        }
    }
    if (!ok || !tx.commit()) {
        tx.rollback();
        m_transactions->notifyChanged(QString());
        return WriteResult::failure(tx.failureText(failed().error));
    }
    return {};
}

WriteResult TransactionService::remove(const QString &id)
{
    const auto stored = m_transactions->findById(id);
    if (!stored || stored->deleted_at)
        return {};
    DbTransaction tx(m_db->connection());
    if (!tx.isActive())
        return WriteResult::failure(tx.failureText(failed().error));
    bool ok = true;
    if (!stored->transfer_link_id.isEmpty()) {
        const auto other = m_transactions->findById(stored->transfer_link_id);
        if (other && !other->deleted_at)
            ok = m_transactions->softDelete(other->id);
    }
    ok = ok && m_transactions->softDelete(id);
    if (!ok || !tx.commit()) {
        tx.rollback();
        m_transactions->notifyChanged(QString());
        return WriteResult::failure(tx.failureText(tr("The transaction could not be deleted. Nothing was changed.")));
    }
    return {};
}
