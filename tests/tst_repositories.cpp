#include "testsupport.h"

#include "storage/categoryrepository.h"
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
    void categoryCountAndNames();
    void categoryNullReferencesAndFallbacks();
    void categorySoftDeleteLeavesReferences();
    void categoryResync();

    void recurringRoundTrip();
    void recurringBrokenDueDateWarnsButSaves_data();
    void recurringBrokenDueDateWarnsButSaves();
    void recurringDue();
    void recurringByAccount();

    void reconciliationTimestampsAndOrder();
    void reconciliationByAccount();

    void preferenceReading_data();
    void preferenceReading();
    void preferenceSignals();
};

void TestRepositories::categoryCountAndNames()
{
    TestDatabase t;
    QCOMPARE(t.categories->count(), 0);
    const Category food = t.addCategory(u"Food"_s);
    t.addCategory(u"apples"_s);
    t.addCategory(u"Bills"_s);
    QCOMPARE(t.categories->count(), 3);
    QVERIFY(t.categories->softDelete(food.id));
    QCOMPARE(t.categories->count(), 2);
    QVERIFY(!t.categories->findByName(u"Food"_s));
    QVERIFY(t.categories->findById(food.id)->deleted_at);
    QVERIFY(!t.categories->findByName(u"bills"_s)); // exact, case-sensitive
    QCOMPARE(t.categories->findByName(u"Bills"_s)->name, u"Bills"_s);
    QStringList names;
    for (const Category &c : t.categories->findAll())
        names << c.name;
    QCOMPARE(names, QStringList({u"Bills"_s, u"apples"_s}));
}

void TestRepositories::categoryNullReferencesAndFallbacks()
{
    TestDatabase t;
    const Category parent = t.addCategory(u"Parent"_s, CategoryType::Income);
    const Category top = t.addCategory(u"Top"_s);
    const Category child = t.addCategory(u"Child"_s, CategoryType::Transfer, parent.id);
    QVERIFY(t.scalar(u"SELECT parent_id IS NULL AND account_id IS NULL FROM categories WHERE id = ?"_s, {top.id}).toBool());
    QVERIFY(t.categories->findById(top.id)->parent_id.isEmpty());
    QCOMPARE(t.categories->findById(child.id)->parent_id, parent.id);
    QCOMPARE(t.categories->findById(child.id)->category_type, CategoryType::Transfer);
    QCOMPARE(t.scalar(u"SELECT category_type FROM categories WHERE id = ?"_s, {parent.id}).toString(), u"income"_s);

    QVERIFY(t.execute(u"UPDATE categories SET category_type = 'Income' WHERE id = ?"_s, {parent.id}));
    QCOMPARE(t.categories->findById(parent.id)->category_type, CategoryType::Expense);

    Category orphan = child;
    orphan.id = newId();
    orphan.parent_id = u"missing"_s;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^CategoryRepository::insert failed:"_s));
    QVERIFY(!t.categories->insert(orphan));
}

void TestRepositories::categorySoftDeleteLeavesReferences()
{
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    const Category c = t.addCategory(u"Old Name"_s);
    t.addTransaction(a.id, QDate(2024, 1, 1), u"P"_s, -1, c.id);
    QSignalSpy changed(t.categories, &CategoryRepository::categoriesChanged);
    QVERIFY(t.categories->softDelete(c.id));
    QCOMPARE(changed.count(), 1);
    // The register still shows the deleted category's name.
    QCOMPARE(t.scalar(u"SELECT category_id FROM transactions"_s).toString(), c.id);
}

void TestRepositories::categoryResync()
{
    TestDatabase t;
    const Category a = t.addCategory(u"A"_s);
    const Category b = t.addCategory(u"B"_s);
    QVERIFY(t.categories->markSynced(a.id, u"s1"_s));
    QVERIFY(t.categories->markSynced(b.id, u"s2"_s));
    QCOMPARE(t.categories->findPending().size(), 0);
    QSignalSpy changed(t.categories, &CategoryRepository::categoriesChanged);
    QCOMPARE(t.categories->markAllPendingForResync(), 2);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(t.categories->markAllPendingForResync(), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(t.categories->findById(a.id)->server_id, u"s1"_s);
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

void TestRepositories::recurringDue()
{
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    const QDate today = QDate::currentDate();
    RecurringTransaction dueToday = makeRecurring(a.id, today);
    RecurringTransaction overdue = makeRecurring(a.id, today.addDays(-40));
    RecurringTransaction future = makeRecurring(a.id, today.addDays(1));
    RecurringTransaction paused = makeRecurring(a.id, today);
    paused.is_active = false;
    RecurringTransaction deleted = makeRecurring(a.id, today);
    for (const auto &r : {dueToday, overdue, future, paused, deleted})
        QVERIFY(t.recurring->insert(r));
    QVERIFY(t.recurring->softDelete(deleted.id));

    QStringList due;
    for (const auto &r : t.recurring->findDue())
        due << r.id;
    due.sort();
    QStringList expected({dueToday.id, overdue.id});
    expected.sort();
    QCOMPARE(due, expected);
    QCOMPARE(t.recurring->findAll().first().id, overdue.id); // ordered by due date
    QCOMPARE(t.recurring->findAll().size(), 4);
}

void TestRepositories::recurringByAccount()
{
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    const RecurringTransaction r = makeRecurring(a.id, QDate(2030, 1, 1));
    QVERIFY(t.recurring->insert(r));
    QVERIFY(t.recurring->markSynced(r.id, u"srv"_s));
    QSignalSpy changed(t.recurring, &RecurringRepository::recurringChanged);
    QCOMPARE(t.recurring->softDeleteByAccount(a.id), 1);
    QCOMPARE(t.recurring->findById(r.id)->sync_status, SyncStatus::Pending);
    const QString when = t.scalar(u"SELECT deleted_at FROM recurring_transactions"_s).toString();
    QCOMPARE(t.recurring->restoreByAccount(a.id, when), 1);
    QCOMPARE(t.recurring->restoreByAccount(a.id, when), 0);
    QCOMPARE(changed.count(), 2);
}

void TestRepositories::reconciliationTimestampsAndOrder()
{
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    Reconciliation r;
    r.id = newId();
    r.account_id = a.id;
    r.statement_date = QDate(2024, 1, 31);
    r.statement_balance = 1000;
    r.reconciled_balance = 1000;
    r.completed_at = QDateTime(QDate(2024, 2, 1), QTime(9, 0), Qt::UTC);
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    QSignalSpy changed(t.reconciliations, &ReconciliationRepository::reconciliationsChanged);
    QVERIFY(t.reconciliations->insert(r)); // invalid timestamps are filled with now
    QCOMPARE(changed.count(), 1);
    const auto back = t.reconciliations->findById(r.id);
    QVERIFY(back->created_at >= before && back->created_at <= QDateTime::currentDateTimeUtc());
    QCOMPARE(back->created_at, back->updated_at);
    QCOMPARE(back->completed_at, r.completed_at);
    QCOMPARE(t.scalar(u"SELECT completed_at FROM reconciliations"_s).toString(), u"2024-02-01T09:00:00Z"_s);

    Reconciliation later = r;
    later.id = newId();
    later.statement_date = QDate(2024, 2, 29);
    later.created_at = later.updated_at = QDateTime(QDate(2024, 3, 1), QTime(0, 0), Qt::UTC);
    QVERIFY(t.reconciliations->insert(later));
    QCOMPARE(t.reconciliations->findById(later.id)->created_at, later.created_at);
    QCOMPARE(t.reconciliations->findLatest(a.id)->id, later.id);
    QCOMPARE(t.reconciliations->findByAccount(a.id).last().id, r.id);

    // update is the one that may move a row to another account.
    const Account b = t.addAccount(u"B"_s);
    later.account_id = b.id;
    QVERIFY(t.reconciliations->update(later));
    QCOMPARE(t.reconciliations->findLatest(b.id)->id, later.id);
    QCOMPARE(t.reconciliations->findLatest(a.id)->id, r.id);
}

void TestRepositories::reconciliationByAccount()
{
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    Reconciliation r;
    r.id = newId();
    r.account_id = a.id;
    r.statement_date = QDate(2024, 1, 31);
    QVERIFY(t.reconciliations->insert(r));
    QVERIFY(t.reconciliations->markSynced(r.id, u"s"_s));
    QCOMPARE(t.reconciliations->findPending().size(), 0);
    QCOMPARE(t.reconciliations->softDeleteByAccount(a.id), 1);
    QVERIFY(!t.reconciliations->findLatest(a.id));
    QCOMPARE(t.reconciliations->findPending().size(), 1);
    QCOMPARE(t.reconciliations->restoreByAccount(a.id, u"2000-01-01T00:00:00Z"_s), 1);
    QCOMPARE(t.reconciliations->findByAccount(a.id).size(), 1);
    QVERIFY(t.reconciliations->markSynced(r.id, u"s"_s));
    QCOMPARE(t.reconciliations->markAllPendingForResync(), 1);
}

void TestRepositories::preferenceReading_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid = key absent
    QTest::addColumn<bool>("boolDefault");
    QTest::addColumn<bool>("boolValue");
    QTest::addColumn<QString>("textValue");

    QTest::newRow("absent") << QVariant() << true << true << u"fallback"_s;
    QTest::newRow("absent, false default") << QVariant() << false << false << u"fallback"_s;
    QTest::newRow("one") << QVariant(u"1"_s) << false << true << u"1"_s;
    QTest::newRow("true") << QVariant(u"true"_s) << false << true << u"true"_s;
    QTest::newRow("True is not true") << QVariant(u"True"_s) << true << false << u"True"_s;
    QTest::newRow("yes is not true") << QVariant(u"yes"_s) << true << false << u"yes"_s;
    QTest::newRow("zero") << QVariant(u"0"_s) << true << false << u"0"_s;
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
}

void TestRepositories::preferenceSignals()
{
    TestDatabase t;
    QSignalSpy changed(t.preferences, &PreferencesRepository::changed);
    QVERIFY(t.preferences->setValue(u"theme"_s, u"dark"_s));
    QVERIFY(t.preferences->setValue(u"theme"_s, u"dark"_s));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.first().first().toString(), u"theme"_s);
    t.preferences->setBool(u"flag"_s, true);
    t.preferences->setInt(u"weekStartDay"_s, 7);
    QCOMPARE(t.preferences->value(u"flag"_s), u"1"_s);
    QCOMPARE(t.preferences->value(u"weekStartDay"_s), u"7"_s);
    t.preferences->setBool(u"flag"_s, false);
    QCOMPARE(t.preferences->value(u"flag"_s), u"0"_s);
    QCOMPARE(t.scalar(u"SELECT COUNT(*) FROM preferences"_s).toInt(), 3); // upsert, not duplicate rows
    changed.clear();
    QVERIFY(t.preferences->remove(u"theme"_s));
    QCOMPARE(changed.count(), 0);
    QVERIFY(!t.preferences->get(u"theme"_s));
}

PENWICK_TEST_MAIN(TestRepositories)
#include "tst_repositories.moc"
