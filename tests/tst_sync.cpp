// Synchronisation: the local store fed with pages and push results directly,
// and the engine against a real penwick-server on 127.0.0.1.
#include "testsupport.h"

#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/dbtransaction.h"
#include "storage/preferencesrepository.h"
#include "storage/transactionrepository.h"
#include "storage/categoryrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "sync/syncengine.h"
#include "sync/synclocalstore.h"

#include "account/apiclient.h"
#include "app/appstate.h"
#include "account/client.h"
#include "sync/accountsharingservice.h"
#include "ui/sharemembersdialog.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"
#include "penwickserver.h"
#include "serverclient.h"

#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QListWidget>
#include <QNetworkAccessManager>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>

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

// One data directory with its own engine, open while the test uses it: the
// database lives on the default connection, so one device is open at a time.
struct Device
{
    QTemporaryDir dir;
    std::unique_ptr<QObject> owner;
    AccountRepository *accounts = nullptr;
    TransactionRepository *transactions = nullptr;
    PreferencesRepository *preferences = nullptr;
    RecurringRepository *recurring = nullptr;
    ReconciliationRepository *reconciliations = nullptr;
    VelmAccount::TokenManager *tokens = nullptr;
    SyncEngine *engine = nullptr;

    void open(const QUrl &sync, const QString &access)
    {
        owner = std::make_unique<QObject>();
        auto *db = new Database(owner.get());
        QVERIFY(db->open(dir.filePath(u"penwick.db"_s)) && db->runMigrations());
        accounts = new AccountRepository(db, owner.get());
        transactions = new TransactionRepository(db, owner.get());
        preferences = new PreferencesRepository(db, owner.get());
        tokens = new VelmAccount::TokenManager(std::make_unique<VelmAccount::MemoryTokenStore>(), owner.get());
        tokens->setTokens(access, QString());
        auto *api = new VelmAccount::ApiClient(tokens, owner.get());
        api->setBaseUrl(sync);
        recurring = new RecurringRepository(db, owner.get());
        reconciliations = new ReconciliationRepository(db, owner.get());
        engine = new SyncEngine(api, accounts, transactions, new CategoryRepository(db, owner.get()), recurring,
                                reconciliations, preferences, owner.get());
        engine->setUserProvider([this] {
            return VelmAccount::TokenManager::payload(tokens->accessToken()).value(u"sub"_s).toString();
        });
    }
    // One cycle (and the extra one it may schedule); the error, or empty on success.
    QString cycle(int expectedCycles = 1)
    {
        QSignalSpy done(engine, &SyncEngine::syncCompleted);
        QSignalSpy failed(engine, &SyncEngine::syncFailed);
        engine->syncNow();
        if (!QTest::qWaitFor([&] { return done.size() >= expectedCycles || !failed.isEmpty(); }, 60000))
            return u"timeout"_s;
        return failed.isEmpty() ? QString() : failed.first().first().toString();
    }
    // Live accounts, transactions, reconciliations and recurring entries, one line each, sorted.
    QStringList rows() const
    {
        QStringList out;
        for (const Account &a : accounts->findAll()) {
            out.append(a.id + u' ' + a.name);
            for (const Transaction &t : transactions->findByAccount(a.id))
                out.append(a.name + u' ' + t.id + u' ' + describe(t));
            for (const Reconciliation &r : reconciliations->findByAccount(a.id))
                out.append(u"reconciled %1 %2 %3"_s.arg(a.name, r.statement_date.toString(Qt::ISODate)).arg(r.statement_balance));
        }
        for (const RecurringTransaction &r : recurring->findAll())
            out.append(u"recurring %1 %2 %3"_s.arg(r.payee, r.next_due_date.toString(Qt::ISODate)).arg(r.amount));
        out.sort();
        return out;
    }
    int pending() const { return int(transactions->findPending().size() + accounts->findPending().size()); }
};

struct User
{
    QString email;
    QString access;
    QString refresh;
};

// The sign-in a program finds in its data directory when no keyring answers.
bool writeSignIn(const QString &dataDir, const User &user)
{
    QFile file(dataDir + u"/account-tokens.json"_s);
    return file.open(QIODevice::WriteOnly)
        && file.write(QJsonDocument(QJsonObject{{u"velmora_access_token"_s, user.access},
                                                {u"velmora_refresh_token"_s, user.refresh}}).toJson()) > 0;
}

// A program started from this test: its own data and settings, the test
// server's addresses, and no keyring.
QProcessEnvironment programEnvironment(const QString &dataDir, const QUrl &server)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const auto set = [&env](const char *name, const QString &value) { env.insert(QString::fromLatin1(name), value); };
    set("PENWICK_DATA_DIR", dataDir);
    set("XDG_CONFIG_HOME", dataDir + u"/config"_s);
    set("DBUS_SESSION_BUS_ADDRESS", u"unix:path=/nonexistent"_s);
    set("AUTH_BASE_URL", server.toString());
    set("ACCOUNT_API_URL", server.resolved(QUrl(u"/account/v1"_s)).toString());
    set("SYNC_API_URL", server.resolved(QUrl(u"/penwick/v1"_s)).toString());
    set("UPDATE_BASE_URL", server.resolved(QUrl(u"/no-updates/"_s)).toString());
    set("LC_ALL", u"C"_s);
    set("LANG", u"C"_s);
    env.remove(u"PENWICK_VERBOSE"_s);
    return env;
}

} // namespace

class TestSync : public QObject
{
    Q_OBJECT

    User newUser();
    // `owner` founds a family group that `member` joins; tokens refreshed for the new claims.
    void makeGroup(User &owner, User &member);
    void hooks(const QJsonObject &settings);
    QUrl syncUrl() const { return m_server->url().resolved(QUrl(u"/penwick/v1"_s)); }

    QTemporaryDir m_serverDir;
    std::unique_ptr<PenwickServer> m_server;
    std::unique_ptr<ServerClient> m_client;
    int m_users = 0;

private slots:
    void initTestCase();
    void cleanup();
    void cycleOutcomes_data();
    void cycleOutcomes();
    void batchesAndRejections();
    void requestsDuringCycles();
    void waitsForOpenTransactionAndFullSync();
    void pullStopsAfterFiftyPages();
    void convergence();
    void secondUserOnSameData();
    void sharing();
    void signedOutSyncsNothing();
    void commandLineSync_data();
    void commandLineSync();
    void twoAppProcesses();
    void applyRules_data();
    void applyRules();
    void unreadableAmountSkipped_data();
    void unreadableAmountSkipped();
    void pageIsWholeOrNothing();
    void largePageAsBatch();
    void recurringKey();
    void pushResults_data();
    void pushResults();
    void unknownCategoryGoesBack_data();
    void unknownCategoryGoesBack();
};

void TestSync::applyRules_data()
{
    // local: "" or "status vN live|deleted"; server: "client-id vN date deleted-at" (client L = the local
    // row's id, X = unknown; "-" = empty); expected: the row under the local id afterwards.
    QTest::addColumn<QString>("local");
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *name, const char *local, const char *server, const char *expected) {
        QTest::newRow(name) << QString::fromLatin1(local) << QString::fromLatin1(server) << QString::fromLatin1(expected);
    };
    row("new row inserted", "", "L v2 2024-05-01 -", "Server v2 synced live 2024-05-01");
    row("matched by server id", "synced v1 live", "X v2 2024-05-01 -", "Server v2 synced live 2024-05-01");
    row("lower version skipped", "synced v4 live", "L v3 2024-05-01 -", "Local v4 synced live 2024-01-01");
    row("equal version applied", "synced v4 live", "L v4 2024-05-01 -", "Server v4 synced live 2024-05-01");
    row("pending local change kept", "pending v1 live", "L v9 2024-05-01 -", "Local v1 pending live 2024-01-01");
    row("deletion of unknown row ignored", "", "L v2 2024-05-01 2024-06-01T08:00:00Z", "absent");
    row("deletion keeps server time", "synced v1 live", "L v2 2024-05-01 2024-06-01T08:00:00Z",
        "Server v2 synced 2024-06-01T08:00:00Z 2024-05-01");
    row("live row restores", "synced v1 deleted", "L v2 2024-05-01 -", "Server v2 synced live 2024-05-01");
    row("1924 is a date", "", "L v1 1924-03-05 -", "Server v1 synced live 1924-03-05");
    row("1999-12-31 is a date", "", "L v1 1999-12-31 -", "Server v1 synced live 1999-12-31");
    row("date-time gives its date", "", "L v1 2024-05-01T10:00:00Z -", "Server v1 synced live 2024-05-01");
    row("empty date skipped", "", "L v1 - -", "absent");
    row("no date skipped", "", "L v1 soon -", "absent");
    row("deletion with broken date applied", "synced v1 live", "L v2 - 2024-06-01T08:00:00Z",
        "Local v2 synced 2024-06-01T08:00:00Z 2024-01-01");
}

void TestSync::applyRules()
{
    QFETCH(QString, local);
    QFETCH(QString, server);
    QFETCH(QString, expected);
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    if (!local.isEmpty()) {
        const QStringList parts = local.split(u' ');
        Transaction row = insertTransaction(t.transactions, a.id, QDate(2024, 1, 1), u"Local"_s, -100);
        QVERIFY(t.execute(u"UPDATE transactions SET id = ?, version = ?, sync_status = ?, server_id = 'srv-1', deleted_at = ?"_s,
                          {kLocal, parts.at(1).mid(1).toInt(), parts.at(0), parts.at(2) == u"deleted" ? u"2024-02-01T00:00:00Z"_s : QVariant()}));
    }
    QStringList s = server.split(u' ').replaceInStrings(QRegularExpression(u"^-$"_s), QString());
    if ((s.at(2).isEmpty() || s.at(2) == u"soon") && s.at(3).isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^applyTransactionChange: skipping server record with broken date"_s));
    const QString clientId = s.at(0) == u"L" ? kLocal : u"unknown-id"_s;
    const QJsonObject page{{u"transactions"_s, QJsonArray{serverTransaction(clientId, u"srv-1"_s, s.at(1).mid(1).toInt(), a.id, s.at(2), s.at(3))}},
                           {u"server_time"_s, u"7"_s}};
    const auto outcome = storeOf(t)->applyPage(page);
    QVERIFY2(outcome.ok, qPrintable(outcome.error));
    QCOMPARE(state(t, kLocal), expected);
    QCOMPARE(t.scalar(u"SELECT COUNT(*) FROM transactions"_s).toInt(), expected == u"absent" ? 0 : 1);
    QCOMPARE(t.preferences->value(SyncLocalStore::kCursorKey), u"7"_s);
}

void TestSync::unreadableAmountSkipped_data()
{
    QTest::addColumn<QJsonValue>("amount");
    QTest::addColumn<bool>("stored");
    QTest::newRow("whole minor units") << QJsonValue(-500) << true;
    QTest::newRow("text") << QJsonValue(u"abc"_s) << false;
    QTest::newRow("fraction") << QJsonValue(12.5) << false;
    QTest::newRow("beyond the maximum") << QJsonValue(1e15) << false;
    QTest::newRow("missing") << QJsonValue(QJsonValue::Undefined) << false;
}

// Money that is not whole minor units is never stored as zero or rounded.
void TestSync::unreadableAmountSkipped()
{
    QFETCH(QJsonValue, amount);
    QFETCH(bool, stored);
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    QJsonObject row = serverTransaction(kLocal, u"srv-1"_s, 1, a.id);
    row.remove(u"amount"_s);
    if (!amount.isUndefined())
        row.insert(u"amount"_s, amount);
    if (!stored)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Pull: skipping server record with an unreadable amount"_s));
    QVERIFY(storeOf(t)->applyPage({{u"transactions"_s, QJsonArray{row}}, {u"server_time"_s, u"7"_s}}).ok);
    QCOMPARE(t.scalar(u"SELECT COUNT(*) FROM transactions"_s).toInt(), stored ? 1 : 0);
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

// A page large enough to be written as a batch keeps the per-row rules, stores
// what a small page stores, and leaves the full-text index exact either way.
void TestSync::largePageAsBatch()
{
    TestDatabase small;
    const Account sa = small.addAccount(u"A"_s);
    QVERIFY(storeOf(small)->applyPage({{u"transactions"_s, QJsonArray{serverTransaction(u"t0"_s, u"s0"_s, 1, sa.id)}}}).ok);

    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    QVERIFY(t.execute(u"UPDATE accounts SET id = ? WHERE id = ?"_s, {sa.id, a.id}));
    const Transaction pending = insertTransaction(t.transactions, sa.id, QDate(2024, 1, 1), u"Pending"_s, -100);
    const Transaction synced = insertTransaction(t.transactions, sa.id, QDate(2024, 1, 1), u"Old"_s, -100);
    QVERIFY(t.execute(u"UPDATE transactions SET sync_status = 'synced' WHERE id = ?"_s, {synced.id}));
    QJsonArray rows;
    for (int i = 0; i < 1200; ++i)
        rows.append(serverTransaction(u"t%1"_s.arg(i), u"s%1"_s.arg(i), 1, sa.id));
    rows.append(serverTransaction(pending.id, u"s-pending"_s, 9, sa.id));
    rows.append(serverTransaction(synced.id, u"s-synced"_s, 9, sa.id));
    QJsonObject bad = serverTransaction(u"bad"_s, u"s-bad"_s, 1, sa.id);
    bad.insert(u"payee"_s, u"Bad"_s);
    rows.append(bad);
    const QJsonObject page{{u"transactions"_s, rows}, {u"server_time"_s, u"9"_s}};
    const auto ftsIntact = [&t] {
        return t.execute(u"INSERT INTO transactions_fts(transactions_fts, rank) VALUES ('integrity-check', 1)"_s);
    };

    QVERIFY(failWritesTo(t.database->connection(), u"transactions"_s, u"INSERT"_s, u"NEW.payee = 'Bad'"_s));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"TransactionRepository::insert failed"_s));
    QVERIFY(!storeOf(t)->applyPage(page).ok);
    QCOMPARE(t.scalar(u"SELECT COUNT(*) FROM transactions"_s).toInt(), 2);
    QVERIFY(ftsIntact());
    QVERIFY(t.execute(u"DROP TRIGGER fail_transactions_INSERT"_s));

    const auto outcome = storeOf(t)->applyPage(page);
    QVERIFY2(outcome.ok, qPrintable(outcome.error));
    QCOMPARE(outcome.written, 1202);
    QVERIFY(ftsIntact());
    QCOMPARE(state(t, pending.id), u"Pending v1 pending live 2024-01-01"_s);
    QCOMPARE(state(t, synced.id), u"Server v9 synced live 2024-05-01"_s);
    QCOMPARE(t.scalar(u"SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH 'Server'"_s).toInt(), 1201);
    QCOMPARE(t.scalar(u"SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH 'Old'"_s).toInt(), 0);
    const QString row = u"SELECT quote(id) || quote(account_id) || quote(date) || quote(payee) || quote(memo) || "
                        "quote(amount) || quote(category_id) || quote(check_number) || quote(cleared) || "
                        "quote(transfer_link_id) || quote(is_split) || quote(recurring_id) || quote(version) || "
                        "quote(sync_status) || quote(server_id) || quote(created_at) || quote(updated_at) || "
                        "quote(deleted_at) FROM transactions WHERE id = 't0'"_s;
    QCOMPARE(t.scalar(row).toString(), small.scalar(row).toString());
}

void TestSync::recurringKey()
{
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    const auto entry = [&](const QString &payee) {
        return QJsonArray{QJsonObject{{u"client_id"_s, payee}, {u"account_id"_s, a.id}, {u"payee"_s, payee}, {u"amount"_s, -100}, {u"version"_s, 1},
                                      {u"start_date"_s, u"2024-01-01"_s}, {u"next_due_date"_s, u"2024-02-01"_s}}};
    };
    QVERIFY(storeOf(t)->applyPage({{u"recurring"_s, entry(u"Short"_s)}, {u"recurring_transactions"_s, entry(u"Long"_s)}}).ok);
    QCOMPARE(t.scalar(u"SELECT group_concat(payee) FROM recurring_transactions"_s).toString(), u"Long"_s);
    QVERIFY(storeOf(t)->applyPage({{u"recurring"_s, entry(u"Short"_s)}}).ok);
    QCOMPARE(t.scalar(u"SELECT group_concat(payee) FROM recurring_transactions"_s).toString(), u"Long,Short"_s);
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
    QTest::newRow("results not stored: still pending") << u"fail"_s << u"ok"_s << u"P v1 pending live 2024-01-01"_s << 0;
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
    if (meanwhile == u"edit")
        QVERIFY(t.execute(u"UPDATE transactions SET payee = 'Edited'"_s));
    else if (meanwhile == u"delete")
        QVERIFY(t.transactions->softDelete(row.id));
    else if (meanwhile == u"fail")
        QVERIFY(failWritesTo(t, u"transactions"_s, u"UPDATE"_s));
    QJsonObject result{{u"status"_s, status}, {u"entity_type"_s, u"transaction"_s}, {u"entity_id"_s, row.id},
                       {u"server_id"_s, u"srv-9"_s}, {u"version"_s, 3}};
    if (status == u"conflict")
        result.insert(u"server_row"_s, serverTransaction(row.id, u"srv-9"_s, 5, a.id));
    if (status != u"ok")
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Push (result not ok|conflict)"_s));
    const auto outcome = store->recordPushResults(sent, {result});
    QCOMPARE(outcome.ok, meanwhile != u"fail");
    QCOMPARE(outcome.replaced, replaced);
    QString now = state(t, row.id);
    if (meanwhile == u"delete")
        now.replace(QRegularExpression(u" \\d{4}-\\d\\d-\\d\\dT\\S+"_s), u" deleted"_s);
    QCOMPARE(now, expected);
}

void TestSync::unknownCategoryGoesBack_data()
{
    // The member's edits in turn: a category ("local": one of its own, "": none), or "push" (accepted).
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QString>("sent");
    QTest::newRow("edit without a category keeps the owner's") << QStringList{QString()} << u"owners"_s;
    QTest::newRow("a chosen category goes out") << QStringList{u"local"_s} << u"local"_s;
    QTest::newRow("a choice undone before it left") << QStringList{u"local"_s, QString()} << u"owners"_s;
    QTest::newRow("cleared after a pushed choice") << QStringList{u"local"_s, u"push"_s, QString()} << QString();
}

void TestSync::unknownCategoryGoesBack()
{
    QFETCH(QStringList, edits);
    QFETCH(QString, sent);
    TestDatabase t;
    const Account a = t.addAccount(u"A"_s);
    const QString local = t.addCategory(u"Mine"_s).id;
    QJsonObject shared = serverTransaction(kLocal, u"srv-1"_s, 2, a.id);
    shared.insert(u"category_id"_s, u"owners"_s);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Pull: unknown category owners"_s));
    SyncLocalStore *store = storeOf(t);
    QVERIFY(store->applyPage({{u"transactions"_s, QJsonArray{shared}}}).ok);
    QVERIFY(t.transactions->findById(kLocal)->category_id.isEmpty());
    const QList<SyncLocalStore::ChangeKey> key{{u"transaction"_s, kLocal}};
    for (const QString &edit : std::as_const(edits)) {
        Transaction row = *t.transactions->findById(kLocal);
        if (edit == u"push") {
            const QJsonObject ok{{u"status"_s, u"ok"_s}, {u"entity_type"_s, u"transaction"_s},
                                 {u"entity_id"_s, kLocal}, {u"server_id"_s, u"srv-1"_s}};
            QVERIFY(store->recordPushResults(store->changesFor(key), {ok}).ok);
            continue;
        }
        row.category_id = edit == u"local" ? local : edit;
        row.payee = u"Edited"_s;
        row.sync_status = SyncStatus::Pending;
        QVERIFY(t.transactions->update(row));
    }
    QCOMPARE(store->changesFor(key).first()[u"payload"_s][u"category_id"_s].toString(), sent == u"local" ? local : sent);
}

void TestSync::initTestCase()
{
    QLoggingCategory::setFilterRules(u"penwick.server.info=false"_s);
    ServerOptions o;
    o.port = 0;
    o.dataDir = m_serverDir.filePath(u"data"_s);
    o.secret = "test-secret-0123456789-abcdefghijklmnop";
    o.fastPasswordHashing = true;
    o.testHooks = true;
    m_server = std::make_unique<PenwickServer>(o);
    QString error;
    QVERIFY2(m_server->start(&error), qPrintable(error));
    m_client = std::make_unique<ServerClient>(m_server->url());
}

void TestSync::cleanup()
{
    hooks({});
}

User TestSync::newUser()
{
    const QString email = u"user%1@example.org"_s.arg(++m_users);
    const auto t = m_client->signIn(email, u"correct horse"_s, true, email);
    return {email, t.access, t.refresh};
}

void TestSync::hooks(const QJsonObject &settings)
{
    QCOMPARE(m_client->call("POST", u"/__test/hooks"_s, settings, QString()).status, 200);
}

void TestSync::cycleOutcomes_data()
{
    QTest::addColumn<int>("pendingRows");
    QTest::addColumn<QJsonObject>("serverHooks");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("pulled");
    QTest::addColumn<int>("pendingAfter");
    const QJsonObject failPush{{u"fail_path"_s, u"/penwick/v1/sync/push"_s}};
    QTest::newRow("nothing pending goes straight to the pull") << 0 << failPush << QString() << true << 0;
    QTest::newRow("push 500 ends without a pull") << 2 << failPush << u"Push failed (HTTP 500)"_s << false << 3;
    QTest::newRow("pull 500 keeps the cursor") << 2 << QJsonObject{{u"fail_path"_s, u"/penwick/v1/sync/pull"_s}}
                                               << u"Pull failed (HTTP 500)"_s << false << 0;
    QTest::newRow("has_more without a new cursor fails") << 2 << QJsonObject{{u"stale_cursor"_s, true}}
        << u"The server announced more changes without a new sync position."_s << false << 0;
}

void TestSync::cycleOutcomes()
{
    QFETCH(int, pendingRows);
    QFETCH(QJsonObject, serverHooks);
    QFETCH(QString, error);
    QFETCH(bool, pulled);
    QFETCH(int, pendingAfter);
    Device d;
    d.open(syncUrl(), newUser().access);
    const Account a = insertAccount(d.accounts, u"A"_s);
    for (int i = 0; i < pendingRows; ++i)
        insertTransaction(d.transactions, a.id, QDate(2024, 1, 1), u"P"_s, -100);
    if (pendingRows == 0)
        d.accounts->markSynced(a.id, QString());
    hooks(serverHooks);
    QCOMPARE(d.cycle(), error);
    QCOMPARE(d.engine->state(), error.isEmpty() ? SyncEngine::Idle : SyncEngine::Error);
    QCOMPARE(!d.preferences->value(SyncLocalStore::kCursorKey).isEmpty(), pulled);
    QCOMPARE(d.pending(), pendingAfter);
}

void TestSync::batchesAndRejections()
{
    Device d;
    d.open(syncUrl(), newUser().access);
    const Account a = insertAccount(d.accounts, u"A"_s);
    QStringList rows;
    for (int i = 0; i < 1200; ++i)
        rows.append(insertTransaction(d.transactions, a.id, QDate(2024, 1, 1), u"P%1"_s.arg(i), -100).id);
    QVERIFY(d.transactions->softDelete(rows.first()));
    hooks({{u"reject_ids"_s, QJsonArray{rows.at(7)}}});
    QTest::ignoreMessage(QtInfoMsg, "Pushing 1201 changes (in batches of 500 )");
    QTest::ignoreMessage(QtInfoMsg, "Push batch: 500 changes, 701 remaining");
    QTest::ignoreMessage(QtInfoMsg, "Push batch: 500 changes, 201 remaining");
    QTest::ignoreMessage(QtInfoMsg, "Push batch: 201 changes, 0 remaining");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Push result not ok .* "_s + rows.at(7)));
    QTest::ignoreMessage(QtWarningMsg, "Push batch: 499 ok, 1 errors — failed records remain pending for next sync");
    QCOMPARE(d.cycle(), QString());
    QCOMPARE(d.transactions->findPending().size(), 1);
    QCOMPARE(d.transactions->findPending().first().id, rows.at(7));
    // The deletion reached the server with its time.
    const auto page = m_client->send("GET", u"/penwick/v1/sync/pull"_s, {}, d.tokens->accessToken(), "application/json",
                                     QUrlQuery{{u"limit"_s, u"2"_s}});
    QCOMPARE(page.json.value(u"transactions"_s)[0][u"deleted_at"_s].toString(),
             d.transactions->findById(rows.first())->deleted_at->toString(Qt::ISODate));
}

void TestSync::requestsDuringCycles()
{
    Device d;
    d.open(syncUrl(), newUser().access);
    QSignalSpy done(d.engine, &SyncEngine::syncCompleted);
    QCOMPARE(d.engine->statusText(), u"Not synced yet"_s);
    d.engine->syncNow();
    d.engine->syncNow(); // while syncing: one more cycle, not two
    d.engine->syncNow();
    QVERIFY(QTest::qWaitFor([&] { return done.size() == 2; }, 10000));
    // A third cycle would be queued by now and start on the next events.
    QCoreApplication::processEvents();
    QCOMPARE(d.engine->state(), SyncEngine::Idle);
    QCOMPARE(done.size(), 2);
    QCOMPARE(d.engine->statusText(), u"Synced"_s);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 10; ++i) {
        d.engine->requestSync();
        QTest::qWait(150);
    }
    QVERIFY(QTest::qWaitFor([&] { return done.size() == 3; }, 10000));
    QVERIFY(clock.elapsed() >= 1350 + SyncEngine::kDebounceMs);
    QCoreApplication::processEvents();
    QCOMPARE(d.engine->state(), SyncEngine::Idle);
    QCOMPARE(done.size(), 3);
}

void TestSync::waitsForOpenTransactionAndFullSync()
{
    Device d;
    d.open(syncUrl(), newUser().access);
    insertTransaction(d.transactions, insertAccount(d.accounts, u"A"_s).id, QDate(2024, 1, 1), u"P"_s, -100);
    QSignalSpy done(d.engine, &SyncEngine::syncCompleted);
    QSignalSpy replies(d.owner->findChild<QNetworkAccessManager *>(), &QNetworkAccessManager::finished);
    d.engine->syncNow();
    {
        // An import holding its transaction while the push's answer comes in.
        DbTransaction import(QSqlDatabase::database());
        QVERIFY(QTest::qWaitFor([&] { return !replies.isEmpty(); }, 10000));
        QCoreApplication::processEvents();
        QCOMPARE(d.engine->state(), SyncEngine::Syncing);
        QCOMPARE(d.pending(), 2);
        hooks({{u"delay_ms"_s, 300}});
        QVERIFY(import.commit());
    }
    // Pressed during the cycle: it takes effect when the next one starts.
    d.engine->forceFullSync();
    QTest::ignoreMessage(QtInfoMsg, QRegularExpression(u"^Force Full Sync: marked pending — accounts: 1 .* transactions: 1 "_s));
    QVERIFY(QTest::qWaitFor([&] { return done.size() == 2; }, 10000));
    QCOMPARE(d.pending(), 0);
    QVERIFY(!d.preferences->value(SyncLocalStore::kCursorKey).isEmpty());
}

void TestSync::pullStopsAfterFiftyPages()
{
    const User user = newUser();
    Device writer;
    writer.open(syncUrl(), user.access);
    const Account a = insertAccount(writer.accounts, u"A"_s);
    for (int i = 0; i < 59; ++i)
        insertTransaction(writer.transactions, a.id, QDate(2024, 1, 1), u"P%1"_s.arg(i), -100);
    QCOMPARE(writer.cycle(), QString());
    writer.owner.reset();
    Device reader;
    reader.open(syncUrl(), user.access);
    hooks({{u"page_cut"_s, 1}});
    QList<qsizetype> rowsAfterCycle;
    connect(reader.engine, &SyncEngine::syncCompleted, this, [&] { rowsAfterCycle.append(reader.rows().size()); });
    QCOMPARE(reader.cycle(2), QString());
    QCOMPARE(rowsAfterCycle, (QList<qsizetype>{50, 60}));
}

void TestSync::makeGroup(User &owner, User &member)
{
    const auto invitation = m_client->call("POST", u"/account/v1/group/invite"_s, {}, owner.access);
    const QString code = invitation.json.value(u"invite_code"_s).toString();
    QCOMPARE(m_client->call("POST", u"/account/v1/group/join/"_s + code, {}, member.access).status, 200);
    for (User *user : {&owner, &member}) {
        const auto r = m_client->call("POST", u"/api/v1/realms/velmora/auth/token/refresh"_s,
                                      {{u"refresh_token"_s, user->refresh}}, QString());
        user->access = r.json.value(u"access_token"_s).toString();
        user->refresh = r.json.value(u"refresh_token"_s).toString();
    }
}

namespace {
void edit(Device &d, const QString &id, const QString &payee, const QString &memo = QString(), bool raiseVersion = true)
{
    Transaction t = *d.transactions->findById(id);
    t.payee = payee.isEmpty() ? t.payee : payee;
    t.memo = memo;
    t.version += raiseVersion ? 1 : 0;
    t.sync_status = SyncStatus::Pending;
    t.updated_at = QDateTime::currentDateTimeUtc();
    QVERIFY(d.transactions->update(t));
}
} // namespace

void TestSync::convergence()
{
    User owner = newUser(), member = newUser();
    makeGroup(owner, member);
    Device a, b, c; // a and b: the owner's two computers; c: the family member's
    const QDate day(2024, 3, 1);
    a.open(syncUrl(), owner.access);
    const Account joint = insertAccount(a.accounts, u"Joint"_s);
    const Transaction rent = insertTransaction(a.transactions, joint.id, day, u"Rent"_s, -1000);
    const Transaction gas = insertTransaction(a.transactions, joint.id, day, u"Gas"_s, -200);
    const Account own = insertAccount(a.accounts, u"Own"_s);
    insertTransaction(a.transactions, own.id, day, u"Private"_s, -5);
    insertRecurring(a.recurring, own.id, u"Allowance"_s, -700, QDate(2024, 4, 1));
    Reconciliation statement;
    statement.id = newId();
    statement.account_id = own.id;
    statement.statement_date = QDate(2024, 3, 31);
    statement.statement_balance = statement.reconciled_balance = -5;
    statement.completed_at = statement.created_at = statement.updated_at = QDateTime(day, QTime(9, 0), Qt::UTC);
    QVERIFY(a.reconciliations->insert(statement));
    QCOMPARE(a.cycle(), QString());
    QCOMPARE(m_client->call("POST", u"/penwick/v1/accounts/%1/share"_s.arg(joint.id), {{u"user_id"_s, member.email}},
                            owner.access).status, 201);
    edit(a, rent.id, u"Rent A"_s); // offline on a
    a.owner.reset();
    b.open(syncUrl(), owner.access);
    QCOMPARE(b.cycle(), QString());
    edit(b, rent.id, u"Rent B"_s); // the same row, offline on b: a reaches the server first
    QVERIFY(b.transactions->softDelete(gas.id));
    b.owner.reset();
    c.open(syncUrl(), member.access);
    QCOMPARE(c.cycle(), QString());
    QCOMPARE(c.rows().size(), 3);
    insertTransaction(c.transactions, joint.id, day, u"Groceries"_s, -300);
    c.owner.reset();

    int replaced = 0;
    for (int round = 0; round < 2; ++round) {
        for (Device *d : {&a, &b, &c}) {
            d->open(syncUrl(), d == &c ? member.access : owner.access);
            QSignalSpy replacedSpy(d->engine, &SyncEngine::changesReplaced);
            QCOMPARE(d->cycle(), QString());
            replaced += replacedSpy.isEmpty() ? 0 : replacedSpy.first().first().toInt();
            if (round == 1 && d == &a) {
                // A restore on a; an edit made while the push is in flight survives.
                QVERIFY(a.transactions->findById(gas.id)->deleted_at.has_value());
                QCOMPARE(a.transactions->restoreByAccount(joint.id, u"2000"_s), 1);
                hooks({{u"delay_ms"_s, 400}});
                QTimer::singleShot(0, d->engine, [&a, &rent] { edit(a, rent.id, QString(), u"late"_s, false); });
                QCOMPARE(a.cycle(), QString());
                hooks({});
                QCOMPARE(a.pending(), 1);
                QCOMPARE(a.cycle(), QString());
            }
            d->owner.reset();
        }
    }
    QCOMPARE(replaced, 1);
    QStringList finals[3];
    for (int i = 0; i < 3; ++i) {
        Device *d = std::array<Device *, 3>{&a, &b, &c}[i];
        d->open(syncUrl(), i == 2 ? member.access : owner.access);
        QCOMPARE(d->cycle(), QString());
        finals[i] = d->rows();
        d->owner.reset();
    }
    QCOMPARE(finals[1], finals[0]);
    QCOMPARE(finals[2], finals[0].filter(QRegularExpression(u"^(Joint|%1) "_s.arg(joint.id))));
    QCOMPARE(finals[0].filter(u"Rent"_s), QStringList{u"Joint %1 2024-03-01|Rent A|-1000|late||"_s.arg(rent.id)});
    QCOMPARE(finals[0].filter(QRegularExpression(u"Gas|Groceries|Private"_s)).size(), 3);
    QVERIFY(finals[1].contains(u"recurring Allowance 2024-04-01 -700"_s));
    QVERIFY(finals[1].contains(u"reconciled Own 2024-03-31 -5"_s));
}

void TestSync::secondUserOnSameData()
{
    const User first = newUser(), second = newUser();
    Device d;
    d.open(syncUrl(), first.access);
    insertTransaction(d.transactions, insertAccount(d.accounts, u"A"_s).id, QDate(2024, 1, 1), u"Mine"_s, -100);
    QCOMPARE(d.cycle(), QString());
    d.open(syncUrl(), second.access);
    QSignalSpy mismatch(d.engine, &SyncEngine::ownerMismatchFound);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Sync: the register belongs to another account"_s));
    d.engine->syncNow();
    QCOMPARE(mismatch.size(), 1);
    QCOMPARE(d.engine->state(), SyncEngine::Idle);
    d.engine->keepLocalForCurrentUser();
    d.engine->syncNow();
    QCOMPARE(d.engine->statusText(), u"Not synced: this register belongs to another account"_s);
    const auto serverRows = [&](const User &u) {
        const auto page = m_client->send("GET", u"/penwick/v1/sync/pull"_s, {}, u.access, "application/json", {});
        return page.json.value(u"transactions"_s).toArray().size() + page.json.value(u"accounts"_s).toArray().size();
    };
    QCOMPARE(serverRows(second), 0);
    QSignalSpy done(d.engine, &SyncEngine::syncCompleted);
    d.engine->startOverForCurrentUser();
    QVERIFY(QTest::qWaitFor([&] { return !done.isEmpty(); }, 10000));
    QCOMPARE(serverRows(second), 2);
    QCOMPARE(serverRows(first), 2);
    QCOMPARE(d.pending(), 0);
}

void TestSync::sharing()
{
    User owner = newUser(), member = newUser();
    makeGroup(owner, member);
    Device d;
    d.open(syncUrl(), owner.access);
    const Account joint = insertAccount(d.accounts, u"Joint"_s);
    QCOMPARE(d.cycle(), QString());
    VelmAccount::ClientConfig config;
    config.accountApiUrl = m_server->url().resolved(QUrl(u"/account/v1"_s)).toString();
    VelmAccount::Client client(config, std::make_unique<VelmAccount::MemoryTokenStore>());
    client.tokenManager()->setTokens(owner.access, owner.refresh);
    client.syncApi()->setBaseUrl(syncUrl());
    AccountSharingService service(client.syncApi());
    QString error;
    service.shareWith(joint.id, u"stranger@example.org"_s, QString(), [&](bool, const QString &e) { error = e; });
    QVERIFY(QTest::qWaitFor([&] { return !error.isEmpty(); }, 5000));
    QCOMPARE(error, u"Accounts can only be shared with members of your family group."_s);

    VelmAccount::ShareMembersDialog dialog(&client, &service, joint.id, {});
    auto *list = dialog.findChild<QListWidget *>();
    auto *combo = dialog.findChild<QComboBox *>();
    const auto button = [&](const QString &text) {
        const auto buttons = dialog.findChildren<QPushButton *>();
        return *std::find_if(buttons.begin(), buttons.end(), [&](QPushButton *b) { return b->text() == text; });
    };
    const auto rows = [&] {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out.append(list->item(i)->text());
        return out;
    };
    const QStringList empty{u"Not shared with anyone yet."_s};
    const QString memberText = u"%1 (%1)"_s.arg(member.email);
    QVERIFY(QTest::qWaitFor([&] { return rows() == empty && combo->currentText() == memberText; }, 5000));
    QCOMPARE(combo->count(), 1); // the owner is not offered
    QSignalSpy changed(&dialog, &VelmAccount::ShareMembersDialog::sharingChanged);
    QTest::mouseClick(button(u"Share"_s), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return rows() == QStringList{memberText}; }, 5000));
    QCOMPARE(combo->currentText(), u"All group members already added"_s);
    QVERIFY(!combo->isEnabled());
    list->setCurrentRow(0);
    answerMessageBox(QMessageBox::Yes);
    QTest::mouseClick(button(u"Remove Selected"_s), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return rows() == empty && combo->isEnabled(); }, 5000));
    QCOMPARE(changed.size(), 2);
}

void TestSync::signedOutSyncsNothing()
{
    TestApp app;
    QVERIFY(app.isReady());
    app.addAccount(u"A"_s);
    app->syncEngine()->syncNow();
    QCOMPARE(app->syncEngine()->state(), SyncEngine::Idle);
    QCOMPARE(app->syncEngine()->statusText(), u"Not synced yet"_s);
}

void TestSync::commandLineSync_data()
{
    QTest::addColumn<bool>("serverUp");
    QTest::addColumn<bool>("signedIn");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // standard output on success, else standard error
    QTest::newRow("one cycle") << true << true << 0 << u"Sync complete\n"_s;
    QTest::newRow("server unreachable") << false << true << 1 << u"penwick-cli: Sync failed: Push failed (HTTP 0)\n"_s;
    QTest::newRow("signed out") << true << false << 1 << u"penwick-cli: Not signed in: sign in from Penwick first.\n"_s;
}

void TestSync::commandLineSync()
{
    QFETCH(bool, serverUp);
    QFETCH(bool, signedIn);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QTemporaryDir dir;
    const User user = newUser();
    QVERIFY(!signedIn || writeSignIn(dir.path(), user));
    QProcess cli;
    cli.setProcessEnvironment(programEnvironment(dir.path(), serverUp ? m_server->url() : QUrl(u"http://127.0.0.1:1"_s)));
    cli.start(QStringLiteral(PENWICK_CLI_PATH), {u"sync"_s});
    // The server answers in this process: wait in the event loop.
    QVERIFY(QTest::qWaitFor([&] { return cli.state() == QProcess::NotRunning; }, 60000));
    const QString out = QString::fromUtf8(cli.readAllStandardOutput());
    const QString err = QString::fromUtf8(cli.readAllStandardError()).remove(QRegularExpression(u"^WARN: No keyring.*\n"_s));
    QCOMPARE(cli.exitCode(), exitCode);
    QCOMPARE(exitCode ? err : out, output);
    QCOMPARE(exitCode ? out : err, QString());
    // The new register's categories reached the server.
    const auto page = m_client->send("GET", u"/penwick/v1/sync/pull"_s, {}, user.access);
    QCOMPARE(page.json.value(u"categories"_s).toArray().isEmpty(), exitCode != 0);
}

namespace {

// One `penwick` window on the virtual display, its data directory read beside it.
struct AppProcess
{
    QTemporaryDir dir;
    QProcess process;

    QString query(const QString &sql)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, dir.path());
        db.setDatabaseName(dir.filePath(u"penwick.db"_s));
        QString value;
        if (db.open()) {
            QSqlQuery q(sql, db);
            value = q.next() ? q.value(0).toString() : QString();
        }
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(dir.path());
        return value;
    }
    // The payees of the synced transactions, sorted.
    QString synced()
    {
        return query(u"SELECT group_concat(payee) FROM (SELECT payee FROM transactions WHERE amount = -1234 "
                     "AND sync_status = 'synced' AND deleted_at IS NULL ORDER BY payee)"_s);
    }
    // Focuses this window, then runs the xdotool commands (and types `text`) as
    // keyboard input, not sent to the window, which may be gone before the keys are up.
    bool keys(const QString &commands, const QString &text = QString())
    {
        const QStringList focus{u"search"_s, u"--all"_s, u"--onlyvisible"_s, u"--pid"_s,
                                QString::number(process.processId()), u"--name"_s, u"^Velmora Penwick$"_s,
                                u"windowraise"_s, u"%1"_s, u"windowfocus"_s, u"--sync"_s, u"%1"_s, u"sleep"_s, u"0.3"_s};
        const QStringList input = commands.split(u' ') + (text.isEmpty() ? QStringList() : QStringList{text});
        return QProcess::execute(u"xdotool"_s, focus) == 0 && QProcess::execute(u"xdotool"_s, input) == 0;
    }
};

} // namespace

void TestSync::twoAppProcesses()
{
    if (qEnvironmentVariableIsEmpty("PENWICK_XVFB"))
        QSKIP("Runs as tst_sync_apps, on a virtual display");
    const User user = newUser();
    AppProcess apps[2];
    {
        // The first device's register holds an account, already on the server.
        Device first;
        first.open(syncUrl(), user.access);
        insertAccount(first.accounts, u"Household"_s);
        QCOMPARE(first.cycle(), QString());
        first.owner.reset();
        for (const QString &file : QDir(first.dir.path()).entryList(QDir::Files))
            QVERIFY(QFile::copy(first.dir.filePath(file), apps[0].dir.filePath(file)));
    }
    const QString payees[2] = {u"Alder Market"_s, u"Birch Books"_s};
    for (AppProcess &app : apps) {
        const auto session = m_client->signIn(user.email, u"correct horse"_s, false);
        QVERIFY(writeSignIn(app.dir.path(), {user.email, session.access, session.refresh}));
        QProcessEnvironment env = programEnvironment(app.dir.path(), m_server->url());
        env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        app.process.setProcessEnvironment(env);
        app.process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        app.process.start(QStringLiteral(PENWICK_APP_PATH));
        // Started, synced and showing the account's register.
        QVERIFY(QTest::qWaitFor([&] {
            return !app.query(u"SELECT value FROM preferences WHERE key = 'lastViewedAccountId'"_s).isEmpty();
        }, 30000));
    }
    // Each enters a transaction with the keyboard (File > New Transaction, Tab
    // to the payee and on to the payment; xdotool types the rest of its command
    // line); it is pushed after the debounce, and the second device's cycle
    // brings it the first row.
    for (int i = 0; i < 2; ++i) {
        QVERIFY(apps[i].keys(u"key alt+f sleep 0.3 key n sleep 0.3 key Tab Tab type"_s, payees[i]));
        QVERIFY(apps[i].keys(u"key Tab Tab Tab type 12.34"_s));
        QVERIFY(apps[i].keys(u"key ctrl+Return"_s));
        QVERIFY2(QTest::qWaitFor([&] { return apps[i].synced().contains(payees[i]); }, 30000), qPrintable(payees[i]));
    }
    const QString both = payees[0] + u',' + payees[1];
    QVERIFY(QTest::qWaitFor([&] { return apps[1].synced() == both; }, 30000));
    // The first device's next cycle: Sync Now on the preferences' Data & Sync page.
    QVERIFY(apps[0].keys(u"key alt+e sleep 0.3 key p sleep 1 key Down Down Tab space"_s));
    QVERIFY(QTest::qWaitFor([&] { return apps[0].synced() == both; }, 30000));
    for (AppProcess &app : apps) {
        QVERIFY(app.keys(u"key ctrl+q"_s));
        QVERIFY(QTest::qWaitFor([&] { return app.process.state() == QProcess::NotRunning; }, 20000));
        QCOMPARE(app.process.exitCode(), 0);
    }
}

PENWICK_TEST_MAIN(TestSync)
#include "tst_sync.moc"
