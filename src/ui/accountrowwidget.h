#pragma once

#include "storage/account.h"

#include <QColor>
#include <QWidget>

class ElidedLabel;
class QLabel;

// One sidebar row: type icon, name, balance and a subtitle line.
class AccountRowWidget final : public QWidget
{
    Q_OBJECT
public:
    AccountRowWidget(const Account &account, qint64 balance, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(AccountRowWidget)

    QString accountId() const { return m_accountId; }

    static char16_t iconCodePoint(AccountType type);
    static QString typeLabel(AccountType type);
    static QString subtitle(const Account &account);
    static QColor balanceColor(qint64 balance);

private:
    QString m_accountId;
    ElidedLabel *m_nameLabel;
    QLabel *m_balanceLabel;
    QLabel *m_subtitleLabel;
};
