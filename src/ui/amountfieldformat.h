#pragma once

#include "storage/entitytypes.h"

#include <QtGlobal>

class QDoubleSpinBox;

// Amount spin boxes in the dialogs follow the account's currency: two decimals
// for cents, none for yen. The value travels through formatAmount/parseAmount
// so a dialog never disagrees with the register about a stored amount.

// Sets decimals, symbol prefix and range (up to 99,999,999.99, or whole units
// for a currency without minor units); the number on show stays. A plain spin
// box is given English grouping, the text formatAmount writes; a
// SmartAmountField formats itself and is switched to the currency.
void setAmountFieldCurrency(QDoubleSpinBox *field, Currency currency, bool allowNegative);

// The field's value in minor units of the currency, rounded half away from zero.
qint64 amountFromField(const QDoubleSpinBox *field, Currency currency);

// Shows an amount of minor units in the field.
void setFieldAmount(QDoubleSpinBox *field, qint64 amount, Currency currency);
