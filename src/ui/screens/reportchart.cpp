#include "reportchart.h"

#include "app/money.h"
#include "app/palettecolors.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLabel>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMaxSlices = 9; // the rest is one "Other" slice

} // namespace

ReportChart::ReportChart(QWidget *parent)
    : QWidget(parent)
    , m_stack(new QStackedWidget(this))
    , m_view(new QChartView(this))
    , m_empty(new QLabel(tr("No data for this period."), this))
{
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setObjectName(u"chartView"_s);
    m_empty->setObjectName(u"chartEmptyLabel"_s);
    m_empty->setAlignment(Qt::AlignCenter);
    m_stack->addWidget(m_view);
    m_stack->addWidget(m_empty);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stack);
    setMinimumHeight(220);
    showEmpty();
}

QChart *ReportChart::chart() const
{
    return m_view->chart();
}

bool ReportChart::isEmptyState() const
{
    return m_stack->currentWidget() == m_empty;
}

QString ReportChart::otherCurrenciesNote(Currency shown)
{
    return tr("Amounts in %1; other currencies are in the table").arg(currencyToString(shown));
}

void ReportChart::showEmpty()
{
    replaceChart(new QChart);
    m_stack->setCurrentWidget(m_empty);
}

void ReportChart::replaceChart(QChart *chart)
{
    // The view takes the new chart but only lets go of the previous one; it
    // goes later, as a signal of its own may have led here.
    QChart *previous = m_view->chart();
    m_view->setChart(chart);
    if (previous)
        previous->deleteLater();
}

QChart *ReportChart::freshChart(const QString &note)
{
    auto *chart = new QChart;
    chart->setTitle(note);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    replaceChart(chart);
    m_stack->setCurrentWidget(m_view);
    return chart;
}

void ReportChart::attachMoneyAxis(QChart *chart, qint64 low, qint64 high, Currency currency)
{
    low = qMin<qint64>(low, 0);
    high = qMax<qint64>(high, 0);
    if (low == high)
        high = 100;
    // About five ticks on a 1-2-5 step.
    const double rough = double(high - low) / 5.0;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    double step = magnitude;
    for (const double f : {1.0, 2.0, 5.0, 10.0}) {
        step = f * magnitude;
        if (step >= rough)
            break;
    }
    const double from = std::floor(double(low) / step) * step;
    const double to = std::ceil(double(high) / step) * step;
    auto *axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setTruncateLabels(false); // an elided amount says nothing
    axis->setRange(from, to);
    axis->setStartValue(from);
    for (double v = from; v <= to + step / 2; v += step)
        axis->append(formatMoney(qint64(std::llround(v)), currency), v);
    chart->addAxis(axis, Qt::AlignLeft);
    for (QAbstractSeries *series : chart->series())
        series->attachAxis(axis);
}

void ReportChart::showSpending(const QList<CategorySpendingRow> &rows)
{
    bool mixed = false;
    const Currency currency = chartCurrency(rows, &mixed);
    QList<CategorySpendingRow> shown;
    for (const CategorySpendingRow &row : rows) {
        if (row.currency == currency && row.total != 0)
            shown.append(row);
    }
    if (shown.isEmpty()) {
        showEmpty();
        return;
    }
    // Rows come biggest spending first.
    auto *series = new QPieSeries;
    series->setHoleSize(0.45);
    qint64 other = 0;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (i >= kMaxSlices && shown.size() > kMaxSlices + 1) {
            other += shown.at(i).total;
            continue;
        }
        const CategorySpendingRow &row = shown.at(i);
        series->append(u"%1  %2"_s.arg(row.categoryName, formatMoney(row.total, currency)),
                       double(-row.total));
    }
    if (other != 0)
        series->append(u"%1  %2"_s.arg(tr("Other"), formatMoney(other, currency)), double(-other));
    QChart *chart = freshChart(mixed ? otherCurrenciesNote(currency) : QString());
    chart->addSeries(series);
    chart->legend()->setAlignment(Qt::AlignRight);
    applyTheme();
}

void ReportChart::showBars(const QStringList &categories, const QList<BarSet> &sets, Currency currency,
                           const QString &note)
{
    if (categories.isEmpty()) {
        showEmpty();
        return;
    }
    auto *series = new QBarSeries;
    qint64 low = 0;
    qint64 high = 0;
    for (const BarSet &set : sets) {
        auto *bars = new QBarSet(set.name);
        bars->setObjectName(set.role);
        for (const qint64 v : set.values) {
            bars->append(double(v));
            low = qMin(low, v);
            high = qMax(high, v);
        }
        series->append(bars);
    }
    QChart *chart = freshChart(note);
    chart->addSeries(series);
    auto *x = new QBarCategoryAxis;
    x->append(categories);
    x->setTruncateLabels(false);
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    attachMoneyAxis(chart, low, high, currency);
    applyTheme();
}

void ReportChart::showBalances(const QList<AccountBalanceSeries> &series)
{
    bool mixed = false;
    const Currency currency = chartCurrency(series, &mixed);
    QList<QLineSeries *> lines;
    qint64 low = 0;
    qint64 high = 0;
    for (const AccountBalanceSeries &account : series) {
        if (account.currency != currency || account.dates.isEmpty())
            continue;
        auto *line = new QLineSeries;
        line->setName(account.accountName);
        line->setPointsVisible(true);
        for (qsizetype i = 0; i < account.dates.size(); ++i) {
            line->append(double(account.dates.at(i).startOfDay().toMSecsSinceEpoch()),
                         double(account.balances.at(i)));
            low = qMin(low, account.balances.at(i));
            high = qMax(high, account.balances.at(i));
        }
        lines.append(line);
    }
    if (lines.isEmpty()) {
        showEmpty();
        return;
    }
    QChart *chart = freshChart(mixed ? otherCurrenciesNote(currency) : QString());
    for (QLineSeries *line : std::as_const(lines))
        chart->addSeries(line);
    auto *x = new QDateTimeAxis;
    const QList<QPointF> points = lines.constFirst()->points();
    const bool shortPeriod = points.size() < 4; // a few weeks: days, not months
    x->setFormat(shortPeriod ? u"d MMM yyyy"_s : u"MMM yyyy"_s);
    x->setTickCount(qBound(2, int(lines.constFirst()->count()), 7));
    chart->addAxis(x, Qt::AlignBottom);
    for (QLineSeries *line : std::as_const(lines))
        line->attachAxis(x);
    attachMoneyAxis(chart, low, high, currency);
    applyTheme();
}

void ReportChart::applyTheme()
{
    QChart *c = chart();
    const bool dark = isDarkPalette();
    const QPalette palette = QApplication::palette();
    // The theme resets colours, so the program's own ones go on afterwards.
    c->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    c->setBackgroundBrush(palette.color(QPalette::Base));
    c->setTitleBrush(palette.color(QPalette::Text));
    c->legend()->setLabelColor(palette.color(QPalette::Text));
    for (QAbstractAxis *axis : c->axes()) {
        axis->setLabelsColor(palette.color(QPalette::Text));
        axis->setGridLineColor(palette.color(QPalette::Mid));
    }
    for (QAbstractSeries *series : c->series()) {
        auto *bars = qobject_cast<QBarSeries *>(series);
        if (!bars)
            continue;
        // Money coming in and going out: the amount colours of the register.
        for (QBarSet *set : bars->barSets()) {
            if (set->objectName() == u"in"_s)
                set->setColor(positiveAmountColor());
            else if (set->objectName() == u"out"_s)
                set->setColor(negativeAmountColor());
        }
    }
    m_view->setBackgroundBrush(palette.color(QPalette::Base));
}

bool ReportChart::exportPng(const QString &path) const
{
    if (isEmptyState())
        return false;
    return m_view->grab().save(path, "PNG");
}
