// Every endpoint the program calls, against every way penwick-server's fault
// hooks can spoil an answer: one failure, the tokens the rules allow, no row lost.
#include "testsupport.h"

#include "account/accountclient.h"
#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"
#include "penwickserver.h"
#include "serverclient.h"
#include "storage/transactionrepository.h"
#include "sync/accountsharingservice.h"
#include "sync/syncengine.h"
#include "update/client.h"

#include <QJsonArray>
#include <QLoggingCategory>

class TestHostileServer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<PenwickServer> m_server;
    std::unique_ptr<ServerClient> m_http;
    const QString m_shared = u"33333333-3333-4333-8333-333333333333"_s;

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(u"penwick.server.info=false"_s);
        ServerOptions o;
        o.port = 0;
        o.dataDir = m_dir.filePath(u"data"_s);
        o.updatesDir = m_dir.path();
        o.fastPasswordHashing = true;
        o.testHooks = true;
        m_server = std::make_unique<PenwickServer>(o);
        QString error;
        QVERIFY2(m_server->start(&error), qPrintable(error));
        m_http = std::make_unique<ServerClient>(m_server->url());
        // An account on the server, so its members can be listed.
        const QJsonObject account{{u"client_id"_s, m_shared}, {u"name"_s, u"Joint"_s}, {u"created_at"_s, u"2024-01-01T00:00:00Z"_s},
                                  {u"updated_at"_s, u"2024-01-01T00:00:00Z"_s}};
        const QJsonArray changes{QJsonObject{{u"entity_type"_s, u"account"_s}, {u"entity_id"_s, m_shared}, {u"action"_s, u"upsert"_s},
                                             {u"version"_s, 1}, {u"payload"_s, account}}};
        QCOMPARE(m_http->call("POST", u"/penwick/v1/sync/push"_s, {{u"changes"_s, changes}},
                              m_http->signIn(u"ann@example.org"_s, u"correct horse"_s, true).access).status, 200);
    }
    void cleanup() { QCOMPARE(m_http->call("POST", u"/__test/hooks"_s, {}, QString()).status, 200); }

    void spoiledAnswers_data()
    {
        QTest::addColumn<QString>("endpoint");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("fault");
        const QList<QPair<const char *, QString>> endpoints{{"refresh", u"/api/v1/realms/velmora/auth/token/refresh"_s},
            {"profile", u"/account/v1/profile"_s}, {"push", u"/penwick/v1/sync/push"_s}, {"pull", u"/penwick/v1/sync/pull"_s},
            {"sharing", u"/penwick/v1/accounts/%1/members"_s.arg(m_shared)}, {"update", u"/penwick/stable/latest.json"_s}};
        for (const auto &[endpoint, path] : endpoints)
            for (const char *fault : {"500", "401", "slow", "cut", "malformed", "huge", "wrong_types"})
                QTest::addRow("%s %s", endpoint, fault) << QString::fromLatin1(endpoint) << path << QString::fromLatin1(fault);
    }
    void spoiledAnswers()
    {
        QFETCH(QString, endpoint);
        QFETCH(QString, path);
        QFETCH(QString, fault);
        TestDatabase t;
        QVERIFY(t.isReady());
        const Account account = t.addAccount(u"Cash"_s);
        const QString before = describe(t.addTransaction(account.id, QDate(2024, 3, 1), u"Grocer"_s, -1234));
        VelmAccount::ClientConfig config;
        config.authBaseUrl = m_server->url().toString(QUrl::StripTrailingSlash);
        config.accountApiUrl = m_server->url().resolved(QUrl(u"/account/v1"_s)).toString();
        VelmAccount::Client client(config, std::make_unique<VelmAccount::MemoryTokenStore>());
        client.syncApi()->setBaseUrl(m_server->url().resolved(QUrl(u"/penwick/v1"_s)));
        for (VelmAccount::ApiClient *api : {client.authApi(), client.accountApi(), client.syncApi()}) {
            api->setTransferTimeout(500);
            api->setMaxReplyBytes(64 * 1024);
        }
        const auto user = m_http->signIn(u"ann@example.org"_s, u"correct horse"_s, false);
        client.tokenManager()->setTokens(user.access, user.refresh);
        QCOMPARE(m_http->call("POST", u"/__test/hooks"_s, {{u"fault_path"_s, path}, {u"fault"_s, fault},
                                                          {u"fault_delay_ms"_s, 4000}, {u"fault_bytes"_s, 300 * 1024}}, QString()).status, 200);
        int answers = 0, failed = 0;
        const auto answer = [&](bool ok) { ++answers; failed = !ok; };
        SyncEngine engine(client.syncApi(), t.accounts, t.transactions, t.categories, t.recurring, t.reconciliations,
                          t.preferences);
        AccountSharingService sharing(client.syncApi());
        VelmUpdate::Client updates({u"penwick"_s, u"stable"_s, m_server->url().resolved(QUrl(u"/penwick/stable/"_s)), u"1.0.8"_s, 500});
        connect(&engine, &SyncEngine::syncCompleted, this, [&] { answer(true); });
        connect(&engine, &SyncEngine::syncFailed, this, [&] { answer(false); });
        connect(&updates, &VelmUpdate::Client::checkFailed, this, [&] { answer(false); });
        connect(&updates, &VelmUpdate::Client::upToDate, this, [&] { answer(true); });
        if (endpoint == u"push"_s || endpoint == u"pull"_s)
            engine.syncNow();
        else if (endpoint == u"sharing"_s)
            sharing.listMembers(m_shared, [&](const QList<VelmAccount::ShareMember> &members) { answer(!members.isEmpty()); });
        else if (endpoint == u"update"_s)
            updates.check();
        else if (endpoint == u"refresh"_s)
            client.authClient()->refreshToken(answer);
        else
            client.accountClient()->getProfile([&](bool ok, const VelmAccount::Profile &) { answer(ok); });
        // Well before the slow answer would come: the client gave up by itself.
        QTRY_VERIFY_WITH_TIMEOUT(answers > 0, 3000);
        QCOMPARE(answers, 1);
        QVERIFY(failed);
        // Only a refused renewal signs out.
        QCOMPARE(client.tokenManager()->refreshToken().isEmpty(), endpoint == u"refresh"_s && fault == u"401"_s);
        if (endpoint == u"push"_s || endpoint == u"pull"_s) {
            QCOMPARE(engine.statusText(), u"Sync error"_s);
            QCOMPARE(t.transactions->findPending().size(), endpoint == u"push"_s ? 1 : 0);
        }
        QCOMPARE(t.transactions->findByAccount(account.id).size(), 1);
        QCOMPARE(describe(t.transactions->findByAccount(account.id).first()), before);
    }
};

PENWICK_TEST_MAIN(TestHostileServer)
#include "tst_hostileserver.moc"
