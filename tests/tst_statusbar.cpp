#include "testsupport.h"

#include "app/thememanager.h"
#include "ui/statusbar.h"

#include <QLabel>
#include <QProgressBar>
#include <QTranslator>

namespace {

// An English catalogue in miniature: singular for one, plural otherwise, and
// only for the status bar's own context.
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

QColor shownColour(QWidget *widget)
{
    widget->ensurePolished();
    return widget->palette().color(widget->foregroundRole());
}

QLabel *label(StatusBar &bar, const char *name)
{
    return bar.findChild<QLabel *>(QString::fromLatin1(name));
}

void usePalette(bool dark)
{
    QApplication::setPalette(dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette());
}

} // namespace

class TestStatusBar : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void startsOfflineWithOnlyTheSyncLabel();
    void pluralTexts_data();
    void pluralTexts();
    void dueLabelColourFollowsTheme_data();
    void dueLabelColourFollowsTheme();
    void themeSwitchRecoloursAtOnceExceptDueLabel();
    void progressAndMessages();
    void temporaryMessageExpires();
};

void TestStatusBar::cleanup()
{
    usePalette(false);
}

void TestStatusBar::startsOfflineWithOnlyTheSyncLabel()
{
    StatusBar bar;
    QCOMPARE(bar.syncText(), u"Offline"_s);
    QCOMPARE(bar.accountCountText(), QString());
    QCOMPARE(bar.recurringDueText(), QString());
    QVERIFY(!bar.isProgressShown());
    QVERIFY(label(bar, "recurringDueLabel")->isHidden());
    QVERIFY(label(bar, "progressLabel")->isHidden());

    auto *busy = bar.findChild<QProgressBar *>(u"busyIndicator"_s);
    QVERIFY(busy);
    QCOMPARE(busy->minimum(), 0);
    QCOMPARE(busy->maximum(), 0);
    QVERIFY(!busy->isTextVisible());
    QVERIFY(busy->maximumWidth() <= 100);
    QVERIFY(busy->maximumHeight() <= 14);

    bar.setSyncText(u"Not signed in"_s);
    QCOMPARE(bar.syncText(), u"Not signed in"_s);
}

void TestStatusBar::pluralTexts_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("accounts");
    QTest::addColumn<QString>("due");

    QTest::newRow("none") << 0 << u"0 accounts"_s << QString();
    QTest::newRow("one") << 1 << u"1 account"_s << u"  •  1 recurring item due"_s;
    QTest::newRow("two") << 2 << u"2 accounts"_s << u"  •  2 recurring items due"_s;
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
    // A count shown earlier must disappear again when nothing is due.
    bar.setRecurringDueCount(3);
    bar.setAccountCount(count);
    bar.setRecurringDueCount(count);
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(bar.accountCountText(), accounts);
    QCOMPARE(bar.recurringDueText(), due);
    QCOMPARE(label(bar, "recurringDueLabel")->isHidden(), due.isEmpty());

    bar.setRecurringDueCount(-count);
    QCOMPARE(bar.recurringDueText(), QString());
}

void TestStatusBar::dueLabelColourFollowsTheme_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QColor>("due");
    QTest::addColumn<QColor>("muted");

    QTest::newRow("light") << false << QColor(0xE6, 0x51, 0x00) << QColor(0x2A, 0x3D, 0x33);
    QTest::newRow("dark") << true << QColor(0xFF, 0xA7, 0x26) << QColor(0x8F, 0xAF, 0x9F);
}

void TestStatusBar::dueLabelColourFollowsTheme()
{
    QFETCH(bool, dark);
    QFETCH(QColor, due);
    QFETCH(QColor, muted);

    usePalette(dark);
    StatusBar bar;
    bar.applyThemeColors();
    bar.setAccountCount(2);
    bar.setRecurringDueCount(2);

    QLabel *dueLabel = label(bar, "recurringDueLabel");
    QCOMPARE(shownColour(dueLabel), due);
    QVERIFY(dueLabel->font().bold());
    QCOMPARE(shownColour(label(bar, "accountCountLabel")), muted);
    QCOMPARE(shownColour(label(bar, "syncLabel")), muted);
}

void TestStatusBar::themeSwitchRecoloursAtOnceExceptDueLabel()
{
    const QColor darkDue(0xFF, 0xA7, 0x26);
    const QColor lightDue(0xE6, 0x51, 0x00);
    const QColor lightMuted(0x2A, 0x3D, 0x33);

    usePalette(true);
    StatusBar bar;
    bar.applyThemeColors();
    bar.setRecurringDueCount(1);

    usePalette(false);
    bar.applyThemeColors();
    QCOMPARE(shownColour(label(bar, "syncLabel")), lightMuted);
    QCOMPARE(shownColour(label(bar, "accountCountLabel")), lightMuted);
    QCOMPARE(shownColour(label(bar, "recurringDueLabel")), darkDue);

    bar.setRecurringDueCount(1);
    QCOMPARE(shownColour(label(bar, "recurringDueLabel")), lightDue);
}

void TestStatusBar::progressAndMessages()
{
    StatusBar bar;
    bar.show();

    bar.showProgress(u"Checking for updates..."_s);
    QVERIFY(bar.isProgressShown());
    QCOMPARE(bar.progressText(), u"Checking for updates..."_s);

    // The framework's own message display leaves the progress alone...
    bar.showMessage(u"Sync complete"_s, 2000);
    QVERIFY(bar.isProgressShown());

    // ...the bar's message operation clears it first.
    bar.showStatusMessage(u"You are up to date."_s, 5000);
    QVERIFY(!bar.isProgressShown());
    QCOMPARE(bar.progressText(), QString());
    QCOMPARE(bar.currentMessage(), u"You are up to date."_s);

    bar.showProgress(u"Downloading..."_s);
    QVERIFY(bar.isProgressShown());
    bar.hideProgress();
    QVERIFY(!bar.isProgressShown());
    QCOMPARE(bar.currentMessage(), u"You are up to date."_s);
}

void TestStatusBar::temporaryMessageExpires()
{
    StatusBar bar;
    bar.show();
    bar.showStatusMessage(u"Select an account first"_s, 50);
    QCOMPARE(bar.currentMessage(), u"Select an account first"_s);
    QTRY_COMPARE(bar.currentMessage(), QString());
}

PENWICK_TEST_MAIN(TestStatusBar)
#include "tst_statusbar.moc"
