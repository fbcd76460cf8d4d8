#include "testsupport.h"

#include "services/importmapping.h"
#include "services/importservice.h"
#include "services/importsummary.h"
#include "storage/accountrepository.h"
#include "storage/transactionrepository.h"

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(PENWICK_TEST_DATA) + u"/ofx/"_s + name;
}

struct OfxFixture
{
    TestDatabase db;
    ImportService service{db.transactions, db.categories, db.splitLines};

    OfxFixture() { service.setAccountRepository(db.accounts); }

    // Every statement account to `existing`, or as the window offers first:
    // the account of the same name, else a new one.
    ImportResult import(const QString &file, const QString &existing = QString())
    {
        QHash<QString, QString> mapping;
        QList<Account> created;
        const QList<Account> accounts = db.accounts->findAll();
        for (const QifSourceAccount &source : service.analyzeOfxFiles({fixture(file)}).accounts) {
            if (const auto match = ImportMapping::matchingAccount(source, accounts); match || !existing.isEmpty()) {
                mapping.insert(source.key, existing.isEmpty() ? match->id : existing);
                continue;
            }
            created.append(ImportMapping::newAccount(source));
            mapping.insert(source.key, created.last().id);
        }
        return service.importOfx({fixture(file)}, mapping, created);
    }
    QVariant sql(const QString &query) const { return db.scalar(query); }
};

} // namespace

class TestOfxImport : public QObject
{
    Q_OBJECT
private slots:
    void statementsBecomeRows_data();
    void statementsBecomeRows();
    void repeatedDownloadsAddNothing();
    void brokenFilesWriteNothing_data();
    void brokenFilesWriteNothing();
};

void TestOfxImport::statementsBecomeRows_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("imported");
    QTest::addColumn<int>("investment");
    QTest::addColumn<QString>("accounts"); // name:type:currency:sum of amounts
    QTest::addColumn<QString>("summaryEnd");

    QTest::newRow("OFX 1 checking") << u"checking-v1.ofx"_s << 4 << 0 << u"Checking 1234567890:checking:USD:226566"_s
                                    << u"Checking 1234567890: statement balance $2,265.66 on 1/31/24, account "
                                       "balance $2,265.66"_s;
    QTest::newRow("OFX 2 credit card") << u"card-v2.ofx"_s << 2 << 0
                                       << u"Credit card 4111111111111111:credit_card:USD:18750"_s
                                       << u"account balance $187.50"_s;
    QTest::newRow("QFX two accounts") << u"two-accounts.qfx"_s << 3 << 1
                                      << u"Checking 555000111:checking:USD:-10825,Savings 555000222:savings:USD:10000"_s
                                      << u"Savings 555000222: statement balance $100.00 on 3/31/24, account balance "
                                         "$100.00"_s;
    QTest::newRow("other currency") << u"euro-v1.ofx"_s << 4 << 0
                                    << u"Checking DE89370400440532013000:checking:EUR:226566"_s
                                    << u"account balance €2,265.66"_s;
    // A row in another currency and an undated one are skipped, never guessed.
    QTest::newRow("money market, odd rows") << u"money-market.ofx"_s << 1 << 0 << u"Money market 777:savings:USD:-1000"_s
                                            << u"account balance -$10.00"_s;
}

void TestOfxImport::statementsBecomeRows()
{
    QFETCH(QString, file);
    QFETCH(int, imported);
    QFETCH(int, investment);
    QFETCH(QString, accounts);
    QFETCH(QString, summaryEnd);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    OfxFixture f;
    const ImportResult result = f.import(file);
    QVERIFY2(!result.failed, qPrintable(result.error));
    QCOMPARE(result.imported, imported);
    QCOMPARE(result.investmentSkipped, investment);
    QCOMPARE(f.sql(u"SELECT group_concat(s, ',') FROM (SELECT a.name || ':' || a.account_type || ':' || a.currency "
                   "|| ':' || SUM(t.amount) AS s FROM accounts a JOIN transactions t ON t.account_id = a.id "
                   "GROUP BY a.id ORDER BY a.name)"_s).toString(),
             accounts);
    QVERIFY2(ImportSummary::text(result).endsWith(summaryEnd), qPrintable(ImportSummary::text(result)));
}

void TestOfxImport::repeatedDownloadsAddNothing()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    OfxFixture f;
    const Account checking = f.db.addAccount(u"Household"_s);
    QCOMPARE(f.import(u"checking-v1.ofx"_s, checking.id).imported, 4); // two equal shop visits, two FITIDs
    const QString landlord = ImportService::ofxTransactionId(checking.id, u"CHK-1002"_s);
    QCOMPARE(f.sql(u"SELECT date || '|' || payee || '|' || memo || '|' || check_number || '|' || amount "
                   "FROM transactions WHERE id = '%1'"_s.arg(landlord)).toString(),
             u"2024-01-10|Landlord||1042|-15000"_s);

    const ImportResult overlap = f.import(u"checking-overlap-v1.ofx"_s, checking.id);
    QCOMPARE(overlap.imported, 1);
    QCOMPARE(overlap.duplicates, 2);
    QCOMPARE(ImportSummary::lines(overlap).last(),
             u"Household: statement balance $2,205.66 on 2/15/24, account balance $2,205.66"_s);

    // The row without FITID falls back to date, amount and payee.
    QCOMPARE(f.import(u"two-accounts.qfx"_s).imported, 3);
    const ImportResult again = f.import(u"two-accounts.qfx"_s);
    QCOMPARE(again.imported, 0);
    QCOMPARE(again.duplicates, 3);
    QVERIFY(ImportSummary::lines(again).contains(u"  (they differ by -$1,000.00)"_s));
}

void TestOfxImport::brokenFilesWriteNothing_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("intoUsdAccount");
    QTest::addColumn<QString>("error");

    QTest::newRow("truncated") << u"truncated.ofx"_s << false
                               << u"truncated.ofx is incomplete: it ends before its OFX data does. Download it "
                                  "again."_s;
    QTest::newRow("not OFX") << u"not-ofx.ofx"_s << false << u"not-ofx.ofx is not an OFX or QFX file."_s;
    QTest::newRow("bank error") << u"bank-error.ofx"_s << false
                                << u"The bank reported an error in bank-error.ofx: Account closed"_s;
    QTest::newRow("missing") << u"gone.ofx"_s << false << u"Cannot read file: "_s + fixture(u"gone.ofx"_s);
    QTest::newRow("account gone") << u"checking-v1.ofx"_s << false
                                  << u"The account chosen for Checking 1234567890 no longer exists."_s;
    QTest::newRow("other currency") << u"euro-v1.ofx"_s << true
                                    << u"The statement of Checking DE89370400440532013000 is in EUR, but the "
                                       "account \"Dollars\" keeps USD."_s;
}

void TestOfxImport::brokenFilesWriteNothing()
{
    QFETCH(QString, file);
    QFETCH(bool, intoUsdAccount);
    QFETCH(QString, error);
    OfxFixture f;
    const bool readable = intoUsdAccount || error.contains(u"no longer"_s);
    const QString target = intoUsdAccount ? f.db.addAccount(u"Dollars"_s).id : u"gone"_s;
    QCOMPARE(f.service.analyzeOfxFiles({fixture(file)}).error, readable ? QString() : error);
    QHash<QString, QString> mapping;
    for (const QifSourceAccount &source : f.service.analyzeOfxFiles({fixture(file)}).accounts)
        mapping.insert(source.key, target);
    const ImportResult result = f.service.importOfx({fixture(file)}, mapping);
    QVERIFY(result.failed);
    QCOMPARE(result.error, error);
    QCOMPARE(f.sql(u"SELECT COUNT(*) FROM transactions"_s).toInt(), 0);
    QCOMPARE(f.sql(u"SELECT COUNT(*) FROM accounts"_s).toInt(), intoUsdAccount ? 1 : 0);
}

PENWICK_TEST_MAIN(TestOfxImport)
#include "tst_ofximport.moc"
