#pragma once

#include "reportfilter.h"
#include "reportrows.h"

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
    // Totals by category name over every account of the filter: meant for one
    // account (one currency); Year-over-Year keeps currencies apart itself.
    QMap<QString, qint64> categoryTotals(const ReportFilter &filter) const;
    QList<YearOverYearRow> yearOverYear(const QDate &period1From, const QDate &period1To,
                                        const QDate &period2From, const QDate &period2To,
                                        const QString &accountId) const;
    QList<AccountSummaryRow> accountSummary() const;
    QList<TransactionListRow> transactionList(const ReportFilter &filter,
                                              const QString &categoryId = QString()) const;

    // Every field quoted, embedded quotes doubled, each row ended by a line feed.
    static QString toCsv(const QStringList &headers, const QList<QStringList> &rows);

private:
    // Category totals keyed by currency code, char 31, category name.
    QMap<QString, qint64> categoryTotalsByCurrency(const ReportFilter &filter) const;
    bool run(QSqlQuery &query, const QString &sql, const QVariantList &values, const char *failureLog) const;

    Database *m_database;
};
