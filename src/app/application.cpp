#include "application.h"

#include "appconfig.h"
#include "appstate.h"
#include "ui/mainwindow.h"

#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
#include <cstdio>

using namespace Qt::StringLiterals;

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

} // namespace

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
    if (environmentValue("PENWICK_VERBOSE").isEmpty())
        qInstallMessageHandler(quietMessageHandler);

    setOrganizationName(u"Velmora"_s);
    setOrganizationDomain(u"velmora.example"_s);
    setApplicationName(u"Penwick"_s);
    setApplicationVersion(u"1.0.8"_s);

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
    if (language != u"en") {
        m_qtTranslator = new QTranslator(this);
        if (m_qtTranslator->load(QLocale(language), u"qtbase"_s, u"_"_s,
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            installTranslator(m_qtTranslator);
        } else {
            delete m_qtTranslator;
            m_qtTranslator = nullptr;
        }
    }
    m_appTranslator = new QTranslator(this);
    if (m_appTranslator->load(u":/i18n/penwick_%1.qm"_s.arg(language))) {
        installTranslator(m_appTranslator);
    } else {
        delete m_appTranslator;
        m_appTranslator = nullptr;
    }
}

int Application::run()
{
    m_appState = new AppState(this);
    if (!m_appState->initialize()) {
        QMessageBox box(QMessageBox::Critical, tr("Database Error"),
                        tr("Failed to initialize the database.\n\nData directory: %1\n\n"
                           "Please check file permissions and try again.").arg(dataDirectory()),
                        QMessageBox::Ok);
        box.exec();
        return 1;
    }

    m_mainWindow = new MainWindow(m_appState);
    m_mainWindow->show();
    return exec();
}
