// What is stored survives a killed process, a full disk, a read-only
// database and a second program writing to the same file.

#include "testsupport.h"

#include "app/appstate.h"
#include "services/backupservice.h"
#include "services/importservice.h"
#include "services/importsummary.h"
#include "services/reconciliationservice.h"
#include "services/transactionservice.h"
#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/dbtransaction.h"
#include "storage/transactionrepository.h"

#include <QGuiApplication>
#include <QProcess>
#include <QSqlDriver>
#include <cstdio>
#include <unistd.h>
#include <sqlite3.h>

namespace {

constexpr int kRows = 300;

// Date, payee and amount in the first three columns, no header, ISO dates.
const CsvColumnMapping kIsoCsv{0, 1, 2, -1, -1, false, u"yyyy-MM-dd"_s};

QString writeInput(const QString &dir, const QString &name, const QString &tag, int rows)
{
    QString text = name.endsWith(u".qif") ? u"!Type:Bank\n"_s : QString();
    for (int i = 0; i < rows; ++i) {
        text += name.endsWith(u".qif") ? u"D03/01/2024\nT-%1.00\nP%2 %1 %3\n^\n"_s.arg(i + 1).arg(tag, QString(40, u'x'))
                                       : u"2024-03-01,%2 %1 %3,-%1.00\n"_s.arg(i + 1).arg(tag, QString(40, u'x'));
    }
    QFile file(dir + u'/' + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        qWarning("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

// The child blocks inside its write after this many transaction rows, until
// told to go on (a line on its input) or killed.
void pauseHook(void *left, int, const char *, const char *table, sqlite3_int64)
{
    if (qstrcmp(table, "transactions") != 0 || --*static_cast<int *>(left) != 0)
        return;
    std::fputs("paused\n", stdout);
    std::fflush(stdout);
    if (std::getchar() == EOF)
        std::_Exit(3);
}

// The child: `op` on the data directory of PENWICK_DATA_DIR, set up on
// first use with an account of kRows rows and a backup of them.
int runChild(const QString &op, int pauseAfter, const QString &file)
{
    AppState state;
    if (!state.initialize())
        return 2;
    QSqlDatabase db = state.database()->connection();
    // A small cache makes the write spill pages into the log before commit.
    QSqlQuery(db).exec(u"PRAGMA cache_size = 8"_s);
    const QList<Account> accounts = state.accountRepository()->findAll();
    Account account = accounts.value(0);
    if (accounts.isEmpty()) {
        DbTransaction tx(db);
        account = insertAccount(state.accountRepository(), u"Checking"_s);
        for (int i = 0; i < kRows; ++i)
            insertTransaction(state.transactionRepository(), account.id, QDate(2024, 1, 1 + i % 28), u"Setup"_s, -i);
        QFile backup(file);
        if (!backup.open(QIODevice::WriteOnly) || backup.write(state.backupService()->exportBackup()) < 0
            || !QSqlQuery(db).exec(u"UPDATE transactions SET version = 2"_s) || !tx.commit())
            return 2;
    }
    int left = pauseAfter;
    if (pauseAfter > 0)
        sqlite3_update_hook(*static_cast<sqlite3 *const *>(db.driver()->handle().data()), pauseHook, &left);
    bool ok = true;
    if (op == u"qif") {
        ok = !state.importService()->importQif({file}, {{file, account.id}}).failed;
    } else if (op == u"csv") {
        ok = !state.importService()->importCsv(file, account.id, kIsoCsv).failed;
    } else if (op == u"restore") {
        QFile backup(file);
        ok = backup.open(QIODevice::ReadOnly)
            && state.backupService()->importBackup(backup.readAll(), BackupImportMode::Replace).errors.isEmpty();
    } else if (op == u"reconcile") {
        QHash<QString, qint64> ticked;
        for (const Transaction &t : state.transactionRepository()->findUnreconciled(account.id))
            ticked.insert(t.id, t.amount);
        ok = bool(state.reconciliationService()->finish(account.id, QDate(2024, 2, 1), 0, ticked));
    }
    return ok ? 0 : 1;
}

// `command` (program first) on the data directory `dataDir`.
QProcess *start(QObject *owner, const QString &dataDir, const QStringList &command)
{
    auto *process = new QProcess(owner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"PENWICK_DATA_DIR"_s, dataDir);
    env.insert(u"XDG_CONFIG_HOME"_s, dataDir + u"/config"_s);
    process->setProcessEnvironment(env);
    process->start(command.first(), command.mid(1));
    return process;
}

// This test program as the child above.
QProcess *startChild(QObject *owner, const QString &dataDir, const QString &op, int pauseAfter, const QString &file)
{
    return start(owner, dataDir, {QCoreApplication::applicationFilePath(), u"--child"_s, op,
                                  QString::number(pauseAfter), file});
}

// penwick-cli importing `file` into the account of the setup.
QProcess *startCli(QObject *owner, const QString &dataDir, const QString &file, const QStringList &wrapper = {})
{
    return start(owner, dataDir, wrapper + QStringList{QStringLiteral(PENWICK_CLI_PATH), u"import"_s, u"csv"_s, file,
                 u"--account"_s, u"Checking"_s, u"--no-header"_s, u"--date-format"_s, u"yyyy-MM-dd"_s,
                 u"--date-col"_s, u"0"_s, u"--payee-col"_s, u"1"_s, u"--amount-col"_s, u"2"_s});
}

int runToEnd(QProcess *process)
{
    return process->waitForFinished(60000) && process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
}

bool waitUntilPaused(QProcess *process)
{
    while (!process->canReadLine()) {
        if (!process->waitForReadyRead(60000))
            return false;
    }
    return process->readLine() == "paused\n";
}

// Opens the file afresh and describes it: integrity, full-text index, and
// accounts|transactions|sum of versions|reconciled rows|reconciliations|triggers.
QString inspect(const QString &file)
{
    QString out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"inspect"_s);
        db.setDatabaseName(file);
        QSqlQuery q(db);
        if (db.open() && q.exec(u"PRAGMA integrity_check"_s) && q.next())
            out = q.value(0).toString();
        if (!q.exec(u"INSERT INTO transactions_fts(transactions_fts) VALUES('integrity-check')"_s))
            out += u" fts: "_s + q.lastError().text();
        if (q.exec(u"SELECT (SELECT COUNT(*) FROM accounts) || '|' || COUNT(*) || '|' || TOTAL(version) || '|' || "
                   "TOTAL(reconciled) || '|' || (SELECT COUNT(*) FROM reconciliations) || '|' || "
                   "(SELECT COUNT(*) FROM sqlite_master WHERE type = 'trigger') FROM transactions"_s)
            && q.next())
            out += u' ' + q.value(0).toString();
    }
    QSqlDatabase::removeDatabase(u"inspect"_s);
    return out;
}

} // namespace

class TestHardening : public QObject
{
    Q_OBJECT
private slots:
    void killedMidway_data();
    void killedMidway();
    void cannotWrite_data();
    void cannotWrite();
    void twoProcesses();
    void cliOnReadOnlyFile();
};

void TestHardening::killedMidway_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("whole"); // inspect() once the operation completed
    QTest::newRow("qif import") << u"qif"_s << u"ok 1|600|900.0|0.0|0|3"_s;
    QTest::newRow("csv import") << u"csv"_s << u"ok 1|600|900.0|0.0|0|3"_s;
    QTest::newRow("backup restore") << u"restore"_s << u"ok 1|300|300.0|0.0|0|3"_s;
    QTest::newRow("reconciliation") << u"reconcile"_s << u"ok 1|300|900.0|300.0|1|3"_s;
}

void TestHardening::killedMidway()
{
    QFETCH(QString, op);
    QFETCH(QString, whole);
    QTemporaryDir dir;
    const QString dbFile = dir.filePath(u"penwick.db"_s);
    QString input = dir.filePath(u"backup.zip"_s);
    QCOMPARE(runToEnd(startChild(this, dir.path(), u"setup"_s, 0, input)), 0);
    const QString before = inspect(dbFile);
    QCOMPARE(before, u"ok 1|300|600.0|0.0|0|3"_s);
    if (op == u"qif" || op == u"csv")
        input = writeInput(dir.path(), u"in."_s + op, u"Imported"_s, kRows);

    QProcess *child = startChild(this, dir.path(), op, kRows / 2, input);
    QVERIFY(waitUntilPaused(child));
    child->kill();
    QVERIFY(child->waitForFinished(60000));
    QCOMPARE(child->exitStatus(), QProcess::CrashExit);
    QCOMPARE(inspect(dbFile), before);

    QCOMPARE(runToEnd(startChild(this, dir.path(), op, 0, input)), 0);
    QCOMPARE(inspect(dbFile), whole);
}

void TestHardening::cannotWrite_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("reason");
    const QString full = u"The disk is full, or the database has reached its size limit."_s;
    const QString readOnly = u"The database is read-only: its file or folder cannot be written."_s;
    for (const QString &op : {u"qif"_s, u"csv"_s, u"restore"_s, u"edit"_s}) {
        QTest::addRow("%s, disk full", qPrintable(op)) << op << false << full;
        QTest::addRow("%s, read-only", qPrintable(op)) << op << true << readOnly;
    }
}

void TestHardening::cannotWrite()
{
    QFETCH(QString, op);
    QFETCH(bool, readOnly);
    QFETCH(QString, reason);
    TestApp app;
    QTemporaryDir dir;
    const Account account = app.addAccount(u"Checking"_s);
    for (int i = 0; i < kRows; ++i)
        app.addTransaction(account.id, QDate(2024, 1, 1 + i % 28), u"Stored"_s, -i);
    const QByteArray backup = app->backupService()->exportBackup();
    QSqlDatabase db = app->database()->connection();
    QSqlQuery q(db);
    // The restore then has every row to add again.
    QVERIFY(q.exec(u"DELETE FROM transactions WHERE rowid % 2 = 0"_s) && q.exec(u"VACUUM"_s));
    const QString before = inspect(db.databaseName());
    if (readOnly) {
        db.close();
        db.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
        QVERIFY(db.open());
    } else {
        QVERIFY(q.exec(u"PRAGMA page_count"_s) && q.next());
        QVERIFY(q.exec(u"PRAGMA max_page_count = %1"_s.arg(q.value(0).toInt() + 2)));
        q.finish();
    }

    QString message;
    if (op == u"qif" || op == u"csv") {
        const QString file = writeInput(dir.path(), u"in."_s + op, u"Imported"_s, kRows);
        const ImportResult result = op == u"qif" ? app->importService()->importQif({file}, {{file, account.id}})
                                                 : app->importService()->importCsv(file, account.id, kIsoCsv);
        QVERIFY(result.failed);
        QCOMPARE(result.imported, 0); // nothing counted that was rolled back
        message = ImportSummary::text(result);
    } else if (op == u"restore") {
        message = app->backupService()->importBackup(backup, BackupImportMode::Replace).errors.join(u'\n');
    } else {
        Transaction t;
        t.id = newId();
        t.account_id = account.id;
        t.date = QDate(2024, 5, 1);
        t.payee = u"Large"_s;
        t.memo = QString(20000, u'm');
        t.created_at = t.updated_at = QDateTime::currentDateTimeUtc();
        message = app->transactionService()->add(t).error;
    }
    QVERIFY2(message.contains(reason), qPrintable(message));
    QCOMPARE(inspect(db.databaseName()), before);
}

void TestHardening::twoProcesses()
{
    QTemporaryDir dir;
    const QString dbFile = dir.filePath(u"penwick.db"_s);
    QCOMPARE(runToEnd(startChild(this, dir.path(), u"setup"_s, 0, dir.filePath(u"backup.zip"_s))), 0);
    const QString mine = writeInput(dir.path(), u"mine.csv"_s, u"Mine"_s, kRows);
    const QString theirs = writeInput(dir.path(), u"theirs.csv"_s, u"Theirs"_s, kRows);
    // The other program gives up while this one holds the write, and says so.
    QProcess *child = startChild(this, dir.path(), u"csv"_s, kRows / 2, mine);
    QVERIFY(waitUntilPaused(child));
    QProcess *other = startCli(this, dir.path(), theirs);
    QCOMPARE(runToEnd(other), 1);
    QCOMPARE(QString::fromUtf8(other->readAllStandardError()),
             u"penwick-cli: Waiting for another program that is writing to the database...\n"
             "penwick-cli: "_s + Database::busyMessage() + u'\n');
    child->write("\n");
    QCOMPARE(runToEnd(child), 0);
    QCOMPARE(inspect(dbFile), u"ok 1|600|900.0|0.0|0|3"_s);

    // Started together, one waits for the other and both land whole.
    QProcess *first = startCli(this, dir.path(), theirs);
    QProcess *second = startChild(this, dir.path(), u"csv"_s, 0, writeInput(dir.path(), u"more.csv"_s, u"More"_s, kRows));
    QCOMPARE(runToEnd(first), 0);
    QCOMPARE(runToEnd(second), 0);
    QCOMPARE(inspect(dbFile), u"ok 1|1200|1500.0|0.0|0|3"_s);
}

void TestHardening::cliOnReadOnlyFile()
{
    QTemporaryDir dir;
    const QString dbFile = dir.filePath(u"penwick.db"_s);
    QCOMPARE(runToEnd(startChild(this, dir.path(), u"setup"_s, 0, dir.filePath(u"backup.zip"_s))), 0);
    const QString csv = writeInput(dir.path(), u"in.csv"_s, u"Imported"_s, kRows);
    const QString before = inspect(dbFile);
    // Permissions do not stop root: the tool then runs as nobody.
    QStringList wrapper;
    if (geteuid() == 0) {
        if (QStandardPaths::findExecutable(u"setpriv"_s).isEmpty())
            QSKIP("running as root without setpriv: file permissions would not stop the writes");
        wrapper = QStringList{u"setpriv"_s, u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s};
    }
    const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto enterable = readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(dbFile, readable) && QFile::setPermissions(dir.path(), enterable));
    QProcess *cli = startCli(this, dir.path(), csv, wrapper);
    QCOMPARE(runToEnd(cli), 1);
    const QString err = QString::fromUtf8(cli->readAllStandardError());
    QVERIFY(QFile::setPermissions(dir.path(), enterable | QFile::WriteOwner));
    QVERIFY2(err.contains(u"read-only"_s), qPrintable(err));
    QCOMPARE(inspect(dbFile), before);
}

int main(int argc, char **argv)
{
    if (argc == 5 && qstrcmp(argv[1], "--child") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return runChild(QString::fromLocal8Bit(argv[2]), atoi(argv[3]), QString::fromLocal8Bit(argv[4]));
    }
    QStandardPaths::setTestModeEnabled(true);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dataDir;
    qputenv("PENWICK_DATA_DIR", dataDir.path().toUtf8());
    QApplication app(argc, argv);
    TestHardening test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hardening.moc"
