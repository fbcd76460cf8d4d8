#pragma once

#include "storage/entitytypes.h"

#include <QDate>
#include <QString>

// One account of an OFX or QFX download with what its statement says.
struct OfxStatement
{
    QString key;          // the bank's account id (bank, branch and account number)
    QString displayName;  // e.g. "Checking 1234567890"
    AccountType type = AccountType::Checking;
    bool investment = false; // brokerage and 401(k) accounts are not imported
    QString currency;        // ISO 4217 code as the statement gives it; empty when missing
    bool hasLedgerBalance = false;
    qint64 ledgerBalance = 0; // LEDGERBAL, in minor units of `currency`
    QDate ledgerDate;
    int records = 0;
};
