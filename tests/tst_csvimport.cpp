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
    void duplicates();
    void datesReadAsQtReadsThem_data();
    void datesReadAsQtReadsThem();
    void yenAccountsHaveNoMinorUnits_data();
    void yenAccountsHaveNoMinorUnits();
    void failedInsertIsADatabaseError();
    void failedCommitReadsAsFailure();
    void encodings_data();
    void encodings();
    void cancelledImportKeepsNothing();
};

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

// Fixed-width dates are read by hand; the result must be Qt's own.
void TestCsvImport::datesReadAsQtReadsThem_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("cell");
    QTest::newRow("month first") << u"MM/dd/yyyy"_s << u"03/15/2024"_s;
    QTest::newRow("no such day") << u"MM/dd/yyyy"_s << u"02/30/2024"_s;
    QTest::newRow("month zero") << u"MM/dd/yyyy"_s << u"00/10/2024"_s;
    QTest::newRow("short parts") << u"MM/dd/yyyy"_s << u"3/5/2024"_s;
    QTest::newRow("other separator") << u"yyyy-MM-dd"_s << u"2024/03/05"_s;
    QTest::newRow("day first") << u"dd.MM.yyyy"_s << u"31.12.1999"_s;
}

void TestCsvImport::datesReadAsQtReadsThem()
{
    QFETCH(QString, format);
    QFETCH(QString, cell);
    CsvFixture f;
    const Account account = f.db.addAccount(u"Checking"_s);
    const ImportResult r = f.service.importCsv(f.file(cell.toUtf8() + ",Shop,-4.50\n"), account.id, columns(false, format));
    const QDate expected = QDate::fromString(cell, format);
    QCOMPARE(r.imported, expected.isValid() ? 1 : 0);
    if (expected.isValid())
        QCOMPARE(f.byPayee(account.id, u"Shop"_s)->date, expected);
}

void TestCsvImport::yenAccountsHaveNoMinorUnits_data()
{
    QTest::addColumn<int>("currency");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<qint64>("stored");

    QTest::newRow("JPY whole") << int(Currency::JPY) << u"1500"_s << qint64(1500);
    QTest::newRow("JPY half rounds away") << int(Currency::JPY) << u"-0.5"_s << qint64(-1);
    QTest::newRow("USD dollar sign") << int(Currency::USD) << u"\"-$7,971.39\""_s << qint64(-797139);
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

// The file is decoded a chunk at a time: byte-order marks and UTF-16 told by
// its NUL bytes must still give the same text.
void TestCsvImport::encodings_data()
{
    QTest::addColumn<int>("encoding");
    QTest::addColumn<bool>("bom");
    QTest::newRow("UTF-8 with BOM") << int(QStringConverter::Utf8) << true;
    QTest::newRow("UTF-16 LE with BOM") << int(QStringConverter::Utf16LE) << true;
    QTest::newRow("UTF-16 BE with BOM") << int(QStringConverter::Utf16BE) << true;
    QTest::newRow("UTF-16 LE without BOM") << int(QStringConverter::Utf16LE) << false;
    QTest::newRow("UTF-16 BE without BOM") << int(QStringConverter::Utf16BE) << false;
}

void TestCsvImport::encodings()
{
    QFETCH(int, encoding);
    QFETCH(bool, bom);
    CsvFixture f;
    const Account account = f.db.addAccount(u"Checking"_s);
    QStringEncoder encoder(QStringConverter::Encoding(encoding),
                           bom ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    const QByteArray bytes = encoder.encode(u"01/02/2024,Café,-1\n"_s);
    QCOMPARE(f.service.importCsv(f.file(bytes), account.id, columns()).imported, 1);
    QVERIFY(f.byPayee(account.id, u"Café"_s));
}

void TestCsvImport::cancelledImportKeepsNothing()
{
    CsvFixture f;
    const Account account = f.db.addAccount(u"Checking"_s);
    connect(&f.service, &ImportService::importProgress, &f.service, [&f] { f.service.cancelImport(); });
    const ImportResult r = f.service.importCsv(f.file("01/02/2024,Shop,-1\n"), account.id, columns());
    QVERIFY(r.failed && r.cancelled);
    QCOMPARE(f.db.scalar(u"SELECT COUNT(*) FROM transactions"_s).toInt(), 0);
}

PENWICK_TEST_MAIN(TestCsvImport)
#include "tst_csvimport.moc"
