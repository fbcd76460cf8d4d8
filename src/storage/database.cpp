#include "database.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <atomic>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

struct Migration
{
    int version;
    const char16_t *name;
    const char16_t *resource;
};

constexpr Migration kMigrations[] = {
    {1, u"initial", u":/sql/sql/migrations/001_initial.sql"},
    {2, u"recon_sync", u":/sql/sql/migrations/002_recon_sync.sql"},
};

void finishStatement(QString &buffer, QStringList &out)
{
    QString stmt = buffer.trimmed();
    buffer.clear();
    if (stmt.isEmpty() || stmt == u";")
        return;
    if (stmt.endsWith(u';'))
        stmt.chop(1);
    stmt = stmt.trimmed();
    if (!stmt.isEmpty())
        out.append(stmt);
}

constexpr int kBusyStepMs = 10;
bool g_busySeen = false;
int g_busyTimeoutMs = Database::kDefaultBusyTimeoutMs;
void (*g_busyWaitNotice)() = nullptr;

// Primary result code of the last storage failure since the current write
// began, and whether such a write is open. SQLite reports every failed
// statement to its error log, whichever path (Qt's driver or a raw
// statement) ran it, so one place sees them all.
std::atomic<int> g_storageCode{0};
bool g_writeOpen = false;

bool isStorageCode(int primary)
{
    switch (primary) {
    case SQLITE_FULL:
    case SQLITE_IOERR:
    case SQLITE_READONLY:
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_NOMEM:
    case SQLITE_CANTOPEN:
        return true;
    default:
        return false;
    }
}

void sqliteErrorLog(void *, int code, const char *)
{
    if (isStorageCode(code & 0xFF))
        g_storageCode = code & 0xFF;
}

// The log can only be set before SQLite starts, so before main.
void installErrorLog()
{
    sqlite3_config(SQLITE_CONFIG_LOG, sqliteErrorLog, nullptr);
}
Q_CONSTRUCTOR_FUNCTION(installErrorLog)

int commitHook(void *)
{
    const bool veto = g_writeOpen && g_storageCode != 0;
    g_writeOpen = false;
    if (veto)
        qWarning("Database: a write met a storage failure; rolling it back instead of committing");
    return veto ? 1 : 0;
}

void rollbackHook(void *)
{
    g_writeOpen = false;
}

QString storageMessage(int primary)
{
    switch (primary) {
    case SQLITE_FULL:
        return QCoreApplication::translate("Database",
                                           "The disk is full, or the database has reached its size limit.");
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
        return QCoreApplication::translate("Database",
                                           "The database is read-only: its file or folder cannot be written.");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QCoreApplication::translate("Database", "The database file is damaged.");
    case SQLITE_IOERR:
    case SQLITE_NOMEM:
        return QCoreApplication::translate("Database", "The database file could not be written (input/output error).");
    default:
        return QString();
    }
}

// Waits like SQLite's own timeout, but remembers when it gave up, so callers
// can tell "busy" apart from every other failure.
int busyHandler(void *, int attempt)
{
    if (attempt == 0 && g_busyWaitNotice)
        g_busyWaitNotice();
    if (qint64(attempt) * kBusyStepMs >= g_busyTimeoutMs) {
        g_busySeen = true;
        return 0;
    }
    QThread::msleep(kBusyStepMs);
    return 1;
}

sqlite3 *handleOf(const QSqlDatabase &db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.data());
}

} // namespace

int Database::latestVersion()
{
    return std::end(kMigrations)[-1].version;
}

void Database::setBusyTimeout(int milliseconds)
{
    g_busyTimeoutMs = qMax(0, milliseconds);
}

void Database::setBusyWaitNotice(void (*notice)())
{
    g_busyWaitNotice = notice;
}

bool Database::busySeen()
{
    return g_busySeen;
}

void Database::clearBusySeen()
{
    g_busySeen = false;
}

bool Database::isBusyError(const QSqlError &error)
{
    const int code = error.nativeErrorCode().toInt() & 0xFF;
    return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

QString Database::busyMessage()
{
    return QCoreApplication::translate("Database",
                                       "The database is busy: another program is writing to it. Try again.");
}

QString Database::storageFailureText()
{
    return storageMessage(g_storageCode);
}

QString Database::failureText(const QSqlError &error)
{
    if (isBusyError(error))
        return busyMessage();
    const QString storage = storageFailureText();
    if (!storage.isEmpty())
        return storage;
    const QString own = storageMessage(error.nativeErrorCode().toInt() & 0xFF);
    return own.isEmpty() ? error.text() : own;
}

bool Database::beginWrite(const QSqlDatabase &db, QString *error)
{
    g_storageCode = 0;
    QSqlQuery q(db);
    if (q.exec(u"BEGIN IMMEDIATE"_s)) {
        // A connection that cannot write (read-only file or folder) still
        // begins; it would then refuse every row one by one.
        sqlite3 *handle = handleOf(db);
        if (!handle || sqlite3_db_readonly(handle, "main") != 1) {
            g_writeOpen = true;
            return true;
        }
        q.exec(u"ROLLBACK"_s);
        g_storageCode = SQLITE_READONLY;
        if (error)
            *error = storageFailureText();
        qInfo("Database: cannot begin a write: the database is read-only");
        return false;
    }
    const QSqlError failure = q.lastError();
    if (isBusyError(failure))
        g_busySeen = true;
    if (error)
        *error = failureText(failure);
    qInfo().noquote() << "Database: cannot begin a write:" << failure.text();
    return false;
}

sqlite3 *Database::nativeHandle(const QSqlDatabase &db)
{
    return handleOf(db);
}

bool Database::inTransaction(const QSqlDatabase &db)
{
    sqlite3 *handle = handleOf(db);
    return handle && sqlite3_get_autocommit(handle) == 0;
}

Database::Database(QObject *parent)
    : QObject(parent)
{
}

Database::~Database()
{
    if (!m_db.isValid())
        return;
    const QString name = m_db.connectionName();
    if (m_open)
        m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

bool Database::open(const QString &path)
{
    m_db = QSqlDatabase::addDatabase(u"QSQLITE"_s, QLatin1StringView(QSqlDatabase::defaultConnection));
    m_db.setDatabaseName(path);
    if (!m_db.open()) {
        m_errorText = m_db.lastError().text();
        qCritical().noquote() << "Failed to open database:" << m_errorText;
        return false;
    }
    if (sqlite3 *handle = handleOf(m_db)) {
        sqlite3_busy_handler(handle, busyHandler, nullptr);
        sqlite3_commit_hook(handle, commitHook, nullptr);
        sqlite3_rollback_hook(handle, rollbackHook, nullptr);
    }
    QSqlQuery pragma(m_db);
    pragma.exec(u"PRAGMA journal_mode=WAL"_s);
    pragma.exec(u"PRAGMA foreign_keys=ON"_s);
    // Every insert into transactions runs the full-text trigger under a
    // statement journal; keeping those journals in memory instead of temporary
    // files halves the cost of bulk writes (imports, restores, catch-up).
    pragma.exec(u"PRAGMA temp_store=MEMORY"_s);
    m_open = true;
    return true;
}

bool Database::runMigrations()
{
    QSqlQuery q(m_db);
    // A newer program's schema is left alone: migrating or writing to it
    // could lose what that version stores.
    if (q.exec(u"SELECT MAX(version) FROM schema_version"_s) && q.next() && q.value(0).toInt() > latestVersion()) {
        m_errorText = tr("The database was created by a newer version of this program (schema version %1; "
                         "this version knows up to %2). It was not changed.")
                          .arg(q.value(0).toInt())
                          .arg(latestVersion());
        qCritical().noquote() << m_errorText;
        return false;
    }
    q.finish();
    if (!q.exec(u"CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  name    TEXT NOT NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))"_s)) {
        m_errorText = failureText(q.lastError());
        qCritical().noquote() << "Failed to create schema_version table:" << q.lastError().text();
        return false;
    }

    int current = 0;
    if (q.exec(u"SELECT MAX(version) FROM schema_version"_s) && q.next())
        current = q.value(0).toInt(); // NULL reads as 0

    for (const Migration &m : kMigrations) {
        if (m.version <= current)
            continue;
        const QString resource = QString::fromUtf16(m.resource);
        QFile file(resource);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            const QString message = u"Cannot read migration file: %1"_s.arg(resource);
            qCritical().noquote() << message;
            emit migrationError(m.version, message);
            return false;
        }
        const QString sql = QString::fromUtf8(file.readAll());
        if (!applyMigration(m.version, QString::fromUtf16(m.name), sql))
            return false;
    }
    // Not migrations: the schema version stays what other copies of the
    // program expect.
    // Categories are not shared: a family member may receive rows whose
    // category this register never gets. The server's reference is kept here
    // so an edit sends it back instead of clearing the owner's category.
    if (!q.exec(u"CREATE TABLE IF NOT EXISTS sync_category_refs (entity_type TEXT NOT NULL, "
                "row_id TEXT NOT NULL, category_id TEXT NOT NULL, PRIMARY KEY (entity_type, row_id))"_s)) {
        qCritical().noquote() << "Could not create the sync category table:" << q.lastError().text();
        m_errorText = failureText(q.lastError());
        return false;
    }
    // The balance reports and the account summary read only these columns,
    // so they scan this index instead of the whole table.
    if (!q.exec(u"CREATE INDEX IF NOT EXISTS idx_transactions_account_balance "
                "ON transactions(account_id, date, amount, cleared, deleted_at)"_s))
        qWarning().noquote() << "Could not create the balance index:" << q.lastError().text();
    return true;
}

bool Database::applyMigration(int version, const QString &name, const QString &sql)
{
    m_db.transaction();
    const QStringList statements = splitStatements(sql);
    for (const QString &statement : statements) {
        QSqlQuery q(m_db);
        if (!q.exec(statement)) {
            const QString error = q.lastError().text();
            qCritical().noquote() << "Migration" << version << "failed:" << error
                                  << "\nStatement:" << statement.left(200);
            m_errorText = failureText(q.lastError());
            m_db.rollback();
            emit migrationError(version, error);
            return false;
        }
    }

    QSqlQuery insert(m_db);
    insert.prepare(u"INSERT INTO schema_version (version, name) VALUES (?, ?)"_s);
    insert.addBindValue(version);
    insert.addBindValue(name);
    if (insert.exec()) {
        m_db.commit();
        qInfo().noquote() << "Applied migration" << version << name;
        emit migrationApplied(version, name);
        return true;
    }
    const QString error = insert.lastError().text();
    m_db.rollback();
    emit migrationError(version, error);
    return false;
}

QStringList Database::splitStatements(const QString &sql)
{
    QStringList out;
    QString buffer;
    int depth = 0;
    const QStringList lines = sql.split(u'\n');
    for (const QString &line : lines) {
        const QString t = line.trimmed();
        if (t.startsWith(u"--"))
            continue;
        buffer += line;
        buffer += u'\n';
        const QString upper = t.toUpper();
        if (upper.contains(u"BEGIN"))
            ++depth;
        if (upper.startsWith(u"END") && depth >= 1)
            --depth;
        if (depth != 0 || !t.endsWith(u';'))
            continue;
        finishStatement(buffer, out);
    }
    finishStatement(buffer, out);
    return out;
}
