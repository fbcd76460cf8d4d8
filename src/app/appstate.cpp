#include "appstate.h"

#include "appconfig.h"
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
