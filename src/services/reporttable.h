#pragma once

#include <QList>
#include <QStringList>

// One report as the reports window shows and exports it: column titles and
// the cell texts as displayed, the total row included.
class ReportTable final
{
public:
    QString title;
    QStringList headers;
    QList<QStringList> rows;
    QList<int> amountColumns; // shown right-aligned
    bool hasTotalRow = false; // the last row sums the others and is shown bold
    QList<int> totalRows;     // per-currency total rows of a report mixing currencies

    bool isEmpty() const { return rows.isEmpty(); }
    bool isAmountColumn(int column) const { return amountColumns.contains(column); }
    bool isTotalRow(int row) const
    {
        return (hasTotalRow && row == rows.size() - 1) || totalRows.contains(row);
    }
    QString toCsv() const;
};
