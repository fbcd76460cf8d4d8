#include "testsupport.h"

#include "app/appconfig.h"
#include "ui/datefield.h"
#include "ui/registercombobox.h"
#include "ui/registerlineedit.h"
#include "ui/smartamountfield.h"
#include "ui/smartdateedit.h"
#include "ui/tabcompleter.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QCompleter>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QDate kToday(2024, 3, 13); // a Wednesday

// DateField and SmartDateEdit share one implementation of the date keys and
// typed dates; the tables run on DateField, one row on SmartDateEdit.
QLineEdit *makeDateWidget(bool smart, QWidget *parent = nullptr)
{
    if (smart) {
        auto *edit = new SmartDateEdit(parent);
        edit->setTodayFunction([] { return kToday; });
        return edit;
    }
    auto *field = new DateField(parent);
    field->setTodayFunction([] { return kToday; });
    return field;
}

QDate dateOf(QLineEdit *edit)
{
    if (auto *field = qobject_cast<DateField *>(edit))
        return field->date();
    return static_cast<SmartDateEdit *>(edit)->date();
}

void setDateOf(QLineEdit *edit, const QDate &date)
{
    if (auto *field = qobject_cast<DateField *>(edit))
        field->setDate(date);
    else
        static_cast<SmartDateEdit *>(edit)->setDate(date);
}

// Records the keys that its children leave unhandled.
class KeyRecorder final : public QWidget
{
public:
    QList<QKeyCombination> keys;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        // QTest presses modifier keys on their own first; only the real keys matter.
        const int key = event->key();
        if (key != Qt::Key_Control && key != Qt::Key_Shift && key != Qt::Key_Alt && key != Qt::Key_Meta)
            keys << event->keyCombination();
        event->accept();
    }
};

TabCompleter *completeFrom(const QStringList &items, QObject *parent)
{
    auto *completer = new TabCompleter(items, parent);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    return completer;
}

const QStringList kPayees{u"Gas Station"_s, u"Grocery Mart"_s, u"Gym Membership"_s, u"Paycheck"_s};

// As the register's delegate: a payee line edit, a category combo in column 2.
class CompletingDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        if (index.column() == 2) {
            const QStringList categories{QString(), u"Groceries"_s, u"Utilities > Electric"_s, u"Utilities > Water"_s};
            auto *combo = new RegisterComboBox(parent);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->addItems(categories);
            combo->setCompleter(completeFrom(categories, combo));
            return combo;
        }
        auto *edit = new RegisterLineEdit(parent);
        edit->setCompleter(completeFrom(kPayees, edit));
        return edit;
    }
};

bool showAndFocus(QWidget *window, QWidget *focus)
{
    window->show();
    if (!QTest::qWaitForWindowActive(window))
        return false;
    focus->setFocus(Qt::OtherFocusReason);
    return QTest::qWaitFor([focus] { return focus->hasFocus(); });
}

} // namespace

class TestRegisterWidgets : public QObject
{
    Q_OBJECT
private slots:
    void init() { weekStartDay() = 1; }
    void dateKeys_data();
    void dateKeys();
    void dateFieldRestoresOnFocusLoss_data();
    void dateFieldRestoresOnFocusLoss();
    void calendarPopup_data();
    void calendarPopup();
    void enterTakesCompletionFirst();
    void amountDecimalJump();
    void amountTyping_data();
    void amountTyping();
    void editsPassRegisterShortcuts();
    void tabAcceptsCompletionInView_data();
    void tabAcceptsCompletionInView();
};

void TestRegisterWidgets::dateKeys_data()
{
    QTest::addColumn<bool>("smart");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("typed"); // before the key: unconfirmed text counts
    QTest::addColumn<char>("key");
    QTest::addColumn<QDate>("expected");
    const QDate d(2024, 3, 13);
    QTest::newRow("t goes to today") << false << QDate(2023, 7, 4) << QString() << 't' << kToday;
    QTest::newRow("+ to leap day") << false << QDate(2024, 2, 28) << QString() << '+' << QDate(2024, 2, 29);
    QTest::newRow("- across the year start") << false << QDate(2024, 1, 1) << QString() << '-' << QDate(2023, 12, 31);
    QTest::newRow("h last of leap February") << false << QDate(2024, 2, 15) << QString() << 'h' << QDate(2024, 2, 29);
    QTest::newRow("r last of year") << false << d << QString() << 'r' << QDate(2024, 12, 31);
    // Weeks run Sunday to Saturday whatever the week-start preference says.
    QTest::newRow("w across the month start") << false << QDate(2024, 3, 2) << QString() << 'w' << QDate(2024, 2, 25);
    QTest::newRow("k on a Sunday") << false << QDate(2024, 3, 10) << QString() << 'k' << QDate(2024, 3, 16);
    QTest::newRow("K across the year end") << false << QDate(2024, 12, 30) << QString() << 'K' << QDate(2025, 1, 4);
    QTest::newRow("typed date counts") << false << d << u"6/30/2024"_s << '+' << QDate(2024, 7, 1);
    QTest::newRow("unreadable text keeps the date") << false << d << u"99/99"_s << '+' << QDate(2024, 3, 14);
    QTest::newRow("SmartDateEdit") << true << QDate(2024, 2, 28) << QString() << '+' << QDate(2024, 2, 29);
}

void TestRegisterWidgets::dateKeys()
{
    QFETCH(bool, smart);
    QFETCH(QDate, start);
    QFETCH(QString, typed);
    QFETCH(char, key);
    QFETCH(QDate, expected);
    std::unique_ptr<QLineEdit> edit(makeDateWidget(smart));
    setDateOf(edit.get(), start);
    std::unique_ptr<QSignalSpy> changed;
    if (!smart)
        changed = std::make_unique<QSignalSpy>(static_cast<DateField *>(edit.get()), &DateField::dateChanged);
    if (!typed.isEmpty()) {
        edit->selectAll();
        QTest::keyClicks(edit.get(), typed);
    }
    edit->setCursorPosition(0);
    QTest::keyClick(edit.get(), key);
    QCOMPARE(dateOf(edit.get()), expected);
    QCOMPARE(edit->text(), expected.toString(u"M/d/yyyy"_s));
    QCOMPARE(edit->selectedText(), edit->text());
    setDateOf(edit.get(), QDate()); // ignored: the field always holds a date
    QCOMPARE(dateOf(edit.get()), expected);
    if (changed)
        QCOMPARE(changed->count(), 1);
}

void TestRegisterWidgets::dateFieldRestoresOnFocusLoss_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shownAfter");
    QTest::addColumn<int>("signalCount");
    QTest::newRow("new date is confirmed") << u"03/05/2024"_s << u"3/5/2024"_s << 1;
    QTest::newRow("empty text restores") << QString() << u"6/1/2022"_s << 0;
    QTest::newRow("junk restores") << u"31/31/31"_s << u"6/1/2022"_s << 0;
}

void TestRegisterWidgets::dateFieldRestoresOnFocusLoss()
{
    QFETCH(QString, typed);
    QFETCH(QString, shownAfter);
    QFETCH(int, signalCount);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *field = new DateField(&window);
    auto *other = new QLineEdit(&window);
    layout->addWidget(field);
    layout->addWidget(other);
    field->setDate(QDate(2022, 6, 1));
    QVERIFY(showAndFocus(&window, field));
    QSignalSpy changed(field, &DateField::dateChanged);
    replaceText(field, typed);
    QCOMPARE(changed.count(), 0); // typing alone confirms nothing
    other->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(!field->hasFocus());
    QCOMPARE(field->text(), shownAfter);
    QCOMPARE(changed.count(), signalCount);
}

void TestRegisterWidgets::calendarPopup_data()
{
    QTest::addColumn<bool>("smart");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("weekStart");
    QTest::newRow("DateField: F4, weeks from Monday") << false << u"F4"_s << 1;
    QTest::newRow("SmartDateEdit: button, weeks from Saturday") << true << u"button"_s << 6;
}

void TestRegisterWidgets::calendarPopup()
{
    QFETCH(bool, smart);
    QFETCH(QString, how);
    QFETCH(int, weekStart);
    weekStartDay() = weekStart;
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    QLineEdit *edit = makeDateWidget(smart, &window);
    layout->addWidget(edit);
    setDateOf(edit, QDate(2024, 2, 10));
    QVERIFY(showAndFocus(&window, edit));

    // The calendar opens on the typed text, even before it is confirmed.
    edit->selectAll();
    QTest::keyClicks(edit, u"4/2/2024"_s);
    if (how == u"F4") {
        QTest::keyClick(edit, Qt::Key_F4);
    } else {
        auto *button = edit->findChild<QToolButton *>();
        QTRY_VERIFY(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QCalendarWidget *calendar = edit->findChild<QCalendarWidget *>();
    QVERIFY(calendar);
    QTRY_VERIFY(calendar->isVisible());
    QCOMPARE(int(calendar->firstDayOfWeek()), weekStart);
    QCOMPARE(calendar->selectedDate(), QDate(2024, 4, 2));

    // Click the 15th: the only cell showing 15 that is not a week number.
    auto *view = calendar->findChild<QTableView *>();
    const int firstDayColumn = calendar->verticalHeaderFormat() == QCalendarWidget::NoVerticalHeader ? 0 : 1;
    QModelIndex fifteenth;
    for (int r = 1; r < view->model()->rowCount() && !fifteenth.isValid(); ++r) {
        for (int c = firstDayColumn; c < view->model()->columnCount() && !fifteenth.isValid(); ++c) {
            if (view->model()->index(r, c).data().toString() == u"15" && !view->isColumnHidden(c))
                fifteenth = view->model()->index(r, c);
        }
    }
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(fifteenth).center());
    QCOMPARE(dateOf(edit), QDate(2024, 4, 15));
    QCOMPARE(edit->text(), u"4/15/2024"_s);
    QTRY_VERIFY(!edit->findChild<QCalendarWidget *>());
}

void TestRegisterWidgets::enterTakesCompletionFirst()
{
    KeyRecorder window;
    auto *layout = new QVBoxLayout(&window);
    auto *edit = new RegisterLineEdit(&window);
    layout->addWidget(edit);
    auto *completer = new QCompleter(kPayees, edit);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    edit->setCompleter(completer);
    QVERIFY(showAndFocus(&window, edit));
    QTest::keyClicks(edit, u"g"_s);
    QTRY_VERIFY(completer->popup()->isVisible());
    QTest::keyClick(completer->popup(), Qt::Key_Down);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(edit->text(), u"Gas Station"_s);
    QVERIFY(window.keys.isEmpty()); // the register never saw the first Enter
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(window.keys, QList<QKeyCombination>{QKeyCombination(Qt::Key_Return)});
}

void TestRegisterWidgets::amountDecimalJump()
{
    // The decimal key jumps to the cents, which typed digits then replace.
    SmartAmountField field;
    field.setRange(0, 99999999.99);
    field.setPrefix(u"$ "_s);
    field.setValue(1234.5);
    auto *edit = field.findChild<QLineEdit *>();
    edit->setCursorPosition(0);
    QTest::keyClick(&field, '.');
    QCOMPARE(edit->text(), u"$ 1,234.50"_s);
    QCOMPARE(edit->cursorPosition(), 8);
    QTest::keyClicks(&field, u"57"_s);
    QCOMPARE(edit->text(), u"$ 1,234.57"_s);
    QCOMPARE(field.amount(), qint64(123457));
}

void TestRegisterWidgets::amountTyping_data()
{
    QTest::addColumn<int>("currency");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QString>("shown");
    const int usd = int(Currency::USD);
    QTest::newRow("dollars") << usd << 0.0 << u"1500"_s << qint64(150000) << u"1,500.00"_s;
    QTest::newRow("minus refused without negatives") << usd << 0.0 << u"-5"_s << qint64(500) << u"5.00"_s;
    QTest::newRow("negative allowed") << usd << -99999999.99 << u"-12.5"_s << qint64(-1250) << u"-12.50"_s;
    QTest::newRow("yen refuse a decimal point") << int(Currency::JPY) << 0.0 << u"15.5"_s << qint64(155) << u"155"_s;
}

void TestRegisterWidgets::amountTyping()
{
    QFETCH(int, currency);
    QFETCH(double, minimum);
    QFETCH(QString, typed);
    QFETCH(qint64, amount);
    QFETCH(QString, shown);
    SmartAmountField field;
    field.setCurrency(Currency(currency));
    field.setRange(minimum, currency == int(Currency::JPY) ? 99999999.0 : 99999999.99);
    field.setValue(0);
    auto *edit = field.findChild<QLineEdit *>();
    edit->selectAll();
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClicks(&field, typed);
    QTest::keyClick(&field, Qt::Key_Return);
    QCOMPARE(field.amount(), amount);
    QCOMPARE(edit->text(), shown);
    field.setAmount(amount);
    QCOMPARE(edit->text(), shown);
}

void TestRegisterWidgets::editsPassRegisterShortcuts()
{
    // Register shortcuts pass through the editors; Ctrl combinations are never
    // date keys and the apostrophe stays text in an open line editor.
    KeyRecorder parent;
    auto *date = new SmartDateEdit(&parent);
    date->setTodayFunction([] { return kToday; });
    date->setDate(QDate(2024, 6, 15));
    QTest::keyClick(date, Qt::Key_D, Qt::ControlModifier);
    QTest::keyClick(date, Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(date->date(), QDate(2024, 6, 15));
    QCOMPARE(parent.keys.value(0), QKeyCombination(Qt::ControlModifier, Qt::Key_D));
    auto *line = new RegisterLineEdit(&parent);
    QTest::keyClicks(line, u"ab'"_s);
    QTest::keyClick(line, Qt::Key_Enter);
    QCOMPARE(line->text(), u"ab'"_s);
    QCOMPARE(parent.keys.last(), QKeyCombination(Qt::Key_Enter));
}

void TestRegisterWidgets::tabAcceptsCompletionInView_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("Tab takes the payee") << 1 << u"mart"_s << u"Grocery Mart"_s;
    QTest::newRow("combo selects the item") << 2 << u"elec"_s << u"Utilities > Electric"_s;
}

void TestRegisterWidgets::tabAcceptsCompletionInView()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QStandardItemModel model(1, 4);
    QTableView view;
    view.setModel(&model);
    auto *delegate = new CompletingDelegate(&view);
    view.setItemDelegate(delegate);
    view.resize(600, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QSignalSpy closed(delegate, &QAbstractItemDelegate::closeEditor);
    const QModelIndex cell = model.index(0, column);
    view.setCurrentIndex(cell);
    view.edit(cell);
    QWidget *editor = view.indexWidget(cell);
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (!line)
        line = editor->findChild<QLineEdit *>();
    line->setFocus();
    QCompleter *completer = column == 2 ? static_cast<QComboBox *>(editor)->completer() : line->completer();
    QTest::keyClicks(line, typed);
    QTRY_VERIFY(completer->popup()->isVisible());
    QTest::keyClick(completer->popup(), Qt::Key_Down);
    QTest::keyClick(completer->popup(), Qt::Key_Tab);
    QVERIFY(!completer->popup()->isVisible());
    QCOMPARE(model.data(cell).toString(), stored);
    QVERIFY(!closed.isEmpty());
    QCOMPARE(closed.at(0).at(1).value<QAbstractItemDelegate::EndEditHint>(), QAbstractItemDelegate::EditNextItem);
}

PENWICK_TEST_MAIN(TestRegisterWidgets)
#include "tst_registerwidgets.moc"
