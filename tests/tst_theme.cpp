#include "testsupport.h"

#include "app/palettecolors.h"
#include "app/thememanager.h"
#include "storage/preferencesrepository.h"

#include <QSignalSpy>

class TestTheme : public QObject
{
    Q_OBJECT
private slots:
    void palettesHoldTheirColours_data();
    void palettesHoldTheirColours();
    void unlistedRolesKeepDefaults();
    void setTheme_data();
    void setTheme();
    void signalEvenWithoutChange();
    void colourHelpersFollowInstalledPalette();
};

void TestTheme::palettesHoldTheirColours_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("light");
    QTest::addColumn<QString>("dark");
    const int active = QPalette::Active;
    const int inactive = QPalette::Inactive;
    const int disabled = QPalette::Disabled;
    QTest::newRow("window") << active << int(QPalette::Window) << u"#fafbfa"_s << u"#0f1e19"_s;
    QTest::newRow("base") << inactive << int(QPalette::Base) << u"#ffffff"_s << u"#152420"_s;
    QTest::newRow("alternate base") << active << int(QPalette::AlternateBase) << u"#f2f7f4"_s << u"#1a2e28"_s;
    QTest::newRow("button") << active << int(QPalette::Button) << u"#e0ebe5"_s << u"#1e3530"_s;
    QTest::newRow("highlight") << active << int(QPalette::Highlight) << u"#00897b"_s << u"#4db6ac"_s;
    QTest::newRow("highlighted text") << active << int(QPalette::HighlightedText) << u"#ffffff"_s << u"#0f1e19"_s;
    QTest::newRow("tooltip base") << active << int(QPalette::ToolTipBase) << u"#ffffff"_s << u"#1e3530"_s;
    QTest::newRow("placeholder") << active << int(QPalette::PlaceholderText) << u"#6e8a7e"_s << u"#8faf9f"_s;
    QTest::newRow("mid") << active << int(QPalette::Mid) << u"#d8e0db"_s << u"#2a4038"_s;
    QTest::newRow("light role") << active << int(QPalette::Light) << u"#ffffff"_s << u"#2a4038"_s;
    QTest::newRow("dark role") << active << int(QPalette::Dark) << u"#9bb0a3"_s << u"#0a1510"_s;
    QTest::newRow("text active") << active << int(QPalette::Text) << u"#1b2d26"_s << u"#d8e8df"_s;
    QTest::newRow("text disabled") << disabled << int(QPalette::Text) << u"#8a9e92"_s << u"#7f9a8e"_s;
    QTest::newRow("window text disabled") << disabled << int(QPalette::WindowText) << u"#8a9e92"_s << u"#7f9a8e"_s;
    QTest::newRow("button text disabled") << disabled << int(QPalette::ButtonText) << u"#8a9e92"_s << u"#7f9a8e"_s;
    QTest::newRow("base disabled stays") << disabled << int(QPalette::Base) << u"#ffffff"_s << u"#152420"_s;
}

void TestTheme::palettesHoldTheirColours()
{
    QFETCH(int, group);
    QFETCH(int, role);
    QFETCH(QString, light);
    QFETCH(QString, dark);
    const auto g = QPalette::ColorGroup(group);
    const auto r = QPalette::ColorRole(role);
    QCOMPARE(ThemeManager::lightPalette().color(g, r).name(), light);
    QCOMPARE(ThemeManager::darkPalette().color(g, r).name(), dark);
}

void TestTheme::unlistedRolesKeepDefaults()
{
    const QPalette defaults;
    QCOMPARE(ThemeManager::darkPalette().color(QPalette::Link), defaults.color(QPalette::Link));
    QCOMPARE(ThemeManager::lightPalette().color(QPalette::Shadow), defaults.color(QPalette::Shadow));
}

void TestTheme::setTheme_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("systemDark");
    QTest::addColumn<int>("theme");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("darkInstalled");

    QTest::newRow("light") << u"light"_s << true << int(ThemeManager::Light) << u"light"_s << false;
    QTest::newRow("dark") << u"dark"_s << false << int(ThemeManager::Dark) << u"dark"_s << true;
    QTest::newRow("capital Dark is system") << u"Dark"_s << false << int(ThemeManager::System) << u"system"_s << false;
    QTest::newRow("system on a dark desktop") << u"system"_s << true << int(ThemeManager::System) << u"system"_s << true;
    QTest::newRow("system on a light desktop") << u"system"_s << false << int(ThemeManager::System) << u"system"_s << false;
    QTest::newRow("empty is system") << QString() << true << int(ThemeManager::System) << u"system"_s << true;
}

void TestTheme::setTheme()
{
    QFETCH(QString, name);
    QFETCH(bool, systemDark);
    QFETCH(int, theme);
    QFETCH(QString, stored);
    QFETCH(bool, darkInstalled);
    TestDatabase t;
    ThemeManager manager(t.preferences);
    manager.setSystemDarkProbe([systemDark] { return systemDark; });
    QSignalSpy changed(&manager, &ThemeManager::themeChanged);
    manager.setTheme(name);
    QCOMPARE(int(manager.currentTheme()), theme);
    QCOMPARE(t.preferences->value(u"theme"_s), stored);
    QCOMPARE(isDarkPalette(), darkInstalled);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(int(changed.first().first().value<ThemeManager::Theme>()), theme);
}

void TestTheme::signalEvenWithoutChange()
{
    TestDatabase t;
    ThemeManager manager(t.preferences);
    QSignalSpy changed(&manager, &ThemeManager::themeChanged);
    manager.setTheme(u"dark"_s);
    manager.setTheme(u"dark"_s);
    QCOMPARE(changed.count(), 2);
}

void TestTheme::colourHelpersFollowInstalledPalette()
{
    TestDatabase t;
    ThemeManager manager(t.preferences);
    manager.setTheme(u"dark"_s);
    QVERIFY(isDarkPalette());
    QCOMPARE(negativeAmountColor().name(), u"#ff8a80"_s);
    QCOMPARE(positiveAmountColor().name(), u"#66bb6a"_s);
    QCOMPARE(warningColor().name(), u"#ffa726"_s);
    manager.setTheme(u"light"_s);
    QVERIFY(!isDarkPalette());
    QCOMPARE(negativeAmountColor().name(), u"#c62828"_s);
    QCOMPARE(positiveAmountColor().name(), u"#2e7d32"_s);
    QCOMPARE(warningColor().name(), u"#e65100"_s);
    // A platform palette is judged by its own window colour.
    QPalette grey;
    grey.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    QGuiApplication::setPalette(grey);
    QVERIFY(!isDarkPalette());
    grey.setColor(QPalette::Window, QColor(0x7e, 0x7e, 0x7e));
    QGuiApplication::setPalette(grey);
    QVERIFY(isDarkPalette());
}

PENWICK_TEST_MAIN(TestTheme)
#include "tst_theme.moc"
