#pragma once

#include "clicommand.h"

#include <QCoreApplication>
#include <QList>
#include <optional>

// report NAME: one of the reports window's eight tabs, cells as the window
// shows them.
class ReportCommand final
{
    Q_DECLARE_TR_FUNCTIONS(ReportCommand)
public:
    static QList<CliCommand> commands();

    // "category_spending" ... "transactions": the export file names without
    // ".csv", in tab order.
    static QStringList reportNames();
    // The tab of a name; hyphens may stand for underscores, case is ignored.
    static std::optional<int> tabOf(const QString &name);

private:
    static int run(CliSession &session, const QCommandLineParser &parser);
};
