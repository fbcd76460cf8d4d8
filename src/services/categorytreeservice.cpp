#include "categorytreeservice.h"

#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/dbtransaction.h"
#include "storage/recurringrepository.h"
#include "storage/sqlcodec.h"
#include "storage/transactionrepository.h"

using namespace Qt::StringLiterals;

CategoryTreeService::CategoryTreeService(Database *db, CategoryRepository *categories,
                                         TransactionRepository *transactions, RecurringRepository *recurring,
                                         QObject *parent)
    : QObject(parent)
    , m_db(db)
    , m_categories(categories)
    , m_transactions(transactions)
    , m_recurring(recurring)
{
}

WriteResult CategoryTreeService::remove(const QString &categoryId)
{
    const auto announce = [this] {
        m_categories->notifyChanged();
        m_transactions->notifyChanged(QString());
        emit m_recurring->recurringChanged();
    };
    DbTransaction tx(m_db->connection());
    bool ok = tx.isActive();
    const QString now = SqlCodec::nowText();
    const QString statements[] = {
        u"UPDATE transactions SET category_id = NULL, updated_at = ?, sync_status = 'pending' "
        "WHERE category_id = ? AND deleted_at IS NULL"_s,
        u"UPDATE recurring_transactions SET category_id = NULL, updated_at = ?, sync_status = 'pending' "
        "WHERE category_id = ? AND deleted_at IS NULL"_s,
        u"UPDATE categories SET parent_id = NULL, updated_at = ?, sync_status = 'pending' "
        "WHERE parent_id = ? AND deleted_at IS NULL"_s,
    };
    for (const QString &sql : statements) {
        if (ok)
            ok = SqlCodec::execCount(m_db->connection(), sql, {now, categoryId}, "CategoryTreeService::remove failed:") >= 0;
    }
    ok = ok && m_categories->softDelete(categoryId);
    if (!ok || !tx.commit()) {
        tx.rollback();
        announce();
        return WriteResult::failure(tx.failureText(tr("The category could not be deleted. Nothing was changed.")));
    }
    announce();
    return {};
}
