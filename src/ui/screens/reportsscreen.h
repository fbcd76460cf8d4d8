#pragma once

#include "services/reporttable.h"

#include <QList>
#include <QWidget>

class AppState;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class ReportChart;
struct ReportFilter;

// The eight reports in tabs over one filter. Only the tab in view is run when
// the filter changes; the others are run when they are shown, so a preset
// change on a large register answers at once.
class ReportsScreen final : public QWidget
{
    Q_OBJECT
public:
    explicit ReportsScreen(AppState *state, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ReportsScreen)

    // Reloads the account list and runs the reports once.
    void refresh();
    // Writes the current tab; false (after telling the person) when it cannot.
    bool exportCurrentTabTo(const QString &path);
    bool exportChartTo(const QString &path);

    const ReportTable &table(int tab) const { return m_tables.at(tab); }
    ReportChart *chart(int tab) const { return m_charts.at(tab); }
    // How many times each report was computed; the window never runs one
    // twice for a single change.
    int runCount(int tab) const { return m_runCounts.at(tab); }

public slots:
    void onDatePresetChanged(int index);
    void onFilterChanged();
    void runReport();
    void exportCurrentTab();
    void exportChart();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void reloadAccounts();
    void scheduleReload();
    void onComparisonPresetChanged(int index);
    void onTabChanged(int tab);
    void computeTab(int tab);
    void fillTable(int tab);
    void fillTransactions(const ReportFilter &f);
    void updateChartVisibility();
    void applyTheme();
    ReportFilter filter() const;
    QWidget *createComparisonBar();

    AppState *m_state;
    QComboBox *m_account = nullptr;
    QComboBox *m_period = nullptr;
    QDateEdit *m_from = nullptr;
    QDateEdit *m_to = nullptr;
    QLabel *m_rangeLabel = nullptr;
    QPushButton *m_exportCsv = nullptr;
    QPushButton *m_exportChart = nullptr;
    QCheckBox *m_showCharts = nullptr;
    QComboBox *m_comparison = nullptr;
    QList<QDateEdit *> m_periodFields; // P1 from, P1 to, P2 from, P2 to
    QWidget *m_periodFieldBox = nullptr;
    QLabel *m_comparisonLabel = nullptr;
    QTabWidget *m_tabs = nullptr;
    QList<QTableView *> m_views;
    QList<ReportChart *> m_charts; // null for tabs without a chart
    QList<ReportTable> m_tables;
    QList<bool> m_stale;
    QList<int> m_runCounts;
    bool m_suppress = false;
    bool m_reloadPending = false;
    bool m_dataChangedWhileHidden = false;
};
