// penwick-cli: the register from the command line. It opens the database the
// way the program does (AppState) and calls the same services, so what it
// stores is exactly what the program would store.

#include "app/appconfig.h"
#include "clirunner.h"

#include <QGuiApplication>

namespace {

QtMessageHandler g_forward = nullptr;
bool g_started = false;

// Scripts read this tool's output: the framework's own start-up and platform
// notes (a headless machine's missing XDG_RUNTIME_DIR, the offscreen
// platform) are not ours to print. PENWICK_VERBOSE shows them again.
void cliMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg && (!g_started || qstrncmp(context.category, "qt.", 3) == 0))
        return;
    g_forward(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    installQuietMessageHandlerUnlessVerbose();
    if (qEnvironmentVariableIsEmpty("PENWICK_VERBOSE"))
        g_forward = qInstallMessageHandler(cliMessageHandler);
    // The theme manager needs a GUI application, but nothing is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    g_started = true;

    // The program's identity and catalogues, so settings, data paths and the
    // texts it stores (sample data, category names) are the same.
    setApplicationIdentity();
    const QString language = currentLanguage(true);
    installFrameworkTranslator(language, &app);
    installAppTranslator(language, &app);

    CliRunner runner;
    return runner.run(QCoreApplication::arguments());
}
