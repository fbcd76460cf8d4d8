#pragma once

#include <QDate>
#include <QString>
#include <optional>

struct TransactionSearchFilter
{
    QString account_id;
    QString category_id;
    QDate date_from;
    QDate date_to;
    std::optional<bool> cleared;
};
