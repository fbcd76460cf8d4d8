#include "dateinput.h"

#include <QKeyEvent>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

QString DateInput::displayFormat()
{
    return u"M/d/yyyy"_s;
}

QString DateInput::toText(const QDate &date)
{
    return date.toString(displayFormat());
}

QDate DateInput::fromText(const QString &text, const QDate &today)
{
    static const QString fullYear[] = {u"M/d/yyyy"_s, u"MM/dd/yyyy"_s};
    const QString trimmed = text.trimmed();
    for (const QString &format : fullYear) {
        const QDate date = QDate::fromString(trimmed, format);
        if (date.isValid())
            return date;
    }
    // Read by hand: QDate would fix the century at 1900 before we can choose it.
    static const QRegularExpression shortYear(u"^([0-9]{1,2})/([0-9]{1,2})/([0-9]{2})$"_s);
    const auto m = shortYear.match(trimmed);
    if (!m.hasMatch())
        return {};
    const int month = m.captured(1).toInt();
    const int day = m.captured(2).toInt();
    const int twoDigits = m.captured(3).toInt();
    const QDate reference = today.isValid() ? today : QDate::currentDate();
    QDate best;
    for (int century = reference.year() / 100 - 1; century <= reference.year() / 100 + 1; ++century) {
        const QDate candidate(century * 100 + twoDigits, month, day);
        if (candidate.isValid()
            && (!best.isValid() || qAbs(candidate.daysTo(reference)) < qAbs(best.daysTo(reference))))
            best = candidate;
    }
    return best;
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
