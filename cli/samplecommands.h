#pragma once

#include "clicommand.h"

#include <QCoreApplication>
#include <QList>

// sample load and sample clear: the demonstration household.
class SampleCommands final
{
    Q_DECLARE_TR_FUNCTIONS(SampleCommands)
public:
    static QList<CliCommand> commands();

private:
    static int load(CliSession &session, const QCommandLineParser &parser);
    static int clear(CliSession &session, const QCommandLineParser &parser);
};
