#include "testsupport.h"

#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"


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
    void roundTrips();
    void registerRunningBalanceWithOpeningRow();
    void softDeletedRowsDropOut();
    void accountBalancesMatchRegister();
    void search_data();
    void search();
    void searchFilters();
};

void TestAccountAndTransactionRepositories::roundTrips()
{
    TestDatabase t;
    Account a = t.addAccount(u"Joint"_s, Currency::JPY, -1234);
    a.account_type = AccountType::CreditCard;
    a.is_shared = true;
    QVERIFY(t.accounts->update(a));
    const auto account = t.accounts->findById(a.id);
    QCOMPARE(account->currency, Currency::JPY);
    QCOMPARE(account->starting_balance, qint64(-1234));
    QVERIFY(account->is_shared);
    // Stored forms: codes and whole-second UTC timestamps with "Z".
    QVERIFY(t.scalar(u"SELECT account_type || '|' || currency || '|' || created_at FROM accounts"_s)
                .toString()
                .contains(QRegularExpression(u"^credit_card\\|JPY\\|\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$"_s)));

    const Account b = t.addAccount(u"B"_s);
    Transaction x = t.addTransaction(a.id, QDate(2024, 2, 29), u"Café Ñandú"_s, -987654321012LL);
    x.cleared = x.reconciled = x.is_split = true;
    x.transfer_link_id = u"other-leg"_s;
    x.transfer_dest_account_id = b.id;
    x.recurring_id = u"rec"_s;
    QVERIFY(t.transactions->update(x));
    const auto back = t.transactions->findById(x.id);
    QCOMPARE(back->payee, x.payee);
    QCOMPARE(back->amount, x.amount);
    QVERIFY(back->cleared && back->reconciled && back->is_split);
    QCOMPARE(back->transfer_dest_account_id, b.id);
    QCOMPARE(back->recurring_id, u"rec"_s);
    QVERIFY(t.scalar(u"SELECT category_id IS NULL FROM transactions"_s).toBool());

    // An invalid date is stored as empty text and reads back invalid.
    Transaction undated = t.addTransaction(a.id, QDate(), QString(), 1);
    QCOMPARE(t.scalar(u"SELECT date || payee FROM transactions WHERE id = ?"_s, {undated.id}).toString(), QString());
    QVERIFY(!t.transactions->findById(undated.id)->date.isValid());

    // Update leaves account and creation time alone.
    Transaction moved = *back;
    moved.account_id = b.id;
    moved.created_at = QDateTime::currentDateTimeUtc().addYears(1);
    QVERIFY(t.transactions->update(moved));
    QCOMPARE(t.transactions->findById(x.id)->account_id, a.id);
    QCOMPARE(t.transactions->findById(x.id)->created_at, x.created_at);
}

void TestAccountAndTransactionRepositories::registerRunningBalanceWithOpeningRow()
{
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s, Currency::USD, 5000);
    const Category food = t.addCategory(u"Food"_s);
    t.addTransaction(a.id, QDate(2024, 1, 5), u"Payment"_s, -1200, food.id);
    t.addTransaction(a.id, QDate(2024, 1, 3), u"Deposit"_s, 300);
    t.addTransaction(a.id, QDate(2024, 1, 5), u"Same day, later"_s, -1);
    t.addTransaction(t.addAccount(u"Other"_s).id, QDate(2024, 1, 1), u"Elsewhere"_s, 999);

    const QList<RegisterRow> rows = t.transactions->registerRows(a.id);
    QCOMPARE(payeesOf(rows), (QStringList{u"Opening Balance"_s, u"Deposit"_s, u"Payment"_s, u"Same day, later"_s}));
    // The computed opening row has no id and sits on the first date.
    QVERIFY(rows[0].transaction.id.isEmpty());
    QCOMPARE(rows[0].transaction.date, QDate(2024, 1, 3));
    QCOMPARE(rows[0].running_balance, qint64(5000));
    QCOMPARE(rows[1].running_balance, qint64(5300));
    QCOMPARE(rows[3].running_balance, qint64(4099));
    QCOMPARE(rows[2].category_name, u"Food"_s);
    // Alone, the opening row is dated today.
    const auto lone = t.transactions->registerRows(t.addAccount(u"New"_s, Currency::USD, 2500).id);
    QCOMPARE(lone.size(), 1);
    QCOMPARE(lone.first().transaction.date, QDate::currentDate());
}

void TestAccountAndTransactionRepositories::softDeletedRowsDropOut()
{
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    const Transaction gone = t.addTransaction(a.id, QDate(2024, 1, 1), u"Vanishing Payee"_s, -100);
    t.addTransaction(a.id, QDate(2024, 1, 2), u"Staying"_s, -50);
    QVERIFY(t.transactions->markSynced(gone.id, u"s"_s));
    QVERIFY(t.transactions->softDelete(gone.id));
    QVERIFY(!t.transactions->softDelete(u"no such id"_s));
    QCOMPARE(t.transactions->registerRows(a.id).first().running_balance, qint64(-50));
    QCOMPARE(t.transactions->distinctPayees(), QStringList({u"Staying"_s}));
    QVERIFY(t.transactions->search(u"Vanishing"_s, {}).isEmpty());
    QCOMPARE(t.transactions->findUnreconciled(a.id).size(), 1);
    // The row is kept, marked deleted, to be pushed as a deletion.
    QCOMPARE(t.transactions->findById(gone.id)->sync_status, SyncStatus::Pending);
    QCOMPARE(t.transactions->findPending().size(), 2);
}

void TestAccountAndTransactionRepositories::accountBalancesMatchRegister()
{
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s, Currency::USD, 1000);
    const Account empty = t.addAccount(u"Empty"_s, Currency::EUR, -50);
    const Account gone = t.addAccount(u"Gone"_s);
    t.addTransaction(a.id, QDate(2024, 1, 1), u"x"_s, -300);
    t.addTransaction(a.id, QDate(2024, 1, 2), u"y"_s, 45);
    QVERIFY(t.transactions->softDelete(t.addTransaction(a.id, QDate(2024, 1, 2), u"z"_s, 999).id));
    QVERIFY(t.accounts->softDelete(gone.id));
    const auto balances = t.transactions->accountBalances();
    QCOMPARE(balances.size(), 2);
    QCOMPARE(balances.value(a.id), t.transactions->registerRows(a.id).last().running_balance);
    QCOMPARE(balances.value(a.id), qint64(745));
    QCOMPARE(balances.value(empty.id), qint64(-50));
}

void TestAccountAndTransactionRepositories::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("payees");
    QTest::newRow("single word, any case") << u"coffee"_s << QStringList({u"Coffee Corner"_s});
    QTest::newRow("memo and check number") << u"birthday 1042"_s << QStringList({u"Toy Shop"_s});
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
    toy.check_number = u"1042"_s;
    QVERIFY(t.transactions->update(toy));
    t.addTransaction(a.id, QDate(2024, 1, 4), u"Green Grocer"_s, -1500);
    t.addTransaction(a.id, QDate(2024, 1, 5), u"Grocery Barn"_s, -3000);
    QCOMPARE(payeesOf(t.transactions->search(text, {})), payees);
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
    f = {};
    f.date_from = QDate(2024, 1, 1);
    f.date_to = QDate(2024, 1, 31); // both bounds inclusive
    QCOMPARE(payeesOf(t.transactions->search(u"market"_s, f)), QStringList({u"Market two"_s, u"Market one"_s}));
    f = {};
    f.cleared = false;
    QCOMPARE(payeesOf(t.transactions->search(QString(), f)), QStringList({u"Market three"_s, u"Market one"_s}));
}

PENWICK_TEST_MAIN(TestAccountAndTransactionRepositories)
#include "tst_transactionrepository.moc"
