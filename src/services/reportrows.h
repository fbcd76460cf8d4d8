#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QtGlobal>

#include "storage/entitytypes.h"

// One plain row record per report. Amounts are signed minor units as stored;
// rows of different currencies are never summed together, each row carries
// the currency of its amounts.

struct CategorySpendingRow
{
    QString categoryName;
    qint64 total = 0;
    Currency currency = Currency::USD;
};

struct PayeeSummaryRow
{
    QString payee;
    qint64 total = 0;
    int count = 0;
    Currency currency = Currency::USD;
};

struct TaxReportRow
{
    QString categoryName;
    QString taxCode;
    qint64 total = 0;
    Currency currency = Currency::USD;
};

struct IncomeExpenseRow
{
    QString month; // "yyyy-MM"
    qint64 income = 0;
    qint64 expenses = 0;
    qint64 net = 0; // income + expenses
    Currency currency = Currency::USD;
};

struct CashFlowRow
{
    QString month; // "yyyy-MM"
    qint64 inflows = 0;
    qint64 outflows = 0;
    qint64 net = 0; // inflows + outflows
    Currency currency = Currency::USD;
};

struct YearOverYearRow
{
    QString categoryName;
    qint64 period1Total = 0;
    qint64 period2Total = 0;
    qint64 difference = 0; // period 2 - period 1
    Currency currency = Currency::USD;
};

struct AccountSummaryRow
{
    QString accountName;
    QString accountType; // AccountType code as stored
    qint64 clearedBalance = 0;
    qint64 unclearedAmount = 0;
    qint64 totalBalance = 0;
    Currency currency = Currency::USD;
};

struct TransactionListRow
{
    QDate date;
    QString accountName;
    QString payee;
    QString categoryName;
    QString memo;
    qint64 amount = 0;
    Currency currency = Currency::USD;
    QString id; // with date and payee, where the next page starts
};

// One account's balance at the start of a period and at the end of each of
// its months (the last point at the period's end), for the Account Summary chart.
struct AccountBalanceSeries
{
    QString accountName;
    Currency currency = Currency::USD;
    QList<QDate> dates;
    QList<qint64> balances;
};
