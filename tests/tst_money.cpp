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
    void independentOfUiLanguage();
};

void TestMoney::format_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<int>("currency");
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("plain");
    QTest::newRow("small negative") << qint64(-5) << 0 << u"-$0.05"_s << u"-0.05"_s;
    QTest::newRow("grouped EUR") << qint64(123456789) << 1 << u"€1,234,567.89"_s << u"1,234,567.89"_s;
    QTest::newRow("JPY whole units") << qint64(-12345) << 5 << u"-¥12,345"_s << u"-12,345"_s;
    QTest::newRow("unknown currency") << qint64(250) << -1 << u"$2.50"_s << u"2.50"_s;
    QTest::newRow("int64 minimum") << std::numeric_limits<qint64>::min() << 0
                                   << u"-$92,233,720,368,547,758.08"_s << u"-92,233,720,368,547,758.08"_s;
}

void TestMoney::format()
{
    QFETCH(qint64, amount);
    QFETCH(int, currency);
    QFETCH(QString, money);
    QFETCH(QString, plain);
    QCOMPARE(formatMoney(amount, currency), money);
    QCOMPARE(formatAmount(amount, currency), plain);
    if (amount != std::numeric_limits<qint64>::min())
        QCOMPARE(parseAmount(money, currency), amount);
}

void TestMoney::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("currency");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("symbol and grouping") << u"$1,234.56"_s << 0 << qint64(123456);
    QTest::newRow("not a number") << u"abc"_s << 0 << qint64(0);
    QTest::newRow("parentheses") << u"(12.00)"_s << 0 << qint64(0);
    QTest::newRow("half cent rounds on digits") << u"12.345"_s << 0 << qint64(1235);
    QTest::newRow("negative half cent") << u"-0.005"_s << 0 << qint64(-1);
    QTest::newRow("leading point") << u".5"_s << 0 << qint64(50);
    QTest::newRow("foreign symbol") << u"€3.50"_s << 0 << qint64(0);
    QTest::newRow("pound with spaces") << u" £ 2.25 "_s << 2 << qint64(225);
    QTest::newRow("overflow") << u"1e300"_s << 0 << qint64(0);
    QTest::newRow("infinity") << u"inf"_s << 0 << qint64(0);
    QTest::newRow("JPY whole") << u"¥1,500"_s << 5 << qint64(1500);
    QTest::newRow("JPY fraction refused") << u"12.5"_s << 5 << qint64(0);
}

void TestMoney::parse()
{
    QFETCH(QString, text);
    QFETCH(int, currency);
    QFETCH(qint64, expected);
    QCOMPARE(parseAmount(text, currency), expected);
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
