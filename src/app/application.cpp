#include "application.h"

#include "appconfig.h"
#include "appstate.h"
#include "updatestartup.h"
#include "ui/mainwindow.h"

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

int Application::run()
{
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

    auto *updates = new UpdateStartup(m_appState->preferencesRepository(), m_mainWindow, this);
    updates->showWhatsNewIfNew();
    QTimer::singleShot(1500, updates, &UpdateStartup::runCheck);
    return exec();
}
