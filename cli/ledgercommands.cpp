#include "ledgercommands.h"

#include "app/appstate.h"
#include "app/money.h"
#include "clisession.h"
#include "services/reportservice.h"
#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/transactionrepository.h"

#include <QCommandLineParser>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QSqlQuery>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QString isoDate(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

// The register's "Clr" mark.
QString clearedMark(const Transaction &t)
{
    if (t.reconciled)
        return u"R"_s;
    return t.cleared ? u"C"_s : QString();
}

// Register cells always use the dollar rules, whatever the account's currency.
QString registerAmount(qint64 amount)
{
    return formatAmount(amount, Currency::USD);
}

QJsonObject transactionJson(const RegisterRow &row)
{
    const Transaction &t = row.transaction;
    return QJsonObject{
        {u"id"_s, t.id},
        {u"account_id"_s, t.account_id},
        {u"date"_s, isoDate(t.date)},
        {u"check_number"_s, t.check_number},
        {u"payee"_s, t.payee},
        {u"category_id"_s, t.category_id},
        {u"category_name"_s, row.category_name},
        {u"memo"_s, t.memo},
        {u"amount"_s, t.amount},
        {u"cleared"_s, t.cleared},
        {u"reconciled"_s, t.reconciled},
        {u"is_split"_s, t.is_split},
        {u"transfer_link_id"_s, t.transfer_link_id},
        {u"transfer_dest_account_id"_s, t.transfer_dest_account_id},
    };
}

} // namespace

QList<CliCommand> LedgerCommands::commands()
{
    return {
        {{u"accounts"_s}, tr("List the live accounts with type, currency and balance."),
         [](QCommandLineParser &) {}, &LedgerCommands::accounts},
        {{u"register"_s}, tr("List the transactions of an account with running balances."),
         [](QCommandLineParser &parser) {
             parser.addPositionalArgument(u"ACCOUNT"_s, tr("Account name or id."));
         },
         &LedgerCommands::registerRows},
        {{u"search"_s}, tr("Full-text search over payee, memo and check number (newest 200 rows)."),
         [](QCommandLineParser &parser) {
             parser.addPositionalArgument(u"TEXT"_s,
                                          tr("Search expression: all words must occur, \"quoted phrases\" and "
                                             "prefix* terms work; \"\" lists by the filters alone."));
             parser.addOptions({
                 {u"account"_s, tr("Only this account (name or id)."), u"ACCOUNT"_s},
                 {u"category"_s, tr("Only this category (name, \"Parent > Child\" or id)."), u"CATEGORY"_s},
                 {u"from"_s, tr("Earliest date, yyyy-MM-dd."), u"DATE"_s},
                 {u"to"_s, tr("Latest date, yyyy-MM-dd."), u"DATE"_s},
                 {u"cleared"_s, tr("Only cleared transactions.")},
             });
         },
         &LedgerCommands::search},
    };
}

int LedgerCommands::accounts(CliSession &session, const QCommandLineParser &parser)
{
    if (!session.arguments(parser, {}, 0, 0))
        return session.exitCode();
    AppState *state = session.open();
    if (!state)
        return session.exitCode();

    const QHash<QString, qint64> balances = state->transactionRepository()->accountBalances();
    CliTable table;
    table.headers = {tr("Id"), tr("Name"), tr("Type"), tr("Currency"), tr("Balance")};
    for (const Account &account : state->accountRepository()->findAll()) {
        const qint64 balance = balances.value(account.id, account.starting_balance);
        table.rows.append({account.id, account.name, accountTypeToString(account.account_type),
                           currencyToString(account.currency), formatAmount(balance, account.currency)});
        table.json.append(QJsonObject{
            {u"id"_s, account.id},
            {u"name"_s, account.name},
            {u"account_type"_s, accountTypeToString(account.account_type)},
            {u"currency"_s, currencyToString(account.currency)},
            {u"institution"_s, account.institution},
            {u"starting_balance"_s, account.starting_balance},
            {u"balance"_s, balance},
        });
    }
    session.printTable(table);
    return CliSession::Success;
}

int LedgerCommands::registerRows(CliSession &session, const QCommandLineParser &parser)
{
    const auto args = session.arguments(parser, {u"ACCOUNT"_s}, 1, 1);
    if (!args)
        return session.exitCode();
    const auto account = session.account(args->first());
    if (!account)
        return session.exitCode();

    // Rows are written as they are read: a register of any size needs the
    // memory of one row. The text is the same as a whole table would print.
    const QStringList headers = {tr("Id"),   tr("Date"),    tr("Chk #"),   tr("Payee"), tr("Category"),
                                 tr("Memo"), tr("Payment"), tr("Deposit"), tr("Clr"),   tr("Balance")};
    const bool json = session.json();
    QByteArray out = json ? QByteArray("[\n") : ReportService::toCsv(headers, {}).toUtf8();
    const auto flush = [&out](bool always) {
        if (always || out.size() >= 64 * 1024) {
            std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
            out.clear();
        }
    };
    bool first = true;
    // SQLite sorts the rows; with the program's in-memory temporary storage a
    // large register would be sorted in memory, so the sort may spill to a
    // temporary file for this read.
    QSqlDatabase db = session.open()->database()->connection();
    QSqlQuery(db).exec(u"PRAGMA temp_store = FILE"_s);
    const auto restore = qScopeGuard([&db] { QSqlQuery(db).exec(u"PRAGMA temp_store = MEMORY"_s); });
    const bool ok = session.open()->transactionRepository()->visitRegisterRows(account->id, [&](const RegisterRow &row) {
        const Transaction &t = row.transaction;
        if (json) {
            QJsonObject object = transactionJson(row);
            object.insert(u"running_balance"_s, row.running_balance);
            QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Indented);
            text.chop(1); // one level deeper, inside the array
            out += (first ? "    " : ",\n    ") + text.replace("\n", "\n    ");
        } else {
            out += ReportService::toCsv({t.id, isoDate(t.date), t.check_number, t.payee, row.category_name, t.memo,
                                         t.amount < 0 ? registerAmount(-t.amount) : QString(),
                                         t.amount >= 0 ? registerAmount(t.amount) : QString(), clearedMark(t),
                                         registerAmount(row.running_balance)},
                                        {})
                       .toUtf8();
        }
        first = false;
        flush(false);
    });
    if (json)
        out += first ? "]\n" : "\n]\n";
    flush(true);
    std::fflush(stdout);
    if (!ok)
        return session.fail(tr("The register of %1 could not be read.").arg(account->name));
    return CliSession::Success;
}

int LedgerCommands::search(CliSession &session, const QCommandLineParser &parser)
{
    const auto args = session.arguments(parser, {u"TEXT"_s}, 1, 1);
    if (!args)
        return session.exitCode();
    const auto from = session.dateOption(parser, u"from"_s, false);
    if (!from)
        return session.exitCode();
    const auto to = session.dateOption(parser, u"to"_s, false);
    if (!to)
        return session.exitCode();

    TransactionSearchFilter filter;
    filter.date_from = *from;
    filter.date_to = *to;
    if (parser.isSet(u"cleared"_s))
        filter.cleared = true;
    if (parser.isSet(u"account"_s)) {
        const auto account = session.account(parser.value(u"account"_s));
        if (!account)
            return session.exitCode();
        filter.account_id = account->id;
    }
    if (parser.isSet(u"category"_s)) {
        const auto category = session.category(parser.value(u"category"_s));
        if (!category)
            return session.exitCode();
        filter.category_id = category->id;
    }
    AppState *state = session.open();
    if (!state)
        return session.exitCode();

    QHash<QString, QString> accountNames;
    for (const Account &account : state->accountRepository()->findAll())
        accountNames.insert(account.id, account.name);

    CliTable table;
    table.headers = {tr("Id"),       tr("Date"), tr("Account"), tr("Chk #"), tr("Payee"),
                     tr("Category"), tr("Memo"), tr("Amount"),  tr("Clr")};
    // The search screen trims the text and hands the rest to the full-text
    // engine unchanged.
    const QList<RegisterRow> rows = state->transactionRepository()->search(args->first().trimmed(), filter);
    for (const RegisterRow &row : rows) {
        const Transaction &t = row.transaction;
        const QString accountName = accountNames.value(t.account_id);
        table.rows.append({t.id, isoDate(t.date), accountName, t.check_number, t.payee, row.category_name, t.memo,
                           registerAmount(t.amount), clearedMark(t)});
        QJsonObject json = transactionJson(row);
        json.insert(u"account_name"_s, accountName);
        table.json.append(json);
    }
    session.printTable(table);
    return CliSession::Success;
}
