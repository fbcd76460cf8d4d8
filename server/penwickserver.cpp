#include "penwickserver.h"

#include "accountservice.h"
#include "apiserver.h"
#include "authservice.h"
#include "guardedsslserver.h"
#include "guardedtcpserver.h"
#include "passwordhasher.h"
#include "serverdatabase.h"
#include "syncservice.h"
#include "tokensigner.h"
#include "updatefiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QTimer>

#include <algorithm>

PenwickServer::PenwickServer(const ServerOptions &options, QObject *parent)
    : QObject(parent)
    , m_options(options)
{
}

PenwickServer::~PenwickServer()
{
    // The HTTP front goes first: its handlers refer to the services.
    delete m_http;
}

QUrl PenwickServer::url() const
{
    QUrl url;
    url.setScheme(m_options.certificateFile.isEmpty() ? QStringLiteral("http") : QStringLiteral("https"));
    url.setHost(m_options.address.toString());
    url.setPort(m_port);
    return url;
}

bool PenwickServer::loadSecret(QString *error)
{
    if (!m_options.secret.isEmpty())
        return true;
    if (m_options.dataDir.isEmpty()) {
        *error = QStringLiteral("Give --secret or --data-dir so tokens survive a restart.");
        return false;
    }
    const QString path = QDir(m_options.dataDir).filePath(QStringLiteral("signing-secret"));
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly)) {
        m_options.secret = existing.readAll().trimmed();
        if (m_options.secret.size() >= 32)
            return true;
        *error = QStringLiteral("The signing secret in %1 is too short.").arg(path);
        return false;
    }
    m_options.secret = PasswordHasher::randomToken(48).toLatin1();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(m_options.secret) != m_options.secret.size()
        || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) || !file.commit()) {
        *error = QStringLiteral("Cannot write the signing secret to %1.").arg(path);
        return false;
    }
    return true;
}

bool PenwickServer::start(QString *error)
{
    if (!PasswordHasher::initialise()) {
        *error = QStringLiteral("libsodium could not be initialised.");
        return false;
    }
    if (!m_options.dataDir.isEmpty() && !QDir().mkpath(m_options.dataDir)) {
        *error = QStringLiteral("Cannot create the data directory %1.").arg(m_options.dataDir);
        return false;
    }
    if (!loadSecret(error))
        return false;
    m_db = std::make_unique<ServerDatabase>();
    const QString sqliteFile = m_options.dataDir.isEmpty() ? QString() : QDir(m_options.dataDir).filePath(QStringLiteral("penwick-server.db"));
    if (!m_db->open(sqliteFile, m_options.database, error) || !m_db->migrate(error))
        return false;

    m_signer = std::make_unique<TokenSigner>(m_options.secret);
    m_hasher = std::make_unique<PasswordHasher>(m_options.fastPasswordHashing);
    m_auth = std::make_unique<AuthService>(*m_db, m_options, *m_signer, *m_hasher);
    m_sync = std::make_unique<SyncService>(*m_db);
    m_account = std::make_unique<AccountService>(*m_db, *m_auth, *m_sync);
    m_updates = std::make_unique<UpdateFiles>(m_options.updatesDir);

    m_http = new ApiServer(m_options.maxBodyBytes);
    m_auth->registerRoutes(*m_http);
    m_account->registerRoutes(*m_http, m_options.accountBasePath);
    m_sync->registerRoutes(*m_http, m_options.syncBasePath);
    m_http->setAuthenticator([this](ApiRequest &r) { return m_auth->authenticate(r); });
    m_http->setFallback([this](const ApiRequest &r) { return m_updates->serve(r); });
    if (m_options.testHooks)
        registerTestHooks();

    // Accounts past their deletion grace period go at start and then hourly.
    m_account->purgeDeletedAccounts();
    auto *purge = new QTimer(this);
    connect(purge, &QTimer::timeout, this, [this] { m_account->purgeDeletedAccounts(); });
    purge->start(3600 * 1000);

    QTcpServer *listener = nullptr;
    if (!m_options.certificateFile.isEmpty()) {
        QFile certFile(m_options.certificateFile);
        QFile keyFile(m_options.keyFile);
        if (!certFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("Cannot read the TLS certificate or key.");
            return false;
        }
        const QSslCertificate certificate(&certFile, QSsl::Pem);
        const QByteArray keyBytes = keyFile.readAll();
        QSslKey key(keyBytes, QSsl::Rsa, QSsl::Pem);
        if (key.isNull())
            key = QSslKey(keyBytes, QSsl::Ec, QSsl::Pem);
        if (certificate.isNull() || key.isNull()) {
            *error = QStringLiteral("The TLS certificate or key is not valid PEM.");
            return false;
        }
        auto *tls = new GuardedSslServer(m_options.maxBodyBytes, m_http);
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        configuration.setLocalCertificate(certificate);
        configuration.setPrivateKey(key);
        tls->setSslConfiguration(configuration);
        listener = tls;
    } else {
        listener = new GuardedTcpServer(m_options.maxBodyBytes, m_http);
    }
    if (!listener->listen(m_options.address, m_options.port)) {
        *error = QStringLiteral("Cannot listen on %1:%2: %3").arg(m_options.address.toString()).arg(m_options.port)
                     .arg(listener->errorString());
        return false;
    }
    m_http->bind(listener);
    m_port = listener->serverPort();
    return true;
}

void PenwickServer::registerTestHooks()
{
    // Off unless --test-hooks: lets client tests provoke failures on demand.
    m_http->addRoute("POST", QStringLiteral("/__test/hooks"), ApiServer::Access::Public, [this](ApiRequest &r) {
        ApiServer::TestHooks &http = m_http->testHooks();
        http.failPath = r.json.value(QStringLiteral("fail_path")).toString();
        http.failStatus = r.json.value(QStringLiteral("fail_status")).toInt(500);
        http.delayMs = qBound(0, r.json.value(QStringLiteral("delay_ms")).toInt(), 60000);
        http.faultPath = r.json.value(QStringLiteral("fault_path")).toString();
        http.fault = r.json.value(QStringLiteral("fault")).toString();
        http.faultCount = r.json.value(QStringLiteral("fault_count")).toInt(-1);
        http.faultDelayMs = qBound(0, r.json.value(QStringLiteral("fault_delay_ms")).toInt(5000), 60000);
        http.faultBytes = std::clamp<qint64>(r.json.value(QStringLiteral("fault_bytes")).toInteger(40 << 20), 0, 256 << 20);
        SyncService::TestHooks &sync = m_sync->testHooks();
        sync.pageCut = qMax(0, r.json.value(QStringLiteral("page_cut")).toInt());
        sync.staleCursor = r.json.value(QStringLiteral("stale_cursor")).toBool();
        sync.rejectIds.clear();
        const QJsonArray ids = r.json.value(QStringLiteral("reject_ids")).toArray();
        for (const QJsonValue &id : ids)
            sync.rejectIds.insert(id.toString());
        return ApiResponse::json({});
    });
    // Shows a client what it sent, and answers with any status, body,
    // redirect or size the test asks for in the query.
    for (const char *method : {"GET", "POST", "PUT", "PATCH", "DELETE"}) {
        m_http->addRoute(method, QStringLiteral("/__test/echo"), ApiServer::Access::Public, [](ApiRequest &r) {
            const auto item = [&r](const char *key) { return r.query.queryItemValue(QLatin1String(key)); };
            ApiResponse response;
            response.status = item("status").isEmpty() ? 200 : item("status").toInt();
            if (!item("location").isEmpty()) {
                response.headers.append({"Location", item("location").toUtf8()});
                return response;
            }
            if (!item("raw").isEmpty()) {
                response.body = item("raw").toUtf8();
                return response;
            }
            if (!item("size").isEmpty()) {
                response.body = QByteArray(item("size").toInt(), ' ');
                return response;
            }
            QJsonObject headers;
            for (const auto &header : std::as_const(r.headers))
                headers.insert(QString::fromLatin1(header.first).toLower(), QString::fromUtf8(header.second));
            response.body = QJsonDocument(QJsonObject{{QStringLiteral("method"), QString::fromLatin1(r.method)},
                                                      {QStringLiteral("path"), r.path},
                                                      {QStringLiteral("headers"), headers},
                                                      {QStringLiteral("body"), QString::fromUtf8(r.body)}})
                                .toJson(QJsonDocument::Compact);
            return response;
        }, false);
    }
}
