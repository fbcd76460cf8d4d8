#include "appconfig.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>
#include <QUrlQuery>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QString kApplicationVersion = u"1.0.8"_s;

} // namespace

QString environmentValue(const char *name)
{
    const QByteArray raw = qgetenv(name);
    return raw.isEmpty() ? QString() : QString::fromUtf8(raw);
}

VelmUpdate::UpdateConfig updateConfig()
{
    const QString override = environmentValue("UPDATE_BASE_URL");
    VelmUpdate::UpdateConfig config;
    config.product = u"penwick"_s;
    config.channel = u"stable"_s;
    config.manifestBaseUrl = QUrl(override.isEmpty() ? u"https://downloads.velmora.example/penwick/stable/"_s : override);
    config.currentVersion = kApplicationVersion;
    return config;
}

FeedbackConfig feedbackConfig()
{
    return {u"penwick"_s, QUrl(u"https://feedback.velmora.example"_s)};
}

namespace {

QString endpoint(const char *variable, const QString &fallback)
{
    const QString value = environmentValue(variable);
    return value.isEmpty() ? fallback : value;
}

} // namespace

VelmAccount::ClientConfig accountClientConfig()
{
    VelmAccount::ClientConfig config;
    config.authBaseUrl = endpoint("AUTH_BASE_URL", u"https://auth.velmora.example"_s);
    config.realm = endpoint("AUTH_REALM_SLUG", u"velmora"_s);
    config.accountApiUrl = endpoint("ACCOUNT_API_URL", u"https://api.velmora.example/account/v1"_s);
    config.clientId = endpoint("AUTH_CLIENT_ID", u"5e0d2a9c7b3f4186a2d4c0e9b1f7a364"_s);
    config.appId = u"example.velmora.penwick"_s;
    config.appName = u"Velmora Penwick"_s;
    config.appVersion = kApplicationVersion;
    config.portalUrl = endpoint("ACCOUNT_PORTAL_URL", u"https://account.velmora.example"_s);
    return config;
}

QString syncApiUrl()
{
    return endpoint("SYNC_API_URL", u"https://api.velmora.example/penwick/v1"_s);
}

void openFeedbackPage(const FeedbackConfig &config)
{
    QUrl url = config.baseUrl;
    QString path = url.path();
    if (!path.endsWith(u'/'))
        url.setPath(path + u'/');
    QUrlQuery query;
    query.addQueryItem(u"tags"_s, config.product);
    url.setQuery(query);
    if (!QDesktopServices::openUrl(url))
        qWarning() << "openFeedbackPage: could not open" << url;
}

QString dataDirectory()
{
    QString dir = environmentValue("PENWICK_DATA_DIR");
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Velmora/Penwick"_s;
    // A failure surfaces later, when the database cannot be opened.
    QDir(dir).mkpath(u"."_s);
    return dir;
}

QString databasePath()
{
    return dataDirectory() + u"/penwick.db"_s;
}

QStringList supportedLanguages()
{
    return {u"en"_s, u"es"_s, u"de"_s, u"fr"_s, u"ja"_s};
}

QString resolveLanguage(const QString &stored, bool resolveSystem, const QString &systemLocaleName)
{
    if (!resolveSystem || stored != u"system")
        return stored;
    const QString prefix = systemLocaleName.left(2);
    return supportedLanguages().contains(prefix) ? prefix : u"en"_s;
}

QString currentLanguage(bool resolveSystem)
{
    const QString stored = QSettings().value(u"ui/language"_s, u"system"_s).toString();
    return resolveLanguage(stored, resolveSystem, QLocale::system().name());
}

void setLanguage(const QString &language)
{
    QSettings().setValue(u"ui/language"_s, language);
}

int &weekStartDay()
{
    static int day = static_cast<int>(QLocale::system().firstDayOfWeek());
    return day;
}

void setApplicationIdentity()
{
    QCoreApplication::setOrganizationName(u"Velmora"_s);
    QCoreApplication::setOrganizationDomain(u"velmora.example"_s);
    QCoreApplication::setApplicationName(u"Penwick"_s);
    QCoreApplication::setApplicationVersion(kApplicationVersion);
}

namespace {

void quietMessageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    switch (type) {
    case QtDebugMsg:
    case QtInfoMsg:
        return;
    case QtWarningMsg:
        std::fprintf(stderr, "WARN: %s\n", message.toLocal8Bit().constData());
        break;
    default:
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        break;
    }
}

QTranslator *installIfLoaded(QTranslator *translator, bool loaded, QCoreApplication *app)
{
    if (!loaded) {
        delete translator;
        return nullptr;
    }
    app->installTranslator(translator);
    return translator;
}

} // namespace

void installQuietMessageHandlerUnlessVerbose()
{
    if (environmentValue("PENWICK_VERBOSE").isEmpty())
        qInstallMessageHandler(quietMessageHandler);
}

QTranslator *installFrameworkTranslator(const QString &language, QCoreApplication *app)
{
    if (language == u"en")
        return nullptr;
    auto *translator = new QTranslator(app);
    const bool loaded = translator->load(QLocale(language), u"qtbase"_s, u"_"_s,
                                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return installIfLoaded(translator, loaded, app);
}

QTranslator *installAppTranslator(const QString &language, QCoreApplication *app)
{
    auto *translator = new QTranslator(app);
    const bool loaded = translator->load(u":/i18n/penwick_%1.qm"_s.arg(language));
    return installIfLoaded(translator, loaded, app);
}
