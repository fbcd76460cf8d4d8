#pragma once

#include "reconciliation.h"

#include <QList>
#include <QObject>
#include <optional>

class Database;
class QSqlQuery;

class ReconciliationRepository final : public QObject
{
    Q_OBJECT
public:
    explicit ReconciliationRepository(Database *db, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ReconciliationRepository)

    QList<Reconciliation> findByAccount(const QString &accountId) const;
    std::optional<Reconciliation> findLatest(const QString &accountId) const;
    std::optional<Reconciliation> findById(const QString &id) const;

    bool insert(const Reconciliation &reconciliation);
    bool update(const Reconciliation &reconciliation);
    int softDeleteByAccount(const QString &accountId);
    int restoreByAccount(const QString &accountId, const QString &since);
    int markAllPendingForResync();

    static Reconciliation fromRow(const QSqlQuery &query);

signals:
    void reconciliationsChanged();

private:
    QList<Reconciliation> readList(const QString &sql, const QVariantList &values) const;
    int updateMany(const QString &sql, const QVariantList &values, const char *failureLog);

    Database *m_db;
};
