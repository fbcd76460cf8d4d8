#include "testsupport.h"

#include "app/palettecolors.h"
#include "app/thememanager.h"
#include "storage/preferencesrepository.h"

#include <QSignalSpy>

class TestTheme : public QObject
{
    Q_OBJECT
private slots:
    void setTheme_data();
    void setTheme();
};

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
    manager.setTheme(name);
    QCOMPARE(int(manager.currentTheme()), theme);
    QCOMPARE(t.preferences->value(u"theme"_s), stored);
    QCOMPARE(isDarkPalette(), darkInstalled);
    // Negative amounts must differ from the text colour in either theme.
    QVERIFY(negativeAmountColor() != QGuiApplication::palette().color(QPalette::Text));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(int(changed.first().first().value<ThemeManager::Theme>()), theme);
}

PENWICK_TEST_MAIN(TestTheme)
#include "tst_theme.moc"
