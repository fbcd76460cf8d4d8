#pragma once

#include "entitytypes.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

struct Transaction
{
    QString id;
    QString account_id;
    QDate date;
    QString payee;
    QString memo;
    qint64 amount = 0; // minor units; negative leaves the account
    QString category_id;
    QString check_number;
    bool cleared = false;
    bool reconciled = false;
    QString transfer_link_id;
    QString transfer_dest_account_id;
    bool is_split = false;
    QString recurring_id;
    int version = 1;
    SyncStatus sync_status = SyncStatus::Pending;
    QString server_id;
    QDateTime created_at;
    QDateTime updated_at;
    std::optional<QDateTime> deleted_at;
};

// Every member is an implicitly shared Qt value or a plain number.
Q_DECLARE_TYPEINFO(Transaction, Q_RELOCATABLE_TYPE);
