#include "reporttable.h"

#include "reportservice.h"

QString ReportTable::toCsv() const
{
    return ReportService::toCsv(headers, rows);
}
