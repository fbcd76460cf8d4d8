#include "preferencesrepository.h"

#include "database.h"
#include "sqlcodec.h"

#include <QSqlQuery>

using namespace Qt::StringLiterals;
using namespace SqlCodec;

PreferencesRepository::PreferencesRepository(Database *db, QObject *parent)
    : QObject(parent)
    , m_db(db)
{
}

std::optional<QString> PreferencesRepository::get(const QString &key) const
{
    QSqlQuery q(m_db->connection());
    if (exec(q, u"SELECT value FROM preferences WHERE key = ?"_s, {key}) && q.next()) {
        const QString v = q.value(0).toString();
        return v.isNull() ? QString(u""_s) : v;
    }
    return std::nullopt;
}

QString PreferencesRepository::value(const QString &key, const QString &defaultValue) const
{
    return get(key).value_or(defaultValue);
}

bool PreferencesRepository::boolValue(const QString &key, bool defaultValue) const
{
    const auto v = get(key);
    if (!v)
        return defaultValue;
    return *v == u"1" || *v == u"true";
}

bool PreferencesRepository::setValue(const QString &key, const QString &value)
{
    QSqlQuery q(m_db->connection());
    const bool ok = exec(q, u"INSERT INTO preferences (key, value) VALUES (?, ?) "
                            "ON CONFLICT(key) DO UPDATE SET value = excluded.value"_s,
                         {key, text(value)});
    if (ok)
        emit changed(key);
    return ok;
}

void PreferencesRepository::setBool(const QString &key, bool value)
{
    setValue(key, value ? u"1"_s : u"0"_s);
}

void PreferencesRepository::setInt(const QString &key, int value)
{
    setValue(key, QString::number(value));
}

bool PreferencesRepository::remove(const QString &key)
{
    QSqlQuery q(m_db->connection());
    return exec(q, u"DELETE FROM preferences WHERE key = ?"_s, {key});
}
