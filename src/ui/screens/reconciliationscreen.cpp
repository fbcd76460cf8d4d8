#include "reconciliationscreen.h"

#include "app/appstate.h"
#include "app/money.h"
#include "app/palettecolors.h"
#include "reconciliationmodel.h"
#include "services/reconciliationservice.h"
#include "services/transactionservice.h"
#include "storage/accountrepository.h"
#include "storage/transactionrepository.h"
#include "ui/amountfieldformat.h"
#include "ui/datefield.h"
#include "ui/smartamountfield.h"
#include "ui/transactionformdialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString differenceColour(bool zero)
{
    const bool dark = QApplication::palette().color(QPalette::Window).lightness() < 128;
    if (dark)
        return zero ? u"#66BB6A"_s : u"#FF8A80"_s;
    return zero ? u"#2E7D32"_s : u"#C62828"_s;
}

} // namespace

ReconciliationScreen::ReconciliationScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_model(new ReconciliationModel(this))
{
    auto *inputs = new QHBoxLayout;
    m_statementDate = new DateField(this);
    m_statementDate->setObjectName(u"statementDate"_s);
    m_statementBalance = new SmartAmountField(this);
    m_statementBalance->setObjectName(u"statementBalance"_s);
    m_statementBalance->setMinimumWidth(160);
    inputs->addWidget(new QLabel(tr("Statement Date:"), this));
    inputs->addWidget(m_statementDate);
    inputs->addSpacing(16);
    inputs->addWidget(new QLabel(tr("Statement Balance:"), this));
    inputs->addWidget(m_statementBalance);
    inputs->addStretch(1);

    m_view = new QTableView(this);
    m_view->setObjectName(u"reconciliationView"_s);
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setAlternatingRowColors(true);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->horizontalHeader()->setSectionResizeMode(ReconciliationModel::PayeeColumn, QHeaderView::Stretch);
    m_view->setColumnWidth(ReconciliationModel::TickColumn, 32);
    m_view->setColumnWidth(ReconciliationModel::DateColumn, 110);
    m_view->setColumnWidth(ReconciliationModel::AmountColumn, 130);
    m_view->setColumnWidth(ReconciliationModel::ClearedColumn, 40);
    m_view->installEventFilter(this);
    connect(m_view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.column() != ReconciliationModel::TickColumn)
            editSelected();
    });

    auto *figures = new QGridLayout;
    const QString names[] = {tr("Previous Balance"), tr("Cleared Deposits"), tr("Cleared Withdrawals"),
                             tr("Cleared Balance"), tr("Statement Balance"), tr("Difference")};
    for (int i = 0; i < 6; ++i) {
        auto *name = new QLabel(names[i], this);
        auto *value = new QLabel(this);
        value->setObjectName(u"figure%1"_s.arg(i));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(140);
        QFont font = value->font();
        font.setWeight(i == 5 ? QFont::Bold : QFont::Medium);
        value->setFont(font);
        figures->addWidget(name, i % 3, (i / 3) * 2);
        figures->addWidget(value, i % 3, (i / 3) * 2 + 1);
        m_figures.append(value);
    }
    figures->setColumnStretch(1, 1);
    figures->setColumnStretch(3, 1);
    figures->setHorizontalSpacing(16);

    auto *addButton = new QPushButton(tr("Add Transaction"), this);
    addButton->setToolTip(
        tr("Add a transaction (%1)").arg(QKeySequence(QKeySequence::New).toString(QKeySequence::NativeText)));
    auto *editButton = new QPushButton(tr("Edit"), this);
    editButton->setToolTip(tr("Edit selected transaction (F2)"));
    auto *deleteButton = new QPushButton(tr("Delete"), this);
    deleteButton->setToolTip(tr("Delete selected transaction (Del)"));
    auto *cancelButton = new QPushButton(tr("Cancel"), this);
    m_finishButton = new QPushButton(tr("Finish Reconciliation"), this);
    m_finishButton->setObjectName(u"finishButton"_s);
    m_finishButton->setDefault(true);
    connect(addButton, &QPushButton::clicked, this, &ReconciliationScreen::addTransaction);
    connect(editButton, &QPushButton::clicked, this, &ReconciliationScreen::editSelected);
    connect(deleteButton, &QPushButton::clicked, this, &ReconciliationScreen::deleteSelected);
    connect(cancelButton, &QPushButton::clicked, this, &ReconciliationScreen::cancelled);
    connect(m_finishButton, &QPushButton::clicked, this, &ReconciliationScreen::finishReconciliation);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(addButton);
    buttons->addWidget(editButton);
    buttons->addWidget(deleteButton);
    buttons->addStretch(1);
    buttons->addWidget(cancelButton);
    buttons->addWidget(m_finishButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    layout->addLayout(inputs);
    layout->addWidget(m_view, 1);
    layout->addLayout(figures);
    layout->addLayout(buttons);

    connect(m_model, &ReconciliationModel::ticksChanged, this, &ReconciliationScreen::updateDifference);
    connect(m_statementBalance, &QDoubleSpinBox::valueChanged, this, &ReconciliationScreen::updateDifference);
    // Rows changed elsewhere are reread, ticks kept, so Finish never writes stale copies.
    connect(m_state->transactionRepository(), &TransactionRepository::transactionsChanged, this,
            [this](const QString &accountId) {
                if (accountId.isEmpty() || accountId == m_accountId)
                    scheduleReload();
            });
}

void ReconciliationScreen::setAccount(const QString &accountId)
{
    const auto account = m_state->accountRepository()->findById(accountId);
    if (!account)
        return;
    m_accountId = accountId;
    m_currency = account->currency;
    setAmountFieldCurrency(m_statementBalance, m_currency, true);
    ReconciliationService *service = m_state->reconciliationService();
    m_previousBalance = service->previousBalance(accountId);
    const QDate suggested = service->suggestedStatementDate(accountId);
    if (suggested.isValid())
        m_statementDate->setDate(suggested);
    reloadTransactions();
}

void ReconciliationScreen::scheduleReload()
{
    if (m_reloadPending || m_accountId.isEmpty())
        return;
    m_reloadPending = true;
    QTimer::singleShot(0, this, [this] {
        m_reloadPending = false;
        reloadTransactions();
    });
}

void ReconciliationScreen::reloadTransactions()
{
    if (m_accountId.isEmpty())
        return;
    m_previousBalance = m_state->reconciliationService()->previousBalance(m_accountId);
    const QString selectedId = selectedRow() >= 0 ? m_model->rows().at(selectedRow()).id : QString();
    m_model->setRows(m_state->transactionRepository()->findUnreconciled(m_accountId), m_currency);
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->rows().at(row).id == selectedId)
            m_view->selectRow(row);
    }
    updateDifference();
}

void ReconciliationScreen::onTransactionToggled(int row)
{
    m_model->setTicked(row, !m_model->isTicked(row));
}

void ReconciliationScreen::updateDifference()
{
    qint64 deposits = 0;
    qint64 withdrawals = 0;
    const auto ticked = m_model->tickedAmounts();
    for (const qint64 amount : ticked)
        (amount >= 0 ? deposits : withdrawals) += amount;
    const qint64 cleared = m_previousBalance + deposits + withdrawals;
    const qint64 statement = amountFromField(m_statementBalance, m_currency);
    const qint64 difference = statement - cleared;
    const qint64 values[] = {m_previousBalance, deposits, withdrawals, cleared, statement, difference};
    for (int i = 0; i < 6; ++i)
        m_figures.at(i)->setText(formatMoney(values[i], m_currency));
    m_figures.at(5)->setStyleSheet(u"color: %1;"_s.arg(differenceColour(difference == 0)));
    m_finishButton->setEnabled(difference == 0 && !m_accountId.isEmpty());
}

QStringList ReconciliationScreen::figureTexts() const
{
    QStringList out;
    for (const QLabel *label : m_figures)
        out.append(label->text());
    return out;
}

bool ReconciliationScreen::canFinish() const
{
    return m_finishButton->isEnabled();
}

void ReconciliationScreen::finishReconciliation()
{
    if (!canFinish())
        return;
    const WriteResult result = m_state->reconciliationService()->finish(
        m_accountId, m_statementDate->date(), amountFromField(m_statementBalance, m_currency),
        m_model->tickedAmounts());
    if (!result) {
        QMessageBox::warning(this, tr("Reconciliation Failed"), result.error);
        reloadTransactions();
        return;
    }
    QMessageBox::information(this, tr("Reconciliation Complete"), tr("Account reconciled successfully."));
    emit reconciliationCompleted();
}

int ReconciliationScreen::selectedRow() const
{
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ReconciliationScreen::addTransaction()
{
    if (m_accountId.isEmpty())
        return;
    TransactionFormDialog dialog(m_state, m_accountId, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const WriteResult result = m_state->transactionService()->add(dialog.transaction());
    if (!result)
        QMessageBox::warning(this, tr("Add Transaction"), result.error);
    reloadTransactions();
}

void ReconciliationScreen::editSelected()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const auto stored = m_state->transactionRepository()->findById(m_model->rows().at(row).id);
    if (!stored || stored->deleted_at) {
        reloadTransactions();
        return;
    }
    TransactionFormDialog dialog(m_state, *stored, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const WriteResult result = m_state->transactionService()->update(dialog.transaction());
    if (!result)
        QMessageBox::warning(this, tr("Edit Transaction"), result.error);
    reloadTransactions();
}

void ReconciliationScreen::deleteSelected()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const Transaction t = m_model->rows().at(row);
    const QString amount = formatMoney(qAbs(t.amount), m_currency);
    // A transfer goes with both legs, as in the register: never half a transfer.
    const QString text = t.transfer_link_id.isEmpty()
        ? tr("Delete the transaction for %1?").arg(t.payee)
        : tr("Delete transfer \"%1\" for %2?\n\nBoth sides of the transfer will be deleted.").arg(t.payee, amount);
    QMessageBox box(QMessageBox::Question, tr("Delete Transaction"), text, QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() != QMessageBox::Yes)
        return;
    const WriteResult result = m_state->transactionService()->remove(t.id);
    if (!result)
        QMessageBox::warning(this, tr("Delete Transaction"), result.error);
    reloadTransactions();
}

bool ReconciliationScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Insert: addTransaction(); return true;
        case Qt::Key_F2: editSelected(); return true;
        case Qt::Key_Delete: deleteSelected(); return true;
        case Qt::Key_Space:
            if (selectedRow() >= 0) {
                onTransactionToggled(selectedRow());
                return true;
            }
            break;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
