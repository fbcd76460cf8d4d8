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
    void upgradeFromVersionOneStampsReconciliations();
    void failingMigrationLeavesNothingBehind();

};

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

PENWICK_TEST_MAIN(TestDatabaseMigrations)
#include "tst_database.moc"
