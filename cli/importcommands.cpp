#include "importcommands.h"

#include "app/appstate.h"
#include "clisession.h"
#include "services/importmapping.h"
#include "services/importservice.h"
#include "services/importsummary.h"
#include "storage/accountrepository.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

// Fails for the first path that is not a readable file: the service would
// skip it silently.
bool checkReadable(CliSession &session, const QStringList &paths)
{
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (!info.isFile() || !info.isReadable()) {
            session.fail(ImportCommands::tr("Cannot read file: %1").arg(path));
            return false;
        }
    }
    return true;
}

// The analysed source a --map or --skip text names: its key, its name, for
// a file without "!Account" the file's path or name, and for a bank
// statement its account number.
int findSource(const QList<QifSourceAccount> &sources, const QString &text)
{
    for (int i = 0; i < sources.size(); ++i) {
        const QifSourceAccount &source = sources.at(i);
        QStringList names{source.key, source.displayName};
        if (source.noHeader) {
            names << QFileInfo(source.key).fileName() << QFileInfo(source.key).absoluteFilePath();
        }
        if (!source.currency.isEmpty())
            names << source.key.section(u' ', -1, -1, QString::SectionSkipEmpty);
        for (const QString &name : std::as_const(names)) {
            if (name.compare(text, Qt::CaseInsensitive) == 0)
                return i;
        }
    }
    return -1;
}

} // namespace

QStringList ImportCommands::csvDateFormats()
{
    return {u"MM/dd/yyyy"_s, u"dd/MM/yyyy"_s, u"yyyy-MM-dd"_s, u"MM/dd/yy"_s, u"M/d/yyyy"_s};
}

QList<CliCommand> ImportCommands::commands()
{
    return {
        {{u"import"_s, u"qif"_s}, tr("Import QIF files, mapping each source account to a local account."),
         [](QCommandLineParser &parser) {
             parser.addPositionalArgument(u"FILE"_s, tr("QIF files to import together."), u"FILE..."_s);
             parser.addOptions({
                 {u"map"_s,
                  tr("Send the source account SOURCE (or a transfer target named in the files) to the existing "
                     "account ACCOUNT (name or id). Repeatable."),
                  u"SOURCE=ACCOUNT"_s},
                 {u"skip"_s, tr("Skip the transactions of the source account SOURCE. Repeatable."), u"SOURCE"_s},
             });
             parser.setApplicationDescription(
                 parser.applicationDescription() + u"\n\n"_s
                 + tr("Sources without --map or --skip go to the existing account of the same name (ignoring "
                      "case), otherwise to a new account named after the source."));
         },
         &ImportCommands::importQif},
        {{u"import"_s, u"ofx"_s}, tr("Import OFX or QFX bank downloads, mapping each statement's account to a local "
                                     "account."),
         [](QCommandLineParser &parser) {
             parser.addPositionalArgument(u"FILE"_s, tr("OFX or QFX files to import together."), u"FILE..."_s);
             parser.addOptions({
                 {u"map"_s,
                  tr("Send the statement account SOURCE (as listed, or its account number) to the existing account "
                     "ACCOUNT (name or id). Repeatable."),
                  u"SOURCE=ACCOUNT"_s},
                 {u"skip"_s, tr("Skip the transactions of the statement account SOURCE. Repeatable."), u"SOURCE"_s},
             });
             parser.setApplicationDescription(
                 parser.applicationDescription() + u"\n\n"_s
                 + tr("Accounts without --map or --skip go to the existing account of the same name (ignoring "
                      "case), otherwise to a new account in the statement's currency. Transactions already "
                      "imported from an earlier download are counted as duplicates."));
         },
         &ImportCommands::importOfx},
        {{u"import"_s, u"csv"_s}, tr("Import a CSV file into one account."),
         [](QCommandLineParser &parser) {
             parser.addPositionalArgument(u"FILE"_s, tr("CSV file to import."));
             parser.addOptions({
                 {u"account"_s, tr("Target account (name or id)."), u"ACCOUNT"_s},
                 {u"date-col"_s, tr("Column of the date, counted from 0."), u"N"_s},
                 {u"payee-col"_s, tr("Column of the payee, counted from 0."), u"N"_s},
                 {u"amount-col"_s, tr("Column of the amount, counted from 0."), u"N"_s},
                 {u"memo-col"_s, tr("Column of the memo, counted from 0."), u"N"_s},
                 {u"category-col"_s, tr("Column of the category name, counted from 0."), u"N"_s},
                 {u"date-format"_s,
                  tr("How dates are written: %1 (default %2).")
                      .arg(csvDateFormats().join(u", "_s), csvDateFormats().constFirst()),
                  u"FMT"_s},
                 {u"no-header"_s, tr("The first row holds data, not column titles.")},
             });
         },
         &ImportCommands::importCsv},
    };
}

int ImportCommands::importQif(CliSession &session, const QCommandLineParser &parser)
{
    return importMapped(session, parser, false);
}

int ImportCommands::importOfx(CliSession &session, const QCommandLineParser &parser)
{
    return importMapped(session, parser, true);
}

int ImportCommands::importMapped(CliSession &session, const QCommandLineParser &parser, bool ofx)
{
    const auto files = session.arguments(parser, {u"FILE"_s}, 1, -1);
    if (!files)
        return session.exitCode();

    struct MapRequest
    {
        QString source;
        QString account;
    };
    QList<MapRequest> requests;
    for (const QString &value : parser.values(u"map"_s)) {
        const qsizetype equals = value.indexOf(u'=');
        const QString source = equals < 0 ? QString() : value.left(equals).trimmed();
        const QString account = equals < 0 ? QString() : value.mid(equals + 1).trimmed();
        if (source.isEmpty() || account.isEmpty())
            return session.usageError(tr("Invalid --map \"%1\" (expected SOURCE=ACCOUNT)").arg(value));
        requests.append({source, account});
    }
    if (!checkReadable(session, *files))
        return session.exitCode();
    AppState *state = session.open();
    if (!state)
        return session.exitCode();

    ImportService *service = state->importService();
    const QifAnalysis analysis = ofx ? service->analyzeOfxFiles(*files) : service->analyzeQifFiles(*files);
    if (!analysis.error.isEmpty())
        return session.fail(analysis.error);
    const QList<QifSourceAccount> &sources = analysis.accounts;

    // Source index -> target id (empty: skipped); --map texts that name no
    // source only tell where a transfer target lives.
    QHash<int, QString> chosen;
    QHash<QString, QString> mapping;
    for (const MapRequest &request : std::as_const(requests)) {
        const auto account = session.account(request.account);
        if (!account)
            return session.exitCode();
        const int index = findSource(sources, request.source);
        if (index < 0 && ofx) {
            return session.fail(tr("No source account \"%1\" in the files").arg(request.source));
        } else if (index < 0) {
            mapping.insert(request.source, account->id);
        } else if (chosen.contains(index) && chosen.value(index) != account->id) {
            return session.usageError(tr("Source \"%1\" is mapped twice").arg(request.source));
        } else {
            chosen.insert(index, account->id);
        }
    }
    for (const QString &skip : parser.values(u"skip"_s)) {
        const int index = findSource(sources, skip.trimmed());
        if (index < 0)
            return session.fail(tr("No source account \"%1\" in the files").arg(skip));
        if (chosen.contains(index) && !chosen.value(index).isEmpty())
            return session.usageError(tr("Source \"%1\" is both mapped and skipped").arg(skip));
        chosen.insert(index, QString());
    }

    // The window's initial choice for everything else. New accounts are made
    // by the import itself, with their first row.
    const QList<Account> accounts = state->accountRepository()->findAll();
    QList<Account> newAccounts;
    QJsonArray sourceReport;
    for (int i = 0; i < sources.size(); ++i) {
        const QifSourceAccount &source = sources.at(i);
        QString target;
        bool created = false;
        if (chosen.contains(i)) {
            target = chosen.value(i);
        } else if (const auto match = ImportMapping::matchingAccount(source, accounts)) {
            target = match->id;
        } else {
            const Account account = ImportMapping::newAccount(source);
            newAccounts.append(account);
            target = account.id;
            created = true;
        }
        // A source listed later with the same key would overwrite the choice.
        mapping.insert(source.key, target);
        sourceReport.append(QJsonObject{
            {u"source"_s, source.displayName},
            {u"key"_s, source.key},
            {u"account_id"_s, target},
            {u"created"_s, created},
            {u"skipped"_s, target.isEmpty()},
        });
    }

    // Transfer targets that are no source go to the existing account of the
    // same name, as sources do, so a later import can link them.
    QSet<QString> mapped;
    for (auto it = mapping.cbegin(); it != mapping.cend(); ++it)
        mapped.insert(it.key().toLower());
    for (const QString &target : analysis.transferTargets) {
        if (mapped.contains(target.toLower()))
            continue;
        for (const Account &account : accounts) {
            if (account.name.compare(target, Qt::CaseInsensitive) == 0) {
                mapping.insert(target, account.id);
                break;
            }
        }
    }

    const ImportResult result = ofx ? service->importOfx(*files, mapping, newAccounts)
                                    : service->importQif(*files, mapping, newAccounts);
    // Names and "created" as they are after the import: an account the
    // import did not need was never made.
    for (qsizetype i = 0; i < sourceReport.size(); ++i) {
        QJsonObject entry = sourceReport.at(i).toObject();
        const QString id = entry.value(u"account_id"_s).toString();
        const auto account = id.isEmpty() ? std::nullopt : state->accountRepository()->findById(id);
        entry.insert(u"account_name"_s, account ? account->name : QString());
        if (!account) {
            entry.insert(u"created"_s, false);
            if (!id.isEmpty())
                entry.insert(u"account_id"_s, QString());
        }
        sourceReport.replace(i, entry);
    }
    return report(session, result, sourceReport);
}

int ImportCommands::importCsv(CliSession &session, const QCommandLineParser &parser)
{
    const auto files = session.arguments(parser, {u"FILE"_s}, 1, 1);
    if (!files)
        return session.exitCode();
    if (!parser.isSet(u"account"_s))
        return session.usageError(tr("Missing option: --%1").arg(u"account"_s));

    CsvColumnMapping mapping;
    const auto date = session.intOption(parser, u"date-col"_s, true, 0, 0);
    if (!date)
        return session.exitCode();
    const auto payee = session.intOption(parser, u"payee-col"_s, true, 0, 0);
    if (!payee)
        return session.exitCode();
    const auto amount = session.intOption(parser, u"amount-col"_s, true, 0, 0);
    if (!amount)
        return session.exitCode();
    const auto memo = session.intOption(parser, u"memo-col"_s, false, -1, 0);
    if (!memo)
        return session.exitCode();
    const auto category = session.intOption(parser, u"category-col"_s, false, -1, 0);
    if (!category)
        return session.exitCode();
    mapping.dateColumn = *date;
    mapping.payeeColumn = *payee;
    mapping.amountColumn = *amount;
    mapping.memoColumn = *memo;
    mapping.categoryColumn = *category;
    mapping.firstRowIsHeader = !parser.isSet(u"no-header"_s);
    mapping.dateFormat = csvDateFormats().constFirst();
    if (parser.isSet(u"date-format"_s)) {
        mapping.dateFormat = parser.value(u"date-format"_s);
        if (!csvDateFormats().contains(mapping.dateFormat)) {
            return session.usageError(tr("Invalid --date-format \"%1\" (expected one of %2)")
                                          .arg(mapping.dateFormat, csvDateFormats().join(u", "_s)));
        }
    }

    if (!checkReadable(session, *files))
        return session.exitCode();
    const auto account = session.account(parser.value(u"account"_s));
    if (!account)
        return session.exitCode();

    const ImportResult result = session.open()->importService()->importCsv(files->first(), account->id, mapping);
    return report(session, result,
                  QJsonArray{QJsonObject{{u"source"_s, files->first()},
                                         {u"key"_s, files->first()},
                                         {u"account_id"_s, account->id},
                                         {u"account_name"_s, account->name},
                                         {u"created"_s, false},
                                         {u"skipped"_s, false}}});
}

int ImportCommands::report(CliSession &session, const ImportResult &result, const QJsonArray &sources)
{
    const QStringList lines = ImportSummary::lines(result);
    if (session.json()) {
        session.printJson(QJsonObject{
            {u"imported"_s, result.imported},
            {u"duplicates"_s, result.duplicates},
            {u"unparseable"_s, result.unparseable},
            {u"metadata"_s, result.metadata},
            {u"unmapped"_s, result.unmapped},
            {u"transfers_linked"_s, result.transfersLinked},
            {u"linked_to_previous"_s, result.linkedToPrevious},
            {u"database_errors"_s, result.databaseErrors},
            {u"failed"_s, result.failed},
            {u"sources"_s, sources},
            {u"summary"_s, QJsonArray::fromStringList(lines)},
        });
    } else if (!result.failed) {
        session.printLines(lines);
    }
    if (result.failed)
        return session.fail(lines.join(u' ').simplified());
    if (result.databaseErrors > 0)
        return session.fail(tr("%n record(s) could not be stored.", nullptr, result.databaseErrors));
    return CliSession::Success;
}
