#pragma once

#include <QObject>
#include <QString>
#include <optional>

class Database;

// Key/value store on the preferences table.
class PreferencesRepository final : public QObject
{
    Q_OBJECT
public:
    explicit PreferencesRepository(Database *db, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(PreferencesRepository)

    std::optional<QString> get(const QString &key) const;
    QString value(const QString &key, const QString &defaultValue = QString()) const;
    bool boolValue(const QString &key, bool defaultValue = false) const;
    bool setValue(const QString &key, const QString &value);
    void setBool(const QString &key, bool value);
    void setInt(const QString &key, int value);
    bool remove(const QString &key);

signals:
    void changed(const QString &key);

private:
    Database *m_db;
};
