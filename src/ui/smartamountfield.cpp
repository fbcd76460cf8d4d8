#include "smartamountfield.h"

#include "app/money.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// formatAmount always writes a full stop, whatever the interface language.
constexpr QChar kDecimalPoint = u'.';

} // namespace

SmartAmountField::SmartAmountField(QWidget *parent)
    : QDoubleSpinBox(parent)
{
    setDecimals(2);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void SmartAmountField::setCurrency(Currency currency)
{
    const double shown = value();
    m_currency = currency;
    setDecimals(currency == Currency::JPY ? 0 : 2);
    setValue(shown);
}

double SmartAmountField::unitsPerMajor() const
{
    return m_currency == Currency::JPY ? 1.0 : 100.0;
}

qint64 SmartAmountField::amount() const
{
    return static_cast<qint64>(std::llround(value() * unitsPerMajor()));
}

void SmartAmountField::setAmount(qint64 minorUnits)
{
    setValue(static_cast<double>(minorUnits) / unitsPerMajor());
}

QString SmartAmountField::textFromValue(double value) const
{
    return formatAmount(static_cast<qint64>(std::llround(value * unitsPerMajor())), m_currency);
}

QString SmartAmountField::numberPart(const QString &text) const
{
    QString number = text;
    if (!prefix().isEmpty() && number.startsWith(prefix()))
        number.remove(0, prefix().size());
    if (!suffix().isEmpty() && number.endsWith(suffix()))
        number.chop(suffix().size());
    return number.trimmed();
}

double SmartAmountField::valueFromText(const QString &text) const
{
    return static_cast<double>(parseAmount(numberPart(text), m_currency)) / unitsPerMajor();
}

QValidator::State SmartAmountField::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos)
    const QString number = numberPart(input);
    if (number.isEmpty() || number == u"-")
        return minimum() < 0 || number.isEmpty() ? QValidator::Intermediate : QValidator::Invalid;

    static const QRegularExpression shape(u"^(-)?[0-9,]*(?:\\.([0-9]*))?$"_s);
    const auto match = shape.match(number);
    if (!match.hasMatch())
        return QValidator::Invalid;
    if (match.capturedLength(1) > 0 && minimum() >= 0)
        return QValidator::Invalid;
    if (number.contains(kDecimalPoint) && decimals() == 0)
        return QValidator::Invalid;
    if (match.capturedLength(2) > decimals())
        return QValidator::Invalid;

    const double value = valueFromText(input);
    if (value > maximum() && value > 0)
        return QValidator::Invalid;
    if (value < minimum())
        return value < 0 ? QValidator::Invalid : QValidator::Intermediate;
    return QValidator::Acceptable;
}

void SmartAmountField::keyPressEvent(QKeyEvent *event)
{
    const QString key = event->text();
    const QString localePoint = locale().decimalPoint().isEmpty() ? u"."_s : locale().decimalPoint();
    if (!key.isEmpty() && (key == localePoint || key == u"," || key == u".")) {
        const int point = lineEdit()->text().indexOf(kDecimalPoint);
        if (point >= 0) {
            lineEdit()->deselect();
            lineEdit()->setCursorPosition(point + 1);
            event->accept();
            return;
        }
    }
    // After the jump the cents are full; a typed digit replaces the next one
    // instead of being refused for having too many decimals.
    QLineEdit *edit = lineEdit();
    if (key.size() == 1 && key.at(0).isDigit() && !edit->hasSelectedText()) {
        const QString text = edit->text();
        const int point = text.indexOf(kDecimalPoint);
        const int cursor = edit->cursorPosition();
        if (point >= 0 && cursor > point && cursor < text.size() && text.at(cursor).isDigit()) {
            edit->setSelection(cursor, 1);
        }
    }
    QDoubleSpinBox::keyPressEvent(event);
}
