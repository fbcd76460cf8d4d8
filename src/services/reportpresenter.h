#pragma once

#include "reportpresets.h"
#include "reportrows.h"
#include "reporttable.h"
#include "storage/entitytypes.h"

#include <QCoreApplication>

class ReportService;
struct ReportFilter;

// Turns report results into the tables of the reports window's eight tabs and
// writes a tab as CSV. No widgets: the window only puts the texts on screen.
class ReportPresenter final
{
    Q_DECLARE_TR_FUNCTIONS(ReportPresenter)
public:
    enum Tab {
        CategorySpendingTab,
        PayeeSummaryTab,
        TaxReportTab,
        IncomeVsExpensesTab,
        CashFlowTab,
        YearOverYearTab,
        AccountSummaryTab,
        TransactionsTab,
        TabCount,
    };

    // Every amount shows in its own account's currency; a report over
    // several currencies gets a currency column and per-currency totals.
    // The argument is kept for callers written before that.
    explicit ReportPresenter(Currency currency = Currency::USD);

    static QString tabTitle(int tab);
    static QString exportFileName(int tab);
    static QString accountTypeName(const QString &code);

    ReportTable categorySpending(const QList<CategorySpendingRow> &rows) const;
    ReportTable payeeSummary(const QList<PayeeSummaryRow> &rows) const;
    ReportTable taxReport(const QList<TaxReportRow> &rows) const;
    ReportTable incomeVsExpenses(const QList<IncomeExpenseRow> &rows) const;
    ReportTable cashFlow(const QList<CashFlowRow> &rows) const;
    ReportTable yearOverYear(const QList<YearOverYearRow> &rows) const;
    ReportTable accountSummary(const QList<AccountSummaryRow> &rows) const;
    ReportTable transactions(const QList<TransactionListRow> &rows) const;
    // The Transactions tab in pages: its columns (a currency column when the
    // accounts in it differ), then the cells of each page.
    ReportTable transactionsHeader(bool withCurrency) const;
    QList<QStringList> transactionCells(const QList<TransactionListRow> &rows, bool withCurrency) const;

    // All eight tabs in tab order: the period filter for every report but
    // Year-over-Year, which compares the two periods of `comparison`.
    QList<ReportTable> runAll(const ReportService &service, const ReportFilter &filter,
                              const ReportPresets::ComparisonRange &comparison) const;

    // Writes the table as UTF-8 text; false when it has no rows or the file
    // cannot be opened, in which case nothing is written.
    static bool exportCsv(const ReportTable &table, const QString &path);

private:
    static QString money(qint64 amount, Currency currency);
    template<typename Row>
    ReportTable monthlyTable(Tab tab, const QStringList &headers, const QList<Row> &rows) const;

    Currency m_currency;
};
