#pragma once

#include "storage/entitytypes.h"

#include <QWidget>

class AppState;
class DateField;
class QLabel;
class QPushButton;
class QTableView;
class ReconciliationModel;
class SmartAmountField;

// Checks one account against a bank statement: tick the rows on the
// statement until the difference is zero, then finish.
class ReconciliationScreen final : public QWidget
{
    Q_OBJECT
public:
    explicit ReconciliationScreen(AppState *state, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ReconciliationScreen)

    void setAccount(const QString &accountId);
    QString accountId() const { return m_accountId; }
    void reloadTransactions();
    qint64 previousBalance() const { return m_previousBalance; }
    // The six figures' texts in order, and whether Finish is possible.
    QStringList figureTexts() const;
    bool canFinish() const;
    ReconciliationModel *model() const { return m_model; }

signals:
    void reconciliationCompleted();
    void cancelled();

public slots:
    void onTransactionToggled(int row);
    void updateDifference();
    void finishReconciliation();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addTransaction();
    void editSelected();
    void deleteSelected();
    int selectedRow() const;
    void scheduleReload();

    AppState *m_state;
    QString m_accountId;
    Currency m_currency = Currency::USD;
    qint64 m_previousBalance = 0;
    bool m_reloadPending = false;
    DateField *m_statementDate = nullptr;
    SmartAmountField *m_statementBalance = nullptr;
    ReconciliationModel *m_model = nullptr;
    QTableView *m_view = nullptr;
    QList<QLabel *> m_figures;
    QPushButton *m_finishButton = nullptr;
};
