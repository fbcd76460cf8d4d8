#include "smartdateedit.h"

#include "calendarpopup.h"

#include <QAction>
#include <QKeyEvent>

SmartDateEdit::SmartDateEdit(QWidget *parent)
    : RegisterLineEdit(parent)
    , m_today(DateInput::systemToday())
{
    m_date = m_today();
    showDate();
    m_calendarAction = CalendarPopup::addButton(this);
    connect(m_calendarAction, &QAction::triggered, this, &SmartDateEdit::openCalendarPopup);
}

QDate SmartDateEdit::date() const
{
    const QDate typed = DateInput::fromText(text(), m_today());
    return typed.isValid() ? typed : m_date;
}

void SmartDateEdit::setDate(const QDate &date)
{
    if (!date.isValid())
        return;
    m_date = date;
    showDate();
}

void SmartDateEdit::setTodayFunction(TodayFunction today)
{
    m_today = today ? std::move(today) : DateInput::systemToday();
}

void SmartDateEdit::openCalendarPopup()
{
    CalendarPopup::open(this, date(), [this](const QDate &picked) { setDate(picked); });
}

void SmartDateEdit::keyPressEvent(QKeyEvent *event)
{
    if (CalendarPopup::isOpenKey(event)) {
        openCalendarPopup();
        event->accept();
        return;
    }
    if (DateInput::isDateKeyCandidate(event)) {
        if (const auto moved = DateInput::applyKey(event->text(), date(), m_today())) {
            setDate(*moved);
            event->accept();
            return;
        }
    }
    RegisterLineEdit::keyPressEvent(event);
}

void SmartDateEdit::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        m_calendarAction->setIcon(CalendarPopup::icon(palette(), devicePixelRatioF()));
    RegisterLineEdit::changeEvent(event);
}

void SmartDateEdit::showDate()
{
    setText(DateInput::toText(m_date));
    selectAll();
}
