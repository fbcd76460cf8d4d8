#pragma once

#include "services/reportrows.h"

#include <QStringList>
#include <QWidget>

class QChart;
class QChartView;
class QLabel;
class QStackedWidget;

// The picture beside a report table: a donut, grouped bars or one line per
// account, drawn in one currency with the program's money formatting. With
// nothing to draw it shows a sentence instead of empty axes.
class ReportChart final : public QWidget
{
    Q_OBJECT
public:
    explicit ReportChart(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ReportChart)

    struct BarSet
    {
        QString name;
        QList<qint64> values; // one per category
        QString role;         // "in" or "out" for money entering or leaving
    };

    void showSpending(const QList<CategorySpendingRow> &rows);
    // Every set must hold one value per category; amounts of `currency`.
    void showBars(const QStringList &categories, const QList<BarSet> &sets, Currency currency,
                  const QString &note = QString());
    void showBalances(const QList<AccountBalanceSeries> &series);
    void showEmpty();

    bool isEmptyState() const;
    QChart *chart() const;
    // Follows the palette now installed (light or dark).
    void applyTheme();
    bool exportPng(const QString &path) const;

    // The one currency a chart draws: the first one of the report; the
    // others stay in the table.
    template<typename Row>
    static Currency chartCurrency(const QList<Row> &rows, bool *mixed)
    {
        *mixed = false;
        for (const Row &row : rows)
            *mixed = *mixed || row.currency != rows.constFirst().currency;
        return rows.isEmpty() ? Currency::USD : rows.constFirst().currency;
    }
    static QString otherCurrenciesNote(Currency shown);

private:
    QChart *freshChart(const QString &note);
    void replaceChart(QChart *chart);
    void attachMoneyAxis(QChart *chart, qint64 low, qint64 high, Currency currency);

    QStackedWidget *m_stack;
    QChartView *m_view;
    QLabel *m_empty;
};
