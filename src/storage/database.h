#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QStringList>

struct sqlite3;

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

    // Why open or runMigrations failed, for the person; empty otherwise.
    QString errorText() const { return m_errorText; }
    // Highest schema version this program knows.
    static int latestVersion();

    // How long a statement waits for another program's write lock; one
    // setting for the process, as there is one connection.
    static constexpr int kDefaultBusyTimeoutMs = 5000;
    static void setBusyTimeout(int milliseconds);
    // True once any statement of the process gave up waiting for another
    // program's lock: the command-line tool then reports that, not the
    // failure it caused.
    static bool busySeen();
    static void clearBusySeen();
    // Called once each time a statement starts waiting for another
    // program's lock, so a tool can tell the person why it pauses.
    static void setBusyWaitNotice(void (*notice)());
    static bool isBusyError(const QSqlError &error);
    static QString busyMessage();

    // Why the database cannot take writes at all (disk full, read-only file
    // or folder, input/output error, damaged file), when a statement of the
    // current write failed for such a reason; empty otherwise. A write that
    // met one is never committed: its COMMIT is turned into a rollback, so a
    // batch that kept going row by row cannot keep half of its rows.
    static QString storageFailureText();
    // What to tell the person about `error`: the busy or storage reason when
    // there is one, else the driver's text.
    static QString failureText(const QSqlError &error);

    // BEGIN IMMEDIATE: a writer takes the lock before its first row, so a
    // busy database fails the whole change up front instead of row by row.
    static bool beginWrite(const QSqlDatabase &db, QString *error = nullptr);
    // True while the connection is inside a transaction (or savepoint).
    static bool inTransaction(const QSqlDatabase &db);
    // SQLite's own handle of the connection, for bulk statements; null when
    // the driver is not SQLite.
    static sqlite3 *nativeHandle(const QSqlDatabase &db);

    // Line-based splitter that keeps trigger bodies whole. Public so the rules
    // it implements can be exercised directly.
    static QStringList splitStatements(const QString &sql);

signals:
    void migrationApplied(int version, const QString &name);
    void migrationError(int version, const QString &error);

private:
    bool applyMigration(int version, const QString &name, const QString &sql);

    QSqlDatabase m_db;
    QString m_errorText;
    bool m_open = false;
};
