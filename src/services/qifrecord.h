#pragma once

#include <QDate>
#include <QList>
#include <QString>

// One part of a split QIF transaction ("S", "E" and "$" lines).
struct QifSplit
{
    QString category;
    QString transferAccount; // from "S[name]"; the category stays empty then
    QString memo;
    qint64 amount = 0;       // cents
    QString amountText;      // as written, for accounts without minor units
};

// One transaction of a QIF file as the parser read it.
struct QifRecord
{
    QDate date;
    qint64 amount = 0;       // cents
    QString amountText;      // as written, for accounts without minor units
    QString payee;
    QString memo;
    QString category;        // class part dropped
    QString transferAccount; // from "L[name]"
    QString number;
    QString security;
    bool cleared = false;
    bool reconciled = false;
    QList<QifSplit> splits;
    QString sourceAccount;   // the enclosing "!Account" block, empty if none
    QString fitId;           // the bank's own id of the transaction (OFX), which decides duplicates
};
