#pragma once

#include <QObject>
#include <QPointer>

class PreferencesRepository;
class QWidget;

// The update work of start-up: the release notes once per new version, and
// the update check whose dialog is not offered again once dismissed.
class UpdateStartup final : public QObject
{
    Q_OBJECT
public:
    UpdateStartup(PreferencesRepository *preferences, QWidget *mainWindow, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(UpdateStartup)

    // Starts the what's-new presentation when this version has not been
    // shown yet; true when it did.
    bool showWhatsNewIfNew();

public slots:
    void runCheck();

signals:
    // The start-up check's outcome has been handled (a dialog may be open).
    void checkHandled();

private:
    PreferencesRepository *m_preferences;
    QPointer<QWidget> m_mainWindow;
};
