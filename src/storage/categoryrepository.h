#pragma once

#include "category.h"

#include <QList>
#include <QObject>
#include <optional>

class Database;
class QSqlQuery;

class CategoryRepository final : public QObject
{
    Q_OBJECT
public:
    explicit CategoryRepository(Database *db, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(CategoryRepository)

    QList<Category> findAll() const;
    std::optional<Category> findById(const QString &id) const;
    std::optional<Category> findByName(const QString &name) const;
    int count() const;

    bool insert(const Category &category);
    bool update(const Category &category);
    bool softDelete(const QString &id);
    bool markSynced(const QString &id, const QString &serverId);
    int markAllPendingForResync();

    // Lets a batch writer that silenced its own inserts announce them once.
    void notifyChanged();

    static Category fromRow(const QSqlQuery &query);

signals:
    void categoriesChanged();

private:
    QList<Category> readList(const QString &sql, const QVariantList &values) const;

    Database *m_db;
};
