#include "testsupport.h"

#include "services/recurringservice.h"
#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"

#include <QSignalSpy>
#include <QSqlDatabase>

namespace {

const QDate kToday(2024, 6, 15);

struct Fixture
{
    Fixture() { service.setToday(kToday); }
    RecurringTransaction add(Frequency frequency, const QDate &nextDue, bool autoPost = false, qint64 amount = -1000,
                             const QString &destination = QString())
    {
        RecurringTransaction r = insertRecurring(db.recurring, checking.id, u"Pinecrest"_s, amount, nextDue, autoPost);
        r.frequency = frequency;
        r.start_date = nextDue;
        r.transfer_dest_account_id = destination;
        if (!db.recurring->update(r))
            qWarning("Fixture::add failed");
        return reread(r.id);
    }
    RecurringTransaction reread(const QString &id) const
    {
        return db.recurring->findById(id).value_or(RecurringTransaction());
    }
    int posted(const QString &entryId) const
    {
        return db.scalar(u"SELECT COUNT(*) FROM transactions WHERE recurring_id = ?"_s, {entryId}).toInt();
    }
    // No savepoint or transaction left open on the connection.
    bool idle() const
    {
        QSqlDatabase c = db.database->connection();
        return c.transaction() && c.rollback();
    }

    TestDatabase db;
    RecurringService service{db.recurring, db.transactions, db.accounts};
    Account checking = db.addAccount(u"Checking"_s);
    Account savings = db.addAccount(u"Savings"_s);
};

} // namespace

class TestRecurringService : public QObject
{
    Q_OBJECT
private slots:
    void occurrenceId();
    void stepDate_data();
    void stepDate();
    void clampedDayStaysClamped_data();
    void clampedDayStaysClamped();
    void confirmPostsOccurrenceAndAdvances();
    void brokenDueDateIsQuarantined_data();
    void brokenDueDateIsQuarantined();
    void endDate_data();
    void endDate();
    void transferPostsBothLegsOnce();
    void refusedTransferLeavesNothing_data();
    void refusedTransferLeavesNothing();
    void processAutoPostCatchUp_data();
    void processAutoPostCatchUp();
    void processAutoPostLeavesOthersAlone();
    void confirmAllDuePostsOncePerEntry();
};

void TestRecurringService::occurrenceId()
{
    // Reference values computed with Python's uuid.uuid5 in the same namespace:
    // the same occurrence gets the same id on every machine.
    QCOMPARE(RecurringService::occurrenceId(u"rec-1"_s, QDate(2024, 1, 5)), u"d3b5bd77-b0e7-5c77-b628-7a25ea049a27"_s);
    QCOMPARE(RecurringService::occurrenceId(u"rec-1"_s, QDate(2024, 1, 5), u"dest"_s),
             u"e8f61ceb-d4c4-5c16-82c9-ccd237c92ccb"_s);
}

void TestRecurringService::stepDate_data()
{
    QTest::addColumn<int>("frequency");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("daily over year end") << int(Frequency::Daily) << QDate(2023, 12, 31) << QDate(2024, 1, 1);
    QTest::newRow("biweekly") << int(Frequency::Biweekly) << QDate(2024, 12, 25) << QDate(2025, 1, 8);
    QTest::newRow("monthly 31 Jan") << int(Frequency::Monthly) << QDate(2023, 1, 31) << QDate(2023, 2, 28);
    QTest::newRow("semi-annual 31 Aug") << int(Frequency::SemiAnnual) << QDate(2024, 8, 31) << QDate(2025, 2, 28);
    QTest::newRow("out-of-range value steps monthly") << 42 << QDate(2024, 5, 31) << QDate(2024, 6, 30);
}

void TestRecurringService::stepDate()
{
    QFETCH(int, frequency);
    QFETCH(QDate, from);
    QFETCH(QDate, expected);
    QCOMPARE(RecurringService::stepDate(from, static_cast<Frequency>(frequency)), expected);
}

void TestRecurringService::clampedDayStaysClamped_data()
{
    QTest::addColumn<int>("frequency");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<bool>("post");
    QTest::addColumn<QList<QDate>>("expected");
    QTest::newRow("monthly, confirmed") << int(Frequency::Monthly) << QDate(2024, 1, 31) << true
                                        << QList<QDate>{QDate(2024, 2, 29), QDate(2024, 3, 29), QDate(2024, 4, 29)};
    QTest::newRow("annual from leap day") << int(Frequency::Annual) << QDate(2024, 2, 29) << true
                                          << QList<QDate>{QDate(2025, 2, 28), QDate(2026, 2, 28)};
    QTest::newRow("quarterly from 30 Nov, skipped")
        << int(Frequency::Quarterly) << QDate(2023, 11, 30) << false
        << QList<QDate>{QDate(2024, 2, 29), QDate(2024, 5, 29), QDate(2024, 8, 29)};
}

void TestRecurringService::clampedDayStaysClamped()
{
    QFETCH(int, frequency);
    QFETCH(QDate, first);
    QFETCH(bool, post);
    QFETCH(QList<QDate>, expected);
    Fixture f;
    const RecurringTransaction entry = f.add(static_cast<Frequency>(frequency), first);
    QDate previous = first;
    for (const QDate &next : expected) {
        QVERIFY(post ? f.service.confirm(entry.id) : f.service.skip(entry.id));
        QCOMPARE(f.reread(entry.id).next_due_date, next);
        if (post)
            QCOMPARE(f.db.transactions->findById(RecurringService::occurrenceId(entry.id, previous))->date, previous);
        previous = next;
    }
    QCOMPARE(f.posted(entry.id), post ? expected.size() : 0);
}

void TestRecurringService::confirmPostsOccurrenceAndAdvances()
{
    Fixture f;
    const Category rent = f.db.addCategory(u"Rent"_s);
    RecurringTransaction entry = f.add(Frequency::Monthly, QDate(2024, 5, 1), false, -145000);
    entry.category_id = rent.id;
    entry.memo = u"June"_s;
    QVERIFY(f.db.recurring->update(entry));
    f.add(Frequency::Weekly, kToday); // a second due entry keeps the count above zero

    QSignalSpy spy(&f.service, &RecurringService::pendingCountChanged);
    QVERIFY(f.service.confirm(entry.id));
    const auto row = f.db.transactions->findById(RecurringService::occurrenceId(entry.id, QDate(2024, 5, 1)));
    QVERIFY(row);
    QCOMPARE(row->account_id, f.checking.id);
    QCOMPARE(row->date, QDate(2024, 5, 1));
    QCOMPARE(row->memo, u"June"_s);
    QCOMPARE(row->amount, qint64(-145000));
    QCOMPARE(row->category_id, rent.id);
    QCOMPARE(row->recurring_id, entry.id);
    QVERIFY(!row->cleared);
    QCOMPARE(f.reread(entry.id).next_due_date, QDate(2024, 6, 1));
    // 2024-06-01 is still due on the 15th, as is the weekly entry.
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 2);
}

void TestRecurringService::brokenDueDateIsQuarantined_data()
{
    QTest::addColumn<QString>("storedDate");
    QTest::newRow("before 2000") << u"1999-12-31"_s;
    QTest::newRow("not a calendar date") << u"2024-02-30"_s;
}

void TestRecurringService::brokenDueDateIsQuarantined()
{
    QFETCH(QString, storedDate);
    Fixture f;
    const RecurringTransaction manual = f.add(Frequency::Monthly, kToday);
    const RecurringTransaction automatic = f.add(Frequency::Monthly, kToday, true);
    QVERIFY(f.db.execute(u"UPDATE recurring_transactions SET next_due_date = ?"_s, {storedDate}));
    QVERIFY(!f.service.confirm(manual.id));
    QCOMPARE(f.service.processAutoPost(), 0);
    for (const QString &id : {manual.id, automatic.id}) {
        QVERIFY(!f.reread(id).is_active);
        QCOMPARE(f.posted(id), 0);
    }
}

void TestRecurringService::endDate_data()
{
    QTest::addColumn<QDate>("end");
    QTest::addColumn<int>("posted");
    QTest::addColumn<bool>("activeAfter");
    // Daily, ten days behind, auto-posted.
    QTest::newRow("end on a due date") << kToday.addDays(-5) << 6 << false;
    QTest::newRow("end after today") << kToday.addDays(1) << 11 << true;
    QTest::newRow("ended before the next due date") << kToday.addDays(-11) << 0 << false;
}

void TestRecurringService::endDate()
{
    QFETCH(QDate, end);
    QFETCH(int, posted);
    QFETCH(bool, activeAfter);
    Fixture f;
    RecurringTransaction entry = f.add(Frequency::Daily, kToday.addDays(-10), true);
    entry.end_date = end;
    QVERIFY(f.db.recurring->update(entry));
    QCOMPARE(f.service.processAutoPost(), posted);
    QCOMPARE(f.posted(entry.id), posted);
    QVERIFY(f.db.scalar(u"SELECT MAX(date) FROM transactions"_s).toDate() <= end);
    QCOMPARE(f.reread(entry.id).is_active, activeAfter);
    if (!activeAfter)
        QVERIFY(!f.service.confirm(entry.id));
}

void TestRecurringService::transferPostsBothLegsOnce()
{
    Fixture f;
    RecurringTransaction entry = f.add(Frequency::Monthly, QDate(2024, 1, 31), false, -5000, f.savings.id);
    QVERIFY(f.service.confirm(entry.id));
    const auto source = f.db.transactions->findById(RecurringService::occurrenceId(entry.id, QDate(2024, 1, 31)));
    const auto dest = f.db.transactions->findById(RecurringService::occurrenceId(entry.id, QDate(2024, 1, 31), u"dest"_s));
    QVERIFY(source && dest);
    QCOMPARE(source->account_id, f.checking.id);
    QCOMPARE(dest->account_id, f.savings.id);
    QCOMPARE(source->amount, qint64(-5000));
    QCOMPARE(dest->amount, qint64(5000));
    QCOMPARE(source->transfer_link_id, dest->id);
    QCOMPARE(dest->transfer_link_id, source->id);
    QCOMPARE(source->transfer_dest_account_id, f.savings.id);
    QCOMPARE(dest->transfer_dest_account_id, f.checking.id);
    QCOMPARE(dest->date, source->date);
    QCOMPARE(f.reread(entry.id).next_due_date, QDate(2024, 2, 29));

    // As after a crash before the advance was saved: the same occurrence is due
    // again and must not be posted twice.
    QVERIFY(f.db.recurring->update(entry));
    QVERIFY(!f.service.confirm(entry.id));
    QCOMPARE(f.posted(entry.id), 2);
    QCOMPARE(f.reread(entry.id).next_due_date, QDate(2024, 1, 31));
    QVERIFY(f.idle());
}

void TestRecurringService::refusedTransferLeavesNothing_data()
{
    QTest::addColumn<QString>("problem");
    QTest::newRow("currencies differ") << u"currency"_s;
    QTest::newRow("destination account missing") << u"missing"_s;
    QTest::newRow("destination account deleted") << u"deleted"_s;
    QTest::newRow("destination leg cannot be inserted") << u"blocked"_s;
}

void TestRecurringService::refusedTransferLeavesNothing()
{
    QFETCH(QString, problem);
    Fixture f;
    const Account euro = f.db.addAccount(u"Euro"_s, Currency::EUR);
    const QString destination = problem == u"currency" ? euro.id : problem == u"missing" ? newId() : f.savings.id;
    QVERIFY(problem != u"deleted" || f.db.accounts->softDelete(f.savings.id));
    RecurringTransaction entry = f.add(Frequency::Monthly, QDate(2024, 1, 31), false, -5000, destination);
    if (problem == u"blocked") {
        // A row already holding the destination leg's id makes its insert fail.
        Transaction blocker = f.db.addTransaction(f.savings.id, QDate(2024, 1, 1), u"Blocker"_s, 1);
        QVERIFY(f.db.execute(u"UPDATE transactions SET id = ? WHERE id = ?"_s,
                             {RecurringService::occurrenceId(entry.id, entry.next_due_date, u"dest"_s), blocker.id}));
    }
    QSignalSpy spy(&f.service, &RecurringService::pendingCountChanged);
    QVERIFY(!f.service.confirm(entry.id));
    QVERIFY(f.db.transactions->findByAccount(f.checking.id).isEmpty());
    QCOMPARE(f.posted(entry.id), 0);
    QCOMPARE(f.reread(entry.id).next_due_date, QDate(2024, 1, 31));
    QCOMPARE(spy.count(), 0);
    QVERIFY(f.idle());
}

void TestRecurringService::processAutoPostCatchUp_data()
{
    QTest::addColumn<int>("frequency");
    QTest::addColumn<int>("daysOverdue");
    QTest::addColumn<int>("expectedPosted");
    QTest::addColumn<bool>("activeAfter");
    QTest::addColumn<QDate>("nextDueAfter");
    QTest::newRow("400 missed daily occurrences stop at the cap")
        << int(Frequency::Daily) << 399 << 366 << false << kToday.addDays(-399 + 366);
    QTest::newRow("364 catch-ups reach the cap") << int(Frequency::Daily) << 364 << 365 << false << kToday.addDays(1);
    QTest::newRow("weekly, three weeks behind") << int(Frequency::Weekly) << 21 << 4 << true << kToday.addDays(7);
}

void TestRecurringService::processAutoPostCatchUp()
{
    QFETCH(int, frequency);
    QFETCH(int, daysOverdue);
    QFETCH(int, expectedPosted);
    QFETCH(bool, activeAfter);
    QFETCH(QDate, nextDueAfter);
    Fixture f;
    const QDate first = kToday.addDays(-daysOverdue);
    const RecurringTransaction entry = f.add(static_cast<Frequency>(frequency), first, true);
    QCOMPARE(f.service.processAutoPost(), expectedPosted);
    QCOMPARE(f.db.scalar(u"SELECT COUNT(DISTINCT date) FROM transactions WHERE recurring_id = ?"_s, {entry.id}).toInt(),
             expectedPosted);
    QCOMPARE(f.db.scalar(u"SELECT MIN(date) FROM transactions"_s).toDate(), first);
    QVERIFY(f.db.scalar(u"SELECT MAX(date) FROM transactions"_s).toDate() <= kToday);
    QCOMPARE(f.reread(entry.id).is_active, activeAfter);
    QCOMPARE(f.reread(entry.id).next_due_date, nextDueAfter);
    // A second run at the same date finds nothing more to post.
    QCOMPARE(f.service.processAutoPost(), 0);
}

void TestRecurringService::processAutoPostLeavesOthersAlone()
{
    Fixture f;
    const RecurringTransaction manual = f.add(Frequency::Monthly, kToday.addDays(-3));
    const RecurringTransaction future = f.add(Frequency::Monthly, kToday.addDays(1), true);
    RecurringTransaction paused = f.add(Frequency::Monthly, kToday, true);
    paused.is_active = false;
    QVERIFY(f.db.recurring->update(paused));
    const RecurringTransaction due = f.add(Frequency::Monthly, kToday, true);
    QCOMPARE(f.service.pendingCount(), 2); // manual and due
    QCOMPARE(f.service.processAutoPost(), 1);
    QCOMPARE(f.posted(due.id), 1);
    for (const QString &id : {manual.id, future.id, paused.id})
        QCOMPARE(f.posted(id), 0);
    QCOMPARE(f.service.pendingCount(), 1); // the manual entry still waits for the user
}

void TestRecurringService::confirmAllDuePostsOncePerEntry()
{
    Fixture f;
    const RecurringTransaction weekly = f.add(Frequency::Weekly, kToday.addDays(-21));
    const RecurringTransaction automatic = f.add(Frequency::Monthly, kToday, true);
    const RecurringTransaction future = f.add(Frequency::Monthly, kToday.addDays(2));
    QCOMPARE(f.service.confirmAllDue(), 2);
    QCOMPARE(f.posted(weekly.id), 1);
    QCOMPARE(f.reread(weekly.id).next_due_date, kToday.addDays(-14));
    QCOMPARE(f.posted(automatic.id), 1);
    QCOMPARE(f.posted(future.id), 0);
    QCOMPARE(f.service.pendingCount(), 1); // the weekly entry is still behind
    // Postings are committed: another connection sees them.
    QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"observer"_s);
    other.setDatabaseName(f.db.filePath());
    QVERIFY(other.open());
    QSqlQuery q(other);
    QVERIFY(q.exec(u"SELECT COUNT(*) FROM transactions"_s) && q.next());
    QCOMPARE(q.value(0).toInt(), 2);
    q.finish();
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(u"observer"_s);
}

PENWICK_TEST_MAIN(TestRecurringService)
#include "tst_recurringservice.moc"
