#pragma once

#include <QDate>
#include <QString>

// The shared filter of the reports: an inclusive date range and an optional
// account (empty means every account).
struct ReportFilter
{
    QDate from;
    QDate to;
    QString accountId;
};
