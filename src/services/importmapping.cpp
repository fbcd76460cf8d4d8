#include "importmapping.h"

#include <QDateTime>
#include <QUuid>

std::optional<Account> ImportMapping::matchingAccount(const QifSourceAccount &source, const QList<Account> &accounts)
{
    if (source.noHeader)
        return std::nullopt;
    for (const Account &account : accounts) {
        if (account.name.compare(source.displayName, Qt::CaseInsensitive) == 0)
            return account;
    }
    return std::nullopt;
}

QString ImportMapping::createChoiceName(const QifSourceAccount &source)
{
    if (!source.noHeader)
        return source.displayName;
    // The file name itself, blanks included; the key of such a source is its path.
    return source.key.mid(source.key.lastIndexOf(u'/') + 1);
}

QString ImportMapping::newAccountName(const QifSourceAccount &source)
{
    if (!source.noHeader || source.key == source.displayName)
        return source.displayName;
    QString name = source.key.mid(source.key.lastIndexOf(u'/') + 1);
    const qsizetype dot = name.indexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    return name.isEmpty() ? source.displayName : name;
}

Account ImportMapping::newAccount(const QifSourceAccount &source)
{
    Account account;
    account.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    account.name = newAccountName(source);
    account.account_type = source.suggestedType;
    if (!source.currency.isEmpty())
        account.currency = currencyFromString(source.currency);
    account.created_at = QDateTime::currentDateTimeUtc();
    account.updated_at = account.created_at;
    return account;
}
