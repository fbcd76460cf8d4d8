#pragma once

#include "account.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <optional>

class Database;
class QSqlQuery;

class AccountRepository final : public QObject
{
    Q_OBJECT
public:
    explicit AccountRepository(Database *db, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(AccountRepository)

    QList<Account> findAll() const;
    std::optional<Account> findById(const QString &id) const;
    QList<Account> findDeleted() const;
    QList<Account> findPending() const;

    bool insert(const Account &account);
    bool update(const Account &account);
    bool softDelete(const QString &id);
    bool restore(const QString &id);
    bool updateSortOrders(const QList<QPair<QString, int>> &positions);
    bool markSynced(const QString &id, const QString &serverId);
    int markAllPendingForResync();

    static Account fromRow(const QSqlQuery &query);

signals:
    void accountsChanged();

private:
    QList<Account> readList(const QString &sql, const QVariantList &values) const;

    Database *m_db;
};
