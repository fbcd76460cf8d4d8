#include "backupcommands.h"

#include "app/appstate.h"
#include "clisession.h"
#include "services/backupservice.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

struct ModeName
{
    QStringView name;
    BackupImportMode mode;
};

constexpr ModeName kModes[] = {
    {u"replace", BackupImportMode::Replace},
    {u"newer", BackupImportMode::KeepNewer},
    {u"skip", BackupImportMode::SkipExisting},
};

QJsonObject tableCounts(int imported, int skipped)
{
    return QJsonObject{{u"imported"_s, imported}, {u"skipped"_s, skipped}};
}

} // namespace

QList<CliCommand> BackupCommands::commands()
{
    return {
        {{u"backup"_s, u"export"_s}, tr("Write every row of the database to a backup ZIP file."),
         [](QCommandLineParser &parser) {
             parser.addPositionalArgument(u"FILE"_s, tr("The ZIP file to write."));
         },
         &BackupCommands::exportBackup},
        {{u"backup"_s, u"import"_s}, tr("Merge a backup ZIP file into the database."),
         [](QCommandLineParser &parser) {
             parser.addPositionalArgument(u"FILE"_s, tr("The ZIP file to read."));
             parser.addOption({u"mode"_s,
                               tr("How rows that exist already are treated: replace (take the backup's), newer "
                                  "(take the backup's when its updated_at is later) or skip (keep ours)."),
                               u"MODE"_s});
         },
         &BackupCommands::importBackup},
    };
}

int BackupCommands::exportBackup(CliSession &session, const QCommandLineParser &parser)
{
    const auto args = session.arguments(parser, {u"FILE"_s}, 1, 1);
    if (!args)
        return session.exitCode();
    AppState *state = session.open();
    if (!state)
        return session.exitCode();

    const QString path = args->first();
    QString reason;
    const QByteArray bytes = state->backupService()->exportBackup(&reason);
    if (bytes.isEmpty())
        return session.fail(tr("The backup could not be made: %1").arg(reason));
    // Written aside and renamed, so a failed write never leaves half an archive.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return session.fail(tr("Could not write to: %1").arg(path));

    if (session.json())
        session.printJson(QJsonObject{{u"file"_s, path}, {u"bytes"_s, qint64(bytes.size())}});
    else
        session.print(tr("Backup saved to: %1").arg(path));
    return CliSession::Success;
}

int BackupCommands::importBackup(CliSession &session, const QCommandLineParser &parser)
{
    const auto args = session.arguments(parser, {u"FILE"_s}, 1, 1);
    if (!args)
        return session.exitCode();
    if (!parser.isSet(u"mode"_s))
        return session.usageError(tr("Missing option: --%1").arg(u"mode"_s));
    const QString modeText = parser.value(u"mode"_s).trimmed().toLower();
    const ModeName *mode = nullptr;
    for (const ModeName &candidate : kModes) {
        if (candidate.name == modeText)
            mode = &candidate;
    }
    if (!mode) {
        return session.usageError(
            tr("Invalid --mode \"%1\" (expected replace, newer or skip)").arg(parser.value(u"mode"_s)));
    }

    const QString path = args->first();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return session.fail(tr("Could not read file: %1").arg(path));
    const QByteArray bytes = file.readAll();
    file.close();
    AppState *state = session.open();
    if (!state)
        return session.exitCode();

    const BackupImportResult result = state->backupService()->importBackup(bytes, mode->mode);
    const QString summary = tr("Imported %1 items, skipped %2.").arg(result.importedTotal()).arg(result.skippedTotal());
    if (session.json()) {
        session.printJson(QJsonObject{
            {u"mode"_s, mode->name.toString()},
            {u"imported"_s, result.importedTotal()},
            {u"skipped"_s, result.skippedTotal()},
            {u"accounts"_s, tableCounts(result.accountsImported, result.accountsSkipped)},
            {u"categories"_s, tableCounts(result.categoriesImported, result.categoriesSkipped)},
            {u"transactions"_s, tableCounts(result.transactionsImported, result.transactionsSkipped)},
            {u"split_lines"_s, tableCounts(result.splitLinesImported, result.splitLinesSkipped)},
            {u"recurring_transactions"_s, tableCounts(result.recurringImported, result.recurringSkipped)},
            {u"reconciliations"_s, tableCounts(result.reconciliationsImported, result.reconciliationsSkipped)},
            {u"errors"_s, QJsonArray::fromStringList(result.errors)},
        });
    } else if (result.errors.isEmpty() || result.importedTotal() + result.skippedTotal() > 0) {
        // An archive that could not be read at all gets only its error.
        session.print(summary);
    }
    if (result.errors.isEmpty())
        return CliSession::Success;
    // Rows handled before a bad entry stay; the exit code still tells that
    // not everything came back.
    for (const QString &error : result.errors)
        session.fail(error);
    return session.exitCode();
}
