#include "testsupport.h"

#include "services/importmapping.h"
#include "services/importservice.h"
#include "services/importsummary.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QTranslator>

// Drives the real penwick-cli executable, one process per command, on
// temporary data directories. Reports, searches and imports are tested at the
// service; here each command runs once end to end.

namespace {

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

QString fixture(const QString &name)
{
    return QStringLiteral(PENWICK_TEST_DATA) + u"/cli/"_s + name;
}

QJsonValue json(const CliRun &run)
{
    const QJsonDocument document = QJsonDocument::fromJson(run.out.toUtf8());
    return document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
}

QJsonObject byName(const QJsonArray &array, const QString &key, const QString &value)
{
    for (const QJsonValue &item : array) {
        if (item.toObject().value(key).toString() == value)
            return item.toObject();
    }
    return {};
}

// The import window's lines in the catalogue the tool loads for English.
QString windowSummary(const ImportResult &result)
{
    QTranslator translator;
    const bool loaded = translator.load(u":/i18n/penwick_en.qm"_s);
    if (loaded)
        QCoreApplication::installTranslator(&translator);
    const QStringList lines = ImportSummary::lines(result);
    if (loaded)
        QCoreApplication::removeTranslator(&translator);
    return lines.join(u'\n') + u'\n';
}

ImportResult counters(int imported, int duplicates, int unparseable, int linked, int linkedToPrevious)
{
    ImportResult result;
    result.imported = imported;
    result.duplicates = duplicates;
    result.unparseable = unparseable;
    result.transfersLinked = linked;
    result.linkedToPrevious = linkedToPrevious;
    return result;
}

const QStringList kCsvColumns = {u"--date-col"_s,     u"0"_s, u"--payee-col"_s,    u"1"_s,
                                 u"--amount-col"_s,   u"2"_s, u"--memo-col"_s,     u"3"_s,
                                 u"--category-col"_s, u"4"_s, u"--date-format"_s, u"yyyy-MM-dd"_s};

} // namespace

Q_DECLARE_METATYPE(ImportResult)

// Success means exit code 0 and nothing at all on standard error.
#define QVERIFY_SUCCESS(expression)                                                                  \
    do {                                                                                             \
        const CliRun &run_ = (expression);                                                           \
        QVERIFY2(run_.exitCode == 0 && run_.err.isEmpty(),                                           \
                 qPrintable(u"exit %1: %2"_s.arg(run_.exitCode).arg(run_.err)));                     \
    } while (false)

class TestCli : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void importSummaryLines_data();
    void importSummaryLines();
    void refusals_data();
    void refusals();
    void dataDirectoryOptionWins();
    void importsLinkTransfers();
    void searchAndReport();
    void backupRoundTrip();
    void recurringAndSample();

private:
    QProcessEnvironment environment() const;
    CliRun run(const QStringList &args, const QProcessEnvironment &env, const QString &workingDir = QString()) const;
    CliRun cli(const QString &dataDir, const QStringList &args) const
    {
        return run(QStringList{u"--data-dir"_s, dataDir} + args, environment());
    }
    QString freshDir() const;
    // A copy of a just-created database, which saves every test the start-up
    // writes of a new one.
    QString seededDir() const;

    QTemporaryDir m_home;    // settings, default data and runtime folders of the children
    QTemporaryDir m_runtime; // private (0700), as XDG_RUNTIME_DIR must be
    QString m_ledger;        // checking and savings QIF plus a CSV; read-only after setup
    QString m_template;      // a new database as the first start leaves it
};

QProcessEnvironment TestCli::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"PENWICK_DATA_DIR"_s);
    env.remove(u"PENWICK_VERBOSE"_s);
    env.insert(u"XDG_CONFIG_HOME"_s, m_home.filePath(u"config"_s));
    env.insert(u"XDG_DATA_HOME"_s, m_home.filePath(u"data"_s));
    env.insert(u"XDG_RUNTIME_DIR"_s, m_runtime.path());
    env.insert(u"LC_ALL"_s, u"C"_s);
    env.insert(u"LANG"_s, u"C"_s);
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    return env;
}

CliRun TestCli::run(const QStringList &args, const QProcessEnvironment &env, const QString &workingDir) const
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workingDir.isEmpty() ? m_home.path() : workingDir);
    process.start(QStringLiteral(PENWICK_CLI_PATH), args);
    CliRun result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        result.err = u"penwick-cli did not finish: "_s + args.join(u' ');
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QString TestCli::freshDir() const
{
    const QString path = m_home.filePath(u"dirs/"_s + newId());
    QDir().mkpath(path);
    return path;
}

QString TestCli::seededDir() const
{
    const QString path = freshDir();
    const QDir from(m_template);
    for (const QString &file : from.entryList(QDir::Files))
        QFile::copy(from.filePath(file), path + u'/' + file);
    return path;
}

void TestCli::initTestCase()
{
    QVERIFY(m_home.isValid() && m_runtime.isValid());
    m_template = freshDir();
    QVERIFY_SUCCESS(cli(m_template, {u"accounts"_s}));
    m_ledger = seededDir();
    QVERIFY_SUCCESS(cli(m_ledger, {u"import"_s, u"qif"_s, fixture(u"checking.qif"_s), fixture(u"savings.qif"_s)}));
    QVERIFY_SUCCESS(cli(m_ledger, QStringList{u"import"_s, u"csv"_s, fixture(u"bank.csv"_s), u"--account"_s,
                                              u"savings"_s} + kCsvColumns));
}

void TestCli::importSummaryLines_data()
{
    QTest::addColumn<ImportResult>("result");
    QTest::addColumn<QStringList>("expected");
    ImportResult failed = counters(5, 1, 0, 2, 1);
    failed.failed = true;
    QTest::newRow("failed import hides the counters")
        << failed
        << QStringList{u"Import failed."_s, QString(),
                       u"A database error stopped the import and all changes were rolled back. No transactions "
                       "were added."_s};
    ImportResult all = counters(7, 3, 4, 2, 1);
    all.unmapped = 6;
    all.metadata = 5;
    all.databaseErrors = 1;
    QTest::newRow("every counter in window order")
        << all
        << QStringList{u"Import complete!"_s, QString(), u"7 transaction(s) imported"_s,
                       u"2 transfer(s) linked across accounts"_s,
                       u"  (including 1 linked to previously imported row(s))"_s, u"3 duplicate(s) skipped"_s,
                       u"4 record(s) skipped (unparseable)"_s, u"5 metadata record(s) skipped"_s,
                       u"6 record(s) skipped (unmapped source account)"_s,
                       u"1 record(s) skipped (database error — see log)"_s};
}

void TestCli::importSummaryLines()
{
    QFETCH(ImportResult, result);
    QFETCH(QStringList, expected);
    QCOMPARE(ImportSummary::lines(result), expected);
    QCOMPARE(ImportSummary::text(result), expected.join(u'\n'));
}

void TestCli::refusals_data()
{
    QTest::addColumn<QString>("line"); // the arguments, split at blanks
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QString csv = fixture(u"bank.csv"_s) + u" --date-col 0 --payee-col 1 --amount-col 2"_s;
    const QString qif = fixture(u"checking.qif"_s);
    const QString missing = m_home.filePath(u"no-such-file"_s);
    const QString year = u"--from 2024-01-01 --to 2024-12-31"_s;
    // Usage errors: exit code 2, before any database is opened.
    QTest::newRow("no command") << QString() << 2 << u"No command given."_s;
    QTest::newRow("unknown command") << u"frobnicate"_s << 2 << u"Unknown command: frobnicate"_s;
    QTest::newRow("unknown subcommand") << u"backup frob"_s << 2 << u"Unknown command: backup frob"_s;
    QTest::newRow("unknown option before the command") << u"--bogus"_s << 2 << u"Unknown option 'bogus'"_s;
    QTest::newRow("missing subcommand") << u"backup"_s << 2 << u"Missing subcommand for backup."_s;
    QTest::newRow("unknown option") << u"accounts --bogus"_s << 2 << u"bogus"_s;
    QTest::newRow("extra argument") << u"accounts extra"_s << 2 << u"Unexpected argument: extra"_s;
    QTest::newRow("missing argument") << u"register"_s << 2 << u"Missing argument: ACCOUNT"_s;
    QTest::newRow("impossible date") << u"search x --from 2024-02-30"_s << 2
                                     << u"Invalid date for --from: \"2024-02-30\""_s;
    QTest::newRow("missing period end") << u"report cash_flow --from 2024-01-01"_s << 2 << u"Missing option: --to"_s;
    QTest::newRow("unknown report") << u"report profit "_s + year << 2 << u"Unknown report \"profit\""_s;
    QTest::newRow("account on an all-account report") << u"report tax_report --account x "_s + year << 2
                                                      << u"covers every account"_s;
    QTest::newRow("comparison outside year-over-year") << u"report cash_flow --compare-from 2023-01-01 "_s + year
                                                       << 2 << u"belong to year_over_year"_s;
    QTest::newRow("backup mode missing") << u"backup import x.zip"_s << 2 << u"Missing option: --mode"_s;
    QTest::newRow("backup mode unknown") << u"backup import x.zip --mode merge"_s << 2 << u"Invalid --mode \"merge\""_s;
    QTest::newRow("csv without account") << u"import csv "_s + csv << 2 << u"Missing option: --account"_s;
    QTest::newRow("csv column not a number")
        << u"import csv %1 --account A --date-col first --payee-col 1 --amount-col 2"_s.arg(fixture(u"bank.csv"_s)) << 2
                                             << u"Invalid number for --date-col: \"first\""_s;
    QTest::newRow("csv date format not offered") << u"import csv %1 --account A --date-format dd.MM.yyyy"_s.arg(csv)
                                                 << 2 << u"Invalid --date-format \"dd.MM.yyyy\""_s;
    QTest::newRow("map without target") << u"import qif %1 --map Checking"_s.arg(qif) << 2
                                        << u"Invalid --map \"Checking\""_s;
    QTest::newRow("help stays away from the data") << u"import qif --help"_s << 0 << u"--map <SOURCE=ACCOUNT>"_s;
    QTest::newRow("help") << u"--help"_s << 0 << u"Usage: penwick-cli [options] COMMAND"_s;
    QTest::newRow("help of a group") << u"backup --help"_s << 0 << u"backup import  Merge a backup"_s;
    QTest::newRow("csv column missing") << u"import csv %1 --account A --payee-col 1 --amount-col 2"_s.arg(qif) << 2
                                        << u"Missing option: --date-col"_s;
    // Failures: exit code 1 and a message, nothing on standard output.
    QTest::newRow("register of unknown account") << u"register Nope"_s << 1 << u"Unknown account: Nope"_s;
    QTest::newRow("search in unknown account") << u"search x --account Nope"_s << 1 << u"Unknown account: Nope"_s;
    QTest::newRow("search in unknown category") << u"search x --category Nope"_s << 1 << u"Unknown category: Nope"_s;
    QTest::newRow("category name used twice") << u"search x --category Maintenance"_s << 1
                                              << u"Category name \"Maintenance\" is ambiguous"_s;
    QTest::newRow("csv into unknown account") << u"import csv %1 --account Nope"_s.arg(csv) << 1
                                              << u"Unknown account: Nope"_s;
    QTest::newRow("skip of an absent source") << u"import qif %1 --skip Nowhere"_s.arg(qif) << 1
                                              << u"No source account \"Nowhere\""_s;
    QTest::newRow("qif file missing") << u"import qif %1 %2"_s.arg(qif, missing) << 1
                                      << u"Cannot read file: "_s + missing;
    QTest::newRow("ofx file cut short") << u"import ofx %1/ofx/truncated.ofx"_s.arg(QStringLiteral(PENWICK_TEST_DATA))
                                        << 1 << u"truncated.ofx is incomplete"_s;
    QTest::newRow("backup file missing") << u"backup import %1 --mode skip"_s.arg(missing) << 1
                                         << u"Could not read file: "_s + missing;
    QTest::newRow("backup that is no archive") << u"backup import %1 --mode replace"_s.arg(qif) << 1
                                               << u"Failed to open ZIP archive"_s;
    QTest::newRow("backup to unwritable place") << u"backup export %1/x.zip"_s.arg(missing) << 1
                                                << u"Could not write to: "_s;
    QTest::newRow("report to unwritable place") << u"report cash_flow %1 --out %2/x.csv"_s.arg(year, missing) << 1
                                                << u"Could not write to: "_s;
    QTest::newRow("nothing to clear") << u"sample clear"_s << 1 << u"No sample data to clear."_s;
    QTest::newRow("ofx map of an absent statement account")
        << u"import ofx %1/ofx/checking-v1.ofx --map Nowhere=Checking"_s.arg(QStringLiteral(PENWICK_TEST_DATA)) << 1
        << u"No source account \"Nowhere\""_s;
    QTest::newRow("sync while signed out") << u"sync"_s << 1 << u"Not signed in"_s;
}

void TestCli::refusals()
{
    QFETCH(QString, line);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    // Usage errors run in an empty folder, which they must leave empty.
    const QString dir = exitCode == 1 ? m_ledger : freshDir();
    const CliRun r = cli(dir, line.split(u' ', Qt::SkipEmptyParts));
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY2((exitCode ? r.err : r.out).contains(message), qPrintable(r.err + r.out));
    if (exitCode) {
        // A keyring warning may come before the message.
        QVERIFY2(r.err.startsWith(u"penwick-cli: "_s) || r.err.contains(u"\npenwick-cli: "_s), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    }
    if (exitCode != 1)
        QVERIFY2(!QFileInfo::exists(dir + u"/penwick.db"_s), "opened the database");
}

// A relative --data-dir is taken from the working folder, ahead of PENWICK_DATA_DIR.
void TestCli::dataDirectoryOptionWins()
{
    const QString base = freshDir();
    QDir().mkpath(base + u"/work"_s);
    QProcessEnvironment env = environment();
    env.insert(u"XDG_DATA_HOME"_s, base + u"/xdg"_s);
    env.insert(u"PENWICK_DATA_DIR"_s, base + u"/variable"_s);
    QVERIFY_SUCCESS(run({u"--data-dir"_s, u"rel/dir"_s, u"accounts"_s}, env, base + u"/work"_s));
    QVERIFY(QFileInfo::exists(base + u"/work/rel/dir/penwick.db"_s));
    QVERIFY(!QFileInfo::exists(base + u"/variable/penwick.db"_s));
    QVERIFY(!QFileInfo::exists(base + u"/xdg/Velmora/Penwick/penwick.db"_s));
}

void TestCli::importsLinkTransfers()
{
    const QString dir = seededDir();
    const CliRun first = cli(dir, {u"import"_s, u"qif"_s, fixture(u"checking.qif"_s)});
    QVERIFY_SUCCESS(first);
    QCOMPARE(first.out, windowSummary(counters(5, 1, 1, 0, 0)));
    // Checking is only a transfer target in the savings file: --map tells where
    // its rows went, so the waiting row is linked.
    const CliRun second = cli(dir, {u"import"_s, u"qif"_s, fixture(u"savings.qif"_s), u"--map"_s,
                                    u"checking=Checking"_s, u"--json"_s});
    QVERIFY_SUCCESS(second);
    QCOMPARE(json(second)[u"linked_to_previous"_s].toInt(), 1);

    const QJsonArray accounts = json(cli(dir, {u"accounts"_s, u"--json"_s})).toArray();
    const QJsonObject checking = byName(accounts, u"name"_s, u"Checking"_s);
    const QJsonObject savings = byName(accounts, u"name"_s, u"Savings"_s);
    QCOMPARE(checking[u"balance"_s].toInteger(), 150000 - 4520 - 20000 - 105000 - 6210);
    QCOMPARE(savings[u"balance"_s].toInteger(), 20000 + 125);
    // The two legs of the transfer name each other's account and row.
    const QJsonObject out = byName(json(cli(dir, {u"register"_s, checking[u"id"_s].toString(), u"--json"_s})).toArray(),
                                   u"payee"_s, u"Transfer to savings"_s);
    const QJsonObject in = byName(json(cli(dir, {u"register"_s, u"SAVINGS"_s, u"--json"_s})).toArray(), u"payee"_s,
                                  u"Transfer from checking"_s);
    QCOMPARE(out[u"transfer_dest_account_id"_s], savings[u"id"_s]);
    QCOMPARE(in[u"transfer_dest_account_id"_s], checking[u"id"_s]);
    QCOMPARE(out[u"transfer_link_id"_s], in[u"id"_s]);
    QCOMPARE(in[u"transfer_link_id"_s], out[u"id"_s]);
    QCOMPARE(out[u"memo"_s].toString(), QString());

    // The CSV import of the ledger took the title row, a repeat and a bad date.
    const CliRun csv = cli(dir, QStringList{u"import"_s, u"csv"_s, fixture(u"bank.csv"_s), u"--account"_s,
                                            u"Savings"_s, u"--no-header"_s} + kCsvColumns);
    QVERIFY_SUCCESS(csv);
    QCOMPARE(csv.out, windowSummary(counters(3, 1, 2, 0, 0)));
}

void TestCli::searchAndReport()
{
    const CliRun found = cli(m_ledger, {u"search"_s, u"\"january rent\""_s, u"--json"_s});
    QVERIFY_SUCCESS(found);
    QCOMPARE(json(found).toArray().size(), 1);
    QCOMPARE(json(found)[0][u"payee"_s].toString(), u"Pinecrest Apartments"_s);
    const CliRun range = cli(m_ledger, {u"search"_s, QString(), u"--from"_s, u"2024-01-15"_s, u"--to"_s,
                                        u"2024-01-31"_s, u"--cleared"_s});
    QVERIFY_SUCCESS(range);
    QCOMPARE(ImportService::parseCsv(range.out).size(), 2); // the header and the rent

    // Quotes in cells are doubled; the chosen comparison period is used.
    const CliRun list = cli(m_ledger, {u"report"_s, u"transactions"_s, u"--account"_s, u"Savings"_s, u"--from"_s,
                                       u"2024-03-01"_s, u"--to"_s, u"2024-03-01"_s});
    QVERIFY_SUCCESS(list);
    QVERIFY2(list.out.contains(u"\"Smith, John\",\"Gifts\",\"Said \"\"thanks\"\"\",\"-$25.00\""_s), qPrintable(list.out));
    const CliRun years = cli(m_ledger, {u"report"_s, u"year_over_year"_s, u"--account"_s, u"Checking"_s,
                                        u"--compare-from"_s, u"2024-01-01"_s, u"--compare-to"_s, u"2024-01-31"_s,
                                        u"--from"_s, u"2024-02-01"_s, u"--to"_s, u"2024-02-29"_s, u"--json"_s});
    QVERIFY_SUCCESS(years);
    QCOMPARE(json(years)[u"rows"_s][0].toArray().toVariantList(),
             (QVariantList{u"Auto:Fuel"_s, u"$0.00"_s, u"-$62.10"_s, u"-$62.10"_s}));

    // Every report runs and prints its header, even over an empty period.
    for (const QString &report : {u"category_spending"_s, u"payee_summary"_s, u"tax_report"_s, u"cash_flow"_s,
                                  u"account_summary"_s, u"income_vs_expenses"_s}) {
        const CliRun r = cli(m_ledger, {u"report"_s, report, u"--from"_s, u"2030-01-01"_s, u"--to"_s, u"2030-12-31"_s});
        QVERIFY_SUCCESS(r);
        QVERIFY2(r.out.startsWith(u'"'), qPrintable(report));
    }
    QTemporaryDir out;
    const QString path = out.filePath(u"report.csv"_s);
    const CliRun toFile = cli(m_ledger, {u"report"_s, u"income_vs_expenses"_s, u"--from"_s, u"2024-02-01"_s,
                                         u"--to"_s, u"2024-02-29"_s, u"--out"_s, path});
    QVERIFY_SUCCESS(toFile);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()),
             u"\"Month\",\"Income\",\"Expenses\",\"Net\"\n\"2024-02\",\"$0.00\",\"-$62.10\",\"-$62.10\"\n"
             "\"Total\",\"$0.00\",\"-$62.10\",\"-$62.10\"\n"_s);
}

void TestCli::backupRoundTrip()
{
    QTemporaryDir out;
    const QString zip = out.filePath(u"backup.zip"_s);
    QVERIFY_SUCCESS(cli(m_ledger, {u"backup"_s, u"export"_s, zip}));
    const QString fresh = seededDir();
    const CliRun restored = cli(fresh, {u"backup"_s, u"import"_s, zip, u"--mode"_s, u"skip"_s, u"--json"_s});
    QVERIFY_SUCCESS(restored);
    QCOMPARE(json(restored)[u"transactions"_s][u"imported"_s].toInt(), 10);
    QVERIFY(json(restored)[u"errors"_s].toArray().isEmpty());
    const CliRun here = cli(m_ledger, {u"register"_s, u"Savings"_s});
    const CliRun there = cli(fresh, {u"register"_s, u"Savings"_s});
    QVERIFY_SUCCESS(there);
    QCOMPARE(there.out, here.out);
}

void TestCli::recurringAndSample()
{
    const QString dir = seededDir();
    QVERIFY_SUCCESS(cli(dir, {u"sample"_s, u"load"_s}));
    const CliRun twice = cli(dir, {u"sample"_s, u"load"_s});
    QCOMPARE(twice.exitCode, 1);
    QCOMPARE(twice.err, u"penwick-cli: Sample data is already loaded.\n"_s);

    // A weekly auto-post entry last due three weeks ago.
    const QDate due = QDate::currentDate().addDays(-21);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"tst_cli"_s);
        db.setDatabaseName(dir + u"/penwick.db"_s);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.prepare(u"INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, frequency, "
                          "start_date, next_due_date, auto_post, is_active, version, sync_status, created_at, "
                          "updated_at) VALUES ('weekly-gym', 'sample-acct-checking', 'Gym Club', '', -2500, "
                          "'weekly', ?, ?, 1, 1, 1, 'pending', ?, ?)"_s));
        const QString stamp = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
        for (const QString &value : {due.toString(Qt::ISODate), due.toString(Qt::ISODate), stamp, stamp})
            q.addBindValue(value);
        QVERIFY(q.exec());
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(u"tst_cli"_s);

    const CliRun posted = cli(dir, {u"recurring"_s, u"post-due"_s, u"--json"_s});
    QVERIFY_SUCCESS(posted);
    QCOMPARE(json(posted)[u"posted"_s].toInt(), 4);
    QVERIFY(cli(dir, {u"recurring"_s, u"post-due"_s}).out.startsWith(u"Auto-posted 0 recurring"_s));
    const QJsonArray gym = json(cli(dir, {u"search"_s, u"gym"_s, u"--json"_s})).toArray();
    QCOMPARE(gym.size(), 4);
    QCOMPARE(gym.at(0)[u"date"_s].toString(), due.addDays(21).toString(Qt::ISODate));
    QVERIFY(cli(dir, {u"recurring"_s, u"list"_s}).out.contains(due.addDays(28).toString(Qt::ISODate)));

    // Clearing keeps the sample account the user's own rows still refer to.
    QVERIFY_SUCCESS(cli(dir, {u"sample"_s, u"clear"_s}));
    const QJsonArray accounts = json(cli(dir, {u"accounts"_s, u"--json"_s})).toArray();
    QCOMPARE(accounts.size(), 1);
    QCOMPARE(accounts.at(0)[u"name"_s].toString(), u"Main Checking"_s);
}

PENWICK_TEST_MAIN(TestCli)
#include "tst_cli.moc"
