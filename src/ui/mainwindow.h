#pragma once

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>

class AccountListWidget;
class AccountSidebar;
class AppState;
class QAction;
class QMimeData;
class QListWidgetItem;
class QShortcut;
class QSplitter;
class QStackedWidget;
class CategoriesScreen;
class PayeeScreen;
class ReconciliationHistoryScreen;
class ReconciliationScreen;
class RecurringScreen;
class SearchScreen;
class SettingsScreen;
class RegisterScreen;
class ReportsScreen;
class ImportScreen;
class StatusBar;
class WelcomeScreen;

namespace VelmAccount {
class AccountScreen;
}

// The application's only top-level window: the account sidebar, the page
// stack with the register, the menus, and the account workflows that touch
// several tables at once.
class MainWindow final : public QMainWindow
{
    Q_OBJECT
public:
    enum Page { WelcomePage = 0, ReservedPage = 1, RegisterPage = 2, EmptyStatePage = 3 };

    explicit MainWindow(AppState *state, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(MainWindow)

    int currentPage() const;

public slots:
    void onAccountClicked(QListWidgetItem *item);
    void onAccountsChanged();
    void selectAccount(const QString &accountId);
    void showNewAccountDialog();
    void showEditAccountDialog();
    void showReportsWindow();
    void showRecurringWindow();
    void showSearchWindow();
    void showCategoriesWindow();
    void showSettingsWindow();
    void showReconciliationWindow();
    void showReconciliationHistoryWindow();
    void showImportWindow();
    // Files given on the command line or by a second start: the import
    // window opens with the importable ones chosen.
    void openFiles(const QStringList &paths);
    void showPayeesWindow();
    // Brings the window forward with the transaction's account and row shown.
    void showTransaction(const QString &transactionId);
    void onAccountContextMenu(const QPoint &pos);
    void deleteAccount(const QString &accountId);
    void deleteCurrentAccount();
    // The online account's window on `page`; starts the browser sign-in for
    // a user who is not signed in.
    void showVelmoraAccountScreen(int page);
    // Who the current account is shared with (signed-in users only).
    void showShareAccountDialog();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void setupMenuBar();
    void updateAuthUI();
    void updateSettingsSyncState();
    QWidget *createEmptyStatePage();
    void scheduleAccountsRefresh();
    void rebuildAccountShortcuts();
    void runInitialSelection();
    void showNoAccountPage();
    void showSelectAccountFirst();
    void startNewTransaction();
    void reloadRegister();
    void updateRecurringDueCount();
    void showAboutBox();
    void showWhatsNew();
    void checkForUpdates();
    void presentToolWindow(QWidget *window, const QString &title, const QSize &size);
    void showKeyboardShortcuts();
    // The dropped .qif or .csv files, empty for anything else.
    static bool isImportable(const QString &path);
    static QStringList importableFiles(const QMimeData *mime);
    void loadSampleData();
    void clearSampleData();
    bool isSignedIn() const;
    void startSignIn();
    void signOut();
    // Status bar texts and reloads from the sync engine.
    void connectSync();
    // The register belongs to another user than the one now signed in.
    void askAboutOtherUsersRegister();

    AppState *m_state;
    int m_replacedChanges = 0; // local changes replaced during the running sync cycle
    AccountSidebar *m_sidebar = nullptr;
    AccountListWidget *m_accountList = nullptr;
    QSplitter *m_splitter = nullptr;
    QStackedWidget *m_pages = nullptr;
    RegisterScreen *m_registerScreen = nullptr;
    WelcomeScreen *m_welcomeScreen = nullptr;
    StatusBar *m_statusBar = nullptr;
    RecurringScreen *m_recurringScreen = nullptr;
    SearchScreen *m_searchScreen = nullptr;
    ReportsScreen *m_reportsScreen = nullptr;
    ImportScreen *m_importScreen = nullptr;
    SettingsScreen *m_settingsScreen = nullptr;
    QString m_profileName; // the signed-in user's name or e-mail, once asked
    bool m_profileAsked = false;
    CategoriesScreen *m_categoriesScreen = nullptr;
    PayeeScreen *m_payeeScreen = nullptr;
    ReconciliationHistoryScreen *m_historyScreen = nullptr;
    VelmAccount::AccountScreen *m_velmoraAccountScreen = nullptr;
    QAction *m_velmoraAccountAction = nullptr;
    QAction *m_signOutAction = nullptr;
    QHash<QString, QPointer<ReconciliationScreen>> m_reconciliations; // one window per account
    QList<QShortcut *> m_accountShortcuts;
    bool m_accountsRefreshPending = false;
    QString m_startupMessage; // shown once the window is on screen
};
