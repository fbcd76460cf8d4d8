#include "reportservice.h"

#include "storage/database.h"
#include "storage/sqlcodec.h"

#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace {

// Appends the optional account condition and returns the bound values in
// placeholder order: from, to, then the account.
QVariantList dateAndAccount(const ReportFilter &filter, QString &sql)
{
    QVariantList values{SqlCodec::dateText(filter.from), SqlCodec::dateText(filter.to)};
    if (!filter.accountId.isEmpty()) {
        sql += u" AND t.account_id = ?"_s;
        values << filter.accountId;
    }
    return values;
}

QString quoted(const QString &field)
{
    QString out;
    out.reserve(field.size() + 2);
    out += u'"';
    for (const QChar c : field) {
        if (c == u'"')
            out += u'"';
        out += c;
    }
    out += u'"';
    return out;
}

// Every amount belongs to the currency of its account; sums never cross it.
const QString kCurrencyJoin = u" LEFT JOIN accounts ca ON ca.id = t.account_id"_s;
const QString kCurrency = u"COALESCE(ca.currency, 'USD')"_s;

Currency currencyOf(const QVariant &code)
{
    return currencyFromString(code.toString());
}

void appendCsvLine(QString &csv, const QStringList &fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            csv += u',';
        csv += quoted(fields.at(i));
    }
    csv += u'\n';
}

} // namespace

ReportService::ReportService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
}

bool ReportService::run(QSqlQuery &query, const QString &sql, const QVariantList &values,
                        const char *failureLog) const
{
    // Reports only walk their rows once.
    query.setForwardOnly(true);
    return SqlCodec::exec(query, sql, values, failureLog);
}

QList<CategorySpendingRow> ReportService::categorySpending(const ReportFilter &filter) const
{
    QString sql = u"SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount), %1 FROM transactions t "
                  "LEFT JOIN categories c ON t.category_id = c.id%2 WHERE t.deleted_at IS NULL "
                  "AND t.amount < 0 AND t.date >= ? AND t.date <= ?"_s.arg(kCurrency, kCurrencyJoin);
    const QVariantList values = dateAndAccount(filter, sql);
    sql += u" GROUP BY %1, COALESCE(c.name, 'Uncategorized') ORDER BY %1, SUM(t.amount) ASC"_s.arg(kCurrency);

    QList<CategorySpendingRow> rows;
    QSqlQuery q(m_database->connection());
    if (!run(q, sql, values, "ReportService::categorySpending failed:"))
        return rows;
    while (q.next())
        rows.append({q.value(0).toString(), q.value(1).toLongLong(), currencyOf(q.value(2))});
    return rows;
}

QList<PayeeSummaryRow> ReportService::payeeSummary(const ReportFilter &filter) const
{
    QString sql = u"SELECT t.payee, SUM(t.amount), COUNT(*), %1 FROM transactions t%2 "
                  "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?"_s.arg(kCurrency, kCurrencyJoin);
    const QVariantList values = dateAndAccount(filter, sql);
    sql += u" GROUP BY %1, t.payee ORDER BY %1, SUM(t.amount) ASC"_s.arg(kCurrency);

    QList<PayeeSummaryRow> rows;
    QSqlQuery q(m_database->connection());
    if (!run(q, sql, values, "ReportService::payeeSummary failed:"))
        return rows;
    while (q.next())
        rows.append({q.value(0).toString(), q.value(1).toLongLong(), q.value(2).toInt(), currencyOf(q.value(3))});
    return rows;
}

QList<TaxReportRow> ReportService::taxReport(const QDate &from, const QDate &to) const
{
    const QString sql = u"SELECT c.name, c.tax_category, SUM(t.amount), %1 FROM transactions t "
                        "JOIN categories c ON t.category_id = c.id%2 WHERE t.deleted_at IS NULL "
                        "AND c.is_tax_relevant = 1 AND t.date >= ? AND t.date <= ? "
                        "GROUP BY %1, c.name, c.tax_category ORDER BY %1, c.tax_category, c.name"_s.arg(kCurrency,
                                                                                                  kCurrencyJoin);

    QList<TaxReportRow> rows;
    QSqlQuery q(m_database->connection());
    if (!run(q, sql, {SqlCodec::dateText(from), SqlCodec::dateText(to)}, "ReportService::taxReport failed:"))
        return rows;
    while (q.next())
        rows.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toLongLong(), currencyOf(q.value(3))});
    return rows;
}

QList<IncomeExpenseRow> ReportService::incomeVsExpenses(const ReportFilter &filter) const
{
    QString sql = u"SELECT strftime('%Y-%m', t.date) AS month, "
                  "SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END) AS income, "
                  "SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS expenses, %1 "
                  "FROM transactions t%2 WHERE t.deleted_at IS NULL "
                  "  AND (t.transfer_link_id IS NULL OR t.transfer_link_id = '') "
                  "  AND t.date >= ? AND t.date <= ?"_s.arg(kCurrency, kCurrencyJoin);
    const QVariantList values = dateAndAccount(filter, sql);
    sql += u" GROUP BY %1, month ORDER BY %1, month"_s.arg(kCurrency);

    QList<IncomeExpenseRow> rows;
    QSqlQuery q(m_database->connection());
    if (!run(q, sql, values, "ReportService::incomeVsExpenses failed:"))
        return rows;
    while (q.next()) {
        const qint64 income = q.value(1).toLongLong();
        const qint64 expenses = q.value(2).toLongLong();
        rows.append({q.value(0).toString(), income, expenses, income + expenses, currencyOf(q.value(3))});
    }
    return rows;
}

QList<CashFlowRow> ReportService::cashFlow(const ReportFilter &filter) const
{
    QString sql = u"SELECT strftime('%Y-%m', t.date) AS month, "
                  "SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END) AS inflows, "
                  "SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS outflows, %1 "
                  "FROM transactions t%2 WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?"_s.arg(
                      kCurrency, kCurrencyJoin);
    const QVariantList values = dateAndAccount(filter, sql);
    sql += u" GROUP BY %1, month ORDER BY %1, month"_s.arg(kCurrency);

    QList<CashFlowRow> rows;
    QSqlQuery q(m_database->connection());
    if (!run(q, sql, values, "ReportService::cashFlow failed:"))
        return rows;
    while (q.next()) {
        const qint64 inflows = q.value(1).toLongLong();
        const qint64 outflows = q.value(2).toLongLong();
        rows.append({q.value(0).toString(), inflows, outflows, inflows + outflows, currencyOf(q.value(3))});
    }
    return rows;
}

QMap<QString, qint64> ReportService::categoryTotals(const ReportFilter &filter) const
{
    QString sql = u"SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount) FROM transactions t "
                  "LEFT JOIN categories c ON t.category_id = c.id "
                  "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?"_s;
    const QVariantList values = dateAndAccount(filter, sql);
    sql += u" GROUP BY COALESCE(c.name, 'Uncategorized')"_s;

    QMap<QString, qint64> totals;
    QSqlQuery q(m_database->connection());
    if (!run(q, sql, values, "ReportService::categoryTotals failed:"))
        return totals;
    while (q.next())
        totals.insert(q.value(0).toString(), q.value(1).toLongLong());
    return totals;
}

QMap<QString, qint64> ReportService::categoryTotalsByCurrency(const ReportFilter &filter) const
{
    QString sql = u"SELECT %1 || char(31) || COALESCE(c.name, 'Uncategorized') AS k, SUM(t.amount) "
                  "FROM transactions t LEFT JOIN categories c ON t.category_id = c.id%2 "
                  "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?"_s.arg(kCurrency, kCurrencyJoin);
    const QVariantList values = dateAndAccount(filter, sql);
    sql += u" GROUP BY k"_s;

    QMap<QString, qint64> totals;
    QSqlQuery q(m_database->connection());
    if (!run(q, sql, values, "ReportService::categoryTotals failed:"))
        return totals;
    while (q.next())
        totals.insert(q.value(0).toString(), q.value(1).toLongLong());
    return totals;
}

QList<YearOverYearRow> ReportService::yearOverYear(const QDate &period1From, const QDate &period1To,
                                                   const QDate &period2From, const QDate &period2To,
                                                   const QString &accountId) const
{
    const QMap<QString, qint64> first = categoryTotalsByCurrency({period1From, period1To, accountId});
    const QMap<QString, qint64> second = categoryTotalsByCurrency({period2From, period2To, accountId});

    // Both maps are ordered by currency, then name (case-sensitive), so one
    // merge pass yields the union already sorted.
    QList<YearOverYearRow> rows;
    rows.reserve(first.size() + second.size());
    auto a = first.cbegin();
    auto b = second.cbegin();
    while (a != first.cend() || b != second.cend()) {
        YearOverYearRow row;
        if (b == second.cend() || (a != first.cend() && a.key() < b.key())) {
            row.categoryName = a.key();
            row.period1Total = a.value();
            ++a;
        } else if (a == first.cend() || b.key() < a.key()) {
            row.categoryName = b.key();
            row.period2Total = b.value();
            ++b;
        } else {
            row.categoryName = a.key();
            row.period1Total = a.value();
            row.period2Total = b.value();
            ++a;
            ++b;
        }
        row.difference = row.period2Total - row.period1Total;
        // The key is "currency code, unit separator, category name".
        const qsizetype split = row.categoryName.indexOf(u'\x1f');
        row.currency = currencyOf(row.categoryName.left(split));
        row.categoryName = row.categoryName.mid(split + 1);
        rows.append(row);
    }
    return rows;
}

QList<AccountSummaryRow> ReportService::accountSummary() const
{
    const QString sql = u"SELECT a.name, a.account_type, a.starting_balance, "
                        "COALESCE(SUM(CASE WHEN t.cleared = 1 THEN t.amount ELSE 0 END), 0) AS cleared_sum, "
                        "COALESCE(SUM(CASE WHEN t.cleared = 0 THEN t.amount ELSE 0 END), 0) AS uncleared_sum, "
                        "COALESCE(SUM(t.amount), 0) AS total_sum, a.currency "
                        "FROM accounts a LEFT JOIN transactions t ON t.account_id = a.id AND t.deleted_at IS NULL "
                        "WHERE a.deleted_at IS NULL GROUP BY a.id ORDER BY a.sort_order, a.name"_s;

    QList<AccountSummaryRow> rows;
    QSqlQuery q(m_database->connection());
    if (!run(q, sql, {}, "ReportService::accountSummary failed:"))
        return rows;
    while (q.next()) {
        const qint64 starting = q.value(2).toLongLong();
        rows.append({q.value(0).toString(), q.value(1).toString(), starting + q.value(3).toLongLong(),
                     q.value(4).toLongLong(), starting + q.value(5).toLongLong(), currencyOf(q.value(6))});
    }
    return rows;
}

QList<TransactionListRow> ReportService::transactionList(const ReportFilter &filter,
                                                         const QString &categoryId) const
{
    QString sql = u"SELECT t.date, a.name AS account_name, t.payee, "
                  "       COALESCE(c.name, '') AS category_name, "
                  "       COALESCE(t.memo, ''), t.amount, COALESCE(a.currency, 'USD') FROM transactions t "
                  "LEFT JOIN accounts a ON t.account_id = a.id "
                  "LEFT JOIN categories c ON t.category_id = c.id "
                  "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?"_s;
    QVariantList values = dateAndAccount(filter, sql);
    if (!categoryId.isEmpty()) {
        sql += u" AND t.category_id = ?"_s;
        values << categoryId;
    }
    sql += u" ORDER BY t.date, t.payee"_s;

    QList<TransactionListRow> rows;
    QSqlQuery q(m_database->connection());
    if (!run(q, sql, values, "ReportService::transactionList failed:"))
        return rows;
    while (q.next()) {
        rows.append({SqlCodec::toDate(q.value(0)), q.value(1).toString(), q.value(2).toString(),
                     q.value(3).toString(), q.value(4).toString(), q.value(5).toLongLong(), currencyOf(q.value(6))});
    }
    return rows;
}

QString ReportService::toCsv(const QStringList &headers, const QList<QStringList> &rows)
{
    // Headers are escaped like cells: a translated title holding a quote must
    // not break the file.
    QString csv;
    appendCsvLine(csv, headers);
    for (const QStringList &row : rows)
        appendCsvLine(csv, row);
    return csv;
}
