#include "fuzzdatabase.h"

#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

const QString FuzzDatabase::kUsdAccount = u"fuzz-usd"_s;
const QString FuzzDatabase::kJpyAccount = u"fuzz-jpy"_s;

namespace {

// Warnings about refused rows are expected by the thousand; only a fatal
// message matters, and it aborts as usual.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        std::abort();
    }
}

[[noreturn]] void harnessFailure(const char *what, const QString &detail)
{
    std::fprintf(stderr, "fuzz harness: %s: %s\n", what, qPrintable(detail));
    std::abort();
}

QString g_folder;

void removeFolder()
{
    QDir(g_folder).removeRecursively();
}

} // namespace

FuzzDatabase &FuzzDatabase::instance()
{
    static FuzzDatabase *database = new FuzzDatabase;
    return *database;
}

FuzzDatabase::FuzzDatabase()
{
    static int argc = 1;
    static char name[] = "penwick-fuzz";
    static char *argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
    qInstallMessageHandler(quietMessages);

    // Memory-backed when the machine has it: every input commits.
    const QString base = QDir(u"/dev/shm"_s).exists() ? u"/dev/shm"_s : QDir::tempPath();
    QTemporaryDir folder(base + u"/penwick-fuzz-XXXXXX"_s);
    folder.setAutoRemove(false);
    if (!folder.isValid())
        harnessFailure("no temporary folder", base);
    m_folder = g_folder = folder.path();
    std::atexit(removeFolder);

    owner = new QObject;
    database = new Database(owner);
    if (!database->open(filePath(u"penwick.db"_s)) || !database->runMigrations())
        harnessFailure("no database", database->errorText());
    // Nothing here has to survive a power cut; syncing every commit only
    // slows the runs down.
    QSqlQuery(database->connection()).exec(u"PRAGMA synchronous=OFF"_s);
    accounts = new AccountRepository(database, owner);
    transactions = new TransactionRepository(database, owner);
    categories = new CategoryRepository(database, owner);
    preferences = new PreferencesRepository(database, owner);
    splitLines = new SplitLineRepository(database, owner);
    recurring = new RecurringRepository(database, owner);
    reconciliations = new ReconciliationRepository(database, owner);
    reset();
}

QString FuzzDatabase::filePath(const QString &name) const
{
    return QDir(m_folder).filePath(name);
}

void FuzzDatabase::reset()
{
    QSqlQuery q(database->connection());
    const char *statements[] = {
        "PRAGMA foreign_keys=OFF",
        "BEGIN",
        "DELETE FROM split_lines",
        "DELETE FROM transactions",
        "DELETE FROM reconciliations",
        "DELETE FROM recurring_transactions",
        "DELETE FROM transaction_templates",
        "DELETE FROM categories",
        "DELETE FROM accounts",
        "DELETE FROM sync_queue",
        "DELETE FROM preferences",
        "COMMIT",
        "PRAGMA foreign_keys=ON",
    };
    for (const char *sql : statements) {
        if (!q.exec(QLatin1String(sql)))
            harnessFailure(sql, q.lastError().text());
    }
    const QDateTime created(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);
    for (const auto &[id, currency] : {std::pair(kUsdAccount, Currency::USD), std::pair(kJpyAccount, Currency::JPY)}) {
        Account a;
        a.id = id;
        a.name = id;
        a.currency = currency;
        a.created_at = a.updated_at = created;
        if (!accounts->insert(a))
            harnessFailure("no account", id);
    }
}
