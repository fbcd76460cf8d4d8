#include "updatestartup.h"

#include "appconfig.h"
#include "storage/preferencesrepository.h"
#include "ui/updatedialog.h"
#include "ui/updateentrypoints.h"
#include "update/client.h"
#include "update/version.h"

#include <QCoreApplication>
#include <QSettings>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

const QString kLastShownKey = u"whatsNew/lastShownVersion"_s;
const QString kLegacyLastShownKey = u"last_whats_new_version"_s;
const QString kDismissedKey = u"update_dismissed_version"_s;
const QString kProductName = u"Velmora Penwick"_s;

} // namespace

UpdateStartup::UpdateStartup(PreferencesRepository *preferences, QWidget *mainWindow, QObject *parent)
    : QObject(parent)
    , m_preferences(preferences)
    , m_mainWindow(mainWindow)
{
}

bool UpdateStartup::showWhatsNewIfNew()
{
    const VelmUpdate::UpdateConfig config = updateConfig();
    QSettings settings;
    QString lastShown = settings.value(kLastShownKey).toString();
    if (lastShown.isEmpty()) {
        const QString legacy = m_preferences->value(kLegacyLastShownKey);
        if (!legacy.isEmpty()) {
            settings.setValue(kLastShownKey, legacy);
            lastShown = legacy;
        }
    }
    if (!(VelmUpdate::Version::parse(lastShown) < VelmUpdate::Version::parse(config.currentVersion)))
        return false;
    // Stored first, so a crash while showing does not show it forever.
    settings.setValue(kLastShownKey, config.currentVersion);
    settings.sync();
    VelmUpdate::UpdateEntryPoints::showWhatsNew(config, kProductName, m_mainWindow);
    return true;
}

void UpdateStartup::runCheck()
{
    const VelmUpdate::UpdateConfig config = updateConfig();
    auto *client = new VelmUpdate::Client(config, QCoreApplication::instance());
    connect(client, &VelmUpdate::Client::updateAvailable, this,
            [this, client, config](const VelmUpdate::Artifact &artifact) {
                client->deleteLater();
                const QString dismissed = m_preferences->value(kDismissedKey);
                const bool alreadyDismissed = !dismissed.isEmpty()
                    && VelmUpdate::Version::parse(artifact.version) <= VelmUpdate::Version::parse(dismissed);
                if (!alreadyDismissed && m_mainWindow) {
                    auto *dialog = new VelmUpdate::UpdateDialog(artifact, config.currentVersion, kProductName,
                                                                m_mainWindow);
                    dialog->setAttribute(Qt::WA_DeleteOnClose);
                    // A mandatory release is offered again at the next start,
                    // however its dialog was closed.
                    if (!artifact.mandatory) {
                        QPointer<PreferencesRepository> preferences(m_preferences);
                        const QString version = artifact.version;
                        connect(dialog, &QDialog::finished, dialog, [preferences, version] {
                            if (preferences)
                                preferences->setValue(kDismissedKey, version);
                        });
                    }
                    dialog->show();
                }
                emit checkHandled();
            });
    connect(client, &VelmUpdate::Client::upToDate, this, [this, client] {
        client->deleteLater();
        emit checkHandled();
    });
    connect(client, &VelmUpdate::Client::checkFailed, this, [this, client](const QString &reason) {
        client->deleteLater();
        qWarning() << "update check failed:" << reason;
        emit checkHandled();
    });
    client->check();
}
