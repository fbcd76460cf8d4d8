#include "authservice.h"

#include "apiserver.h"
#include "loginpage.h"
#include "passwordhasher.h"
#include "serverdatabase.h"
#include "serveroptions.h"
#include "tokensigner.h"

#include <QDateTime>
#include <QJsonArray>
#include <QUrl>
#include <QUuid>

namespace {

QString nowText()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
}

qint64 nowSeconds()
{
    return QDateTime::currentSecsSinceEpoch();
}

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

ApiResponse htmlPage(const QByteArray &html, int status)
{
    return {status, html, "text/html; charset=utf-8", {{"Cache-Control", "no-store"}}};
}

QJsonObject userJson(const QVariantMap &row)
{
    const QString email = row.value(QStringLiteral("email")).toString();
    return {{QStringLiteral("id"), row.value(QStringLiteral("id")).toString()},
            {QStringLiteral("email"), email},
            {QStringLiteral("display_name"), row.value(QStringLiteral("display_name")).toString()},
            {QStringLiteral("username"), email},
            {QStringLiteral("avatar_url"), QString()},
            {QStringLiteral("created_at"), row.value(QStringLiteral("created_at")).toString()}};
}

ApiResponse unauthorized(const QString &message)
{
    return ApiResponse::error(401, QStringLiteral("unauthorized"), message);
}

constexpr int kMaxPassword = 1024;
constexpr int kMinPassword = 8;

} // namespace

AuthService::AuthService(ServerDatabase &db, const ServerOptions &options, const TokenSigner &signer,
                         const PasswordHasher &hasher)
    : m_db(db)
    , m_options(options)
    , m_signer(signer)
    , m_hasher(hasher)
{
}

void AuthService::registerRoutes(ApiServer &server)
{
    using A = ApiServer::Access;
    const QString login = QStringLiteral("/%1/account/login").arg(m_options.realm);
    server.addRoute("GET", login, A::Public, [this](ApiRequest &r) { return loginPage(r); }, false);
    server.addRoute("POST", login, A::Public, [this](ApiRequest &r) { return loginSubmit(r); }, false);
    const QString base = QStringLiteral("/api/v1/realms/%1").arg(m_options.realm);
    server.addRoute("POST", base + QStringLiteral("/auth/token/refresh"), A::Public, [this](ApiRequest &r) { return refresh(r); });
    server.addRoute("POST", base + QStringLiteral("/auth/logout"), A::User, [this](ApiRequest &r) { return logout(r); });
    server.addRoute("GET", base + QStringLiteral("/users/me"), A::User, [this](ApiRequest &r) { return me(r); });
    server.addRoute("PATCH", base + QStringLiteral("/users/me"), A::User, [this](ApiRequest &r) { return updateMe(r); });
    server.addRoute("POST", base + QStringLiteral("/users/me/password"), A::User, [this](ApiRequest &r) { return changePassword(r); });
    server.addRoute("GET", base + QStringLiteral("/users/me/sessions"), A::User, [this](ApiRequest &r) { return sessions(r); });
    server.addRoute("DELETE", base + QStringLiteral("/users/me/sessions/{}"), A::User, [this](ApiRequest &r) { return revokeSession(r); });
}

bool AuthService::acceptableRedirect(const QString &uri) const
{
    // Tokens only ever travel to the app's own loopback listener.
    const QUrl url(uri, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QLatin1String("http") || !url.userInfo().isEmpty() || url.hasFragment())
        return false;
    const QString host = url.host();
    return host == QLatin1String("localhost") || host == QLatin1String("127.0.0.1") || host == QLatin1String("::1");
}

ApiResponse AuthService::loginPage(ApiRequest &request)
{
    LoginPage::Fields f;
    f.clientId = request.query.queryItemValue(QStringLiteral("client_id"), QUrl::FullyDecoded);
    f.redirectUri = request.query.queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded);
    f.state = request.query.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded);
    if (f.clientId != m_options.clientId)
        return htmlPage(LoginPage::refusal(LoginPage::tr("Unknown client.")), 400);
    if (!acceptableRedirect(f.redirectUri))
        return htmlPage(LoginPage::refusal(LoginPage::tr("The redirect address is not allowed.")), 400);
    return htmlPage(LoginPage::render(request.path, f, QString()), 200);
}

ApiResponse AuthService::loginSubmit(ApiRequest &request)
{
    QByteArray body = request.body;
    body.replace('+', "%20");
    const QUrlQuery form(QString::fromUtf8(body));
    const auto field = [&form](const char *name) {
        return form.queryItemValue(QLatin1String(name), QUrl::FullyDecoded);
    };
    LoginPage::Fields f;
    f.clientId = field("client_id");
    f.redirectUri = field("redirect_uri");
    f.state = field("state");
    f.email = field("email").trimmed().toLower();
    f.displayName = field("display_name").trimmed();
    const QString mode = field("mode");
    const QString password = field("password");
    if (f.clientId != m_options.clientId)
        return htmlPage(LoginPage::refusal(LoginPage::tr("Unknown client.")), 400);
    if (!acceptableRedirect(f.redirectUri))
        return htmlPage(LoginPage::refusal(LoginPage::tr("The redirect address is not allowed.")), 400);
    if (mode == QLatin1String("show-signup") || mode == QLatin1String("show-signin")) {
        f.signUp = mode == QLatin1String("show-signup");
        return htmlPage(LoginPage::render(request.path, f, QString()), 200);
    }
    f.signUp = mode == QLatin1String("signup");
    const auto again = [&](const QString &text, int status) {
        return htmlPage(LoginPage::render(request.path, f, text), status);
    };
    if (f.email.size() > 254 || !f.email.contains(u'@') || f.email.startsWith(u'@') || f.email.endsWith(u'@'))
        return again(LoginPage::tr("Enter a valid e-mail address."), 400);
    if (password.size() > kMaxPassword)
        return again(LoginPage::tr("The password is too long."), 400);
    if (f.displayName.size() > 100)
        return again(LoginPage::tr("The display name is too long."), 400);

    QString userId;
    if (f.signUp) {
        if (password.size() < kMinPassword)
            return again(LoginPage::tr("The password must have at least 8 characters."), 400);
        if (m_db.one(QStringLiteral("SELECT id FROM users WHERE email = ?"), {f.email}))
            return again(LoginPage::tr("An account with this e-mail already exists. Sign in instead."), 409);
        const QString hash = m_hasher.hash(password);
        userId = newId();
        if (hash.isEmpty()
            || !m_db.run(QStringLiteral("INSERT INTO users (id, email, password_hash, display_name, created_at) "
                                        "VALUES (?, ?, ?, ?, ?)"),
                         {userId, f.email, hash, f.displayName, nowText()}))
            return again(LoginPage::tr("The account could not be created. Try again."), 500);
    } else {
        if (const qint64 wait = throttleWait(f.email); wait > 0)
            return again(LoginPage::tr("Too many failed sign-ins. Try again in %n second(s).", nullptr, int(wait)), 429);
        const auto user = m_db.one(QStringLiteral("SELECT id, password_hash FROM users WHERE email = ?"), {f.email});
        // A missing user still costs a hash check, so timing does not tell which e-mails exist.
        if (m_dummyHash.isEmpty())
            m_dummyHash = m_hasher.hash(PasswordHasher::randomToken());
        const QString stored = user ? user->value(QStringLiteral("password_hash")).toString() : m_dummyHash;
        if (!m_hasher.verify(password, stored) || !user) {
            recordFailure(f.email);
            return again(LoginPage::tr("Wrong e-mail or password."), 401);
        }
        userId = user->value(QStringLiteral("id")).toString();
        m_db.run(QStringLiteral("DELETE FROM login_failures WHERE email = ?"), {f.email});
        // Signing in within the grace period cancels a scheduled deletion.
        m_db.run(QStringLiteral("UPDATE users SET delete_requested_at = '' WHERE id = ?"), {userId});
    }

    const QString sessionId = newId();
    if (!m_db.run(QStringLiteral("INSERT INTO sessions (id, user_id, user_agent, ip_address, created_at, "
                                 "last_active_at, expires_at) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                  {sessionId, userId, QString::fromUtf8(request.userAgent.left(512)), request.remoteAddress,
                   nowText(), nowText(), nowSeconds() + qint64(m_options.refreshTokenDays) * 86400}))
        return again(LoginPage::tr("The session could not be started. Try again."), 500);
    const QJsonObject tokens = issueTokens(userId, sessionId);
    if (tokens.isEmpty())
        return again(LoginPage::tr("The session could not be started. Try again."), 500);

    QUrl target(f.redirectUri);
    QUrlQuery query(target);
    query.addQueryItem(QStringLiteral("access_token"), tokens.value(QStringLiteral("access_token")).toString());
    query.addQueryItem(QStringLiteral("refresh_token"), tokens.value(QStringLiteral("refresh_token")).toString());
    if (!f.state.isEmpty())
        query.addQueryItem(QStringLiteral("state"), QString::fromLatin1(QUrl::toPercentEncoding(f.state)));
    target.setQuery(query);
    return {302, QByteArray(), "text/plain", {{"Location", target.toEncoded()}, {"Cache-Control", "no-store"}}};
}

qint64 AuthService::throttleWait(const QString &email)
{
    const auto row = m_db.one(QStringLiteral("SELECT failures, last_failure FROM login_failures WHERE email = ?"), {email});
    if (!row)
        return 0;
    const int failures = row->value(QStringLiteral("failures")).toInt();
    if (failures < 5)
        return 0;
    // 2, 4, 8 ... seconds after the fifth failure, at most five minutes.
    const qint64 delay = qMin<qint64>(qint64(1) << qMin(failures - 4, 9), 300);
    return qMax<qint64>(0, row->value(QStringLiteral("last_failure")).toLongLong() + delay - nowSeconds());
}

void AuthService::recordFailure(const QString &email)
{
    m_db.run(QStringLiteral("INSERT INTO login_failures (email, failures, last_failure) VALUES (?, 1, ?) "
                            "ON CONFLICT (email) DO UPDATE SET failures = login_failures.failures + 1, "
                            "last_failure = excluded.last_failure"),
             {email, nowSeconds()});
}

QJsonObject AuthService::issueTokens(const QString &userId, const QString &sessionId)
{
    const auto user = m_db.one(QStringLiteral("SELECT group_id, group_role FROM users WHERE id = ?"), {userId});
    if (!user)
        return {};
    const qint64 now = nowSeconds();
    const QJsonObject vel{{QStringLiteral("group_id"), user->value(QStringLiteral("group_id")).toString()},
                          {QStringLiteral("role"), user->value(QStringLiteral("group_role")).toString()}};
    const QJsonObject claims{{QStringLiteral("sub"), userId},
                             {QStringLiteral("sid"), sessionId},
                             {QStringLiteral("iat"), double(now)},
                             {QStringLiteral("exp"), double(now + m_options.accessTokenSeconds)},
                             {QStringLiteral("jti"), newId()},
                             {QStringLiteral("custom"), QJsonObject{{QStringLiteral("vel"), vel}}}};
    const QString refreshToken = PasswordHasher::randomToken();
    if (!m_db.run(QStringLiteral("INSERT INTO refresh_tokens (token_hash, session_id, created_at) VALUES (?, ?, ?)"),
                  {PasswordHasher::digest(refreshToken), sessionId, nowText()}))
        return {};
    return {{QStringLiteral("access_token"), QString::fromLatin1(m_signer.sign(claims))},
            {QStringLiteral("refresh_token"), refreshToken},
            {QStringLiteral("token_type"), QStringLiteral("Bearer")},
            {QStringLiteral("expires_in"), m_options.accessTokenSeconds}};
}

std::optional<ApiResponse> AuthService::authenticate(ApiRequest &request)
{
    if (!request.authorization.startsWith("Bearer "))
        return unauthorized(QStringLiteral("A bearer token is required."));
    const auto claims = m_signer.verify(request.authorization.mid(7).trimmed(), nowSeconds());
    if (!claims)
        return unauthorized(QStringLiteral("The access token is invalid or expired."));
    const QString userId = claims->value(QStringLiteral("sub")).toString();
    const QString sessionId = claims->value(QStringLiteral("sid")).toString();
    // A revoked session stops its access tokens at once, not when they expire.
    if (!m_db.one(QStringLiteral("SELECT s.id FROM sessions s JOIN users u ON u.id = s.user_id "
                                 "WHERE s.id = ? AND s.user_id = ? AND s.revoked = 0"),
                  {sessionId, userId}))
        return unauthorized(QStringLiteral("The session has ended."));
    request.userId = userId;
    request.sessionId = sessionId;
    return std::nullopt;
}

ApiResponse AuthService::refresh(ApiRequest &request)
{
    const QJsonValue value = request.json.value(QStringLiteral("refresh_token"));
    if (!value.isString() || value.toString().isEmpty())
        return ApiResponse::error(400, QStringLiteral("invalid_request"), QStringLiteral("\"refresh_token\" is required."));
    const QString hash = PasswordHasher::digest(value.toString());
    const auto token = m_db.one(QStringLiteral("SELECT t.session_id AS session_id, t.used AS used, s.user_id AS user_id, "
                                               "s.revoked AS revoked, s.expires_at AS expires_at FROM refresh_tokens t "
                                               "JOIN sessions s ON s.id = t.session_id WHERE t.token_hash = ?"),
                                {hash});
    if (!token)
        return unauthorized(QStringLiteral("Unknown refresh token."));
    const QString sessionId = token->value(QStringLiteral("session_id")).toString();
    if (token->value(QStringLiteral("used")).toInt() != 0) {
        // A used token coming back means it was copied: end the whole session.
        m_db.run(QStringLiteral("UPDATE sessions SET revoked = 1 WHERE id = ?"), {sessionId});
        return unauthorized(QStringLiteral("The refresh token was already used; the session is revoked."));
    }
    if (token->value(QStringLiteral("revoked")).toInt() != 0
        || token->value(QStringLiteral("expires_at")).toLongLong() <= nowSeconds())
        return unauthorized(QStringLiteral("The session has ended."));

    if (!m_db.begin())
        return ApiResponse::error(500, QStringLiteral("server_error"), QStringLiteral("Try again later."));
    const bool marked = m_db.run(QStringLiteral("UPDATE refresh_tokens SET used = 1 WHERE token_hash = ? AND used = 0"), {hash})
        && m_db.changedRows() == 1;
    const bool touched = marked
        && m_db.run(QStringLiteral("UPDATE sessions SET last_active_at = ?, expires_at = ? WHERE id = ?"),
                    {nowText(), nowSeconds() + qint64(m_options.refreshTokenDays) * 86400, sessionId});
    const QJsonObject tokens = touched ? issueTokens(token->value(QStringLiteral("user_id")).toString(), sessionId)
                                       : QJsonObject();
    if (tokens.isEmpty() || !m_db.commit()) {
        m_db.rollback();
        return unauthorized(QStringLiteral("The refresh token could not be used."));
    }
    return ApiResponse::json(tokens);
}

void AuthService::revokeAllSessions(const QString &userId)
{
    m_db.run(QStringLiteral("UPDATE sessions SET revoked = 1 WHERE user_id = ?"), {userId});
}

ApiResponse AuthService::logout(ApiRequest &request)
{
    m_db.run(QStringLiteral("UPDATE sessions SET revoked = 1 WHERE id = ?"), {request.sessionId});
    return ApiResponse::json({});
}

ApiResponse AuthService::me(ApiRequest &request)
{
    const auto user = m_db.one(QStringLiteral("SELECT * FROM users WHERE id = ?"), {request.userId});
    if (!user)
        return ApiResponse::error(404, QStringLiteral("not_found"), QStringLiteral("No such user."));
    return ApiResponse::json(userJson(*user));
}

ApiResponse AuthService::updateMe(ApiRequest &request)
{
    const QJsonValue name = request.json.value(QStringLiteral("display_name"));
    if (!name.isString())
        return ApiResponse::error(400, QStringLiteral("invalid_request"), QStringLiteral("\"display_name\" must be a string."));
    const QString trimmed = name.toString().trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 100)
        return ApiResponse::error(400, QStringLiteral("invalid_request"),
                                  QStringLiteral("The display name must have 1 to 100 characters."));
    if (!m_db.run(QStringLiteral("UPDATE users SET display_name = ? WHERE id = ?"), {trimmed, request.userId}))
        return ApiResponse::error(500, QStringLiteral("server_error"), QStringLiteral("The name could not be saved."));
    return me(request);
}

ApiResponse AuthService::changePassword(ApiRequest &request)
{
    const QJsonValue current = request.json.value(QStringLiteral("current_password"));
    const QJsonValue next = request.json.value(QStringLiteral("new_password"));
    if (!current.isString() || !next.isString())
        return ApiResponse::error(400, QStringLiteral("invalid_request"),
                                  QStringLiteral("\"current_password\" and \"new_password\" are required."));
    if (next.toString().size() < kMinPassword || next.toString().size() > kMaxPassword)
        return ApiResponse::error(400, QStringLiteral("weak_password"), QStringLiteral("The new password must have at least 8 characters."));
    const auto user = m_db.one(QStringLiteral("SELECT password_hash FROM users WHERE id = ?"), {request.userId});
    if (!user || !m_hasher.verify(current.toString(), user->value(QStringLiteral("password_hash")).toString()))
        return ApiResponse::error(403, QStringLiteral("wrong_password"), QStringLiteral("The current password is wrong."));
    const QString hash = m_hasher.hash(next.toString());
    if (hash.isEmpty() || !m_db.run(QStringLiteral("UPDATE users SET password_hash = ? WHERE id = ?"), {hash, request.userId}))
        return ApiResponse::error(500, QStringLiteral("server_error"), QStringLiteral("The password could not be changed."));
    // Other sign-ins may have been made with the old password: end them.
    m_db.run(QStringLiteral("UPDATE sessions SET revoked = 1 WHERE user_id = ? AND id <> ?"), {request.userId, request.sessionId});
    return ApiResponse::json({});
}

ApiResponse AuthService::sessions(ApiRequest &request)
{
    QJsonArray list;
    const auto rows = m_db.all(QStringLiteral("SELECT * FROM sessions WHERE user_id = ? AND revoked = 0 AND expires_at > ? "
                                              "ORDER BY last_active_at DESC"),
                               {request.userId, nowSeconds()});
    for (const QVariantMap &row : rows) {
        const QString id = row.value(QStringLiteral("id")).toString();
        list.append(QJsonObject{{QStringLiteral("id"), id},
                                {QStringLiteral("user_agent"), row.value(QStringLiteral("user_agent")).toString()},
                                {QStringLiteral("ip_address"), row.value(QStringLiteral("ip_address")).toString()},
                                {QStringLiteral("created_at"), row.value(QStringLiteral("created_at")).toString()},
                                {QStringLiteral("last_active_at"), row.value(QStringLiteral("last_active_at")).toString()},
                                {QStringLiteral("is_current"), id == request.sessionId}});
    }
    return ApiResponse::json({{QStringLiteral("sessions"), list}});
}

ApiResponse AuthService::revokeSession(ApiRequest &request)
{
    if (!m_db.run(QStringLiteral("UPDATE sessions SET revoked = 1 WHERE id = ? AND user_id = ? AND revoked = 0"),
                  {request.args.value(0), request.userId}))
        return ApiResponse::error(500, QStringLiteral("server_error"), QStringLiteral("The session could not be revoked."));
    if (m_db.changedRows() == 0)
        return ApiResponse::error(404, QStringLiteral("not_found"), QStringLiteral("No such session."));
    return ApiResponse::json({});
}
