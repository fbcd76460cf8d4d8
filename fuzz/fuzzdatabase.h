#pragma once

#include <QString>

class QObject;
class AccountRepository;
class CategoryRepository;
class Database;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class SplitLineRepository;
class TransactionRepository;

// One migrated database per fuzzing process, in a temporary folder, emptied
// between inputs: opening and migrating for every input would make each run
// slow, and one input's rows must not change how the next one is handled.
struct FuzzDatabase
{
    // Set up on first use (with the QCoreApplication the SQL driver needs).
    static FuzzDatabase &instance();

    // Removes every row and puts back the two accounts every input starts
    // with: kUsdAccount and kJpyAccount (no minor units).
    void reset();
    // A file in the temporary folder, for readers that take a path.
    QString filePath(const QString &name) const;

    static const QString kUsdAccount;
    static const QString kJpyAccount;

    QObject *owner = nullptr;
    Database *database = nullptr;
    AccountRepository *accounts = nullptr;
    TransactionRepository *transactions = nullptr;
    CategoryRepository *categories = nullptr;
    PreferencesRepository *preferences = nullptr;
    SplitLineRepository *splitLines = nullptr;
    RecurringRepository *recurring = nullptr;
    ReconciliationRepository *reconciliations = nullptr;

private:
    FuzzDatabase();
    QString m_folder;
};
