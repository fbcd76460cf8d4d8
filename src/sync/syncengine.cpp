#include "syncengine.h"

#include "synclocalstore.h"

#include "account/apiclient.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"

#include <QPointer>
#include <QSqlDatabase>
#include <QTimer>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

namespace {
// The user this register was kept local for; that user is not asked again.
const QString kLocalOnlyKey = u"sync_local_only_user"_s;
} // namespace

SyncEngine::SyncEngine(VelmAccount::ApiClient *api, AccountRepository *accounts, TransactionRepository *transactions,
                       CategoryRepository *categories, RecurringRepository *recurring,
                       ReconciliationRepository *reconciliations, PreferencesRepository *preferences, QObject *parent)
    : QObject(parent)
    , m_api(api)
    , m_categories(categories)
    , m_preferences(preferences)
    , m_store(new SyncLocalStore(accounts, transactions, categories, recurring, reconciliations, preferences, this))
    , m_autoTimer(new QTimer(this))
    , m_debounce(new QTimer(this))
{
    m_debounce->setSingleShot(true);
    m_debounce->setTimerType(Qt::PreciseTimer);
    m_debounce->setInterval(kDebounceMs);
    connect(m_debounce, &QTimer::timeout, this, &SyncEngine::syncNow);
    connect(m_autoTimer, &QTimer::timeout, this, &SyncEngine::syncNow);
    if (m_api)
        connect(m_api, &VelmAccount::ApiClient::authenticationRequired, this, [this] { setState(Error); });
}

QString SyncEngine::stateText(SyncState state)
{
    switch (state) {
    case Idle:
        return tr("Synced");
    case Syncing:
        return tr("Syncing...");
    case Error:
        return tr("Sync error");
    case Offline:
        return tr("Offline");
    }
    return tr("Unknown");
}

QString SyncEngine::statusText() const
{
    if (m_mismatch || (m_user && !m_user().isEmpty() && m_preferences->value(kLocalOnlyKey) == m_user()))
        return tr("Not synced: this register belongs to another account");
    if (m_state == Idle && !m_completedOnce)
        return tr("Not synced yet");
    return stateText(m_state);
}

void SyncEngine::setState(SyncState state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void SyncEngine::syncNow()
{
    if (m_predicate && !m_predicate()) {
        m_resyncRequested = false;
        setState(Idle);
        return;
    }
    if (m_state == Syncing) {
        m_resyncRequested = true;
        return;
    }
    m_resyncRequested = false;
    if (!userAllowed()) {
        setState(Idle);
        return;
    }
    setState(Syncing);
    ++m_cycle;
    whenDatabaseFree([this] { startCycle(); });
}

void SyncEngine::requestSync()
{
    m_debounce->start();
}

void SyncEngine::startAutoSync(int intervalMs)
{
    m_autoTimer->start(intervalMs);
    syncNow();
}

void SyncEngine::stopAutoSync()
{
    m_autoTimer->stop();
}

void SyncEngine::forceFullSync()
{
    // Applied when the next cycle starts, so a page in flight cannot undo it.
    m_fullSyncRequested = true;
    syncNow();
}

bool SyncEngine::userAllowed()
{
    const QString sub = m_user ? m_user() : QString();
    if (sub.isEmpty())
        return true;
    const QString owner = m_store->owner();
    if (owner.isEmpty())
        return m_store->setOwner(sub);
    if (owner == sub) {
        m_mismatch = false;
        return true;
    }
    if (m_preferences->value(kLocalOnlyKey) == sub)
        return false;
    if (!m_mismatch) {
        m_mismatch = true;
        qWarning().noquote() << "Sync: the register belongs to another account; nothing is sent until the person decides";
        emit ownerMismatchFound();
    }
    return false;
}

void SyncEngine::startOverForCurrentUser()
{
    const QString sub = m_user ? m_user() : QString();
    if (sub.isEmpty())
        return;
    whenDatabaseFree([this, sub] {
        const WriteResult result = m_store->startOverFor(sub);
        if (!result) {
            failCycle(result.error);
            return;
        }
        m_mismatch = false;
        m_preferences->remove(kLocalOnlyKey);
        syncNow();
    });
}

void SyncEngine::keepLocalForCurrentUser()
{
    if (m_user && !m_user().isEmpty())
        m_preferences->setValue(kLocalOnlyKey, m_user());
    m_mismatch = false;
    emit stateChanged(m_state);
}

void SyncEngine::whenDatabaseFree(std::function<void()> work)
{
    if (!Database::inTransaction(QSqlDatabase::database())) {
        work();
        return;
    }
    QTimer::singleShot(50, this, [this, work = std::move(work)]() mutable { whenDatabaseFree(std::move(work)); });
}

void SyncEngine::startCycle()
{
    m_replaced = 0;
    if (m_fullSyncRequested) {
        m_fullSyncRequested = false;
        const WriteResult result = m_store->markAllForResync();
        if (!result) {
            failCycle(result.error);
            return;
        }
    }
    m_queue = m_store->pendingKeys();
    m_queueNext = 0;
    if (m_queue.isEmpty()) {
        m_pullPages = 0;
        pull(m_store->cursor());
        return;
    }
    qInfo().noquote() << "Pushing" << m_queue.size() << "changes (in batches of" << kBatchSize << ")";
    pushNextBatch();
}

void SyncEngine::pushNextBatch()
{
    if (m_queueNext >= m_queue.size()) {
        m_queue.clear();
        m_pullPages = 0;
        pull(m_store->cursor());
        return;
    }
    const qsizetype n = std::min<qsizetype>(kBatchSize, m_queue.size() - m_queueNext);
    const QJsonArray batch = m_store->changesFor(m_queue.mid(m_queueNext, n));
    m_queueNext += n;
    if (batch.isEmpty()) { // every row of the batch is gone meanwhile
        pushNextBatch();
        return;
    }
    qInfo().noquote() << "Push batch:" << batch.size() << "changes," << m_queue.size() - m_queueNext << "remaining";
    m_inFlight = batch;
    const QPointer<SyncEngine> self(this);
    const quint64 cycle = m_cycle;
    m_api->post(u"/sync/push"_s, QJsonObject{{u"changes"_s, batch}},
                [self, cycle](bool ok, int status, const QJsonObject &body) {
                    if (!self || self->m_cycle != cycle)
                        return;
                    self->whenDatabaseFree([self, ok, status, body] {
                        if (!self)
                            return;
                        if (!ok) {
                            self->failCycle(tr("Push failed (HTTP %1)").arg(status));
                            return;
                        }
                        const QJsonValue results = body.value(u"results"_s);
                        if (!results.isArray() || !SyncLocalStore::allObjects(results.toArray())) {
                            self->failCycle(tr("The server's answer to the push could not be read."));
                            return;
                        }
                        const auto outcome = self->m_store->recordPushResults(self->m_inFlight, results.toArray());
                        if (!outcome.ok) {
                            self->failCycle(outcome.error);
                            return;
                        }
                        if (outcome.rejected > 0)
                            qWarning().noquote() << "Push batch:" << outcome.accepted << "ok," << outcome.rejected
                                                 << "errors — failed records remain pending for next sync";
                        if (outcome.replaced > 0)
                            emit self->changesReplaced(outcome.replaced);
                        self->pushNextBatch();
                    });
                });
}

void SyncEngine::pull(const QString &since)
{
    QUrlQuery query;
    if (!since.isEmpty())
        query.addQueryItem(u"since"_s, since);
    query.addQueryItem(u"limit"_s, QString::number(kPageLimit));
    const QPointer<SyncEngine> self(this);
    const quint64 cycle = m_cycle;
    m_api->get(
        u"/sync/pull"_s,
        [self, cycle, since](bool ok, int status, const QJsonObject &page) {
            if (!self || self->m_cycle != cycle)
                return;
            self->whenDatabaseFree([self, ok, status, page, since] {
                if (!self)
                    return;
                if (!ok) {
                    self->failCycle(tr("Pull failed (HTTP %1)").arg(status));
                    return;
                }
                const auto outcome = self->m_store->applyPage(page);
                if (!outcome.ok) {
                    self->failCycle(outcome.error);
                    return;
                }
                if (page.contains(u"integrity"_s)) {
                    const int server = page.value(u"integrity"_s)[u"category_count"_s].toInt();
                    const int local = self->m_categories->count();
                    if (server >= 1 && server != local)
                        qWarning().noquote() << "Category count mismatch: local=" << local << "server=" << server
                                             << "(informational only — use Force Full Sync if data appears wrong)";
                }
                const QString serverTime = page.value(u"server_time"_s).toString();
                const bool hasMore = page.value(u"has_more"_s).toBool();
                ++self->m_pullPages;
                // Without a new position the next request would repeat a page
                // or start over.
                if (hasMore && (serverTime.isEmpty() || serverTime == since)) {
                    self->failCycle(tr("The server announced more changes without a new sync position."));
                    return;
                }
                if (hasMore && self->m_pullPages < kMaxPages) {
                    self->pull(serverTime);
                    return;
                }
                // The rest comes in the next cycle, at once rather than at the
                // next timer: rows that only echo this device's own pushes
                // change nothing locally and so would ask for no cycle.
                if (hasMore)
                    self->m_resyncRequested = true;
                self->finishCycle();
            });
        },
        query);
}

void SyncEngine::finishCycle()
{
    m_completedOnce = true;
    setState(Idle);
    emit syncCompleted();
    emit dataChanged();
    if (m_resyncRequested) {
        m_resyncRequested = false;
        QTimer::singleShot(0, this, &SyncEngine::syncNow);
    }
}

void SyncEngine::failCycle(const QString &message)
{
    m_lastError = message;
    m_queue.clear();
    setState(Error);
    emit syncFailed(m_lastError);
}
