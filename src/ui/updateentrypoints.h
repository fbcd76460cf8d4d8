#pragma once

#include "update/updateconfig.h"
#include "updateuicallbacks.h"

#include <QCoreApplication>

class QWidget;

namespace VelmUpdate {

// The three ways the application shows update information. Each keeps only a
// weak reference to `parent`: when it is gone by the time an answer arrives,
// no dialog is created. Dialogs delete themselves when closed.
class UpdateEntryPoints final
{
    Q_DECLARE_TR_FUNCTIONS(UpdateEntryPoints)
public:
    // After an upgrade: the running version's notes, or nothing.
    static void showWhatsNew(const UpdateConfig &config, const QString &productName, QWidget *parent);
    // The menu's what's-new; falls back to a newer release's notes.
    static void showWhatsNewInteractive(const UpdateConfig &config, const QString &productName, QWidget *parent,
                                        const UpdateUiCallbacks &callbacks);
    static void checkForUpdatesInteractive(const UpdateConfig &config, const QString &productName, QWidget *parent,
                                           const UpdateUiCallbacks &callbacks);
};

} // namespace VelmUpdate
