#include "testsupport.h"

#include "services/importservice.h"
#include "storage/database.h"
#include "storage/categoryrepository.h"
#include "storage/transactionrepository.h"

#include <QSignalSpy>

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

CsvColumnMapping columns(bool header = false, const QString &format = u"MM/dd/yyyy"_s)
{
    CsvColumnMapping m;
    m.dateColumn = 0;
    m.payeeColumn = 1;
    m.amountColumn = 2;
    m.memoColumn = 3;
    m.categoryColumn = 4;
    m.firstRowIsHeader = header;
    m.dateFormat = format;
    return m;
}

struct CsvFixture
{
    TestDatabase db;
    ImportService service{db.transactions, db.categories, db.splitLines};
    QTemporaryDir dir;

    QString file(const QByteArray &bytes) { return writeFile(dir, u"import.csv"_s, bytes); }
    std::optional<Transaction> byPayee(const QString &accountId, const QString &payee) const
    {
        return db.transactions->findLastByPayee(payee, accountId);
    }
};

} // namespace

class TestCsvImport : public QObject
{
    Q_OBJECT
private slots:
    void parseCsv_data();
    void parseCsv();
    void dateFormats_data();
    void dateFormats();
    void headerHandling_data();
    void headerHandling();
    void duplicates();
    void categoriesByExactName();
    void shortRowsAndOptionalColumns();
    void bankStatementShape();
    void yenAccountsHaveNoMinorUnits_data();
    void yenAccountsHaveNoMinorUnits();
    void failedInsertIsADatabaseError();
    void failedCommitReadsAsFailure();
    void missingFileGivesEmptyResult();
    void progressSignals();
};

void TestCsvImport::parseCsv_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<QStringList>>("rows");

    QTest::newRow("plain") << u"a,b,c\n1,2,3\n"_s
                           << QList<QStringList>{{u"a"_s, u"b"_s, u"c"_s}, {u"1"_s, u"2"_s, u"3"_s}};
    QTest::newRow("quoted comma") << u"01/02/2024,\"Smith, John\",-5"_s
                                  << QList<QStringList>{{u"01/02/2024"_s, u"Smith, John"_s, u"-5"_s}};
    QTest::newRow("doubled quote") << u"\"say \"\"hi\"\"\",x"_s
                                   << QList<QStringList>{{u"say \"hi\""_s, u"x"_s}};
    QTest::newRow("quote in the middle of a field") << u"ab\"c,d\"e,f"_s
                                                    << QList<QStringList>{{u"abc,de"_s, u"f"_s}};
    QTest::newRow("line feed inside quotes") << u"\"two\nlines\",x\ny,z"_s
                                             << QList<QStringList>{{u"two\nlines"_s, u"x"_s}, {u"y"_s, u"z"_s}};
    QTest::newRow("blank lines dropped") << u"a,b\n\n\r\n   \nc,d\n\n"_s
                                         << QList<QStringList>{{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}};
    QTest::newRow("only a comma is two empty fields") << u"a\n,\nb"_s
                                                      << QList<QStringList>{{u"a"_s}, {u""_s, u""_s}, {u"b"_s}};
    QTest::newRow("CR CR LF") << u"a,b\r\r\nc,d\r\r\n"_s
                              << QList<QStringList>{{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}};
    QTest::newRow("last row without line feed") << u"a\nb,c"_s << QList<QStringList>{{u"a"_s}, {u"b"_s, u"c"_s}};
    QTest::newRow("cells trimmed") << u"  a  ,\" b \" , c\t\n"_s
                                   << QList<QStringList>{{u"a"_s, u"b"_s, u"c"_s}};
    QTest::newRow("trailing comma") << u"a,b,\n"_s << QList<QStringList>{{u"a"_s, u"b"_s, u""_s}};
    QTest::newRow("unterminated quote yields no rows") << u"a,\"b\nc,d"_s << QList<QStringList>{};
    QTest::newRow("empty text") << QString() << QList<QStringList>{};
    QTest::newRow("empty quoted field alone is a blank line") << u"\"\"\n"_s << QList<QStringList>{};
}

void TestCsvImport::parseCsv()
{
    QFETCH(QString, text);
    QFETCH(QList<QStringList>, rows);
    QCOMPARE(ImportService::parseCsv(text), rows);
}

void TestCsvImport::dateFormats_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QDate>("expected"); // invalid: unparseable

    QTest::newRow("MM/dd/yyyy") << u"MM/dd/yyyy"_s << u"01/15/2024"_s << QDate(2024, 1, 15);
    QTest::newRow("dd/MM/yyyy") << u"dd/MM/yyyy"_s << u"15/01/2024"_s << QDate(2024, 1, 15);
    QTest::newRow("yyyy-MM-dd") << u"yyyy-MM-dd"_s << u"2024-01-15"_s << QDate(2024, 1, 15);
    QTest::newRow("two-digit year is 19xx") << u"MM/dd/yy"_s << u"01/15/24"_s << QDate(1924, 1, 15);
    QTest::newRow("two-digit year 99") << u"MM/dd/yy"_s << u"12/31/99"_s << QDate(1999, 12, 31);
    QTest::newRow("M/d/yyyy") << u"M/d/yyyy"_s << u"1/5/2024"_s << QDate(2024, 1, 5);
    QTest::newRow("M/d/yyyy two digits") << u"M/d/yyyy"_s << u"11/25/2024"_s << QDate(2024, 11, 25);
    QTest::newRow("wrong order") << u"MM/dd/yyyy"_s << u"15/01/2024"_s << QDate();
    QTest::newRow("wrong format") << u"yyyy-MM-dd"_s << u"01/15/2024"_s << QDate();
    QTest::newRow("impossible date") << u"MM/dd/yyyy"_s << u"02/30/2024"_s << QDate();
    QTest::newRow("empty cell") << u"MM/dd/yyyy"_s << u""_s << QDate();
}

void TestCsvImport::dateFormats()
{
    QFETCH(QString, format);
    QFETCH(QString, cell);
    QFETCH(QDate, expected);
    CsvFixture f;
    const Account account = f.db.addAccount(u"Checking"_s);
    const QString path = f.file((cell + u",Payee,-1.00\n"_s).toUtf8());
    const ImportResult r = f.service.importCsv(path, account.id, columns(false, format));
    QCOMPARE(r.imported, expected.isValid() ? 1 : 0);
    QCOMPARE(r.unparseable, expected.isValid() ? 0 : 1);
    if (expected.isValid())
        QCOMPARE(f.byPayee(account.id, u"Payee"_s)->date, expected);
}

void TestCsvImport::headerHandling_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("header");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("imported");
    QTest::addColumn<int>("unparseable");

    QTest::newRow("header of a one-line file") << QByteArray("Date,Payee,Amount\n") << true << 0 << 0 << 0;
    QTest::newRow("header skipped") << QByteArray("Date,Payee,Amount\n01/02/2024,A,-1\n") << true << 1 << 1 << 0;
    QTest::newRow("header read as data") << QByteArray("Date,Payee,Amount\n01/02/2024,A,-1\n") << false << 2 << 1
                                         << 1;
    QTest::newRow("blank line after the header") << QByteArray("Date,Payee,Amount\n\n01/02/2024,A,-1\n") << true
                                                 << 1 << 1 << 0;
    QTest::newRow("empty file with header") << QByteArray() << true << 0 << 0 << 0;
    QTest::newRow("empty file without header") << QByteArray() << false << 0 << 0 << 0;
}

void TestCsvImport::headerHandling()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, header);
    QFETCH(int, total);
    QFETCH(int, imported);
    QFETCH(int, unparseable);
    CsvFixture f;
    const Account account = f.db.addAccount(u"Checking"_s);
    QSignalSpy started(&f.service, &ImportService::importStarted);
    const ImportResult r = f.service.importCsv(f.file(bytes), account.id, columns(header));
    QCOMPARE(started.size(), 1);
    QCOMPARE(started.first().first().toInt(), total);
    QCOMPARE(r.imported, imported);
    QCOMPARE(r.unparseable, unparseable);
}

void TestCsvImport::duplicates()
{
    CsvFixture f;
    const Account account = f.db.addAccount(u"Checking"_s);
    f.db.addTransaction(account.id, QDate(2024, 1, 3), u"Existing"_s, -700);
    const QString path = f.file("01/02/2024,Shop,-4.50\n"
                                "01/02/2024,Shop,-4.50\n"
                                "01/02/2024,shop,-4.50\n"
                                "01/03/2024,Existing,-7.00\n"
                                "01/03/2024,Existing,-7.01\n");
    const ImportResult r = f.service.importCsv(path, account.id, columns());
    QCOMPARE(r.imported, 3);
    QCOMPARE(r.duplicates, 2);
    QCOMPARE(f.db.transactions->findByAccount(account.id).size(), 4);
    // Importing the same file again only finds duplicates.
    const ImportResult again = f.service.importCsv(path, account.id, columns());
    QCOMPARE(again.imported, 0);
    QCOMPARE(again.duplicates, 5);
}

void TestCsvImport::categoriesByExactName()
{
    CsvFixture f;
    const Account account = f.db.addAccount(u"Checking"_s);
    const Category groceries = f.db.addCategory(u"Groceries"_s);
    QSignalSpy changed(f.db.categories, &CategoryRepository::categoriesChanged);
    const QString path = f.file("01/02/2024,A,-1,,Groceries\n"
                                "01/02/2024,B,-2,,groceries\n"
                                "01/02/2024,C,-3,,groceries\n"
                                "01/02/2024,D,-4,,\n");
    const ImportResult r = f.service.importCsv(path, account.id, columns());
    QCOMPARE(r.imported, 4);
    QCOMPARE(f.byPayee(account.id, u"A"_s)->category_id, groceries.id);
    const QString created = f.byPayee(account.id, u"B"_s)->category_id;
    QVERIFY(!created.isEmpty() && created != groceries.id);
    QCOMPARE(f.byPayee(account.id, u"C"_s)->category_id, created);
    const auto category = f.db.categories->findById(created);
    QCOMPARE(category->name, u"groceries"_s);
    QCOMPARE(category->category_type, CategoryType::Expense);
    QVERIFY(f.byPayee(account.id, u"D"_s)->category_id.isEmpty());
    QCOMPARE(f.db.categories->count(), 2);
    QCOMPARE(changed.size(), 1);
}

void TestCsvImport::shortRowsAndOptionalColumns()
{
    CsvFixture f;
    const Account account = f.db.addAccount(u"Checking"_s);
    CsvColumnMapping m = columns();
    m.memoColumn = 5; // beyond every row
    m.categoryColumn = -1;
    const QString path = f.file("01/02/2024,Shop\n"
                                ",\n"
                                "01/02/2024,Cafe,abc,memo,Dining\n"
                                "01/03/2024,  Padded  ,\"1,000.50\"\n");
    const ImportResult r = f.service.importCsv(path, account.id, m);
    QCOMPARE(r.unparseable, 3); // "abc" is no amount: never stored as 0.00
    QCOMPARE(r.imported, 1);
    QVERIFY(!f.byPayee(account.id, u"Cafe"_s));
    QCOMPARE(f.byPayee(account.id, u"Padded"_s)->amount, 100050);
}

void TestCsvImport::bankStatementShape()
{
    CsvFixture f;
    const Account account = f.db.addAccount(u"Checking"_s);
    const QString path = QStringLiteral(PENWICK_TEST_DATA) + u"/import/bank-statement.csv"_s;
    QSignalSpy started(&f.service, &ImportService::importStarted);
    const ImportResult r = f.service.importCsv(path, account.id, columns(true));
    QVERIFY(!r.failed);
    QCOMPARE(started.first().first().toInt(), 7);
    QCOMPARE(r.imported, 3);
    QCOMPARE(r.duplicates, 1);
    QCOMPARE(r.unparseable, 3); // "Generated ...", the column titles and the footer
    QCOMPARE(r.databaseErrors, 0);
    const auto rent = f.byPayee(account.id, u"Smith, John"_s);
    QVERIFY(rent);
    QCOMPARE(rent->amount, -797139);
    QCOMPARE(rent->memo, u"rent \"January\""_s);
    QCOMPARE(rent->date, QDate(2024, 1, 15));
    QCOMPARE(f.db.categories->findById(rent->category_id)->name, u"Housing"_s);
    QCOMPARE(f.byPayee(account.id, u"Employer"_s)->amount, 200000);
}

void TestCsvImport::yenAccountsHaveNoMinorUnits_data()
{
    QTest::addColumn<int>("currency");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<qint64>("stored");

    QTest::newRow("JPY whole") << int(Currency::JPY) << u"1500"_s << qint64(1500);
    QTest::newRow("JPY grouped and negative") << int(Currency::JPY) << u"\"-1,500\""_s << qint64(-1500);
    QTest::newRow("JPY with yen sign") << int(Currency::JPY) << u"¥1500"_s << qint64(1500);
    QTest::newRow("JPY with zero decimals") << int(Currency::JPY) << u"1500.00"_s << qint64(1500);
    QTest::newRow("JPY half rounds away") << int(Currency::JPY) << u"-0.5"_s << qint64(-1);
    QTest::newRow("USD cents") << int(Currency::USD) << u"1500"_s << qint64(150000);
    QTest::newRow("USD dollar sign") << int(Currency::USD) << u"\"-$7,971.39\""_s << qint64(-797139);
    QTest::newRow("GBP cents") << int(Currency::GBP) << u"12.34"_s << qint64(1234);
}

void TestCsvImport::yenAccountsHaveNoMinorUnits()
{
    QFETCH(int, currency);
    QFETCH(QString, cell);
    QFETCH(qint64, stored);
    CsvFixture f;
    const Account account = f.db.addAccount(u"Wallet"_s, Currency(currency));
    const ImportResult r = f.service.importCsv(f.file((u"01/02/2024,Shop,"_s + cell + u"\n"_s).toUtf8()),
                                               account.id, columns());
    QCOMPARE(r.imported, 1);
    QCOMPARE(f.byPayee(account.id, u"Shop"_s)->amount, stored);
}

void TestCsvImport::failedInsertIsADatabaseError()
{
    CsvFixture f;
    const Account account = f.db.addAccount(u"Checking"_s);
    QVERIFY(f.db.execute(u"CREATE TRIGGER refuse BEFORE INSERT ON transactions WHEN NEW.payee = 'Refused' "
                         "BEGIN SELECT RAISE(ABORT, 'refused'); END"_s));
    const ImportResult r = f.service.importCsv(f.file("01/02/2024,Refused,-1\n"
                                                      "01/02/2024,Refused,-1\n"
                                                      "01/02/2024,Fine,-1\n"),
                                               account.id, columns());
    QVERIFY(!r.failed);
    QCOMPARE(r.imported, 1);
    // The failed row's key never joined the set: the repeat fails the same way.
    QCOMPARE(r.databaseErrors, 2);
    QCOMPARE(r.duplicates, 0);
    QCOMPARE(f.db.transactions->findByAccount(account.id).size(), 1);

    // Into an account that does not exist every row fails on its foreign key.
    const ImportResult orphan = f.service.importCsv(f.file("01/02/2024,A,-1\n"), u"no-such-account"_s, columns());
    QCOMPARE(orphan.imported, 0);
    QCOMPARE(orphan.databaseErrors, 1);
}

void TestCsvImport::failedCommitReadsAsFailure()
{
    CsvFixture f;
    const Account account = f.db.addAccount(u"Checking"_s);
    QVERIFY(f.db.execute(u"CREATE TABLE import_audit (account_id TEXT REFERENCES accounts(id) "
                         "DEFERRABLE INITIALLY DEFERRED)"_s));
    QVERIFY(f.db.execute(u"CREATE TRIGGER poison AFTER INSERT ON transactions WHEN NEW.payee = 'Poison' "
                         "BEGIN INSERT INTO import_audit VALUES ('no such account'); END"_s));
    QSignalSpy progress(&f.service, &ImportService::importProgress);
    QSignalSpy changed(f.db.transactions, &TransactionRepository::transactionsChanged);
    const ImportResult r = f.service.importCsv(f.file("01/02/2024,Fine,-1,,New Category\n"
                                                      "01/02/2024,Poison,-1\n"),
                                               account.id, columns());
    QVERIFY(r.failed);
    QCOMPARE(f.db.scalar(u"SELECT COUNT(*) FROM transactions"_s).toInt(), 0);
    QCOMPARE(f.db.scalar(u"SELECT COUNT(*) FROM categories"_s).toInt(), 0);
    QCOMPARE(progress.last(), (QVariantList{2, 2}));
    QVERIFY(changed.isEmpty());
    QVERIFY(f.db.database->connection().transaction());
    QVERIFY(f.db.database->connection().rollback());
}

void TestCsvImport::missingFileGivesEmptyResult()
{
    CsvFixture f;
    const Account account = f.db.addAccount(u"Checking"_s);
    QSignalSpy started(&f.service, &ImportService::importStarted);
    const ImportResult r = f.service.importCsv(f.dir.filePath(u"missing.csv"_s), account.id, columns());
    QCOMPARE(r.imported + r.duplicates + r.unparseable + r.databaseErrors, 0);
    QVERIFY(r.failed); // nothing read is a failure, never an empty success
    QVERIFY(started.isEmpty());
}

void TestCsvImport::progressSignals()
{
    CsvFixture f;
    const Account account = f.db.addAccount(u"Checking"_s);
    QByteArray bytes("Date,Payee,Amount\n");
    for (int i = 0; i < 205; ++i)
        bytes += "01/02/2024,Shop," + QByteArray::number(i + 1) + '\n';
    QSignalSpy progress(&f.service, &ImportService::importProgress);
    const ImportResult r = f.service.importCsv(f.file(bytes), account.id, columns(true));
    QCOMPARE(r.imported, 205);
    QList<int> currents;
    for (const QVariantList &args : std::as_const(progress))
        currents << args.at(0).toInt();
    QCOMPARE(currents, (QList<int>{0, 100, 200, 205}));
}

PENWICK_TEST_MAIN(TestCsvImport)
#include "tst_csvimport.moc"
