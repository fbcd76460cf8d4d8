// Synchronisation: the local store fed with pages and push results directly,
// and the engine against a real penwick-server on 127.0.0.1.
#include "testsupport.h"

#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "storage/transactionrepository.h"
#include "sync/synclocalstore.h"

#include <QJsonArray>

namespace {

const QString kLocal = u"11111111-1111-4111-8111-111111111111"_s;

SyncLocalStore *storeOf(TestDatabase &t)
{
    return new SyncLocalStore(t.accounts, t.transactions, t.categories, t.recurring, t.reconciliations,
                              t.preferences, &t.owner);
}

QJsonObject serverTransaction(const QString &clientId, const QString &serverId, int version, const QString &accountId,
                              const QString &date = u"2024-05-01"_s, const QString &deletedAt = QString())
{
    return {{u"id"_s, serverId}, {u"client_id"_s, clientId}, {u"version"_s, version}, {u"account_id"_s, accountId},
            {u"date"_s, date}, {u"payee"_s, u"Server"_s}, {u"amount"_s, -500}, {u"deleted_at"_s, deletedAt},
            {u"created_at"_s, u"2024-05-01T09:00:00Z"_s}, {u"updated_at"_s, u"2024-05-02T09:00:00Z"_s}};
}

// "payee vN status deleted-time-or-live date" of one transaction, or "absent".
QString state(TestDatabase &t, const QString &id)
{
    const auto found = t.transactions->findById(id);
    if (!found)
        return u"absent"_s;
    return u"%1 v%2 %3 %4 %5"_s.arg(found->payee).arg(found->version).arg(syncStatusToString(found->sync_status),
        found->deleted_at ? found->deleted_at->toString(Qt::ISODate) : u"live"_s, found->date.toString(Qt::ISODate));
}

} // namespace

class TestSync : public QObject
{
    Q_OBJECT
private slots:
    void applyRules_data();
    void applyRules();
    void pageIsWholeOrNothing();
    void recurringKey_data();
    void recurringKey();
    void pushResults_data();
    void pushResults();
};

void TestSync::applyRules_data()
{
    QTest::addColumn<QString>("local"); // "", or "status vN live|deleted"
    QTest::addColumn<QString>("clientId");
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("deletedAt");
    QTest::addColumn<QString>("expected"); // state of the local id, or of the client id when there is no local row
    const QString del = u"2024-06-01T08:00:00Z"_s;
    QTest::newRow("new row inserted") << u""_s << kLocal << 2 << u"2024-05-01"_s << u""_s << u"Server v2 synced live 2024-05-01"_s;
    QTest::newRow("matched by server id") << u"synced v1 live"_s << u"unknown-id"_s << 2 << u"2024-05-01"_s << u""_s
                                          << u"Server v2 synced live 2024-05-01"_s;
    QTest::newRow("lower version skipped") << u"synced v4 live"_s << kLocal << 3 << u"2024-05-01"_s << u""_s
                                           << u"Local v4 synced live 2024-01-01"_s;
    QTest::newRow("equal version applied") << u"synced v4 live"_s << kLocal << 4 << u"2024-05-01"_s << u""_s
                                           << u"Server v4 synced live 2024-05-01"_s;
    QTest::newRow("pending local change kept") << u"pending v1 live"_s << kLocal << 9 << u"2024-05-01"_s << u""_s
                                               << u"Local v1 pending live 2024-01-01"_s;
    QTest::newRow("deletion of unknown row ignored") << u""_s << kLocal << 2 << u"2024-05-01"_s << del << u"absent"_s;
    QTest::newRow("deletion keeps server time") << u"synced v1 live"_s << kLocal << 2 << u"2024-05-01"_s << del
                                                << QString(u"Server v2 synced "_s + del + u" 2024-05-01"_s);
    QTest::newRow("live row restores") << u"synced v1 deleted"_s << kLocal << 2 << u"2024-05-01"_s << u""_s
                                       << u"Server v2 synced live 2024-05-01"_s;
    QTest::newRow("1924 is a date") << u""_s << kLocal << 1 << u"1924-03-05"_s << u""_s << u"Server v1 synced live 1924-03-05"_s;
    QTest::newRow("1999-12-31 is a date") << u""_s << kLocal << 1 << u"1999-12-31"_s << u""_s << u"Server v1 synced live 1999-12-31"_s;
    QTest::newRow("date-time gives its date") << u""_s << kLocal << 1 << u"2024-05-01T10:00:00Z"_s << u""_s
                                              << u"Server v1 synced live 2024-05-01"_s;
    QTest::newRow("empty date skipped") << u""_s << kLocal << 1 << u""_s << u""_s << u"absent"_s;
    QTest::newRow("no date skipped") << u""_s << kLocal << 1 << u"soon"_s << u""_s << u"absent"_s;
    QTest::newRow("deletion with broken date applied") << u"synced v1 live"_s << kLocal << 2 << u""_s << del
                                                       << QString(u"Local v2 synced "_s + del + u" 2024-01-01"_s);
}

void TestSync::applyRules()
{
    QFETCH(QString, local);
    QFETCH(QString, clientId);
    QFETCH(int, version);
    QFETCH(QString, date);
    QFETCH(QString, deletedAt);
    QFETCH(QString, expected);
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    if (!local.isEmpty()) {
        const QStringList parts = local.split(u' ');
        Transaction row;
        row.id = kLocal;
        row.account_id = a.id;
        row.date = QDate(2024, 1, 1);
        row.payee = u"Local"_s;
        row.version = parts.at(1).mid(1).toInt();
        row.sync_status = syncStatusFromString(parts.at(0));
        row.server_id = u"srv-1"_s;
        row.created_at = row.updated_at = QDateTime::currentDateTimeUtc();
        QVERIFY(t.transactions->insert(row));
        if (parts.at(2) == u"deleted")
            QVERIFY(t.execute(u"UPDATE transactions SET deleted_at = '2024-02-01T00:00:00Z' WHERE id = ?"_s, {kLocal}));
    }
    if ((date.isEmpty() || date == u"soon") && deletedAt.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^applyTransactionChange: skipping server record with broken date"_s));
    const QJsonObject page{{u"transactions"_s, QJsonArray{serverTransaction(clientId, u"srv-1"_s, version, a.id, date, deletedAt)}},
                           {u"server_time"_s, u"7"_s}};
    const auto outcome = storeOf(t)->applyPage(page);
    QVERIFY2(outcome.ok, qPrintable(outcome.error));
    QCOMPARE(state(t, kLocal), expected);
    QCOMPARE(t.scalar(u"SELECT COUNT(*) FROM transactions"_s).toInt(), expected == u"absent" ? 0 : 1);
    QCOMPARE(t.preferences->value(SyncLocalStore::kCursorKey), u"7"_s);
}

void TestSync::pageIsWholeOrNothing()
{
    TestDatabase t;
    t.addAccount(u"A"_s);
    t.preferences->setValue(SyncLocalStore::kCursorKey, u"5"_s);
    QJsonObject bad = serverTransaction(u"t2"_s, u"s2"_s, 1, u"acc-2"_s);
    bad.insert(u"payee"_s, u"Bad"_s);
    const QJsonObject page{
        {u"accounts"_s, QJsonArray{QJsonObject{{u"id"_s, u"sa"_s}, {u"client_id"_s, u"acc-2"_s}, {u"name"_s, u"B"_s}, {u"version"_s, 1}}}},
        {u"transactions"_s, QJsonArray{serverTransaction(u"t1"_s, u"s1"_s, 1, u"acc-2"_s), bad}},
        {u"server_time"_s, u"9"_s}};
    QVERIFY(failWritesTo(t.database->connection(), u"transactions"_s, u"INSERT"_s, u"NEW.payee = 'Bad'"_s));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"TransactionRepository::insert failed"_s));
    const auto failed = storeOf(t)->applyPage(page);
    QVERIFY(!failed.ok);
    QVERIFY2(failed.error.contains(u"t2"_s), qPrintable(failed.error));
    QCOMPARE(t.scalar(u"SELECT COUNT(*) FROM transactions"_s).toInt(), 0);
    QCOMPARE(t.scalar(u"SELECT COUNT(*) FROM accounts"_s).toInt(), 1);
    QCOMPARE(t.preferences->value(SyncLocalStore::kCursorKey), u"5"_s);
    QVERIFY(t.execute(u"DROP TRIGGER fail_transactions_INSERT"_s));
    QVERIFY(storeOf(t)->applyPage(page).ok);
    QCOMPARE(t.scalar(u"SELECT COUNT(*) FROM transactions WHERE account_id = 'acc-2'"_s).toInt(), 2);
}

void TestSync::recurringKey_data()
{
    QTest::addColumn<bool>("withLongKey");
    QTest::addColumn<QString>("expected");
    QTest::newRow("recurring_transactions wins") << true << u"Long"_s;
    QTest::newRow("recurring when absent") << false << u"Short"_s;
}

void TestSync::recurringKey()
{
    QFETCH(bool, withLongKey);
    QFETCH(QString, expected);
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    const auto entry = [&](const QString &payee) {
        return QJsonArray{QJsonObject{{u"id"_s, payee}, {u"client_id"_s, payee}, {u"account_id"_s, a.id}, {u"payee"_s, payee},
                                      {u"version"_s, 1}, {u"start_date"_s, u"2024-01-01"_s}, {u"next_due_date"_s, u"2024-02-01"_s}}};
    };
    QJsonObject page{{u"recurring"_s, entry(u"Short"_s)}};
    if (withLongKey)
        page.insert(u"recurring_transactions"_s, entry(u"Long"_s));
    QVERIFY(storeOf(t)->applyPage(page).ok);
    QCOMPARE(t.scalar(u"SELECT group_concat(payee) FROM recurring_transactions"_s).toString(), expected);
}

void TestSync::pushResults_data()
{
    QTest::addColumn<QString>("meanwhile"); // what happens while the push is in flight
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("replaced");
    QTest::newRow("unchanged row synced at the server's version") << u""_s << u"ok"_s << u"P v3 synced live 2024-01-01"_s << 0;
    QTest::newRow("edited in flight stays pending") << u"edit"_s << u"ok"_s << u"Edited v3 pending live 2024-01-01"_s << 0;
    QTest::newRow("deleted in flight stays pending") << u"delete"_s << u"ok"_s << u"P v3 pending deleted 2024-01-01"_s << 0;
    QTest::newRow("refused row stays pending") << u""_s << u"error"_s << u"P v1 pending live 2024-01-01"_s << 0;
    QTest::newRow("conflict takes the server row") << u""_s << u"conflict"_s << u"Server v5 synced live 2024-05-01"_s << 1;
}

void TestSync::pushResults()
{
    QFETCH(QString, meanwhile);
    QFETCH(QString, status);
    QFETCH(QString, expected);
    QFETCH(int, replaced);
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    t.execute(u"UPDATE accounts SET sync_status = 'synced'"_s);
    const Transaction row = t.addTransaction(a.id, QDate(2024, 1, 1), u"P"_s, -100);
    SyncLocalStore *store = storeOf(t);
    const QJsonArray sent = store->pendingChanges();
    QCOMPARE(sent.size(), 1);
    Transaction changed = row;
    if (meanwhile == u"edit") {
        changed.payee = u"Edited"_s;
        QVERIFY(t.transactions->update(changed));
    } else if (meanwhile == u"delete") {
        QVERIFY(t.transactions->softDelete(row.id));
    }
    QJsonObject result{{u"status"_s, status}, {u"entity_type"_s, u"transaction"_s}, {u"entity_id"_s, row.id},
                       {u"server_id"_s, u"srv-9"_s}, {u"version"_s, 3}};
    if (status == u"conflict")
        result.insert(u"server_row"_s, serverTransaction(row.id, u"srv-9"_s, 5, a.id));
    else if (status == u"error")
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Push result not ok"_s));
    else if (status == u"conflict")
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Push conflict"_s));
    if (status == u"conflict")
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Push conflict"_s));
    const auto outcome = store->recordPushResults(sent, {result});
    QVERIFY2(outcome.ok, qPrintable(outcome.error));
    QCOMPARE(outcome.replaced, replaced);
    QString now = state(t, row.id);
    if (meanwhile == u"delete")
        now.replace(QRegularExpression(u" \\d{4}-\\d\\d-\\d\\dT\\S+"_s), u" deleted"_s);
    QCOMPARE(now, expected);
}

PENWICK_TEST_MAIN(TestSync)
#include "tst_sync.moc"
