#pragma once

#include <QStringList>

struct ImportResult;

// The result page text of the import window, line by line. Kept out of the
// widget so the command-line tool prints exactly what the window shows.
class ImportSummary final
{
public:
    static QStringList lines(const ImportResult &result);
    static QString text(const ImportResult &result);
};
