#pragma once

#include "clicommand.h"

#include <QCoreApplication>
#include <QList>

// backup export and backup import: the preferences window's backup buttons.
class BackupCommands final
{
    Q_DECLARE_TR_FUNCTIONS(BackupCommands)
public:
    static QList<CliCommand> commands();

private:
    static int exportBackup(CliSession &session, const QCommandLineParser &parser);
    static int importBackup(CliSession &session, const QCommandLineParser &parser);
};
