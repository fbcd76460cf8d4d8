#include "benchdatagenerator.h"

#include "app/appstate.h"
#include "app/money.h"
#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/recurringrepository.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"

#include <QFile>
#include <QSqlQuery>
#include <QTextStream>
#include <QUuid>

using namespace Qt::StringLiterals;

namespace {

struct PayeeProfile
{
    const char16_t *payee;
    const char16_t *category; // default category name; nullptr = uncategorised
    int minCents;
    int maxCents;
    bool income;
};

// Weighted by repetition: everyday payees appear more often.
constexpr PayeeProfile kPayees[] = {
    {u"Whole Foods Market", u"Groceries", 1500, 18000, false},
    {u"Trader Joe's", u"Groceries", 1200, 9000, false},
    {u"Safeway", u"Groceries", 800, 15000, false},
    {u"Costco", u"Household", 4000, 40000, false},
    {u"Shell", u"Gas/Fuel", 2500, 7500, false},
    {u"Chevron", u"Gas/Fuel", 2500, 8000, false},
    {u"Starbucks", u"Dining & Restaurants", 350, 1800, false},
    {u"Chipotle", u"Dining & Restaurants", 900, 4500, false},
    {u"The Corner Bistro", u"Dining & Restaurants", 2500, 16000, false},
    {u"Amazon", u"Shopping", 800, 25000, false},
    {u"Target", u"Household", 1000, 20000, false},
    {u"Home Depot", u"Maintenance", 1500, 60000, false},
    {u"Pacific Gas & Electric", u"Electric", 6000, 24000, false},
    {u"City Water Utility", u"Water", 3000, 9000, false},
    {u"Comcast", u"Internet", 6999, 8999, false},
    {u"Verizon Wireless", u"Phone", 5500, 14000, false},
    {u"Netflix", u"Streaming", 1549, 2299, false},
    {u"Spotify", u"Streaming", 999, 1699, false},
    {u"AMC Theatres", u"Movies", 1400, 6000, false},
    {u"State Farm", u"Auto Insurance", 9000, 18000, false},
    {u"Kaiser Permanente", u"Medical Expenses", 2000, 30000, false},
    {u"CVS Pharmacy", u"Personal Care", 500, 6000, false},
    {u"Petco", u"Pets", 1500, 12000, false},
    {u"Delta Air Lines", u"Transportation", 15000, 90000, false},
    {u"BART", u"Public Transit", 250, 1200, false},
    {u"Red Cross", u"Charitable Donations", 2500, 25000, false},
    {u"Bank Service Fee", u"Bank Fees", 500, 3500, false},
    {u"Uniqlo", u"Clothing", 2000, 15000, false},
    {u"Best Buy", u"Electronics", 2000, 120000, false},
    {u"Local Farmers Market", nullptr, 500, 5000, false},
    {u"Acme Corp Payroll", u"Salary / Wages", 280000, 420000, true},
    {u"Interest Payment", u"Interest Income", 5, 4000, true},
    {u"Freelance Client LLC", u"Freelance / Consulting", 30000, 250000, true},
    {u"Refund - Amazon", u"Refunds", 800, 9000, true},
};
constexpr int kPayeeCount = int(sizeof(kPayees) / sizeof(kPayees[0]));

const QDate kFirstDate(2019, 1, 1);
constexpr int kDaySpan = 6 * 365;

QString qifDate(const QDate &d)
{
    return d.toString(u"MM/dd/yyyy"_s);
}

QString qifAmount(qint64 cents)
{
    // QIF amounts are plain decimals with a full stop.
    const qint64 a = cents < 0 ? -cents : cents;
    return u"%1%2.%3"_s.arg(cents < 0 ? u"-"_s : QString()).arg(a / 100).arg(a % 100, 2, 10, QLatin1Char('0'));
}

QString sgmlText(QString s)
{
    s.replace(u'&', u"&amp;"_s);
    s.replace(u'<', u"&lt;"_s);
    return s;
}

QString csvField(const QString &s)
{
    if (!s.contains(u',') && !s.contains(u'"') && !s.contains(u'\n'))
        return s;
    QString q = s;
    q.replace(u"\""_s, u"\"\""_s);
    return u"\""_s + q + u"\""_s;
}

} // namespace

BenchDataGenerator::BenchDataGenerator(quint32 seed, int transactionCount)
    : m_random(seed)
    , m_count(transactionCount)
{
}

QString BenchDataGenerator::nextId()
{
    // Deterministic but UUID-shaped, like every id in the database.
    static const QUuid ns(u"{3d8e4c51-7a61-4b0e-9a3f-5c1d2e7f9b10}"_s);
    return QUuid::createUuidV5(ns, QByteArray::number(++m_idCounter)).toString(QUuid::WithoutBraces);
}

BenchDataset BenchDataGenerator::generate(const QList<QPair<QString, QString>> &categories)
{
    BenchDataset data;
    QHash<QString, QString> categoryByName;
    for (const auto &[id, name] : categories) {
        categoryByName.insert(name, id);
        data.categoryNames << name;
    }

    struct AccountPlan
    {
        const char16_t *name;
        AccountType type;
        qint64 starting;
        int weight; // share of the transactions, in percent
    };
    const AccountPlan plans[] = {
        {u"Everyday Checking", AccountType::Checking, 250000, 55},
        {u"High-Yield Savings", AccountType::Savings, 1500000, 8},
        {u"Visa Rewards Card", AccountType::CreditCard, 0, 27},
        {u"Wallet Cash", AccountType::Cash, 20000, 7},
        {u"Brokerage", AccountType::Investment, 500000, 3},
    };
    const QDateTime createdBase(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);
    int order = 0;
    for (const AccountPlan &p : plans) {
        Account a;
        a.id = nextId();
        a.name = QString::fromUtf16(p.name);
        a.account_type = p.type;
        a.starting_balance = p.starting;
        a.sort_order = order++;
        a.created_at = a.updated_at = createdBase;
        data.accounts << a;
    }

    auto pickAccount = [&]() -> int {
        int roll = int(m_random.bounded(100));
        for (int i = 0; i < int(std::size(plans)); ++i) {
            if (roll < plans[i].weight)
                return i;
            roll -= plans[i].weight;
        }
        return 0;
    };

    data.transactions.reserve(m_count);
    qint64 sequence = 0;
    auto stamp = [&](Transaction &t) {
        t.created_at = createdBase.addSecs(++sequence);
        t.updated_at = t.created_at;
    };

    while (data.transactions.size() < m_count) {
        const QDate date = kFirstDate.addDays(qint64(m_random.bounded(kDaySpan)));
        const int roll = int(m_random.bounded(100));
        if (roll < 5 && data.transactions.size() + 2 <= m_count) {
            // Transfer between two different accounts: both legs, linked both ways.
            const int from = pickAccount();
            int to = (from + 1 + int(m_random.bounded(int(std::size(plans)) - 1))) % int(std::size(plans));
            const qint64 amount = 1000 * qint64(1 + m_random.bounded(200));
            Transaction out;
            out.id = nextId();
            Transaction in;
            in.id = nextId();
            out.account_id = data.accounts[from].id;
            in.account_id = data.accounts[to].id;
            out.date = in.date = date;
            out.payee = u"Transfer to "_s + data.accounts[to].name;
            in.payee = u"Transfer from "_s + data.accounts[from].name;
            out.amount = -amount;
            in.amount = amount;
            out.transfer_link_id = in.id;
            in.transfer_link_id = out.id;
            out.transfer_dest_account_id = in.account_id;
            in.transfer_dest_account_id = out.account_id;
            stamp(out);
            stamp(in);
            data.transactions << out << in;
            continue;
        }

        const PayeeProfile &p = kPayees[m_random.bounded(kPayeeCount)];
        Transaction t;
        t.id = nextId();
        t.account_id = data.accounts[p.income ? 0 : pickAccount()].id;
        t.date = date;
        t.payee = QString::fromUtf16(p.payee);
        const qint64 cents = p.minCents + qint64(m_random.bounded(p.maxCents - p.minCents + 1));
        t.amount = p.income ? cents : -cents;
        if (p.category)
            t.category_id = categoryByName.value(QString::fromUtf16(p.category));
        if (m_random.bounded(10) == 0)
            t.memo = u"ref %1"_s.arg(m_random.bounded(100000));
        if (t.account_id == data.accounts[0].id && m_random.bounded(20) == 0)
            t.check_number = QString::number(1000 + data.transactions.size() % 9000);
        // Most of the history is cleared; the last weeks are still open.
        t.cleared = date < kFirstDate.addDays(kDaySpan - 30) && m_random.bounded(50) != 0;
        stamp(t);

        if (!p.income && cents >= 4000 && m_random.bounded(50) == 0 && !categories.isEmpty()) {
            // A split purchase: two or three parts adding up to the amount.
            t.is_split = true;
            const int parts = 2 + int(m_random.bounded(2));
            qint64 left = t.amount;
            for (int i = 0; i < parts; ++i) {
                SplitLine s;
                s.id = nextId();
                s.transaction_id = t.id;
                s.category_id = categories[m_random.bounded(int(categories.size()))].first;
                s.amount = i == parts - 1 ? left : t.amount / parts;
                left -= s.amount;
                s.created_at = s.updated_at = t.created_at;
                data.splits << s;
            }
        }
        data.transactions << t;
    }

    // A handful of recurring bills and the salary, some already overdue.
    struct RecurringPlan
    {
        const char16_t *payee;
        const char16_t *category;
        qint64 amount;
        Frequency frequency;
        int daysAgo;
        bool autoPost;
    };
    const RecurringPlan recurring[] = {
        {u"Acme Corp Payroll", u"Salary / Wages", 350000, Frequency::Biweekly, 40, true},
        {u"Rent", u"Rent/Mortgage Payment", -210000, Frequency::Monthly, 70, true},
        {u"Comcast", u"Internet", -7999, Frequency::Monthly, 10, false},
        {u"Netflix", u"Streaming", -1549, Frequency::Monthly, 3, true},
        {u"State Farm", u"Auto Insurance", -54000, Frequency::SemiAnnual, 200, false},
        {u"Gym Membership", nullptr, -4500, Frequency::Monthly, 0, false},
        {u"Coffee Fund", u"Dining & Restaurants", -500, Frequency::Daily, 30, true},
        {u"Property Tax", u"Property Tax", -320000, Frequency::Annual, -30, false},
    };
    const QDate today = QDate::currentDate();
    for (const RecurringPlan &p : recurring) {
        RecurringTransaction r;
        r.id = nextId();
        r.account_id = data.accounts[0].id;
        r.payee = QString::fromUtf16(p.payee);
        r.amount = p.amount;
        if (p.category)
            r.category_id = categoryByName.value(QString::fromUtf16(p.category));
        r.frequency = p.frequency;
        r.start_date = today.addDays(-p.daysAgo - 365);
        r.next_due_date = today.addDays(-p.daysAgo);
        r.auto_post = p.autoPost;
        r.created_at = r.updated_at = createdBase;
        data.recurring << r;
    }
    return data;
}

bool BenchDataGenerator::store(AppState *state, const BenchDataset &data)
{
    QSqlDatabase db = state->database()->connection();
    if (!db.transaction())
        return false;
    bool ok = true;
    for (const Account &a : data.accounts)
        ok = ok && state->accountRepository()->insert(a);
    ok = ok && state->transactionRepository()->insertMany(data.transactions);
    for (const SplitLine &s : data.splits)
        ok = ok && state->splitLineRepository()->insert(s);
    for (const RecurringTransaction &r : data.recurring)
        ok = ok && state->recurringRepository()->insert(r);
    if (!ok || !db.commit()) {
        db.rollback();
        return false;
    }
    return true;
}

bool BenchDataGenerator::writeQif(const BenchDataset &data, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    QHash<QString, QString> accountName;
    QHash<QString, QString> categoryName;
    for (const Account &a : data.accounts)
        accountName.insert(a.id, a.name);

    // One account block per account, each with its own transactions.
    for (const Account &a : data.accounts) {
        out << "!Account\nN" << a.name << "\nTBank\n^\n!Type:Bank\n";
        for (const Transaction &t : data.transactions) {
            if (t.account_id != a.id)
                continue;
            out << 'D' << qifDate(t.date) << "\nT" << qifAmount(t.amount) << '\n';
            if (t.cleared)
                out << "CX\n";
            if (!t.check_number.isEmpty())
                out << 'N' << t.check_number << '\n';
            out << 'P' << t.payee << '\n';
            if (!t.memo.isEmpty())
                out << 'M' << t.memo << '\n';
            if (!t.transfer_dest_account_id.isEmpty())
                out << "L[" << accountName.value(t.transfer_dest_account_id) << "]\n";
            out << "^\n";
        }
    }
    out.flush();
    return file.error() == QFile::NoError;
}

bool BenchDataGenerator::writeOfx(const BenchDataset &data, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\nSECURITY:NONE\nENCODING:UTF-8\nCHARSET:NONE\n"
           "COMPRESSION:NONE\nOLDFILEUID:NONE\nNEWFILEUID:NONE\n\n<OFX>\n<SIGNONMSGSRSV1>\n<SONRS>\n"
           "<STATUS><CODE>0<SEVERITY>INFO</STATUS>\n<DTSERVER>20250101\n<LANGUAGE>ENG\n</SONRS>\n"
           "</SIGNONMSGSRSV1>\n<BANKMSGSRSV1>\n";
    int number = 0;
    for (const Account &a : data.accounts) {
        ++number;
        out << "<STMTTRNRS>\n<TRNUID>" << number << "\n<STATUS><CODE>0<SEVERITY>INFO</STATUS>\n<STMTRS>\n"
            << "<CURDEF>USD\n<BANKACCTFROM>\n<BANKID>121000248\n<ACCTID>" << number
            << "\n<ACCTTYPE>CHECKING\n</BANKACCTFROM>\n<BANKTRANLIST>\n<DTSTART>20190101\n<DTEND>20250101\n";
        qint64 balance = 0;
        for (const Transaction &t : data.transactions) {
            if (t.account_id != a.id)
                continue;
            balance += t.amount;
            out << "<STMTTRN>\n<TRNTYPE>" << (t.amount < 0 ? "DEBIT" : "CREDIT") << "\n<DTPOSTED>"
                << t.date.toString(u"yyyyMMdd"_s) << "\n<TRNAMT>" << qifAmount(t.amount) << "\n<FITID>" << t.id
                << '\n';
            if (!t.check_number.isEmpty())
                out << "<CHECKNUM>" << sgmlText(t.check_number) << '\n';
            out << "<NAME>" << sgmlText(t.payee) << '\n';
            if (!t.memo.isEmpty())
                out << "<MEMO>" << sgmlText(t.memo) << '\n';
            out << "</STMTTRN>\n";
        }
        out << "</BANKTRANLIST>\n<LEDGERBAL>\n<BALAMT>" << qifAmount(balance)
            << "\n<DTASOF>20250101\n</LEDGERBAL>\n</STMTRS>\n</STMTTRNRS>\n";
    }
    out << "</BANKMSGSRSV1>\n</OFX>\n";
    out.flush();
    return file.error() == QFile::NoError;
}

bool BenchDataGenerator::writeCsv(const BenchDataset &data, const QString &accountId, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "Date,Payee,Amount,Memo\n";
    for (const Transaction &t : data.transactions) {
        if (!accountId.isEmpty() && t.account_id != accountId)
            continue;
        out << t.date.toString(u"MM/dd/yyyy"_s) << ',' << csvField(t.payee) << ','
            << formatAmount(t.amount, Currency::USD).remove(u',') << ',' << csvField(t.memo) << '\n';
    }
    out.flush();
    return file.error() == QFile::NoError;
}
