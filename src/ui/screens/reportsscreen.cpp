#include "reportsscreen.h"

#include "app/appstate.h"
#include "app/thememanager.h"
#include "reportchart.h"
#include "reporttablemodel.h"
#include "services/reportfilter.h"
#include "services/reportpresenter.h"
#include "services/reportpresets.h"
#include "services/reportservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/transactionrepository.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QDateEdit *dateField(QWidget *parent)
{
    auto *field = new QDateEdit(parent);
    field->setCalendarPopup(true);
    field->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    return field;
}

QString chartFileName(int tab)
{
    QString name = ReportPresenter::exportFileName(tab);
    return name.replace(u".csv"_s, u".png"_s);
}

bool hasChart(int tab)
{
    switch (tab) {
    case ReportPresenter::CategorySpendingTab:
    case ReportPresenter::IncomeVsExpensesTab:
    case ReportPresenter::CashFlowTab:
    case ReportPresenter::YearOverYearTab:
    case ReportPresenter::AccountSummaryTab:
        return true;
    default:
        return false;
    }
}

// Monthly bars: the rows of the chart's currency, one bar pair per month.
template<typename Row, typename In, typename Out>
void showMonthly(ReportChart *chart, const QList<Row> &rows, In in, Out out, const QString &inName,
                 const QString &outName)
{
    bool mixed = false;
    const Currency currency = ReportChart::chartCurrency(rows, &mixed);
    QStringList months;
    ReportChart::BarSet inSet{inName, {}, u"in"_s};
    ReportChart::BarSet outSet{outName, {}, u"out"_s};
    for (const Row &row : rows) {
        if (row.currency != currency)
            continue;
        months.append(row.month);
        inSet.values.append(in(row));
        outSet.values.append(out(row));
    }
    chart->showBars(months, {inSet, outSet}, currency,
                    mixed ? ReportChart::otherCurrenciesNote(currency) : QString());
}

} // namespace

ReportsScreen::ReportsScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
{
    setObjectName(u"reportsScreen"_s);
    for (int tab = 0; tab < ReportPresenter::TabCount; ++tab) {
        m_tables.append(ReportTable());
        m_stale.append(true);
        m_runCounts.append(0);
    }

    m_account = new QComboBox(this);
    m_account->setObjectName(u"accountFilter"_s);
    m_account->setMinimumContentsLength(16);
    m_period = new QComboBox(this);
    m_period->setObjectName(u"periodPreset"_s);
    m_period->addItems(ReportPresets::periodNames());
    m_from = dateField(this);
    m_from->setObjectName(u"fromDate"_s);
    m_to = dateField(this);
    m_to->setObjectName(u"toDate"_s);
    m_rangeLabel = new QLabel(this);
    m_rangeLabel->setObjectName(u"rangeLabel"_s);
    m_showCharts = new QCheckBox(tr("Show &Charts"), this);
    m_showCharts->setObjectName(u"showCharts"_s);
    m_showCharts->setChecked(true);
    m_exportChart = new QPushButton(tr("Export Chart..."), this);
    m_exportChart->setObjectName(u"exportChart"_s);
    m_exportCsv = new QPushButton(tr("Export CSV"), this);
    m_exportCsv->setObjectName(u"exportCsv"_s);

    auto *filterBar = new QHBoxLayout;
    auto *accountLabel = new QLabel(tr("Account:"), this);
    accountLabel->setBuddy(m_account);
    auto *periodLabel = new QLabel(tr("Period:"), this);
    periodLabel->setBuddy(m_period);
    filterBar->addWidget(accountLabel);
    filterBar->addWidget(m_account);
    filterBar->addSpacing(12);
    filterBar->addWidget(periodLabel);
    filterBar->addWidget(m_period);
    filterBar->addWidget(m_from);
    filterBar->addWidget(m_to);
    filterBar->addWidget(m_rangeLabel);
    filterBar->addStretch();
    // The actions sit under the tabs: on one row with the filter the window
    // could not be narrower than about a thousand pixels in German.
    auto *actionBar = new QHBoxLayout;
    actionBar->addWidget(m_showCharts);
    actionBar->addStretch();
    actionBar->addWidget(m_exportChart);
    actionBar->addWidget(m_exportCsv);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(u"reportTabs"_s);
    for (int tab = 0; tab < ReportPresenter::TabCount; ++tab) {
        auto *view = new QTableView(this);
        view->setModel(new ReportTableModel(view));
        view->setObjectName(u"reportTable%1"_s.arg(tab));
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setAlternatingRowColors(true);
        view->setShowGrid(false);
        view->verticalHeader()->setVisible(false);
        view->verticalHeader()->setDefaultSectionSize(36);
        view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        m_views.append(view);

        ReportChart *chart = hasChart(tab) ? new ReportChart(this) : nullptr;
        if (chart)
            chart->setObjectName(u"reportChart%1"_s.arg(tab));
        m_charts.append(chart);

        auto *page = new QWidget(m_tabs);
        auto *pageLayout = new QVBoxLayout(page);
        pageLayout->setContentsMargins(6, 6, 6, 6);
        if (tab == ReportPresenter::YearOverYearTab)
            pageLayout->addWidget(createComparisonBar());
        if (chart) {
            auto *split = new QSplitter(Qt::Vertical, page);
            split->addWidget(chart);
            split->addWidget(view);
            split->setStretchFactor(0, 1);
            split->setStretchFactor(1, 1);
            split->setChildrenCollapsible(false);
            pageLayout->addWidget(split);
        } else {
            pageLayout->addWidget(view);
        }
        m_tabs->addTab(page, ReportPresenter::tabTitle(tab));
    }

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filterBar);
    layout->addWidget(m_tabs);
    layout->addLayout(actionBar);

    connect(m_period, &QComboBox::currentIndexChanged, this, &ReportsScreen::onDatePresetChanged);
    connect(m_account, &QComboBox::currentIndexChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_from, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_to, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_comparison, &QComboBox::currentIndexChanged, this, &ReportsScreen::onComparisonPresetChanged);
    for (QDateEdit *field : std::as_const(m_periodFields))
        connect(field, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_tabs, &QTabWidget::currentChanged, this, &ReportsScreen::onTabChanged);
    connect(m_exportCsv, &QPushButton::clicked, this, &ReportsScreen::exportCurrentTab);
    connect(m_exportChart, &QPushButton::clicked, this, &ReportsScreen::exportChart);
    connect(m_showCharts, &QCheckBox::toggled, this, &ReportsScreen::updateChartVisibility);

    // Changes made elsewhere: one reload once the burst of signals is over.
    connect(m_state->accountRepository(), &AccountRepository::accountsChanged, this, &ReportsScreen::scheduleReload);
    connect(m_state->transactionRepository(), &TransactionRepository::transactionsChanged, this,
            &ReportsScreen::scheduleReload);
    connect(m_state->categoryRepository(), &CategoryRepository::categoriesChanged, this,
            &ReportsScreen::scheduleReload);
    if (ThemeManager *theme = m_state->themeManager())
        connect(theme, &ThemeManager::themeChanged, this, &ReportsScreen::applyTheme);

    m_suppress = true;
    reloadAccounts();
    m_period->setCurrentIndex(ReportPresets::ThisMonth);
    onDatePresetChanged(ReportPresets::ThisMonth);
    m_comparison->setCurrentIndex(ReportPresets::ThisYearVsLastYear);
    onComparisonPresetChanged(ReportPresets::ThisYearVsLastYear);
    m_suppress = false;
    updateChartVisibility();
}

QWidget *ReportsScreen::createComparisonBar()
{
    auto *bar = new QWidget(this);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    m_comparison = new QComboBox(bar);
    m_comparison->setObjectName(u"comparisonPreset"_s);
    m_comparison->addItems(ReportPresets::comparisonNames());
    auto *compareLabel = new QLabel(tr("Compare:"), bar);
    compareLabel->setBuddy(m_comparison);
    layout->addWidget(compareLabel);
    layout->addWidget(m_comparison);

    m_periodFieldBox = new QWidget(bar);
    auto *fields = new QHBoxLayout(m_periodFieldBox);
    fields->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 4; ++i) {
        if (i % 2 == 0)
            fields->addWidget(new QLabel(i == 0 ? tr("P1:") : tr("P2:"), m_periodFieldBox));
        QDateEdit *field = dateField(m_periodFieldBox);
        field->setObjectName(u"periodField%1"_s.arg(i));
        m_periodFields.append(field);
        fields->addWidget(field);
    }
    layout->addWidget(m_periodFieldBox);
    m_comparisonLabel = new QLabel(bar);
    m_comparisonLabel->setObjectName(u"comparisonLabel"_s);
    layout->addWidget(m_comparisonLabel);
    layout->addStretch();
    return bar;
}

void ReportsScreen::refresh()
{
    m_suppress = true;
    reloadAccounts();
    m_suppress = false;
    m_dataChangedWhileHidden = false;
    runReport();
}

void ReportsScreen::reloadAccounts()
{
    const bool wasSuppressed = m_suppress;
    m_suppress = true;
    const QString current = m_account->currentData().toString();
    m_account->clear();
    m_account->addItem(tr("All Accounts"), QString());
    for (const Account &account : m_state->accountRepository()->findAll())
        m_account->addItem(account.name, account.id);
    // An account deleted meanwhile falls back to all accounts.
    m_account->setCurrentIndex(qMax(0, m_account->findData(current)));
    m_suppress = wasSuppressed;
}

void ReportsScreen::scheduleReload()
{
    if (!isVisible()) {
        m_dataChangedWhileHidden = true;
        return;
    }
    if (m_reloadPending)
        return;
    m_reloadPending = true;
    QTimer::singleShot(0, this, [this] {
        m_reloadPending = false;
        refresh();
    });
}

void ReportsScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_dataChangedWhileHidden)
        scheduleReload();
}

void ReportsScreen::onDatePresetChanged(int index)
{
    const auto period = static_cast<ReportPresets::Period>(index);
    const auto range = ReportPresets::periodRange(period, QDate::currentDate());
    const bool custom = !range.has_value();
    m_from->setVisible(custom);
    m_to->setVisible(custom);
    m_rangeLabel->setVisible(!custom);
    if (range) {
        const bool wasSuppressed = m_suppress;
        m_suppress = true;
        m_from->setDate(range->from);
        m_to->setDate(range->to);
        m_suppress = wasSuppressed;
        m_rangeLabel->setText(ReportPresets::rangeLabel(*range));
    }
    if (!m_suppress)
        runReport();
}

void ReportsScreen::onComparisonPresetChanged(int index)
{
    const auto comparison = static_cast<ReportPresets::Comparison>(index);
    const auto range = ReportPresets::comparisonRange(comparison, QDate::currentDate());
    const bool wasSuppressed = m_suppress;
    m_suppress = true;
    if (range) {
        m_periodFields.at(0)->setDate(range->period1.from);
        m_periodFields.at(1)->setDate(range->period1.to);
        m_periodFields.at(2)->setDate(range->period2.from);
        m_periodFields.at(3)->setDate(range->period2.to);
        m_comparisonLabel->setText(ReportPresets::comparisonLabel(*range));
    }
    m_periodFieldBox->setVisible(!range);
    m_comparisonLabel->setVisible(range.has_value());
    m_suppress = wasSuppressed;
    if (!m_suppress)
        runReport();
}

void ReportsScreen::onFilterChanged()
{
    if (!m_suppress)
        runReport();
}

ReportFilter ReportsScreen::filter() const
{
    return {m_from->date(), m_to->date(), m_account->currentData().toString()};
}

void ReportsScreen::runReport()
{
    for (int tab = 0; tab < ReportPresenter::TabCount; ++tab)
        m_stale[tab] = true;
    computeTab(m_tabs->currentIndex());
}

void ReportsScreen::onTabChanged(int tab)
{
    if (tab >= 0 && m_stale.at(tab))
        computeTab(tab);
    m_exportChart->setEnabled(m_showCharts->isChecked() && hasChart(tab));
}

void ReportsScreen::computeTab(int tab)
{
    if (tab < 0 || tab >= ReportPresenter::TabCount)
        return;
    const ReportService &service = *m_state->reportService();
    const ReportPresenter presenter;
    const ReportFilter f = filter();
    ReportChart *chart = m_charts.at(tab);
    ++m_runCounts[tab];
    m_stale[tab] = false;
    switch (tab) {
    case ReportPresenter::CategorySpendingTab: {
        const auto rows = service.categorySpending(f);
        m_tables[tab] = presenter.categorySpending(rows);
        chart->showSpending(rows);
        break;
    }
    case ReportPresenter::PayeeSummaryTab:
        m_tables[tab] = presenter.payeeSummary(service.payeeSummary(f));
        break;
    case ReportPresenter::TaxReportTab:
        m_tables[tab] = presenter.taxReport(service.taxReport(f.from, f.to));
        break;
    case ReportPresenter::IncomeVsExpensesTab: {
        const auto rows = service.incomeVsExpenses(f);
        m_tables[tab] = presenter.incomeVsExpenses(rows);
        showMonthly(
            chart, rows, [](const IncomeExpenseRow &r) { return r.income; },
            [](const IncomeExpenseRow &r) { return r.expenses; }, tr("Income"), tr("Expenses"));
        break;
    }
    case ReportPresenter::CashFlowTab: {
        const auto rows = service.cashFlow(f);
        m_tables[tab] = presenter.cashFlow(rows);
        showMonthly(
            chart, rows, [](const CashFlowRow &r) { return r.inflows; },
            [](const CashFlowRow &r) { return r.outflows; }, tr("Inflows"), tr("Outflows"));
        break;
    }
    case ReportPresenter::YearOverYearTab: {
        const auto rows = service.yearOverYear(m_periodFields.at(0)->date(), m_periodFields.at(1)->date(),
                                               m_periodFields.at(2)->date(), m_periodFields.at(3)->date(),
                                               f.accountId);
        m_tables[tab] = presenter.yearOverYear(rows);
        bool mixed = false;
        const Currency currency = ReportChart::chartCurrency(rows, &mixed);
        QStringList names;
        ReportChart::BarSet first{tr("Period 1"), {}, QString()};
        ReportChart::BarSet second{tr("Period 2"), {}, QString()};
        for (const YearOverYearRow &row : rows) {
            if (row.currency != currency)
                continue;
            names.append(row.categoryName);
            first.values.append(row.period1Total);
            second.values.append(row.period2Total);
        }
        chart->showBars(names, {first, second}, currency,
                        mixed ? ReportChart::otherCurrenciesNote(currency) : QString());
        break;
    }
    case ReportPresenter::AccountSummaryTab:
        m_tables[tab] = presenter.accountSummary(service.accountSummary());
        chart->showBalances(service.accountBalances(f.from, f.to));
        break;
    case ReportPresenter::TransactionsTab:
        fillTransactions(f);
        return;
    }
    fillTable(tab);
}

void ReportsScreen::fillTransactions(const ReportFilter &f)
{
    // A page at a time: all time on a large register would otherwise be read
    // and formatted whole before the tab shows anything.
    constexpr int kPage = 500;
    const ReportService *service = m_state->reportService();
    const bool withCurrency = service->transactionListCurrencies(f).size() > 1;
    const ReportPresenter presenter;
    QList<TransactionListRow> rows = service->transactionListPage(f, nullptr, kPage);
    ReportTable &table = m_tables[ReportPresenter::TransactionsTab];
    table = presenter.transactionsHeader(withCurrency);
    table.rows = presenter.transactionCells(rows, withCurrency);
    ReportTableModel::Pager pager;
    if (rows.size() == kPage) {
        struct Position
        {
            TransactionListRow last;
            bool atEnd = false;
        };
        auto position = std::make_shared<Position>(Position{rows.constLast()});
        pager = [service, f, withCurrency, position]() -> QList<QStringList> {
            if (position->atEnd)
                return {};
            const auto page = service->transactionListPage(f, &position->last, kPage);
            position->atEnd = page.size() < kPage;
            if (!page.isEmpty())
                position->last = page.constLast();
            return ReportPresenter().transactionCells(page, withCurrency);
        };
    }
    static_cast<ReportTableModel *>(m_views.at(ReportPresenter::TransactionsTab)->model())->setTable(table, pager);
}

void ReportsScreen::fillTable(int tab)
{
    static_cast<ReportTableModel *>(m_views.at(tab)->model())->setTable(m_tables.at(tab));
}

void ReportsScreen::updateChartVisibility()
{
    const bool show = m_showCharts->isChecked();
    for (ReportChart *chart : std::as_const(m_charts)) {
        if (chart)
            chart->setVisible(show);
    }
    m_exportChart->setEnabled(show && hasChart(m_tabs->currentIndex()));
}

void ReportsScreen::applyTheme()
{
    for (ReportChart *chart : std::as_const(m_charts)) {
        if (chart)
            chart->applyTheme();
    }
}

void ReportsScreen::exportCurrentTab()
{
    const int tab = m_tabs->currentIndex();
    if (m_tables.at(tab).isEmpty())
        return;
    const QString path = QFileDialog::getSaveFileName(this, tr("Export CSV"), ReportPresenter::exportFileName(tab),
                                                      tr("CSV Files (*.csv)"));
    if (!path.isEmpty())
        exportCurrentTabTo(path);
}

bool ReportsScreen::exportCurrentTabTo(const QString &path)
{
    const int tab = m_tabs->currentIndex();
    if (m_tables.at(tab).isEmpty())
        return false;
    // The window holds only the pages scrolled to; the file gets every row.
    const ReportTable table = tab == ReportPresenter::TransactionsTab
                                  ? ReportPresenter().transactions(m_state->reportService()->transactionList(filter()))
                                  : m_tables.at(tab);
    if (ReportPresenter::exportCsv(table, path))
        return true;
    QMessageBox::warning(this, tr("Export CSV"), tr("The report could not be written to %1.").arg(path));
    return false;
}

void ReportsScreen::exportChart()
{
    const int tab = m_tabs->currentIndex();
    ReportChart *chart = m_charts.at(tab);
    if (!chart || chart->isEmptyState())
        return;
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Export Chart"), chartFileName(tab), tr("PNG Images (*.png)"));
    if (!path.isEmpty())
        exportChartTo(path);
}

bool ReportsScreen::exportChartTo(const QString &path)
{
    ReportChart *chart = m_charts.at(m_tabs->currentIndex());
    if (!chart || chart->isEmptyState())
        return false;
    if (chart->exportPng(path))
        return true;
    QMessageBox::warning(this, tr("Export Chart"), tr("The chart could not be written to %1.").arg(path));
    return false;
}
