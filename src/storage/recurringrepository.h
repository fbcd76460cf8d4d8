#pragma once

#include "recurringtransaction.h"

#include <QList>
#include <QObject>
#include <optional>

class Database;
class QSqlQuery;

class RecurringRepository final : public QObject
{
    Q_OBJECT
public:
    explicit RecurringRepository(Database *db, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(RecurringRepository)

    QList<RecurringTransaction> findAll() const;
    std::optional<RecurringTransaction> findById(const QString &id) const;
    // Due on or before `asOf`; lets callers pin "today" (tests, catch-up runs).
    QList<RecurringTransaction> findDue(const QDate &asOf) const;
    // Size of findDue(asOf) without reading the rows.
    int countDue(const QDate &asOf) const;

    bool insert(const RecurringTransaction &entry);
    bool update(const RecurringTransaction &entry);
    bool softDelete(const QString &id);
    int softDeleteByAccount(const QString &accountId);
    int restoreByAccount(const QString &accountId, const QString &since);
    bool markSynced(const QString &id, const QString &serverId);
    int markAllPendingForResync();

    static RecurringTransaction fromRow(const QSqlQuery &query);

    // The connection the repository writes on, for callers that group writes.
    Database *database() const { return m_db; }

signals:
    void recurringChanged();

private:
    QList<RecurringTransaction> readList(const QString &sql, const QVariantList &values) const;
    int updateMany(const QString &sql, const QVariantList &values, const char *failureLog);
    static void warnIfBrokenDueDate(const char *operation, const RecurringTransaction &entry);

    Database *m_db;
};
