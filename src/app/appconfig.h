#pragma once

#include "account/clientconfig.h"
#include "feedbackconfig.h"
#include "update/updateconfig.h"

#include <QString>
#include <QStringList>

// Process-wide configuration: where the data lives, the interface language and
// the first day of the week.

QString dataDirectory();
QString databasePath();

QStringList supportedLanguages();
QString currentLanguage(bool resolveSystem);
void setLanguage(const QString &language);
// The rule behind currentLanguage, given the stored choice and a locale name
// such as "de_AT".
QString resolveLanguage(const QString &stored, bool resolveSystem, const QString &systemLocaleName);

// 1 = Monday ... 7 = Sunday; starts as the system locale's first day.
int &weekStartDay();

// The update channel; UPDATE_BASE_URL replaces the channel's base URL.
VelmUpdate::UpdateConfig updateConfig();
FeedbackConfig feedbackConfig();
// The account-service endpoints, each overridable by its environment variable.
VelmAccount::ClientConfig accountClientConfig();
// Base URL of the sync service (SYNC_API_URL).
QString syncApiUrl();
// Opens the feedback page, tagged with the product, in the browser.
void openFeedbackPage(const FeedbackConfig &config);

// Reads an environment variable that counts only when present and not empty.
QString environmentValue(const char *name);

class QCoreApplication;
class QTranslator;

// The program's identity: organisation, application name and version, which
// also decide where settings live. Shared by the app and the command line.
void setApplicationIdentity();

// Without PENWICK_VERBOSE only warnings ("WARN: ...") and worse reach
// standard error.
void installQuietMessageHandlerUnlessVerbose();

// Loads and installs the framework's catalogue (not for English) and the
// program's own for `language`; each result is null when it did not load.
QTranslator *installFrameworkTranslator(const QString &language, QCoreApplication *app);
QTranslator *installAppTranslator(const QString &language, QCoreApplication *app);
