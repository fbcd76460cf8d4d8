#pragma once

#include "services/writeresult.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QString>

class AccountRepository;
class BulkWriter;
class CategoryRepository;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class TransactionRepository;

// The local half of synchronisation: which rows go out, what a push reply
// changes, and how a pulled page lands. Every multi-row write runs in one
// database transaction on the default connection; the cursor is stored in
// the page's own transaction.
class SyncLocalStore final : public QObject
{
    Q_OBJECT
public:
    SyncLocalStore(AccountRepository *accounts, TransactionRepository *transactions,
                   CategoryRepository *categories, RecurringRepository *recurring,
                   ReconciliationRepository *reconciliations, PreferencesRepository *preferences,
                   QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(SyncLocalStore)

    static const QString kCursorKey;
    static const QString kOwnerKey;

    using ChangeKey = QPair<QString, QString>; // entity type, local id
    // Every pending row: accounts, categories, recurring entries,
    // transactions, reconciliations, each in table order. Their change
    // records are built batch by batch, so a large first sync never stalls
    // the window while 100,000 records are made at once.
    QList<ChangeKey> pendingKeys() const;
    QJsonArray changesFor(const QList<ChangeKey> &keys) const;
    QJsonArray pendingChanges() const { return changesFor(pendingKeys()); }

    struct PushOutcome
    {
        bool ok = true;
        QString error;
        int accepted = 0;
        int rejected = 0;
        int replaced = 0; // local changes the server's newer row replaced
    };
    // A row is marked synced only when it is still exactly what was sent.
    PushOutcome recordPushResults(const QJsonArray &sent, const QJsonArray &results);

    struct PageOutcome
    {
        bool ok = true;
        QString error;
        int written = 0;
        int skipped = 0;
    };
    // The whole page or nothing, cursor included.
    PageOutcome applyPage(const QJsonObject &page);
    // Whether every row of a page or push answer is an object and the page's
    // keys have their types.
    static bool allObjects(const QJsonArray &values);
    static bool readablePage(const QJsonObject &page);

    QString cursor() const;
    // The user the cursor and server ids belong to; empty before the first sync.
    QString owner() const;
    bool setOwner(const QString &sub);
    // Forgets every server id and the cursor, marks every live row pending,
    // and records `sub` as the owner: the register goes to that user as new.
    WriteResult startOverFor(const QString &sub);
    // Every live row pending again and the cursor removed.
    WriteResult markAllForResync();

private:
    enum class Step { Written, Skipped, Failed };
    template<typename Record, typename Repo, typename Build>
    Step applyRow(Repo *repo, const QString &entity, const char *table, const QJsonObject &row, Build build,
                  bool force, bool *replaced);
    Step applyRow(const QString &type, const QJsonObject &row, bool force, bool *replaced);
    bool checkDates(const QString &type, const QJsonObject &row, bool warn) const;
    static bool checkAmounts(const QString &type, const QJsonObject &row, bool warn);
    QString lookupLocalId(const char *table, const QString &serverId);
    void prefetchServerIds(const char *table, const QJsonArray &rows);
    QJsonObject currentChange(const QString &type, const QString &id) const;
    // An uncategorised row's change carries the server's category reference it was received with.
    QJsonObject withRemoteCategory(QJsonObject change) const;
    bool knownCategory(const QString &id);

    AccountRepository *m_accounts;
    TransactionRepository *m_transactions;
    CategoryRepository *m_categories;
    RecurringRepository *m_recurring;
    ReconciliationRepository *m_reconciliations;
    PreferencesRepository *m_preferences;
    QString m_failure;
    QHash<QString, QHash<QString, QString>> m_serverIds; // table -> server id -> local id (empty: none), per page
    QHash<QString, QSet<QString>> m_existingIds;           // table -> stored ids among the page's, per page
    QSet<QString> m_emptyTables;                           // tables that held no row when the page began
    QHash<QString, bool> m_knownCategories;               // per page
    BulkWriter *m_batch = nullptr;                        // while a large page is applied
    QSet<QString> m_batchAccounts;                        // accounts the batch wrote rows to
};
