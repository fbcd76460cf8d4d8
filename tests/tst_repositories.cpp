#include "testsupport.h"

#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/transactionrepository.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"

#include <QSignalSpy>

namespace {

RecurringTransaction makeRecurring(const QString &accountId, const QDate &due)
{
    RecurringTransaction r;
    r.id = newId();
    r.account_id = accountId;
    r.payee = u"Rent"_s;
    r.amount = -150000;
    r.frequency = Frequency::Monthly;
    r.start_date = due;
    r.next_due_date = due;
    r.created_at = r.updated_at = QDateTime::currentDateTimeUtc();
    return r;
}

} // namespace

class TestRepositories : public QObject
{
    Q_OBJECT
private slots:
    void deletionByAccountCanBeRestored();
    void resyncMarksSyncedRowsPending();

    void recurringRoundTrip();
    void recurringBrokenDueDateWarnsButSaves_data();
    void recurringBrokenDueDateWarnsButSaves();

    void reconciliationTimestampsAndOrder();

    void preferenceReading_data();
    void preferenceReading();
};

void TestRepositories::deletionByAccountCanBeRestored()
{
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    t.addTransaction(a.id, QDate(2024, 1, 1), u"P"_s, -100);
    QVERIFY(t.recurring->insert(makeRecurring(a.id, QDate(2024, 2, 1))));
    Reconciliation r;
    r.id = newId();
    r.account_id = a.id;
    r.statement_date = QDate(2024, 1, 31);
    r.completed_at = QDateTime::currentDateTimeUtc();
    QVERIFY(t.reconciliations->insert(r));
    QCOMPARE(t.transactions->softDeleteByAccount(a.id), 1);
    QCOMPARE(t.recurring->softDeleteByAccount(a.id), 1);
    QCOMPARE(t.reconciliations->softDeleteByAccount(a.id), 1);
    // Everything deleted with the account comes back with it.
    const QString since = t.scalar(u"SELECT MIN(deleted_at) FROM recurring_transactions"_s).toString();
    QCOMPARE(t.transactions->restoreByAccount(a.id, since), 1);
    QCOMPARE(t.recurring->restoreByAccount(a.id, since), 1);
    QCOMPARE(t.reconciliations->restoreByAccount(a.id, since), 1);
    QCOMPARE(t.recurring->findAll().size(), 1);
    QCOMPARE(t.reconciliations->findByAccount(a.id).size(), 1);
    QVERIFY(t.accounts->softDelete(a.id));
    QCOMPARE(t.accounts->findDeleted().size(), 1);
    QVERIFY(t.accounts->restore(a.id));
    QCOMPARE(t.accounts->findAll().size(), 1);
}

void TestRepositories::resyncMarksSyncedRowsPending()
{
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    const Category c = t.addCategory(u"C"_s);
    const Transaction x = t.addTransaction(a.id, QDate(2024, 1, 1), u"P"_s, -100);
    const RecurringTransaction rec = makeRecurring(a.id, QDate(2024, 2, 1));
    QVERIFY(t.recurring->insert(rec));
    QVERIFY(t.accounts->markSynced(a.id, u"s1"_s) && t.categories->markSynced(c.id, u"s2"_s)
            && t.transactions->markSynced(x.id, u"s3"_s) && t.recurring->markSynced(rec.id, u"s4"_s));
    QCOMPARE(t.transactions->findPending().size(), 0);
    QCOMPARE(t.accounts->markAllPendingForResync() + t.categories->markAllPendingForResync()
                 + t.transactions->markAllPendingForResync() + t.recurring->markAllPendingForResync()
                 + t.reconciliations->markAllPendingForResync(),
             4);
    QCOMPARE(t.transactions->findPending().size(), 1);
}

void TestRepositories::recurringRoundTrip()
{
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    const Account b = t.addAccount(u"B"_s);
    RecurringTransaction open = makeRecurring(a.id, QDate(2025, 3, 31));
    open.frequency = Frequency::SemiAnnual;
    open.transfer_dest_account_id = b.id;
    open.auto_post = true;
    QVERIFY(t.recurring->insert(open));
    QVERIFY(t.scalar(u"SELECT end_date IS NULL AND category_id IS NULL FROM recurring_transactions"_s).toBool());
    QCOMPARE(t.scalar(u"SELECT frequency FROM recurring_transactions"_s).toString(), u"semi_annual"_s);
    auto back = t.recurring->findById(open.id);
    QVERIFY(back);
    QVERIFY(!back->end_date);
    QCOMPARE(back->frequency, Frequency::SemiAnnual);
    QCOMPARE(back->next_due_date, QDate(2025, 3, 31));
    QVERIFY(back->auto_post && back->is_active);
    QCOMPARE(back->transfer_dest_account_id, b.id);

    back->end_date = QDate(2026, 12, 31);
    back->account_id = b.id; // update never moves an entry to another account
    QVERIFY(t.recurring->update(*back));
    back = t.recurring->findById(open.id);
    QCOMPARE(back->end_date, std::optional<QDate>(QDate(2026, 12, 31)));
    QCOMPARE(back->account_id, a.id);

    QVERIFY(t.execute(u"UPDATE recurring_transactions SET frequency = 'fortnightly'"_s));
    QCOMPARE(t.recurring->findById(open.id)->frequency, Frequency::Monthly);
}

void TestRepositories::recurringBrokenDueDateWarnsButSaves_data()
{
    QTest::addColumn<QDate>("due");
    QTest::addColumn<bool>("warns");
    QTest::newRow("last day of 1999") << QDate(1999, 12, 31) << true;
    QTest::newRow("invalid") << QDate() << true;
    QTest::newRow("first day of 2000") << QDate(2000, 1, 1) << false;
}

void TestRepositories::recurringBrokenDueDateWarnsButSaves()
{
    QFETCH(QDate, due);
    QFETCH(bool, warns);
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    RecurringTransaction r = makeRecurring(a.id, due);
    if (warns) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(
            u"^RecurringRepository::insert saving recurring with broken nextDueDate: id= %1 payee= Rent"_s.arg(r.id)));
    }
    QTest::failOnWarning(QRegularExpression(u".*"_s));
    QVERIFY(t.recurring->insert(r));
    QVERIFY(t.recurring->findById(r.id));
}

void TestRepositories::reconciliationTimestampsAndOrder()
{
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    Reconciliation r;
    r.id = newId();
    r.account_id = a.id;
    r.statement_date = QDate(2024, 1, 31);
    r.completed_at = QDateTime(QDate(2024, 2, 1), QTime(9, 0), Qt::UTC);
    QVERIFY(t.reconciliations->insert(r)); // invalid timestamps are filled with now
    QVERIFY(t.reconciliations->findById(r.id)->created_at.isValid());
    Reconciliation later = r;
    later.id = newId();
    later.statement_date = QDate(2024, 2, 29);
    QVERIFY(t.reconciliations->insert(later));
    QCOMPARE(t.reconciliations->findLatest(a.id)->id, later.id);
    QCOMPARE(t.reconciliations->findByAccount(a.id).last().id, r.id);
    // update is the one that may move a row to another account.
    const Account b = t.addAccount(u"B"_s);
    later.account_id = b.id;
    QVERIFY(t.reconciliations->update(later));
    QCOMPARE(t.reconciliations->findLatest(b.id)->id, later.id);
    QCOMPARE(t.reconciliations->findLatest(a.id)->id, r.id);
}

void TestRepositories::preferenceReading_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid = key absent
    QTest::addColumn<bool>("boolDefault");
    QTest::addColumn<bool>("boolValue");
    QTest::addColumn<QString>("textValue");

    QTest::newRow("absent") << QVariant() << true << true << u"fallback"_s;
    QTest::newRow("one") << QVariant(u"1"_s) << false << true << u"1"_s;
    QTest::newRow("True is not true") << QVariant(u"True"_s) << true << false << u"True"_s;
    QTest::newRow("empty text is a value") << QVariant(u""_s) << true << false << QString(u""_s);
}

void TestRepositories::preferenceReading()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, boolDefault);
    QFETCH(bool, boolValue);
    QFETCH(QString, textValue);
    TestDatabase t;
    if (stored.isValid())
        QVERIFY(t.preferences->setValue(u"k"_s, stored.toString()));
    QCOMPARE(t.preferences->boolValue(u"k"_s, boolDefault), boolValue);
    QCOMPARE(t.preferences->value(u"k"_s, u"fallback"_s), textValue);
    QCOMPARE(t.preferences->get(u"k"_s).has_value(), stored.isValid());
    // Written back through the typed setters, removed again.
    t.preferences->setBool(u"k"_s, boolValue);
    QCOMPARE(t.preferences->boolValue(u"k"_s, !boolValue), boolValue);
    t.preferences->setInt(u"k"_s, 7);
    QCOMPARE(t.preferences->value(u"k"_s), u"7"_s);
    QVERIFY(t.preferences->remove(u"k"_s));
    QVERIFY(!t.preferences->get(u"k"_s));
}

PENWICK_TEST_MAIN(TestRepositories)
#include "tst_repositories.moc"
