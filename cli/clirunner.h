#pragma once

#include "clicommand.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

class QCommandLineParser;

// Reads the command line, finds the command, gives it its own parser and
// runs it. Options shared by every command may stand before or after the
// command words.
class CliRunner final
{
    Q_DECLARE_TR_FUNCTIONS(CliRunner)
public:
    CliRunner();

    // The process exit code.
    int run(const QStringList &arguments);

    const QList<CliCommand> &commands() const { return m_commands; }

private:
    void addSharedOptions(QCommandLineParser &parser) const;
    QString topHelp(QCommandLineParser &parser) const;
    QString groupHelp(const QString &group) const;
    QString usageText(QCommandLineParser &parser, const QString &words) const;
    int usageError(const QString &message, const QString &hint) const;

    QList<CliCommand> m_commands;
    QString m_invokedAs;
    QString m_program;
};
