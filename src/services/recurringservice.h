#pragma once

#include "storage/entitytypes.h"
#include "storage/recurringtransaction.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>

class AccountRepository;
class RecurringRepository;
class TransactionRepository;

// Turns recurring entries into posted transactions. Occurrences get name-based
// ids, so posting the same occurrence twice (here or on another device) can
// only ever produce one row.
class RecurringService final : public QObject
{
    Q_OBJECT
public:
    RecurringService(RecurringRepository *recurring, TransactionRepository *transactions,
                     AccountRepository *accounts, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(RecurringService)

    bool confirm(const QString &id);
    bool skip(const QString &id);
    int confirmAllDue();
    int processAutoPost();
    int pendingCount() const;
    QList<RecurringTransaction> listAll() const;

    // Pins the date treated as today; an invalid date follows the calendar again.
    void setToday(const QDate &date) { m_today = date; }
    QDate today() const;

    // Version-5 UUID of "entryId:yyyy-MM-dd[:leg]", lower case, without braces.
    static QString occurrenceId(const QString &entryId, const QDate &date, const QString &leg = QString());
    static QDate stepDate(const QDate &date, Frequency frequency);
    static bool isBrokenDate(const QDate &date);

signals:
    void pendingCountChanged(int count);

private:
    bool postOccurrence(const RecurringTransaction &entry);
    bool advance(RecurringTransaction entry);
    void quarantine(const RecurringTransaction &entry, const QString &reason);

    RecurringRepository *m_recurring;
    TransactionRepository *m_transactions;
    AccountRepository *m_accounts;
    QDate m_today;
};
