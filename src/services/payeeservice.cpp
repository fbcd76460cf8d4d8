#include "payeeservice.h"

#include "storage/database.h"
#include "storage/dbtransaction.h"
#include "storage/recurringrepository.h"
#include "storage/sqlcodec.h"
#include "storage/transactionrepository.h"

using namespace Qt::StringLiterals;

PayeeService::PayeeService(Database *db, TransactionRepository *transactions, RecurringRepository *recurring,
                           QObject *parent)
    : QObject(parent)
    , m_db(db)
    , m_transactions(transactions)
    , m_recurring(recurring)
{
}

WriteResult PayeeService::rename(const QStringList &from, const QString &to, int *changed)
{
    if (changed)
        *changed = 0;
    const QString target = to.trimmed();
    if (target.isEmpty())
        return WriteResult::failure(tr("Enter the new payee name."));
    const auto failed = [this] {
        m_transactions->notifyChanged(QString());
        return WriteResult::failure(tr("The payees could not be renamed. Nothing was changed."));
    };
    DbTransaction tx(m_db->connection());
    if (!tx.isActive())
        return WriteResult::failure(tx.failureText(failed().error));
    // The same time form as every other write, so newer-wins comparisons hold.
    const QString now = SqlCodec::nowText();
    int count = 0;
    for (const QString &old : from) {
        if (old == target)
            continue;
        const int rows = SqlCodec::execCount(
            m_db->connection(),
            u"UPDATE transactions SET payee = ?, updated_at = ?, sync_status = 'pending' "
            "WHERE payee = ? AND deleted_at IS NULL"_s,
            {target, now, old}, "PayeeService::rename failed:");
        // The next posting of a recurring entry must not bring the old name back.
        const int entries = rows < 0 ? -1
                                     : SqlCodec::execCount(
                                           m_db->connection(),
                                           u"UPDATE recurring_transactions SET payee = ?, updated_at = ?, "
                                           "sync_status = 'pending' "
                                           "WHERE payee = ? AND deleted_at IS NULL"_s,
                                           {target, now, old}, "PayeeService::rename failed:");
        if (rows < 0 || entries < 0) {
            tx.rollback();
            return failed();
        }
        count += rows;
    }
    if (!tx.commit())
        return failed();
    if (changed)
        *changed = count;
    m_transactions->notifyChanged(QString());
    emit m_recurring->recurringChanged();
    return {};
}
