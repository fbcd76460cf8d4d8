#pragma once

#include <QObject>
#include <QPalette>
#include <functional>

class PreferencesRepository;

class ThemeManager final : public QObject
{
    Q_OBJECT
public:
    enum Theme { System = 0, Light = 1, Dark = 2 };
    Q_ENUM(Theme)

    explicit ThemeManager(PreferencesRepository *preferences, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ThemeManager)

    Theme currentTheme() const { return m_theme; }
    void setTheme(const QString &name);

    static QPalette lightPalette();
    static QPalette darkPalette();

    // Replaces the question "does the platform prefer dark?"; tests use it to
    // stand in for a desktop in dark mode.
    void setSystemDarkProbe(std::function<bool()> probe) { m_systemIsDark = std::move(probe); }

signals:
    void themeChanged(ThemeManager::Theme theme);

private:
    static void install(const QPalette &palette);

    PreferencesRepository *m_preferences;
    Theme m_theme = System;
    std::function<bool()> m_systemIsDark;
};
