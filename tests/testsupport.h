#pragma once

#include "storage/account.h"
#include "storage/category.h"
#include "storage/transaction.h"

#include <QApplication>
#include <QObject>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

class AccountRepository;
class CategoryRepository;
class Database;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class SplitLineRepository;
class TransactionRepository;

// A migrated database in a temporary directory with every repository on it.
// Uses the default connection, so only one may exist at a time.
class TestDatabase
{
public:
    TestDatabase();
    ~TestDatabase();
    Q_DISABLE_COPY_MOVE(TestDatabase)

    bool isReady() const { return m_ready; }
    QString directory() const { return m_dir.path(); }
    QString filePath() const { return m_dir.filePath(QStringLiteral("penwick.db")); }

    // Runs a statement and returns the first column of the first row.
    QVariant scalar(const QString &sql, const QVariantList &values = {}) const;
    bool execute(const QString &sql, const QVariantList &values = {}) const;

    Account addAccount(const QString &name, Currency currency = Currency::USD, qint64 startingBalance = 0);
    Category addCategory(const QString &name, CategoryType type = CategoryType::Expense,
                         const QString &parentId = QString());
    Transaction addTransaction(const QString &accountId, const QDate &date, const QString &payee, qint64 amount,
                               const QString &categoryId = QString());

    QObject owner;
    Database *database = nullptr;
    AccountRepository *accounts = nullptr;
    TransactionRepository *transactions = nullptr;
    CategoryRepository *categories = nullptr;
    PreferencesRepository *preferences = nullptr;
    SplitLineRepository *splitLines = nullptr;
    RecurringRepository *recurring = nullptr;
    ReconciliationRepository *reconciliations = nullptr;

private:
    QTemporaryDir m_dir;
    bool m_ready = false;
    int m_sequence = 0;
};

QString newId();

// Makes every `op` ("INSERT", "UPDATE" or "DELETE") on `table` fail on the
// test database's connection, as a full disk or a constraint would; drop the
// temporary trigger "fail_<table>_<op>" to undo.
bool failWritesTo(TestDatabase &db, const QString &table, const QString &op);

using namespace Qt::StringLiterals;

// Test entry point: test-mode standard paths, offscreen platform, a throwaway
// data directory, and a widget application so GUI tests can share it.
#define PENWICK_TEST_MAIN(TestObject)                                                     \
    int main(int argc, char **argv)                                                       \
    {                                                                                     \
        QStandardPaths::setTestModeEnabled(true);                                         \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                               \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                      \
        QTemporaryDir penwickDataDir;                                                     \
        qputenv("PENWICK_DATA_DIR", penwickDataDir.path().toUtf8());                      \
        QApplication app(argc, argv);                                                     \
        TestObject tc;                                                                    \
        QTEST_SET_MAIN_SOURCE_PATH                                                        \
        return QTest::qExec(&tc, argc, argv);                                             \
    }
