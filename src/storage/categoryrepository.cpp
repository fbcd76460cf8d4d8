#include "categoryrepository.h"

#include "database.h"
#include "sqlcodec.h"

#include <QSqlQuery>

using namespace Qt::StringLiterals;
using namespace SqlCodec;

namespace {
const QString kColumns = u"id, name, category_type, parent_id, is_tax_relevant, tax_category, icon, color, "
                         "is_default, account_id, version, sync_status, server_id, created_at, updated_at, "
                         "deleted_at"_s;
}

CategoryRepository::CategoryRepository(Database *db, QObject *parent)
    : QObject(parent)
    , m_db(db)
{
}

Category CategoryRepository::fromRow(const QSqlQuery &q)
{
    Category c;
    c.id = q.value(0).toString();
    c.name = q.value(1).toString();
    c.category_type = categoryTypeFromString(q.value(2).toString());
    c.parent_id = q.value(3).toString();
    c.is_tax_relevant = q.value(4).toLongLong() != 0;
    c.tax_category = q.value(5).toString();
    c.icon = q.value(6).toString();
    c.color = q.value(7).toString();
    c.is_default = q.value(8).toLongLong() != 0;
    c.account_id = q.value(9).toString();
    c.version = q.value(10).toInt();
    c.sync_status = syncStatusFromString(q.value(11).toString());
    c.server_id = q.value(12).toString();
    c.created_at = toTimestamp(q.value(13));
    c.updated_at = toTimestamp(q.value(14));
    c.deleted_at = toOptionalTimestamp(q.value(15));
    return c;
}

QList<Category> CategoryRepository::readList(const QString &sql, const QVariantList &values) const
{
    return readRecords<Category>(m_db->connection(), sql.arg(kColumns), values, &CategoryRepository::fromRow);
}

QList<Category> CategoryRepository::findAll() const
{
    return readList(u"SELECT %1 FROM categories WHERE deleted_at IS NULL ORDER BY name"_s, {});
}

std::optional<Category> CategoryRepository::findById(const QString &id) const
{
    return firstOf(readList(u"SELECT %1 FROM categories WHERE id = ?"_s, {id}));
}

std::optional<Category> CategoryRepository::findByName(const QString &name) const
{
    return firstOf(readList(u"SELECT %1 FROM categories WHERE name = ? AND deleted_at IS NULL"_s, {name}));
}

int CategoryRepository::count() const
{
    QSqlQuery q(m_db->connection());
    if (exec(q, u"SELECT COUNT(*) FROM categories WHERE deleted_at IS NULL"_s, {}) && q.next())
        return q.value(0).toInt();
    return 0;
}

bool CategoryRepository::insert(const Category &c)
{
    QSqlQuery q(m_db->connection());
    const bool ok = exec(q,
        u"INSERT INTO categories (id, name, category_type, parent_id, is_tax_relevant, tax_category, icon, color, "
        "is_default, account_id, version, sync_status, server_id, created_at, updated_at) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s,
        {text(c.id), text(c.name), categoryTypeToString(c.category_type), reference(c.parent_id),
         flag(c.is_tax_relevant), text(c.tax_category), text(c.icon), text(c.color), flag(c.is_default),
         reference(c.account_id), c.version, syncStatusToString(c.sync_status), text(c.server_id),
         timestampText(c.created_at), timestampText(c.updated_at)},
        "CategoryRepository::insert failed:");
    if (ok)
        emit categoriesChanged();
    return ok;
}

void CategoryRepository::notifyChanged()
{
    emit categoriesChanged();
}

bool CategoryRepository::update(const Category &c)
{
    QSqlQuery q(m_db->connection());
    const bool ok = exec(q,
        u"UPDATE categories SET name=?, category_type=?, parent_id=?, is_tax_relevant=?, tax_category=?, icon=?, "
        "color=?, is_default=?, account_id=?, version=?, sync_status=?, server_id=?, updated_at=? WHERE id=?"_s,
        {text(c.name), categoryTypeToString(c.category_type), reference(c.parent_id), flag(c.is_tax_relevant),
         text(c.tax_category), text(c.icon), text(c.color), flag(c.is_default), reference(c.account_id),
         c.version, syncStatusToString(c.sync_status), text(c.server_id), timestampText(c.updated_at), text(c.id)},
        "CategoryRepository::update failed:");
    if (ok)
        emit categoriesChanged();
    return ok;
}

bool CategoryRepository::softDelete(const QString &id)
{
    const QString now = nowText();
    QSqlQuery q(m_db->connection());
    const bool ok = exec(q, u"UPDATE categories SET deleted_at=?, sync_status='pending', updated_at=? WHERE id=?"_s,
                         {now, now, id}, "CategoryRepository::softDelete failed:");
    if (ok)
        emit categoriesChanged();
    return ok;
}

bool CategoryRepository::markSynced(const QString &id, const QString &serverId)
{
    QSqlQuery q(m_db->connection());
    return exec(q, u"UPDATE categories SET sync_status='synced', server_id=? WHERE id=?"_s, {text(serverId), id});
}

int CategoryRepository::markAllPendingForResync()
{
    const int n = execCount(m_db->connection(),
                            u"UPDATE categories SET sync_status = 'pending' WHERE deleted_at IS NULL "
                            "AND sync_status != 'pending'"_s,
                            {}, "CategoryRepository::markAllPendingForResync failed:");
    if (n > 0)
        emit categoriesChanged();
    return n;
}
