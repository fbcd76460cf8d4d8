#pragma once

#include <QApplication>

class AppState;
class QCommandLineParser;
class MainWindow;
class QTranslator;

class Application final : public QApplication
{
    Q_OBJECT
public:
    Application(int &argc, char **argv);
    ~Application() override;
    Q_DISABLE_COPY_MOVE(Application)

    // Initialises the shared state, shows the main window and runs the event
    // loop. Returns 1 when the database could not be opened or migrated.
    int run();

    // --help and --version need no display: answered before the window
    // system is touched.
    static int printCommandLineInfo(int &argc, char **argv);

    AppState *appState() const { return m_appState; }
    MainWindow *mainWindow() const { return m_mainWindow; }

private:
    static void setUpCommandLine(QCommandLineParser &parser);
    void loadTranslations();

    AppState *m_appState = nullptr;
    MainWindow *m_mainWindow = nullptr;
    QTranslator *m_qtTranslator = nullptr;
    QTranslator *m_appTranslator = nullptr;
};
