#include "recurringcommands.h"

#include "app/appstate.h"
#include "app/money.h"
#include "clisession.h"
#include "services/recurringservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"

#include <QCommandLineParser>
#include <QHash>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

QString yesNo(bool value)
{
    return value ? RecurringCommands::tr("yes") : RecurringCommands::tr("no");
}

} // namespace

QList<CliCommand> RecurringCommands::commands()
{
    return {
        {{u"recurring"_s, u"post-due"_s},
         tr("Post the due auto-post entries, catching up missed dates, as the program does at start-up."),
         [](QCommandLineParser &) {}, &RecurringCommands::postDue},
        {{u"recurring"_s, u"list"_s}, tr("List the recurring entries by next due date."),
         [](QCommandLineParser &) {}, &RecurringCommands::list},
    };
}

int RecurringCommands::postDue(CliSession &session, const QCommandLineParser &parser)
{
    if (!session.arguments(parser, {}, 0, 0))
        return session.exitCode();
    AppState *state = session.open();
    if (!state)
        return session.exitCode();
    const int posted = state->recurringService()->processAutoPost();
    const int pending = state->recurringService()->pendingCount();
    if (session.json()) {
        session.printJson(QJsonObject{{u"posted"_s, posted}, {u"pending"_s, pending}});
    } else {
        session.print(tr("Auto-posted %n recurring transaction(s)", nullptr, posted));
        if (pending > 0)
            session.print(tr("%n due entry(s) still waiting for confirmation", nullptr, pending));
    }
    return CliSession::Success;
}

int RecurringCommands::list(CliSession &session, const QCommandLineParser &parser)
{
    if (!session.arguments(parser, {}, 0, 0))
        return session.exitCode();
    AppState *state = session.open();
    if (!state)
        return session.exitCode();

    QHash<QString, Account> accounts;
    for (const Account &account : state->accountRepository()->findAll())
        accounts.insert(account.id, account);
    QHash<QString, QString> categories;
    for (const Category &category : state->categoryRepository()->findAll())
        categories.insert(category.id, category.name);

    CliTable table;
    table.headers = {tr("Id"),        tr("Account"),  tr("Payee"),     tr("Memo"),      tr("Amount"),
                     tr("Category"),  tr("Frequency"), tr("Next Due"), tr("End Date"), tr("Auto-post"),
                     tr("Active"),    tr("Transfer To")};
    for (const RecurringTransaction &entry : state->recurringService()->listAll()) {
        const Account account = accounts.value(entry.account_id);
        const QString endDate = entry.end_date ? entry.end_date->toString(Qt::ISODate) : QString();
        const QString transferTo = accounts.value(entry.transfer_dest_account_id).name;
        table.rows.append({entry.id, account.name, entry.payee, entry.memo,
                           formatAmount(entry.amount, account.currency), categories.value(entry.category_id),
                           frequencyToString(entry.frequency),
                           entry.next_due_date.toString(Qt::ISODate), endDate, yesNo(entry.auto_post),
                           yesNo(entry.is_active), transferTo});
        table.json.append(QJsonObject{
            {u"id"_s, entry.id},
            {u"account_id"_s, entry.account_id},
            {u"account_name"_s, account.name},
            {u"payee"_s, entry.payee},
            {u"memo"_s, entry.memo},
            {u"amount"_s, entry.amount},
            {u"category_id"_s, entry.category_id},
            {u"category_name"_s, categories.value(entry.category_id)},
            {u"frequency"_s, frequencyToString(entry.frequency)},
            {u"start_date"_s, entry.start_date.toString(Qt::ISODate)},
            {u"next_due_date"_s, entry.next_due_date.toString(Qt::ISODate)},
            {u"end_date"_s, endDate.isEmpty() ? QJsonValue() : QJsonValue(endDate)},
            {u"auto_post"_s, entry.auto_post},
            {u"is_active"_s, entry.is_active},
            {u"transfer_dest_account_id"_s, entry.transfer_dest_account_id},
        });
    }
    session.printTable(table);
    return CliSession::Success;
}
