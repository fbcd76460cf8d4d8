#pragma once

#include "qifparseresult.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

// Reads Quicken Interchange Format text as other finance programs export it.
class QifParser final
{
public:
    // Parses decoded QIF text; detects the date order when none is given.
    static QifParseResult parseQif(const QString &text, std::optional<QifDateOrder> order = std::nullopt);

    // Signed amount in units of 10^-decimals (cents by default), or nothing
    // when the text is not a QIF amount.
    static std::optional<qint64> parseQifAmount(QStringView text, int decimals = 2);

    // Invalid when the value is not a date. Without an order, a first number
    // of 13 or more is read as the day.
    static QDate parseQifDate(QStringView value, std::optional<QifDateOrder> order = std::nullopt);

    // Day first as soon as one "D" line starts with a number above 12.
    static QifDateOrder detectDateOrder(const QStringList &lines);

    // Lines of the text with CR LF and lone CR turned into line feeds.
    static QStringList splitLines(const QString &text);
};
