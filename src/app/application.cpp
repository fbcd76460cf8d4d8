#include "application.h"

#include "appconfig.h"
#include "appstate.h"
#include "singleinstance.h"
#include "updatestartup.h"
#include "ui/mainwindow.h"

#include <QCommandLineParser>
#include <QFontDatabase>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>

using namespace Qt::StringLiterals;

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
    installQuietMessageHandlerUnlessVerbose();
    setApplicationIdentity();
    loadTranslations();

    setWindowIcon(QIcon(u":/icons/icons/app_icon.png"_s));
    QFontDatabase::addApplicationFont(u":/fonts/fonts/MaterialIcons-Regular.otf"_s);
}

Application::~Application()
{
    delete m_mainWindow;
}

void Application::loadTranslations()
{
    const QString language = currentLanguage(true);
    m_qtTranslator = installFrameworkTranslator(language, this);
    m_appTranslator = installAppTranslator(language, this);
}

void Application::setUpCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(tr("A cheque-book register for household finances."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(u"files"_s, tr("QIF or CSV files to import."), u"[files...]"_s);
}

int Application::printCommandLineInfo(int &argc, char **argv)
{
    QCoreApplication core(argc, argv);
    setApplicationIdentity();
    QCommandLineParser parser;
    setUpCommandLine(parser);
    parser.process(core); // prints and exits for --help and --version
    return 0;
}

int Application::run()
{
    QCommandLineParser parser;
    setUpCommandLine(parser);
    parser.process(arguments());
    const QStringList files = parser.positionalArguments();

    // A second start on the same data hands its files to the running window.
    auto *instance = new SingleInstance(dataDirectory(), this);
    if (instance->forwardToRunning(files))
        return 0;
    instance->listen();

    m_appState = new AppState(this);
    if (!m_appState->initialize()) {
        QString text = tr("Failed to initialize the database.\n\nData directory: %1\n\n"
                          "Please check file permissions and try again.").arg(dataDirectory());
        if (!m_appState->initializeError().isEmpty())
            text += u"\n\n"_s + m_appState->initializeError();
        QMessageBox box(QMessageBox::Critical, tr("Database Error"), text, QMessageBox::Ok);
        box.exec();
        return 1;
    }

    m_mainWindow = new MainWindow(m_appState);
    m_mainWindow->show();
    connect(instance, &SingleInstance::filesReceived, m_mainWindow, [this](const QStringList &received) {
        if (m_mainWindow->isMinimized())
            m_mainWindow->showNormal();
        m_mainWindow->raise();
        m_mainWindow->activateWindow();
        if (!received.isEmpty())
            m_mainWindow->openFiles(received);
    });
    if (!files.isEmpty())
        QTimer::singleShot(0, m_mainWindow, [this, files] { m_mainWindow->openFiles(files); });

    auto *updates = new UpdateStartup(m_appState->preferencesRepository(), m_mainWindow, this);
    updates->showWhatsNewIfNew();
    QTimer::singleShot(1500, updates, &UpdateStartup::runCheck);
    return exec();
}
