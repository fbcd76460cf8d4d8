#include "samplecommands.h"

#include "app/appstate.h"
#include "clisession.h"
#include "services/sampledataservice.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

QList<CliCommand> SampleCommands::commands()
{
    return {
        {{u"sample"_s, u"load"_s},
         tr("Add the sample household (three accounts, two months, three recurring entries)."),
         [](QCommandLineParser &) {}, &SampleCommands::load},
        {{u"sample"_s, u"clear"_s}, tr("Remove every sample row again."), [](QCommandLineParser &) {},
         &SampleCommands::clear},
    };
}

int SampleCommands::load(CliSession &session, const QCommandLineParser &parser)
{
    if (!session.arguments(parser, {}, 0, 0))
        return session.exitCode();
    AppState *state = session.open();
    if (!state)
        return session.exitCode();
    SampleDataService service(state->database());
    if (service.isHouseholdLoaded())
        return session.fail(tr("Sample data is already loaded."));
    if (service.hasSampleData()) {
        return session.fail(tr("Sample data cannot be loaded again while the sample account(s) %1 remain: "
                               "your own transactions use them. Move or delete those transactions first.")
                                .arg(service.sampleAccountNames().join(u", "_s)));
    }
    if (!service.loadSampleData())
        return session.fail(tr("The sample data could not be loaded; nothing was added."));
    if (session.json())
        session.printJson(QJsonObject{{u"loaded"_s, true}});
    else
        session.print(tr("Sample data loaded"));
    return CliSession::Success;
}

int SampleCommands::clear(CliSession &session, const QCommandLineParser &parser)
{
    if (!session.arguments(parser, {}, 0, 0))
        return session.exitCode();
    AppState *state = session.open();
    if (!state)
        return session.exitCode();
    SampleDataService service(state->database());
    if (!service.hasSampleData())
        return session.fail(tr("No sample data to clear."));
    const bool wasLoaded = service.isHouseholdLoaded();
    if (!service.clearSampleData())
        return session.fail(tr("The sample data could not be cleared completely."));
    const QStringList kept = service.sampleAccountNames();
    const QString keptText =
        tr("The sample account(s) %1 were kept because your own transactions use them.").arg(kept.join(u", "_s));
    if (!wasLoaded && !kept.isEmpty())
        return session.fail(tr("Nothing more to clear.") + u' ' + keptText);
    if (session.json())
        session.printJson(QJsonObject{{u"cleared"_s, true}, {u"kept_accounts"_s, QJsonArray::fromStringList(kept)}});
    else if (kept.isEmpty())
        session.print(tr("Sample data cleared"));
    else
        session.print(tr("Sample data cleared, except what your own rows use.") + u' ' + keptText);
    return CliSession::Success;
}
