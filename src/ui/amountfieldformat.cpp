#include "amountfieldformat.h"

#include "app/money.h"
#include "smartamountfield.h"

#include <QDoubleSpinBox>
#include <QLocale>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

bool hasMinorUnits(Currency currency)
{
    return currency != Currency::JPY;
}

} // namespace

void setAmountFieldCurrency(QDoubleSpinBox *field, Currency currency, bool allowNegative)
{
    const bool cents = hasMinorUnits(currency);
    const double shown = field->value();
    if (auto *smart = qobject_cast<SmartAmountField *>(field)) {
        smart->setCurrency(currency);
    } else {
        QLocale english(QLocale::English);
        english.setNumberOptions(QLocale::DefaultNumberOptions);
        field->setLocale(english);
        field->setGroupSeparatorShown(true);
        field->setDecimals(cents ? 2 : 0);
    }
    // Rounding 99,999,999.99 to whole yen would give 100,000,000.
    const double maximum = cents ? 99999999.99 : 99999999.0;
    field->setRange(allowNegative ? -maximum : 0.0, maximum);
    field->setPrefix(u"%1 "_s.arg(currencySymbol(currency)));
    field->setValue(shown);
}

qint64 amountFromField(const QDoubleSpinBox *field, Currency currency)
{
    const double value = field->value();
    // Three decimals leave the rounding of the last cent to parseAmount, which
    // rounds half away from zero on the digits.
    const QString text = hasMinorUnits(currency) ? QString::number(value, 'f', 3)
                                                 : QString::number(std::llround(value));
    return parseAmount(text, currency);
}

void setFieldAmount(QDoubleSpinBox *field, qint64 amount, Currency currency)
{
    QString text = formatAmount(amount, currency);
    text.remove(u',');
    field->setValue(QLocale::c().toDouble(text));
}
