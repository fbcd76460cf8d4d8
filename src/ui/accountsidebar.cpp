#include "accountsidebar.h"

#include "accountlistwidget.h"
#include "accountrowwidget.h"
#include "app/money.h"

#include <QApplication>
#include <QLabel>
#include <QMap>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
constexpr int kItemVerticalPadding = 14;
}

AccountSidebar::AccountSidebar(QWidget *parent)
    : QWidget(parent)
    , m_list(new AccountListWidget(this))
    , m_totalLabel(new QLabel(this))
{
    setMinimumWidth(260);
    setMaximumWidth(500);

    m_totalLabel->setObjectName(u"totalLabel"_s);
    QFont font = QApplication::font();
    font.setWeight(QFont::Medium);
    m_totalLabel->setFont(font);
    m_totalLabel->setAlignment(Qt::AlignCenter);
    m_totalLabel->setFixedHeight(32);
    m_totalLabel->setStyleSheet(u"background: %1; color: %2; border-top: 1px solid %3; padding: 4px;"_s
                                    .arg(u"#1E3028"_s, u"#8FAF9F"_s, u"#152420"_s));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_totalLabel);
}

void AccountSidebar::setAccounts(const QList<Account> &accounts, const QHash<QString, qint64> &balances)
{
    m_list->clear();
    const int width = m_list->viewport()->width();
    // One total per currency: amounts of different currencies never add up.
    QMap<int, qint64> totals;
    for (const Account &account : accounts) {
        const qint64 balance = balances.value(account.id, account.starting_balance);
        totals[static_cast<int>(account.currency)] += balance;
        auto *row = new AccountRowWidget(account, balance);
        auto *entry = new QListWidgetItem;
        entry->setData(Qt::UserRole, account.id);
        // The item style pads 7 px above and below; the row widget gets what is left.
        entry->setSizeHint(QSize(width, row->sizeHint().height() + kItemVerticalPadding));
        m_list->addItem(entry);
        m_list->setItemWidget(entry, row);
    }
    QStringList parts;
    for (auto it = totals.cbegin(); it != totals.cend(); ++it)
        parts.append(formatMoney(it.value(), it.key()));
    m_totalLabel->setText(accounts.isEmpty() ? tr("No accounts") : tr("Total: %1").arg(parts.join(u" · "_s)));
    m_totalLabel->setToolTip(m_totalLabel->text());
}
