#pragma once

#include "dateinput.h"
#include "registerlineedit.h"

class QAction;

// The register's date editor: date keys, typed dates and a calendar on F4.
// It emits nothing; the register reads date() when it writes the editor back.
class SmartDateEdit final : public RegisterLineEdit
{
    Q_OBJECT
public:
    explicit SmartDateEdit(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(SmartDateEdit)

    // The typed text when it reads as a date, else the last stored date.
    QDate date() const;
    void setDate(const QDate &date);

    void setTodayFunction(TodayFunction today);
    QAction *calendarAction() const { return m_calendarAction; }

public slots:
    void openCalendarPopup();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showDate();

    QDate m_date;
    TodayFunction m_today;
    QAction *m_calendarAction;
};
