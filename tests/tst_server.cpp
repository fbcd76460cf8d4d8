// The sync and account server, started in-process on an ephemeral loopback
// port and driven over HTTP. With PENWICK_TEST_POSTGRES set (ctest's
// tst_server_postgres, under pg_virtualenv) the same cases run on PostgreSQL.
#include "penwickserver.h"
#include "serverclient.h"
#include "serveroptions.h"
#include "tokensigner.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString kAuth = QStringLiteral("/api/v1/realms/velmora");
const QString kAccount = QStringLiteral("/account/v1");
const QString kSync = QStringLiteral("/penwick/v1");
const QByteArray kSecret = "test-secret-0123456789-abcdefghijklmnop";

struct User
{
    QString id;
    QString access;
    QString refresh;
};

QStringList list(const char *items)
{
    return QString::fromLatin1(items).split(u' ', Qt::SkipEmptyParts);
}

QJsonObject claimsOf(const QString &token)
{
    const QByteArray part = token.toLatin1().split('.').value(1);
    return QJsonDocument::fromJson(QByteArray::fromBase64(part, QByteArray::Base64UrlEncoding)).object();
}

QJsonObject change(const QString &type, const QString &id, int version, QJsonObject payload = {},
                   const QString &action = QStringLiteral("upsert"))
{
    payload.insert(QStringLiteral("client_id"), id);
    return {{QStringLiteral("entity_type"), type}, {QStringLiteral("entity_id"), id},
            {QStringLiteral("action"), action}, {QStringLiteral("version"), version},
            {QStringLiteral("payload"), payload}};
}

// Client ids of every row in a pull page, in delivery order, as "type:id".
QStringList pageIds(const QJsonObject &page)
{
    QStringList ids;
    for (const char *key : {"accounts", "categories", "recurring_transactions", "transactions", "reconciliations"}) {
        const QJsonArray rows = page.value(QLatin1String(key)).toArray();
        for (const QJsonValue &row : rows)
            ids.append(QLatin1String(key).left(3) + u':' + row[QStringLiteral("client_id")].toString()
                       + (row[QStringLiteral("deleted_at")].toString().isEmpty() ? QString() : QStringLiteral("-")));
    }
    return ids;
}

} // namespace

class TestServer final : public QObject
{
    Q_OBJECT

private:
    void start(ServerOptions options = {});
    ServerOptions defaults() const;
    User newUser(const QString &email, const QString &name = QString());
    ServerClient::Reply push(const User &user, const QJsonArray &changes);
    ServerClient::Reply pull(const User &user, const QString &since, int limit);
    QStringList pullAll(const User &user, int limit, QString *cursor = nullptr);
    // Owner founds a group; each member joins it. Tokens are refreshed so the claims are current.
    void makeGroup(User &owner, QList<User *> members);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<PenwickServer> m_server;
    std::unique_ptr<ServerClient> m_client;

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void signInPage_data();
    void signInPage();
    void refreshRotation();
    void protectedRoutes_data();
    void protectedRoutes();
    void throttlesFailedSignIns();
    void userEndpoints();
    void restartKeepsUsersAndSecret();
    void devices();
    void groupRoles();
    void hostileRequests_data();
    void hostileRequests();
    void updateFiles_data();
    void updateFiles();

    void pagingAndCursor();
    void parentsComeFirst();
    void versions_data();
    void versions();
    void deletions();
    void perRecordErrors();
    void sharing();
    void testHooks();
    void https();
};

ServerOptions TestServer::defaults() const
{
    ServerOptions o;
    o.port = 0;
    o.dataDir = m_dir->filePath(QStringLiteral("data"));
    o.secret = kSecret;
    o.fastPasswordHashing = true;
    o.maxBodyBytes = 256 * 1024;
    o.updatesDir = m_dir->filePath(QStringLiteral("updates"));
    if (qEnvironmentVariableIsSet("PENWICK_TEST_POSTGRES"))
        o.database = QStringLiteral("postgresql://");
    return o;
}

void TestServer::start(ServerOptions options)
{
    if (options.dataDir.isEmpty())
        options = defaults();
    m_client.reset();
    m_server.reset();
    m_server = std::make_unique<PenwickServer>(options);
    QString error;
    QVERIFY2(m_server->start(&error), qPrintable(error));
    m_client = std::make_unique<ServerClient>(m_server->url());
}

void TestServer::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QLoggingCategory::setFilterRules(QStringLiteral("penwick.server.info=false"));
    if (qEnvironmentVariableIsSet("PENWICK_TEST_POSTGRES"))
        qInfo("running on PostgreSQL at %s:%s", qgetenv("PGHOST").constData(), qgetenv("PGPORT").constData());
}

void TestServer::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    if (qEnvironmentVariableIsSet("PENWICK_TEST_POSTGRES")) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("reset"));
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("DROP SCHEMA public CASCADE")));
            QVERIFY(q.exec(QStringLiteral("CREATE SCHEMA public")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("reset"));
    }
    QDir().mkpath(m_dir->filePath(QStringLiteral("updates/penwick/stable")));
    QDir().mkpath(m_dir->filePath(QStringLiteral("updates/penwick/1.0.8")));
    QFile manifest(m_dir->filePath(QStringLiteral("updates/penwick/stable/latest.json")));
    QVERIFY(manifest.open(QIODevice::WriteOnly) && manifest.write("{\"schema\":1}") > 0);
    manifest.close();
    QFile hidden(m_dir->filePath(QStringLiteral("updates/penwick/.secret")));
    QVERIFY(hidden.open(QIODevice::WriteOnly) && hidden.write("no") > 0);
    hidden.close();
    QFile::link(QStringLiteral("/etc/hostname"), m_dir->filePath(QStringLiteral("updates/penwick/escape")));
    start();
}

void TestServer::cleanup()
{
    m_client.reset();
    m_server.reset();
    m_dir.reset();
}

User TestServer::newUser(const QString &email, const QString &name)
{
    const ServerClient::Tokens t = m_client->signIn(email, QStringLiteral("correct horse"), true, name);
    return {claimsOf(t.access).value(QStringLiteral("sub")).toString(), t.access, t.refresh};
}

ServerClient::Reply TestServer::push(const User &user, const QJsonArray &changes)
{
    return m_client->call("POST", kSync + QStringLiteral("/sync/push"), {{QStringLiteral("changes"), changes}}, user.access);
}

ServerClient::Reply TestServer::pull(const User &user, const QString &since, int limit)
{
    QUrlQuery query;
    if (!since.isEmpty())
        query.addQueryItem(QStringLiteral("since"), since);
    query.addQueryItem(QStringLiteral("limit"), QString::number(limit));
    return m_client->send("GET", kSync + QStringLiteral("/sync/pull"), {}, user.access, "application/json", query);
}

QStringList TestServer::pullAll(const User &user, int limit, QString *cursor)
{
    QStringList ids;
    QString since = cursor ? *cursor : QString();
    for (int page = 0; page < 100; ++page) {
        const auto reply = pull(user, since, limit);
        if (reply.status != 200)
            return {QStringLiteral("HTTP %1").arg(reply.status)};
        ids += pageIds(reply.json);
        since = reply.json.value(QStringLiteral("server_time")).toString();
        if (!reply.json.value(QStringLiteral("has_more")).toBool())
            break;
    }
    if (cursor)
        *cursor = since;
    return ids;
}

void TestServer::makeGroup(User &owner, QList<User *> members)
{
    for (User *member : members) {
        const auto invitation = m_client->call("POST", kAccount + QStringLiteral("/group/invite"), {}, owner.access);
        QCOMPARE(invitation.status, 201);
        const QString code = invitation.json.value(QStringLiteral("invite_code")).toString();
        QCOMPARE(m_client->call("POST", kAccount + QStringLiteral("/group/join/") + code, {}, member->access).status, 200);
    }
    for (User *user : members + QList<User *>{&owner}) {
        const auto r = m_client->call("POST", kAuth + QStringLiteral("/auth/token/refresh"),
                                      {{QStringLiteral("refresh_token"), user->refresh}}, QString());
        QCOMPARE(r.status, 200);
        user->access = r.json.value(QStringLiteral("access_token")).toString();
        user->refresh = r.json.value(QStringLiteral("refresh_token")).toString();
    }
}

void TestServer::signInPage_data()
{
    QTest::addColumn<bool>("signUp");
    QTest::addColumn<QString>("clientId");
    QTest::addColumn<QString>("redirect");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("status");
    const QString client = QStringLiteral("5e0d2a9c7b3f4186a2d4c0e9b1f7a364");
    const QString loopback = QStringLiteral("http://localhost:19876/callback");
    QTest::newRow("sign-up") << true << client << loopback << "correct horse" << 302;
    QTest::newRow("sign-up on 127.0.0.1") << true << client << "http://127.0.0.1:5000/cb" << "correct horse" << 302;
    QTest::newRow("sign-in") << false << client << loopback << "correct horse" << 302;
    QTest::newRow("wrong password") << false << client << loopback << "wrong horse" << 401;
    QTest::newRow("existing e-mail") << true << client << loopback << "correct horse" << 409;
    QTest::newRow("short password") << true << client << loopback << "short" << 400;
    QTest::newRow("wrong client") << false << "other-client" << loopback << "correct horse" << 400;
    QTest::newRow("remote redirect") << false << client << "http://evil.example/cb" << "correct horse" << 400;
    QTest::newRow("https redirect") << false << client << "https://localhost/cb" << "correct horse" << 400;
    QTest::newRow("user info in redirect") << false << client << "http://evil.example@localhost/cb" << "correct horse" << 400;
}

void TestServer::signInPage()
{
    QFETCH(bool, signUp);
    QFETCH(QString, clientId);
    QFETCH(QString, redirect);
    QFETCH(QString, password);
    QFETCH(int, status);
    if (!QByteArray(QTest::currentDataTag()).startsWith("sign-up"))
        newUser(QStringLiteral("ann@example.org"));

    QUrlQuery query{{QStringLiteral("client_id"), clientId},
                    {QStringLiteral("redirect_uri"), QString::fromLatin1(QUrl::toPercentEncoding(redirect))}};
    const auto page = m_client->send("GET", QStringLiteral("/velmora/account/login"), {}, {}, "text/html", query);
    const bool refusedClient = status == 400 && password != QLatin1String("short");
    QCOMPARE(page.status, refusedClient ? 400 : 200);

    const auto t = m_client->signIn(QStringLiteral("Ann@Example.org"), password, signUp, QStringLiteral("Ann"),
                                    QStringLiteral("velmora"), clientId, redirect);
    QCOMPARE(t.status, status);
    QCOMPARE(t.access.isEmpty(), status != 302);
    if (status == 302) {
        QCOMPARE(t.state, QStringLiteral("st ate/1"));
        QVERIFY(!t.refresh.isEmpty());
        const auto me = m_client->send("GET", kAuth + QStringLiteral("/users/me"), {}, t.access);
        QCOMPARE(me.json.value(QStringLiteral("email")).toString(), QStringLiteral("ann@example.org"));
    }
}

void TestServer::refreshRotation()
{
    const User ann = newUser(QStringLiteral("ann@example.org"));
    const auto refresh = [this](const QString &token) {
        return m_client->call("POST", kAuth + QStringLiteral("/auth/token/refresh"),
                              {{QStringLiteral("refresh_token"), token}}, QString());
    };
    const auto first = refresh(ann.refresh);
    QCOMPARE(first.status, 200);
    const QString next = first.json.value(QStringLiteral("refresh_token")).toString();
    QVERIFY(next != ann.refresh);
    QCOMPARE(refresh(QStringLiteral("never-issued")).status, 401);
    // Reuse of a rotated token ends the session: its newer tokens die too.
    QCOMPARE(refresh(ann.refresh).status, 401);
    QCOMPARE(refresh(next).status, 401);
    QCOMPARE(m_client->send("GET", kAuth + QStringLiteral("/users/me"), {},
                            first.json.value(QStringLiteral("access_token")).toString()).status, 401);

    // Sign-out revokes the session's refresh token and access token at once.
    const User bob = newUser(QStringLiteral("bob@example.org"));
    QCOMPARE(m_client->call("POST", kAuth + QStringLiteral("/auth/logout"), {}, bob.access).status, 200);
    QCOMPARE(refresh(bob.refresh).status, 401);
    QCOMPARE(m_client->send("GET", kAuth + QStringLiteral("/users/me"), {}, bob.access).status, 401);
}

void TestServer::protectedRoutes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("status");
    QTest::newRow("valid") << "valid" << 200;
    QTest::newRow("expired") << "expired" << 401;
    QTest::newRow("forged signature") << "forged" << 401;
    QTest::newRow("alg none") << "none" << 401;
    QTest::newRow("garbage") << "garbage" << 401;
    QTest::newRow("no token") << "" << 401;
}

void TestServer::protectedRoutes()
{
    QFETCH(QString, kind);
    QFETCH(int, status);
    const User ann = newUser(QStringLiteral("ann@example.org"));
    QJsonObject claims = claimsOf(ann.access);
    QString token = ann.access;
    if (kind == QLatin1String("expired")) {
        claims.insert(QStringLiteral("exp"), double(QDateTime::currentSecsSinceEpoch() - 5));
        token = QString::fromLatin1(TokenSigner(kSecret).sign(claims));
    } else if (kind == QLatin1String("forged")) {
        claims.insert(QStringLiteral("sub"), QStringLiteral("someone-else"));
        token = QString::fromLatin1(TokenSigner("another-secret-0123456789").sign(claims));
    } else if (kind == QLatin1String("none")) {
        token = QStringLiteral("eyJhbGciOiJub25lIn0.") + ann.access.section(u'.', 1, 1) + u'.';
    } else if (kind == QLatin1String("garbage")) {
        token = QStringLiteral("a.b.c");
    } else if (kind.isEmpty()) {
        token.clear();
    }
    for (const QString &path : QStringList{kAuth + QStringLiteral("/users/me"), kAccount + QStringLiteral("/profile"),
                                           kSync + QStringLiteral("/sync/pull")}) {
        const auto reply = m_client->send("GET", path, {}, token);
        QCOMPARE(reply.status, status);
        if (status != 200)
            QVERIFY(reply.json.contains(QStringLiteral("error")) && reply.json.contains(QStringLiteral("message")));
    }
}

void TestServer::throttlesFailedSignIns()
{
    newUser(QStringLiteral("ann@example.org"));
    for (int i = 0; i < 5; ++i)
        QCOMPARE(m_client->signIn(QStringLiteral("ann@example.org"), QStringLiteral("wrong"), false).status, 401);
    // Even the right password waits now.
    QCOMPARE(m_client->signIn(QStringLiteral("ann@example.org"), QStringLiteral("correct horse"), false).status, 429);
    QCOMPARE(m_client->signIn(QStringLiteral("bob@example.org"), QStringLiteral("correct horse"), true).status, 302);
}

void TestServer::userEndpoints()
{
    User ann = newUser(QStringLiteral("ann@example.org"), QStringLiteral("Ann"));
    const User bob = newUser(QStringLiteral("bob@example.org"));
    const User laptop{ann.id, m_client->signIn(QStringLiteral("ann@example.org"), QStringLiteral("correct horse"), false).access, {}};

    auto r = m_client->call("PATCH", kAuth + QStringLiteral("/users/me"), {{QStringLiteral("display_name"), QStringLiteral(" Annie ")}}, ann.access);
    QCOMPARE(r.json.value(QStringLiteral("display_name")).toString(), QStringLiteral("Annie"));
    QCOMPARE(m_client->call("PATCH", kAuth + QStringLiteral("/users/me"), {{QStringLiteral("display_name"), 5}}, ann.access).status, 400);

    r = m_client->send("GET", kAuth + QStringLiteral("/users/me/sessions"), {}, ann.access);
    const QJsonArray sessions = r.json.value(QStringLiteral("sessions")).toArray();
    QCOMPARE(sessions.size(), 2);
    QString other;
    for (const QJsonValue &s : sessions)
        if (!s[QStringLiteral("is_current")].toBool())
            other = s[QStringLiteral("id")].toString();
    QVERIFY(!other.isEmpty());
    QCOMPARE(m_client->send("DELETE", kAuth + QStringLiteral("/users/me/sessions/") + other, {}, bob.access).status, 404);
    QCOMPARE(m_client->send("DELETE", kAuth + QStringLiteral("/users/me/sessions/") + other, {}, ann.access).status, 200);
    QCOMPARE(m_client->send("GET", kAuth + QStringLiteral("/users/me"), {}, laptop.access).status, 401);

    const auto password = [&](const char *current, const char *next) {
        return m_client->call("POST", kAuth + QStringLiteral("/users/me/password"),
                              {{QStringLiteral("current_password"), QLatin1String(current)},
                               {QStringLiteral("new_password"), QLatin1String(next)}}, ann.access).status;
    };
    QCOMPARE(password("wrong horse", "battery staple"), 403);
    QCOMPARE(password("correct horse", "short"), 400);
    QCOMPARE(password("correct horse", "battery staple"), 200);
    QCOMPARE(m_client->signIn(QStringLiteral("ann@example.org"), QStringLiteral("battery staple"), false).status, 302);
}

void TestServer::restartKeepsUsersAndSecret()
{
    ServerOptions options = defaults();
    options.secret.clear(); // generated and kept in the data directory
    start(options);
    const User ann = newUser(QStringLiteral("ann@example.org"));
    start(options);
    QCOMPARE(m_client->send("GET", kAuth + QStringLiteral("/users/me"), {}, ann.access).status, 200);
    QVERIFY(QFile::exists(QDir(options.dataDir).filePath(QStringLiteral("signing-secret"))));
}

void TestServer::devices()
{
    const User ann = newUser(QStringLiteral("ann@example.org"));
    const User bob = newUser(QStringLiteral("bob@example.org"));
    const QJsonObject device{{QStringLiteral("device_name"), QStringLiteral("desk")}, {QStringLiteral("platform"), QStringLiteral("Windows")},
                             {QStringLiteral("app_id"), QStringLiteral("com.velmora.penwick")}, {QStringLiteral("app_version"), QStringLiteral("1.0.8")},
                             {QStringLiteral("device_fingerprint"), QStringLiteral("f1")}};
    QCOMPARE(m_client->call("POST", kAccount + QStringLiteral("/devices/register"), device, ann.access).status, 200);
    QJsonObject renamed = device;
    renamed.insert(QStringLiteral("device_name"), QStringLiteral("desk 2"));
    QCOMPARE(m_client->call("POST", kAccount + QStringLiteral("/devices/register"), renamed, ann.access).status, 200);
    QCOMPARE(m_client->call("POST", kAccount + QStringLiteral("/devices/register"), {}, ann.access).status, 400);
    const QJsonArray list = m_client->send("GET", kAccount + QStringLiteral("/devices"), {}, ann.access).json.value(QStringLiteral("devices")).toArray();
    QCOMPARE(list.size(), 1);
    QCOMPARE(list.at(0)[QStringLiteral("device_name")].toString(), QStringLiteral("desk 2"));
    const QString id = list.at(0)[QStringLiteral("id")].toString();
    QCOMPARE(m_client->send("DELETE", kAccount + QStringLiteral("/devices/") + id, {}, bob.access).status, 404);
    QCOMPARE(m_client->send("DELETE", kAccount + QStringLiteral("/devices/") + id, {}, ann.access).status, 200);
}

void TestServer::groupRoles()
{
    User owner = newUser(QStringLiteral("own@example.org"), QStringLiteral("Owner"));
    User member = newUser(QStringLiteral("mem@example.org"), QStringLiteral("Member"));
    User other = newUser(QStringLiteral("oth@example.org"));
    makeGroup(owner, {&member});
    const QJsonObject vel = claimsOf(member.access)[QStringLiteral("custom")][QStringLiteral("vel")].toObject();
    QCOMPARE(vel.value(QStringLiteral("role")).toString(), QStringLiteral("member"));
    QCOMPARE(claimsOf(owner.access)[QStringLiteral("custom")][QStringLiteral("vel")][QStringLiteral("role")].toString(), QStringLiteral("owner"));
    QCOMPARE(vel.value(QStringLiteral("group_id")).toString(),
             m_client->send("GET", kAccount + QStringLiteral("/profile"), {}, owner.access).json[QStringLiteral("group")][QStringLiteral("id")].toString());

    auto invite = m_client->call("POST", kAccount + QStringLiteral("/group/invite"), {{QStringLiteral("email"), QStringLiteral("x@example.org")}}, owner.access);
    QCOMPARE(invite.status, 201);
    QCOMPARE(m_client->call("POST", kAccount + QStringLiteral("/group/join/") + invite.json[QStringLiteral("invite_code")].toString(), {}, other.access).status, 403);
    QCOMPARE(m_client->call("POST", kAccount + QStringLiteral("/group/join/NOSUCHCODE"), {}, other.access).status, 404);
    const auto group = m_client->send("GET", kAccount + QStringLiteral("/group"), {}, owner.access).json;
    QCOMPARE(group[QStringLiteral("members")].toArray().size(), 2);
    QCOMPARE(group[QStringLiteral("pending_invitations")].toArray().size(), 1);
    QCOMPARE(m_client->send("GET", kAccount + QStringLiteral("/group"), {}, member.access).json[QStringLiteral("pending_invitations")].toArray().size(), 0);

    // Members may not act as the owner.
    QCOMPARE(m_client->call("POST", kAccount + QStringLiteral("/group/invite"), {}, member.access).status, 403);
    QCOMPARE(m_client->send("DELETE", kAccount + QStringLiteral("/group/members/") + owner.id, {}, member.access).status, 403);
    QCOMPARE(m_client->send("DELETE", kAccount + QStringLiteral("/group/invitations/") + invite.json[QStringLiteral("id")].toString(), {}, member.access).status, 403);
    QCOMPARE(m_client->send("DELETE", kAccount + QStringLiteral("/group/invitations/") + invite.json[QStringLiteral("id")].toString(), {}, owner.access).status, 200);
    QCOMPARE(m_client->send("DELETE", kAccount + QStringLiteral("/group/members/") + other.id, {}, owner.access).status, 404);
    QCOMPARE(m_client->call("POST", kAccount + QStringLiteral("/group/leave"), {}, owner.access).status, 409);
    QCOMPARE(m_client->send("DELETE", kAccount + QStringLiteral("/profile"), {}, owner.access).status, 409);

    QCOMPARE(m_client->send("DELETE", kAccount + QStringLiteral("/group/members/") + member.id, {}, owner.access).status, 200);
    QCOMPARE(m_client->send("GET", kAccount + QStringLiteral("/group"), {}, member.access).json[QStringLiteral("id")].toString(), QString());
    QCOMPARE(m_client->call("POST", kAccount + QStringLiteral("/group/leave"), {}, member.access).status, 409);
    QCOMPARE(m_client->call("POST", kAccount + QStringLiteral("/group/leave"), {}, owner.access).status, 200);

    // Deleting the account ends its sessions; signing in again cancels the deletion.
    QCOMPARE(m_client->send("DELETE", kAccount + QStringLiteral("/profile"), {}, member.access).status, 200);
    QCOMPARE(m_client->send("GET", kAccount + QStringLiteral("/profile"), {}, member.access).status, 401);
    const QString again = m_client->signIn(QStringLiteral("mem@example.org"), QStringLiteral("correct horse"), false).access;
    QCOMPARE(m_client->send("GET", kAccount + QStringLiteral("/profile"), {}, again).json[QStringLiteral("status")].toString(), QStringLiteral("active"));
}

void TestServer::hostileRequests_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    const QString push = kSync + QStringLiteral("/sync/push");
    QTest::newRow("bad JSON") << QByteArray("POST") << push << QByteArray("{\"changes\": [") << 400;
    QTest::newRow("array body") << QByteArray("POST") << push << QByteArray("[]") << 400;
    QTest::newRow("changes not an array") << QByteArray("POST") << push << QByteArray("{\"changes\": 3}") << 400;
    QTest::newRow("huge body") << QByteArray("POST") << push << QByteArray(300 * 1024, ' ') << 413;
    QTest::newRow("too many changes") << QByteArray("POST") << push
                                      << ("{\"changes\": [" + QByteArray("{},").repeated(500) + "{}]}") << 413;
    QTest::newRow("bad cursor") << QByteArray("GET") << kSync + QStringLiteral("/sync/pull?since=abc") << QByteArray() << 400;
    QTest::newRow("bad limit") << QByteArray("GET") << kSync + QStringLiteral("/sync/pull?limit=100000") << QByteArray() << 400;
    // Dot segments are resolved before routing, so they never reach a handler.
    QTest::newRow("dot-dot") << QByteArray("GET") << kAuth + QStringLiteral("/users/%2e%2e/me") << QByteArray() << 404;
    QTest::newRow("encoded slash") << QByteArray("DELETE") << kAccount + QStringLiteral("/devices/a%2Fb") << QByteArray() << 400;
    QTest::newRow("unknown path") << QByteArray("GET") << QStringLiteral("/nothing/here") << QByteArray() << 404;
    QTest::newRow("wrong method") << QByteArray("PUT") << kAuth + QStringLiteral("/users/me") << QByteArray() << 405;
    QTest::newRow("refresh without token") << QByteArray("POST") << kAuth + QStringLiteral("/auth/token/refresh") << QByteArray("{}") << 400;
    QTest::newRow("refresh token not a string") << QByteArray("POST") << kAuth + QStringLiteral("/auth/token/refresh")
                                                << QByteArray("{\"refresh_token\": 7}") << 400;
}

void TestServer::hostileRequests()
{
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    const User ann = newUser(QStringLiteral("ann@example.org"));
    const QUrl url(m_server->url().toString() + path, QUrl::StrictMode);
    const auto reply = m_client->send(method, url.path(QUrl::FullyEncoded), body, ann.access, "application/json", QUrlQuery(url));
    QCOMPARE(reply.status, status);
    QVERIFY(!reply.json.value(QStringLiteral("error")).toString().isEmpty());
    QVERIFY(!reply.json.value(QStringLiteral("message")).toString().isEmpty());
    // The server is still there.
    QCOMPARE(m_client->send("GET", kAuth + QStringLiteral("/users/me"), {}, ann.access).status, 200);
}

void TestServer::updateFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("status");
    QTest::newRow("manifest") << "/penwick/stable/latest.json" << 200;
    QTest::newRow("missing notes") << "/penwick/1.0.8/release-notes.md" << 404;
    QTest::newRow("hidden file") << "/penwick/.secret" << 404;
    QTest::newRow("link out of the directory") << "/penwick/escape" << 404;
    QTest::newRow("directory") << "/penwick/stable" << 404;
    QTest::newRow("encoded dot-dot") << "/penwick/%2e%2e/%2e%2e/etc/hostname" << 404;
}

void TestServer::updateFiles()
{
    QFETCH(QString, path);
    QFETCH(int, status);
    const auto reply = m_client->send("GET", path, {}, {});
    QCOMPARE(reply.status, status);
    if (status == 200)
        QCOMPARE(reply.body, QByteArray("{\"schema\":1}"));
}

void TestServer::pagingAndCursor()
{
    const User ann = newUser(QStringLiteral("ann@example.org"));
    QJsonArray changes{change(QStringLiteral("account"), QStringLiteral("a1"), 1)};
    for (int i = 1; i <= 6; ++i)
        changes.append(change(QStringLiteral("transaction"), QStringLiteral("t%1").arg(i), 1,
                              {{QStringLiteral("account_id"), QStringLiteral("a1")}, {QStringLiteral("amount"), -100 * i}}));
    const auto pushed = push(ann, changes);
    QCOMPARE(pushed.status, 200);
    QCOMPARE(pushed.json[QStringLiteral("results")].toArray().size(), 7);

    // First page of 3, then a row written between two pages, then the rest.
    auto page = pull(ann, QString(), 3);
    QCOMPARE(pageIds(page.json), list("acc:a1 tra:t1 tra:t2"));
    QVERIFY(page.json[QStringLiteral("has_more")].toBool());
    QString cursor = page.json[QStringLiteral("server_time")].toString();
    QCOMPARE(push(ann, {change(QStringLiteral("transaction"), QStringLiteral("t7"), 1, {{QStringLiteral("account_id"), QStringLiteral("a1")}})}).status, 200);
    const QStringList rest = pullAll(ann, 3, &cursor);
    QCOMPARE(rest, list("tra:t3 tra:t4 tra:t5 tra:t6 tra:t7"));
    QCOMPARE(pullAll(ann, 3, &cursor), QStringList());

    const QJsonObject row = pull(ann, QString(), 2).json[QStringLiteral("transactions")].toArray().at(0).toObject();
    QCOMPARE(row[QStringLiteral("client_id")].toString(), QStringLiteral("t1"));
    QCOMPARE(row[QStringLiteral("amount")].toInt(), -100);
    QCOMPARE(row[QStringLiteral("id")].toString(), pushed.json[QStringLiteral("results")][1][QStringLiteral("server_id")].toString());
    // Another user sees none of it.
    QCOMPARE(pullAll(newUser(QStringLiteral("bob@example.org")), 50), QStringList());
}

void TestServer::parentsComeFirst()
{
    const User ann = newUser(QStringLiteral("ann@example.org"));
    QCOMPARE(push(ann, {change(QStringLiteral("category"), QStringLiteral("child"), 1, {{QStringLiteral("parent_id"), QStringLiteral("root")}}),
                        change(QStringLiteral("transaction"), QStringLiteral("t1"), 1,
                               {{QStringLiteral("account_id"), QStringLiteral("a1")}, {QStringLiteral("category_id"), QStringLiteral("child")}}),
                        change(QStringLiteral("category"), QStringLiteral("root"), 1),
                        change(QStringLiteral("account"), QStringLiteral("a1"), 1)}).status, 200);
    // The transaction's account and categories were written after it, yet a
    // page never hands out a child before its parents.
    const auto page = pull(ann, QString(), 3);
    QCOMPARE(pageIds(page.json), list("cat:root cat:child"));
    QString cursor = page.json[QStringLiteral("server_time")].toString();
    QCOMPARE(pullAll(ann, 3, &cursor), list("acc:a1 cat:root tra:t1"));
    QCOMPARE(pull(ann, QString(), 10).json[QStringLiteral("integrity")][QStringLiteral("category_count")].toInt(), 2);
}

void TestServer::versions_data()
{
    QTest::addColumn<int>("pushed");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("stored");
    // The server holds version 3 (pushed at 2, raised by one).
    QTest::newRow("older") << 1 << "conflict" << 3;
    QTest::newRow("same") << 3 << "ok" << 4;
    QTest::newRow("newer") << 7 << "ok" << 8;
}

void TestServer::versions()
{
    QFETCH(int, pushed);
    QFETCH(QString, status);
    QFETCH(int, stored);
    const User ann = newUser(QStringLiteral("ann@example.org"));
    QCOMPARE(push(ann, {change(QStringLiteral("account"), QStringLiteral("a1"), 2, {{QStringLiteral("name"), QStringLiteral("first")}})})
                 .json[QStringLiteral("results")][0][QStringLiteral("version")].toInt(), 3);
    const auto reply = push(ann, {change(QStringLiteral("account"), QStringLiteral("a1"), pushed, {{QStringLiteral("name"), QStringLiteral("second")}})});
    const QJsonObject result = reply.json[QStringLiteral("results")][0].toObject();
    QCOMPARE(result[QStringLiteral("status")].toString(), status);
    if (status == QLatin1String("conflict"))
        QCOMPARE(result[QStringLiteral("server_row")][QStringLiteral("name")].toString(), QStringLiteral("first"));
    const QJsonObject row = pull(ann, QString(), 10).json[QStringLiteral("accounts")][0].toObject();
    QCOMPARE(row[QStringLiteral("version")].toInt(), stored);
    QCOMPARE(row[QStringLiteral("name")].toString(), status == QLatin1String("ok") ? QStringLiteral("second") : QStringLiteral("first"));
}

void TestServer::deletions()
{
    const User ann = newUser(QStringLiteral("ann@example.org"));
    QCOMPARE(push(ann, {change(QStringLiteral("account"), QStringLiteral("a1"), 1)}).status, 200);
    QString cursor;
    pullAll(ann, 10, &cursor);
    const QString deletedAt = QStringLiteral("2024-05-01T10:00:00Z");
    QCOMPARE(push(ann, {change(QStringLiteral("account"), QStringLiteral("a1"), 2, {{QStringLiteral("deleted_at"), deletedAt}},
                               QStringLiteral("delete"))}).status, 200);
    const auto page = pull(ann, cursor, 10);
    QCOMPARE(page.json[QStringLiteral("accounts")][0][QStringLiteral("deleted_at")].toString(), deletedAt);
    cursor = page.json[QStringLiteral("server_time")].toString();
    // Pushed live again, it is live again.
    QCOMPARE(push(ann, {change(QStringLiteral("account"), QStringLiteral("a1"), 3)}).status, 200);
    QCOMPARE(pullAll(ann, 10, &cursor), list("acc:a1"));
}

void TestServer::perRecordErrors()
{
    const User ann = newUser(QStringLiteral("ann@example.org"));
    QJsonObject badVersion = change(QStringLiteral("account"), QStringLiteral("a3"), 1);
    badVersion.insert(QStringLiteral("version"), QStringLiteral("1"));
    QJsonObject badPayload = change(QStringLiteral("account"), QStringLiteral("a4"), 1);
    badPayload.insert(QStringLiteral("payload"), QJsonArray());
    const auto reply = push(ann, {change(QStringLiteral("account"), QStringLiteral("a1"), 1), change(QStringLiteral("ghost"), QStringLiteral("a2"), 1),
                                  badVersion, badPayload, change(QStringLiteral("account"), QString(), 1), QStringLiteral("text"),
                                  change(QStringLiteral("transaction"), QStringLiteral("t1"), 1, {{QStringLiteral("account_id"), 5}})});
    QCOMPARE(reply.status, 200);
    const QJsonArray results = reply.json[QStringLiteral("results")].toArray();
    QCOMPARE(results.size(), 7);
    QCOMPARE(results.at(0)[QStringLiteral("status")].toString(), QStringLiteral("ok"));
    for (int i = 1; i < results.size(); ++i) {
        QCOMPARE(results.at(i)[QStringLiteral("status")].toString(), QStringLiteral("error"));
        QVERIFY(!results.at(i)[QStringLiteral("message")].toString().isEmpty());
    }
    QCOMPARE(pullAll(ann, 10), list("acc:a1"));
}

void TestServer::sharing()
{
    User owner = newUser(QStringLiteral("own@example.org"), QStringLiteral("Owner"));
    User member = newUser(QStringLiteral("mem@example.org"), QStringLiteral("Member"));
    User outsider = newUser(QStringLiteral("out@example.org"));
    makeGroup(owner, {&member});
    const QJsonObject inShared{{QStringLiteral("account_id"), QStringLiteral("shared")}};
    QCOMPARE(push(owner, {change(QStringLiteral("account"), QStringLiteral("shared"), 1), change(QStringLiteral("account"), QStringLiteral("private"), 1),
                          change(QStringLiteral("category"), QStringLiteral("c1"), 1),
                          change(QStringLiteral("transaction"), QStringLiteral("t1"), 1, inShared),
                          change(QStringLiteral("transaction"), QStringLiteral("t2"), 1, {{QStringLiteral("account_id"), QStringLiteral("private")}}),
                          change(QStringLiteral("reconciliation"), QStringLiteral("r1"), 1, inShared)}).status, 200);
    QString cursor;
    QCOMPARE(pullAll(member, 10, &cursor), QStringList());

    const QString share = kSync + QStringLiteral("/accounts/shared/share");
    const auto refused = m_client->call("POST", share, {{QStringLiteral("user_id"), outsider.id}}, owner.access);
    QCOMPARE(refused.status, 403);
    QVERIFY(refused.json[QStringLiteral("error")].toString().contains(u' ')); // a sentence the app shows as it is
    QCOMPARE(m_client->call("POST", kSync + QStringLiteral("/accounts/nope/share"), {{QStringLiteral("user_id"), member.id}}, owner.access).status, 404);
    QCOMPARE(m_client->call("POST", share, {{QStringLiteral("user_id"), QStringLiteral("mem@example.org")}}, owner.access).status, 201);
    QCOMPARE(m_client->call("POST", share, {{QStringLiteral("user_id"), owner.id}}, member.access).status, 403);

    // The member sees the shared account and its rows, and nothing else.
    QCOMPARE(pullAll(member, 2, &cursor), list("acc:shared tra:t1 rec:r1"));
    const auto members = m_client->send("GET", kSync + QStringLiteral("/accounts/shared/members"), {}, member.access).json[QStringLiteral("members")].toArray();
    QCOMPARE(members.size(), 2);
    QCOMPARE(members.at(1)[QStringLiteral("user_id")].toString(), member.id);
    QCOMPARE(m_client->send("GET", kSync + QStringLiteral("/accounts/private/members"), {}, member.access).status, 404);
    QCOMPARE(m_client->send("GET", kSync + QStringLiteral("/accounts/shared/members"), {}, outsider.access).status, 404);

    // A member's edit lands on the owner's row; a push under another user's id makes the pusher's own row.
    QCOMPARE(push(member, {change(QStringLiteral("transaction"), QStringLiteral("t1"), 2, inShared),
                           change(QStringLiteral("transaction"), QStringLiteral("t3"), 1, inShared)}).status, 200);
    QCOMPARE(push(outsider, {change(QStringLiteral("transaction"), QStringLiteral("t2"), 9, {{QStringLiteral("amount"), 1}})}).status, 200);
    QString ownerCursor;
    const QStringList ownerRows = pullAll(owner, 50, &ownerCursor);
    QCOMPARE(ownerRows.count(QStringLiteral("tra:t3")), 1);
    QCOMPARE(pull(owner, QString(), 50).json[QStringLiteral("transactions")].toArray().size(), 3);
    QCOMPARE(m_client->send("DELETE", kSync + QStringLiteral("/accounts/shared/share/") + member.id, {}, member.access).status, 403);

    // Revoking delivers every row of the account to the former member as deleted.
    QCOMPARE(m_client->send("DELETE", kSync + QStringLiteral("/accounts/shared/share/") + member.id, {}, owner.access).status, 200);
    QCOMPARE(pullAll(member, 10, &cursor), list("acc:shared- tra:t1- tra:t3- rec:r1-"));
    QCOMPARE(m_client->send("DELETE", kSync + QStringLiteral("/accounts/shared/share/") + member.id, {}, owner.access).status, 404);
    QCOMPARE(pullAll(owner, 50, &ownerCursor), QStringList());
}

void TestServer::testHooks()
{
    const QString hooks = QStringLiteral("/__test/hooks");
    QCOMPARE(m_client->call("POST", hooks, {{QStringLiteral("page_cut"), 1}}, QString()).status, 404);
    ServerOptions options = defaults();
    options.testHooks = true;
    start(options);
    const User ann = newUser(QStringLiteral("ann@example.org"));
    QCOMPARE(m_client->call("POST", hooks, QJsonObject{{QStringLiteral("page_cut"), 1}, {QStringLiteral("reject_ids"), QJsonArray{QStringLiteral("a2")}}},
                            QString()).status, 200);
    const auto pushed = push(ann, {change(QStringLiteral("account"), QStringLiteral("a1"), 1), change(QStringLiteral("account"), QStringLiteral("a2"), 1),
                                   change(QStringLiteral("account"), QStringLiteral("a3"), 1)});
    QCOMPARE(pushed.json[QStringLiteral("results")][1][QStringLiteral("status")].toString(), QStringLiteral("error"));
    const auto page = pull(ann, QString(), 10);
    QCOMPARE(pageIds(page.json), list("acc:a1"));
    QVERIFY(page.json[QStringLiteral("has_more")].toBool());
    QCOMPARE(m_client->call("POST", hooks, QJsonObject{{QStringLiteral("fail_path"), QString(kSync + QStringLiteral("/sync/pull"))}, {QStringLiteral("fail_status"), 503}},
                            QString()).status, 200);
    QCOMPARE(pull(ann, QString(), 10).status, 503);
}

void TestServer::https()
{
    const QString cert = m_dir->filePath(QStringLiteral("cert.pem"));
    const QString key = m_dir->filePath(QStringLiteral("key.pem"));
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"), {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("rsa:2048"),
                                              QStringLiteral("-nodes"), QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=localhost"),
                                              QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1"),
                                              QStringLiteral("-keyout"), key, QStringLiteral("-out"), cert});
    if (!openssl.waitForFinished(60000) || openssl.exitCode() != 0)
        QSKIP("openssl is needed to make a test certificate");
    ServerOptions options = defaults();
    options.certificateFile = cert;
    options.keyFile = key;
    start(options);
    QCOMPARE(m_server->url().scheme(), QStringLiteral("https"));
    QFile pem(cert);
    QVERIFY(pem.open(QIODevice::ReadOnly));
    m_client->setCaCertificates(QSslCertificate::fromDevice(&pem));
    const User ann = newUser(QStringLiteral("ann@example.org"));
    QCOMPARE(m_client->send("GET", kAuth + QStringLiteral("/users/me"), {}, ann.access).status, 200);
    QCOMPARE(m_client->send("POST", kSync + QStringLiteral("/sync/push"), QByteArray(300 * 1024, ' '), ann.access).status, 413);
}

QTEST_GUILESS_MAIN(TestServer)
#include "tst_server.moc"
