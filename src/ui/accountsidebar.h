#pragma once

#include "storage/account.h"

#include <QHash>
#include <QWidget>

class AccountListWidget;
class QLabel;

// The left side of the main window: the account list above the grand total.
class AccountSidebar final : public QWidget
{
    Q_OBJECT
public:
    explicit AccountSidebar(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(AccountSidebar)

    AccountListWidget *list() const { return m_list; }

    // Rebuilds every row; an account missing from `balances` shows its
    // starting balance.
    void setAccounts(const QList<Account> &accounts, const QHash<QString, qint64> &balances);

private:
    AccountListWidget *m_list;
    QLabel *m_totalLabel;
};
