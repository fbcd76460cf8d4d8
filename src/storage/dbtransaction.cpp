#include "dbtransaction.h"

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
    m_active = run(u"SAVEPOINT "_s + m_name);
}

DbTransaction::~DbTransaction()
{
    rollback();
}

bool DbTransaction::commit()
{
    if (!m_active)
        return false;
    if (run(u"RELEASE "_s + m_name)) {
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
    run(u"ROLLBACK TO "_s + m_name);
    run(u"RELEASE "_s + m_name);
    if (!error.isEmpty())
        m_error = error; // keep the reason, not the clean-up's text
}

bool DbTransaction::run(const QString &sql)
{
    QSqlQuery query(m_db);
    if (query.exec(sql))
        return true;
    m_error = query.lastError().text();
    qWarning().noquote() << "DbTransaction:" << sql << "failed:" << m_error;
    return false;
}
