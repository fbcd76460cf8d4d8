// penwick-cli: the register from the command line. It opens the database the
// way the program does (AppState) and calls the same services, so what it
// stores is exactly what the program would store.

#include "app/appconfig.h"
#include "clirunner.h"

#include <QGuiApplication>

int main(int argc, char *argv[])
{
    installQuietMessageHandlerUnlessVerbose();
    // The theme manager needs a GUI application, but nothing is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    // The program's identity and catalogues, so settings, data paths and the
    // texts it stores (sample data, category names) are the same.
    setApplicationIdentity();
    const QString language = currentLanguage(true);
    installFrameworkTranslator(language, &app);
    installAppTranslator(language, &app);

    CliRunner runner;
    return runner.run(QCoreApplication::arguments());
}
