#include "clirunner.h"

#include "backupcommands.h"
#include "clisession.h"
#include "importcommands.h"
#include "ledgercommands.h"
#include "recurringcommands.h"
#include "reportcommand.h"
#include "samplecommands.h"
#include "synccommand.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void writeTo(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

bool isHelpWord(const QString &word)
{
    return word == u"-h" || word == u"--help" || word == u"-?" || word == u"--help-all";
}

// Names padded to one column, then their descriptions.
QString commandList(const QList<const CliCommand *> &commands)
{
    qsizetype width = 0;
    for (const CliCommand *command : commands)
        width = qMax(width, command->name().size());
    QString out;
    for (const CliCommand *command : commands)
        out += u"  "_s + command->name().leftJustified(width + 2) + command->summary + u'\n';
    return out;
}

} // namespace

CliRunner::CliRunner()
{
    m_commands << LedgerCommands::commands() << ImportCommands::commands() << ReportCommand::commands()
               << BackupCommands::commands() << RecurringCommands::commands() << SampleCommands::commands()
               << SyncCommand::commands();
}

void CliRunner::addSharedOptions(QCommandLineParser &parser) const
{
    parser.addOptions({
        {u"data-dir"_s, tr("Use the database in DIR instead of PENWICK_DATA_DIR or the default data directory."),
         u"DIR"_s},
        {u"json"_s, tr("Print JSON instead of CSV or text.")},
    });
    parser.addHelpOption();
}

QString CliRunner::usageText(QCommandLineParser &parser, const QString &words) const
{
    // The parser names the program as it was started, often with its folder;
    // the usage line also needs the command words after the name.
    QString text = parser.helpText();
    const qsizetype at = text.indexOf(m_invokedAs);
    if (at >= 0)
        text.replace(at, m_invokedAs.size(), words.isEmpty() ? m_program : m_program + u' ' + words);
    return text;
}

QString CliRunner::topHelp(QCommandLineParser &parser) const
{
    QList<const CliCommand *> all;
    for (const CliCommand &command : m_commands)
        all << &command;
    return usageText(parser, QString()) + u'\n' + tr("Commands:") + u'\n' + commandList(all) + u'\n'
        + tr("Run \"%1 COMMAND --help\" for the options of a command.").arg(m_program) + u'\n';
}

QString CliRunner::groupHelp(const QString &group) const
{
    QList<const CliCommand *> members;
    for (const CliCommand &command : m_commands) {
        if (command.words.first() == group)
            members << &command;
    }
    return tr("Usage: %1 %2 SUBCOMMAND [options]").arg(m_program, group) + u"\n\n" + tr("Subcommands:") + u'\n'
        + commandList(members) + u'\n'
        + tr("Run \"%1 %2 SUBCOMMAND --help\" for the options of a subcommand.").arg(m_program, group) + u'\n';
}

int CliRunner::usageError(const QString &message, const QString &hint) const
{
    writeTo(stderr, u"penwick-cli: "_s + message + u'\n' + hint);
    return CliSession::UsageError;
}

int CliRunner::run(const QStringList &arguments)
{
    m_invokedAs = arguments.value(0, u"penwick-cli"_s);
    m_program = QFileInfo(m_invokedAs).fileName();
    const QString seeHelp = tr("Run \"%1 --help\" for the list of commands.").arg(m_program) + u'\n';

    QCommandLineParser top;
    top.setApplicationDescription(tr("Works on the Penwick register from the command line: the same database, "
                                     "migrations and rules as the program."));
    addSharedOptions(top);
    top.addVersionOption();
    top.addPositionalArgument(u"command"_s, tr("The command to run (see below)."), u"COMMAND [arguments]"_s);
    // Everything after the first word belongs to the command's own parser.
    top.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!top.parse(arguments))
        return usageError(top.errorText(), seeHelp);
    const bool topHelpSet = top.isSet(u"help"_s) || top.isSet(u"help-all"_s);
    if (top.isSet(u"version"_s) && !topHelpSet) {
        writeTo(stdout, u"%1 %2\n"_s.arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion()));
        return CliSession::Success;
    }

    const QStringList words = top.positionalArguments();
    if (words.isEmpty()) {
        if (topHelpSet) {
            writeTo(stdout, topHelp(top));
            return CliSession::Success;
        }
        return usageError(tr("No command given."), topHelp(top));
    }

    // Find the command: one word, or a group word and a subcommand word.
    const CliCommand *command = nullptr;
    bool isGroup = false;
    for (const CliCommand &candidate : m_commands) {
        if (candidate.words.first() != words.first())
            continue;
        if (candidate.words.size() == 1) {
            command = &candidate;
            break;
        }
        isGroup = true;
        if (words.size() > 1 && candidate.words.at(1) == words.at(1)) {
            command = &candidate;
            break;
        }
    }
    if (!command && !isGroup)
        return usageError(tr("Unknown command: %1").arg(words.first()), seeHelp);
    if (!command) {
        const QString group = words.first();
        if (topHelpSet || (words.size() > 1 && isHelpWord(words.at(1)))) {
            writeTo(stdout, groupHelp(group));
            return CliSession::Success;
        }
        if (words.size() < 2 || words.at(1).startsWith(u'-'))
            return usageError(tr("Missing subcommand for %1.").arg(group), groupHelp(group));
        return usageError(tr("Unknown command: %1 %2").arg(group, words.at(1)), groupHelp(group));
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(command->summary);
    addSharedOptions(parser);
    if (command->configure)
        command->configure(parser);
    QStringList rest{arguments.value(0)};
    rest += words.mid(command->words.size());
    const QString commandHint =
        tr("Run \"%1 %2 --help\" for the options of this command.").arg(m_program, command->name()) + u'\n';
    if (!parser.parse(rest))
        return usageError(parser.errorText(), commandHint);
    if (topHelpSet || parser.isSet(u"help"_s) || parser.isSet(u"help-all"_s)) {
        writeTo(stdout, usageText(parser, command->name()));
        return CliSession::Success;
    }

    QString dataDir = top.value(u"data-dir"_s);
    if (parser.isSet(u"data-dir"_s))
        dataDir = parser.value(u"data-dir"_s);
    if (top.isSet(u"data-dir"_s) || parser.isSet(u"data-dir"_s)) {
        if (dataDir.trimmed().isEmpty())
            return usageError(tr("--data-dir needs a directory."), commandHint);
        // The program reads its data directory from this variable, so the
        // database opened below is the one the application would open there.
        qputenv("PENWICK_DATA_DIR", QDir::cleanPath(QDir::current().absoluteFilePath(dataDir)).toUtf8());
    }

    CliSession session(top.isSet(u"json"_s) || parser.isSet(u"json"_s));
    return session.finish(command->run(session, parser));
}
