#pragma once

#include <QSqlDatabase>
#include <QString>

// Scope guard over the connection: the writes made while it lives land whole
// or not at all. At top level it takes the write lock up front (BEGIN
// IMMEDIATE), so a database busy with another program fails the change
// before its first row; nested, it joins the outer transaction through a
// savepoint. Rolled back on destruction unless commit() succeeded.
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
    // What to tell the person: the busy message when another program held
    // the lock, else `fallback`, after the reason when the database could
    // not take writes (disk full, read-only).
    QString failureText(const QString &fallback) const;

private:
    bool run(const QString &sql);

    QSqlDatabase m_db;
    QString m_name;
    QString m_error;
    bool m_active = false;
    bool m_topLevel = false;
    bool m_busy = false;
};
