#include "testsupport.h"

#include "app/appconfig.h"
#include "app/application.h"
#include "app/appstate.h"
#include "app/thememanager.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/preferencesrepository.h"
#include "ui/mainwindow.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTimer>
#include <QTranslator>

namespace {

// Points the data directory somewhere for the lifetime of the object.
class DataDirOverride
{
public:
    explicit DataDirOverride(const QString &path)
        : m_saved(qgetenv("PENWICK_DATA_DIR"))
    {
        if (path.isNull())
            qunsetenv("PENWICK_DATA_DIR");
        else
            qputenv("PENWICK_DATA_DIR", path.toUtf8());
    }
    ~DataDirOverride() { qputenv("PENWICK_DATA_DIR", m_saved); }

private:
    QByteArray m_saved;
};

// Seeds a database file with preferences before AppState opens it.
void writePreferences(const QString &dir, const QList<QPair<QString, QString>> &values)
{
    AppState seed;
    DataDirOverride env(dir);
    QVERIFY(seed.initialize());
    for (const auto &[key, value] : values)
        seed.preferencesRepository()->setValue(key, value);
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void dataDirectoryFromEnvironmentIsCreated();
    void lastViewedAccountAndCurrentAccount();
    void databaseErrorBoxAndExitCode();
    void successfulRunShowsMainWindow();
};

void TestStartup::dataDirectoryFromEnvironmentIsCreated()
{
    QTemporaryDir tmp;
    const QString nested = tmp.filePath(u"a/b/c"_s);
    DataDirOverride env(nested);
    QCOMPARE(dataDirectory(), nested);
    QVERIFY(QFileInfo(nested).isDir());
    QCOMPARE(databasePath(), nested + u"/penwick.db"_s);
    AppState state;
    QVERIFY(state.initialize());
    QVERIFY(QFileInfo::exists(nested + u"/penwick.db"_s));
}

void TestStartup::lastViewedAccountAndCurrentAccount()
{
    QTemporaryDir tmp;
    writePreferences(tmp.path(), {{u"lastViewedAccountId"_s, u"acc-1"_s}});
    DataDirOverride env(tmp.path());
    AppState state;
    QSignalSpy current(&state, &AppState::currentAccountChanged);
    QVERIFY(state.initialize());
    QCOMPARE(state.currentAccountId(), u"acc-1"_s);
    QCOMPARE(current.count(), 0); // restored silently

    QSignalSpy prefs(state.preferencesRepository(), &PreferencesRepository::changed);
    state.setCurrentAccountId(u"acc-1"_s);
    QCOMPARE(current.count(), 0);
    QCOMPARE(prefs.count(), 0);
    state.setCurrentAccountId(u"acc-2"_s);
    QCOMPARE(current.count(), 1);
    QCOMPARE(current.first().first().toString(), u"acc-2"_s);
    QCOMPARE(state.preferencesRepository()->value(u"lastViewedAccountId"_s), u"acc-2"_s);
}

void TestStartup::databaseErrorBoxAndExitCode()
{
    QTemporaryDir tmp;
    const QString file = tmp.filePath(u"not-a-directory"_s);
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    DataDirOverride env(file);

    QString title;
    QString text;
    whenShown<QMessageBox>([&](QMessageBox *box) {
        title = box->windowTitle();
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    auto *app = static_cast<Application *>(QCoreApplication::instance());
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(u"^Failed to open database:"_s));
    QCOMPARE(app->run(), 1);
    QCOMPARE(title, u"Database Error"_s);
    QVERIFY2(text.startsWith(u"Failed to initialize the database.\n\nData directory: %1\n\n"
                             "Please check file permissions and try again."_s.arg(file)),
             qPrintable(text));
    QVERIFY(!app->mainWindow());
}

void TestStartup::successfulRunShowsMainWindow()
{
    QTemporaryDir tmp;
    DataDirOverride env(tmp.path());
    auto *app = static_cast<Application *>(QCoreApplication::instance());
    QString title;
    bool visible = false;
    QTimer::singleShot(0, this, [&] {
        if (MainWindow *w = app->mainWindow()) {
            title = w->windowTitle();
            visible = w->isVisible();
        }
        QCoreApplication::exit(0);
    });
    QCOMPARE(app->run(), 0);
    QVERIFY(visible);
    QCOMPARE(title, u"Velmora Penwick"_s);
    QVERIFY(QFileInfo::exists(tmp.filePath(u"penwick.db"_s)));
}

int main(int argc, char **argv)
{
    QStandardPaths::setTestModeEnabled(true);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dataDir;
    qputenv("PENWICK_DATA_DIR", dataDir.path().toUtf8());
    if (argc > 1 && qstrcmp(argv[1], "--emit-messages") == 0) {
        Application app(argc, argv);
        qDebug("debugging");
        qInfo("just chatting");
        qWarning("careful here");
        qCritical("broken badly");
        return 0;
    }
    qunsetenv("PENWICK_VERBOSE");
    Application app(argc, argv);
    TestStartup tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_startup.moc"
