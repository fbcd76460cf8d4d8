#pragma once

#include "clicommand.h"

#include <QCoreApplication>
#include <QList>

// recurring post-due and recurring list.
class RecurringCommands final
{
    Q_DECLARE_TR_FUNCTIONS(RecurringCommands)
public:
    static QList<CliCommand> commands();

private:
    static int postDue(CliSession &session, const QCommandLineParser &parser);
    static int list(CliSession &session, const QCommandLineParser &parser);
};
