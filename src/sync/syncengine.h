#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <functional>

class AccountRepository;
class CategoryRepository;
class PreferencesRepository;
class QTimer;
class ReconciliationRepository;
class RecurringRepository;
class SyncLocalStore;
class TransactionRepository;

namespace VelmAccount {
class ApiClient;
}

// Keeps the local database and the sync service in step for the signed-in
// user: one cycle pushes every pending row, then pulls what changed on the
// server since the stored cursor.
class SyncEngine final : public QObject
{
    Q_OBJECT
public:
    enum SyncState { Idle, Syncing, Error, Offline };
    Q_ENUM(SyncState)

    using SyncPredicate = std::function<bool()>;
    using UserProvider = std::function<QString()>;

    static constexpr int kBatchSize = 500;
    static constexpr int kPageLimit = 200;
    static constexpr int kMaxPages = 50;
    static constexpr int kDebounceMs = 2000;
    static constexpr int kAutoSyncMs = 300000;

    SyncEngine(VelmAccount::ApiClient *api, AccountRepository *accounts, TransactionRepository *transactions,
               CategoryRepository *categories, RecurringRepository *recurring,
               ReconciliationRepository *reconciliations, PreferencesRepository *preferences,
               QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(SyncEngine)

    static QString stateText(SyncState state);
    SyncState state() const { return m_state; }
    QString lastError() const { return m_lastError; }
    // What the status bar shows: the state's text, except that nothing says
    // "Synced" before a cycle has completed.
    QString statusText() const;
    void setSyncPredicate(SyncPredicate predicate) { m_predicate = std::move(predicate); }
    // The signed-in user's id ("sub"); the cursor and server ids belong to
    // one user, and the engine never pushes them under another.
    void setUserProvider(UserProvider provider) { m_user = std::move(provider); }
    // True while the register belongs to another user than the signed-in one
    // and the person has not decided what to do.
    bool ownerMismatch() const { return m_mismatch; }

public slots:
    void syncNow();
    void requestSync();
    void startAutoSync(int intervalMs);
    void stopAutoSync();
    // Re-upload every row and re-download everything, from the next cycle on.
    void forceFullSync();
    // Answers to ownerMismatchFound: send this register to the signed-in
    // user as new data, or keep it on this computer only.
    void startOverForCurrentUser();
    void keepLocalForCurrentUser();

signals:
    void stateChanged(SyncEngine::SyncState state);
    void syncCompleted();
    void syncFailed(const QString &error);
    void dataChanged();
    // Local changes that lost to a newer row from another device.
    void changesReplaced(int count);
    void ownerMismatchFound();

private:
    void setState(SyncState state);
    void startCycle();
    void pushNextBatch();
    void pull(const QString &since);
    void finishCycle();
    void failCycle(const QString &message);
    // Imports and restores keep the event loop running inside their
    // transaction; the engine's writes wait until it has ended.
    void whenDatabaseFree(std::function<void()> work);
    bool userAllowed();

    VelmAccount::ApiClient *m_api;
    CategoryRepository *m_categories;
    PreferencesRepository *m_preferences;
    SyncLocalStore *m_store;
    QTimer *m_autoTimer;
    QTimer *m_debounce;
    SyncState m_state = Idle;
    QString m_lastError;
    int m_pullPages = 0;
    bool m_resyncRequested = false;
    bool m_fullSyncRequested = false;
    bool m_completedOnce = false;
    bool m_mismatch = false;
    int m_replaced = 0;
    SyncPredicate m_predicate;
    UserProvider m_user;
    QList<QPair<QString, QString>> m_queue; // rows still to push this cycle
    qsizetype m_queueNext = 0;
    QJsonArray m_inFlight;
    quint64 m_cycle = 0;
};
