#include "sampledataservice.h"

#include "storage/bulkwriter.h"
#include "storage/database.h"
#include "storage/sqlcodec.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

using namespace Qt::StringLiterals;

namespace {

enum class Status { Open, Cleared, Reconciled };

struct SampleAccount
{
    const char *id;
    const char *name;
    const char *type;
    const char *institution;
    const char *last4;
    qint64 startingBalance;
};

// Transfers carry the same pair number on both legs; 0 is no transfer.
struct SampleTransaction
{
    int account; // index into kAccounts
    int day;     // offset from today
    const char *payee;
    const char *memo;
    const char *parentCategory;
    const char *category;
    qint64 amount;
    const char *checkNumber;
    Status status;
    int transferPair;
};

struct SampleRecurring
{
    const char *payee;
    const char *memo;
    const char *parentCategory;
    const char *category;
    qint64 amount;
    const char *frequency;
    int nextDueDay;
    int transferTo; // index into kAccounts, -1 for none
};

#define N(text) QT_TRANSLATE_NOOP("SampleDataService", text)

constexpr int kChecking = 0;
constexpr int kSavings = 1;
constexpr int kVisa = 2;

constexpr SampleAccount kAccounts[] = {
    {"sample-acct-checking", N("Main Checking"), "checking", N("Riverbend Credit Union"), "4521", 250000},
    {"sample-acct-savings", N("Savings"), "savings", N("Riverbend Credit Union"), "8834", 1000000},
    {"sample-acct-visa", N("Visa Rewards"), "credit_card", N("Summit Bank"), "7712", 0},
};

constexpr SampleTransaction kTransactions[] = {
    {kChecking, -60, N("Brightpath Inc"), N("Biweekly paycheck"), nullptr, N("Salary / Wages"), 285000, nullptr, Status::Reconciled, 0},
    {kChecking, -59, N("Pinecrest Apartments"), N("February rent"), N("Housing"), N("Rent/Mortgage Payment"), -145000, "1041", Status::Reconciled, 0},
    {kChecking, -57, N("Greenleaf Market"), N("Weekly groceries"), nullptr, N("Groceries"), -8745, nullptr, Status::Reconciled, 0},
    {kChecking, -55, N("Hilltop Gas"), N("Fill up"), N("Transportation"), N("Gas/Fuel"), -4523, nullptr, Status::Reconciled, 0},
    {kChecking, -53, N("Lakeside Utilities"), N("Electric bill"), N("Utilities"), N("Electric"), -11280, nullptr, Status::Reconciled, 0},
    {kChecking, -51, N("Lakeside Utilities"), N("Water bill"), N("Utilities"), N("Water"), -4590, nullptr, Status::Reconciled, 0},
    {kChecking, -49, N("Streamline TV"), N("Monthly streaming"), N("Entertainment"), N("Streaming"), -1599, nullptr, Status::Reconciled, 0},
    {kChecking, -47, N("Greenleaf Market"), N("Weekly groceries"), nullptr, N("Groceries"), -9230, nullptr, Status::Reconciled, 0},
    {kChecking, -46, N("Brightpath Inc"), N("Biweekly paycheck"), nullptr, N("Salary / Wages"), 285000, nullptr, Status::Reconciled, 0},
    {kChecking, -44, N("Maplewood Diner"), N("Dinner out"), nullptr, N("Dining & Restaurants"), -4275, nullptr, Status::Reconciled, 0},
    {kChecking, -42, N("Hilltop Gas"), N("Fill up"), N("Transportation"), N("Gas/Fuel"), -3980, nullptr, Status::Reconciled, 0},
    {kChecking, -40, N("Clearview Insurance"), N("Auto insurance"), N("Insurance"), N("Auto"), -12500, nullptr, Status::Reconciled, 0},
    {kChecking, -38, N("Greenleaf Market"), N("Weekly groceries"), nullptr, N("Groceries"), -7650, nullptr, Status::Reconciled, 0},
    {kChecking, -35, N("Hope Community Church"), N("Monthly donation"), nullptr, N("Charitable Donations"), -10000, "1042", Status::Reconciled, 0},
    {kChecking, -33, N("Brightpath Inc"), N("Biweekly paycheck"), nullptr, N("Salary / Wages"), 285000, nullptr, Status::Reconciled, 0},
    {kChecking, -30, N("Transfer to Savings"), N("Monthly savings"), nullptr, nullptr, -50000, nullptr, Status::Reconciled, 1},
    {kChecking, -29, N("Pinecrest Apartments"), N("March rent"), N("Housing"), N("Rent/Mortgage Payment"), -145000, "1043", Status::Cleared, 0},
    {kChecking, -27, N("Greenleaf Market"), N("Weekly groceries"), nullptr, N("Groceries"), -10120, nullptr, Status::Cleared, 0},
    {kChecking, -25, N("Hilltop Gas"), N("Fill up"), N("Transportation"), N("Gas/Fuel"), -4100, nullptr, Status::Cleared, 0},
    {kChecking, -23, N("NetConnect ISP"), N("Internet service"), N("Utilities"), N("Internet"), -7999, nullptr, Status::Cleared, 0},
    {kChecking, -21, N("Lakeside Utilities"), N("Electric bill"), N("Utilities"), N("Electric"), -10870, nullptr, Status::Cleared, 0},
    {kChecking, -19, N("Brightpath Inc"), N("Biweekly paycheck"), nullptr, N("Salary / Wages"), 285000, nullptr, Status::Cleared, 0},
    {kChecking, -17, N("Greenleaf Market"), N("Weekly groceries"), nullptr, N("Groceries"), -8890, nullptr, Status::Cleared, 0},
    {kChecking, -15, N("Streamline TV"), N("Monthly streaming"), N("Entertainment"), N("Streaming"), -1599, nullptr, Status::Cleared, 0},
    {kChecking, -13, N("Maplewood Diner"), N("Lunch"), nullptr, N("Dining & Restaurants"), -2340, nullptr, Status::Cleared, 0},
    {kChecking, -11, N("Hilltop Gas"), N("Fill up"), N("Transportation"), N("Gas/Fuel"), -4250, nullptr, Status::Cleared, 0},
    {kChecking, -8, N("Greenleaf Market"), N("Weekly groceries"), nullptr, N("Groceries"), -11540, nullptr, Status::Open, 0},
    {kChecking, -6, N("Brightpath Inc"), N("Biweekly paycheck"), nullptr, N("Salary / Wages"), 285000, nullptr, Status::Open, 0},
    {kChecking, -5, N("Ridgeline Pharmacy"), N("Prescriptions"), nullptr, N("Medical Expenses"), -3520, nullptr, Status::Open, 0},
    {kChecking, -4, N("Hilltop Gas"), N("Fill up"), N("Transportation"), N("Gas/Fuel"), -4680, nullptr, Status::Open, 0},
    {kChecking, -2, N("Greenleaf Market"), N("Weekly groceries"), nullptr, N("Groceries"), -9475, nullptr, Status::Open, 0},
    {kChecking, -1, N("Maplewood Diner"), N("Coffee & pastry"), nullptr, N("Dining & Restaurants"), -1285, nullptr, Status::Open, 0},
    {kChecking, 0, N("Transfer to Savings"), N("Monthly savings"), nullptr, nullptr, -50000, nullptr, Status::Open, 2},

    {kSavings, -45, N("Riverbend Credit Union"), N("Interest payment"), nullptr, N("Interest Income"), 820, nullptr, Status::Cleared, 0},
    {kSavings, -30, N("Transfer from Checking"), N("Monthly savings"), nullptr, nullptr, 50000, nullptr, Status::Cleared, 1},
    {kSavings, -15, N("Riverbend Credit Union"), N("Interest payment"), nullptr, N("Interest Income"), 875, nullptr, Status::Cleared, 0},
    {kSavings, 0, N("Transfer from Checking"), N("Monthly savings"), nullptr, nullptr, 50000, nullptr, Status::Open, 2},

    {kVisa, -55, N("Dash Delivery"), N("Food delivery"), nullptr, N("Dining & Restaurants"), -3275, nullptr, Status::Cleared, 0},
    {kVisa, -50, N("Gadget World"), N("Phone case"), N("Shopping"), N("Electronics"), -2999, nullptr, Status::Cleared, 0},
    {kVisa, -45, N("CloudWatch Plus"), N("Cloud storage plan"), nullptr, N("Subscriptions"), -999, nullptr, Status::Cleared, 0},
    {kVisa, -40, N("Dash Delivery"), N("Food delivery"), nullptr, N("Dining & Restaurants"), -2850, nullptr, Status::Cleared, 0},
    {kVisa, -35, N("Payment - Thank You"), N("Credit card payment"), nullptr, nullptr, 10123, nullptr, Status::Cleared, 0},
    {kVisa, -30, N("Stellar Coffee"), N("Coffee beans"), nullptr, N("Groceries"), -1895, nullptr, Status::Cleared, 0},
    {kVisa, -25, N("BookNest Online"), N("Programming books"), nullptr, N("Education Expenses"), -4599, nullptr, Status::Cleared, 0},
    {kVisa, -20, N("Dash Delivery"), N("Food delivery"), nullptr, N("Dining & Restaurants"), -2650, nullptr, Status::Open, 0},
    {kVisa, -15, N("Payment - Thank You"), N("Credit card payment"), nullptr, nullptr, 12993, nullptr, Status::Open, 0},
    {kVisa, -10, N("TechVault"), N("USB hub"), N("Shopping"), N("Electronics"), -3499, nullptr, Status::Open, 0},
    {kVisa, -5, N("Dash Delivery"), N("Food delivery"), nullptr, N("Dining & Restaurants"), -3190, nullptr, Status::Open, 0},
    {kVisa, -2, N("CloudWatch Plus"), N("Cloud storage plan"), nullptr, N("Subscriptions"), -999, nullptr, Status::Open, 0},
};

constexpr SampleRecurring kRecurring[] = {
    {N("Pinecrest Apartments"), N("Monthly rent"), N("Housing"), N("Rent/Mortgage Payment"), -145000, "monthly", 1, -1},
    {N("Brightpath Inc"), N("Biweekly paycheck"), nullptr, N("Salary / Wages"), 285000, "biweekly", 8, -1},
    // A real transfer, so confirming it credits Savings as well.
    {N("Transfer to Savings"), N("Monthly savings"), nullptr, nullptr, -50000, "monthly", 1, kSavings},
};

#undef N

constexpr int kRecurringStartDay = -60;

QString translated(const char *source)
{
    return source ? QCoreApplication::translate("SampleDataService", source) : QString();
}

QVariant textOrNull(const QString &value)
{
    return value.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(value);
}

QString categoryKey(const QString &parent, const QString &name)
{
    return parent.isEmpty() ? name : parent + u'/' + name;
}

// Category id for a sample row, or empty. The sample's own translation comes
// first; the default categories' translation catches a catalogue that only
// translated the names where the categories are seeded.
QString findCategory(const QHash<QString, QString> &ids, const char *parent, const char *name)
{
    if (!name)
        return {};
    const QString own = ids.value(categoryKey(translated(parent), translated(name)));
    if (!own.isEmpty())
        return own;
    const QString seededParent = parent ? QCoreApplication::translate("CategoryService", parent) : QString();
    return ids.value(categoryKey(seededParent, QCoreApplication::translate("CategoryService", name)));
}

bool run(QSqlQuery &query, const QString &sql, const QVariantList &values)
{
    return SqlCodec::exec(query, sql, values, "SampleDataService: statement failed:");
}

} // namespace

SampleDataService::SampleDataService(Database *db, QObject *parent)
    : QObject(parent)
    , m_db(db)
{
}

QDate SampleDataService::today() const
{
    return m_today.isValid() ? m_today : QDate::currentDate();
}

QString SampleDataService::newSampleId(const QString &kind)
{
    QString id;
    do {
        id = u"sample-%1-%2"_s.arg(kind, QUuid::createUuid().toString(QUuid::WithoutBraces).left(8));
    } while (m_usedIds.contains(id));
    m_usedIds.insert(id);
    return id;
}

bool SampleDataService::hasSampleData() const
{
    QSqlQuery q(m_db->connection());
    return SqlCodec::exec(q, u"SELECT 1 FROM accounts WHERE id LIKE 'sample-%' LIMIT 1"_s, {}) && q.next();
}

QStringList SampleDataService::sampleAccountNames() const
{
    QStringList names;
    QSqlQuery q(m_db->connection());
    if (SqlCodec::exec(q, u"SELECT name FROM accounts WHERE id LIKE 'sample-%' ORDER BY name"_s, {})) {
        while (q.next())
            names.append(q.value(0).toString());
    }
    return names;
}

bool SampleDataService::isHouseholdLoaded() const
{
    QSqlQuery q(m_db->connection());
    return SqlCodec::exec(q, u"SELECT 1 FROM recurring_transactions WHERE id LIKE 'sample-%' LIMIT 1"_s, {})
        && q.next();
}

bool SampleDataService::loadSampleData()
{
    if (hasSampleData())
        return false;

    // All or nothing: a half-loaded household would read as "already loaded".
    QSqlDatabase connection = m_db->connection();
    const bool ownTransaction = connection.transaction();
    bool ok = false;
    {
        BulkWriter bulk(connection);
        ok = bulk.begin() && insertAll() && bulk.finish();
    }
    if (!ok) {
        if (ownTransaction)
            connection.rollback();
        return false;
    }
    if (ownTransaction && !connection.commit()) {
        qWarning().noquote() << "SampleDataService: commit failed:" << connection.lastError().text();
        connection.rollback();
        return false;
    }
    return true;
}

bool SampleDataService::insertAll()
{
    QSqlQuery q(m_db->connection());

    QHash<QString, QString> categoryIds;
    if (!run(q, u"SELECT c.id, c.name, p.name AS parent_name FROM categories c "
                "LEFT JOIN categories p ON c.parent_id = p.id WHERE c.deleted_at IS NULL"_s, {}))
        return false;
    while (q.next())
        categoryIds.insert(categoryKey(q.value(2).toString(), q.value(1).toString()), q.value(0).toString());

    const QString now = SqlCodec::nowText();
    const QDate base = today();
    auto dayText = [&base](int offset) { return base.addDays(offset).toString(Qt::ISODate); };

    int sortOrder = 0;
    for (const SampleAccount &a : kAccounts) {
        if (!run(q, u"INSERT INTO accounts (id, name, account_type, currency, institution, account_number_last4, "
                    "starting_balance, sort_order, is_shared, version, sync_status, created_at, updated_at) "
                    "VALUES (?, ?, ?, 'USD', ?, ?, ?, ?, 0, 1, 'pending', ?, ?)"_s,
                 {QString::fromLatin1(a.id), translated(a.name), QString::fromLatin1(a.type),
                  translated(a.institution), QString::fromLatin1(a.last4), a.startingBalance, sortOrder++, now,
                  now}))
            return false;
    }

    // Ids first, so each transfer leg can name the other one.
    QList<QString> ids;
    QHash<int, QList<int>> legsOfPair;
    for (const SampleTransaction &t : kTransactions) {
        if (t.transferPair != 0)
            legsOfPair[t.transferPair].append(int(ids.size()));
        ids.append(newSampleId(u"txn"_s));
    }

    for (qsizetype i = 0; i < ids.size(); ++i) {
        const SampleTransaction &t = kTransactions[i];
        QString linkId;
        QString otherAccount;
        if (t.transferPair != 0) {
            const QList<int> legs = legsOfPair.value(t.transferPair);
            const int other = legs.value(0) == i ? legs.value(1) : legs.value(0);
            linkId = ids.at(other);
            otherAccount = QString::fromLatin1(kAccounts[kTransactions[other].account].id);
        }
        const bool cleared = t.status != Status::Open;
        const bool reconciled = t.status == Status::Reconciled;
        if (!run(q, u"INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
                    "check_number, cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, "
                    "version, sync_status, created_at, updated_at) "
                    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, 'pending', ?, ?)"_s,
                 {ids.at(i), QString::fromLatin1(kAccounts[t.account].id), dayText(t.day), translated(t.payee),
                  textOrNull(translated(t.memo)), t.amount,
                  textOrNull(findCategory(categoryIds, t.parentCategory, t.category)),
                  textOrNull(QString::fromLatin1(t.checkNumber)), SqlCodec::flag(cleared),
                  SqlCodec::flag(reconciled), textOrNull(linkId), textOrNull(otherAccount), 0, now, now}))
            return false;
    }

    for (const SampleRecurring &r : kRecurring) {
        const QString dest = r.transferTo >= 0 ? QString::fromLatin1(kAccounts[r.transferTo].id) : QString();
        if (!run(q, u"INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, category_id, "
                    "frequency, start_date, next_due_date, transfer_dest_account_id, auto_post, is_active, "
                    "version, sync_status, created_at, updated_at) "
                    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 1, 1, 'pending', ?, ?)"_s,
                 {newSampleId(u"rec"_s), QString::fromLatin1(kAccounts[kChecking].id), translated(r.payee),
                  textOrNull(translated(r.memo)), r.amount,
                  textOrNull(findCategory(categoryIds, r.parentCategory, r.category)),
                  QString::fromLatin1(r.frequency), dayText(kRecurringStartDay), dayText(r.nextDueDay),
                  textOrNull(dest), now, now}))
            return false;
    }
    return true;
}

bool SampleDataService::clearSampleData()
{
    // Hard deletes. Rows the user added keep everything they depend on: a
    // sample transaction that a user row is linked or split against stays, and
    // a sample account stays while any remaining row still refers to it.
    static const char *const statements[] = {
        "DELETE FROM split_lines WHERE id LIKE 'sample-%'",
        "DELETE FROM reconciliations WHERE id LIKE 'sample-%'",
        "DELETE FROM recurring_transactions WHERE id LIKE 'sample-%'",
        "DELETE FROM transactions WHERE id LIKE 'sample-%'"
        " AND NOT EXISTS (SELECT 1 FROM split_lines s WHERE s.transaction_id = transactions.id)"
        " AND NOT EXISTS (SELECT 1 FROM transactions u WHERE u.transfer_link_id = transactions.id"
        " AND u.id NOT LIKE 'sample-%')",
        "DELETE FROM accounts WHERE id LIKE 'sample-%'"
        " AND NOT EXISTS (SELECT 1 FROM transactions t WHERE t.account_id = accounts.id)"
        " AND NOT EXISTS (SELECT 1 FROM transactions t WHERE t.transfer_dest_account_id = accounts.id)"
        " AND NOT EXISTS (SELECT 1 FROM recurring_transactions r WHERE r.account_id = accounts.id"
        " OR r.transfer_dest_account_id = accounts.id)"
        " AND NOT EXISTS (SELECT 1 FROM reconciliations c WHERE c.account_id = accounts.id)"
        " AND NOT EXISTS (SELECT 1 FROM transaction_templates p WHERE p.account_id = accounts.id)"
        " AND NOT EXISTS (SELECT 1 FROM categories g WHERE g.account_id = accounts.id)",
        "DELETE FROM sync_queue WHERE entity_id LIKE 'sample-%'",
    };

    bool ok = true;
    for (const char *sql : statements) {
        QSqlQuery q(m_db->connection());
        ok = run(q, QString::fromLatin1(sql), {}) && ok;
    }
    return ok;
}
