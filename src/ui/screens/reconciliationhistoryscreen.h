#pragma once

#include <QWidget>

class AppState;
class QLabel;
class QTableWidget;

// The past reconciliations of one account, newest statement first.
class ReconciliationHistoryScreen final : public QWidget
{
    Q_OBJECT
public:
    explicit ReconciliationHistoryScreen(AppState *state, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ReconciliationHistoryScreen)

    void setAccount(const QString &accountId);
    void reload();

private:
    AppState *m_state;
    QString m_accountId;
    QTableWidget *m_table = nullptr;
    QLabel *m_emptyLabel = nullptr;
};
