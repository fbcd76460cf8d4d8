#include "testsupport.h"

#include "app/appconfig.h"
#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/transactionrepository.h"
#include "ui/accountformdialog.h"
#include "ui/datefield.h"
#include "ui/smartamountfield.h"
#include "ui/transactionformdialog.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QUuid>

namespace {

// A fresh data directory with an initialised AppState: two accounts, one in
// dollars and one in yen, and a small category tree of our own.
class Fixture
{
public:
    Fixture()
        : m_savedDataDir(qgetenv("PENWICK_DATA_DIR"))
    {
        qputenv("PENWICK_DATA_DIR", m_dir.path().toUtf8());
        m_ready = state.initialize();
        if (!m_ready)
            return;
        dollars = addAccount(u"Everyday Checking"_s, Currency::USD);
        yen = addAccount(u"Yen Wallet"_s, Currency::JPY);
        club = addCategory(u"Zephyr Club"_s);
        dues = addCategory(u"Zephyr Dues"_s, club.id);
        const Category gone = addCategory(u"Gone Parent"_s);
        orphan = addCategory(u"Orphan Fees"_s, gone.id);
        state.categoryRepository()->softDelete(gone.id);
    }
    ~Fixture() { qputenv("PENWICK_DATA_DIR", m_savedDataDir); }
    Q_DISABLE_COPY_MOVE(Fixture)

    bool isReady() const { return m_ready; }

    Account addAccount(const QString &name, Currency currency)
    {
        Account a;
        a.id = newId();
        a.name = name;
        a.currency = currency;
        a.created_at = a.updated_at = QDateTime::currentDateTimeUtc();
        state.accountRepository()->insert(a);
        return a;
    }

    Category addCategory(const QString &name, const QString &parentId = QString())
    {
        Category c;
        c.id = newId();
        c.name = name;
        c.parent_id = parentId;
        c.created_at = c.updated_at = QDateTime::currentDateTimeUtc();
        state.categoryRepository()->insert(c);
        return c;
    }

    Transaction addTransaction(const Account &account, const QDate &date, const QString &payee, qint64 amount,
                               const QString &memo = QString(), const QString &categoryId = QString())
    {
        Transaction t;
        t.id = newId();
        t.account_id = account.id;
        t.date = date;
        t.payee = payee;
        t.amount = amount;
        t.memo = memo;
        t.category_id = categoryId;
        t.created_at = t.updated_at = QDateTime::currentDateTimeUtc();
        state.transactionRepository()->insert(t);
        return t;
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_savedDataDir;
    bool m_ready = false;

public:
    AppState state;
    Account dollars;
    Account yen;
    Category club;
    Category dues;
    Category orphan;
};

template<typename T>
T *child(QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qWarning("no child named %s", name);
    return found;
}

// Replaces the text of a line edit or spin box as a person would: select all, type.
void retype(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

void retype(QAbstractSpinBox *box, const QString &text)
{
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
}

// Walks a closed combo box with the arrow keys until it shows the text.
bool chooseItem(QComboBox *combo, const QString &text)
{
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < combo->count() && combo->currentText() != text; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    return combo->currentText() == text;
}

// Types into a line edit with a completer and takes `item` from the popup with
// the arrow keys and Return.
bool pickCompletion(QLineEdit *edit, const QString &typed, const QString &item)
{
    edit->setFocus();
    retype(edit, typed);
    QAbstractItemView *popup = edit->completer()->popup();
    if (!QTest::qWaitFor([popup] { return popup->isVisible(); }))
        return false;
    for (int i = 0; i < popup->model()->rowCount(); ++i) {
        QTest::keyClick(popup, Qt::Key_Down);
        if (popup->currentIndex().data().toString() == item) {
            QTest::keyClick(popup, Qt::Key_Return);
            return !popup->isVisible();
        }
    }
    return false;
}

void clickButton(QDialog &dialog, QDialogButtonBox::StandardButton which)
{
    QPushButton *button = dialog.findChild<QDialogButtonBox *>()->button(which);
    QTest::mouseClick(button, Qt::LeftButton);
}

bool isFreshId(const QString &id)
{
    const QUuid uuid = QUuid::fromString(id);
    return id.size() == 36 && id == id.toLower() && !uuid.isNull() && uuid.version() == QUuid::Random;
}

bool isNowUtc(const QDateTime &stamp, const QDateTime &before)
{
    return stamp.timeSpec() == Qt::UTC && stamp >= before.addSecs(-1)
           && stamp <= QDateTime::currentDateTimeUtc().addSecs(1);
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT
private slots:
    void newAccountFromTypedFields_data();
    void newAccountFromTypedFields();
    void editAccountKeepsWhatItDoesNotShow_data();
    void editAccountKeepsWhatItDoesNotShow();
    void balanceFieldFollowsCurrencyChoice();
    void asOfCalendarStartsOnWeekStartDay_data();
    void asOfCalendarStartsOnWeekStartDay();

    void newTransactionFromTypedFields_data();
    void newTransactionFromTypedFields();
    void categoryItemsNameTheirParents();
    void editTransactionKeepsHiddenFields_data();
    void editTransactionKeepsHiddenFields();
    void nextNewFormStartsOnLastDate();
    void payeeCompletionListIsAlphabetical();
    void payeeChoiceFillsFromLastTransaction_data();
    void payeeChoiceFillsFromLastTransaction();
    void cancelRejects_data();
    void cancelRejects();

};

void TestDialogs::newAccountFromTypedFields_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("balanceKeys");
    QTest::addColumn<QString>("institution");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<int>("expectedType");
    QTest::addColumn<int>("expectedCurrency");
    QTest::addColumn<qint64>("expectedBalance");
    QTest::addColumn<QString>("expectedBalanceText");
    QTest::addColumn<QString>("expectedLast4");

    QTest::newRow("checking in dollars") << u"  House Checking "_s << u"Checking"_s << u"USD ($)"_s << u"1234.56"_s
                                         << u" First Bank "_s << u"12345"_s << u"House Checking"_s
                                         << int(AccountType::Checking) << int(Currency::USD) << qint64(123456)
                                         << u"$ 1,234.56"_s << u"1234"_s;
    QTest::newRow("credit card owing") << u"Visa"_s << u"Credit Card"_s << u"CAD ($)"_s << u"-250.5"_s << QString()
                                       << QString() << u"Visa"_s << int(AccountType::CreditCard)
                                       << int(Currency::CAD) << qint64(-25050) << u"$ -250.50"_s << QString();
    QTest::newRow("one euro cent") << u"Sparkonto"_s << u"Savings"_s << u"EUR (€)"_s << u"0.01"_s << QString()
                                   << u"0042"_s << u"Sparkonto"_s << int(AccountType::Savings) << int(Currency::EUR)
                                   << qint64(1) << u"€ 0.01"_s << u"0042"_s;
    QTest::newRow("whole yen") << u"Tokyo"_s << u"Cash"_s << u"JPY (¥)"_s << u"1500"_s << QString() << QString()
                               << u"Tokyo"_s << int(AccountType::Cash) << int(Currency::JPY) << qint64(1500)
                               << u"¥ 1,500"_s << QString();
    QTest::newRow("largest dollars") << u"Brokerage"_s << u"Investment"_s << u"AUD ($)"_s << u"99999999.99"_s
                                     << QString() << QString() << u"Brokerage"_s << int(AccountType::Investment)
                                     << int(Currency::AUD) << qint64(9999999999) << u"$ 99,999,999.99"_s << QString();
    QTest::newRow("largest yen") << u"Big Yen"_s << u"Other"_s << u"JPY (¥)"_s << u"99999999"_s << QString()
                                 << QString() << u"Big Yen"_s << int(AccountType::Other) << int(Currency::JPY)
                                 << qint64(99999999) << u"¥ 99,999,999"_s << QString();
    QTest::newRow("empty name is returned") << u"   "_s << u"Other"_s << u"GBP (£)"_s << QString() << QString()
                                            << QString() << QString() << int(AccountType::Other)
                                            << int(Currency::GBP) << qint64(0) << u"£ 0.00"_s << QString();
}

void TestDialogs::newAccountFromTypedFields()
{
    QFETCH(QString, name);
    QFETCH(QString, type);
    QFETCH(QString, currency);
    QFETCH(QString, balanceKeys);
    QFETCH(QString, institution);
    QFETCH(QString, number);
    QFETCH(QString, expectedName);
    QFETCH(int, expectedType);
    QFETCH(int, expectedCurrency);
    QFETCH(qint64, expectedBalance);
    QFETCH(QString, expectedBalanceText);
    QFETCH(QString, expectedLast4);

    const QDateTime before = QDateTime::currentDateTimeUtc();
    AccountFormDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), u"New Account"_s);
    QVERIFY(!dialog.isEditing());

    retype(child<QLineEdit>(&dialog, "nameEdit"), name);
    QVERIFY(chooseItem(child<QComboBox>(&dialog, "typeCombo"), type));
    QVERIFY(chooseItem(child<QComboBox>(&dialog, "currencyCombo"), currency));
    auto *balance = child<SmartAmountField>(&dialog, "startingBalanceSpin");
    if (!balanceKeys.isEmpty())
        retype(balance, balanceKeys);
    retype(child<QLineEdit>(&dialog, "institutionEdit"), institution);
    retype(child<QLineEdit>(&dialog, "accountNumberEdit"), number);

    // Return in the last field confirms the typed number and accepts: no validation.
    balance->setFocus();
    QTest::keyClick(balance, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(balance->text(), expectedBalanceText);

    const Account a = dialog.account();
    QVERIFY2(isFreshId(a.id), qPrintable(a.id));
    QCOMPARE(a.name, expectedName);
    QCOMPARE(int(a.account_type), expectedType);
    QCOMPARE(int(a.currency), expectedCurrency);
    QCOMPARE(a.starting_balance, expectedBalance);
    QCOMPARE(a.institution, institution.trimmed());
    QCOMPARE(a.account_number_last4, expectedLast4);
    QCOMPARE(a.sync_status, SyncStatus::Pending);
    QCOMPARE(a.version, 1);
    QVERIFY(isNowUtc(a.created_at, before));
    QVERIFY(isNowUtc(a.updated_at, before));
    QCOMPARE(dialog.asOfDate(), QDate::currentDate());
    // Reading twice describes the same new account.
    QCOMPARE(dialog.account().id, a.id);
}

void TestDialogs::editAccountKeepsWhatItDoesNotShow_data()
{
    QTest::addColumn<int>("currency");
    QTest::addColumn<qint64>("balance");
    QTest::addColumn<QString>("shown");

    QTest::newRow("dollars") << int(Currency::USD) << qint64(123456) << u"$ 1,234.56"_s;
    QTest::newRow("negative euro cents") << int(Currency::EUR) << qint64(-5) << u"€ -0.05"_s;
    QTest::newRow("yen") << int(Currency::JPY) << qint64(250000) << u"¥ 250,000"_s;
    QTest::newRow("negative yen") << int(Currency::JPY) << qint64(-1500) << u"¥ -1,500"_s;
}

void TestDialogs::editAccountKeepsWhatItDoesNotShow()
{
    QFETCH(int, currency);
    QFETCH(qint64, balance);
    QFETCH(QString, shown);

    Account original;
    original.id = u"acc-edit-1"_s;
    original.name = u"Savings Jar"_s;
    original.account_type = AccountType::Savings;
    original.currency = Currency(currency);
    original.institution = u"Harbor Credit Union"_s;
    original.account_number_last4 = u"9876"_s;
    original.starting_balance = balance;
    original.sort_order = 3;
    original.is_shared = true;
    original.version = 4;
    original.sync_status = SyncStatus::Synced;
    original.server_id = u"srv-9"_s;
    original.created_at = QDateTime(QDate(2021, 5, 6), QTime(7, 8, 9), Qt::UTC);
    original.updated_at = original.created_at;

    const QDateTime before = QDateTime::currentDateTimeUtc();
    AccountFormDialog dialog(original);
    QCOMPARE(dialog.windowTitle(), u"Edit Account"_s);
    QVERIFY(dialog.isEditing());
    QCOMPARE(child<QLineEdit>(&dialog, "nameEdit")->text(), original.name);
    QCOMPARE(child<QComboBox>(&dialog, "typeCombo")->currentText(), u"Savings"_s);
    QCOMPARE(child<QComboBox>(&dialog, "currencyCombo")->currentData().toString(), currencyToString(original.currency));
    QCOMPARE(child<SmartAmountField>(&dialog, "startingBalanceSpin")->text(), shown);
    QCOMPARE(child<QLineEdit>(&dialog, "institutionEdit")->text(), original.institution);
    QCOMPARE(child<QLineEdit>(&dialog, "accountNumberEdit")->text(), original.account_number_last4);
    QCOMPARE(dialog.asOfDate(), QDate::currentDate());

    retype(child<QLineEdit>(&dialog, "nameEdit"), u"Rainy Day"_s);
    const Account a = dialog.account();
    QCOMPARE(a.name, u"Rainy Day"_s);
    QCOMPARE(a.starting_balance, balance);
    QCOMPARE(a.currency, original.currency);
    QCOMPARE(a.account_type, original.account_type);
    QCOMPARE(a.id, original.id);
    QCOMPARE(a.created_at, original.created_at);
    QCOMPARE(a.sort_order, 3);
    QVERIFY(a.is_shared);
    QCOMPARE(a.version, 4);
    QCOMPARE(a.server_id, original.server_id);
    QCOMPARE(a.sync_status, SyncStatus::Pending);
    QVERIFY(isNowUtc(a.updated_at, before));
}

void TestDialogs::balanceFieldFollowsCurrencyChoice()
{
    AccountFormDialog dialog;
    auto *balance = child<SmartAmountField>(&dialog, "startingBalanceSpin");
    auto *currency = child<QComboBox>(&dialog, "currencyCombo");
    retype(balance, u"1234.56"_s);
    QCOMPARE(dialog.account().starting_balance, qint64(123456));

    // The number typed stays; only its precision follows the currency.
    QVERIFY(chooseItem(currency, u"JPY (¥)"_s));
    QCOMPARE(balance->text(), u"¥ 1,235"_s);
    QCOMPARE(dialog.account().starting_balance, qint64(1235));
    QCOMPARE(dialog.account().currency, Currency::JPY);

    retype(balance, u"2000"_s);
    QCOMPARE(dialog.account().starting_balance, qint64(2000));

    QVERIFY(chooseItem(currency, u"GBP (£)"_s));
    QCOMPARE(balance->text(), u"£ 2,000.00"_s);
    QCOMPARE(dialog.account().starting_balance, qint64(200000));
}

void TestDialogs::asOfCalendarStartsOnWeekStartDay_data()
{
    QTest::addColumn<int>("weekStart");
    QTest::newRow("monday") << 1;
    QTest::newRow("saturday") << 6;
    QTest::newRow("sunday") << 7;
}

void TestDialogs::asOfCalendarStartsOnWeekStartDay()
{
    QFETCH(int, weekStart);
    const int saved = weekStartDay();
    weekStartDay() = weekStart;
    AccountFormDialog dialog;
    weekStartDay() = saved;

    auto *asOf = child<QDateEdit>(&dialog, "asOfDateEdit");
    QVERIFY(asOf->calendarPopup());
    QCOMPARE(int(asOf->calendarWidget()->firstDayOfWeek()), weekStart);
    QCOMPARE(asOf->date(), QDate::currentDate());
}

void TestDialogs::newTransactionFromTypedFields_data()
{
    QTest::addColumn<bool>("yenAccount");
    QTest::addColumn<bool>("deposit");
    QTest::addColumn<QString>("amountKeys");
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("checkNumber");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<QString>("categoryTyped");
    QTest::addColumn<QString>("categoryItem");
    QTest::addColumn<qint64>("expectedAmount");
    QTest::addColumn<QString>("expectedAmountText");

    QTest::newRow("payment") << false << false << u"42.5"_s << u"  Gas Co  "_s << u" fill-up "_s << u" 1001 "_s
                             << true << u"dues"_s << u"Zephyr Club > Zephyr Dues"_s << qint64(-4250)
                             << u"$ 42.50"_s;
    QTest::newRow("deposit") << false << true << u"1234.56"_s << u"Employer"_s << QString() << QString() << false
                             << u"ZEPHYR C"_s << u"Zephyr Club"_s << qint64(123456) << u"$ 1,234.56"_s;
    QTest::newRow("cents jump") << false << false << u"7.05"_s << u"Parking"_s << QString() << QString() << false
                                << QString() << u"(none)"_s << qint64(-705) << u"$ 7.05"_s;
    QTest::newRow("yen payment") << true << false << u"1500"_s << u"Ramen Bar"_s << u"lunch"_s << QString() << true
                                 << u"orphan"_s << u"Orphan Fees"_s << qint64(-1500) << u"¥ 1,500"_s;
    QTest::newRow("yen deposit") << true << true << u"99999999"_s << u"Bonus"_s << QString() << QString() << false
                                 << QString() << u"(none)"_s << qint64(99999999) << u"¥ 99,999,999"_s;
}

void TestDialogs::newTransactionFromTypedFields()
{
    QFETCH(bool, yenAccount);
    QFETCH(bool, deposit);
    QFETCH(QString, amountKeys);
    QFETCH(QString, payee);
    QFETCH(QString, memo);
    QFETCH(QString, checkNumber);
    QFETCH(bool, cleared);
    QFETCH(QString, categoryTyped);
    QFETCH(QString, categoryItem);
    QFETCH(qint64, expectedAmount);
    QFETCH(QString, expectedAmountText);

    Fixture f;
    QVERIFY(f.isReady());
    const Account account = yenAccount ? f.yen : f.dollars;
    const QDateTime before = QDateTime::currentDateTimeUtc();
    TransactionFormDialog dialog(&f.state, account.id);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.windowTitle(), u"New Transaction"_s);
    QVERIFY(child<QRadioButton>(&dialog, "paymentRadio")->isChecked());

    retype(child<DateField>(&dialog, "dateField"), u"2/29/2024"_s);
    retype(child<QLineEdit>(&dialog, "payeeEdit"), payee);
    if (deposit)
        QTest::mouseClick(child<QRadioButton>(&dialog, "depositRadio"), Qt::LeftButton);
    auto *amount = child<SmartAmountField>(&dialog, "amountField");
    amount->setFocus();
    retype(amount, amountKeys);
    // Tab leaves the field and shows the amount the way the register does.
    QTest::keyClick(amount, Qt::Key_Tab);
    QCOMPARE(amount->text(), expectedAmountText);
    auto *category = child<QComboBox>(&dialog, "categoryCombo");
    if (!categoryTyped.isEmpty())
        QVERIFY(pickCompletion(category->lineEdit(), categoryTyped, categoryItem));
    QCOMPARE(category->currentText(), categoryItem);
    retype(child<QLineEdit>(&dialog, "memoEdit"), memo);
    retype(child<QLineEdit>(&dialog, "checkNumberEdit"), checkNumber);
    if (cleared) {
        // On the box itself: the check box spans the whole field column.
        auto *box = child<QCheckBox>(&dialog, "clearedCheck");
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }

    clickButton(dialog, QDialogButtonBox::Ok);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    const Transaction t = dialog.transaction();
    QVERIFY2(isFreshId(t.id), qPrintable(t.id));
    QCOMPARE(t.account_id, account.id);
    QCOMPARE(t.date, QDate(2024, 2, 29));
    QCOMPARE(t.payee, payee.trimmed());
    QCOMPARE(t.amount, expectedAmount);
    QCOMPARE(t.category_id, category->currentData().toString());
    QCOMPARE(t.category_id.isEmpty(), categoryItem == u"(none)");
    QCOMPARE(t.memo, memo.trimmed());
    QCOMPARE(t.check_number, checkNumber.trimmed());
    QCOMPARE(t.cleared, cleared);
    QVERIFY(!t.reconciled);
    QVERIFY(t.transfer_link_id.isEmpty());
    QCOMPARE(t.sync_status, SyncStatus::Pending);
    QCOMPARE(t.version, 1);
    QVERIFY(isNowUtc(t.created_at, before));
    QVERIFY(isNowUtc(t.updated_at, before));

    // What the dialog returns is what the repository stores.
    QVERIFY(f.state.transactionRepository()->insert(t));
    QCOMPARE(f.state.transactionRepository()->findById(t.id)->amount, expectedAmount);
}

void TestDialogs::categoryItemsNameTheirParents()
{
    Fixture f;
    QVERIFY(f.isReady());
    TransactionFormDialog dialog(&f.state, f.dollars.id);
    auto *combo = child<QComboBox>(&dialog, "categoryCombo");

    QCOMPARE(combo->itemText(0), u"(none)"_s);
    QVERIFY(combo->itemData(0).toString().isEmpty());
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(combo->count(), f.state.categoryRepository()->findAll().size() + 1);
    QCOMPARE(combo->itemText(combo->findData(f.dues.id)), u"Zephyr Club > Zephyr Dues"_s);
    QCOMPARE(combo->itemText(combo->findData(f.club.id)), u"Zephyr Club"_s);
    // A child of a deleted parent goes by its own name.
    QCOMPARE(combo->itemText(combo->findData(f.orphan.id)), u"Orphan Fees"_s);

    // Typed text that names no category is not added as one.
    combo->lineEdit()->setFocus();
    retype(combo->lineEdit(), u"Brand New Category"_s);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QCOMPARE(combo->count(), f.state.categoryRepository()->findAll().size() + 1);
    QVERIFY(dialog.transaction().category_id.isEmpty());
}

void TestDialogs::editTransactionKeepsHiddenFields_data()
{
    QTest::addColumn<bool>("yenAccount");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<bool>("payment");
    QTest::addColumn<QString>("shown");

    QTest::newRow("payment") << false << qint64(-1234) << true << u"$ 12.34"_s;
    QTest::newRow("deposit") << false << qint64(98765) << false << u"$ 987.65"_s;
    QTest::newRow("zero is a deposit") << false << qint64(0) << false << u"$ 0.00"_s;
    QTest::newRow("yen payment") << true << qint64(-2500) << true << u"¥ 2,500"_s;
    QTest::newRow("large yen deposit") << true << qint64(1234567) << false << u"¥ 1,234,567"_s;
}

void TestDialogs::editTransactionKeepsHiddenFields()
{
    QFETCH(bool, yenAccount);
    QFETCH(qint64, amount);
    QFETCH(bool, payment);
    QFETCH(QString, shown);

    Fixture f;
    QVERIFY(f.isReady());
    Transaction original;
    original.id = u"txn-edit-1"_s;
    original.account_id = yenAccount ? f.yen.id : f.dollars.id;
    original.date = QDate(2023, 7, 4);
    original.payee = u"Landlord"_s;
    original.memo = u"July"_s;
    original.amount = amount;
    original.category_id = f.dues.id;
    original.check_number = u"2001"_s;
    original.cleared = true;
    original.reconciled = true;
    original.transfer_link_id = u"link-1"_s;
    original.transfer_dest_account_id = u"other-account"_s;
    original.is_split = true;
    original.recurring_id = u"rec-1"_s;
    original.version = 5;
    original.sync_status = SyncStatus::Synced;
    original.server_id = u"srv-5"_s;
    original.created_at = QDateTime(QDate(2023, 7, 4), QTime(12, 0), Qt::UTC);
    original.updated_at = original.created_at;

    const QDateTime before = QDateTime::currentDateTimeUtc();
    TransactionFormDialog dialog(&f.state, original);
    QCOMPARE(dialog.windowTitle(), u"Edit Transaction"_s);
    QVERIFY(dialog.isEditing());
    QCOMPARE(child<DateField>(&dialog, "dateField")->text(), u"7/4/2023"_s);
    QCOMPARE(child<QLineEdit>(&dialog, "payeeEdit")->text(), original.payee);
    QCOMPARE(child<SmartAmountField>(&dialog, "amountField")->text(), shown);
    QCOMPARE(child<QRadioButton>(&dialog, "paymentRadio")->isChecked(), payment);
    QCOMPARE(child<QRadioButton>(&dialog, "depositRadio")->isChecked(), !payment);
    QCOMPARE(child<QComboBox>(&dialog, "categoryCombo")->currentText(), u"Zephyr Club > Zephyr Dues"_s);
    QCOMPARE(child<QLineEdit>(&dialog, "memoEdit")->text(), original.memo);
    QCOMPARE(child<QLineEdit>(&dialog, "checkNumberEdit")->text(), original.check_number);
    QVERIFY(child<QCheckBox>(&dialog, "clearedCheck")->isChecked());

    retype(child<QLineEdit>(&dialog, "memoEdit"), u"July rent "_s);
    const Transaction t = dialog.transaction();
    QCOMPARE(t.memo, u"July rent"_s);
    QCOMPARE(t.amount, amount);
    QCOMPARE(t.date, original.date);
    QCOMPARE(t.category_id, original.category_id);
    QCOMPARE(t.id, original.id);
    QCOMPARE(t.account_id, original.account_id);
    QCOMPARE(t.created_at, original.created_at);
    QVERIFY(t.reconciled);
    QCOMPARE(t.transfer_link_id, original.transfer_link_id);
    QCOMPARE(t.transfer_dest_account_id, original.transfer_dest_account_id);
    QVERIFY(t.is_split);
    QCOMPARE(t.recurring_id, original.recurring_id);
    QCOMPARE(t.version, 5);
    QCOMPARE(t.server_id, original.server_id);
    QCOMPARE(t.sync_status, SyncStatus::Pending);
    QVERIFY(isNowUtc(t.updated_at, before));
}

void TestDialogs::nextNewFormStartsOnLastDate()
{
    Fixture f;
    QVERIFY(f.isReady());
    {
        TransactionFormDialog first(&f.state, f.dollars.id);
        retype(child<DateField>(&first, "dateField"), u"11/5/2022"_s);
        QCOMPARE(first.transaction().date, QDate(2022, 11, 5));
    }
    {
        TransactionFormDialog second(&f.state, f.dollars.id);
        QCOMPARE(child<DateField>(&second, "dateField")->text(), u"11/5/2022"_s);
        QCOMPARE(second.transaction().date, QDate(2022, 11, 5));
    }
    {
        // An edited transaction's date counts too, and so does a date key.
        Transaction existing = f.addTransaction(f.dollars, QDate(2021, 1, 2), u"Somebody"_s, -100);
        TransactionFormDialog edit(&f.state, existing);
        auto *date = child<DateField>(&edit, "dateField");
        QTest::keyClick(date, Qt::Key_Plus);
        QCOMPARE(edit.transaction().date, QDate(2021, 1, 3));
    }
    TransactionFormDialog third(&f.state, f.yen.id);
    QCOMPARE(child<DateField>(&third, "dateField")->text(), u"1/3/2021"_s);
    QVERIFY(child<QRadioButton>(&third, "paymentRadio")->isChecked());
}

void TestDialogs::payeeCompletionListIsAlphabetical()
{
    Fixture f;
    QVERIFY(f.isReady());
    f.addTransaction(f.dollars, QDate(2024, 1, 1), u"Corner Bakery"_s, -500);
    f.addTransaction(f.dollars, QDate(2024, 1, 2), u"bank fee"_s, -300);
    f.addTransaction(f.yen, QDate(2024, 1, 3), u"Tokyo Ramen"_s, -1200);
    f.addTransaction(f.dollars, QDate(2024, 1, 4), u"ACME Power"_s, -8010);
    f.addTransaction(f.dollars, QDate(2024, 1, 5), u"Corner Bakery"_s, 2500);
    f.addTransaction(f.dollars, QDate(2024, 1, 6), QString(), -1);
    const Transaction gone = f.addTransaction(f.dollars, QDate(2024, 1, 7), u"Deleted Payee"_s, -1);
    f.state.transactionRepository()->softDelete(gone.id);

    TransactionFormDialog dialog(&f.state, f.dollars.id);
    QCompleter *completer = child<QLineEdit>(&dialog, "payeeEdit")->completer();
    QVERIFY(completer);
    QStringList payees;
    for (int row = 0; row < completer->model()->rowCount(); ++row)
        payees << completer->model()->index(row, 0).data().toString();
    // Payees of every account, once each, without case mattering to the order.
    QCOMPARE(payees, (QStringList{u"ACME Power"_s, u"bank fee"_s, u"Corner Bakery"_s, u"Tokyo Ramen"_s}));
}

void TestDialogs::payeeChoiceFillsFromLastTransaction_data()
{
    QTest::addColumn<bool>("yenAccount");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("payee");
    QTest::addColumn<bool>("deposit");
    QTest::addColumn<QString>("amountText");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("category");

    QTest::newRow("last was a deposit") << false << u"bak"_s << u"Corner Bakery"_s << true << u"$ 25.00"_s
                                        << qint64(2500) << u"refund"_s << u"Zephyr Club > Zephyr Dues"_s;
    QTest::newRow("payment without category") << false << u"acme"_s << u"ACME Power"_s << false << u"$ 80.10"_s
                                              << qint64(-8010) << u"May bill"_s << u"(none)"_s;
    QTest::newRow("payee of another account only") << false << u"RAMEN"_s << u"Tokyo Ramen"_s << false
                                                   << u"$ 0.00"_s << qint64(0) << QString() << u"(none)"_s;
    QTest::newRow("yen account") << true << u"ramen"_s << u"Tokyo Ramen"_s << false << u"¥ 1,200"_s
                                 << qint64(-1200) << u"lunch"_s << u"Orphan Fees"_s;
}

void TestDialogs::payeeChoiceFillsFromLastTransaction()
{
    QFETCH(bool, yenAccount);
    QFETCH(QString, typed);
    QFETCH(QString, payee);
    QFETCH(bool, deposit);
    QFETCH(QString, amountText);
    QFETCH(qint64, amount);
    QFETCH(QString, memo);
    QFETCH(QString, category);

    Fixture f;
    QVERIFY(f.isReady());
    f.addTransaction(f.dollars, QDate(2024, 1, 1), u"Corner Bakery"_s, -500, u"old"_s, f.club.id);
    f.addTransaction(f.dollars, QDate(2024, 2, 1), u"Corner Bakery"_s, 2500, u"refund"_s, f.dues.id);
    // Newer, but in another account, and a name that differs in case only.
    f.addTransaction(f.yen, QDate(2024, 3, 1), u"Corner Bakery"_s, -999, u"elsewhere"_s);
    f.addTransaction(f.dollars, QDate(2024, 3, 2), u"corner bakery"_s, -777, u"lower case"_s);
    f.addTransaction(f.dollars, QDate(2024, 5, 1), u"ACME Power"_s, -8010, u"May bill"_s);
    f.addTransaction(f.yen, QDate(2024, 4, 1), u"Tokyo Ramen"_s, -1200, u"lunch"_s, f.orphan.id);

    TransactionFormDialog dialog(&f.state, yenAccount ? f.yen.id : f.dollars.id);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QVERIFY(pickCompletion(child<QLineEdit>(&dialog, "payeeEdit"), typed, payee));
    // Return in the list takes the completion; it does not close the dialog.
    QVERIFY(dialog.isVisible());

    QCOMPARE(child<QLineEdit>(&dialog, "payeeEdit")->text(), payee);
    QCOMPARE(child<QRadioButton>(&dialog, "depositRadio")->isChecked(), deposit);
    QCOMPARE(child<SmartAmountField>(&dialog, "amountField")->text(), amountText);
    QCOMPARE(child<QLineEdit>(&dialog, "memoEdit")->text(), memo);
    QCOMPARE(child<QComboBox>(&dialog, "categoryCombo")->currentText(), category);
    const Transaction t = dialog.transaction();
    QCOMPARE(t.amount, amount);
    QCOMPARE(t.payee, payee);
}

void TestDialogs::cancelRejects_data()
{
    QTest::addColumn<bool>("transactionForm");
    QTest::newRow("account") << false;
    QTest::newRow("transaction") << true;
}

void TestDialogs::cancelRejects()
{
    QFETCH(bool, transactionForm);
    Fixture f;
    QVERIFY(f.isReady());
    std::unique_ptr<QDialog> dialog;
    if (transactionForm)
        dialog = std::make_unique<TransactionFormDialog>(&f.state, f.dollars.id);
    else
        dialog = std::make_unique<AccountFormDialog>();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QVERIFY(dialog->minimumWidth() >= (transactionForm ? 480 : 400));
    clickButton(*dialog, QDialogButtonBox::Cancel);
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QVERIFY(!dialog->isVisible());
}

PENWICK_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
