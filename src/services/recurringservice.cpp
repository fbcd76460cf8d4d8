#include "recurringservice.h"

#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/recurringrepository.h"
#include "storage/transaction.h"
#include "storage/transactionrepository.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

using namespace Qt::StringLiterals;

namespace {

// After this many catch-up postings in one run an entry is assumed to be
// runaway (a wrong frequency or start date) and is switched off.
constexpr int kCatchUpCapFlag = 364;
constexpr int kCatchUpLimit = 365;

const QUuid &occurrenceNamespace()
{
    static const QUuid ns = QUuid::fromString(u"{a1b9f7f3-2f2a-4c6b-9e1a-8b7c6d5a3f2e}");
    return ns;
}

// A SQLite savepoint: starts a transaction at top level and nests inside an
// outer one, so a group of writes lands whole or not at all. Grouping the
// catch-up into one transaction also saves a disk sync per posted row.
class Savepoint
{
public:
    Savepoint(const QSqlDatabase &db, const QString &name)
        : m_db(db)
        , m_name(name)
    {
        m_active = run(u"SAVEPOINT "_s + m_name);
    }
    ~Savepoint()
    {
        if (m_active)
            release();
    }
    Q_DISABLE_COPY_MOVE(Savepoint)

    // False when the writes could not be kept; they are rolled back then.
    bool release()
    {
        if (!m_active)
            return true; // never opened: the writes went through one by one
        if (run(u"RELEASE "_s + m_name)) {
            m_active = false;
            return true;
        }
        rollback();
        return false;
    }

    void rollback()
    {
        if (!m_active)
            return;
        run(u"ROLLBACK TO "_s + m_name);
        run(u"RELEASE "_s + m_name);
        m_active = false;
    }

private:
    bool run(const QString &sql)
    {
        QSqlQuery q(m_db);
        if (q.exec(sql))
            return true;
        qWarning().noquote() << "RecurringService:" << sql << "failed:" << q.lastError().text();
        return false;
    }

    QSqlDatabase m_db;
    QString m_name;
    bool m_active = false;
};

} // namespace

RecurringService::RecurringService(RecurringRepository *recurring, TransactionRepository *transactions,
                                   AccountRepository *accounts, QObject *parent)
    : QObject(parent)
    , m_recurring(recurring)
    , m_transactions(transactions)
    , m_accounts(accounts)
{
}

QDate RecurringService::today() const
{
    return m_today.isValid() ? m_today : QDate::currentDate();
}

QString RecurringService::occurrenceId(const QString &entryId, const QDate &date, const QString &leg)
{
    QString key = entryId + u':' + date.toString(Qt::ISODate);
    if (!leg.isEmpty())
        key += u':' + leg;
    return QUuid::createUuidV5(occurrenceNamespace(), key.toUtf8()).toString(QUuid::WithoutBraces);
}

QDate RecurringService::stepDate(const QDate &date, Frequency frequency)
{
    // QDate clamps month and year steps to the last day of the target month.
    switch (frequency) {
    case Frequency::Daily:
        return date.addDays(1);
    case Frequency::Weekly:
        return date.addDays(7);
    case Frequency::Biweekly:
        return date.addDays(14);
    case Frequency::Quarterly:
        return date.addMonths(3);
    case Frequency::SemiAnnual:
        return date.addMonths(6);
    case Frequency::Annual:
        return date.addYears(1);
    case Frequency::Monthly:
        break;
    }
    return date.addMonths(1);
}

bool RecurringService::isBrokenDate(const QDate &date)
{
    return !date.isValid() || date < QDate(2000, 1, 1);
}

int RecurringService::pendingCount() const
{
    return m_recurring->countDue(today());
}

QList<RecurringTransaction> RecurringService::listAll() const
{
    return m_recurring->findAll();
}

bool RecurringService::confirm(const QString &id)
{
    const auto found = m_recurring->findById(id);
    if (!found)
        return false;
    RecurringTransaction entry = *found;

    if (isBrokenDate(entry.next_due_date)) {
        qWarning().noquote() << "RecurringService::confirm refusing record with broken date:" << entry.id
                             << entry.payee << entry.next_due_date.toString(Qt::ISODate)
                             << "— quarantining (deactivating)";
        entry.is_active = false;
        entry.updated_at = QDateTime::currentDateTimeUtc();
        entry.sync_status = SyncStatus::Pending;
        m_recurring->update(entry);
        return false;
    }
    // An entry whose end date is already behind it has nothing left to post.
    if (entry.end_date && entry.end_date->isValid() && entry.next_due_date > *entry.end_date) {
        qWarning().noquote() << "RecurringService::confirm: entry" << entry.id << "ended on"
                             << entry.end_date->toString(Qt::ISODate);
        if (entry.is_active) {
            entry.is_active = false;
            entry.updated_at = QDateTime::currentDateTimeUtc();
            entry.sync_status = SyncStatus::Pending;
            m_recurring->update(entry);
        }
        return false;
    }

    // Both legs and the advance belong together: a half-posted transfer or a
    // posted occurrence whose entry did not move on would linger forever.
    Savepoint post(m_recurring->database()->connection(), u"recurring_post"_s);
    if (!postOccurrence(entry) || !advance(entry)) {
        post.rollback();
        return false;
    }
    if (!post.release())
        return false;
    emit pendingCountChanged(pendingCount());
    return true;
}

bool RecurringService::postOccurrence(const RecurringTransaction &entry)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    Transaction source;
    source.id = occurrenceId(entry.id, entry.next_due_date);
    source.account_id = entry.account_id;
    source.date = entry.next_due_date;
    source.payee = entry.payee;
    source.memo = entry.memo;
    source.amount = entry.amount;
    source.category_id = entry.category_id;
    source.recurring_id = entry.id;
    source.created_at = now;
    source.updated_at = now;

    if (entry.transfer_dest_account_id.isEmpty())
        return m_transactions->insert(source);

    // Checked before anything is written, so a refused transfer leaves no
    // stray leg behind and confirming it again later can still succeed.
    const auto from = m_accounts->findById(entry.account_id);
    const auto to = m_accounts->findById(entry.transfer_dest_account_id);
    if (!to || to->deleted_at) {
        qWarning().noquote() << "RecurringService: skipping transfer post for" << entry.id
                             << "— destination account not found";
        return false;
    }
    if (from && from->currency != to->currency) {
        qWarning().noquote() << "RecurringService: skipping transfer post for" << entry.id
                             << "— source and destination currencies differ";
        return false;
    }

    Transaction dest = source;
    dest.id = occurrenceId(entry.id, entry.next_due_date, u"dest"_s);
    dest.account_id = entry.transfer_dest_account_id;
    dest.amount = -entry.amount;
    dest.transfer_link_id = source.id;
    dest.transfer_dest_account_id = entry.account_id;
    source.transfer_link_id = dest.id;
    source.transfer_dest_account_id = entry.transfer_dest_account_id;

    if (!m_transactions->insert(source))
        return false;
    if (!m_transactions->insert(dest)) {
        qWarning().noquote() << "RecurringService: destination leg of" << entry.id << "could not be posted";
        return false;
    }
    return true;
}

bool RecurringService::advance(RecurringTransaction entry)
{
    entry.next_due_date = stepDate(entry.next_due_date, entry.frequency);
    entry.updated_at = QDateTime::currentDateTimeUtc();
    entry.sync_status = SyncStatus::Pending;
    // An occurrence on the end date itself is still posted.
    if (entry.end_date && entry.end_date->isValid() && entry.next_due_date > *entry.end_date)
        entry.is_active = false;
    return m_recurring->update(entry);
}

bool RecurringService::skip(const QString &id)
{
    const auto found = m_recurring->findById(id);
    if (!found || !advance(*found))
        return false;
    emit pendingCountChanged(pendingCount());
    return true;
}

int RecurringService::confirmAllDue()
{
    Savepoint batch(m_recurring->database()->connection(), u"recurring_batch"_s);
    int confirmed = 0;
    const auto due = m_recurring->findDue(today());
    for (const RecurringTransaction &entry : due) {
        if (confirm(entry.id))
            ++confirmed;
    }
    if (!batch.release()) {
        qWarning() << "RecurringService::confirmAllDue could not save the postings";
        return 0;
    }
    return confirmed;
}

int RecurringService::processAutoPost()
{
    const QDate asOf = today();
    Savepoint batch(m_recurring->database()->connection(), u"recurring_batch"_s);
    int posted = 0;
    const auto due = m_recurring->findDue(asOf);
    for (const RecurringTransaction &entry : due) {
        if (!entry.auto_post)
            continue;
        if (isBrokenDate(entry.next_due_date)) {
            quarantine(entry, u"broken next_due_date"_s);
            continue;
        }
        if (!confirm(entry.id))
            continue;
        ++posted;

        int extra = 0;
        QDate last;
        bool capReached = false;
        for (;;) {
            const auto current = m_recurring->findById(entry.id);
            if (!current || !current->is_active)
                break;
            const QDate next = current->next_due_date;
            if (!next.isValid())
                break;
            if (next < QDate(2000, 1, 1)) {
                quarantine(*current, u"advanced to broken date during catchup"_s);
                break;
            }
            if (next > asOf || next == last)
                break;
            last = next;
            if (!confirm(entry.id))
                break;
            ++extra;
            ++posted;
            if (extra >= kCatchUpCapFlag)
                capReached = true;
            if (extra >= kCatchUpLimit)
                break;
        }
        if (capReached) {
            if (const auto current = m_recurring->findById(entry.id))
                quarantine(*current, u"hit catchup cap in single tick"_s);
        }
    }
    if (!batch.release()) {
        qWarning() << "RecurringService::processAutoPost could not save the postings";
        return 0;
    }
    return posted;
}

void RecurringService::quarantine(const RecurringTransaction &entry, const QString &reason)
{
    qWarning().noquote() << "Quarantining recurring" << entry.id << entry.payee
                         << "— auto-deactivating. Reason:" << reason
                         << "nextDueDate=" << entry.next_due_date.toString(Qt::ISODate);
    auto current = m_recurring->findById(entry.id);
    if (!current)
        return;
    current->is_active = false;
    current->updated_at = QDateTime::currentDateTimeUtc();
    current->sync_status = SyncStatus::Pending;
    m_recurring->update(*current);
}
