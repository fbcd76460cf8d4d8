// Pushes rows from several devices of one household in pages of 500 and
// pulls them back on a fresh device; prints rows per second. The server runs
// in-process on SQLite in a temporary directory, or on PostgreSQL with
// --database (e.g. under pg_virtualenv: --database postgresql://).
#include "penwickserver.h"
#include "serverclient.h"
#include "serveroptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QJsonObject change(const QString &type, const QString &id, const QJsonObject &fields)
{
    QJsonObject payload = fields;
    payload.insert(QStringLiteral("client_id"), id);
    payload.insert(QStringLiteral("created_at"), QStringLiteral("2024-01-01T00:00:00Z"));
    payload.insert(QStringLiteral("updated_at"), QStringLiteral("2024-01-01T00:00:00Z"));
    return {{QStringLiteral("entity_type"), type}, {QStringLiteral("entity_id"), id}, {QStringLiteral("action"), QStringLiteral("upsert")},
            {QStringLiteral("version"), 1}, {QStringLiteral("payload"), payload}};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("penwick.server.info=false"));
    QCommandLineParser parser;
    const QCommandLineOption database(QStringLiteral("database"), QStringLiteral("PostgreSQL URL (default SQLite)."), QStringLiteral("url"));
    const QCommandLineOption rowsOption(QStringLiteral("rows"), QStringLiteral("Rows to push (default 100000)."), QStringLiteral("n"), QStringLiteral("100000"));
    const QCommandLineOption devicesOption(QStringLiteral("devices"), QStringLiteral("Devices (default 10)."), QStringLiteral("n"), QStringLiteral("10"));
    const QCommandLineOption pageOption(QStringLiteral("page"), QStringLiteral("Rows per push and pull page (default 500)."), QStringLiteral("n"), QStringLiteral("500"));
    parser.addHelpOption();
    parser.addOptions({database, rowsOption, devicesOption, pageOption});
    parser.process(app);
    const int rows = qMax(1, parser.value(rowsOption).toInt());
    const int devices = qMax(1, parser.value(devicesOption).toInt());
    const int page = qBound(1, parser.value(pageOption).toInt(), 500);

    QTemporaryDir dir;
    ServerOptions options;
    options.port = 0;
    options.dataDir = dir.path();
    options.database = parser.value(database);
    options.fastPasswordHashing = true;
    options.maxBodyBytes = 64 * 1024 * 1024;
    PenwickServer server(options);
    QString error;
    if (!server.start(&error)) {
        std::fprintf(stderr, "penwick-server-bench: %s\n", qPrintable(error));
        return 1;
    }
    ServerClient client(server.url());
    const QString email = QStringLiteral("bench@example.org");
    const QString password = QStringLiteral("bench password");
    if (client.signIn(email, password, true).status != 302) {
        std::fprintf(stderr, "penwick-server-bench: sign-up failed\n");
        return 1;
    }
    QStringList tokens;
    for (int d = 0; d < devices + 1; ++d)
        tokens.append(client.signIn(email, password, false).access);

    // Each device has its own account; its transactions follow, devices taking turns page by page.
    QList<QJsonArray> queues(devices);
    for (int d = 0; d < devices; ++d)
        queues[d].append(change(QStringLiteral("account"), QStringLiteral("account-%1").arg(d), {{QStringLiteral("name"), QStringLiteral("Device %1").arg(d)}}));
    for (int i = 0; queues.size() && i < rows - devices; ++i) {
        const int d = i % devices;
        queues[d].append(change(QStringLiteral("transaction"), QStringLiteral("tx-%1-%2").arg(d).arg(i),
                                {{QStringLiteral("account_id"), QStringLiteral("account-%1").arg(d)}, {QStringLiteral("date"), QStringLiteral("2024-03-01")},
                                 {QStringLiteral("payee"), QStringLiteral("Payee %1").arg(i % 97)}, {QStringLiteral("amount"), -(i % 10000)},
                                 {QStringLiteral("memo"), QString()}, {QStringLiteral("cleared"), false}}));
    }
    QElapsedTimer timer;
    timer.start();
    int pushed = 0;
    for (bool more = true; more;) {
        more = false;
        for (int d = 0; d < devices; ++d) {
            QJsonArray batch;
            while (!queues[d].isEmpty() && batch.size() < page)
                batch.append(queues[d].takeAt(0));
            if (batch.isEmpty())
                continue;
            more = true;
            const auto reply = client.call("POST", QStringLiteral("/penwick/v1/sync/push"), {{QStringLiteral("changes"), batch}}, tokens.at(d));
            if (reply.status != 200) {
                std::fprintf(stderr, "push failed: HTTP %d\n", reply.status);
                return 1;
            }
            pushed += int(batch.size());
        }
    }
    const double pushSeconds = timer.nsecsElapsed() / 1e9;

    timer.restart();
    int pulled = 0;
    int pages = 0;
    QString since;
    for (bool more = true; more; ++pages) {
        QUrlQuery query;
        if (!since.isEmpty())
            query.addQueryItem(QStringLiteral("since"), since);
        query.addQueryItem(QStringLiteral("limit"), QString::number(page));
        const auto reply = client.send("GET", QStringLiteral("/penwick/v1/sync/pull"), {}, tokens.constLast(), "application/json", query);
        if (reply.status != 200) {
            std::fprintf(stderr, "pull failed: HTTP %d\n", reply.status);
            return 1;
        }
        for (const char *key : {"accounts", "transactions"})
            pulled += int(reply.json.value(QLatin1String(key)).toArray().size());
        since = reply.json.value(QStringLiteral("server_time")).toString();
        more = reply.json.value(QStringLiteral("has_more")).toBool();
    }
    const double pullSeconds = timer.nsecsElapsed() / 1e9;
    const char *backend = options.database.isEmpty() ? "SQLite" : "PostgreSQL";
    std::printf("%s: pushed %d rows from %d devices in pages of %d: %.1f s, %.0f rows/s\n", backend, pushed, devices,
                page, pushSeconds, pushed / pushSeconds);
    std::printf("%s: pulled %d rows in %d pages: %.1f s, %.0f rows/s\n", backend, pulled, pages, pullSeconds,
                pulled / pullSeconds);
    return pulled == pushed ? 0 : 1;
}
