#include "testsupport.h"

#include "services/ascendingidsequence.h"
#include "services/importservice.h"
#include "services/qifparser.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/transactionrepository.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(PENWICK_TEST_DATA) + u"/import/"_s + name;
}

// QIF lines written with "|" between them.
QStringList lines(const QString &text)
{
    return text.split(u'|');
}

// A checking export with a transfer to savings, and the savings side of it.
const QStringList kCheckingLines = lines(u"!Account|NChecking|TBank|^|!Type:Bank|D03/01/2024|T-100.00|PTo savings|"
                                         "MRainy day|L[Savings]|^|D03/02/2024|T-20.00|PShop|LGroceries|^"_s);
const QStringList kSavingsLines =
    lines(u"!Account|NSavings|TBank|^|!Type:Bank|D03/01/2024|T100.00|PFrom checking|L[Checking]|^"_s);

struct ImportFixture
{
    TestDatabase db;
    ImportService service{db.transactions, db.categories, db.splitLines};
    QTemporaryDir dir;
    Account checking = db.addAccount(u"Checking"_s);
    Account savings = db.addAccount(u"Savings"_s);
    QHash<QString, QString> mapping{{u"Checking"_s, checking.id}, {u"Savings"_s, savings.id}};

    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qWarning("cannot write %s", qPrintable(name));
        return file.fileName();
    }
    QString file(const QString &name, const QStringList &lines) { return write(name, lines.join(u'\n').toUtf8()); }
    std::optional<Transaction> byPayee(const QString &accountId, const QString &payee) const
    {
        return db.transactions->findLastByPayee(payee, accountId);
    }
    int count(const QString &table) const { return db.scalar(u"SELECT COUNT(*) FROM %1"_s.arg(table)).toInt(); }
    // Nothing left open on the connection after an import.
    bool idle() const
    {
        QSqlDatabase c = db.database->connection();
        return c.transaction() && c.rollback();
    }
};

} // namespace

class TestQifImport : public QObject
{
    Q_OBJECT
private slots:
    void decodeImportText_data();
    void decodeImportText();
    void amounts_data();
    void amounts();
    void dates_data();
    void dates();
    void dateOrderOfAFile_data();
    void dateOrderOfAFile();
    void recordFields_data();
    void recordFields();
    void malformedInput_data();
    void malformedInput();

    void importWithMapping();
    void transfersLinkedNowAndLater();
    void pairWithDuplicateHalfLinksToExistingRow();
    void duplicates_data();
    void duplicates();
    void categoriesAndSplitsOnDemand();
    void failedInsertLeavesNoDanglingLink();
    void failuresRollBackEverything_data();
    void failuresRollBackEverything();
    void amountsInTheAccountsUnit_data();
    void amountsInTheAccountsUnit();
    void secondImportWhileRunningIsRefused();
    void ascendingIds_data();
    void ascendingIds();
};

void TestQifImport::decodeImportText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("UTF-8 BOM") << QByteArray("\xEF\xBB\xBFPCaf\xC3\xA9") << u"PCafé"_s;
    QTest::newRow("UTF-8 without BOM") << QByteArray("PCaf\xC3\xA9 \xE2\x82\xAC") << u"PCafé €"_s;
    QTest::newRow("UTF-16 LE BOM") << QByteArray("\xFF\xFEP\0\xE9\0", 6) << u"Pé"_s;
    QTest::newRow("UTF-8 four-byte") << QByteArray("P\xF0\x9F\x98\x80") << u"P😀"_s;
    QTest::newRow("UTF-16 BE BOM") << QByteArray("\xFE\xFF\0P\0\xE9", 6) << u"Pé"_s;
    QTest::newRow("cut final sequence is still UTF-8") << QByteArray("ab\xE2\x82") << u"ab"_s;
    QTest::newRow("encoded surrogate is not UTF-8")
        << QByteArray("\xED\xA0\x80") << QString::fromUtf16(u"\u00ED\u00A0\u20AC");
    QTest::newRow("Windows-1252") << QByteArray("PCaf\xE9 \x80") << QString::fromUtf16(u"PCafé \u20AC");
    QTest::newRow("overlong UTF-8 is not UTF-8") << QByteArray("\xC0\xAF") << QString::fromUtf16(u"\u00C0\u00AF");
}

void TestQifImport::decodeImportText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(ImportService::decodeImportText(bytes), expected);
}

void TestQifImport::amounts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("cents");
    QTest::newRow("grouping comma, decimal point") << u"1,234.56"_s << true << qint64(123456);
    QTest::newRow("parentheses") << u"(1,234.56)"_s << true << qint64(-123456);
    QTest::newRow("grouping point, decimal comma") << u"-1.234,56"_s << true << qint64(-123456);
    QTest::newRow("euro with blanks inside") << u"€ 1 234,56"_s << true << qint64(123456);
    QTest::newRow("half a cent rounds away from zero") << u"-0.0050"_s << true << qint64(-1);
    QTest::newRow("exact third decimal") << u"1,234.565"_s << true << qint64(123457);
    QTest::newRow("largest accepted") << u"999,999,999.99"_s << true << qint64(99999999999);
    QTest::newRow("beyond the largest") << u"1,000,000,000.00"_s << false << qint64(0);
    QTest::newRow("decimal comma") << u"1,23"_s << true << qint64(123);
    QTest::newRow("letters") << u"12a"_s << false << qint64(0);
    QTest::newRow("irregular grouping") << u"1,23,4"_s << false << qint64(0);
    QTest::newRow("double minus") << u"--5"_s << false << qint64(0);
    QTest::newRow("too large to be money") << u"12345678901234567890"_s << false << qint64(0);
    QTest::newRow("empty") << QString() << false << qint64(0);
}

void TestQifImport::amounts()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, cents);
    const auto amount = QifParser::parseQifAmount(text);
    QCOMPARE(amount.has_value(), valid);
    QCOMPARE(amount.value_or(0), cents);
}

void TestQifImport::dates_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("order"); // 0 month first, 1 day first, -1 none given
    QTest::addColumn<QDate>("expected");
    QTest::newRow("month first") << u"01/02/2024"_s << 0 << QDate(2024, 1, 2);
    QTest::newRow("day first") << u"01/02/2024"_s << 1 << QDate(2024, 2, 1);
    QTest::newRow("no order, day above 12") << u"13/02/2024"_s << -1 << QDate(2024, 2, 13);
    QTest::newRow("apostrophe, padded year") << u"8/31' 0"_s << 0 << QDate(2000, 8, 31);
    QTest::newRow("ISO") << u"2023-03-16"_s << 1 << QDate(2023, 3, 16);
    QTest::newRow("dotted day first") << u"15.03.2023"_s << 1 << QDate(2023, 3, 15);
    QTest::newRow("two-digit year is 20xx") << u"1/15/24"_s << 0 << QDate(2024, 1, 15);
    QTest::newRow("two-digit year from 70") << u"1/15/99"_s << 0 << QDate(1999, 1, 15);
    QTest::newRow("words") << u"Jan/2/2024"_s << 0 << QDate();
    QTest::newRow("impossible day") << u"2/30/2024"_s << 0 << QDate();
    QTest::newRow("huge number") << u"1/2/99999999999999"_s << 0 << QDate();
}

void TestQifImport::dates()
{
    QFETCH(QString, value);
    QFETCH(int, order);
    QFETCH(QDate, expected);
    std::optional<QifDateOrder> dateOrder;
    if (order >= 0)
        dateOrder = order == 0 ? QifDateOrder::MonthDayYear : QifDateOrder::DayMonthYear;
    QCOMPARE(QifParser::parseQifDate(value, dateOrder), expected);
}

void TestQifImport::dateOrderOfAFile_data()
{
    QTest::addColumn<QStringList>("dateLines");
    QTest::addColumn<bool>("dayFirst");
    QTest::addColumn<QDate>("firstDate");
    QTest::newRow("only ambiguous dates") << QStringList{u"D01/02/2024"_s} << false << QDate(2024, 1, 2);
    QTest::newRow("a later line decides") << QStringList{u"D01/02/2024"_s, u"D13/02/2024"_s} << true
                                          << QDate(2024, 2, 1);
    QTest::newRow("ISO lines tell nothing") << QStringList{u"D2024-12-01"_s, u"D03/04/2024"_s} << false
                                            << QDate(2024, 12, 1);
}

void TestQifImport::dateOrderOfAFile()
{
    QFETCH(QStringList, dateLines);
    QFETCH(bool, dayFirst);
    QFETCH(QDate, firstDate);
    QStringList lines{u"!Type:Bank"_s};
    for (const QString &d : dateLines)
        lines << d << u"T1.00"_s << u"PX"_s << u"^"_s;
    const QifParseResult parsed = QifParser::parseQif(lines.join(u'\n'));
    QCOMPARE(parsed.dateOrder, dayFirst ? QifDateOrder::DayMonthYear : QifDateOrder::MonthDayYear);
    QCOMPARE(parsed.records.first().date, firstDate);
}

void TestQifImport::recordFields_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("described"); // category|transfer|cleared|reconciled|amount|date
    const QStringList base{u"!Type:Bank"_s, u"D1/2/2024"_s, u"T-5.00"_s};
    QTest::newRow("category drops class") << base + QStringList{u"LFood:Dining / Work"_s}
                                          << u"Food:Dining||0|0|-500|2024-01-02"_s;
    QTest::newRow("transfer, no category") << base + QStringList{u"L[ Savings ]/Class"_s}
                                           << u"|Savings|0|0|-500|2024-01-02"_s;
    QTest::newRow("reconciled") << base + QStringList{u"CR"_s} << u"||1|1|-500|2024-01-02"_s;
    QTest::newRow("invalid T keeps a valid U")
        << QStringList{u"!Type:Bank"_s, u"D1/2/2024"_s, u"U3.00"_s, u"Tabc"_s} << u"||0|0|300|2024-01-02"_s;
    QTest::newRow("BOM and CR in front of a line")
        << QStringList{QString::fromUtf16(u"\uFEFF!Type:Bank"), u"\rD1/3/2024"_s, u"T1"_s}
        << u"||0|0|100|2024-01-03"_s;
}

void TestQifImport::recordFields()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, described);
    const QifParseResult parsed = QifParser::parseQif(lines.join(u'\n'));
    QCOMPARE(parsed.records.size(), 1);
    const QifRecord &r = parsed.records.first();
    QCOMPARE(u"%1|%2|%3|%4|%5|%6"_s.arg(r.category, r.transferAccount)
                 .arg(int(r.cleared))
                 .arg(int(r.reconciled))
                 .arg(r.amount)
                 .arg(r.date.toString(Qt::ISODate)),
             described);
}

void TestQifImport::malformedInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("unparseable");
    QByteArray garbage("\x01");
    QRandomGenerator generator(42);
    while (garbage.size() < 64 * 1024) {
        const char c = char(generator.bounded(1, 256));
        if (c != '\n' && c != '\r' && c != '^' && c != '!')
            garbage.append(c);
    }
    const QByteArray nul(1, '\0');
    QTest::newRow("binary garbage") << garbage << 0 << 1;
    QTest::newRow("huge amount line")
        << QByteArray("!Type:Bank\nD1/2/2024\nT" + QByteArray(4 * 1024 * 1024, '9') + "\nPBig\n^\n") << 0 << 1;
    QTest::newRow("NUL in an amount") << QByteArray("!Type:Bank\nD1/2/2024\nT-5" + nul + "0\n^\n") << 0 << 1;
}

void TestQifImport::malformedInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, records);
    QFETCH(int, unparseable);
    ImportFixture f;
    const QString path = f.write(u"bad.qif"_s, bytes);
    const QifAnalysis analysis = f.service.analyzeQifFiles({path});
    QCOMPARE(analysis.totalRecords, records);
    QVERIFY(analysis.accounts.first().noHeader);
    const ImportResult result = f.service.importQif({path}, {{path, f.checking.id}});
    QVERIFY(!result.failed);
    QCOMPARE(result.imported, records);
    QCOMPARE(result.unparseable, unparseable);
    QCOMPARE(f.count(u"transactions"_s), records);
}

void TestQifImport::importWithMapping()
{
    ImportFixture f;
    const Account visa = f.db.addAccount(u"Card"_s);
    const ImportResult r = f.service.importQif(
        {fixture(u"autoswitch-cp1252.qif"_s)},
        {{u"CHECKING"_s, f.checking.id}, {u"savings account"_s, f.savings.id}, {u"Visa"_s, visa.id},
         {u"Brokerage"_s, QString()}});
    QCOMPARE(u"%1 %2 %3 %4 %5"_s.arg(r.imported).arg(r.unmapped).arg(r.unparseable).arg(r.metadata)
                 .arg(r.transfersLinked),
             u"7 1 1 2 1"_s);
    QCOMPARE(f.db.transactions->findByAccount(f.checking.id).size(), 5);
    const auto lunch = f.byPayee(f.checking.id, u"Café Zoë"_s);
    QCOMPARE(describe(*lunch), QString::fromUtf16(u"2024-01-02|Café Zoë|-123456|Lunch \u2013 team|1001|C"));
    QCOMPARE(f.db.categories->findById(lunch->category_id)->name, u"Dining:Restaurants"_s);
    QCOMPARE(f.db.categories->findByName(u"Salary"_s)->category_type, CategoryType::Income);
    // The analysis suggests an account type from each source section.
    QStringList types;
    for (const QifSourceAccount &s : f.service.analyzeQifFiles({fixture(u"autoswitch-cp1252.qif"_s)}).accounts)
        types << u"%1:%2"_s.arg(s.key).arg(int(s.suggestedType));
    QCOMPARE(types, (QStringList{u"Checking:%1"_s.arg(int(AccountType::Checking)),
                                 u"Savings Account:%1"_s.arg(int(AccountType::Savings)),
                                 u"Visa:%1"_s.arg(int(AccountType::CreditCard)),
                                 u"Brokerage:%1"_s.arg(int(AccountType::Investment))}));
}

void TestQifImport::transfersLinkedNowAndLater()
{
    ImportFixture f;
    QSignalSpy changed(f.db.transactions, &TransactionRepository::transactionsChanged);
    const ImportResult first = f.service.importQif({f.file(u"checking.qif"_s, kCheckingLines)}, f.mapping);
    QCOMPARE(first.transfersLinked, 0);
    QCOMPARE(changed.size(), 1); // one announcement per account, not per row
    // The half without its partner waits with a hint in its memo.
    QCOMPARE(f.byPayee(f.checking.id, u"To savings"_s)->memo, u"[→ Savings] Rainy day"_s);

    const ImportResult second = f.service.importQif({f.file(u"savings.qif"_s, kSavingsLines)}, f.mapping);
    QCOMPARE(second.imported, 1);
    QCOMPARE(second.linkedToPrevious, 1);
    const auto out = f.byPayee(f.checking.id, u"To savings"_s);
    const auto in = f.byPayee(f.savings.id, u"From checking"_s);
    QCOMPARE(out->memo, u"Rainy day"_s);
    QCOMPARE(out->transfer_link_id, in->id);
    QCOMPARE(in->transfer_link_id, out->id);
    QCOMPARE(out->transfer_dest_account_id, f.savings.id);
    QCOMPARE(in->transfer_dest_account_id, f.checking.id);
    QCOMPARE(out->version, 2);

    // A transfer to the account itself is neither linked nor hinted.
    const ImportResult self = f.service.importQif(
        {f.file(u"self.qif"_s, lines(u"!Account|NChecking|^|!Type:Bank|D1/1/2024|T500.00|POpening|L[checking]|^"_s))},
        f.mapping);
    QCOMPARE(self.transfersLinked, 0);
    QVERIFY(f.byPayee(f.checking.id, u"Opening"_s)->memo.isEmpty());
}

void TestQifImport::pairWithDuplicateHalfLinksToExistingRow()
{
    ImportFixture f;
    QCOMPARE(f.service.importQif({f.file(u"checking.qif"_s, kCheckingLines)}, f.mapping).imported, 2);
    // Both files again: the checking half is a duplicate, so the savings row
    // must link to the row already there, not to the skipped one.
    const ImportResult r = f.service.importQif(
        {f.file(u"checking2.qif"_s, kCheckingLines), f.file(u"savings.qif"_s, kSavingsLines)}, f.mapping);
    QCOMPARE(r.imported, 1);
    QCOMPARE(r.duplicates, 2);
    QCOMPARE(r.linkedToPrevious, 1);
    const auto out = f.byPayee(f.checking.id, u"To savings"_s);
    QCOMPARE(f.byPayee(f.savings.id, u"From checking"_s)->transfer_link_id, out->id);
    QCOMPARE(f.db.scalar(u"SELECT COUNT(*) FROM transactions t WHERE t.transfer_link_id != '' AND NOT EXISTS "
                         "(SELECT 1 FROM transactions p WHERE p.id = t.transfer_link_id)"_s)
                 .toInt(),
             0);
}

void TestQifImport::duplicates_data()
{
    QTest::addColumn<QStringList>("existing"); // payee:amount on 2024-03-02
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("imported");
    QTest::addColumn<int>("duplicates");
    const QStringList head = lines(u"!Account|NChecking|^|!Type:Bank"_s);
    const QStringList shop = lines(u"D03/02/2024|T-20.00|PShop|^"_s);
    QTest::newRow("twice in one file") << QStringList() << head + shop + shop << 1 << 1;
    QTest::newRow("already in the account") << QStringList{u"Shop:-2000"_s} << head + shop << 0 << 1;
    QTest::newRow("other payee is no duplicate") << QStringList{u"Shop2:-2000"_s} << head + shop << 1 << 0;
    QTest::newRow("payee fallback counts too")
        << QStringList{u"1001: ACME:-2000"_s}
        << head + lines(u"D03/02/2024|T-20|N1001|YACME|^"_s) << 0 << 1;
}

void TestQifImport::duplicates()
{
    QFETCH(QStringList, existing);
    QFETCH(QStringList, lines);
    QFETCH(int, imported);
    QFETCH(int, duplicates);
    ImportFixture f;
    for (const QString &e : existing) {
        const qsizetype colon = e.lastIndexOf(u':');
        f.db.addTransaction(f.checking.id, QDate(2024, 3, 2), e.left(colon), e.mid(colon + 1).toLongLong());
    }
    const ImportResult r = f.service.importQif({f.file(u"d.qif"_s, lines)}, f.mapping);
    QCOMPARE(r.imported, imported);
    QCOMPARE(r.duplicates, duplicates);
    QCOMPARE(f.count(u"transactions"_s), existing.size() + imported);
}

void TestQifImport::categoriesAndSplitsOnDemand()
{
    ImportFixture f;
    const Category groceries = f.db.addCategory(u"Groceries"_s);
    const QString path = f.file(u"c.qif"_s, lines(u"!Type:Cat|NBonus|I|^|!Account|NChecking|^|!Type:Bank|D1/2/24|"
                                                  "T-1|PA|LGroceries|^|D1/2/24|T-2|PB|Lgroceries|^|D1/5/2024|"
                                                  "T-150.00|PGrocer|SAuto:Fuel|EFood|$-100.00|SHousehold|$-50.00|^"_s));
    QCOMPARE(f.service.importQif({path}, f.mapping).imported, 3);
    QCOMPARE(f.byPayee(f.checking.id, u"A"_s)->category_id, groceries.id);
    // Names match exactly: a different case is another category.
    QCOMPARE(f.db.categories->findById(f.byPayee(f.checking.id, u"B"_s)->category_id)->name, u"groceries"_s);
    QCOMPARE(f.db.categories->findByName(u"Bonus"_s)->category_type, CategoryType::Income);
    const auto split = f.byPayee(f.checking.id, u"Grocer"_s);
    QVERIFY(split && split->is_split && split->category_id.isEmpty());
    QCOMPARE(f.db.scalar(u"SELECT group_concat(c.name || '=' || s.amount || '/' || IFNULL(s.memo, ''), ';') FROM "
                         "(SELECT * FROM split_lines WHERE transaction_id = ? ORDER BY amount) s "
                         "JOIN categories c ON c.id = s.category_id"_s,
                         {split->id})
                 .toString(),
             u"Auto:Fuel=-10000/Food;Household=-5000/"_s);
}

void TestQifImport::failedInsertLeavesNoDanglingLink()
{
    ImportFixture f;
    QVERIFY(f.db.execute(u"CREATE TRIGGER refuse BEFORE INSERT ON transactions WHEN NEW.payee = 'From checking' "
                         "BEGIN SELECT RAISE(ABORT, 'refused'); END"_s));
    const ImportResult r = f.service.importQif(
        {f.file(u"checking.qif"_s, kCheckingLines), f.file(u"savings.qif"_s, kSavingsLines)}, f.mapping);
    QCOMPARE(u"%1 %2 %3 %4"_s.arg(r.failed).arg(r.imported).arg(r.databaseErrors).arg(r.transfersLinked),
             u"0 2 1 0"_s);
    const auto out = f.byPayee(f.checking.id, u"To savings"_s);
    QVERIFY(out->transfer_link_id.isEmpty() && out->transfer_dest_account_id.isEmpty());
    QCOMPARE(out->memo, u"[→ Savings] Rainy day"_s);
}

void TestQifImport::failuresRollBackEverything_data()
{
    QTest::addColumn<QStringList>("setup");
    // The retroactive partner cannot be updated: the whole import goes.
    QTest::newRow("update refused") << QStringList{u"CREATE TRIGGER refuse BEFORE UPDATE ON transactions "
                                                   "BEGIN SELECT RAISE(ABORT, 'refused'); END"_s};
    // A deferred foreign key lets every statement pass and fails the commit.
    QTest::newRow("commit refused")
        << QStringList{u"CREATE TABLE audit (account_id TEXT REFERENCES accounts(id) DEFERRABLE INITIALLY DEFERRED)"_s,
                       u"CREATE TRIGGER poison AFTER INSERT ON transactions WHEN NEW.payee = 'Later' "
                       "BEGIN INSERT INTO audit VALUES ('no such account'); END"_s};
}

void TestQifImport::failuresRollBackEverything()
{
    QFETCH(QStringList, setup);
    ImportFixture f;
    QCOMPARE(f.service.importQif({f.file(u"checking.qif"_s, kCheckingLines)}, f.mapping).imported, 2);
    const int transactionsBefore = f.count(u"transactions"_s);
    const int categoriesBefore = f.count(u"categories"_s);
    for (const QString &sql : setup)
        QVERIFY(f.db.execute(sql));
    QSignalSpy changed(f.db.transactions, &TransactionRepository::transactionsChanged);
    const QStringList more = lines(u"!Type:Cat|NNew Category|^"_s) + kSavingsLines
        + lines(u"D03/05/2024|T1|PLater|LAnother New|^"_s);
    const ImportResult r = f.service.importQif({f.file(u"savings.qif"_s, more)}, f.mapping);
    QVERIFY(r.failed);
    QCOMPARE(f.count(u"transactions"_s), transactionsBefore);
    QCOMPARE(f.count(u"categories"_s), categoriesBefore);
    QCOMPARE(f.byPayee(f.checking.id, u"To savings"_s)->memo, u"[→ Savings] Rainy day"_s);
    QVERIFY(changed.isEmpty());
    QVERIFY(f.idle());
}

void TestQifImport::amountsInTheAccountsUnit_data()
{
    QTest::addColumn<int>("currency");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<qint64>("stored");
    QTest::newRow("JPY decimals rounded") << int(Currency::JPY) << u"1,234.50"_s << qint64(1235);
    QTest::newRow("EUR cents") << int(Currency::EUR) << u"1.234,50"_s << qint64(123450);
}

void TestQifImport::amountsInTheAccountsUnit()
{
    QFETCH(int, currency);
    QFETCH(QString, amount);
    QFETCH(qint64, stored);
    ImportFixture f;
    const Account account = f.db.addAccount(u"Wallet"_s, Currency(currency));
    const QString path = f.file(u"y.qif"_s, lines(u"!Type:Bank|D1/2/24|T%1|PIn|^|D1/3/24|T-%1|POut|SFood|$-%1|^"_s
                                                      .arg(amount)));
    // The same amount already stored in the account's unit is a duplicate.
    f.db.addTransaction(account.id, QDate(2024, 1, 2), u"In"_s, stored);
    const ImportResult r = f.service.importQif({path}, {{path, account.id}});
    QCOMPARE(r.duplicates, 1);
    QCOMPARE(f.byPayee(account.id, u"Out"_s)->amount, -stored);
    QCOMPARE(f.db.scalar(u"SELECT amount FROM split_lines"_s).toLongLong(), -stored);
}

void TestQifImport::secondImportWhileRunningIsRefused()
{
    ImportFixture f;
    const QString path = f.file(u"checking.qif"_s, kCheckingLines);
    std::optional<ImportResult> nested;
    connect(&f.service, &ImportService::importStarted, this, [&] { nested = f.service.importQif({path}, f.mapping); });
    const ImportResult outer = f.service.importQif({path}, f.mapping);
    QVERIFY(nested && nested->failed);
    QVERIFY(!outer.failed);
    QCOMPARE(f.count(u"transactions"_s), 2);
}

void TestQifImport::ascendingIds_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("drawn");
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("many") << 20000 << 20000;
    QTest::newRow("more than announced") << 3 << 50;
    QTest::newRow("none announced") << 0 << 10;
}

// Imports hand out ids in ascending order for the index's sake; they must
// still be well-formed random version-4 ids spread over the whole range.
void TestQifImport::ascendingIds()
{
    QFETCH(int, count);
    QFETCH(int, drawn);
    static const QRegularExpression form(u"^[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}$"_s);
    AscendingIdSequence sequence(count);
    QStringList ids;
    QList<int> firstDigit(16, 0);
    for (int i = 0; i < drawn; ++i) {
        ids.append(sequence.next());
        QVERIFY2(form.match(ids.last()).hasMatch(), qPrintable(ids.last()));
        if (i > 0 && i < count)
            QVERIFY2(ids.at(i - 1) < ids.at(i), qPrintable(ids.at(i - 1) + u" then "_s + ids.at(i)));
        if (i < count)
            ++firstDigit[ids.last().left(1).toInt(nullptr, 16)];
    }
    QCOMPARE(QSet<QString>(ids.cbegin(), ids.cend()).size(), drawn);
    if (count >= 16000) {
        // About count/16 each; the bounds are more than six deviations wide.
        for (int n : std::as_const(firstDigit))
            QVERIFY2(qAbs(n - count / 16) < count / 40, qPrintable(QString::number(n)));
    }
    QVERIFY(form.match(AscendingIdSequence::random()).hasMatch());
}

PENWICK_TEST_MAIN(TestQifImport)
#include "tst_qifimport.moc"
