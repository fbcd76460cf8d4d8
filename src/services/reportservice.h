#pragma once

#include "reportfilter.h"
#include "reportrows.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>

class Database;
class QSqlQuery;

// Answers the eight reports, one SQL query each, straight on the database
// connection. A query that fails yields an empty list; the failure is logged.
class ReportService final : public QObject
{
    Q_OBJECT
public:
    explicit ReportService(Database *database, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ReportService)

    QList<CategorySpendingRow> categorySpending(const ReportFilter &filter) const;
    QList<PayeeSummaryRow> payeeSummary(const ReportFilter &filter) const;
    QList<TaxReportRow> taxReport(const QDate &from, const QDate &to) const;
    QList<IncomeExpenseRow> incomeVsExpenses(const ReportFilter &filter) const;
    QList<CashFlowRow> cashFlow(const ReportFilter &filter) const;
    QList<YearOverYearRow> yearOverYear(const QDate &period1From, const QDate &period1To,
                                        const QDate &period2From, const QDate &period2To,
                                        const QString &accountId) const;
    QList<AccountSummaryRow> accountSummary() const;
    // Month-end balances of every live account over the filter's period.
    QList<AccountBalanceSeries> accountBalances(const QDate &from, const QDate &to) const;
    QList<TransactionListRow> transactionList(const ReportFilter &filter,
                                              const QString &categoryId = QString()) const;
    // The same list a page at a time, after the given row (from the start
    // when null), so a window shows the first rows of a large register at once.
    QList<TransactionListRow> transactionListPage(const ReportFilter &filter, const TransactionListRow *after,
                                                  int limit) const;
    // The currencies of the accounts with transactions in the filter's period.
    QList<Currency> transactionListCurrencies(const ReportFilter &filter) const;

    // Every field quoted, embedded quotes doubled, each row ended by a line
    // feed; text that a spreadsheet would run as a formula gets a leading '.
    static QString toCsv(const QStringList &headers, const QList<QStringList> &rows);

private:
    QList<TransactionListRow> transactionRows(const ReportFilter &filter, const QString &categoryId,
                                              const TransactionListRow *after, int limit) const;
    struct CategoryKey
    {
        QString currency;
        QString id; // empty for "Uncategorized"
        QString name;
        QString parentName;
    };
    struct CategoryTotal
    {
        CategoryKey key;
        qint64 total = 0;
    };
    // Columns: currency, category id, name, parent name.
    static CategoryKey categoryKey(const QSqlQuery &q);
    // Names as shown: "Parent: Name" where one name stands for several categories.
    static QStringList categoryLabels(const QList<CategoryKey> &keys);
    // Totals without linked transfers keyed by currency code, char 31, category id.
    QHash<QString, CategoryTotal> categoryTotalsByCurrency(const ReportFilter &filter) const;
    bool run(QSqlQuery &query, const QString &sql, const QVariantList &values, const char *failureLog) const;

    Database *m_database;
};
