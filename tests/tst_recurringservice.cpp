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

RecurringTransaction addEntry(TestDatabase &db, const QString &accountId, Frequency frequency, const QDate &nextDue,
                              bool autoPost = false, qint64 amount = -1000)
{
    RecurringTransaction r;
    r.id = newId();
    r.account_id = accountId;
    r.payee = u"Pinecrest Apartments"_s;
    r.memo = u"Rent"_s;
    r.amount = amount;
    r.frequency = frequency;
    r.start_date = nextDue.isValid() ? nextDue : QDate(2020, 1, 1);
    r.next_due_date = nextDue;
    r.auto_post = autoPost;
    r.created_at = r.updated_at = QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC);
    r.sync_status = SyncStatus::Synced;
    if (!db.recurring->insert(r))
        qWarning("addEntry failed");
    return r;
}

int postedCount(const TestDatabase &db, const QString &entryId)
{
    return db.scalar(u"SELECT COUNT(*) FROM transactions WHERE recurring_id = ?"_s, {entryId}).toInt();
}

RecurringTransaction reread(const TestDatabase &db, const QString &id)
{
    return db.recurring->findById(id).value_or(RecurringTransaction());
}

// True when no savepoint or transaction was left open on the connection.
bool connectionIsIdle(const TestDatabase &db)
{
    QSqlDatabase connection = db.database->connection();
    if (!connection.transaction())
        return false;
    connection.rollback();
    return true;
}

} // namespace

class TestRecurringService : public QObject
{
    Q_OBJECT
private slots:
    void occurrenceId_data();
    void occurrenceId();
    void stepDate_data();
    void stepDate();
    void clampedDayStaysClamped_data();
    void clampedDayStaysClamped();
    void confirmPostsOccurrenceAndAdvances();
    void unknownEntryChangesNothing();
    void brokenDueDateIsQuarantined_data();
    void brokenDueDateIsQuarantined();
    void endDate_data();
    void endDate();
    void duplicateOccurrenceIsRefused_data();
    void duplicateOccurrenceIsRefused();
    void transferPostsBothLegs();
    void refusedTransferLeavesNothing_data();
    void refusedTransferLeavesNothing();
    void skipAdvancesWithoutPosting();
    void processAutoPostCatchUp_data();
    void processAutoPostCatchUp();
    void processAutoPostLeavesOthersAlone();
    void catchUpStopsAtEndDate();
    void confirmAllDuePostsOncePerEntry();
    void pendingCountFollowsToday();
    void postingsAreCommitted();
};

void TestRecurringService::occurrenceId_data()
{
    QTest::addColumn<QString>("entryId");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("leg");
    QTest::addColumn<QString>("expected");

    // Reference values computed with Python's uuid.uuid5 in the same namespace.
    QTest::newRow("source leg") << u"rec-1"_s << QDate(2024, 1, 5) << QString() << u"d3b5bd77-b0e7-5c77-b628-7a25ea049a27"_s;
    QTest::newRow("destination leg") << u"rec-1"_s << QDate(2024, 1, 5) << u"dest"_s
                                     << u"e8f61ceb-d4c4-5c16-82c9-ccd237c92ccb"_s;
    QTest::newRow("uuid entry id, leap day") << u"0b5c2f0e-8d5e-4c1e-9f55-3f1b2a6c7d8e"_s << QDate(2024, 2, 29)
                                             << QString() << u"05cba07a-f5ff-5b5e-ad37-e5668e885d12"_s;
}

void TestRecurringService::occurrenceId()
{
    QFETCH(QString, entryId);
    QFETCH(QDate, date);
    QFETCH(QString, leg);
    QFETCH(QString, expected);
    QCOMPARE(RecurringService::occurrenceId(entryId, date, leg), expected);
}

void TestRecurringService::stepDate_data()
{
    QTest::addColumn<int>("frequency");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("daily over year end") << int(Frequency::Daily) << QDate(2023, 12, 31) << QDate(2024, 1, 1);
    QTest::newRow("weekly") << int(Frequency::Weekly) << QDate(2024, 2, 26) << QDate(2024, 3, 4);
    QTest::newRow("biweekly") << int(Frequency::Biweekly) << QDate(2024, 12, 25) << QDate(2025, 1, 8);
    QTest::newRow("monthly 31 Jan") << int(Frequency::Monthly) << QDate(2023, 1, 31) << QDate(2023, 2, 28);
    QTest::newRow("monthly 31 Mar to 30 Apr") << int(Frequency::Monthly) << QDate(2024, 3, 31) << QDate(2024, 4, 30);
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

    const QList<QDate> monthly{QDate(2024, 2, 29), QDate(2024, 3, 29), QDate(2024, 4, 29)};
    QTest::newRow("monthly, skipped") << int(Frequency::Monthly) << QDate(2024, 1, 31) << false << monthly;
    QTest::newRow("monthly, confirmed") << int(Frequency::Monthly) << QDate(2024, 1, 31) << true << monthly;
    QTest::newRow("annual from leap day, back in a leap year")
        << int(Frequency::Annual) << QDate(2024, 2, 29) << true
        << QList<QDate>{QDate(2025, 2, 28), QDate(2026, 2, 28), QDate(2027, 2, 28), QDate(2028, 2, 28)};
    QTest::newRow("quarterly from 30 Nov")
        << int(Frequency::Quarterly) << QDate(2023, 11, 30) << false
        << QList<QDate>{QDate(2024, 2, 29), QDate(2024, 5, 29), QDate(2024, 8, 29)};
}

void TestRecurringService::clampedDayStaysClamped()
{
    QFETCH(int, frequency);
    QFETCH(QDate, first);
    QFETCH(bool, post);
    QFETCH(QList<QDate>, expected);

    TestDatabase db;
    QVERIFY(db.isReady());
    RecurringService service(db.recurring, db.transactions, db.accounts);
    const Account account = db.addAccount(u"Checking"_s);
    const RecurringTransaction entry = addEntry(db, account.id, static_cast<Frequency>(frequency), first);

    QDate previous = first;
    for (const QDate &next : expected) {
        QVERIFY(post ? service.confirm(entry.id) : service.skip(entry.id));
        QCOMPARE(reread(db, entry.id).next_due_date, next);
        if (post) {
            const auto row = db.transactions->findById(RecurringService::occurrenceId(entry.id, previous));
            QVERIFY(row);
            QCOMPARE(row->date, previous);
        }
        previous = next;
    }
    QCOMPARE(postedCount(db, entry.id), post ? expected.size() : 0);
}

void TestRecurringService::confirmPostsOccurrenceAndAdvances()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    RecurringService service(db.recurring, db.transactions, db.accounts);
    service.setToday(kToday);
    const Account account = db.addAccount(u"Checking"_s);
    const Category rent = db.addCategory(u"Rent"_s);
    RecurringTransaction entry = addEntry(db, account.id, Frequency::Monthly, QDate(2024, 5, 1), false, -145000);
    entry.category_id = rent.id;
    QVERIFY(db.recurring->update(entry));
    addEntry(db, account.id, Frequency::Weekly, kToday); // a second due entry keeps the count above zero

    QSignalSpy spy(&service, &RecurringService::pendingCountChanged);
    QVERIFY(service.confirm(entry.id));

    const auto row = db.transactions->findById(RecurringService::occurrenceId(entry.id, QDate(2024, 5, 1)));
    QVERIFY(row);
    QCOMPARE(row->account_id, account.id);
    QCOMPARE(row->date, QDate(2024, 5, 1));
    QCOMPARE(row->payee, entry.payee);
    QCOMPARE(row->memo, entry.memo);
    QCOMPARE(row->amount, qint64(-145000));
    QCOMPARE(row->category_id, rent.id);
    QCOMPARE(row->recurring_id, entry.id);
    QVERIFY(row->transfer_link_id.isEmpty());
    QVERIFY(!row->cleared);
    QVERIFY(!row->reconciled);
    QCOMPARE(row->sync_status, SyncStatus::Pending);
    QVERIFY(row->created_at.isValid());

    const RecurringTransaction advanced = reread(db, entry.id);
    QCOMPARE(advanced.next_due_date, QDate(2024, 6, 1));
    QVERIFY(advanced.is_active);
    QCOMPARE(advanced.sync_status, SyncStatus::Pending);
    QVERIFY(advanced.updated_at > entry.updated_at);

    // 2024-06-01 is still due on the 15th, as is the weekly entry.
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 2);
    QCOMPARE(service.pendingCount(), 2);
}

void TestRecurringService::unknownEntryChangesNothing()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    RecurringService service(db.recurring, db.transactions, db.accounts);
    QSignalSpy spy(&service, &RecurringService::pendingCountChanged);
    QVERIFY(!service.confirm(u"no-such-entry"_s));
    QVERIFY(!service.skip(u"no-such-entry"_s));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM transactions"_s).toInt(), 0);
}

void TestRecurringService::brokenDueDateIsQuarantined_data()
{
    QTest::addColumn<QString>("storedDate");

    QTest::newRow("before 2000") << u"1999-12-31"_s;
    QTest::newRow("empty") << QString(u""_s);
    QTest::newRow("not a calendar date") << u"2024-02-30"_s;
    QTest::newRow("day-first text") << u"1/2/2024"_s;
}

void TestRecurringService::brokenDueDateIsQuarantined()
{
    QFETCH(QString, storedDate);

    TestDatabase db;
    QVERIFY(db.isReady());
    RecurringService service(db.recurring, db.transactions, db.accounts);
    service.setToday(kToday);
    const Account account = db.addAccount(u"Checking"_s);
    const RecurringTransaction manual = addEntry(db, account.id, Frequency::Monthly, kToday);
    const RecurringTransaction automatic = addEntry(db, account.id, Frequency::Monthly, kToday, true);
    QVERIFY(db.execute(u"UPDATE recurring_transactions SET next_due_date = ?"_s, {storedDate}));

    QSignalSpy spy(&service, &RecurringService::pendingCountChanged);
    QVERIFY(!service.confirm(manual.id));
    QCOMPARE(service.processAutoPost(), 0);

    for (const QString &id : {manual.id, automatic.id}) {
        const RecurringTransaction after = reread(db, id);
        QVERIFY(!after.is_active);
        QCOMPARE(after.sync_status, SyncStatus::Pending);
        QCOMPARE(postedCount(db, id), 0);
    }
    QCOMPARE(spy.count(), 0);
}

void TestRecurringService::endDate_data()
{
    QTest::addColumn<QDate>("due");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<bool>("activeAfter");

    QTest::newRow("end on the due date") << QDate(2024, 3, 10) << QDate(2024, 3, 10) << false;
    QTest::newRow("end before the next step") << QDate(2024, 3, 10) << QDate(2024, 4, 9) << false;
    QTest::newRow("end on the next step") << QDate(2024, 3, 10) << QDate(2024, 4, 10) << true;
}

void TestRecurringService::endDate()
{
    QFETCH(QDate, due);
    QFETCH(QDate, end);
    QFETCH(bool, activeAfter);

    TestDatabase db;
    QVERIFY(db.isReady());
    RecurringService service(db.recurring, db.transactions, db.accounts);
    const Account account = db.addAccount(u"Checking"_s);
    RecurringTransaction entry = addEntry(db, account.id, Frequency::Monthly, due);
    entry.end_date = end;
    QVERIFY(db.recurring->update(entry));

    QVERIFY(service.confirm(entry.id));
    QCOMPARE(postedCount(db, entry.id), 1);
    QCOMPARE(reread(db, entry.id).is_active, activeAfter);
}

void TestRecurringService::duplicateOccurrenceIsRefused_data()
{
    QTest::addColumn<bool>("transfer");
    QTest::newRow("plain") << false;
    QTest::newRow("transfer") << true;
}

void TestRecurringService::duplicateOccurrenceIsRefused()
{
    QFETCH(bool, transfer);

    TestDatabase db;
    QVERIFY(db.isReady());
    RecurringService service(db.recurring, db.transactions, db.accounts);
    const Account checking = db.addAccount(u"Checking"_s);
    const Account savings = db.addAccount(u"Savings"_s);
    RecurringTransaction entry = addEntry(db, checking.id, Frequency::Monthly, QDate(2024, 4, 1));
    if (transfer) {
        entry.transfer_dest_account_id = savings.id;
        QVERIFY(db.recurring->update(entry));
    }
    const int legs = transfer ? 2 : 1;

    QVERIFY(service.confirm(entry.id));
    QCOMPARE(postedCount(db, entry.id), legs);

    // As after a crash before the advance was saved: the same occurrence is due again.
    QVERIFY(db.recurring->update(entry));
    QSignalSpy spy(&service, &RecurringService::pendingCountChanged);
    QVERIFY(!service.confirm(entry.id));
    QCOMPARE(postedCount(db, entry.id), legs);
    QCOMPARE(reread(db, entry.id).next_due_date, QDate(2024, 4, 1));
    QCOMPARE(spy.count(), 0);
    QVERIFY(connectionIsIdle(db));
}

void TestRecurringService::transferPostsBothLegs()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    RecurringService service(db.recurring, db.transactions, db.accounts);
    const Account a = db.addAccount(u"A"_s);
    const Account b = db.addAccount(u"B"_s);
    RecurringTransaction entry = addEntry(db, a.id, Frequency::Monthly, QDate(2024, 1, 31), false, -5000);
    entry.transfer_dest_account_id = b.id;
    QVERIFY(db.recurring->update(entry));

    QVERIFY(service.confirm(entry.id));

    const auto inA = db.transactions->findByAccount(a.id);
    const auto inB = db.transactions->findByAccount(b.id);
    QCOMPARE(inA.size(), 1);
    QCOMPARE(inB.size(), 1);
    const Transaction &source = inA.first();
    const Transaction &dest = inB.first();
    QCOMPARE(source.id, RecurringService::occurrenceId(entry.id, QDate(2024, 1, 31)));
    QCOMPARE(dest.id, RecurringService::occurrenceId(entry.id, QDate(2024, 1, 31), u"dest"_s));
    QCOMPARE(source.amount, qint64(-5000));
    QCOMPARE(dest.amount, qint64(5000));
    QCOMPARE(source.transfer_link_id, dest.id);
    QCOMPARE(dest.transfer_link_id, source.id);
    QCOMPARE(source.transfer_dest_account_id, b.id);
    QCOMPARE(dest.transfer_dest_account_id, a.id);
    QCOMPARE(dest.date, source.date);
    QCOMPARE(dest.payee, source.payee);
    QCOMPARE(dest.recurring_id, entry.id);
    QCOMPARE(reread(db, entry.id).next_due_date, QDate(2024, 2, 29));
}

void TestRecurringService::refusedTransferLeavesNothing_data()
{
    QTest::addColumn<QString>("problem");
    QTest::newRow("currencies differ") << u"currency"_s;
    QTest::newRow("destination account missing") << u"missing"_s;
    QTest::newRow("destination leg cannot be inserted") << u"blocked"_s;
}

void TestRecurringService::refusedTransferLeavesNothing()
{
    QFETCH(QString, problem);

    TestDatabase db;
    QVERIFY(db.isReady());
    RecurringService service(db.recurring, db.transactions, db.accounts);
    const Account a = db.addAccount(u"A"_s);
    const Account b = db.addAccount(u"B"_s, problem == u"currency"_s ? Currency::EUR : Currency::USD);
    RecurringTransaction entry = addEntry(db, a.id, Frequency::Monthly, QDate(2024, 1, 31), false, -5000);
    entry.transfer_dest_account_id = problem == u"missing"_s ? newId() : b.id;
    QVERIFY(db.recurring->update(entry));
    if (problem == u"blocked"_s) {
        // A row already holding the destination leg's id makes its insert fail.
        Transaction blocker;
        blocker.id = RecurringService::occurrenceId(entry.id, entry.next_due_date, u"dest"_s);
        blocker.account_id = b.id;
        blocker.date = QDate(2024, 1, 1);
        blocker.payee = u"Blocker"_s;
        blocker.created_at = blocker.updated_at = QDateTime::currentDateTimeUtc();
        QVERIFY(db.transactions->insert(blocker));
    }

    QSignalSpy spy(&service, &RecurringService::pendingCountChanged);
    QVERIFY(!service.confirm(entry.id));
    QCOMPARE(db.transactions->findByAccount(a.id).size(), 0);
    QCOMPARE(postedCount(db, entry.id), 0);
    QCOMPARE(reread(db, entry.id).next_due_date, QDate(2024, 1, 31));
    QCOMPARE(spy.count(), 0);
    QVERIFY(connectionIsIdle(db));
}

void TestRecurringService::skipAdvancesWithoutPosting()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    RecurringService service(db.recurring, db.transactions, db.accounts);
    service.setToday(kToday);
    const Account account = db.addAccount(u"Checking"_s);
    const RecurringTransaction entry = addEntry(db, account.id, Frequency::Biweekly, kToday.addDays(-14));

    QSignalSpy spy(&service, &RecurringService::pendingCountChanged);
    QVERIFY(service.skip(entry.id));
    QCOMPARE(reread(db, entry.id).next_due_date, kToday);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 1);
    QVERIFY(service.skip(entry.id));
    QCOMPARE(spy.at(1).at(0).toInt(), 0);
    QCOMPARE(postedCount(db, entry.id), 0);
}

void TestRecurringService::processAutoPostCatchUp_data()
{
    QTest::addColumn<int>("frequency");
    QTest::addColumn<int>("daysOverdue");
    QTest::addColumn<int>("expectedPosted");
    QTest::addColumn<bool>("activeAfter");
    QTest::addColumn<QDate>("nextDueAfter");

    QTest::newRow("400 missed daily occurrences")
        << int(Frequency::Daily) << 399 << 366 << false << kToday.addDays(-399 + 366);
    QTest::newRow("daily, last due 400 days ago")
        << int(Frequency::Daily) << 400 << 366 << false << kToday.addDays(-400 + 366);
    QTest::newRow("364 catch-ups reach the cap") << int(Frequency::Daily) << 364 << 365 << false << kToday.addDays(1);
    QTest::newRow("363 catch-ups stay active") << int(Frequency::Daily) << 363 << 364 << true << kToday.addDays(1);
    QTest::newRow("weekly, three weeks behind") << int(Frequency::Weekly) << 21 << 4 << true << kToday.addDays(7);
    QTest::newRow("monthly due today") << int(Frequency::Monthly) << 0 << 1 << true << kToday.addMonths(1);
}

void TestRecurringService::processAutoPostCatchUp()
{
    QFETCH(int, frequency);
    QFETCH(int, daysOverdue);
    QFETCH(int, expectedPosted);
    QFETCH(bool, activeAfter);
    QFETCH(QDate, nextDueAfter);

    TestDatabase db;
    QVERIFY(db.isReady());
    RecurringService service(db.recurring, db.transactions, db.accounts);
    service.setToday(kToday);
    const Account account = db.addAccount(u"Checking"_s);
    const QDate first = kToday.addDays(-daysOverdue);
    const RecurringTransaction entry = addEntry(db, account.id, static_cast<Frequency>(frequency), first, true);

    QCOMPARE(service.processAutoPost(), expectedPosted);
    QCOMPARE(postedCount(db, entry.id), expectedPosted);
    QCOMPARE(db.scalar(u"SELECT COUNT(DISTINCT date) FROM transactions WHERE recurring_id = ?"_s, {entry.id}).toInt(),
             expectedPosted);
    QCOMPARE(db.scalar(u"SELECT MIN(date) FROM transactions"_s).toString(), first.toString(Qt::ISODate));
    QVERIFY(db.scalar(u"SELECT MAX(date) FROM transactions"_s).toString() <= kToday.toString(Qt::ISODate));

    const RecurringTransaction after = reread(db, entry.id);
    QCOMPARE(after.is_active, activeAfter);
    QCOMPARE(after.next_due_date, nextDueAfter);

    // A second run at the same date finds nothing more to post.
    QCOMPARE(service.processAutoPost(), 0);
    QCOMPARE(postedCount(db, entry.id), expectedPosted);
}

void TestRecurringService::processAutoPostLeavesOthersAlone()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    RecurringService service(db.recurring, db.transactions, db.accounts);
    service.setToday(kToday);
    const Account account = db.addAccount(u"Checking"_s);
    const RecurringTransaction manual = addEntry(db, account.id, Frequency::Monthly, kToday.addDays(-3));
    const RecurringTransaction future = addEntry(db, account.id, Frequency::Monthly, kToday.addDays(1), true);
    RecurringTransaction paused = addEntry(db, account.id, Frequency::Monthly, kToday, true);
    paused.is_active = false;
    QVERIFY(db.recurring->update(paused));
    const RecurringTransaction broken = addEntry(db, account.id, Frequency::Monthly, QDate(1999, 12, 1), true);
    const RecurringTransaction due = addEntry(db, account.id, Frequency::Monthly, kToday, true);

    QCOMPARE(service.pendingCount(), 3); // manual, broken, due
    QCOMPARE(service.processAutoPost(), 1);

    QCOMPARE(postedCount(db, due.id), 1);
    for (const QString &id : {manual.id, future.id, paused.id, broken.id})
        QCOMPARE(postedCount(db, id), 0);
    QVERIFY(reread(db, manual.id).is_active);
    QVERIFY(reread(db, future.id).is_active);
    QVERIFY(!reread(db, broken.id).is_active);
    QCOMPARE(service.pendingCount(), 1); // the manual entry still waits for the user
}

void TestRecurringService::catchUpStopsAtEndDate()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    RecurringService service(db.recurring, db.transactions, db.accounts);
    service.setToday(kToday);
    const Account account = db.addAccount(u"Checking"_s);
    RecurringTransaction entry = addEntry(db, account.id, Frequency::Daily, kToday.addDays(-10), true);
    entry.end_date = kToday.addDays(-5);
    QVERIFY(db.recurring->update(entry));

    QCOMPARE(service.processAutoPost(), 6);
    QCOMPARE(db.scalar(u"SELECT MAX(date) FROM transactions"_s).toString(), kToday.addDays(-5).toString(Qt::ISODate));
    QVERIFY(!reread(db, entry.id).is_active);
}

void TestRecurringService::confirmAllDuePostsOncePerEntry()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    RecurringService service(db.recurring, db.transactions, db.accounts);
    service.setToday(kToday);
    const Account account = db.addAccount(u"Checking"_s);
    const RecurringTransaction weekly = addEntry(db, account.id, Frequency::Weekly, kToday.addDays(-21));
    const RecurringTransaction automatic = addEntry(db, account.id, Frequency::Monthly, kToday, true);
    const RecurringTransaction future = addEntry(db, account.id, Frequency::Monthly, kToday.addDays(2));

    QSignalSpy spy(&service, &RecurringService::pendingCountChanged);
    QCOMPARE(service.confirmAllDue(), 2);
    QCOMPARE(postedCount(db, weekly.id), 1);
    QCOMPARE(reread(db, weekly.id).next_due_date, kToday.addDays(-14));
    QCOMPARE(postedCount(db, automatic.id), 1);
    QCOMPARE(postedCount(db, future.id), 0);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(service.pendingCount(), 1); // the weekly entry is still behind
}

void TestRecurringService::pendingCountFollowsToday()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    RecurringService service(db.recurring, db.transactions, db.accounts);
    const Account account = db.addAccount(u"Checking"_s);
    addEntry(db, account.id, Frequency::Monthly, QDate(2024, 6, 20));

    service.setToday(QDate(2024, 6, 19));
    QCOMPARE(service.pendingCount(), 0);
    service.setToday(QDate(2024, 6, 20));
    QCOMPARE(service.pendingCount(), 1);
    QCOMPARE(service.listAll().size(), 1);

    service.setToday(QDate());
    QCOMPARE(service.today(), QDate::currentDate());
}

void TestRecurringService::postingsAreCommitted()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    RecurringService service(db.recurring, db.transactions, db.accounts);
    service.setToday(kToday);
    const Account a = db.addAccount(u"A"_s);
    const Account b = db.addAccount(u"B"_s);
    RecurringTransaction entry = addEntry(db, a.id, Frequency::Weekly, kToday.addDays(-28), true, -2500);
    entry.transfer_dest_account_id = b.id;
    QVERIFY(db.recurring->update(entry));

    QCOMPARE(service.processAutoPost(), 5);
    QVERIFY(connectionIsIdle(db));

    // Another connection sees the rows only when they were committed.
    {
        QSqlDatabase reader = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"reader"_s);
        reader.setDatabaseName(db.filePath());
        QVERIFY(reader.open());
        QSqlQuery q(reader);
        QVERIFY(q.exec(u"SELECT COUNT(*), SUM(amount) FROM transactions"_s));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 10);
        QCOMPARE(q.value(1).toLongLong(), qint64(0));
        QVERIFY(q.exec(u"SELECT next_due_date FROM recurring_transactions"_s));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), kToday.addDays(7).toString(Qt::ISODate));
    }
    QSqlDatabase::removeDatabase(u"reader"_s);
}

PENWICK_TEST_MAIN(TestRecurringService)
#include "tst_recurringservice.moc"
