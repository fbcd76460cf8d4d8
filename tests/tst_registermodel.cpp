#include "testsupport.h"

#include "app/thememanager.h"
#include "ui/registermodel.h"

#include <QFont>
#include <QHeaderView>
#include <QTableView>
#include <QSignalSpy>
#include <algorithm>

namespace {

const QDate kToday(2024, 3, 13);

RegisterRow makeRow(const QString &payee, const QDate &date, qint64 amount, qint64 balance)
{
    RegisterRow row;
    row.transaction.id = newId();
    row.transaction.payee = payee;
    row.transaction.date = date;
    row.transaction.amount = amount;
    row.running_balance = balance;
    return row;
}

// Three transactions in date order with their running balances from 0.
QList<RegisterRow> sampleRows()
{
    QList<RegisterRow> rows;
    rows << makeRow(u"Paycheck"_s, QDate(2024, 1, 3), 250000, 250000)
         << makeRow(u"Rent"_s, QDate(2024, 1, 5), -180000, 70000)
         << makeRow(u"Grocery Mart"_s, QDate(2024, 1, 9), -8423, 61577);
    rows[1].transaction.check_number = u"1042"_s;
    rows[1].transaction.memo = u"January"_s;
    rows[1].transaction.category_id = u"cat-housing"_s;
    rows[1].category_name = u"Housing"_s;
    rows[1].transaction.cleared = true;
    return rows;
}

QList<RegisterRow> displayOrder(QList<RegisterRow> rows, bool newestFirst)
{
    if (newestFirst)
        std::reverse(rows.begin(), rows.end());
    return rows;
}

QString text(const RegisterModel &model, int row, int column, int role = Qt::DisplayRole)
{
    return model.data(model.index(row, column), role).toString();
}

QString colour(const RegisterModel &model, int row, int column, int role)
{
    const QVariant value = model.data(model.index(row, column), role);
    return value.isValid() ? value.value<QColor>().name() : QString();
}

void installPalette(bool dark)
{
    QApplication::setPalette(dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette());
}

} // namespace

class TestRegisterModel : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void rowMapping_data();
    void rowMapping();
    void emptyAccountShowsPlaceholders_data();
    void emptyAccountShowsPlaceholders();
    void cellTexts_data();
    void cellTexts();
    void alignmentAndFonts_data();
    void alignmentAndFonts();
    void colours_data();
    void colours();
    void bufferBackgroundOnlyInSingleLine_data();
    void bufferBackgroundOnlyInSingleLine();
    void flags_data();
    void flags();
    void setDataAcceptsOnlyEditRole_data();
    void setDataAcceptsOnlyEditRole();
    void editRowShowsBuffer_data();
    void editRowShowsBuffer();
    void loadRowIntoBuffer_data();
    void loadRowIntoBuffer();
    void resetEntryBufferUsesStickyDate_data();
    void resetEntryBufferUsesStickyDate();
    void headers();
    void renderInTableView_data();
    void renderInTableView();
};

void TestRegisterModel::cleanup()
{
    installPalette(false);
}

void TestRegisterModel::rowMapping_data()
{
    QTest::addColumn<bool>("newestFirst");
    QTest::addColumn<int>("entryRow");
    QTest::addColumn<QStringList>("payeesByRow"); // empty text for the entry row
    QTest::newRow("oldest first") << false << 3
                                  << QStringList{u"Paycheck"_s, u"Rent"_s, u"Grocery Mart"_s, QString()};
    QTest::newRow("newest first") << true << 0
                                  << QStringList{QString(), u"Grocery Mart"_s, u"Rent"_s, u"Paycheck"_s};
}

void TestRegisterModel::rowMapping()
{
    QFETCH(bool, newestFirst);
    QFETCH(int, entryRow);
    QFETCH(QStringList, payeesByRow);

    RegisterModel model;
    const QList<RegisterRow> rows = displayOrder(sampleRows(), newestFirst);
    model.setRows(rows, newestFirst);

    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.columnCount(), 9);
    QCOMPARE(model.entryRow(), entryRow);
    QCOMPARE(model.newestFirst(), newestFirst);
    for (int row = 0; row < model.rowCount(); ++row) {
        const QString expected = payeesByRow.at(row);
        const RegisterRow *shown = model.rowAt(row);
        if (expected.isEmpty()) {
            QCOMPARE(model.transactionIndex(row), -1);
            QVERIFY(!shown);
            continue;
        }
        const int k = model.transactionIndex(row);
        QCOMPARE(rows.at(k).transaction.payee, expected);
        QCOMPARE(model.rowForTransaction(k), row);
        QVERIFY(shown);
        QCOMPARE(shown->transaction.payee, expected);
        QCOMPARE(text(model, row, RegisterModel::PayeeColumn), expected);
    }
    QCOMPARE(model.transactionIndex(4), -1);
    QCOMPARE(model.transactionIndex(-1), -1);
    QCOMPARE(model.rowForTransaction(3), -1);
}

void TestRegisterModel::emptyAccountShowsPlaceholders_data()
{
    QTest::addColumn<QString>("sticky");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("expectedDate");
    QTest::newRow("today, light") << QString() << false << u"3/13/2024"_s;
    QTest::newRow("today, dark") << QString() << true << u"3/13/2024"_s;
    QTest::newRow("sticky date") << u"3/15/2024"_s << false << u"3/15/2024"_s;
}

void TestRegisterModel::emptyAccountShowsPlaceholders()
{
    QFETCH(QString, sticky);
    QFETCH(bool, dark);
    QFETCH(QString, expectedDate);
    installPalette(dark);

    RegisterModel model;
    model.setTodayFunction([] { return kToday; });
    model.setStickyDate(sticky);
    model.setRows({}, false);

    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.entryRow(), 0);
    QCOMPARE(text(model, 0, RegisterModel::DateColumn), expectedDate);
    QCOMPARE(colour(model, 0, RegisterModel::DateColumn, Qt::ForegroundRole), QString());

    const QStringList placeholders{u"Chk #"_s, u"Payee"_s, u"Category"_s, u"Memo"_s,
                                   u"Payment"_s, u"Deposit"_s, u"Clr"_s};
    for (int column = 1; column <= 7; ++column) {
        QCOMPARE(text(model, 0, column), placeholders.at(column - 1));
        // The placeholder is only a display: editors start empty.
        QCOMPARE(text(model, 0, column, Qt::EditRole), QString());
        QCOMPARE(colour(model, 0, column, Qt::ForegroundRole), u"#6e8a7e"_s);
    }
    QCOMPARE(text(model, 0, RegisterModel::BalanceColumn), QString());
}

void TestRegisterModel::cellTexts_data()
{
    QTest::addColumn<int>("currency");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<qint64>("balance");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("reconciled");
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("deposit");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("balanceText");
    const int usd = int(Currency::USD);
    const int eur = int(Currency::EUR);
    const int jpy = int(Currency::JPY);
    QTest::newRow("payment") << usd << qint64(-123456) << qint64(-5) << false << false
                             << u"1,234.56"_s << QString() << QString() << u"-0.05"_s;
    QTest::newRow("deposit") << usd << qint64(250000) << qint64(123456789) << true << false
                             << QString() << u"2,500.00"_s << u"C"_s << u"1,234,567.89"_s;
    QTest::newRow("zero amount is a deposit") << usd << qint64(0) << qint64(0) << false << false
                                              << QString() << u"0.00"_s << QString() << u"0.00"_s;
    QTest::newRow("reconciled and cleared") << eur << qint64(-1) << qint64(99) << true << true
                                            << u"0.01"_s << QString() << u"R"_s << u"0.99"_s;
    QTest::newRow("reconciled only") << usd << qint64(500) << qint64(500) << false << true
                                     << QString() << u"5.00"_s << u"R"_s << u"5.00"_s;
    // Whole yen: the register and the account's balance must agree.
    QTest::newRow("yen payment") << jpy << qint64(-1500) << qint64(-2000) << false << false
                                 << u"1,500"_s << QString() << QString() << u"-2,000"_s;
    QTest::newRow("yen deposit") << jpy << qint64(1234567) << qint64(1234567) << true << false
                                 << QString() << u"1,234,567"_s << u"C"_s << u"1,234,567"_s;
}

void TestRegisterModel::cellTexts()
{
    QFETCH(int, currency);
    QFETCH(qint64, amount);
    QFETCH(qint64, balance);
    QFETCH(bool, cleared);
    QFETCH(bool, reconciled);
    QFETCH(QString, payment);
    QFETCH(QString, deposit);
    QFETCH(QString, mark);
    QFETCH(QString, balanceText);

    RegisterRow row = makeRow(u"Corner Shop"_s, QDate(2024, 2, 5), amount, balance);
    row.transaction.cleared = cleared;
    row.transaction.reconciled = reconciled;
    row.transaction.check_number = u"7"_s;
    row.transaction.memo = u"weekly"_s;
    row.category_name = u"Groceries"_s;

    RegisterModel model;
    model.setCurrency(Currency(currency));
    model.setRows({row}, false);

    QCOMPARE(text(model, 0, RegisterModel::DateColumn), u"2/5/2024"_s);
    QCOMPARE(text(model, 0, RegisterModel::CheckNumberColumn), u"7"_s);
    QCOMPARE(text(model, 0, RegisterModel::PayeeColumn), u"Corner Shop"_s);
    QCOMPARE(text(model, 0, RegisterModel::CategoryColumn), u"Groceries"_s);
    QCOMPARE(text(model, 0, RegisterModel::MemoColumn), u"weekly"_s);
    QCOMPARE(text(model, 0, RegisterModel::PaymentColumn), payment);
    QCOMPARE(text(model, 0, RegisterModel::DepositColumn), deposit);
    QCOMPARE(text(model, 0, RegisterModel::ClearedColumn), mark);
    QCOMPARE(text(model, 0, RegisterModel::BalanceColumn), balanceText);

    // The edit role mirrors the display except for the balance, which is never edited.
    for (int column = 0; column < RegisterModel::BalanceColumn; ++column)
        QCOMPARE(text(model, 0, column, Qt::EditRole), text(model, 0, column));
    QVERIFY(!model.data(model.index(0, RegisterModel::BalanceColumn), Qt::EditRole).isValid());
}

void TestRegisterModel::alignmentAndFonts_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("stored row") << 1;
    QTest::newRow("entry row, so typed amounts line up") << 3;
}

void TestRegisterModel::alignmentAndFonts()
{
    QFETCH(int, row);
    RegisterModel model;
    model.setRows(sampleRows(), false);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment expected[] = {left, left, left, left, left, right, right, Qt::AlignCenter, right};
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        const QModelIndex index = model.index(row, column);
        QCOMPARE(index.data(Qt::TextAlignmentRole).value<Qt::Alignment>(), expected[column]);
        const QVariant font = index.data(Qt::FontRole);
        const bool amountColumn = column == 5 || column == 6 || column == 8;
        QCOMPARE(font.isValid(), amountColumn);
        if (amountColumn) {
            QCOMPARE(font.value<QFont>().family(), u"monospace"_s);
            QCOMPARE(font.value<QFont>().styleHint(), QFont::Monospace);
            QCOMPARE(font.value<QFont>().pointSizeF(), QApplication::font().pointSizeF());
        }
    }
}

void TestRegisterModel::colours_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("negative");
    QTest::addColumn<QString>("positive");
    QTest::newRow("light") << false << u"#c62828"_s << u"#2e7d32"_s;
    QTest::newRow("dark") << true << u"#ff8a80"_s << u"#66bb6a"_s;
}

void TestRegisterModel::colours()
{
    QFETCH(bool, dark);
    QFETCH(QString, negative);
    QFETCH(QString, positive);
    installPalette(dark);

    QList<RegisterRow> rows;
    rows << makeRow(u"Deposit"_s, QDate(2024, 1, 2), 1000, 1000)
         << makeRow(u"Overdraft"_s, QDate(2024, 1, 3), -3000, -2000);
    RegisterModel model;
    model.setRows(rows, false);

    const int fg = Qt::ForegroundRole;
    // Deposit row: positive deposit, balance above zero uncoloured.
    QCOMPARE(colour(model, 0, RegisterModel::DateColumn, fg), QString());
    QCOMPARE(colour(model, 0, RegisterModel::PayeeColumn, fg), QString());
    QCOMPARE(colour(model, 0, RegisterModel::MemoColumn, fg), u"#6e8a7e"_s);
    QCOMPARE(colour(model, 0, RegisterModel::ClearedColumn, fg), u"#6e8a7e"_s);
    QCOMPARE(colour(model, 0, RegisterModel::PaymentColumn, fg), negative);
    QCOMPARE(colour(model, 0, RegisterModel::DepositColumn, fg), positive);
    QCOMPARE(colour(model, 0, RegisterModel::BalanceColumn, fg), QString());
    // Payment row: no deposit colour, negative balance.
    QCOMPARE(colour(model, 1, RegisterModel::DepositColumn, fg), QString());
    QCOMPARE(colour(model, 1, RegisterModel::BalanceColumn, fg), negative);
    // Stored rows have no background of their own.
    QCOMPARE(colour(model, 1, RegisterModel::PayeeColumn, Qt::BackgroundRole), QString());
}

void TestRegisterModel::bufferBackgroundOnlyInSingleLine_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("twoLine");
    QTest::addColumn<QString>("background");
    QTest::newRow("light") << false << false << u"#e8f5e9"_s;
    QTest::newRow("dark") << true << false << u"#1a2e28"_s;
    QTest::newRow("light two-line") << false << true << QString();
    QTest::newRow("dark two-line") << true << true << QString();
}

void TestRegisterModel::bufferBackgroundOnlyInSingleLine()
{
    QFETCH(bool, dark);
    QFETCH(bool, twoLine);
    QFETCH(QString, background);
    installPalette(dark);

    RegisterModel model;
    model.setRows(sampleRows(), false);
    model.setTwoLine(twoLine);
    for (int column = 0; column < RegisterModel::ColumnCount; ++column)
        QCOMPARE(colour(model, 3, column, Qt::BackgroundRole), background);

    // Once an existing row is edited it carries the background and the entry row loses it.
    model.setEditRow(1);
    QCOMPARE(colour(model, 1, RegisterModel::BalanceColumn, Qt::BackgroundRole), background);
    QCOMPARE(colour(model, 3, RegisterModel::PayeeColumn, Qt::BackgroundRole), QString());
    QCOMPARE(colour(model, 0, RegisterModel::PayeeColumn, Qt::BackgroundRole), QString());
}

void TestRegisterModel::flags_data()
{
    QTest::addColumn<bool>("newestFirst");
    QTest::addColumn<int>("editRow");
    QTest::addColumn<QList<int>>("editableRows");
    QTest::newRow("oldest first") << false << -1 << QList<int>{3};
    QTest::newRow("newest first") << true << -1 << QList<int>{0};
    QTest::newRow("oldest first, editing row 1") << false << 1 << QList<int>{1, 3};
    QTest::newRow("newest first, editing row 2") << true << 2 << QList<int>{0, 2};
}

void TestRegisterModel::flags()
{
    QFETCH(bool, newestFirst);
    QFETCH(int, editRow);
    QFETCH(QList<int>, editableRows);

    RegisterModel model;
    model.setRows(displayOrder(sampleRows(), newestFirst), newestFirst);
    model.setEditRow(editRow);

    QCOMPARE(model.flags(QModelIndex()), Qt::NoItemFlags);
    const Qt::ItemFlags plain = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
            const bool editable = editableRows.contains(row) && column != RegisterModel::BalanceColumn;
            QCOMPARE(model.flags(model.index(row, column)), editable ? plain | Qt::ItemIsEditable : plain);
        }
    }
}

void TestRegisterModel::setDataAcceptsOnlyEditRole_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("accepted");
    for (int column = 0; column <= 7; ++column) {
        QTest::addRow("edit role, column %d", column) << column << int(Qt::EditRole) << true;
        QTest::addRow("display role, column %d", column) << column << int(Qt::DisplayRole) << false;
    }
    QTest::newRow("balance column") << 8 << int(Qt::EditRole) << false;
    QTest::newRow("check state role") << 2 << int(Qt::CheckStateRole) << false;
}

void TestRegisterModel::setDataAcceptsOnlyEditRole()
{
    QFETCH(int, column);
    QFETCH(int, role);
    QFETCH(bool, accepted);

    RegisterModel model;
    model.setTodayFunction([] { return kToday; });
    model.setRows(sampleRows(), false);
    const RegisterEntryBuffer before = model.entryBuffer();
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    const QModelIndex target = model.index(model.entryRow(), column);
    QCOMPARE(model.setData(target, u"X1"_s, role), accepted);

    const RegisterEntryBuffer &after = model.entryBuffer();
    QCOMPARE(after.categoryId, before.categoryId);
    QCOMPARE(after.stickyDate, before.stickyDate);
    for (int slot = 0; slot < 8; ++slot) {
        const bool written = accepted && slot == column;
        QCOMPARE(after.textForColumn(slot), written ? u"X1"_s : before.textForColumn(slot));
    }
    if (!accepted) {
        QCOMPARE(changed.count(), 0);
        return;
    }
    QCOMPARE(text(model, model.entryRow(), column), u"X1"_s);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), target);
    QCOMPARE(changed.at(0).at(1).toModelIndex(), target);
}

void TestRegisterModel::editRowShowsBuffer_data()
{
    QTest::addColumn<bool>("newestFirst");
    QTest::newRow("oldest first") << false;
    QTest::newRow("newest first") << true;
}

void TestRegisterModel::editRowShowsBuffer()
{
    QFETCH(bool, newestFirst);
    RegisterModel model;
    model.setTodayFunction([] { return kToday; });
    model.setRows(displayOrder(sampleRows(), newestFirst), newestFirst);
    const int rentRow = newestFirst ? 2 : 1;
    const int paycheckRow = newestFirst ? 3 : 0;
    const int entry = model.entryRow();

    QVERIFY(model.loadRowIntoBuffer(rentRow, u"Housing"_s));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.setEditRow(rentRow);
    QCOMPARE(model.editRow(), rentRow);
    // Rows announced as wholly changed (columns 0 to 8); -1 marks a partial announcement.
    auto rowsTouched = [&changed] {
        QSet<int> rows;
        for (const QList<QVariant> &signal : changed) {
            const QModelIndex from = signal.at(0).toModelIndex();
            const QModelIndex to = signal.at(1).toModelIndex();
            if (from.column() != 0 || to.column() != 8)
                rows.insert(-1);
            for (int r = from.row(); r <= to.row(); ++r)
                rows.insert(r);
        }
        return rows;
    };
    QCOMPARE(rowsTouched(), (QSet<int>{rentRow, entry}));

    // A typed change shows on the edit row only; the stored rows stay as they were.
    QVERIFY(model.setData(model.index(rentRow, RegisterModel::PayeeColumn), u"Landlord"_s));
    QCOMPARE(text(model, rentRow, RegisterModel::PayeeColumn), u"Landlord"_s);
    QCOMPARE(text(model, rentRow, RegisterModel::BalanceColumn), u"700.00"_s);
    QVERIFY(!model.data(model.index(rentRow, RegisterModel::BalanceColumn), Qt::EditRole).isValid());
    QCOMPARE(model.rowAt(rentRow)->transaction.payee, u"Rent"_s);
    // The blank entry row is empty, without placeholders, while another row is edited.
    for (int column = 0; column < RegisterModel::ColumnCount; ++column)
        QCOMPARE(text(model, entry, column), QString());

    changed.clear();
    model.setEditRow(paycheckRow);
    QCOMPARE(rowsTouched(), (QSet<int>{rentRow, paycheckRow}));
    // The previous edit row shows its stored values again.
    QCOMPARE(text(model, rentRow, RegisterModel::PayeeColumn), u"Rent"_s);

    changed.clear();
    model.setEditRow(-1);
    QCOMPARE(model.editRow(), -1);
    QCOMPARE(rowsTouched(), (QSet<int>{paycheckRow, entry}));
}

void TestRegisterModel::loadRowIntoBuffer_data()
{
    QTest::addColumn<int>("currency");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("reconciled");
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("deposit");
    QTest::addColumn<QString>("mark");
    QTest::newRow("payment") << int(Currency::USD) << qint64(-123456) << false << false
                             << u"1,234.56"_s << QString() << QString();
    QTest::newRow("deposit, cleared") << int(Currency::GBP) << qint64(5) << true << false
                                      << QString() << u"0.05"_s << u"C"_s;
    QTest::newRow("zero is a deposit") << int(Currency::USD) << qint64(0) << false << false
                                       << QString() << u"0.00"_s << QString();
    QTest::newRow("reconciled") << int(Currency::USD) << qint64(-100) << true << true
                                << u"1.00"_s << QString() << u"R"_s;
    QTest::newRow("yen payment") << int(Currency::JPY) << qint64(-1500) << false << false
                                 << u"1,500"_s << QString() << QString();
}

void TestRegisterModel::loadRowIntoBuffer()
{
    QFETCH(int, currency);
    QFETCH(qint64, amount);
    QFETCH(bool, cleared);
    QFETCH(bool, reconciled);
    QFETCH(QString, payment);
    QFETCH(QString, deposit);
    QFETCH(QString, mark);

    RegisterRow row = makeRow(u"Hardware Store"_s, QDate(2023, 12, 31), amount, 0);
    row.transaction.check_number = u"311"_s;
    row.transaction.memo = u"hinges"_s;
    row.transaction.category_id = u"cat-home"_s;
    row.transaction.cleared = cleared;
    row.transaction.reconciled = reconciled;
    row.category_name = u"Home"_s;

    RegisterModel model;
    model.setCurrency(Currency(currency));
    model.setRows({row}, true);
    // Half-typed values from before must not survive the load.
    QVERIFY(model.setData(model.index(0, RegisterModel::PaymentColumn), u"99.00"_s));
    QVERIFY(model.setData(model.index(0, RegisterModel::DepositColumn), u"98.00"_s));

    QVERIFY(!model.loadRowIntoBuffer(0, u"ignored"_s)); // the entry row has no transaction
    QVERIFY(model.loadRowIntoBuffer(1, u"Household > Home"_s));
    const RegisterEntryBuffer &buffer = model.entryBuffer();
    QCOMPARE(buffer.date, u"12/31/2023"_s);
    QCOMPARE(buffer.checkNumber, u"311"_s);
    QCOMPARE(buffer.payee, u"Hardware Store"_s);
    QCOMPARE(buffer.memo, u"hinges"_s);
    QCOMPARE(buffer.categoryText, u"Household > Home"_s);
    QCOMPARE(buffer.categoryId, u"cat-home"_s);
    QCOMPARE(buffer.payment, payment);
    QCOMPARE(buffer.deposit, deposit);
    QCOMPARE(buffer.cleared, mark);
}

void TestRegisterModel::resetEntryBufferUsesStickyDate_data()
{
    QTest::addColumn<QString>("sticky");
    QTest::addColumn<QString>("expectedDate");
    QTest::newRow("no sticky date") << QString() << u"3/13/2024"_s;
    QTest::newRow("sticky date") << u"3/15/2024"_s << u"3/15/2024"_s;
}

void TestRegisterModel::resetEntryBufferUsesStickyDate()
{
    QFETCH(QString, sticky);
    QFETCH(QString, expectedDate);

    RegisterModel model;
    model.setTodayFunction([] { return kToday; });
    model.setRows(sampleRows(), false);
    QVERIFY(model.loadRowIntoBuffer(1, u"Housing"_s));
    model.setStickyDate(sticky);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.resetEntryBuffer();

    const RegisterEntryBuffer &buffer = model.entryBuffer();
    QCOMPARE(buffer.date, expectedDate);
    QCOMPARE(buffer.stickyDate, sticky);
    const QStringList cleared{buffer.checkNumber, buffer.payee, buffer.memo, buffer.categoryText,
                              buffer.categoryId, buffer.payment, buffer.deposit, buffer.cleared};
    QCOMPARE(cleared, QStringList(8, QString()));
    QCOMPARE(text(model, model.entryRow(), RegisterModel::DateColumn), expectedDate);
    QCOMPARE(text(model, model.entryRow(), RegisterModel::PayeeColumn), u"Payee"_s);
    QVERIFY(changed.count() > 0);

    // New rows reset too: no edit row, a fresh buffer from the same sticky date.
    QVERIFY(model.loadRowIntoBuffer(0, QString()));
    model.setEditRow(0);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.setRows(displayOrder(sampleRows(), true), true);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(model.editRow(), -1);
    QCOMPARE(model.entryBuffer().date, expectedDate);
    QCOMPARE(model.entryBuffer().payee, QString());
    QCOMPARE(model.entryBuffer().deposit, QString());
}

void TestRegisterModel::headers()
{
    RegisterModel model;
    const QStringList expected{u"Date"_s, u"Chk #"_s, u"Payee"_s, u"Category"_s, u"Memo"_s,
                               u"Payment"_s, u"Deposit"_s, u"Clr"_s, u"Balance"_s};
    for (int section = 0; section < RegisterModel::ColumnCount; ++section) {
        QCOMPARE(model.headerData(section, Qt::Horizontal).toString(), expected.at(section));
        QVERIFY(!model.headerData(section, Qt::Horizontal, Qt::ToolTipRole).isValid());
        QVERIFY(!model.headerData(section, Qt::Vertical).isValid());
    }

    QSignalSpy headerChanged(&model, &QAbstractItemModel::headerDataChanged);
    model.setTwoLine(true);
    QVERIFY(model.twoLine());
    QCOMPARE(headerChanged.count(), 1);
    QCOMPARE(headerChanged.at(0).at(0).value<Qt::Orientation>(), Qt::Horizontal);
    QCOMPARE(headerChanged.at(0).at(1).toInt(), 2);
    QCOMPARE(headerChanged.at(0).at(2).toInt(), 2);
    QCOMPARE(model.headerData(RegisterModel::PayeeColumn, Qt::Horizontal).toString(), u"Payee / Memo"_s);
    QCOMPARE(model.headerData(RegisterModel::MemoColumn, Qt::Horizontal).toString(), u"Memo"_s);
}

void TestRegisterModel::renderInTableView_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("newestFirst");
    QTest::addColumn<QString>("entryBackground");
    QTest::newRow("light, oldest first") << false << false << u"#e8f5e9"_s;
    QTest::newRow("dark, newest first") << true << true << u"#1a2e28"_s;
}

void TestRegisterModel::renderInTableView()
{
    QFETCH(bool, dark);
    QFETCH(bool, newestFirst);
    QFETCH(QString, entryBackground);
    installPalette(dark);

    QList<RegisterRow> rows = sampleRows();
    rows << makeRow(u"Overdraft Fee"_s, QDate(2024, 1, 12), -70000, -8423);
    rows.last().transaction.memo = u"returned item"_s;
    rows.last().transaction.reconciled = true;
    RegisterModel model;
    model.setTodayFunction([] { return kToday; });
    model.setRows(displayOrder(rows, newestFirst), newestFirst);

    // Set up the way the register shows it.
    QTableView view;
    view.setModel(&model);
    view.setAlternatingRowColors(true);
    view.setShowGrid(false);
    view.verticalHeader()->hide();
    view.verticalHeader()->setDefaultSectionSize(36);
    const int fixedWidths[][2] = {{0, 130}, {1, 60}, {5, 100}, {6, 100}, {7, 35}, {8, 110}};
    for (const auto &[column, width] : fixedWidths) {
        view.horizontalHeader()->setSectionResizeMode(column, QHeaderView::Fixed);
        view.setColumnWidth(column, width);
    }
    for (int column : {2, 3, 4})
        view.horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
    view.resize(1000, 260);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    const QImage image = view.viewport()->grab().toImage();
    const QString dir = qEnvironmentVariable("PENWICK_RENDER_DIR");
    if (!dir.isEmpty())
        QVERIFY(view.grab().save(u"%1/register-%2.png"_s.arg(dir, dark ? u"dark"_s : u"light"_s)));

    // The entry row is tinted across the whole row; stored rows keep the palette's base colours.
    const int entry = model.entryRow();
    for (int column : {1, 4, 8}) {
        const QRect cell = view.visualRect(model.index(entry, column));
        QCOMPARE(image.pixelColor(cell.right() - 1, cell.top() + 2).name(), entryBackground);
    }
    // Row 2 is a stored row on a base-coloured (even) line in both orders; the dark
    // tint equals the dark alternate-row colour, so odd lines prove nothing.
    const QRect stored = view.visualRect(model.index(2, 4));
    QVERIFY(image.pixelColor(stored.right() - 1, stored.top() + 2).name() != entryBackground);
}

PENWICK_TEST_MAIN(TestRegisterModel)
#include "tst_registermodel.moc"
