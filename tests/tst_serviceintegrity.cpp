// Failures in storage, import, backup and reports are visible and never store
// a wrong value: each table below is one kind of such failure.

#include "testsupport.h"

#include "app/money.h"
#include "services/backuparchive.h"
#include "services/backupservice.h"
#include "services/importservice.h"
#include "services/importsummary.h"
#include "services/qifparser.h"
#include "services/reportpresenter.h"
#include "services/reportservice.h"
#include "storage/accountrepository.h"
#include "storage/bulkwriter.h"
#include "storage/database.h"
#include "storage/transactionrepository.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QtEndian>
#include <sqlite3.h>

namespace {

using Members = QList<QPair<QString, QByteArray>>;

// A ZIP of stored members, as the backup writes them.
QByteArray storedZip(const Members &members)
{
    QList<ZipEntry> entries;
    for (const auto &[name, data] : members)
        entries.append({name, data, false});
    return buildZip(entries);
}

// Date, payee and amount in the first three columns, no header, ISO dates.
const CsvColumnMapping kIsoCsv{0, 1, 2, -1, -1, false, u"yyyy-MM-dd"_s};

const QJsonObject kAccountRow{{u"id"_s, u"a1"_s},          {u"name"_s, u"Restored"_s},
                              {u"account_type"_s, u"checking"_s}, {u"currency"_s, u"USD"_s},
                              {u"starting_balance"_s, 0},  {u"sort_order"_s, 0},
                              {u"is_shared"_s, 0},         {u"created_at"_s, u"2024-01-01T00:00:00Z"_s},
                              {u"updated_at"_s, u"2024-01-01T00:00:00Z"_s}};

QJsonObject transactionRow(const QString &member, const QJsonValue &value)
{
    QJsonObject row{{u"id"_s, u"t1"_s},         {u"account_id"_s, u"a1"_s}, {u"date"_s, u"2024-01-02"_s},
                    {u"payee"_s, u"Shop"_s},    {u"amount"_s, -1250},       {u"cleared"_s, 0},
                    {u"created_at"_s, u"2024-01-02T10:00:00Z"_s}, {u"updated_at"_s, u"2024-01-02T10:00:00Z"_s}};
    if (!member.isEmpty())
        row.insert(member, value);
    return row;
}

QByteArray backupOf(const Members &rows, const QJsonObject &extraManifest = {})
{
    QJsonObject manifest{{u"version"_s, 1}};
    for (auto it = extraManifest.begin(); it != extraManifest.end(); ++it)
        manifest.insert(it.key(), it.value());
    return storedZip(Members(rows) << qMakePair(u"manifest.json"_s, jsonBytes(manifest)));
}

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun runCli(const QString &dataDir, const QStringList &args, const QProcessEnvironment &extra = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"PENWICK_VERBOSE"_s);
    env.insert(u"PENWICK_DATA_DIR"_s, dataDir);
    env.insert(u"XDG_CONFIG_HOME"_s, dataDir + u"/config"_s);
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    for (const QString &key : extra.keys())
        env.insert(key, extra.value(key));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(PENWICK_CLI_PATH), args);
    CliRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// A second connection holding the write lock, as another program would.
class WriteLock
{
public:
    explicit WriteLock(const QString &file)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"locker"_s);
        db.setDatabaseName(file);
        locked = db.open() && QSqlQuery(db).exec(u"BEGIN IMMEDIATE"_s);
    }
    ~WriteLock()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(u"locker"_s);
            QSqlQuery(db).exec(u"ROLLBACK"_s);
            db.close();
        }
        QSqlDatabase::removeDatabase(u"locker"_s);
        Database::clearBusySeen();
    }
    bool locked = false;
};

} // namespace

class TestServiceIntegrity : public QObject
{
    Q_OBJECT

private slots:
    void qifAmounts_data();
    void qifAmounts();
    void csvImport_data();
    void csvImport();
    void decoding_data();
    void decoding();
    void qifWritesNothing_data();
    void qifWritesNothing();
    void qifSplitsNotKept();
    void restoreRefusesRow_data();
    void restoreRefusesRow();
    void exportIsOneSnapshot();
    void busyDatabase();
    void reportsKeepCurrenciesApart();
    void cliFailures();
    void cliSampleAndTransfers();
    void csvChunkBoundary_data();
    void csvChunkBoundary();
    void qifChunkBoundary();
    void indexFollowsBulkWrites_data();
    void indexFollowsBulkWrites();
};

void TestServiceIntegrity::qifAmounts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("expected"); // -1 stands for "unparseable"
    QTest::newRow("half-cent is decimal") << u"0.005"_s << qint64(1);
    QTest::newRow("0.500 is decimal") << u"0.500"_s << qint64(50);
    QTest::newRow("0,500 is decimal") << u"0,500"_s << qint64(50);
    QTest::newRow("1,000 is grouping") << u"1,000"_s << qint64(100000);
    QTest::newRow("parentheses") << u"(12.00)"_s << qint64(-1200);
    QTest::newRow("largest") << u"-999,999,999.99"_s << qint64(-99999999999);
    QTest::newRow("beyond largest") << u"1000000000"_s << qint64(-1);
    for (const char *garbage : {"abc", "nan", "inf", "0x10", "--5", "1e5", ""})
        QTest::addRow("garbage %s", garbage) << QString::fromLatin1(garbage) << qint64(-1);
}

void TestServiceIntegrity::qifAmounts()
{
    QFETCH(QString, text);
    QFETCH(qint64, expected);
    QCOMPARE(QifParser::parseQifAmount(text).value_or(-1), expected);
}

void TestServiceIntegrity::csvImport_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("imported");
    QTest::addColumn<int>("unparseable");
    QTest::addColumn<QString>("error");
    QTest::newRow("garbage amounts") << QByteArray("2024-01-01,A,abc\n2024-01-02,B,nan\n2024-01-03,C,\n"
                                                   "2024-01-04,D,1e5\n2024-01-05,E,(12.00)\n2024-01-06,F,99999999999\n"
                                                   "2024-01-07,G,0x10\n2024-01-08,H,--5\n2024-01-09,I,inf\n")
                                     << 1 << 8 << QString();
    QTest::newRow("CR line ends") << QByteArray("2024-01-01,A,1.00\r2024-01-02,B,2.00\r") << 2 << 0 << QString();
    QTest::newRow("unclosed quote") << QByteArray("2024-01-01,A,1.00\n2024-01-02,\"B,2.00\n2024-01-03,C,3.00\n")
                                    << 0 << 0 << u"Unclosed quote starting on line 2."_s;
}

void TestServiceIntegrity::csvImport()
{
    QFETCH(QByteArray, content);
    QFETCH(int, imported);
    QFETCH(int, unparseable);
    QFETCH(QString, error);
    TestDatabase db;
    QTemporaryDir dir;
    const Account account = db.addAccount(u"Checking"_s);
    ImportService service(db.transactions, db.categories, db.splitLines);
    const ImportResult result = service.importCsv(writeTestFile(dir, u"in.csv"_s, content), account.id, kIsoCsv);
    QCOMPARE(result.imported, imported);
    QCOMPARE(result.unparseable, unparseable);
    QCOMPARE(result.failed, !error.isEmpty());
    QCOMPARE(result.error, error);
    QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM transactions WHERE amount = 0"_s).toInt(), 0);
    if (imported == 1)
        QCOMPARE(db.scalar(u"SELECT amount FROM transactions"_s).toLongLong(), qint64(-1200));
}

void TestServiceIntegrity::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    const QString text = u"Café,1.00\n"_s;
    QByteArray le(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    QByteArray be = le;
    for (qsizetype i = 0; i + 1 < be.size(); i += 2)
        std::swap(be[i], be[i + 1]);
    QTest::newRow("UTF-16LE without BOM") << le << text;
    QTest::newRow("UTF-16BE without BOM") << be << text;
    QTest::newRow("UTF-8 cut short at the end") << (text.toUtf8() + "\xC3") << text;
}

void TestServiceIntegrity::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(ImportService::decodeImportText(bytes), expected);
}

void TestServiceIntegrity::qifWritesNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("insertFails");
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("binary garbage") << QByteArray("\x01\x02\xFF\xFE\x00\x00\x7F garbage", 16) << false;
    QTest::newRow("no usable record") << QByteArray("!Type:Bank\nDnot a date\nTabc\n^\n") << false;
    QTest::newRow("every insert fails") << QByteArray("!Type:Bank\nD01/02/2024\nT-1.00\nPShop\n^\n") << true;
}

void TestServiceIntegrity::qifWritesNothing()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, insertFails);
    TestDatabase db;
    QTemporaryDir dir;
    ImportService service(db.transactions, db.categories, db.splitLines);
    service.setAccountRepository(db.accounts);
    QVERIFY(!insertFails || failWritesTo(db, u"transactions"_s, u"INSERT"_s));
    const QString path = writeTestFile(dir, u"in.qif"_s, content);
    Account fresh;
    fresh.id = newId();
    fresh.name = u"From import"_s;
    fresh.created_at = fresh.updated_at = QDateTime::currentDateTimeUtc();
    const ImportResult result = service.importQif({path}, {{path, fresh.id}}, {fresh});
    QCOMPARE(result.imported, 0);
    QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM accounts"_s).toInt(), 0);
}

void TestServiceIntegrity::qifSplitsNotKept()
{
    TestDatabase db;
    QTemporaryDir dir;
    const Account account = db.addAccount(u"Checking"_s);
    ImportService service(db.transactions, db.categories, db.splitLines);
    const QString path = writeTestFile(dir, u"split.qif"_s,
                                   "!Type:Bank\nD01/02/2024\nT-100.00\nPShop\nSFood\n$-60.00\nS[Savings]\n$-30.00\n"
                                   "S\n$-10.00\n^\n");
    const ImportResult result = service.importQif({path}, {{path, account.id}});
    QCOMPARE(result.imported, 1);
    QCOMPARE(result.splitsNotKept, 2);
    QCOMPARE(db.scalar(u"SELECT amount FROM transactions"_s).toLongLong(), qint64(-10000));
    QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM split_lines"_s).toInt(), 1);
    QVERIFY(ImportSummary::text(result).contains(u"2 split line(s) without a category were not kept"_s));
}

void TestServiceIntegrity::restoreRefusesRow_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<int>("imported");
    QTest::newRow("valid row") << QString() << QJsonValue() << 1;
    QTest::newRow("amount 1e30") << u"amount"_s << QJsonValue(1e30) << 0;
    QTest::newRow("amount as text") << u"amount"_s << QJsonValue(u"12.50"_s) << 0;
    QTest::newRow("amount with a fraction") << u"amount"_s << QJsonValue(12.5) << 0;
    QTest::newRow("flag as boolean") << u"cleared"_s << QJsonValue(true) << 0;
    QTest::newRow("flag 7") << u"cleared"_s << QJsonValue(7) << 0;
    QTest::newRow("date with slashes") << u"date"_s << QJsonValue(u"2024/01/02"_s) << 0;
    QTest::newRow("impossible date") << u"date"_s << QJsonValue(u"2024-02-31"_s) << 0;
    QTest::newRow("local timestamp") << u"updated_at"_s << QJsonValue(u"2024-01-02 10:00:00"_s) << 0;
    QTest::newRow("payee as number") << u"payee"_s << QJsonValue(5) << 0;
    QTest::newRow("id as number") << u"id"_s << QJsonValue(7) << 0;
}

void TestServiceIntegrity::restoreRefusesRow()
{
    QFETCH(QString, member);
    QFETCH(QJsonValue, value);
    QFETCH(int, imported);
    TestDatabase db;
    BackupService service(db.database);
    const BackupImportResult result = service.importBackup(
        backupOf({{u"accounts/a1.json"_s, jsonBytes(kAccountRow)},
                  {u"transactions/t1.json"_s, jsonBytes(transactionRow(member, value))}}),
        BackupImportMode::Replace);
    QCOMPARE(result.accountsImported, 1);
    QCOMPARE(result.transactionsImported, imported);
    QCOMPARE(result.transactionsSkipped, 1 - imported);
    QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM transactions"_s).toInt(), imported);
    QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM transactions WHERE typeof(amount) <> 'integer'"_s).toInt(), 0);
}

// Another program adds an account and a transaction on it while the export
// is between the two tables: neither may appear, or the archive would hold a
// transaction whose account is missing.
int writeBetweenTables(unsigned, void *context, void *statement, void *)
{
    auto *pending = static_cast<bool *>(context);
    if (!*pending || !QByteArray(sqlite3_sql(static_cast<sqlite3_stmt *>(statement))).contains("FROM transactions"))
        return 0;
    *pending = false;
    QSqlQuery q(QSqlDatabase::database(u"locker"_s));
    q.exec(u"INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('late', 'Late', '', '')"_s);
    q.exec(u"INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at) "
           "VALUES ('late-t', 'late', '2024-01-01', 'Late', -100, '', '')"_s);
    return 0;
}

void TestServiceIntegrity::exportIsOneSnapshot()
{
    TestDatabase db;
    db.addTransaction(db.addAccount(u"Checking"_s).id, QDate(2024, 1, 1), u"Early"_s, -100);
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"locker"_s);
        other.setDatabaseName(db.filePath());
        QVERIFY(other.open());
    }
    const QVariant handle = db.database->connection().driver()->handle();
    sqlite3 *export_ = *static_cast<sqlite3 *const *>(handle.data());
    bool pending = true;
    sqlite3_trace_v2(export_, SQLITE_TRACE_STMT, writeBetweenTables, &pending);
    const QByteArray zip = BackupService(db.database).exportBackup();
    sqlite3_trace_v2(export_, 0, nullptr, nullptr);
    QSqlDatabase::removeDatabase(u"locker"_s);
    QVERIFY(!pending);
    QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM transactions"_s).toInt(), 2);
    const BackupArchive archive(zip);
    QVERIFY(!archive.find(u"transactions/late-t.json"_s));
    QVERIFY(!archive.find(u"accounts/late.json"_s));
}

void TestServiceIntegrity::busyDatabase()
{
    TestDatabase db;
    QTemporaryDir dir;
    const Account account = db.addAccount(u"Checking"_s);
    Database::setBusyTimeout(100);
    const auto restoreTimeout = qScopeGuard([] { Database::setBusyTimeout(Database::kDefaultBusyTimeoutMs); });
    WriteLock lock(db.filePath());
    QVERIFY(lock.locked);

    ImportService imports(db.transactions, db.categories, db.splitLines);
    const ImportResult csv = imports.importCsv(writeTestFile(dir, u"a.csv"_s, "2024-01-01,A,1.00\n"), account.id, kIsoCsv);
    QVERIFY(csv.failed);
    QCOMPARE(csv.error, Database::busyMessage());
    const QString qif = writeTestFile(dir, u"a.qif"_s, "!Type:Bank\nD01/02/2024\nT-1.00\nPShop\n^\n");
    const ImportResult qifResult = imports.importQif({qif}, {{qif, account.id}});
    QVERIFY(qifResult.failed);
    QCOMPARE(qifResult.error, Database::busyMessage());

    BackupService backups(db.database);
    const BackupImportResult restore =
        backups.importBackup(backupOf({{u"accounts/a1.json"_s, jsonBytes(kAccountRow)}}), BackupImportMode::Replace);
    QCOMPARE(restore.importedTotal(), 0);
    QVERIFY(restore.errors.value(0).contains(Database::busyMessage()));
}

void TestServiceIntegrity::reportsKeepCurrenciesApart()
{
    TestDatabase db;
    const Account dollars = db.addAccount(u"Dollars"_s, Currency::USD);
    const Account yen = db.addAccount(u"Yen"_s, Currency::JPY);
    db.addTransaction(dollars.id, QDate(2024, 3, 5), u"Salary"_s, 100000);
    db.addTransaction(yen.id, QDate(2024, 3, 6), u"Rent"_s, -150000);
    ReportService service(db.database);
    const ReportFilter filter{QDate(2024, 1, 1), QDate(2024, 12, 31), QString()};
    const ReportPresenter presenter;
    const QList<ReportTable> tables{presenter.cashFlow(service.cashFlow(filter)),
                                    presenter.payeeSummary(service.payeeSummary(filter)),
                                    presenter.accountSummary(service.accountSummary())};
    for (const ReportTable &table : tables) {
        QCOMPARE(table.headers.at(1), u"Currency"_s);
        const QString csv = table.toCsv();
        QVERIFY2(csv.contains(u"\"JPY\""_s) && csv.contains(u"\"USD\""_s), qPrintable(csv));
        QVERIFY2(!csv.contains(u"-$500"_s) && !csv.contains(u"-$1,500"_s), qPrintable(csv));
    }
    QVERIFY(tables.first().toCsv().contains(u"\"Total\",\"JPY\",\"¥0\",\"-¥150,000\",\"-¥150,000\""_s));
    QVERIFY(tables.first().isTotalRow(1) && tables.first().isTotalRow(3) && !tables.first().isTotalRow(2));
}

void TestServiceIntegrity::cliFailures()
{
    QTemporaryDir dir;
    const QString data = dir.filePath(u"data"_s);
    const QString dbFile = data + u"/penwick.db"_s;

    // Framework notes on a headless machine stay out of the output.
    QProcessEnvironment headless;
    headless.insert(u"TMPDIR"_s, dir.path());
    headless.insert(u"XDG_RUNTIME_DIR"_s, QString());
    CliRun run = runCli(data, {u"accounts"_s}, headless);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());

    {
        // Reading needs no write: start-up leaves unchanged preferences alone.
        WriteLock lock(dbFile);
        QVERIFY(lock.locked);
        QElapsedTimer timer;
        timer.start();
        run = runCli(data, {u"accounts"_s});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(timer.elapsed() < Database::kDefaultBusyTimeoutMs, qPrintable(run.err));
    }

    // A schema from a newer program is refused and left as it is.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"future"_s);
        db.setDatabaseName(dbFile);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(u"INSERT INTO schema_version (version, name) VALUES (99, 'future')"_s));
        db.close();
    }
    QSqlDatabase::removeDatabase(u"future"_s);
    run = runCli(data, {u"accounts"_s});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(u"newer version"_s), qPrintable(run.err));
}

void TestServiceIntegrity::cliSampleAndTransfers()
{
    QTemporaryDir dir;
    const QString data = dir.filePath(u"data"_s);

    // The transfer target of the first file exists when the second arrives,
    // so the second links to it without --map.
    const QString first = writeTestFile(dir, u"c.qif"_s,
                                    "!Account\nNChecking\n^\n!Type:Bank\nD01/02/2024\nT-50.00\nPMove\nL[Savings]\n^\n");
    const QString second = writeTestFile(dir, u"s.qif"_s,
                                     "!Account\nNSavings\n^\n!Type:Bank\nD01/02/2024\nT50.00\nPMove\nL[checking]\n^\n");
    QCOMPARE(runCli(data, {u"import"_s, u"qif"_s, first}).exitCode, 0);
    CliRun run = runCli(data, {u"--json"_s, u"import"_s, u"qif"_s, second});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QJsonDocument::fromJson(run.out.toUtf8()).object().value(u"linked_to_previous"_s).toInt(), 1);

    // Clearing keeps a sample account the user's own row uses, and says so.
    QCOMPARE(runCli(data, {u"sample"_s, u"load"_s}).exitCode, 0);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"user"_s);
        db.setDatabaseName(data + u"/penwick.db"_s);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(
            u"INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at) "
            "SELECT 'mine', id, '2024-01-01', 'Mine', -100, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z' "
            "FROM accounts WHERE id LIKE 'sample-%' LIMIT 1"_s));
        db.close();
    }
    QSqlDatabase::removeDatabase(u"user"_s);
    run = runCli(data, {u"sample"_s, u"clear"_s});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(u"kept"_s), qPrintable(run.out));
    run = runCli(data, {u"sample"_s, u"clear"_s});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(!run.out.contains(u"Sample data cleared"_s) && run.err.contains(u"kept"_s), qPrintable(run.err));
    run = runCli(data, {u"sample"_s, u"load"_s});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(u"cannot be loaded again"_s), qPrintable(run.err));
}

PENWICK_TEST_MAIN(TestServiceIntegrity)
void TestServiceIntegrity::csvChunkBoundary_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<int>("before"); // bytes of the row in the file's first megabyte
    QTest::addColumn<QString>("payee");
    QTest::newRow("two-byte character") << QByteArray("\xC3\xA9t\xC3\xA9,2024,-1.00\n") << 1 << u"\u00E9t\u00E9"_s;
    QTest::newRow("three-byte character") << QByteArray("x\xE2\x82\xAC,2024,-1.00\n") << 2 << u"x\u20AC"_s;
    QTest::newRow("doubled quote") << QByteArray("\"\"\"a\"\"\",2024,-1.00\n") << 2 << u"\"a\""_s;
}

// Files are read a megabyte at a time; what straddles two pieces reads as a whole.
void TestServiceIntegrity::csvChunkBoundary()
{
    QFETCH(QByteArray, row);
    QFETCH(int, before);
    QFETCH(QString, payee);
    TestDatabase db;
    QTemporaryDir dir;
    const Account account = db.addAccount(u"Checking"_s);
    QByteArray content; // rows of two cells, refused for want of a third
    while (content.size() < (1 << 20) - 100)
        content += "Filler,-2.00\n";
    content += QByteArray((1 << 20) - before - content.size() - 7, 'Z') + ",-2.00\n" + row;
    ImportService service(db.transactions, db.categories, db.splitLines);
    const CsvColumnMapping mapping{1, 0, 2, -1, -1, false, u"yyyy"_s}; // payee, then date, then amount
    const ImportResult result = service.importCsv(writeTestFile(dir, u"big.csv"_s, content), account.id, mapping);
    QCOMPARE(result.imported, 1);
    QCOMPARE(db.scalar(u"SELECT payee FROM transactions"_s).toString(), payee);
}

// A QIF line cut by the megabyte boundary still reads as one line.
void TestServiceIntegrity::qifChunkBoundary()
{
    TestDatabase db;
    QTemporaryDir dir;
    const Account account = db.addAccount(u"Checking"_s);
    QByteArray content = "!Type:Bank\n";
    while (content.size() < (1 << 20) - 100)
        content += "MFiller memo\n^\n"; // records without date or amount
    content += "D01/02/2024\nT-1.00\n" + QByteArray((1 << 20) - content.size() - 21 - 6, ' ') + "\nPGreen grocer\n^\n";
    ImportService service(db.transactions, db.categories, db.splitLines);
    const QString path = writeTestFile(dir, u"big.qif"_s, content);
    QCOMPARE(service.importQif({path}, {{path, account.id}}).imported, 1);
    QCOMPARE(db.scalar(u"SELECT payee FROM transactions"_s).toString(), u"Green grocer"_s);
}

enum class BulkPath { Qif, QifCancelled, QifInsertFails, Ofx, Csv, RestoreOver, RolledBack };

void TestServiceIntegrity::indexFollowsBulkWrites_data()
{
    QTest::addColumn<BulkPath>("path");
    QTest::addColumn<int>("zebras"); // rows the search finds afterwards
    QTest::newRow("QIF, relinking an older row") << BulkPath::Qif << 2;
    QTest::newRow("QIF cancelled") << BulkPath::QifCancelled << 0;
    QTest::newRow("QIF with a refused row") << BulkPath::QifInsertFails << 0;
    QTest::newRow("OFX") << BulkPath::Ofx << 1;
    QTest::newRow("CSV") << BulkPath::Csv << 1;
    QTest::newRow("restore over existing rows") << BulkPath::RestoreOver << 1;
    QTest::newRow("batch rolled back") << BulkPath::RolledBack << 0;
}

// The full-text index matches the table exactly after every bulk path,
// rolled back or not, and its triggers are back in place.
void TestServiceIntegrity::indexFollowsBulkWrites()
{
    QFETCH(BulkPath, path);
    QFETCH(int, zebras);
    TestDatabase db;
    QTemporaryDir dir;
    const Account checking = db.addAccount(u"Checking"_s);
    const Account savings = db.addAccount(u"Savings"_s);
    const Transaction waiting = insertTransaction(db.transactions, checking.id, QDate(2024, 1, 5), u"Move"_s, -10000,
                                                  QString(), u"[\u2192 Savings] monthly"_s);
    ImportService service(db.transactions, db.categories, db.splitLines);
    const QString qif = writeTestFile(dir, u"in.qif"_s,
                                  "!Account\nNSavings\nTBank\n^\n!Type:Bank\nD01/05/2024\nT100.00\nPMove in\n"
                                  "L[Checking]\n^\nD01/06/2024\nT-5.00\nPCoffee shop\nMZebra memo\n^\n");
    const QHash<QString, QString> mapping{{u"Savings"_s, savings.id}, {u"Checking"_s, checking.id}};
    switch (path) {
    case BulkPath::Qif:
        QCOMPARE(service.importQif({qif}, mapping).linkedToPrevious, 1);
        QVERIFY(db.execute(u"UPDATE transactions SET memo = 'zebra' WHERE id = ?"_s, {waiting.id}));
        break;
    case BulkPath::QifCancelled:
        connect(&service, &ImportService::importProgress, &service, &ImportService::cancelImport);
        QVERIFY(service.importQif({qif}, mapping).cancelled);
        break;
    case BulkPath::QifInsertFails:
        QVERIFY(failWritesTo(db.database->connection(), u"transactions"_s, u"INSERT"_s, u"NEW.payee = 'Coffee shop'"_s));
        QCOMPARE(service.importQif({qif}, mapping).databaseErrors, 1);
        break;
    case BulkPath::Ofx: {
        const QString ofx = QStringLiteral(PENWICK_TEST_DATA) + u"/ofx/card-v2.ofx"_s;
        service.setAccountRepository(db.accounts);
        const QString key = service.analyzeOfxFiles({ofx}).accounts.value(0).key;
        QCOMPARE(service.importOfx({ofx}, {{key, checking.id}}).imported, 2);
        QVERIFY(db.execute(u"UPDATE transactions SET memo = 'zebra' WHERE payee LIKE 'Payment%'"_s));
        break;
    }
    case BulkPath::Csv: {
        CsvColumnMapping columns;
        columns.memoColumn = 3;
        const QString csv = writeTestFile(dir, u"in.csv"_s, "Date,Payee,Amount,Memo\n01/07/2024,Zebra bakery,-3.50,x\n");
        QCOMPARE(service.importCsv(csv, checking.id, columns).imported, 1);
        break;
    }
    case BulkPath::RestoreOver: {
        BackupService backup(db.database);
        QJsonObject row = transactionRow(u"payee"_s, u"Zebra"_s);
        QCOMPARE(backup.importBackup(backupOf({{u"accounts/a1.json"_s, jsonBytes(kAccountRow)},
                                               {u"transactions/t1.json"_s, jsonBytes(transactionRow({}, {}))}}),
                                     BackupImportMode::Replace).transactionsImported, 1);
        QCOMPARE(backup.importBackup(backupOf({{u"transactions/t1.json"_s, jsonBytes(row)}}), BackupImportMode::Replace)
                     .transactionsImported, 1);
        break;
    }
    case BulkPath::RolledBack: {
        QSqlDatabase connection = db.database->connection();
        QVERIFY(Database::beginWrite(connection));
        BulkWriter writer(connection);
        QVERIFY(writer.begin());
        Transaction t = waiting;
        t.id = newId();
        t.payee = u"Zebra"_s;
        QVERIFY(writer.insertTransaction(t));
        t = waiting;
        t.memo = u"zebra"_s;
        QVERIFY(db.transactions->update(t));
        QVERIFY(db.execute(u"DELETE FROM transactions WHERE id = ?"_s, {waiting.id}));
        QVERIFY(connection.rollback());
        break;
    }
    }
    QVERIFY(db.execute(u"INSERT INTO transactions_fts(transactions_fts, rank) VALUES ('integrity-check', 1)"_s));
    QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM sqlite_master WHERE type = 'trigger' AND tbl_name = 'transactions'"_s)
                 .toInt(), 3);
    QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH 'zebra'"_s).toInt(),
             zebras);
}

#include "tst_serviceintegrity.moc"
