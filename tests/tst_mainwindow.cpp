#include "testsupport.h"

#include "app/appstate.h"
#include "app/money.h"
#include "services/recurringservice.h"
#include "services/sampledataservice.h"
#include "storage/accountrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/transactionrepository.h"
#include "ui/accountformdialog.h"
#include "ui/accountlistwidget.h"
#include "ui/mainwindow.h"
#include "ui/registertableview.h"
#include "ui/screens/importscreen.h"
#include "ui/screens/recurringscreen.h"
#include "ui/smartamountfield.h"
#include "ui/statusbar.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>

namespace {

const QLabel *balanceLabel(const AccountListWidget *list, int row)
{
    const QWidget *rowWidget = list->itemWidget(list->item(row));
    return rowWidget ? rowWidget->findChild<QLabel *>(u"balanceLabel"_s) : nullptr;
}

QString balanceText(const AccountListWidget *list, int row)
{
    const QLabel *label = balanceLabel(list, row);
    return label ? label->text() : QString();
}

// A right-click on a row, as the platform reports it.
void openContextMenu(AccountListWidget *list, int row)
{
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &event);
}

QAction *findAction(QWidget *window, const QString &text)
{
    for (QAction *candidate : window->findChildren<QAction *>()) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
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
    void sidebarBalancesFollowTransactions();
    void sidebarNamesEachAccountType();
    void orderAndShortcuts();
    void deleteAccountCascade_data();
    void deleteAccountCascade();
    void editAccountKeepsItsBalance();
    void actionsNeedAnAccount();
    void autoPostAtStart_data();
    void autoPostAtStart();
    void toolWindowsOpenOnce_data();
    void toolWindowsOpenOnce();
    void droppedFilesOpenTheImportWindow_data();
    void droppedFilesOpenTheImportWindow();
    void helpBoxesAndGeometry();
    void sampleDataKeepsTheOwnSelection_data();
    void sampleDataKeepsTheOwnSelection();

public slots:
    void openUrl(const QUrl &url) { m_opened = url; } // stands in for the browser

private:
    Account addAccount(const QString &name, qint64 starting = 0, int sortOrder = 0)
    {
        return insertAccount(m_state->accountRepository(), name, Currency::USD, starting, sortOrder);
    }
    int liveCount(const QString &table, const QString &accountId) const
    {
        return m_app->scalar(u"SELECT COUNT(*) FROM %1 WHERE account_id = ? AND deleted_at IS NULL"_s.arg(table),
                             {accountId})
            .toInt();
    }
    std::unique_ptr<MainWindow> showWindow();

    std::unique_ptr<TestApp> m_app;
    AppState *m_state = nullptr;
    QUrl m_opened;
};

void TestMainWindow::init()
{
    m_app = std::make_unique<TestApp>();
    QVERIFY(m_app->isReady());
    m_state = m_app->state();
    QSettings().remove(u"mainwindow"_s);
}

void TestMainWindow::cleanup()
{
    m_app.reset();
}

std::unique_ptr<MainWindow> TestMainWindow::showWindow()
{
    auto window = std::make_unique<MainWindow>(m_state);
    if (!showActive(window.get()))
        qWarning("main window did not become active");
    return window;
}

void TestMainWindow::newAccountOpeningBalance_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("opening");
    QTest::addColumn<bool>("cancel");
    QTest::newRow("positive") << u"1234.56"_s << qint64(123456) << false;
    QTest::newRow("zero: no transaction") << u"0"_s << qint64(0) << false;
    QTest::newRow("cancelled: nothing stored") << u"5"_s << qint64(0) << true;
}

void TestMainWindow::newAccountOpeningBalance()
{
    QFETCH(QString, typed);
    QFETCH(qint64, opening);
    QFETCH(bool, cancel);
    auto window = showWindow();
    whenShown<AccountFormDialog>([typed, cancel](AccountFormDialog *dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit *>(u"nameEdit"_s), u"Everyday Checking"_s);
        replaceText(dialog->findChild<SmartAmountField *>(u"startingBalanceSpin"_s), typed);
        if (cancel)
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);

    const QList<Account> accounts = m_state->accountRepository()->findAll();
    QCOMPARE(accounts.size(), cancel ? 0 : 1);
    if (cancel) {
        QCOMPARE(window->currentPage(), int(MainWindow::WelcomePage));
        return;
    }
    // The balance becomes one opening transaction, never a starting balance too.
    QCOMPARE(accounts.first().starting_balance, qint64(0));
    const QList<Transaction> transactions = m_app->transactionsOf(accounts.first().id);
    QCOMPARE(transactions.size(), opening ? 1 : 0);
    if (opening) {
        QCOMPARE(transactions.first().payee, u"Opening Balance"_s);
        QCOMPARE(transactions.first().amount, opening);
        QCOMPARE(transactions.first().date, QDate::currentDate());
        QVERIFY(transactions.first().cleared && transactions.first().reconciled);
    }
    QCOMPARE(m_state->currentAccountId(), accounts.first().id);
    QCOMPARE(window->currentPage(), int(MainWindow::RegisterPage));
    QCOMPARE(balanceText(window->findChild<AccountListWidget *>(), 0), formatMoney(opening, Currency::USD));
    QCOMPARE(window->findChild<QLabel *>(u"totalLabel"_s)->text(),
             u"Total: %1"_s.arg(formatMoney(opening, Currency::USD)));
}

void TestMainWindow::sidebarBalancesFollowTransactions()
{
    const Account account = addAccount(u"Checking"_s, 5000);
    m_app->addTransaction(account.id, QDate(2024, 3, 1), u"Rent"_s, -2000);
    // A soft-deleted row never counts.
    const Transaction gone = m_app->addTransaction(account.id, QDate(2024, 3, 1), u"Gone"_s, 999999);
    QVERIFY(m_state->transactionRepository()->softDelete(gone.id));
    const Account yen = insertAccount(m_state->accountRepository(), u"Yen"_s, Currency::JPY, 700, 1);

    auto window = showWindow();
    auto *list = window->findChild<AccountListWidget *>();
    QCOMPARE(balanceText(list, 0), formatMoney(3000, Currency::USD));
    QCOMPARE(balanceText(list, 1), formatMoney(700, Currency::JPY));

    const auto colour = [list] {
        const QLabel *label = balanceLabel(list, 0);
        return label->palette().color(label->foregroundRole());
    };
    const QColor positive = colour();
    m_app->addTransaction(account.id, QDate(2024, 3, 2), u"Car"_s, -4000);
    QTRY_COMPARE(balanceText(list, 0), formatMoney(-1000, Currency::USD));
    QVERIFY(colour() != positive);
    // One total per currency: different currencies never add up.
    QCOMPARE(window->findChild<QLabel *>(u"totalLabel"_s)->text(), u"Total: -$10.00 · ¥700"_s);
    QCOMPARE(list->currentRow(), 0); // the selection survives the rebuild
    Q_UNUSED(yen)
}

void TestMainWindow::sidebarNamesEachAccountType()
{
    for (int type = int(AccountType::Checking); type <= int(AccountType::Other); ++type) {
        Account account = addAccount(u"Account %1"_s.arg(type), 0, type);
        account.account_type = AccountType(type);
        QVERIFY(m_state->accountRepository()->update(account));
    }
    auto window = showWindow();
    const auto *list = window->findChild<AccountListWidget *>();
    QStringList shown;
    for (int row = 0; row < list->count(); ++row)
        shown << list->itemWidget(list->item(row))->findChild<QLabel *>(u"subtitleLabel"_s)->text();
    QCOMPARE(shown, (QStringList{u"Checking"_s, u"Savings"_s, u"Credit Card"_s, u"Cash"_s, u"Investment"_s,
                                 u"Other"_s}));
}

void TestMainWindow::orderAndShortcuts()
{
    QList<Account> accounts;
    for (int i = 0; i < 11; ++i)
        accounts.append(addAccount(u"Account %1"_s.arg(i + 1, 2, 10, QLatin1Char('0')), 100 * i, i));
    auto window = showWindow();
    auto *list = window->findChild<AccountListWidget *>();
    // Alt+1 .. Alt+9 and Alt+0 for the tenth; the eleventh has no key.
    QTest::keyClick(window.get(), Qt::Key_0, Qt::AltModifier);
    QCOMPARE(m_state->currentAccountId(), accounts.at(9).id);
    QTest::keyClick(window.get(), Qt::Key_2, Qt::AltModifier);
    QCOMPARE(m_state->currentAccountId(), accounts.at(1).id);
    QCOMPARE(list->currentRow(), 1);

    // A new order written by the list lands in the repository and survives a rebuild.
    emit list->orderChanged({{accounts.at(1).id, 0}, {accounts.at(0).id, 1}});
    QCOMPARE(m_state->accountRepository()->findById(accounts.at(1).id)->sort_order, 0);
    addAccount(u"Twelve"_s, 0, 20);
    QTRY_COMPARE(list->count(), 12);
    QCOMPARE(list->accountIdAt(0), accounts.at(1).id);
    // Rebuilding the list replaces the shortcuts rather than adding more.
    QCOMPARE(window->findChildren<QShortcut *>(QRegularExpression(u"^accountShortcut"_s)).size(), 10);
}

void TestMainWindow::deleteAccountCascade_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("yes") << QMessageBox::Yes;
    QTest::newRow("no") << QMessageBox::No;
}

void TestMainWindow::deleteAccountCascade()
{
    QFETCH(QMessageBox::StandardButton, answer);
    const Account selected = addAccount(u"Selected"_s, 0, 0);
    const Account other = addAccount(u"Other"_s, 0, 1);
    for (const Account &account : {selected, other}) {
        m_app->addTransaction(account.id, QDate(2024, 3, 1), u"Payee"_s, -1200);
        m_app->addRecurring(account.id, u"Gym"_s, -4500, QDate::currentDate().addMonths(1));
        Reconciliation reconciliation;
        reconciliation.id = newId();
        reconciliation.account_id = account.id;
        reconciliation.statement_date = QDate(2024, 2, 29);
        reconciliation.completed_at = QDateTime::currentDateTimeUtc();
        QVERIFY(m_state->reconciliationRepository()->insert(reconciliation));
    }
    m_state->setCurrentAccountId(selected.id);
    auto window = showWindow();
    auto *list = window->findChild<AccountListWidget *>();

    QString question;
    answerMessageBox(answer, &question);
    chooseMenuEntry(u"Delete \"Selected\""_s);
    openContextMenu(list, 0);
    QVERIFY(question.startsWith(u"Delete \"Selected\"?"_s));

    const int left = answer == QMessageBox::Yes ? 0 : 1;
    for (const QString &table : {u"transactions"_s, u"recurring_transactions"_s, u"reconciliations"_s}) {
        QCOMPARE(liveCount(table, selected.id), left);
        QCOMPARE(liveCount(table, other.id), 1); // nothing of the other account is touched
    }
    // The rows are kept, marked deleted, so the account can be restored.
    QCOMPARE(m_state->accountRepository()->findById(selected.id)->deleted_at.has_value(), !left);
    QCOMPARE(list->count(), 1 + left);
    // After deleting the shown account its neighbour is shown.
    QCOMPARE(m_state->currentAccountId(), left ? selected.id : other.id);
    QCOMPARE(window->currentPage(), int(MainWindow::RegisterPage));
}

void TestMainWindow::editAccountKeepsItsBalance()
{
    const Account account = addAccount(u"Old Name"_s, 4200);
    auto window = showWindow();
    whenShown<AccountFormDialog>([](AccountFormDialog *dialog) {
        replaceText(dialog->findChild<QLineEdit *>(u"nameEdit"_s), u"New Name"_s);
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    chooseMenuEntry(u"Edit \"Old Name\"..."_s);
    openContextMenu(window->findChild<AccountListWidget *>(), 0);
    const auto stored = m_state->accountRepository()->findById(account.id);
    QCOMPARE(stored->name, u"New Name"_s);
    // Editing never turns the starting balance into an opening transaction.
    QCOMPARE(stored->starting_balance, qint64(4200));
    QVERIFY(m_app->transactionsOf(account.id).isEmpty());
}

void TestMainWindow::actionsNeedAnAccount()
{
    auto window = showWindow();
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(window->statusBar()->currentMessage(), u"Select an account first"_s);
    window->statusBar()->clearMessage();
    window->showEditAccountDialog();
    QCOMPARE(window->statusBar()->currentMessage(), u"Select an account first"_s);
    window->deleteCurrentAccount();
    QCOMPARE(window->statusBar()->currentMessage(), u"Select an account first"_s);
    window->statusBar()->clearMessage();
    findAction(window.get(), u"&Share..."_s)->trigger();
    QCOMPARE(window->statusBar()->currentMessage(), u"Select an account first"_s);
    // A status message replaces a progress display.
    auto *bar = window->findChild<StatusBar *>();
    bar->showProgress(u"Checking"_s);
    QVERIFY(bar->isProgressShown() && bar->progressText() == u"Checking"_s);
    bar->showStatusMessage(u"Done"_s, 1000);
    QVERIFY(!bar->isProgressShown() && bar->syncText() == u"Not signed in"_s);

    // With an account, Ctrl+N starts an entry in its register.
    addAccount(u"Checking"_s);
    window.reset();
    window = showWindow();
    auto *table = window->findChild<RegisterTableView *>();
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(table->isEditing());
    // Sharing needs a Velmora account: signed out, the person is told so.
    QString told;
    answerMessageBox(QMessageBox::Cancel, &told);
    findAction(window.get(), u"&Share..."_s)->trigger();
    QCOMPARE(told, u"Sharing requires a Velmora account."_s);
}

void TestMainWindow::autoPostAtStart_data()
{
    QTest::addColumn<int>("monthsBehind");
    QTest::addColumn<bool>("autoPost");
    QTest::addColumn<int>("posted");
    QTest::addColumn<int>("dueAfter");
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
    m_app->addRecurring(account.id, u"Gym"_s, -4500, QDate::currentDate().addMonths(-monthsBehind), autoPost);
    auto window = showWindow();
    QCOMPARE(m_app->transactionsOf(account.id).size(), posted);
    QCOMPARE(window->statusBar()->currentMessage(),
             posted ? u"Auto-posted %1 recurring transaction(s)"_s.arg(posted) : QString());
    QCOMPARE(balanceText(window->findChild<AccountListWidget *>(), 0),
             formatMoney(100000 - 4500 * posted, Currency::USD));
    QCOMPARE(m_state->recurringService()->pendingCount(), dueAfter);
    QCOMPARE(window->findChild<StatusBar *>()->recurringDueText().isEmpty(), dueAfter == 0);
}

void TestMainWindow::toolWindowsOpenOnce_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("className");
    QTest::newRow("find") << u"&Find..."_s << u"SearchScreen"_s;
    QTest::newRow("import") << u"&Import..."_s << u"ImportScreen"_s;
    QTest::newRow("reports") << u"&Reports"_s << u"ReportsScreen"_s;
    QTest::newRow("recurring") << u"Re&curring Transactions"_s << u"RecurringScreen"_s;
    QTest::newRow("categories") << u"C&ategories"_s << u"CategoriesScreen"_s;
    QTest::newRow("payees") << u"Rename &Payees..."_s << u"PayeeScreen"_s;
    QTest::newRow("reconcile") << u"&Reconcile..."_s << u"ReconciliationScreen"_s;
    QTest::newRow("history") << u"Reconciliation &History..."_s << u"ReconciliationHistoryScreen"_s;
    // The account list's own menu.
    QTest::newRow("list: reconcile") << u"Reconcile..."_s << u"ReconciliationScreen"_s;
    QTest::newRow("list: history") << u"Reconciliation History..."_s << u"ReconciliationHistoryScreen"_s;
    QTest::newRow("list: payees") << u"Rename Payees..."_s << u"PayeeScreen"_s;
}

void TestMainWindow::toolWindowsOpenOnce()
{
    QFETCH(QString, command);
    QFETCH(QString, className);
    addAccount(u"Checking"_s);
    auto window = showWindow();
    const auto windows = [&] {
        QList<QWidget *> out;
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (QString::fromLatin1(w->metaObject()->className()) == className)
                out << w;
        }
        return out;
    };
    const auto request = [&] {
        if (QAction *action = findAction(window.get(), command))
            return action->trigger();
        chooseMenuEntry(command);
        openContextMenu(window->findChild<AccountListWidget *>(), 0);
    };
    request();
    QCOMPARE(windows().size(), 1);
    QWidget *shown = windows().constFirst();
    QTRY_VERIFY(shown->isVisible());
    // A second request brings the same window back.
    shown->hide();
    request();
    QCOMPARE(windows().size(), 1);
    QVERIFY(shown->isVisible());
}

void TestMainWindow::droppedFilesOpenTheImportWindow_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("chosen"); // the import window's file label; empty: no window
    QTest::newRow("qif") << QStringList{u"bank.QIF"_s} << u"bank.QIF"_s;
    QTest::newRow("csv") << QStringList{u"card.csv"_s} << u"card.csv"_s;
    QTest::newRow("one not importable") << QStringList{u"bank.qif"_s, u"notes.txt"_s} << QString();
    QTest::newRow("nothing importable") << QStringList{u"notes.txt"_s} << QString();
}

void TestMainWindow::droppedFilesOpenTheImportWindow()
{
    QFETCH(QStringList, names);
    QFETCH(QString, chosen);
    QTemporaryDir dir;
    QList<QUrl> urls;
    QStringList paths;
    for (const QString &name : names) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(name.endsWith(u"csv"_s, Qt::CaseInsensitive) ? "Date,Payee,Amount\n01/02/2024,Shop,-1.00\n"
                                                                : "!Type:Bank\nD01/02/2024\nT-1.00\nPShop\n^\n");
        file.close();
        urls << QUrl::fromLocalFile(file.fileName());
        paths << file.fileName();
    }
    addAccount(u"Checking"_s); // a CSV file goes to an existing account
    auto window = showWindow();
    QMimeData mime;
    mime.setUrls(urls);
    const QPoint centre = window->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(window.get(), &enter);
    QCOMPARE(enter.isAccepted(), !chosen.isEmpty());
    QDropEvent drop(centre, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(window.get(), &drop);
    auto *screen = window->findChild<ImportScreen *>();
    QCOMPARE(screen && screen->isVisible(), !chosen.isEmpty());
    if (screen)
        QCOMPARE(screen->findChild<QLabel *>(u"fileLabel"_s)->text(), chosen);
    // Handed over by a second start: the importable ones of them open.
    if (screen)
        screen->hide();
    window->openFiles(paths);
    screen = window->findChild<ImportScreen *>();
    QCOMPARE(screen && screen->isVisible(), names.size() > 1 || !chosen.isEmpty());
}

void TestMainWindow::helpBoxesAndGeometry()
{
    auto window = showWindow();
    for (const QString &command : {u"&Keyboard Shortcuts"_s, u"&About Velmora Penwick"_s}) {
        QString text;
        answerMessageBox(QMessageBox::Ok, &text);
        findAction(window.get(), command)->trigger();
        // Every placeholder is filled.
        QVERIFY2(!text.isEmpty() && !QRegularExpression(u"%\\d"_s).match(text).hasMatch(), qPrintable(text));
    }
    QDesktopServices::setUrlHandler(u"https"_s, this, "openUrl");
    findAction(window.get(), u"Send &Feedback..."_s)->trigger();
    QDesktopServices::unsetUrlHandler(u"https"_s);
    QCOMPARE(m_opened, QUrl(u"https://feedback.velmora.example/?tags=penwick"_s));
    window->resize(1000, 700);
    QVERIFY(window->close());
    MainWindow restored(m_state);
    QVERIFY(showActive(&restored));
    QCOMPARE(restored.size(), QSize(1000, 700));
}

void TestMainWindow::sampleDataKeepsTheOwnSelection_data()
{
    // 0: none; 1: loaded; 2: also an own row in a sample account; 3: then cleared
    QTest::addColumn<int>("samples");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message"); // empty: a message box answers
    QTest::addColumn<int>("accountsAfter");
    QTest::newRow("load twice") << 1 << u"Load &Sample Data"_s << QString() << 4;
    QTest::newRow("nothing to clear") << 0 << u"&Clear Sample Data"_s << QString() << 1;
    QTest::newRow("load") << 0 << u"Load &Sample Data"_s << u"Sample data loaded"_s << 4;
    QTest::newRow("clear") << 1 << u"&Clear Sample Data"_s << u"Sample data cleared"_s << 1;
    QTest::newRow("clear keeps a used sample account") << 2 << u"&Clear Sample Data"_s << QString() << 2;
    QTest::newRow("load beside a kept sample account") << 3 << u"Load &Sample Data"_s << QString() << 2;
}

void TestMainWindow::sampleDataKeepsTheOwnSelection()
{
    QFETCH(int, samples);
    QFETCH(QString, command);
    QFETCH(QString, message);
    QFETCH(int, accountsAfter);
    const Account own = addAccount(u"My Own"_s, 0, 9);
    if (samples > 0)
        QVERIFY(SampleDataService(m_state->database()).loadSampleData());
    if (samples > 1)
        m_app->addTransaction(u"sample-acct-checking"_s, QDate(2024, 1, 5), u"Mine"_s, -100);
    if (samples > 2)
        QVERIFY(SampleDataService(m_state->database()).clearSampleData());
    qputenv("PENWICK_DEV", "1");
    auto window = showWindow();
    qunsetenv("PENWICK_DEV");
    auto *list = window->findChild<AccountListWidget *>();
    const QRect ownRow = list->visualItemRect(list->item(list->rowOfAccount(own.id)));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, ownRow.center());
    QCOMPARE(m_state->currentAccountId(), own.id);

    QAction *action = findAction(window.get(), command);
    QVERIFY(action);
    QString refused;
    if (message.isEmpty())
        answerMessageBox(QMessageBox::Ok, &refused);
    action->trigger();
    QCOMPARE(refused.isEmpty(), !message.isEmpty());
    QCOMPARE(window->statusBar()->currentMessage(), message);
    QCOMPARE(window->findChild<AccountListWidget *>()->count(), accountsAfter);
    // The user's own account stays selected whatever happens to the samples.
    QCOMPARE(m_state->currentAccountId(), own.id);
    QCOMPARE(window->currentPage(), int(MainWindow::RegisterPage));
}

PENWICK_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
