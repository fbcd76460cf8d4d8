#include "synccommand.h"

#include "account/client.h"
#include "app/appstate.h"
#include "clisession.h"
#include "sync/syncengine.h"

#include <QCommandLineParser>
#include <QEventLoop>
#include <QJsonObject>

using namespace Qt::StringLiterals;

QList<CliCommand> SyncCommand::commands()
{
    return {{{u"sync"_s}, tr("Run one synchronisation cycle for the signed-in account."),
             [](QCommandLineParser &) {}, &SyncCommand::run}};
}

int SyncCommand::run(CliSession &session, const QCommandLineParser &parser)
{
    if (!session.arguments(parser, {}, 0, 0))
        return session.exitCode();
    AppState *state = session.open(true);
    if (!state)
        return session.exitCode();
    if (!state->accountClient()->isAuthenticated())
        return session.fail(tr("Not signed in: sign in from Penwick first."));
    SyncEngine *engine = state->syncEngine();
    QEventLoop loop;
    QString error;
    bool completed = false;
    QObject::connect(engine, &SyncEngine::syncCompleted, &loop, [&] {
        completed = true;
        loop.quit();
    });
    QObject::connect(engine, &SyncEngine::syncFailed, &loop, [&](const QString &message) {
        error = message;
        loop.quit();
    });
    engine->stopAutoSync();
    if (engine->state() != SyncEngine::Syncing)
        engine->syncNow();
    if (engine->state() != SyncEngine::Syncing)
        return session.fail(tr("Sync did not start: %1").arg(engine->statusText()));
    loop.exec();
    if (!completed)
        return session.fail(tr("Sync failed: %1").arg(error));
    if (session.json())
        session.printJson(QJsonObject{{u"synced"_s, true}});
    else
        session.print(tr("Sync complete"));
    return CliSession::Success;
}
