#include "testsupport.h"

#include "ui/statusbar.h"

#include <QLabel>
#include <QTranslator>

namespace {

// An English catalogue in miniature for the status bar's plural texts.
class PluralTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int n) const override
    {
        if (qstrcmp(context, "StatusBar") != 0)
            return {};
        const QByteArray source(sourceText);
        if (source == "%n account(s)")
            return n == 1 ? u"%n account"_s : u"%n accounts"_s;
        if (source == "  •  %n recurring due")
            return n == 1 ? u"  •  %n recurring item due"_s : u"  •  %n recurring items due"_s;
        return {};
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestStatusBar : public QObject
{
    Q_OBJECT
private slots:
    void pluralTexts_data();
    void pluralTexts();
    void messageReplacesProgressAndExpires();
};

void TestStatusBar::pluralTexts_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("accounts");
    QTest::addColumn<QString>("due");
    QTest::newRow("none") << 0 << u"0 accounts"_s << QString();
    QTest::newRow("one") << 1 << u"1 account"_s << u"  •  1 recurring item due"_s;
    QTest::newRow("many") << 1234 << u"1234 accounts"_s << u"  •  1234 recurring items due"_s;
}

void TestStatusBar::pluralTexts()
{
    QFETCH(int, count);
    QFETCH(QString, accounts);
    QFETCH(QString, due);
    PluralTranslator translator;
    QCoreApplication::installTranslator(&translator);
    StatusBar bar;
    bar.applyThemeColors();
    // A count shown earlier must disappear again when nothing is due.
    bar.setRecurringDueCount(3);
    bar.setAccountCount(count);
    bar.setRecurringDueCount(count);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(bar.accountCountText(), accounts);
    QCOMPARE(bar.recurringDueText(), due);
    QCOMPARE(bar.findChild<QLabel *>(u"recurringDueLabel"_s)->isHidden(), due.isEmpty());
}

void TestStatusBar::messageReplacesProgressAndExpires()
{
    StatusBar bar;
    bar.show();
    bar.setSyncText(u"Not signed in"_s);
    bar.showProgress(u"Checking for updates..."_s);
    QVERIFY(bar.isProgressShown());
    QCOMPARE(bar.progressText(), u"Checking for updates..."_s);
    bar.showStatusMessage(u"You are up to date."_s, 50);
    QVERIFY(!bar.isProgressShown());
    QCOMPARE(bar.currentMessage(), u"You are up to date."_s);
    QTRY_COMPARE(bar.currentMessage(), QString());
    QCOMPARE(bar.syncText(), u"Not signed in"_s);
}

PENWICK_TEST_MAIN(TestStatusBar)
#include "tst_statusbar.moc"
