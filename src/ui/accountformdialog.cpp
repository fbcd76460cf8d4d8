#include "accountformdialog.h"

#include "dateinput.h"

#include "amountfieldformat.h"
#include "app/appconfig.h"
#include "smartamountfield.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>
#include <QUuid>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

struct Choice
{
    const char *text;
    const char16_t *code;
};

constexpr Choice kAccountTypes[] = {
    {QT_TRANSLATE_NOOP("AccountFormDialog", "Checking"), u"checking"},
    {QT_TRANSLATE_NOOP("AccountFormDialog", "Savings"), u"savings"},
    {QT_TRANSLATE_NOOP("AccountFormDialog", "Credit Card"), u"credit_card"},
    {QT_TRANSLATE_NOOP("AccountFormDialog", "Cash"), u"cash"},
    {QT_TRANSLATE_NOOP("AccountFormDialog", "Investment"), u"investment"},
    {QT_TRANSLATE_NOOP("AccountFormDialog", "Other"), u"other"},
};

constexpr Choice kCurrencies[] = {
    {QT_TRANSLATE_NOOP("AccountFormDialog", "USD ($)"), u"USD"},
    {QT_TRANSLATE_NOOP("AccountFormDialog", "EUR (€)"), u"EUR"},
    {QT_TRANSLATE_NOOP("AccountFormDialog", "GBP (£)"), u"GBP"},
    {QT_TRANSLATE_NOOP("AccountFormDialog", "CAD ($)"), u"CAD"},
    {QT_TRANSLATE_NOOP("AccountFormDialog", "AUD ($)"), u"AUD"},
    {QT_TRANSLATE_NOOP("AccountFormDialog", "JPY (¥)"), u"JPY"},
};

void selectCode(QComboBox *combo, const QString &code)
{
    const int index = combo->findData(code);
    if (index >= 0)
        combo->setCurrentIndex(index);
}

} // namespace

AccountFormDialog::AccountFormDialog(QWidget *parent)
    : QDialog(parent)
{
    m_account.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    setWindowTitle(tr("New Account"));
    setupUi();
}

AccountFormDialog::AccountFormDialog(const Account &account, QWidget *parent)
    : QDialog(parent)
    , m_account(account)
    , m_editing(true)
{
    setWindowTitle(tr("Edit Account"));
    setupUi();

    m_nameEdit->setText(account.name);
    selectCode(m_typeCombo, accountTypeToString(account.account_type));
    // The currency first: it decides how many decimals the balance has.
    selectCode(m_currencyCombo, currencyToString(account.currency));
    m_startingBalanceSpin->setAmount(account.starting_balance);
    m_institutionEdit->setText(account.institution);
    m_accountNumberEdit->setText(account.account_number_last4);
}

void AccountFormDialog::setupUi()
{
    setMinimumWidth(400);

    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(u"nameEdit"_s);
    m_nameEdit->setPlaceholderText(tr("Account name"));

    m_typeCombo = new QComboBox(this);
    m_typeCombo->setObjectName(u"typeCombo"_s);
    for (const Choice &choice : kAccountTypes)
        m_typeCombo->addItem(tr(choice.text), QString::fromUtf16(choice.code));

    m_currencyCombo = new QComboBox(this);
    m_currencyCombo->setObjectName(u"currencyCombo"_s);
    for (const Choice &choice : kCurrencies)
        m_currencyCombo->addItem(tr(choice.text), QString::fromUtf16(choice.code));

    m_startingBalanceSpin = new SmartAmountField(this);
    m_startingBalanceSpin->setObjectName(u"startingBalanceSpin"_s);
    setAmountFieldCurrency(m_startingBalanceSpin, selectedCurrency(), true);
    m_startingBalanceSpin->setValue(0.0);

    m_asOfDateEdit = new QDateEdit(QDate::currentDate(), this);
    m_asOfDateEdit->setObjectName(u"asOfDateEdit"_s);
    // One date form across the program: the register's.
    m_asOfDateEdit->setDisplayFormat(DateInput::displayFormat());
    m_asOfDateEdit->setCalendarPopup(true);
    m_asOfDateEdit->calendarWidget()->setFirstDayOfWeek(static_cast<Qt::DayOfWeek>(weekStartDay()));

    m_institutionEdit = new QLineEdit(this);
    m_institutionEdit->setObjectName(u"institutionEdit"_s);
    m_institutionEdit->setPlaceholderText(tr("Bank name (optional)"));

    m_accountNumberEdit = new QLineEdit(this);
    m_accountNumberEdit->setObjectName(u"accountNumberEdit"_s);
    m_accountNumberEdit->setMaxLength(4);
    m_accountNumberEdit->setPlaceholderText(tr("Last 4 digits (optional)"));

    auto *form = new QFormLayout;
    form->addRow(tr("&Name:"), m_nameEdit);
    form->addRow(tr("&Type:"), m_typeCombo);
    form->addRow(tr("&Currency:"), m_currencyCombo);
    form->addRow(tr("Starting &Balance:"), m_startingBalanceSpin);
    form->addRow(tr("&As of:"), m_asOfDateEdit);
    form->addRow(tr("&Institution:"), m_institutionEdit);
    form->addRow(tr("Account &Number:"), m_accountNumberEdit);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(m_currencyCombo, &QComboBox::currentIndexChanged, this, &AccountFormDialog::onCurrencyChanged);
}

Currency AccountFormDialog::selectedCurrency() const
{
    return currencyFromString(m_currencyCombo->currentData().toString());
}

void AccountFormDialog::onCurrencyChanged()
{
    // The typed number stays; only its decimals and symbol follow the currency.
    setAmountFieldCurrency(m_startingBalanceSpin, selectedCurrency(), true);
}

Account AccountFormDialog::account() const
{
    Account result = m_account;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!m_editing)
        result.created_at = now;
    result.name = m_nameEdit->text().trimmed();
    result.account_type = accountTypeFromString(m_typeCombo->currentData().toString());
    result.currency = selectedCurrency();
    result.starting_balance = m_startingBalanceSpin->amount();
    result.institution = m_institutionEdit->text().trimmed();
    result.account_number_last4 = m_accountNumberEdit->text().trimmed();
    result.updated_at = now;
    result.sync_status = SyncStatus::Pending;
    return result;
}

QDate AccountFormDialog::asOfDate() const
{
    return m_asOfDateEdit->date();
}
