#pragma once

#include "storage/account.h"
#include "storage/category.h"
#include "storage/reconciliation.h"
#include "storage/recurringtransaction.h"
#include "storage/transaction.h"

#include <QDate>
#include <QJsonObject>
#include <QJsonValue>

// The wire form of the synchronised rows: change records for a push, and
// records built from the rows a pull delivers.
class SyncCodec final
{
public:
    static QJsonObject change(const Account &a);
    static QJsonObject change(const Category &c);
    static QJsonObject change(const RecurringTransaction &r);
    static QJsonObject change(const Transaction &t);
    static QJsonObject change(const Reconciliation &r);

    // Every field from the server row alone; the sync status is Synced.
    static Account account(const QJsonObject &row);
    static Category category(const QJsonObject &row);
    static RecurringTransaction recurring(const QJsonObject &row);
    static Transaction transaction(const QJsonObject &row);
    static Reconciliation reconciliation(const QJsonObject &row);

    // "yyyy-MM-dd", else the date part of an ISO date-time, else invalid.
    static QDate date(const QJsonValue &value);
    static std::optional<QDateTime> deletedAt(const QJsonObject &row);
    // True when both change records carry the same row content; the server
    // id, which the reply itself assigns, is not compared.
    static bool sameContent(const QJsonObject &a, const QJsonObject &b);
};
