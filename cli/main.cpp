// penwick-cli: the register from the command line. It opens the database the
// way the program does (AppState) and calls the same services, so what it
// stores is exactly what the program would store.

#include "app/appconfig.h"
#include "clirunner.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// As in the program: without PENWICK_VERBOSE only warnings and worse reach
// standard error.
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

// The program's catalogues in the user's chosen language, so texts and the
// sample data's category names match what the program writes.
void loadTranslations(QCoreApplication &app)
{
    const QString language = currentLanguage(true);
    if (language != u"en") {
        auto *qt = new QTranslator(&app);
        if (qt->load(QLocale(language), u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
    }
    auto *own = new QTranslator(&app);
    if (own->load(u":/i18n/penwick_%1.qm"_s.arg(language)))
        QCoreApplication::installTranslator(own);
    else
        delete own;
}

} // namespace

int main(int argc, char *argv[])
{
    if (environmentValue("PENWICK_VERBOSE").isEmpty())
        qInstallMessageHandler(quietMessageHandler);
    // The theme manager needs a GUI application, but nothing is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    // The program's identity, so settings and data paths are the same.
    QCoreApplication::setOrganizationName(u"Velmora"_s);
    QCoreApplication::setOrganizationDomain(u"velmora.example"_s);
    QCoreApplication::setApplicationName(u"Penwick"_s);
    QCoreApplication::setApplicationVersion(u"1.0.8"_s);
    loadTranslations(app);

    CliRunner runner;
    return runner.run(QCoreApplication::arguments());
}
