#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

#include <optional>

// The server's one connection, on SQLite or PostgreSQL, with the schema
// migrations. Every statement is written to run unchanged on both.
class ServerDatabase final
{
public:
    ServerDatabase();
    ~ServerDatabase();
    Q_DISABLE_COPY_MOVE(ServerDatabase)

    // sqliteFile is used when postgresUrl is empty.
    bool open(const QString &sqliteFile, const QString &postgresUrl, QString *error);
    bool migrate(QString *error);
    bool isPostgres() const { return m_postgres; }

    bool run(const QString &sql, const QVariantList &args = {});
    // Rows of a query (empty for other statements); nullopt on failure.
    std::optional<QList<QVariantMap>> execute(const QString &sql, const QVariantList &args = {});
    std::optional<QVariantMap> one(const QString &sql, const QVariantList &args = {});
    QList<QVariantMap> all(const QString &sql, const QVariantList &args = {});
    // Rows changed by the last successful run().
    int changedRows() const { return m_changed; }

    bool begin();
    bool commit();
    void rollback();
    // Reserves count consecutive sequence numbers and returns the first; 0 on
    // failure. Called inside the writing transaction: the counter row stays
    // locked until commit, so sequence order is commit order and a pull never
    // passes a number whose row is not yet visible.
    qint64 reserveSequence(int count);

private:
    // The statement ready to run, prepared once per connection.
    QSqlQuery *prepared(const QString &sql);

    QString m_name;
    QHash<QString, QSqlQuery *> m_statements;
    bool m_postgres = false;
    int m_changed = 0;
};
