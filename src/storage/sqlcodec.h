#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <optional>

// The value encodings every writer of the database shares, and the small
// prepare/bind/exec helper the repositories are built on.
namespace SqlCodec {

QString dateText(const QDate &date);                    // "yyyy-MM-dd", empty when invalid
QDate toDate(const QVariant &value);                    // invalid for NULL or empty text
QString timestampText(const QDateTime &timestamp);      // UTC "yyyy-MM-ddTHH:mm:ssZ", empty when invalid
QDateTime toTimestamp(const QVariant &value);
QVariant optionalTimestamp(const std::optional<QDateTime> &timestamp); // NULL when absent
std::optional<QDateTime> toOptionalTimestamp(const QVariant &value);
QVariant optionalDate(const std::optional<QDate> &date);
std::optional<QDate> toOptionalDate(const QVariant &value);
QString nowText();

// Empty text stays empty text (never NULL); for NOT NULL text columns.
QVariant text(const QString &value);
// Empty references are NULL so foreign keys accept them.
QVariant reference(const QString &value);
QVariant flag(bool value);

// Prepares `sql` on `db`, binds `values` in order and executes it.
// On failure logs "<failureLog> <driver error>" unless failureLog is null.
bool exec(QSqlQuery &query, const QString &sql, const QVariantList &values,
          const char *failureLog = nullptr);

// Runs a write and returns the number of rows it changed; -1 when it failed
// (logged as for exec), so a failure never reads as "nothing to change".
int execCount(const QSqlDatabase &db, const QString &sql, const QVariantList &values, const char *failureLog);

// Runs a read and converts every row in the order the database returns them.
// Reads never log; a failure reads as an empty list.
template<typename Record>
QList<Record> readRecords(const QSqlDatabase &db, const QString &sql, const QVariantList &values,
                          Record (*convert)(const QSqlQuery &))
{
    QList<Record> out;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!exec(q, sql, values))
        return out;
    while (q.next())
        out.append(convert(q));
    return out;
}

template<typename Record>
std::optional<Record> firstOf(const QList<Record> &list)
{
    if (list.isEmpty())
        return std::nullopt;
    return list.first();
}

} // namespace SqlCodec
