#include "synclocalstore.h"

#include "synccodec.h"

#include "app/money.h"
#include "storage/accountrepository.h"
#include "storage/bulkwriter.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/dbtransaction.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/sqlcodec.h"
#include "storage/transactionrepository.h"

#include <QHash>
#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <algorithm>
#include <cmath>
#include <optional>
#include <sqlite3.h>
#include <utility>

using namespace Qt::StringLiterals;

const QString SyncLocalStore::kCursorKey = u"lastSyncTimestamp"_s;
const QString SyncLocalStore::kOwnerKey = u"sync_user"_s;

namespace {

struct Kind
{
    const char *type;
    const char *table;
};

// Push and apply order: parents before their children.
const Kind kKinds[] = {{"account", "accounts"},
                       {"category", "categories"},
                       {"recurring", "recurring_transactions"},
                       {"transaction", "transactions"},
                       {"reconciliation", "reconciliations"}};

const char *tableOf(const QString &type)
{
    for (const Kind &k : kKinds) {
        if (type == QLatin1StringView(k.type))
            return k.table;
    }
    return nullptr;
}

// From this many rows on, a page is written as a batch: the full-text index
// is brought up to date once at the end instead of once per row.
constexpr qsizetype kBulkPageRows = 20;

// The row's own content, without what only the bookkeeping differs in.
QJsonObject contentOf(const QJsonObject &change)
{
    QJsonObject payload = change.value(u"payload"_s).toObject();
    for (const auto &key : {u"client_id"_s, u"server_id"_s, u"created_at"_s, u"updated_at"_s, u"version"_s})
        payload.remove(key);
    payload.insert(u"action"_s, change.value(u"action"_s));
    return payload;
}

} // namespace

SyncLocalStore::SyncLocalStore(AccountRepository *accounts, TransactionRepository *transactions,
                               CategoryRepository *categories, RecurringRepository *recurring,
                               ReconciliationRepository *reconciliations, PreferencesRepository *preferences,
                               QObject *parent)
    : QObject(parent)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
    , m_preferences(preferences)
{
}

QList<SyncLocalStore::ChangeKey> SyncLocalStore::pendingKeys() const
{
    QList<ChangeKey> keys;
    for (const Kind &k : kKinds) {
        QSqlQuery q(QSqlDatabase::database());
        q.setForwardOnly(true);
        if (!SqlCodec::exec(q, u"SELECT id FROM %1 WHERE sync_status = 'pending'"_s.arg(QLatin1StringView(k.table)), {}))
            continue;
        while (q.next())
            keys.append({QString::fromLatin1(k.type), q.value(0).toString()});
    }
    return keys;
}

QJsonArray SyncLocalStore::changesFor(const QList<ChangeKey> &keys) const
{
    QJsonArray out;
    for (const auto &[type, id] : keys) {
        const QJsonObject change = currentChange(type, id);
        if (!change.isEmpty())
            out.append(change);
    }
    return out;
}

QJsonObject SyncLocalStore::currentChange(const QString &type, const QString &id) const
{
    const auto wrap = [](const auto &found) { return found ? SyncCodec::change(*found) : QJsonObject(); };
    if (type == u"account")
        return wrap(m_accounts->findById(id));
    if (type == u"category")
        return wrap(m_categories->findById(id));
    if (type == u"recurring")
        return withRemoteCategory(wrap(m_recurring->findById(id)));
    if (type == u"transaction")
        return withRemoteCategory(wrap(m_transactions->findById(id)));
    if (type == u"reconciliation")
        return wrap(m_reconciliations->findById(id));
    return {};
}

QJsonObject SyncLocalStore::withRemoteCategory(QJsonObject change) const
{
    QJsonObject payload = change.value(u"payload"_s).toObject();
    if (change.isEmpty() || !payload.value(u"category_id"_s).toString().isEmpty())
        return change;
    QSqlQuery q(QSqlDatabase::database());
    if (SqlCodec::exec(q, u"SELECT category_id FROM sync_category_refs WHERE entity_type = ? AND row_id = ?"_s,
                       {change.value(u"entity_type"_s).toString(), change.value(u"entity_id"_s).toString()},
                       "SyncLocalStore::withRemoteCategory failed:")
        && q.next()) {
        payload.insert(u"category_id"_s, q.value(0).toString());
        change.insert(u"payload"_s, payload);
    }
    return change;
}

SyncLocalStore::PushOutcome SyncLocalStore::recordPushResults(const QJsonArray &sent, const QJsonArray &results)
{
    PushOutcome outcome;
    m_serverIds.clear();
    m_emptyTables.clear();
    QHash<QString, QJsonObject> sentByKey;
    for (const QJsonValue &c : sent)
        sentByKey.insert(c[u"entity_type"_s].toString() + u'|' + c[u"entity_id"_s].toString(), c.toObject());

    DbTransaction tx(QSqlDatabase::database());
    if (!tx.isActive())
        return {false, tx.failureText(tr("The push results could not be stored: %1").arg(tx.errorText()))};
    for (const QJsonValue &value : results) {
        const QJsonObject result = value.toObject();
        const QString type = result.value(u"entity_type"_s).toString();
        const QString id = result.value(u"entity_id"_s).toString();
        const QString status = result.value(u"status"_s).toString();
        const QString serverId = result.value(u"server_id"_s).toString();
        const char *table = tableOf(type);
        if (status == u"ok") {
            ++outcome.accepted;
            if (!table || !sentByKey.contains(type + u'|' + id))
                continue;
            const QJsonObject sentChange = sentByKey.value(type + u'|' + id);
            const QJsonObject now = currentChange(type, id);
            const int sentVersion = sentChange.value(u"version"_s).toInt();
            const int serverVersion = result.value(u"version"_s).toInt(sentVersion);
            QSqlQuery q(QSqlDatabase::database());
            bool ok;
            if (!now.isEmpty() && SyncCodec::sameContent(now, sentChange)) {
                ok = SqlCodec::exec(q, u"UPDATE %1 SET sync_status = 'synced', server_id = ?, version = ? WHERE id = ?"_s.arg(QLatin1StringView(table)),
                                    {serverId, serverVersion, id}, "SyncLocalStore::markSynced failed:");
            } else {
                // Changed again while the push was in flight: it stays pending,
                // on top of the version the server now holds.
                qInfo().noquote() << "Push: row changed while in flight, kept pending:" << type << id;
                ok = SqlCodec::exec(q, u"UPDATE %1 SET server_id = ?, version = MAX(version, ?) WHERE id = ?"_s.arg(QLatin1StringView(table)),
                                    {serverId, serverVersion, id}, "SyncLocalStore::markSynced failed:");
            }
            // A category the member chose reached the server: the owner's reference is spent.
            const QString sentCategory = sentChange.value(u"payload"_s)[u"category_id"_s].toString();
            if (ok && !sentCategory.isEmpty() && (type == u"transaction" || type == u"recurring"))
                ok = SqlCodec::exec(q, u"DELETE FROM sync_category_refs WHERE entity_type = ? AND row_id = ? AND category_id <> ?"_s,
                                    {type, id, sentCategory}, "SyncLocalStore::markSynced failed:");
            if (!ok)
                return {false, tr("The push results could not be stored: %1").arg(q.lastError().text())};
        } else if (status == u"conflict" && table && result.value(u"server_row"_s).isObject()) {
            // Another device reached the server first: its row is everywhere.
            bool replaced = false;
            if (applyRow(type, result.value(u"server_row"_s).toObject(), true, &replaced) == Step::Failed)
                return {false, m_failure};
            ++outcome.rejected;
            if (replaced) {
                ++outcome.replaced;
                qWarning().noquote() << "Push conflict: local change replaced by the server's newer row:" << type << id;
            }
        } else {
            ++outcome.rejected;
            qWarning().noquote() << "Push result not ok — leaving record pending:" << type << id << "status=" << status
                                 << "message=" << result.value(u"message"_s).toString();
        }
    }
    if (!tx.commit())
        return {false, tx.failureText(tr("The push results could not be stored: %1").arg(tx.errorText()))};
    return outcome;
}

bool SyncLocalStore::allObjects(const QJsonArray &values)
{
    return std::all_of(values.begin(), values.end(), [](const QJsonValue &v) { return v.isObject(); });
}

bool SyncLocalStore::readablePage(const QJsonObject &page)
{
    for (const char *key : {"accounts", "categories", "recurring", "recurring_transactions", "transactions", "reconciliations"}) {
        const QJsonValue rows = page.value(QLatin1StringView(key));
        if (!rows.isUndefined() && !rows.isNull() && (!rows.isArray() || !allObjects(rows.toArray())))
            return false;
    }
    const QJsonValue time = page.value(u"server_time"_s);
    const QJsonValue more = page.value(u"has_more"_s);
    return (time.isUndefined() || time.isString()) && (more.isUndefined() || more.isBool());
}

SyncLocalStore::PageOutcome SyncLocalStore::applyPage(const QJsonObject &page)
{
    PageOutcome outcome;
    // Nothing of a page in an unexpected shape is applied: it could only be
    // guessed at.
    if (!readablePage(page))
        return {false, tr("The server's changes could not be read.")};
    m_serverIds.clear();
    m_emptyTables.clear();
    // What the page learned is only true while it is applied.
    const auto forget = qScopeGuard([this] {
        m_existingIds.clear();
        m_emptyTables.clear();
        m_knownCategories.clear();
        m_batchAccounts.clear();
        m_batch = nullptr;
    });
    QSqlDatabase db = QSqlDatabase::database();
    const bool topLevel = !Database::inTransaction(db);
    DbTransaction tx(db);
    if (!tx.isActive())
        return {false, tx.failureText(tr("The server's changes could not be stored: %1").arg(tx.errorText()))};
    // A row may arrive before the row it refers to; references are checked at commit.
    QSqlQuery(db).exec(u"PRAGMA defer_foreign_keys = ON"_s);

    const QString recurringKey = page.contains(u"recurring_transactions"_s) ? u"recurring_transactions"_s : u"recurring"_s;
    const QList<QPair<QString, QString>> arrays{{u"account"_s, u"accounts"_s},
                                                {u"category"_s, u"categories"_s},
                                                {u"recurring"_s, recurringKey},
                                                {u"transaction"_s, u"transactions"_s},
                                                {u"reconciliation"_s, u"reconciliations"_s}};
    qsizetype rowCount = 0;
    for (const auto &[type, key] : arrays)
        rowCount += page.value(key).toArray().size();
    // Inside an outer transaction the page stays on the per-row path: its
    // rollback must not meet a batch that set the triggers aside.
    std::optional<BulkWriter> batch;
    const auto failed = [&](const QString &error) {
        m_batch = nullptr;
        tx.rollback();
        return PageOutcome{false, error};
    };
    if (topLevel && rowCount >= kBulkPageRows) {
        batch.emplace(db);
        if (!batch->begin())
            return failed(tr("The server's changes could not be stored: %1").arg(batch->errorText()));
        m_batch = &*batch;
    }
    for (const auto &[type, key] : arrays) {
        const QJsonArray rows = page.value(key).toArray();
        prefetchServerIds(tableOf(type), rows);
        for (const QJsonValue &row : rows) {
            switch (applyRow(type, row.toObject(), false, nullptr)) {
            case Step::Written:
                ++outcome.written;
                break;
            case Step::Skipped:
                ++outcome.skipped;
                break;
            case Step::Failed:
                return failed(m_failure);
            }
        }
    }
    const QString serverTime = page.value(u"server_time"_s).toString();
    if (!serverTime.isEmpty() && !m_preferences->setValue(kCursorKey, serverTime))
        return failed(tr("The sync position could not be stored."));
    m_batch = nullptr;
    if (batch && !batch->finish()) {
        const QString reason = batch->errorText();
        return failed(tr("The server's changes could not be stored: %1").arg(reason));
    }
    if (!tx.commit())
        return failed(tr("The server's changes could not be stored: %1").arg(tx.errorText()));
    // Rows the batch wrote announce their accounts once, now that they are stored.
    for (const QString &accountId : std::as_const(m_batchAccounts))
        m_transactions->notifyChanged(accountId);
    return outcome;
}

template<typename Record, typename Repo, typename Build>
SyncLocalStore::Step SyncLocalStore::applyRow(Repo *repo, const QString &entity, const char *table,
                                              const QJsonObject &row, Build build, bool force, bool *replaced)
{
    Record record = build(row);
    const QString serverId = record.server_id;
    QString id = record.id;
    std::optional<Record> local;
    // Ids the page's rows carry were looked up together; only those found are read.
    const auto prefetched = m_existingIds.find(QLatin1StringView(table));
    QSet<QString> *existing = prefetched == m_existingIds.end() ? nullptr : &prefetched.value();
    if (!id.isEmpty() && (!existing || existing->contains(id)))
        local = repo->findById(id);
    if (!local && !serverId.isEmpty()) {
        const QString found = lookupLocalId(table, serverId);
        if (!found.isEmpty()) {
            id = found;
            local = repo->findById(id);
        }
    }
    if (id.isEmpty())
        id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    record.id = id;

    const bool deleted = record.deleted_at.has_value();
    const QString kind = QString::fromLatin1(table);
    // A deletion lands whatever the row's dates; only its content is then left alone.
    const bool datesOk = checkDates(entity, row, !deleted) && checkAmounts(entity, row, !deleted);
    if (!local && (deleted || !datesOk))
        return Step::Skipped; // a deletion of a row this device never had, or an unusable row
    if (local && !deleted && !datesOk)
        return Step::Skipped;
    if (local && !force) {
        if (local->sync_status == SyncStatus::Pending) {
            qInfo().noquote() << "Pull: kept the local change that is still to be pushed:" << entity << id;
            return Step::Skipped;
        }
        if (record.version < local->version)
            return Step::Skipped;
        if (local->version == record.version && local->server_id == serverId
            && contentOf(SyncCodec::change(*local)) == contentOf(SyncCodec::change(record)))
            return Step::Skipped; // this device's own row coming back: nothing to write
    }
    if (replaced && local)
        *replaced = contentOf(SyncCodec::change(*local)) != contentOf(SyncCodec::change(record));

    constexpr bool categorised = std::is_same_v<Record, Transaction> || std::is_same_v<Record, RecurringTransaction>;
    QString remoteCategory; // the server's category reference this register does not have
    if constexpr (categorised) {
        // Categories are not shared: a member may get rows whose category it
        // never receives. They show uncategorised here instead of failing the
        // page, and the reference goes back with the member's edits.
        if (!knownCategory(record.category_id)) {
            qWarning().noquote() << "Pull: unknown category" << record.category_id << "on" << entity << id
                                 << "— stored without category";
            remoteCategory = std::exchange(record.category_id, QString());
        }
    }

    const auto fail = [&](const QString &why) {
        m_failure = tr("The %1 row %2 from the server could not be stored: %3").arg(entity, id, why);
        return Step::Failed;
    };
    if constexpr (std::is_same_v<Record, Transaction>) {
        // A new row as the batch writes it: the same columns and values, and
        // nothing left for the update below to change.
        if (m_batch && !local) {
            if (!m_batch->insertTransaction(record))
                return fail(tr("write failed"));
            if (existing)
                existing->insert(id);
            m_batchAccounts.insert(record.account_id);
            if (remoteCategory.isEmpty())
                return Step::Written;
            QSqlQuery ref(QSqlDatabase::database());
            if (!SqlCodec::exec(ref, u"INSERT OR REPLACE INTO sync_category_refs VALUES (?, ?, ?)"_s,
                                {entity, id, remoteCategory}, "SyncLocalStore::apply failed:"))
                return fail(ref.lastError().text());
            return Step::Written;
        }
    }
    QSqlQuery q(QSqlDatabase::database());
    if (!local) {
        if (!repo->insert(record))
            return fail(tr("write failed"));
        if (existing)
            existing->insert(id);
    } else if (!datesOk) {
        // A deleted row with unreadable content: only the deletion lands.
        if (!SqlCodec::exec(q, u"UPDATE %1 SET sync_status = 'synced', server_id = ?, version = ? WHERE id = ?"_s.arg(kind),
                            {serverId, record.version, id}))
            return fail(q.lastError().text());
    } else if (!repo->update(record)) {
        return fail(tr("write failed"));
    }
    // What the update statements leave alone: the deletion (a live server
    // row restores the local one), the creation time and, for rows inside an
    // account, the account itself.
    QString sql = u"UPDATE %1 SET deleted_at = ?, created_at = ?"_s;
    QVariantList values{SqlCodec::optionalTimestamp(record.deleted_at), SqlCodec::timestampText(record.created_at)};
    if constexpr (!std::is_same_v<Record, Account> && !std::is_same_v<Record, Category>) {
        sql += u", account_id = ?"_s;
        values.append(record.account_id);
    }
    values.append(id);
    if (!SqlCodec::exec(q, QString(sql + u" WHERE id = ?"_s).arg(kind), values, "SyncLocalStore::apply failed:"))
        return fail(q.lastError().text());
    if constexpr (categorised) {
        if (!remoteCategory.isEmpty()) {
            if (!SqlCodec::exec(q, u"INSERT OR REPLACE INTO sync_category_refs VALUES (?, ?, ?)"_s,
                                {entity, id, remoteCategory}, "SyncLocalStore::apply failed:"))
                return fail(q.lastError().text());
        } else if (local && !SqlCodec::exec(q, u"DELETE FROM sync_category_refs WHERE entity_type = ? AND row_id = ?"_s,
                                            {entity, id}, "SyncLocalStore::apply failed:")) {
            return fail(q.lastError().text());
        }
    }
    return Step::Written;
}

SyncLocalStore::Step SyncLocalStore::applyRow(const QString &type, const QJsonObject &row, bool force, bool *replaced)
{
    if (type == u"account")
        return applyRow<Account>(m_accounts, type, "accounts", row, &SyncCodec::account, force, replaced);
    if (type == u"category")
        return applyRow<Category>(m_categories, type, "categories", row, &SyncCodec::category, force, replaced);
    if (type == u"recurring")
        return applyRow<RecurringTransaction>(m_recurring, type, "recurring_transactions", row, &SyncCodec::recurring, force, replaced);
    if (type == u"transaction")
        return applyRow<Transaction>(m_transactions, type, "transactions", row, &SyncCodec::transaction, force, replaced);
    if (type == u"reconciliation")
        return applyRow<Reconciliation>(m_reconciliations, type, "reconciliations", row, &SyncCodec::reconciliation, force, replaced);
    return Step::Skipped;
}

bool SyncLocalStore::checkDates(const QString &type, const QJsonObject &row, bool warn) const
{
    // Only a date that does not parse is refused; any real date is the user's.
    const QString key = type == u"transaction" ? u"date"_s
        : type == u"recurring"                 ? u"next_due_date"_s
        : type == u"reconciliation"            ? u"statement_date"_s
                                               : QString();
    if (key.isEmpty() || SyncCodec::date(row.value(key)).isValid())
        return true;
    const QString id = row.value(u"id"_s).toString();
    const QString payee = row.value(u"payee"_s).toString();
    const QString date = row.value(key).toString();
    if (!warn)
        return false;
    if (type == u"transaction")
        qWarning().noquote() << "applyTransactionChange: skipping server record with broken date:" << id << payee << date;
    else if (type == u"recurring")
        qWarning().noquote() << "applyRecurring: skipping server record with broken nextDueDate:" << id << payee << date;
    else
        qWarning().noquote() << "applyReconciliation: skipping server record with broken statementDate:" << id << date;
    return false;
}

bool SyncLocalStore::checkAmounts(const QString &type, const QJsonObject &row, bool warn)
{
    // Money arrives as whole minor units. Anything else would be stored as
    // zero or rounded, so the row is skipped like one with a broken date.
    static const QStringList accountKeys{u"starting_balance"_s}, rowKeys{u"amount"_s},
        reconciliationKeys{u"statement_balance"_s, u"reconciled_balance"_s};
    static const QStringList none;
    const QStringList &keys = type == u"account"                               ? accountKeys
        : type == u"transaction" || type == u"recurring"                       ? rowKeys
        : type == u"reconciliation"                                            ? reconciliationKeys
                                                                               : none;
    for (const QString &key : keys) {
        const QJsonValue v = row.value(key);
        const double d = v.toDouble();
        if (v.isDouble() && d == std::floor(d) && std::fabs(d) <= double(kMaxAmountMinorUnits))
            continue;
        if (key == u"starting_balance" && (v.isUndefined() || v.isNull()))
            continue; // an account without one starts at zero
        if (warn)
            qWarning().noquote() << "Pull: skipping server record with an unreadable amount:" << type
                                 << row.value(u"id"_s).toString() << key;
        return false;
    }
    return true;
}

QString SyncLocalStore::lookupLocalId(const char *table, const QString &serverId)
{
    const QString name = QLatin1StringView(table);
    const auto known = m_serverIds.constFind(name);
    if (known != m_serverIds.cend() && known->contains(serverId))
        return known->value(serverId);
    if (m_emptyTables.contains(name))
        return {};
    QSqlQuery q(QSqlDatabase::database());
    if (SqlCodec::exec(q, u"SELECT id FROM %1 WHERE server_id = ?"_s.arg(QLatin1StringView(table)), {serverId}) && q.next())
        return q.value(0).toString();
    return {};
}

void SyncLocalStore::prefetchServerIds(const char *table, const QJsonArray &rows)
{
    if (!table)
        return;
    // server_id has no index: one scan for the page's rows instead of one per row.
    QHash<QString, QString> &ids = m_serverIds[QLatin1StringView(table)];
    QVariantList values;
    QVariantList clientIds;
    QSet<QString> &existing = m_existingIds[QLatin1StringView(table)];
    // A first pull into an empty table: none of the page's rows is here yet.
    if (rows.size() > 500) {
        QSqlQuery q(QSqlDatabase::database());
        if (q.exec(u"SELECT NOT EXISTS (SELECT 1 FROM %1)"_s.arg(QLatin1StringView(table))) && q.next()
            && q.value(0).toBool()) {
            m_emptyTables.insert(QLatin1StringView(table));
            return;
        }
    }
    QSet<QString> asked;
    for (const QJsonValue &row : rows) {
        const QString id = row[u"id"_s].toString();
        if (!id.isEmpty() && !ids.contains(id)) {
            ids.insert(id, QString());
            values.append(id);
        }
        const QString clientId = row[u"client_id"_s].toString();
        if (!clientId.isEmpty() && !asked.contains(clientId)) {
            asked.insert(clientId);
            clientIds.append(clientId);
        }
    }
    if (values.size() > 500 || clientIds.size() > 500) {
        // A large page: one pass over the table answers both questions; the
        // lists below would scan it once per 500 server ids.
        QSet<QString> wantedServer;
        for (const QVariant &v : std::as_const(values))
            wantedServer.insert(v.toString());
        const QSet<QString> wantedClient = asked;
        sqlite3 *handle = Database::nativeHandle(QSqlDatabase::database());
        sqlite3_stmt *scan = nullptr;
        const QByteArray sql = u"SELECT id, server_id FROM %1"_s.arg(QLatin1StringView(table)).toUtf8();
        if (handle && sqlite3_prepare_v2(handle, sql.constData(), -1, &scan, nullptr) == SQLITE_OK) {
            const auto textAt = [scan](int column) {
                return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(scan, column)),
                                         sqlite3_column_bytes(scan, column));
            };
            int rc = SQLITE_ROW;
            while ((rc = sqlite3_step(scan)) == SQLITE_ROW) {
                const QString id = textAt(0);
                if (wantedClient.contains(id))
                    existing.insert(id);
                if (sqlite3_column_type(scan, 1) == SQLITE_TEXT && sqlite3_column_bytes(scan, 1) > 0) {
                    const QString serverId = textAt(1);
                    if (wantedServer.contains(serverId))
                        ids.insert(serverId, id);
                }
            }
            sqlite3_finalize(scan);
            if (rc == SQLITE_DONE)
                return;
        } else {
            sqlite3_finalize(scan);
        }
        // Unknown then: every row is looked up by itself.
        existing = wantedClient;
        for (const QString &serverId : std::as_const(wantedServer))
            ids.remove(serverId);
        return;
    }
    for (qsizetype from = 0; from < clientIds.size(); from += 500) {
        const QVariantList chunk = clientIds.mid(from, 500);
        QSqlQuery q(QSqlDatabase::database());
        q.setForwardOnly(true);
        const QStringList marks(chunk.size(), u"?"_s);
        if (!SqlCodec::exec(q, u"SELECT id FROM %1 WHERE id IN (%2)"_s.arg(QLatin1StringView(table), marks.join(u',')), chunk)) {
            // Unknown then: every one of them is looked up row by row.
            for (const QVariant &id : chunk)
                existing.insert(id.toString());
            continue;
        }
        while (q.next())
            existing.insert(q.value(0).toString());
    }
    for (qsizetype from = 0; from < values.size(); from += 500) {
        const QVariantList chunk = values.mid(from, 500);
        QSqlQuery q(QSqlDatabase::database());
        q.setForwardOnly(true);
        const QStringList marks(chunk.size(), u"?"_s);
        if (!SqlCodec::exec(q, u"SELECT server_id, id FROM %1 WHERE server_id IN (%2)"_s.arg(QLatin1StringView(table), marks.join(u',')), chunk))
            continue;
        while (q.next())
            ids.insert(q.value(0).toString(), q.value(1).toString());
    }
}

bool SyncLocalStore::knownCategory(const QString &id)
{
    if (id.isEmpty())
        return true;
    // The page's categories are applied before the rows that use them.
    auto it = m_knownCategories.constFind(id);
    if (it == m_knownCategories.cend())
        it = m_knownCategories.insert(id, m_categories->findById(id).has_value());
    return it.value();
}

QString SyncLocalStore::cursor() const
{
    return m_preferences->value(kCursorKey);
}

QString SyncLocalStore::owner() const
{
    return m_preferences->value(kOwnerKey);
}

bool SyncLocalStore::setOwner(const QString &sub)
{
    return m_preferences->setValue(kOwnerKey, sub);
}

WriteResult SyncLocalStore::startOverFor(const QString &sub)
{
    DbTransaction tx(QSqlDatabase::database());
    if (!tx.isActive())
        return WriteResult::failure(tx.failureText(tr("The register could not be prepared for this account.")));
    for (const Kind &k : kKinds) {
        // Deleted rows were never this user's: nothing of them goes out.
        if (SqlCodec::execCount(QSqlDatabase::database(),
                                u"UPDATE %1 SET server_id = NULL, sync_status = CASE WHEN deleted_at IS NULL "
                                "THEN 'pending' ELSE 'synced' END"_s.arg(QLatin1StringView(k.table)),
                                {}, "SyncLocalStore::startOverFor failed:") < 0)
            return WriteResult::failure(tr("The register could not be prepared for this account."));
    }
    // References to the former user's categories mean nothing to the new one.
    if (SqlCodec::execCount(QSqlDatabase::database(), u"DELETE FROM sync_category_refs"_s, {},
                            "SyncLocalStore::startOverFor failed:") < 0)
        return WriteResult::failure(tr("The register could not be prepared for this account."));
    if (!m_preferences->remove(kCursorKey) || !m_preferences->setValue(kOwnerKey, sub) || !tx.commit())
        return WriteResult::failure(tx.failureText(tr("The register could not be prepared for this account.")));
    return {};
}

WriteResult SyncLocalStore::markAllForResync()
{
    DbTransaction tx(QSqlDatabase::database());
    if (!tx.isActive())
        return WriteResult::failure(tx.failureText(tr("Force Full Sync could not start.")));
    const int accounts = m_accounts->markAllPendingForResync();
    const int categories = m_categories->markAllPendingForResync();
    const int transactions = m_transactions->markAllPendingForResync();
    const int recurrings = m_recurring->markAllPendingForResync();
    const int reconciliations = m_reconciliations->markAllPendingForResync();
    if (accounts < 0 || categories < 0 || transactions < 0 || recurrings < 0 || reconciliations < 0
        || !m_preferences->remove(kCursorKey) || !tx.commit())
        return WriteResult::failure(tx.failureText(tr("Force Full Sync could not start.")));
    qInfo().noquote() << "Force Full Sync: marked pending —"
                      << "accounts:" << accounts << "categories:" << categories << "transactions:" << transactions
                      << "recurrings:" << recurrings << "reconciliations:" << reconciliations;
    return {};
}
