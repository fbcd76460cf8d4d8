#pragma once

#include "clicommand.h"

#include <QCoreApplication>
#include <QList>

// sync: one synchronisation cycle with the signed-in user's sync service.
class SyncCommand final
{
    Q_DECLARE_TR_FUNCTIONS(SyncCommand)
public:
    static QList<CliCommand> commands();

private:
    static int run(CliSession &session, const QCommandLineParser &parser);
};
