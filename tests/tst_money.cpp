#include "testsupport.h"

#include "app/money.h"

class TestMoney : public QObject
{
    Q_OBJECT
private slots:
    void format_data();
    void format();
    void parse_data();
    void parse();
    void roundTrip_data();
    void roundTrip();
    void independentOfUiLanguage();
};

void TestMoney::format_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<int>("currency");
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("plain");

    QTest::newRow("small negative USD") << qint64(-5) << 0 << u"-$0.05"_s << u"-0.05"_s;
    QTest::newRow("zero USD") << qint64(0) << 0 << u"$0.00"_s << u"0.00"_s;
    QTest::newRow("grouped EUR") << qint64(123456789) << 1 << u"€1,234,567.89"_s << u"1,234,567.89"_s;
    QTest::newRow("GBP") << qint64(100) << 2 << u"£1.00"_s << u"1.00"_s;
    QTest::newRow("CAD negative") << qint64(-123456) << 3 << u"-$1,234.56"_s << u"-1,234.56"_s;
    QTest::newRow("AUD under a dollar") << qint64(7) << 4 << u"$0.07"_s << u"0.07"_s;
    QTest::newRow("JPY whole units") << qint64(1500) << 5 << u"¥1,500"_s << u"1,500"_s;
    QTest::newRow("JPY negative") << qint64(-12345) << 5 << u"-¥12,345"_s << u"-12,345"_s;
    QTest::newRow("unknown currency uses dollars and cents") << qint64(250) << 9 << u"$2.50"_s << u"2.50"_s;
    QTest::newRow("negative index") << qint64(250) << -1 << u"$2.50"_s << u"2.50"_s;
    QTest::newRow("int64 minimum does not overflow")
        << std::numeric_limits<qint64>::min() << 0 << u"-$92,233,720,368,547,758.08"_s
        << u"-92,233,720,368,547,758.08"_s;
}

void TestMoney::format()
{
    QFETCH(qint64, amount);
    QFETCH(int, currency);
    QFETCH(QString, money);
    QFETCH(QString, plain);
    QCOMPARE(formatMoney(amount, currency), money);
    QCOMPARE(formatAmount(amount, currency), plain);
}

void TestMoney::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("currency");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("symbol and grouping") << u"$1,234.56"_s << 0 << qint64(123456);
    QTest::newRow("negative whole") << u"-12"_s << 0 << qint64(-1200);
    QTest::newRow("not a number") << u"abc"_s << 0 << qint64(0);
    QTest::newRow("parentheses are not negative") << u"(12.00)"_s << 0 << qint64(0);
    QTest::newRow("blanks") << u"   "_s << 0 << qint64(0);
    QTest::newRow("empty") << QString() << 0 << qint64(0);
    QTest::newRow("half cent rounds up") << u"12.345"_s << 0 << qint64(1235);
    QTest::newRow("smallest half cent") << u"0.005"_s << 0 << qint64(1);
    QTest::newRow("below half cent") << u"0.004"_s << 0 << qint64(0);
    QTest::newRow("negative half cent rounds away from zero") << u"-0.005"_s << 0 << qint64(-1);
    QTest::newRow("leading point") << u".5"_s << 0 << qint64(50);
    QTest::newRow("trailing point") << u"7."_s << 0 << qint64(700);
    QTest::newRow("euro sign only removed for EUR") << u"€3.50"_s << 0 << qint64(0);
    QTest::newRow("euro in EUR") << u"€3.50"_s << 1 << qint64(350);
    QTest::newRow("pound with spaces") << u" £ 2.25 "_s << 2 << qint64(225);
    QTest::newRow("decimal comma is grouping") << u"1,5"_s << 0 << qint64(1500);
    QTest::newRow("exponent form") << u"1e2"_s << 0 << qint64(10000);
    QTest::newRow("infinity is not an amount") << u"inf"_s << 0 << qint64(0);
    QTest::newRow("overflow is not an amount") << u"1e300"_s << 0 << qint64(0);
    QTest::newRow("JPY with symbol") << u"¥1,500"_s << 5 << qint64(1500);
    QTest::newRow("JPY negative") << u"-300"_s << 5 << qint64(-300);
    QTest::newRow("JPY fraction is invalid") << u"12.5"_s << 5 << qint64(0);
    QTest::newRow("only the first minus counts") << u"--5"_s << 0 << qint64(500);
}

void TestMoney::parse()
{
    QFETCH(QString, text);
    QFETCH(int, currency);
    QFETCH(qint64, expected);
    QCOMPARE(parseAmount(text, currency), expected);
}

void TestMoney::roundTrip_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<int>("currency");
    for (int currency = 0; currency <= 5; ++currency) {
        for (qint64 amount : {qint64(0), qint64(1), qint64(-99), qint64(100000), qint64(-987654321)})
            QTest::addRow("c%d %lld", currency, static_cast<long long>(amount)) << amount << currency;
    }
}

void TestMoney::roundTrip()
{
    QFETCH(qint64, amount);
    QFETCH(int, currency);
    QCOMPARE(parseAmount(formatMoney(amount, currency), currency), amount);
    QCOMPARE(parseAmount(formatAmount(amount, currency), currency), amount);
}

void TestMoney::independentOfUiLanguage()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString formatted = formatMoney(123456, 1);
    const qint64 parsed = parseAmount(u"1,234.56"_s, 1);
    QLocale::setDefault(saved);
    QCOMPARE(formatted, u"€1,234.56"_s);
    QCOMPARE(parsed, qint64(123456));
}

PENWICK_TEST_MAIN(TestMoney)
#include "tst_money.moc"
