#include "testsupport.h"

#include "app/appstate.h"
#include "app/money.h"
#include "app/thememanager.h"
#include "storage/categoryrepository.h"
#include "storage/preferencesrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "ui/registermodel.h"
#include "ui/registerscreen.h"
#include "ui/registertableview.h"
#include "ui/screens/recurringformdialog.h"
#include "ui/transactionformdialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

namespace {

const QDate kToday(2024, 6, 15);

// One register row as typed: the texts of Date to Clr.
struct Typed
{
    QString date, check, payee, category, memo, payment, deposit, cleared;
    QString field(int column) const
    {
        const QString values[] = {date, check, payee, category, memo, payment, deposit, cleared};
        return values[column];
    }
};

Typed row(const QString &date, const QString &payee, const QString &payment, const QString &category = QString())
{
    return {date, QString(), payee, category, QString(), payment, QString(), QString()};
}

} // namespace

// Everything here is driven by key events on the register, as a person types.
class TestRegisterScreen : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void enterWalksFieldsAndCommitsOnClr();
    void tenTransactionsInARow();
    void ctrlReturnSavesAndTabOnClrDoesNot();
    void keysTypedAheadOfTabLandInTheNextField();
    void refusedCommitsKeepTheEntry_data();
    void refusedCommitsKeepTheEntry();
    void editExistingRowMovesBelow();
    void transferLegsStayTogether();
    void entryRowKeys();
    void payeeAutofillOnEntryRow();
    void memorize();
    void amountsFollowAccountCurrency();
    void outsideChangesWaitAndKeepTheEntry();
    void localRefreshMatchesStore();
    void contextMenuTogglesCleared();

private:
    QList<Transaction> stored(const QString &accountId) const { return m_app->transactionsOf(accountId); }
    void openAccount(const QString &accountId);
    QWidget *focus() const;
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void keys(int key, int times);
    void type(const QString &text) { replaceText(focus(), text); }
    int currentColumn() const { return m_screen->tableView()->currentIndex().column(); }
    int currentRow() const { return m_screen->tableView()->currentIndex().row(); }
    // From the table on the entry row: opens the date editor and fills the
    // fields with Tab (which never saves), leaving the Clr editor open.
    void typeRowWithTab(const Typed &row);
    void selectTransaction(const QString &id, int column);
    QString balanceText() const { return m_screen->findChild<QLabel *>(u"balanceLabel"_s)->text(); }

    std::unique_ptr<TestApp> m_app;
    AppState *m_state = nullptr;
    std::unique_ptr<RegisterScreen> m_screen;
};

void TestRegisterScreen::init()
{
    m_app = std::make_unique<TestApp>();
    QVERIFY(m_app->isReady());
    m_state = m_app->state();
    QApplication::setPalette(ThemeManager::lightPalette());
    m_screen = std::make_unique<RegisterScreen>(m_state);
    m_screen->setTodayFunction([] { return kToday; });
    m_screen->resize(1100, 640);
    QVERIFY(showActive(m_screen.get()));
}

void TestRegisterScreen::cleanup()
{
    m_screen.reset();
    m_app.reset();
}

void TestRegisterScreen::openAccount(const QString &accountId)
{
    QCoreApplication::processEvents();
    m_screen->setAccount(accountId);
    m_screen->tableView()->setFocus();
    QCoreApplication::processEvents();
}

QWidget *TestRegisterScreen::focus() const
{
    QWidget *w = QApplication::focusWidget();
    return w ? w : m_screen->tableView();
}

void TestRegisterScreen::key(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(focus(), Qt::Key(key), modifiers);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void TestRegisterScreen::keys(int k, int times)
{
    for (int i = 0; i < times; ++i)
        key(k);
}

void TestRegisterScreen::typeRowWithTab(const Typed &row)
{
    key(Qt::Key_Return);
    for (int column = 0; column <= RegisterModel::ClearedColumn; ++column) {
        QCOMPARE(currentColumn(), column);
        type(row.field(column));
        if (column < RegisterModel::ClearedColumn)
            key(Qt::Key_Tab);
    }
}

void TestRegisterScreen::selectTransaction(const QString &id, int column)
{
    RegisterModel *model = m_screen->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        if (model->rowAt(r) && model->rowAt(r)->transaction.id == id) {
            m_screen->tableView()->setCurrentIndex(model->index(r, column));
            m_screen->tableView()->setFocus();
            return;
        }
    }
    QFAIL("transaction not shown");
}

void TestRegisterScreen::enterWalksFieldsAndCommitsOnClr()
{
    // Two-line mode, newest first: Enter walks the fields (memo on the payee's
    // second line) and saves on Clr.
    m_state->preferencesRepository()->setBool(u"registerTwoLine"_s, true);
    m_state->preferencesRepository()->setBool(u"registerNewestFirst"_s, true);
    const Account checking = m_app->addAccount(u"Checking"_s);
    m_app->addTransaction(checking.id, QDate(2024, 1, 2), u"Opening"_s, 100000);
    openAccount(checking.id);
    QCOMPARE(currentRow(), 0);
    const Typed typed{u"3/15/2024"_s, u"101"_s, u"Corner Grocer"_s, QString(), u"weekly shop"_s,
                      u"12.34"_s, QString(), u"c"_s};
    key(Qt::Key_Return);
    QList<int> visited;
    for (int step = 0; step < 7; ++step) {
        visited.append(currentColumn());
        type(typed.field(currentColumn()));
        if (currentColumn() == RegisterModel::PayeeColumn) {
            key(Qt::Key_Tab);
            QCOMPARE(focus()->objectName(), u"memoEdit"_s);
            type(typed.memo);
        }
        key(Qt::Key_Return);
    }
    QCOMPARE(visited, (QList<int>{0, 1, 2, 3, 5, 6, 7}));
    QCOMPARE(describe(stored(checking.id).first()), u"2024-03-15|Corner Grocer|-1234|weekly shop|101|C"_s);
    // Back on a blank entry row that starts on the saved date.
    QCOMPARE(currentRow(), m_screen->model()->entryRow());
    QCOMPARE(m_screen->model()->entryBuffer().date, u"3/15/2024"_s);
    QVERIFY(m_screen->model()->entryBuffer().payee.isEmpty());
    QCOMPARE(balanceText(), u"$987.66"_s);
}

void TestRegisterScreen::tenTransactionsInARow()
{
    const Account checking = m_app->addAccount(u"Checking"_s, Currency::USD, 100000);
    openAccount(checking.id);
    qint64 expected = 100000;
    for (int i = 0; i < 10; ++i) {
        const bool deposit = i % 3 == 0;
        const QString amount = u"%1.%2"_s.arg(10 + i).arg(i * 7 % 100, 2, 10, QLatin1Char('0'));
        const qint64 minor = (10 + i) * 100 + (i * 7 % 100);
        expected += deposit ? minor : -minor;
        key(Qt::Key_Return); // the date editor on the entry row
        type(u"4/%1/2024"_s.arg(i + 1));
        keys(Qt::Key_Return, 2); // no cheque number
        type(u"Payee %1"_s.arg(i));
        keys(Qt::Key_Return, 3); // no category, no memo
        if (!deposit)
            type(amount);
        key(Qt::Key_Return);
        if (deposit)
            type(amount);
        keys(Qt::Key_Return, 2); // Clr saves
        QCOMPARE(stored(checking.id).size(), i + 1);
        QCOMPARE(currentRow(), m_screen->model()->entryRow());
    }
    const QList<RegisterRow> rows = m_state->transactionRepository()->registerRows(checking.id);
    QCOMPARE(rows.size(), 11); // with the opening balance
    QCOMPARE(rows.last().running_balance, expected);
    QCOMPARE(rows.at(1).transaction.date, QDate(2024, 4, 1));
    QCOMPARE(balanceText(), formatMoney(expected, Currency::USD));
}

void TestRegisterScreen::keysTypedAheadOfTabLandInTheNextField()
{
    // Keys that arrive faster than the window handles them (no events in
    // between): the amount after three Tabs from the payee is the payment.
    const Account checking = m_app->addAccount(u"Checking"_s);
    openAccount(checking.id);
    key(Qt::Key_Return);
    keys(Qt::Key_Tab, 2);
    type(u"Cafe"_s);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(focus(), Qt::Key_Tab);
    QTest::keyClicks(focus(), u"12.34"_s);
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(stored(checking.id).size(), 1);
    QCOMPARE(describe(stored(checking.id).first()).section(u'|', 1), u"Cafe|-1234|||"_s);
}

void TestRegisterScreen::ctrlReturnSavesAndTabOnClrDoesNot()
{
    const Account checking = m_app->addAccount(u"Checking"_s);
    openAccount(checking.id);
    typeRowWithTab(row(u"3/1/2024"_s, u"Cafe"_s, u"4.50"_s));
    key(Qt::Key_Tab);
    QCOMPARE(currentColumn(), int(RegisterModel::ClearedColumn));
    QVERIFY(stored(checking.id).isEmpty());
    key(Qt::Key_Return);
    QCOMPARE(stored(checking.id).size(), 1);

    // Ctrl+Return saves from any field, taking what the open editor holds.
    key(Qt::Key_Return);
    keys(Qt::Key_Tab, 2);
    type(u"Bakery"_s);
    key(Qt::Key_Backtab);
    QCOMPARE(currentColumn(), int(RegisterModel::CheckNumberColumn));
    keys(Qt::Key_Tab, 5);
    QCOMPARE(currentColumn(), int(RegisterModel::DepositColumn));
    type(u"1,250.5"_s);
    key(Qt::Key_Return, Qt::ControlModifier);
    const auto bakery = m_state->transactionRepository()->findLastByPayee(u"Bakery"_s, checking.id);
    QVERIFY(bakery);
    QCOMPARE(bakery->amount, qint64(125050));
    QCOMPARE(bakery->date, QDate(2024, 3, 1)); // the sticky date of the last entry
}

void TestRegisterScreen::refusedCommitsKeepTheEntry_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("status");
    QTest::newRow("no payee") << u"   "_s << u"5"_s << u"Payee is required"_s << QString();
    QTest::newRow("no amount") << u"Cafe"_s << QString() << u"Enter a payment or deposit amount"_s << QString();
    QTest::newRow("unknown transfer account") << u"[Transfer] Nowhere"_s << u"5"_s << u"Transfer account not found"_s
                                              << QString();
    QTest::newRow("transfer to the same account") << u"[Transfer] Checking"_s << u"5"_s
                                                  << u"Choose another account for the transfer"_s << QString();
    QTest::newRow("other currency") << u"[Transfer] Euro Savings"_s << u"5"_s << QString()
                                    << u"Transfers require both accounts to use the same currency"_s;
}

void TestRegisterScreen::refusedCommitsKeepTheEntry()
{
    QFETCH(QString, payee);
    QFETCH(QString, payment);
    QFETCH(QString, hint);
    QFETCH(QString, status);
    const Account checking = m_app->addAccount(u"Checking"_s);
    m_app->addAccount(u"Euro Savings"_s, Currency::EUR);
    openAccount(checking.id);
    QSignalSpy errors(m_screen.get(), &RegisterScreen::errorMessage);
    typeRowWithTab(row(u"3/1/2024"_s, payee, payment));
    key(Qt::Key_Return, Qt::ControlModifier);

    QCOMPARE(m_screen->hintText(), hint);
    QCOMPARE(errors.isEmpty() ? QString() : errors.first().first().toString(), status);
    QCOMPARE(m_app->scalar(u"SELECT COUNT(*) FROM transactions"_s).toInt(), 0);
    QCOMPARE(m_screen->model()->entryBuffer().payee, payee);
    QCOMPARE(m_screen->model()->entryBuffer().payment, payment);
}

void TestRegisterScreen::editExistingRowMovesBelow()
{
    m_state->preferencesRepository()->setBool(u"registerNewestFirst"_s, true);
    const Account checking = m_app->addAccount(u"Checking"_s);
    const Transaction a = m_app->addTransaction(checking.id, QDate(2024, 1, 1), u"Alpha"_s, -100);
    const Transaction b = m_app->addTransaction(checking.id, QDate(2024, 1, 2), u"Bravo"_s, -200);
    m_app->addTransaction(checking.id, QDate(2024, 1, 3), u"Charlie"_s, -300);
    openAccount(checking.id);
    RegisterModel *model = m_screen->model();
    keys(Qt::Key_Down, 2);
    QCOMPARE(model->rowAt(currentRow())->transaction.id, b.id);
    const int edited = currentRow();

    key(Qt::Key_Return);
    keys(Qt::Key_Tab, 2);
    type(u"Bravo Renamed"_s);
    keys(Qt::Key_Tab, 3);
    type(u"2.50"_s);
    key(Qt::Key_Return, Qt::ControlModifier);

    const auto saved = m_state->transactionRepository()->findById(b.id);
    QCOMPARE(describe(*saved), u"2024-01-02|Bravo Renamed|-250|||"_s);
    QCOMPARE(saved->created_at, b.created_at);
    QCOMPARE(stored(checking.id).size(), 3);
    // The row below is now current and being edited.
    QCOMPARE(currentRow(), edited + 1);
    QCOMPARE(model->editRow(), edited + 1);
    QCOMPARE(model->entryBuffer().payee, a.payee);
}

void TestRegisterScreen::transferLegsStayTogether()
{
    const Account checking = m_app->addAccount(u"Checking"_s);
    const Account savings = m_app->addAccount(u"Savings"_s);
    m_app->addTransaction(checking.id, QDate(2024, 1, 1), u"Salary"_s, 500000);
    openAccount(checking.id);
    Typed transfer = row(u"3/15/2024"_s, u"[Transfer] Savings"_s, u"25.00"_s);
    transfer.memo = u"rainy day"_s;
    typeRowWithTab(transfer);
    key(Qt::Key_Return);
    const Transaction out = stored(checking.id).first();
    const Transaction in = stored(savings.id).value(0);
    QCOMPARE(describe(out), u"2024-03-15|Transfer to Savings|-2500|rainy day||"_s);
    QCOMPARE(describe(in), u"2024-03-15|Transfer from Checking|2500|||"_s);
    QCOMPARE(out.transfer_link_id, in.id);
    QCOMPARE(in.transfer_link_id, out.id);
    QCOMPARE(out.transfer_dest_account_id, savings.id);
    QCOMPARE(in.transfer_dest_account_id, checking.id);

    // Editing one leg's amount moves the other leg with it.
    key(Qt::Key_Up);
    key(Qt::Key_Return);
    keys(Qt::Key_Tab, 5);
    QCOMPARE(currentColumn(), int(RegisterModel::PaymentColumn));
    type(u"55"_s);
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(m_state->transactionRepository()->findById(out.id)->amount, qint64(-5500));
    QCOMPARE(m_state->transactionRepository()->findById(in.id)->amount, qint64(5500));

    // Deleting from the receiving side removes both legs.
    openAccount(savings.id);
    key(Qt::Key_Up);
    QString asked;
    answerMessageBox(QMessageBox::Yes, &asked);
    key(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(asked, u"Delete transfer \"Transfer from Checking\" for $55.00?\n\n"
                    "Both sides of the transfer will be deleted."_s);
    QVERIFY(stored(savings.id).isEmpty());
    QCOMPARE(stored(checking.id).size(), 1);
}

void TestRegisterScreen::entryRowKeys()
{
    const Account checking = m_app->addAccount(u"Checking"_s);
    m_app->addTransaction(checking.id, QDate(2024, 1, 1), u"Landlord"_s, -90000);
    openAccount(checking.id);
    RegisterModel *model = m_screen->model();

    // ' copies the field from the row above.
    m_screen->tableView()->setCurrentIndex(model->index(model->entryRow(), RegisterModel::PayeeColumn));
    key(Qt::Key_Apostrophe);
    QCOMPARE(model->entryBuffer().payee, u"Landlord"_s);

    // Escape reverts only the open field; leaving the payee filled the rest.
    key(Qt::Key_Return);
    keys(Qt::Key_Tab, 3);
    QCOMPARE(currentColumn(), int(RegisterModel::PaymentColumn));
    type(u"99"_s);
    key(Qt::Key_Escape);
    QVERIFY(!m_screen->tableView()->currentEditor());
    QCOMPARE(model->entryBuffer().payee, u"Landlord"_s);
    QCOMPARE(model->entryBuffer().payment, u"900.00"_s);

    // Ctrl+D on the entry row clears what was typed; nothing is deleted.
    key(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(m_screen->hintText(), u"Fields cleared"_s);
    QVERIFY(model->entryBuffer().payee.isEmpty());

    // Ctrl+I leaves an edited row for a fresh entry with today's date.
    key(Qt::Key_Up);
    QCOMPARE(model->editRow(), 0);
    key(Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(model->editRow(), -1);
    QCOMPARE(currentRow(), model->entryRow());
    QCOMPARE(qobject_cast<QLineEdit *>(focus())->text(), u"6/15/2024"_s);
    // Ctrl+N opens the form for a new transaction instead.
    bool formShown = false;
    whenShown<TransactionFormDialog>([&formShown](TransactionFormDialog *dialog) {
        formShown = !dialog->isEditing();
        dialog->reject();
    });
    key(Qt::Key_N, Qt::ControlModifier);
    QVERIFY(formShown);
    QCOMPARE(stored(checking.id).size(), 1);
}

void TestRegisterScreen::payeeAutofillOnEntryRow()
{
    const Category power = m_app->state()->categoryRepository()->findByName(u"Groceries"_s).value();
    const Account checking = m_app->addAccount(u"Checking"_s);
    const Account other = m_app->addAccount(u"Other"_s);
    m_app->addTransaction(checking.id, QDate(2024, 1, 1), u"Power Co"_s, -4000, power.id, u"old"_s);
    m_app->addTransaction(checking.id, QDate(2024, 2, 1), u"Power Co"_s, -4500, power.id, u"February bill"_s);
    m_app->addTransaction(other.id, QDate(2024, 3, 1), u"Power Co"_s, 999, QString(), u"elsewhere"_s);
    openAccount(checking.id);

    key(Qt::Key_Return);
    keys(Qt::Key_Tab, 2);
    type(u"Power Co"_s);
    key(Qt::Key_Return);
    const RegisterEntryBuffer &buffer = m_screen->model()->entryBuffer();
    QCOMPARE(buffer.payment, u"45.00"_s);
    QCOMPARE(buffer.categoryId, power.id);
    QCOMPARE(buffer.memo, u"February bill"_s);
    keys(Qt::Key_Return, 5);
    QCOMPARE(stored(checking.id).first().amount, qint64(-4500)); // newest first, dated today

    // Editing an existing row never autofills.
    key(Qt::Key_Up);
    key(Qt::Key_Return);
    keys(Qt::Key_Tab, 2);
    type(u"Power Co"_s);
    keys(Qt::Key_Tab, 3);
    type(u"12"_s);
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(stored(checking.id).first().amount, qint64(-1200));
}

void TestRegisterScreen::memorize()
{
    const Account checking = m_app->addAccount(u"Checking"_s);
    m_app->addTransaction(checking.id, QDate(1999, 12, 31), u"Old"_s, -100);
    m_app->addTransaction(checking.id, QDate(2024, 5, 3), u"Gym"_s, -3000, QString(), u"membership"_s);
    openAccount(checking.id);
    key(Qt::Key_Up);
    whenShown<RecurringFormDialog>([](RecurringFormDialog *dialog) { dialog->accept(); });
    key(Qt::Key_M, Qt::ControlModifier);
    const QList<RecurringTransaction> entries = m_state->recurringRepository()->findAll();
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first().amount, qint64(-3000));
    QCOMPARE(entries.first().next_due_date, QDate(2024, 5, 3));
    // A source before 2000 is refused rather than seeding a broken schedule.
    m_screen->tableView()->setFocus();
    key(Qt::Key_Up);
    key(Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(m_screen->hintText(), u"Cannot memorize: source transaction has an invalid date"_s);
    QCOMPARE(m_state->recurringRepository()->findAll().size(), 1);
}

void TestRegisterScreen::amountsFollowAccountCurrency()
{
    const Account yen = m_app->addAccount(u"Wallet"_s, Currency::JPY, 10000);
    openAccount(yen.id);
    typeRowWithTab(row(u"3/1/2024"_s, u"Ramen"_s, u"1,200"_s));
    key(Qt::Key_Return);
    QCOMPARE(stored(yen.id).first().amount, qint64(-1200));
    QCOMPARE(balanceText(), u"¥8,800"_s);
    QCOMPARE(m_screen->model()->index(1, RegisterModel::PaymentColumn).data().toString(), u"1,200"_s);

    key(Qt::Key_Up);
    QString asked;
    answerMessageBox(QMessageBox::No, &asked);
    key(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(asked, u"Delete \"Ramen\" for ¥1,200?"_s);
    QCOMPARE(stored(yen.id).size(), 1); // No keeps it

    // The computed opening-balance line has no row to save to: no editor.
    m_screen->tableView()->setFocus();
    key(Qt::Key_Up);
    QCOMPARE(currentRow(), 0);
    key(Qt::Key_Return);
    QVERIFY(!m_screen->tableView()->currentEditor());
    QCOMPARE(m_screen->model()->editRow(), -1);
}

void TestRegisterScreen::outsideChangesWaitAndKeepTheEntry()
{
    const Account checking = m_app->addAccount(u"Checking"_s);
    const Account savings = m_app->addAccount(u"Savings"_s);
    openAccount(checking.id);
    key(Qt::Key_Return);
    keys(Qt::Key_Tab, 2);
    type(u"Half typed"_s);
    key(Qt::Key_Tab);

    // A posting from elsewhere while an editor is open shows once it closes.
    m_app->addTransaction(checking.id, QDate(2024, 1, 1), u"Posted"_s, -500);
    QCoreApplication::processEvents();
    QVERIFY(m_screen->tableView()->currentEditor());
    QCOMPARE(m_screen->model()->rows().size(), 0);
    key(Qt::Key_Escape);
    QTRY_COMPARE(m_screen->model()->rows().size(), 1);
    QCOMPARE(m_screen->model()->entryBuffer().payee, u"Half typed"_s);

    // Another account's register starts empty.
    openAccount(savings.id);
    QVERIFY(m_screen->model()->entryBuffer().payee.isEmpty());
}

void TestRegisterScreen::localRefreshMatchesStore()
{
    // Saves patch the loaded rows in place; they must equal a fresh read.
    m_state->preferencesRepository()->setBool(u"registerNewestFirst"_s, true);
    const Account checking = m_app->addAccount(u"Checking"_s, Currency::USD, 50000);
    const Transaction a = m_app->addTransaction(checking.id, QDate(2024, 1, 10), u"A"_s, -1000);
    const Transaction b = m_app->addTransaction(checking.id, QDate(2024, 1, 20), u"B"_s, -2000);
    m_app->addTransaction(checking.id, QDate(2024, 1, 20), u"C"_s, 7000);
    const Transaction d = m_app->addTransaction(checking.id, QDate(2024, 1, 30), u"D"_s, -400);
    openAccount(checking.id);
    const auto verify = [&] {
        const QList<RegisterRow> fresh = m_state->transactionRepository()->registerRows(checking.id);
        QList<RegisterRow> shown = m_screen->model()->rows();
        std::reverse(shown.begin(), shown.end());
        QCOMPARE(shown.size(), fresh.size());
        for (qsizetype k = 0; k < fresh.size(); ++k) {
            QCOMPARE(shown.at(k).transaction.id, fresh.at(k).transaction.id);
            QCOMPARE(shown.at(k).running_balance, fresh.at(k).running_balance);
            QCOMPARE(shown.at(k).category_name, fresh.at(k).category_name);
        }
        QCOMPARE(balanceText(), formatMoney(fresh.constLast().running_balance, Currency::USD));
    };
    verify();
    // New rows on a day that has rows and before every row.
    for (const QString &date : {u"1/20/2024"_s, u"1/1/2024"_s}) {
        typeRowWithTab(row(date, u"New "_s + date, u"3"_s, u"Transportation > Gas/Fuel"_s));
        key(Qt::Key_Return);
        verify();
    }
    // An edit that moves a row to a later date.
    selectTransaction(b.id, RegisterModel::DateColumn);
    key(Qt::Key_Return);
    type(u"2/5/2024"_s);
    key(Qt::Key_Return, Qt::ControlModifier);
    verify();
    // Deleting the first and the last stored rows.
    for (const QString &id : {a.id, d.id}) {
        selectTransaction(id, RegisterModel::PayeeColumn);
        answerMessageBox(QMessageBox::Yes);
        key(Qt::Key_D, Qt::ControlModifier);
        verify();
    }
}

void TestRegisterScreen::contextMenuTogglesCleared()
{
    const Account checking = m_app->addAccount(u"Checking"_s);
    Transaction t = m_app->addTransaction(checking.id, QDate(2024, 1, 1), u"Cafe"_s, -300);
    t.cleared = true;
    t.version = 4;
    t.sync_status = SyncStatus::Synced;
    QVERIFY(m_state->transactionRepository()->update(t));
    openAccount(checking.id);
    chooseMenuEntry(u"Mark &Uncleared"_s);
    m_screen->onContextMenu(m_screen->tableView()->visualRect(m_screen->model()->index(0, 2)).center());
    const auto saved = m_state->transactionRepository()->findById(t.id);
    QVERIFY(!saved->cleared);
    QCOMPARE(saved->version, 4); // the flag flip keeps the version
    QCOMPARE(saved->sync_status, SyncStatus::Pending);
}

PENWICK_TEST_MAIN(TestRegisterScreen)
#include "tst_registerscreen.moc"
