#pragma once

#include "storage/registerrow.h"

#include <QList>
#include <optional>

// Applies one stored change to a register already in memory (oldest first),
// so that saving a row does not read every row of a large account again. The
// result has the order and running balances a fresh read would give.
class RegisterRowPatch final
{
public:
    RegisterRowPatch() = delete;

    // Removes the row with `removedId` (when not empty) and places `added`
    // (when given) where a fresh read sorts it. False, with `rows` untouched,
    // when the rows do not match what the change expects.
    static bool apply(QList<RegisterRow> &rows, qint64 startingBalance, const QString &removedId,
                      const std::optional<RegisterRow> &added);
};
