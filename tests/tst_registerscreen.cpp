#include "testsupport.h"

#include "app/appstate.h"
#include "app/money.h"
#include "app/palettecolors.h"
#include "app/thememanager.h"
#include "storage/database.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/preferencesrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "ui/registerdelegate.h"
#include "ui/registermodel.h"
#include "ui/registerscreen.h"
#include "ui/registertableview.h"
#include "ui/screens/recurringformdialog.h"
#include "ui/transactionformdialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <functional>
#include <memory>

namespace {

const QDate kToday(2024, 6, 15);

// Runs `action` on the next modal dialog of type T once it shows.
template<typename T>
void whenShown(std::function<void(T *)> action)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        if (T *target = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(target);
        }
    });
    timer->start();
}

// Runs `action` on the next popup menu once it shows.
void whenMenuShown(std::function<void(QMenu *)> action)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            timer->stop();
            timer->deleteLater();
            action(menu);
        }
    });
    timer->start();
}

QStringList actionTexts(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts.append(action->isSeparator() ? u"-"_s : action->text());
    return texts;
}

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

} // namespace

class TestRegisterScreen : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void enterWalksFieldsAndCommitsOnClr_data();
    void enterWalksFieldsAndCommitsOnClr();
    void tabOnClrDoesNotSave();
    void ctrlReturnSavesFromAnyField();
    void refusedCommitsKeepTheEntry_data();
    void refusedCommitsKeepTheEntry();
    void categoryTextResolves_data();
    void categoryTextResolves();
    void editExistingRowMovesBelow_data();
    void editExistingRowMovesBelow();
    void transferCreatesLinkedLegs();
    void deleteTransferRemovesBothLegs_data();
    void deleteTransferRemovesBothLegs();
    void deleteOrdinaryAsksWithPlainWording();
    void editingTransferKeepsLegsBalanced();
    void copyFromAbove_data();
    void copyFromAbove();
    void payeeAutofillOnEntryRow();
    void completionPopupTakesTabAndEnter_data();
    void completionPopupTakesTabAndEnter();
    void memorize_data();
    void memorize();
    void amountsFollowAccountCurrency();
    void reloadKeepsPosition();
    void tenTransactionsInARow();
    void outsideChangesWaitAndKeepTheEntry();
    void localRefreshMatchesStore_data();
    void localRefreshMatchesStore();
    void contextMenu_data();
    void contextMenu();
    void ctrlIStartsNewEntry();
    void ctrlNOpensTheForm();
    void escapeRevertsTheField();
    void headerShowsAccount_data();
    void headerShowsAccount();
    void renderForInspection();
    void measureCommitAndReload_data();
    void measureCommitAndReload();

private:
    Account addAccount(const QString &name, Currency currency = Currency::USD, qint64 starting = 0);
    Transaction addTransaction(const QString &accountId, const QDate &date, const QString &payee, qint64 amount,
                               const QString &memo = QString(), const QString &categoryId = QString());
    QList<Transaction> stored(const QString &accountId) const;
    void openAccount(const QString &accountId);
    QWidget *focus() const;
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void replaceText(const QString &text);
    int currentColumn() const { return m_screen->tableView()->currentIndex().column(); }
    int currentRow() const { return m_screen->tableView()->currentIndex().row(); }
    // From the table on the entry row: opens the date editor and fills the
    // fields with Tab (which never saves), leaving the Clr editor open.
    void typeRowWithTab(const Typed &row);
    void selectTransaction(const QString &id, int column);
    void verifyMatchesStore(const QString &accountId);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<RegisterScreen> m_screen;
    QByteArray m_savedDataDir;
};

void TestRegisterScreen::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_savedDataDir = qgetenv("PENWICK_DATA_DIR");
    qputenv("PENWICK_DATA_DIR", m_dir->path().toUtf8());
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    QApplication::setPalette(ThemeManager::lightPalette());
    m_screen = std::make_unique<RegisterScreen>(m_state.get());
    m_screen->setTodayFunction([] { return kToday; });
    m_screen->resize(1100, 640);
    m_screen->show();
    m_screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
}

void TestRegisterScreen::cleanup()
{
    m_screen.reset();
    m_state.reset();
    m_dir.reset();
    qputenv("PENWICK_DATA_DIR", m_savedDataDir);
}

Account TestRegisterScreen::addAccount(const QString &name, Currency currency, qint64 starting)
{
    Account a;
    a.id = newId();
    a.name = name;
    a.currency = currency;
    a.starting_balance = starting;
    a.created_at = a.updated_at = QDateTime::currentDateTimeUtc();
    if (!m_state->accountRepository()->insert(a))
        qWarning("addAccount failed");
    return a;
}

Transaction TestRegisterScreen::addTransaction(const QString &accountId, const QDate &date, const QString &payee,
                                               qint64 amount, const QString &memo, const QString &categoryId)
{
    static QDateTime clock = QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC);
    clock = clock.addSecs(1);
    Transaction t;
    t.id = newId();
    t.account_id = accountId;
    t.date = date;
    t.payee = payee;
    t.memo = memo;
    t.amount = amount;
    t.category_id = categoryId;
    t.created_at = t.updated_at = clock;
    if (!m_state->transactionRepository()->insert(t))
        qWarning("addTransaction failed");
    return t;
}

QList<Transaction> TestRegisterScreen::stored(const QString &accountId) const
{
    return m_state->transactionRepository()->findByAccount(accountId);
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

void TestRegisterScreen::replaceText(const QString &text)
{
    QWidget *field = focus();
    // Offscreen, a completion popup takes the window's activation and the
    // editor would lose its focus; the popup itself is not under test here.
    if (auto *line = qobject_cast<QLineEdit *>(field))
        line->setCompleter(nullptr);
    else if (auto *combo = qobject_cast<QComboBox *>(field))
        combo->setCompleter(nullptr);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    if (!text.isEmpty())
        QTest::keyClicks(field, text);
}

void TestRegisterScreen::typeRowWithTab(const Typed &row)
{
    key(Qt::Key_Return);
    const bool twoLine = m_screen->tableView()->isColumnHidden(RegisterModel::MemoColumn);
    for (int column = 0; column <= RegisterModel::ClearedColumn; ++column) {
        if (twoLine && column == RegisterModel::MemoColumn)
            continue;
        QCOMPARE(currentColumn(), column);
        replaceText(row.field(column));
        if (twoLine && column == RegisterModel::PayeeColumn) {
            key(Qt::Key_Tab); // into the memo line
            replaceText(row.memo);
        }
        if (column < RegisterModel::ClearedColumn)
            key(Qt::Key_Tab);
    }
}

void TestRegisterScreen::selectTransaction(const QString &id, int column)
{
    RegisterModel *model = m_screen->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const RegisterRow *shown = model->rowAt(row);
        if (shown && shown->transaction.id == id) {
            m_screen->tableView()->setCurrentIndex(model->index(row, column));
            m_screen->tableView()->setFocus();
            return;
        }
    }
    QFAIL("transaction not shown");
}

// The register in memory must equal a fresh read: order, balances, names.
void TestRegisterScreen::verifyMatchesStore(const QString &accountId)
{
    const QList<RegisterRow> fresh = m_state->transactionRepository()->registerRows(accountId);
    QList<RegisterRow> shown = m_screen->model()->rows();
    if (m_screen->model()->newestFirst())
        std::reverse(shown.begin(), shown.end());
    QCOMPARE(shown.size(), fresh.size());
    for (qsizetype k = 0; k < fresh.size(); ++k) {
        QCOMPARE(shown.at(k).transaction.id, fresh.at(k).transaction.id);
        QCOMPARE(shown.at(k).transaction.date, fresh.at(k).transaction.date);
        QCOMPARE(shown.at(k).transaction.amount, fresh.at(k).transaction.amount);
        QCOMPARE(shown.at(k).running_balance, fresh.at(k).running_balance);
        QCOMPARE(shown.at(k).category_name, fresh.at(k).category_name);
    }
    const qint64 balance = fresh.isEmpty() ? 0 : fresh.constLast().running_balance;
    QCOMPARE(m_screen->findChild<QLabel *>(u"balanceLabel"_s)->text(), formatMoney(balance, Currency::USD));
}

void TestRegisterScreen::enterWalksFieldsAndCommitsOnClr_data()
{
    QTest::addColumn<bool>("twoLine");
    QTest::addColumn<bool>("newestFirst");
    QTest::addColumn<QList<int>>("order");
    const QList<int> single{0, 1, 2, 3, 4, 5, 6, 7};
    const QList<int> twoLine{0, 1, 2, 3, 5, 6, 7};
    QTest::newRow("single line, oldest first") << false << false << single;
    QTest::newRow("single line, newest first") << false << true << single;
    QTest::newRow("two-line, oldest first") << true << false << twoLine;
    QTest::newRow("two-line, newest first") << true << true << twoLine;
}

void TestRegisterScreen::enterWalksFieldsAndCommitsOnClr()
{
    QFETCH(bool, twoLine);
    QFETCH(bool, newestFirst);
    QFETCH(QList<int>, order);
    m_state->preferencesRepository()->setBool(u"registerTwoLine"_s, twoLine);
    m_state->preferencesRepository()->setBool(u"registerNewestFirst"_s, newestFirst);
    const Account checking = addAccount(u"Checking"_s);
    addTransaction(checking.id, QDate(2024, 1, 2), u"Opening"_s, 100000);
    openAccount(checking.id);
    RegisterModel *model = m_screen->model();
    QCOMPARE(currentRow(), model->entryRow());
    QCOMPARE(model->entryRow(), newestFirst ? 0 : 1);

    const Typed row{u"3/15/2024"_s, u"101"_s, u"Corner Grocer"_s, QString(), u"weekly shop"_s,
                    u"12.34"_s, QString(), u"c"_s};
    key(Qt::Key_Return); // opens the date editor
    QList<int> visited;
    for (int step = 0; step < order.size(); ++step) {
        const int column = currentColumn();
        visited.append(column);
        QVERIFY2(m_screen->tableView()->currentEditor(), "no editor open");
        replaceText(row.field(column));
        if (twoLine && column == RegisterModel::PayeeColumn) {
            key(Qt::Key_Tab);
            QCOMPARE(focus()->objectName(), u"memoEdit"_s);
            replaceText(row.memo);
        }
        key(Qt::Key_Return);
    }
    QCOMPARE(visited, order);

    const QList<Transaction> all = stored(checking.id);
    QCOMPARE(all.size(), 2);
    const Transaction &t = all.constLast().payee == u"Corner Grocer" ? all.constLast() : all.constFirst();
    QCOMPARE(t.payee, u"Corner Grocer"_s);
    QCOMPARE(t.date, QDate(2024, 3, 15));
    QCOMPARE(t.check_number, u"101"_s);
    QCOMPARE(t.memo, u"weekly shop"_s);
    QCOMPARE(t.amount, qint64(-1234));
    QVERIFY(t.cleared);
    QVERIFY(!t.reconciled);
    QCOMPARE(t.version, 1);
    QVERIFY(t.created_at.isValid());

    // Back on the blank entry row, which now starts on the saved date.
    QCOMPARE(currentRow(), model->entryRow());
    QCOMPARE(currentColumn(), 0);
    QCOMPARE(model->editRow(), -1);
    QCOMPARE(model->entryBuffer().date, u"3/15/2024"_s);
    QCOMPARE(model->entryBuffer().payee, QString());
    QCOMPARE(m_screen->findChild<QLabel *>(u"balanceLabel"_s)->text(), u"$987.66"_s);
}

void TestRegisterScreen::tabOnClrDoesNotSave()
{
    const Account checking = addAccount(u"Checking"_s);
    openAccount(checking.id);
    typeRowWithTab({u"3/1/2024"_s, QString(), u"Cafe"_s, QString(), QString(), u"4.50"_s, QString(), QString()});
    QCOMPARE(currentColumn(), int(RegisterModel::ClearedColumn));
    key(Qt::Key_Tab);
    QCOMPARE(currentColumn(), int(RegisterModel::ClearedColumn));
    QVERIFY(stored(checking.id).isEmpty());
    key(Qt::Key_Return);
    QCOMPARE(stored(checking.id).size(), 1);
}

void TestRegisterScreen::ctrlReturnSavesFromAnyField()
{
    const Account checking = addAccount(u"Checking"_s);
    openAccount(checking.id);
    key(Qt::Key_Return);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    QCOMPARE(currentColumn(), int(RegisterModel::PayeeColumn));
    replaceText(u"Bakery"_s);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    QCOMPARE(currentColumn(), int(RegisterModel::DepositColumn));
    replaceText(u"1,250.5"_s); // still in the open editor when saved
    key(Qt::Key_Return, Qt::ControlModifier);

    const QList<Transaction> all = stored(checking.id);
    QCOMPARE(all.size(), 1);
    QCOMPARE(all.first().payee, u"Bakery"_s);
    QCOMPARE(all.first().amount, qint64(125050));
    QCOMPARE(all.first().date, kToday);
    QCOMPARE(currentRow(), m_screen->model()->entryRow());
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
    QTest::newRow("prefix is case-sensitive") << u"[transfer] Savings"_s << QString()
                                              << u"Enter a payment or deposit amount"_s << QString();
    QTest::newRow("other currency") << u"[Transfer] Euro Savings"_s << u"5"_s << QString()
                                    << u"Transfers require both accounts to use the same currency"_s;
}

void TestRegisterScreen::refusedCommitsKeepTheEntry()
{
    QFETCH(QString, payee);
    QFETCH(QString, payment);
    QFETCH(QString, hint);
    QFETCH(QString, status);
    const Account checking = addAccount(u"Checking"_s);
    const Account savings = addAccount(u"Savings"_s);
    const Account euro = addAccount(u"Euro Savings"_s, Currency::EUR);
    openAccount(checking.id);
    QSignalSpy errors(m_screen.get(), &RegisterScreen::errorMessage);

    typeRowWithTab({u"3/1/2024"_s, QString(), payee, QString(), QString(), payment, QString(), QString()});
    key(Qt::Key_Return, Qt::ControlModifier);

    QCOMPARE(m_screen->hintText(), hint);
    if (status.isEmpty()) {
        QCOMPARE(errors.size(), 0);
    } else {
        QCOMPARE(errors.size(), 1);
        QCOMPARE(errors.first().first().toString(), status);
    }
    for (const Account &a : {checking, savings, euro})
        QVERIFY(stored(a.id).isEmpty());
    QCOMPARE(m_screen->model()->entryBuffer().payee, payee);
    QCOMPARE(m_screen->model()->entryBuffer().payment, payment);
    // The entry row stays current with the field to mend open.
    QCOMPARE(m_screen->tableView()->currentIndex().row(), m_screen->model()->entryRow());
    QVERIFY(m_screen->tableView()->currentEditor());
}

void TestRegisterScreen::categoryTextResolves_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("own name") << u"Pet Food"_s << u"Pet Food"_s;
    QTest::newRow("parent > child, not a whole name") << u"Animals > Pet Food"_s << u"Pet Food"_s;
    QTest::newRow("unique beginning completes") << u"pet f"_s << u"Pet Food"_s;
    QTest::newRow("unknown is refused") << u"Nothing Like It"_s << QString();
}

void TestRegisterScreen::categoryTextResolves()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    Category petFood;
    petFood.id = newId();
    petFood.name = u"Pet Food"_s;
    petFood.created_at = petFood.updated_at = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state->categoryRepository()->insert(petFood));
    const Account checking = addAccount(u"Checking"_s);
    openAccount(checking.id);
    typeRowWithTab({u"3/1/2024"_s, QString(), u"Pet shop"_s, typed, QString(), u"9"_s, QString(), QString()});
    key(Qt::Key_Return);
    const QList<Transaction> all = stored(checking.id);
    if (expected.isEmpty()) {
        QVERIFY(all.isEmpty());
        QCOMPARE(m_screen->model()->entryBuffer().categoryText, typed);
        return;
    }
    QCOMPARE(all.size(), 1);
    QCOMPARE(all.first().category_id, petFood.id);
}

void TestRegisterScreen::editExistingRowMovesBelow_data()
{
    QTest::addColumn<bool>("newestFirst");
    QTest::newRow("oldest first") << false;
    QTest::newRow("newest first") << true;
}

void TestRegisterScreen::editExistingRowMovesBelow()
{
    QFETCH(bool, newestFirst);
    m_state->preferencesRepository()->setBool(u"registerNewestFirst"_s, newestFirst);
    const Account checking = addAccount(u"Checking"_s);
    const Transaction a = addTransaction(checking.id, QDate(2024, 1, 1), u"Alpha"_s, -100);
    const Transaction b = addTransaction(checking.id, QDate(2024, 1, 2), u"Bravo"_s, -200);
    const Transaction c = addTransaction(checking.id, QDate(2024, 1, 3), u"Charlie"_s, -300);
    openAccount(checking.id);
    RegisterModel *model = m_screen->model();

    // Walk up or down to the middle row by key.
    key(newestFirst ? Qt::Key_Down : Qt::Key_Up);
    key(newestFirst ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(model->rowAt(currentRow())->transaction.id, b.id);
    QCOMPARE(model->editRow(), currentRow());
    const int edited = currentRow();

    key(Qt::Key_Return);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    QCOMPARE(currentColumn(), int(RegisterModel::PayeeColumn));
    replaceText(u"Bravo Renamed"_s);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    replaceText(u"2.50"_s);
    key(Qt::Key_Return, Qt::ControlModifier);

    const auto saved = m_state->transactionRepository()->findById(b.id);
    QVERIFY(saved);
    QCOMPARE(saved->payee, u"Bravo Renamed"_s);
    QCOMPARE(saved->amount, qint64(-250));
    QCOMPARE(saved->version, b.version + 1);
    QCOMPARE(saved->sync_status, SyncStatus::Pending);
    QCOMPARE(saved->created_at, b.created_at);
    QCOMPARE(stored(checking.id).size(), 3);

    // The row below is now current and being edited.
    QCOMPARE(currentRow(), edited + 1);
    QCOMPARE(currentColumn(), 0);
    QCOMPARE(model->editRow(), edited + 1);
    QCOMPARE(model->rowAt(currentRow())->transaction.id, newestFirst ? a.id : c.id);
    QCOMPARE(model->entryBuffer().payee, newestFirst ? a.payee : c.payee);
}

void TestRegisterScreen::transferCreatesLinkedLegs()
{
    const Account checking = addAccount(u"Checking"_s);
    const Account savings = addAccount(u"Savings"_s);
    openAccount(checking.id);
    typeRowWithTab({u"3/15/2024"_s, u"7"_s, u"[Transfer] Savings"_s, QString(), u"rainy day"_s, u"25.00"_s,
                    QString(), QString()});
    key(Qt::Key_Return);

    const QList<Transaction> out = stored(checking.id);
    const QList<Transaction> in = stored(savings.id);
    QCOMPARE(out.size(), 1);
    QCOMPARE(in.size(), 1);
    QCOMPARE(out.first().payee, u"Transfer to Savings"_s);
    QCOMPARE(out.first().amount, qint64(-2500));
    QCOMPARE(out.first().memo, u"rainy day"_s);
    QCOMPARE(in.first().payee, u"Transfer from Checking"_s);
    QCOMPARE(in.first().amount, qint64(2500));
    QCOMPARE(in.first().date, QDate(2024, 3, 15));
    QVERIFY(in.first().memo.isEmpty());
    QVERIFY(in.first().check_number.isEmpty());
    QCOMPARE(out.first().transfer_link_id, in.first().id);
    QCOMPARE(in.first().transfer_link_id, out.first().id);
    QCOMPARE(out.first().transfer_dest_account_id, savings.id);
    QCOMPARE(in.first().transfer_dest_account_id, checking.id);
}

void TestRegisterScreen::deleteTransferRemovesBothLegs_data()
{
    QTest::addColumn<bool>("fromDestination");
    QTest::newRow("from the paying side") << false;
    QTest::newRow("from the receiving side") << true;
}

void TestRegisterScreen::deleteTransferRemovesBothLegs()
{
    QFETCH(bool, fromDestination);
    const Account checking = addAccount(u"Checking"_s);
    const Account savings = addAccount(u"Savings"_s);
    addTransaction(checking.id, QDate(2024, 1, 1), u"Salary"_s, 500000);
    openAccount(checking.id);
    typeRowWithTab({u"3/15/2024"_s, QString(), u"[Transfer] Savings"_s, QString(), QString(), u"40"_s, QString(),
                    QString()});
    key(Qt::Key_Return);
    QCOMPARE(stored(savings.id).size(), 1);

    if (fromDestination)
        openAccount(savings.id);
    key(Qt::Key_Up);
    const RegisterRow *row = m_screen->model()->rowAt(currentRow());
    QVERIFY(row);
    QVERIFY(!row->transaction.transfer_link_id.isEmpty());

    QString asked;
    whenShown<QMessageBox>([&asked](QMessageBox *box) {
        asked = box->text();
        box->button(QMessageBox::Yes)->click();
    });
    key(Qt::Key_D, Qt::ControlModifier);
    const QString payee = fromDestination ? u"Transfer from Checking"_s : u"Transfer to Savings"_s;
    QCOMPARE(asked, u"Delete transfer \"%1\" for $40.00?\n\nBoth sides of the transfer will be deleted."_s.arg(payee));
    QCOMPARE(stored(checking.id).size(), 1);
    QCOMPARE(stored(checking.id).first().payee, u"Salary"_s);
    QVERIFY(stored(savings.id).isEmpty());
}

void TestRegisterScreen::deleteOrdinaryAsksWithPlainWording()
{
    const Account checking = addAccount(u"Checking"_s);
    addTransaction(checking.id, QDate(2024, 1, 1), u"Keep"_s, -100);
    addTransaction(checking.id, QDate(2024, 1, 2), u"Cafe"_s, -1250);
    openAccount(checking.id);
    key(Qt::Key_Up);

    // No keeps it.
    QString asked;
    whenShown<QMessageBox>([&asked](QMessageBox *box) {
        asked = box->text();
        box->button(QMessageBox::No)->click();
    });
    key(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(asked, u"Delete \"Cafe\" for $12.50?"_s);
    QCOMPARE(stored(checking.id).size(), 2);

    whenShown<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::Yes)->click(); });
    m_screen->tableView()->setFocus();
    key(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(stored(checking.id).size(), 1);
    QCOMPARE(stored(checking.id).first().payee, u"Keep"_s);

    // On the entry row Ctrl+D only clears what was typed.
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    replaceText(u"Half typed"_s);
    key(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(m_screen->hintText(), u"Fields cleared"_s);
    QVERIFY(m_screen->model()->entryBuffer().payee.isEmpty());
    QCOMPARE(stored(checking.id).size(), 1);
}

void TestRegisterScreen::editingTransferKeepsLegsBalanced()
{
    const Account checking = addAccount(u"Checking"_s);
    const Account savings = addAccount(u"Savings"_s);
    openAccount(checking.id);
    typeRowWithTab({u"3/15/2024"_s, QString(), u"[Transfer] Savings"_s, QString(), QString(), u"40"_s, QString(),
                    QString()});
    key(Qt::Key_Return);

    key(Qt::Key_Up);
    key(Qt::Key_Return);
    for (int i = 0; i < 5; ++i)
        key(Qt::Key_Tab);
    QCOMPARE(currentColumn(), int(RegisterModel::PaymentColumn));
    replaceText(u"55"_s);
    key(Qt::Key_Return, Qt::ControlModifier);

    QCOMPARE(stored(checking.id).first().amount, qint64(-5500));
    QCOMPARE(stored(savings.id).first().amount, qint64(5500));
    QCOMPARE(stored(savings.id).first().payee, u"Transfer from Checking"_s);
}

void TestRegisterScreen::copyFromAbove_data()
{
    QTest::addColumn<bool>("editorOpen");
    QTest::newRow("table focused") << false;
    QTest::newRow("editor open") << true;
}

void TestRegisterScreen::copyFromAbove()
{
    QFETCH(bool, editorOpen);
    const Account checking = addAccount(u"Checking"_s);
    addTransaction(checking.id, QDate(2024, 1, 1), u"Landlord"_s, -90000);
    openAccount(checking.id);
    RegisterModel *model = m_screen->model();
    m_screen->tableView()->setCurrentIndex(model->index(model->entryRow(), RegisterModel::PayeeColumn));

    if (editorOpen) {
        key(Qt::Key_Return);
        auto *line = qobject_cast<QLineEdit *>(focus());
        QVERIFY(line);
        replaceText(u"It"_s);
        key(Qt::Key_Apostrophe); // typed into an open editor it is text
        QCOMPARE(line->text(), u"It'"_s);
        m_screen->copyFromAbove();
        QCOMPARE(line->text(), u"Landlord"_s);
        key(Qt::Key_Tab);
    } else {
        key(Qt::Key_Apostrophe);
    }
    QCOMPARE(model->entryBuffer().payee, u"Landlord"_s);

    // On the first row there is nothing above.
    m_screen->tableView()->setCurrentIndex(model->index(0, RegisterModel::PayeeColumn));
    m_screen->tableView()->setFocus();
    key(Qt::Key_Apostrophe);
    QCOMPARE(model->entryBuffer().payee, u"Landlord"_s);
    QCOMPARE(stored(checking.id).first().payee, u"Landlord"_s);
}

void TestRegisterScreen::payeeAutofillOnEntryRow()
{
    Category utilities;
    utilities.id = newId();
    utilities.name = u"Power"_s;
    utilities.created_at = utilities.updated_at = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state->categoryRepository()->insert(utilities));
    const Account checking = addAccount(u"Checking"_s);
    const Account other = addAccount(u"Other"_s);
    addTransaction(checking.id, QDate(2024, 1, 1), u"Power Co"_s, -4000, u"old"_s, utilities.id);
    addTransaction(checking.id, QDate(2024, 2, 1), u"Power Co"_s, -4500, u"February bill"_s, utilities.id);
    addTransaction(other.id, QDate(2024, 3, 1), u"Power Co"_s, 999, u"elsewhere"_s);
    openAccount(checking.id);

    key(Qt::Key_Return);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    replaceText(u"Power Co"_s);
    key(Qt::Key_Return);

    const RegisterEntryBuffer &buffer = m_screen->model()->entryBuffer();
    QCOMPARE(buffer.payment, u"45.00"_s);
    QVERIFY(buffer.deposit.isEmpty());
    QCOMPARE(buffer.categoryText, u"Power"_s);
    QCOMPARE(buffer.categoryId, utilities.id);
    QCOMPARE(buffer.memo, u"February bill"_s);

    // The rest of the row takes the filled values on Enter.
    for (int i = 0; i < 5; ++i)
        key(Qt::Key_Return);
    const QList<Transaction> all = stored(checking.id);
    QCOMPARE(all.size(), 3);
    QCOMPARE(all.first().date, kToday); // newest first
    QCOMPARE(all.first().amount, qint64(-4500));
    QCOMPARE(all.first().category_id, utilities.id);

    // Editing an existing row never autofills.
    key(Qt::Key_Up);
    key(Qt::Key_Return);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    replaceText(u"Power Co"_s);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    replaceText(u"12"_s);
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(stored(checking.id).first().amount, qint64(-1200));
    QCOMPARE(stored(checking.id).first().memo, u"February bill"_s);
}

void TestRegisterScreen::completionPopupTakesTabAndEnter_data()
{
    QTest::addColumn<int>("acceptKey");
    QTest::addColumn<int>("column"); // where the cursor is afterwards
    QTest::newRow("Tab takes it and moves on") << int(Qt::Key_Tab) << int(RegisterModel::CategoryColumn);
    QTest::newRow("Enter takes it and stays") << int(Qt::Key_Return) << int(RegisterModel::PayeeColumn);
}

void TestRegisterScreen::completionPopupTakesTabAndEnter()
{
    QFETCH(int, acceptKey);
    QFETCH(int, column);
    const Account checking = addAccount(u"Checking"_s);
    addTransaction(checking.id, QDate(2024, 1, 1), u"Power Company"_s, -4500, u"bill"_s);
    openAccount(checking.id);
    key(Qt::Key_Return);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    auto *payee = qobject_cast<QLineEdit *>(focus());
    QVERIFY(payee && payee->completer());
    QTest::keyClick(payee, Qt::Key_Backspace);
    QTest::keyClicks(payee, u"comp"_s);
    QPointer<QAbstractItemView> popup = payee->completer()->popup();
    QPointer<QLineEdit> payeeLine = payee;
    QTRY_VERIFY(popup->isVisible());
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key(acceptKey));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QVERIFY(!popup || !popup->isVisible());
    QCOMPARE(currentColumn(), column);
    if (acceptKey == Qt::Key_Tab) {
        // The completion went through the write-back, which filled the row.
        QCOMPARE(m_screen->model()->entryBuffer().payee, u"Power Company"_s);
        QCOMPARE(m_screen->model()->entryBuffer().payment, u"45.00"_s);
        QCOMPARE(m_screen->model()->entryBuffer().memo, u"bill"_s);
    } else {
        // Offscreen the popup keeps the window's activation, which ends the
        // editor; what matters is the text taken and no step to the next field.
        if (payeeLine && m_screen->tableView()->currentEditor())
            QCOMPARE(payeeLine->text(), u"Power Company"_s);
        else
            QCOMPARE(m_screen->model()->entryBuffer().payee, u"Power Company"_s);
    }
    QVERIFY(stored(checking.id).size() == 1);
}

void TestRegisterScreen::memorize_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("2024") << QDate(2024, 5, 3) << true;
    QTest::newRow("first day of 2000") << QDate(2000, 1, 1) << true;
    QTest::newRow("1999") << QDate(1999, 12, 31) << false;
}

void TestRegisterScreen::memorize()
{
    QFETCH(QDate, date);
    QFETCH(bool, accepted);
    const Account checking = addAccount(u"Checking"_s);
    addTransaction(checking.id, date, u"Gym"_s, -3000, u"membership"_s);
    openAccount(checking.id);

    // On the entry row nothing happens.
    key(Qt::Key_M, Qt::ControlModifier);
    QVERIFY(m_screen->hintText().isEmpty());

    key(Qt::Key_Up);
    bool shown = false;
    if (accepted) {
        whenShown<RecurringFormDialog>([&shown](RecurringFormDialog *dialog) {
            shown = true;
            dialog->accept();
        });
    }
    key(Qt::Key_M, Qt::ControlModifier);
    const QList<RecurringTransaction> entries = m_state->recurringRepository()->findAll();
    if (accepted) {
        QVERIFY(shown);
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.first().payee, u"Gym"_s);
        QCOMPARE(entries.first().amount, qint64(-3000));
        QCOMPARE(entries.first().next_due_date, date);
        QCOMPARE(entries.first().frequency, Frequency::Monthly);
        QVERIFY(!entries.first().auto_post);
        QCOMPARE(m_screen->hintText(), u"Transaction memorized as recurring"_s);
    } else {
        QVERIFY(entries.isEmpty());
        QCOMPARE(m_screen->hintText(), u"Cannot memorize: source transaction has an invalid date"_s);
    }
}

void TestRegisterScreen::amountsFollowAccountCurrency()
{
    const Account yen = addAccount(u"Wallet"_s, Currency::JPY, 10000);
    openAccount(yen.id);
    typeRowWithTab({u"3/1/2024"_s, QString(), u"Ramen"_s, QString(), QString(), u"1,200"_s, QString(), QString()});
    key(Qt::Key_Return);
    QCOMPARE(stored(yen.id).first().amount, qint64(-1200));
    QCOMPARE(m_screen->findChild<QLabel *>(u"balanceLabel"_s)->text(), u"¥8,800"_s);
    // Row 0 is the opening balance.
    QCOMPARE(m_screen->model()->index(0, RegisterModel::DepositColumn).data().toString(), u"10,000"_s);
    QCOMPARE(m_screen->model()->index(1, RegisterModel::PaymentColumn).data().toString(), u"1,200"_s);

    // The delete question names the amount in the account's currency.
    key(Qt::Key_Up);
    QString asked;
    whenShown<QMessageBox>([&asked](QMessageBox *box) {
        asked = box->text();
        box->button(QMessageBox::No)->click();
    });
    key(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(asked, u"Delete \"Ramen\" for ¥1,200?"_s);

    // The computed opening-balance line cannot be edited.
    m_screen->tableView()->setFocus();
    key(Qt::Key_Up);
    QCOMPARE(currentRow(), 0);
    key(Qt::Key_Return);
    QVERIFY(!m_screen->tableView()->currentEditor());
    QCOMPARE(m_screen->model()->editRow(), -1);
}

void TestRegisterScreen::reloadKeepsPosition()
{
    const Account checking = addAccount(u"Checking"_s);
    QList<Transaction> added;
    for (int i = 0; i < 60; ++i)
        added.append(addTransaction(checking.id, QDate(2024, 1, 1).addDays(i), u"Row %1"_s.arg(i), -100));
    openAccount(checking.id);
    RegisterModel *model = m_screen->model();
    m_screen->tableView()->setCurrentIndex(model->index(30, RegisterModel::PayeeColumn));
    QCOMPARE(model->rowAt(30)->transaction.id, added.at(30).id);

    // A row added before it elsewhere moves it down by one; it stays current.
    addTransaction(checking.id, QDate(2023, 12, 1), u"Earlier"_s, -100);
    QTRY_COMPARE(model->rows().size(), 61);
    QCOMPARE(currentRow(), 31);
    QCOMPARE(currentColumn(), int(RegisterModel::PayeeColumn));
    QCOMPARE(model->rowAt(currentRow())->transaction.id, added.at(30).id);

    // When it is deleted elsewhere, the same row number stays current.
    m_state->transactionRepository()->softDelete(added.at(30).id);
    QTRY_COMPARE(model->rows().size(), 60);
    QCOMPARE(currentRow(), 31);
    QCOMPARE(model->rowAt(currentRow())->transaction.id, added.at(31).id);
}

void TestRegisterScreen::outsideChangesWaitAndKeepTheEntry()
{
    const Account checking = addAccount(u"Checking"_s);
    const Account savings = addAccount(u"Savings"_s);
    openAccount(checking.id);
    key(Qt::Key_Return);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    replaceText(u"Half typed"_s);
    key(Qt::Key_Tab);

    // A posting from elsewhere while an editor is open shows once it closes.
    addTransaction(checking.id, QDate(2024, 1, 1), u"Posted"_s, -500);
    QTest::qWait(50);
    QVERIFY(m_screen->tableView()->currentEditor());
    QCOMPARE(m_screen->model()->rows().size(), 0);
    key(Qt::Key_Escape);
    QTRY_COMPARE(m_screen->model()->rows().size(), 1);
    QCOMPARE(m_screen->model()->entryBuffer().payee, u"Half typed"_s);
    QCOMPARE(currentRow(), m_screen->model()->entryRow());

    // Another account's register starts empty.
    openAccount(savings.id);
    QVERIFY(m_screen->model()->entryBuffer().payee.isEmpty());
}

void TestRegisterScreen::tenTransactionsInARow()
{
    const Account checking = addAccount(u"Checking"_s, Currency::USD, 100000);
    openAccount(checking.id);
    qint64 expected = 100000;
    for (int i = 0; i < 10; ++i) {
        const bool deposit = i % 3 == 0;
        const QString amount = u"%1.%2"_s.arg(10 + i).arg(i * 7 % 100, 2, 10, QLatin1Char('0'));
        const qint64 minor = (10 + i) * 100 + (i * 7 % 100);
        expected += deposit ? minor : -minor;
        key(Qt::Key_Return); // the date editor on the entry row
        replaceText(u"4/%1/2024"_s.arg(i + 1));
        key(Qt::Key_Return);
        key(Qt::Key_Return); // no cheque number
        replaceText(u"Payee %1"_s.arg(i));
        key(Qt::Key_Return);
        key(Qt::Key_Return); // no category
        key(Qt::Key_Return); // no memo
        if (!deposit)
            replaceText(amount);
        key(Qt::Key_Return);
        if (deposit)
            replaceText(amount);
        key(Qt::Key_Return);
        key(Qt::Key_Return); // Clr saves
        QCOMPARE(stored(checking.id).size(), i + 1);
        QCOMPARE(currentRow(), m_screen->model()->entryRow());
    }
    const QList<RegisterRow> rows = m_state->transactionRepository()->registerRows(checking.id);
    QCOMPARE(rows.size(), 11); // with the opening balance
    QCOMPARE(rows.last().running_balance, expected);
    QCOMPARE(rows.at(1).transaction.date, QDate(2024, 4, 1));
    QCOMPARE(rows.last().transaction.payee, u"Payee 9"_s);
    QCOMPARE(m_screen->findChild<QLabel *>(u"balanceLabel"_s)->text(), u"$%1"_s.arg(
        QLocale(QLocale::English).toString(expected / 100.0, 'f', 2)));
}

void TestRegisterScreen::measureCommitAndReload_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("10,000") << 10000;
    QTest::newRow("100,000") << 100000;
}

void TestRegisterScreen::localRefreshMatchesStore_data()
{
    QTest::addColumn<qint64>("starting");
    QTest::addColumn<bool>("newestFirst");
    QTest::newRow("no starting balance") << qint64(0) << false;
    QTest::newRow("starting balance") << qint64(50000) << false;
    QTest::newRow("starting balance, newest first") << qint64(50000) << true;
}

void TestRegisterScreen::localRefreshMatchesStore()
{
    QFETCH(qint64, starting);
    QFETCH(bool, newestFirst);
    m_state->preferencesRepository()->setBool(u"registerNewestFirst"_s, newestFirst);
    const Account checking = addAccount(u"Checking"_s, Currency::USD, starting);
    const auto groceries = m_state->categoryRepository()->findByName(u"Groceries"_s);
    QVERIFY(groceries);
    const Transaction a = addTransaction(checking.id, QDate(2024, 1, 10), u"A"_s, -1000);
    const Transaction b = addTransaction(checking.id, QDate(2024, 1, 20), u"B"_s, -2000, QString(), groceries->id);
    addTransaction(checking.id, QDate(2024, 1, 20), u"C"_s, 7000);
    const Transaction d = addTransaction(checking.id, QDate(2024, 1, 30), u"D"_s, -400);
    openAccount(checking.id);
    verifyMatchesStore(checking.id);

    // New rows: on a day that has rows, and before every row.
    for (const QString &date : {u"1/20/2024"_s, u"1/1/2024"_s}) {
        typeRowWithTab({date, QString(), u"New "_s + date, u"Groceries"_s, QString(), u"3"_s, QString(), QString()});
        key(Qt::Key_Return);
        verifyMatchesStore(checking.id);
    }

    // An edit that moves a row to a later date.
    selectTransaction(b.id, RegisterModel::DateColumn);
    key(Qt::Key_Return);
    replaceText(u"2/5/2024"_s);
    key(Qt::Key_Return, Qt::ControlModifier);
    verifyMatchesStore(checking.id);

    // Deleting the first and the last stored rows.
    for (const QString &id : {a.id, d.id}) {
        selectTransaction(id, RegisterModel::PayeeColumn);
        whenShown<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::Yes)->click(); });
        key(Qt::Key_D, Qt::ControlModifier);
        verifyMatchesStore(checking.id);
    }
}

void TestRegisterScreen::contextMenu_data()
{
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<QString>("toggle");
    QTest::newRow("uncleared row") << false << u"Mark &Cleared"_s;
    QTest::newRow("cleared row") << true << u"Mark &Uncleared"_s;
}

void TestRegisterScreen::contextMenu()
{
    QFETCH(bool, cleared);
    QFETCH(QString, toggle);
    const Account checking = addAccount(u"Checking"_s);
    Transaction t = addTransaction(checking.id, QDate(2024, 1, 1), u"Cafe"_s, -300);
    t.cleared = cleared;
    t.version = 4;
    t.sync_status = SyncStatus::Synced;
    QVERIFY(m_state->transactionRepository()->update(t));
    openAccount(checking.id);
    RegisterTableView *table = m_screen->tableView();

    QStringList entryMenu;
    whenMenuShown([&entryMenu](QMenu *menu) {
        entryMenu = actionTexts(menu);
        menu->close();
    });
    m_screen->onContextMenu(table->visualRect(m_screen->model()->index(1, 2)).center());
    QCOMPARE(entryMenu, QStringList({u"&Insert New"_s, u"&New Transaction..."_s}));

    QStringList rowMenu;
    whenMenuShown([&rowMenu, toggle](QMenu *menu) {
        rowMenu = actionTexts(menu);
        for (QAction *action : menu->actions()) {
            if (action->text() == toggle)
                action->trigger();
        }
        menu->close();
    });
    m_screen->onContextMenu(table->visualRect(m_screen->model()->index(0, 2)).center());
    QCOMPARE(rowMenu, QStringList({u"&Insert New"_s, u"&New Transaction..."_s, u"-"_s, toggle, u"&Delete"_s}));
    const auto saved = m_state->transactionRepository()->findById(t.id);
    QVERIFY(saved);
    QCOMPARE(saved->cleared, !cleared);
    QCOMPARE(saved->version, 4); // the flag flip keeps the version
    QCOMPARE(saved->sync_status, SyncStatus::Pending);
    QCOMPARE(m_screen->model()->index(0, RegisterModel::ClearedColumn).data().toString(),
             cleared ? QString() : u"C"_s);
}

void TestRegisterScreen::ctrlIStartsNewEntry()
{
    const Account checking = addAccount(u"Checking"_s);
    addTransaction(checking.id, QDate(2024, 1, 1), u"Cafe"_s, -300);
    openAccount(checking.id);
    key(Qt::Key_Up);
    QCOMPARE(m_screen->model()->editRow(), 0);
    key(Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(m_screen->model()->editRow(), -1);
    QCOMPARE(currentRow(), m_screen->model()->entryRow());
    QCOMPARE(currentColumn(), 0);
    QVERIFY(qobject_cast<QLineEdit *>(focus()));
    QCOMPARE(qobject_cast<QLineEdit *>(focus())->text(), u"6/15/2024"_s);
    QVERIFY(m_screen->model()->entryBuffer().payee.isEmpty());
}

void TestRegisterScreen::ctrlNOpensTheForm()
{
    const Account checking = addAccount(u"Checking"_s);
    openAccount(checking.id);
    bool shown = false;
    whenShown<TransactionFormDialog>([&shown](TransactionFormDialog *dialog) {
        shown = !dialog->isEditing();
        dialog->reject();
    });
    key(Qt::Key_N, Qt::ControlModifier);
    QVERIFY(shown);
    QVERIFY(stored(checking.id).isEmpty());
}

void TestRegisterScreen::escapeRevertsTheField()
{
    const Account checking = addAccount(u"Checking"_s);
    openAccount(checking.id);
    key(Qt::Key_Return);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    replaceText(u"Kept"_s);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    replaceText(u"99"_s);
    key(Qt::Key_Escape);
    QVERIFY(!m_screen->tableView()->currentEditor());
    QCOMPARE(m_screen->model()->entryBuffer().payee, u"Kept"_s);
    QVERIFY(m_screen->model()->entryBuffer().payment.isEmpty());
    QVERIFY(stored(checking.id).isEmpty());
}

void TestRegisterScreen::headerShowsAccount_data()
{
    QTest::addColumn<QString>("institution");
    QTest::addColumn<QString>("last4");
    QTest::addColumn<qint64>("starting");
    QTest::addColumn<QString>("subtitle");
    QTest::newRow("both, positive") << u"First Harbor"_s << u"4821"_s << qint64(5000) << u"First Harbor  ·  *4821"_s;
    QTest::newRow("institution only, negative") << u"First Harbor"_s << QString() << qint64(-5000) << u"First Harbor"_s;
    QTest::newRow("nothing, zero") << QString() << QString() << qint64(0) << QString();
}

void TestRegisterScreen::headerShowsAccount()
{
    QFETCH(QString, institution);
    QFETCH(QString, last4);
    QFETCH(qint64, starting);
    QFETCH(QString, subtitle);
    Account account = addAccount(u"Household"_s, Currency::USD, starting);
    account.institution = institution;
    account.account_number_last4 = last4;
    QVERIFY(m_state->accountRepository()->update(account));
    openAccount(account.id);

    QCOMPARE(m_screen->findChild<QLabel *>(u"accountNameLabel"_s)->text(), u"Household"_s);
    auto *sub = m_screen->findChild<QLabel *>(u"subtitleLabel"_s);
    QCOMPARE(sub->text(), subtitle);
    QCOMPARE(sub->isVisible(), !subtitle.isEmpty());
    auto *balance = m_screen->findChild<QLabel *>(u"balanceLabel"_s);
    QCOMPARE(balance->text(), formatMoney(starting, Currency::USD));
    const QColor colour = starting < 0 ? negativeAmountColor() : positiveAmountColor();
    QVERIFY2(balance->styleSheet().contains(colour.name()), qPrintable(balance->styleSheet()));

    QSignalSpy reconcile(m_screen.get(), &RegisterScreen::reconcileRequested);
    QTest::mouseClick(m_screen->findChild<QPushButton *>(u"reconcileButton"_s), Qt::LeftButton);
    QCOMPARE(reconcile.size(), 1);
    QCOMPARE(reconcile.first().first().toString(), account.id);
}

// Times one typed row from Enter on Clr to the reloaded register, when
// REGISTER_BENCH is set (it builds large databases).
void TestRegisterScreen::measureCommitAndReload()
{
    QFETCH(int, count);
    if (!qEnvironmentVariableIsSet("REGISTER_BENCH"))
        QSKIP("set REGISTER_BENCH to measure large registers");
    const Account checking = addAccount(u"Checking"_s, Currency::USD, 100000);
    QList<Transaction> bulk;
    bulk.reserve(count);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int i = 0; i < count; ++i) {
        Transaction t;
        t.id = newId();
        t.account_id = checking.id;
        t.date = QDate(2000, 1, 1).addDays(i / 20);
        t.payee = u"Payee %1"_s.arg(i % 500);
        t.amount = (i % 7 == 0) ? 250000 : -(100 + i % 9000);
        t.created_at = t.updated_at = now.addMSecs(i);
        bulk.append(t);
    }
    QSqlDatabase db = m_state->database()->connection();
    QVERIFY(db.transaction());
    QVERIFY(m_state->transactionRepository()->insertMany(bulk));
    QVERIFY(db.commit());
    QElapsedTimer open;
    open.start();
    openAccount(checking.id);
    const qint64 openMs = open.elapsed();
    QCOMPARE(m_screen->model()->rows().size(), count + 1);

    key(Qt::Key_Return);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    replaceText(u"Timed Payee"_s);
    for (int i = 0; i < 4; ++i)
        key(Qt::Key_Tab);
    replaceText(u"1.00"_s);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    QElapsedTimer commit;
    commit.start();
    QTest::keyClick(focus(), Qt::Key_Return);
    const qint64 commitMs = commit.elapsed();
    QCOMPARE(m_screen->model()->rows().size(), count + 2);
    qWarning("%d transactions: open %lld ms, commit and reload %lld ms", count, openMs, commitMs);
}

// Saves screenshots for a person to look at when REGISTER_SCREENSHOTS names a folder.
void TestRegisterScreen::renderForInspection()
{
    const QString folder = qEnvironmentVariable("REGISTER_SCREENSHOTS");
    if (folder.isEmpty())
        QSKIP("set REGISTER_SCREENSHOTS to a folder to render the register");
    Account checking = addAccount(u"Everyday Checking"_s, Currency::USD, 250000);
    checking.institution = u"First Harbor Bank"_s;
    checking.account_number_last4 = u"4821"_s;
    QVERIFY(m_state->accountRepository()->update(checking));
    const auto groceries = m_state->categoryRepository()->findByName(u"Groceries"_s);
    const QString groceryId = groceries ? groceries->id : QString();
    const char *payees[] = {"Corner Grocer", "City Power", "Payroll", "Coffee House", "Landlord"};
    for (int i = 0; i < 14; ++i) {
        const qint64 amount = i % 5 == 2 ? 185000 : -(1234 + i * 917);
        addTransaction(checking.id, QDate(2024, 5, 1).addDays(i * 2), QString::fromLatin1(payees[i % 5]), amount,
                       i % 3 == 0 ? u"note %1"_s.arg(i) : QString(), i % 5 == 0 ? groceryId : QString());
    }
    for (const bool dark : {false, true}) {
        for (const bool twoLine : {false, true}) {
            QApplication::setPalette(dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette());
            m_state->preferencesRepository()->setBool(u"registerTwoLine"_s, twoLine);
            openAccount(checking.id);
            key(Qt::Key_Up);
            key(Qt::Key_Return);
            key(Qt::Key_Tab);
            key(Qt::Key_Tab);
            const QString name = u"%1/register-%2-%3.png"_s.arg(folder, dark ? u"dark"_s : u"light"_s,
                                                                twoLine ? u"twoline"_s : u"single"_s);
            QVERIFY(m_screen->grab().save(name));
            key(Qt::Key_Escape);
            key(Qt::Key_Down);
            key(Qt::Key_Return); // the date editor on the entry row
            QVERIFY(m_screen->grab().save(QString(name).replace(u".png"_s, u"-entry.png"_s)));
            key(Qt::Key_Escape);
        }
    }
}

PENWICK_TEST_MAIN(TestRegisterScreen)
#include "tst_registerscreen.moc"
