#pragma once

#include <QWidget>

class AppState;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTableView;
class QTimer;
class SearchResultModel;

// Full-text search over every account, narrowed by account, category,
// dates and cleared state. Opening a result shows it in its register.
class SearchScreen final : public QWidget
{
    Q_OBJECT
public:
    explicit SearchScreen(AppState *state, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(SearchScreen)

    void populateFilters();
    void focusSearch();
    SearchResultModel *model() const { return m_model; }
    int searchCount() const { return m_searchCount; }

signals:
    void editTransactionRequested(const QString &transactionId);

public slots:
    void performSearch();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openRow(int row);

    AppState *m_state;
    QLineEdit *m_searchField = nullptr;
    QTimer *m_debounce = nullptr;
    QComboBox *m_accountFilter = nullptr;
    QComboBox *m_categoryFilter = nullptr;
    QDateEdit *m_fromDate = nullptr;
    QDateEdit *m_toDate = nullptr;
    QCheckBox *m_dateRange = nullptr;
    QCheckBox *m_clearedOnly = nullptr;
    QLabel *m_countLabel = nullptr;
    SearchResultModel *m_model = nullptr;
    QTableView *m_view = nullptr;
    int m_searchCount = 0;
};
