#include "transactionformdialog.h"

#include "amountfieldformat.h"
#include "app/appstate.h"
#include "app/palettecolors.h"
#include "dateinput.h"
#include "datefield.h"
#include "smartamountfield.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/transactionrepository.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringListModel>
#include <QUuid>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The date of the last transaction read from any form during this run, so a
// batch of entries for one day does not need the date typed again.
QDate &lastEnteredDate()
{
    static QDate date;
    return date;
}

} // namespace

TransactionFormDialog::TransactionFormDialog(AppState *state, const QString &accountId, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_accountId(accountId)
{
    m_transaction.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_transaction.account_id = accountId;
    setWindowTitle(tr("New Transaction"));
    setupUi();

    const QDate last = lastEnteredDate();
    m_dateField->setDate(last.isValid() ? last : QDate::currentDate());
    m_paymentRadio->setChecked(true);
}

TransactionFormDialog::TransactionFormDialog(AppState *state, const Transaction &transaction, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_accountId(transaction.account_id)
    , m_transaction(transaction)
    , m_editing(true)
{
    setWindowTitle(tr("Edit Transaction"));
    setupUi();

    m_dateField->setDate(transaction.date);
    m_payeeEdit->setText(transaction.payee);
    showAmount(transaction.amount);
    if (!transaction.category_id.isEmpty())
        selectCategory(transaction.category_id);
    m_memoEdit->setText(transaction.memo);
    m_checkNumberEdit->setText(transaction.check_number);
    m_clearedCheck->setChecked(transaction.cleared);
}

void TransactionFormDialog::setupUi()
{
    setMinimumWidth(480);

    if (const auto account = m_state->accountRepository()->findById(m_accountId))
        m_currency = account->currency;

    m_paymentRadio = new QRadioButton(tr("Payment"), this);
    m_paymentRadio->setObjectName(u"paymentRadio"_s);
    m_depositRadio = new QRadioButton(tr("Deposit"), this);
    m_depositRadio->setObjectName(u"depositRadio"_s);
    auto *typeRow = new QHBoxLayout;
    typeRow->setContentsMargins(0, 0, 0, 0);
    typeRow->addWidget(m_paymentRadio);
    typeRow->addWidget(m_depositRadio);
    typeRow->addStretch(1);

    m_dateField = new DateField(this);
    m_dateField->setObjectName(u"dateField"_s);

    QStringList payees = m_state->transactionRepository()->distinctPayees(false);
    payees.sort(Qt::CaseInsensitive);
    m_payeeEdit = new QLineEdit(this);
    m_payeeEdit->setObjectName(u"payeeEdit"_s);
    m_payeeEdit->setPlaceholderText(tr("Start typing to search payees..."));
    auto *payeeCompleter = new QCompleter(new QStringListModel(payees, this), this);
    payeeCompleter->setCaseSensitivity(Qt::CaseInsensitive);
    payeeCompleter->setFilterMode(Qt::MatchContains);
    payeeCompleter->setCompletionMode(QCompleter::PopupCompletion);
    payeeCompleter->setMaxVisibleItems(10);
    m_payeeEdit->setCompleter(payeeCompleter);
    connect(payeeCompleter, qOverload<const QString &>(&QCompleter::activated), this,
            &TransactionFormDialog::onPayeeSelected);

    m_amountField = new SmartAmountField(this);
    m_amountField->setObjectName(u"amountField"_s);
    setAmountFieldCurrency(m_amountField, m_currency, false);

    m_categoryCombo = new QComboBox(this);
    m_categoryCombo->setObjectName(u"categoryCombo"_s);
    m_categoryCombo->setEditable(true);
    m_categoryCombo->setInsertPolicy(QComboBox::NoInsert);
    m_categoryCombo->addItem(tr("(none)"), QString());
    const QList<Category> categories = m_state->categoryRepository()->findAll();
    QHash<QString, QString> namesById;
    for (const Category &c : categories)
        namesById.insert(c.id, c.name);
    for (const Category &c : categories) {
        const auto parent = namesById.constFind(c.parent_id);
        const QString label = c.parent_id.isEmpty() || parent == namesById.cend()
                                  ? c.name
                                  : u"%1 > %2"_s.arg(*parent, c.name);
        m_categoryCombo->addItem(label, c.id);
    }
    auto *categoryCompleter = new QCompleter(m_categoryCombo->model(), m_categoryCombo);
    categoryCompleter->setCaseSensitivity(Qt::CaseInsensitive);
    categoryCompleter->setFilterMode(Qt::MatchContains);
    categoryCompleter->setCompletionMode(QCompleter::PopupCompletion);
    m_categoryCombo->setCompleter(categoryCompleter);
    m_categoryCombo->setCurrentIndex(0);

    m_memoEdit = new QLineEdit(this);
    m_memoEdit->setObjectName(u"memoEdit"_s);
    m_memoEdit->setPlaceholderText(tr("Optional"));

    m_checkNumberEdit = new QLineEdit(this);
    m_checkNumberEdit->setObjectName(u"checkNumberEdit"_s);
    m_checkNumberEdit->setPlaceholderText(tr("Optional"));

    m_clearedCheck = new QCheckBox(tr("Cleared"), this);
    m_clearedCheck->setObjectName(u"clearedCheck"_s);

    auto *form = new QFormLayout;
    form->addRow(tr("Type:"), typeRow);
    form->addRow(tr("Date:"), m_dateField);
    form->addRow(tr("Payee:"), m_payeeEdit);
    form->addRow(tr("Amount:"), m_amountField);
    form->addRow(tr("Category:"), m_categoryCombo);
    form->addRow(tr("Memo:"), m_memoEdit);
    form->addRow(tr("Check #:"), m_checkNumberEdit);
    form->addRow(QString(), m_clearedCheck);

    m_errorLabel = new QLabel(this);
    m_errorLabel->setObjectName(u"errorLabel"_s);
    m_errorLabel->setStyleSheet(u"color: %1;"_s.arg(negativeAmountColor().name()));
    m_errorLabel->setWordWrap(true);
    m_errorLabel->hide();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_errorLabel);
    layout->addWidget(buttons);
}

void TransactionFormDialog::accept()
{
    // The form refuses what the register refuses: no blank or zero rows.
    auto refuse = [this](QWidget *field, const QString &text) {
        m_errorLabel->setText(text);
        m_errorLabel->show();
        field->setFocus(Qt::OtherFocusReason);
    };
    if (!DateInput::fromText(m_dateField->text()).isValid())
        return refuse(m_dateField, tr("\"%1\" is not a valid date").arg(m_dateField->text().trimmed()));
    if (m_payeeEdit->text().trimmed().isEmpty())
        return refuse(m_payeeEdit, tr("Payee is required"));
    if (m_amountField->amount() == 0)
        return refuse(m_amountField, tr("Enter an amount"));
    const QString category = m_categoryCombo->currentText().trimmed();
    if (!category.isEmpty() && m_categoryCombo->findText(category, Qt::MatchFixedString) < 0)
        return refuse(m_categoryCombo, tr("No category matches \"%1\"").arg(category));
    QDialog::accept();
}

void TransactionFormDialog::selectCategory(const QString &categoryId)
{
    const int index = m_categoryCombo->findData(categoryId);
    if (index >= 0)
        m_categoryCombo->setCurrentIndex(index);
}

void TransactionFormDialog::showAmount(qint64 amount)
{
    m_amountField->setAmount(amount < 0 ? -amount : amount);
    if (amount < 0)
        m_paymentRadio->setChecked(true);
    else
        m_depositRadio->setChecked(true);
}

void TransactionFormDialog::onPayeeSelected(const QString &payee)
{
    const auto last = m_state->transactionRepository()->findLastByPayee(payee, m_accountId);
    if (!last)
        return;
    showAmount(last->amount);
    m_memoEdit->setText(last->memo);
    if (!last->category_id.isEmpty())
        selectCategory(last->category_id);
}

Transaction TransactionFormDialog::transaction() const
{
    Transaction result = m_transaction;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!m_editing)
        result.created_at = now;
    result.date = m_dateField->date();
    result.payee = m_payeeEdit->text().trimmed();
    const qint64 amount = m_amountField->amount();
    result.amount = m_paymentRadio->isChecked() ? -amount : amount;
    const int category = m_categoryCombo->findText(m_categoryCombo->currentText().trimmed(), Qt::MatchFixedString);
    result.category_id = category >= 0 ? m_categoryCombo->itemData(category).toString() : QString();
    result.memo = m_memoEdit->text().trimmed();
    result.check_number = m_checkNumberEdit->text().trimmed();
    result.cleared = m_clearedCheck->isChecked();
    result.updated_at = now;
    result.sync_status = SyncStatus::Pending;
    lastEnteredDate() = result.date;
    return result;
}
