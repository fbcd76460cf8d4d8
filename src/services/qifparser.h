#pragma once

#include "qifparseresult.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <optional>

// Reads Quicken Interchange Format text as other finance programs export it.
class QifParser final
{
public:
    // Parses decoded QIF text; detects the date order when none is given.
    // With `onRecord` every transaction record is handed to it as soon as it
    // is read and not kept in the result, so a file of any length needs the
    // memory of one record.
    static QifParseResult parseQif(QStringView text, std::optional<QifDateOrder> order = std::nullopt,
                                   const std::function<void(QifRecord &)> &onRecord = {});

    // Signed amount in units of 10^-decimals (cents by default), or nothing
    // when the text is not a QIF amount.
    static std::optional<qint64> parseQifAmount(QStringView text, int decimals = 2);

    // Invalid when the value is not a date. Without an order, a first number
    // of 13 or more is read as the day.
    static QDate parseQifDate(QStringView value, std::optional<QifDateOrder> order = std::nullopt);

    // The same for text handed over piece by piece: `nextPiece` returns the
    // next piece, empty at the end. Only one piece and one line are held.
    static QifParseResult parseQif(const std::function<QString()> &nextPiece, QifDateOrder order,
                                   const std::function<void(QifRecord &)> &onRecord);

    // Day first as soon as one "D" line starts with a number above 12.
    static QifDateOrder detectDateOrder(QStringView text);
    static QifDateOrder detectDateOrder(const std::function<QString()> &nextPiece);
};
