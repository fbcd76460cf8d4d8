#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

class QKeyEvent;

// Supplies "today" to the date widgets and the register; tests hand in a fixed day.
using TodayFunction = std::function<QDate()>;

// Text and key rules shared by the date fields of the register and the dialogs.
class DateInput final
{
public:
    DateInput() = delete;

    static QString displayFormat();
    static QString toText(const QDate &date);
    // Tries the accepted formats in order. A two-digit year goes to the
    // century that puts the date nearest to `today` (the system date when not
    // given): a register is about recent money, never about 1924.
    // Returns an invalid date when no format reads the text (2/30/2026 too).
    static QDate fromText(const QString &text, const QDate &today = QDate());
    // The date a single-letter key moves to, or nothing when the text is no date key.
    // An invalid date is taken as today first.
    static std::optional<QDate> applyKey(const QString &keyText, const QDate &date, const QDate &today);
    // Keys with Ctrl, Alt or Meta are shortcuts, never date keys.
    static bool isDateKeyCandidate(const QKeyEvent *event);
    static TodayFunction systemToday();
};
