#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QIcon>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

class QAction;
class QCalendarWidget;
class QKeyEvent;
class QLineEdit;
class QPalette;
class QWidget;

// The calendar button and popup shared by the date fields.
class CalendarPopup final
{
    Q_DECLARE_TR_FUNCTIONS(CalendarPopup)
public:
    CalendarPopup() = delete;

    // F4, or Down with Alt.
    static bool isOpenKey(const QKeyEvent *event);
    // The trailing button; the caller connects its triggered() to its popup slot.
    static QAction *addButton(QLineEdit *field);
    static QIcon icon(const QPalette &palette, qreal devicePixelRatio);
    // Where a popup of `popup` size goes for a field: below it, or above it
    // when the screen `area` ends first, and always inside the area.
    static QPoint placement(const QPoint &fieldTopLeft, int fieldHeight, const QSize &popup, const QRect &area);
    // Opens a calendar below (or above) the field; a click or Enter on a day hands the
    // date to `pick` and closes it. It deletes itself when closed.
    static QCalendarWidget *open(QLineEdit *field, const QDate &selected,
                                 const std::function<void(const QDate &)> &pick);

private:
    static QRect screenArea(const QWidget *field);
};
