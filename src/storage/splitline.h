#pragma once

#include <QDateTime>
#include <QString>

struct SplitLine
{
    QString id;
    QString transaction_id;
    QString category_id;
    qint64 amount = 0;
    QString memo;
    QDateTime created_at;
    QDateTime updated_at;
};

// Every member is an implicitly shared Qt value or a plain number.
Q_DECLARE_TYPEINFO(SplitLine, Q_RELOCATABLE_TYPE);
