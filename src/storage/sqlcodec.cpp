#include "sqlcodec.h"

#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>

using namespace Qt::StringLiterals;

namespace {

// Reads `count` ASCII digits at `pos`; -1 when any is not a digit.
int digits(const QChar *p, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const char16_t c = p[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

// The register converts two timestamps and a date per row; parsing the fixed
// forms by hand keeps a 100,000-row read from being dominated by the
// general ISO parser. Anything else falls back to it.
QDate fastDate(const QChar *p)
{
    if (p[4] != u'-' || p[7] != u'-')
        return {};
    const int y = digits(p, 4), m = digits(p + 5, 2), d = digits(p + 8, 2);
    if (y < 0 || m < 0 || d < 0)
        return {};
    return QDate(y, m, d);
}

} // namespace

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
    if (s.size() == 10) {
        const QDate d = fastDate(s.constData());
        if (d.isValid())
            return d;
    }
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
    if (s.size() == 20 && s.at(10) == u'T' && s.at(13) == u':' && s.at(16) == u':' && s.at(19) == u'Z') {
        const QChar *p = s.constData();
        const QDate d = fastDate(p);
        const int h = digits(p + 11, 2), mi = digits(p + 14, 2), sec = digits(p + 17, 2);
        const QTime t(h, mi, sec);
        if (d.isValid() && h >= 0 && mi >= 0 && sec >= 0 && t.isValid())
            return QDateTime(d, t, Qt::UTC);
    }
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

int execCount(const QSqlDatabase &db, const QString &sql, const QVariantList &values, const char *failureLog)
{
    QSqlQuery q(db);
    if (!exec(q, sql, values, failureLog))
        return -1; // a failure must not read as "nothing to change"
    return q.numRowsAffected();
}

} // namespace SqlCodec
