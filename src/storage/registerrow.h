#pragma once

#include "transaction.h"

struct RegisterRow
{
    Transaction transaction;
    qint64 running_balance = 0; // 0 in search results
    QString category_name;
};
