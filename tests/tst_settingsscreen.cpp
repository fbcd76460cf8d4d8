#include "testsupport.h"

#include "app/appconfig.h"
#include "app/appstate.h"
#include "app/palettecolors.h"
#include "app/thememanager.h"
#include "services/accountworkflowservice.h"
#include "services/backupservice.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "storage/transactionrepository.h"
#include "ui/accountlistwidget.h"
#include "ui/mainwindow.h"
#include "ui/registermodel.h"
#include "ui/registerscreen.h"
#include "ui/screens/settingsscreen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>

namespace {

struct Box { QString title, text; };

// Answers the next message box, keeping its title and text.
std::shared_ptr<Box> answerBox(QMessageBox::StandardButton answer)
{
    auto box = std::make_shared<Box>();
    whenShown<QMessageBox>([box, answer](QMessageBox *shown) {
        *box = {shown->windowTitle(), shown->text()};
        QTest::mouseClick(shown->button(answer), Qt::LeftButton);
    });
    return box;
}

// Used where no box may come: our own box takes a pending answer instead.
QString titleOfNextBox(const std::shared_ptr<Box> &box, bool expected)
{
    if (!expected)
        QMessageBox::information(nullptr, u"none"_s, u"none"_s);
    return box->title;
}

void chooseFile(const QString &path)
{
    whenShown<QFileDialog>([path](QFileDialog *dialog) {
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept(); // protected in QFileDialog
    });
}

void click(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

} // namespace

class TestSettingsScreen : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void controlsStoreAtOnce_data();
    void controlsStoreAtOnce();
    void syncButtonsNeedASignedInUser();
    void backupExport_data();
    void backupExport();
    void backupImport_data();
    void backupImport();
    void restoreDeletedAccount_data();
    void restoreDeletedAccount();

private:
    SettingsScreen *openPreferences(int page);
    QSqlQuery sql() const { return QSqlQuery(m_app->state()->database()->connection()); }

    std::unique_ptr<TestApp> m_app;
    std::unique_ptr<MainWindow> m_window;
    int m_weekStart = 0;
};

void TestSettingsScreen::init()
{
    m_app = std::make_unique<TestApp>();
    QVERIFY(m_app->isReady());
    QApplication::setPalette(ThemeManager::lightPalette());
    m_weekStart = weekStartDay();
}

void TestSettingsScreen::cleanup()
{
    m_window.reset();
    m_app.reset();
    weekStartDay() = m_weekStart;
    QSettings().remove(u"ui/language"_s);
}

SettingsScreen *TestSettingsScreen::openPreferences(int page)
{
    m_window = std::make_unique<MainWindow>(m_app->state());
    for (QAction *action : m_window->findChildren<QAction *>()) {
        if (action->text() == u"&Preferences...")
            action->trigger();
    }
    auto *screen = m_window->findChild<SettingsScreen *>();
    if (!screen || !showActive(screen))
        return nullptr;
    click(screen->findChild<QListWidget *>(u"settingsNavigation"_s), page);
    return screen;
}

void TestSettingsScreen::controlsStoreAtOnce_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("index"); // -1: a check box, clicked
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::newRow("dark theme") << 0 << u"themeCombo"_s << 2 << u"theme"_s << u"dark"_s;
    QTest::newRow("week from Sunday") << 0 << u"weekStartCombo"_s << 0 << u"weekStartDay"_s << u"7"_s;
    QTest::newRow("two-line rows") << 1 << u"twoLineCheck"_s << -1 << u"registerTwoLine"_s << u"1"_s;
    QTest::newRow("newest first") << 1 << u"newestFirstCheck"_s << -1 << u"registerNewestFirst"_s << u"1"_s;
    QTest::newRow("language") << 0 << u"languageCombo"_s << 3 << u"ui/language"_s << u"de"_s;
}

void TestSettingsScreen::controlsStoreAtOnce()
{
    QFETCH(int, page); QFETCH(QString, control); QFETCH(int, index); QFETCH(QString, key); QFETCH(QString, stored);
    SettingsScreen *screen = openPreferences(page);
    QVERIFY(screen);
    const auto box = answerBox(QMessageBox::Ok); // only the language tells of anything
    if (auto *check = screen->findChild<QCheckBox *>(control); index < 0) // on its box, not past the text
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    else
        screen->findChild<QComboBox *>(control)->setCurrentIndex(index);
    const bool language = key == u"ui/language";
    QCOMPARE(titleOfNextBox(box, language), language ? u"Language Changed"_s : u"none"_s);
    QCOMPARE(language ? currentLanguage(false) : m_app->state()->preferencesRepository()->value(key), stored);
    if (key == u"theme")
        QCOMPARE(isDarkPalette(), stored == u"dark");
    if (key == u"weekStartDay")
        QCOMPARE(weekStartDay(), stored.toInt());
}

void TestSettingsScreen::syncButtonsNeedASignedInUser()
{
    SettingsScreen screen(m_app->state());
    auto *syncNow = screen.findChild<QPushButton *>(u"syncNowButton"_s);
    auto *force = screen.findChild<QPushButton *>(u"forceFullSyncButton"_s);
    auto *lastSync = screen.findChild<QLabel *>(u"lastSyncLabel"_s);
    const auto enabled = [&] { return QPair<bool, bool>(syncNow->isEnabled(), force->isEnabled()); };
    QSignalSpy nowSpy(&screen, &SettingsScreen::syncNowRequested);
    QSignalSpy forceSpy(&screen, &SettingsScreen::forceFullSyncRequested);
    QVERIFY(showActive(&screen));
    screen.refresh();
    QCOMPARE(enabled(), qMakePair(false, false));
    QVERIFY(screen.findChild<QLabel *>(u"syncStatusLabel"_s)->text().startsWith(u"Not signed in."));
    QCOMPARE(lastSync->text(), u"Never synced"_s);

    m_app->state()->preferencesRepository()->setValue(u"lastSyncTimestamp"_s, u"not a time"_s);
    screen.setSyncState(u"<b>Status:</b> Idle"_s, true, false, u"server said no"_s);
    QCOMPARE(enabled(), qMakePair(true, true));
    QCOMPARE(lastSync->text(), u"Last synced: not a time\nError: server said no"_s);

    QTest::mouseClick(syncNow, Qt::LeftButton);
    QCOMPARE(nowSpy.size(), 1);
    QCOMPARE(syncNow->text(), u"Syncing..."_s);
    screen.setSyncState(u"Syncing"_s, true, true);
    QCOMPARE(enabled(), qMakePair(false, false));
    screen.setSyncState(u"Synced"_s, true, false);
    QCOMPARE(enabled(), qMakePair(true, true));
    QCOMPARE(syncNow->text(), u"Sync Now"_s);

    for (auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        answerBox(answer);
        QTest::mouseClick(force, Qt::LeftButton);
    }
    QCOMPARE(forceSpy.size(), 1);
    QCOMPARE(enabled(), qMakePair(false, false));
    screen.setSyncState(QString(), false);
    QCOMPARE(enabled(), qMakePair(false, false));
}

void TestSettingsScreen::backupExport_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("written") << QString() << u"Backup Complete"_s << u"Backup saved to:"_s;
    QTest::newRow("folder missing") << u"folder"_s << u"Backup Failed"_s << u"Could not write to:"_s;
    QTest::newRow("table unreadable") << u"table"_s << u"Backup Failed"_s << u"reconciliations"_s;
}

void TestSettingsScreen::backupExport()
{
    QFETCH(QString, fault); QFETCH(QString, title); QFETCH(QString, mentions);
    m_app->addAccount(u"Checking"_s);
    const QString path = m_app->directory() + (fault == u"folder" ? u"/missing/b.zip"_s : u"/b.zip"_s);
    if (fault == u"table")
        QVERIFY(sql().exec(u"ALTER TABLE reconciliations RENAME TO reconciliations_gone"_s));
    SettingsScreen *screen = openPreferences(2);
    QVERIFY(screen);
    chooseFile(path);
    const auto box = answerBox(QMessageBox::Ok);
    QTest::mouseClick(screen->findChild<QPushButton *>(u"exportBackupButton"_s), Qt::LeftButton);
    QCOMPARE(box->title, title);
    QVERIFY2(box->text.contains(mentions), qPrintable(box->text));
    QCOMPARE(QFile::exists(path), fault.isEmpty());
}

void TestSettingsScreen::backupImport_data()
{
    QTest::addColumn<int>("mode"); // row of the choice: replace, keep newer, skip existing
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("confirm");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("payee");
    QTest::newRow("replace") << 0 << QString() << int(QMessageBox::Yes) << u"Import Complete"_s << u"Imported "_s
                             << u"Before"_s;
    QTest::newRow("replace declined") << 0 << QString() << int(QMessageBox::No) << u"none"_s << QString() << u"After"_s;
    QTest::newRow("not a backup") << 2 << u"garbage"_s << 0 << u"Import Failed"_s << u"Failed to open ZIP archive"_s
                                  << u"After"_s;
    QTest::newRow("no safety copy, no replace") << 0 << u"safety"_s << int(QMessageBox::Yes) << u"Backup Failed"_s
                                                << u"Nothing was imported"_s << u"After"_s;
}

void TestSettingsScreen::backupImport()
{
    QFETCH(int, mode); QFETCH(QString, fault); QFETCH(int, confirm); QFETCH(QString, title); QFETCH(QString, text);
    QFETCH(QString, payee);
    const bool garbage = fault == u"garbage";
    const Account account = m_app->addAccount(u"Checking"_s);
    Transaction t = m_app->addTransaction(account.id, QDate(2024, 3, 1), u"Before"_s, -500);
    const QString path = m_app->directory() + u"/in.zip"_s;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(garbage ? QByteArray("PK not really") : m_app->state()->backupService()->exportBackup());
    file.close();
    t.payee = u"After"_s;
    t.updated_at = t.updated_at.addSecs(60);
    QVERIFY(m_app->state()->transactionRepository()->update(t));
    if (fault == u"safety")
        QVERIFY(sql().exec(u"ALTER TABLE reconciliations RENAME TO reconciliations_gone"_s));

    SettingsScreen *screen = openPreferences(2);
    QVERIFY(screen);
    m_window->selectAccount(account.id);
    chooseFile(path);
    whenShown<QInputDialog>([mode](QInputDialog *dialog) {
        dialog->setTextValue(dialog->comboBoxItems().at(mode));
        dialog->accept();
    });
    if (confirm)
        answerBox(QMessageBox::StandardButton(confirm));
    const auto box = answerBox(QMessageBox::Ok);
    QTest::mouseClick(screen->findChild<QPushButton *>(u"importBackupButton"_s), Qt::LeftButton);
    QCOMPARE(titleOfNextBox(box, title != u"none"), title);
    QVERIFY2(box->text.startsWith(text), qPrintable(box->text));
    // The register shows what is stored now, without being asked.
    RegisterModel *model = m_window->findChild<RegisterScreen *>()->model();
    QTRY_COMPARE(model->rows().value(0).transaction.payee, payee);
    const QStringList safety = QDir(m_app->directory()).entryList({u"penwick-before-restore-*.zip"_s});
    QCOMPARE(safety.size(), confirm == QMessageBox::Yes && fault.isEmpty() ? 1 : 0);
}

void TestSettingsScreen::restoreDeletedAccount_data()
{
    QTest::addColumn<QString>("failingTable");
    QTest::newRow("restored whole") << QString();
    QTest::newRow("account write fails") << u"accounts"_s;
}

void TestSettingsScreen::restoreDeletedAccount()
{
    QFETCH(QString, failingTable);
    const Account account = m_app->addAccount(u"Holiday"_s);
    for (int i = 0; i < 40; ++i)
        m_app->addTransaction(account.id, QDate(2024, 1, 1).addDays(i), u"Shop"_s, -100 - i);
    const Transaction earlier = m_app->addTransaction(account.id, QDate(2024, 3, 1), u"Gone before"_s, -1);
    QVERIFY(sql().exec(u"UPDATE transactions SET deleted_at = '%1' WHERE id = '%2'"_s.arg(
        QDateTime::currentDateTimeUtc().addDays(-1).toString(Qt::ISODate), earlier.id)));
    m_app->addRecurring(account.id, u"Rent"_s, -1000, QDate(2030, 1, 1));
    QVERIFY(m_app->state()->accountWorkflowService()->remove(account.id));
    if (!failingTable.isEmpty())
        QVERIFY(failWritesTo(m_app->state()->database()->connection(), failingTable, u"UPDATE"_s));

    SettingsScreen *screen = openPreferences(2);
    QVERIFY(screen);
    QSignalSpy restored(screen, &SettingsScreen::deletedAccountRestored);
    auto *list = screen->findChild<QListWidget *>(u"deletedAccountsList"_s);
    auto *restore = screen->findChild<QPushButton *>(u"restoreAccountButton"_s);
    QCOMPARE(list->count(), 1);
    QVERIFY(!restore->isEnabled());
    click(list, 0);
    const bool whole = failingTable.isEmpty();
    const auto box = answerBox(QMessageBox::Ok);
    QTest::mouseClick(restore, Qt::LeftButton);
    QCOMPARE(titleOfNextBox(box, !whole), whole ? u"none"_s : u"Restore Account"_s);
    QCOMPARE(restored.size(), whole ? 1 : 0);
    // The 40 come back; the one deleted a day before the account stays deleted.
    QCOMPARE(m_app->transactionsOf(account.id).size(), whole ? 40 : 0);
    QCOMPARE(m_app->scalar(u"SELECT COUNT(*) FROM recurring_transactions WHERE deleted_at IS NULL"_s).toInt(),
             whole ? 1 : 0);
    QCOMPARE(list->count(), whole ? 0 : 1);
    QCOMPARE(m_window->findChild<AccountListWidget *>()->rowOfAccount(account.id) >= 0, whole);
}

PENWICK_TEST_MAIN(TestSettingsScreen)
#include "tst_settingsscreen.moc"
