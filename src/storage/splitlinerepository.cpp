#include "splitlinerepository.h"

#include "database.h"
#include "sqlcodec.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;
using namespace SqlCodec;

SplitLineRepository::SplitLineRepository(Database *db, QObject *parent)
    : QObject(parent)
    , m_db(db)
{
}

namespace {
const QString kInsertSql =
    u"INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, updated_at) "
    "VALUES (?, ?, ?, ?, ?, ?, ?)"_s;

QVariantList insertValues(const SplitLine &s)
{
    return {text(s.id), text(s.transaction_id), text(s.category_id), s.amount, text(s.memo),
            timestampText(s.created_at), timestampText(s.updated_at)};
}
}

bool SplitLineRepository::insert(const SplitLine &s)
{
    QSqlQuery q(m_db->connection());
    return exec(q, kInsertSql, insertValues(s), "SplitLineRepository::insert failed:");
}
