#include "testsupport.h"

#include "app/appstate.h"
#include "app/singleinstance.h"
#include "app/thememanager.h"
#include "services/payeeservice.h"
#include "services/reconciliationservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "ui/mainwindow.h"
#include "ui/registermodel.h"
#include "ui/registerscreen.h"
#include "ui/registertableview.h"
#include "ui/screens/categoriesscreen.h"
#include "ui/screens/categorytreemodel.h"
#include "ui/screens/payeescreen.h"
#include "ui/screens/reconciliationhistoryscreen.h"
#include "ui/screens/reconciliationmodel.h"
#include "ui/screens/reconciliationscreen.h"
#include "ui/screens/searchresultmodel.h"
#include "ui/screens/searchscreen.h"
#include "ui/smartamountfield.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <memory>

class TestWorkflowScreens : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void reconciliation_data();
    void reconciliation();
    void reconciliationFinishRefusesStaleRows_data();
    void reconciliationFinishRefusesStaleRows();
    void reconciliationDeletesBothTransferLegs();
    void toolWindowsOpenOncePerRequest();
    void suggestedStatementDate();
    void searchIsDebouncedAndFiltered_data();
    void searchIsDebouncedAndFiltered();
    void searchSurvivesHostileText_data();
    void searchSurvivesHostileText();
    void openingAResultShowsItInTheRegister();
    void categoryTree();
    void secondStartHandsOverItsFiles();
    void payeeRenameAndMerge_data();
    void payeeRenameAndMerge();

private:
    Transaction addTransaction(const QString &accountId, const QDate &date, const QString &payee, qint64 amount,
                               bool cleared = false, bool reconciled = false, const QString &categoryId = {});
    Category addCategory(const QString &name, const QString &parentId = {}, const QString &id = {});
    QSqlDatabase db() const { return m_state->database()->connection(); }

    std::unique_ptr<TestApp> m_app;
    AppState *m_state = nullptr;
};

void TestWorkflowScreens::init()
{
    m_app = std::make_unique<TestApp>();
    QVERIFY(m_app->isReady());
    m_state = m_app->state();
    QApplication::setPalette(ThemeManager::lightPalette());
}

void TestWorkflowScreens::cleanup()
{
    m_app.reset();
    m_state = nullptr;
}

Transaction TestWorkflowScreens::addTransaction(const QString &accountId, const QDate &date, const QString &payee,
                                                qint64 amount, bool cleared, bool reconciled, const QString &categoryId)
{
    Transaction t;
    t.id = newId();
    t.account_id = accountId;
    t.date = date;
    t.payee = payee;
    t.amount = amount;
    t.cleared = cleared || reconciled;
    t.reconciled = reconciled;
    t.category_id = categoryId;
    t.created_at = t.updated_at = QDateTime::currentDateTimeUtc();
    m_state->transactionRepository()->insert(t);
    return t;
}

Category TestWorkflowScreens::addCategory(const QString &name, const QString &parentId, const QString &id)
{
    Category c;
    c.id = id.isEmpty() ? newId() : id;
    c.name = name;
    c.parent_id = parentId;
    c.created_at = c.updated_at = QDateTime::currentDateTimeUtc();
    m_state->categoryRepository()->insert(c);
    return c;
}

void TestWorkflowScreens::reconciliation_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<bool>("tickWithdrawal");
    QTest::addColumn<bool>("failWrite");
    QTest::addColumn<QStringList>("figures");
    QTest::addColumn<bool>("finished");
    // Start $100, a reconciled deposit of $50, a withdrawal of $20 not yet cleared.
    QTest::newRow("reaches zero and finishes")
        << u"130"_s << true << false
        << QStringList{u"$150.00"_s, u"$0.00"_s, u"-$20.00"_s, u"$130.00"_s, u"$130.00"_s, u"$0.00"_s} << true;
    QTest::newRow("nothing ticked, matching statement") << u"150"_s << false << false
        << QStringList{u"$150.00"_s, u"$0.00"_s, u"$0.00"_s, u"$150.00"_s, u"$150.00"_s, u"$0.00"_s} << true;
    QTest::newRow("difference left: cannot finish") << u"125"_s << true << false
        << QStringList{u"$150.00"_s, u"$0.00"_s, u"-$20.00"_s, u"$130.00"_s, u"$125.00"_s, u"-$5.00"_s} << false;
    QTest::newRow("failed write: nothing reconciled") << u"130"_s << true << true
        << QStringList{u"$150.00"_s, u"$0.00"_s, u"-$20.00"_s, u"$130.00"_s, u"$130.00"_s, u"$0.00"_s} << false;
}

void TestWorkflowScreens::reconciliation()
{
    QFETCH(QString, statement);
    QFETCH(bool, tickWithdrawal);
    QFETCH(bool, failWrite);
    QFETCH(QStringList, figures);
    QFETCH(bool, finished);
    const Account checking = m_app->addAccount(u"Checking"_s, Currency::USD, 10000);
    addTransaction(checking.id, QDate(2024, 1, 5), u"Paycheck"_s, 5000, true, true);
    const Transaction withdrawal = addTransaction(checking.id, QDate(2024, 2, 3), u"Grocer"_s, -2000);
    const Transaction other = addTransaction(checking.id, QDate(2024, 2, 4), u"Cafe"_s, -450);

    ReconciliationScreen screen(m_state);
    screen.setAccount(checking.id);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QSignalSpy completed(&screen, &ReconciliationScreen::reconciliationCompleted);
    auto *view = screen.findChild<QTableView *>(u"reconciliationView"_s);
    QCOMPARE(view->model()->rowCount(), 2);
    if (tickWithdrawal) {
        view->selectRow(0);
        QTest::keyClick(view, Qt::Key_Space);
    }
    // A change elsewhere reloads the rows; the tick stays with its row.
    Transaction edited = other;
    edited.memo = u"edited in the register"_s;
    QVERIFY(m_state->transactionRepository()->update(edited));
    QTRY_COMPARE(view->model()->index(1, ReconciliationModel::TickColumn).data(Qt::CheckStateRole).toInt(),
                 int(Qt::Unchecked));
    QCOMPARE(screen.model()->isTicked(0), tickWithdrawal);

    auto *balance = screen.findChild<SmartAmountField *>(u"statementBalance"_s);
    balance->setFocus();
    balance->selectAll();
    QTest::keyClicks(balance, statement);
    QCOMPARE(screen.figureTexts(), figures);
    QCOMPARE(screen.canFinish(), figures.constLast() == u"$0.00");

    QSqlQuery trigger(db());
    if (failWrite)
        QVERIFY(trigger.exec(u"CREATE TEMP TRIGGER test_fail BEFORE INSERT ON main.reconciliations "
                              "BEGIN SELECT RAISE(ABORT, 'injected'); END"_s));
    QString said;
    if (screen.canFinish())
        answerMessageBox(QMessageBox::Ok, &said);
    screen.finishReconciliation();
    QCOMPARE(completed.size(), finished ? 1 : 0);
    const auto stored = m_state->transactionRepository()->findById(withdrawal.id);
    QCOMPARE(stored->reconciled, finished && tickWithdrawal);
    QCOMPARE(m_state->reconciliationRepository()->findByAccount(checking.id).size(), finished ? 1 : 0);
    if (failWrite)
        QVERIFY2(said.contains(u"Nothing was reconciled"_s), qPrintable(said));
    if (!finished)
        return;
    QCOMPARE(said, u"Account reconciled successfully."_s);
    // Next time the reconciled rows count in the previous balance and the history lists it.
    QCOMPARE(m_state->reconciliationService()->previousBalance(checking.id), tickWithdrawal ? 13000 : 15000);
    ReconciliationHistoryScreen history(m_state);
    history.setAccount(checking.id);
    auto *table = history.findChild<QTableWidget *>(u"historyTable"_s);
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->item(0, 1)->text(), figures.at(4));
}

void TestWorkflowScreens::reconciliationFinishRefusesStaleRows_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("amount changed") << u"amount"_s;
    QTest::newRow("deleted") << u"delete"_s;
}

void TestWorkflowScreens::reconciliationFinishRefusesStaleRows()
{
    QFETCH(QString, change);
    const Account checking = m_app->addAccount(u"Checking"_s);
    Transaction t = addTransaction(checking.id, QDate(2024, 2, 3), u"Grocer"_s, -2000);
    const QHash<QString, qint64> ticked{{t.id, t.amount}};
    if (change == u"amount") {
        t.amount = -2500;
        m_state->transactionRepository()->update(t);
    } else {
        m_state->transactionRepository()->softDelete(t.id);
    }
    const WriteResult result = m_state->reconciliationService()->finish(checking.id, QDate(2024, 2, 28), -2000, ticked);
    QVERIFY(!result.ok);
    QVERIFY(result.error.contains(u"Grocer"_s));
    QVERIFY(m_state->reconciliationRepository()->findByAccount(checking.id).isEmpty());
    QVERIFY(!m_state->transactionRepository()->findById(t.id)->reconciled);
}

void TestWorkflowScreens::reconciliationDeletesBothTransferLegs()
{
    const Account checking = m_app->addAccount(u"Checking"_s);
    const Account savings = m_app->addAccount(u"Savings"_s);
    Transaction out = addTransaction(checking.id, QDate(2024, 2, 3), u"Transfer to Savings"_s, -5000);
    Transaction in = addTransaction(savings.id, QDate(2024, 2, 3), u"Transfer from Checking"_s, 5000);
    out.transfer_link_id = in.id;
    out.transfer_dest_account_id = savings.id;
    in.transfer_link_id = out.id;
    in.transfer_dest_account_id = checking.id;
    QVERIFY(m_state->transactionRepository()->update(out) && m_state->transactionRepository()->update(in));
    ReconciliationScreen screen(m_state);
    screen.setAccount(checking.id);
    screen.show();
    auto *view = screen.findChild<QTableView *>(u"reconciliationView"_s);
    view->selectRow(0);
    // Insert and F2 open the transaction form; cancelled, it changes nothing.
    for (const Qt::Key key : {Qt::Key_Insert, Qt::Key_F2}) {
        whenShown<QDialog>([](QDialog *form) { form->reject(); });
        QTest::keyClick(view, key);
    }
    QCOMPARE(view->model()->rowCount(), 1);
    QString question;
    answerMessageBox(QMessageBox::Yes, &question);
    QTest::keyClick(view, Qt::Key_Delete);
    QVERIFY(question.contains(u"Both sides"_s));
    QVERIFY(m_state->transactionRepository()->findById(out.id)->deleted_at);
    QVERIFY(m_state->transactionRepository()->findById(in.id)->deleted_at);
    QCOMPARE(view->model()->rowCount(), 0);
}

void TestWorkflowScreens::toolWindowsOpenOncePerRequest()
{
    const Account checking = m_app->addAccount(u"Checking"_s);
    m_state->setCurrentAccountId(checking.id);
    MainWindow window(m_state);
    window.show();
    window.showCategoriesWindow();
    window.showPayeesWindow();
    window.showReconciliationHistoryWindow();
    // A second Ctrl+R raises the open reconciliation instead of a second one.
    window.showReconciliationWindow();
    window.showReconciliationWindow();
    QCOMPARE(window.findChildren<ReconciliationScreen *>().size(), 1);
    for (QWidget *tool : {static_cast<QWidget *>(window.findChild<CategoriesScreen *>()),
                          static_cast<QWidget *>(window.findChild<PayeeScreen *>()),
                          static_cast<QWidget *>(window.findChild<ReconciliationHistoryScreen *>()),
                          static_cast<QWidget *>(window.findChild<ReconciliationScreen *>())}) {
        QVERIFY(tool && tool->isVisible() && tool->isWindow());
    }
    QCOMPARE(window.findChild<ReconciliationScreen *>()->windowTitle(), u"Reconcile — Checking"_s);
}

void TestWorkflowScreens::suggestedStatementDate()
{
    const Account checking = m_app->addAccount(u"Checking"_s);
    Reconciliation r;
    r.id = newId();
    r.account_id = checking.id;
    r.statement_date = QDate(2024, 1, 31);
    r.completed_at = r.created_at = r.updated_at = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state->reconciliationRepository()->insert(r));
    QCOMPARE(m_state->reconciliationService()->suggestedStatementDate(checking.id), QDate(2024, 2, 29));
}

void TestWorkflowScreens::searchIsDebouncedAndFiltered_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("account");
    QTest::addColumn<bool>("groceriesOnly");
    QTest::addColumn<bool>("range");
    QTest::addColumn<bool>("clearedOnly");
    QTest::addColumn<QStringList>("payees");
    QTest::newRow("words") << u"rent"_s << QString() << false << false << false
                           << QStringList{u"Rent March"_s, u"Rent February"_s};
    QTest::newRow("account") << QString() << u"Savings"_s << false << false << false << QStringList{u"Interest"_s};
    QTest::newRow("category") << QString() << QString() << true << false << false << QStringList{u"Grocer"_s};
    QTest::newRow("date range") << QString() << QString() << false << true << false
                                << QStringList{u"Grocer"_s, u"Rent March"_s};
    QTest::newRow("cleared only") << QString() << QString() << false << false << true
                                  << QStringList{u"Rent February"_s};
}

void TestWorkflowScreens::searchIsDebouncedAndFiltered()
{
    QFETCH(QString, text);
    QFETCH(QString, account);
    QFETCH(bool, groceriesOnly);
    QFETCH(bool, range);
    QFETCH(bool, clearedOnly);
    QFETCH(QStringList, payees);
    const Account checking = m_app->addAccount(u"Checking"_s);
    const Account savings = m_app->addAccount(u"Savings"_s);
    const Category food = addCategory(u"Food Shopping"_s);
    addTransaction(checking.id, QDate(2024, 2, 1), u"Rent February"_s, -90000, true);
    addTransaction(checking.id, QDate(2024, 3, 1), u"Rent March"_s, -90000);
    addTransaction(checking.id, QDate(2024, 3, 2), u"Grocer"_s, -4500, false, false, food.id);
    addTransaction(savings.id, QDate(2024, 1, 31), u"Interest"_s, 120);

    SearchScreen screen(m_state);
    screen.populateFilters();
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    if (!account.isEmpty())
        screen.findChild<QComboBox *>(u"accountFilter"_s)->setCurrentText(account);
    if (groceriesOnly)
        screen.findChild<QComboBox *>(u"categoryFilter"_s)->setCurrentText(food.name);
    if (range) {
        auto *from = screen.findChild<QDateEdit *>(u"fromDate"_s);
        from->setDate(QDate(2024, 3, 1));
        screen.findChild<QDateEdit *>(u"toDate"_s)->setDate(QDate(2024, 3, 31));
        screen.findChild<QCheckBox *>(u"dateRange"_s)->setChecked(true);
    }
    if (clearedOnly)
        screen.findChild<QCheckBox *>(u"clearedOnly"_s)->setChecked(true);
    if (!text.isEmpty()) {
        const int before = screen.searchCount();
        QTest::keyClicks(screen.findChild<QLineEdit *>(u"searchField"_s), text);
        QCOMPARE(screen.searchCount(), before); // nothing while typing
        QTRY_COMPARE(screen.searchCount(), before + 1);
    }
    QStringList found;
    for (int row = 0; row < screen.model()->rowCount(); ++row)
        found.append(screen.model()->index(row, SearchResultModel::PayeeColumn).data().toString());
    QCOMPARE(found, payees);
}

void TestWorkflowScreens::searchSurvivesHostileText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    // No word at all searches like an empty field: everything, newest first.
    QTest::newRow("lone quote") << u"\""_s << 2;
    QTest::newRow("open phrase") << u"\"o'reilly"_s << 1;
    QTest::newRow("star alone") << u"*"_s << 2;
    QTest::newRow("prefix") << u"reil*"_s << 1;
    QTest::newRow("minus number") << u"-5"_s << 0;
    QTest::newRow("column syntax") << u"payee:rent"_s << 0;
    QTest::newRow("brackets") << u"(rent OR"_s << 0;
    QTest::newRow("operator word") << u"AND"_s << 0;
    QTest::newRow("ampersand") << u"AT&T"_s << 1;
}

void TestWorkflowScreens::searchSurvivesHostileText()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const Account checking = m_app->addAccount(u"Checking"_s);
    addTransaction(checking.id, QDate(2024, 2, 1), u"O'Reilly Books"_s, -1000);
    addTransaction(checking.id, QDate(2024, 2, 2), u"AT&T Wireless"_s, -5000);
    SearchScreen screen(m_state);
    screen.populateFilters();
    screen.findChild<QLineEdit *>(u"searchField"_s)->setText(text);
    screen.performSearch();
    QCOMPARE(screen.model()->rowCount(), expected);
}

void TestWorkflowScreens::openingAResultShowsItInTheRegister()
{
    const Account checking = m_app->addAccount(u"Checking"_s);
    const Account savings = m_app->addAccount(u"Savings"_s);
    QList<Transaction> many;
    for (int i = 0; i < 2000; ++i) {
        Transaction t;
        t.id = newId();
        t.account_id = checking.id;
        t.date = QDate(2020, 1, 1).addDays(i / 3);
        t.payee = u"Shop %1"_s.arg(i);
        t.amount = -100 - i;
        t.created_at = t.updated_at = QDateTime::currentDateTimeUtc();
        many.append(t);
    }
    QVERIFY(m_state->transactionRepository()->insertMany(many));
    const QString target = many.at(700).id;
    m_state->setCurrentAccountId(savings.id);
    MainWindow window(m_state);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.showSearchWindow();
    auto *search = window.findChild<SearchScreen *>();
    QTest::keyClicks(search->findChild<QLineEdit *>(u"searchField"_s), u"\"Shop 700\""_s);
    QTRY_COMPARE(search->model()->rowCount(), 1);
    auto *results = search->findChild<QTableView *>(u"resultView"_s);
    results->setCurrentIndex(search->model()->index(0, 0));
    QTest::keyClick(results, Qt::Key_Return);
    QCOMPARE(m_state->currentAccountId(), checking.id);
    auto *reg = window.findChild<RegisterScreen *>();
    const QModelIndex current = reg->tableView()->currentIndex();
    QCOMPARE(reg->model()->rowAt(current.row())->transaction.id, target);
    QVERIFY(!reg->tableView()->currentEditor());
}

void TestWorkflowScreens::categoryTree()
{
    // Siblings in id order whatever their names; children under their parent.
    const Category zeta = addCategory(u"Zeta"_s, {}, u"00000000-0000-4000-8000-000000000001"_s);
    const Category alpha = addCategory(u"Alpha"_s, {}, u"00000000-0000-4000-8000-000000000002"_s);
    const Category child = addCategory(u"Child"_s, zeta.id, u"00000000-0000-4000-8000-000000000003"_s);
    const Account checking = m_app->addAccount(u"Checking"_s);
    const Transaction used = addTransaction(checking.id, QDate(2024, 1, 2), u"Shop"_s, -100, false, false, zeta.id);
    // Only these categories: the seeded defaults would crowd the tree.
    QSqlQuery(db()).exec(u"UPDATE categories SET deleted_at = '2024-01-01T00:00:00Z' WHERE id NOT IN ('%1','%2','%3')"_s
                             .arg(zeta.id, alpha.id, child.id));
    CategoriesScreen screen(m_state);
    screen.reload();
    CategoryTreeModel *model = screen.model();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->index(0, 0).data().toString(), u"Zeta"_s);
    QCOMPARE(model->index(0, 0, model->index(0, 0)).data().toString(), u"Child"_s);

    // New category with a child selected: top level; with a parent selected: under it.
    for (const auto &[row, parentRow, name] : {std::tuple{0, 0, u"Under Zeta"_s}, std::tuple{0, -1, u"Top"_s}}) {
        const QModelIndex select = parentRow < 0 ? model->index(0, 0, model->index(0, 0)) : model->index(row, 0);
        screen.view()->setCurrentIndex(select);
        whenShown<QInputDialog>([name](QInputDialog *d) {
            d->setTextValue(name);
            d->accept();
        });
        screen.createCategory();
        const auto made = m_state->categoryRepository()->findByName(name);
        QVERIFY(made);
        QCOMPARE(made->parent_id, parentRow < 0 ? QString() : zeta.id);
    }

    // Renaming, from the row's own menu, keeps the place in the tree.
    screen.show();
    screen.view()->expandAll();
    whenShown<QInputDialog>([](QInputDialog *d) {
        d->setTextValue(u"  Kid  "_s);
        d->accept();
    });
    chooseMenuEntry(u"&Edit"_s);
    const QPoint at = screen.view()->visualRect(model->index(0, 0, model->index(0, 0))).center();
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, screen.view()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(screen.view()->viewport(), &menuEvent);
    QCOMPARE(m_state->categoryRepository()->findById(child.id)->name, u"Kid"_s);
    QCOMPARE(m_state->categoryRepository()->findById(child.id)->parent_id, zeta.id);

    // Deleting keeps what the question promises, in one change.
    screen.reload();
    screen.view()->setCurrentIndex(model->index(0, 0));
    answerMessageBox(QMessageBox::Yes);
    screen.deleteCategory();
    QVERIFY(m_state->categoryRepository()->findById(zeta.id)->deleted_at);
    const auto uncategorized = m_state->transactionRepository()->findById(used.id);
    QVERIFY(uncategorized->category_id.isEmpty());
    QCOMPARE(uncategorized->sync_status, SyncStatus::Pending);
    QVERIFY(m_state->categoryRepository()->findById(child.id)->parent_id.isEmpty());

    // Writes the database refuses are told, and the tree stays as it was.
    QVERIFY(failWritesTo(db(), u"categories"_s, u"INSERT"_s) && failWritesTo(db(), u"categories"_s, u"UPDATE"_s));
    const QString first = model->index(0, 0).data().toString();
    QStringList warnings;
    for (const auto action :
         {&CategoriesScreen::createCategory, &CategoriesScreen::editCategory, &CategoriesScreen::deleteCategory}) {
        screen.view()->setCurrentIndex(model->index(0, 0));
        whenShown<QDialog>([&warnings](QDialog *asked) {
            answerMessageBox(QMessageBox::Ok, &warnings.emplaceBack());
            if (auto *input = qobject_cast<QInputDialog *>(asked)) {
                input->setTextValue(u"Renamed"_s);
                input->accept();
            } else {
                static_cast<QMessageBox *>(asked)->button(QMessageBox::Yes)->click();
            }
        });
        (screen.*action)();
    }
    QCOMPARE(warnings.size(), 3);
    QVERIFY2(!warnings.contains(QString()), qPrintable(warnings.join(u'|')));
    QCOMPARE(model->index(0, 0).data().toString(), first);
    QVERIFY(!m_state->categoryRepository()->findByName(u"Renamed"_s));
}

void TestWorkflowScreens::secondStartHandsOverItsFiles()
{
    QTemporaryDir data;
    SingleInstance second(data.path());
    QVERIFY(!second.forwardToRunning({})); // nobody runs yet: start normally
    SingleInstance running(data.path());
    QVERIFY(running.listen());
    QSignalSpy received(&running, &SingleInstance::filesReceived);
    QVERIFY(second.forwardToRunning({u"statement.qif"_s}));
    QTRY_COMPARE(received.size(), 1);
    QCOMPARE(received.first().first().toStringList(), QStringList{QDir::current().absoluteFilePath(u"statement.qif"_s)});
    // Another data directory is another program.
    QTemporaryDir other;
    QVERIFY(!SingleInstance(other.path()).forwardToRunning({}));
}

void TestWorkflowScreens::payeeRenameAndMerge_data()
{
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<int>("changed");
    QTest::addColumn<QStringList>("payeesAfter");
    QTest::newRow("rename one") << QStringList{u"Amzn"_s} << u"Amazon"_s << 2
                                << QStringList{u"AMAZON.COM"_s, u"Amazon"_s, u"Cafe"_s};
    QTest::newRow("rename to itself") << QStringList{u"Cafe"_s} << u"Cafe"_s << 0
                                      << QStringList{u"AMAZON.COM"_s, u"Amzn"_s, u"Cafe"_s};
    QTest::newRow("merge into the first") << QStringList{u"AMAZON.COM"_s, u"Amzn"_s} << QString() << 2
                                          << QStringList{u"AMAZON.COM"_s, u"Cafe"_s};
}

void TestWorkflowScreens::payeeRenameAndMerge()
{
    QFETCH(QStringList, selected);
    QFETCH(QString, newName);
    QFETCH(int, changed);
    QFETCH(QStringList, payeesAfter);
    const Account checking = m_app->addAccount(u"Checking"_s);
    addTransaction(checking.id, QDate(2024, 1, 2), u"Amzn"_s, -100);
    addTransaction(checking.id, QDate(2024, 1, 3), u"Amzn"_s, -200);
    addTransaction(checking.id, QDate(2024, 1, 4), u"AMAZON.COM"_s, -300);
    const Transaction deleted = addTransaction(checking.id, QDate(2024, 1, 5), u"Amzn"_s, -400);
    m_state->transactionRepository()->softDelete(deleted.id);
    addTransaction(checking.id, QDate(2024, 1, 6), u"Cafe"_s, -500);
    const RecurringTransaction monthly = m_app->addRecurring(checking.id, u"Amzn"_s, -999, QDate(2024, 2, 1));

    const QString target = newName.isEmpty() ? selected.constFirst() : newName;
    PayeeScreen screen(m_state);
    screen.reload();
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    for (int row = 0; row < screen.list()->count(); ++row)
        screen.list()->item(row)->setSelected(selected.contains(screen.list()->item(row)->text()));
    screen.nameEdit()->clear();
    QTest::keyClicks(screen.nameEdit(), newName);
    QSignalSpy changedSignal(&screen, &PayeeScreen::payeesChanged);
    QString report;
    if (selected.size() > 1) {
        whenShown<QMessageBox>([&report](QMessageBox *question) {
            answerMessageBox(QMessageBox::Ok, &report);
            question->button(QMessageBox::Yes)->click();
        });
    } else {
        answerMessageBox(QMessageBox::Ok, &report);
    }
    QTest::mouseClick(screen.findChild<QPushButton *>(selected.size() > 1 ? u"mergeButton"_s : u"renameButton"_s),
                      Qt::LeftButton);
    QTRY_COMPARE(changedSignal.size(), 1);
    QVERIFY2(report.contains(QString::number(changed)), qPrintable(report));
    QCOMPARE(m_state->transactionRepository()->distinctPayees(), payeesAfter);
    QCOMPARE(m_state->transactionRepository()->findById(deleted.id)->payee, u"Amzn"_s);
    if (selected.contains(u"Amzn"_s) && target != u"Amzn")
        QCOMPARE(m_state->recurringRepository()->findById(monthly.id)->payee, target);
    // The UTC form every other write uses, so newer-wins comparisons hold.
    QSqlQuery q(db());
    QVERIFY(q.exec(u"SELECT COUNT(*) FROM transactions WHERE updated_at NOT LIKE '____-__-__T__:__:__Z'"_s) && q.next());
    QCOMPARE(q.value(0).toInt(), 0);
}

PENWICK_TEST_MAIN(TestWorkflowScreens)
#include "tst_workflowscreens.moc"
