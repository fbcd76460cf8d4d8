#include "thememanager.h"

#include "storage/preferencesrepository.h"

#include <QFont>
#include <QGuiApplication>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformtheme.h>

using namespace Qt::StringLiterals;

namespace {

struct RoleColours
{
    QPalette::ColorRole role;
    QRgb light;
    QRgb dark;
};

constexpr RoleColours kRoles[] = {
    {QPalette::Window, 0xFAFBFA, 0x0F1E19},
    {QPalette::WindowText, 0x1B2D26, 0xD8E8DF},
    {QPalette::Base, 0xFFFFFF, 0x152420},
    {QPalette::AlternateBase, 0xF2F7F4, 0x1A2E28},
    {QPalette::Text, 0x1B2D26, 0xD8E8DF},
    {QPalette::Button, 0xE0EBE5, 0x1E3530},
    {QPalette::ButtonText, 0x1B2D26, 0xD8E8DF},
    {QPalette::Highlight, 0x00897B, 0x4DB6AC},
    {QPalette::HighlightedText, 0xFFFFFF, 0x0F1E19},
    {QPalette::ToolTipBase, 0xFFFFFF, 0x1E3530},
    {QPalette::ToolTipText, 0x1B2D26, 0xD8E8DF},
    {QPalette::PlaceholderText, 0x6E8A7E, 0x8FAF9F},
    {QPalette::Mid, 0xD8E0DB, 0x2A4038},
    {QPalette::Light, 0xFFFFFF, 0x2A4038},
    {QPalette::Dark, 0x9BB0A3, 0x0A1510},
};

QPalette buildPalette(bool dark)
{
    QPalette p;
    for (const RoleColours &r : kRoles)
        p.setColor(QPalette::All, r.role, QColor::fromRgb(dark ? r.dark : r.light));
    // Dimmer than live text, yet readable on buttons of either theme.
    const QColor disabled = QColor::fromRgb(dark ? 0x7F9A8E : 0x8A9E92);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    return p;
}

bool platformPrefersDark()
{
    if (const QPlatformTheme *theme = QGuiApplicationPrivate::platformTheme())
        return theme->appearance() == QPlatformTheme::Appearance::Dark;
    return false;
}

} // namespace

ThemeManager::ThemeManager(PreferencesRepository *preferences, QObject *parent)
    : QObject(parent)
    , m_preferences(preferences)
    , m_systemIsDark(platformPrefersDark)
{
}

QPalette ThemeManager::lightPalette() { return buildPalette(false); }
QPalette ThemeManager::darkPalette() { return buildPalette(true); }

void ThemeManager::install(const QPalette &palette)
{
    QGuiApplication::setPalette(palette);
    // Re-setting the font makes every widget re-polish with the new palette.
    QGuiApplication::setFont(QGuiApplication::font());
}

void ThemeManager::setTheme(const QString &name)
{
    if (name == u"light") {
        m_theme = Light;
        install(lightPalette());
    } else if (name == u"dark") {
        m_theme = Dark;
        install(darkPalette());
    } else {
        m_theme = System;
        install(m_systemIsDark && m_systemIsDark() ? darkPalette() : lightPalette());
    }

    static const QString kNames[] = {u"system"_s, u"light"_s, u"dark"_s};
    // Start-up applies the stored theme: rewriting the same value would make
    // every start wait for another program's write lock.
    if (m_preferences && m_preferences->value(u"theme"_s) != kNames[m_theme])
        m_preferences->setValue(u"theme"_s, kNames[m_theme]);
    emit themeChanged(m_theme);
}
