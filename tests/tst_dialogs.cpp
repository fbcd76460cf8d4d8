#include "testsupport.h"

#include "app/appstate.h"
#include "storage/categoryrepository.h"
#include "storage/transactionrepository.h"
#include "ui/accountformdialog.h"
#include "ui/datefield.h"
#include "ui/smartamountfield.h"
#include "ui/transactionformdialog.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

template<typename T>
T *child(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QString::fromLatin1(name));
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
    edit->selectAll();
    QTest::keyClicks(edit, typed);
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

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_app.reset(); }
    void newAccountFromTypedFields_data();
    void newAccountFromTypedFields();
    void editAccountKeepsWhatItDoesNotShow();
    void newTransactionFromTypedFields_data();
    void newTransactionFromTypedFields();
    void editTransactionKeepsHiddenFields();
    void payeeChoiceFillsFromLastTransaction();

private:
    std::unique_ptr<TestApp> m_app;
    Account m_dollars;
    Account m_yen;
    Category m_dues;
};

void TestDialogs::init()
{
    m_app = std::make_unique<TestApp>();
    QVERIFY(m_app->isReady());
    m_dollars = m_app->addAccount(u"Everyday Checking"_s, Currency::USD);
    m_yen = m_app->addAccount(u"Yen Wallet"_s, Currency::JPY);
    m_dues = *(*m_app)->categoryRepository()->findByName(u"Gas/Fuel"_s);
}

void TestDialogs::newAccountFromTypedFields_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("balanceKeys");
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("expectedCurrency");
    QTest::addColumn<qint64>("expectedBalance");
    QTest::addColumn<QString>("expectedLast4");
    QTest::newRow("checking in dollars") << u"Checking"_s << u"USD ($)"_s << u"1234.56"_s << u"12345"_s
                                         << int(Currency::USD) << qint64(123456) << u"1234"_s;
    QTest::newRow("credit card owing") << u"Credit Card"_s << u"CAD ($)"_s << u"-250.5"_s << QString()
                                       << int(Currency::CAD) << qint64(-25050) << QString();
    QTest::newRow("whole yen") << u"Cash"_s << u"JPY (¥)"_s << u"1500"_s << QString() << int(Currency::JPY)
                               << qint64(1500) << QString();
}

void TestDialogs::newAccountFromTypedFields()
{
    QFETCH(QString, type);
    QFETCH(QString, currency);
    QFETCH(QString, balanceKeys);
    QFETCH(QString, number);
    QFETCH(int, expectedCurrency);
    QFETCH(qint64, expectedBalance);
    QFETCH(QString, expectedLast4);
    AccountFormDialog dialog;
    QVERIFY(showActive(&dialog));
    replaceText(child<QLineEdit>(&dialog, "nameEdit"), u"  House Account "_s);
    QVERIFY(chooseItem(child<QComboBox>(&dialog, "typeCombo"), type));
    QVERIFY(chooseItem(child<QComboBox>(&dialog, "currencyCombo"), currency));
    replaceText(child<QLineEdit>(&dialog, "accountNumberEdit"), number);
    auto *balance = child<SmartAmountField>(&dialog, "startingBalanceSpin");
    replaceText(balance, balanceKeys);
    // Return in the field confirms the typed number and accepts.
    QTest::keyClick(balance, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const Account a = dialog.account();
    QCOMPARE(a.name, u"House Account"_s);
    QCOMPARE(int(a.currency), expectedCurrency);
    QCOMPARE(a.starting_balance, expectedBalance);
    QCOMPARE(a.account_number_last4, expectedLast4);

    // Switching the currency keeps the number typed; only its precision follows.
    if (a.currency == Currency::USD) {
        QVERIFY(chooseItem(child<QComboBox>(&dialog, "currencyCombo"), u"JPY (¥)"_s));
        QCOMPARE(balance->text(), u"¥ 1,235"_s);
        QCOMPARE(dialog.account().starting_balance, qint64(1235));
    }
}

void TestDialogs::editAccountKeepsWhatItDoesNotShow()
{
    Account original = m_yen;
    original.starting_balance = -1500;
    original.sort_order = 3;
    original.is_shared = true;
    original.server_id = u"srv-9"_s;
    original.created_at = QDateTime(QDate(2021, 5, 6), QTime(7, 8, 9), Qt::UTC);
    AccountFormDialog dialog(original);
    QCOMPARE(child<SmartAmountField>(&dialog, "startingBalanceSpin")->text(), u"¥ -1,500"_s);
    replaceText(child<QLineEdit>(&dialog, "nameEdit"), u"Rainy Day"_s);
    const Account a = dialog.account();
    QCOMPARE(a.name, u"Rainy Day"_s);
    QCOMPARE(a.starting_balance, qint64(-1500));
    QCOMPARE(a.currency, Currency::JPY);
    QCOMPARE(a.id, original.id);
    QCOMPARE(a.created_at, original.created_at);
    QCOMPARE(a.sort_order, 3);
    QVERIFY(a.is_shared);
    QCOMPARE(a.server_id, original.server_id);
}

void TestDialogs::newTransactionFromTypedFields_data()
{
    QTest::addColumn<bool>("yenAccount");
    QTest::addColumn<bool>("deposit");
    QTest::addColumn<QString>("amountKeys");
    QTest::addColumn<QString>("categoryTyped");
    QTest::addColumn<qint64>("expectedAmount");
    QTest::addColumn<QString>("expectedAmountText");
    QTest::newRow("payment with a category") << false << false << u"42.5"_s << u"gas/f"_s << qint64(-4250)
                                             << u"$ 42.50"_s;
    QTest::newRow("deposit") << false << true << u"1234.56"_s << QString() << qint64(123456) << u"$ 1,234.56"_s;
    QTest::newRow("yen payment") << true << false << u"1500"_s << QString() << qint64(-1500) << u"¥ 1,500"_s;
}

void TestDialogs::newTransactionFromTypedFields()
{
    QFETCH(bool, yenAccount);
    QFETCH(bool, deposit);
    QFETCH(QString, amountKeys);
    QFETCH(QString, categoryTyped);
    QFETCH(qint64, expectedAmount);
    QFETCH(QString, expectedAmountText);
    const Account account = yenAccount ? m_yen : m_dollars;
    TransactionFormDialog dialog(m_app->state(), account.id);
    QVERIFY(showActive(&dialog));
    replaceText(child<DateField>(&dialog, "dateField"), u"2/29/2024"_s);
    replaceText(child<QLineEdit>(&dialog, "payeeEdit"), u"  Gas Co  "_s);
    if (deposit)
        QTest::mouseClick(child<QRadioButton>(&dialog, "depositRadio"), Qt::LeftButton);
    auto *amount = child<SmartAmountField>(&dialog, "amountField");
    replaceText(amount, amountKeys);
    // Tab leaves the field and shows the amount the way the register does.
    QTest::keyClick(amount, Qt::Key_Tab);
    QCOMPARE(amount->text(), expectedAmountText);
    auto *category = child<QComboBox>(&dialog, "categoryCombo");
    if (!categoryTyped.isEmpty())
        QVERIFY(pickCompletion(category->lineEdit(), categoryTyped, u"Transportation > Gas/Fuel"_s));
    replaceText(child<QLineEdit>(&dialog, "checkNumberEdit"), u" 1001 "_s);
    auto *cleared = child<QCheckBox>(&dialog, "clearedCheck");
    QTest::mouseClick(cleared, Qt::LeftButton, {}, QPoint(8, cleared->height() / 2));
    QTest::mouseClick(child<QDialogButtonBox>(&dialog, "")->button(QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    const Transaction t = dialog.transaction();
    QCOMPARE(t.account_id, account.id);
    QCOMPARE(t.date, QDate(2024, 2, 29));
    QCOMPARE(t.payee, u"Gas Co"_s);
    QCOMPARE(t.amount, expectedAmount);
    QCOMPARE(t.category_id, categoryTyped.isEmpty() ? QString() : m_dues.id);
    QCOMPARE(t.check_number, u"1001"_s);
    QVERIFY(t.cleared && !t.reconciled);
    // What the dialog returns is what the repository stores.
    QVERIFY((*m_app)->transactionRepository()->insert(t));
}

void TestDialogs::editTransactionKeepsHiddenFields()
{
    Transaction original = m_app->addTransaction(m_yen.id, QDate(2023, 7, 4), u"Landlord"_s, -2500, m_dues.id,
                                                 u"July"_s);
    original.check_number = u"2001"_s;
    original.cleared = original.reconciled = original.is_split = true;
    original.transfer_link_id = u"link-1"_s;
    original.transfer_dest_account_id = m_dollars.id;
    original.recurring_id = u"rec-1"_s;
    original.version = 5;
    original.server_id = u"srv-5"_s;
    TransactionFormDialog dialog(m_app->state(), original);
    QCOMPARE(child<SmartAmountField>(&dialog, "amountField")->text(), u"¥ 2,500"_s);
    QVERIFY(child<QRadioButton>(&dialog, "paymentRadio")->isChecked());
    QCOMPARE(child<QComboBox>(&dialog, "categoryCombo")->currentText(), u"Transportation > Gas/Fuel"_s);
    replaceText(child<QLineEdit>(&dialog, "memoEdit"), u"July rent "_s);

    const Transaction t = dialog.transaction();
    QCOMPARE(t.memo, u"July rent"_s);
    QCOMPARE(t.amount, qint64(-2500));
    QCOMPARE(t.date, original.date);
    QCOMPARE(t.category_id, m_dues.id);
    QCOMPARE(t.id, original.id);
    QCOMPARE(t.created_at, original.created_at);
    QVERIFY(t.reconciled && t.is_split);
    QCOMPARE(t.transfer_link_id, original.transfer_link_id);
    QCOMPARE(t.transfer_dest_account_id, original.transfer_dest_account_id);
    QCOMPARE(t.recurring_id, original.recurring_id);
    QCOMPARE(t.version, 5);
    QCOMPARE(t.server_id, original.server_id);
}

void TestDialogs::payeeChoiceFillsFromLastTransaction()
{
    m_app->addTransaction(m_dollars.id, QDate(2024, 1, 1), u"Corner Bakery"_s, -500, QString(), u"old"_s);
    m_app->addTransaction(m_dollars.id, QDate(2024, 2, 1), u"Corner Bakery"_s, 2500, m_dues.id, u"refund"_s);
    // Newer, but in another account, and a name that differs in case only.
    m_app->addTransaction(m_yen.id, QDate(2024, 3, 1), u"Corner Bakery"_s, -999, QString(), u"elsewhere"_s);
    m_app->addTransaction(m_dollars.id, QDate(2024, 3, 2), u"corner bakery"_s, -777, QString(), u"lower case"_s);
    TransactionFormDialog dialog(m_app->state(), m_dollars.id);
    QVERIFY(showActive(&dialog));
    QVERIFY(pickCompletion(child<QLineEdit>(&dialog, "payeeEdit"), u"bak"_s, u"Corner Bakery"_s));
    // Return in the list takes the completion; it does not close the dialog.
    QVERIFY(dialog.isVisible());
    QVERIFY(child<QRadioButton>(&dialog, "depositRadio")->isChecked());
    QCOMPARE(child<QLineEdit>(&dialog, "memoEdit")->text(), u"refund"_s);
    QCOMPARE(child<QComboBox>(&dialog, "categoryCombo")->currentData().toString(), m_dues.id);
    QCOMPARE(dialog.transaction().amount, qint64(2500));
}

PENWICK_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
