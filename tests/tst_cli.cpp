#include "testsupport.h"

#include "services/importmapping.h"
#include "services/importservice.h"
#include "services/importsummary.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QTranslator>
#include <QUuid>

// Drives the real penwick-cli executable, one process per command, on
// temporary data directories.

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

QString csvLines(const QStringList &lines)
{
    return lines.join(u'\n') + u'\n';
}

// The data rows of CSV output, the header row dropped.
QList<QStringList> csvRows(const QString &text)
{
    QList<QStringList> rows = ImportService::parseCsv(text);
    if (!rows.isEmpty())
        rows.removeFirst();
    return rows;
}

QStringList column(const QList<QStringList> &rows, int index)
{
    QStringList out;
    for (const QStringList &row : rows)
        out << row.value(index);
    return out;
}

QJsonValue json(const CliRun &run)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        qWarning().noquote() << "not JSON:" << error.errorString() << run.out;
    return document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
}

// The import window's lines in the catalogue the tool loads for English.
QStringList windowSummary(const ImportResult &result)
{
    QTranslator translator;
    const bool loaded = translator.load(u":/i18n/penwick_en.qm"_s);
    if (loaded)
        QCoreApplication::installTranslator(&translator);
    const QStringList lines = ImportSummary::lines(result);
    if (loaded)
        QCoreApplication::removeTranslator(&translator);
    return lines;
}

ImportResult counters(int imported, int duplicates, int unparseable, int unmapped, int linked, int linkedToPrevious)
{
    ImportResult result;
    result.imported = imported;
    result.duplicates = duplicates;
    result.unparseable = unparseable;
    result.unmapped = unmapped;
    result.transfersLinked = linked;
    result.linkedToPrevious = linkedToPrevious;
    return result;
}

QJsonObject byName(const QJsonArray &array, const QString &key, const QString &value)
{
    for (const QJsonValue &item : array) {
        if (item.toObject().value(key).toString() == value)
            return item.toObject();
    }
    return {};
}

const QStringList kCsvColumns = {u"--date-col"_s,     u"0"_s, u"--payee-col"_s,    u"1"_s,
                                 u"--amount-col"_s,   u"2"_s, u"--memo-col"_s,     u"3"_s,
                                 u"--category-col"_s, u"4"_s, u"--date-format"_s, u"yyyy-MM-dd"_s};

} // namespace

Q_DECLARE_METATYPE(ImportResult)

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void importSummaryLines_data();
    void importSummaryLines();
    void importMapping_data();
    void importMapping();

    void help_data();
    void help();
    void usageErrors_data();
    void usageErrors();
    void failures_data();
    void failures();
    void dataDirectorySources_data();
    void dataDirectorySources();

    void qifImport();
    void registerRunningBalances();
    void retroactiveTransferLink();
    void qifMappingChoices();
    void csvImport();
    void search_data();
    void search();
    void searchJson();
    void report_data();
    void report();
    void reportOutputs();
    void backupRoundTrip();
    void recurring();
    void sampleLoadClear();

private:
    QProcessEnvironment environment() const;
    CliRun run(const QStringList &args, const QProcessEnvironment &env, const QString &workingDir = QString()) const;
    CliRun cli(const QString &dataDir, const QStringList &args) const;
    QString freshDir(const QString &name) const;
    // A data directory holding a copy of a just-created database, which saves
    // every test the start-up writes of a new one.
    QString seededDir(const QString &name) const;

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
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
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

CliRun TestCli::cli(const QString &dataDir, const QStringList &args) const
{
    return run(QStringList{u"--data-dir"_s, dataDir} + args, environment());
}

QString TestCli::freshDir(const QString &name) const
{
    const QString path = m_home.filePath(u"dirs/"_s + name + u'-' + QUuid::createUuid().toString(QUuid::Id128));
    QDir().mkpath(path);
    return path;
}

// Success means exit code 0 and nothing at all on standard error.
#define QVERIFY_SUCCESS(expression)                                                              \
    do {                                                                                         \
        const CliRun &run_ = (expression);                                                       \
        QVERIFY2(run_.exitCode == 0, qPrintable(u"exit %1: %2"_s.arg(run_.exitCode).arg(run_.err))); \
        QVERIFY2(run_.err.isEmpty(), qPrintable(run_.err));                                      \
    } while (false)

QString TestCli::seededDir(const QString &name) const
{
    const QString path = freshDir(name);
    const QDir from(m_template);
    for (const QString &file : from.entryList(QDir::Files))
        QFile::copy(from.filePath(file), path + u'/' + file);
    return path;
}

void TestCli::initTestCase()
{
    QVERIFY(m_home.isValid());
    QVERIFY(m_runtime.isValid());
    QVERIFY2(QFileInfo::exists(QStringLiteral(PENWICK_CLI_PATH)), PENWICK_CLI_PATH);

    m_template = freshDir(u"template"_s);
    QVERIFY_SUCCESS(cli(m_template, {u"accounts"_s}));
    QVERIFY(QFileInfo::exists(m_template + u"/penwick.db"_s));

    m_ledger = seededDir(u"ledger"_s);
    const CliRun qif = cli(m_ledger, {u"import"_s, u"qif"_s, fixture(u"checking.qif"_s), fixture(u"savings.qif"_s)});
    QVERIFY_SUCCESS(qif);
    const CliRun csv = cli(m_ledger, QStringList{u"import"_s, u"csv"_s, fixture(u"bank.csv"_s), u"--account"_s,
                                                 u"savings"_s} + kCsvColumns);
    QVERIFY_SUCCESS(csv);
}

void TestCli::importSummaryLines_data()
{
    QTest::addColumn<ImportResult>("result");
    QTest::addColumn<QStringList>("expected");

    ImportResult failed = counters(5, 1, 0, 0, 2, 1);
    failed.failed = true;
    QTest::newRow("failed import hides the counters")
        << failed
        << QStringList{u"Import failed."_s, QString(),
                       u"A database error stopped the import and all changes were rolled back. No transactions "
                       "were added."_s};
    QTest::newRow("nothing imported still says so")
        << ImportResult() << QStringList{u"Import complete!"_s, QString(), u"0 transaction(s) imported"_s};

    ImportResult all = counters(7, 3, 4, 6, 2, 1);
    all.metadata = 5;
    all.databaseErrors = 1;
    QTest::newRow("every counter in window order")
        << all
        << QStringList{u"Import complete!"_s,
                       QString(),
                       u"7 transaction(s) imported"_s,
                       u"2 transfer(s) linked across accounts"_s,
                       u"  (including 1 linked to previously imported row(s))"_s,
                       u"3 duplicate(s) skipped"_s,
                       u"4 record(s) skipped (unparseable)"_s,
                       u"5 metadata record(s) skipped"_s,
                       u"6 record(s) skipped (unmapped source account)"_s,
                       u"1 record(s) skipped (database error — see log)"_s};
    QTest::newRow("previous-row note only under a linked line")
        << counters(1, 0, 0, 0, 0, 1)
        << QStringList{u"Import complete!"_s, QString(), u"1 transaction(s) imported"_s};
}

void TestCli::importSummaryLines()
{
    QFETCH(ImportResult, result);
    QFETCH(QStringList, expected);
    QCOMPARE(ImportSummary::lines(result), expected);
    QCOMPARE(ImportSummary::text(result), expected.join(u'\n'));
}

void TestCli::importMapping_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("display");
    QTest::addColumn<bool>("noHeader");
    QTest::addColumn<QStringList>("accounts");
    QTest::addColumn<QString>("match");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("choiceName");

    const QStringList accounts{u"Savings"_s, u"Checking"_s, u"checking"_s};
    QTest::newRow("name matches ignoring case, first wins")
        << u"CHECKING"_s << u"CHECKING"_s << false << accounts << u"Checking"_s << u"CHECKING"_s << u"CHECKING"_s;
    QTest::newRow("no matching account") << u"Visa"_s << u"Visa"_s << false << accounts << QString() << u"Visa"_s
                                         << u"Visa"_s;
    QTest::newRow("file without header is named after the file")
        << u"/tmp/in/plain.export.qif"_s << u"plain.export.qif (no account header)"_s << true
        << QStringList{u"plain.export.qif (no account header)"_s} << QString() << u"plain"_s
        << u"plain.export.qif"_s;
    QTest::newRow("file name with blanks keeps them in the choice")
        << u"/tmp/in/My Bank.qif"_s << u"My Bank.qif (no account header)"_s << true << accounts << QString()
        << u"My Bank"_s << u"My Bank.qif"_s;
    QTest::newRow("file name that is only an extension")
        << u"/tmp/in/.qif"_s << u".qif (no account header)"_s << true << accounts << QString()
        << u".qif (no account header)"_s << u".qif"_s;
}

void TestCli::importMapping()
{
    QFETCH(QString, key);
    QFETCH(QString, display);
    QFETCH(bool, noHeader);
    QFETCH(QStringList, accounts);
    QFETCH(QString, match);
    QFETCH(QString, newName);
    QFETCH(QString, choiceName);

    QifSourceAccount source;
    source.key = key;
    source.displayName = display;
    source.noHeader = noHeader;
    source.suggestedType = AccountType::Savings;
    QList<Account> existing;
    for (const QString &name : std::as_const(accounts)) {
        Account account;
        account.id = newId();
        account.name = name;
        existing << account;
    }

    const auto found = ImportMapping::matchingAccount(source, existing);
    QCOMPARE(found ? found->name : QString(), match);
    if (found)
        QCOMPARE(found->id, existing.at(accounts.indexOf(match)).id);
    QCOMPARE(ImportMapping::newAccountName(source), newName);
    QCOMPARE(ImportMapping::createChoiceName(source), choiceName);

    const Account created = ImportMapping::newAccount(source);
    QCOMPARE(created.name, newName);
    QCOMPARE(created.account_type, AccountType::Savings);
    QVERIFY(!QUuid::fromString(created.id).isNull());
    QCOMPARE(created.id.size(), 36);
    QVERIFY(created.created_at.isValid());
    QCOMPARE(created.updated_at, created.created_at);
    QCOMPARE(created.created_at.timeSpec(), Qt::UTC);
}

void TestCli::help_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("top") << QStringList{u"--help"_s}
                         << QStringList{u"Usage: penwick-cli [options]"_s, u"--data-dir"_s, u"import qif"_s,
                                        u"recurring post-due"_s, u"sample clear"_s};
    QTest::newRow("group") << QStringList{u"import"_s, u"--help"_s}
                           << QStringList{u"Usage: penwick-cli import SUBCOMMAND"_s, u"import csv"_s};
    QTest::newRow("search") << QStringList{u"search"_s, u"-h"_s}
                            << QStringList{u"--category <CATEGORY>"_s, u"--from <DATE>"_s, u"--cleared"_s};
    QTest::newRow("import qif") << QStringList{u"import"_s, u"qif"_s, u"--help"_s}
                                << QStringList{u"Usage: penwick-cli import qif"_s, u"--map <SOURCE=ACCOUNT>"_s,
                                               u"--skip <SOURCE>"_s};
    QTest::newRow("import csv") << QStringList{u"import"_s, u"csv"_s, u"--help"_s}
                                << QStringList{u"--date-col <N>"_s, u"--no-header"_s, u"M/d/yyyy"_s};
    QTest::newRow("report, help first") << QStringList{u"--help"_s, u"report"_s}
                                        << QStringList{u"Usage: penwick-cli report"_s, u"year_over_year"_s,
                                                       u"--out <FILE>"_s};
    QTest::newRow("backup import") << QStringList{u"backup"_s, u"import"_s, u"--help"_s}
                                   << QStringList{u"--mode <MODE>"_s, u"replace"_s};
}

void TestCli::help()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, expected);
    const QString dir = freshDir(u"help"_s);
    const CliRun r = cli(dir, args);
    QVERIFY_SUCCESS(r);
    for (const QString &text : std::as_const(expected))
        QVERIFY2(r.out.contains(text), qPrintable(text + u" not in:\n"_s + r.out));
    QVERIFY2(!QFileInfo::exists(dir + u"/penwick.db"_s), "help opened the database");
}

void TestCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");

    const QString qif = fixture(u"checking.qif"_s);
    const QString csv = fixture(u"bank.csv"_s);
    const QStringList year{u"--from"_s, u"2024-01-01"_s, u"--to"_s, u"2024-12-31"_s};
    QTest::newRow("no command") << QStringList() << u"No command given."_s;
    QTest::newRow("unknown command") << QStringList{u"frobnicate"_s} << u"Unknown command: frobnicate"_s;
    QTest::newRow("missing subcommand") << QStringList{u"backup"_s} << u"Missing subcommand for backup."_s;
    QTest::newRow("unknown option") << QStringList{u"accounts"_s, u"--bogus"_s} << u"bogus"_s;
    QTest::newRow("extra argument") << QStringList{u"accounts"_s, u"extra"_s} << u"Unexpected argument: extra"_s;
    QTest::newRow("missing argument") << QStringList{u"register"_s} << u"Missing argument: ACCOUNT"_s;
    QTest::newRow("impossible date") << QStringList{u"search"_s, u"x"_s, u"--from"_s, u"2024-02-30"_s}
                                     << u"Invalid date for --from: \"2024-02-30\""_s;
    QTest::newRow("missing period end") << QStringList{u"report"_s, u"cash_flow"_s, u"--from"_s, u"2024-01-01"_s}
                                        << u"Missing option: --to"_s;
    QTest::newRow("unknown report") << QStringList{u"report"_s, u"profit"_s} + year << u"Unknown report \"profit\""_s;
    QTest::newRow("account on an all-account report")
        << QStringList{u"report"_s, u"tax_report"_s, u"--account"_s, u"x"_s} + year << u"covers every account"_s;
    QTest::newRow("comparison outside year-over-year")
        << QStringList{u"report"_s, u"cash_flow"_s, u"--compare-from"_s, u"2023-01-01"_s} + year
        << u"--compare-from and --compare-to belong to year_over_year"_s;
    QTest::newRow("backup mode missing") << QStringList{u"backup"_s, u"import"_s, u"x.zip"_s}
                                         << u"Missing option: --mode"_s;
    QTest::newRow("backup mode unknown") << QStringList{u"backup"_s, u"import"_s, u"x.zip"_s, u"--mode"_s, u"merge"_s}
                                         << u"Invalid --mode \"merge\""_s;
    QTest::newRow("csv without account") << QStringList{u"import"_s, u"csv"_s, csv} + kCsvColumns
                                         << u"Missing option: --account"_s;
    QTest::newRow("csv column not a number")
        << QStringList{u"import"_s, u"csv"_s, csv, u"--account"_s, u"A"_s, u"--date-col"_s, u"first"_s,
                       u"--payee-col"_s, u"1"_s, u"--amount-col"_s, u"2"_s}
        << u"Invalid number for --date-col: \"first\""_s;
    QTest::newRow("csv date format not offered")
        << QStringList{u"import"_s, u"csv"_s, csv, u"--account"_s, u"A"_s, u"--date-col"_s, u"0"_s,
                       u"--payee-col"_s, u"1"_s, u"--amount-col"_s, u"2"_s, u"--date-format"_s, u"dd.MM.yyyy"_s}
        << u"Invalid --date-format \"dd.MM.yyyy\""_s;
    QTest::newRow("map without target") << QStringList{u"import"_s, u"qif"_s, qif, u"--map"_s, u"Checking"_s}
                                        << u"Invalid --map \"Checking\""_s;
}

void TestCli::usageErrors()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const QString dir = freshDir(u"usage"_s);
    const CliRun r = cli(dir, args);
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.err.startsWith(u"penwick-cli: "_s), qPrintable(r.err));
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
    QVERIFY2(!QFileInfo::exists(dir + u"/penwick.db"_s), "a usage error opened the database");
}

void TestCli::failures_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");

    const QString missing = m_home.filePath(u"no-such-file"_s);
    const QString qif = fixture(u"checking.qif"_s);
    QStringList csvArgs{u"import"_s, u"csv"_s, fixture(u"bank.csv"_s), u"--account"_s, u"Nope"_s};
    csvArgs += kCsvColumns;
    QTest::newRow("register of unknown account") << QStringList{u"register"_s, u"Nope"_s}
                                                 << u"Unknown account: Nope"_s;
    QTest::newRow("search in unknown category") << QStringList{u"search"_s, u"x"_s, u"--category"_s, u"Nope"_s}
                                                << u"Unknown category: Nope"_s;
    QTest::newRow("category name used twice")
        << QStringList{u"search"_s, QString(), u"--category"_s, u"Maintenance"_s}
        << u"Category name \"Maintenance\" is ambiguous"_s;
    QTest::newRow("qif file missing") << QStringList{u"import"_s, u"qif"_s, qif, missing}
                                      << u"Cannot read file: "_s + missing;
    QTest::newRow("csv into unknown account") << csvArgs << u"Unknown account: Nope"_s;
    QTest::newRow("skip of an absent source") << QStringList{u"import"_s, u"qif"_s, qif, u"--skip"_s, u"Nowhere"_s}
                                              << u"No source account \"Nowhere\""_s;
    QTest::newRow("backup file missing") << QStringList{u"backup"_s, u"import"_s, missing, u"--mode"_s, u"skip"_s}
                                         << u"Could not read file: "_s + missing;
    QTest::newRow("backup that is no archive")
        << QStringList{u"backup"_s, u"import"_s, qif, u"--mode"_s, u"replace"_s} << u"Failed to open ZIP archive"_s;
    QTest::newRow("backup to unwritable place")
        << QStringList{u"backup"_s, u"export"_s, missing + u"/x.zip"_s} << u"Could not write to: "_s;
    QTest::newRow("report to unwritable place")
        << QStringList{u"report"_s,     u"cash_flow"_s, u"--from"_s, u"2024-01-01"_s, u"--to"_s,
                       u"2024-12-31"_s, u"--out"_s,     missing + u"/x.csv"_s}
        << u"Could not write to: "_s;
    QTest::newRow("nothing to clear") << QStringList{u"sample"_s, u"clear"_s} << u"No sample data to clear."_s;
}

void TestCli::failures()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const CliRun r = cli(m_ledger, args);
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(u"penwick-cli: "_s + message), qPrintable(r.err));
    QVERIFY2(r.out.isEmpty(), qPrintable(r.out));
}

void TestCli::dataDirectorySources_data()
{
    QTest::addColumn<bool>("option");
    QTest::addColumn<bool>("variable");
    QTest::addColumn<QString>("expected"); // "option", "variable" or "default"

    QTest::newRow("relative --data-dir") << true << false << u"option"_s;
    QTest::newRow("PENWICK_DATA_DIR") << false << true << u"variable"_s;
    QTest::newRow("--data-dir over PENWICK_DATA_DIR") << true << true << u"option"_s;
    QTest::newRow("default data directory") << false << false << u"default"_s;
}

void TestCli::dataDirectorySources()
{
    QFETCH(bool, option);
    QFETCH(bool, variable);
    QFETCH(QString, expected);

    const QString base = freshDir(u"sources"_s);
    QHash<QString, QString> dirs{{u"option"_s, base + u"/work/rel/dir"_s},
                                 {u"variable"_s, base + u"/variable"_s},
                                 {u"default"_s, base + u"/xdg/Velmora/Penwick"_s}};
    QDir().mkpath(base + u"/work"_s);
    QProcessEnvironment env = environment();
    env.insert(u"XDG_DATA_HOME"_s, base + u"/xdg"_s);
    if (variable)
        env.insert(u"PENWICK_DATA_DIR"_s, dirs.value(u"variable"_s));
    QStringList args;
    if (option)
        args << u"--data-dir"_s << u"rel/dir"_s;
    args << u"sample"_s << u"load"_s;

    const CliRun r = run(args, env, base + u"/work"_s);
    QVERIFY_SUCCESS(r);
    for (auto it = dirs.cbegin(); it != dirs.cend(); ++it) {
        const bool exists = QFileInfo::exists(it.value() + u"/penwick.db"_s);
        QVERIFY2(exists == (it.key() == expected), qPrintable(it.key()));
    }
    // The next run in the same place sees the same database.
    args.replace(args.size() - 2, u"accounts"_s);
    args.removeLast();
    const CliRun again = run(args, env, base + u"/work"_s);
    QVERIFY_SUCCESS(again);
    QCOMPARE(csvRows(again.out).size(), 3);
}

void TestCli::qifImport()
{
    const QString dir = seededDir(u"qif"_s);
    const CliRun r = cli(dir, {u"import"_s, u"qif"_s, fixture(u"checking.qif"_s), fixture(u"savings.qif"_s)});
    QVERIFY_SUCCESS(r);
    // Five checking rows (one repeat), two savings rows, one record without amount.
    QCOMPARE(r.out, csvLines(windowSummary(counters(7, 1, 1, 0, 1, 0))));

    const QJsonArray accounts = json(cli(dir, {u"accounts"_s, u"--json"_s})).toArray();
    QCOMPARE(accounts.size(), 2);
    const QJsonObject checking = byName(accounts, u"name"_s, u"Checking"_s);
    const QJsonObject savings = byName(accounts, u"name"_s, u"Savings"_s);
    QCOMPARE(checking.value(u"account_type"_s).toString(), u"checking"_s);
    QCOMPARE(savings.value(u"account_type"_s).toString(), u"savings"_s);
    QCOMPARE(checking.value(u"balance"_s).toInteger(), 150000 - 4520 - 20000 - 105000 - 6210);
    QCOMPARE(savings.value(u"balance"_s).toInteger(), 20000 + 125);

    // The two legs of the transfer name each other's account and row.
    const QJsonArray checkingRows =
        json(cli(dir, {u"register"_s, checking.value(u"id"_s).toString(), u"--json"_s})).toArray();
    const QJsonArray savingsRows = json(cli(dir, {u"register"_s, u"SAVINGS"_s, u"--json"_s})).toArray();
    const QJsonObject out = byName(checkingRows, u"payee"_s, u"Transfer to savings"_s);
    const QJsonObject in = byName(savingsRows, u"payee"_s, u"Transfer from checking"_s);
    QCOMPARE(out.value(u"transfer_dest_account_id"_s), savings.value(u"id"_s));
    QCOMPARE(in.value(u"transfer_dest_account_id"_s), checking.value(u"id"_s));
    QCOMPARE(out.value(u"transfer_link_id"_s), in.value(u"id"_s));
    QCOMPARE(in.value(u"transfer_link_id"_s), out.value(u"id"_s));
    QCOMPARE(out.value(u"memo"_s).toString(), QString());
}

void TestCli::registerRunningBalances()
{
    const CliRun r = cli(m_ledger, {u"register"_s, u"Checking"_s});
    QVERIFY_SUCCESS(r);
    const QList<QStringList> all = ImportService::parseCsv(r.out);
    QCOMPARE(all.value(0), (QStringList{u"Id"_s, u"Date"_s, u"Chk #"_s, u"Payee"_s, u"Category"_s, u"Memo"_s,
                                        u"Payment"_s, u"Deposit"_s, u"Clr"_s, u"Balance"_s}));
    // Date, payee, payment, deposit, cleared mark, balance.
    const QList<QStringList> expected{
        {u"2024-01-05"_s, u"Employer Payroll"_s, QString(), u"1,500.00"_s, u"C"_s, u"1,500.00"_s},
        {u"2024-01-07"_s, u"Greenleaf Market"_s, u"45.20"_s, QString(), QString(), u"1,454.80"_s},
        {u"2024-01-10"_s, u"Transfer to savings"_s, u"200.00"_s, QString(), QString(), u"1,254.80"_s},
        {u"2024-01-15"_s, u"Pinecrest Apartments"_s, u"1,050.00"_s, QString(), u"C"_s, u"204.80"_s},
        {u"2024-02-03"_s, u"Hilltop Gas"_s, u"62.10"_s, QString(), QString(), u"142.70"_s},
    };
    const QList<QStringList> rows = csvRows(r.out);
    QCOMPARE(rows.size(), expected.size());
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList &row = rows.at(i);
        QCOMPARE((QStringList{row.at(1), row.at(3), row.at(6), row.at(7), row.at(8), row.at(9)}), expected.at(i));
    }
    QCOMPARE(rows.at(1).at(2), u"1001"_s);
    QCOMPARE(rows.at(1).at(4), u"Groceries"_s);
    QCOMPARE(rows.at(1).at(5), u"Weekly groceries"_s);

    // Savings by its id: quoted CSV cells come back whole.
    const QJsonArray accounts = json(cli(m_ledger, {u"accounts"_s, u"--json"_s})).toArray();
    const QString savingsId = byName(accounts, u"name"_s, u"Savings"_s).value(u"id"_s).toString();
    const QJsonArray savings = json(cli(m_ledger, {u"register"_s, savingsId, u"--json"_s})).toArray();
    QStringList payees;
    QList<qint64> balances;
    for (const QJsonValue &row : savings) {
        payees << row[u"payee"_s].toString();
        balances << row[u"running_balance"_s].toInteger();
    }
    QCOMPARE(payees, (QStringList{u"Transfer from checking"_s, u"Riverbend Credit Union"_s, u"Smith, John"_s,
                                  u"Coffee Roasters"_s, u"Refund"_s}));
    QCOMPARE(balances, (QList<qint64>{20000, 20125, 17625, 17175, 18375}));
    QCOMPARE(savings.at(2)[u"memo"_s].toString(), u"Said \"thanks\""_s);
    QCOMPARE(savings.at(2)[u"category_name"_s].toString(), u"Gifts"_s);
}

void TestCli::retroactiveTransferLink()
{
    const QString dir = seededDir(u"retro"_s);
    const CliRun first = cli(dir, {u"import"_s, u"qif"_s, fixture(u"checking.qif"_s)});
    QVERIFY_SUCCESS(first);
    QCOMPARE(first.out, csvLines(windowSummary(counters(5, 1, 1, 0, 0, 0))));

    // Checking is only a transfer target in the savings file: --map tells
    // where its rows went, so the waiting row is linked.
    const CliRun second = cli(dir, {u"import"_s, u"qif"_s, fixture(u"savings.qif"_s), u"--map"_s,
                                    u"checking=Checking"_s, u"--json"_s});
    QVERIFY_SUCCESS(second);
    const QJsonObject result = json(second).toObject();
    QCOMPARE(result.value(u"linked_to_previous"_s).toInt(), 1);
    QCOMPARE(result.value(u"summary"_s).toArray().toVariantList(),
             QVariant(windowSummary(counters(2, 0, 0, 0, 1, 1))).toList());
    const QJsonObject savingsSource = result.value(u"sources"_s).toArray().at(0).toObject();
    QCOMPARE(savingsSource.value(u"account_name"_s).toString(), u"Savings"_s);
    QVERIFY(savingsSource.value(u"created"_s).toBool());

    const QJsonArray rows = json(cli(dir, {u"register"_s, u"Checking"_s, u"--json"_s})).toArray();
    const QJsonObject out = byName(rows, u"payee"_s, u"Transfer to savings"_s);
    QCOMPARE(out.value(u"memo"_s).toString(), QString());
    QCOMPARE(out.value(u"transfer_dest_account_id"_s), savingsSource.value(u"account_id"_s));
    QVERIFY(!out.value(u"transfer_link_id"_s).toString().isEmpty());
}

void TestCli::qifMappingChoices()
{
    const QString dir = seededDir(u"mapping"_s);
    const CliRun plain = cli(dir, {u"import"_s, u"qif"_s, fixture(u"plain.export.qif"_s), u"--json"_s});
    QVERIFY_SUCCESS(plain);
    const QJsonObject plainSource = json(plain).toObject().value(u"sources"_s).toArray().at(0).toObject();
    QCOMPARE(plainSource.value(u"account_name"_s).toString(), u"plain"_s);
    QVERIFY(plainSource.value(u"created"_s).toBool());

    QTemporaryDir files;
    const QString path = files.filePath(u"multi.qif"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("!Account\nNPLAIN\nTBank\n^\n!Type:Bank\nD03/02/2024\nT-3.00\nPKiosk\n^\n"
               "!Account\nNRainy Savings\nTBank\n^\n!Type:Bank\nD03/03/2024\nT50.00\nPDeposit\n^\n"
               "!Account\nNVisa\nTCCard\n^\n!Type:CCard\nD03/04/2024\nT-9.99\nPBookshop\n^\n"
               "D03/05/2024\nT-1.99\nPApp store\n^\n");
    file.close();
    const CliRun multi = cli(dir, {u"import"_s, u"qif"_s, path, u"--skip"_s, u"visa"_s, u"--json"_s});
    QVERIFY_SUCCESS(multi);
    const QJsonObject result = json(multi).toObject();
    QCOMPARE(result.value(u"summary"_s).toArray().toVariantList(),
             QVariant(windowSummary(counters(2, 0, 0, 2, 0, 0))).toList());
    const QJsonArray sources = result.value(u"sources"_s).toArray();
    const QJsonObject upper = byName(sources, u"source"_s, u"PLAIN"_s);
    QCOMPARE(upper.value(u"account_id"_s), plainSource.value(u"account_id"_s));
    QVERIFY(!upper.value(u"created"_s).toBool());
    QVERIFY(byName(sources, u"source"_s, u"Visa"_s).value(u"skipped"_s).toBool());
    QVERIFY(byName(sources, u"source"_s, u"Rainy Savings"_s).value(u"created"_s).toBool());

    const QJsonArray accounts = json(cli(dir, {u"accounts"_s, u"--json"_s})).toArray();
    QCOMPARE(accounts.size(), 2);
    QCOMPARE(byName(accounts, u"name"_s, u"plain"_s).value(u"balance"_s).toInteger(), -1000 - 300);
    QCOMPARE(byName(accounts, u"name"_s, u"Rainy Savings"_s).value(u"account_type"_s).toString(), u"savings"_s);
}

void TestCli::csvImport()
{
    const QString dir = seededDir(u"csv"_s);
    QVERIFY_SUCCESS(cli(dir, {u"import"_s, u"qif"_s, fixture(u"plain.export.qif"_s)}));
    QStringList args{u"import"_s, u"csv"_s, fixture(u"bank.csv"_s), u"--account"_s, u"PLAIN"_s};
    args += kCsvColumns;
    const CliRun r = cli(dir, args);
    QVERIFY_SUCCESS(r);
    QCOMPARE(r.out, csvLines(windowSummary(counters(3, 1, 1, 0, 0, 0))));

    // Read as data, the title row is one more bad date; the rest is known.
    const CliRun again = cli(dir, args + QStringList{u"--no-header"_s});
    QVERIFY_SUCCESS(again);
    QCOMPARE(again.out, csvLines(windowSummary(counters(0, 4, 2, 0, 0, 0))));

    const QJsonArray rows = json(cli(dir, {u"search"_s, QString(), u"--account"_s, u"plain"_s, u"--json"_s})).toArray();
    // Payee -> date, amount, category, memo.
    QMap<QString, QStringList> found;
    for (const QJsonValue &row : rows) {
        found.insert(row[u"payee"_s].toString(),
                     {row[u"date"_s].toString(), QString::number(row[u"amount"_s].toInteger()),
                      row[u"category_name"_s].toString(), row[u"memo"_s].toString()});
    }
    const QMap<QString, QStringList> expected{
        {u"Refund"_s, {u"2024-03-05"_s, u"1200"_s, QString(), QString()}},
        {u"Coffee Roasters"_s, {u"2024-03-02"_s, u"-450"_s, u"Groceries"_s, QString()}},
        {u"Smith, John"_s, {u"2024-03-01"_s, u"-2500"_s, u"Gifts"_s, u"Said \"thanks\""_s}},
        {u"Corner Shop"_s, {u"2024-03-01"_s, u"-1000"_s, QString(), QString()}},
    };
    QCOMPARE(found, expected);
}

void TestCli::search_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("payees");

    QTest::newRow("word") << QStringList{u"greenleaf"_s} << QStringList{u"Greenleaf Market"_s};
    QTest::newRow("prefix in memo") << QStringList{u"groc*"_s} << QStringList{u"Greenleaf Market"_s};
    QTest::newRow("phrase") << QStringList{u"\"january rent\""_s} << QStringList{u"Pinecrest Apartments"_s};
    QTest::newRow("surrounding blanks") << QStringList{u"  hilltop  "_s} << QStringList{u"Hilltop Gas"_s};
    QTest::newRow("word in one account") << QStringList{u"transfer"_s, u"--account"_s, u"Savings"_s}
                                         << QStringList{u"Transfer from checking"_s};
    QTest::newRow("filters alone, newest first")
        << QStringList{QString(), u"--account"_s, u"Savings"_s}
        << QStringList{u"Refund"_s, u"Coffee Roasters"_s, u"Smith, John"_s, u"Riverbend Credit Union"_s,
                       u"Transfer from checking"_s};
    QTest::newRow("category ignoring case") << QStringList{QString(), u"--category"_s, u"groceries"_s}
                                            << QStringList{u"Coffee Roasters"_s, u"Greenleaf Market"_s};
    QTest::newRow("date range, both ends included")
        << QStringList{QString(), u"--from"_s, u"2024-01-15"_s, u"--to"_s, u"2024-01-31"_s}
        << QStringList{u"Riverbend Credit Union"_s, u"Pinecrest Apartments"_s};
    QTest::newRow("reversed range") << QStringList{QString(), u"--from"_s, u"2024-02-01"_s, u"--to"_s, u"2024-01-01"_s}
                                    << QStringList();
    QTest::newRow("cleared only") << QStringList{QString(), u"--cleared"_s}
                                  << QStringList{u"Pinecrest Apartments"_s, u"Employer Payroll"_s};
    QTest::newRow("unbalanced quote") << QStringList{u"\"rent"_s} << QStringList();
}

void TestCli::search()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, payees);
    const CliRun r = cli(m_ledger, QStringList{u"search"_s} + args);
    QVERIFY_SUCCESS(r);
    const QList<QStringList> all = ImportService::parseCsv(r.out);
    QCOMPARE(all.value(0).value(4), u"Payee"_s);
    QCOMPARE(column(csvRows(r.out), 4), payees);
}

void TestCli::searchJson()
{
    const CliRun r = cli(m_ledger, {u"--json"_s, u"search"_s, u"greenleaf"_s});
    QVERIFY_SUCCESS(r);
    const QJsonArray rows = json(r).toArray();
    QCOMPARE(rows.size(), 1);
    const QJsonObject row = rows.at(0).toObject();
    QCOMPARE(row.value(u"amount"_s).toInteger(), -4520);
    QCOMPARE(row.value(u"date"_s).toString(), u"2024-01-07"_s);
    QCOMPARE(row.value(u"account_name"_s).toString(), u"Checking"_s);
    QCOMPARE(row.value(u"category_name"_s).toString(), u"Groceries"_s);
    QCOMPARE(row.value(u"check_number"_s).toString(), u"1001"_s);
    QCOMPARE(row.value(u"cleared"_s).toBool(), false);
}

void TestCli::report_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("lines");

    const QStringList year{u"--from"_s, u"2024-01-01"_s, u"--to"_s, u"2024-12-31"_s};
    QTest::newRow("category spending")
        << QStringList{u"category_spending"_s} + year
        << QStringList{u"\"Category\",\"Total\""_s,          u"\"Rent\",\"-$1,050.00\""_s,
                       u"\"Uncategorized\",\"-$200.00\""_s,  u"\"Auto:Fuel\",\"-$62.10\""_s,
                       u"\"Groceries\",\"-$49.70\""_s,       u"\"Gifts\",\"-$25.00\""_s};
    QTest::newRow("payee summary of January")
        << QStringList{u"payee_summary"_s, u"--from"_s, u"2024-01-01"_s, u"--to"_s, u"2024-01-31"_s}
        << QStringList{u"\"Payee\",\"Total\",\"Count\""_s,
                       u"\"Pinecrest Apartments\",\"-$1,050.00\",\"1\""_s,
                       u"\"Transfer to savings\",\"-$200.00\",\"1\""_s,
                       u"\"Greenleaf Market\",\"-$45.20\",\"1\""_s,
                       u"\"Riverbend Credit Union\",\"$1.25\",\"1\""_s,
                       u"\"Transfer from checking\",\"$200.00\",\"1\""_s,
                       u"\"Employer Payroll\",\"$1,500.00\",\"1\""_s};
    QTest::newRow("tax report") << QStringList{u"tax_report"_s} + year
                                << QStringList{u"\"Category\",\"Tax Code\",\"Total\""_s,
                                               u"\"Interest Income\",\"interest_income\",\"$1.25\""_s};
    QTest::newRow("income vs expenses leaves transfers out")
        << QStringList{u"income_vs_expenses"_s} + year
        << QStringList{u"\"Month\",\"Income\",\"Expenses\",\"Net\""_s,
                       u"\"2024-01\",\"$1,501.25\",\"-$1,095.20\",\"$406.05\""_s,
                       u"\"2024-02\",\"$0.00\",\"-$62.10\",\"-$62.10\""_s,
                       u"\"2024-03\",\"$12.00\",\"-$29.50\",\"-$17.50\""_s,
                       u"\"Total\",\"$1,513.25\",\"-$1,186.80\",\"$326.45\""_s};
    QTest::newRow("cash flow keeps transfers")
        << QStringList{u"cash_flow"_s} + year
        << QStringList{u"\"Month\",\"Inflows\",\"Outflows\",\"Net\""_s,
                       u"\"2024-01\",\"$1,701.25\",\"-$1,295.20\",\"$406.05\""_s,
                       u"\"2024-02\",\"$0.00\",\"-$62.10\",\"-$62.10\""_s,
                       u"\"2024-03\",\"$12.00\",\"-$29.50\",\"-$17.50\""_s,
                       u"\"Total\",\"$1,713.25\",\"-$1,386.80\",\"$326.45\""_s};
    QTest::newRow("year over year against the year before")
        << QStringList{u"year_over_year"_s} + year
        << QStringList{u"\"Category\",\"Period 1\",\"Period 2\",\"Difference\""_s,
                       u"\"Auto:Fuel\",\"$0.00\",\"-$62.10\",\"-$62.10\""_s,
                       u"\"Gifts\",\"$0.00\",\"-$25.00\",\"-$25.00\""_s,
                       u"\"Groceries\",\"$0.00\",\"-$49.70\",\"-$49.70\""_s,
                       u"\"Interest Income\",\"$0.00\",\"$1.25\",\"$1.25\""_s,
                       u"\"Paycheck\",\"$0.00\",\"$1,500.00\",\"$1,500.00\""_s,
                       u"\"Rent\",\"$0.00\",\"-$1,050.00\",\"-$1,050.00\""_s,
                       u"\"Uncategorized\",\"$0.00\",\"$12.00\",\"$12.00\""_s};
    QTest::newRow("year over year with a chosen earlier period")
        << QStringList{u"year_over_year"_s,    u"--account"_s,      u"Checking"_s,     u"--compare-from"_s,
                       u"2024-01-01"_s,       u"--compare-to"_s,   u"2024-01-31"_s,   u"--from"_s,
                       u"2024-02-01"_s,       u"--to"_s,           u"2024-02-29"_s}
        << QStringList{u"\"Category\",\"Period 1\",\"Period 2\",\"Difference\""_s,
                       u"\"Auto:Fuel\",\"$0.00\",\"-$62.10\",\"-$62.10\""_s,
                       u"\"Groceries\",\"-$45.20\",\"$0.00\",\"$45.20\""_s,
                       u"\"Paycheck\",\"$1,500.00\",\"$0.00\",\"-$1,500.00\""_s,
                       u"\"Rent\",\"-$1,050.00\",\"$0.00\",\"$1,050.00\""_s,
                       u"\"Uncategorized\",\"-$200.00\",\"$0.00\",\"$200.00\""_s};
    QTest::newRow("account summary needs no period")
        << QStringList{u"account_summary"_s}
        << QStringList{u"\"Account\",\"Type\",\"Cleared\",\"Uncleared\",\"Total\""_s,
                       u"\"Checking\",\"Checking\",\"$450.00\",\"-$307.30\",\"$142.70\""_s,
                       u"\"Savings\",\"Savings\",\"$0.00\",\"$183.75\",\"$183.75\""_s};
    const QLocale c(QLocale::C);
    const auto day = [&c](int d) { return c.toString(QDate(2024, 3, d), QLocale::ShortFormat); };
    QTest::newRow("transactions, quotes doubled")
        << QStringList{u"transactions"_s, u"--account"_s, u"Savings"_s, u"--from"_s, u"2024-03-01"_s, u"--to"_s,
                       u"2024-03-31"_s}
        << QStringList{u"\"Date\",\"Account\",\"Payee\",\"Category\",\"Memo\",\"Amount\""_s,
                       u"\"%1\",\"Savings\",\"Smith, John\",\"Gifts\",\"Said \"\"thanks\"\"\",\"-$25.00\""_s
                           .arg(day(1)),
                       u"\"%1\",\"Savings\",\"Coffee Roasters\",\"Groceries\",\"\",\"-$4.50\""_s.arg(day(2)),
                       u"\"%1\",\"Savings\",\"Refund\",\"\",\"\",\"$12.00\""_s.arg(day(5))};
    QTest::newRow("empty period keeps the header")
        << QStringList{u"cash_flow"_s, u"--from"_s, u"2030-01-01"_s, u"--to"_s, u"2030-12-31"_s}
        << QStringList{u"\"Month\",\"Inflows\",\"Outflows\",\"Net\""_s};
}

void TestCli::report()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, lines);
    const CliRun r = cli(m_ledger, QStringList{u"report"_s} + args);
    QVERIFY_SUCCESS(r);
    QCOMPARE(r.out, csvLines(lines));
}

void TestCli::reportOutputs()
{
    const QStringList args{u"report"_s, u"income_vs_expenses"_s, u"--from"_s, u"2024-02-01"_s,
                           u"--to"_s,   u"2024-03-31"_s};
    const CliRun r = cli(m_ledger, args + QStringList{u"--json"_s});
    QVERIFY_SUCCESS(r);
    const QJsonObject object = json(r).toObject();
    QCOMPARE(object.value(u"report"_s).toString(), u"income_vs_expenses"_s);
    QCOMPARE(object.value(u"from"_s).toString(), u"2024-02-01"_s);
    QVERIFY(object.value(u"total_row"_s).toBool());
    const QJsonArray rows = object.value(u"rows"_s).toArray();
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(2).toArray().toVariantList(),
             (QVariantList{u"Total"_s, u"$12.00"_s, u"-$91.60"_s, u"-$79.60"_s}));

    QTemporaryDir out;
    const QString path = out.filePath(u"report.csv"_s);
    const CliRun toFile = cli(m_ledger, args + QStringList{u"--out"_s, path});
    QVERIFY_SUCCESS(toFile);
    QVERIFY(toFile.out.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()),
             csvLines({u"\"Month\",\"Income\",\"Expenses\",\"Net\""_s,
                       u"\"2024-02\",\"$0.00\",\"-$62.10\",\"-$62.10\""_s,
                       u"\"2024-03\",\"$12.00\",\"-$29.50\",\"-$17.50\""_s,
                       u"\"Total\",\"$12.00\",\"-$91.60\",\"-$79.60\""_s}));
}

void TestCli::backupRoundTrip()
{
    QTemporaryDir out;
    const QString zip = out.filePath(u"backup.zip"_s);
    const CliRun exported = cli(m_ledger, {u"backup"_s, u"export"_s, zip});
    QVERIFY_SUCCESS(exported);
    QVERIFY(exported.out.contains(zip));

    const QString fresh = seededDir(u"restore"_s);
    const CliRun restored = cli(fresh, {u"backup"_s, u"import"_s, zip, u"--mode"_s, u"skip"_s, u"--json"_s});
    QVERIFY_SUCCESS(restored);
    const QJsonObject counts = json(restored).toObject();
    QCOMPARE(counts.value(u"accounts"_s)[u"imported"_s].toInt(), 2);
    QCOMPARE(counts.value(u"transactions"_s)[u"imported"_s].toInt(), 10);
    QCOMPARE(counts.value(u"transactions"_s)[u"skipped"_s].toInt(), 0);
    // The default categories carry the same ids everywhere: they exist already.
    QVERIFY(counts.value(u"categories"_s)[u"skipped"_s].toInt() > 0);
    QVERIFY(counts.value(u"errors"_s).toArray().isEmpty());

    const CliRun here = cli(m_ledger, {u"register"_s, u"Savings"_s});
    const CliRun there = cli(fresh, {u"register"_s, u"Savings"_s});
    QVERIFY_SUCCESS(there);
    QCOMPARE(there.out, here.out);

    // Nothing in the backup is newer than what was just restored.
    const CliRun again = cli(fresh, {u"backup"_s, u"import"_s, zip, u"--mode"_s, u"newer"_s});
    QVERIFY_SUCCESS(again);
    QVERIFY2(again.out.startsWith(u"Imported 0 items, skipped "_s), qPrintable(again.out));
}

void TestCli::recurring()
{
    const QString dir = seededDir(u"recurring"_s);
    QVERIFY_SUCCESS(cli(dir, {u"sample"_s, u"load"_s}));

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
        q.addBindValue(due.toString(Qt::ISODate));
        q.addBindValue(due.toString(Qt::ISODate));
        q.addBindValue(stamp);
        q.addBindValue(stamp);
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(u"tst_cli"_s);

    const CliRun posted = cli(dir, {u"recurring"_s, u"post-due"_s, u"--json"_s});
    QVERIFY_SUCCESS(posted);
    QCOMPARE(json(posted)[u"posted"_s].toInt(), 4);
    const CliRun repeat = cli(dir, {u"recurring"_s, u"post-due"_s, u"--json"_s});
    QVERIFY_SUCCESS(repeat);
    QCOMPARE(json(repeat)[u"posted"_s].toInt(), 0);

    const QList<QStringList> rows = csvRows(cli(dir, {u"recurring"_s, u"list"_s}).out);
    QCOMPARE(rows.size(), 4);
    const QStringList gym = rows.value(int(column(rows, 0).indexOf(u"weekly-gym"_s)));
    QCOMPARE(gym.value(7), due.addDays(28).toString(Qt::ISODate));
    QCOMPARE(gym.value(4), u"-25.00"_s);
    QCOMPARE(gym.value(1), u"Main Checking"_s);

    const QJsonArray found = json(cli(dir, {u"search"_s, u"gym"_s, u"--json"_s})).toArray();
    QStringList dates;
    for (const QJsonValue &row : found)
        dates << row[u"date"_s].toString();
    QCOMPARE(dates, (QStringList{due.addDays(21).toString(Qt::ISODate), due.addDays(14).toString(Qt::ISODate),
                                 due.addDays(7).toString(Qt::ISODate), due.toString(Qt::ISODate)}));
}

void TestCli::sampleLoadClear()
{
    const QString dir = seededDir(u"sample"_s);
    const CliRun load = cli(dir, {u"sample"_s, u"load"_s});
    QVERIFY_SUCCESS(load);
    QCOMPARE(load.out, u"Sample data loaded\n"_s);
    const CliRun twice = cli(dir, {u"sample"_s, u"load"_s});
    QCOMPARE(twice.exitCode, 1);
    QCOMPARE(twice.err, u"penwick-cli: Sample data is already loaded.\n"_s);
    QCOMPARE(column(csvRows(cli(dir, {u"accounts"_s}).out), 1),
             (QStringList{u"Main Checking"_s, u"Savings"_s, u"Visa Rewards"_s}));

    QVERIFY_SUCCESS(cli(dir, {u"sample"_s, u"clear"_s}));
    const CliRun after = cli(dir, {u"accounts"_s});
    QVERIFY_SUCCESS(after);
    QCOMPARE(after.out, u"\"Id\",\"Name\",\"Type\",\"Currency\",\"Balance\"\n"_s);
}

PENWICK_TEST_MAIN(TestCli)
#include "tst_cli.moc"
