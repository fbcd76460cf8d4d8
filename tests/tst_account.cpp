// The account-service client against penwick-server on a loopback port: the
// API client and its token refresh, browser sign-in, and the account screen.
#include "testsupport.h"

#include "account/apiclient.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"
#include "penwickserver.h"
#include "serverclient.h"
#include "serveroptions.h"

#include <QJsonDocument>
#include <QLoggingCategory>

using namespace VelmAccount;

namespace {

struct Answer
{
    bool done = false;
    bool ok = false;
    int status = -1;
    QJsonObject body;
    int calls = 0;

    ApiClient::ResponseCallback callback()
    {
        return [this](bool o, int s, const QJsonObject &b) {
            ++calls;
            done = true;
            ok = o;
            status = s;
            body = b;
        };
    }
};

// An unsigned token with this payload: readable by the client, refused by the server.
QString fakeToken(const QJsonObject &payload)
{
    return u"e30."_s + QString::fromLatin1(QJsonDocument(payload).toJson(QJsonDocument::Compact)
                                              .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals))
        + u".sig"_s;
}

QString tokenExpiringIn(qint64 seconds)
{
    return fakeToken({{u"exp"_s, double(QDateTime::currentSecsSinceEpoch() + seconds)}});
}

} // namespace

class TestAccount : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<PenwickServer> m_server;
    std::unique_ptr<QObject> m_owner;
    MemoryTokenStore *m_store = nullptr;
    TokenManager *m_tokens = nullptr;
    ApiClient *m_auth = nullptr;
    ApiClient *m_api = nullptr;
    int m_refreshCalls = 0;
    int m_refreshAnswers = 0;

    void startServer(int accessTokenSeconds = 900)
    {
        ServerOptions o;
        o.port = 0;
        o.dataDir = m_dir->filePath(u"server"_s);
        o.secret = "test-secret-0123456789-abcdefghijklmnop";
        o.fastPasswordHashing = true;
        o.testHooks = true;
        o.accessTokenSeconds = accessTokenSeconds;
        m_server = std::make_unique<PenwickServer>(o);
        QString error;
        QVERIFY2(m_server->start(&error), qPrintable(error));
    }
    QUrl serverUrl(const QString &path = QString()) const
    {
        QUrl url = m_server->url();
        url.setPath(path);
        return url;
    }
    ServerClient::Tokens signUp(const QString &email = u"ann@example.org"_s)
    {
        ServerClient client(m_server->url());
        return client.signIn(email, u"correct horse"_s, true, u"Ann"_s);
    }
    // A token manager with the real refresh call and an API client on `base`.
    void makeClients(const QString &basePath = u"/account/v1"_s)
    {
        m_owner = std::make_unique<QObject>();
        auto store = std::make_unique<MemoryTokenStore>();
        m_store = store.get();
        m_tokens = new TokenManager(std::move(store), m_owner.get());
        m_auth = new ApiClient(m_tokens, m_owner.get());
        m_auth->setBaseUrl(serverUrl(u"/api/v1/realms/velmora"_s));
        m_api = new ApiClient(m_tokens, m_owner.get());
        m_api->setBaseUrl(serverUrl(basePath));
        m_api->setAppInfo(u"org.velmora.penwick"_s, u"1.0.8"_s, QString());
        m_refreshCalls = 0;
        m_refreshAnswers = 0;
        m_tokens->setRefreshFunction([this](const QString &refresh, TokenManager::SuccessFunction ok,
                                            TokenManager::FailureFunction fail) {
            ++m_refreshCalls;
            m_auth->postPublic(u"/auth/token/refresh"_s, {{u"refresh_token"_s, refresh}},
                               [this, ok, fail](bool success, int status, const QJsonObject &body) {
                                   ++m_refreshAnswers;
                                   if (success)
                                       ok(body.value(u"access_token"_s).toString(), body.value(u"refresh_token"_s).toString());
                                   else
                                       fail(status == 400 || status == 401);
                               });
        });
    }
    void setHooks(const QJsonObject &hooks)
    {
        ServerClient client(m_server->url());
        QCOMPARE(client.call("POST", u"/__test/hooks"_s, hooks, QString()).status, 200);
    }

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(u"penwick.server.info=false"_s); }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        startServer();
    }
    void cleanup()
    {
        m_owner.reset();
        m_server.reset();
        m_dir.reset();
    }

    void requestShape_data()
    {
        QTest::addColumn<QString>("basePath");
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QJsonObject>("body");
        QTest::addColumn<QString>("sentBody");
        QTest::newRow("empty post sends no body") << u"/__test"_s << QByteArray("POST") << QJsonObject() << QString();
        QTest::newRow("compact json") << u"/__test"_s << QByteArray("PATCH") << QJsonObject{{u"a"_s, 1}} << u"{\"a\":1}"_s;
        QTest::newRow("no base path") << QString() << QByteArray("DELETE") << QJsonObject() << QString();
    }
    void requestShape()
    {
        QFETCH(QString, basePath);
        QFETCH(QByteArray, method);
        QFETCH(QJsonObject, body);
        QFETCH(QString, sentBody);
        makeClients(basePath);
        m_tokens->setTokens(tokenExpiringIn(600), u"r"_s);
        Answer a;
        const QString path = basePath.isEmpty() ? u"/__test/echo"_s : u"/echo"_s;
        if (method == "POST")
            m_api->post(path, body, a.callback());
        else if (method == "PATCH")
            m_api->patch(path, body, a.callback());
        else
            m_api->deleteResource(path, a.callback());
        QTRY_VERIFY(a.done);
        QVERIFY(a.ok);
        const QJsonObject headers = a.body[u"headers"_s].toObject();
        QCOMPARE(a.body[u"method"_s].toString(), QString::fromLatin1(method));
        QCOMPARE(a.body[u"path"_s].toString(), u"/__test/echo"_s);
        QCOMPARE(a.body[u"body"_s].toString(), sentBody);
        QCOMPARE(headers[u"content-type"_s].toString(), u"application/json"_s);
        QCOMPARE(headers[u"accept"_s].toString(), u"application/json"_s);
        QCOMPARE(headers[u"x-app-id"_s].toString(), u"org.velmora.penwick"_s);
        QVERIFY(!headers.contains(u"x-platform"_s));
        QCOMPARE(headers[u"authorization"_s].toString(), u"Bearer "_s + m_tokens->accessToken());
    }

    void replyShapes_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("keys");
        QTest::newRow("204") << u"status=204"_s << true << 204 << 0;
        QTest::newRow("array body") << u"raw=[1,2]"_s << true << 200 << 0;
        QTest::newRow("error body reaches caller") << u"status=409&raw={\"error\":\"x\"}"_s << false << 409 << 1;
        QTest::newRow("oversized reply") << u"size=5000"_s << false << 0 << 0;
        QTest::newRow("redirect within origin") << u"status=307&location=/__test/echo?status=204"_s << true << 204 << 0;
        QTest::newRow("redirect to another host") << u"status=307&location=http://localhost:1/__test/echo"_s << false << 0 << 0;
    }
    void replyShapes()
    {
        QFETCH(QString, query);
        QFETCH(bool, ok);
        QFETCH(int, status);
        QFETCH(int, keys);
        makeClients(u"/__test"_s);
        m_api->setMaxReplyBytes(4000);
        Answer a;
        QSignalSpy networkErrors(m_api, &ApiClient::networkError);
        m_api->get(u"/echo"_s, a.callback(), QUrlQuery(query));
        QTRY_VERIFY(a.done);
        QCOMPARE(a.ok, ok);
        QCOMPARE(a.status, status);
        QCOMPARE(a.body.size(), keys);
        QCOMPARE(networkErrors.size(), status == 0 ? 1 : 0);
        QCOMPARE(a.calls, 1);
    }

    void refusesUnsafeRequests()
    {
        makeClients();
        // Plain HTTP off this machine would carry the token in clear: nothing is sent.
        m_api->setBaseUrl(QUrl(u"http://192.0.2.1/account/v1"_s));
        m_tokens->setTokens(tokenExpiringIn(600), u"r"_s);
        Answer a;
        m_api->get(u"/profile"_s, a.callback());
        QVERIFY(a.done);
        QCOMPARE(a.status, 0);
        // An id can never step into another path.
        QCOMPARE(ApiClient::pathSegment(u"../profile"_s), u"%2E%2E%2Fprofile"_s);
        // A server that stops answering ends the request.
        m_api->setBaseUrl(serverUrl(u"/__test"_s));
        m_api->setTransferTimeout(300);
        setHooks({{u"delay_ms"_s, 3000}});
        Answer slow;
        m_api->get(u"/echo"_s, slow.callback());
        QTRY_VERIFY_WITH_TIMEOUT(slow.done, 2500);
        QCOMPARE(slow.status, 0);
    }

    void refreshAndResend_data()
    {
        QTest::addColumn<QString>("access");
        QTest::addColumn<bool>("withRefreshToken");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("refreshes");
        QTest::addColumn<int>("authRequired");
        // Usable to the client, refused by the server: one refresh, one resend.
        QTest::newRow("401 then resend") << u"forged"_s << true << u"/profile"_s << 200 << 1 << 0;
        QTest::newRow("second 401 returned") << u"forged"_s << true << u"/__test/echo?status=401"_s << 401 << 1 << 0;
        QTest::newRow("expired: refresh first") << u"expired"_s << true << u"/profile"_s << 200 << 1 << 0;
        QTest::newRow("no refresh token") << u"expired"_s << false << u"/profile"_s << 401 << 0 << 1;
    }
    void refreshAndResend()
    {
        QFETCH(QString, access);
        QFETCH(bool, withRefreshToken);
        QFETCH(QString, path);
        QFETCH(int, status);
        QFETCH(int, refreshes);
        QFETCH(int, authRequired);
        const ServerClient::Tokens user = signUp();
        makeClients(QString());
        m_tokens->setTokens(access == u"forged"_s ? tokenExpiringIn(600) : tokenExpiringIn(10),
                            withRefreshToken ? user.refresh : QString());
        QSignalSpy required(m_api, &ApiClient::authenticationRequired);
        Answer a;
        const QUrl url(path);
        m_api->get(url.path() == u"/profile"_s ? u"/account/v1/profile"_s : url.path(), a.callback(), QUrlQuery(url.query()));
        QTRY_VERIFY(a.done);
        QCOMPARE(a.status, status);
        QCOMPARE(m_refreshCalls, refreshes);
        QCOMPARE(required.size(), authRequired);
        if (refreshes) {
            QVERIFY(m_tokens->refreshToken() != user.refresh);
            QCOMPARE(m_store->load(TokenStore::kRefreshTokenKey), std::optional<QString>(m_tokens->refreshToken()));
        }
    }

    void concurrentRequestsShareOneRefresh()
    {
        const ServerClient::Tokens user = signUp();
        makeClients();
        m_tokens->setTokens(tokenExpiringIn(10), user.refresh);
        Answer a[3];
        QList<int> order;
        for (int i = 0; i < 3; ++i)
            m_tokens->refresh([&order, i](bool ok) { order.append(ok ? i : -1); });
        for (Answer &answer : a)
            m_api->get(u"/profile"_s, answer.callback());
        QTRY_VERIFY(a[0].done && a[1].done && a[2].done);
        QCOMPARE(m_refreshCalls, 1);
        QCOMPARE(order, (QList<int>{0, 1, 2}));
        for (const Answer &answer : a)
            QCOMPARE(answer.status, 200);
    }

    void transientRefreshFailureKeepsTokens()
    {
        const ServerClient::Tokens user = signUp();
        makeClients();
        m_tokens->setTokens(tokenExpiringIn(10), user.refresh);
        setHooks({{u"fail_path"_s, u"/api/v1/realms/velmora/auth/token/refresh"_s}, {u"fail_status"_s, 503}});
        QSignalSpy required(m_api, &ApiClient::authenticationRequired);
        Answer a;
        m_api->get(u"/profile"_s, a.callback());
        QTRY_VERIFY(a.done);
        QCOMPARE(a.status, 0);
        QCOMPARE(required.size(), 0);
        QCOMPARE(m_tokens->refreshToken(), user.refresh);
        QVERIFY(!m_tokens->lastRefreshRejected());
    }

    void staleRefreshIsDiscarded()
    {
        // Signing out while a refresh is in flight: its answer must not sign back in.
        const ServerClient::Tokens user = signUp();
        makeClients();
        m_tokens->setTokens(tokenExpiringIn(10), user.refresh);
        setHooks({{u"delay_ms"_s, 300}});
        bool result = true;
        bool ended = false;
        m_tokens->refresh([&](bool ok) { result = ok; ended = true; });
        m_tokens->clearTokens();
        QVERIFY(ended);
        QVERIFY(!result);
        QTRY_COMPARE(m_refreshAnswers, 1);
        QVERIFY(m_tokens->refreshToken().isEmpty());
        QVERIFY(m_store->entries().isEmpty());
    }

    void expiryAndClaims_data()
    {
        QTest::addColumn<QString>("token"); // empty: one expiring `expiresIn` seconds from now
        QTest::addColumn<int>("expiresIn");
        QTest::addColumn<bool>("usable");
        QTest::newRow("29 s ahead") << QString() << 29 << false;
        QTest::newRow("31 s ahead") << QString() << 31 << true;
        QTest::newRow("one part") << u"abc"_s << 0 << false;
        QTest::newRow("not base64 json") << u"a.%%%.c"_s << 0 << false;
        QTest::newRow("no exp") << fakeToken({{u"sub"_s, u"u"_s}}) << 0 << false;
    }
    void expiryAndClaims()
    {
        QFETCH(QString, token);
        QFETCH(int, expiresIn);
        QFETCH(bool, usable);
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        if (token.isEmpty())
            token = fakeToken({{u"exp"_s, double(now + expiresIn)}});
        QCOMPARE(TokenManager::isUsable(token, now), usable);
        const QString withClaims = fakeToken(
            {{u"custom"_s, QJsonObject{{u"vel"_s, QJsonObject{{u"group_id"_s, u"g1"_s}, {u"role"_s, u"owner"_s}}}}}});
        QCOMPARE(TokenManager::claims(withClaims).role, u"owner"_s);
        QCOMPARE(TokenManager::claims(token).groupId, QString());
    }
};

PENWICK_TEST_MAIN(TestAccount)
#include "tst_account.moc"
