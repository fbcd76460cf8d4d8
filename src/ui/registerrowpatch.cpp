#include "registerrowpatch.h"

#include <algorithm>

namespace {

bool sortsBefore(const RegisterRow &a, const RegisterRow &b)
{
    if (a.transaction.date != b.transaction.date)
        return a.transaction.date < b.transaction.date;
    return a.transaction.created_at < b.transaction.created_at;
}

} // namespace

bool RegisterRowPatch::apply(QList<RegisterRow> &rows, qint64 startingBalance, const QString &removedId,
                             const std::optional<RegisterRow> &added)
{
    // A non-zero starting balance shows as a computed first line without an id.
    const bool opening = startingBalance != 0;
    if (opening && (rows.isEmpty() || !rows.constFirst().transaction.id.isEmpty()))
        return false;
    const qsizetype first = opening ? 1 : 0;

    qsizetype removeAt = -1;
    if (!removedId.isEmpty()) {
        for (qsizetype k = first; k < rows.size(); ++k) {
            if (rows.at(k).transaction.id == removedId) {
                removeAt = k;
                break;
            }
        }
        if (removeAt < 0)
            return false;
    }
    if (added && added->transaction.id.isEmpty())
        return false;

    qsizetype touched = rows.size();
    if (removeAt >= 0) {
        rows.removeAt(removeAt);
        touched = removeAt;
    }
    if (added) {
        const auto place = std::upper_bound(rows.begin() + first, rows.end(), *added, sortsBefore);
        const qsizetype at = place - rows.begin();
        rows.insert(at, *added);
        touched = std::min(touched, at);
    }
    if (opening) {
        RegisterRow &line = rows.first();
        line.running_balance = startingBalance;
        if (rows.size() > 1 && rows.at(1).transaction.date.isValid())
            line.transaction.date = rows.at(1).transaction.date;
        else if (rows.size() == 1)
            line.transaction.date = QDate::currentDate();
        touched = std::max<qsizetype>(touched, 1);
    }
    qint64 total = touched > 0 ? rows.at(touched - 1).running_balance : 0;
    for (qsizetype k = touched; k < rows.size(); ++k) {
        total += rows.at(k).transaction.amount;
        rows[k].running_balance = total;
    }
    return true;
}
