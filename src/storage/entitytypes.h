#pragma once

#include <QString>

// Enumerations stored in the database as text codes. Unknown codes read back
// as the fallback value; out-of-range values are written as the fallback code.

enum class AccountType { Checking, Savings, CreditCard, Cash, Investment, Other };
enum class Currency { USD, EUR, GBP, CAD, AUD, JPY };
enum class CategoryType { Income, Expense, Transfer };
enum class Frequency { Daily, Weekly, Biweekly, Monthly, Quarterly, SemiAnnual, Annual };
enum class SyncStatus { Pending, Synced, Conflict };

QString accountTypeToString(AccountType type);
AccountType accountTypeFromString(const QString &code);

QString currencyToString(Currency currency);
Currency currencyFromString(const QString &code);

QString categoryTypeToString(CategoryType type);
CategoryType categoryTypeFromString(const QString &code);

QString frequencyToString(Frequency frequency);
Frequency frequencyFromString(const QString &code);

QString syncStatusToString(SyncStatus status);
SyncStatus syncStatusFromString(const QString &code);
