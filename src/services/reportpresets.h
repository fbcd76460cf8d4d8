#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QStringList>
#include <optional>

// Date ranges of the reports window's "Period:" and "Compare:" choices,
// computed from a given today so they can be checked on fixed dates.
class ReportPresets final
{
    Q_DECLARE_TR_FUNCTIONS(ReportPresets)
public:
    // In the order the choices are offered.
    enum Period {
        ThisMonth,
        LastMonth,
        ThisQuarter,
        LastQuarter,
        ThisYear,
        LastYear,
        Last30Days,
        Last90Days,
        Last12Months,
        AllTime,
        CustomPeriod,
    };

    enum Comparison {
        ThisYearVsLastYear,
        LastYearVsYearBefore,
        ThisQuarterVsLastQuarter,
        CustomComparison,
    };

    struct Range
    {
        QDate from;
        QDate to;
        friend bool operator==(const Range &a, const Range &b) { return a.from == b.from && a.to == b.to; }
    };

    struct ComparisonRange
    {
        Range period1; // the earlier one
        Range period2;
    };

    static int periodCount() { return CustomPeriod + 1; }
    static int comparisonCount() { return CustomComparison + 1; }
    static QString periodName(Period period);
    static QStringList periodNames();
    static QString comparisonName(Comparison comparison);
    static QStringList comparisonNames();

    // Nothing for the custom choices (and for values out of range): the user
    // picks those dates.
    static std::optional<Range> periodRange(Period period, const QDate &today);
    static std::optional<ComparisonRange> comparisonRange(Comparison comparison, const QDate &today);

    // "%1 – %2" and "P1: %1 – %2    P2: %3 – %4" in the short date format of
    // the default locale.
    static QString rangeLabel(const Range &range);
    static QString comparisonLabel(const ComparisonRange &range);
};
