// The account-service client against penwick-server on a loopback port: the
// API client and its token refresh, browser sign-in, and the account screen.
#include "testsupport.h"

#include "account/accountclient.h"
#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/filetokenstore.h"
#include "account/webauthhandler.h"
#include "app/appstate.h"
#include "ui/mainwindow.h"
#include "ui/screens/accountscreen.h"
#include "ui/statusbar.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"
#include "penwickserver.h"
#include "serverclient.h"
#include "serveroptions.h"

#include <QDesktopServices>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTcpServer>
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

// Stands in for the web browser while it lives: keeps the URL the program asks to open.
class Browser final : public QObject
{
    Q_OBJECT
public:
    Browser() { QDesktopServices::setUrlHandler(u"http"_s, this, "openUrl"); }
    ~Browser() override { QDesktopServices::unsetUrlHandler(u"http"_s); }
    QUrl opened;
public slots:
    void openUrl(const QUrl &url) { opened = url; }
};

QStringList messages;

void keepMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    messages.append(message);
}

// Answers the next input dialogs with these texts, one after the other.
void answerInputs(QStringList texts)
{
    if (texts.isEmpty())
        return;
    whenShown<QInputDialog>([texts](QInputDialog *dialog) mutable {
        dialog->setTextValue(texts.takeFirst());
        answerInputs(texts);
        dialog->accept();
    });
}

// The button with this text on one page of the account screen.
QPushButton *buttonIn(QWidget *screen, int page, const QString &text)
{
    QWidget *root = screen->findChild<QStackedWidget *>()->widget(page);
    for (QPushButton *button : root->findChildren<QPushButton *>())
        if (button->text() == text)
            return button;
    return nullptr;
}

QString statusOf(QWidget *screen)
{
    return screen->findChild<QLabel *>(u"accountStatus"_s)->text();
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
    VelmAccount::Client *makeClient(const QString &authBase = QString())
    {
        m_owner = std::make_unique<QObject>();
        ClientConfig config;
        config.authBaseUrl = authBase.isEmpty() ? serverUrl().toString(QUrl::StripTrailingSlash) : authBase;
        config.accountApiUrl = serverUrl(u"/account/v1"_s).toString();
        config.appId = u"org.velmora.penwick"_s;
        config.appVersion = u"1.0.8"_s;
        auto store = std::make_unique<MemoryTokenStore>();
        m_store = store.get();
        auto *client = new VelmAccount::Client(config, std::move(store), m_owner.get());
        m_tokens = client->tokenManager();
        return client;
    }
    // Plays the browser from the login URL to the redirect: the sign-up form
    // is posted with the page's own hidden fields; the redirect is followed
    // to the local listener, whose page is returned.
    ServerClient::Reply browse(const QUrl &loginUrl, const QString &email = u"ann@example.org"_s)
    {
        ServerClient server(m_server->url());
        const ServerClient::Reply page = server.send("GET", loginUrl.path(), {}, {}, "text/html", QUrlQuery(loginUrl));
        if (page.status != 200)
            return page;
        QUrlQuery form;
        static const QRegularExpression hidden(u"name=\"(\\w+)\" value=\"([^\"]*)\""_s);
        for (auto it = hidden.globalMatch(QString::fromUtf8(page.body.left(page.body.indexOf("</form>")))); it.hasNext();) {
            const auto match = it.next();
            form.addQueryItem(match.captured(1), QString::fromLatin1(QUrl::toPercentEncoding(match.captured(2))));
        }
        form.removeAllQueryItems(u"mode"_s);
        form.addQueryItem(u"mode"_s, u"signup"_s);
        form.addQueryItem(u"email"_s, QString::fromLatin1(QUrl::toPercentEncoding(email)));
        form.addQueryItem(u"password"_s, u"correct%20horse"_s);
        const ServerClient::Reply posted = server.send("POST", loginUrl.path(), form.toString(QUrl::FullyEncoded).toLatin1(),
                                                       {}, "application/x-www-form-urlencoded");
        if (posted.status != 302)
            return posted;
        return fetch(QUrl::fromEncoded(posted.location));
    }
    static ServerClient::Reply fetch(const QUrl &url)
    {
        QUrl origin = url.adjusted(QUrl::RemovePath | QUrl::RemoveQuery);
        return ServerClient(origin).send("GET", url.path(), {}, {}, "text/html", QUrlQuery(url));
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
        QTest::newRow("refresh unavailable keeps the tokens") << u"expired, refresh down"_s << true << u"/profile"_s << 0 << 1 << 0;
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
        const bool down = access.endsWith(u"down");
        if (down)
            setHooks({{u"fail_path"_s, u"/api/v1/realms/velmora/auth/token/refresh"_s}, {u"fail_status"_s, 503}});
        QSignalSpy required(m_api, &ApiClient::authenticationRequired);
        Answer a;
        const QUrl url(path);
        m_api->get(url.path() == u"/profile"_s ? u"/account/v1/profile"_s : url.path(), a.callback(), QUrlQuery(url.query()));
        QTRY_VERIFY(a.done);
        QCOMPARE(a.status, status);
        QCOMPARE(m_refreshCalls, refreshes);
        QCOMPARE(required.size(), authRequired);
        if (down) {
            QCOMPARE(m_tokens->refreshToken(), user.refresh);
            QVERIFY(!m_tokens->lastRefreshRejected());
        } else if (refreshes) {
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

    void refreshReplies_data()
    {
        QTest::addColumn<QString>("access");
        QTest::addColumn<QString>("refresh");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("keptRefresh");
        QTest::newRow("empty access token is a failure") << QString() << u"R2"_s << false << u"R1"_s;
        QTest::newRow("no refresh token keeps the old one") << u"fresh"_s << QString() << true << u"R1"_s;
        QTest::newRow("both replaced") << u"fresh"_s << u"R2"_s << true << u"R2"_s;
    }
    void refreshReplies()
    {
        QFETCH(QString, access);
        QFETCH(QString, refresh);
        QFETCH(bool, ok);
        QFETCH(QString, keptRefresh);
        makeClients(u"/__test"_s);
        // The new token already looks expired to a fast local clock; it is sent all the same.
        const QString returned = access.isEmpty() ? QString() : tokenExpiringIn(10);
        m_tokens->setRefreshFunction([&](const QString &, TokenManager::SuccessFunction onSuccess,
                                         TokenManager::FailureFunction) { onSuccess(returned, refresh); });
        m_tokens->setTokens(tokenExpiringIn(10), u"R1"_s);
        Answer a;
        m_api->get(u"/echo"_s, a.callback());
        QTRY_VERIFY(a.done);
        QCOMPARE(a.ok, ok);
        QCOMPARE(m_tokens->refreshToken(), keptRefresh);
        QCOMPARE(m_store->load(TokenStore::kRefreshTokenKey), std::optional<QString>(keptRefresh));
        if (ok)
            QCOMPARE(a.body[u"headers"_s][u"authorization"_s].toString(), u"Bearer "_s + returned);
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

    void browserSignIn()
    {
        Browser browser;
        VelmAccount::Client *client = makeClient();
        AuthClient *auth = client->authClient();
        auth->initialize();
        QSignalSpy succeeded(auth, &AuthClient::loginSucceeded);
        QSignalSpy claims(client, &VelmAccount::Client::claimsUpdated);
        messages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(keepMessage);
        auth->login();
        const QUrlQuery login(browser.opened);
        QCOMPARE(login.queryItemValue(u"redirect_uri"_s, QUrl::FullyDecoded), auth->redirectUri());
        QVERIFY(auth->redirectUri().startsWith(u"http://127.0.0.1:"_s));
        // A new sign-in closes the earlier listener first, so it gets the same port back.
        const QString firstUri = auth->redirectUri();
        auth->login();
        if (QUrl(firstUri).port() == WebAuthHandler::kPreferredPort)
            QCOMPARE(auth->redirectUri(), firstUri);
        QCOMPARE(login.queryItemValue(u"state"_s).size(), 32);
        const ServerClient::Reply page = browse(browser.opened);
        QTRY_COMPARE(succeeded.size(), 1);
        qInstallMessageHandler(previous);
        QVERIFY(page.body.contains("Authentication complete!"));
        QCOMPARE(auth->state(), Authenticated);
        QCOMPARE(claims.size(), 1);
        QVERIFY(!auth->userId().isEmpty());
        const QString refresh = m_tokens->refreshToken();
        QCOMPARE(m_store->load(TokenStore::kRefreshTokenKey), std::optional<QString>(refresh));
        for (const QString &message : std::as_const(messages))
            QVERIFY2(!message.contains(refresh) && !message.contains(m_tokens->accessToken()), qPrintable(message));
        // The device registers after sign-in, with this system's name.
        client->accountClient()->registerDevice();
        const auto devices = [&] {
            return ServerClient(m_server->url()).call("GET", u"/account/v1/devices"_s, {}, m_tokens->accessToken())
                .json[u"devices"_s].toArray();
        };
        QTRY_COMPARE(devices().size(), 1);
        QCOMPARE(devices().first()[u"platform"_s].toString(), AccountClient::platformName());
        QCOMPARE(devices().first()[u"device_fingerprint"_s].toString(), AccountClient::deviceFingerprint());
    }

    void listenerAcceptsOnlyItsRedirect()
    {
        Browser browser;
        // With the usual port taken the listener takes another one and says so.
        QTcpServer squatter;
        squatter.listen(QHostAddress::LocalHost, WebAuthHandler::kPreferredPort);
        AuthClient *auth = makeClient()->authClient();
        auth->initialize();
        auth->setLoginTimeout(3000);
        auth->login();
        const QUrl callback(auth->redirectUri());
        QVERIFY(callback.port() != WebAuthHandler::kPreferredPort);
        QVERIFY(browser.opened.toString(QUrl::FullyEncoded).contains(u"%3A"_s + QString::number(callback.port()) + u"%2Fcallback"_s));
        const QString state = QUrlQuery(browser.opened).queryItemValue(u"state"_s);
        QSignalSpy failed(auth, &AuthClient::loginFailed);
        const auto visit = [&](const QString &path, const QString &query) {
            QUrl url = callback;
            url.setPath(path);
            url.setQuery(query);
            return fetch(url);
        };
        QCOMPARE(visit(u"/other"_s, u"state="_s + state).status, 404);
        QCOMPARE(visit(u"/callback"_s, u"state=forged&access_token=A&refresh_token=R"_s).status, 404);
        QCOMPARE(failed.size(), 0);
        const ServerClient::Reply cancelled = visit(u"/callback"_s, u"state="_s + state + u"&error=access_denied"_s);
        QVERIFY(cancelled.body.contains("Authentication failed"));
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.first().first().toString(), u"No tokens received"_s);
        QCOMPARE(visit(u"/callback"_s, u"state="_s + state).status, 0); // the listener has stopped
        QCOMPARE(auth->state(), Unauthenticated);
        // A sign-in nobody finishes ends with its message.
        auth->setLoginTimeout(100);
        auth->login();
        QTRY_COMPARE(failed.size(), 2);
        QCOMPARE(failed.last().first().toString(), u"Sign-in timed out"_s);
    }

    void callbackTokens_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("fragment");
        QTest::addColumn<QString>("access"); // empty: refused
        QTest::newRow("query") << u"access_token=A&refresh_token=R&state=%1"_s << QString() << u"A"_s;
        QTest::newRow("fragment first") << u"access_token=Q&refresh_token=R&state=%1"_s
                                        << u"access_token=F&refresh_token=S&state=%1"_s << u"F"_s;
        QTest::newRow("access only") << u"access_token=A&state=%1"_s << QString() << QString();
        QTest::newRow("wrong state") << u"access_token=A&refresh_token=R&state=x%1"_s << QString() << QString();
    }
    void callbackTokens()
    {
        QFETCH(QString, query);
        QFETCH(QString, fragment);
        QFETCH(QString, access);
        Browser browser;
        AuthClient *auth = makeClient()->authClient();
        auth->initialize();
        auth->login();
        const QString state = QUrlQuery(browser.opened).queryItemValue(u"state"_s);
        QUrl url(auth->redirectUri());
        url.setQuery(query.arg(state));
        if (!fragment.isEmpty())
            url.setFragment(fragment.arg(state));
        QSignalSpy failed(auth, &AuthClient::loginFailed);
        auth->handleCallback(url);
        QCOMPARE(m_tokens->latestAccessToken(), access);
        QCOMPARE(auth->state(), access.isEmpty() ? Unauthenticated : Authenticated);
        QCOMPARE(failed.size(), access.isEmpty() ? 1 : 0);
    }

    void restoreAtStart_data()
    {
        QTest::addColumn<bool>("withAccess");
        QTest::addColumn<QString>("refresh"); // "valid", "revoked" or "offline"
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("keptTokens");
        QTest::newRow("unexpired access token") << true << u"offline"_s << int(Authenticated) << true;
        QTest::newRow("refresh token only") << false << u"valid"_s << int(Authenticated) << true;
        QTest::newRow("refused refresh token") << false << u"revoked"_s << int(Unauthenticated) << false;
        QTest::newRow("server unavailable") << false << u"offline"_s << int(Authenticated) << true;
    }
    void restoreAtStart()
    {
        QFETCH(bool, withAccess);
        QFETCH(QString, refresh);
        QFETCH(int, state);
        QFETCH(bool, keptTokens);
        const ServerClient::Tokens user = signUp();
        VelmAccount::Client *client = makeClient();
        if (withAccess)
            m_store->save(TokenStore::kAccessTokenKey, tokenExpiringIn(600));
        m_store->save(TokenStore::kRefreshTokenKey, refresh == u"revoked"_s ? u"unknown"_s : user.refresh);
        if (refresh == u"offline"_s)
            setHooks({{u"fail_path"_s, u"/api/v1/realms/velmora/auth/token/refresh"_s}, {u"fail_status"_s, 503}});
        QSignalSpy changes(client, &VelmAccount::Client::authStateChanged);
        client->initialize();
        // A usable token needs no server; otherwise the state waits for the refresh.
        QCOMPARE(client->authClient()->state(), withAccess ? Authenticated : Unknown);
        QTRY_COMPARE(int(client->authClient()->state()), state);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(m_store->entries().isEmpty(), !keptTokens);
    }

    void logoutIsFinal()
    {
        // Signed out: the sign-out still completes, with no state change.
        VelmAccount::Client *client = makeClient();
        AuthClient *auth = client->authClient();
        auth->initialize();
        QSignalSpy changes(auth, &AuthClient::stateChanged);
        QSignalSpy completed(auth, &AuthClient::logoutCompleted);
        auth->logout();
        QCOMPARE(completed.size(), 1);
        QCOMPARE(changes.size(), 0);
        // Signed in with an expired token: the sign-out's refresh answers late
        // and must not sign the user back in.
        const ServerClient::Tokens user = signUp();
        m_store->save(TokenStore::kAccessTokenKey, tokenExpiringIn(600));
        m_store->save(TokenStore::kRefreshTokenKey, user.refresh);
        auth->initialize();
        m_tokens->setTokens(tokenExpiringIn(10), user.refresh);
        setHooks({{u"delay_ms"_s, 200}});
        auth->logout();
        Answer probe;
        client->authApi()->postPublic(u"/auth/token/refresh"_s, {}, probe.callback());
        QTRY_VERIFY(probe.done);
        QCOMPARE(auth->state(), Unauthenticated);
        QVERIFY(m_store->entries().isEmpty());
        QVERIFY(m_tokens->refreshToken().isEmpty());
    }

    void fileStoreIsOwnerOnly()
    {
        const QString path = m_dir->filePath(u"data/account-tokens.json"_s);
        FileTokenStore store(path);
        QVERIFY(store.save(TokenStore::kAccessTokenKey, u"A"_s));
        QVERIFY(store.save(TokenStore::kRefreshTokenKey, u"R"_s));
        const auto userBits = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
        QCOMPARE(QFile::permissions(path) & ~userBits, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(FileTokenStore(path).load(TokenStore::kRefreshTokenKey), std::optional<QString>(u"R"_s));
        store.clear();
        QVERIFY(!QFile::exists(path));
        QCOMPARE(store.load(TokenStore::kAccessTokenKey), std::nullopt);
    }

    void relativeTimes_data()
    {
        QTest::addColumn<int>("secondsAgo");
        QTest::addColumn<QString>("text");
        QTest::newRow("59 s") << 59 << u"Active now"_s;
        QTest::newRow("3 h") << 3 * 3600 << u"3h ago"_s;
        QTest::newRow("8 days") << 8 * 86400 << QString();
    }
    void relativeTimes()
    {
        QFETCH(int, secondsAgo);
        QFETCH(QString, text);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const QDateTime then = now.addSecs(-secondsAgo);
        QCOMPARE(AccountScreen::relativeTime(then, now),
                 text.isEmpty() ? QLocale().toString(then.toLocalTime().date(), u"MMM d, yyyy"_s) : text);
        QCOMPARE(AccountScreen::shortUserAgent(QString(61, u'a')), QString(60, u'a') + u"..."_s);
    }

    // From the welcome page's button through the browser to the account
    // window, whose every action reaches the server.
    void signInAndManageAccount()
    {
        qputenv("AUTH_BASE_URL", serverUrl().toString(QUrl::StripTrailingSlash).toUtf8());
        qputenv("ACCOUNT_API_URL", serverUrl(u"/account/v1"_s).toString().toUtf8());
        qputenv("SYNC_API_URL", serverUrl(u"/penwick/v1"_s).toString().toUtf8());
        TestApp app;
        qunsetenv("AUTH_BASE_URL");
        qunsetenv("ACCOUNT_API_URL");
        qunsetenv("SYNC_API_URL");
        QVERIFY(app.isReady());
        MainWindow window(app.state());
        QVERIFY(showActive(&window));
        QCOMPARE(window.findChild<StatusBar *>()->syncText(), u"Not signed in"_s);
        Browser browser;
        QTest::mouseClick(window.findChild<QPushButton *>(u"signInButton"_s), Qt::LeftButton);
        QCOMPARE(browse(browser.opened).status, 200);
        VelmAccount::Client *client = app->accountClient();
        QTRY_VERIFY(client->isAuthenticated());
        QCOMPARE(window.currentPage(), int(MainWindow::EmptyStatePage));
        // The preferences name who is signed in; an account can be shared.
        window.showSettingsWindow();
        auto *syncStatus = window.findChild<QLabel *>(u"syncStatusLabel"_s);
        QTRY_VERIFY2(syncStatus->text().contains(u"ann@example.org"_s), qPrintable(syncStatus->text()));
        window.selectAccount(app.addAccount(u"Joint"_s).id);
        QString shares;
        whenShown<QDialog>([&shares](QDialog *dialog) {
            const auto *list = dialog->findChild<QListWidget *>();
            QTest::qWaitFor([&] { return list->item(0)->text() != u"Loading..."_s; }, 5000);
            shares = list->item(0)->text();
            dialog->reject();
        });
        window.showShareAccountDialog();
        QCOMPARE(shares, u"Not shared with anyone yet."_s);

        // Bob's group, which Ann joins from the screen with his code.
        ServerClient server(m_server->url());
        const ServerClient::Tokens bob = server.signIn(u"bob@example.org"_s, u"correct horse"_s, true, u"Bob"_s);
        const QString code = server.call("POST", u"/account/v1/group/invite"_s, {}, bob.access).json[u"invite_code"_s].toString();
        window.showVelmoraAccountScreen(AccountScreen::GroupPage);
        auto *screen = window.findChild<AccountScreen *>();
        QTRY_VERIFY(buttonIn(screen, AccountScreen::GroupPage, u"Join with Invite Code"_s));
        answerInputs({u"not-a-code"_s});
        buttonIn(screen, AccountScreen::GroupPage, u"Join with Invite Code"_s)->click();
        QTRY_COMPARE(statusOf(screen), u"Invalid or expired invite code."_s);
        answerInputs({code});
        buttonIn(screen, AccountScreen::GroupPage, u"Join with Invite Code"_s)->click();
        QTRY_COMPARE(statusOf(screen), u"Joined group."_s);
        QTRY_VERIFY(buttonIn(screen, AccountScreen::GroupPage, u"Leave Group"_s));
        QVERIFY(!buttonIn(screen, AccountScreen::GroupPage, u"Remove"_s));
        answerMessageBox(QMessageBox::Yes);
        buttonIn(screen, AccountScreen::GroupPage, u"Leave Group"_s)->click();
        QTRY_COMPARE(statusOf(screen), u"Left group."_s);

        // Ann founds her own group; Bob, having left his, joins it.
        QCOMPARE(server.call("POST", u"/account/v1/group/leave"_s, {}, bob.access).status, 200);
        const QString annCode =
            server.call("POST", u"/account/v1/group/invite"_s, {}, client->tokenManager()->accessToken()).json[u"invite_code"_s].toString();
        QCOMPARE(server.call("POST", u"/account/v1/group/join/"_s + annCode, {}, bob.access).status, 200);
        screen->refreshGroup();
        QTRY_VERIFY(buttonIn(screen, AccountScreen::GroupPage, u"Remove"_s));
        QVERIFY(!buttonIn(screen, AccountScreen::GroupPage, u"Leave Group"_s));
        QVERIFY(!buttonIn(screen, AccountScreen::DataPage, u"Delete Account"_s)->isEnabled());
        answerInputs({u"carol@example.org"_s});
        buttonIn(screen, AccountScreen::GroupPage, u"Invite by Email"_s)->click();
        QTRY_COMPARE(statusOf(screen), u"Invitation sent."_s);
        QTRY_VERIFY(buttonIn(screen, AccountScreen::GroupPage, u"Revoke"_s));
        buttonIn(screen, AccountScreen::GroupPage, u"Revoke"_s)->click();
        QTRY_COMPARE(statusOf(screen), u"Invitation revoked."_s);
        answerMessageBox(QMessageBox::Yes);
        buttonIn(screen, AccountScreen::GroupPage, u"Remove"_s)->click();
        QTRY_COMPARE(statusOf(screen), u"Bob removed."_s);
        QString shownCode;
        answerMessageBox(QMessageBox::Ok, &shownCode);
        QTRY_VERIFY(buttonIn(screen, AccountScreen::GroupPage, u"Generate Invite Code"_s));
        buttonIn(screen, AccountScreen::GroupPage, u"Generate Invite Code"_s)->click();
        QTRY_VERIFY(shownCode.startsWith(u"Share this code"_s));

        // Profile and password.
        screen->setPage(AccountScreen::ProfilePage);
        QTRY_COMPARE(screen->findChild<QLabel *>(u"displayNameLabel"_s)->text(), u"(not set)"_s);
        answerInputs({u"Ann"_s});
        buttonIn(screen, AccountScreen::ProfilePage, u"Edit Display Name"_s)->click();
        QTRY_COMPARE(statusOf(screen), u"Display name updated."_s);
        QCOMPARE(screen->findChild<QLabel *>(u"displayNameLabel"_s)->text(), u"Ann"_s);
        // Refused before anything is sent.
        for (const QStringList &typed : {QStringList{u"x"_s, u"short"_s}, {u"x"_s, u"new password"_s, u"other one"_s}}) {
            answerInputs(typed);
            buttonIn(screen, AccountScreen::ProfilePage, u"Change Password"_s)->click();
            QVERIFY(statusOf(screen).contains(typed.size() == 2 ? u"at least 8"_s : u"do not match"_s));
        }
        answerInputs({u"wrong password"_s, u"new password"_s, u"new password"_s});
        buttonIn(screen, AccountScreen::ProfilePage, u"Change Password"_s)->click();
        QTRY_COMPARE(statusOf(screen), u"Failed to change password."_s);
        answerInputs({u"correct horse"_s, u"new password"_s, u"new password"_s});
        buttonIn(screen, AccountScreen::ProfilePage, u"Change Password"_s)->click();
        QTRY_COMPARE(statusOf(screen), u"Password changed."_s);

        // Sessions and devices: a failure shows as one, never as success.
        server.signIn(u"ann@example.org"_s, u"new password"_s, false);
        screen->refreshSessions();
        QTRY_VERIFY(buttonIn(screen, AccountScreen::SecurityPage, u"Revoke"_s));
        buttonIn(screen, AccountScreen::SecurityPage, u"Revoke"_s)->click();
        QTRY_COMPARE(statusOf(screen), u"Session revoked."_s);
        const QString deviceId = server.call("GET", u"/account/v1/devices"_s, {}, client->tokenManager()->accessToken())
                                     .json[u"devices"_s][0][u"id"_s].toString();
        QVERIFY(!deviceId.isEmpty());
        setHooks({{u"fail_path"_s, u"/account/v1/group"_s}, {u"fail_status"_s, 500}});
        screen->refreshGroup();
        QTRY_COMPARE(statusOf(screen), u"Could not load your group."_s);
        setHooks({{u"fail_path"_s, u"/account/v1/devices"_s}, {u"fail_status"_s, 500}});
        screen->refreshDevices();
        QTRY_COMPARE(statusOf(screen), u"Could not load your devices."_s);
        setHooks({{u"fail_path"_s, QString(u"/account/v1/devices/"_s + deviceId)}, {u"fail_status"_s, 500}});
        screen->refreshDevices();
        QTRY_VERIFY(buttonIn(screen, AccountScreen::DevicesPage, u"Remove"_s));
        answerMessageBox(QMessageBox::Yes);
        buttonIn(screen, AccountScreen::DevicesPage, u"Remove"_s)->click();
        QTRY_COMPARE(statusOf(screen), u"Failed to remove the device."_s);
        setHooks({});
        QTRY_VERIFY(buttonIn(screen, AccountScreen::DevicesPage, u"Remove"_s)); // reloaded
        answerMessageBox(QMessageBox::Yes);
        buttonIn(screen, AccountScreen::DevicesPage, u"Remove"_s)->click();
        QTRY_COMPARE(statusOf(screen), u"Device removed."_s);

        // Deletion: only the exact word, and only for someone who owns no group.
        QCOMPARE(server.call("POST", u"/account/v1/group/leave"_s, {}, client->tokenManager()->accessToken()).status, 200);
        screen->refreshGroup();
        QTRY_VERIFY(buttonIn(screen, AccountScreen::DataPage, u"Delete Account"_s)->isEnabled());
        answerInputs({u"delete"_s});
        buttonIn(screen, AccountScreen::DataPage, u"Delete Account"_s)->click();
        QVERIFY(client->isAuthenticated());
        answerInputs({u"DELETE"_s});
        answerMessageBox(QMessageBox::Ok);
        buttonIn(screen, AccountScreen::DataPage, u"Delete Account"_s)->click();
        QTRY_VERIFY(!client->isAuthenticated());
        QCOMPARE(window.findChild<StatusBar *>()->syncText(), u"Not signed in"_s);
        QVERIFY(!screen->isVisible());
    }
};

PENWICK_TEST_MAIN(TestAccount)
#include "tst_account.moc"
