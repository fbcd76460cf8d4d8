#include "importsummary.h"

#include "app/money.h"
#include "importservice.h"

#include <QCoreApplication>
#include <QLocale>

// The import window owns these texts: translating under its name lets the
// window and the command-line tool share one catalogue entry.

QStringList ImportSummary::lines(const ImportResult &result)
{
    if (result.cancelled) {
        return {QCoreApplication::translate("ImportScreen", "Import cancelled."), QString(),
                QCoreApplication::translate("ImportScreen", "The import was cancelled and all changes were rolled "
                                                            "back. No transactions were added.")};
    }
    if (result.failed) {
        if (!result.error.isEmpty()) {
            return {QCoreApplication::translate("ImportScreen", "Import failed."), QString(),
                    result.error + u' '
                        + QCoreApplication::translate("ImportScreen", "No transactions were added.")};
        }
        return {QCoreApplication::translate("ImportScreen", "Import failed."), QString(),
                QCoreApplication::translate("ImportScreen", "A database error stopped the import and all changes "
                                                            "were rolled back. No transactions were added.")};
    }

    // The window shows the imported count even when it is zero.
    QStringList out{QCoreApplication::translate("ImportScreen", "Import complete!"), QString(),
                    QCoreApplication::translate("ImportScreen", "%n transaction(s) imported", nullptr,
                                                result.imported)};
    if (result.transfersLinked > 0) {
        out << QCoreApplication::translate("ImportScreen", "%n transfer(s) linked across accounts", nullptr,
                                           result.transfersLinked);
        if (result.linkedToPrevious > 0) {
            out << QCoreApplication::translate("ImportScreen",
                                               "  (including %n linked to previously imported row(s))", nullptr,
                                               result.linkedToPrevious);
        }
    }
    if (result.duplicates > 0)
        out << QCoreApplication::translate("ImportScreen", "%n duplicate(s) skipped", nullptr, result.duplicates);
    if (result.unparseable > 0) {
        out << QCoreApplication::translate("ImportScreen", "%n record(s) skipped (unparseable)", nullptr,
                                           result.unparseable);
    }
    if (result.metadata > 0) {
        out << QCoreApplication::translate("ImportScreen", "%n metadata record(s) skipped", nullptr,
                                           result.metadata);
    }
    if (result.unmapped > 0) {
        out << QCoreApplication::translate("ImportScreen", "%n record(s) skipped (unmapped source account)",
                                           nullptr, result.unmapped);
    }
    if (result.splitsNotKept > 0) {
        out << QCoreApplication::translate("ImportScreen", "%n split line(s) without a category were not kept",
                                           nullptr, result.splitsNotKept);
    }
    if (result.databaseErrors > 0) {
        out << QCoreApplication::translate("ImportScreen", "%n record(s) skipped (database error — see log)",
                                           nullptr, result.databaseErrors);
    }
    if (result.investmentSkipped > 0) {
        out << QCoreApplication::translate("ImportScreen", "%n record(s) skipped (investment account)", nullptr,
                                           result.investmentSkipped);
    }
    for (const StatementBalance &balance : result.statementBalances) {
        out << QCoreApplication::translate("ImportScreen", "%1: statement balance %2 on %3, account balance %4")
                   .arg(balance.accountName, formatMoney(balance.statementBalance, balance.currency),
                        QLocale().toString(balance.date, QLocale::ShortFormat),
                        formatMoney(balance.accountBalance, balance.currency));
        if (balance.accountBalance != balance.statementBalance) {
            out << QCoreApplication::translate("ImportScreen", "  (they differ by %1)")
                       .arg(formatMoney(balance.accountBalance - balance.statementBalance, balance.currency));
        }
    }
    return out;
}

QString ImportSummary::text(const ImportResult &result)
{
    return lines(result).join(u'\n');
}
