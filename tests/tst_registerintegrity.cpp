#include "testsupport.h"

#include "app/appstate.h"
#include "app/money.h"
#include "app/thememanager.h"
#include "services/accountworkflowservice.h"
#include "services/recurringservice.h"
#include "services/transactionservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "ui/calendarpopup.h"
#include "ui/dateinput.h"
#include "ui/mainwindow.h"
#include "ui/registermodel.h"
#include "ui/registerscreen.h"
#include "ui/registertableview.h"
#include "ui/screens/recurringscreen.h"
#include "ui/statusbar.h"
#include "ui/transactionformdialog.h"

#include <QAbstractButton>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSqlRecord>
#include <QTableView>
#include <QTimer>
#include <functional>
#include <memory>

namespace {

const QDate kToday(2026, 12, 6);

// Every row of the money tables, for before/after comparison.
QString snapshot(const QSqlDatabase &db)
{
    QString out;
    for (const char *table : {"accounts", "transactions", "recurring_transactions", "reconciliations"}) {
        QSqlQuery q(db);
        q.exec(u"SELECT * FROM %1 ORDER BY id"_s.arg(QLatin1String(table)));
        while (q.next()) {
            for (int c = 0; c < q.record().count(); ++c)
                out += q.value(c).toString() + u'|';
            out += u'\n';
        }
    }
    return out;
}


} // namespace

class TestRegisterIntegrity : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void typingWithNoEditorAddsANewRow_data();
    void typingWithNoEditorAddsANewRow();
    void refusedValuesStoreNothing_data();
    void refusedValuesStoreNothing();
    void twoDigitYearsGoToTheNearestCentury_data();
    void twoDigitYearsGoToTheNearestCentury();
    void multiRowChangesRollBackWhole_data();
    void multiRowChangesRollBackWhole();
    void busyDatabaseSaysSo();
    void failedWritesAreShown_data();
    void failedWritesAreShown();
    void transfersStayTransfers_data();
    void transfersStayTransfers();
    void dialogRefusesWhatTheRegisterRefuses();
    void calendarStaysOnScreen_data();
    void calendarStaysOnScreen();
    void startupMessageWaitsForTheWindow();

private:
    std::pair<Transaction, Transaction> addTransfer(const Account &from, const Account &to, qint64 amount);
    QSqlDatabase db() const { return m_state->database()->connection(); }
    void openRegister(const QString &accountId);
    QWidget *focus() const;
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void type(const QString &text);
    // Types a whole new row into the entry row: Date .. Deposit, Tab between.
    void typeRow(const QStringList &fields);

    std::unique_ptr<TestApp> m_app;
    AppState *m_state = nullptr;
    std::unique_ptr<RegisterScreen> m_screen;
};

void TestRegisterIntegrity::init()
{
    m_app = std::make_unique<TestApp>();
    QVERIFY(m_app->isReady());
    m_state = m_app->state();
    QApplication::setPalette(ThemeManager::lightPalette());
}

void TestRegisterIntegrity::cleanup()
{
    m_screen.reset();
    m_app.reset();
    m_state = nullptr;
}

std::pair<Transaction, Transaction> TestRegisterIntegrity::addTransfer(const Account &from, const Account &to,
                                                                       qint64 amount)
{
    Transaction out = m_app->addTransaction(from.id, kToday.addDays(-3), u"Transfer to %1"_s.arg(to.name), -amount);
    Transaction in = m_app->addTransaction(to.id, kToday.addDays(-3), u"Transfer from %1"_s.arg(from.name), amount);
    out.transfer_link_id = in.id;
    out.transfer_dest_account_id = to.id;
    in.transfer_link_id = out.id;
    in.transfer_dest_account_id = from.id;
    m_state->transactionRepository()->update(out);
    m_state->transactionRepository()->update(in);
    return {out, in};
}

void TestRegisterIntegrity::openRegister(const QString &accountId)
{
    m_screen = std::make_unique<RegisterScreen>(m_state);
    m_screen->setTodayFunction([] { return kToday; });
    m_screen->resize(1100, 600);
    m_screen->show();
    m_screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
    m_screen->setAccount(accountId);
    m_screen->tableView()->setFocus();
    QCoreApplication::processEvents();
}

QWidget *TestRegisterIntegrity::focus() const
{
    QWidget *w = QApplication::focusWidget();
    return w ? w : m_screen->tableView();
}

void TestRegisterIntegrity::key(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(focus(), Qt::Key(key), modifiers);
    QCoreApplication::processEvents();
}

void TestRegisterIntegrity::type(const QString &text)
{
    // One key at a time to whatever has focus: the first key may open an editor.
    for (const QChar c : text)
        QTest::keyClick(focus(), c.toLatin1());
    QCoreApplication::processEvents();
}

void TestRegisterIntegrity::typeRow(const QStringList &fields)
{
    for (int column = 0; column < fields.size(); ++column) {
        if (auto *line = qobject_cast<QLineEdit *>(focus()))
            line->setCompleter(nullptr); // a popup would take the focus offscreen
        if (column > 0 || !fields.at(0).isEmpty()) {
            QTest::keyClick(focus(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(focus(), Qt::Key_Backspace);
        }
        type(fields.at(column));
        if (column + 1 < fields.size())
            key(Qt::Key_Tab);
    }
}

void TestRegisterIntegrity::typingWithNoEditorAddsANewRow_data()
{
    QTest::addColumn<bool>("refuseFirst");
    QTest::newRow("straight after opening") << false;
    QTest::newRow("after a refused save") << true;
}

void TestRegisterIntegrity::typingWithNoEditorAddsANewRow()
{
    QFETCH(bool, refuseFirst);
    const Account checking = m_app->addAccount(u"Checking"_s);
    const Transaction existing = m_app->addTransaction(checking.id, QDate(2026, 12, 5), u"Grocer"_s, -1000);
    openRegister(checking.id);
    // No editor and no current cell: what a refused save used to leave behind.
    m_screen->tableView()->selectionModel()->clearCurrentIndex();
    QVERIFY(!m_screen->tableView()->currentEditor());

    type(u"12/5/2026"_s);
    QVERIFY(m_screen->tableView()->currentEditor());
    QCOMPARE(m_screen->tableView()->currentIndex().row(), m_screen->model()->entryRow());
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    type(u"Bakery"_s);
    if (refuseFirst) {
        key(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(m_screen->hintText(), u"Enter a payment or deposit amount"_s);
        QCOMPARE(m_screen->tableView()->currentIndex().column(), int(RegisterModel::PaymentColumn));
        QCOMPARE(m_screen->model()->entryBuffer().payee, u"Bakery"_s);
    } else {
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
    }
    type(u"20"_s);
    key(Qt::Key_Return, Qt::ControlModifier);

    const QList<Transaction> all = m_state->transactionRepository()->findByAccount(checking.id);
    QCOMPARE(all.size(), 2);
    const auto kept = m_state->transactionRepository()->findById(existing.id);
    QCOMPARE(kept->payee, u"Grocer"_s);
    QCOMPARE(kept->amount, qint64(-1000));
    QCOMPARE(kept->version, existing.version);
    const Transaction added = all.at(0).id == existing.id ? all.at(1) : all.at(0);
    QCOMPARE(added.payee, u"Bakery"_s);
    QCOMPARE(added.date, QDate(2026, 12, 5));
    QCOMPARE(added.amount, qint64(-2000));
}

void TestRegisterIntegrity::refusedValuesStoreNothing_data()
{
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QStringList>("fields"); // date, chk, payee, category, memo, payment, deposit
    QTest::addColumn<int>("mendColumn");
    QTest::addColumn<QString>("hint");
    const auto row = [](const QString &date, const QString &category, const QString &payment, const QString &deposit) {
        return QStringList{date, QString(), u"Shop"_s, category, QString(), payment, deposit};
    };
    const int pay = RegisterModel::PaymentColumn;
    QTest::newRow("letters") << Currency::USD << row({}, {}, u"abc"_s, {}) << pay << u"Payment: \"abc\" is not an amount"_s;
    QTest::newRow("infinity") << Currency::USD << row({}, {}, u"inf"_s, {}) << pay << u"Payment: \"inf\" is not an amount"_s;
    QTest::newRow("exponent") << Currency::USD << row({}, {}, {}, u"1e3"_s) << int(RegisterModel::DepositColumn)
                              << u"Deposit: \"1e3\" is not an amount"_s;
    QTest::newRow("two points") << Currency::USD << row({}, {}, u"1.2.3"_s, {}) << pay << u"Payment: \"1.2.3\" is not an amount"_s;
    QTest::newRow("beyond range") << Currency::USD << row({}, {}, u"99999999999999999999"_s, {}) << pay
                                  << u"Payment: the amount is too large"_s;
    QTest::newRow("yen with cents") << Currency::JPY << row({}, {}, u"12.50"_s, {}) << pay
                                    << u"Payment: this currency has no minor units; enter a whole amount"_s;
    QTest::newRow("no such day") << Currency::USD << row(u"2/30/2026"_s, {}, u"5"_s, {}) << int(RegisterModel::DateColumn)
                                 << u"\"2/30/2026\" is not a valid date"_s;
    QTest::newRow("unknown category") << Currency::USD << row({}, u"Zzyzx"_s, u"5"_s, {}) << int(RegisterModel::CategoryColumn)
                                      << u"No category matches \"Zzyzx\""_s;
    QTest::newRow("ambiguous category") << Currency::USD << row({}, u"Gro"_s, u"5"_s, {}) << int(RegisterModel::CategoryColumn)
                                        << u"\"Gro\" matches several categories: choose one"_s;
}

void TestRegisterIntegrity::refusedValuesStoreNothing()
{
    QFETCH(Currency, currency);
    QFETCH(QStringList, fields);
    QFETCH(int, mendColumn);
    QFETCH(QString, hint);
    const Account account = m_app->addAccount(u"Wallet"_s, currency);
    // Two categories start with "Gro": a beginning must name exactly one.
    for (const QString &name : {u"Groceries Extra"_s, u"Growth Fund"_s}) {
        Category c;
        c.id = newId();
        c.name = name;
        c.created_at = c.updated_at = QDateTime::currentDateTimeUtc();
        m_state->categoryRepository()->insert(c);
    }
    openRegister(account.id);
    key(Qt::Key_Return);
    typeRow(fields);
    key(Qt::Key_Return, Qt::ControlModifier);

    QCOMPARE(m_screen->hintText(), hint);
    QVERIFY(m_state->transactionRepository()->findByAccount(account.id).isEmpty());
    QCOMPARE(m_screen->model()->entryBuffer().payee, u"Shop"_s);
    QCOMPARE(m_screen->tableView()->currentIndex().column(), mendColumn);
    QVERIFY(m_screen->tableView()->currentEditor());
}

void TestRegisterIntegrity::twoDigitYearsGoToTheNearestCentury_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("recent") << u"1/2/24"_s << kToday << QDate(2024, 1, 2);
    QTest::newRow("last century") << u"7/4/99"_s << kToday << QDate(1999, 7, 4);
    QTest::newRow("leap day of 2000") << u"2/29/00"_s << kToday << QDate(2000, 2, 29);
    QTest::newRow("near the turn") << u"1/5/01"_s << QDate(2099, 12, 20) << QDate(2101, 1, 5);
    QTest::newRow("no such day") << u"2/30/26"_s << kToday << QDate();
    QTest::newRow("four digits kept") << u"3/5/1924"_s << kToday << QDate(1924, 3, 5);
}

void TestRegisterIntegrity::twoDigitYearsGoToTheNearestCentury()
{
    QFETCH(QString, text);
    QFETCH(QDate, today);
    QFETCH(QDate, expected);
    QCOMPARE(DateInput::fromText(text, today), expected);
}

void TestRegisterIntegrity::multiRowChangesRollBackWhole_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("onSecondLeg");
    QTest::newRow("new transfer") << u"add transfer"_s << u"INSERT"_s << u"transactions"_s << true;
    QTest::newRow("edit a transfer leg") << u"edit transfer"_s << u"UPDATE"_s << u"transactions"_s << true;
    QTest::newRow("delete a transfer") << u"delete transfer"_s << u"UPDATE"_s << u"transactions"_s << true;
    QTest::newRow("account with opening balance") << u"create account"_s << u"INSERT"_s << u"transactions"_s << false;
    QTest::newRow("delete account: last write") << u"delete account"_s << u"UPDATE"_s << u"accounts"_s << false;
    QTest::newRow("delete account: recurring") << u"delete account"_s << u"UPDATE"_s << u"recurring_transactions"_s << false;
}

void TestRegisterIntegrity::multiRowChangesRollBackWhole()
{
    QFETCH(QString, change);
    QFETCH(QString, operation);
    QFETCH(QString, table);
    QFETCH(bool, onSecondLeg);
    const Account checking = m_app->addAccount(u"Checking"_s);
    const Account savings = m_app->addAccount(u"Savings"_s);
    const auto [out, in] = addTransfer(checking, savings, 5500);
    m_app->addRecurring(checking.id, u"Rent"_s, -100000, kToday);

    // Inserts fail on the second leg written (the first is the other side),
    // updates on the leg in Savings.
    const QString when = !onSecondLeg ? QString()
                         : operation == u"INSERT" ? u"NEW.account_id = '%1'"_s.arg(checking.id)
                                                  : u"OLD.id = '%1'"_s.arg(in.id);
    const QString before = snapshot(db());
    QVERIFY(failWritesTo(db(), table, operation, when));

    WriteResult result;
    if (change == u"add transfer") {
        Transaction t = out;
        t.id = newId();
        Transaction other = in;
        other.id = newId();
        t.transfer_link_id = other.id;
        other.transfer_link_id = t.id;
        result = m_state->transactionService()->add(t, other);
    } else if (change == u"edit transfer") {
        Transaction edited = out;
        edited.amount = -4000;
        result = m_state->transactionService()->update(edited);
    } else if (change == u"delete transfer") {
        result = m_state->transactionService()->remove(out.id);
    } else if (change == u"create account") {
        Account a;
        a.id = newId();
        a.name = u"Brokerage"_s;
        a.created_at = a.updated_at = QDateTime::currentDateTimeUtc();
        result = m_state->accountWorkflowService()->create(a, 250000, kToday);
    } else {
        result = m_state->accountWorkflowService()->remove(checking.id);
    }
    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(snapshot(db()), before);
}

void TestRegisterIntegrity::busyDatabaseSaysSo()
{
    const Account checking = m_app->addAccount(u"Checking"_s);
    const Transaction t = m_app->addTransaction(checking.id, kToday, u"Grocer"_s, -1000);
    Database::setBusyTimeout(50);
    {
        // Another program holds the write lock.
        QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other"_s);
        other.setDatabaseName(m_state->database()->connection().databaseName());
        QVERIFY(other.open());
        QSqlQuery lock(other);
        QVERIFY(lock.exec(u"BEGIN IMMEDIATE"_s));
        const WriteResult result = m_state->transactionService()->remove(t.id);
        QCOMPARE(result.error, Database::busyMessage());
        QVERIFY(lock.exec(u"ROLLBACK"_s));
        other.close();
    }
    QSqlDatabase::removeDatabase(u"other"_s);
    Database::setBusyTimeout(Database::kDefaultBusyTimeoutMs);
    QVERIFY(!m_state->transactionRepository()->findById(t.id)->deleted_at);
}

void TestRegisterIntegrity::failedWritesAreShown_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("register: edit a transfer leg") << u"edit"_s;
    QTest::newRow("register: delete a transfer") << u"delete"_s;
    QTest::newRow("main window: delete the account") << u"delete account"_s;
    QTest::newRow("recurring window: delete an entry") << u"delete recurring"_s;
}

void TestRegisterIntegrity::failedWritesAreShown()
{
    QFETCH(QString, action);
    const Account checking = m_app->addAccount(u"Checking"_s);
    const Account savings = m_app->addAccount(u"Savings"_s);
    const auto [out, in] = addTransfer(checking, savings, 5500);
    m_app->addRecurring(checking.id, u"Rent"_s, -100000, kToday);
    const QString before = snapshot(db());
    const QString table = action == u"delete account" ? u"accounts"_s
        : action == u"delete recurring"               ? u"recurring_transactions"_s
                                                      : u"transactions"_s;
    QVERIFY(failWritesTo(db(), table, u"UPDATE"_s, table == u"transactions" ? u"OLD.id = '%1'"_s.arg(in.id) : QString()));

    if (action == u"delete recurring") {
        RecurringScreen screen(m_state, m_state->recurringService());
        screen.reload();
        auto *view = screen.findChild<QTableView *>(u"recurringView"_s);
        view->selectRow(0);
        QString warning;
        whenShown<QMessageBox>([&warning](QMessageBox *box) {
            box->button(QMessageBox::Yes)->click();
            whenShown<QMessageBox>([&warning](QMessageBox *failure) {
                warning = failure->text();
                failure->accept();
            });
        });
        screen.deleteSelected();
        QCOMPARE(warning, u"The recurring entry could not be deleted. Nothing was changed."_s);
    } else if (action == u"delete account") {
        m_state->setCurrentAccountId(checking.id);
        MainWindow window(m_state);
        window.show();
        QString warning;
        whenShown<QMessageBox>([&warning](QMessageBox *box) {
            if (box->icon() == QMessageBox::Warning && box->standardButtons().testFlag(QMessageBox::Yes)) {
                box->button(QMessageBox::Yes)->click(); // the question first
                whenShown<QMessageBox>([&warning](QMessageBox *failure) {
                    warning = failure->text();
                    failure->accept();
                });
            }
        });
        window.deleteCurrentAccount();
        QCOMPARE(warning, u"The account could not be deleted. Nothing was changed."_s);
        QCOMPARE(m_state->currentAccountId(), checking.id);
    } else {
        openRegister(checking.id);
        m_screen->tableView()->setCurrentIndex(m_screen->model()->index(0, RegisterModel::PaymentColumn));
        if (action == u"edit") {
            key(Qt::Key_Return);
            typeRow({u"40"_s});
            key(Qt::Key_Return, Qt::ControlModifier);
            QCOMPARE(m_screen->model()->rowAt(0)->transaction.amount, qint64(-5500));
        } else {
            whenShown<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::Yes)->click(); });
            key(Qt::Key_D, Qt::ControlModifier);
            QCOMPARE(m_screen->model()->rows().size(), 1);
        }
        QVERIFY(m_screen->hintText().contains(u"Nothing was changed"_s));
    }
    QCOMPARE(snapshot(db()), before);
}

void TestRegisterIntegrity::transfersStayTransfers_data()
{
    QTest::addColumn<bool>("viaCompleter");
    QTest::newRow("copied from above") << false;
    QTest::newRow("completer offers the transfer") << true;
}

void TestRegisterIntegrity::transfersStayTransfers()
{
    QFETCH(bool, viaCompleter);
    const Account checking = m_app->addAccount(u"Checking"_s);
    const Account savings = m_app->addAccount(u"Savings"_s);
    addTransfer(checking, savings, 5500);
    openRegister(checking.id);
    key(Qt::Key_Return);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    auto *payee = qobject_cast<QLineEdit *>(focus());
    QVERIFY(payee && payee->completer());
    QStringList offered;
    for (int r = 0; r < payee->completer()->model()->rowCount(); ++r)
        offered.append(payee->completer()->model()->index(r, 0).data().toString());
    QVERIFY(offered.contains(u"[Transfer] Savings"_s));
    QVERIFY(!offered.contains(u"Transfer to Savings"_s));

    if (viaCompleter) {
        typeRow({u"[Transfer] Savings"_s, QString(), QString(), u"12"_s});
    } else {
        // The apostrophe works on the table with no editor open.
        QTest::keyClick(payee, Qt::Key_Escape);
        m_screen->tableView()->setFocus();
        key(Qt::Key_Apostrophe);
        QCOMPARE(m_screen->model()->entryBuffer().payee, u"[Transfer] Savings"_s);
        m_screen->tableView()->setCurrentIndex(
            m_screen->model()->index(m_screen->model()->entryRow(), RegisterModel::PaymentColumn));
        key(Qt::Key_Return);
        typeRow({u"12"_s});
    }
    key(Qt::Key_Return, Qt::ControlModifier);
    const QList<Transaction> inSavings = m_state->transactionRepository()->findByAccount(savings.id);
    QCOMPARE(inSavings.size(), 2);
    for (const Transaction &t : m_state->transactionRepository()->findByAccount(checking.id))
        QVERIFY2(!t.transfer_link_id.isEmpty(), qPrintable(t.payee));
}

void TestRegisterIntegrity::dialogRefusesWhatTheRegisterRefuses()
{
    const Account checking = m_app->addAccount(u"Checking"_s);
    TransactionFormDialog dialog(m_state, checking.id);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.findChild<QLabel *>(u"errorLabel"_s)->text(), u"Payee is required"_s);
}

void TestRegisterIntegrity::calendarStaysOnScreen_data()
{
    QTest::addColumn<QPoint>("field");
    QTest::addColumn<QPoint>("expected");
    // Screen 1000 x 800, field 20 px high, popup 300 x 200.
    QTest::newRow("room below") << QPoint(100, 100) << QPoint(100, 119);
    QTest::newRow("no room below: above") << QPoint(100, 700) << QPoint(100, 500);
    QTest::newRow("right edge") << QPoint(900, 100) << QPoint(700, 119);
}

void TestRegisterIntegrity::calendarStaysOnScreen()
{
    QFETCH(QPoint, field);
    QFETCH(QPoint, expected);
    QCOMPARE(CalendarPopup::placement(field, 20, QSize(300, 200), QRect(0, 0, 1000, 800)), expected);
}

void TestRegisterIntegrity::startupMessageWaitsForTheWindow()
{
    const Account checking = m_app->addAccount(u"Checking"_s);
    m_app->addRecurring(checking.id, u"Salary"_s, 100, QDate::currentDate().addDays(-1), true);
    MainWindow window(m_state);
    auto *status = window.findChild<StatusBar *>();
    QVERIFY(status->currentMessage().isEmpty());
    window.show();
    QTRY_VERIFY(!status->currentMessage().isEmpty());
    // A temporary message hides the labels it would otherwise cover.
    QVERIFY(!window.findChild<QLabel *>(u"accountCountLabel"_s)->isVisible());
}

PENWICK_TEST_MAIN(TestRegisterIntegrity)
#include "tst_registerintegrity.moc"
