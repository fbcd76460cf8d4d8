#pragma once

#include "dateinput.h"

#include <QLineEdit>

class QAction;

// A date line edit for the dialogs: date keys, typed dates in several forms,
// and a calendar on F4, Alt+Down or the trailing button.
class DateField final : public QLineEdit
{
    Q_OBJECT
public:
    explicit DateField(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(DateField)

    // The typed text when it reads as a date (confirmed or not), else the stored date.
    QDate date() const;
    void setDate(const QDate &date);

    void setTodayFunction(TodayFunction today);
    QAction *calendarAction() const { return m_calendarAction; }

signals:
    void dateChanged(const QDate &date);

public slots:
    void openCalendarPopup();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showDate();

    QDate m_date;
    TodayFunction m_today;
    QAction *m_calendarAction;
};
