#include "reportpresets.h"

#include <QLocale>

namespace {

constexpr const char *kPeriodNames[] = {
    QT_TRANSLATE_NOOP("ReportPresets", "This Month"),
    QT_TRANSLATE_NOOP("ReportPresets", "Last Month"),
    QT_TRANSLATE_NOOP("ReportPresets", "This Quarter"),
    QT_TRANSLATE_NOOP("ReportPresets", "Last Quarter"),
    QT_TRANSLATE_NOOP("ReportPresets", "This Year"),
    QT_TRANSLATE_NOOP("ReportPresets", "Last Year"),
    QT_TRANSLATE_NOOP("ReportPresets", "Last 30 Days"),
    QT_TRANSLATE_NOOP("ReportPresets", "Last 90 Days"),
    QT_TRANSLATE_NOOP("ReportPresets", "Last 12 Months"),
    QT_TRANSLATE_NOOP("ReportPresets", "All Time"),
    QT_TRANSLATE_NOOP("ReportPresets", "Custom"),
};

constexpr const char *kComparisonNames[] = {
    QT_TRANSLATE_NOOP("ReportPresets", "This Year vs Last Year"),
    QT_TRANSLATE_NOOP("ReportPresets", "Last Year vs Year Before"),
    QT_TRANSLATE_NOOP("ReportPresets", "This Quarter vs Last Quarter"),
    QT_TRANSLATE_NOOP("ReportPresets", "Custom"),
};

QDate monthStart(const QDate &day)
{
    return QDate(day.year(), day.month(), 1);
}

QDate quarterStart(const QDate &day)
{
    return QDate(day.year(), (day.month() - 1) / 3 * 3 + 1, 1);
}

QDate yearStart(int year)
{
    return QDate(year, 1, 1);
}

QDate yearEnd(int year)
{
    return QDate(year, 12, 31);
}

QString shortDate(const QDate &date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}

} // namespace

QString ReportPresets::periodName(Period period)
{
    if (period < 0 || period >= periodCount())
        return {};
    return tr(kPeriodNames[period]);
}

QStringList ReportPresets::periodNames()
{
    QStringList names;
    for (int i = 0; i < periodCount(); ++i)
        names << periodName(static_cast<Period>(i));
    return names;
}

QString ReportPresets::comparisonName(Comparison comparison)
{
    if (comparison < 0 || comparison >= comparisonCount())
        return {};
    return tr(kComparisonNames[comparison]);
}

QStringList ReportPresets::comparisonNames()
{
    QStringList names;
    for (int i = 0; i < comparisonCount(); ++i)
        names << comparisonName(static_cast<Comparison>(i));
    return names;
}

std::optional<ReportPresets::Range> ReportPresets::periodRange(Period period, const QDate &today)
{
    if (!today.isValid())
        return std::nullopt;
    switch (period) {
    case ThisMonth:
        return Range{monthStart(today), today};
    case LastMonth:
        return Range{monthStart(today).addMonths(-1), monthStart(today).addDays(-1)};
    case ThisQuarter:
        return Range{quarterStart(today), today};
    case LastQuarter:
        return Range{quarterStart(today).addMonths(-3), quarterStart(today).addDays(-1)};
    case ThisYear:
        return Range{yearStart(today.year()), today};
    case LastYear:
        return Range{yearStart(today.year() - 1), yearEnd(today.year() - 1)};
    case Last30Days:
        return Range{today.addDays(-30), today};
    case Last90Days:
        return Range{today.addDays(-90), today};
    case Last12Months:
        // addYears clamps 29 February to the 28th.
        return Range{today.addYears(-1), today};
    case AllTime:
        return Range{QDate(2000, 1, 1), today};
    case CustomPeriod:
        break;
    }
    return std::nullopt;
}

std::optional<ReportPresets::ComparisonRange> ReportPresets::comparisonRange(Comparison comparison,
                                                                            const QDate &today)
{
    if (!today.isValid())
        return std::nullopt;
    const int year = today.year();
    switch (comparison) {
    case ThisYearVsLastYear:
        return ComparisonRange{{yearStart(year - 1), yearEnd(year - 1)}, {yearStart(year), today}};
    case LastYearVsYearBefore:
        return ComparisonRange{{yearStart(year - 2), yearEnd(year - 2)}, {yearStart(year - 1), yearEnd(year - 1)}};
    case ThisQuarterVsLastQuarter: {
        const QDate start = quarterStart(today);
        return ComparisonRange{{start.addMonths(-3), start.addDays(-1)}, {start, today}};
    }
    case CustomComparison:
        break;
    }
    return std::nullopt;
}

QString ReportPresets::rangeLabel(const Range &range)
{
    return tr("%1 – %2").arg(shortDate(range.from), shortDate(range.to));
}

QString ReportPresets::comparisonLabel(const ComparisonRange &range)
{
    return tr("P1: %1 – %2    P2: %3 – %4")
        .arg(shortDate(range.period1.from), shortDate(range.period1.to), shortDate(range.period2.from),
             shortDate(range.period2.to));
}
