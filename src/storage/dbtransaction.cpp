#include "dbtransaction.h"

#include "database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

using namespace Qt::StringLiterals;

namespace {
std::atomic<int> s_counter{0};
}

DbTransaction::DbTransaction(const QSqlDatabase &db)
    : m_db(db)
    , m_name(u"penwick_tx_%1"_s.arg(++s_counter))
{
    m_topLevel = !Database::inTransaction(m_db);
    if (m_topLevel) {
        QString error;
        m_active = Database::beginWrite(m_db, &error);
        if (!m_active) {
            m_error = error;
            m_busy = error == Database::busyMessage();
        }
        return;
    }
    m_active = run(u"SAVEPOINT "_s + m_name);
}

QString DbTransaction::failureText(const QString &fallback) const
{
    if (m_busy)
        return Database::busyMessage();
    const QString storage = Database::storageFailureText();
    return storage.isEmpty() ? fallback : storage + u' ' + fallback;
}

DbTransaction::~DbTransaction()
{
    rollback();
}

bool DbTransaction::commit()
{
    if (!m_active)
        return false;
    if (run(m_topLevel ? u"COMMIT"_s : u"RELEASE "_s + m_name)) {
        m_active = false;
        return true;
    }
    rollback();
    return false;
}

void DbTransaction::rollback()
{
    if (!m_active)
        return;
    m_active = false;
    const QString error = m_error;
    if (m_topLevel) {
        run(u"ROLLBACK"_s);
    } else {
        run(u"ROLLBACK TO "_s + m_name);
        run(u"RELEASE "_s + m_name);
    }
    if (!error.isEmpty())
        m_error = error; // keep the reason, not the clean-up's text
}

bool DbTransaction::run(const QString &sql)
{
    QSqlQuery query(m_db);
    if (query.exec(sql))
        return true;
    m_error = query.lastError().text();
    m_busy = m_busy || Database::isBusyError(query.lastError());
    qWarning().noquote() << "DbTransaction:" << sql << "failed:" << m_error;
    return false;
}
