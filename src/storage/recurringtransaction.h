#pragma once

#include "entitytypes.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

struct RecurringTransaction
{
    QString id;
    QString account_id;
    QString payee;
    QString memo;
    qint64 amount = 0;
    QString category_id;
    Frequency frequency = Frequency::Monthly;
    QDate start_date;
    std::optional<QDate> end_date;
    QDate next_due_date;
    bool auto_post = false;
    bool is_active = true;
    QString transfer_dest_account_id;
    int version = 1;
    SyncStatus sync_status = SyncStatus::Pending;
    QString server_id;
    QDateTime created_at;
    QDateTime updated_at;
    std::optional<QDateTime> deleted_at;
};

// Every member is an implicitly shared Qt value or a plain number.
Q_DECLARE_TYPEINFO(RecurringTransaction, Q_RELOCATABLE_TYPE);
