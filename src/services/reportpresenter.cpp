#include "reportpresenter.h"

#include "app/money.h"
#include "reportfilter.h"
#include "reportservice.h"

#include <QSaveFile>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

constexpr const char *kTabTitles[] = {
    QT_TRANSLATE_NOOP("ReportPresenter", "Category Spending"),
    QT_TRANSLATE_NOOP("ReportPresenter", "Payee Summary"),
    QT_TRANSLATE_NOOP("ReportPresenter", "Tax Report"),
    QT_TRANSLATE_NOOP("ReportPresenter", "Income vs Expenses"),
    QT_TRANSLATE_NOOP("ReportPresenter", "Cash Flow"),
    QT_TRANSLATE_NOOP("ReportPresenter", "Year-over-Year"),
    QT_TRANSLATE_NOOP("ReportPresenter", "Account Summary"),
    QT_TRANSLATE_NOOP("ReportPresenter", "Transactions"),
};

constexpr QStringView kFileNames[] = {
    u"category_spending.csv", u"payee_summary.csv", u"tax_report.csv", u"income_vs_expenses.csv",
    u"cash_flow.csv",         u"year_over_year.csv", u"account_summary.csv", u"transactions.csv",
};

// Income vs Expenses and Cash Flow rows share one shape under different names.
struct MonthlySums
{
    qint64 in;
    qint64 out;
    qint64 net;
};

MonthlySums sums(const IncomeExpenseRow &row) { return {row.income, row.expenses, row.net}; }
MonthlySums sums(const CashFlowRow &row) { return {row.inflows, row.outflows, row.net}; }

template<typename Row>
bool mixesCurrencies(const QList<Row> &rows)
{
    for (const Row &row : rows) {
        if (row.currency != rows.constFirst().currency)
            return true;
    }
    return false;
}

// A report over accounts of several currencies gets a currency column right
// after the first one, and every amount column moves along.
template<typename Row>
void addCurrencyColumn(ReportTable &table, const QList<Row> &rows)
{
    if (!mixesCurrencies(rows))
        return;
    table.headers.insert(1, ReportPresenter::tr("Currency"));
    for (int &column : table.amountColumns)
        column += 1;
    int index = 0;
    Currency currency = rows.constFirst().currency;
    for (int r = 0; r < table.rows.size(); ++r) {
        // Total rows repeat the currency of the rows above them.
        if (!table.isTotalRow(r) && index < rows.size())
            currency = rows.at(index++).currency;
        table.rows[r].insert(1, currencyToString(currency));
    }
}

} // namespace

ReportPresenter::ReportPresenter(Currency currency)
    : m_currency(currency)
{
}

QString ReportPresenter::tabTitle(int tab)
{
    if (tab < 0 || tab >= TabCount)
        return {};
    return tr(kTabTitles[tab]);
}

QString ReportPresenter::exportFileName(int tab)
{
    if (tab < 0 || tab >= TabCount)
        return {};
    return kFileNames[tab].toString();
}

QString ReportPresenter::accountTypeName(const QString &code)
{
    switch (accountTypeFromString(code)) {
    case AccountType::Checking: return tr("Checking");
    case AccountType::Savings: return tr("Savings");
    case AccountType::CreditCard: return tr("Credit Card");
    case AccountType::Cash: return tr("Cash");
    case AccountType::Investment: return tr("Investment");
    case AccountType::Other: break;
    }
    return tr("Other");
}

QString ReportPresenter::money(qint64 amount, Currency currency)
{
    return formatMoney(amount, currency);
}

ReportTable ReportPresenter::categorySpending(const QList<CategorySpendingRow> &rows) const
{
    ReportTable table;
    table.title = tabTitle(CategorySpendingTab);
    table.headers = {tr("Category"), tr("Total")};
    table.amountColumns = {1};
    table.rows.reserve(rows.size());
    for (const CategorySpendingRow &row : rows)
        table.rows.append({row.categoryName, money(row.total, row.currency)});
    addCurrencyColumn(table, rows);
    return table;
}

ReportTable ReportPresenter::payeeSummary(const QList<PayeeSummaryRow> &rows) const
{
    ReportTable table;
    table.title = tabTitle(PayeeSummaryTab);
    table.headers = {tr("Payee"), tr("Total"), tr("Count")};
    table.amountColumns = {1};
    table.rows.reserve(rows.size());
    for (const PayeeSummaryRow &row : rows)
        table.rows.append({row.payee, money(row.total, row.currency), QString::number(row.count)});
    addCurrencyColumn(table, rows);
    return table;
}

ReportTable ReportPresenter::taxReport(const QList<TaxReportRow> &rows) const
{
    ReportTable table;
    table.title = tabTitle(TaxReportTab);
    table.headers = {tr("Category"), tr("Tax Code"), tr("Total")};
    table.amountColumns = {2};
    table.rows.reserve(rows.size());
    for (const TaxReportRow &row : rows)
        table.rows.append({row.categoryName, row.taxCode, money(row.total, row.currency)});
    addCurrencyColumn(table, rows);
    return table;
}

template<typename Row>
ReportTable ReportPresenter::monthlyTable(Tab tab, const QStringList &headers, const QList<Row> &rows) const
{
    ReportTable table;
    table.title = tabTitle(tab);
    table.headers = headers;
    table.amountColumns = {1, 2, 3};
    table.rows.reserve(rows.size() + 1);
    // Rows come ordered by currency; each currency ends with its own total.
    const bool mixed = mixesCurrencies(rows);
    MonthlySums total{0, 0, 0};
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const Row &row = rows.at(i);
        const MonthlySums s = sums(row);
        total.in += s.in;
        total.out += s.out;
        total.net += s.net;
        table.rows.append({row.month, money(s.in, row.currency), money(s.out, row.currency),
                           money(s.net, row.currency)});
        if (i + 1 == rows.size() || rows.at(i + 1).currency != row.currency) {
            table.rows.append({tr("Total"), money(total.in, row.currency), money(total.out, row.currency),
                               money(total.net, row.currency)});
            if (mixed)
                table.totalRows.append(int(table.rows.size()) - 1);
            total = MonthlySums{0, 0, 0};
        }
    }
    table.hasTotalRow = !rows.isEmpty() && !mixed;
    addCurrencyColumn(table, rows);
    return table;
}

ReportTable ReportPresenter::incomeVsExpenses(const QList<IncomeExpenseRow> &rows) const
{
    return monthlyTable(IncomeVsExpensesTab, {tr("Month"), tr("Income"), tr("Expenses"), tr("Net")}, rows);
}

ReportTable ReportPresenter::cashFlow(const QList<CashFlowRow> &rows) const
{
    return monthlyTable(CashFlowTab, {tr("Month"), tr("Inflows"), tr("Outflows"), tr("Net")}, rows);
}

ReportTable ReportPresenter::yearOverYear(const QList<YearOverYearRow> &rows) const
{
    ReportTable table;
    table.title = tabTitle(YearOverYearTab);
    table.headers = {tr("Category"), tr("Period 1"), tr("Period 2"), tr("Difference")};
    table.amountColumns = {1, 2, 3};
    table.rows.reserve(rows.size());
    for (const YearOverYearRow &row : rows)
        table.rows.append({row.categoryName, money(row.period1Total, row.currency),
                           money(row.period2Total, row.currency), money(row.difference, row.currency)});
    addCurrencyColumn(table, rows);
    return table;
}

ReportTable ReportPresenter::accountSummary(const QList<AccountSummaryRow> &rows) const
{
    ReportTable table;
    table.title = tabTitle(AccountSummaryTab);
    table.headers = {tr("Account"), tr("Type"), tr("Cleared"), tr("Uncleared"), tr("Total")};
    table.amountColumns = {2, 3, 4};
    table.rows.reserve(rows.size());
    for (const AccountSummaryRow &row : rows) {
        table.rows.append({row.accountName, accountTypeName(row.accountType),
                           money(row.clearedBalance, row.currency), money(row.unclearedAmount, row.currency),
                           money(row.totalBalance, row.currency)});
    }
    addCurrencyColumn(table, rows);
    return table;
}

ReportTable ReportPresenter::transactions(const QList<TransactionListRow> &rows) const
{
    ReportTable table = transactionsHeader(mixesCurrencies(rows));
    table.rows = transactionCells(rows, table.headers.size() > 6);
    return table;
}

ReportTable ReportPresenter::transactionsHeader(bool withCurrency) const
{
    ReportTable table;
    table.title = tabTitle(TransactionsTab);
    table.headers = {tr("Date"), tr("Account"), tr("Payee"), tr("Category"), tr("Memo"), tr("Amount")};
    table.amountColumns = {5};
    if (withCurrency) {
        table.headers.insert(1, tr("Currency"));
        table.amountColumns = {6};
    }
    return table;
}

QList<QStringList> ReportPresenter::transactionCells(const QList<TransactionListRow> &rows, bool withCurrency) const
{
    QList<QStringList> cells;
    cells.reserve(rows.size());
    const QLocale locale;
    const QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    for (const TransactionListRow &row : rows) {
        QStringList line{locale.toString(row.date, dateFormat), row.accountName, row.payee, row.categoryName,
                         row.memo, money(row.amount, row.currency)};
        if (withCurrency)
            line.insert(1, currencyToString(row.currency));
        cells.append(line);
    }
    return cells;
}

QList<ReportTable> ReportPresenter::runAll(const ReportService &service, const ReportFilter &filter,
                                           const ReportPresets::ComparisonRange &comparison) const
{
    const ReportPresets::Range &p1 = comparison.period1;
    const ReportPresets::Range &p2 = comparison.period2;
    return {
        categorySpending(service.categorySpending(filter)),
        payeeSummary(service.payeeSummary(filter)),
        taxReport(service.taxReport(filter.from, filter.to)),
        incomeVsExpenses(service.incomeVsExpenses(filter)),
        cashFlow(service.cashFlow(filter)),
        yearOverYear(service.yearOverYear(p1.from, p1.to, p2.from, p2.to, filter.accountId)),
        accountSummary(service.accountSummary()),
        transactions(service.transactionList(filter)),
    };
}

bool ReportPresenter::exportCsv(const ReportTable &table, const QString &path)
{
    if (table.isEmpty())
        return false;
    // Written aside and renamed: a failed write never leaves half a file.
    QSaveFile file(path);
    // Text mode gives the platform's line endings.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    const QByteArray bytes = table.toCsv().toUtf8();
    return file.write(bytes) == bytes.size() && file.commit();
}
