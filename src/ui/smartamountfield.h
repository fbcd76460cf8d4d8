#pragma once

#include "storage/entitytypes.h"

#include <QDoubleSpinBox>

// An amount spin box whose decimal key jumps to the cents. Its text follows the
// money rules of its currency: two decimals with "," grouping, or whole units
// for a currency without minor units.
class SmartAmountField final : public QDoubleSpinBox
{
    Q_OBJECT
public:
    explicit SmartAmountField(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(SmartAmountField)

    Currency currency() const { return m_currency; }
    // Switches between two decimals and whole units. The number on show and
    // the range stay, rounded to the new precision.
    void setCurrency(Currency currency);

    // The value in minor units of the currency, rounded half away from zero.
    qint64 amount() const;
    void setAmount(qint64 minorUnits);

    QString textFromValue(double value) const override;
    double valueFromText(const QString &text) const override;
    QValidator::State validate(QString &input, int &pos) const override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    double unitsPerMajor() const;
    QString numberPart(const QString &text) const;

    Currency m_currency = Currency::USD;
};
