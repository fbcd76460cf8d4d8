#pragma once

#include <QString>

// Which CSV column holds what, as chosen in the import window.
struct CsvColumnMapping
{
    int dateColumn = 0;
    int payeeColumn = 1;
    int amountColumn = 2;
    int memoColumn = -1;     // -1: none
    int categoryColumn = -1; // -1: none
    bool firstRowIsHeader = true;
    QString dateFormat = QStringLiteral("MM/dd/yyyy");
};
