#pragma once

#include "services/writeresult.h"

#include <QObject>

class CategoryRepository;
class Database;
class RecurringRepository;
class TransactionRepository;

// Changes to the category tree that reach other rows.
class CategoryTreeService final : public QObject
{
    Q_OBJECT
public:
    CategoryTreeService(Database *db, CategoryRepository *categories, TransactionRepository *transactions,
                        RecurringRepository *recurring, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(CategoryTreeService)

    // Deletes a category as its question promises: live transactions and
    // recurring entries that use it become uncategorized, its live children
    // move to the top level, all in one database transaction.
    WriteResult remove(const QString &categoryId);

private:
    Database *m_db;
    CategoryRepository *m_categories;
    TransactionRepository *m_transactions;
    RecurringRepository *m_recurring;
};
