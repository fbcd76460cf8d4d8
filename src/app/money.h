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

// The largest amount a person may enter or a file may bring: 999,999,999.99
// (or yen), so balances and sums stay far from overflow.
constexpr qint64 kMaxAmountMinorUnits = 99'999'999'999;

enum class AmountError { None, Empty, NotANumber, FractionNotAllowed, OutOfRange };

// Parsing for typed amounts: text that is not plainly a number ("abc", "inf",
// "1e3", "1.2.3", misplaced grouping), a fraction in a currency without minor
// units, or a value beyond kMaxAmountMinorUnits gives nothing and the reason.
std::optional<qint64> parseAmountStrict(const QString &text, int currency, AmountError *error = nullptr);

inline QString currencySymbol(Currency c) { return currencySymbol(static_cast<int>(c)); }
inline QString formatMoney(qint64 amount, Currency c) { return formatMoney(amount, static_cast<int>(c)); }
inline QString formatAmount(qint64 amount, Currency c) { return formatAmount(amount, static_cast<int>(c)); }
inline qint64 parseAmount(const QString &text, Currency c) { return parseAmount(text, static_cast<int>(c)); }
inline std::optional<qint64> parseAmountStrict(const QString &text, Currency c, AmountError *error = nullptr)
{
    return parseAmountStrict(text, static_cast<int>(c), error);
}
