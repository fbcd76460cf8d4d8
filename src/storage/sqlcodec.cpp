#include "sqlcodec.h"

#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>

using namespace Qt::StringLiterals;

namespace SqlCodec {

QString dateText(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString(u""_s);
}

QDate toDate(const QVariant &value)
{
    const QString s = value.toString();
    if (s.isEmpty())
        return {};
    return QDate::fromString(s, Qt::ISODate);
}

QString timestampText(const QDateTime &timestamp)
{
    if (!timestamp.isValid())
        return u""_s;
    QDateTime utc = timestamp.toUTC();
    utc.setTime(QTime(utc.time().hour(), utc.time().minute(), utc.time().second()));
    return utc.toString(Qt::ISODate); // ends in "Z" for UTC
}

QDateTime toTimestamp(const QVariant &value)
{
    const QString s = value.toString();
    if (s.isEmpty())
        return {};
    return QDateTime::fromString(s, Qt::ISODate);
}

QVariant optionalTimestamp(const std::optional<QDateTime> &timestamp)
{
    if (!timestamp)
        return QVariant(QMetaType::fromType<QString>());
    return timestampText(*timestamp);
}

std::optional<QDateTime> toOptionalTimestamp(const QVariant &value)
{
    if (value.isNull() || value.toString().isEmpty())
        return std::nullopt;
    return toTimestamp(value);
}

QVariant optionalDate(const std::optional<QDate> &date)
{
    if (!date)
        return QVariant(QMetaType::fromType<QString>());
    return dateText(*date);
}

std::optional<QDate> toOptionalDate(const QVariant &value)
{
    if (value.isNull() || value.toString().isEmpty())
        return std::nullopt;
    return toDate(value);
}

QString nowText()
{
    return timestampText(QDateTime::currentDateTimeUtc());
}

QVariant text(const QString &value)
{
    return value.isNull() ? QString(u""_s) : value;
}

QVariant reference(const QString &value)
{
    return value.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(value);
}

QVariant flag(bool value)
{
    return value ? 1 : 0;
}

bool exec(QSqlQuery &query, const QString &sql, const QVariantList &values, const char *failureLog)
{
    bool ok = query.prepare(sql);
    if (ok) {
        for (const QVariant &v : values)
            query.addBindValue(v);
        ok = query.exec();
    }
    if (!ok && failureLog)
        qWarning().noquote() << failureLog << query.lastError().text();
    return ok;
}

} // namespace SqlCodec
