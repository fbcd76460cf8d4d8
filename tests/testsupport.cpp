#include "testsupport.h"

#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/splitlinerepository.h"
#include "storage/sqlcodec.h"
#include "storage/transactionrepository.h"

#include <QUuid>

using namespace Qt::StringLiterals;

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

TestDatabase::TestDatabase()
{
    database = new Database(&owner);
    m_ready = m_dir.isValid() && database->open(filePath()) && database->runMigrations();
    accounts = new AccountRepository(database, &owner);
    transactions = new TransactionRepository(database, &owner);
    categories = new CategoryRepository(database, &owner);
    preferences = new PreferencesRepository(database, &owner);
    splitLines = new SplitLineRepository(database, &owner);
    recurring = new RecurringRepository(database, &owner);
    reconciliations = new ReconciliationRepository(database, &owner);
}

TestDatabase::~TestDatabase()
{
    // Repositories and the database go with `owner`; the connection closes first.
    delete database;
    database = nullptr;
}

QVariant TestDatabase::scalar(const QString &sql, const QVariantList &values) const
{
    QSqlQuery q(database->connection());
    if (!SqlCodec::exec(q, sql, values) || !q.next())
        return {};
    return q.value(0);
}

bool TestDatabase::execute(const QString &sql, const QVariantList &values) const
{
    QSqlQuery q(database->connection());
    return SqlCodec::exec(q, sql, values);
}

Account TestDatabase::addAccount(const QString &name, Currency currency, qint64 startingBalance)
{
    Account a;
    a.id = newId();
    a.name = name;
    a.currency = currency;
    a.starting_balance = startingBalance;
    a.sort_order = m_sequence++;
    a.created_at = a.updated_at = QDateTime::currentDateTimeUtc();
    if (!accounts->insert(a))
        qWarning("TestDatabase::addAccount failed");
    return a;
}

Category TestDatabase::addCategory(const QString &name, CategoryType type, const QString &parentId)
{
    Category c;
    c.id = newId();
    c.name = name;
    c.category_type = type;
    c.parent_id = parentId;
    c.created_at = c.updated_at = QDateTime::currentDateTimeUtc();
    if (!categories->insert(c))
        qWarning("TestDatabase::addCategory failed");
    return c;
}

Transaction TestDatabase::addTransaction(const QString &accountId, const QDate &date, const QString &payee,
                                         qint64 amount, const QString &categoryId)
{
    // Distinct, increasing creation times keep same-day ordering deterministic.
    static QDateTime clock = QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC);
    clock = clock.addSecs(1);
    Transaction t;
    t.id = newId();
    t.account_id = accountId;
    t.date = date;
    t.payee = payee;
    t.amount = amount;
    t.category_id = categoryId;
    t.created_at = t.updated_at = clock;
    if (!transactions->insert(t))
        qWarning("TestDatabase::addTransaction failed");
    return t;
}

bool failWritesTo(TestDatabase &db, const QString &table, const QString &op)
{
    return db.execute(QStringLiteral("CREATE TEMP TRIGGER fail_%1_%2 BEFORE %3 ON %1 "
                                     "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END")
                          .arg(table, op.toLower(), op));
}
