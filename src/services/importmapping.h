#pragma once

#include "qifsourceaccount.h"
#include "storage/account.h"

#include <QList>
#include <QString>
#include <optional>

// The import window's first guess for each QIF source: an existing account
// with the same name, otherwise a new account named after the source.
class ImportMapping final
{
public:
    // The first account whose name equals the source's name ignoring case; a
    // source from a file without "!Account" never matches.
    static std::optional<Account> matchingAccount(const QifSourceAccount &source, const QList<Account> &accounts);

    // The name shown in "Create new account ..." for the source: a source
    // without header shows its file name.
    static QString createChoiceName(const QifSourceAccount &source);

    // The name a created account gets: the source's name, or for a source
    // without header its file name without folder and extension.
    static QString newAccountName(const QifSourceAccount &source);

    // A new account for the source with a fresh id, the suggested type and
    // both timestamps now; not stored.
    static Account newAccount(const QifSourceAccount &source);
};
