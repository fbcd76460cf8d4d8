#include "recurringformdialog.h"

#include "ui/dateinput.h"

#include "app/appconfig.h"
#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/transactionrepository.h"
#include "ui/amountfieldformat.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QUuid>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int kCurrencyRole = Qt::UserRole + 1;

struct FrequencyItem
{
    Frequency frequency;
    const char *label;
};

const FrequencyItem kFrequencies[] = {
    {Frequency::Daily, QT_TRANSLATE_NOOP("RecurringFormDialog", "Daily")},
    {Frequency::Weekly, QT_TRANSLATE_NOOP("RecurringFormDialog", "Weekly")},
    {Frequency::Biweekly, QT_TRANSLATE_NOOP("RecurringFormDialog", "Bi-weekly")},
    {Frequency::Monthly, QT_TRANSLATE_NOOP("RecurringFormDialog", "Monthly")},
    {Frequency::Quarterly, QT_TRANSLATE_NOOP("RecurringFormDialog", "Quarterly")},
    {Frequency::SemiAnnual, QT_TRANSLATE_NOOP("RecurringFormDialog", "Semi-annual")},
    {Frequency::Annual, QT_TRANSLATE_NOOP("RecurringFormDialog", "Annual")},
};


const QDate kEarliestDate(2000, 1, 1);

bool isBroken(const QDate &date)
{
    return !date.isValid() || date < kEarliestDate;
}

QDateEdit *makeDateEdit(const QString &objectName, QWidget *parent)
{
    auto *edit = new QDateEdit(parent);
    edit->setObjectName(objectName);
    // The register's form; a two-digit year is how pre-2000 dates slip in.
    edit->setDisplayFormat(DateInput::displayFormat());
    edit->setCalendarPopup(true);
    edit->calendarWidget()->setFirstDayOfWeek(static_cast<Qt::DayOfWeek>(weekStartDay()));
    edit->calendarWidget()->setGridVisible(true);
    edit->setDate(QDate::currentDate());
    return edit;
}

} // namespace

RecurringFormDialog::RecurringFormDialog(AppState *state, QWidget *parent)
    : RecurringFormDialog(state, RecurringTransaction(), Mode::New, parent)
{
}

RecurringFormDialog::RecurringFormDialog(AppState *state, const RecurringTransaction &entry, Mode mode,
                                         QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_mode(mode)
    , m_original(entry)
    // Fixed for the dialog's life, so asking twice gives the same new record.
    , m_newId(QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    switch (mode) {
    case Mode::New:
        setWindowTitle(tr("New Recurring Transaction"));
        break;
    case Mode::Edit:
        setWindowTitle(tr("Edit Recurring Transaction"));
        break;
    case Mode::Memorize:
        setWindowTitle(tr("Memorize Transaction"));
        break;
    }
    buildForm();
    if (mode == Mode::New) {
        fillAccounts(m_state->currentAccountId());
    } else {
        fillAccounts(entry.account_id);
        fillFrom(entry);
    }
    updateEndDateEnabled();
    updateOkEnabled();
}

void RecurringFormDialog::buildForm()
{
    setMinimumWidth(440);

    m_account = new QComboBox(this);
    m_account->setObjectName(u"accountCombo"_s);

    m_type = new QComboBox(this);
    m_type->setObjectName(u"typeCombo"_s);
    m_type->addItem(tr("Payment"));
    m_type->addItem(tr("Deposit"));

    m_payee = new QLineEdit(this);
    m_payee->setObjectName(u"payeeEdit"_s);
    m_payee->setPlaceholderText(tr("Start typing to search payees..."));
    auto *completer = new QCompleter(m_state->transactionRepository()->distinctPayees(), m_payee);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setMaxVisibleItems(10);
    m_payee->setCompleter(completer);

    m_amount = new QDoubleSpinBox(this);
    m_amount->setObjectName(u"amountField"_s);
    m_amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAmountFieldCurrency(m_amount, m_currency, false);

    m_category = new QComboBox(this);
    m_category->setObjectName(u"categoryCombo"_s);
    m_category->setMaxVisibleItems(15);
    fillCategories();

    m_memo = new QLineEdit(this);
    m_memo->setObjectName(u"memoEdit"_s);
    m_memo->setPlaceholderText(tr("Optional"));

    m_frequency = new QComboBox(this);
    m_frequency->setObjectName(u"frequencyCombo"_s);
    for (const FrequencyItem &item : kFrequencies)
        m_frequency->addItem(tr(item.label), frequencyToString(item.frequency));
    m_frequency->setCurrentIndex(m_frequency->findData(frequencyToString(Frequency::Monthly)));

    m_startDate = makeDateEdit(u"startDateEdit"_s, this);
    m_hasEndDate = new QCheckBox(tr("Has end date"), this);
    m_hasEndDate->setObjectName(u"hasEndDateCheck"_s);
    m_endDate = makeDateEdit(u"endDateEdit"_s, this);
    m_endDate->setMinimumDate(m_startDate->date());
    m_endDate->setDate(m_startDate->date().addYears(1));

    m_autoPost = new QCheckBox(tr("Auto-post when due"), this);
    m_autoPost->setObjectName(u"autoPostCheck"_s);
    m_active = new QCheckBox(tr("Active"), this);
    m_active->setObjectName(u"activeCheck"_s);
    m_active->setChecked(true);

    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(tr("Account:"), m_account);
    form->addRow(tr("Type:"), m_type);
    form->addRow(tr("Payee:"), m_payee);
    form->addRow(tr("Amount:"), m_amount);
    form->addRow(tr("Category:"), m_category);
    form->addRow(tr("Memo:"), m_memo);
    form->addRow(tr("Frequency:"), m_frequency);
    form->addRow(tr("Start Date:"), m_startDate);
    form->addRow(QString(), m_hasEndDate);
    form->addRow(tr("End Date:"), m_endDate);
    form->addRow(QString(), m_autoPost);
    form->addRow(QString(), m_active);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(6);
    layout->addWidget(m_buttons);

    connect(m_account, &QComboBox::currentIndexChanged, this, [this] { onAccountChanged(); });
    connect(m_startDate, &QDateEdit::dateChanged, this, [this] { onStartDateChanged(); });
    connect(m_hasEndDate, &QCheckBox::toggled, this, [this] { updateEndDateEnabled(); });
}

void RecurringFormDialog::fillAccounts(const QString &preferredId)
{
    const QSignalBlocker blocker(m_account);
    m_account->clear();
    const auto addAccount = [this](const Account &account) {
        m_account->addItem(account.name, account.id);
        m_account->setItemData(m_account->count() - 1, static_cast<int>(account.currency), kCurrencyRole);
    };
    // The repository never moves an entry to another account, and a transfer's
    // two legs are tied to the account it was made in: such an entry is offered
    // its own account only (a readable choice of one rather than a greyed box).
    const bool fixedAccount = m_mode == Mode::Edit
                              || (m_mode == Mode::Memorize && !m_original.transfer_dest_account_id.isEmpty());
    if (fixedAccount) {
        // findById also finds an account that no longer lists, so the entry still shows where it belongs.
        if (const auto account = m_state->accountRepository()->findById(preferredId))
            addAccount(*account);
    } else {
        for (const Account &account : m_state->accountRepository()->findAll())
            addAccount(account);
    }
    const int index = indexOfData(m_account, preferredId);
    m_account->setCurrentIndex(index >= 0 ? index : 0);
    onAccountChanged();
}

void RecurringFormDialog::fillCategories()
{
    const QList<Category> categories = m_state->categoryRepository()->findAll();
    QHash<QString, QString> names;
    for (const Category &c : categories)
        names.insert(c.id, c.name);

    QList<QPair<QString, QString>> items;
    const auto display = [&names](const Category &c) {
        const QString parent = c.parent_id.isEmpty() ? QString() : names.value(c.parent_id);
        return parent.isEmpty() ? c.name : tr("%1 > %2").arg(parent, c.name);
    };
    for (const Category &c : categories)
        items.append({display(c), c.id});
    // A deleted category stays on the entry that still refers to it.
    if (!m_original.category_id.isEmpty() && !names.contains(m_original.category_id)) {
        if (const auto c = m_state->categoryRepository()->findById(m_original.category_id))
            items.append({display(*c), c->id});
    }
    std::sort(items.begin(), items.end(), [](const auto &a, const auto &b) {
        return QString::compare(a.first, b.first, Qt::CaseInsensitive) < 0;
    });

    m_category->addItem(tr("(none)"), QString());
    for (const auto &[text, id] : items)
        m_category->addItem(text, id);
}

void RecurringFormDialog::fillFrom(const RecurringTransaction &entry)
{
    m_type->setCurrentIndex(entry.amount < 0 ? 0 : 1);
    m_payee->setText(entry.payee);
    setFieldAmount(m_amount, entry.amount < 0 ? -entry.amount : entry.amount, m_currency);
    const int category = indexOfData(m_category, entry.category_id);
    m_category->setCurrentIndex(entry.category_id.isEmpty() || category < 0 ? 0 : category);
    m_memo->setText(entry.memo);
    m_frequency->setCurrentIndex(std::max(0, m_frequency->findData(frequencyToString(entry.frequency))));
    // A date the field cannot show leaves today there; recurring() then restarts the schedule.
    if (entry.start_date.isValid())
        m_startDate->setDate(entry.start_date);
    m_hasEndDate->setChecked(entry.end_date.has_value());
    if (entry.end_date && entry.end_date->isValid())
        m_endDate->setDate(*entry.end_date);
    m_autoPost->setChecked(entry.auto_post);
    m_active->setChecked(entry.is_active);
}

void RecurringFormDialog::onAccountChanged()
{
    const QVariant currency = m_account->currentData(kCurrencyRole);
    const Currency next = currency.isValid() ? static_cast<Currency>(currency.toInt()) : Currency::USD;
    if (next != m_currency) {
        // The number typed so far stays; a yen field drops its decimals.
        const double shown = m_amount->value();
        m_currency = next;
        setAmountFieldCurrency(m_amount, m_currency, false);
        m_amount->setValue(shown);
    }
    updateOkEnabled();
}

void RecurringFormDialog::onStartDateChanged()
{
    // An end before the start would still let one occurrence post past it.
    m_endDate->setMinimumDate(m_startDate->date());
}

void RecurringFormDialog::updateEndDateEnabled()
{
    m_endDate->setEnabled(m_hasEndDate->isChecked());
}

void RecurringFormDialog::updateOkEnabled()
{
    // Without an account the entry cannot be stored.
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!m_account->currentData().toString().isEmpty());
}

int RecurringFormDialog::indexOfData(const QComboBox *combo, const QString &data) const
{
    if (data.isEmpty())
        return -1;
    return combo->findData(data);
}

RecurringTransaction RecurringFormDialog::recurring() const
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    RecurringTransaction r = m_mode == Mode::New ? RecurringTransaction() : m_original;
    if (m_mode != Mode::Edit) {
        r.id = m_newId;
        r.created_at = now;
    }

    if (m_mode != Mode::Edit || r.account_id.isEmpty())
        r.account_id = m_account->currentData().toString();
    r.payee = m_payee->text().trimmed();
    r.category_id = m_category->currentData().toString();
    r.memo = m_memo->text().trimmed();
    r.frequency = frequencyFromString(m_frequency->currentData().toString());

    m_amount->interpretText();
    const qint64 amount = amountFromField(m_amount, m_currency);
    r.amount = m_type->currentIndex() == 0 ? -amount : amount;

    if (m_hasEndDate->isChecked())
        r.end_date = m_endDate->date();
    else
        r.end_date.reset();

    const QDate fieldDate = m_startDate->date();
    if (m_mode == Mode::Edit && fieldDate == m_original.start_date) {
        r.start_date = m_original.start_date;
        r.next_due_date = m_original.next_due_date;
    } else {
        r.start_date = fieldDate;
        r.next_due_date = fieldDate;
    }
    qInfo().noquote() << "RecurringFormDialog::recurring() — m_editMode=" << (m_mode == Mode::Edit)
                      << "isCreateFromSeed=" << (m_mode == Mode::Memorize)
                      << "widget.date=" << fieldDate.toString(Qt::ISODate)
                      << "m_original.startDate=" << m_original.start_date.toString(Qt::ISODate)
                      << "m_original.nextDueDate=" << m_original.next_due_date.toString(Qt::ISODate);

    if (isBroken(r.start_date)) {
        qWarning().noquote() << "RecurringFormDialog: rejecting invalid startDate"
                             << r.start_date.toString(Qt::ISODate) << "— falling back to today";
        r.start_date = QDate::currentDate();
    }
    if (isBroken(r.next_due_date)) {
        qWarning().noquote() << "RecurringFormDialog: rejecting invalid nextDueDate"
                             << r.next_due_date.toString(Qt::ISODate) << "— falling back to startDate"
                             << r.start_date.toString(Qt::ISODate);
        r.next_due_date = r.start_date;
    }

    r.auto_post = m_autoPost->isChecked();
    r.is_active = m_active->isChecked();
    r.sync_status = SyncStatus::Pending;
    r.updated_at = now;
    if (m_mode == Mode::Edit)
        r.version = m_original.version + 1;
    return r;
}

QString RecurringFormDialog::frequencyLabel(Frequency frequency)
{
    for (const FrequencyItem &item : kFrequencies) {
        if (item.frequency == frequency)
            return tr(item.label);
    }
    return QString();
}
