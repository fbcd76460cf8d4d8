#pragma once

#include "qifrecord.h"

#include <QList>
#include <QString>

enum class QifDateOrder { MonthDayYear, DayMonthYear };

// An entry of a "!Type:Cat" list.
struct QifCategoryEntry
{
    QString name;
    QString description;
    bool income = false;
};

// An account named by an "!Account" block that owns transactions.
struct QifAccountEntry
{
    QString name;
    int typeCode = 0; // 0 bank, 1 ccard, 2 invst, 3 cash, 4 oth a, 5 oth l
};

struct QifParseResult
{
    QList<QifRecord> records;
    QList<QifCategoryEntry> categories;
    QList<QifAccountEntry> sourceAccounts; // in order of first appearance
    int unparseable = 0;
    int metadata = 0;
    QifDateOrder dateOrder = QifDateOrder::MonthDayYear;
    bool hasRecordsWithoutAccount = false;
};
