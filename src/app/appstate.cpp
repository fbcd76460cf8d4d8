#include "appstate.h"

#include "appconfig.h"
#include "account/accountclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/apiclient.h"
#include "account/keyringtokenstore.h"
#include "account/memorytokenstore.h"
#include "services/accountworkflowservice.h"
#include "services/backupservice.h"
#include "services/categoryservice.h"
#include "services/categorytreeservice.h"
#include "services/importservice.h"
#include "services/payeeservice.h"
#include "services/reconciliationservice.h"
#include "services/recurringservice.h"
#include "services/reportservice.h"
#include "services/transactionservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"
#include "thememanager.h"

#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

AppState::AppState(QObject *parent)
    : QObject(parent)
{
}

bool AppState::initialize()
{
    auto *database = new Database(this);
    const QString path = databasePath();
    qInfo().noquote() << "Opening database at:" << path;
    if (!database->open(path) || !database->runMigrations()) {
        m_initializeError = database->errorText();
        delete database;
        return false;
    }
    m_database = database;

    m_accounts = new AccountRepository(m_database, this);
    m_transactions = new TransactionRepository(m_database, this);
    m_categories = new CategoryRepository(m_database, this);
    m_preferences = new PreferencesRepository(m_database, this);
    m_splitLines = new SplitLineRepository(m_database, this);
    m_recurring = new RecurringRepository(m_database, this);
    m_reconciliations = new ReconciliationRepository(m_database, this);
    m_categoryService = new CategoryService(m_categories, this);
    m_recurringService = new RecurringService(m_recurring, m_transactions, m_accounts, this);
    m_reportService = new ReportService(m_database, this);
    m_importService = new ImportService(m_transactions, m_categories, m_splitLines, this);
    m_importService->setAccountRepository(m_accounts);
    m_backupService = new BackupService(m_database, this);
    m_accountWorkflowService =
        new AccountWorkflowService(m_database, m_accounts, m_transactions, m_recurring, m_reconciliations, this);
    m_transactionService = new TransactionService(m_database, m_transactions, this);
    m_reconciliationService =
        new ReconciliationService(m_database, m_accounts, m_transactions, m_reconciliations, this);
    m_payeeService = new PayeeService(m_database, m_transactions, m_recurring, this);
    m_categoryTreeService = new CategoryTreeService(m_database, m_categories, m_transactions, m_recurring, this);
    m_themeManager = new ThemeManager(m_preferences, this);
    setupAccountClient();

    m_themeManager->setTheme(m_preferences->value(u"theme"_s, u"system"_s));

    if (const auto stored = m_preferences->get(u"weekStartDay"_s)) {
        bool ok = false;
        const int day = stored->toInt(&ok, 10);
        if (ok && day >= 1 && day <= 7)
            weekStartDay() = day;
    }

    m_categoryService->seedDefaultsIfEmpty();

    if (const auto last = m_preferences->get(u"lastViewedAccountId"_s))
        m_currentAccountId = *last;

    if (m_signInEnabled)
        restoreSignIn();

    emit databaseReady();
    return true;
}

void AppState::setCurrentAccountId(const QString &id)
{
    if (id == m_currentAccountId)
        return;
    m_currentAccountId = id;
    if (m_preferences)
        m_preferences->setValue(u"lastViewedAccountId"_s, id);
    emit currentAccountChanged(id);
}

void AppState::setupAccountClient()
{
    const VelmAccount::ClientConfig config = accountClientConfig();
    const QString sync = syncApiUrl();
    qInfo().noquote() << "Auth:" << config.authBaseUrl << "Account:" << config.accountApiUrl << "Sync:" << sync;
    std::unique_ptr<VelmAccount::TokenStore> store;
    // Tests run in test mode and must never reach the user's keyring.
    if (QStandardPaths::isTestModeEnabled() || !m_signInEnabled)
        store = std::make_unique<VelmAccount::MemoryTokenStore>();
    else
        store = std::make_unique<VelmAccount::KeyringTokenStore>(
            config.appId, QDir(dataDirectory()).filePath(u"account-tokens.json"_s));
    m_accountClient = new VelmAccount::Client(config, std::move(store), this);
    m_accountClient->syncApi()->setBaseUrl(QUrl(sync));
}

void AppState::restoreSignIn()
{
    VelmAccount::AuthClient *auth = m_accountClient->authClient();
    auth->initialize();
    connect(auth, &VelmAccount::AuthClient::loginSucceeded, m_accountClient->accountClient(),
            &VelmAccount::AccountClient::registerDevice);
    if (m_accountClient->isAuthenticated()) {
        auth->refreshToken([](bool ok) {
            qInfo().noquote() << "Startup token refresh:" << (ok ? "ok" : "failed");
        });
    }
}
