#pragma once

#include "storage/entitytypes.h"

#include <QList>
#include <QStringList>
#include <QString>

// One source of transactions the import window asks the user to map.
struct QifSourceAccount
{
    QString key;          // account name, or the file path for a file without "!Account"
    QString displayName;
    bool noHeader = false;
    AccountType suggestedType = AccountType::Checking;
    QString currency;     // the statement's ISO code (OFX); empty for QIF
};

struct QifAnalysis
{
    QList<QifSourceAccount> accounts;
    QStringList transferTargets; // "[Account]" names of the records, once each ignoring case
    int totalRecords = 0;
    QString error; // a file that cannot be imported at all (OFX)
};
