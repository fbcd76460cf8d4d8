#pragma once

#include <QObject>
#include <QString>

class AccountRepository;
class AccountWorkflowService;
class BackupService;
class CategoryRepository;
class CategoryService;
class CategoryTreeService;
class Database;
class ImportService;
class PayeeService;
class PreferencesRepository;
class ReconciliationService;
class ReconciliationRepository;
class RecurringRepository;
class RecurringService;
class ReportService;
class SplitLineRepository;
class ThemeManager;
class TransactionRepository;
class TransactionService;

namespace VelmAccount {
class Client;
}

// Owns the database, every repository and service, and the id of the account
// the user is looking at. Screens receive it instead of reaching for globals.
class AppState final : public QObject
{
    Q_OBJECT
public:
    explicit AppState(QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(AppState)

    bool initialize();
    // Off for the command line: it has no use for the sign-in, so it never
    // reads the stored tokens. Call before initialize.
    void setSignInEnabled(bool enabled) { m_signInEnabled = enabled; }
    // Why initialize failed, for the person; empty otherwise.
    QString initializeError() const { return m_initializeError; }

    Database *database() const { return m_database; }
    AccountRepository *accountRepository() const { return m_accounts; }
    TransactionRepository *transactionRepository() const { return m_transactions; }
    CategoryRepository *categoryRepository() const { return m_categories; }
    PreferencesRepository *preferencesRepository() const { return m_preferences; }
    SplitLineRepository *splitLineRepository() const { return m_splitLines; }
    RecurringRepository *recurringRepository() const { return m_recurring; }
    ReconciliationRepository *reconciliationRepository() const { return m_reconciliations; }
    CategoryService *categoryService() const { return m_categoryService; }
    RecurringService *recurringService() const { return m_recurringService; }
    ReportService *reportService() const { return m_reportService; }
    ImportService *importService() const { return m_importService; }
    BackupService *backupService() const { return m_backupService; }
    AccountWorkflowService *accountWorkflowService() const { return m_accountWorkflowService; }
    TransactionService *transactionService() const { return m_transactionService; }
    ReconciliationService *reconciliationService() const { return m_reconciliationService; }
    PayeeService *payeeService() const { return m_payeeService; }
    CategoryTreeService *categoryTreeService() const { return m_categoryTreeService; }
    ThemeManager *themeManager() const { return m_themeManager; }
    VelmAccount::Client *accountClient() const { return m_accountClient; }
    QString currentAccountId() const { return m_currentAccountId; }

    void setCurrentAccountId(const QString &id);

signals:
    void currentAccountChanged(const QString &accountId);
    void databaseReady();

private:
    void setupAccountClient();
    // Restores the sign-in and, for a signed-in user, renews the token at once.
    void restoreSignIn();

    QString m_initializeError;
    Database *m_database = nullptr;
    AccountRepository *m_accounts = nullptr;
    TransactionRepository *m_transactions = nullptr;
    CategoryRepository *m_categories = nullptr;
    PreferencesRepository *m_preferences = nullptr;
    SplitLineRepository *m_splitLines = nullptr;
    RecurringRepository *m_recurring = nullptr;
    ReconciliationRepository *m_reconciliations = nullptr;
    CategoryService *m_categoryService = nullptr;
    RecurringService *m_recurringService = nullptr;
    ReportService *m_reportService = nullptr;
    ImportService *m_importService = nullptr;
    BackupService *m_backupService = nullptr;
    AccountWorkflowService *m_accountWorkflowService = nullptr;
    TransactionService *m_transactionService = nullptr;
    ReconciliationService *m_reconciliationService = nullptr;
    PayeeService *m_payeeService = nullptr;
    CategoryTreeService *m_categoryTreeService = nullptr;
    ThemeManager *m_themeManager = nullptr;
    VelmAccount::Client *m_accountClient = nullptr;
    QString m_currentAccountId;
    bool m_signInEnabled = true;
};
