#include "mainwindow.h"

#include "accountformdialog.h"
#include "accountlistwidget.h"
#include "accountsidebar.h"
#include "app/appconfig.h"
#include "app/appstate.h"
#include "app/thememanager.h"
#include "iconfont.h"
#include "registerscreen.h"
#include "screens/categoriesscreen.h"
#include "screens/payeescreen.h"
#include "screens/reconciliationhistoryscreen.h"
#include "screens/reconciliationscreen.h"
#include "screens/recurringscreen.h"
#include "screens/importscreen.h"
#include "screens/reportsscreen.h"
#include "screens/searchscreen.h"
#include "screens/settingsscreen.h"
#include "services/accountworkflowservice.h"
#include "services/recurringservice.h"
#include "services/sampledataservice.h"
#include "statusbar.h"
#include "storage/accountrepository.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "updateentrypoints.h"
#include "welcomescreen.h"
#include "account/accountclient.h"
#include "account/accountrecords.h"
#include "account/authclient.h"
#include "account/client.h"
#include "screens/accountscreen.h"
#include "sharemembersdialog.h"
#include "sync/accountsharingservice.h"
#include "sync/syncengine.h"

#include <QApplication>
#include <utility>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QUuid>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString kGeometryKey = u"mainwindow/geometry"_s;
const QString kSplitterKey = u"mainwindow/splitter"_s;
constexpr int kShortMessageMs = 3000;
constexpr int kLongMessageMs = 5000;

QString nativeKeys(const QString &portable)
{
    return QKeySequence(portable, QKeySequence::PortableText).toString(QKeySequence::NativeText).toHtmlEscaped();
}

} // namespace

MainWindow::MainWindow(AppState *state, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state)
{
    setWindowTitle(tr("Velmora Penwick"));
    setAcceptDrops(true); // a dropped .qif, .ofx, .qfx or .csv file opens the import window

    QSettings settings;
    const QByteArray geometry = settings.value(kGeometryKey).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(1280, 900);

    setupMenuBar();

    m_registerScreen = new RegisterScreen(m_state, this);
    m_registerScreen->setObjectName(u"registerScreen"_s);
    m_welcomeScreen = new WelcomeScreen(this);
    m_welcomeScreen->setObjectName(u"welcomeScreen"_s);

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(u"pageStack"_s);
    m_pages->addWidget(m_welcomeScreen);
    m_pages->addWidget(new QWidget(m_pages)); // keeps the page indexes stable; never shown
    m_pages->addWidget(m_registerScreen);
    m_pages->addWidget(createEmptyStatePage());

    m_sidebar = new AccountSidebar(this);
    m_sidebar->setObjectName(u"accountSidebar"_s);
    m_accountList = m_sidebar->list();
    m_accountList->setObjectName(u"accountList"_s);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(u"mainSplitter"_s);
    m_splitter->addWidget(m_sidebar);
    m_splitter->addWidget(m_pages);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setCollapsible(0, false);
    m_splitter->setCollapsible(1, false);
    if (!settings.contains(kSplitterKey) || !m_splitter->restoreState(settings.value(kSplitterKey).toByteArray()))
        m_splitter->setSizes({280, 1000});
    connect(m_splitter, &QSplitter::splitterMoved, m_accountList, &AccountListWidget::fitRowsToViewport);
    setCentralWidget(m_splitter);

    m_statusBar = new StatusBar(this);
    setStatusBar(m_statusBar);
    m_statusBar->applyThemeColors();

    connect(m_registerScreen, &RegisterScreen::reconcileRequested, this, &MainWindow::showReconciliationWindow);
    connect(m_registerScreen, &RegisterScreen::errorMessage, this,
            [this](const QString &text) { m_statusBar->showStatusMessage(text, kLongMessageMs); });
    // The register follows its own two display switches; these two change how it formats.
    connect(m_state->preferencesRepository(), &PreferencesRepository::changed, this, [this](const QString &key) {
        if (key == u"weekStartDay" || key == u"theme")
            reloadRegister();
    });
    connect(m_accountList, &QListWidget::itemClicked, this, &MainWindow::onAccountClicked);
    connect(m_accountList, &QWidget::customContextMenuRequested, this, &MainWindow::onAccountContextMenu);
    connect(m_accountList, &AccountListWidget::orderChanged, this,
            [this](const QList<QPair<QString, int>> &positions) {
                m_state->accountRepository()->updateSortOrders(positions);
            });
    connect(m_state->transactionRepository(), &TransactionRepository::transactionsChanged, this,
            &MainWindow::scheduleAccountsRefresh);
    connect(m_state->accountRepository(), &AccountRepository::accountsChanged, this,
            &MainWindow::scheduleAccountsRefresh);
    connect(m_welcomeScreen, &WelcomeScreen::createAccountRequested, this, &MainWindow::showNewAccountDialog);
    connect(m_welcomeScreen, &WelcomeScreen::signInRequested, this, &MainWindow::startSignIn);
    if (VelmAccount::Client *client = m_state->accountClient()) {
        VelmAccount::AuthClient *auth = client->authClient();
        connect(auth, &VelmAccount::AuthClient::stateChanged, this, &MainWindow::updateAuthUI);
        connect(auth, &VelmAccount::AuthClient::loginSucceeded, this,
                [this] { m_statusBar->showMessage(tr("Signed in successfully"), kShortMessageMs); });
        connect(auth, &VelmAccount::AuthClient::loginFailed, this, [this](const QString &error) {
            m_statusBar->showMessage(tr("Sign-in failed: %1").arg(error), kLongMessageMs);
        });
    }
    connectSync();
    if (ThemeManager *theme = m_state->themeManager())
        connect(theme, &ThemeManager::themeChanged, m_statusBar, &StatusBar::applyThemeColors);
    connect(m_state->recurringService(), &RecurringService::pendingCountChanged, this,
            &MainWindow::updateRecurringDueCount);
    connect(m_state->recurringRepository(), &RecurringRepository::recurringChanged, this,
            &MainWindow::updateRecurringDueCount);

    updateAuthUI();
    onAccountsChanged();

    const int posted = m_state->recurringService()->processAutoPost();
    if (posted > 0) {
        // Shown once the window is on screen: a message set before that is
        // drawn over the status bar's own labels.
        m_startupMessage = tr("Auto-posted %n recurring transaction(s)", nullptr, posted);
        onAccountsChanged();
    }
    updateRecurringDueCount();
    runInitialSelection();
}

int MainWindow::currentPage() const
{
    return m_pages->currentIndex();
}

void MainWindow::onAccountClicked(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString id = item->data(Qt::UserRole).toString();
    if (!id.isEmpty())
        selectAccount(id);
}

void MainWindow::onAccountsChanged()
{
    const QList<Account> accounts = m_state->accountRepository()->findAll();
    // One aggregate query instead of every register row of every account.
    const QHash<QString, qint64> balances = m_state->transactionRepository()->accountBalances();
    m_sidebar->setAccounts(accounts, balances);

    m_statusBar->setAccountCount(static_cast<int>(accounts.size()));
    rebuildAccountShortcuts();

    const int row = m_accountList->rowOfAccount(m_state->currentAccountId());
    if (row >= 0)
        m_accountList->setCurrentRow(row);
}

void MainWindow::selectAccount(const QString &accountId)
{
    if (accountId.isEmpty())
        return;
    m_state->setCurrentAccountId(accountId);
    m_registerScreen->setAccount(accountId);
    m_pages->setCurrentIndex(RegisterPage);
    const int row = m_accountList->rowOfAccount(accountId);
    if (row >= 0)
        m_accountList->setCurrentRow(row);
}

void MainWindow::showNewAccountDialog()
{
    AccountFormDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;

    Account account = dialog.account();
    if (account.name.isEmpty())
        return;

    const WriteResult result =
        m_state->accountWorkflowService()->create(account, account.starting_balance, dialog.asOfDate());
    if (!result) {
        QMessageBox::warning(this, tr("New Account"), result.error);
        return;
    }
    onAccountsChanged(); // the new row must exist before it can become current
    selectAccount(account.id);
}

void MainWindow::showEditAccountDialog()
{
    const QString id = m_state->currentAccountId();
    if (id.isEmpty()) {
        showSelectAccountFirst();
        return;
    }
    const auto account = m_state->accountRepository()->findById(id);
    if (!account)
        return;
    AccountFormDialog dialog(*account, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_state->accountRepository()->update(dialog.account());
    reloadRegister();
}

void MainWindow::presentToolWindow(QWidget *window, const QString &title, const QSize &size)
{
    window->setWindowTitle(title);
    if (!window->isWindow()) {
        window->setParent(this, Qt::Window);
        window->resize(size);
    }
    if (window->isMinimized())
        window->showNormal();
    if (window->isHidden())
        window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::showReportsWindow()
{
    if (!m_reportsScreen) {
        m_reportsScreen = new ReportsScreen(m_state, this);
        m_reportsScreen->hide();
    }
    presentToolWindow(m_reportsScreen, tr("Reports"), QSize(800, 600));
    m_reportsScreen->refresh();
}

void MainWindow::showSettingsWindow()
{
    if (!m_settingsScreen) {
        m_settingsScreen = new SettingsScreen(m_state, this);
        m_settingsScreen->setObjectName(u"settingsScreen"_s);
        m_settingsScreen->hide();
        connect(m_settingsScreen, &SettingsScreen::deletedAccountRestored, this, &MainWindow::onAccountsChanged);
        if (SyncEngine *engine = m_state->syncEngine()) {
            connect(m_settingsScreen, &SettingsScreen::syncNowRequested, engine, &SyncEngine::syncNow);
            connect(m_settingsScreen, &SettingsScreen::forceFullSyncRequested, engine, &SyncEngine::forceFullSync);
            connect(engine, &SyncEngine::stateChanged, this, &MainWindow::updateSettingsSyncState);
        }
        if (VelmAccount::Client *client = m_state->accountClient()) {
            connect(client, &VelmAccount::Client::authStateChanged, this, [this] {
                m_profileName.clear();
                m_profileAsked = false;
                updateSettingsSyncState();
            });
        }
    }
    presentToolWindow(m_settingsScreen, tr("Preferences"), QSize(500, 550));
    updateSettingsSyncState();
    m_settingsScreen->refresh();
}

void MainWindow::updateSettingsSyncState()
{
    if (!m_settingsScreen)
        return;
    VelmAccount::Client *client = m_state->accountClient();
    SyncEngine *engine = m_state->syncEngine();
    if (!client || !engine || !client->isAuthenticated()) {
        m_settingsScreen->setSyncState(QString(), false);
        return;
    }
    if (m_profileName.isEmpty() && !m_profileAsked) {
        // The name comes from the account service; the status shows again
        // when it answers.
        m_profileAsked = true;
        QPointer<MainWindow> self(this);
        client->accountClient()->getProfile([self](bool ok, const VelmAccount::Profile &profile) {
            if (!self || !ok)
                return;
            self->m_profileName = profile.displayName.isEmpty() ? profile.email : profile.displayName;
            self->updateSettingsSyncState();
        });
    }
    using Tone = SettingsScreen::SyncTone;
    const SyncEngine::SyncState state = engine->state();
    const QString text = engine->statusText();
    Tone tone = Tone::Other;
    if (state == SyncEngine::Syncing)
        tone = Tone::Syncing;
    else if (state == SyncEngine::Error)
        tone = Tone::Failed;
    else if (state == SyncEngine::Idle && text == SyncEngine::stateText(SyncEngine::Idle))
        tone = Tone::Synced;
    m_settingsScreen->setSyncState(SettingsScreen::signedInStatus(m_profileName, text, tone), true,
                                   state == SyncEngine::Syncing, engine->lastError());
}

void MainWindow::showImportWindow()
{
    if (!m_importScreen) {
        m_importScreen = new ImportScreen(m_state, this);
        m_importScreen->hide();
        connect(m_importScreen, &ImportScreen::importCompleted, this, [this] {
            onAccountsChanged();
            reloadRegister();
        });
    }
    presentToolWindow(m_importScreen, tr("Import Transactions"), QSize(650, 600));
    m_importScreen->prepare();
}

bool MainWindow::isImportable(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return !path.isEmpty() && (suffix == u"qif" || suffix == u"csv" || suffix == u"ofx" || suffix == u"qfx");
}

QStringList MainWindow::importableFiles(const QMimeData *mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl &url : mime->urls()) {
        const QString path = url.toLocalFile();
        if (!isImportable(path))
            return {};
        paths.append(path);
    }
    return paths;
}

void MainWindow::openFiles(const QStringList &paths)
{
    QStringList importable;
    for (const QString &path : paths) {
        if (isImportable(path))
            importable.append(path);
    }
    if (importable.isEmpty()) {
        if (!paths.isEmpty())
            m_statusBar->showStatusMessage(tr("Only QIF, OFX, QFX and CSV files can be imported."), kLongMessageMs);
        return;
    }
    showImportWindow();
    m_importScreen->chooseFiles(importable);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!importableFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QStringList paths = importableFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    showImportWindow();
    m_importScreen->chooseFiles(paths);
}

void MainWindow::showSearchWindow()
{
    if (!m_searchScreen) {
        m_searchScreen = new SearchScreen(m_state, this);
        m_searchScreen->setObjectName(u"searchScreen"_s);
        m_searchScreen->hide();
        connect(m_searchScreen, &SearchScreen::editTransactionRequested, this, &MainWindow::showTransaction);
    }
    presentToolWindow(m_searchScreen, tr("Search Transactions"), QSize(800, 550));
    m_searchScreen->populateFilters();
    m_searchScreen->focusSearch();
}

void MainWindow::showTransaction(const QString &transactionId)
{
    const auto t = m_state->transactionRepository()->findById(transactionId);
    if (!t || t->deleted_at)
        return;
    selectAccount(t->account_id);
    m_registerScreen->showTransaction(transactionId);
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void MainWindow::showCategoriesWindow()
{
    if (!m_categoriesScreen) {
        m_categoriesScreen = new CategoriesScreen(m_state, this);
        m_categoriesScreen->setObjectName(u"categoriesScreen"_s);
        m_categoriesScreen->hide();
    }
    m_categoriesScreen->reload();
    presentToolWindow(m_categoriesScreen, tr("Categories"), QSize(600, 500));
}

void MainWindow::showPayeesWindow()
{
    if (!m_payeeScreen) {
        m_payeeScreen = new PayeeScreen(m_state, this);
        m_payeeScreen->setObjectName(u"payeeScreen"_s);
        m_payeeScreen->hide();
        connect(m_payeeScreen, &PayeeScreen::payeesChanged, this, &MainWindow::reloadRegister);
    }
    m_payeeScreen->reload();
    presentToolWindow(m_payeeScreen, tr("Payee Management"), QSize(550, 500));
}

void MainWindow::showReconciliationHistoryWindow()
{
    const QString id = m_state->currentAccountId();
    const auto account = id.isEmpty() ? std::nullopt : m_state->accountRepository()->findById(id);
    if (!account) {
        showSelectAccountFirst();
        return;
    }
    if (!m_historyScreen) {
        m_historyScreen = new ReconciliationHistoryScreen(m_state, this);
        m_historyScreen->setObjectName(u"historyScreen"_s);
        m_historyScreen->hide();
    }
    m_historyScreen->setAccount(id);
    presentToolWindow(m_historyScreen, tr("Reconciliation History — %1").arg(account->name), QSize(750, 500));
}

void MainWindow::showReconciliationWindow()
{
    const QString id = m_state->currentAccountId();
    const auto account = id.isEmpty() ? std::nullopt : m_state->accountRepository()->findById(id);
    if (!account) {
        showSelectAccountFirst();
        return;
    }
    // One window per account: a second request raises the open one, whose
    // ticks would otherwise be lost or finished twice.
    QPointer<ReconciliationScreen> screen = m_reconciliations.value(id);
    if (!screen) {
        screen = new ReconciliationScreen(m_state, this);
        screen->setObjectName(u"reconciliationScreen"_s);
        screen->setAttribute(Qt::WA_DeleteOnClose);
        screen->hide();
        screen->setAccount(id);
        connect(screen, &ReconciliationScreen::reconciliationCompleted, this, [this, screen] {
            reloadRegister();
            onAccountsChanged();
            screen->close();
        });
        connect(screen, &ReconciliationScreen::cancelled, screen, &QWidget::close);
        m_reconciliations.insert(id, screen);
    }
    presentToolWindow(screen, tr("Reconcile — %1").arg(account->name), QSize(1100, 720));
}

void MainWindow::showRecurringWindow()
{
    if (!m_recurringScreen) {
        m_recurringScreen = new RecurringScreen(m_state, m_state->recurringService(), this);
        m_recurringScreen->setObjectName(u"recurringScreen"_s);
        m_recurringScreen->setWindowFlag(Qt::Window);
        m_recurringScreen->resize(700, 500);
        connect(m_recurringScreen, &RecurringScreen::transactionsChanged, this, [this] {
            reloadRegister();
            onAccountsChanged();
        });
        connect(m_state->recurringRepository(), &RecurringRepository::recurringChanged, m_recurringScreen,
                [this] {
                    if (m_recurringScreen->isVisible())
                        m_recurringScreen->reload();
                });
    }
    m_recurringScreen->setWindowTitle(tr("Recurring Transactions"));
    m_recurringScreen->reload();
    if (m_recurringScreen->isMinimized())
        m_recurringScreen->showNormal();
    if (m_recurringScreen->isHidden())
        m_recurringScreen->show();
    m_recurringScreen->raise();
    m_recurringScreen->activateWindow();
}

void MainWindow::onAccountContextMenu(const QPoint &pos)
{
    QMenu menu(this);
    menu.addAction(tr("New Account..."), this, &MainWindow::showNewAccountDialog);

    const QListWidgetItem *item = m_accountList->itemAt(pos);
    const QString id = item ? item->data(Qt::UserRole).toString() : QString();
    const auto account = id.isEmpty() ? std::nullopt : m_state->accountRepository()->findById(id);
    if (account) {
        menu.addSeparator();
        menu.addAction(tr("Edit \"%1\"...").arg(account->name), this, [this, id] {
            selectAccount(id);
            showEditAccountDialog();
        });
        menu.addAction(tr("Reconcile..."), this, [this, id] {
            selectAccount(id);
            showReconciliationWindow();
        });
        menu.addAction(tr("Reconciliation History..."), this, [this, id] {
            selectAccount(id);
            showReconciliationHistoryWindow();
        });
        menu.addAction(tr("Rename Payees..."), this, [this, id] {
            selectAccount(id);
            showPayeesWindow();
        });
        menu.addSeparator();
        menu.addAction(tr("Delete \"%1\"").arg(account->name), this, [this, id] { deleteAccount(id); });
    }
    menu.exec(m_accountList->viewport()->mapToGlobal(pos));
}

void MainWindow::deleteAccount(const QString &accountId)
{
    const auto account = m_state->accountRepository()->findById(accountId);
    if (!account || account->deleted_at)
        return;

    QMessageBox box(QMessageBox::Warning, tr("Delete Account"),
                    tr("Delete \"%1\"?\n\nAll transactions, recurring entries, and reconciliation history for "
                       "this account will be removed. You can restore it from Preferences → Data & Sync.")
                        .arg(account->name),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() != QMessageBox::Yes)
        return;

    // The neighbour below (or above) takes over when the shown account goes.
    QString neighbour;
    const int row = m_accountList->rowOfAccount(accountId);
    for (int candidate : {row + 1, row - 1}) {
        if (row >= 0 && candidate >= 0 && candidate < m_accountList->count()) {
            neighbour = m_accountList->item(candidate)->data(Qt::UserRole).toString();
            if (!neighbour.isEmpty())
                break;
        }
    }

    const WriteResult result = m_state->accountWorkflowService()->remove(accountId);
    if (!result) {
        QMessageBox::warning(this, tr("Delete Account"), result.error);
        onAccountsChanged();
        return;
    }

    const bool wasCurrent = m_state->currentAccountId() == accountId;
    onAccountsChanged();
    if (wasCurrent) {
        if (!neighbour.isEmpty()) {
            selectAccount(neighbour);
        } else {
            m_state->setCurrentAccountId(QString());
            showNoAccountPage();
        }
    }
}

void MainWindow::deleteCurrentAccount()
{
    const QString id = m_state->currentAccountId();
    if (id.isEmpty()) {
        showSelectAccountFirst();
        return;
    }
    deleteAccount(id);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_startupMessage.isEmpty())
        return;
    QTimer::singleShot(0, this, [this] {
        m_statusBar->showStatusMessage(m_startupMessage, kLongMessageMs);
        m_startupMessage.clear();
    });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kSplitterKey, m_splitter->saveState());
    QMainWindow::closeEvent(event);
}

void MainWindow::setupMenuBar()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    QAction *newTransaction = file->addAction(tr("&New Transaction"), this, &MainWindow::startNewTransaction);
    newTransaction->setShortcut(QKeySequence(u"Ctrl+N"_s));
    QAction *newAccount = file->addAction(tr("New &Account"), this, &MainWindow::showNewAccountDialog);
    newAccount->setShortcut(QKeySequence(u"Ctrl+Shift+N"_s));
    file->addSeparator();
    QAction *import = file->addAction(tr("&Import..."), this, &MainWindow::showImportWindow);
    import->setShortcut(QKeySequence(u"Ctrl+I"_s));
    file->addSeparator();
    m_velmoraAccountAction = file->addAction(tr("&Velmora Account..."), this, [this] { showVelmoraAccountScreen(0); });
    file->addSeparator();
    m_signOutAction = file->addAction(tr("Sign &Out"), this, &MainWindow::signOut);
    file->addSeparator();
    QAction *quit = file->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    QAction *find = edit->addAction(tr("&Find..."), this, &MainWindow::showSearchWindow);
    find->setShortcut(QKeySequence::Find);
    edit->addSeparator();
    QAction *preferences = edit->addAction(tr("&Preferences..."), this, &MainWindow::showSettingsWindow);
    preferences->setShortcut(QKeySequence::Preferences);
    preferences->setMenuRole(QAction::PreferencesRole);

    QMenu *account = menuBar()->addMenu(tr("&Account"));
    account->addAction(tr("&Edit..."), this, &MainWindow::showEditAccountDialog);
    QAction *reconcile = account->addAction(tr("&Reconcile..."), this, &MainWindow::showReconciliationWindow);
    reconcile->setShortcut(QKeySequence(u"Ctrl+R"_s));
    account->addAction(tr("Reconciliation &History..."), this, &MainWindow::showReconciliationHistoryWindow);
    account->addAction(tr("Rename &Payees..."), this, &MainWindow::showPayeesWindow);
    account->addSeparator();
    account->addAction(tr("&Share..."), this, &MainWindow::showShareAccountDialog);
    account->addSeparator();
    account->addAction(tr("&Delete"), this, &MainWindow::deleteCurrentAccount);

    QMenu *view = menuBar()->addMenu(tr("&View"));
    QAction *reports = view->addAction(tr("&Reports"), this, &MainWindow::showReportsWindow);
    reports->setShortcut(QKeySequence(u"Ctrl+2"_s));
    QAction *recurring = view->addAction(tr("Re&curring Transactions"), this, &MainWindow::showRecurringWindow);
    recurring->setShortcut(QKeySequence(u"Ctrl+3"_s));
    QAction *categories = view->addAction(tr("C&ategories"), this, &MainWindow::showCategoriesWindow);
    categories->setShortcut(QKeySequence(u"Ctrl+4"_s));

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    QAction *about = help->addAction(tr("&About Velmora Penwick"), this, &MainWindow::showAboutBox);
    about->setMenuRole(QAction::AboutRole);
    help->addSeparator();
    help->addAction(tr("&Keyboard Shortcuts"), this, &MainWindow::showKeyboardShortcuts);
    help->addSeparator();
    help->addAction(tr("What's &New..."), this, &MainWindow::showWhatsNew);
    help->addAction(tr("Check for &Updates..."), this, &MainWindow::checkForUpdates);
    help->addAction(tr("Send &Feedback..."), this, [] { openFeedbackPage(feedbackConfig()); });
    if (!environmentValue("PENWICK_DEV").isEmpty()) {
        help->addSeparator();
        help->addAction(tr("Load &Sample Data"), this, &MainWindow::loadSampleData);
        help->addAction(tr("&Clear Sample Data"), this, &MainWindow::clearSampleData);
    }
}

void MainWindow::updateAuthUI()
{
    const bool signedIn = isSignedIn();
    m_signOutAction->setVisible(signedIn);
    m_velmoraAccountAction->setStatusTip(signedIn ? tr("Manage your account") : tr("Sign in or sign up"));
    if (!signedIn) {
        m_statusBar->setSyncText(tr("Not signed in"));
        // Nothing of a signed-out account stays on screen.
        if (m_velmoraAccountScreen)
            m_velmoraAccountScreen->hide();
        return;
    }
    m_statusBar->setSyncText(m_state->syncEngine() ? m_state->syncEngine()->statusText() : QString());
    const int page = m_pages->currentIndex();
    if (page == WelcomePage || page == ReservedPage) {
        if (!m_state->currentAccountId().isEmpty())
            selectAccount(m_state->currentAccountId());
        else
            m_pages->setCurrentIndex(EmptyStatePage);
    }
}

void MainWindow::connectSync()
{
    SyncEngine *engine = m_state->syncEngine();
    if (!engine)
        return;
    connect(engine, &SyncEngine::stateChanged, this, &MainWindow::updateAuthUI);
    connect(engine, &SyncEngine::syncCompleted, this, [this] {
        // A replaced change is worth more than the routine note.
        if (m_replacedChanges > 0)
            m_statusBar->showMessage(tr("%n change(s) was replaced by a newer one from another device", nullptr,
                                        std::exchange(m_replacedChanges, 0)),
                                     8000);
        else
            m_statusBar->showMessage(tr("Sync complete"), 2000);
        if (m_state->currentAccountId().isEmpty())
            runInitialSelection();
    });
    connect(engine, &SyncEngine::syncFailed, this, [this](const QString &message) {
        m_statusBar->showMessage(tr("Sync failed: %1").arg(message), 5000);
    });
    connect(engine, &SyncEngine::dataChanged, this, [this] {
        scheduleAccountsRefresh();
        reloadRegister();
    });
    connect(engine, &SyncEngine::changesReplaced, this, [this](int count) { m_replacedChanges += count; });
    connect(engine, &SyncEngine::ownerMismatchFound, this, &MainWindow::askAboutOtherUsersRegister);
}

void MainWindow::askAboutOtherUsersRegister()
{
    QMessageBox box(QMessageBox::Question, tr("Another Account's Register"),
                    tr("This register was synchronised with a different Velmora account. Upload it to the account "
                       "you are signed in with now, as new data, or keep it on this computer only?"),
                    QMessageBox::NoButton, this);
    QPushButton *upload = box.addButton(tr("Upload to This Account"), QMessageBox::AcceptRole);
    box.addButton(tr("Keep Local"), QMessageBox::RejectRole);
    box.exec();
    if (box.clickedButton() == upload)
        m_state->syncEngine()->startOverForCurrentUser();
    else
        m_state->syncEngine()->keepLocalForCurrentUser();
}

void MainWindow::showShareAccountDialog()
{
    const QString id = m_state->currentAccountId();
    const auto account = id.isEmpty() ? std::nullopt : m_state->accountRepository()->findById(id);
    if (!account) {
        showSelectAccountFirst();
        return;
    }
    if (!isSignedIn()) {
        QMessageBox box(QMessageBox::Information, tr("Sign In Required"), tr("Sharing requires a Velmora account."),
                        QMessageBox::Cancel, this);
        QPushButton *learnMore = box.addButton(tr("Learn More"), QMessageBox::AcceptRole);
        box.setDefaultButton(learnMore);
        box.exec();
        if (box.clickedButton() == learnMore)
            showVelmoraAccountScreen(0);
        return;
    }
    VelmAccount::ShareMembersDialog::Texts texts;
    texts.windowTitle = tr("Share Account");
    texts.heading = tr("Sharing: %1").arg(account->name);
    texts.description = tr("Share this account with members of your Velmora family group. They'll see the same "
                           "register, balances, and reconciliation history on their devices.");
    texts.listCaption = tr("Shared with");
    texts.emptyList = tr("Not shared with anyone yet.");
    texts.shareButton = tr("Share");
    texts.removeButton = tr("Remove Selected");
    texts.closeButton = tr("Close");
    texts.role = u"member"_s;
    texts.shareFailedTitle = tr("Share Failed");
    texts.removeFailedTitle = tr("Remove Failed");
    texts.removeConfirmTitle = tr("Remove Share");
    texts.removeConfirmText = tr("Remove %1's access to this account?");
    VelmAccount::ShareMembersDialog dialog(m_state->accountClient(), m_state->accountSharingService(), account->id,
                                           texts, this);
    connect(&dialog, &VelmAccount::ShareMembersDialog::sharingChanged, m_state->syncEngine(), &SyncEngine::requestSync);
    dialog.exec();
}

void MainWindow::startSignIn()
{
    if (VelmAccount::Client *client = m_state->accountClient())
        client->authClient()->login();
}

void MainWindow::signOut()
{
    if (VelmAccount::Client *client = m_state->accountClient())
        client->authClient()->logout();
}

void MainWindow::showVelmoraAccountScreen(int page)
{
    if (!isSignedIn()) {
        startSignIn();
        return;
    }
    if (!m_velmoraAccountScreen) {
        m_velmoraAccountScreen = new VelmAccount::AccountScreen(m_state->accountClient(), this);
        m_velmoraAccountScreen->hide();
        connect(m_velmoraAccountScreen, &VelmAccount::AccountScreen::logoutRequested, this, &MainWindow::signOut);
    }
    presentToolWindow(m_velmoraAccountScreen, tr("Velmora Account"), QSize(600, 550));
    m_velmoraAccountScreen->setPage(page);
    m_velmoraAccountScreen->refreshAll();
}

QWidget *MainWindow::createEmptyStatePage()
{
    auto *page = new QWidget(this);
    page->setObjectName(u"emptyStatePage"_s);
    const int basePoint = QApplication::font().pointSize();

    auto *icon = new QLabel(materialIconGlyph(0xE850), page);
    icon->setFont(materialIconFont(96));
    icon->setAlignment(Qt::AlignCenter);
    icon->setStyleSheet(u"color: #4DB6AC;"_s);

    auto *title = new QLabel(tr("Welcome to Velmora Penwick"), page);
    QFont titleFont = QApplication::font();
    titleFont.setPointSize(basePoint + 8);
    titleFont.setWeight(QFont::DemiBold);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    auto *line = new QLabel(tr("Create your first account to get started."), page);
    QFont lineFont = QApplication::font();
    lineFont.setPointSize(basePoint + 1);
    lineFont.setWeight(QFont::Medium);
    line->setFont(lineFont);
    line->setAlignment(Qt::AlignCenter);
    line->setStyleSheet(u"color: #6E8A7E;"_s);

    auto *button = new QPushButton(tr("Create Account"), page);
    button->setObjectName(u"emptyStateCreateButton"_s);
    button->setStyleSheet(
        u"QPushButton {  background-color: %1;  color: white;  border: none;  border-radius: 4px;  "
        "padding: 6px 16px;  font-weight: 600;  min-width: 80px;}QPushButton:hover {  background-color: #00796B;}"
        "QPushButton:pressed {  background-color: #004D40;}"_s.arg(u"#00897B"_s));
    button->setMinimumHeight(40);
    button->setMinimumWidth(180);
    button->setCursor(Qt::PointingHandCursor);
    connect(button, &QPushButton::clicked, this, &MainWindow::showNewAccountDialog);

    auto *hint = new QLabel(tr("You can also import transactions from a CSV file via File › Import."), page);
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignCenter);
    hint->setMaximumWidth(480);
    hint->setStyleSheet(u"color: #6E8A7E;"_s);
    QFont hintFont = QApplication::font();
    hintFont.setPointSize(qMax(7, basePoint - 2));
    hint->setFont(hintFont);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(button);
    buttonRow->addStretch();

    auto *layout = new QVBoxLayout(page);
    layout->setAlignment(Qt::AlignCenter);
    layout->setSpacing(12);
    layout->addWidget(icon);
    layout->addSpacing(8);
    layout->addWidget(title);
    layout->addWidget(line);
    layout->addSpacing(16);
    layout->addLayout(buttonRow);
    layout->addSpacing(12);
    // Centred by stretches rather than alignment, so the wrapped hint gets the height it needs.
    auto *hintRow = new QHBoxLayout;
    hintRow->addStretch();
    hintRow->addWidget(hint, 1);
    hintRow->addStretch();
    layout->addLayout(hintRow);
    return page;
}

void MainWindow::scheduleAccountsRefresh()
{
    // A transfer or a cascade delete announces several changes in a row; the
    // sidebar is rebuilt once after them.
    if (m_accountsRefreshPending)
        return;
    m_accountsRefreshPending = true;
    QTimer::singleShot(0, this, [this] {
        m_accountsRefreshPending = false;
        onAccountsChanged();
    });
}

void MainWindow::rebuildAccountShortcuts()
{
    qDeleteAll(m_accountShortcuts);
    m_accountShortcuts.clear();
    const int count = qMin(10, m_accountList->count());
    for (int row = 0; row < count; ++row) {
        const QString id = m_accountList->accountIdAt(row);
        if (id.isEmpty())
            continue;
        const int digit = (row + 1) % 10; // the tenth row is on Alt+0
        auto *shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_0 + digit)), this);
        shortcut->setObjectName(u"accountShortcut%1"_s.arg(digit));
        connect(shortcut, &QShortcut::activated, this, [this, id] { selectAccount(id); });
        m_accountShortcuts.append(shortcut);
    }
}

void MainWindow::runInitialSelection()
{
    const QString stored = m_state->currentAccountId();
    if (!stored.isEmpty() && m_accountList->rowOfAccount(stored) >= 0) {
        selectAccount(stored);
        return;
    }
    if (m_accountList->count() > 0) {
        selectAccount(m_accountList->accountIdAt(0));
        return;
    }
    showNoAccountPage();
}

void MainWindow::showNoAccountPage()
{
    m_pages->setCurrentIndex(isSignedIn() ? EmptyStatePage : WelcomePage);
}

void MainWindow::showSelectAccountFirst()
{
    m_statusBar->showMessage(tr("Select an account first"), kShortMessageMs);
}

void MainWindow::startNewTransaction()
{
    if (m_state->currentAccountId().isEmpty()) {
        showSelectAccountFirst();
        return;
    }
    m_registerScreen->startNewTransaction();
}

void MainWindow::reloadRegister()
{
    m_registerScreen->reload();
}

void MainWindow::updateRecurringDueCount()
{
    m_statusBar->setRecurringDueCount(m_state->recurringService()->pendingCount());
}

namespace {

// The status bar shows the update library's progress; it may outlive neither
// the window nor the answer, so it is held weakly.
VelmUpdate::UpdateUiCallbacks statusBarCallbacks(StatusBar *bar)
{
    const QPointer<StatusBar> weak(bar);
    VelmUpdate::UpdateUiCallbacks callbacks;
    callbacks.progress = [weak](const QString &text) {
        if (weak)
            weak->showProgress(text);
    };
    callbacks.done = [weak] {
        if (weak)
            weak->hideProgress();
    };
    callbacks.message = [weak](const QString &text, int milliseconds) {
        if (weak)
            weak->showStatusMessage(text, milliseconds);
    };
    return callbacks;
}

} // namespace

void MainWindow::showWhatsNew()
{
    VelmUpdate::UpdateEntryPoints::showWhatsNewInteractive(updateConfig(), u"Velmora Penwick"_s, this,
                                                           statusBarCallbacks(m_statusBar));
}

void MainWindow::checkForUpdates()
{
    VelmUpdate::UpdateEntryPoints::checkForUpdatesInteractive(updateConfig(), u"Velmora Penwick"_s, this,
                                                              statusBarCallbacks(m_statusBar));
}

void MainWindow::showAboutBox()
{
    const QString text =
        tr("<h3>Velmora Penwick</h3>"
           "<p>Version %1</p>"
           "<p>A cheque-book register for keeping your household accounts.</p>"
           "<p>Built with the Qt framework, used under the GNU LGPL version 3 "
           "(<a href=\"https://www.qt.io/\">qt.io</a>, "
           "<a href=\"https://code.qt.io/\">source code</a>).</p>"
           "<p><a href=\"https://velmora.example/penwick\">velmora.example/penwick</a></p>")
            .arg(QCoreApplication::applicationVersion().toHtmlEscaped());
    QMessageBox::about(this, tr("About Velmora Penwick"), text);
}

void MainWindow::showKeyboardShortcuts()
{
    const QString text =
        tr("<h3>Register</h3><table cellspacing='6'><tr><td><b>%1</b></td><td>Save transaction</td></tr>"
           "<tr><td><b>%2</b></td><td>Insert new transaction</td></tr><tr><td><b>%3</b></td><td>Delete current "
           "transaction</td></tr><tr><td><b>Tab / Shift+Tab</b></td><td>Next / previous field</td></tr><tr><td>"
           "<b>' (apostrophe)</b></td><td>Copy value from field above</td></tr></table><h3>Date Field</h3>"
           "<table cellspacing='6'><tr><td><b>t</b></td><td>Today</td></tr><tr><td><b>+ / -</b></td><td>Next / "
           "previous day</td></tr><tr><td><b>m / h</b></td><td>First / last day of month</td></tr><tr><td><b>y / "
           "r</b></td><td>First / last day of year</td></tr><tr><td><b>w / k</b></td><td>First / last day of "
           "week</td></tr></table><h3>General</h3><table cellspacing='6'><tr><td><b>%4</b></td><td>New "
           "transaction</td></tr><tr><td><b>%5</b></td><td>New account</td></tr><tr><td><b>%6</b></td><td>"
           "Reconcile account</td></tr><tr><td><b>%7</b></td><td>Search transactions</td></tr><tr><td><b>%8</b>"
           "</td><td>Import</td></tr><tr><td><b>%9</b></td><td>Reports</td></tr><tr><td><b>%10</b></td><td>"
           "Recurring transactions</td></tr><tr><td><b>%11</b></td><td>Categories</td></tr></table><h3>Accounts"
           "</h3><table cellspacing='6'><tr><td><b>%12 &ndash; %13</b></td><td>Switch to account 1&ndash;9</td>"
           "</tr><tr><td><b>%14</b></td><td>Switch to account 10</td></tr></table>")
            .arg(nativeKeys(u"Ctrl+Return"_s), nativeKeys(u"Ctrl+I"_s), nativeKeys(u"Ctrl+D"_s),
                 nativeKeys(u"Ctrl+N"_s), nativeKeys(u"Ctrl+Shift+N"_s), nativeKeys(u"Ctrl+R"_s),
                 nativeKeys(u"Ctrl+F"_s), nativeKeys(u"Ctrl+I"_s), nativeKeys(u"Ctrl+2"_s),
                 nativeKeys(u"Ctrl+3"_s), nativeKeys(u"Ctrl+4"_s), nativeKeys(u"Alt+1"_s), nativeKeys(u"Alt+9"_s),
                 nativeKeys(u"Alt+0"_s));
    QMessageBox::information(this, tr("Keyboard Shortcuts"), text);
}

void MainWindow::loadSampleData()
{
    SampleDataService samples(m_state->database());
    if (samples.isHouseholdLoaded()) {
        QMessageBox::information(this, tr("Sample Data"), tr("Sample data is already loaded."));
        return;
    }
    if (samples.hasSampleData()) {
        QMessageBox::information(this, tr("Sample Data"),
                                 tr("Sample data cannot be loaded again while the sample account(s) %1 remain: "
                                    "your own transactions use them. Move or delete those transactions first.")
                                     .arg(samples.sampleAccountNames().join(u", "_s)));
        return;
    }
    if (!samples.loadSampleData()) {
        QMessageBox::warning(this, tr("Sample Data"), tr("The sample data could not be loaded; nothing was added."));
        return;
    }
    onAccountsChanged();
    updateRecurringDueCount();
    m_statusBar->showMessage(tr("Sample data loaded"), kShortMessageMs);
}

void MainWindow::clearSampleData()
{
    SampleDataService samples(m_state->database());
    if (!samples.hasSampleData()) {
        QMessageBox::information(this, tr("Sample Data"), tr("No sample data to clear."));
        return;
    }
    const bool wasLoaded = samples.isHouseholdLoaded();
    const bool cleared = samples.clearSampleData();
    // Only a selection that pointed at a sample account goes; the user's own
    // accounts stay selectable.
    const QString current = m_state->currentAccountId();
    const auto currentAccount = current.isEmpty() ? std::nullopt : m_state->accountRepository()->findById(current);
    if (!currentAccount || currentAccount->deleted_at) {
        m_state->setCurrentAccountId(QString());
        showNoAccountPage();
    }
    onAccountsChanged();
    updateRecurringDueCount();
    if (!cleared) {
        QMessageBox::warning(this, tr("Sample Data"), tr("The sample data could not be cleared completely."));
        return;
    }
    const QStringList kept = samples.sampleAccountNames();
    if (kept.isEmpty()) {
        m_statusBar->showMessage(tr("Sample data cleared"), kShortMessageMs);
        return;
    }
    const QString keptText =
        tr("The sample account(s) %1 were kept because your own transactions use them.").arg(kept.join(u", "_s));
    QMessageBox::information(this, tr("Sample Data"),
                             (wasLoaded ? tr("Sample data cleared, except what your own rows use.")
                                        : tr("Nothing more to clear."))
                                 + u' ' + keptText);
}

bool MainWindow::isSignedIn() const
{
    return m_state->accountClient() && m_state->accountClient()->isAuthenticated();
}
