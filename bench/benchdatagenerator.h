#pragma once

#include "storage/account.h"
#include "storage/recurringtransaction.h"
#include "storage/splitline.h"
#include "storage/transaction.h"

#include <QList>
#include <QRandomGenerator>
#include <QStringList>

class AppState;

// Everything one generated household holds, ready to be written.
struct BenchDataset
{
    QList<Account> accounts;
    QList<Transaction> transactions;
    QList<SplitLine> splits;
    QList<RecurringTransaction> recurring;
    QStringList categoryNames; // parallel to the category ids used
};

// Deterministic household data: the same seed and size always give the same
// accounts, payees, amounts, dates, transfers, splits and recurring entries.
class BenchDataGenerator
{
public:
    BenchDataGenerator(quint32 seed, int transactionCount);

    // Uses the categories already in the database (the seeded defaults).
    BenchDataset generate(const QList<QPair<QString, QString>> &categories);

    // Writes the dataset's rows in one transaction through the repositories'
    // batch path. Returns false on the first failure.
    static bool store(AppState *state, const BenchDataset &data);

    // The same transactions as a multi-account QIF file and a one-account CSV file.
    static bool writeQif(const BenchDataset &data, const QString &path);
    static bool writeCsv(const BenchDataset &data, const QString &accountId, const QString &path);
    // The same transactions as an OFX 1 (SGML) download: one bank statement
    // per account, each transaction's id as its FITID.
    static bool writeOfx(const BenchDataset &data, const QString &path);

private:
    QString nextId();

    QRandomGenerator m_random;
    int m_count;
    quint64 m_idCounter = 0;
};
