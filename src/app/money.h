#pragma once

#include "storage/entitytypes.h"

#include <QString>
#include <optional>

// The only place where amounts meet text. English grouping whatever the UI
// language; the currency is the index of the Currency enumeration.

QString currencySymbol(int currency);
QString formatMoney(qint64 amount, int currency);
QString formatAmount(qint64 amount, int currency);
qint64 parseAmount(const QString &text, int currency);

// Largest amount, in minor units, that input may carry (999,999,999.99):
// far beyond any household's, and sums of such amounts cannot overflow.
constexpr qint64 kMaxAmountMinorUnits = 99'999'999'999LL;

// Strict reading of typed or imported amount text: an optional currency
// symbol, one sign or accounting parentheses ("(12.00)" is -12.00), digits
// with optional thousands groups of three and a decimal point (none for JPY).
// Nothing for anything else (empty, "abc", "nan", "1e5", "0x10", "--5") or
// for amounts beyond kMaxAmountMinorUnits.
std::optional<qint64> tryParseAmount(const QString &text, int currency);

inline QString currencySymbol(Currency c) { return currencySymbol(static_cast<int>(c)); }
inline QString formatMoney(qint64 amount, Currency c) { return formatMoney(amount, static_cast<int>(c)); }
inline QString formatAmount(qint64 amount, Currency c) { return formatAmount(amount, static_cast<int>(c)); }
inline qint64 parseAmount(const QString &text, Currency c) { return parseAmount(text, static_cast<int>(c)); }
inline std::optional<qint64> tryParseAmount(const QString &text, Currency c)
{
    return tryParseAmount(text, static_cast<int>(c));
}
