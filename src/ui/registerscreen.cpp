#include "registerscreen.h"

#include "app/appstate.h"
#include "app/money.h"
#include "app/palettecolors.h"
#include "registerdelegate.h"
#include "registermodel.h"
#include "registerrowpatch.h"
#include "registertableview.h"
#include "screens/recurringformdialog.h"
#include "services/transactionservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/preferencesrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "transactionformdialog.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QUuid>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString kTransferPrefix = u"[Transfer] "_s;
const QString kMutedColour = u"#6E8A7E"_s;
const QString kLegendColour = u"#5A7A6E"_s;
constexpr int kRowHeight = 36;
constexpr int kTwoLineExtra = 16;

QString nativeKeys(const QKeySequence &sequence)
{
    return sequence.toString(QKeySequence::NativeText);
}

QFont sizedFont(const QFont &base, qreal delta, bool bold)
{
    QFont font = base;
    const qreal size = QApplication::font().pointSizeF();
    if (size > 0)
        font.setPointSizeF(qMax<qreal>(7.0, size + delta));
    if (bold)
        font.setWeight(QFont::DemiBold);
    return font;
}

} // namespace

RegisterScreen::RegisterScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
{
    m_model = new RegisterModel(this);
    m_delegate = new RegisterDelegate(state, this);
    m_hintTimer = new QTimer(this);
    m_hintTimer->setSingleShot(true);
    connect(m_hintTimer, &QTimer::timeout, this, [this] { m_hintLabel->clear(); });
    buildUi();

    connect(m_delegate, &RegisterDelegate::editorKeyPressed, this, [this](QKeyEvent *event) { handleKey(event); });
    connect(m_state->transactionRepository(), &TransactionRepository::transactionsChanged, this,
            [this](const QString &accountId) {
                if (accountId.isEmpty() || accountId == m_accountId)
                    scheduleReload();
            });
    connect(m_state->accountRepository(), &AccountRepository::accountsChanged, this, &RegisterScreen::scheduleReload);
    connect(m_state->preferencesRepository(), &PreferencesRepository::changed, this, [this](const QString &key) {
        if (key == u"registerTwoLine" || key == u"registerNewestFirst")
            scheduleReload();
    });
}

void RegisterScreen::buildUi()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(0);

    auto *header = new QHBoxLayout;
    header->setSpacing(16);
    m_nameLabel = new QLabel(this);
    m_nameLabel->setObjectName(u"accountNameLabel"_s);
    m_nameLabel->setFont(sizedFont(font(), 8, true));
    m_balanceLabel = new QLabel(this);
    m_balanceLabel->setObjectName(u"balanceLabel"_s);
    m_balanceLabel->setFont(sizedFont(font(), 4, true));
    m_balanceLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_reconcileButton = new QPushButton(tr("Reconcile"), this);
    m_reconcileButton->setObjectName(u"reconcileButton"_s);
    m_reconcileButton->setFocusPolicy(Qt::ClickFocus);
    connect(m_reconcileButton, &QPushButton::clicked, this, [this] { emit reconcileRequested(m_accountId); });
    header->addWidget(m_nameLabel);
    header->addStretch(1);
    header->addWidget(m_balanceLabel);
    header->addWidget(m_reconcileButton);
    layout->addLayout(header);

    m_subtitleLabel = new QLabel(this);
    m_subtitleLabel->setObjectName(u"subtitleLabel"_s);
    m_subtitleLabel->setFont(sizedFont(font(), -2, false));
    m_subtitleLabel->setStyleSheet(u"color: %1;"_s.arg(kMutedColour));
    m_subtitleLabel->hide();
    layout->addWidget(m_subtitleLabel);
    layout->addSpacing(8);

    m_table = new RegisterTableView(this, this);
    m_table->setObjectName(u"registerTable"_s);
    m_table->setModel(m_model);
    m_table->setItemDelegate(m_delegate);
    m_table->setAlternatingRowColors(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setTabKeyNavigation(false);
    m_table->setFocusPolicy(Qt::StrongFocus);
    m_table->setSortingEnabled(false);
    m_table->verticalHeader()->hide();
    // Fixed row heights keep large registers cheap to lay out.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_table->setShowGrid(false);
    // One line per cell: long texts end in "…" instead of wrapping into the row.
    m_table->setWordWrap(false);
    m_table->setTextElideMode(Qt::ElideRight);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    QHeaderView *columns = m_table->horizontalHeader();
    const QPair<int, int> fixedWidths[] = {{RegisterModel::DateColumn, 130},   {RegisterModel::CheckNumberColumn, 60},
                                           {RegisterModel::PaymentColumn, 100}, {RegisterModel::DepositColumn, 100},
                                           {RegisterModel::ClearedColumn, 35},  {RegisterModel::BalanceColumn, 110}};
    for (const auto &[column, width] : fixedWidths) {
        columns->setSectionResizeMode(column, QHeaderView::Fixed);
        columns->resizeSection(column, width);
    }
    for (int column : {RegisterModel::PayeeColumn, RegisterModel::CategoryColumn, RegisterModel::MemoColumn})
        columns->setSectionResizeMode(column, QHeaderView::Stretch);
    m_table->installEventFilter(this);
    m_table->viewport()->installEventFilter(this);
    layout->addWidget(m_table, 1);

    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current, const QModelIndex &previous) {
                if (current.isValid() && current.row() != previous.row())
                    startEditingRow(current.row());
            });
    connect(m_table, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        startEditingRow(index.row());
        if (index.column() != RegisterModel::BalanceColumn && !m_table->currentEditor())
            openEditor(index);
    });
    connect(m_table, &QWidget::customContextMenuRequested, this, &RegisterScreen::onContextMenu);

    auto *footer = new QHBoxLayout;
    m_hintLabel = new QLabel(this);
    m_hintLabel->setObjectName(u"hintLabel"_s);
    m_hintLabel->setStyleSheet(u"color: %1; padding: 2px 4px;"_s.arg(kMutedColour));
    m_legendLabel = new QLabel(
        tr("%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  ': copy above")
            .arg(nativeKeys(QKeySequence(Qt::CTRL | Qt::Key_Return)), nativeKeys(QKeySequence(Qt::CTRL | Qt::Key_D)),
                 nativeKeys(QKeySequence(Qt::CTRL | Qt::Key_M))),
        this);
    m_legendLabel->setObjectName(u"legendLabel"_s);
    m_legendLabel->setStyleSheet(u"color: %1; padding: 2px 4px;"_s.arg(kLegendColour));
    footer->addWidget(m_hintLabel);
    footer->addStretch(1);
    footer->addWidget(m_legendLabel);
    layout->addLayout(footer);
}

QString RegisterScreen::hintText() const
{
    return m_hintLabel->text();
}

void RegisterScreen::setTodayFunction(TodayFunction today)
{
    m_today = today;
    m_model->setTodayFunction(today);
    m_delegate->setTodayFunction(today);
}

void RegisterScreen::setAccount(const QString &accountId)
{
    m_table->closeEditorQuietly(m_table->currentEditor());
    m_accountId = accountId;
    m_delegate->setAccountId(accountId);
    reload();
    m_model->setEditRow(-1);
    m_model->resetEntryBuffer();
    goToEntryRow();
}

void RegisterScreen::scheduleReload()
{
    if (m_writing > 0 || m_reloadPending)
        return;
    m_reloadPending = true;
    QTimer::singleShot(0, this, &RegisterScreen::runScheduledReload);
}

void RegisterScreen::runScheduledReload()
{
    // A change from elsewhere waits until the open editor is done.
    if (m_table->isEditing()) {
        QTimer::singleShot(200, this, &RegisterScreen::runScheduledReload);
        return;
    }
    m_reloadPending = false;
    reload();
}

void RegisterScreen::reload()
{
    if (m_accountId.isEmpty() || m_table->isEditing())
        return;
    const auto account = m_state->accountRepository()->findById(m_accountId);
    if (!account)
        return;
    // A new entry being typed survives a reload caused elsewhere (a sync, a posting).
    const bool typingNew = m_model->editRow() < 0;
    const RegisterEntryBuffer typed = m_model->entryBuffer();
    showRows(*account, [this] { return m_state->transactionRepository()->registerRows(m_accountId); });
    if (typingNew && m_model->editRow() < 0)
        m_model->setEntryBuffer(typed);
}

void RegisterScreen::refreshAfterWrite(const QString &removedId, const std::optional<Transaction> &added)
{
    if (m_accountId.isEmpty() || m_table->isEditing())
        return;
    const auto account = m_state->accountRepository()->findById(m_accountId);
    if (!account)
        return;
    std::optional<RegisterRow> row;
    if (added && added->account_id == m_accountId) {
        row = RegisterRow();
        row->transaction = *added;
        if (!added->category_id.isEmpty()) {
            if (const auto category = m_state->categoryRepository()->findById(added->category_id))
                row->category_name = category->name;
        }
    }
    showRows(*account, [this, &account, &removedId, &row] {
        QList<RegisterRow> rows = m_model->rows();
        const bool reversed = m_model->newestFirst();
        // Let go of the model's copy first so the edit below does not copy every row.
        m_model->setRows({}, reversed);
        if (reversed)
            std::reverse(rows.begin(), rows.end());
        // Anything unexpected falls back to reading the register again.
        if (!RegisterRowPatch::apply(rows, account->starting_balance, removedId, row))
            rows = m_state->transactionRepository()->registerRows(m_accountId);
        return rows;
    });
}

void RegisterScreen::showRows(const Account &account, const std::function<QList<RegisterRow>()> &readRows)
{
    m_nameLabel->setText(account.name);
    QString subtitle = account.institution;
    if (!account.account_number_last4.isEmpty())
        subtitle += u"  ·  *%1"_s.arg(account.account_number_last4);
    m_subtitleLabel->setText(subtitle);
    m_subtitleLabel->setVisible(!subtitle.isEmpty());
    m_model->setCurrency(account.currency);

    // Remember where the user was, by transaction where possible.
    QString topId;
    QString currentId;
    int topRow = -1;
    const QModelIndex top = m_table->indexAt(QPoint(1, 1));
    if (top.isValid()) {
        topRow = top.row();
        if (const RegisterRow *row = m_model->rowAt(topRow))
            topId = row->transaction.id;
    }
    const QModelIndex current = m_table->currentIndex();
    const int currentRow = current.isValid() ? current.row() : -1;
    const int currentColumn = current.isValid() ? current.column() : 0;
    const bool wasOnEntryRow = current.isValid() && currentRow == m_model->entryRow();
    if (const RegisterRow *row = current.isValid() ? m_model->rowAt(currentRow) : nullptr)
        currentId = row->transaction.id;

    QList<RegisterRow> rows = readRows();
    const qint64 balance = rows.isEmpty() ? account.starting_balance : rows.constLast().running_balance;

    PreferencesRepository *preferences = m_state->preferencesRepository();
    const bool twoLine = preferences->boolValue(u"registerTwoLine"_s, false);
    m_delegate->setTwoLine(twoLine);
    m_model->setTwoLine(twoLine);
    m_table->setColumnHidden(RegisterModel::MemoColumn, twoLine);
    m_table->verticalHeader()->setDefaultSectionSize(kRowHeight + (twoLine ? kTwoLineExtra : 0));

    const bool newestFirst = preferences->boolValue(u"registerNewestFirst"_s, false);
    if (newestFirst)
        std::reverse(rows.begin(), rows.end());
    m_model->setRows(rows, newestFirst);
    rows.clear(); // the model keeps the only copy
    m_table->viewport()->update();

    m_balanceLabel->setText(formatMoney(balance, account.currency));
    m_balanceLabel->setStyleSheet(
        u"color: %1;"_s.arg((balance < 0 ? negativeAmountColor() : positiveAmountColor()).name()));

    // Restore the position.
    int currentTarget = -1;
    int topTarget = -1;
    if (!currentId.isEmpty() || !topId.isEmpty()) {
        const QList<RegisterRow> &shown = m_model->rows();
        for (int k = 0; k < shown.size() && (currentTarget < 0 || topTarget < 0); ++k) {
            const QString &id = shown.at(k).transaction.id;
            if (currentTarget < 0 && !currentId.isEmpty() && id == currentId)
                currentTarget = m_model->rowForTransaction(k);
            if (topTarget < 0 && !topId.isEmpty() && id == topId)
                topTarget = m_model->rowForTransaction(k);
        }
    }
    const int lastRow = m_model->rowCount() - 1;
    if (wasOnEntryRow)
        currentTarget = m_model->entryRow(); // the entry row moves with the rows above it
    if (currentTarget < 0 && currentRow >= 0)
        currentTarget = qMin(currentRow, lastRow);
    if (topTarget < 0 && topRow >= 0)
        topTarget = qMin(topRow, lastRow);
    if (currentTarget >= 0)
        m_table->setCurrentIndex(m_model->index(currentTarget, qMax(0, currentColumn)));
    if (topTarget >= 0)
        m_table->scrollTo(m_model->index(topTarget, 0), QAbstractItemView::PositionAtTop);
    if (m_table->currentIndex().isValid())
        m_table->scrollTo(m_table->currentIndex());
}

void RegisterScreen::goToEntryRow()
{
    if (m_model->newestFirst())
        m_table->scrollToTop();
    else
        m_table->scrollToBottom();
    m_table->setCurrentIndex(m_model->index(m_model->entryRow(), RegisterModel::DateColumn));
}

void RegisterScreen::showTransaction(const QString &transactionId)
{
    m_table->closeEditorQuietly(m_table->currentEditor());
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const RegisterRow *shown = m_model->rowAt(row);
        if (shown && shown->transaction.id == transactionId) {
            const QModelIndex cell = m_model->index(row, RegisterModel::DateColumn);
            m_table->setCurrentIndex(cell);
            m_table->scrollTo(cell, QAbstractItemView::PositionAtCenter);
            m_table->setFocus();
            return;
        }
    }
}

void RegisterScreen::startNewTransaction()
{
    m_table->closeEditorQuietly(m_table->currentEditor());
    m_model->setEditRow(-1);
    m_model->resetEntryBuffer();
    goToEntryRow();
    openEditor(m_model->index(m_model->entryRow(), RegisterModel::DateColumn));
}

void RegisterScreen::startEditingRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    if (row == m_model->entryRow()) {
        // A half-typed entry survives visits to other rows until one is edited.
        if (m_model->editRow() >= 0) {
            m_model->setEditRow(-1);
            m_model->resetEntryBuffer();
        }
        return;
    }
    if (m_model->editRow() == row)
        return;
    const RegisterRow *source = m_model->rowAt(row);
    if (!source)
        return;
    if (source->transaction.id.isEmpty()) {
        // The opening-balance line is computed, not stored: nothing to edit.
        if (m_model->editRow() >= 0) {
            m_model->setEditRow(-1);
            m_model->resetEntryBuffer();
        }
        return;
    }
    m_model->setEditRow(row);
    m_model->loadRowIntoBuffer(row, source->category_name);
}

bool RegisterScreen::isField(int column) const
{
    return column >= RegisterModel::DateColumn && column <= RegisterModel::ClearedColumn
        && !m_table->isColumnHidden(column);
}

int RegisterScreen::nextField(int column) const
{
    const int start = column >= RegisterModel::BalanceColumn ? 0 : column + 1;
    for (int c = start; c <= RegisterModel::ClearedColumn; ++c) {
        if (isField(c))
            return c;
    }
    return -1;
}

int RegisterScreen::previousField(int column) const
{
    const int start = column >= RegisterModel::BalanceColumn ? int(RegisterModel::ClearedColumn) : column - 1;
    for (int c = start; c >= 0; --c) {
        if (isField(c))
            return c;
    }
    return -1;
}

void RegisterScreen::flushEditor()
{
    QWidget *editor = m_table->currentEditor();
    if (!editor)
        return;
    m_delegate->setModelData(editor, m_model, m_table->currentIndex());
    m_table->closeEditorQuietly(editor);
    m_table->setFocus();
}

void RegisterScreen::openEditor(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    if (m_table->currentIndex() != index)
        m_table->setCurrentIndex(index);
    if (m_model->flags(index).testFlag(Qt::ItemIsEditable))
        m_table->edit(index);
}

void RegisterScreen::focusMemoLine()
{
    if (QWidget *memo = RegisterDelegate::memoLine(m_table->currentEditor()))
        memo->setFocus(Qt::OtherFocusReason);
}

void RegisterScreen::advanceToNextField()
{
    flushEditor();
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid())
        return;
    const int next = nextField(current.column());
    if (next < 0) {
        commitCurrentRow();
        return;
    }
    openEditor(current.sibling(current.row(), next));
}

void RegisterScreen::tabStep(bool forward)
{
    flushEditor();
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid())
        return;
    const int column = forward ? nextField(current.column()) : previousField(current.column());
    if (column < 0) {
        // Tab stops at the ends of the row and stays in the field; only Enter saves.
        openEditor(current);
        return;
    }
    openEditor(current.sibling(current.row(), column));
    if (!forward && column == RegisterModel::PayeeColumn)
        focusMemoLine();
}

bool RegisterScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == m_table || watched == m_table->viewport())) {
        if (handleKey(static_cast<QKeyEvent *>(event)))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool RegisterScreen::handleKey(QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;

    if (enter && control) {
        commitCurrentRow();
        return true;
    }
    if (enter) {
        const QModelIndex current = m_table->currentIndex();
        if (!current.isValid())
            return true;
        if (m_table->currentEditor()) {
            advanceToNextField();
        } else {
            startEditingRow(current.row());
            openEditor(current);
        }
        return true;
    }
    if (control) {
        switch (key) {
        case Qt::Key_D: deleteCurrentRow(); return true;
        case Qt::Key_I: startNewTransaction(); return true;
        case Qt::Key_N: newTransactionDialog(); return true;
        case Qt::Key_M: memorizeCurrentRow(); return true;
        default: return false;
        }
    }
    if (key == Qt::Key_Apostrophe) {
        copyFromAbove();
        return true;
    }
    if (key == Qt::Key_Backtab || (key == Qt::Key_Tab && modifiers.testFlag(Qt::ShiftModifier))) {
        tabStep(false);
        return true;
    }
    if (key == Qt::Key_Tab) {
        tabStep(true);
        return true;
    }
    if (!m_table->currentEditor() && DateInput::isDateKeyCandidate(event) && event->text().at(0).isPrint())
        return typeIntoEntryRow(event);
    return false;
}

bool RegisterScreen::typeIntoEntryRow(QKeyEvent *event)
{
    if (m_accountId.isEmpty())
        return true;
    const QModelIndex current = m_table->currentIndex();
    const int entryRow = m_model->entryRow();
    if (current.isValid() && current.row() != entryRow) {
        // A stored row is only edited after Enter or a click on it.
        showHint(tr("Press Enter to edit this transaction, or Ctrl+I for a new one"));
        return true;
    }
    const int column = current.isValid() && isField(current.column()) ? current.column() : int(RegisterModel::DateColumn);
    openEditor(m_model->index(entryRow, column));
    QWidget *receiver = m_table->currentEditor();
    if (!receiver)
        return true;
    while (receiver->focusProxy())
        receiver = receiver->focusProxy();
    receiver->setFocus();
    QKeyEvent typed(QEvent::KeyPress, event->key(), event->modifiers(), event->text(), event->isAutoRepeat(),
                    ushort(event->count()));
    QCoreApplication::sendEvent(receiver, &typed);
    return true;
}

bool RegisterScreen::resolveTransfer(const QString &payee, QString *destinationId, QString *destinationName,
                                     bool *refused)
{
    *refused = false;
    if (!payee.startsWith(kTransferPrefix))
        return false;
    const QString name = payee.mid(kTransferPrefix.size());
    const QList<Account> accounts = m_state->accountRepository()->findAll();
    const auto own = std::find_if(accounts.cbegin(), accounts.cend(), [this](const Account &a) { return a.id == m_accountId; });
    const auto other = std::find_if(accounts.cbegin(), accounts.cend(), [&name](const Account &a) { return a.name == name; });
    if (other == accounts.cend()) {
        showHint(tr("Transfer account not found"));
        *refused = true;
        return false;
    }
    // A transfer onto itself would only add two rows that cancel out.
    if (other->id == m_accountId) {
        showHint(tr("Choose another account for the transfer"));
        *refused = true;
        return false;
    }
    if (own != accounts.cend() && own->currency != other->currency) {
        emit errorMessage(tr("Transfers require both accounts to use the same currency"));
        *refused = true;
        return false;
    }
    *destinationId = other->id;
    *destinationName = other->name;
    return true;
}

void RegisterScreen::refuse(int column, const QString &hint)
{
    showHint(hint, 5000);
    focusField(column);
}

void RegisterScreen::focusField(int column)
{
    // The entry stays as typed, with the field to mend open.
    const int editRow = m_model->editRow();
    const int row = editRow >= 0 ? editRow : m_model->entryRow();
    openEditor(m_model->index(row, column));
    if (QWidget *editor = m_table->currentEditor())
        editor->setFocus();
}

std::optional<qint64> RegisterScreen::readAmount(const QString &paymentText, const QString &depositText,
                                                 Currency currency)
{
    const bool payment = !paymentText.isEmpty();
    const QString text = payment ? paymentText : depositText;
    const int column = payment ? RegisterModel::PaymentColumn : RegisterModel::DepositColumn;
    const QString field = payment ? tr("Payment") : tr("Deposit");
    AmountError error = AmountError::None;
    const auto amount = parseAmountStrict(text, currency, &error);
    if (amount)
        return payment ? -*amount : *amount;
    switch (error) {
    case AmountError::FractionNotAllowed:
        refuse(column, tr("%1: this currency has no minor units; enter a whole amount").arg(field));
        break;
    case AmountError::OutOfRange:
        refuse(column, tr("%1: the amount is too large").arg(field));
        break;
    default:
        refuse(column, tr("%1: \"%2\" is not an amount").arg(field, text));
        break;
    }
    return std::nullopt;
}

std::optional<QString> RegisterScreen::resolveCategory(const RegisterEntryBuffer &buffer)
{
    if (!buffer.categoryId.isEmpty())
        return buffer.categoryId;
    const QString text = buffer.categoryText.trimmed();
    if (text.isEmpty())
        return QString();
    CategoryRepository *categories = m_state->categoryRepository();
    auto found = categories->findByName(text);
    const qsizetype split = text.indexOf(u" > "_s);
    if (!found && split >= 0)
        found = categories->findByName(text.mid(split + 3).trimmed());
    if (found)
        return found->id;
    // A typed beginning completes to the one category it names.
    const QList<Category> all = categories->findAll();
    QHash<QString, QString> names;
    for (const Category &c : all)
        names.insert(c.id, c.name);
    QStringList matches;
    for (const Category &c : all) {
        const QString shown = names.contains(c.parent_id) ? u"%1 > %2"_s.arg(names.value(c.parent_id), c.name) : c.name;
        if (c.name.startsWith(text, Qt::CaseInsensitive) || shown.startsWith(text, Qt::CaseInsensitive))
            matches.append(c.id);
    }
    if (matches.size() == 1)
        return matches.constFirst();
    if (matches.isEmpty())
        refuse(RegisterModel::CategoryColumn, tr("No category matches \"%1\"").arg(text));
    else
        refuse(RegisterModel::CategoryColumn, tr("\"%1\" matches several categories: choose one").arg(text));
    return std::nullopt;
}

void RegisterScreen::commitCurrentRow()
{
    flushEditor();
    m_table->selectionModel()->clearCurrentIndex();
    m_table->clearSelection();
    if (m_accountId.isEmpty())
        return;
    const auto account = m_state->accountRepository()->findById(m_accountId);
    if (!account)
        return;

    const RegisterEntryBuffer buffer = m_model->entryBuffer();
    QString payee = buffer.payee.trimmed();
    if (payee.isEmpty()) {
        refuse(RegisterModel::PayeeColumn, tr("Payee is required"));
        return;
    }
    const QString paymentText = buffer.payment.trimmed();
    const QString depositText = buffer.deposit.trimmed();
    if (paymentText.isEmpty() && depositText.isEmpty()) {
        refuse(RegisterModel::PaymentColumn, tr("Enter a payment or deposit amount"));
        return;
    }
    // Amounts follow the account's currency, as the cells show them.
    const auto amount = readAmount(paymentText, depositText, account->currency);
    if (!amount)
        return;

    const QDate date = DateInput::fromText(buffer.date, m_today ? m_today() : QDate::currentDate());
    if (!date.isValid()) {
        refuse(RegisterModel::DateColumn, buffer.date.trimmed().isEmpty()
                                              ? tr("Date is required")
                                              : tr("\"%1\" is not a valid date").arg(buffer.date.trimmed()));
        return;
    }

    const auto categoryId = resolveCategory(buffer);
    if (!categoryId)
        return;

    const QString mark = buffer.cleared.trimmed().toUpper();
    const bool reconciled = mark == u"R";
    const bool cleared = reconciled || mark == u"C";

    const int editRow = m_model->editRow();
    const bool isNew = editRow < 0 || editRow == m_model->entryRow();

    QString destinationId;
    QString destinationName;
    bool refused = false;
    const bool transfer = resolveTransfer(payee, &destinationId, &destinationName, &refused);
    if (refused) {
        focusField(RegisterModel::PayeeColumn);
        return;
    }
    if (transfer)
        payee = u"Transfer to %1"_s.arg(destinationName);

    TransactionRepository *transactions = m_state->transactionRepository();
    TransactionService *service = m_state->transactionService();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    // What the entry row holds, for a new row and an edited one alike.
    auto fillFromEntry = [&](Transaction &t) {
        t.date = date;
        t.payee = payee;
        t.check_number = buffer.checkNumber.trimmed();
        t.memo = buffer.memo.trimmed();
        t.amount = *amount;
        t.category_id = *categoryId;
        t.cleared = cleared;
        t.reconciled = reconciled;
    };

    if (!isNew) {
        const RegisterRow *source = m_model->rowAt(editRow);
        if (!source)
            return;
        Transaction t = transactions->findById(source->transaction.id).value_or(source->transaction);
        fillFromEntry(t);
        ++m_writing;
        const WriteResult result = service->update(t);
        --m_writing;
        if (!result) {
            reportFailure(result.error);
            return;
        }
        if (!t.transfer_link_id.isEmpty() && t.transfer_dest_account_id == m_accountId)
            reload();
        else
            refreshAfterWrite(t.id, transactions->findById(t.id));
        const int below = editRow + 1;
        if (below < m_model->rowCount())
            m_table->setCurrentIndex(m_model->index(below, RegisterModel::DateColumn));
        m_table->setFocus();
        return;
    }

    Transaction t;
    t.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    t.account_id = m_accountId;
    fillFromEntry(t);
    t.created_at = now;
    t.updated_at = now;

    std::optional<Transaction> other;
    if (transfer) {
        other = Transaction();
        other->id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        other->account_id = destinationId;
        other->date = date;
        other->payee = u"Transfer from %1"_s.arg(account->name);
        other->amount = -*amount;
        other->cleared = cleared;
        other->reconciled = reconciled;
        other->created_at = now;
        other->updated_at = now;
        t.transfer_link_id = other->id;
        other->transfer_link_id = t.id;
        t.transfer_dest_account_id = destinationId;
        other->transfer_dest_account_id = m_accountId;
    }

    ++m_writing;
    const WriteResult result = service->add(t, other);
    --m_writing;
    if (!result) {
        reportFailure(result.error);
        return;
    }
    m_model->setStickyDate(DateInput::toText(date));
    refreshAfterWrite(QString(), t);
    goToEntryRow();
    m_table->setFocus();
}

void RegisterScreen::reportFailure(const QString &text)
{
    // What is stored is what the register shows; the typed entry stays.
    const RegisterEntryBuffer typed = m_model->entryBuffer();
    const int editRow = m_model->editRow();
    reload();
    if (editRow < 0)
        m_model->setEntryBuffer(typed);
    showHint(text, 5000);
    emit errorMessage(text);
}

void RegisterScreen::deleteCurrentRow()
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid())
        return;
    if (current.row() == m_model->entryRow()) {
        m_table->closeEditorQuietly(m_table->currentEditor());
        m_model->resetEntryBuffer();
        openEditor(m_model->index(m_model->entryRow(), RegisterModel::DateColumn));
        showHint(tr("Fields cleared"));
        return;
    }
    confirmDelete(current.row());
}

void RegisterScreen::confirmDelete(int row)
{
    const RegisterRow *source = m_model->rowAt(row);
    if (!source || source->transaction.id.isEmpty())
        return;
    const Transaction t = source->transaction;
    m_table->closeEditorQuietly(m_table->currentEditor());
    const QString amount = formatMoney(qAbs(t.amount), m_model->currency());
    const QString text = t.transfer_link_id.isEmpty()
        ? tr("Delete \"%1\" for %2?").arg(t.payee, amount)
        : tr("Delete transfer \"%1\" for %2?\n\nBoth sides of the transfer will be deleted.").arg(t.payee, amount);
    if (QMessageBox::question(this, tr("Delete Transaction"), text, QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    ++m_writing;
    const WriteResult result = m_state->transactionService()->remove(t.id);
    --m_writing;
    if (!result) {
        reportFailure(result.error);
        return;
    }
    if (!t.transfer_link_id.isEmpty() && t.transfer_dest_account_id == m_accountId)
        reload(); // both legs in this register
    else
        refreshAfterWrite(t.id, std::nullopt);
}

void RegisterScreen::copyFromAbove()
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid() || current.row() == 0)
        return;
    // The edit text, so an empty entry row above gives nothing rather than its column title.
    QString text = m_model->index(current.row() - 1, current.column()).data(Qt::EditRole).toString();
    // A transfer copied by its stored "Transfer to …" text would make a
    // one-sided entry; copy it as a transfer.
    const RegisterRow *above = m_model->rowAt(current.row() - 1);
    if (current.column() == RegisterModel::PayeeColumn && above && m_model->editRow() != current.row() - 1
        && !above->transaction.transfer_link_id.isEmpty()) {
        if (const auto other = m_state->accountRepository()->findById(above->transaction.transfer_dest_account_id))
            text = kTransferPrefix + other->name;
    }
    if (!m_model->setData(current, text))
        return;
    QWidget *editor = m_table->currentEditor();
    if (auto *line = qobject_cast<QLineEdit *>(RegisterDelegate::payeeLine(editor))) {
        line->setText(text);
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        const int item = combo->findText(text, Qt::MatchExactly);
        if (item >= 0)
            combo->setCurrentIndex(item);
        else
            combo->setEditText(text);
    }
}

void RegisterScreen::memorizeCurrentRow()
{
    const QModelIndex current = m_table->currentIndex();
    const RegisterRow *source = current.isValid() ? m_model->rowAt(current.row()) : nullptr;
    if (!source || source->transaction.id.isEmpty())
        return;
    const Transaction t = source->transaction;
    if (!t.date.isValid() || t.date.year() < 2000) {
        showHint(tr("Cannot memorize: source transaction has an invalid date"), 5000);
        return;
    }
    RecurringTransaction entry;
    entry.account_id = t.account_id;
    entry.payee = t.payee;
    entry.memo = t.memo;
    entry.amount = t.amount;
    entry.category_id = t.category_id;
    entry.transfer_dest_account_id = t.transfer_dest_account_id;
    entry.frequency = Frequency::Monthly;
    entry.start_date = t.date;
    entry.next_due_date = t.date;
    entry.auto_post = false;
    entry.is_active = true;
    m_table->closeEditorQuietly(m_table->currentEditor());
    RecurringFormDialog dialog(m_state, entry, RecurringFormDialog::Mode::Memorize, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (m_state->recurringRepository()->insert(dialog.recurring()))
        showHint(tr("Transaction memorized as recurring"));
    else
        reportFailure(tr("The recurring entry could not be saved. Nothing was changed."));
}

void RegisterScreen::toggleCleared(int row)
{
    const RegisterRow *source = m_model->rowAt(row);
    if (!source || source->transaction.id.isEmpty())
        return;
    Transaction t = m_state->transactionRepository()->findById(source->transaction.id).value_or(source->transaction);
    t.cleared = !t.cleared;
    t.updated_at = QDateTime::currentDateTimeUtc();
    t.sync_status = SyncStatus::Pending;
    ++m_writing;
    const bool ok = m_state->transactionRepository()->update(t);
    --m_writing;
    if (ok)
        refreshAfterWrite(t.id, t);
    else
        reportFailure(tr("The transaction could not be saved. Nothing was changed."));
}

void RegisterScreen::onContextMenu(const QPoint &pos)
{
    flushEditor();
    const QModelIndex index = m_table->indexAt(pos);
    const RegisterRow *found = index.isValid() ? m_model->rowAt(index.row()) : nullptr;
    const RegisterRow *source = found && !found->transaction.id.isEmpty() ? found : nullptr;
    const int row = index.row();

    QMenu menu(this);
    QAction *insert = menu.addAction(tr("&Insert New"), this, &RegisterScreen::startNewTransaction);
    insert->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    QAction *dialog = menu.addAction(tr("&New Transaction..."), this, &RegisterScreen::newTransactionDialog);
    dialog->setShortcut(QKeySequence::New);
    if (source) {
        menu.addSeparator();
        const QString clearText = source->transaction.cleared ? tr("Mark &Uncleared") : tr("Mark &Cleared");
        menu.addAction(clearText, this, [this, row] { toggleCleared(row); });
        QAction *remove = menu.addAction(tr("&Delete"), this, [this, row] { confirmDelete(row); });
        remove->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    }
    // Shown, not bound: the register handles these keys itself.
    for (QAction *action : menu.actions())
        action->setShortcutContext(Qt::WidgetShortcut);
    menu.exec(m_table->viewport()->mapToGlobal(pos));
}

void RegisterScreen::newTransactionDialog()
{
    if (m_accountId.isEmpty())
        return;
    m_table->closeEditorQuietly(m_table->currentEditor());
    TransactionFormDialog dialog(m_state, m_accountId, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const Transaction t = dialog.transaction();
    ++m_writing;
    const bool ok = m_state->transactionRepository()->insert(t);
    --m_writing;
    if (ok)
        refreshAfterWrite(QString(), t);
    else
        reportFailure(tr("The transaction could not be saved. Nothing was changed."));
    goToEntryRow();
}

void RegisterScreen::showHint(const QString &text, int milliseconds)
{
    m_hintLabel->setText(text);
    m_hintTimer->start(milliseconds);
}
