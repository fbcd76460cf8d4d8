// Load on loopback: simulated devices of several households push and pull at
// once for a fixed time against a server in its own thread; prints
// throughput, latencies and errors, and exits non-zero on any error. SQLite in
// a temporary directory, or PostgreSQL with --database (e.g. under
// pg_virtualenv: --database postgresql://).
#include "penwickserver.h"
#include "serverclient.h"
#include "serveroptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QJsonArray>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QThread>
#include <QUuid>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

constexpr int kDevicesPerHousehold = 5;

struct DeviceStats
{
    QList<qint64> pushNs;
    QList<qint64> pullNs;
    qint64 rowsPushed = 0;
    qint64 rowsPulled = 0;
    QStringList errors;
};

QJsonObject change(const QString &type, const QString &id, int version, QJsonObject payload)
{
    payload.insert(QStringLiteral("client_id"), id);
    payload.insert(QStringLiteral("created_at"), QStringLiteral("2024-01-01T00:00:00Z"));
    payload.insert(QStringLiteral("updated_at"), QStringLiteral("2024-01-01T00:00:00Z"));
    return {{QStringLiteral("entity_type"), type}, {QStringLiteral("entity_id"), id}, {QStringLiteral("action"), QStringLiteral("upsert")},
            {QStringLiteral("version"), version}, {QStringLiteral("payload"), payload}};
}

// One device: its own account, then batches of new transactions and edits of
// earlier ones, each push followed by a pull of everything new.
void runDevice(const QUrl &url, const QString &token, int device, int batchRows, qint64 deadlineMs, DeviceStats *stats)
{
    ServerClient client(url);
    QElapsedTimer clock;
    clock.start();
    const QString account = QUuid::createUuid().toString(QUuid::WithoutBraces);
    QStringList sent;
    QHash<QString, int> versions;
    qsizetype nextEdit = 0;
    QString cursor;
    const auto fail = [stats](const QString &what) { stats->errors.append(what); };
    for (int round = 0; clock.elapsed() < deadlineMs && stats->errors.isEmpty(); ++round) {
        QJsonArray batch;
        if (round == 0)
            batch.append(change(QStringLiteral("account"), account, 1, {{QStringLiteral("name"), QStringLiteral("Device %1").arg(device)}}));
        for (int i = 0; batch.size() < batchRows; ++i) {
            // Every fourth row edits one pushed before, on the version the server gave it.
            const bool edit = i % 4 == 3 && sent.size() > batchRows;
            const QString id = edit ? sent.at(nextEdit++ % sent.size()) : QUuid::createUuid().toString(QUuid::WithoutBraces);
            if (!edit)
                sent.append(id);
            batch.append(change(QStringLiteral("transaction"), id, versions.value(id, 1),
                                {{QStringLiteral("account_id"), account}, {QStringLiteral("date"), QStringLiteral("2024-03-01")},
                                 {QStringLiteral("payee"), QStringLiteral("Payee %1").arg(round)},
                                 {QStringLiteral("amount"), -(round * 100 + i)}, {QStringLiteral("memo"), QString()},
                                 {QStringLiteral("cleared"), false}}));
        }
        QElapsedTimer request;
        request.start();
        const ServerClient::Reply pushed = client.call("POST", QStringLiteral("/penwick/v1/sync/push"), {{QStringLiteral("changes"), batch}}, token);
        stats->pushNs.append(request.nsecsElapsed());
        const QJsonArray results = pushed.json.value(QStringLiteral("results")).toArray();
        if (pushed.status != 200 || results.size() != batch.size()) {
            fail(QStringLiteral("push: HTTP %1, %2 results for %3 changes").arg(pushed.status).arg(results.size()).arg(batch.size()));
            break;
        }
        for (const QJsonValue &result : results) {
            versions.insert(result[QStringLiteral("entity_id")].toString(), result[QStringLiteral("version")].toInt());
            if (result[QStringLiteral("status")].toString() != QLatin1String("ok"))
                fail(QStringLiteral("push: %1 %2").arg(result[QStringLiteral("status")].toString(), result[QStringLiteral("message")].toString()));
        }
        stats->rowsPushed += batch.size();
        for (bool more = true; more;) {
            QUrlQuery query;
            if (!cursor.isEmpty())
                query.addQueryItem(QStringLiteral("since"), cursor);
            query.addQueryItem(QStringLiteral("limit"), QStringLiteral("500"));
            request.restart();
            const ServerClient::Reply page = client.send("GET", QStringLiteral("/penwick/v1/sync/pull"), {}, token, "application/json", query);
            stats->pullNs.append(request.nsecsElapsed());
            if (page.status != 200 || !page.json.value(QStringLiteral("server_time")).isString()) {
                fail(QStringLiteral("pull: HTTP %1").arg(page.status));
                break;
            }
            for (const char *key : {"accounts", "transactions"})
                stats->rowsPulled += page.json.value(QLatin1String(key)).toArray().size();
            cursor = page.json.value(QStringLiteral("server_time")).toString();
            more = page.json.value(QStringLiteral("has_more")).toBool();
        }
    }
}

double percentileMs(QList<qint64> samples, double p)
{
    if (samples.isEmpty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const qsizetype index = std::min<qsizetype>(samples.size() - 1, qsizetype(p * double(samples.size())));
    return double(samples.at(index)) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("penwick.server.info=false"));
    QCommandLineParser parser;
    const QCommandLineOption database(QStringLiteral("database"), QStringLiteral("PostgreSQL URL (default SQLite)."), QStringLiteral("url"));
    const QCommandLineOption devicesOption(QStringLiteral("devices"), QStringLiteral("Devices (default 50)."), QStringLiteral("n"), QStringLiteral("50"));
    const QCommandLineOption secondsOption(QStringLiteral("seconds"), QStringLiteral("Duration (default 60)."), QStringLiteral("n"), QStringLiteral("60"));
    const QCommandLineOption batchOption(QStringLiteral("batch"), QStringLiteral("Changes per push (default 20)."), QStringLiteral("n"), QStringLiteral("20"));
    parser.addHelpOption();
    parser.addOptions({database, devicesOption, secondsOption, batchOption});
    parser.process(app);
    const int devices = qBound(1, parser.value(devicesOption).toInt(), 500);
    const int seconds = qBound(1, parser.value(secondsOption).toInt(), 3600);
    const int batchRows = qBound(2, parser.value(batchOption).toInt(), 500);

    QTemporaryDir dir;
    ServerOptions options;
    options.port = 0;
    options.dataDir = dir.path();
    options.database = parser.value(database);
    options.fastPasswordHashing = true;
    options.accessTokenSeconds = seconds + 600;
    // The server answers in its own thread, as it would in its own process.
    auto *server = new PenwickServer(options);
    QThread serverThread;
    server->moveToThread(&serverThread);
    serverThread.start();
    QString error;
    bool started = false;
    QMetaObject::invokeMethod(server, [&] { started = server->start(&error); }, Qt::BlockingQueuedConnection);
    const auto stopServer = [&] {
        QMetaObject::invokeMethod(server, [server] { delete server; }, Qt::BlockingQueuedConnection);
        serverThread.quit();
        serverThread.wait();
    };
    if (!started) {
        std::fprintf(stderr, "penwick-server-load: %s\n", qPrintable(error));
        stopServer();
        return 1;
    }
    const QUrl url = server->url();

    QStringList tokens;
    ServerClient signIn(url);
    for (int d = 0; d < devices; ++d) {
        const QString email = QStringLiteral("household%1@example.org").arg(d / kDevicesPerHousehold);
        const ServerClient::Tokens t = signIn.signIn(email, QStringLiteral("load password"), d % kDevicesPerHousehold == 0);
        if (t.access.isEmpty()) {
            std::fprintf(stderr, "penwick-server-load: sign-in of device %d failed (HTTP %d)\n", d, t.status);
            stopServer();
            return 1;
        }
        tokens.append(t.access);
    }

    std::vector<DeviceStats> stats(devices);
    std::vector<std::unique_ptr<QThread>> threads;
    QElapsedTimer clock;
    clock.start();
    for (int d = 0; d < devices; ++d) {
        threads.emplace_back(QThread::create(runDevice, url, tokens.at(d), d, batchRows, qint64(seconds) * 1000, &stats[d]));
        threads.back()->start();
    }
    for (auto &thread : threads)
        thread->wait();
    const double elapsed = double(clock.nsecsElapsed()) / 1e9;
    stopServer();

    DeviceStats all;
    for (const DeviceStats &s : stats) {
        all.pushNs += s.pushNs;
        all.pullNs += s.pullNs;
        all.rowsPushed += s.rowsPushed;
        all.rowsPulled += s.rowsPulled;
        all.errors += s.errors;
    }
    const qsizetype requests = all.pushNs.size() + all.pullNs.size();
    const char *backend = options.database.isEmpty() ? "SQLite" : "PostgreSQL";
    std::printf("%s: %d devices for %.1f s: %lld requests (%.0f/s), %lld rows pushed (%.0f/s), %lld rows pulled\n", backend,
                devices, elapsed, qlonglong(requests), double(requests) / elapsed, qlonglong(all.rowsPushed),
                double(all.rowsPushed) / elapsed, qlonglong(all.rowsPulled));
    std::printf("%s: push p50 %.1f ms, p99 %.1f ms; pull p50 %.1f ms, p99 %.1f ms; all p99 %.1f ms; errors %lld\n", backend,
                percentileMs(all.pushNs, 0.5), percentileMs(all.pushNs, 0.99), percentileMs(all.pullNs, 0.5),
                percentileMs(all.pullNs, 0.99), percentileMs(all.pushNs + all.pullNs, 0.99), qlonglong(all.errors.size()));
    for (const QString &e : std::as_const(all.errors).mid(0, 10))
        std::fprintf(stderr, "error: %s\n", qPrintable(e));
    return all.errors.isEmpty() && requests > 0 ? 0 : 1;
}
