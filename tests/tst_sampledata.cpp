#include "testsupport.h"

#include "services/categoryservice.h"
#include "services/sampledataservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"


namespace {

const QDate kToday(2024, 3, 15);
const QStringList kTables{u"accounts"_s, u"transactions"_s, u"recurring_transactions"_s, u"reconciliations"_s,
                          u"split_lines"_s, u"categories"_s, u"sync_queue"_s};

int count(const TestDatabase &db, const QString &sql, const QVariantList &values = {})
{
    return db.scalar(sql, values).toInt();
}

QString idColumn(const QString &table)
{
    return table == u"sync_queue"_s ? u"entity_id"_s : u"id"_s;
}

int sampleRows(const TestDatabase &db, const QString &table)
{
    return count(db, u"SELECT COUNT(*) FROM %1 WHERE %2 LIKE 'sample-%'"_s.arg(table, idColumn(table)));
}

int userRows(const TestDatabase &db, const QString &table)
{
    return count(db, u"SELECT COUNT(*) FROM %1 WHERE %2 NOT LIKE 'sample-%'"_s.arg(table, idColumn(table)));
}

void addUserRows(TestDatabase &db)
{
    const Account own = db.addAccount(u"My Bank"_s);
    const Category mine = db.addCategory(u"My Hobby"_s);
    db.addTransaction(own.id, kToday, u"Bookshop"_s, -2500, mine.id);
    db.execute(u"INSERT INTO sync_queue (entity_type, entity_id, action, created_at) VALUES "
               "('transaction', 'user-row', 'insert', '2024-01-01T00:00:00Z'), "
               "('transaction', 'sample-txn-00000000', 'insert', '2024-01-01T00:00:00Z')"_s);
}

} // namespace

class TestSampleData : public QObject
{
    Q_OBJECT
private slots:
    void transferLegsPointAtEachOther();
    void userRowsInsideSampleDataSurviveClear_data();
    void userRowsInsideSampleDataSurviveClear();
};

void TestSampleData::transferLegsPointAtEachOther()
{
    TestDatabase db;
    SampleDataService service(db.database);
    service.setToday(kToday);
    QVERIFY(service.loadSampleData());
    QVERIFY(!service.loadSampleData()); // a second load is refused
    // Every leg names a real row in another account that names it back,
    // with the opposite amount on the same date.
    QCOMPARE(count(db, u"SELECT COUNT(*) FROM transactions a JOIN transactions b ON b.id = a.transfer_link_id "
                       "AND b.transfer_link_id = a.id AND b.amount = -a.amount AND b.date = a.date "
                       "AND b.account_id = a.transfer_dest_account_id AND a.account_id = b.transfer_dest_account_id "
                       "AND a.account_id != b.account_id"_s),
             4);
    QCOMPARE(count(db, u"SELECT COUNT(*) FROM transactions WHERE transfer_link_id IS NOT NULL"_s), 4);
}

void TestSampleData::userRowsInsideSampleDataSurviveClear_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("keptAccounts");
    QTest::addColumn<int>("keptSampleTransactions");

    QTest::newRow("nothing of the user's inside") << u"none"_s << QStringList() << 0;
    QTest::newRow("transaction in Main Checking") << u"transaction"_s << QStringList{u"sample-acct-checking"_s} << 0;
    QTest::newRow("reconciliation of Visa") << u"reconciliation"_s << QStringList{u"sample-acct-visa"_s} << 0;
    QTest::newRow("transfer from own account into Savings")
        << u"transfer"_s << QStringList{u"sample-acct-savings"_s} << 0;
    QTest::newRow("own row linked to a sample row") << u"link"_s << QStringList{u"sample-acct-checking"_s} << 1;
}

void TestSampleData::userRowsInsideSampleDataSurviveClear()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, keptAccounts);
    QFETCH(int, keptSampleTransactions);

    TestDatabase db;
    QVERIFY(db.isReady());
    addUserRows(db);
    SampleDataService service(db.database);
    service.setToday(kToday);
    QVERIFY(service.loadSampleData());
    const auto ownFound =
        db.accounts->findById(db.scalar(u"SELECT id FROM accounts WHERE name = 'My Bank'"_s).toString());
    QVERIFY(ownFound);
    const Account own = *ownFound;

    const QString now = u"2024-03-15T10:00:00Z"_s;
    if (kind == u"transaction"_s) {
        db.addTransaction(u"sample-acct-checking"_s, kToday, u"Corner Shop"_s, -700);
    } else if (kind == u"reconciliation"_s) {
        QVERIFY(db.execute(u"INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
                           "reconciled_balance, completed_at, created_at, updated_at) VALUES ('user-recon', "
                           "'sample-acct-visa', '2024-03-01', 0, 0, ?, ?, ?)"_s, {now, now, now}));
    } else if (kind == u"transfer"_s) {
        Transaction out = db.addTransaction(own.id, kToday, u"To Savings"_s, -1000);
        Transaction in = db.addTransaction(u"sample-acct-savings"_s, kToday, u"From My Bank"_s, 1000);
        out.transfer_link_id = in.id;
        out.transfer_dest_account_id = in.account_id;
        in.transfer_link_id = out.id;
        in.transfer_dest_account_id = own.id;
        QVERIFY(db.transactions->update(out));
        QVERIFY(db.transactions->update(in));
    } else if (kind == u"link"_s) {
        const QString sampleId = db.scalar(u"SELECT id FROM transactions WHERE check_number = '1041'"_s).toString();
        Transaction mine = db.addTransaction(own.id, kToday, u"Rent share"_s, 1000);
        mine.transfer_link_id = sampleId;
        mine.transfer_dest_account_id = u"sample-acct-checking"_s;
        QVERIFY(db.transactions->update(mine));
    }
    QHash<QString, int> userBefore;
    for (const QString &table : kTables)
        userBefore.insert(table, userRows(db, table));

    QVERIFY(service.clearSampleData());

    for (const QString &table : kTables)
        QCOMPARE(userRows(db, table), userBefore.value(table));
    QSqlQuery q(db.database->connection());
    QVERIFY(q.exec(u"SELECT id FROM accounts WHERE id LIKE 'sample-%' ORDER BY id"_s));
    QStringList remaining;
    while (q.next())
        remaining.append(q.value(0).toString());
    keptAccounts.sort();
    QCOMPARE(remaining, keptAccounts);
    QCOMPARE(sampleRows(db, u"transactions"_s), keptSampleTransactions);
    QCOMPARE(sampleRows(db, u"recurring_transactions"_s), 0);
    QVERIFY(q.exec(u"PRAGMA foreign_key_check"_s));
    QVERIFY(!q.next());
}

PENWICK_TEST_MAIN(TestSampleData)
#include "tst_sampledata.moc"
