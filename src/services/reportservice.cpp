#include "reportservice.h"

#include "storage/database.h"
#include "storage/sqlcodec.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>

#include <algorithm>

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

// A spreadsheet runs a cell starting with one of these as a formula; amounts
// such as "-$12.50" or "+3" stay numbers.
QString defused(const QString &field)
{
    if (field.isEmpty() || !QStringView(u"=+-@").contains(field.front()))
        return field;
    static const QRegularExpression number(u"^[+-]?[^\\s\\d=+\\-@()]{0,4}\\s?\\d[\\d,]*(\\.\\d+)?$"_s);
    return number.match(field).hasMatch() ? field : u'\'' + field;
}

void appendCsvLine(QString &csv, const QStringList &fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            csv += u',';
        csv += quoted(defused(fields.at(i)));
    }
    csv += u'\n';
}

} // namespace

ReportService::CategoryKey ReportService::categoryKey(const QSqlQuery &q)
{
    return {q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString()};
}

QStringList ReportService::categoryLabels(const QList<CategoryKey> &keys)
{
    // A name shared by different categories of one currency gets its parent.
    QHash<QString, QSet<QString>> idsByName;
    for (const CategoryKey &key : keys)
        idsByName[key.currency + u'\x1f' + key.name].insert(key.id);
    QStringList labels;
    labels.reserve(keys.size());
    for (const CategoryKey &key : keys) {
        const bool shared = idsByName.value(key.currency + u'\x1f' + key.name).size() > 1;
        labels.append(shared && !key.parentName.isEmpty() ? tr("%1: %2").arg(key.parentName, key.name) : key.name);
    }
    return labels;
}

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
    // Grouped by category, not by name: two "Maintenance" under different
    // parents stay apart. Linked transfers move money, they are not spending.
    QString sql = u"SELECT %1, c.id, COALESCE(c.name, 'Uncategorized'), p.name, SUM(t.amount) FROM transactions t "
                  "LEFT JOIN categories c ON t.category_id = c.id LEFT JOIN categories p ON p.id = c.parent_id%2 "
                  "WHERE t.deleted_at IS NULL AND t.amount < 0"
                  " AND (t.transfer_link_id IS NULL OR t.transfer_link_id = '')"
                  " AND t.date >= ? AND t.date <= ?"_s.arg(kCurrency, kCurrencyJoin);
    const QVariantList values = dateAndAccount(filter, sql);
    sql += u" GROUP BY %1, c.id ORDER BY %1, SUM(t.amount) ASC"_s.arg(kCurrency);

    QList<CategorySpendingRow> rows;
    QSqlQuery q(m_database->connection());
    if (!run(q, sql, values, "ReportService::categorySpending failed:"))
        return rows;
    QList<CategoryKey> keys;
    while (q.next()) {
        keys.append(categoryKey(q));
        rows.append({QString(), q.value(4).toLongLong(), currencyOf(q.value(0))});
    }
    const QStringList labels = categoryLabels(keys);
    for (qsizetype i = 0; i < rows.size(); ++i)
        rows[i].categoryName = labels.at(i);
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

QHash<QString, ReportService::CategoryTotal> ReportService::categoryTotalsByCurrency(const ReportFilter &filter) const
{
    QString sql = u"SELECT %1, c.id, COALESCE(c.name, 'Uncategorized'), p.name, SUM(t.amount) "
                  "FROM transactions t LEFT JOIN categories c ON t.category_id = c.id "
                  "LEFT JOIN categories p ON p.id = c.parent_id%2 "
                  "WHERE t.deleted_at IS NULL AND (t.transfer_link_id IS NULL OR t.transfer_link_id = '') "
                  "AND t.date >= ? AND t.date <= ?"_s.arg(kCurrency, kCurrencyJoin);
    const QVariantList values = dateAndAccount(filter, sql);
    sql += u" GROUP BY %1, c.id"_s.arg(kCurrency);

    QHash<QString, CategoryTotal> totals;
    QSqlQuery q(m_database->connection());
    if (!run(q, sql, values, "ReportService::categoryTotals failed:"))
        return totals;
    while (q.next()) {
        const CategoryKey key = categoryKey(q);
        totals.insert(key.currency + u'\x1f' + key.id, {key, q.value(4).toLongLong()});
    }
    return totals;
}

QList<YearOverYearRow> ReportService::yearOverYear(const QDate &period1From, const QDate &period1To,
                                                   const QDate &period2From, const QDate &period2To,
                                                   const QString &accountId) const
{
    const QHash<QString, CategoryTotal> first = categoryTotalsByCurrency({period1From, period1To, accountId});
    const QHash<QString, CategoryTotal> second = categoryTotalsByCurrency({period2From, period2To, accountId});

    QStringList ids = first.keys();
    for (auto it = second.cbegin(); it != second.cend(); ++it) {
        if (!first.contains(it.key()))
            ids.append(it.key());
    }
    QList<CategoryKey> keys;
    for (const QString &id : std::as_const(ids))
        keys.append(first.contains(id) ? first.value(id).key : second.value(id).key);
    const QStringList labels = categoryLabels(keys);

    QList<YearOverYearRow> rows;
    rows.reserve(ids.size());
    for (qsizetype i = 0; i < ids.size(); ++i) {
        YearOverYearRow row;
        row.categoryName = labels.at(i);
        row.currency = currencyOf(keys.at(i).currency);
        row.period1Total = first.value(ids.at(i)).total;
        row.period2Total = second.value(ids.at(i)).total;
        row.difference = row.period2Total - row.period1Total;
        rows.append(row);
    }
    // By currency, then name (case-sensitive).
    std::sort(rows.begin(), rows.end(), [](const YearOverYearRow &a, const YearOverYearRow &b) {
        if (a.currency != b.currency)
            return currencyToString(a.currency) < currencyToString(b.currency);
        return a.categoryName < b.categoryName;
    });
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

QList<AccountBalanceSeries> ReportService::accountBalances(const QDate &from, const QDate &to) const
{
    QList<AccountBalanceSeries> series;
    if (!from.isValid() || !to.isValid() || from > to)
        return series;
    const QString accounts = u"SELECT a.id, a.name, a.currency, a.starting_balance FROM accounts a "
                             "WHERE a.deleted_at IS NULL ORDER BY a.sort_order, a.name"_s;
    QSqlQuery q(m_database->connection());
    if (!run(q, accounts, {}, "ReportService::accountBalances failed:"))
        return series;
    QHash<QString, qsizetype> indexOf;
    QList<qint64> running;
    while (q.next()) {
        indexOf.insert(q.value(0).toString(), series.size());
        series.append({q.value(1).toString(), currencyOf(q.value(2)), {}, {}});
        running.append(q.value(3).toLongLong());
    }
    // One pass over the table: what came before the period opens it, the
    // rest is summed by month (the stored date is ISO, so its first seven
    // characters are the month).
    const QString monthly = u"SELECT t.account_id, substr(t.date, 1, 7) AS month, "
                            "SUM(CASE WHEN t.date < ? THEN t.amount ELSE 0 END), "
                            "SUM(CASE WHEN t.date >= ? THEN t.amount ELSE 0 END) "
                            "FROM transactions t WHERE t.deleted_at IS NULL AND t.date <= ? "
                            "GROUP BY t.account_id, month"_s;
    const QString fromText = SqlCodec::dateText(from);
    QSqlQuery m(m_database->connection());
    if (!run(m, monthly, {fromText, fromText, SqlCodec::dateText(to)}, "ReportService::accountBalances failed:"))
        return {};
    QHash<QString, qint64> sums; // account id, char 31, month
    while (m.next()) {
        const QString accountId = m.value(0).toString();
        const auto index = indexOf.constFind(accountId);
        if (index == indexOf.cend())
            continue;
        running[index.value()] += m.value(2).toLongLong();
        sums.insert(accountId + u'\x1f' + m.value(1).toString(), m.value(3).toLongLong());
    }

    for (auto it = indexOf.cbegin(); it != indexOf.cend(); ++it) {
        AccountBalanceSeries &s = series[it.value()];
        qint64 balance = running.at(it.value());
        // The line starts at the opening balance, so a one-month period still draws one.
        s.dates.append(from);
        s.balances.append(balance);
        for (QDate month(from.year(), from.month(), 1); month <= to; month = month.addMonths(1)) {
            balance += sums.value(it.key() + u'\x1f' + month.toString(u"yyyy-MM"_s));
            s.dates.append(qMin(to, month.addMonths(1).addDays(-1)));
            s.balances.append(balance);
        }
    }
    return series;
}

QList<TransactionListRow> ReportService::transactionList(const ReportFilter &filter,
                                                         const QString &categoryId) const
{
    return transactionRows(filter, categoryId, nullptr, -1);
}

QList<TransactionListRow> ReportService::transactionListPage(const ReportFilter &filter,
                                                             const TransactionListRow *after, int limit) const
{
    return transactionRows(filter, QString(), after, limit);
}

QList<TransactionListRow> ReportService::transactionRows(const ReportFilter &filter, const QString &categoryId,
                                                         const TransactionListRow *after, int limit) const
{
    QString sql = u"SELECT t.date, a.name AS account_name, t.payee, "
                  "       COALESCE(c.name, '') AS category_name, "
                  "       COALESCE(t.memo, ''), t.amount, COALESCE(a.currency, 'USD'), t.id FROM transactions t "
                  "LEFT JOIN accounts a ON t.account_id = a.id "
                  "LEFT JOIN categories c ON t.category_id = c.id "
                  "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?"_s;
    QVariantList values = dateAndAccount(filter, sql);
    if (!categoryId.isEmpty()) {
        sql += u" AND t.category_id = ?"_s;
        values << categoryId;
    }
    if (after) {
        // The plain date bound lets the date index start the scan there.
        sql += u" AND t.date >= ? AND (t.date, t.payee, t.id) > (?, ?, ?)"_s;
        const QString date = SqlCodec::dateText(after->date);
        values << date << date << after->payee << after->id;
    }
    // The id breaks ties, so pages neither repeat nor skip rows.
    sql += u" ORDER BY t.date, t.payee, t.id"_s;
    if (limit >= 0)
        sql += u" LIMIT %1"_s.arg(limit);

    QList<TransactionListRow> rows;
    QSqlQuery q(m_database->connection());
    if (!run(q, sql, values, "ReportService::transactionList failed:"))
        return rows;
    while (q.next()) {
        rows.append({SqlCodec::toDate(q.value(0)), q.value(1).toString(), q.value(2).toString(),
                     q.value(3).toString(), q.value(4).toString(), q.value(5).toLongLong(), currencyOf(q.value(6)),
                     q.value(7).toString()});
    }
    return rows;
}

QList<Currency> ReportService::transactionListCurrencies(const ReportFilter &filter) const
{
    QString inner = u"SELECT 1 FROM transactions t WHERE t.account_id = a.id AND t.deleted_at IS NULL "
                    "AND t.date >= ? AND t.date <= ?"_s;
    const QVariantList values = dateAndAccount(filter, inner);
    const QString sql = u"SELECT DISTINCT COALESCE(a.currency, 'USD') FROM accounts a WHERE EXISTS (%1) "
                        "ORDER BY 1"_s.arg(inner);
    QList<Currency> currencies;
    QSqlQuery q(m_database->connection());
    if (!run(q, sql, values, "ReportService::transactionListCurrencies failed:"))
        return currencies;
    while (q.next())
        currencies.append(currencyOf(q.value(0)));
    return currencies;
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
