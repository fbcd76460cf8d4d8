#include "testsupport.h"

#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"

#include <QSignalSpy>

namespace {

QStringList payeesOf(const QList<RegisterRow> &rows)
{
    QStringList out;
    for (const RegisterRow &r : rows)
        out << r.transaction.payee;
    return out;
}

} // namespace

class TestAccountAndTransactionRepositories : public QObject
{
    Q_OBJECT
private slots:
    // Accounts
    void accountRoundTrip();
    void accountListsAndSoftDelete();

    // Transactions
    void transactionRoundTripEncodings();
    void registerRunningBalanceWithOpeningRow();
    void sameDateOrderedByCreation();
    void softDeletedRowsDropOut();
    void softDeleteAndRestoreByAccount();
    void accountBalancesMatchRegister();
    void insertManyWritesTheSameRows();

    // Search
    void search_data();
    void search();
    void searchFilters();
};

void TestAccountAndTransactionRepositories::accountRoundTrip()
{
    TestDatabase t;
    QVERIFY(t.isReady());
    Account a;
    a.id = newId();
    a.name = u"Joint Savings"_s;
    a.account_type = AccountType::Savings;
    a.currency = Currency::JPY;
    a.institution = u"First Bank"_s;
    a.account_number_last4 = u"0042"_s;
    a.starting_balance = -1234;
    a.sort_order = 7;
    a.is_shared = true;
    a.version = 3;
    a.sync_status = SyncStatus::Conflict;
    a.server_id = u"srv-1"_s;
    a.created_at = QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9, 555), Qt::UTC);
    a.updated_at = QDateTime(QDate(2024, 5, 7), QTime(1, 2, 3), Qt::UTC);
    QSignalSpy changed(t.accounts, &AccountRepository::accountsChanged);
    QVERIFY(t.accounts->insert(a));
    QCOMPARE(changed.count(), 1);

    const auto back = t.accounts->findById(a.id);
    QVERIFY(back);
    QCOMPARE(back->name, a.name);
    QCOMPARE(back->currency, Currency::JPY);
    QCOMPARE(back->account_number_last4, u"0042"_s);
    QCOMPARE(back->starting_balance, qint64(-1234));
    QVERIFY(back->is_shared);
    QCOMPARE(back->sync_status, SyncStatus::Conflict);
    QCOMPARE(back->created_at, QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9), Qt::UTC));
    QVERIFY(!back->deleted_at);
    // Stored forms: codes and whole-second UTC timestamps with "Z".
    QCOMPARE(t.scalar(u"SELECT account_type || '|' || currency || '|' || created_at FROM accounts"_s).toString(),
             u"savings|JPY|2024-05-06T07:08:09Z"_s);

    a.name = u"Renamed"_s;
    a.account_type = AccountType::CreditCard;
    QVERIFY(t.accounts->update(a));
    QCOMPARE(t.accounts->findById(a.id)->name, u"Renamed"_s);
    QCOMPARE(t.scalar(u"SELECT account_type FROM accounts"_s).toString(), u"credit_card"_s);
}

void TestAccountAndTransactionRepositories::accountListsAndSoftDelete()
{
    TestDatabase t;
    Account b = t.addAccount(u"Bravo"_s);
    Account a = t.addAccount(u"Alpha"_s);
    Account c = t.addAccount(u"Charlie"_s);
    // Same sort order falls back to the name.
    a.sort_order = b.sort_order;
    QVERIFY(t.accounts->update(a));
    QVERIFY(t.accounts->markSynced(c.id, u"s-c"_s));

    QStringList names;
    for (const Account &x : t.accounts->findAll())
        names << x.name;
    QCOMPARE(names, QStringList({u"Alpha"_s, u"Bravo"_s, u"Charlie"_s}));

    QVERIFY(t.accounts->softDelete(c.id));
    QCOMPARE(t.accounts->findAll().size(), 2);
    QCOMPARE(t.accounts->findDeleted().size(), 1);
    const auto deleted = t.accounts->findById(c.id);
    QVERIFY(deleted && deleted->deleted_at);
    QCOMPARE(deleted->sync_status, SyncStatus::Pending);
    QCOMPARE(t.accounts->findPending().size(), 3); // deleted rows are pushed too

    QVERIFY(t.accounts->restore(c.id));
    QVERIFY(!t.accounts->findById(c.id)->deleted_at);
    QCOMPARE(t.accounts->findDeleted().size(), 0);
}

void TestAccountAndTransactionRepositories::transactionRoundTripEncodings()
{
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    const Account b = t.addAccount(u"B"_s);
    Transaction x;
    x.id = newId();
    x.account_id = a.id;
    x.date = QDate(2024, 2, 29);
    x.payee = u"Café Ñandú"_s;
    x.memo = u"memo"_s;
    x.amount = -987654321012LL;
    x.check_number = u"1001"_s;
    x.cleared = true;
    x.reconciled = true;
    x.transfer_link_id = u"other-leg"_s;
    x.transfer_dest_account_id = b.id;
    x.is_split = true;
    x.recurring_id = u"rec"_s;
    x.version = 2;
    x.sync_status = SyncStatus::Synced;
    x.server_id = u"srv"_s;
    x.created_at = QDateTime(QDate(2024, 3, 1), QTime(12, 0, 0), Qt::UTC);
    x.updated_at = x.created_at;
    QVERIFY(t.transactions->insert(x));
    const auto back = t.transactions->findById(x.id);
    QVERIFY(back);
    QCOMPARE(back->date, x.date);
    QCOMPARE(back->payee, x.payee);
    QCOMPARE(back->amount, x.amount);
    QVERIFY(back->cleared && back->reconciled && back->is_split);
    QCOMPARE(back->transfer_link_id, x.transfer_link_id);
    QCOMPARE(back->transfer_dest_account_id, b.id);
    QCOMPARE(back->recurring_id, u"rec"_s);
    QCOMPARE(back->sync_status, SyncStatus::Synced);
    QVERIFY(t.scalar(u"SELECT category_id IS NULL FROM transactions"_s).toBool());

    // An invalid date is stored as empty text and reads back invalid.
    Transaction undated = x;
    undated.id = newId();
    undated.date = QDate();
    undated.payee.clear(); // a null payee is still text, never NULL
    undated.created_at = QDateTime::currentDateTimeUtc();
    undated.updated_at = undated.created_at;
    QVERIFY(t.transactions->insert(undated));
    QCOMPARE(t.scalar(u"SELECT date FROM transactions WHERE id = ?"_s, {undated.id}).toString(), QString(u""_s));
    QVERIFY(!t.transactions->findById(undated.id)->date.isValid());
    const QString stamp = t.scalar(u"SELECT created_at FROM transactions WHERE id = ?"_s, {undated.id}).toString();
    QVERIFY2(QRegularExpression(u"^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$"_s).match(stamp).hasMatch(),
             qPrintable(stamp));

    // Update leaves account, creation time and deletion alone.
    Transaction changed = *back;
    changed.account_id = b.id;
    changed.amount = 5;
    changed.created_at = QDateTime::currentDateTimeUtc();
    QVERIFY(t.transactions->update(changed));
    const auto after = t.transactions->findById(x.id);
    QCOMPARE(after->amount, qint64(5));
    QCOMPARE(after->account_id, a.id);
    QCOMPARE(after->created_at, x.created_at);
}

void TestAccountAndTransactionRepositories::registerRunningBalanceWithOpeningRow()
{
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s, Currency::USD, 5000);
    const Category food = t.addCategory(u"Food"_s);
    t.addTransaction(a.id, QDate(2024, 1, 5), u"Payment"_s, -1200, food.id);
    t.addTransaction(a.id, QDate(2024, 1, 3), u"Deposit"_s, 300);

    const QList<RegisterRow> rows = t.transactions->registerRows(a.id);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0].transaction.payee, u"Opening Balance"_s);
    QVERIFY(rows[0].transaction.id.isEmpty());
    QCOMPARE(rows[0].transaction.date, QDate(2024, 1, 3));
    QCOMPARE(rows[0].transaction.amount, qint64(5000));
    QVERIFY(rows[0].transaction.cleared && rows[0].transaction.reconciled);
    QCOMPARE(rows[0].running_balance, qint64(5000));
    QCOMPARE(rows[1].transaction.payee, u"Deposit"_s);
    QCOMPARE(rows[1].running_balance, qint64(5300));
    QCOMPARE(rows[2].running_balance, qint64(4100));
    QCOMPARE(rows[2].category_name, u"Food"_s);
    QCOMPARE(rows[1].category_name, QString());
}

void TestAccountAndTransactionRepositories::sameDateOrderedByCreation()
{
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    t.addTransaction(a.id, QDate(2024, 6, 1), u"First"_s, 1);
    t.addTransaction(a.id, QDate(2024, 6, 1), u"Second"_s, 2);
    t.addTransaction(a.id, QDate(2024, 5, 1), u"Earlier"_s, 4);
    QCOMPARE(payeesOf(t.transactions->registerRows(a.id)),
             QStringList({u"Earlier"_s, u"First"_s, u"Second"_s}));
    QCOMPARE(payeesOf(t.transactions->search(QString(), {})),
             QStringList({u"Second"_s, u"First"_s, u"Earlier"_s}));
    QStringList byAccount;
    for (const Transaction &x : t.transactions->findByAccount(a.id))
        byAccount << x.payee;
    QCOMPARE(byAccount, QStringList({u"Second"_s, u"First"_s, u"Earlier"_s}));
}

void TestAccountAndTransactionRepositories::softDeletedRowsDropOut()
{
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    const Transaction gone = t.addTransaction(a.id, QDate(2024, 1, 1), u"Vanishing Payee"_s, -100);
    t.addTransaction(a.id, QDate(2024, 1, 2), u"Staying"_s, -50);
    QVERIFY(t.transactions->markSynced(gone.id, u"s"_s));
    QVERIFY(t.transactions->softDelete(gone.id));

    QCOMPARE(payeesOf(t.transactions->registerRows(a.id)), QStringList({u"Staying"_s}));
    QCOMPARE(t.transactions->registerRows(a.id).first().running_balance, qint64(-50));
    QCOMPARE(t.transactions->distinctPayees(), QStringList({u"Staying"_s}));
    QVERIFY(t.transactions->search(u"Vanishing"_s, {}).isEmpty());
    QVERIFY(t.transactions->findUnreconciled(a.id).size() == 1);
    const auto found = t.transactions->findById(gone.id);
    QVERIFY(found && found->deleted_at);
    QCOMPARE(found->sync_status, SyncStatus::Pending);
    bool pending = false;
    for (const Transaction &x : t.transactions->findPending())
        pending |= x.id == gone.id;
    QVERIFY(pending);
}

void TestAccountAndTransactionRepositories::softDeleteAndRestoreByAccount()
{
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    const Transaction early = t.addTransaction(a.id, QDate(2024, 1, 1), u"Early"_s, 1);
    const Transaction late = t.addTransaction(a.id, QDate(2024, 1, 2), u"Late"_s, 2);
    // Deleted long before the account itself.
    QVERIFY(t.execute(u"UPDATE transactions SET deleted_at = '2020-01-01T00:00:00Z' WHERE id = ?"_s, {early.id}));

    QSignalSpy changed(t.transactions, &TransactionRepository::transactionsChanged);
    QCOMPARE(t.transactions->softDeleteByAccount(a.id), 1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toString(), a.id);
    QCOMPARE(t.transactions->softDeleteByAccount(a.id), 0);
    QCOMPARE(changed.count(), 1);

    const QString deletedAt = t.scalar(u"SELECT deleted_at FROM transactions WHERE id = ?"_s, {late.id}).toString();
    // `since` equal to the deletion time restores the row; earlier deletions stay.
    QCOMPARE(t.transactions->restoreByAccount(a.id, deletedAt), 1);
    QCOMPARE(payeesOf(t.transactions->registerRows(a.id)), QStringList({u"Late"_s}));
    QCOMPARE(t.transactions->restoreByAccount(a.id, u"2099-01-01T00:00:00Z"_s), 0);
}

void TestAccountAndTransactionRepositories::accountBalancesMatchRegister()
{
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s, Currency::USD, 1000);
    const Account b = t.addAccount(u"B"_s);
    const Account empty = t.addAccount(u"Empty"_s, Currency::EUR, -50);
    const Account gone = t.addAccount(u"Gone"_s);
    t.addTransaction(a.id, QDate(2024, 1, 1), u"x"_s, -300);
    t.addTransaction(a.id, QDate(2024, 1, 2), u"y"_s, 45);
    const Transaction deleted = t.addTransaction(b.id, QDate(2024, 1, 2), u"z"_s, 999);
    t.addTransaction(b.id, QDate(2024, 1, 3), u"w"_s, -1);
    QVERIFY(t.transactions->softDelete(deleted.id));
    QVERIFY(t.accounts->softDelete(gone.id));

    const auto balances = t.transactions->accountBalances();
    QCOMPARE(balances.size(), 3);
    QCOMPARE(balances.value(a.id), t.transactions->registerRows(a.id).last().running_balance);
    QCOMPARE(balances.value(a.id), qint64(745));
    QCOMPARE(balances.value(b.id), qint64(-1));
    QCOMPARE(balances.value(empty.id), qint64(-50));
}

void TestAccountAndTransactionRepositories::insertManyWritesTheSameRows()
{
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    const Account b = t.addAccount(u"B"_s);
    const Category c = t.addCategory(u"C"_s);
    // 150 rows: two full statements and a short one.
    QList<Transaction> rows;
    for (int i = 0; i < 150; ++i) {
        Transaction x;
        x.id = newId();
        x.account_id = i % 3 ? a.id : b.id;
        x.date = QDate(2024, 1, 1).addDays(i);
        x.payee = u"Bulk %1"_s.arg(i);
        x.amount = -i;
        x.category_id = i % 2 ? c.id : QString();
        x.cleared = i % 5 == 0;
        x.created_at = x.updated_at = QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC).addSecs(i);
        rows << x;
    }
    Transaction single = rows.takeLast();
    QSignalSpy changed(t.transactions, &TransactionRepository::transactionsChanged);
    QVERIFY(t.database->connection().transaction());
    QVERIFY(t.transactions->insertMany(rows));
    QVERIFY(t.database->connection().commit());
    QCOMPARE(changed.count(), 2);
    QVERIFY(t.transactions->insert(single));

    QCOMPARE(t.scalar(u"SELECT COUNT(*) FROM transactions"_s).toInt(), 150);
    const auto back = t.transactions->findById(rows.at(101).id);
    QVERIFY(back);
    QCOMPARE(back->payee, u"Bulk 101"_s);
    QCOMPARE(back->category_id, c.id);
    QCOMPARE(back->created_at, rows.at(101).created_at);
    QVERIFY(t.scalar(u"SELECT category_id IS NULL FROM transactions WHERE id = ?"_s, {rows.at(100).id}).toBool());
    // Rows written in bulk are searchable like any other.
    QCOMPARE(t.transactions->search(u"\"bulk 148\""_s, {}).size(), 1);
    QCOMPARE(t.transactions->search(u"\"bulk 149\""_s, {}).size(), 1);
    QCOMPARE(t.transactions->registerRows(a.id).last().running_balance,
             t.scalar(u"SELECT SUM(amount) FROM transactions WHERE account_id = ?"_s, {a.id}).toLongLong());

    Transaction orphan = single;
    orphan.id = newId();
    orphan.account_id = u"missing"_s;
    changed.clear();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^TransactionRepository::insert failed:"_s));
    QVERIFY(!t.transactions->insertMany({orphan}));
    QCOMPARE(changed.count(), 0);
    QVERIFY(t.transactions->insertMany({}));
}

void TestAccountAndTransactionRepositories::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("payees");

    QTest::newRow("single word, any case") << u"coffee"_s << QStringList({u"Coffee Corner"_s});
    QTest::newRow("check number matches") << u"1042"_s << QStringList({u"Landlord"_s});
    QTest::newRow("all words must occur") << u"toy birthday"_s << QStringList({u"Toy Shop"_s});
    QTest::newRow("prefix") << u"gro*"_s << QStringList({u"Grocery Barn"_s, u"Green Grocer"_s});
    QTest::newRow("phrase") << u"\"green grocer\""_s << QStringList({u"Green Grocer"_s});
    QTest::newRow("unbalanced quote is invalid") << u"\"green"_s << QStringList();
}

void TestAccountAndTransactionRepositories::search()
{
    QFETCH(QString, text);
    QFETCH(QStringList, payees);
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    t.addTransaction(a.id, QDate(2024, 1, 1), u"Coffee Corner"_s, -450);
    Transaction toy = t.addTransaction(a.id, QDate(2024, 1, 2), u"Toy Shop"_s, -2000);
    toy.memo = u"Birthday present"_s;
    QVERIFY(t.transactions->update(toy));
    Transaction rent = t.addTransaction(a.id, QDate(2024, 1, 3), u"Landlord"_s, -100000);
    rent.check_number = u"1042"_s;
    QVERIFY(t.transactions->update(rent));
    t.addTransaction(a.id, QDate(2024, 1, 4), u"Green Grocer"_s, -1500);
    t.addTransaction(a.id, QDate(2024, 1, 5), u"Grocery Barn"_s, -3000);

    const auto rows = t.transactions->search(text, {});
    QCOMPARE(payeesOf(rows), payees);
    for (const RegisterRow &r : rows)
        QCOMPARE(r.running_balance, qint64(0));
}

void TestAccountAndTransactionRepositories::searchFilters()
{
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    const Account b = t.addAccount(u"B"_s);
    const Category food = t.addCategory(u"Food"_s);
    t.addTransaction(a.id, QDate(2024, 1, 1), u"Market one"_s, -1, food.id);
    Transaction cleared = t.addTransaction(a.id, QDate(2024, 1, 31), u"Market two"_s, -2);
    cleared.cleared = true;
    QVERIFY(t.transactions->update(cleared));
    t.addTransaction(b.id, QDate(2024, 2, 1), u"Market three"_s, -3, food.id);

    TransactionSearchFilter f;
    f.account_id = a.id;
    QCOMPARE(payeesOf(t.transactions->search(u"market"_s, f)), QStringList({u"Market two"_s, u"Market one"_s}));
    f = {};
    f.category_id = food.id;
    QCOMPARE(payeesOf(t.transactions->search(u"market"_s, f)), QStringList({u"Market three"_s, u"Market one"_s}));
    QCOMPARE(t.transactions->search(u"market"_s, f).first().category_name, u"Food"_s);
    f = {};
    f.date_from = QDate(2024, 1, 1);
    f.date_to = QDate(2024, 1, 31); // both bounds inclusive
    QCOMPARE(payeesOf(t.transactions->search(u"market"_s, f)), QStringList({u"Market two"_s, u"Market one"_s}));
    f = {};
    f.cleared = true;
    QCOMPARE(payeesOf(t.transactions->search(QString(), f)), QStringList({u"Market two"_s}));
    f.cleared = false;
    QCOMPARE(payeesOf(t.transactions->search(QString(), f)), QStringList({u"Market three"_s, u"Market one"_s}));
}

PENWICK_TEST_MAIN(TestAccountAndTransactionRepositories)
#include "tst_transactionrepository.moc"
