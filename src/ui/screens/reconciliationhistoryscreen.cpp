#include "reconciliationhistoryscreen.h"

#include "app/appstate.h"
#include "app/money.h"
#include "app/palettecolors.h"
#include "storage/accountrepository.h"
#include "storage/reconciliationrepository.h"
#include "ui/dateinput.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ReconciliationHistoryScreen::ReconciliationHistoryScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
{
    auto *title = new QLabel(tr("Reconciliation History"), this);
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() + 4);
    font.setWeight(QFont::DemiBold);
    title->setFont(font);
    auto *subtitle = new QLabel(tr("Past reconciliations for this account."), this);
    subtitle->setStyleSheet(u"color: #6E8A7E;"_s);

    m_table = new QTableWidget(0, 4, this);
    m_table->setObjectName(u"historyTable"_s);
    m_table->setHorizontalHeaderLabels(
        {tr("Statement Date"), tr("Statement Balance"), tr("Reconciled Balance"), tr("Completed")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    m_emptyLabel = new QLabel(
        tr("No reconciliations yet. Reconcile your account from the register to see the history here."), this);
    m_emptyLabel->setObjectName(u"emptyLabel"_s);
    m_emptyLabel->setWordWrap(true);
    m_emptyLabel->setAlignment(Qt::AlignCenter);
    m_emptyLabel->setStyleSheet(u"color: %1; padding: 32px;"_s.arg(u"#6E8A7E"_s));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(title);
    layout->addWidget(subtitle);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_emptyLabel, 1);
}

void ReconciliationHistoryScreen::setAccount(const QString &accountId)
{
    m_accountId = accountId;
    reload();
}

void ReconciliationHistoryScreen::reload()
{
    const auto account = m_state->accountRepository()->findById(m_accountId);
    const Currency currency = account ? account->currency : Currency::USD;
    const QList<Reconciliation> rows = m_state->reconciliationRepository()->findByAccount(m_accountId);
    m_table->setRowCount(static_cast<int>(rows.size()));
    int row = 0;
    for (const Reconciliation &r : rows) {
        auto money = [currency](qint64 amount) {
            auto *item = new QTableWidgetItem(formatMoney(amount, currency));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (amount < 0)
                item->setForeground(negativeAmountColor());
            return item;
        };
        m_table->setItem(row, 0, new QTableWidgetItem(DateInput::toText(r.statement_date)));
        m_table->setItem(row, 1, money(r.statement_balance));
        m_table->setItem(row, 2, money(r.reconciled_balance));
        const QDateTime completed = r.completed_at.toLocalTime();
        m_table->setItem(row, 3, new QTableWidgetItem(u"%1 %2"_s.arg(
                                     DateInput::toText(completed.date()),
                                     QLocale().toString(completed.time(), QLocale::ShortFormat))));
        ++row;
    }
    m_table->setVisible(!rows.isEmpty());
    m_emptyLabel->setVisible(rows.isEmpty());
}
