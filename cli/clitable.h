#pragma once

#include <QJsonArray>
#include <QList>
#include <QStringList>

// A listing printed by a command: the same rows as CSV cells (texts as the
// program shows them) and as JSON objects (exact values, stable keys).
struct CliTable
{
    QStringList headers;
    QList<QStringList> rows;
    QJsonArray json;
};
