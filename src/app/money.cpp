#include "money.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr int kJpy = static_cast<int>(Currency::JPY);

const QLocale &englishLocale()
{
    static const QLocale locale(QLocale::English);
    return locale;
}

QString formatNumber(qint64 amount, int currency)
{
    const quint64 absolute = amount < 0 ? 0 - static_cast<quint64>(amount) : static_cast<quint64>(amount);
    if (currency == kJpy)
        return englishLocale().toString(absolute);
    const quint64 whole = absolute / 100;
    const quint64 fraction = absolute % 100;
    return u"%1.%2"_s.arg(englishLocale().toString(whole)).arg(fraction, 2, 10, QLatin1Char('0'));
}

// Plain decimals are rounded on their digits: 12.345 must give 1235, which
// binary floating point (1234.4999...) would not.
std::optional<qint64> parsePlainDecimal(const QString &text)
{
    static const QRegularExpression plain(u"^(\\d*)(?:\\.(\\d*))?$"_s);
    const auto m = plain.match(text);
    if (!m.hasMatch() || (m.capturedLength(1) == 0 && m.capturedLength(2) == 0))
        return std::nullopt;
    const QString wholeText = m.captured(1);
    if (wholeText.size() > 16)
        return std::nullopt; // leave huge values to the floating-point path
    const qint64 whole = wholeText.isEmpty() ? 0 : wholeText.toLongLong();
    const QString frac = m.captured(2);
    qint64 cents = 0;
    if (frac.size() >= 1)
        cents += frac.at(0).digitValue() * 10;
    if (frac.size() >= 2)
        cents += frac.at(1).digitValue();
    if (frac.size() >= 3 && frac.at(2).digitValue() >= 5)
        cents += 1;
    return whole * 100 + cents;
}

} // namespace

QString currencySymbol(int currency)
{
    switch (currency) {
    case 1: return u"€"_s;
    case 2: return u"£"_s;
    case 5: return u"¥"_s;
    default: return u"$"_s; // USD, CAD, AUD and anything unknown
    }
}

QString formatMoney(qint64 amount, int currency)
{
    const QString number = formatNumber(amount, currency);
    if (amount < 0)
        return u"-%1%2"_s.arg(currencySymbol(currency), number);
    return u"%1%2"_s.arg(currencySymbol(currency), number);
}

QString formatAmount(qint64 amount, int currency)
{
    const QString number = formatNumber(amount, currency);
    return amount < 0 ? u"-%1"_s.arg(number) : number;
}

qint64 parseAmount(const QString &input, int currency)
{
    QString text = input;
    text.remove(currencySymbol(currency), Qt::CaseSensitive);
    text.remove(u',');
    text = text.trimmed();
    if (text.isEmpty())
        return 0;

    bool negative = false;
    if (text.startsWith(u'-')) {
        negative = true;
        text.remove(0, 1);
    }

    qint64 value = 0;
    if (currency == kJpy) {
        bool ok = false;
        value = text.toLongLong(&ok, 10);
        if (!ok)
            return 0;
    } else if (const auto exact = parsePlainDecimal(text)) {
        value = *exact;
    } else {
        bool ok = false;
        const double number = QLocale::c().toDouble(text, &ok);
        if (!ok || !std::isfinite(number))
            return 0;
        const double scaled = std::round(number * 100.0); // std::round rounds half away from zero
        if (std::fabs(scaled) >= 9.2e18)
            return 0;
        value = static_cast<qint64>(scaled);
    }
    return negative ? -value : value;
}

std::optional<qint64> parseAmountStrict(const QString &input, int currency, AmountError *error)
{
    auto fail = [error](AmountError reason) -> std::optional<qint64> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    if (error)
        *error = AmountError::None;
    QString text = input;
    text.remove(currencySymbol(currency), Qt::CaseSensitive);
    text = text.trimmed();
    if (text.isEmpty())
        return fail(AmountError::Empty);
    // Optional sign, digits with or without proper thousands groups, and an
    // optional fraction: nothing else is an amount a person means.
    static const QRegularExpression shape(
        u"^([-+]?)\\s*((?:[0-9]{1,3}(?:,[0-9]{3})+)|[0-9]*)(?:\\.([0-9]*))?$"_s);
    const auto m = shape.match(text);
    if (!m.hasMatch() || (m.capturedLength(2) == 0 && m.capturedLength(3) == 0))
        return fail(AmountError::NotANumber);
    QString whole = m.captured(2);
    whole.remove(u',');
    const QString fraction = m.captured(3);
    const bool negative = m.captured(1) == u"-";
    // Leading zeros never make a value large; strip them before the length test.
    while (whole.size() > 1 && whole.startsWith(u'0'))
        whole.remove(0, 1);
    if (whole.size() > 12)
        return fail(AmountError::OutOfRange);
    qint64 value = whole.isEmpty() ? 0 : whole.toLongLong();
    if (currency == kJpy) {
        for (const QChar c : fraction) {
            if (c != u'0')
                return fail(AmountError::FractionNotAllowed);
        }
    } else {
        const auto cents = parsePlainDecimal(u"0."_s + fraction);
        value = value * 100 + (cents ? *cents : 0);
    }
    if (value > kMaxAmountMinorUnits)
        return fail(AmountError::OutOfRange);
    return negative ? -value : value;
}
