#include "reportcommand.h"

#include "app/appstate.h"
#include "clisession.h"
#include "services/reportfilter.h"
#include "services/reportpresenter.h"
#include "services/reportservice.h"

#include <QCommandLineParser>
#include <QSaveFile>
#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

QStringList ReportCommand::reportNames()
{
    QStringList names;
    for (int tab = 0; tab < ReportPresenter::TabCount; ++tab) {
        QString name = ReportPresenter::exportFileName(tab);
        name.chop(4); // ".csv"
        names << name;
    }
    return names;
}

std::optional<int> ReportCommand::tabOf(const QString &name)
{
    QString key = name.trimmed().toLower();
    key.replace(u'-', u'_');
    const qsizetype tab = reportNames().indexOf(key);
    if (tab < 0)
        return std::nullopt;
    return int(tab);
}

QList<CliCommand> ReportCommand::commands()
{
    return {
        {{u"report"_s}, tr("Run one of the eight reports and print it as CSV."),
         [](QCommandLineParser &parser) {
             parser.addPositionalArgument(u"NAME"_s, tr("Report: %1.").arg(reportNames().join(u", "_s)));
             parser.addOptions({
                 {u"from"_s, tr("First day of the period, yyyy-MM-dd."), u"DATE"_s},
                 {u"to"_s, tr("Last day of the period, yyyy-MM-dd."), u"DATE"_s},
                 {u"account"_s, tr("Only this account (name or id); not for tax_report and account_summary."),
                  u"ACCOUNT"_s},
                 {u"compare-from"_s,
                  tr("year_over_year: first day of the earlier period (default: --from one year earlier)."),
                  u"DATE"_s},
                 {u"compare-to"_s,
                  tr("year_over_year: last day of the earlier period (default: --to one year earlier)."),
                  u"DATE"_s},
                 {u"out"_s, tr("Write to FILE instead of standard output."), u"FILE"_s},
             });
             parser.setApplicationDescription(
                 parser.applicationDescription() + u"\n\n"_s
                 + tr("--from and --to are required except for account_summary, which has no period. "
                      "year_over_year compares --from..--to with the earlier period."));
         },
         &ReportCommand::run},
    };
}

int ReportCommand::run(CliSession &session, const QCommandLineParser &parser)
{
    const auto args = session.arguments(parser, {u"NAME"_s}, 1, 1);
    if (!args)
        return session.exitCode();
    const auto tab = tabOf(args->first());
    if (!tab) {
        return session.usageError(
            tr("Unknown report \"%1\" (expected one of %2)").arg(args->first(), reportNames().join(u", "_s)));
    }
    const bool dated = *tab != ReportPresenter::AccountSummaryTab;
    const auto from = session.dateOption(parser, u"from"_s, dated);
    if (!from)
        return session.exitCode();
    const auto to = session.dateOption(parser, u"to"_s, dated);
    if (!to)
        return session.exitCode();
    const bool yearOverYear = *tab == ReportPresenter::YearOverYearTab;
    if (!yearOverYear && (parser.isSet(u"compare-from"_s) || parser.isSet(u"compare-to"_s)))
        return session.usageError(tr("--compare-from and --compare-to belong to year_over_year"));
    const auto compareFrom = session.dateOption(parser, u"compare-from"_s, false);
    if (!compareFrom)
        return session.exitCode();
    const auto compareTo = session.dateOption(parser, u"compare-to"_s, false);
    if (!compareTo)
        return session.exitCode();
    const bool accountWide = *tab == ReportPresenter::TaxReportTab || *tab == ReportPresenter::AccountSummaryTab;
    if (accountWide && parser.isSet(u"account"_s))
        return session.usageError(
            tr("Report \"%1\" covers every account; --account does not apply").arg(args->first()));

    ReportFilter filter;
    filter.from = *from;
    filter.to = *to;
    if (parser.isSet(u"account"_s)) {
        const auto account = session.account(parser.value(u"account"_s));
        if (!account)
            return session.exitCode();
        filter.accountId = account->id;
    }
    AppState *state = session.open();
    if (!state)
        return session.exitCode();

    const ReportService &service = *state->reportService();
    const ReportPresenter presenter;
    ReportTable table;
    switch (*tab) {
    case ReportPresenter::CategorySpendingTab:
        table = presenter.categorySpending(service.categorySpending(filter));
        break;
    case ReportPresenter::PayeeSummaryTab:
        table = presenter.payeeSummary(service.payeeSummary(filter));
        break;
    case ReportPresenter::TaxReportTab:
        table = presenter.taxReport(service.taxReport(filter.from, filter.to));
        break;
    case ReportPresenter::IncomeVsExpensesTab:
        table = presenter.incomeVsExpenses(service.incomeVsExpenses(filter));
        break;
    case ReportPresenter::CashFlowTab:
        table = presenter.cashFlow(service.cashFlow(filter));
        break;
    case ReportPresenter::YearOverYearTab: {
        const QDate p1From = compareFrom->isValid() ? *compareFrom : filter.from.addYears(-1);
        const QDate p1To = compareTo->isValid() ? *compareTo : filter.to.addYears(-1);
        table = presenter.yearOverYear(service.yearOverYear(p1From, p1To, filter.from, filter.to, filter.accountId));
        break;
    }
    case ReportPresenter::AccountSummaryTab:
        table = presenter.accountSummary(service.accountSummary());
        break;
    default:
        table = presenter.transactions(service.transactionList(filter));
        break;
    }

    QString text;
    if (session.json()) {
        QJsonArray rows;
        for (const QStringList &row : std::as_const(table.rows))
            rows.append(QJsonArray::fromStringList(row));
        QJsonObject object{
            {u"report"_s, reportNames().at(*tab)},
            {u"title"_s, table.title},
            {u"headers"_s, QJsonArray::fromStringList(table.headers)},
            {u"rows"_s, rows},
            {u"total_row"_s, table.hasTotalRow},
            {u"total_rows"_s, [&table] {
                 QJsonArray rows;
                 for (int row = 0; row < table.rows.size(); ++row) {
                     if (table.isTotalRow(row))
                         rows.append(row);
                 }
                 return rows;
             }()},
        };
        if (dated) {
            object.insert(u"from"_s, filter.from.toString(Qt::ISODate));
            object.insert(u"to"_s, filter.to.toString(Qt::ISODate));
        }
        text = CliSession::jsonText(object);
    } else {
        text = table.toCsv();
    }

    if (!parser.isSet(u"out"_s)) {
        session.write(text);
        return CliSession::Success;
    }
    const QString path = parser.value(u"out"_s);
    // Written aside and renamed, so a failed write never leaves half a file.
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(bytes) != bytes.size() || !file.commit())
        return session.fail(tr("Could not write to: %1").arg(path));
    return CliSession::Success;
}
