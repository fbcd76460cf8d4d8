#include "testsupport.h"

#include "app/appstate.h"
#include "app/money.h"
#include "app/palettecolors.h"
#include "app/thememanager.h"
#include "services/recurringservice.h"
#include "storage/categoryrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "ui/screens/recurringformdialog.h"
#include "ui/screens/recurringmodel.h"
#include "ui/screens/recurringscreen.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>

namespace {

// The screen's idea of today; the form itself works on the real calendar.
const QDate kToday(2024, 6, 15);

template<typename T>
T *child(const QObject *parent, const char *name)
{
    return parent->findChild<T *>(QString::fromLatin1(name));
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

// Keyboard selection, as in a closed combo box: Home then Down until there.
void chooseByText(QComboBox *combo, const QString &text)
{
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < combo->count() && combo->currentText() != text; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
}

} // namespace

class TestRecurringScreen : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void newFormBuildsEntry();
    void editDateRules_data();
    void editDateRules();
    void editKeepsUnshownFields();
    void brokenDatesAreReplaced_data();
    void brokenDatesAreReplaced();
    void endDateNeverBeforeStart();
    void accountCurrencyDrivesAmount();
    void confirmAndSkipThroughMenu_data();
    void confirmAndSkipThroughMenu();
    void dueLabelReadableInDarkTheme();
    void newEditDeleteThroughScreen();

private:
    RecurringTransaction stored(const QString &id) const
    {
        return m_state->recurringRepository()->findById(id).value_or(RecurringTransaction());
    }
    int posted(const QString &entryId) const
    {
        return m_app->scalar(u"SELECT COUNT(*) FROM transactions WHERE recurring_id = ?"_s, {entryId}).toInt();
    }

    std::unique_ptr<TestApp> m_app;
    AppState *m_state = nullptr;
    std::unique_ptr<RecurringService> m_service;
};

void TestRecurringScreen::init()
{
    m_app = std::make_unique<TestApp>();
    QVERIFY(m_app->isReady());
    m_state = m_app->state();
    m_service = std::make_unique<RecurringService>(m_state->recurringRepository(), m_state->transactionRepository(),
                                                   m_state->accountRepository());
    m_service->setToday(kToday);
    QApplication::setPalette(ThemeManager::lightPalette());
}

void TestRecurringScreen::cleanup()
{
    m_service.reset();
    m_app.reset();
}

void TestRecurringScreen::newFormBuildsEntry()
{
    m_app->addAccount(u"Checking"_s);
    const Account savings = m_app->addAccount(u"Savings"_s);
    m_state->setCurrentAccountId(savings.id);
    const auto electric = m_state->categoryRepository()->findByName(u"Electric"_s);
    RecurringFormDialog dialog(m_state);
    QVERIFY(showActive(&dialog));
    QCOMPARE(child<QComboBox>(&dialog, "accountCombo")->currentText(), savings.name);

    chooseByText(child<QComboBox>(&dialog, "typeCombo"), u"Deposit"_s);
    replaceText(child<QLineEdit>(&dialog, "payeeEdit"), u"  Pinecrest Apartments "_s);
    replaceText(child<QDoubleSpinBox>(&dialog, "amountField"), u"2,000.5"_s);
    chooseByText(child<QComboBox>(&dialog, "categoryCombo"), u"Utilities > Electric"_s);
    chooseByText(child<QComboBox>(&dialog, "frequencyCombo"), u"Bi-weekly"_s);
    const QDate start = QDate::currentDate().addDays(3);
    typeDate(child<QDateEdit>(&dialog, "startDateEdit"), start);
    clickCheck(child<QCheckBox>(&dialog, "autoPostCheck"));

    const RecurringTransaction r = dialog.recurring();
    QCOMPARE(r.account_id, savings.id);
    QCOMPARE(r.payee, u"Pinecrest Apartments"_s);
    QCOMPARE(r.amount, qint64(200050));
    QCOMPARE(r.category_id, electric->id);
    QCOMPARE(r.frequency, Frequency::Biweekly);
    QCOMPARE(r.start_date, start);
    QCOMPARE(r.next_due_date, start);
    QVERIFY(r.auto_post && r.is_active && !r.end_date);
    QVERIFY(m_state->recurringRepository()->insert(r));
}

void TestRecurringScreen::editDateRules_data()
{
    QTest::addColumn<QDate>("typedStart"); // invalid: the date is left alone
    QTest::addColumn<QDate>("expectedStart");
    QTest::addColumn<QDate>("expectedNext");
    const QDate past = QDate::currentDate().addDays(-10);
    QTest::newRow("amount only: schedule goes on") << QDate() << QDate(2023, 1, 31) << QDate(2030, 7, 31);
    QTest::newRow("start moved restarts") << past << past << past;
}

void TestRecurringScreen::editDateRules()
{
    QFETCH(QDate, typedStart);
    QFETCH(QDate, expectedStart);
    QFETCH(QDate, expectedNext);
    const Account account = m_app->addAccount(u"Checking"_s);
    RecurringTransaction entry = m_app->addRecurring(account.id, u"Rent"_s, -145000, QDate(2030, 7, 31));
    entry.start_date = QDate(2023, 1, 31);
    QVERIFY(m_state->recurringRepository()->update(entry));
    entry = stored(entry.id);

    RecurringFormDialog dialog(m_state, entry, RecurringFormDialog::Mode::Edit);
    QVERIFY(showActive(&dialog));
    auto *amount = child<QDoubleSpinBox>(&dialog, "amountField");
    QCOMPARE(amount->text(), u"$ 1,450.00"_s);
    replaceText(amount, u"1500.25"_s);
    if (typedStart.isValid())
        typeDate(child<QDateEdit>(&dialog, "startDateEdit"), typedStart);
    const RecurringTransaction r = dialog.recurring();
    QCOMPARE(r.id, entry.id);
    QCOMPARE(r.amount, qint64(-150025));
    QCOMPARE(r.start_date, expectedStart);
    QCOMPARE(r.next_due_date, expectedNext);
    QCOMPARE(r.version, entry.version + 1);
}

void TestRecurringScreen::editKeepsUnshownFields()
{
    const Account checking = m_app->addAccount(u"Checking"_s);
    const Account savings = m_app->addAccount(u"Savings"_s);
    RecurringTransaction entry = m_app->addRecurring(checking.id, u"To savings"_s, -5000, QDate(2024, 7, 1), false, false);
    entry.transfer_dest_account_id = savings.id;
    entry.end_date = QDate(2025, 12, 31);
    entry.server_id = u"srv-1"_s;
    QVERIFY(m_state->recurringRepository()->update(entry));

    RecurringFormDialog dialog(m_state, stored(entry.id), RecurringFormDialog::Mode::Edit);
    // The repository would not move it to another account: only its own is offered.
    QCOMPARE(child<QComboBox>(&dialog, "accountCombo")->count(), 1);
    QVERIFY(showActive(&dialog));
    clickCheck(child<QCheckBox>(&dialog, "activeCheck"));
    const RecurringTransaction r = dialog.recurring();
    QCOMPARE(r.account_id, checking.id);
    QCOMPARE(r.transfer_dest_account_id, savings.id);
    QCOMPARE(r.server_id, u"srv-1"_s);
    QCOMPARE(r.end_date, std::optional<QDate>(QDate(2025, 12, 31)));
    QVERIFY(r.is_active);
}

void TestRecurringScreen::brokenDatesAreReplaced_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QDate>("storedStart");
    QTest::addColumn<QDate>("storedNext");
    QTest::addColumn<QDate>("typedStart");
    QTest::addColumn<QDate>("expectedStart"); // invalid: today
    QTest::addColumn<QDate>("expectedNext");  // invalid: today
    const int newMode = int(RecurringFormDialog::Mode::New);
    const int edit = int(RecurringFormDialog::Mode::Edit);
    QTest::newRow("new form, 1999 typed") << newMode << QDate() << QDate() << QDate(1999, 12, 31) << QDate() << QDate();
    QTest::newRow("edit, both stored dates broken") << edit << QDate(1999, 6, 1) << QDate(1999, 7, 1) << QDate()
                                                    << QDate() << QDate();
    QTest::newRow("edit, only next due broken") << edit << QDate(2024, 1, 2) << QDate(1924, 8, 2) << QDate()
                                                << QDate(2024, 1, 2) << QDate(2024, 1, 2);
}

void TestRecurringScreen::brokenDatesAreReplaced()
{
    QFETCH(int, mode);
    QFETCH(QDate, storedStart);
    QFETCH(QDate, storedNext);
    QFETCH(QDate, typedStart);
    QFETCH(QDate, expectedStart);
    QFETCH(QDate, expectedNext);
    const QDate today = QDate::currentDate();
    expectedStart = expectedStart.isValid() ? expectedStart : today;
    expectedNext = expectedNext.isValid() ? expectedNext : today;

    RecurringTransaction entry;
    entry.id = newId();
    entry.account_id = m_app->addAccount(u"Checking"_s).id;
    entry.payee = u"Old schedule"_s;
    entry.amount = -100;
    entry.start_date = storedStart;
    entry.next_due_date = storedNext;
    entry.is_active = false; // as quarantine leaves it
    const auto dialogMode = static_cast<RecurringFormDialog::Mode>(mode);
    auto dialog = dialogMode == RecurringFormDialog::Mode::New
        ? std::make_unique<RecurringFormDialog>(m_state)
        : std::make_unique<RecurringFormDialog>(m_state, entry, dialogMode);
    QVERIFY(showActive(dialog.get()));
    if (typedStart.isValid())
        typeDate(child<QDateEdit>(dialog.get(), "startDateEdit"), typedStart);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^RecurringFormDialog: rejecting invalid"_s));
    if (expectedStart == today && expectedNext == today)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^RecurringFormDialog: rejecting invalid"_s));
    const RecurringTransaction r = dialog->recurring();
    QCOMPARE(r.start_date, expectedStart);
    QCOMPARE(r.next_due_date, expectedNext);
}

void TestRecurringScreen::endDateNeverBeforeStart()
{
    m_app->addAccount(u"Checking"_s);
    RecurringFormDialog dialog(m_state);
    QVERIFY(showActive(&dialog));
    auto *hasEnd = child<QCheckBox>(&dialog, "hasEndDateCheck");
    auto *endDate = child<QDateEdit>(&dialog, "endDateEdit");
    auto *startDate = child<QDateEdit>(&dialog, "startDateEdit");
    QVERIFY(!endDate->isEnabled());
    clickCheck(hasEnd);
    typeDate(startDate, QDate(2030, 3, 1));
    typeDate(endDate, QDate(2031, 2, 28));
    QCOMPARE(dialog.recurring().end_date, std::optional<QDate>(QDate(2031, 2, 28)));
    // An end before the start would still post once past its end.
    typeDate(endDate, QDate(2029, 1, 1));
    QVERIFY(*dialog.recurring().end_date >= QDate(2030, 3, 1));
    typeDate(startDate, QDate(2032, 1, 1));
    QVERIFY(*dialog.recurring().end_date >= QDate(2032, 1, 1));
    clickCheck(hasEnd);
    QVERIFY(!dialog.recurring().end_date.has_value());
}

void TestRecurringScreen::accountCurrencyDrivesAmount()
{
    m_app->addAccount(u"Everyday"_s);
    const Account yen = m_app->addAccount(u"Tokyo"_s, Currency::JPY);
    RecurringFormDialog dialog(m_state);
    QVERIFY(showActive(&dialog));
    chooseByText(child<QComboBox>(&dialog, "accountCombo"), yen.name);
    auto *field = child<QDoubleSpinBox>(&dialog, "amountField");
    replaceText(field, u"1500"_s);
    QTest::keyClick(field, Qt::Key_Return); // accepts the form, as OK would
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(field->text(), u"¥ 1,500"_s);
    const RecurringTransaction r = dialog.recurring();
    QCOMPARE(r.amount, qint64(-1500));
    QVERIFY(m_state->recurringRepository()->insert(r));

    RecurringScreen screen(m_state, m_service.get());
    QCOMPARE(child<QTableView>(&screen, "recurringView")->model()->index(0, RecurringModel::AmountColumn).data(),
             QVariant(formatMoney(-1500, Currency::JPY)));
    RecurringFormDialog edit(m_state, stored(r.id), RecurringFormDialog::Mode::Edit);
    QCOMPARE(edit.recurring().amount, qint64(-1500));
}

void TestRecurringScreen::confirmAndSkipThroughMenu_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QDate>("nextDue");
    QTest::addColumn<int>("posted");
    QTest::addColumn<QDate>("expectedNext");
    QTest::newRow("confirm overdue") << u"&Confirm"_s << QDate(2024, 5, 31) << 1 << QDate(2024, 6, 30);
    QTest::newRow("skip overdue") << u"&Skip"_s << QDate(2024, 5, 31) << 0 << QDate(2024, 6, 30);
    QTest::newRow("not due: confirm is disabled") << u"&Confirm"_s << kToday.addDays(1) << 0 << kToday.addDays(1);
}

void TestRecurringScreen::confirmAndSkipThroughMenu()
{
    QFETCH(QString, entry);
    QFETCH(QDate, nextDue);
    QFETCH(int, posted);
    QFETCH(QDate, expectedNext);
    const Account account = m_app->addAccount(u"Checking"_s);
    const RecurringTransaction r = m_app->addRecurring(account.id, u"Pinecrest"_s, -145000, nextDue);
    RecurringScreen screen(m_state, m_service.get());
    QVERIFY(showActive(&screen));
    auto *view = child<QTableView>(&screen, "recurringView");
    QSignalSpy changed(&screen, &RecurringScreen::transactionsChanged);
    if (nextDue > kToday)
        QTest::ignoreMessage(QtWarningMsg, "no enabled menu entry &Confirm");
    chooseMenuEntry(entry);
    emit view->customContextMenuRequested(view->visualRect(view->model()->index(0, 0)).center());
    QTRY_COMPARE(QApplication::activePopupWidget(), nullptr);

    QCOMPARE(this->posted(r.id), posted);
    QCOMPARE(stored(r.id).next_due_date, expectedNext);
    QCOMPARE(changed.count(), posted);
    if (posted)
        QCOMPARE(m_state->transactionRepository()->findById(RecurringService::occurrenceId(r.id, nextDue))->date, nextDue);
    QCOMPARE(child<QLabel>(&screen, "dueLabel")->text(), u"(%1 due)"_s.arg(expectedNext <= kToday ? 1 : 0));
}

void TestRecurringScreen::dueLabelReadableInDarkTheme()
{
    RecurringScreen screen(m_state, m_service.get());
    QVERIFY(showActive(&screen));
    auto *due = child<QLabel>(&screen, "dueLabel");
    // The light theme's green is unreadable on the dark background; switching recolours it.
    QApplication::setPalette(ThemeManager::darkPalette());
    QTRY_COMPARE(due->palette().color(due->foregroundRole()), positiveAmountColor());
}

void TestRecurringScreen::newEditDeleteThroughScreen()
{
    const Account account = m_app->addAccount(u"Checking"_s);
    m_state->setCurrentAccountId(account.id);
    RecurringScreen screen(m_state, m_service.get());
    QVERIFY(showActive(&screen));
    auto *view = child<QTableView>(&screen, "recurringView");
    const auto ok = [](RecurringFormDialog *dialog) {
        QTest::mouseClick(child<QDialogButtonBox>(dialog, "")->button(QDialogButtonBox::Ok), Qt::LeftButton);
    };
    whenShown<RecurringFormDialog>([ok](RecurringFormDialog *dialog) {
        replaceText(child<QLineEdit>(dialog, "payeeEdit"), u"<b>Water</b>"_s);
        replaceText(child<QDoubleSpinBox>(dialog, "amountField"), u"42.10"_s);
        ok(dialog);
    });
    QTest::mouseClick(child<QPushButton>(&screen, "newButton"), Qt::LeftButton);
    const QList<RecurringTransaction> all = m_state->recurringRepository()->findAll();
    QCOMPARE(all.size(), 1);
    QCOMPARE(all.first().amount, qint64(-4210));

    whenShown<RecurringFormDialog>([ok](RecurringFormDialog *dialog) {
        replaceText(child<QDoubleSpinBox>(dialog, "amountField"), u"45"_s);
        ok(dialog);
    });
    QTest::mouseClick(child<QPushButton>(&screen, "editButton"), Qt::LeftButton);
    QCOMPARE(stored(all.first().id).amount, qint64(-4500));
    QCOMPARE(view->model()->index(0, RecurringModel::AmountColumn).data().toString(), u"-$45.00"_s);

    // Deleting asks first, with the payee as plain text.
    view->selectRow(0);
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    whenShown<QMessageBox>([&](QMessageBox *box) {
        text = box->text();
        format = box->textFormat();
        box->button(QMessageBox::Yes)->click();
    });
    screen.deleteSelected();
    QCOMPARE(text, u"Delete recurring \"<b>Water</b>\"?"_s);
    QCOMPARE(format, Qt::PlainText);
    QVERIFY(stored(all.first().id).deleted_at.has_value());
    QCOMPARE(view->model()->rowCount(), 0);
}

PENWICK_TEST_MAIN(TestRecurringScreen)
#include "tst_recurringscreen.moc"
