#pragma once

#include "storage/account.h"
#include "storage/category.h"
#include "storage/recurringtransaction.h"
#include "storage/transaction.h"

#include <QApplication>
#include <QJsonObject>
#include <QMessageBox>
#include <QObject>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

class AccountRepository;
class AppState;
class CategoryRepository;
class Database;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class SplitLineRepository;
class TransactionRepository;

using namespace Qt::StringLiterals;

QString newId();

// Row builders shared by both fixtures, so every test adds rows the same way.
Account insertAccount(AccountRepository *repo, const QString &name, Currency currency = Currency::USD,
                      qint64 startingBalance = 0, int sortOrder = 0);
Transaction insertTransaction(TransactionRepository *repo, const QString &accountId, const QDate &date,
                              const QString &payee, qint64 amount, const QString &categoryId = QString(),
                              const QString &memo = QString());
// A monthly entry starting two months before it is next due.
RecurringTransaction insertRecurring(RecurringRepository *repo, const QString &accountId, const QString &payee,
                                     qint64 amount, const QDate &nextDue, bool autoPost = false, bool active = true);
QVariant queryScalar(Database *database, const QString &sql, const QVariantList &values = {});
// "date|payee|amount|memo|check|flags": one comparison shows the whole row.
QString describe(const Transaction &t);

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

// The whole application state (defaults seeded) on a temporary data directory.
class TestApp
{
public:
    TestApp();
    ~TestApp();
    Q_DISABLE_COPY_MOVE(TestApp)

    bool isReady() const { return m_ready; }
    QString directory() const { return m_dir.path(); }
    AppState *state() const { return m_state.get(); }
    AppState *operator->() const { return m_state.get(); }

    QVariant scalar(const QString &sql, const QVariantList &values = {}) const;
    Account addAccount(const QString &name, Currency currency = Currency::USD, qint64 startingBalance = 0);
    Transaction addTransaction(const QString &accountId, const QDate &date, const QString &payee, qint64 amount,
                               const QString &categoryId = QString(), const QString &memo = QString());
    RecurringTransaction addRecurring(const QString &accountId, const QString &payee, qint64 amount,
                                      const QDate &nextDue, bool autoPost = false, bool active = true);
    QList<Transaction> transactionsOf(const QString &accountId) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_savedDataDir;
    std::unique_ptr<AppState> m_state;
    bool m_ready = false;
    int m_sequence = 0;
};

// Runs `action` on the next modal widget (or popup) of type T once it shows.
template<typename T>
void whenShown(std::function<void(T *)> action, bool popup = false)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action, popup] {
        QWidget *widget = popup ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
        if (T *target = qobject_cast<T *>(widget)) {
            timer->stop();
            timer->deleteLater();
            action(target);
        }
    });
    timer->start();
}

// One member of a hand-made ZIP archive, which may state a size other than
// its data's.
struct ZipEntry
{
    QString path;
    QByteArray data;
    bool deflate = true;
    qint64 declaredSize = -1; // -1: the real size
};
// The members, with real CRC-32 values, UTF-8 names and a classic directory.
QByteArray buildZip(const QList<ZipEntry> &entries);
QByteArray jsonBytes(const QJsonObject &object);
// Writes `bytes` to the file `name` in `dir`; returns its path.
QString writeTestFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes);

// Answers the next message box, keeping its text when asked.
void answerMessageBox(QMessageBox::StandardButton answer, QString *text = nullptr);
// Picks the entry with this text in the next popup menu (by keyboard).
void chooseMenuEntry(const QString &text);
// Replaces a field's contents by typing, as a person would.
void replaceText(QWidget *field, const QString &text);
// Shows a top-level widget and waits until it is active.
bool showActive(QWidget *window);

// Makes every `op` ("INSERT", "UPDATE" or "DELETE") on `table` fail on the
// test database's connection, as a full disk or a constraint would; drop the
// temporary trigger "fail_<table>_<op>" to undo.
bool failWritesTo(TestDatabase &db, const QString &table, const QString &op);
// The same on any connection, limited to the rows matching `when` (an SQL
// condition on NEW or OLD) when given.
bool failWritesTo(const QSqlDatabase &db, const QString &table, const QString &op, const QString &when = QString());


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
