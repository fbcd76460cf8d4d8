#include "datefield.h"

#include "calendarpopup.h"

#include <QAction>
#include <QKeyEvent>

DateField::DateField(QWidget *parent)
    : QLineEdit(parent)
    , m_today(DateInput::systemToday())
{
    m_date = m_today();
    showDate();
    m_calendarAction = CalendarPopup::addButton(this);
    connect(m_calendarAction, &QAction::triggered, this, &DateField::openCalendarPopup);
}

QDate DateField::date() const
{
    const QDate typed = DateInput::fromText(text(), m_today());
    return typed.isValid() ? typed : m_date;
}

void DateField::setDate(const QDate &date)
{
    if (!date.isValid())
        return;
    const bool changed = date != m_date;
    m_date = date;
    showDate();
    if (changed)
        emit dateChanged(m_date);
}

void DateField::setTodayFunction(TodayFunction today)
{
    m_today = today ? std::move(today) : DateInput::systemToday();
}

void DateField::openCalendarPopup()
{
    CalendarPopup::open(this, date(), [this](const QDate &picked) { setDate(picked); });
}

void DateField::keyPressEvent(QKeyEvent *event)
{
    if (CalendarPopup::isOpenKey(event)) {
        openCalendarPopup();
        event->accept();
        return;
    }
    if (DateInput::isDateKeyCandidate(event)) {
        if (const auto moved = DateInput::applyKey(event->text(), date(), m_today())) {
            setDate(*moved);
            selectAll();
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void DateField::focusOutEvent(QFocusEvent *event)
{
    // Whatever was typed, the field ends up showing a valid date.
    setDate(date());
    showDate();
    QLineEdit::focusOutEvent(event);
}

void DateField::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        m_calendarAction->setIcon(CalendarPopup::icon(palette(), devicePixelRatioF()));
    QLineEdit::changeEvent(event);
}

void DateField::showDate()
{
    const QString shown = DateInput::toText(m_date);
    if (text() != shown)
        setText(shown);
}
