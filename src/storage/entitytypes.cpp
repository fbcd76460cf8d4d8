#include "entitytypes.h"

#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

template<typename Enum, std::size_t N>
QString toCode(const std::array<QStringView, N> &codes, Enum value, QStringView fallback)
{
    const auto index = static_cast<std::size_t>(value);
    return (index < N ? codes[index] : fallback).toString();
}

template<typename Enum, std::size_t N>
Enum fromCode(const std::array<QStringView, N> &codes, const QString &code, Enum fallback)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (codes[i] == code)
            return static_cast<Enum>(i);
    }
    return fallback;
}

constexpr std::array<QStringView, 6> kAccountTypes = {
    u"checking", u"savings", u"credit_card", u"cash", u"investment", u"other"};
constexpr std::array<QStringView, 6> kCurrencies = {u"USD", u"EUR", u"GBP", u"CAD", u"AUD", u"JPY"};
constexpr std::array<QStringView, 3> kCategoryTypes = {u"income", u"expense", u"transfer"};
constexpr std::array<QStringView, 7> kFrequencies = {
    u"daily", u"weekly", u"biweekly", u"monthly", u"quarterly", u"semi_annual", u"annual"};
constexpr std::array<QStringView, 3> kSyncStatuses = {u"pending", u"synced", u"conflict"};

} // namespace

QString accountTypeToString(AccountType type) { return toCode(kAccountTypes, type, u"other"); }
AccountType accountTypeFromString(const QString &code) { return fromCode(kAccountTypes, code, AccountType::Other); }

QString currencyToString(Currency currency) { return toCode(kCurrencies, currency, u"USD"); }
Currency currencyFromString(const QString &code) { return fromCode(kCurrencies, code, Currency::USD); }

QString categoryTypeToString(CategoryType type) { return toCode(kCategoryTypes, type, u"expense"); }
CategoryType categoryTypeFromString(const QString &code) { return fromCode(kCategoryTypes, code, CategoryType::Expense); }

QString frequencyToString(Frequency frequency) { return toCode(kFrequencies, frequency, u"monthly"); }
Frequency frequencyFromString(const QString &code) { return fromCode(kFrequencies, code, Frequency::Monthly); }

QString syncStatusToString(SyncStatus status) { return toCode(kSyncStatuses, status, u"pending"); }
SyncStatus syncStatusFromString(const QString &code) { return fromCode(kSyncStatuses, code, SyncStatus::Pending); }
