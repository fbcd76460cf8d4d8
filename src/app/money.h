#pragma once

#include "storage/entitytypes.h"

#include <QString>

// The only place where amounts meet text. English grouping whatever the UI
// language; the currency is the index of the Currency enumeration.

QString currencySymbol(int currency);
QString formatMoney(qint64 amount, int currency);
QString formatAmount(qint64 amount, int currency);
qint64 parseAmount(const QString &text, int currency);

inline QString currencySymbol(Currency c) { return currencySymbol(static_cast<int>(c)); }
inline QString formatMoney(qint64 amount, Currency c) { return formatMoney(amount, static_cast<int>(c)); }
inline QString formatAmount(qint64 amount, Currency c) { return formatAmount(amount, static_cast<int>(c)); }
inline qint64 parseAmount(const QString &text, Currency c) { return parseAmount(text, static_cast<int>(c)); }
