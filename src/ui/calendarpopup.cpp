#include "calendarpopup.h"

#include "app/appconfig.h"

#include <QAction>
#include <QCalendarWidget>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

using namespace Qt::StringLiterals;

namespace {

QString iconFamily()
{
    static const QString family = [] {
        const QString name = u"Material Icons"_s;
        // The application registers the font at start-up; a widget used on its
        // own (tests, tools) registers it here.
        if (!QFontDatabase::families().contains(name))
            QFontDatabase::addApplicationFont(u":/fonts/fonts/MaterialIcons-Regular.otf"_s);
        return name;
    }();
    return family;
}

} // namespace

QRect CalendarPopup::screenArea(const QWidget *field)
{
    QScreen *screen = field->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QPoint CalendarPopup::placement(const QPoint &fieldTopLeft, int fieldHeight, const QSize &popup, const QRect &area)
{
    // Below the field, or above it when the screen ends first; never off the sides.
    QPoint at(fieldTopLeft.x(), fieldTopLeft.y() + fieldHeight - 1);
    if (!area.isValid())
        return at;
    if (at.y() + popup.height() > area.bottom() + 1 && fieldTopLeft.y() - popup.height() >= area.top())
        at.setY(fieldTopLeft.y() - popup.height());
    at.setY(qBound(area.top(), at.y(), qMax(area.top(), area.bottom() + 1 - popup.height())));
    at.setX(qBound(area.left(), at.x(), qMax(area.left(), area.right() + 1 - popup.width())));
    return at;
}

bool CalendarPopup::isOpenKey(const QKeyEvent *event)
{
    return event->key() == Qt::Key_F4
        || (event->key() == Qt::Key_Down && event->modifiers().testFlag(Qt::AltModifier));
}

QIcon CalendarPopup::icon(const QPalette &palette, qreal devicePixelRatio)
{
    const int side = 16;
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);

    QFont font(iconFamily());
    font.setPixelSize(side);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(palette.color(QPalette::PlaceholderText));
    painter.drawText(QRectF(0, 0, side, side), Qt::AlignCenter, QString(QChar(0xE935)));
    painter.end();
    return QIcon(pixmap);
}

QAction *CalendarPopup::addButton(QLineEdit *field)
{
    QAction *action = field->addAction(icon(field->palette(), field->devicePixelRatioF()),
                                       QLineEdit::TrailingPosition);
    action->setToolTip(tr("Open calendar (F4)"));
    return action;
}

QCalendarWidget *CalendarPopup::open(QLineEdit *field, const QDate &selected,
                                     const std::function<void(const QDate &)> &pick)
{
    auto *calendar = new QCalendarWidget(field);
    calendar->setWindowFlags(Qt::Popup);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setFirstDayOfWeek(static_cast<Qt::DayOfWeek>(weekStartDay()));
    calendar->setLocale(QLocale::system());
    calendar->setGridVisible(true);
    calendar->setSelectedDate(selected.isValid() ? selected : QDate::currentDate());
    calendar->move(placement(field->mapToGlobal(field->rect().topLeft()), field->height(),
                             calendar->sizeHint(), screenArea(field)));
    calendar->show();
    calendar->setFocus(Qt::PopupFocusReason);
    auto choose = [calendar, pick](const QDate &picked) {
        pick(picked);
        calendar->close();
    };
    QObject::connect(calendar, &QCalendarWidget::clicked, field, choose);
    QObject::connect(calendar, &QCalendarWidget::activated, field, choose);
    return calendar;
}
