#include "testsupport.h"

#include "app/appconfig.h"
#include "app/thememanager.h"
#include "ui/datefield.h"
#include "ui/elidedlabel.h"
#include "ui/registercombobox.h"
#include "ui/registerlineedit.h"
#include "ui/smartamountfield.h"
#include "ui/smartdateedit.h"
#include "ui/tabcompleter.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCalendarWidget>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

namespace {

const QDate kToday(2024, 3, 13); // a Wednesday

// Either date widget behind one interface, so every rule runs against both.
struct DateWidget
{
    std::unique_ptr<QLineEdit> edit;
    std::function<QDate()> date;
    std::function<void(const QDate &)> setDate;
    DateField *field = nullptr; // set for DateField only
};

DateWidget makeDateWidget(bool smart, QWidget *parent = nullptr)
{
    DateWidget w;
    if (smart) {
        auto *edit = new SmartDateEdit(parent);
        edit->setTodayFunction([] { return kToday; });
        w.date = [edit] { return edit->date(); };
        w.setDate = [edit](const QDate &d) { edit->setDate(d); };
        w.edit.reset(edit);
    } else {
        auto *field = new DateField(parent);
        field->setTodayFunction([] { return kToday; });
        w.date = [field] { return field->date(); };
        w.setDate = [field](const QDate &d) { field->setDate(d); };
        w.field = field;
        w.edit.reset(field);
    }
    return w;
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

// Line edit with a tab completer on column 1, category combo on column 2.
class CompletingDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QStringList payees;
    QStringList categories;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        if (index.column() == 2) {
            auto *combo = new RegisterComboBox(parent);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->addItems(categories);
            auto *completer = new TabCompleter(categories, combo);
            completer->setCaseSensitivity(Qt::CaseInsensitive);
            completer->setFilterMode(Qt::MatchContains);
            combo->setCompleter(completer);
            return combo;
        }
        auto *edit = new RegisterLineEdit(parent);
        auto *completer = new TabCompleter(payees, edit);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setFilterMode(Qt::MatchContains);
        edit->setCompleter(completer);
        return edit;
    }
};

QCompleter *makeCompleter(QLineEdit *edit, const QStringList &items, bool tab)
{
    QCompleter *completer = tab ? new TabCompleter(items, edit) : new QCompleter(items, edit);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    edit->setCompleter(completer);
    return completer;
}

bool showAndFocus(QWidget *window, QWidget *focus)
{
    window->show();
    if (!QTest::qWaitForWindowActive(window))
        return false;
    focus->setFocus(Qt::OtherFocusReason);
    return QTest::qWaitFor([focus] { return focus->hasFocus(); });
}

QString text(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

const QStringList kPayees{u"Gas Station"_s, u"Grocery Mart"_s, u"Gym Membership"_s, u"Paycheck"_s};

} // namespace

class TestRegisterWidgets : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void dateKeys_data();
    void dateKeys();
    void dateKeyOnUnreadableText_data();
    void dateKeyOnUnreadableText();
    void typedDates_data();
    void typedDates();
    void dateFieldRestoresOnFocusLoss_data();
    void dateFieldRestoresOnFocusLoss();
    void calendarPopup_data();
    void calendarPopup();
    void calendarButtonFollowsPalette_data();
    void calendarButtonFollowsPalette();

    void amountDecimalJump_data();
    void amountDecimalJump();
    void amountTyping_data();
    void amountTyping();
    void amountCurrencySwitchKeepsNumber();

    void enterAcceptsCompletion_data();
    void enterAcceptsCompletion();
    void lineEditPassesRegisterShortcuts_data();
    void lineEditPassesRegisterShortcuts();
    void tabAcceptsCompletionInView_data();
    void tabAcceptsCompletionInView();
    void tabInPayeeMemoEditorGoesToMemo();

    void elidedLabelFitsNarrowLayout();
    void renderWidgets_data();
    void renderWidgets();

private:
    int m_savedWeekStart = 0;
};

void TestRegisterWidgets::initTestCase()
{
    m_savedWeekStart = weekStartDay();
}

void TestRegisterWidgets::cleanup()
{
    weekStartDay() = m_savedWeekStart;
    QApplication::setPalette(ThemeManager::lightPalette());
}

void TestRegisterWidgets::dateKeys_data()
{
    QTest::addColumn<bool>("smart");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QDate>("expected");

    struct Row { const char *name; QDate start; const char *key; QDate expected; };
    const Row rows[] = {
        {"t goes to today", QDate(2023, 7, 4), "t", kToday},
        {"T works like t", QDate(2023, 7, 4), "T", kToday},
        {"+ adds a day", QDate(2024, 2, 28), "+", QDate(2024, 2, 29)},
        {"= adds a day", QDate(2024, 2, 29), "=", QDate(2024, 3, 1)},
        {"+ across the year end", QDate(2023, 12, 31), "+", QDate(2024, 1, 1)},
        {"- takes a day", QDate(2024, 3, 1), "-", QDate(2024, 2, 29)},
        {"- across the year start", QDate(2024, 1, 1), "-", QDate(2023, 12, 31)},
        {"m first of month", QDate(2024, 3, 13), "m", QDate(2024, 3, 1)},
        {"M on the first stays", QDate(2024, 3, 1), "M", QDate(2024, 3, 1)},
        {"h last of leap February", QDate(2024, 2, 15), "h", QDate(2024, 2, 29)},
        {"h last of plain February", QDate(2023, 2, 15), "h", QDate(2023, 2, 28)},
        {"h on a 30-day month", QDate(2024, 4, 2), "h", QDate(2024, 4, 30)},
        {"y first of year", QDate(2024, 8, 20), "y", QDate(2024, 1, 1)},
        {"r last of year", QDate(2024, 8, 20), "r", QDate(2024, 12, 31)},
        {"w on a Sunday stays", QDate(2024, 3, 10), "w", QDate(2024, 3, 10)},
        {"w on a Wednesday", QDate(2024, 3, 13), "w", QDate(2024, 3, 10)},
        {"w on a Saturday", QDate(2024, 3, 16), "w", QDate(2024, 3, 10)},
        {"w across the month start", QDate(2024, 3, 2), "w", QDate(2024, 2, 25)},
        {"k on a Saturday stays", QDate(2024, 3, 16), "k", QDate(2024, 3, 16)},
        {"k on a Sunday moves six days", QDate(2024, 3, 10), "k", QDate(2024, 3, 16)},
        {"k across the month end", QDate(2024, 1, 31), "k", QDate(2024, 2, 3)},
        {"K across the year end", QDate(2024, 12, 30), "K", QDate(2025, 1, 4)},
    };
    for (bool smart : {false, true}) {
        for (const Row &row : rows) {
            QTest::addRow("%s: %s", smart ? "SmartDateEdit" : "DateField", row.name)
                << smart << row.start << text(row.key) << row.expected;
        }
    }
}

void TestRegisterWidgets::dateKeys()
{
    QFETCH(bool, smart);
    QFETCH(QDate, start);
    QFETCH(QString, key);
    QFETCH(QDate, expected);

    // Weeks for w and k run Sunday to Saturday whatever the preference says.
    weekStartDay() = 1;
    DateWidget w = makeDateWidget(smart);
    w.setDate(start);
    std::unique_ptr<QSignalSpy> changed;
    if (w.field)
        changed = std::make_unique<QSignalSpy>(w.field, &DateField::dateChanged);
    w.edit->setCursorPosition(0);

    QTest::keyClick(w.edit.get(), key.at(0).toLatin1());

    QCOMPARE(w.date(), expected);
    QCOMPARE(w.edit->text(), expected.toString(u"M/d/yyyy"_s));
    QCOMPARE(w.edit->selectedText(), w.edit->text());
    w.setDate(QDate()); // ignored: the field always holds a date
    QCOMPARE(w.date(), expected);
    if (changed) {
        QCOMPARE(changed->count(), expected == start ? 0 : 1);
        if (expected != start)
            QCOMPARE(changed->at(0).at(0).toDate(), expected);
    }
}

void TestRegisterWidgets::dateKeyOnUnreadableText_data()
{
    QTest::addColumn<bool>("smart");
    QTest::newRow("DateField") << false;
    QTest::newRow("SmartDateEdit") << true;
}

void TestRegisterWidgets::dateKeyOnUnreadableText()
{
    QFETCH(bool, smart);
    DateWidget w = makeDateWidget(smart);
    w.setDate(QDate(2024, 5, 20));

    // A typed, unconfirmed date counts for the key...
    w.edit->selectAll();
    QTest::keyClicks(w.edit.get(), u"6/30/2024"_s);
    QTest::keyClick(w.edit.get(), '+');
    QCOMPARE(w.date(), QDate(2024, 7, 1));

    // ...and text that reads as no date leaves the last date in force.
    w.edit->selectAll();
    QTest::keyClicks(w.edit.get(), u"99/99"_s);
    QTest::keyClick(w.edit.get(), '+');
    QCOMPARE(w.date(), QDate(2024, 7, 2));
    QCOMPARE(w.edit->text(), u"7/2/2024"_s);
}

void TestRegisterWidgets::typedDates_data()
{
    QTest::addColumn<bool>("smart");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("expected");
    const QDate previous(2022, 6, 1);
    struct Row { const char *name; const char *typed; QDate expected; };
    const Row rows[] = {
        {"M/d/yyyy", "1/2/2024", QDate(2024, 1, 2)},
        {"two-digit month and day", "12/31/2023", QDate(2023, 12, 31)},
        {"MM/dd/yyyy", "01/02/2024", QDate(2024, 1, 2)},
        {"M/d/yy means 19xx", "1/2/99", QDate(1999, 1, 2)},
        {"1/2/24 is the nearest 2024", "1/2/24", QDate(2024, 1, 2)},
        {"MM/dd/yy", "03/05/24", QDate(2024, 3, 5)},
        {"ISO form does not read", "2024-01-02", previous},
        {"impossible day", "2/30/2024", previous},
        {"empty", "", previous},
        {"no date key in it", "abc 5", previous},
    };
    for (bool smart : {false, true}) {
        for (const Row &row : rows) {
            QTest::addRow("%s: %s", smart ? "SmartDateEdit" : "DateField", row.name)
                << smart << text(row.typed) << row.expected;
        }
    }
}

void TestRegisterWidgets::typedDates()
{
    QFETCH(bool, smart);
    QFETCH(QString, typed);
    QFETCH(QDate, expected);

    DateWidget w = makeDateWidget(smart);
    w.setDate(QDate(2022, 6, 1));
    w.edit->selectAll();
    QTest::keyClick(w.edit.get(), Qt::Key_Backspace);
    // "-" is a date key, so the ISO text can only arrive pasted.
    if (typed.contains(u'-'))
        w.edit->insert(typed);
    else
        QTest::keyClicks(w.edit.get(), typed);
    QCOMPARE(w.edit->text(), typed);
    QCOMPARE(w.date(), expected);
}

void TestRegisterWidgets::dateFieldRestoresOnFocusLoss_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shownAfter");
    QTest::addColumn<int>("signalCount");
    QTest::newRow("new date is confirmed") << u"7/4/2024"_s << u"7/4/2024"_s << 1;
    QTest::newRow("zero-padded text is redisplayed") << u"03/05/2024"_s << u"3/5/2024"_s << 1;
    QTest::newRow("same date, other form") << u"06/01/22"_s << u"6/1/2022"_s << 0;
    QTest::newRow("empty text restores") << QString() << u"6/1/2022"_s << 0;
    QTest::newRow("junk restores") << u"31/31/31"_s << u"6/1/2022"_s << 0;
    QTest::newRow("unchanged date") << u"6/1/2022"_s << u"6/1/2022"_s << 0;
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
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, typed);
    QCOMPARE(changed.count(), 0); // typing alone confirms nothing

    other->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(!field->hasFocus());
    QCOMPARE(field->text(), shownAfter);
    QCOMPARE(changed.count(), signalCount);
    QCOMPARE(field->date().toString(u"M/d/yyyy"_s), shownAfter);
}

void TestRegisterWidgets::calendarPopup_data()
{
    QTest::addColumn<bool>("smart");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("weekStart");
    for (bool smart : {false, true}) {
        const char *kind = smart ? "SmartDateEdit" : "DateField";
        QTest::addRow("%s: F4, weeks from Monday", kind) << smart << u"F4"_s << 1;
        QTest::addRow("%s: Alt+Down, weeks from Sunday", kind) << smart << u"Alt+Down"_s << 7;
        QTest::addRow("%s: button, weeks from Saturday", kind) << smart << u"button"_s << 6;
    }
}

void TestRegisterWidgets::calendarPopup()
{
    QFETCH(bool, smart);
    QFETCH(QString, how);
    QFETCH(int, weekStart);
    weekStartDay() = weekStart;

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    DateWidget w = makeDateWidget(smart, &window);
    QLineEdit *edit = w.edit.get();
    layout->addWidget(edit);
    w.setDate(QDate(2024, 2, 10));
    QVERIFY(showAndFocus(&window, edit));
    std::unique_ptr<QSignalSpy> changed;
    if (w.field)
        changed = std::make_unique<QSignalSpy>(w.field, &DateField::dateChanged);

    // The calendar opens on the typed text, even before it is confirmed.
    edit->selectAll();
    QTest::keyClicks(edit, u"4/2/2024"_s);
    if (how == u"F4") {
        QTest::keyClick(edit, Qt::Key_F4);
    } else if (how == u"Alt+Down") {
        QTest::keyClick(edit, Qt::Key_Down, Qt::AltModifier);
    } else {
        auto *button = edit->findChild<QToolButton *>();
        QVERIFY(button);
        QTRY_VERIFY(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QCalendarWidget *calendar = edit->findChild<QCalendarWidget *>();
    QVERIFY(calendar);
    QTRY_VERIFY(calendar->isVisible());
    QVERIFY(calendar->windowFlags().testFlag(Qt::Popup));
    QVERIFY(calendar->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(int(calendar->firstDayOfWeek()), weekStart);
    QCOMPARE(calendar->selectedDate(), QDate(2024, 4, 2));
    QVERIFY(calendar->isGridVisible());
    // The offscreen platform puts a 2-pixel frame around every window it places.
    const QPoint offset = calendar->pos() - edit->mapToGlobal(edit->rect().bottomLeft());
    QVERIFY2(offset.manhattanLength() <= 4, qPrintable(u"popup off by %1,%2"_s.arg(offset.x()).arg(offset.y())));

    // Click the 15th: it is the only day cell showing 15 in a month grid
    // (the first column holds week numbers, and week 15 is in April).
    auto *view = calendar->findChild<QTableView *>();
    QVERIFY(view);
    const int firstDayColumn = calendar->verticalHeaderFormat() == QCalendarWidget::NoVerticalHeader ? 0 : 1;
    QModelIndex fifteenth;
    for (int r = 1; r < view->model()->rowCount() && !fifteenth.isValid(); ++r) {
        for (int c = firstDayColumn; c < view->model()->columnCount(); ++c) {
            const QModelIndex cell = view->model()->index(r, c);
            if (cell.data().toString() == u"15" && !view->isColumnHidden(c)) {
                fifteenth = cell;
                break;
            }
        }
    }
    QVERIFY(fifteenth.isValid());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(fifteenth).center());

    QCOMPARE(w.date(), QDate(2024, 4, 15));
    QCOMPARE(edit->text(), u"4/15/2024"_s);
    QTRY_VERIFY(!edit->findChild<QCalendarWidget *>());
    if (changed) {
        QVERIFY(changed->count() >= 1);
        QCOMPARE(changed->last().at(0).toDate(), QDate(2024, 4, 15));
    }
    w.edit.release(); // owned by the window now
}

void TestRegisterWidgets::calendarButtonFollowsPalette_data()
{
    QTest::addColumn<bool>("smart");
    QTest::newRow("DateField") << false;
    QTest::newRow("SmartDateEdit") << true;
}

void TestRegisterWidgets::calendarButtonFollowsPalette()
{
    QFETCH(bool, smart);
    DateWidget w = makeDateWidget(smart);
    QAction *action = w.field ? w.field->calendarAction() : static_cast<SmartDateEdit *>(w.edit.get())->calendarAction();
    QCOMPARE(action->toolTip(), u"Open calendar (F4)"_s);
    QVERIFY(w.edit->actions().contains(action));

    // The glyph is drawn in the field's placeholder colour, and redrawn when the theme changes.
    for (bool dark : {false, true}) {
        QApplication::setPalette(dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette());
        QCoreApplication::processEvents();
        const QImage image = action->icon().pixmap(QSize(16, 16), 1.0).toImage();
        QCOMPARE(image.size(), QSize(16, 16));
        QColor strongest;
        int transparent = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel.alpha() == 0)
                    ++transparent;
                if (!strongest.isValid() || pixel.alpha() > strongest.alpha())
                    strongest = pixel;
            }
        }
        QVERIFY2(transparent > 0, "the icon needs a transparent background");
        QCOMPARE(strongest.alpha(), 255);
        QCOMPARE(strongest.name(), dark ? u"#8faf9f"_s : u"#6e8a7e"_s);
    }
}

void TestRegisterWidgets::amountDecimalJump_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<double>("value");
    QTest::addColumn<char>("key");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("cursorAfter");
    QTest::newRow("full stop") << QString() << 12.0 << '.' << u"12.00"_s << 3;
    QTest::newRow("comma") << QString() << 12.0 << ',' << u"12.00"_s << 3;
    QTest::newRow("grouped with prefix") << u"$ "_s << 1234.5 << '.' << u"$ 1,234.50"_s << 8;
}

void TestRegisterWidgets::amountDecimalJump()
{
    QFETCH(QString, prefix);
    QFETCH(double, value);
    QFETCH(char, key);
    QFETCH(QString, shown);
    QFETCH(int, cursorAfter);

    SmartAmountField field;
    field.setRange(0, 99999999.99);
    field.setPrefix(prefix);
    field.setValue(value);
    QCOMPARE(field.alignment(), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(field.decimals(), 2);
    auto *edit = field.findChild<QLineEdit *>();
    QCOMPARE(edit->text(), shown);
    edit->setCursorPosition(0);

    QTest::keyClick(&field, key);
    QCOMPARE(edit->text(), shown); // nothing inserted
    QCOMPARE(edit->cursorPosition(), cursorAfter);
    QVERIFY(!edit->hasSelectedText());

    // The cents can be typed straight away.
    QTest::keyClicks(&field, u"57"_s);
    QCOMPARE(edit->text(), shown.left(shown.size() - 2) + u"57"_s);
    QCOMPARE(field.amount(), qint64(std::floor(value)) * 100 + 57);
}

void TestRegisterWidgets::amountTyping_data()
{
    QTest::addColumn<int>("currency");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QString>("shown");
    const int usd = int(Currency::USD);
    const int jpy = int(Currency::JPY);
    QTest::newRow("dollars") << usd << 0.0 << u"1500"_s << qint64(150000) << u"1,500.00"_s;
    QTest::newRow("cents round exactly") << int(Currency::EUR) << 0.0 << u"0.29"_s << qint64(29) << u"0.29"_s;
    QTest::newRow("third decimal refused") << usd << 0.0 << u"12.345"_s << qint64(1234) << u"12.34"_s;
    QTest::newRow("decimal key on an empty field") << usd << 0.0 << u"7.5"_s << qint64(750) << u"7.50"_s;
    QTest::newRow("minus refused without negatives") << usd << 0.0 << u"-5"_s << qint64(500) << u"5.00"_s;
    QTest::newRow("negative allowed") << usd << -99999999.99 << u"-12.5"_s << qint64(-1250) << u"-12.50"_s;
    QTest::newRow("above the maximum refused") << usd << 0.0 << u"123456789"_s << qint64(1234567800) << u"12,345,678.00"_s;
    QTest::newRow("yen are whole") << jpy << 0.0 << u"1500"_s << qint64(1500) << u"1,500"_s;
    QTest::newRow("yen refuse a decimal point") << jpy << 0.0 << u"15.5"_s << qint64(155) << u"155"_s;
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
    QCOMPARE(field.decimals(), currency == int(Currency::JPY) ? 0 : 2);
    auto *edit = field.findChild<QLineEdit *>();
    edit->selectAll();
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClicks(&field, typed);
    QTest::keyClick(&field, Qt::Key_Return);

    QCOMPARE(field.amount(), amount);
    QCOMPARE(edit->text(), shown);

    // Setting minor units shows the same text the register shows for them.
    field.setAmount(amount);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(field.amount(), amount);
}

void TestRegisterWidgets::amountCurrencySwitchKeepsNumber()
{
    SmartAmountField field;
    field.setRange(0, 99999999.99);
    field.setAmount(150050); // 1,500.50
    field.setCurrency(Currency::JPY);
    QCOMPARE(field.decimals(), 0);
    QCOMPARE(field.findChild<QLineEdit *>()->text(), u"1,501"_s); // half a unit rounds up
    QCOMPARE(field.amount(), qint64(1501));
    field.setCurrency(Currency::GBP);
    QCOMPARE(field.findChild<QLineEdit *>()->text(), u"1,501.00"_s);
    QCOMPARE(field.amount(), qint64(150100));
}

void TestRegisterWidgets::enterAcceptsCompletion_data()
{
    QTest::addColumn<bool>("throughPopup"); // as the platform delivers it while the list is open
    QTest::addColumn<bool>("pickItem");
    QTest::addColumn<QString>("expected");
    QTest::newRow("popup, highlighted item") << true << true << u"Gas Station"_s;
    QTest::newRow("popup, nothing highlighted") << true << false << u"g"_s;
    QTest::newRow("line edit, highlighted item") << false << true << u"Gas Station"_s;
    QTest::newRow("line edit, nothing highlighted") << false << false << u"g"_s;
}

void TestRegisterWidgets::enterAcceptsCompletion()
{
    QFETCH(bool, throughPopup);
    QFETCH(bool, pickItem);
    QFETCH(QString, expected);

    KeyRecorder window;
    auto *layout = new QVBoxLayout(&window);
    auto *edit = new RegisterLineEdit(&window);
    layout->addWidget(edit);
    QCompleter *completer = makeCompleter(edit, kPayees, false);
    QVERIFY(showAndFocus(&window, edit));

    QTest::keyClicks(edit, u"g"_s);
    QTRY_VERIFY(completer->popup()->isVisible());
    if (pickItem)
        QTest::keyClick(completer->popup(), Qt::Key_Down);

    QTest::keyClick(throughPopup ? static_cast<QWidget *>(completer->popup()) : edit, Qt::Key_Return);
    QCOMPARE(edit->text(), expected);
    QTRY_VERIFY(!completer->popup()->isVisible());
    QVERIFY(window.keys.isEmpty()); // the register never saw the first Enter

    // With the list closed, Enter moves on.
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(window.keys, QList<QKeyCombination>{QKeyCombination(Qt::Key_Return)});
    QCOMPARE(edit->text(), expected);
}

void TestRegisterWidgets::lineEditPassesRegisterShortcuts_data()
{
    QTest::addColumn<bool>("dateEdit");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("passed");
    const int ctrl = int(Qt::ControlModifier);
    for (bool dateEdit : {false, true}) {
        const char *kind = dateEdit ? "SmartDateEdit" : "RegisterLineEdit";
        QTest::addRow("%s: Enter", kind) << dateEdit << int(Qt::Key_Enter) << 0 << true;
        QTest::addRow("%s: Ctrl+D", kind) << dateEdit << int(Qt::Key_D) << ctrl << true;
        QTest::addRow("%s: Ctrl+M", kind) << dateEdit << int(Qt::Key_M) << ctrl << true;
    }
    QTest::newRow("RegisterLineEdit: apostrophe is text") << false << int(Qt::Key_Apostrophe) << 0 << false;
    QTest::newRow("SmartDateEdit: Ctrl+T is no date key") << true << int(Qt::Key_T) << ctrl << false;
}

void TestRegisterWidgets::lineEditPassesRegisterShortcuts()
{
    QFETCH(bool, dateEdit);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, passed);

    KeyRecorder parent;
    RegisterLineEdit *edit = nullptr;
    if (dateEdit) {
        auto *date = new SmartDateEdit(&parent);
        date->setTodayFunction([] { return kToday; });
        date->setDate(QDate(2024, 6, 15));
        edit = date;
    } else {
        edit = new RegisterLineEdit(&parent);
        QTest::keyClicks(edit, u"ab"_s);
    }
    const QString before = edit->text();
    if (key == Qt::Key_Apostrophe)
        QTest::keyClick(edit, '\'');
    else
        QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    if (passed) {
        QCOMPARE(parent.keys, QList<QKeyCombination>{QKeyCombination(Qt::KeyboardModifiers(modifiers), Qt::Key(key))});
        QCOMPARE(edit->text(), before);
    } else if (dateEdit) {
        QCOMPARE(static_cast<SmartDateEdit *>(edit)->date(), QDate(2024, 6, 15));
    } else {
        QVERIFY(parent.keys.isEmpty());
        QCOMPARE(edit->text(), u"ab'"_s);
    }
}

void TestRegisterWidgets::tabAcceptsCompletionInView_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pickItem");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("hint");
    const int next = int(QAbstractItemDelegate::EditNextItem);
    const int previous = int(QAbstractItemDelegate::EditPreviousItem);
    QTest::newRow("Tab takes the payee") << 1 << u"mart"_s << true << int(Qt::Key_Tab) << 0
                                         << u"Grocery Mart"_s << next;
    QTest::newRow("Backtab goes back") << 1 << u"gym"_s << true << int(Qt::Key_Backtab) << 0
                                       << u"Gym Membership"_s << previous;
    QTest::newRow("Shift+Tab goes back") << 1 << u"pay"_s << true << int(Qt::Key_Tab) << int(Qt::ShiftModifier)
                                         << u"Paycheck"_s << previous;
    QTest::newRow("nothing highlighted keeps the text") << 1 << u"gro"_s << false << int(Qt::Key_Tab) << 0
                                                        << u"gro"_s << next;
    QTest::newRow("combo selects the item") << 2 << u"elec"_s << true << int(Qt::Key_Tab) << 0
                                            << u"Utilities > Electric"_s << next;
}

void TestRegisterWidgets::tabAcceptsCompletionInView()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(bool, pickItem);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, stored);
    QFETCH(int, hint);

    QStandardItemModel model(1, 4);
    QTableView view;
    view.setModel(&model);
    auto *delegate = new CompletingDelegate(&view);
    delegate->payees = kPayees;
    delegate->categories = QStringList{QString(), u"Groceries"_s, u"Utilities > Electric"_s, u"Utilities > Water"_s};
    view.setItemDelegate(delegate);
    view.resize(600, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowActive(&view));

    QSignalSpy closed(delegate, &QAbstractItemDelegate::closeEditor);
    const QModelIndex cell = model.index(0, column);
    view.setCurrentIndex(cell);
    view.edit(cell);
    QWidget *editor = view.indexWidget(cell);
    if (!editor)
        editor = view.viewport()->findChild<QWidget *>();
    QVERIFY(editor);
    QTRY_VERIFY(editor->hasFocus() || editor->focusProxy() || editor->findChild<QLineEdit *>());
    QLineEdit *line = qobject_cast<QLineEdit *>(editor);
    if (!line)
        line = editor->findChild<QLineEdit *>();
    QVERIFY(line);
    line->setFocus();
    QCompleter *completer = column == 2 ? static_cast<QComboBox *>(editor)->completer() : line->completer();
    QVERIFY(qobject_cast<TabCompleter *>(completer));
    QSignalSpy activated(completer, qOverload<const QString &>(&QCompleter::activated));

    QTest::keyClicks(line, typed);
    QTRY_VERIFY(completer->popup()->isVisible());
    if (pickItem)
        QTest::keyClick(completer->popup(), Qt::Key_Down);
    QTest::keyClick(completer->popup(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QVERIFY(!completer->popup()->isVisible());
    QCOMPARE(model.data(cell).toString(), stored);
    QCOMPARE(activated.count(), pickItem ? 1 : 0);
    if (pickItem)
        QCOMPARE(activated.at(0).at(0).toString(), stored);
    QVERIFY(closed.count() >= 1);
    QCOMPARE(closed.at(0).at(1).value<QAbstractItemDelegate::EndEditHint>(), hint);
}

void TestRegisterWidgets::tabInPayeeMemoEditorGoesToMemo()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *other = new QLineEdit(&window);
    auto *payeeMemo = new QWidget(&window);
    payeeMemo->setObjectName(u"PayeeMemoEditor"_s);
    auto *inner = new QVBoxLayout(payeeMemo);
    auto *payee = new RegisterLineEdit(payeeMemo);
    payee->setObjectName(u"payeeEdit"_s);
    auto *memo = new RegisterLineEdit(payeeMemo);
    memo->setObjectName(u"memoEdit"_s);
    inner->addWidget(payee);
    inner->addWidget(memo);
    layout->addWidget(other);
    layout->addWidget(payeeMemo);
    QCompleter *completer = makeCompleter(payee, kPayees, true);
    QSignalSpy activated(completer, qOverload<const QString &>(&QCompleter::activated));
    QVERIFY(showAndFocus(&window, payee));

    QTest::keyClicks(payee, u"sta"_s);
    QTRY_VERIFY(completer->popup()->isVisible());
    QTest::keyClick(completer->popup(), Qt::Key_Down);
    QTest::keyClick(completer->popup(), Qt::Key_Tab);

    QCOMPARE(payee->text(), u"Gas Station"_s);
    QCOMPARE(activated.count(), 1);
    QTRY_VERIFY(memo->hasFocus());
    QVERIFY(!completer->popup()->isVisible());
}

void TestRegisterWidgets::elidedLabelFitsNarrowLayout()
{
    QWidget row;
    auto *layout = new QHBoxLayout(&row);
    auto *name = new ElidedLabel(u"Everyday Checking at First Mutual Savings Bank"_s, &row);
    auto *balance = new QLabel(u"$12,345.67"_s, &row);
    balance->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    layout->addWidget(name, 1);
    layout->addWidget(balance);
    row.resize(200, 30);
    row.show();
    QVERIFY(QTest::qWaitForWindowExposed(&row));

    const QFontMetrics metrics = name->fontMetrics();
    QCOMPARE(name->sizeHint(), QSize(metrics.horizontalAdvance(name->fullText()), metrics.height()));
    QCOMPARE(name->minimumSizeHint(), QSize(0, metrics.height()));
    QCOMPARE(name->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(name->text(), name->fullText());

    // The name yields its width; the balance keeps all of its own.
    QVERIFY(row.minimumSizeHint().width() < name->sizeHint().width());
    QVERIFY(name->width() < name->sizeHint().width());
    QCOMPARE(balance->width(), balance->sizeHint().width());
    QCOMPARE(name->fullText(), u"Everyday Checking at First Mutual Savings Bank"_s);
}

void TestRegisterWidgets::renderWidgets_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

void TestRegisterWidgets::renderWidgets()
{
    QFETCH(bool, dark);
    QApplication::setPalette(dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette());

    QWidget window;
    auto *form = new QFormLayout(&window);
    auto *date = new DateField(&window);
    date->setDate(QDate(2024, 3, 15));
    auto *smartDate = new SmartDateEdit(&window);
    smartDate->setDate(QDate(2024, 12, 31));
    auto *amount = new SmartAmountField(&window);
    amount->setRange(0, 99999999.99);
    amount->setPrefix(u"$ "_s);
    amount->setAmount(123456);
    auto *yen = new SmartAmountField(&window);
    yen->setCurrency(Currency::JPY);
    yen->setRange(0, 99999999);
    yen->setPrefix(u"¥ "_s);
    yen->setAmount(1500);
    auto *category = new RegisterComboBox(&window);
    category->setEditable(true);
    category->addItems({u"Utilities > Electric"_s, u"Groceries"_s});
    auto *payee = new RegisterLineEdit(&window);
    payee->setText(u"Grocery Mart"_s);
    auto *label = new ElidedLabel(u"Everyday Checking at First Mutual Savings Bank"_s, &window);
    form->addRow(u"Date:"_s, date);
    form->addRow(u"Register date:"_s, smartDate);
    form->addRow(u"Amount:"_s, amount);
    form->addRow(u"Yen amount:"_s, yen);
    form->addRow(u"Payee:"_s, payee);
    form->addRow(u"Category:"_s, category);
    form->addRow(u"Account:"_s, label);
    window.resize(340, window.sizeHint().height());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Nothing is clipped: each field is at least as tall and wide as it asks to be.
    for (QWidget *field : std::initializer_list<QWidget *>{date, smartDate, amount, yen, payee, category}) {
        QVERIFY(field->height() >= field->minimumSizeHint().height());
        QVERIFY(field->width() >= field->minimumSizeHint().width());
    }
    QVERIFY(label->width() < label->sizeHint().width()); // elided, not widened

    const QImage image = window.grab().toImage();
    QVERIFY(!image.isNull());
    const QString dir = qEnvironmentVariable("PENWICK_RENDER_DIR");
    if (!dir.isEmpty())
        QVERIFY(image.save(u"%1/widgets-%2.png"_s.arg(dir, dark ? u"dark"_s : u"light"_s)));

    // The calendar popup as it opens from a field.
    date->setFocus();
    date->openCalendarPopup();
    auto *calendar = date->findChild<QCalendarWidget *>();
    QVERIFY(calendar);
    QVERIFY(QTest::qWaitForWindowExposed(calendar));
    if (!dir.isEmpty())
        QVERIFY(calendar->grab().save(u"%1/calendar-%2.png"_s.arg(dir, dark ? u"dark"_s : u"light"_s)));
    calendar->close();
}

PENWICK_TEST_MAIN(TestRegisterWidgets)
#include "tst_registerwidgets.moc"
