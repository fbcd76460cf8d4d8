#pragma once

#include "clicommand.h"

#include <QCoreApplication>
#include <QList>

class QJsonArray;
struct ImportResult;

// import qif, import ofx and import csv: the import window's work without the window.
class ImportCommands final
{
    Q_DECLARE_TR_FUNCTIONS(ImportCommands)
public:
    static QList<CliCommand> commands();

    // The date formats the import window offers, in its order.
    static QStringList csvDateFormats();

private:
    static int importQif(CliSession &session, const QCommandLineParser &parser);
    static int importOfx(CliSession &session, const QCommandLineParser &parser);
    static int importMapped(CliSession &session, const QCommandLineParser &parser, bool ofx);
    static int importCsv(CliSession &session, const QCommandLineParser &parser);
    static int report(CliSession &session, const ImportResult &result, const QJsonArray &sources);
};
