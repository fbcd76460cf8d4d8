#include "serverdatabase.h"

#include <QDateTime>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <QUuid>

#include <memory>

Q_LOGGING_CATEGORY(lcDb, "penwick.server.db")

namespace {

// One entry per schema version; applied in order, each in its own transaction.
const QList<QStringList> &migrations()
{
    static const QList<QStringList> list{
        {
            QStringLiteral("CREATE TABLE users (id TEXT PRIMARY KEY, email TEXT NOT NULL UNIQUE, "
                           "password_hash TEXT NOT NULL, display_name TEXT NOT NULL DEFAULT '', "
                           "created_at TEXT NOT NULL, delete_requested_at TEXT NOT NULL DEFAULT '', "
                           "group_id TEXT NOT NULL DEFAULT '', group_role TEXT NOT NULL DEFAULT '', "
                           "joined_at TEXT NOT NULL DEFAULT '')"),
            QStringLiteral("CREATE TABLE sessions (id TEXT PRIMARY KEY, user_id TEXT NOT NULL, "
                           "user_agent TEXT NOT NULL DEFAULT '', ip_address TEXT NOT NULL DEFAULT '', "
                           "created_at TEXT NOT NULL, last_active_at TEXT NOT NULL, expires_at BIGINT NOT NULL, "
                           "revoked INTEGER NOT NULL DEFAULT 0)"),
            QStringLiteral("CREATE INDEX sessions_user ON sessions (user_id)"),
            QStringLiteral("CREATE TABLE refresh_tokens (token_hash TEXT PRIMARY KEY, session_id TEXT NOT NULL, "
                           "used INTEGER NOT NULL DEFAULT 0, created_at TEXT NOT NULL)"),
            QStringLiteral("CREATE TABLE login_failures (email TEXT PRIMARY KEY, failures INTEGER NOT NULL, "
                           "last_failure BIGINT NOT NULL)"),
            QStringLiteral("CREATE TABLE devices (id TEXT PRIMARY KEY, user_id TEXT NOT NULL, "
                           "device_fingerprint TEXT NOT NULL, device_name TEXT NOT NULL DEFAULT '', "
                           "platform TEXT NOT NULL DEFAULT '', app_id TEXT NOT NULL DEFAULT '', "
                           "app_version TEXT NOT NULL DEFAULT '', last_sync_at TEXT NOT NULL DEFAULT '', "
                           "created_at TEXT NOT NULL, UNIQUE (user_id, device_fingerprint))"),
            QStringLiteral("CREATE TABLE family_groups (id TEXT PRIMARY KEY, name TEXT NOT NULL, "
                           "owner_id TEXT NOT NULL, max_seats INTEGER NOT NULL, created_at TEXT NOT NULL)"),
            QStringLiteral("CREATE TABLE invitations (id TEXT PRIMARY KEY, group_id TEXT NOT NULL, "
                           "invited_email TEXT NOT NULL DEFAULT '', invite_code TEXT NOT NULL UNIQUE, "
                           "status TEXT NOT NULL, expires_at TEXT NOT NULL, created_at TEXT NOT NULL)"),
            QStringLiteral("CREATE TABLE counters (name TEXT PRIMARY KEY, value BIGINT NOT NULL)"),
            QStringLiteral("INSERT INTO counters (name, value) VALUES ('seq', 0)"),
            QStringLiteral("CREATE TABLE records (id TEXT PRIMARY KEY, seq BIGINT NOT NULL, owner_id TEXT NOT NULL, "
                           "entity_type TEXT NOT NULL, client_id TEXT NOT NULL, account_key TEXT NOT NULL DEFAULT '', "
                           "version INTEGER NOT NULL, payload TEXT NOT NULL, deleted_at TEXT NOT NULL DEFAULT '', "
                           "created_at TEXT NOT NULL, updated_at TEXT NOT NULL, "
                           "UNIQUE (owner_id, entity_type, client_id))"),
            QStringLiteral("CREATE INDEX records_owner_seq ON records (owner_id, seq)"),
            QStringLiteral("CREATE INDEX records_account_seq ON records (owner_id, account_key, seq)"),
            QStringLiteral("CREATE TABLE shares (owner_id TEXT NOT NULL, account_client_id TEXT NOT NULL, "
                           "member_id TEXT NOT NULL, role TEXT NOT NULL, active INTEGER NOT NULL, "
                           "created_at TEXT NOT NULL, PRIMARY KEY (owner_id, account_client_id, member_id))"),
            QStringLiteral("CREATE INDEX shares_member ON shares (member_id, active)"),
            QStringLiteral("CREATE TABLE tombstones (seq BIGINT NOT NULL, user_id TEXT NOT NULL, "
                           "record_id TEXT NOT NULL, deleted_at TEXT NOT NULL)"),
            QStringLiteral("CREATE INDEX tombstones_user_seq ON tombstones (user_id, seq)"),
        },
    };
    return list;
}

} // namespace

ServerDatabase::ServerDatabase()
    : m_name(QStringLiteral("penwick-server-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

ServerDatabase::~ServerDatabase()
{
    qDeleteAll(m_statements);
    m_statements.clear();
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

bool ServerDatabase::open(const QString &sqliteFile, const QString &postgresUrl, QString *error)
{
    m_postgres = !postgresUrl.isEmpty();
    QSqlDatabase db = QSqlDatabase::addDatabase(m_postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), m_name);
    if (!db.isValid()) {
        *error = QStringLiteral("The Qt SQL driver for %1 is not installed.")
                     .arg(m_postgres ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite"));
        return false;
    }
    if (m_postgres) {
        // Parts left out of the URL fall back to libpq's PG* environment.
        const QUrl url(postgresUrl);
        if (!url.isValid()) {
            *error = QStringLiteral("Not a valid connection URL.");
            return false;
        }
        if (!url.host().isEmpty())
            db.setHostName(url.host());
        if (url.port() > 0)
            db.setPort(url.port());
        if (!url.userName().isEmpty())
            db.setUserName(url.userName());
        if (!url.password().isEmpty())
            db.setPassword(url.password());
        const QString name = url.path().mid(1);
        if (!name.isEmpty())
            db.setDatabaseName(name);
    } else {
        db.setDatabaseName(sqliteFile);
    }
    if (!db.open()) {
        *error = db.lastError().text();
        return false;
    }
    if (m_postgres) {
        // Statements are prepared once; a generic plan made while the tables
        // were empty would scan them whole for ever after.
        run(QStringLiteral("SET plan_cache_mode = force_custom_plan"));
    } else {
        run(QStringLiteral("PRAGMA journal_mode=WAL"));
        run(QStringLiteral("PRAGMA synchronous=NORMAL"));
        run(QStringLiteral("PRAGMA busy_timeout=5000"));
    }
    return true;
}

bool ServerDatabase::migrate(QString *error)
{
    if (!run(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_migrations (version INTEGER PRIMARY KEY, "
                            "applied_at TEXT NOT NULL)"))) {
        *error = QStringLiteral("Cannot create the migrations table.");
        return false;
    }
    const auto row = one(QStringLiteral("SELECT COALESCE(MAX(version), 0) AS v FROM schema_migrations"));
    if (!row) {
        *error = QStringLiteral("Cannot read the schema version.");
        return false;
    }
    const int current = row->value(QStringLiteral("v")).toInt();
    const auto &list = migrations();
    if (current > list.size()) {
        *error = QStringLiteral("The database has schema version %1, newer than this server knows (%2).")
                     .arg(current).arg(list.size());
        return false;
    }
    for (int version = current + 1; version <= list.size(); ++version) {
        if (!begin()) {
            *error = QStringLiteral("Cannot start the migration transaction.");
            return false;
        }
        bool ok = true;
        for (const QString &statement : list.at(version - 1))
            ok = ok && run(statement);
        ok = ok && run(QStringLiteral("INSERT INTO schema_migrations (version, applied_at) VALUES (?, ?)"),
                       {version, QDateTime::currentDateTimeUtc().toString(Qt::ISODate)});
        if (!ok || !commit()) {
            rollback();
            *error = QStringLiteral("Migration %1 failed.").arg(version);
            return false;
        }
    }
    return true;
}

QSqlQuery *ServerDatabase::prepared(const QString &sql)
{
    if (QSqlQuery *query = m_statements.value(sql))
        return query;
    auto query = std::make_unique<QSqlQuery>(QSqlDatabase::database(m_name, false));
    query->setForwardOnly(true);
    if (!query->prepare(sql)) {
        qCWarning(lcDb).noquote() << "prepare failed:" << query->lastError().text() << sql.left(120);
        return nullptr;
    }
    return m_statements[sql] = query.release();
}

std::optional<QList<QVariantMap>> ServerDatabase::execute(const QString &sql, const QVariantList &args)
{
    QSqlQuery direct(QSqlDatabase::database(m_name, false));
    // PostgreSQL cannot prepare DDL; statements without values run directly.
    QSqlQuery *query = args.isEmpty() ? &direct : prepared(sql);
    if (!query)
        return std::nullopt;
    // A null QString would bind as SQL NULL; every text column is NOT NULL ''.
    for (int i = 0; i < args.size(); ++i) {
        const QVariant &arg = args.at(i);
        query->bindValue(i, arg.typeId() == QMetaType::QString && arg.toString().isNull() ? QVariant(QLatin1String("")) : arg);
    }
    const bool ok = args.isEmpty() ? query->exec(sql) : query->exec();
    if (!ok) {
        qCWarning(lcDb).noquote() << "statement failed:" << query->lastError().text() << sql.left(120);
        query->finish();
        return std::nullopt;
    }
    m_changed = query->numRowsAffected();
    QList<QVariantMap> rows;
    if (query->isSelect()) {
        const QSqlRecord record = query->record();
        while (query->next()) {
            QVariantMap row;
            for (int i = 0; i < record.count(); ++i)
                row.insert(record.fieldName(i), query->value(i));
            rows.append(row);
        }
    }
    query->finish();
    return rows;
}

bool ServerDatabase::run(const QString &sql, const QVariantList &args)
{
    return execute(sql, args).has_value();
}

std::optional<QVariantMap> ServerDatabase::one(const QString &sql, const QVariantList &args)
{
    const QList<QVariantMap> rows = all(sql, args);
    if (rows.isEmpty())
        return std::nullopt;
    return rows.constFirst();
}

QList<QVariantMap> ServerDatabase::all(const QString &sql, const QVariantList &args)
{
    return execute(sql, args).value_or(QList<QVariantMap>());
}

bool ServerDatabase::begin()
{
    return QSqlDatabase::database(m_name, false).transaction();
}

bool ServerDatabase::commit()
{
    return QSqlDatabase::database(m_name, false).commit();
}

void ServerDatabase::rollback()
{
    QSqlDatabase::database(m_name, false).rollback();
}

qint64 ServerDatabase::reserveSequence(int count)
{
    if (!run(QStringLiteral("UPDATE counters SET value = value + ? WHERE name = 'seq'"), {count}))
        return 0;
    const auto row = one(QStringLiteral("SELECT value FROM counters WHERE name = 'seq'"));
    return row ? row->value(QStringLiteral("value")).toLongLong() - count + 1 : 0;
}
