#include "testsupport.h"

#include "app/appstate.h"
#include "app/money.h"
#include "services/recurringservice.h"
#include "services/sampledataservice.h"
#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "ui/accountformdialog.h"
#include "ui/accountlistwidget.h"
#include "ui/mainwindow.h"
#include "ui/registertableview.h"
#include "ui/screens/recurringscreen.h"
#include "ui/smartamountfield.h"
#include "ui/statusbar.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSignalSpy>
#include <QSplitter>
#include <QTimer>
#include <QUuid>
#include <functional>
#include <memory>

namespace {

const QColor kNegative(0xFF, 0x8A, 0x80);
const QColor kPositive(0x66, 0xBB, 0x6A);

// Runs `action` on the next modal widget or popup of type T once it shows.
template<typename T>
void whenShown(std::function<void(T *)> action, bool popup = false)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action, popup] {
        QWidget *widget = popup ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
        if (T *target = qobject_cast<T *>(widget)) {
            timer->stop();
            timer->deleteLater();
            action(target);
        }
    });
    timer->start();
}

void answerMessageBox(QMessageBox::StandardButton answer, QString *text = nullptr)
{
    whenShown<QMessageBox>([answer, text](QMessageBox *box) {
        if (text)
            *text = box->text();
        QTest::mouseClick(box->button(answer), Qt::LeftButton);
    });
}

void clickMenuEntry(const QString &label)
{
    whenShown<QMenu>(
        [label](QMenu *menu) {
            for (QAction *action : menu->actions()) {
                if (action->text() == label) {
                    menu->setActiveAction(action);
                    QTest::keyClick(menu, Qt::Key_Return);
                    return;
                }
            }
            qWarning().noquote() << "no menu entry" << label;
            menu->close();
        },
        true);
}

const QLabel *rowLabel(const AccountListWidget *list, int row, const QString &name)
{
    const QWidget *rowWidget = list->itemWidget(list->item(row));
    return rowWidget ? rowWidget->findChild<QLabel *>(name) : nullptr;
}

QString balanceText(const AccountListWidget *list, int row)
{
    const QLabel *label = rowLabel(list, row, u"balanceLabel"_s);
    return label ? label->text() : QString();
}

// The colour the label is painted in, whatever set it.
QColor balanceColour(const AccountListWidget *list, int row)
{
    const QLabel *label = rowLabel(list, row, u"balanceLabel"_s);
    return label ? label->palette().color(label->foregroundRole()) : QColor();
}

// A right-click on a row, as the platform reports it.
void openContextMenu(AccountListWidget *list, int row)
{
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &event);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void newAccountOpeningBalance_data();
    void newAccountOpeningBalance();
    void cancelledNewAccountStoresNothing();
    void sidebarBalancesAndColours_data();
    void sidebarBalancesAndColours();
    void totalAcrossAccounts();
    void noAccounts();
    void subtitleAndOrder();
    void elevenAccountsAltShortcuts();
    void clickingRowSelectsAccount();
    void initialSelection_data();
    void initialSelection();
    void deleteAccountCascade_data();
    void deleteAccountCascade();
    void editAccount();
    void actionsNeedAnAccount();
    void autoPostAtStart_data();
    void autoPostAtStart();
    void sidebarFollowsNewTransactions();
    void geometrySavedOnClose();
    void recurringWindowFromViewMenu();
    void newTransactionShortcut();
    void helpBoxes_data();
    void helpBoxes();
    void sampleDataCommands_data();
    void sampleDataCommands();

private:
    Account addAccount(const QString &name, qint64 startingBalance = 0, Currency currency = Currency::USD,
                       int sortOrder = 0);
    Transaction addTransaction(const QString &accountId, qint64 amount, const QDate &date = QDate(2024, 3, 1));
    int liveCount(const QString &table, const QString &accountId) const;
    // A monthly entry of -45.00.
    bool addRecurring(const QString &accountId, const QDate &nextDue, bool autoPost);
    std::unique_ptr<MainWindow> showWindow();
    void selectAccountFor(MainWindow *window, const QString &accountId);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppState> m_state;
};

void TestMainWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("PENWICK_DATA_DIR", m_dir->path().toUtf8());
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    QSettings().remove(u"mainwindow"_s);
}

void TestMainWindow::cleanup()
{
    m_state.reset();
    m_dir.reset();
}

Account TestMainWindow::addAccount(const QString &name, qint64 startingBalance, Currency currency, int sortOrder)
{
    Account account;
    account.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    account.name = name;
    account.currency = currency;
    account.starting_balance = startingBalance;
    account.sort_order = sortOrder;
    account.created_at = account.updated_at = QDateTime::currentDateTimeUtc();
    if (!m_state->accountRepository()->insert(account))
        qWarning() << "could not add account" << name;
    return account;
}

Transaction TestMainWindow::addTransaction(const QString &accountId, qint64 amount, const QDate &date)
{
    Transaction transaction;
    transaction.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    transaction.account_id = accountId;
    transaction.date = date;
    transaction.payee = u"Payee"_s;
    transaction.amount = amount;
    transaction.created_at = transaction.updated_at = QDateTime::currentDateTimeUtc();
    if (!m_state->transactionRepository()->insert(transaction))
        qWarning() << "could not add transaction";
    return transaction;
}

bool TestMainWindow::addRecurring(const QString &accountId, const QDate &nextDue, bool autoPost)
{
    RecurringTransaction entry;
    entry.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    entry.account_id = accountId;
    entry.payee = u"Gym"_s;
    entry.amount = -4500;
    entry.frequency = Frequency::Monthly;
    entry.start_date = entry.next_due_date = nextDue;
    entry.auto_post = autoPost;
    entry.created_at = entry.updated_at = QDateTime::currentDateTimeUtc();
    return m_state->recurringRepository()->insert(entry);
}

int TestMainWindow::liveCount(const QString &table, const QString &accountId) const
{
    QSqlQuery query(m_state->database()->connection());
    query.prepare(u"SELECT COUNT(*) FROM %1 WHERE account_id = ? AND deleted_at IS NULL"_s.arg(table));
    query.addBindValue(accountId);
    if (!query.exec() || !query.next())
        return -1;
    return query.value(0).toInt();
}

void TestMainWindow::selectAccountFor(MainWindow *window, const QString &accountId)
{
    auto *list = window->findChild<AccountListWidget *>();
    const int row = list->rowOfAccount(accountId);
    QVERIFY(row >= 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

std::unique_ptr<MainWindow> TestMainWindow::showWindow()
{
    auto window = std::make_unique<MainWindow>(m_state.get());
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning() << "main window did not become active";
    return window;
}

void TestMainWindow::newAccountOpeningBalance_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("opening");

    QTest::newRow("positive") << u"1234.56"_s << qint64(123456);
    QTest::newRow("negative") << u"-50.25"_s << qint64(-5025);
    QTest::newRow("zero: no transaction") << u"0"_s << qint64(0);
}

void TestMainWindow::newAccountOpeningBalance()
{
    QFETCH(QString, typed);
    QFETCH(qint64, opening);

    auto window = showWindow();
    QCOMPARE(window->currentPage(), int(MainWindow::WelcomePage));

    const QDate asOf = QDate::currentDate();
    whenShown<AccountFormDialog>([typed](AccountFormDialog *dialog) {
        auto *name = dialog->findChild<QLineEdit *>(u"nameEdit"_s);
        auto *balance = dialog->findChild<SmartAmountField *>(u"startingBalanceSpin"_s);
        QTest::keyClicks(name, u"Everyday Checking"_s);
        balance->setFocus();
        balance->selectAll();
        QTest::keyClicks(balance, typed);
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    auto *create = window->findChild<QPushButton *>(u"createAccountButton"_s);
    QVERIFY(create);
    QTest::mouseClick(create, Qt::LeftButton);

    const QList<Account> accounts = m_state->accountRepository()->findAll();
    QCOMPARE(accounts.size(), 1);
    const Account &stored = accounts.first();
    QCOMPARE(stored.name, u"Everyday Checking"_s);
    QCOMPARE(stored.starting_balance, qint64(0));

    const QList<Transaction> transactions = m_state->transactionRepository()->findByAccount(stored.id);
    if (opening == 0) {
        QVERIFY(transactions.isEmpty());
    } else {
        QCOMPARE(transactions.size(), 1);
        const Transaction &t = transactions.first();
        QCOMPARE(t.payee, u"Opening Balance"_s);
        QCOMPARE(t.amount, opening);
        QCOMPARE(t.date, asOf);
        QVERIFY(t.cleared);
        QVERIFY(t.reconciled);
        QCOMPARE(QUuid::fromString(t.id).version(), QUuid::Random);
        QVERIFY(t.created_at.isValid() && t.updated_at.isValid());
    }

    // The new account is selected and its balance counted once.
    QCOMPARE(m_state->currentAccountId(), stored.id);
    QCOMPARE(window->currentPage(), int(MainWindow::RegisterPage));
    auto *list = window->findChild<AccountListWidget *>();
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(balanceText(list, 0), formatMoney(opening, Currency::USD));
    auto *total = window->findChild<QLabel *>(u"totalLabel"_s);
    QCOMPARE(total->text(), u"Total: %1"_s.arg(formatMoney(opening, Currency::USD)));
}

void TestMainWindow::cancelledNewAccountStoresNothing()
{
    auto window = showWindow();
    whenShown<AccountFormDialog>([](AccountFormDialog *dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit *>(u"nameEdit"_s), u"Never"_s);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(m_state->accountRepository()->findAll().isEmpty());
    QCOMPARE(window->currentPage(), int(MainWindow::WelcomePage));
}

void TestMainWindow::sidebarBalancesAndColours_data()
{
    QTest::addColumn<qint64>("starting");
    QTest::addColumn<QList<qint64>>("amounts");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<qint64>("expected");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("no transactions: starting balance") << qint64(25000) << QList<qint64>{} << Currency::USD
                                                       << qint64(25000) << kPositive;
    QTest::newRow("exactly zero is green") << qint64(0) << QList<qint64>{} << Currency::USD << qint64(0) << kPositive;
    QTest::newRow("transactions end negative") << qint64(5000) << QList<qint64>{-2000, -4000} << Currency::USD
                                               << qint64(-1000) << kNegative;
    QTest::newRow("transactions back to zero") << qint64(1000) << QList<qint64>{-1500, 500} << Currency::USD
                                               << qint64(0) << kPositive;
    QTest::newRow("negative start, no transactions") << qint64(-1) << QList<qint64>{} << Currency::USD
                                                     << qint64(-1) << kNegative;
    QTest::newRow("yen in whole units") << qint64(0) << QList<qint64>{1500, 250} << Currency::JPY << qint64(1750)
                                        << kPositive;
}

void TestMainWindow::sidebarBalancesAndColours()
{
    QFETCH(qint64, starting);
    QFETCH(QList<qint64>, amounts);
    QFETCH(Currency, currency);
    QFETCH(qint64, expected);
    QFETCH(QColor, colour);

    const Account account = addAccount(u"Account"_s, starting, currency);
    for (qint64 amount : amounts)
        addTransaction(account.id, amount);
    // A soft-deleted row never counts.
    const Transaction gone = addTransaction(account.id, 999999);
    QVERIFY(m_state->transactionRepository()->softDelete(gone.id));

    auto window = showWindow();
    auto *list = window->findChild<AccountListWidget *>();
    QCOMPARE(list->count(), 1);
    QCOMPARE(balanceText(list, 0), formatMoney(expected, currency));
    QCOMPARE(balanceColour(list, 0), colour);
}

void TestMainWindow::totalAcrossAccounts()
{
    // One total per currency, each in its own format.
    const Account usd = addAccount(u"Checking"_s, 10000, Currency::USD, 0);
    const Account eur = addAccount(u"Euro"_s, 0, Currency::EUR, 1);
    addTransaction(eur.id, -2550);
    addAccount(u"Yen"_s, 700, Currency::JPY, 2);

    auto window = showWindow();
    auto *total = window->findChild<QLabel *>(u"totalLabel"_s);
    QCOMPARE(total->text(), u"Total: $100.00 · -€25.50 · ¥700"_s);
    auto *list = window->findChild<AccountListWidget *>();
    QCOMPARE(balanceText(list, 1), formatMoney(-2550, Currency::EUR));
    QCOMPARE(window->findChild<StatusBar *>()->accountCountText(), u"3 account(s)"_s);
    Q_UNUSED(usd)
}

void TestMainWindow::noAccounts()
{
    auto window = showWindow();
    QCOMPARE(window->findChild<QLabel *>(u"totalLabel"_s)->text(), u"No accounts"_s);
    QCOMPARE(window->findChild<StatusBar *>()->accountCountText(), u"0 account(s)"_s);
    QCOMPARE(window->findChild<StatusBar *>()->syncText(), u"Not signed in"_s);
    QVERIFY(window->findChildren<QShortcut *>(QRegularExpression(u"^accountShortcut"_s)).isEmpty());
    QCOMPARE(window->currentPage(), int(MainWindow::WelcomePage));
    QVERIFY(m_state->currentAccountId().isEmpty());

    QSignalSpy signIn(window.get(), &MainWindow::signInRequested);
    QTest::mouseClick(window->findChild<QPushButton *>(u"signInButton"_s), Qt::LeftButton);
    QCOMPARE(signIn.size(), 1);
}

void TestMainWindow::subtitleAndOrder()
{
    Account card;
    card.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    card.name = u"Visa"_s;
    card.account_type = AccountType::CreditCard;
    card.account_number_last4 = u"4242"_s;
    card.sort_order = 1;
    card.created_at = card.updated_at = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state->accountRepository()->insert(card));
    Account bank = card;
    bank.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    bank.name = u"House"_s;
    bank.account_type = AccountType::Savings;
    bank.institution = u"First Harbor Bank"_s;
    bank.account_number_last4.clear();
    bank.sort_order = 0;
    QVERIFY(m_state->accountRepository()->insert(bank));

    auto window = showWindow();
    auto *list = window->findChild<AccountListWidget *>();
    QCOMPARE(list->accountIdAt(0), bank.id);
    QCOMPARE(list->accountIdAt(1), card.id);
    QCOMPARE(rowLabel(list, 0, u"subtitleLabel"_s)->text(), u"First Harbor Bank"_s);
    QCOMPARE(rowLabel(list, 1, u"subtitleLabel"_s)->text(), u"Credit Card  ·  *4242"_s);

    // A new order written by the list lands in the repository and survives a rebuild.
    QSignalSpy changed(m_state->accountRepository(), &AccountRepository::accountsChanged);
    emit list->orderChanged({{card.id, 0}, {bank.id, 1}});
    QVERIFY(!changed.isEmpty());
    QTRY_COMPARE(list->accountIdAt(0), card.id);
    QCOMPARE(list->accountIdAt(1), bank.id);

    // Row widgets span the list however wide the sidebar is.
    auto *splitter = window->findChild<QSplitter *>();
    splitter->setSizes({420, 860});
    QTRY_COMPARE(list->visualItemRect(list->item(0)).width(), list->viewport()->width());
    QWidget *rowWidget = list->itemWidget(list->item(0));
    QVERIFY(rowWidget->width() > 300);
    QVERIFY(rowWidget->width() >= rowWidget->minimumSizeHint().width());
}

void TestMainWindow::elevenAccountsAltShortcuts()
{
    QList<Account> accounts;
    for (int i = 0; i < 11; ++i)
        accounts.append(addAccount(u"Account %1"_s.arg(i + 1, 2, 10, QLatin1Char('0')), 100 * i, Currency::USD, i));

    auto window = showWindow();
    QCOMPARE(window->findChildren<QShortcut *>(QRegularExpression(u"^accountShortcut"_s)).size(), 10);

    const Qt::Key keys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5,
                            Qt::Key_6, Qt::Key_7, Qt::Key_8, Qt::Key_9, Qt::Key_0};
    // Walk backwards so every press is a real change.
    for (int row = 9; row >= 0; --row) {
        QTest::keyClick(window.get(), keys[row], Qt::AltModifier);
        QCOMPARE(m_state->currentAccountId(), accounts.at(row).id);
        QCOMPARE(window->findChild<AccountListWidget *>()->currentRow(), row);
    }
    // The eleventh account has no key of its own.
    const auto shortcuts = window->findChildren<QShortcut *>(QRegularExpression(u"^accountShortcut"_s));
    for (const QShortcut *shortcut : shortcuts)
        QVERIFY(shortcut->key() != QKeySequence(u"Alt+11"_s));

    // Rebuilding the list replaces the shortcuts rather than adding more.
    addAccount(u"Twelve"_s);
    QTRY_COMPARE(window->findChild<AccountListWidget *>()->count(), 12);
    QCOMPARE(window->findChildren<QShortcut *>(QRegularExpression(u"^accountShortcut"_s)).size(), 10);
}

void TestMainWindow::clickingRowSelectsAccount()
{
    const Account first = addAccount(u"First"_s, 0, Currency::USD, 0);
    const Account second = addAccount(u"Second"_s, 0, Currency::USD, 1);
    auto window = showWindow();
    QCOMPARE(m_state->currentAccountId(), first.id);

    auto *list = window->findChild<AccountListWidget *>();
    QSignalSpy current(m_state.get(), &AppState::currentAccountChanged);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QCOMPARE(current.size(), 1);
    QCOMPARE(m_state->currentAccountId(), second.id);
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(window->currentPage(), int(MainWindow::RegisterPage));
}

void TestMainWindow::initialSelection_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expectedRow");

    QTest::newRow("stored account") << u"second"_s << 1;
    QTest::newRow("stored id unknown: first row") << u"unknown"_s << 0;
    QTest::newRow("nothing stored: first row") << QString() << 0;
}

void TestMainWindow::initialSelection()
{
    QFETCH(QString, stored);
    QFETCH(int, expectedRow);

    const Account first = addAccount(u"First"_s, 0, Currency::USD, 0);
    const Account second = addAccount(u"Second"_s, 0, Currency::USD, 1);
    if (stored == u"second")
        m_state->setCurrentAccountId(second.id);
    else if (!stored.isEmpty())
        m_state->setCurrentAccountId(QUuid::createUuid().toString(QUuid::WithoutBraces));

    auto window = showWindow();
    const QString expected = expectedRow == 0 ? first.id : second.id;
    QCOMPARE(m_state->currentAccountId(), expected);
    QCOMPARE(window->findChild<AccountListWidget *>()->currentRow(), expectedRow);
    QCOMPARE(window->currentPage(), int(MainWindow::RegisterPage));
}

void TestMainWindow::deleteAccountCascade_data()
{
    QTest::addColumn<bool>("deleteSelected");
    QTest::addColumn<QMessageBox::StandardButton>("answer");

    QTest::newRow("selected account") << true << QMessageBox::Yes;
    QTest::newRow("another account keeps the selection") << false << QMessageBox::Yes;
    QTest::newRow("answered no") << true << QMessageBox::No;
}

void TestMainWindow::deleteAccountCascade()
{
    QFETCH(bool, deleteSelected);
    QFETCH(QMessageBox::StandardButton, answer);

    const Account selected = addAccount(u"Selected"_s, 0, Currency::USD, 0);
    const Account other = addAccount(u"Other"_s, 0, Currency::USD, 1);
    for (const Account &account : {selected, other}) {
        addTransaction(account.id, -1200);
        addTransaction(account.id, 5000);
        QVERIFY(addRecurring(account.id, QDate::currentDate().addMonths(1), false));
        Reconciliation reconciliation;
        reconciliation.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        reconciliation.account_id = account.id;
        reconciliation.statement_date = QDate(2024, 2, 29);
        reconciliation.completed_at = QDateTime::currentDateTimeUtc();
        QVERIFY(m_state->reconciliationRepository()->insert(reconciliation));
    }
    m_state->setCurrentAccountId(selected.id);

    auto window = showWindow();
    auto *list = window->findChild<AccountListWidget *>();
    QCOMPARE(list->currentRow(), 0);

    const Account victim = deleteSelected ? selected : other;
    const int row = deleteSelected ? 0 : 1;
    QString question;
    answerMessageBox(answer, &question);
    clickMenuEntry(u"Delete \"%1\""_s.arg(victim.name));
    openContextMenu(list, row);

    QVERIFY(question.startsWith(u"Delete \"%1\"?"_s.arg(victim.name)));
    const int expectedLeft = answer == QMessageBox::Yes ? 0 : 1;
    QCOMPARE(liveCount(u"transactions"_s, victim.id), 2 * expectedLeft);
    QCOMPARE(liveCount(u"recurring_transactions"_s, victim.id), expectedLeft);
    QCOMPARE(liveCount(u"reconciliations"_s, victim.id), expectedLeft);
    QCOMPARE(m_state->accountRepository()->findAll().size(), 1 + expectedLeft);
    // The rows are kept, marked deleted, so the account can be restored.
    const auto victimRow = m_state->accountRepository()->findById(victim.id);
    QVERIFY(victimRow);
    QCOMPARE(victimRow->deleted_at.has_value(), answer == QMessageBox::Yes);

    // Nothing of the other account is touched.
    const Account &survivor = deleteSelected ? other : selected;
    QCOMPARE(liveCount(u"transactions"_s, survivor.id), 2);
    QCOMPARE(liveCount(u"recurring_transactions"_s, survivor.id), 1);
    QCOMPARE(liveCount(u"reconciliations"_s, survivor.id), 1);

    QCOMPARE(list->count(), 1 + expectedLeft);
    if (answer == QMessageBox::Yes && deleteSelected) {
        // The neighbour takes over rather than the first-run page.
        QCOMPARE(m_state->currentAccountId(), other.id);
        QCOMPARE(list->accountIdAt(list->currentRow()), other.id);
        QCOMPARE(window->currentPage(), int(MainWindow::RegisterPage));
    } else {
        QCOMPARE(m_state->currentAccountId(), selected.id);
        QCOMPARE(list->accountIdAt(list->currentRow()), selected.id);
        QCOMPARE(window->currentPage(), int(MainWindow::RegisterPage));
    }
}

void TestMainWindow::editAccount()
{
    const Account account = addAccount(u"Old Name"_s, 4200);
    auto window = showWindow();

    whenShown<AccountFormDialog>([](AccountFormDialog *dialog) {
        auto *name = dialog->findChild<QLineEdit *>(u"nameEdit"_s);
        name->selectAll();
        QTest::keyClicks(name, u"New Name"_s);
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    clickMenuEntry(u"Edit \"Old Name\"..."_s);
    auto *list = window->findChild<AccountListWidget *>();
    openContextMenu(list, 0);

    const auto stored = m_state->accountRepository()->findById(account.id);
    QVERIFY(stored);
    QCOMPARE(stored->name, u"New Name"_s);
    // Editing never turns the starting balance into an opening transaction.
    QCOMPARE(stored->starting_balance, qint64(4200));
    QVERIFY(m_state->transactionRepository()->findByAccount(account.id).isEmpty());
    QTRY_COMPARE(rowLabel(list, 0, u"nameLabel"_s)->toolTip(), u"New Name"_s);
}

void TestMainWindow::actionsNeedAnAccount()
{
    addAccount(u"Only"_s);
    m_state->setCurrentAccountId(QString());
    auto window = showWindow();
    // Start-up selects the only account; take the selection away again.
    m_state->setCurrentAccountId(QString());

    window->showEditAccountDialog();
    QCOMPARE(window->statusBar()->currentMessage(), u"Select an account first"_s);
    window->statusBar()->clearMessage();
    window->deleteCurrentAccount();
    QCOMPARE(window->statusBar()->currentMessage(), u"Select an account first"_s);
    QCOMPARE(m_state->accountRepository()->findAll().size(), 1);
}

void TestMainWindow::autoPostAtStart_data()
{
    QTest::addColumn<int>("monthsBehind");
    QTest::addColumn<bool>("autoPost");
    QTest::addColumn<int>("posted");
    QTest::addColumn<int>("dueAfter");

    QTest::newRow("due today") << 0 << true << 1 << 0;
    QTest::newRow("two months behind: catches up") << 2 << true << 3 << 0;
    QTest::newRow("not auto-post: stays due") << 1 << false << 0 << 1;
}

void TestMainWindow::autoPostAtStart()
{
    QFETCH(int, monthsBehind);
    QFETCH(bool, autoPost);
    QFETCH(int, posted);
    QFETCH(int, dueAfter);

    const Account account = addAccount(u"Checking"_s, 100000);
    QVERIFY(addRecurring(account.id, QDate::currentDate().addMonths(-monthsBehind), autoPost));

    auto window = showWindow();
    QCOMPARE(m_state->transactionRepository()->findByAccount(account.id).size(), posted);
    if (posted > 0)
        QCOMPARE(window->statusBar()->currentMessage(), u"Auto-posted %1 recurring transaction(s)"_s.arg(posted));
    else
        QVERIFY(window->statusBar()->currentMessage().isEmpty());
    auto *list = window->findChild<AccountListWidget *>();
    QCOMPARE(balanceText(list, 0), formatMoney(100000 - 4500 * posted, Currency::USD));
    auto *statusBar = window->findChild<StatusBar *>();
    if (dueAfter > 0)
        QVERIFY2(statusBar->recurringDueText().contains(QString::number(dueAfter)),
                 qPrintable(statusBar->recurringDueText()));
    QCOMPARE(m_state->recurringService()->pendingCount(), dueAfter);
}

void TestMainWindow::sidebarFollowsNewTransactions()
{
    const Account account = addAccount(u"Checking"_s, 1000);
    auto window = showWindow();
    auto *list = window->findChild<AccountListWidget *>();
    addTransaction(account.id, -3000);
    QTRY_COMPARE(balanceText(list, 0), formatMoney(-2000, Currency::USD));
    QCOMPARE(balanceColour(list, 0), kNegative);
    QCOMPARE(window->findChild<QLabel *>(u"totalLabel"_s)->text(),
             u"Total: %1"_s.arg(formatMoney(-2000, Currency::USD)));
    // The selection survives the rebuild.
    QCOMPARE(list->currentRow(), 0);
}

void TestMainWindow::geometrySavedOnClose()
{
    {
        auto window = std::make_unique<MainWindow>(m_state.get());
        QCOMPARE(window->size(), QSize(1280, 900));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->resize(1000, 700);
        auto *splitter = window->findChild<QSplitter *>();
        splitter->setSizes({340, 600});
        QTRY_COMPARE(splitter->sizes().first(), 340);
        QVERIFY(window->close());
    }
    QSettings settings;
    QVERIFY(!settings.value(u"mainwindow/geometry"_s).toByteArray().isEmpty());
    QVERIFY(!settings.value(u"mainwindow/splitter"_s).toByteArray().isEmpty());

    MainWindow restored(m_state.get());
    restored.show();
    QVERIFY(QTest::qWaitForWindowExposed(&restored));
    QCOMPARE(restored.size(), QSize(1000, 700));
    QCOMPARE(restored.findChild<QSplitter *>()->sizes().first(), 340);
}

void TestMainWindow::recurringWindowFromViewMenu()
{
    const Account account = addAccount(u"Checking"_s);
    QVERIFY(addRecurring(account.id, QDate::currentDate().addDays(10), false));

    auto window = showWindow();
    QVERIFY(!window->findChild<RecurringScreen *>());
    QTest::keyClick(window.get(), Qt::Key_3, Qt::ControlModifier);
    auto *screen = window->findChild<RecurringScreen *>();
    QVERIFY(screen);
    QVERIFY(screen->isWindow());
    QVERIFY(screen->isVisible());
    QCOMPARE(screen->windowTitle(), u"Recurring Transactions"_s);
    QCOMPARE(screen->size(), QSize(700, 500));

    // A second request shows the same window again.
    screen->hide();
    QApplication::setActiveWindow(window.get());
    QTest::keyClick(window.get(), Qt::Key_3, Qt::ControlModifier);
    QCOMPARE(window->findChildren<RecurringScreen *>().size(), 1);
    QVERIFY(screen->isVisible());
}

void TestMainWindow::newTransactionShortcut()
{
    auto window = showWindow();
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(window->statusBar()->currentMessage(), u"Select an account first"_s);

    addAccount(u"Checking"_s);
    window.reset();
    window = showWindow();
    auto *table = window->findChild<RegisterTableView *>();
    QVERIFY(table);
    QVERIFY(!table->isEditing());
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(table->isEditing());
}

void TestMainWindow::helpBoxes_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("fragments");

    const auto native = [](const char *keys) {
        return QKeySequence(QString::fromLatin1(keys)).toString(QKeySequence::NativeText).toHtmlEscaped();
    };
    QTest::newRow("keyboard shortcuts")
        << u"&Keyboard Shortcuts"_s << u"Keyboard Shortcuts"_s
        << QStringList{u"<b>%1</b></td><td>Save transaction"_s.arg(native("Ctrl+Return")),
                       u"<b>%1</b></td><td>New account"_s.arg(native("Ctrl+Shift+N")),
                       u"<b>%1</b></td><td>Recurring transactions"_s.arg(native("Ctrl+3")),
                       u"<b>%1 &ndash; %2</b>"_s.arg(native("Alt+1"), native("Alt+9")),
                       u"<b>%1</b></td><td>Switch to account 10"_s.arg(native("Alt+0"))};
    QTest::newRow("about") << u"&About Velmora Penwick"_s << u"About Velmora Penwick"_s
                           << QStringList{u"<h3>Velmora Penwick</h3>"_s,
                                          u"Version %1"_s.arg(QCoreApplication::applicationVersion()),
                                          u"LGPL version 3"_s};
}

void TestMainWindow::helpBoxes()
{
    QFETCH(QString, command);
    QFETCH(QString, title);
    QFETCH(QStringList, fragments);

    auto window = showWindow();
    QAction *action = nullptr;
    for (QAction *candidate : window->menuBar()->findChildren<QAction *>()) {
        if (candidate->text() == command)
            action = candidate;
    }
    QVERIFY(action);
    QString text;
    QString shownTitle;
    whenShown<QMessageBox>([&text, &shownTitle](QMessageBox *box) {
        text = box->text();
        shownTitle = box->windowTitle();
        box->accept();
    });
    action->trigger();
    QCOMPARE(shownTitle, title);
    for (const QString &fragment : fragments)
        QVERIFY2(text.contains(fragment), qPrintable(fragment));
    // No placeholder is left unreplaced.
    QVERIFY(!QRegularExpression(u"%\\d"_s).match(text).hasMatch());
}

void TestMainWindow::sampleDataCommands_data()
{
    QTest::addColumn<bool>("alreadyLoaded");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<int>("accountsAfter");

    QTest::newRow("load") << false << u"Load &Sample Data"_s << u"Sample data loaded"_s << QString() << 4;
    QTest::newRow("load twice") << true << u"Load &Sample Data"_s << QString()
                                << u"Sample data is already loaded."_s << 4;
    QTest::newRow("clear") << true << u"&Clear Sample Data"_s << u"Sample data cleared"_s << QString() << 1;
    QTest::newRow("nothing to clear") << false << u"&Clear Sample Data"_s << QString()
                                      << u"No sample data to clear."_s << 1;
}

void TestMainWindow::sampleDataCommands()
{
    QFETCH(bool, alreadyLoaded);
    QFETCH(QString, command);
    QFETCH(QString, message);
    QFETCH(QString, boxText);
    QFETCH(int, accountsAfter);

    const Account own = addAccount(u"My Own"_s, 0, Currency::USD, 9);
    if (alreadyLoaded)
        QVERIFY(SampleDataService(m_state->database()).loadSampleData());

    qputenv("PENWICK_DEV", "1");
    auto window = showWindow();
    qunsetenv("PENWICK_DEV");
    selectAccountFor(window.get(), own.id);

    QAction *action = nullptr;
    for (QAction *candidate : window->findChildren<QAction *>()) {
        if (candidate->text() == command)
            action = candidate;
    }
    QVERIFY(action);
    QString shownText;
    if (!boxText.isEmpty())
        answerMessageBox(QMessageBox::Ok, &shownText);
    action->trigger();

    QCOMPARE(shownText, boxText);
    QCOMPARE(window->statusBar()->currentMessage(), message);
    QCOMPARE(window->findChild<AccountListWidget *>()->count(), accountsAfter);
    // The user's own account stays selected whatever happens to the samples.
    QCOMPARE(m_state->currentAccountId(), own.id);
    QCOMPARE(window->currentPage(), int(MainWindow::RegisterPage));
}

PENWICK_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
