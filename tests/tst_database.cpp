#include "testsupport.h"

#include "storage/database.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlError>

namespace {

QString resourceText(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(f.readAll());
}

QStringList columnsOf(const QSqlDatabase &db, const QString &table)
{
    QStringList out;
    QSqlQuery q(db);
    q.exec(u"PRAGMA table_info(%1)"_s.arg(table));
    while (q.next()) {
        // name type notnull default pk
        out << u"%1 %2%3%4%5"_s.arg(q.value(1).toString(), q.value(2).toString(),
                                     q.value(3).toInt() ? u" NN"_s : QString(),
                                     q.value(4).isNull() ? QString() : u" DEFAULT "_s + q.value(4).toString(),
                                     q.value(5).toInt() ? u" PK"_s : QString());
    }
    return out;
}

QStringList namesOf(const QSqlDatabase &db, const QString &type)
{
    QStringList out;
    QSqlQuery q(db);
    q.exec(u"SELECT name FROM sqlite_master WHERE type = '%1' AND name NOT LIKE 'sqlite_%' ORDER BY name"_s.arg(type));
    while (q.next())
        out << q.value(0).toString();
    return out;
}

// Brings a fresh file to version 1 only, the state of an older installation.
bool applyVersionOne(const QSqlDatabase &db)
{
    QSqlQuery q(db);
    if (!q.exec(u"CREATE TABLE schema_version (version INTEGER PRIMARY KEY, name TEXT NOT NULL, "
                "applied_at TEXT NOT NULL DEFAULT (datetime('now')))"_s))
        return false;
    const QStringList statements = Database::splitStatements(resourceText(u":/sql/sql/migrations/001_initial.sql"_s));
    for (const QString &s : statements) {
        if (!q.exec(s))
            return false;
    }
    return q.exec(u"INSERT INTO schema_version (version, name) VALUES (1, 'initial')"_s);
}

} // namespace

class TestDatabaseMigrations : public QObject
{
    Q_OBJECT
private slots:
    void freshFileGetsBothMigrations();
    void schemaMatchesStorageFormat();
    void secondRunAppliesNothing();
    void upgradeFromVersionOneStampsReconciliations();
    void failingMigrationLeavesNothingBehind();
    void foreignKeysAreEnforced();
    void walJournal();
    void openFailsOnDirectoryPath();

    void splitStatements_data();
    void splitStatements();
    void splitInitialMigration();
};

void TestDatabaseMigrations::freshFileGetsBothMigrations()
{
    QTemporaryDir dir;
    Database db;
    QSignalSpy applied(&db, &Database::migrationApplied);
    QVERIFY(db.open(dir.filePath(u"penwick.db"_s)));
    QVERIFY(db.runMigrations());
    QCOMPARE(applied.count(), 2);
    QCOMPARE(applied.at(0).at(0).toInt(), 1);
    QCOMPARE(applied.at(1).at(1).toString(), u"recon_sync"_s);

    QSqlQuery q(db.connection());
    QVERIFY(q.exec(u"SELECT version, name, applied_at FROM schema_version ORDER BY version"_s));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 1);
    QCOMPARE(q.value(1).toString(), u"initial"_s);
    QVERIFY(!q.value(2).toString().isEmpty());
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 2);
    QCOMPARE(q.value(1).toString(), u"recon_sync"_s);
    QVERIFY(!q.next());
}

void TestDatabaseMigrations::schemaMatchesStorageFormat()
{
    TestDatabase t;
    QVERIFY(t.isReady());
    const QSqlDatabase db = t.database->connection();

    QCOMPARE(namesOf(db, u"table"_s).filter(u"transactions_fts"_s).isEmpty(), false);
    for (const QString &table : {u"accounts"_s, u"categories"_s, u"transactions"_s, u"split_lines"_s,
                                 u"recurring_transactions"_s, u"reconciliations"_s, u"transaction_templates"_s,
                                 u"sync_queue"_s, u"preferences"_s, u"schema_version"_s})
        QVERIFY2(namesOf(db, u"table"_s).contains(table), qPrintable(table));

    QCOMPARE(namesOf(db, u"index"_s),
             QStringList({u"idx_split_lines_transaction_id"_s, u"idx_transactions_account_id"_s,
                          u"idx_transactions_category_id"_s, u"idx_transactions_date"_s,
                          u"idx_transactions_sync_status"_s, u"idx_transactions_transfer_link_id"_s}));
    QCOMPARE(namesOf(db, u"trigger"_s),
             QStringList({u"transactions_ad"_s, u"transactions_ai"_s, u"transactions_au"_s}));

    const QStringList bookkeeping = {u"version INTEGER NN DEFAULT 1"_s, u"sync_status TEXT NN DEFAULT 'pending'"_s,
                                     u"server_id TEXT"_s, u"created_at TEXT NN"_s, u"updated_at TEXT NN"_s,
                                     u"deleted_at TEXT"_s};
    QCOMPARE(columnsOf(db, u"accounts"_s),
             QStringList({u"id TEXT PK"_s, u"name TEXT NN"_s, u"account_type TEXT NN DEFAULT 'checking'"_s,
                          u"currency TEXT NN DEFAULT 'USD'"_s, u"institution TEXT"_s,
                          u"account_number_last4 TEXT"_s, u"starting_balance INTEGER NN DEFAULT 0"_s,
                          u"sort_order INTEGER NN DEFAULT 0"_s, u"is_shared INTEGER NN DEFAULT 0"_s})
                 + bookkeeping);
    QCOMPARE(columnsOf(db, u"transactions"_s),
             QStringList({u"id TEXT PK"_s, u"account_id TEXT NN"_s, u"date TEXT NN"_s, u"payee TEXT NN"_s,
                          u"memo TEXT"_s, u"amount INTEGER NN"_s, u"category_id TEXT"_s, u"check_number TEXT"_s,
                          u"cleared INTEGER NN DEFAULT 0"_s, u"reconciled INTEGER NN DEFAULT 0"_s,
                          u"transfer_link_id TEXT"_s, u"transfer_dest_account_id TEXT"_s,
                          u"is_split INTEGER NN DEFAULT 0"_s, u"recurring_id TEXT"_s})
                 + bookkeeping);
    QCOMPARE(columnsOf(db, u"reconciliations"_s),
             QStringList({u"id TEXT PK"_s, u"account_id TEXT NN"_s, u"statement_date TEXT NN"_s,
                          u"statement_balance INTEGER NN"_s, u"reconciled_balance INTEGER NN"_s,
                          u"completed_at TEXT NN"_s, u"version INTEGER NN DEFAULT 1"_s,
                          u"sync_status TEXT NN DEFAULT 'pending'"_s, u"server_id TEXT"_s,
                          u"created_at TEXT NN DEFAULT ''"_s, u"updated_at TEXT NN DEFAULT ''"_s,
                          u"deleted_at TEXT"_s}));
    QCOMPARE(columnsOf(db, u"recurring_transactions"_s).mid(6, 7),
             QStringList({u"frequency TEXT NN DEFAULT 'monthly'"_s, u"start_date TEXT NN"_s, u"end_date TEXT"_s,
                          u"next_due_date TEXT NN"_s, u"auto_post INTEGER NN DEFAULT 0"_s,
                          u"is_active INTEGER NN DEFAULT 1"_s, u"transfer_dest_account_id TEXT"_s}));
    QCOMPARE(columnsOf(db, u"sync_queue"_s).first(), u"id INTEGER PK"_s);
    QCOMPARE(columnsOf(db, u"preferences"_s), QStringList({u"key TEXT PK"_s, u"value TEXT"_s}));
    QCOMPARE(columnsOf(db, u"schema_version"_s).last(), u"applied_at TEXT NN DEFAULT datetime('now')"_s);
}

void TestDatabaseMigrations::secondRunAppliesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"penwick.db"_s);
    {
        Database db;
        QVERIFY(db.open(path));
        QVERIFY(db.runMigrations());
    }
    Database db;
    QSignalSpy applied(&db, &Database::migrationApplied);
    QVERIFY(db.open(path));
    QVERIFY(db.runMigrations());
    QCOMPARE(applied.count(), 0);
}

void TestDatabaseMigrations::upgradeFromVersionOneStampsReconciliations()
{
    QTemporaryDir dir;
    Database db;
    QVERIFY(db.open(dir.filePath(u"penwick.db"_s)));
    QVERIFY(applyVersionOne(db.connection()));
    QSqlQuery q(db.connection());
    QVERIFY(q.exec(u"INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', 'x', 'x')"_s));
    QVERIFY(q.exec(u"INSERT INTO reconciliations VALUES ('r1', 'a', '2024-01-31', 100, 100, '2024-02-01T10:00:00Z')"_s));
    QVERIFY(q.exec(u"INSERT INTO reconciliations VALUES ('r2', 'a', '2024-02-29', 50, 50, '2024-03-02T08:30:00Z')"_s));

    QSignalSpy applied(&db, &Database::migrationApplied);
    QVERIFY(db.runMigrations());
    QCOMPARE(applied.count(), 1);
    QCOMPARE(applied.first().at(0).toInt(), 2);

    QVERIFY(q.exec(u"SELECT id, created_at, updated_at, version, sync_status FROM reconciliations ORDER BY id"_s));
    QVERIFY(q.next());
    QCOMPARE(q.value(1).toString(), u"2024-02-01T10:00:00Z"_s);
    QCOMPARE(q.value(2).toString(), u"2024-02-01T10:00:00Z"_s);
    QCOMPARE(q.value(3).toInt(), 1);
    QCOMPARE(q.value(4).toString(), u"pending"_s);
    QVERIFY(q.next());
    QCOMPARE(q.value(1).toString(), u"2024-03-02T08:30:00Z"_s);
}

void TestDatabaseMigrations::failingMigrationLeavesNothingBehind()
{
    QTemporaryDir dir;
    Database db;
    QVERIFY(db.open(dir.filePath(u"penwick.db"_s)));
    QVERIFY(applyVersionOne(db.connection()));
    // The third ALTER of migration 2 collides with this column, after two succeeded.
    QSqlQuery q(db.connection());
    QVERIFY(q.exec(u"ALTER TABLE reconciliations ADD COLUMN server_id TEXT"_s));

    QSignalSpy failed(&db, &Database::migrationError);
    QVERIFY(!db.runMigrations());
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.first().at(0).toInt(), 2);
    QVERIFY(!failed.first().at(1).toString().isEmpty());

    const QStringList columns = columnsOf(db.connection(), u"reconciliations"_s);
    QCOMPARE(columns.size(), 7); // the six original columns and the pre-existing one
    QVERIFY(columns.filter(u"sync_status"_s).isEmpty());
    QVERIFY(q.exec(u"SELECT MAX(version) FROM schema_version"_s) && q.next());
    QCOMPARE(q.value(0).toInt(), 1);
}

void TestDatabaseMigrations::foreignKeysAreEnforced()
{
    TestDatabase t;
    QVERIFY(t.isReady());
    const Account a = t.addAccount(u"Checking"_s);
    QSqlQuery q(t.database->connection());
    const QString insert = u"INSERT INTO transactions (id, account_id, date, payee, amount, category_id, "
                           "created_at, updated_at) VALUES (?, ?, '2024-01-01', 'P', 1, ?, 'x', 'x')"_s;
    q.prepare(insert);
    q.addBindValue(u"t1"_s);
    q.addBindValue(a.id);
    q.addBindValue(u"no-such-category"_s);
    QVERIFY(!q.exec());
    q.prepare(insert);
    q.addBindValue(u"t2"_s);
    q.addBindValue(u"no-such-account"_s);
    q.addBindValue(QVariant(QMetaType::fromType<QString>()));
    QVERIFY(!q.exec());
    q.prepare(insert);
    q.addBindValue(u"t3"_s);
    q.addBindValue(a.id);
    q.addBindValue(QVariant(QMetaType::fromType<QString>()));
    QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
}

void TestDatabaseMigrations::walJournal()
{
    TestDatabase t;
    QCOMPARE(t.scalar(u"PRAGMA journal_mode"_s).toString(), u"wal"_s);
}

void TestDatabaseMigrations::openFailsOnDirectoryPath()
{
    QTemporaryDir dir;
    Database db;
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(u"^Failed to open database:"_s));
    QVERIFY(!db.open(dir.path()));
}

void TestDatabaseMigrations::splitStatements_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("statements");

    QTest::newRow("plain statements") << u"CREATE TABLE a (x);\nCREATE TABLE b (y);\n"_s
                                      << QStringList({u"CREATE TABLE a (x)"_s, u"CREATE TABLE b (y)"_s});
    QTest::newRow("multi-line statement keeps its lines")
        << u"CREATE TABLE a (\n  x INTEGER\n);"_s << QStringList({u"CREATE TABLE a (\n  x INTEGER\n)"_s});
    QTest::newRow("last statement without semicolon") << u"SELECT 1;\nSELECT 2"_s
                                                       << QStringList({u"SELECT 1"_s, u"SELECT 2"_s});
    QTest::newRow("lone semicolon line") << u"SELECT 1;\n;\nSELECT 2;"_s
                                         << QStringList({u"SELECT 1"_s, u"SELECT 2"_s});
    QTest::newRow("full-line comments dropped") << u"-- heading\n  -- indented\nSELECT 1;"_s
                                                << QStringList({u"SELECT 1"_s});
    QTest::newRow("trailing comment stays in the statement") << u"SELECT 1; -- note\nSELECT 2;"_s
                                                             << QStringList({u"SELECT 1; -- note\nSELECT 2"_s});
    QTest::newRow("trigger body stays whole")
        << u"CREATE TRIGGER t AFTER INSERT ON a BEGIN\n  INSERT INTO b VALUES (1);\n  DELETE FROM c;\nEND;\nSELECT 1;"_s
        << QStringList({u"CREATE TRIGGER t AFTER INSERT ON a BEGIN\n  INSERT INTO b VALUES (1);\n  DELETE FROM c;\nEND"_s,
                        u"SELECT 1"_s});
    QTest::newRow("lower-case begin and end") << u"create trigger t after insert on a begin\n delete from b;\nend;"_s
                                              << QStringList({u"create trigger t after insert on a begin\n delete from b;\nend"_s});
    // A line that merely contains the word opens a block until some END line.
    QTest::newRow("identifier containing begin")
        << u"CREATE TABLE beginnings (x);\nSELECT 1;\nEND;"_s
        << QStringList({u"CREATE TABLE beginnings (x);\nSELECT 1;\nEND"_s});
    QTest::newRow("empty script") << QString() << QStringList();
    QTest::newRow("only comments and blanks") << u"-- a\n\n   \n-- b"_s << QStringList();
}

void TestDatabaseMigrations::splitStatements()
{
    QFETCH(QString, script);
    QFETCH(QStringList, statements);
    QCOMPARE(Database::splitStatements(script), statements);
}

void TestDatabaseMigrations::splitInitialMigration()
{
    const QStringList first = Database::splitStatements(resourceText(u":/sql/sql/migrations/001_initial.sql"_s));
    QCOMPARE(first.size(), 19);
    QCOMPARE(first.filter(QRegularExpression(u"^CREATE TRIGGER"_s)).size(), 3);
    for (const QString &s : first.filter(QRegularExpression(u"^CREATE TRIGGER"_s)))
        QVERIFY(s.endsWith(u"END"_s));
    QCOMPARE(first.filter(QRegularExpression(u"^CREATE INDEX"_s)).size(), 6);

    const QStringList second = Database::splitStatements(resourceText(u":/sql/sql/migrations/002_recon_sync.sql"_s));
    QCOMPARE(second.size(), 7);
    QVERIFY(second.last().startsWith(u"UPDATE reconciliations"_s));
}

PENWICK_TEST_MAIN(TestDatabaseMigrations)
#include "tst_database.moc"
