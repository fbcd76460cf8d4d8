#include "dateinput.h"

#include <QKeyEvent>

using namespace Qt::StringLiterals;

QString DateInput::displayFormat()
{
    return u"M/d/yyyy"_s;
}

QString DateInput::toText(const QDate &date)
{
    return date.toString(displayFormat());
}

QDate DateInput::fromText(const QString &text)
{
    // QDate reads "yy" with base year 1900, so 3/5/24 is 1924.
    static const QString formats[] = {u"M/d/yyyy"_s, u"MM/dd/yyyy"_s, u"M/d/yy"_s, u"MM/dd/yy"_s};
    const QString trimmed = text.trimmed();
    for (const QString &format : formats) {
        const QDate date = QDate::fromString(trimmed, format);
        if (date.isValid())
            return date;
    }
    return {};
}

std::optional<QDate> DateInput::applyKey(const QString &keyText, const QDate &date, const QDate &today)
{
    const QString key = keyText.toLower();
    if (key.size() != 1)
        return std::nullopt;
    const QDate base = date.isValid() ? date : today;
    // Weeks run Sunday to Saturday here whatever the week-start preference says.
    const int sinceSunday = base.dayOfWeek() % 7;
    switch (key.at(0).unicode()) {
    case 't': return today;
    case '+':
    case '=': return base.addDays(1);
    case '-': return base.addDays(-1);
    case 'm': return QDate(base.year(), base.month(), 1);
    case 'h': return QDate(base.year(), base.month(), base.daysInMonth());
    case 'y': return QDate(base.year(), 1, 1);
    case 'r': return QDate(base.year(), 12, 31);
    case 'w': return base.addDays(-sinceSunday);
    case 'k': return base.addDays(6 - sinceSunday);
    default: return std::nullopt;
    }
}

TodayFunction DateInput::systemToday()
{
    return [] { return QDate::currentDate(); };
}

bool DateInput::isDateKeyCandidate(const QKeyEvent *event)
{
    const auto shortcutModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !event->text().isEmpty() && !(event->modifiers() & shortcutModifiers);
}
