#pragma once

#include "clicommand.h"

#include <QCoreApplication>
#include <QList>

// accounts, register and search: read-only listings of stored transactions.
class LedgerCommands final
{
    Q_DECLARE_TR_FUNCTIONS(LedgerCommands)
public:
    static QList<CliCommand> commands();

private:
    static int accounts(CliSession &session, const QCommandLineParser &parser);
    static int registerRows(CliSession &session, const QCommandLineParser &parser);
    static int search(CliSession &session, const QCommandLineParser &parser);
};
