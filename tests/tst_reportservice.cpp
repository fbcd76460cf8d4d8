#include "testsupport.h"

#include "services/reportfilter.h"
#include "services/reportpresenter.h"
#include "services/reportpresets.h"
#include "services/reportservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/transactionrepository.h"

// Rows flattened to "field|field|..." so a mismatch shows the whole row.
QString describe(const CategorySpendingRow &r) { return u"%1|%2"_s.arg(r.categoryName).arg(r.total); }
QString describe(const PayeeSummaryRow &r) { return u"%1|%2|%3"_s.arg(r.payee).arg(r.total).arg(r.count); }
QString describe(const TaxReportRow &r) { return u"%1|%2|%3"_s.arg(r.categoryName, r.taxCode).arg(r.total); }
QString describe(const IncomeExpenseRow &r)
{
    return u"%1|%2|%3|%4"_s.arg(r.month).arg(r.income).arg(r.expenses).arg(r.net);
}
QString describe(const CashFlowRow &r)
{
    return u"%1|%2|%3|%4"_s.arg(r.month).arg(r.inflows).arg(r.outflows).arg(r.net);
}
QString describe(const YearOverYearRow &r)
{
    return u"%1|%2|%3|%4"_s.arg(r.categoryName).arg(r.period1Total).arg(r.period2Total).arg(r.difference);
}
QString describe(const AccountSummaryRow &r)
{
    return u"%1|%2|%3|%4|%5"_s.arg(r.accountName, r.accountType)
        .arg(r.clearedBalance).arg(r.unclearedAmount).arg(r.totalBalance);
}
QString describe(const TransactionListRow &r)
{
    return u"%1|%2|%3|%4|%5|%6"_s.arg(r.date.toString(Qt::ISODate), r.accountName, r.payee, r.categoryName, r.memo)
        .arg(r.amount);
}
template<typename Row>
QStringList describeAll(const QList<Row> &rows)
{
    QStringList out;
    for (const Row &row : rows)
        out << describe(row);
    return out;
}

class TestReportService : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void reports_data();
    void reports();
    void transactionPagesJoinToTheList_data();
    void transactionPagesJoinToTheList();

    void periodPresets_data();
    void periodPresets();
    void comparisonPresets_data();
    void comparisonPresets();

    void monthlyTablesAddTotalRow();
    void runAllKeepsTaxReportAcrossAccounts();
    void exportCsv();

private:
    QString account(const QString &name, AccountType type, qint64 start, int sortOrder);
    QString category(const QString &name, CategoryType type, const QString &taxCode = QString());
    QString add(const QString &accountId, const QDate &date, const QString &payee, qint64 amount,
                const QString &categoryId, bool cleared = false, const QString &id = QString(),
                const QString &linkId = QString(), const QString &destAccountId = QString());

    std::unique_ptr<TestDatabase> m_db;
    ReportService *m_service = nullptr;
    QHash<QString, QString> m_ids; // account and category names to ids
};

QString TestReportService::account(const QString &name, AccountType type, qint64 start, int sortOrder)
{
    Account a = m_db->addAccount(name, Currency::USD, start);
    a.account_type = type;
    a.sort_order = sortOrder;
    m_db->accounts->update(a);
    m_ids.insert(name, a.id);
    return a.id;
}

QString TestReportService::category(const QString &name, CategoryType type, const QString &taxCode)
{
    Category c = m_db->addCategory(name, type);
    c.is_tax_relevant = !taxCode.isEmpty();
    c.tax_category = taxCode;
    m_db->categories->update(c);
    m_ids.insert(name, c.id);
    return c.id;
}

QString TestReportService::add(const QString &accountId, const QDate &date, const QString &payee, qint64 amount,
                               const QString &categoryId, bool cleared, const QString &id, const QString &linkId,
                               const QString &destAccountId)
{
    Transaction t = m_db->addTransaction(accountId, date, payee, amount, categoryId);
    t.cleared = cleared;
    t.transfer_link_id = linkId;
    t.transfer_dest_account_id = destAccountId;
    m_db->transactions->update(t);
    if (!id.isEmpty())
        m_db->execute(u"UPDATE transactions SET id = ? WHERE id = ?"_s, {id, t.id});
    return id.isEmpty() ? t.id : id;
}

// The fixed household every report test reads; the expected totals in the
// tests below are worked out by hand from this list.
void TestReportService::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_service = new ReportService(m_db->database, &m_db->owner);

    const QString checking = account(u"Checking"_s, AccountType::Checking, 100000, 0);
    const QString savings = account(u"Savings"_s, AccountType::Savings, 50000, 1);
    const QString visa = account(u"Visa"_s, AccountType::CreditCard, 0, 2);
    account(u"Piggy"_s, AccountType::Cash, 12345, 3);
    account(u"Brokerage"_s, AccountType::Investment, 0, 3); // same position: sorted by name
    QVERIFY(m_db->accounts->softDelete(account(u"Old"_s, AccountType::Checking, 777, 4)));

    const QString groceries = category(u"Groceries"_s, CategoryType::Expense);
    const QString salary = category(u"Salary"_s, CategoryType::Income);
    const QString medical = category(u"Medical"_s, CategoryType::Expense, u"medical_dental"_s);
    const QString charity = category(u"Charity"_s, CategoryType::Expense, u"charitable_contributions"_s);
    const QString interest = category(u"Interest"_s, CategoryType::Income, u"interest_income"_s);
    const QString dining = category(u"Dining"_s, CategoryType::Expense);
    const QString books = category(u"Books"_s, CategoryType::Expense);
    const QString misc = category(u"misc"_s, CategoryType::Expense); // lower case sorts after "U"

    add(checking, QDate(2024, 1, 5), u"Acme Corp"_s, 300000, salary, true);
    add(checking, QDate(2024, 1, 10), u"Market"_s, -5000, groceries, true);
    add(checking, QDate(2024, 1, 20), u"Market"_s, -7000, groceries);
    add(checking, QDate(2024, 1, 25), u"Market"_s, 1500, groceries); // refund
    add(checking, QDate(2024, 2, 3), u"Clinic"_s, -20000, medical, true);
    const QString outLeg = newId();
    const QString inLeg = newId();
    add(checking, QDate(2024, 2, 14), u"Transfer to Savings"_s, -50000, QString(), false, outLeg, inLeg, savings);
    add(savings, QDate(2024, 2, 14), u"Transfer from Checking"_s, 50000, QString(), true, inLeg, outLeg, checking);
    const QString kiosk = add(checking, QDate(2024, 2, 20), u"Kiosk"_s, -300, QString());
    QVERIFY(m_db->execute(u"UPDATE transactions SET memo = 'gum, \"mints\"' WHERE id = ?"_s, {kiosk}));
    QVERIFY(m_db->transactions->softDelete(add(checking, QDate(2024, 2, 21), u"Ghost"_s, -99999, groceries)));
    const QString redCross = add(checking, QDate(2024, 3, 1), u"Red Cross"_s, -2500, charity);
    QVERIFY(m_db->execute(u"UPDATE transactions SET memo = NULL WHERE id = ?"_s, {redCross}));
    add(savings, QDate(2024, 3, 31), u"Bank"_s, 125, interest, true);
    add(visa, QDate(2023, 6, 15), u"Market"_s, -4000, groceries, true);
    add(visa, QDate(2023, 7, 1), u"Diner"_s, -3500, dining, true);
    add(visa, QDate(2023, 12, 31), u"Vendor"_s, -100, misc);
    add(visa, QDate(2024, 1, 15), u"Bookshop"_s, -2200, books);
    add(visa, QDate(2024, 4, 1), u"Market"_s, -1000, groceries);
}

void TestReportService::cleanupTestCase()
{
    m_db.reset();
}

void TestReportService::reports_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("account"); // name, empty for all
    QTest::addColumn<QStringList>("expected");

    const QDate q1From(2024, 1, 1), q1To(2024, 3, 31), transferDay(2024, 2, 14);

    // A linked transfer is no spending: only the plain uncategorized payment counts.
    QTest::newRow("spending: payments only, refund, transfer and deleted row ignored, no category is Uncategorized")
        << u"categorySpending"_s << q1From << q1To << QString()
        << QStringList{u"Medical|-20000"_s, u"Groceries|-12000"_s, u"Charity|-2500"_s, u"Books|-2200"_s,
                       u"Uncategorized|-300"_s};
    QTest::newRow("spending for one account")
        << u"categorySpending"_s << q1From << q1To << u"Visa"_s << QStringList{u"Books|-2200"_s};
    QTest::newRow("payees: both signs, counted, ascending total")
        << u"payeeSummary"_s << q1From << q1To << QString()
        << QStringList{u"Transfer to Savings|-50000|1"_s, u"Clinic|-20000|1"_s, u"Market|-10500|3"_s,
                       u"Red Cross|-2500|1"_s, u"Bookshop|-2200|1"_s, u"Kiosk|-300|1"_s, u"Bank|125|1"_s,
                       u"Transfer from Checking|50000|1"_s, u"Acme Corp|300000|1"_s};
    QTest::newRow("tax report sorted by tax code")
        << u"taxReport"_s << q1From << q1To << QString()
        << QStringList{u"Charity|charitable_contributions|-2500"_s, u"Interest|interest_income|125"_s,
                       u"Medical|medical_dental|-20000"_s};
    QTest::newRow("income vs expenses leaves transfers out")
        << u"incomeVsExpenses"_s << q1From << q1To << QString()
        << QStringList{u"2024-01|301500|-14200|287300"_s, u"2024-02|0|-20300|-20300"_s,
                       u"2024-03|125|-2500|-2375"_s};
    QTest::newRow("cash flow keeps transfers")
        << u"cashFlow"_s << q1From << q1To << QString()
        << QStringList{u"2024-01|301500|-14200|287300"_s, u"2024-02|50000|-70300|-20300"_s,
                       u"2024-03|125|-2500|-2375"_s};
    QTest::newRow("cash flow of both transfer legs nets to zero")
        << u"cashFlow"_s << transferDay << transferDay << QString() << QStringList{u"2024-02|50000|-50000|0"_s};
    QTest::newRow("transactions by date then payee, memo kept, NULL memo empty")
        << u"transactionList"_s << q1From << q1To << QString()
        << QStringList{u"2024-01-05|Checking|Acme Corp|Salary||300000"_s,
                       u"2024-01-10|Checking|Market|Groceries||-5000"_s,
                       u"2024-01-15|Visa|Bookshop|Books||-2200"_s,
                       u"2024-01-20|Checking|Market|Groceries||-7000"_s,
                       u"2024-01-25|Checking|Market|Groceries||1500"_s,
                       u"2024-02-03|Checking|Clinic|Medical||-20000"_s,
                       u"2024-02-14|Savings|Transfer from Checking|||50000"_s,
                       u"2024-02-14|Checking|Transfer to Savings|||-50000"_s,
                       u"2024-02-20|Checking|Kiosk||gum, \"mints\"|-300"_s,
                       u"2024-03-01|Checking|Red Cross|Charity||-2500"_s,
                       u"2024-03-31|Savings|Bank|Interest||125"_s};
    // The year before against this one; names sort case-sensitively, so "misc" follows "Uncategorized".
    QTest::newRow("year over year, categories on one side only")
        << u"yearOverYear"_s << QDate(2024, 1, 1) << QDate(2024, 12, 31) << QString()
        << QStringList{u"Books|0|-2200|-2200"_s, u"Charity|0|-2500|-2500"_s, u"Dining|-3500|0|3500"_s,
                       u"Groceries|-4000|-11500|-7500"_s, u"Interest|0|125|125"_s, u"Medical|0|-20000|-20000"_s,
                       u"Salary|0|300000|300000"_s, u"Uncategorized|0|-300|-300"_s, u"misc|-100|0|100"_s};
    // Starting balance joins the cleared and total columns; deleted rows and
    // the deleted account drop out; equal positions sort by name.
    QTest::newRow("account summary") << u"accountSummary"_s << QDate() << QDate() << QString()
        << QStringList{u"Checking|checking|375000|-58300|316700"_s, u"Savings|savings|100125|0|100125"_s,
                       u"Visa|credit_card|-7500|-3300|-10800"_s, u"Brokerage|investment|0|0|0"_s,
                       u"Piggy|cash|12345|0|12345"_s};
}

void TestReportService::reports()
{
    QFETCH(QString, report);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, account);
    QFETCH(QStringList, expected);

    const ReportFilter filter{from, to, account.isEmpty() ? QString() : m_ids.value(account)};
    QStringList actual;
    if (report == u"categorySpending")
        actual = describeAll(m_service->categorySpending(filter));
    else if (report == u"payeeSummary")
        actual = describeAll(m_service->payeeSummary(filter));
    else if (report == u"taxReport")
        actual = describeAll(m_service->taxReport(from, to));
    else if (report == u"incomeVsExpenses")
        actual = describeAll(m_service->incomeVsExpenses(filter));
    else if (report == u"cashFlow")
        actual = describeAll(m_service->cashFlow(filter));
    else if (report == u"transactionList")
        actual = describeAll(m_service->transactionList(filter));
    else if (report == u"yearOverYear")
        actual = describeAll(m_service->yearOverYear(from.addYears(-1), to.addYears(-1), from, to, filter.accountId));
    else if (report == u"accountSummary")
        actual = describeAll(m_service->accountSummary());
    else
        QFAIL("unknown report");
    QCOMPARE(actual, expected);
}

void TestReportService::transactionPagesJoinToTheList_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<int>("pageSize");
    QTest::newRow("one at a time") << QString() << 1;
    QTest::newRow("ties split across pages") << QString() << 2;
    QTest::newRow("one account") << u"Checking"_s << 3;
    QTest::newRow("one page") << QString() << 100;
}

void TestReportService::transactionPagesJoinToTheList()
{
    QFETCH(QString, account);
    QFETCH(int, pageSize);
    const ReportFilter filter{QDate(1900, 1, 1), QDate(2100, 12, 31), m_ids.value(account)};
    const QStringList whole = describeAll(m_service->transactionList(filter));
    QVERIFY(whole.size() > 5);
    QStringList paged;
    TransactionListRow last;
    for (int pages = 0; pages <= whole.size(); ++pages) {
        const auto page = m_service->transactionListPage(filter, paged.isEmpty() ? nullptr : &last, pageSize);
        QVERIFY(page.size() <= pageSize);
        paged << describeAll(page);
        if (page.size() < pageSize)
            break;
        last = page.constLast();
    }
    QCOMPARE(paged, whole);
    const QList<Currency> currencies = m_service->transactionListCurrencies(filter);
    QCOMPARE(currencies, QList<Currency>{Currency::USD});
}

void TestReportService::periodPresets_data()
{
    QTest::addColumn<int>("preset");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");

    using P = ReportPresets;
    QTest::newRow("this month on leap day") << int(P::ThisMonth) << QDate(2024, 2, 29) << QDate(2024, 2, 1) << QDate(2024, 2, 29);
    QTest::newRow("last month on 31 March, leap year") << int(P::LastMonth) << QDate(2024, 3, 31) << QDate(2024, 2, 1) << QDate(2024, 2, 29);
    QTest::newRow("last quarter on 15 May") << int(P::LastQuarter) << QDate(2024, 5, 15) << QDate(2024, 1, 1) << QDate(2024, 3, 31);
    QTest::newRow("last 12 months from leap day") << int(P::Last12Months) << QDate(2024, 2, 29) << QDate(2023, 2, 28) << QDate(2024, 2, 29);
    QTest::newRow("this quarter") << int(P::ThisQuarter) << QDate(2024, 5, 15) << QDate(2024, 4, 1) << QDate(2024, 5, 15);
    QTest::newRow("last year") << int(P::LastYear) << QDate(2024, 6, 30) << QDate(2023, 1, 1) << QDate(2023, 12, 31);
    QTest::newRow("all time") << int(P::AllTime) << QDate(2024, 7, 4) << QDate(2000, 1, 1) << QDate(2024, 7, 4);
    QTest::newRow("custom has no range") << int(P::CustomPeriod) << QDate(2024, 7, 4) << QDate() << QDate();
}

void TestReportService::periodPresets()
{
    QFETCH(int, preset);
    QFETCH(QDate, today);
    QFETCH(QDate, from);
    QFETCH(QDate, to);

    // The week-start of the locale has no say in any period.
    const QLocale saved;
    for (const QLocale &locale : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German)}) {
        QLocale::setDefault(locale);
        const auto range = ReportPresets::periodRange(static_cast<ReportPresets::Period>(preset), today);
        QLocale::setDefault(saved);
        QCOMPARE(range.has_value(), from.isValid());
        if (range) {
            QCOMPARE(range->from, from);
            QCOMPARE(range->to, to);
        }
    }
}

void TestReportService::comparisonPresets_data()
{
    QTest::addColumn<int>("preset");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("from1");
    QTest::addColumn<QDate>("to1");
    QTest::addColumn<QDate>("from2");
    QTest::addColumn<QDate>("to2");

    using P = ReportPresets;
    QTest::newRow("this year vs last on leap day") << int(P::ThisYearVsLastYear) << QDate(2024, 2, 29)
        << QDate(2023, 1, 1) << QDate(2023, 12, 31) << QDate(2024, 1, 1) << QDate(2024, 2, 29);
    QTest::newRow("last year vs year before") << int(P::LastYearVsYearBefore) << QDate(2024, 1, 1)
        << QDate(2022, 1, 1) << QDate(2022, 12, 31) << QDate(2023, 1, 1) << QDate(2023, 12, 31);
    QTest::newRow("quarters across the year") << int(P::ThisQuarterVsLastQuarter) << QDate(2024, 1, 1)
        << QDate(2023, 10, 1) << QDate(2023, 12, 31) << QDate(2024, 1, 1) << QDate(2024, 1, 1);
}

void TestReportService::comparisonPresets()
{
    QFETCH(int, preset);
    QFETCH(QDate, today);
    QFETCH(QDate, from1);
    QFETCH(QDate, to1);
    QFETCH(QDate, from2);
    QFETCH(QDate, to2);

    const auto range = ReportPresets::comparisonRange(static_cast<ReportPresets::Comparison>(preset), today);
    QCOMPARE(range.has_value(), from1.isValid());
    if (range) {
        QCOMPARE(range->period1, (ReportPresets::Range{from1, to1}));
        QCOMPARE(range->period2, (ReportPresets::Range{from2, to2}));
        // The label names both periods in the locale's short dates.
        const QString label = ReportPresets::comparisonLabel(*range);
        QVERIFY2(label.startsWith(u"P1: "_s) && label.contains(ReportPresets::rangeLabel(range->period2)),
                 qPrintable(label));
    }
}

void TestReportService::monthlyTablesAddTotalRow()
{
    const ReportPresenter presenter;
    const ReportFilter q1{QDate(2024, 1, 1), QDate(2024, 3, 31), QString()};

    const ReportTable income = presenter.incomeVsExpenses(m_service->incomeVsExpenses(q1));
    QCOMPARE(income.rows.size(), 4);
    QCOMPARE(income.rows.first(), (QStringList{u"2024-01"_s, u"$3,015.00"_s, u"-$142.00"_s, u"$2,873.00"_s}));
    QCOMPARE(income.rows.last(), (QStringList{u"Total"_s, u"$3,016.25"_s, u"-$370.00"_s, u"$2,646.25"_s}));
    QVERIFY(income.isTotalRow(3));
    QVERIFY(!income.isTotalRow(2));

    const ReportTable cash = presenter.cashFlow(m_service->cashFlow(q1));
    QCOMPARE(cash.rows.last(), (QStringList{u"Total"_s, u"$3,516.25"_s, u"-$870.00"_s, u"$2,646.25"_s}));

    // Without rows there is nothing to total.
    const ReportFilter transfersOnly{QDate(2024, 2, 14), QDate(2024, 2, 14), QString()};
    const ReportTable none = presenter.incomeVsExpenses(m_service->incomeVsExpenses(transfersOnly));
    QVERIFY(none.isEmpty());
    QVERIFY(!none.isTotalRow(-1));
}

void TestReportService::runAllKeepsTaxReportAcrossAccounts()
{
    const ReportFilter visaQ1{QDate(2024, 1, 1), QDate(2024, 3, 31), m_ids.value(u"Visa"_s)};
    const auto comparison = ReportPresets::comparisonRange(ReportPresets::ThisYearVsLastYear, QDate(2024, 12, 31));
    QVERIFY(comparison);
    const QList<ReportTable> tables = ReportPresenter().runAll(*m_service, visaQ1, *comparison);
    QCOMPARE(tables.size(), int(ReportPresenter::TabCount));
    QCOMPARE(tables.at(ReportPresenter::CategorySpendingTab).rows.size(), 1);
    QCOMPARE(tables.at(ReportPresenter::TaxReportTab).rows.size(), 3);     // no account filter
    QCOMPARE(tables.at(ReportPresenter::YearOverYearTab).rows.size(), 4);  // the whole years, Visa only
    QCOMPARE(tables.at(ReportPresenter::AccountSummaryTab).rows.size(), 5); // no filter at all
    QCOMPARE(tables.at(ReportPresenter::TransactionsTab).rows.size(), 1);
}

void TestReportService::exportCsv()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const ReportTable table = ReportPresenter().cashFlow(
        m_service->cashFlow({QDate(2024, 2, 1), QDate(2024, 2, 29), QString()}));

    const QString path = dir.filePath(ReportPresenter::exportFileName(ReportPresenter::CashFlowTab));
    QVERIFY(ReportPresenter::exportCsv(table, path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(QString::fromUtf8(bytes), u"\"Month\",\"Inflows\",\"Outflows\",\"Net\"\n"
                                       "\"2024-02\",\"$500.00\",\"-$703.00\",\"-$203.00\"\n"
                                       "\"Total\",\"$500.00\",\"-$703.00\",\"-$203.00\"\n"_s);

    // An empty tab writes nothing; an unwritable place fails quietly.
    const QString emptyPath = dir.filePath(u"empty.csv"_s);
    QVERIFY(!ReportPresenter::exportCsv(ReportTable(), emptyPath));
    QVERIFY(!QFile::exists(emptyPath));
    QVERIFY(!ReportPresenter::exportCsv(table, dir.filePath(u"missing/dir/out.csv"_s)));
}

PENWICK_TEST_MAIN(TestReportService)
#include "tst_reportservice.moc"
