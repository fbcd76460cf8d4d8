#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QStringList>

// Owns the single SQLite connection and brings its schema up to date from the
// migration scripts compiled into the program.
class Database final : public QObject
{
    Q_OBJECT
public:
    explicit Database(QObject *parent = nullptr);
    ~Database() override;
    Q_DISABLE_COPY_MOVE(Database)

    bool open(const QString &path);
    bool runMigrations();
    QSqlDatabase connection() const { return m_db; }

    // Line-based splitter that keeps trigger bodies whole. Public so the rules
    // it implements can be exercised directly.
    static QStringList splitStatements(const QString &sql);

signals:
    void migrationApplied(int version, const QString &name);
    void migrationError(int version, const QString &error);

private:
    bool applyMigration(int version, const QString &name, const QString &sql);

    QSqlDatabase m_db;
    bool m_open = false;
};
