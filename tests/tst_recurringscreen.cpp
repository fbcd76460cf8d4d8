#include "testsupport.h"

#include "app/appstate.h"
#include "app/money.h"
#include "app/palettecolors.h"
#include "app/thememanager.h"
#include "services/recurringservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "ui/dateinput.h"
#include "ui/screens/recurringformdialog.h"
#include "ui/screens/recurringmodel.h"
#include "ui/screens/recurringscreen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>
#include <QUuid>
#include <functional>

namespace {

// The screen's idea of today; the form itself works on the real calendar.
const QDate kToday(2024, 6, 15);

template<typename T>
T *child(const QObject *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qWarning().noquote() << "no child named" << name;
    return found;
}

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

void replaceText(QWidget *field, const QString &text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// Types a date section by section into an M/d/yyyy field, the year first so
// that no step passes through a date below the field's minimum.
void typeDate(QDateEdit *edit, const QDate &date)
{
    edit->setFocus();
    const QPair<QDateTimeEdit::Section, int> parts[] = {{QDateTimeEdit::YearSection, date.year()},
                                                         {QDateTimeEdit::MonthSection, date.month()},
                                                         {QDateTimeEdit::DaySection, date.day()}};
    for (const auto &[section, number] : parts) {
        edit->setSelectedSection(section);
        QTest::keyClicks(edit, QString::number(number));
    }
    QTest::keyClick(edit, Qt::Key_Tab);
}

// A check box reacts on its indicator and text, not on the rest of its row.
void clickCheck(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

void chooseByText(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setFocus();
    // Keyboard selection, as in a closed combo box: Home then Down until there.
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentIndex(), index);
}

bool isRandomUuid(const QString &id)
{
    const QUuid uuid = QUuid::fromString(id);
    return id.size() == 36 && id == id.toLower() && !uuid.isNull() && uuid.version() == QUuid::Random;
}

bool isNowish(const QDateTime &stamp, const QDateTime &before)
{
    return stamp.isValid() && stamp.timeSpec() == Qt::UTC && stamp >= before.addSecs(-1)
           && stamp <= QDateTime::currentDateTimeUtc().addSecs(1);
}

} // namespace

class TestRecurringScreen : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void newFormBuildsFreshEntry_data();
    void newFormBuildsFreshEntry();
    void editDateRules_data();
    void editDateRules();
    void editKeepsUnshownFields();
    void memorizeSeedsNewEntry_data();
    void memorizeSeedsNewEntry();
    void brokenDatesAreReplaced_data();
    void brokenDatesAreReplaced();
    void endDateFollowsCheckBoxAndStart();
    void okNeedsAnAccount();
    void accountCurrencyDrivesAmount_data();
    void accountCurrencyDrivesAmount();

    void modelColumns_data();
    void modelColumns();

    void confirmAndSkipThroughMenu_data();
    void confirmAndSkipThroughMenu();
    void confirmAllDue_data();
    void confirmAllDue();
    void dueLabelColourFollowsTheme();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void newAndEditThroughScreen();

    void renderForInspection();

private:
    Account addAccount(const QString &name, Currency currency = Currency::USD);
    RecurringTransaction addEntry(const QString &accountId, const QString &payee, qint64 amount,
                                  const QDate &nextDue, bool active = true);
    RecurringTransaction stored(const QString &id) const;
    int postedFor(const QString &entryId) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<RecurringService> m_service;
    QByteArray m_savedDataDir;
};

void TestRecurringScreen::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_savedDataDir = qgetenv("PENWICK_DATA_DIR");
    qputenv("PENWICK_DATA_DIR", m_dir->path().toUtf8());
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    m_service = std::make_unique<RecurringService>(m_state->recurringRepository(), m_state->transactionRepository(),
                                                   m_state->accountRepository());
    m_service->setToday(kToday);
    QApplication::setPalette(ThemeManager::lightPalette());
}

void TestRecurringScreen::cleanup()
{
    m_service.reset();
    m_state.reset();
    m_dir.reset();
    qputenv("PENWICK_DATA_DIR", m_savedDataDir);
}

Account TestRecurringScreen::addAccount(const QString &name, Currency currency)
{
    Account a;
    a.id = newId();
    a.name = name;
    a.currency = currency;
    a.created_at = a.updated_at = QDateTime::currentDateTimeUtc();
    if (!m_state->accountRepository()->insert(a))
        qWarning("addAccount failed");
    return a;
}

RecurringTransaction TestRecurringScreen::addEntry(const QString &accountId, const QString &payee, qint64 amount,
                                                   const QDate &nextDue, bool active)
{
    RecurringTransaction r;
    r.id = newId();
    r.account_id = accountId;
    r.payee = payee;
    r.amount = amount;
    r.frequency = Frequency::Monthly;
    r.start_date = nextDue.isValid() ? nextDue.addMonths(-2) : QDate(2024, 1, 1);
    r.next_due_date = nextDue;
    r.is_active = active;
    r.version = 3;
    r.sync_status = SyncStatus::Synced;
    r.server_id = u"srv-"_s + payee;
    r.created_at = r.updated_at = QDateTime(QDate(2023, 1, 1), QTime(8, 0), Qt::UTC);
    if (!m_state->recurringRepository()->insert(r))
        qWarning("addEntry failed");
    return r;
}

RecurringTransaction TestRecurringScreen::stored(const QString &id) const
{
    return m_state->recurringRepository()->findById(id).value_or(RecurringTransaction());
}

int TestRecurringScreen::postedFor(const QString &entryId) const
{
    int n = 0;
    for (const Account &a : m_state->accountRepository()->findAll()) {
        for (const Transaction &t : m_state->transactionRepository()->findByAccount(a.id))
            n += t.recurring_id == entryId ? 1 : 0;
    }
    return n;
}

// ---- form -----------------------------------------------------------------

void TestRecurringScreen::newFormBuildsFreshEntry_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<Frequency>("expectedFrequency");
    QTest::addColumn<bool>("autoPost");

    QTest::newRow("payment 12.34") << u"Payment"_s << u"12.34"_s << qint64(-1234) << u"Monthly"_s
                                   << Frequency::Monthly << false;
    QTest::newRow("deposit 12.34") << u"Deposit"_s << u"12.34"_s << qint64(1234) << u"Bi-weekly"_s
                                   << Frequency::Biweekly << true;
    QTest::newRow("whole dollars") << u"Payment"_s << u"1500"_s << qint64(-150000) << u"Semi-annual"_s
                                   << Frequency::SemiAnnual << false;
    QTest::newRow("grouped deposit") << u"Deposit"_s << u"2,000.5"_s << qint64(200050) << u"Annual"_s
                                     << Frequency::Annual << true;
}

void TestRecurringScreen::newFormBuildsFreshEntry()
{
    QFETCH(QString, type);
    QFETCH(QString, typed);
    QFETCH(qint64, amount);
    QFETCH(QString, frequency);
    QFETCH(Frequency, expectedFrequency);
    QFETCH(bool, autoPost);

    addAccount(u"Checking"_s);
    const Account savings = addAccount(u"Savings"_s);
    m_state->setCurrentAccountId(savings.id);
    const auto electric = m_state->categoryRepository()->findByName(u"Electric"_s);
    QVERIFY(electric);

    const QDateTime before = QDateTime::currentDateTimeUtc();
    RecurringFormDialog dialog(m_state.get());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), u"New Recurring Transaction"_s);
    QCOMPARE(child<QComboBox>(&dialog, u"accountCombo"_s)->currentText(), savings.name);
    QVERIFY(child<QCheckBox>(&dialog, u"activeCheck"_s)->isChecked());
    QCOMPARE(child<QDateEdit>(&dialog, u"startDateEdit"_s)->date(), QDate::currentDate());

    chooseByText(child<QComboBox>(&dialog, u"typeCombo"_s), type);
    replaceText(child<QLineEdit>(&dialog, u"payeeEdit"_s), u"  Pinecrest Apartments "_s);
    replaceText(child<QDoubleSpinBox>(&dialog, u"amountField"_s), typed);
    auto *category = child<QComboBox>(&dialog, u"categoryCombo"_s);
    QCOMPARE(category->itemText(0), u"(none)"_s);
    chooseByText(category, u"Utilities > Electric"_s);
    replaceText(child<QLineEdit>(&dialog, u"memoEdit"_s), u" rent "_s);
    chooseByText(child<QComboBox>(&dialog, u"frequencyCombo"_s), frequency);
    const QDate start = QDate::currentDate().addDays(3);
    typeDate(child<QDateEdit>(&dialog, u"startDateEdit"_s), start);
    if (autoPost)
        clickCheck(child<QCheckBox>(&dialog, u"autoPostCheck"_s));

    const RecurringTransaction r = dialog.recurring();
    QVERIFY2(isRandomUuid(r.id), qPrintable(r.id));
    QCOMPARE(dialog.recurring().id, r.id); // asking again gives the same record
    QVERIFY(isNowish(r.created_at, before));
    QVERIFY(isNowish(r.updated_at, before));
    QCOMPARE(r.account_id, savings.id);
    QCOMPARE(r.payee, u"Pinecrest Apartments"_s);
    QCOMPARE(r.memo, u"rent"_s);
    QCOMPARE(r.amount, amount);
    QCOMPARE(r.category_id, electric->id);
    QCOMPARE(r.frequency, expectedFrequency);
    QCOMPARE(r.start_date, start);
    QCOMPARE(r.next_due_date, start);
    QVERIFY(!r.end_date.has_value());
    QCOMPARE(r.auto_post, autoPost);
    QVERIFY(r.is_active);
    QCOMPARE(r.version, 1);
    QCOMPARE(r.sync_status, SyncStatus::Pending);
    QVERIFY(r.transfer_dest_account_id.isEmpty());
    QVERIFY(m_state->recurringRepository()->insert(r));
}

void TestRecurringScreen::editDateRules_data()
{
    QTest::addColumn<QDate>("storedStart");
    QTest::addColumn<QDate>("storedNext");
    QTest::addColumn<QDate>("typedStart"); // invalid: the date is left alone
    QTest::addColumn<QDate>("expectedStart");
    QTest::addColumn<QDate>("expectedNext");

    const QDate today = QDate::currentDate();
    QTest::newRow("amount only: schedule goes on")
        << QDate(2023, 1, 31) << QDate(2024, 7, 31) << QDate() << QDate(2023, 1, 31) << QDate(2024, 7, 31);
    QTest::newRow("same date typed again") << QDate(2023, 1, 31) << QDate(2024, 7, 31) << QDate(2023, 1, 31)
                                           << QDate(2023, 1, 31) << QDate(2024, 7, 31);
    QTest::newRow("start moved into the past restarts")
        << QDate(2023, 1, 31) << today.addDays(20) << today.addDays(-10) << today.addDays(-10) << today.addDays(-10);
    QTest::newRow("start moved forward restarts")
        << QDate(2023, 1, 31) << QDate(2024, 7, 31) << today.addMonths(2) << today.addMonths(2) << today.addMonths(2);
}

void TestRecurringScreen::editDateRules()
{
    QFETCH(QDate, storedStart);
    QFETCH(QDate, storedNext);
    QFETCH(QDate, typedStart);
    QFETCH(QDate, expectedStart);
    QFETCH(QDate, expectedNext);

    const Account account = addAccount(u"Checking"_s);
    RecurringTransaction entry = addEntry(account.id, u"Rent"_s, -145000, storedNext);
    entry.start_date = storedStart;
    QVERIFY(m_state->recurringRepository()->update(entry));
    entry = stored(entry.id);

    RecurringFormDialog dialog(m_state.get(), entry, RecurringFormDialog::Mode::Edit);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), u"Edit Recurring Transaction"_s);
    QCOMPARE(child<QComboBox>(&dialog, u"typeCombo"_s)->currentText(), u"Payment"_s);
    auto *amount = child<QDoubleSpinBox>(&dialog, u"amountField"_s);
    QCOMPARE(amount->text(), u"$ 1,450.00"_s);
    replaceText(amount, u"1500.25"_s);
    if (typedStart.isValid())
        typeDate(child<QDateEdit>(&dialog, u"startDateEdit"_s), typedStart);

    const QDateTime before = QDateTime::currentDateTimeUtc();
    const RecurringTransaction r = dialog.recurring();
    QCOMPARE(r.id, entry.id);
    QCOMPARE(r.created_at, entry.created_at);
    QVERIFY(isNowish(r.updated_at, before));
    QCOMPARE(r.amount, qint64(-150025));
    QCOMPARE(r.start_date, expectedStart);
    QCOMPARE(r.next_due_date, expectedNext);
    QCOMPARE(r.version, entry.version + 1);
    QCOMPARE(r.sync_status, SyncStatus::Pending);

    // What the screen then does: the stored entry is due exactly when its new date has come.
    QVERIFY(m_state->recurringRepository()->update(r));
    RecurringService live(m_state->recurringRepository(), m_state->transactionRepository(),
                          m_state->accountRepository());
    QCOMPARE(live.pendingCount(), expectedNext <= QDate::currentDate() ? 1 : 0);
}

void TestRecurringScreen::editKeepsUnshownFields()
{
    const Account checking = addAccount(u"Checking"_s);
    const Account savings = addAccount(u"Savings"_s);
    RecurringTransaction entry = addEntry(checking.id, u"Transfer to savings"_s, -5000, QDate(2024, 7, 1), false);
    entry.transfer_dest_account_id = savings.id;
    entry.end_date = QDate(2025, 12, 31);
    QVERIFY(m_state->recurringRepository()->update(entry));
    entry = stored(entry.id);

    RecurringFormDialog dialog(m_state.get(), entry, RecurringFormDialog::Mode::Edit);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *accountCombo = child<QComboBox>(&dialog, u"accountCombo"_s);
    QCOMPARE(accountCombo->currentText(), checking.name);
    QCOMPARE(accountCombo->count(), 1); // the repository would not move it anyway
    QVERIFY(child<QCheckBox>(&dialog, u"hasEndDateCheck"_s)->isChecked());
    QVERIFY(!child<QCheckBox>(&dialog, u"activeCheck"_s)->isChecked());
    // Re-activating a paused entry is one click.
    clickCheck(child<QCheckBox>(&dialog, u"activeCheck"_s));

    const RecurringTransaction r = dialog.recurring();
    QCOMPARE(r.account_id, checking.id);
    QCOMPARE(r.transfer_dest_account_id, savings.id);
    QCOMPARE(r.server_id, entry.server_id);
    QCOMPARE(r.end_date, std::optional<QDate>(QDate(2025, 12, 31)));
    QCOMPARE(r.amount, qint64(-5000));
    QVERIFY(r.is_active);
    QVERIFY(!r.deleted_at.has_value());
}

void TestRecurringScreen::memorizeSeedsNewEntry_data()
{
    QTest::addColumn<bool>("transfer");
    QTest::addColumn<qint64>("amount");
    QTest::newRow("deposit") << false << qint64(250000);
    QTest::newRow("payment") << false << qint64(-8999);
    QTest::newRow("transfer") << true << qint64(-5000);
}

void TestRecurringScreen::memorizeSeedsNewEntry()
{
    QFETCH(bool, transfer);
    QFETCH(qint64, amount);

    const Account checking = addAccount(u"Checking"_s);
    const Account savings = addAccount(u"Savings"_s);
    const auto salary = m_state->categoryRepository()->findByName(u"Salary / Wages"_s);
    QVERIFY(salary);

    // As the register seeds it from a transaction.
    RecurringTransaction seed;
    seed.account_id = checking.id;
    seed.payee = u"Northwind Payroll"_s;
    seed.memo = u"March"_s;
    seed.amount = amount;
    seed.category_id = salary->id;
    seed.transfer_dest_account_id = transfer ? savings.id : QString();
    seed.frequency = Frequency::Monthly;
    seed.start_date = seed.next_due_date = QDate(2024, 3, 29);

    const QDateTime before = QDateTime::currentDateTimeUtc();
    RecurringFormDialog dialog(m_state.get(), seed, RecurringFormDialog::Mode::Memorize);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), u"Memorize Transaction"_s);
    auto *accountCombo = child<QComboBox>(&dialog, u"accountCombo"_s);
    QCOMPARE(accountCombo->currentText(), checking.name);
    QCOMPARE(accountCombo->count(), transfer ? 1 : 2);
    QCOMPARE(child<QComboBox>(&dialog, u"typeCombo"_s)->currentText(),
             amount < 0 ? u"Payment"_s : u"Deposit"_s);
    QCOMPARE(child<QComboBox>(&dialog, u"frequencyCombo"_s)->currentText(), u"Monthly"_s);
    QCOMPARE(child<QDateEdit>(&dialog, u"startDateEdit"_s)->date(), QDate(2024, 3, 29));

    RecurringTransaction r = dialog.recurring();
    QVERIFY(isRandomUuid(r.id));
    QVERIFY(isNowish(r.created_at, before));
    QCOMPARE(r.amount, amount);
    QCOMPARE(r.category_id, salary->id);
    QCOMPARE(r.memo, u"March"_s);
    QCOMPARE(r.transfer_dest_account_id, seed.transfer_dest_account_id);
    QCOMPARE(r.start_date, QDate(2024, 3, 29));
    QCOMPARE(r.next_due_date, QDate(2024, 3, 29));
    QCOMPARE(r.version, 1);

    // A memorized entry always starts a fresh schedule on the field's date.
    typeDate(child<QDateEdit>(&dialog, u"startDateEdit"_s), QDate(2024, 4, 5));
    r = dialog.recurring();
    QCOMPARE(r.start_date, QDate(2024, 4, 5));
    QCOMPARE(r.next_due_date, QDate(2024, 4, 5));
    QVERIFY(m_state->recurringRepository()->insert(r));
}

void TestRecurringScreen::brokenDatesAreReplaced_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QDate>("storedStart");
    QTest::addColumn<QDate>("storedNext");
    QTest::addColumn<QDate>("typedStart");
    QTest::addColumn<bool>("startRejected");
    QTest::addColumn<bool>("nextRejected");
    QTest::addColumn<QDate>("expectedStart"); // invalid: today
    QTest::addColumn<QDate>("expectedNext");  // invalid: today

    const int newMode = int(RecurringFormDialog::Mode::New);
    const int edit = int(RecurringFormDialog::Mode::Edit);
    const int memorize = int(RecurringFormDialog::Mode::Memorize);
    QTest::newRow("new form, 1999 typed") << newMode << QDate() << QDate() << QDate(1999, 12, 31) << true << true
                                          << QDate() << QDate();
    QTest::newRow("new form, first valid day") << newMode << QDate() << QDate() << QDate(2000, 1, 1) << false
                                               << false << QDate(2000, 1, 1) << QDate(2000, 1, 1);
    QTest::newRow("edit, both stored dates broken") << edit << QDate(1999, 6, 1) << QDate(1999, 7, 1) << QDate()
                                                    << true << true << QDate() << QDate();
    QTest::newRow("edit, only start broken") << edit << QDate(1924, 1, 2) << QDate(2024, 8, 2) << QDate() << true
                                             << false << QDate() << QDate(2024, 8, 2);
    QTest::newRow("edit, only next due broken") << edit << QDate(2024, 1, 2) << QDate(1924, 8, 2) << QDate()
                                                << false << true << QDate(2024, 1, 2) << QDate(2024, 1, 2);
    QTest::newRow("edit, invalid start restarts today") << edit << QDate() << QDate() << QDate() << false << false
                                                        << QDate() << QDate();
    QTest::newRow("edit, broken start typed") << edit << QDate(2024, 1, 2) << QDate(2024, 8, 2)
                                              << QDate(1998, 5, 5) << true << true << QDate() << QDate();
    QTest::newRow("memorize, pre-2000 seed") << memorize << QDate(1998, 5, 5) << QDate(1998, 5, 5) << QDate()
                                             << true << true << QDate() << QDate();
}

void TestRecurringScreen::brokenDatesAreReplaced()
{
    QFETCH(int, mode);
    QFETCH(QDate, storedStart);
    QFETCH(QDate, storedNext);
    QFETCH(QDate, typedStart);
    QFETCH(bool, startRejected);
    QFETCH(bool, nextRejected);
    QFETCH(QDate, expectedStart);
    QFETCH(QDate, expectedNext);
    const QDate today = QDate::currentDate();
    if (!expectedStart.isValid())
        expectedStart = today;
    if (!expectedNext.isValid())
        expectedNext = today;

    const Account account = addAccount(u"Checking"_s);
    RecurringTransaction entry;
    entry.id = newId();
    entry.account_id = account.id;
    entry.payee = u"Old schedule"_s;
    entry.amount = -100;
    entry.start_date = storedStart;
    entry.next_due_date = storedNext;
    entry.is_active = false; // as quarantine leaves it
    const auto dialogMode = static_cast<RecurringFormDialog::Mode>(mode);
    std::unique_ptr<RecurringFormDialog> dialog;
    if (dialogMode == RecurringFormDialog::Mode::New)
        dialog = std::make_unique<RecurringFormDialog>(m_state.get());
    else
        dialog = std::make_unique<RecurringFormDialog>(m_state.get(), entry, dialogMode);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    if (typedStart.isValid())
        typeDate(child<QDateEdit>(dialog.get(), u"startDateEdit"_s), typedStart);

    if (startRejected) {
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(u"^RecurringFormDialog: rejecting invalid startDate .* falling back to today$"_s));
    }
    if (nextRejected) {
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(u"^RecurringFormDialog: rejecting invalid nextDueDate .* falling back to startDate %1$"_s
                                                    .arg(expectedStart.toString(Qt::ISODate))));
    }
    const RecurringTransaction r = dialog->recurring();
    QCOMPARE(r.start_date, expectedStart);
    QCOMPARE(r.next_due_date, expectedNext);
    QVERIFY(!RecurringService::isBrokenDate(r.start_date));
    QVERIFY(!RecurringService::isBrokenDate(r.next_due_date));
}

void TestRecurringScreen::endDateFollowsCheckBoxAndStart()
{
    addAccount(u"Checking"_s);
    RecurringFormDialog dialog(m_state.get());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *hasEnd = child<QCheckBox>(&dialog, u"hasEndDateCheck"_s);
    auto *endDate = child<QDateEdit>(&dialog, u"endDateEdit"_s);
    auto *startDate = child<QDateEdit>(&dialog, u"startDateEdit"_s);
    QVERIFY(!hasEnd->isChecked());
    QVERIFY(!endDate->isEnabled());
    QVERIFY(!dialog.recurring().end_date.has_value());

    clickCheck(hasEnd);
    QVERIFY(endDate->isEnabled());
    typeDate(startDate, QDate(2030, 3, 1));
    typeDate(endDate, QDate(2031, 2, 28));
    QCOMPARE(dialog.recurring().end_date, std::optional<QDate>(QDate(2031, 2, 28)));

    // An end before the start is not offered: it would still post once past its end.
    typeDate(endDate, QDate(2029, 1, 1));
    QVERIFY(*dialog.recurring().end_date >= QDate(2030, 3, 1));
    // Moving the start past the end pushes the end along.
    typeDate(startDate, QDate(2032, 1, 1));
    QCOMPARE(startDate->date(), QDate(2032, 1, 1));
    QVERIFY(*dialog.recurring().end_date >= QDate(2032, 1, 1));

    clickCheck(hasEnd);
    QVERIFY(!dialog.recurring().end_date.has_value());
}

void TestRecurringScreen::okNeedsAnAccount()
{
    {
        RecurringFormDialog dialog(m_state.get());
        auto *ok = child<QDialogButtonBox>(&dialog, QString())->button(QDialogButtonBox::Ok);
        QVERIFY(!ok->isEnabled());
    }
    addAccount(u"Checking"_s);
    RecurringFormDialog dialog(m_state.get());
    auto *ok = child<QDialogButtonBox>(&dialog, QString())->button(QDialogButtonBox::Ok);
    QVERIFY(ok->isEnabled());
}

void TestRecurringScreen::accountCurrencyDrivesAmount_data()
{
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QString>("shown");

    QTest::newRow("yen whole") << Currency::JPY << u"1500"_s << qint64(1500) << u"¥ 1,500"_s;
    QTest::newRow("yen grouped") << Currency::JPY << u"12,345"_s << qint64(12345) << u"¥ 12,345"_s;
    QTest::newRow("dollars") << Currency::USD << u"1500"_s << qint64(150000) << u"$ 1,500.00"_s;
    QTest::newRow("euro cents") << Currency::EUR << u"0.05"_s << qint64(5) << u"€ 0.05"_s;
}

void TestRecurringScreen::accountCurrencyDrivesAmount()
{
    QFETCH(Currency, currency);
    QFETCH(QString, typed);
    QFETCH(qint64, amount);
    QFETCH(QString, shown);

    addAccount(u"Everyday"_s, Currency::USD);
    const Account account = addAccount(u"Tokyo"_s, currency);

    // New form: choosing the account switches the field to its currency.
    RecurringFormDialog dialog(m_state.get());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    chooseByText(child<QComboBox>(&dialog, u"accountCombo"_s), account.name);
    auto *field = child<QDoubleSpinBox>(&dialog, u"amountField"_s);
    replaceText(field, typed);
    QTest::keyClick(field, Qt::Key_Return); // accepts the form, as OK would
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(field->text(), shown);
    const RecurringTransaction r = dialog.recurring();
    QCOMPARE(r.amount, -amount);
    QVERIFY(m_state->recurringRepository()->insert(r));

    // The list shows the stored amount in the same currency.
    RecurringScreen screen(m_state.get(), m_service.get());
    auto *view = child<QTableView>(&screen, u"recurringView"_s);
    QCOMPARE(view->model()->index(0, RecurringModel::AmountColumn).data().toString(),
             formatMoney(-amount, currency));

    // Edit form: the stored amount comes back as typed.
    RecurringFormDialog edit(m_state.get(), stored(r.id), RecurringFormDialog::Mode::Edit);
    QCOMPARE(child<QDoubleSpinBox>(&edit, u"amountField"_s)->text(), shown);
    QCOMPARE(edit.recurring().amount, -amount);
}

// ---- model ----------------------------------------------------------------

void TestRecurringScreen::modelColumns_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<bool>("autoPost");
    QTest::addColumn<bool>("active");
    QTest::addColumn<Frequency>("frequency");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("colour"); // of the amount; empty: the view's own text colour

    QTest::newRow("usd payment, auto, light") << qint64(-145000) << Currency::USD << true << true
                                              << Frequency::Monthly << false << u"#c62828"_s;
    QTest::newRow("usd payment, dark") << qint64(-1) << Currency::USD << false << true << Frequency::Weekly << true
                                       << u"#ff8a80"_s;
    QTest::newRow("eur deposit, inactive") << qint64(123456789) << Currency::EUR << false << false
                                           << Frequency::SemiAnnual << false << QString();
    QTest::newRow("jpy payment, dark") << qint64(-1500) << Currency::JPY << false << true << Frequency::Biweekly
                                       << true << u"#ff8a80"_s;
    QTest::newRow("zero, dark") << qint64(0) << Currency::GBP << false << true << Frequency::Annual << true
                                << QString();
}

void TestRecurringScreen::modelColumns()
{
    QFETCH(qint64, amount);
    QFETCH(Currency, currency);
    QFETCH(bool, autoPost);
    QFETCH(bool, active);
    QFETCH(Frequency, frequency);
    QFETCH(bool, dark);
    QFETCH(QString, colour);

    QApplication::setPalette(dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette());
    const Account account = addAccount(u"Household"_s, currency);
    RecurringTransaction r;
    r.id = newId();
    r.account_id = account.id;
    r.payee = u"Harbor Electric"_s;
    r.amount = amount;
    r.frequency = frequency;
    r.start_date = r.next_due_date = QDate(2024, 9, 5);
    r.auto_post = autoPost;
    r.is_active = active;

    RecurringModel model;
    model.setEntries({r}, {account});
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.columnCount(), 7);
    const QStringList headers{u"Account"_s, u"Payee"_s, u"Amount"_s, u"Frequency"_s,
                              u"Next Due"_s, u"Auto"_s, u"Status"_s};
    for (int c = 0; c < headers.size(); ++c)
        QCOMPARE(model.headerData(c, Qt::Horizontal).toString(), headers.at(c));

    const auto cell = [&model](int column) { return model.index(0, column).data().toString(); };
    QCOMPARE(cell(RecurringModel::AccountColumn), account.name);
    QCOMPARE(cell(RecurringModel::PayeeColumn), r.payee);
    QCOMPARE(cell(RecurringModel::AmountColumn), formatMoney(amount, currency));
    QCOMPARE(cell(RecurringModel::FrequencyColumn), RecurringFormDialog::frequencyLabel(frequency));
    QCOMPARE(cell(RecurringModel::NextDueColumn), DateInput::toText(r.next_due_date));
    QCOMPARE(cell(RecurringModel::AutoColumn), autoPost ? u"Yes"_s : u"No"_s);
    QCOMPARE(cell(RecurringModel::StatusColumn), active ? u"Active"_s : u"Inactive"_s);
    const auto alignment = model.index(0, RecurringModel::AmountColumn).data(Qt::TextAlignmentRole)
                               .value<Qt::Alignment>();
    QVERIFY(alignment & Qt::AlignRight);
    const QVariant fg = model.index(0, RecurringModel::AmountColumn).data(Qt::ForegroundRole);
    QCOMPARE(fg.isValid() ? fg.value<QColor>().name() : QString(), colour);
    QVERIFY(!model.index(0, RecurringModel::PayeeColumn).data(Qt::ForegroundRole).isValid());
    QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
}

// ---- screen ---------------------------------------------------------------

void TestRecurringScreen::confirmAndSkipThroughMenu_data()
{
    QTest::addColumn<char>("key");
    QTest::addColumn<QDate>("nextDue");
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("posted");
    QTest::addColumn<QDate>("expectedNext");

    QTest::newRow("confirm overdue") << 'c' << QDate(2024, 5, 31) << true << true << 1 << QDate(2024, 6, 30);
    QTest::newRow("confirm due today") << 'c' << kToday << true << true << 1 << kToday.addMonths(1);
    QTest::newRow("skip overdue") << 's' << QDate(2024, 5, 31) << true << true << 0 << QDate(2024, 6, 30);
    QTest::newRow("confirm due tomorrow") << 'c' << kToday.addDays(1) << true << false << 0 << kToday.addDays(1);
    QTest::newRow("skip due tomorrow") << 's' << kToday.addDays(1) << true << false << 0 << kToday.addDays(1);
    QTest::newRow("confirm inactive overdue") << 'c' << QDate(2024, 6, 1) << false << false << 0 << QDate(2024, 6, 1);
    QTest::newRow("skip inactive overdue") << 's' << QDate(2024, 6, 1) << false << false << 0 << QDate(2024, 6, 1);
}

void TestRecurringScreen::confirmAndSkipThroughMenu()
{
    QFETCH(char, key);
    QFETCH(QDate, nextDue);
    QFETCH(bool, active);
    QFETCH(bool, enabled);
    QFETCH(int, posted);
    QFETCH(QDate, expectedNext);

    const Account account = addAccount(u"Checking"_s);
    const RecurringTransaction entry = addEntry(account.id, u"Pinecrest Apartments"_s, -145000, nextDue, active);
    RecurringScreen screen(m_state.get(), m_service.get());
    screen.resize(700, 400);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto *view = child<QTableView>(&screen, u"recurringView"_s);
    auto *due = child<QLabel>(&screen, u"dueLabel"_s);
    QCOMPARE(due->text(), u"(%1 due)"_s.arg(enabled ? 1 : 0));
    QSignalSpy changed(&screen, &RecurringScreen::transactionsChanged);

    QStringList texts;
    QList<bool> states;
    whenShown<QMenu>([&](QMenu *menu) {
        for (QAction *a : menu->actions()) {
            texts << a->text();
            states << a->isEnabled();
        }
        // The mnemonic triggers an enabled action; on a disabled one the menu stays.
        QTest::keyClick(menu, key);
        if (menu->isVisible())
            menu->close();
    }, true);
    const QRect cell = view->visualRect(view->model()->index(0, RecurringModel::AccountColumn));
    emit view->customContextMenuRequested(cell.center());
    QTRY_COMPARE(QApplication::activePopupWidget(), nullptr);

    QCOMPARE(texts, (QStringList{u"&Edit"_s, u"&Confirm"_s, u"&Skip"_s, QString(), u"&Delete"_s}));
    QCOMPARE(states, (QList<bool>{true, enabled, enabled, true, true}));
    QCOMPARE(postedFor(entry.id), posted);
    QCOMPARE(stored(entry.id).next_due_date, expectedNext);
    QCOMPARE(changed.count(), posted);
    if (posted) {
        const auto t = m_state->transactionRepository()->findById(RecurringService::occurrenceId(entry.id, nextDue));
        QVERIFY(t);
        QCOMPARE(t->amount, qint64(-145000));
        QCOMPARE(t->date, nextDue);
    }
    QCOMPARE(due->text(), u"(%1 due)"_s.arg(active && expectedNext <= kToday ? 1 : 0));
    QCOMPARE(view->model()->index(0, RecurringModel::NextDueColumn).data().toString(),
             DateInput::toText(expectedNext));
    QVERIFY(view->selectionModel()->isRowSelected(0, QModelIndex()));
}

void TestRecurringScreen::confirmAllDue_data()
{
    QTest::addColumn<QList<QDate>>("dueDates");
    QTest::addColumn<int>("posted");

    QTest::newRow("two due, one ahead") << QList<QDate>{kToday.addDays(-1), kToday, kToday.addDays(9)} << 2;
    QTest::newRow("nothing due") << QList<QDate>{kToday.addDays(1), kToday.addMonths(1)} << 0;
}

void TestRecurringScreen::confirmAllDue()
{
    QFETCH(QList<QDate>, dueDates);
    QFETCH(int, posted);

    const Account account = addAccount(u"Checking"_s);
    QStringList ids;
    for (int i = 0; i < dueDates.size(); ++i)
        ids << addEntry(account.id, u"Payee %1"_s.arg(i), -100 * (i + 1), dueDates.at(i)).id;
    RecurringScreen screen(m_state.get(), m_service.get());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto *due = child<QLabel>(&screen, u"dueLabel"_s);
    auto *button = child<QPushButton>(&screen, u"confirmAllButton"_s);
    QCOMPARE(due->text(), u"(%1 due)"_s.arg(posted));
    QCOMPARE(button->isEnabled(), posted > 0);
    QSignalSpy changed(&screen, &RecurringScreen::transactionsChanged);

    QTest::mouseClick(button, Qt::LeftButton);
    int total = 0;
    for (const QString &id : ids)
        total += postedFor(id);
    QCOMPARE(total, posted);
    QCOMPARE(changed.count(), posted > 0 ? 1 : 0);
    QCOMPARE(due->text(), u"(0 due)"_s);
    QVERIFY(!button->isEnabled());
}

void TestRecurringScreen::dueLabelColourFollowsTheme()
{
    RecurringScreen screen(m_state.get(), m_service.get());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto *due = child<QLabel>(&screen, u"dueLabel"_s);
    QCOMPARE(due->text(), u"(0 due)"_s);
    const auto shown = [due] { return due->palette().color(due->foregroundRole()).name(); };
    QCOMPARE(shown(), u"#008800"_s);
    // Switching themes while the window is open recolours it.
    QApplication::setPalette(ThemeManager::darkPalette());
    QTRY_COMPARE(shown(), positiveAmountColor().name());
    QApplication::setPalette(ThemeManager::lightPalette());
    QTRY_COMPARE(shown(), u"#008800"_s);
}

void TestRecurringScreen::deleteAsksFirst_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes deletes") << true;
    QTest::newRow("no keeps") << false;
}

void TestRecurringScreen::deleteAsksFirst()
{
    QFETCH(bool, yes);

    const Account account = addAccount(u"Checking"_s);
    const RecurringTransaction entry = addEntry(account.id, u"<b>Gym</b>"_s, -4500, kToday.addDays(3));
    RecurringScreen screen(m_state.get(), m_service.get());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto *view = child<QTableView>(&screen, u"recurringView"_s);
    view->selectRow(0);

    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    whenShown<QMessageBox>([&](QMessageBox *box) {
        title = box->windowTitle();
        text = box->text();
        format = box->textFormat();
        QTest::mouseClick(box->button(yes ? QMessageBox::Yes : QMessageBox::No), Qt::LeftButton);
    });
    screen.deleteSelected();

    QCOMPARE(title, u"Delete"_s);
    QCOMPARE(text, u"Delete recurring \"<b>Gym</b>\"?"_s);
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(stored(entry.id).deleted_at.has_value(), yes);
    QCOMPARE(view->model()->rowCount(), yes ? 0 : 1);
    QCOMPARE(stored(entry.id).sync_status, yes ? SyncStatus::Pending : SyncStatus::Synced);
}

void TestRecurringScreen::newAndEditThroughScreen()
{
    const Account account = addAccount(u"Checking"_s);
    m_state->setCurrentAccountId(account.id);
    RecurringScreen screen(m_state.get(), m_service.get());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto *view = child<QTableView>(&screen, u"recurringView"_s);
    auto *edit = child<QPushButton>(&screen, u"editButton"_s);
    QVERIFY(!edit->isEnabled()); // nothing selected yet

    whenShown<RecurringFormDialog>([](RecurringFormDialog *dialog) {
        replaceText(child<QLineEdit>(dialog, u"payeeEdit"_s), u"Water Board"_s);
        replaceText(child<QDoubleSpinBox>(dialog, u"amountField"_s), u"42.10"_s);
        QTest::mouseClick(child<QDialogButtonBox>(dialog, QString())->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    });
    QTest::mouseClick(child<QPushButton>(&screen, u"newButton"_s), Qt::LeftButton);
    QCOMPARE(view->model()->rowCount(), 1);
    const QList<RecurringTransaction> all = m_state->recurringRepository()->findAll();
    QCOMPARE(all.size(), 1);
    QCOMPARE(all.first().payee, u"Water Board"_s);
    QCOMPARE(all.first().amount, qint64(-4210));
    QCOMPARE(all.first().next_due_date, QDate::currentDate());
    QVERIFY(edit->isEnabled()); // the new row is selected

    whenShown<RecurringFormDialog>([](RecurringFormDialog *dialog) {
        QCOMPARE(dialog->mode(), RecurringFormDialog::Mode::Edit);
        replaceText(child<QDoubleSpinBox>(dialog, u"amountField"_s), u"45"_s);
        QTest::mouseClick(child<QDialogButtonBox>(dialog, QString())->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    });
    QTest::mouseClick(edit, Qt::LeftButton);
    const RecurringTransaction after = stored(all.first().id);
    QCOMPARE(after.amount, qint64(-4500));
    QCOMPARE(after.next_due_date, all.first().next_due_date);
    QCOMPARE(after.version, 2);
    QCOMPARE(view->model()->index(0, RecurringModel::AmountColumn).data().toString(), u"-$45.00"_s);

    // Cancel changes nothing.
    whenShown<RecurringFormDialog>([](RecurringFormDialog *dialog) {
        replaceText(child<QLineEdit>(dialog, u"payeeEdit"_s), u"Changed"_s);
        dialog->reject();
    });
    QTest::mouseClick(edit, Qt::LeftButton);
    QCOMPARE(stored(after.id).payee, u"Water Board"_s);
}

// Set PENWICK_RENDER_DIR to write the screen and the form under both themes.
void TestRecurringScreen::renderForInspection()
{
    const QString dir = qEnvironmentVariable("PENWICK_RENDER_DIR");
    if (dir.isEmpty())
        QSKIP("PENWICK_RENDER_DIR not set");

    const Account checking = addAccount(u"Everyday Checking"_s);
    const Account yen = addAccount(u"Tokyo Savings"_s, Currency::JPY);
    addEntry(checking.id, u"Pinecrest Apartments"_s, -145000, kToday.addDays(-2));
    addEntry(checking.id, u"Northwind Payroll"_s, 325000, kToday);
    addEntry(yen.id, u"Sakura Mobile"_s, -4980, kToday.addDays(12));
    RecurringTransaction paused = addEntry(checking.id, u"Harbor Gym Membership"_s, -4500, kToday.addDays(20), false);
    paused.auto_post = true;
    QVERIFY(m_state->recurringRepository()->update(paused));

    for (const bool dark : {false, true}) {
        QApplication::setPalette(dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette());
        const QString theme = dark ? u"dark"_s : u"light"_s;

        RecurringScreen screen(m_state.get(), m_service.get());
        screen.resize(700, 500);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        child<QTableView>(&screen, u"recurringView"_s)->selectRow(0);
        QVERIFY(screen.grab().save(dir + u"/recurring-screen-"_s + theme + u".png"_s));

        RecurringFormDialog form(m_state.get(), stored(paused.id), RecurringFormDialog::Mode::Edit);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.grab().save(dir + u"/recurring-form-"_s + theme + u".png"_s));

        RecurringFormDialog yenForm(m_state.get());
        chooseByText(child<QComboBox>(&yenForm, u"accountCombo"_s), yen.name);
        yenForm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&yenForm));
        replaceText(child<QDoubleSpinBox>(&yenForm, u"amountField"_s), u"1500"_s);
        clickCheck(child<QCheckBox>(&yenForm, u"hasEndDateCheck"_s));
        QVERIFY(yenForm.grab().save(dir + u"/recurring-form-new-"_s + theme + u".png"_s));
    }
}

PENWICK_TEST_MAIN(TestRecurringScreen)
#include "tst_recurringscreen.moc"
