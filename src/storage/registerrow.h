#pragma once

#include "transaction.h"

struct RegisterRow
{
    Transaction transaction;
    qint64 running_balance = 0; // 0 in search results
    QString category_name;
};

// Every member is an implicitly shared Qt value or a plain number.
Q_DECLARE_TYPEINFO(RegisterRow, Q_RELOCATABLE_TYPE);
