#pragma once

#include <QSqlDatabase>
#include <QString>

// Scope guard over the connection: the writes made while it lives land whole
// or not at all. Opens a savepoint, so it starts a transaction at top level
// and joins an outer one when nested. Rolled back on destruction unless
// commit() succeeded.
class DbTransaction final
{
public:
    explicit DbTransaction(const QSqlDatabase &db);
    ~DbTransaction();
    Q_DISABLE_COPY_MOVE(DbTransaction)

    // False when the savepoint could not be opened (for example the database
    // is locked by another program); nothing should be written then.
    bool isActive() const { return m_active; }
    // False when the changes could not be kept; they are rolled back then.
    bool commit();
    void rollback();
    // The driver's text of the last statement of this guard that failed.
    QString errorText() const { return m_error; }

private:
    bool run(const QString &sql);

    QSqlDatabase m_db;
    QString m_name;
    QString m_error;
    bool m_active = false;
};
