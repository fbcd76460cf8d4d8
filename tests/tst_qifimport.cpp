#include "testsupport.h"

#include "services/importservice.h"
#include "storage/database.h"
#include "services/qifparser.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/transactionrepository.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTimer>

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(PENWICK_TEST_DATA) + u"/import/"_s + name;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

QByteArray qif(const QStringList &lines)
{
    return lines.join(u'\n').toUtf8() + '\n';
}

// A checking export with a transfer to savings, and the savings side of it.
const QStringList kCheckingLines = {u"!Account"_s, u"NChecking"_s, u"TBank"_s, u"^"_s, u"!Type:Bank"_s,
                                    u"D03/01/2024"_s, u"T-100.00"_s, u"PTo savings"_s, u"MRainy day"_s,
                                    u"L[Savings]"_s, u"^"_s, u"D03/02/2024"_s, u"T-20.00"_s, u"PShop"_s,
                                    u"LGroceries"_s, u"^"_s};
const QStringList kSavingsLines = {u"!Account"_s, u"NSavings"_s, u"TBank"_s, u"^"_s, u"!Type:Bank"_s,
                                   u"D03/01/2024"_s, u"T100.00"_s, u"PFrom checking"_s, u"L[Checking]"_s, u"^"_s};

struct ImportFixture
{
    TestDatabase db;
    ImportService service{db.transactions, db.categories, db.splitLines};
    QTemporaryDir dir;

    QString file(const QString &name, const QStringList &lines) { return writeFile(dir, name, qif(lines)); }

    QList<Transaction> rows(const QString &accountId) const { return db.transactions->findByAccount(accountId); }

    std::optional<Transaction> byPayee(const QString &accountId, const QString &payee) const
    {
        return db.transactions->findLastByPayee(payee, accountId);
    }

    int count(const QString &table) const
    {
        return db.scalar(u"SELECT COUNT(*) FROM %1"_s.arg(table)).toInt();
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
    void sectionsAndCounters_data();
    void sectionsAndCounters();
    void splitsAreRead();
    void realExportShapes();
    void encodings_data();
    void encodings();
    void malformedInput_data();
    void malformedInput();
    void transferHints_data();
    void transferHints();

    void analysis();
    void importWithMapping();
    void transfersLinkedBothWays();
    void retroactiveLinkingAcrossImports();
    void selfTransferGetsNoLinkNorHint();
    void fileWithoutAccountHeaderMapsByPath();
    void duplicates_data();
    void duplicates();
    void categoriesOnDemand();
    void splitLinesWritten();
    void pairWithDuplicateHalfLinksToExistingRow();
    void failedInsertIsCountedAndLeavesNoDanglingLink();
    void abortRollsBackEverything();
    void failedCommitReadsAsFailure();
    void yenAccountsHaveNoMinorUnits_data();
    void yenAccountsHaveNoMinorUnits();
    void progressSignalsAndEventLoop();
    void unreadableFilesAreSkipped();
    void secondImportWhileRunningIsRefused();
};

void TestQifImport::decodeImportText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain ASCII") << QByteArray("PShop") << u"PShop"_s;
    QTest::newRow("UTF-8 BOM") << QByteArray("\xEF\xBB\xBFPCaf\xC3\xA9") << u"PCafé"_s;
    QTest::newRow("UTF-8 without BOM") << QByteArray("PCaf\xC3\xA9 \xE2\x82\xAC") << u"PCafé €"_s;
    QTest::newRow("UTF-8 four-byte") << QByteArray("P\xF0\x9F\x98\x80") << u"P😀"_s;
    QTest::newRow("UTF-16 LE BOM") << QByteArray("\xFF\xFEP\0\xE9\0", 6) << u"Pé"_s;
    QTest::newRow("UTF-16 BE BOM") << QByteArray("\xFE\xFF\0P\0\xE9", 6) << u"Pé"_s;
    QTest::newRow("Windows-1252 letters") << QByteArray("PCaf\xE9 Zo\xEB") << u"PCafé Zoë"_s;
    QTest::newRow("Windows-1252 high table")
        << QByteArray("\x80\x85\x96\x99\x9F") << QString::fromUtf16(u"\u20AC\u2026\u2013\u2122\u0178");
    QTest::newRow("Windows-1252 undefined bytes keep their value")
        << QByteArray("\x81\x8D\x8F\x90\x9D") << QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D");
    QTest::newRow("overlong UTF-8 is not UTF-8") << QByteArray("\xC0\xAF") << QString::fromUtf16(u"\u00C0\u00AF");
    QTest::newRow("encoded surrogate is not UTF-8")
        << QByteArray("\xED\xA0\x80") << QString::fromUtf16(u"\u00ED\u00A0\u20AC");
    QTest::newRow("beyond U+10FFFF is not UTF-8")
        << QByteArray("\xF4\x90\x80\x80") << QString::fromUtf16(u"\u00F4\u0090\u20AC\u20AC");
    QTest::newRow("truncated final sequence is dropped") << QByteArray("ab\xE2\x82") << u"ab"_s;
    QTest::newRow("empty") << QByteArray() << QString();
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
    QTest::newRow("dollar and blank") << u"$ 12"_s << true << qint64(1200);
    QTest::newRow("comma as grouping") << u"1,234"_s << true << qint64(123400);
    QTest::newRow("decimal comma") << u"1,23"_s << true << qint64(123);
    QTest::newRow("decimal comma rounded down") << u"1,2345"_s << true << qint64(123);
    QTest::newRow("comma before three digits groups") << u"1,235"_s << true << qint64(123500);
    QTest::newRow("leading decimal comma") << u",50"_s << true << qint64(50);
    QTest::newRow("leading point of three digits") << u".505"_s << true << qint64(51);
    QTest::newRow("irregular grouping") << u"1,23,4"_s << false << qint64(0);
    QTest::newRow("group of four first") << u"1234,567"_s << false << qint64(0);
    QTest::newRow("point as grouping") << u"1.234.567"_s << true << qint64(123456700);
    QTest::newRow("plain negative") << u"-45.10"_s << true << qint64(-4510);
    QTest::newRow("plus sign") << u"+7.5"_s << true << qint64(750);
    QTest::newRow("negative in parentheses flips back") << u"(-5)"_s << true << qint64(500);
    QTest::newRow("euro with blanks inside") << u"€ 1 234,56"_s << true << qint64(123456);
    QTest::newRow("pound") << u"£3.07"_s << true << qint64(307);
    QTest::newRow("yen") << u"¥1500"_s << true << qint64(150000);
    QTest::newRow("cents sign") << u"99¢"_s << true << qint64(9900);
    QTest::newRow("half a cent rounds away from zero") << u"-0.0050"_s << true << qint64(-1);
    QTest::newRow("point after a lone zero is decimal") << u"0.005"_s << true << qint64(1);
    QTest::newRow("decimal arithmetic, not binary") << u"12.345"_s << true << qint64(1234500);
    QTest::newRow("exact third decimal") << u"1,234.565"_s << true << qint64(123457);
    QTest::newRow("trailing decimal point") << u"5."_s << true << qint64(500);
    QTest::newRow("empty") << u""_s << false << qint64(0);
    QTest::newRow("blanks") << u"   "_s << false << qint64(0);
    QTest::newRow("only a symbol") << u"$"_s << false << qint64(0);
    QTest::newRow("only a sign") << u"-"_s << false << qint64(0);
    QTest::newRow("lone point") << u"."_s << false << qint64(0);
    QTest::newRow("letters") << u"12a"_s << false << qint64(0);
    QTest::newRow("two points, irregular groups") << u"1.2.3"_s << false << qint64(0);
    QTest::newRow("trailing minus") << u"5-"_s << false << qint64(0);
    QTest::newRow("double minus") << u"--5"_s << false << qint64(0);
    QTest::newRow("unbalanced parenthesis") << u"(5"_s << false << qint64(0);
    QTest::newRow("non-ASCII digits") << u"١٢"_s << false << qint64(0);
    QTest::newRow("too large to be money") << u"12345678901234567890"_s << false << qint64(0);
    QTest::newRow("largest accepted") << u"999,999,999.99"_s << true << qint64(99999999999);
}

void TestQifImport::amounts()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, cents);
    const auto amount = QifParser::parseQifAmount(text);
    QCOMPARE(amount.has_value(), valid);
    if (valid)
        QCOMPARE(*amount, cents);
}

void TestQifImport::dates_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("order"); // 0 month first, 1 day first, -1 none given
    QTest::addColumn<QDate>("expected");

    QTest::newRow("month first") << u"01/02/2024"_s << 0 << QDate(2024, 1, 2);
    QTest::newRow("day first") << u"01/02/2024"_s << 1 << QDate(2024, 2, 1);
    QTest::newRow("no order, day above 12") << u"13/02/2024"_s << -1 << QDate(2024, 2, 13);
    QTest::newRow("no order, ambiguous") << u"05/02/2024"_s << -1 << QDate(2024, 5, 2);
    QTest::newRow("apostrophe year") << u"1/15'24"_s << 0 << QDate(2024, 1, 15);
    QTest::newRow("apostrophe, padded year") << u"8/31' 0"_s << 0 << QDate(2000, 8, 31);
    QTest::newRow("padded day") << u"1/ 2'24"_s << 0 << QDate(2024, 1, 2);
    QTest::newRow("apostrophe, four-digit year") << u"2/10'2020"_s << 0 << QDate(2020, 2, 10);
    QTest::newRow("ISO") << u"2023-03-16"_s << 1 << QDate(2023, 3, 16);
    QTest::newRow("dotted day first") << u"15.03.2023"_s << 1 << QDate(2023, 3, 15);
    QTest::newRow("two-digit year is 20xx") << u"1/15/24"_s << 0 << QDate(2024, 1, 15);
    QTest::newRow("two-digit year above 31 below 70") << u"1/15/45"_s << 0 << QDate(2045, 1, 15);
    QTest::newRow("two-digit year from 70") << u"1/15/99"_s << 0 << QDate(1999, 1, 15);
    QTest::newRow("two-digit year 70") << u"12/31/70"_s << 0 << QDate(1970, 12, 31);
    QTest::newRow("year written with four digits below 100") << u"1/2/0024"_s << 0 << QDate(2024, 1, 2);
    QTest::newRow("blanks everywhere") << u" 3 / 4 / 2021 "_s << 0 << QDate(2021, 3, 4);
    QTest::newRow("empty parts dropped") << u"3//4/2021"_s << 0 << QDate(2021, 3, 4);
    QTest::newRow("impossible day") << u"2/30/2024"_s << 0 << QDate();
    QTest::newRow("month 13 month first") << u"13/01/2024"_s << 0 << QDate();
    QTest::newRow("two parts") << u"1/2"_s << 0 << QDate();
    QTest::newRow("words") << u"Jan/2/2024"_s << 0 << QDate();
    QTest::newRow("empty") << u""_s << 0 << QDate();
    QTest::newRow("five-digit year") << u"1/2/20245"_s << 0 << QDate();
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
    QTest::newRow("a later line decides")
        << QStringList{u"D01/02/2024"_s, u"D13/02/2024"_s} << true << QDate(2024, 2, 1);
    QTest::newRow("ISO lines tell nothing")
        << QStringList{u"D2024-12-01"_s, u"D03/04/2024"_s} << false << QDate(2024, 12, 1);
    QTest::newRow("dotted day first") << QStringList{u"D15.03.2023"_s, u"D01.04.2023"_s} << true
                                      << QDate(2023, 3, 15);
    QTest::newRow("apostrophe month first") << QStringList{u"D12/31'23"_s, u"D1/ 2'24"_s} << false
                                            << QDate(2023, 12, 31);
    QTest::newRow("second part above 12 is month first")
        << QStringList{u"D02/13/2024"_s, u"D02/01/2024"_s} << false << QDate(2024, 2, 13);
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
    QCOMPARE(parsed.records.size(), dateLines.size());
    QCOMPARE(parsed.records.first().date, firstDate);
}

void TestQifImport::recordFields_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");

    const QStringList base{u"!Type:Bank"_s, u"D1/2/2024"_s, u"T-5.00"_s};
    QTest::newRow("category drops class") << base + QStringList{u"LFood:Dining / Work"_s} << u"category"_s
                                          << u"Food:Dining"_s;
    QTest::newRow("transfer account") << base + QStringList{u"L[ Savings ]"_s} << u"transfer"_s << u"Savings"_s;
    QTest::newRow("transfer leaves category empty") << base + QStringList{u"L[Savings]/Class"_s} << u"category"_s
                                                    << u""_s;
    QTest::newRow("cleared by X") << base + QStringList{u"CX"_s} << u"flags"_s << u"cleared"_s;
    QTest::newRow("cleared by star") << base + QStringList{u"C*"_s} << u"flags"_s << u"cleared"_s;
    QTest::newRow("cleared by c") << base + QStringList{u"Cc"_s} << u"flags"_s << u"cleared"_s;
    QTest::newRow("reconciled") << base + QStringList{u"CR"_s} << u"flags"_s << u"cleared reconciled"_s;
    QTest::newRow("not cleared") << base + QStringList{u"C?"_s} << u"flags"_s << u""_s;
    QTest::newRow("number right-padded") << base + QStringList{u"NShrsIn  "_s} << u"number"_s << u"ShrsIn"_s;
    QTest::newRow("security") << base + QStringList{u"YACME Corp"_s} << u"security"_s << u"ACME Corp"_s;
    QTest::newRow("payee and memo trimmed") << base + QStringList{u"P  Shop  "_s, u"M note "_s} << u"payee+memo"_s
                                            << u"Shop|note"_s;
    QTest::newRow("address lines ignored") << base + QStringList{u"PShop"_s, u"A1 Road"_s, u"ATown"_s}
                                           << u"payee+memo"_s << u"Shop|"_s;
    QTest::newRow("U amount") << QStringList{u"!Type:Bank"_s, u"D1/2/2024"_s, u"U-7.25"_s} << u"amount"_s
                              << u"-725"_s;
    QTest::newRow("dollar line outside a split") << QStringList{u"!Type:Bank"_s, u"D1/2/2024"_s, u"$12"_s}
                                                 << u"amount"_s << u"1200"_s;
    QTest::newRow("invalid T keeps a valid U") << QStringList{u"!Type:Bank"_s, u"D1/2/2024"_s, u"U3.00"_s,
                                                              u"Tabc"_s}
                                               << u"amount"_s << u"300"_s;
    QTest::newRow("last date wins") << base + QStringList{u"D1/3/2024"_s} << u"date"_s << u"2024-01-03"_s;
    QTest::newRow("BOM and CR in front of a line") << QStringList{QString::fromUtf16(u"\uFEFF!Type:Bank"),
                                                                  u"\rD1/2/2024"_s, u"T1"_s}
                                                   << u"date"_s << u"2024-01-02"_s;
}

void TestQifImport::recordFields()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    const QifParseResult parsed = QifParser::parseQif(lines.join(u'\n'));
    QCOMPARE(parsed.records.size(), 1);
    const QifRecord &r = parsed.records.first();
    QString actual;
    if (field == u"category")
        actual = r.category;
    else if (field == u"transfer")
        actual = r.transferAccount;
    else if (field == u"flags")
        actual = QStringList{r.cleared ? u"cleared"_s : QString(), r.reconciled ? u"reconciled"_s : QString()}
                     .join(u' ')
                     .trimmed();
    else if (field == u"number")
        actual = r.number;
    else if (field == u"security")
        actual = r.security;
    else if (field == u"payee+memo")
        actual = r.payee + u'|' + r.memo;
    else if (field == u"amount")
        actual = QString::number(r.amount);
    else if (field == u"date")
        actual = r.date.toString(Qt::ISODate);
    QCOMPARE(actual, expected);
}

void TestQifImport::sectionsAndCounters_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("unparseable");
    QTest::addColumn<int>("metadata");
    QTest::addColumn<QStringList>("categories"); // name, "I" for income
    QTest::addColumn<QStringList>("accounts");   // name:typecode

    QTest::newRow("records before any header are transactions")
        << QStringList{u"D1/2/2024"_s, u"T1"_s, u"^"_s} << 1 << 0 << 0 << QStringList() << QStringList();
    QTest::newRow("missing date or amount is unparseable")
        << QStringList{u"!Type:Bank"_s, u"T1"_s, u"PNo date"_s, u"^"_s, u"D1/2/2024"_s, u"PNo amount"_s, u"^"_s,
                       u"D99/99/2024"_s, u"T1"_s, u"^"_s}
        << 0 << 3 << 0 << QStringList() << QStringList();
    QTest::newRow("empty records and double terminators")
        << QStringList{u"!Type:Bank"_s, u"^"_s, u"^^"_s, u""_s, u"D1/2/2024"_s, u"T1"_s, u"^^"_s, u"^"_s}
        << 1 << 0 << 0 << QStringList() << QStringList();
    QTest::newRow("metadata sections are counted")
        << QStringList{u"!Type:Class"_s, u"NWork"_s, u"^"_s, u"NHome"_s, u"^"_s, u"!Type:Memorized"_s, u"KC"_s,
                       u"T-5"_s, u"^"_s, u"!Type:Tag"_s, u"NTag"_s, u"^"_s, u"!Type:Security"_s, u"NACME"_s,
                       u"SACM"_s, u"^"_s, u"!Type:Prices"_s, u"\"ACM\",12.5,\" 1/ 2'24\""_s, u"^"_s}
        << 0 << 0 << 6 << QStringList() << QStringList();
    QTest::newRow("option and clear headers are metadata")
        << QStringList{u"!Option:AutoSwitch"_s, u"!Clear:AutoSwitch"_s, u"XSomething"_s, u"^"_s}
        << 0 << 0 << 1 << QStringList() << QStringList();
    QTest::newRow("category list")
        << QStringList{u"!Type:Cat"_s, u"NGroceries"_s, u"DFood"_s, u"E"_s, u"^"_s, u"NSalary"_s, u"I"_s, u"^"_s,
                       u"DNameless"_s, u"^"_s, u"^"_s}
        << 0 << 0 << 0 << QStringList{u"Groceries"_s, u"Salary:I"_s} << QStringList();
    QTest::newRow("header case and trailing blank")
        << QStringList{u"!TYPE:cAt"_s, u"NA"_s, u"^"_s, u"!type:BANK "_s, u"D1/2/24"_s, u"T1"_s, u"^"_s}
        << 1 << 0 << 0 << QStringList{u"A"_s} << QStringList();
    QTest::newRow("account types from the section")
        << QStringList{u"!Account"_s, u"NCard"_s, u"^"_s, u"!Type:CCard"_s, u"D1/2/24"_s, u"T1"_s, u"^"_s,
                       u"!Account"_s, u"NWallet"_s, u"^"_s, u"!Type:Cash"_s, u"D1/2/24"_s, u"T1"_s, u"^"_s,
                       u"!Account"_s, u"NHouse"_s, u"^"_s, u"!Type:Oth A"_s, u"D1/2/24"_s, u"T1"_s, u"^"_s,
                       u"!Account"_s, u"NLoan"_s, u"^"_s, u"!Type:Oth L"_s, u"D1/2/24"_s, u"T1"_s, u"^"_s,
                       u"!Account"_s, u"NFunds"_s, u"^"_s, u"!Type:Invst"_s, u"D1/2/24"_s, u"T1"_s, u"^"_s,
                       u"!Account"_s, u"Nother"_s, u"^"_s, u"!Type:Weird"_s, u"D1/2/24"_s, u"T1"_s, u"^"_s}
        << 6 << 0 << 0 << QStringList()
        << QStringList{u"Card:1"_s, u"Wallet:3"_s, u"House:4"_s, u"Loan:5"_s, u"Funds:2"_s, u"other:0"_s};
    QTest::newRow("accounts listed once, first spelling kept")
        << QStringList{u"!Account"_s, u"NChecking"_s, u"^"_s, u"!Type:Bank"_s, u"D1/2/24"_s, u"T1"_s, u"^"_s,
                       u"!Account"_s, u"NCHECKING"_s, u"^"_s, u"!Type:Bank"_s, u"D1/3/24"_s, u"T1"_s, u"^"_s}
        << 2 << 0 << 0 << QStringList() << QStringList{u"Checking:0"_s};
    QTest::newRow("account list without transactions lists nothing")
        << QStringList{u"!Option:AutoSwitch"_s, u"!Account"_s, u"NA"_s, u"TBank"_s, u"^"_s, u"NB"_s, u"^"_s,
                       u"!Clear:AutoSwitch"_s}
        << 0 << 0 << 0 << QStringList() << QStringList();
    QTest::newRow("account block ends at the next header")
        << QStringList{u"!Account"_s, u"NSavings"_s, u"!Type:Bank"_s, u"D1/2/24"_s, u"T1"_s}
        << 1 << 0 << 0 << QStringList() << QStringList{u"Savings:0"_s};
}

void TestQifImport::sectionsAndCounters()
{
    QFETCH(QStringList, lines);
    QFETCH(int, records);
    QFETCH(int, unparseable);
    QFETCH(int, metadata);
    QFETCH(QStringList, categories);
    QFETCH(QStringList, accounts);

    const QifParseResult parsed = QifParser::parseQif(lines.join(u'\n'));
    QCOMPARE(parsed.records.size(), records);
    QCOMPARE(parsed.unparseable, unparseable);
    QCOMPARE(parsed.metadata, metadata);
    QStringList actualCategories;
    for (const QifCategoryEntry &c : parsed.categories)
        actualCategories << (c.income ? c.name + u":I"_s : c.name);
    QCOMPARE(actualCategories, categories);
    QStringList actualAccounts;
    for (const QifAccountEntry &a : parsed.sourceAccounts)
        actualAccounts << u"%1:%2"_s.arg(a.name).arg(a.typeCode);
    QCOMPARE(actualAccounts, accounts);
}

void TestQifImport::splitsAreRead()
{
    const QifParseResult parsed = QifParser::parseQif(
        QStringList{u"!Type:Bank"_s, u"D1/5/2024"_s, u"T-150.00"_s, u"PGrocer"_s, u"EStray memo"_s,
                    u"SGroceries/Class"_s, u"EFood"_s, u"$-100.00"_s, u"S[Savings]"_s, u"$-40"_s,
                    u"SHousehold"_s, u"Ecleaning"_s, u"^"_s, u"D1/6/2024"_s, u"$-3"_s, u"^"_s}
            .join(u'\n'));
    QCOMPARE(parsed.records.size(), 2);
    const QifRecord &r = parsed.records.at(0);
    QCOMPARE(r.amount, -15000);
    QCOMPARE(r.memo, QString()); // "E" before any split belongs to no split
    QCOMPARE(r.splits.size(), 3);
    QCOMPARE(r.splits.at(0).category, u"Groceries"_s);
    QCOMPARE(r.splits.at(0).memo, u"Food"_s);
    QCOMPARE(r.splits.at(0).amount, -10000);
    QCOMPARE(r.splits.at(1).transferAccount, u"Savings"_s);
    QCOMPARE(r.splits.at(1).category, QString());
    QCOMPARE(r.splits.at(1).amount, -4000);
    QCOMPARE(r.splits.at(2).category, u"Household"_s);
    QCOMPARE(r.splits.at(2).memo, u"cleaning"_s);
    QCOMPARE(r.splits.at(2).amount, 0);
    // "$" in a record that started no split is the record's amount.
    QCOMPARE(parsed.records.at(1).amount, -300);
    QVERIFY(parsed.records.at(1).splits.isEmpty());
}

void TestQifImport::realExportShapes()
{
    const auto parsed = ImportService::parseQif(fixture(u"autoswitch-cp1252.qif"_s));
    QVERIFY(parsed);
    QCOMPARE(parsed->dateOrder, QifDateOrder::MonthDayYear);
    QCOMPARE(parsed->records.size(), 8);
    QCOMPARE(parsed->unparseable, 1); // ShrsIn without an amount
    QCOMPARE(parsed->metadata, 2);    // the memorized entry and the class without a final "^"

    QStringList accounts;
    for (const QifAccountEntry &a : parsed->sourceAccounts)
        accounts << u"%1:%2"_s.arg(a.name).arg(a.typeCode);
    QCOMPARE(accounts, (QStringList{u"Checking:0"_s, u"Savings Account:0"_s, u"Visa:1"_s, u"Brokerage:2"_s}));
    QCOMPARE(parsed->categories.size(), 2);
    QVERIFY(!parsed->categories.at(0).income);
    QVERIFY(parsed->categories.at(1).income);

    const QifRecord &lunch = parsed->records.at(0);
    QCOMPARE(lunch.sourceAccount, u"Checking"_s);
    QCOMPARE(lunch.date, QDate(2024, 1, 2));
    QCOMPARE(lunch.amount, -123456);
    QCOMPARE(lunch.payee, u"Café Zoë"_s);
    QCOMPARE(lunch.memo, QString::fromUtf16(u"Lunch \u2013 team"));
    QCOMPARE(lunch.category, u"Dining:Restaurants"_s);
    QCOMPARE(lunch.number, u"1001"_s);
    QVERIFY(lunch.cleared && !lunch.reconciled);

    const QifRecord &opening = parsed->records.at(4);
    QCOMPARE(opening.date, QDate(2000, 8, 31));
    QCOMPARE(opening.transferAccount, u"Checking"_s);
    QCOMPARE(parsed->records.at(3).splits.size(), 2);
    QCOMPARE(parsed->records.at(5).sourceAccount, u"Savings Account"_s);
    QCOMPARE(parsed->records.at(6).amount, -4510);
    const QifRecord &buy = parsed->records.at(7);
    QCOMPARE(buy.sourceAccount, u"Brokerage"_s);
    QCOMPARE(buy.date, QDate(2020, 2, 10));
    QCOMPARE(buy.number, u"BuyX"_s);
    QCOMPARE(buy.security, u"ACME Corp"_s);
    QCOMPARE(buy.amount, -12995);
}

void TestQifImport::encodings_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("records");
    QTest::addColumn<QString>("firstPayee");
    QTest::addColumn<QString>("firstMemo");
    QTest::addColumn<QDate>("firstDate");
    QTest::addColumn<qint64>("firstAmount");

    QTest::newRow("UTF-16 with CRLF") << u"utf16le.qif"_s << 2 << QString::fromUtf16(u"Café \u2615")
                                      << u"Frühstück"_s << QDate(2024, 1, 15) << qint64(-4200);
    QTest::newRow("UTF-8 BOM, day first, no account") << u"dayfirst-utf8bom.qif"_s << 3 << u"Bäckerei"_s
                                                      << u"Brötchen"_s << QDate(2023, 3, 15) << qint64(-123456);
    QTest::newRow("Windows-1252 with CRLF") << u"autoswitch-cp1252.qif"_s << 8 << u"Café Zoë"_s
                                            << QString::fromUtf16(u"Lunch \u2013 team") << QDate(2024, 1, 2)
                                            << qint64(-123456);
}

void TestQifImport::encodings()
{
    QFETCH(QString, file);
    QFETCH(int, records);
    QFETCH(QString, firstPayee);
    QFETCH(QString, firstMemo);
    QFETCH(QDate, firstDate);
    QFETCH(qint64, firstAmount);
    const auto parsed = ImportService::parseQif(fixture(file));
    QVERIFY(parsed);
    QCOMPARE(parsed->records.size(), records);
    QCOMPARE(parsed->records.first().payee, firstPayee);
    QCOMPARE(parsed->records.first().memo, firstMemo);
    QCOMPARE(parsed->records.first().date, firstDate);
    QCOMPARE(parsed->records.first().amount, firstAmount);
}

void TestQifImport::malformedInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("unparseable");

    QByteArray garbage;
    QRandomGenerator generator(42);
    garbage.append('\x01');
    while (garbage.size() < 64 * 1024) {
        const char c = char(generator.bounded(1, 256));
        if (c != '\n' && c != '\r' && c != '^' && c != '!')
            garbage.append(c);
    }
    QTest::newRow("empty file") << QByteArray() << 0 << 0;
    QTest::newRow("only blank lines") << QByteArray("\n\r\n \t\n") << 0 << 0;
    QTest::newRow("binary garbage") << garbage << 0 << 1;
    QTest::newRow("huge amount line")
        << QByteArray("!Type:Bank\nD1/2/2024\nT" + QByteArray(4 * 1024 * 1024, '9') + "\nPBig\n^\n") << 0 << 1;
    QTest::newRow("huge payee line")
        << QByteArray("!Type:Bank\nD1/2/2024\nT1\nP" + QByteArray(4 * 1024 * 1024, 'x') + "\n^\n") << 1 << 0;
    QTest::newRow("truncated inside a date") << QByteArray("!Type:Bank\nD1/2/2024\nT-5\nPShop\n^\nD1/3") << 1 << 1;
    QTest::newRow("truncated UTF-8") << QByteArray("!Type:Bank\nD1/2/2024\nT-5\nPCaf\xC3") << 1 << 0;
    const QByteArray nul(1, '\0');
    QTest::newRow("NUL in an amount") << QByteArray("!Type:Bank\nD1/2/2024\nT-5" + nul + "0\n^\n") << 0 << 1;
    QTest::newRow("NUL in a payee") << QByteArray("!Type:Bank\nD1/2/2024\nT-5\nPA" + nul + "B\n^\n") << 1 << 0;
    QTest::newRow("only headers") << QByteArray("!Type:Bank\n!Account\n!Type:Cat\n!Type:Class\n") << 0 << 0;
}

void TestQifImport::malformedInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, records);
    QFETCH(int, unparseable);

    ImportFixture f;
    QVERIFY(f.db.isReady());
    const Account target = f.db.addAccount(u"Target"_s);
    const QString path = writeFile(f.dir, u"bad.qif"_s, bytes);
    const QifAnalysis analysis = f.service.analyzeQifFiles({path});
    QCOMPARE(analysis.totalRecords, records);
    QCOMPARE(analysis.accounts.size(), 1);
    QVERIFY(analysis.accounts.first().noHeader);

    const ImportResult result = f.service.importQif({path}, {{path, target.id}});
    QVERIFY(!result.failed);
    QCOMPARE(result.imported, records);
    QCOMPARE(result.unparseable, unparseable);
    QCOMPARE(f.rows(target.id).size(), records);
}

void TestQifImport::transferHints_data()
{
    QTest::addColumn<QString>("memo");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("rest");

    QTest::newRow("hint alone") << u"[→ Savings]"_s << true << u"Savings"_s << u""_s;
    QTest::newRow("hint and memo") << u"[→ Savings Account] rainy day"_s << true << u"Savings Account"_s
                                   << u"rainy day"_s;
    QTest::newRow("only one blank skipped") << u"[→ A]  two"_s << true << u"A"_s << u" two"_s;
    QTest::newRow("no blank after bracket") << u"[→ A]x"_s << true << u"A"_s << u"x"_s;
    QTest::newRow("empty name") << u"[→ ] memo"_s << false << u""_s << u""_s;
    QTest::newRow("no closing bracket") << u"[→ Savings"_s << false << u""_s << u""_s;
    QTest::newRow("not at the start") << u"memo [→ Savings]"_s << false << u""_s << u""_s;
    QTest::newRow("plain arrow missing") << u"[-> Savings]"_s << false << u""_s << u""_s;
    QTest::newRow("empty memo") << u""_s << false << u""_s << u""_s;
}

void TestQifImport::transferHints()
{
    QFETCH(QString, memo);
    QFETCH(bool, valid);
    QFETCH(QString, name);
    QFETCH(QString, rest);
    const auto hint = ImportService::readTransferHint(memo);
    QCOMPARE(hint.has_value(), valid);
    if (!valid)
        return;
    QCOMPARE(hint->accountName, name);
    QCOMPARE(hint->memo, rest);
    const auto again = ImportService::readTransferHint(ImportService::transferHint(name, rest));
    QVERIFY(again);
    QCOMPARE(again->accountName, name);
    QCOMPARE(again->memo, rest);
}

void TestQifImport::analysis()
{
    ImportFixture f;
    const QString a = f.file(u"a.qif"_s, kCheckingLines + kSavingsLines);
    const QString b = f.file(u"b.qif"_s,
                             {u"!Account"_s, u"NCHECKING"_s, u"^"_s, u"!Type:Bank"_s, u"D1/2/24"_s, u"T1"_s, u"^"_s,
                              u"!Account"_s, u"NVisa"_s, u"^"_s, u"!Type:CCard"_s, u"D1/2/24"_s, u"T1"_s, u"^"_s,
                              u"!Account"_s, u"NMy Savings"_s, u"^"_s, u"!Type:Cash"_s, u"D1/2/24"_s, u"T1"_s,
                              u"^"_s});
    const QString c = f.file(u"plain.export.qif"_s, {u"!Type:Bank"_s, u"D1/2/24"_s, u"T1"_s, u"^"_s});
    const QString mixed = f.file(u"mixed.qif"_s, {u"!Type:Bank"_s, u"D1/2/24"_s, u"T1"_s, u"^"_s, u"!Account"_s,
                                                  u"NHouse"_s, u"^"_s, u"!Type:Oth A"_s, u"D1/2/24"_s, u"T1"_s});

    const QifAnalysis analysis = f.service.analyzeQifFiles({a, f.dir.filePath(u"missing.qif"_s), b, c, mixed});
    QCOMPARE(analysis.totalRecords, 3 + 3 + 1 + 2);
    QStringList rows;
    for (const QifSourceAccount &s : analysis.accounts)
        rows << u"%1|%2|%3|%4"_s.arg(s.key, s.displayName).arg(s.noHeader).arg(int(s.suggestedType));
    const QStringList expected{
        u"Checking|Checking|0|%1"_s.arg(int(AccountType::Checking)),
        u"Savings|Savings|0|%1"_s.arg(int(AccountType::Savings)),
        u"Visa|Visa|0|%1"_s.arg(int(AccountType::CreditCard)),
        u"My Savings|My Savings|0|%1"_s.arg(int(AccountType::Cash)),
        u"%1|plain.export.qif (no account header)|1|%2"_s.arg(c).arg(int(AccountType::Checking)),
        u"House|House|0|%1"_s.arg(int(AccountType::Other)),
        // The record before its "!Account" has no account and maps by path.
        u"%1|mixed.qif (no account header)|1|%2"_s.arg(mixed).arg(int(AccountType::Checking)),
    };
    QCOMPARE(rows, expected);
}

void TestQifImport::importWithMapping()
{
    ImportFixture f;
    const Account checking = f.db.addAccount(u"Main"_s);
    const Account savings = f.db.addAccount(u"Reserve"_s);
    const Account visa = f.db.addAccount(u"Card"_s);
    const QString path = fixture(u"autoswitch-cp1252.qif"_s);

    const ImportResult r = f.service.importQif(
        {path}, {{u"CHECKING"_s, checking.id}, {u"savings account"_s, savings.id}, {u"Visa"_s, visa.id},
                 {u"Brokerage"_s, QString()}});
    QVERIFY(!r.failed);
    QCOMPARE(r.imported, 7);
    QCOMPARE(r.unmapped, 1);
    QCOMPARE(r.unparseable, 1);
    QCOMPARE(r.metadata, 2);
    QCOMPARE(r.duplicates, 0);
    QCOMPARE(r.transfersLinked, 1);
    QCOMPARE(r.linkedToPrevious, 0);
    QCOMPARE(r.databaseErrors, 0);

    QCOMPARE(f.rows(checking.id).size(), 5);
    QCOMPARE(f.rows(savings.id).size(), 1);
    QCOMPARE(f.rows(visa.id).size(), 1);

    const auto lunch = f.byPayee(checking.id, u"Café Zoë"_s);
    QVERIFY(lunch);
    QCOMPARE(lunch->amount, -123456);
    QCOMPARE(lunch->check_number, u"1001"_s);
    QVERIFY(lunch->cleared);
    QCOMPARE(f.db.categories->findById(lunch->category_id)->name, u"Dining:Restaurants"_s);
    QCOMPARE(lunch->sync_status, SyncStatus::Pending);
    QCOMPARE(lunch->version, 1);
    QVERIFY(lunch->created_at.isValid());

    const auto salary = f.byPayee(checking.id, u"Employer"_s);
    QVERIFY(salary && salary->cleared && salary->reconciled);
    QCOMPARE(f.db.categories->findByName(u"Salary"_s)->category_type, CategoryType::Income);
    QCOMPARE(f.db.categories->findByName(u"Books"_s)->category_type, CategoryType::Expense);
}

void TestQifImport::transfersLinkedBothWays()
{
    ImportFixture f;
    const Account checking = f.db.addAccount(u"Checking"_s);
    const Account savings = f.db.addAccount(u"Savings"_s);
    const QString one = f.file(u"checking.qif"_s, kCheckingLines);
    const QString two = f.file(u"savings.qif"_s, kSavingsLines);
    QSignalSpy changed(f.db.transactions, &TransactionRepository::transactionsChanged);

    const ImportResult r =
        f.service.importQif({one, two}, {{u"Checking"_s, checking.id}, {u"Savings"_s, savings.id}});
    QCOMPARE(r.imported, 3);
    QCOMPARE(r.transfersLinked, 1);
    QCOMPARE(r.linkedToPrevious, 0);

    const auto out = f.byPayee(checking.id, u"To savings"_s);
    const auto in = f.byPayee(savings.id, u"From checking"_s);
    QVERIFY(out && in);
    QCOMPARE(out->transfer_link_id, in->id);
    QCOMPARE(in->transfer_link_id, out->id);
    QCOMPARE(out->transfer_dest_account_id, savings.id);
    QCOMPARE(in->transfer_dest_account_id, checking.id);
    QCOMPARE(out->memo, u"Rainy day"_s); // linked rows carry no hint

    // One announcement per account after the commit, not one per row.
    QCOMPARE(changed.size(), 2);
}

void TestQifImport::retroactiveLinkingAcrossImports()
{
    ImportFixture f;
    const Account checking = f.db.addAccount(u"Checking"_s);
    const Account savings = f.db.addAccount(u"Savings"_s);
    const QHash<QString, QString> mapping{{u"Checking"_s, checking.id}, {u"Savings"_s, savings.id}};

    const ImportResult first = f.service.importQif({f.file(u"checking.qif"_s, kCheckingLines)}, mapping);
    QCOMPARE(first.imported, 2);
    QCOMPARE(first.transfersLinked, 0);
    auto out = f.byPayee(checking.id, u"To savings"_s);
    QVERIFY(out);
    QCOMPARE(out->memo, u"[→ Savings] Rainy day"_s);
    QVERIFY(out->transfer_link_id.isEmpty());
    const QDateTime firstUpdate = out->updated_at;
    f.db.transactions->markSynced(out->id, u"server-1"_s);

    const ImportResult second = f.service.importQif({f.file(u"savings.qif"_s, kSavingsLines)}, mapping);
    QVERIFY(!second.failed);
    QCOMPARE(second.imported, 1);
    QCOMPARE(second.transfersLinked, 1);
    QCOMPARE(second.linkedToPrevious, 1);

    out = f.byPayee(checking.id, u"To savings"_s);
    const auto in = f.byPayee(savings.id, u"From checking"_s);
    QVERIFY(out && in);
    QCOMPARE(out->memo, u"Rainy day"_s);
    QCOMPARE(out->transfer_link_id, in->id);
    QCOMPARE(out->transfer_dest_account_id, savings.id);
    QCOMPARE(out->version, 2);
    QCOMPARE(out->sync_status, SyncStatus::Pending);
    QVERIFY(out->updated_at >= firstUpdate);
    QCOMPARE(in->transfer_link_id, out->id);
    QCOMPARE(in->transfer_dest_account_id, checking.id);
    QCOMPARE(in->memo, QString());

    // A third import of the same savings file finds only a duplicate.
    const ImportResult third = f.service.importQif({f.file(u"savings2.qif"_s, kSavingsLines)}, mapping);
    QCOMPARE(third.imported, 0);
    QCOMPARE(third.duplicates, 1);
    QCOMPARE(third.transfersLinked, 0);
}

void TestQifImport::selfTransferGetsNoLinkNorHint()
{
    ImportFixture f;
    const Account checking = f.db.addAccount(u"Checking"_s);
    const QString path = f.file(u"opening.qif"_s, {u"!Account"_s, u"NChecking"_s, u"^"_s, u"!Type:Bank"_s,
                                                   u"D1/1/2024"_s, u"T500.00"_s, u"POpening Balance"_s,
                                                   u"L[checking]"_s, u"^"_s});
    const ImportResult r = f.service.importQif({path}, {{u"checking"_s, checking.id}});
    QCOMPARE(r.imported, 1);
    QCOMPARE(r.transfersLinked, 0);
    const auto row = f.byPayee(checking.id, u"Opening Balance"_s);
    QVERIFY(row);
    QCOMPARE(row->memo, QString());
    QVERIFY(row->transfer_link_id.isEmpty());
    QVERIFY(row->transfer_dest_account_id.isEmpty());
    QCOMPARE(row->amount, 50000);
}

void TestQifImport::fileWithoutAccountHeaderMapsByPath()
{
    ImportFixture f;
    const Account target = f.db.addAccount(u"Girokonto"_s);
    const QString path = fixture(u"dayfirst-utf8bom.qif"_s);
    const QifAnalysis analysis = f.service.analyzeQifFiles({path});
    QCOMPARE(analysis.accounts.size(), 1);
    QCOMPARE(analysis.accounts.first().key, path);
    QCOMPARE(analysis.accounts.first().displayName, u"dayfirst-utf8bom.qif (no account header)"_s);

    const ImportResult r = f.service.importQif({path}, {{path.toUpper(), target.id}});
    QCOMPARE(r.imported, 3);
    const auto salary = f.byPayee(target.id, u"Gehalt"_s);
    QVERIFY(salary);
    QCOMPARE(salary->date, QDate(2023, 4, 1));
    QCOMPARE(salary->amount, 100000);
    const auto kiosk = f.byPayee(target.id, u"Kiosk"_s);
    QVERIFY(kiosk);
    QCOMPARE(kiosk->amount, 1250);
}

void TestQifImport::duplicates_data()
{
    QTest::addColumn<QStringList>("existing"); // payee:amount on 2024-03-02
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("imported");
    QTest::addColumn<int>("duplicates");

    const QStringList head{u"!Account"_s, u"NChecking"_s, u"^"_s, u"!Type:Bank"_s};
    const QStringList shop{u"D03/02/2024"_s, u"T-20.00"_s, u"PShop"_s, u"^"_s};
    QTest::newRow("twice in one file") << QStringList() << head + shop + shop << 1 << 1;
    QTest::newRow("already in the account") << QStringList{u"Shop:-2000"_s} << head + shop << 0 << 1;
    QTest::newRow("other payee is no duplicate") << QStringList{u"Shop2:-2000"_s} << head + shop << 1 << 0;
    QTest::newRow("other amount is no duplicate") << QStringList{u"Shop:-2001"_s} << head + shop << 1 << 0;
    QTest::newRow("payee fallback counts too")
        << QStringList{u"1001: ACME:-2000"_s}
        << head + QStringList{u"D03/02/2024"_s, u"T-20"_s, u"N1001"_s, u"YACME"_s, u"^"_s} << 0 << 1;
    QTest::newRow("generic payee") << QStringList()
                                   << head + QStringList{u"D03/02/2024"_s, u"T-1"_s, u"^"_s, u"D03/02/2024"_s,
                                                         u"T-1"_s, u"^"_s}
                                   << 1 << 1;
}

void TestQifImport::duplicates()
{
    QFETCH(QStringList, existing);
    QFETCH(QStringList, lines);
    QFETCH(int, imported);
    QFETCH(int, duplicates);

    ImportFixture f;
    const Account checking = f.db.addAccount(u"Checking"_s);
    for (const QString &e : existing) {
        const qsizetype colon = e.lastIndexOf(u':');
        f.db.addTransaction(checking.id, QDate(2024, 3, 2), e.left(colon), e.mid(colon + 1).toLongLong());
    }
    const ImportResult r = f.service.importQif({f.file(u"d.qif"_s, lines)}, {{u"Checking"_s, checking.id}});
    QCOMPARE(r.imported, imported);
    QCOMPARE(r.duplicates, duplicates);
    QCOMPARE(f.rows(checking.id).size(), existing.size() + imported);
}

void TestQifImport::categoriesOnDemand()
{
    ImportFixture f;
    const Account checking = f.db.addAccount(u"Checking"_s);
    const Category groceries = f.db.addCategory(u"Groceries"_s);
    QSignalSpy changed(f.db.categories, &CategoryRepository::categoriesChanged);
    const QString path = f.file(u"c.qif"_s, {u"!Type:Cat"_s, u"NGroceries"_s, u"I"_s, u"^"_s, u"NBonus"_s, u"I"_s,
                                            u"^"_s, u"NBonus"_s, u"E"_s, u"^"_s, u"!Account"_s, u"NChecking"_s,
                                            u"^"_s, u"!Type:Bank"_s, u"D1/2/24"_s, u"T-1"_s, u"PA"_s,
                                            u"LGroceries"_s, u"^"_s, u"D1/2/24"_s, u"T-2"_s, u"PB"_s,
                                            u"Lgroceries"_s, u"^"_s, u"D1/2/24"_s, u"T-3"_s, u"PC"_s,
                                            u"LAuto:Fuel"_s, u"^"_s, u"D1/2/24"_s, u"T-4"_s, u"PD"_s,
                                            u"LAuto:Fuel"_s, u"^"_s});
    const ImportResult r = f.service.importQif({path}, {{u"Checking"_s, checking.id}});
    QCOMPARE(r.imported, 4);

    QCOMPARE(f.byPayee(checking.id, u"A"_s)->category_id, groceries.id);
    const auto lower = f.byPayee(checking.id, u"B"_s);
    QVERIFY(lower->category_id != groceries.id);
    QCOMPARE(f.db.categories->findById(lower->category_id)->name, u"groceries"_s);
    const auto fuel = f.db.categories->findByName(u"Auto:Fuel"_s);
    QVERIFY(fuel);
    QVERIFY(fuel->parent_id.isEmpty());
    QCOMPARE(f.byPayee(checking.id, u"D"_s)->category_id, fuel->id);
    QCOMPARE(f.db.categories->findByName(u"Bonus"_s)->category_type, CategoryType::Income);
    // Groceries (existing), Bonus, groceries, Auto:Fuel
    QCOMPARE(f.db.categories->count(), 4);
    QCOMPARE(f.db.categories->findByName(u"Groceries"_s)->category_type, CategoryType::Expense);
    QCOMPARE(changed.size(), 1);
}

void TestQifImport::splitLinesWritten()
{
    ImportFixture f;
    const Account checking = f.db.addAccount(u"Checking"_s);
    const QString path = f.file(u"s.qif"_s, {u"!Account"_s, u"NChecking"_s, u"^"_s, u"!Type:Bank"_s,
                                            u"D1/5/2024"_s, u"T-150.00"_s, u"PGrocer"_s, u"SGroceries"_s,
                                            u"EFood"_s, u"$-100.00"_s, u"SHousehold"_s, u"$-50.00"_s, u"^"_s});
    const ImportResult r = f.service.importQif({path}, {{u"Checking"_s, checking.id}});
    QCOMPARE(r.imported, 1);
    const auto row = f.byPayee(checking.id, u"Grocer"_s);
    QVERIFY(row && row->is_split);
    QVERIFY(row->category_id.isEmpty());
    QSqlQuery q(f.db.database->connection());
    QVERIFY(q.exec(u"SELECT c.name, s.amount, s.memo, s.created_at, s.transaction_id FROM split_lines s "
                   "JOIN categories c ON c.id = s.category_id ORDER BY s.amount"_s));
    QStringList lines;
    while (q.next()) {
        lines << u"%1|%2|%3"_s.arg(q.value(0).toString()).arg(q.value(1).toLongLong()).arg(q.value(2).toString());
        QCOMPARE(q.value(4).toString(), row->id);
        QCOMPARE(q.value(3).toString(), row->created_at.toString(Qt::ISODate));
    }
    QCOMPARE(lines, (QStringList{u"Groceries|-10000|Food"_s, u"Household|-5000|"_s}));
}

void TestQifImport::pairWithDuplicateHalfLinksToExistingRow()
{
    ImportFixture f;
    const Account checking = f.db.addAccount(u"Checking"_s);
    const Account savings = f.db.addAccount(u"Savings"_s);
    const QHash<QString, QString> mapping{{u"Checking"_s, checking.id}, {u"Savings"_s, savings.id}};
    QCOMPARE(f.service.importQif({f.file(u"checking.qif"_s, kCheckingLines)}, mapping).imported, 2);

    // Both files again: the checking half is a duplicate, so the savings row
    // must link to the row already there, not to the skipped one.
    const ImportResult r = f.service.importQif(
        {f.file(u"checking2.qif"_s, kCheckingLines), f.file(u"savings.qif"_s, kSavingsLines)}, mapping);
    QCOMPARE(r.imported, 1);
    QCOMPARE(r.duplicates, 2);
    QCOMPARE(r.transfersLinked, 1);
    QCOMPARE(r.linkedToPrevious, 1);
    const auto out = f.byPayee(checking.id, u"To savings"_s);
    const auto in = f.byPayee(savings.id, u"From checking"_s);
    QCOMPARE(in->transfer_link_id, out->id);
    QCOMPARE(out->transfer_link_id, in->id);
    QCOMPARE(out->memo, u"Rainy day"_s);
    const int dangling = f.db.scalar(u"SELECT COUNT(*) FROM transactions t WHERE t.transfer_link_id != '' AND "
                                     "NOT EXISTS (SELECT 1 FROM transactions p WHERE p.id = t.transfer_link_id)"_s)
                             .toInt();
    QCOMPARE(dangling, 0);
}

void TestQifImport::failedInsertIsCountedAndLeavesNoDanglingLink()
{
    ImportFixture f;
    const Account checking = f.db.addAccount(u"Checking"_s);
    const Account savings = f.db.addAccount(u"Savings"_s);
    QVERIFY(f.db.execute(u"CREATE TRIGGER refuse BEFORE INSERT ON transactions WHEN NEW.payee = 'From checking' "
                         "BEGIN SELECT RAISE(ABORT, 'refused'); END"_s));
    const ImportResult r =
        f.service.importQif({f.file(u"checking.qif"_s, kCheckingLines), f.file(u"savings.qif"_s, kSavingsLines)},
                            {{u"Checking"_s, checking.id}, {u"Savings"_s, savings.id}});
    QVERIFY(!r.failed);
    QCOMPARE(r.imported, 2);
    QCOMPARE(r.databaseErrors, 1);
    QCOMPARE(r.transfersLinked, 0);
    QVERIFY(f.rows(savings.id).isEmpty());
    const auto out = f.byPayee(checking.id, u"To savings"_s);
    QVERIFY(out);
    QVERIFY(out->transfer_link_id.isEmpty());
    QVERIFY(out->transfer_dest_account_id.isEmpty());
    QCOMPARE(out->memo, u"[→ Savings] Rainy day"_s);
}

void TestQifImport::abortRollsBackEverything()
{
    ImportFixture f;
    const Account checking = f.db.addAccount(u"Checking"_s);
    const Account savings = f.db.addAccount(u"Savings"_s);
    const QHash<QString, QString> mapping{{u"Checking"_s, checking.id}, {u"Savings"_s, savings.id}};
    QCOMPARE(f.service.importQif({f.file(u"checking.qif"_s, kCheckingLines)}, mapping).imported, 2);
    const int transactionsBefore = f.count(u"transactions"_s);
    const int categoriesBefore = f.count(u"categories"_s);

    // The retroactive partner cannot be updated: the whole import goes.
    QVERIFY(f.db.execute(u"CREATE TRIGGER refuse BEFORE UPDATE ON transactions "
                         "BEGIN SELECT RAISE(ABORT, 'refused'); END"_s));
    QSignalSpy started(&f.service, &ImportService::importStarted);
    QSignalSpy progress(&f.service, &ImportService::importProgress);
    QSignalSpy changed(f.db.transactions, &TransactionRepository::transactionsChanged);
    const QStringList savingsWithMore = QStringList{u"!Type:Cat"_s, u"NNew Category"_s, u"^"_s} + kSavingsLines
        + QStringList{u"D03/05/2024"_s, u"T1"_s, u"PLater"_s, u"LAnother New"_s, u"^"_s};
    const ImportResult r = f.service.importQif({f.file(u"savings.qif"_s, savingsWithMore)}, mapping);
    QVERIFY(r.failed);
    QCOMPARE(r.imported, 0);
    QCOMPARE(f.count(u"transactions"_s), transactionsBefore);
    QCOMPARE(f.count(u"categories"_s), categoriesBefore);
    QCOMPARE(f.byPayee(checking.id, u"To savings"_s)->memo, u"[→ Savings] Rainy day"_s);
    QCOMPARE(started.size(), 1);
    QCOMPARE(progress.last(), (QVariantList{2, 2}));
    QVERIFY(changed.isEmpty());
    QVERIFY(f.db.database->connection().transaction()); // nothing left open
    QVERIFY(f.db.database->connection().rollback());
}

void TestQifImport::failedCommitReadsAsFailure()
{
    ImportFixture f;
    const Account checking = f.db.addAccount(u"Checking"_s);
    // A deferred foreign key lets every statement pass and fails the commit.
    QVERIFY(f.db.execute(u"CREATE TABLE import_audit (account_id TEXT REFERENCES accounts(id) "
                         "DEFERRABLE INITIALLY DEFERRED)"_s));
    QVERIFY(f.db.execute(u"CREATE TRIGGER poison AFTER INSERT ON transactions WHEN NEW.payee = 'Shop' "
                         "BEGIN INSERT INTO import_audit VALUES ('no such account'); END"_s));
    QSignalSpy progress(&f.service, &ImportService::importProgress);
    const ImportResult r = f.service.importQif({f.file(u"checking.qif"_s, kCheckingLines)},
                                               {{u"Checking"_s, checking.id}});
    QVERIFY(r.failed);
    QCOMPARE(f.count(u"transactions"_s), 0);
    QCOMPARE(f.count(u"categories"_s), 0);
    QCOMPARE(progress.last(), (QVariantList{2, 2}));
    QVERIFY(f.db.database->connection().transaction());
    QVERIFY(f.db.database->connection().rollback());
}

void TestQifImport::yenAccountsHaveNoMinorUnits_data()
{
    QTest::addColumn<int>("currency");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<qint64>("split");

    QTest::newRow("JPY whole") << int(Currency::JPY) << u"1500"_s << qint64(1500) << qint64(-1500);
    QTest::newRow("JPY grouped") << int(Currency::JPY) << u"1,500"_s << qint64(1500) << qint64(-1500);
    QTest::newRow("JPY decimals rounded") << int(Currency::JPY) << u"1,234.50"_s << qint64(1235) << qint64(-1235);
    QTest::newRow("JPY yen sign") << int(Currency::JPY) << u"¥1500"_s << qint64(1500) << qint64(-1500);
    QTest::newRow("USD cents") << int(Currency::USD) << u"1500"_s << qint64(150000) << qint64(-150000);
    QTest::newRow("EUR cents") << int(Currency::EUR) << u"1.234,50"_s << qint64(123450) << qint64(-123450);
}

void TestQifImport::yenAccountsHaveNoMinorUnits()
{
    QFETCH(int, currency);
    QFETCH(QString, amount);
    QFETCH(qint64, stored);
    QFETCH(qint64, split);

    ImportFixture f;
    const Account account = f.db.addAccount(u"Wallet"_s, Currency(currency));
    const QString path = f.file(u"y.qif"_s, {u"!Type:Bank"_s, u"D1/2/24"_s, u"T" + amount, u"PIn"_s, u"^"_s,
                                            u"D1/3/24"_s, u"T-" + amount, u"POut"_s, u"SFood"_s,
                                            u"$-" + amount, u"^"_s});
    // The same amount already stored in the account's unit is a duplicate.
    f.db.addTransaction(account.id, QDate(2024, 1, 2), u"In"_s, stored);
    const ImportResult r = f.service.importQif({path}, {{path, account.id}});
    QCOMPARE(r.duplicates, 1);
    QCOMPARE(r.imported, 1);
    QCOMPARE(f.byPayee(account.id, u"Out"_s)->amount, -stored);
    QCOMPARE(f.db.scalar(u"SELECT amount FROM split_lines"_s).toLongLong(), split);
}

void TestQifImport::progressSignalsAndEventLoop()
{
    ImportFixture f;
    const Account checking = f.db.addAccount(u"Checking"_s);
    QStringList lines{u"!Type:Bank"_s};
    for (int i = 0; i < 250; ++i)
        lines << u"D1/2/2024"_s << u"T-%1"_s.arg(i + 1) << u"PShop"_s << u"^"_s;
    lines << u"PNo date"_s << u"^"_s;
    const QString path = f.file(u"p.qif"_s, lines);

    bool running = false;
    bool timerRanDuringImport = false;
    connect(&f.service, &ImportService::importStarted, this, [&] { running = true; });
    QTimer::singleShot(0, this, [&] { timerRanDuringImport = running; });
    QSignalSpy started(&f.service, &ImportService::importStarted);
    QSignalSpy progress(&f.service, &ImportService::importProgress);
    const ImportResult r = f.service.importQif({path}, {{path, checking.id}});
    running = false;

    QCOMPARE(r.imported, 250);
    QCOMPARE(r.unparseable, 1);
    QCOMPARE(started.size(), 1);
    QCOMPARE(started.first().first().toInt(), 250);
    QList<int> currents;
    for (const QVariantList &args : std::as_const(progress)) {
        currents << args.at(0).toInt();
        QCOMPARE(args.at(1).toInt(), 250);
    }
    QCOMPARE(currents, (QList<int>{0, 100, 200, 250}));
    QVERIFY(timerRanDuringImport);
}

void TestQifImport::unreadableFilesAreSkipped()
{
    ImportFixture f;
    const Account checking = f.db.addAccount(u"Checking"_s);
    const QString missing = f.dir.filePath(u"missing.qif"_s);
    QVERIFY(!ImportService::parseQif(missing));
    const ImportResult r = f.service.importQif({missing, f.file(u"checking.qif"_s, kCheckingLines)},
                                               {{u"Checking"_s, checking.id}});
    QVERIFY(!r.failed);
    QCOMPARE(r.imported, 2);
    QCOMPARE(r.unmapped, 0);
    // The unmapped savings source counts, and its transfer keeps a hint.
    const ImportResult none = f.service.importQif({f.file(u"savings.qif"_s, kSavingsLines)}, {});
    QCOMPARE(none.unmapped, 1);
    QCOMPARE(none.imported, 0);
}

void TestQifImport::secondImportWhileRunningIsRefused()
{
    ImportFixture f;
    const Account checking = f.db.addAccount(u"Checking"_s);
    const QString path = f.file(u"checking.qif"_s, kCheckingLines);
    std::optional<ImportResult> nested;
    connect(&f.service, &ImportService::importStarted, this,
            [&] { nested = f.service.importQif({path}, {{u"Checking"_s, checking.id}}); });
    const ImportResult outer = f.service.importQif({path}, {{u"Checking"_s, checking.id}});
    QVERIFY(nested && nested->failed);
    QCOMPARE(nested->imported, 0);
    QVERIFY(!outer.failed);
    QCOMPARE(outer.imported, 2);
    QCOMPARE(f.rows(checking.id).size(), 2);
}

PENWICK_TEST_MAIN(TestQifImport)
#include "tst_qifimport.moc"
