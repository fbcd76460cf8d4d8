#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

struct SplitLine;
struct Transaction;
struct sqlite3;
struct sqlite3_stmt;

// Writes many rows inside the caller's write transaction at the speed of
// plain SQLite. While it is open the full-text triggers are set aside, and
// every transaction row written meanwhile (through it or any other statement
// on the connection) is indexed by finish() in a few set-based statements
// instead of one index flush per row. Setting the triggers aside is part of
// the transaction, so a rollback brings back the triggers and the index as
// they were.
//
// Use: open the transaction, begin(), write, finish(), commit. When finish()
// fails the transaction must be rolled back.
class BulkWriter final
{
public:
    explicit BulkWriter(const QSqlDatabase &db);
    // Finishes a batch that is still open inside a transaction.
    ~BulkWriter();
    Q_DISABLE_COPY_MOVE(BulkWriter)

    // False when the connection is not inside a transaction or the triggers
    // cannot be set aside; nothing is changed then.
    bool begin();
    // The same row values and encodings as the repositories' insert(); false
    // (logged) when the database refuses the row, which changes nothing.
    bool insertTransaction(const Transaction &transaction);
    bool insertSplitLine(const SplitLine &line);
    // Indexes the batch and puts the triggers back.
    bool finish();
    bool isActive() const { return m_active; }
    QString errorText() const { return m_error; }

private:
    bool exec(const QString &sql);
    sqlite3_stmt *prepare(sqlite3_stmt *&statement, const char *sql);
    bool step(sqlite3_stmt *statement, const char *failureLog);
    const QByteArray &stamp(const QDateTime &timestamp, int slot);
    void bindText(sqlite3_stmt *statement, int index, const QString &text);
    void bindReference(sqlite3_stmt *statement, int index, const QString &id);
    void release();
    void restoreCache();

    QSqlDatabase m_db;
    sqlite3 *m_handle = nullptr;
    sqlite3_stmt *m_insertTransaction = nullptr;
    sqlite3_stmt *m_insertSplit = nullptr;
    QStringList m_triggers; // their CREATE statements, to put back
    qint64 m_watermark = 0; // rows above it are new in this batch
    bool m_active = false;
    bool m_deferred = false; // false when an outer batch already indexes
    qint64 m_savedCache = 0; // the connection's own cache size while the batch has a larger one
    QString m_error;
    // Imports stamp thousands of rows with the same second.
    qint64 m_stampSecs[2] = {-1, -1};
    QByteArray m_stampText[2];
    QByteArray m_buffers[19]; // one per parameter, reused from row to row
};
