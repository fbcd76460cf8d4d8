#include "synccodec.h"

#include "storage/sqlcodec.h"

#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace {

QString iso(const QDateTime &t)
{
    return t.toUTC().toString(Qt::ISODate);
}

QString dateText(const QDate &d)
{
    return d.isValid() ? d.toString(Qt::ISODate) : QString();
}

QJsonObject record(const QString &type, const QString &id, int version, const QDateTime &created,
                   const QDateTime &updated, const std::optional<QDateTime> &deleted, const QString &serverId,
                   QJsonObject payload)
{
    payload.insert(u"client_id"_s, id);
    if (!serverId.isEmpty())
        payload.insert(u"server_id"_s, serverId);
    payload.insert(u"created_at"_s, iso(created));
    payload.insert(u"updated_at"_s, iso(updated));
    if (deleted)
        payload.insert(u"deleted_at"_s, iso(*deleted));
    return {{u"entity_type"_s, type},
            {u"entity_id"_s, id},
            {u"action"_s, deleted ? u"delete"_s : u"upsert"_s},
            {u"version"_s, version},
            {u"payload"_s, payload}};
}

QString textOf(const QJsonObject &o, const QString &key)
{
    return o.value(key).toString();
}

bool flagOf(const QJsonObject &o, const QString &key)
{
    const QJsonValue v = o.value(key);
    return v.isBool() ? v.toBool() : v.toVariant().toLongLong() != 0;
}

qint64 amountOf(const QJsonObject &o, const QString &key)
{
    return o.value(key).toVariant().toLongLong();
}

int intOf(const QJsonObject &o, const QString &key)
{
    return o.value(key).toVariant().toInt();
}

QDateTime timeOf(const QJsonObject &o, const QString &key)
{
    // The server's own form ("...Z") without the general ISO parser: a large
    // page carries two of them per row.
    const QString text = textOf(o, key);
    if (text.endsWith(u'Z'))
        return SqlCodec::toTimestamp(text).toUTC();
    return QDateTime::fromString(text, Qt::ISODate).toUTC();
}

template<typename Record>
void common(Record &r, const QJsonObject &row)
{
    r.server_id = textOf(row, u"id"_s);
    r.id = textOf(row, u"client_id"_s);
    r.version = intOf(row, u"version"_s);
    r.sync_status = SyncStatus::Synced;
    r.created_at = timeOf(row, u"created_at"_s);
    r.updated_at = timeOf(row, u"updated_at"_s);
    r.deleted_at = SyncCodec::deletedAt(row);
}

} // namespace

QJsonObject SyncCodec::change(const Account &a)
{
    return record(u"account"_s, a.id, a.version, a.created_at, a.updated_at, a.deleted_at, a.server_id,
                  {{u"name"_s, a.name},
                   {u"account_type"_s, accountTypeToString(a.account_type)},
                   {u"currency"_s, currencyToString(a.currency)},
                   {u"is_shared"_s, a.is_shared},
                   {u"institution"_s, a.institution},
                   {u"account_number_last4"_s, a.account_number_last4},
                   {u"starting_balance"_s, a.starting_balance},
                   {u"sort_order"_s, a.sort_order},
                   {u"version"_s, a.version}});
}

QJsonObject SyncCodec::change(const Category &c)
{
    const QString type = c.category_type == CategoryType::Income     ? u"income"_s
        : c.category_type == CategoryType::Transfer                 ? u"transfer"_s
                                                                     : u"expense"_s;
    return record(u"category"_s, c.id, c.version, c.created_at, c.updated_at, c.deleted_at, c.server_id,
                  {{u"name"_s, c.name},
                   {u"category_type"_s, type},
                   {u"parent_id"_s, c.parent_id},
                   {u"is_tax_relevant"_s, c.is_tax_relevant},
                   {u"tax_category"_s, c.tax_category},
                   {u"icon"_s, c.icon},
                   {u"color"_s, c.color},
                   {u"is_default"_s, c.is_default},
                   {u"account_id"_s, c.account_id},
                   {u"version"_s, c.version}});
}

QJsonObject SyncCodec::change(const RecurringTransaction &r)
{
    QJsonObject payload{{u"account_id"_s, r.account_id},
                        {u"payee"_s, r.payee},
                        {u"memo"_s, r.memo},
                        {u"amount"_s, r.amount},
                        {u"category_id"_s, r.category_id},
                        {u"transfer_dest_account_id"_s, r.transfer_dest_account_id},
                        {u"frequency"_s, frequencyToString(r.frequency)},
                        {u"start_date"_s, dateText(r.start_date)},
                        {u"next_due_date"_s, dateText(r.next_due_date)},
                        {u"auto_post"_s, r.auto_post},
                        {u"is_active"_s, r.is_active}};
    if (r.end_date)
        payload.insert(u"end_date"_s, dateText(*r.end_date));
    return record(u"recurring"_s, r.id, r.version, r.created_at, r.updated_at, r.deleted_at, r.server_id, payload);
}

QJsonObject SyncCodec::change(const Transaction &t)
{
    return record(u"transaction"_s, t.id, t.version, t.created_at, t.updated_at, t.deleted_at, t.server_id,
                  {{u"account_id"_s, t.account_id},
                   {u"date"_s, dateText(t.date)},
                   {u"payee"_s, t.payee},
                   {u"memo"_s, t.memo},
                   {u"amount"_s, t.amount},
                   {u"category_id"_s, t.category_id},
                   {u"check_number"_s, t.check_number},
                   {u"cleared"_s, t.cleared},
                   {u"reconciled"_s, t.reconciled},
                   {u"transfer_link_id"_s, t.transfer_link_id},
                   {u"transfer_dest_account_id"_s, t.transfer_dest_account_id},
                   {u"is_split"_s, t.is_split},
                   {u"recurring_id"_s, t.recurring_id},
                   {u"version"_s, t.version}});
}

QJsonObject SyncCodec::change(const Reconciliation &r)
{
    return record(u"reconciliation"_s, r.id, r.version, r.created_at, r.updated_at, r.deleted_at, r.server_id,
                  {{u"account_id"_s, r.account_id},
                   {u"statement_date"_s, dateText(r.statement_date)},
                   {u"statement_balance"_s, r.statement_balance},
                   {u"reconciled_balance"_s, r.reconciled_balance},
                   {u"completed_at"_s, r.completed_at.isValid() ? iso(r.completed_at) : QString()},
                   {u"version"_s, r.version}});
}

Account SyncCodec::account(const QJsonObject &row)
{
    Account a;
    common(a, row);
    a.name = textOf(row, u"name"_s);
    a.account_type = accountTypeFromString(textOf(row, u"account_type"_s));
    a.currency = currencyFromString(textOf(row, u"currency"_s));
    a.is_shared = flagOf(row, u"is_shared"_s);
    a.institution = textOf(row, u"institution"_s);
    a.account_number_last4 = textOf(row, u"account_number_last4"_s);
    a.starting_balance = amountOf(row, u"starting_balance"_s);
    a.sort_order = intOf(row, u"sort_order"_s);
    return a;
}

Category SyncCodec::category(const QJsonObject &row)
{
    Category c;
    common(c, row);
    c.name = textOf(row, u"name"_s);
    c.category_type = categoryTypeFromString(textOf(row, u"category_type"_s));
    c.parent_id = textOf(row, u"parent_id"_s);
    c.is_tax_relevant = flagOf(row, u"is_tax_relevant"_s);
    c.tax_category = textOf(row, u"tax_category"_s);
    c.icon = textOf(row, u"icon"_s);
    c.color = textOf(row, u"color"_s);
    c.is_default = flagOf(row, u"is_default"_s);
    c.account_id = textOf(row, u"account_id"_s);
    return c;
}

RecurringTransaction SyncCodec::recurring(const QJsonObject &row)
{
    RecurringTransaction r;
    common(r, row);
    r.account_id = textOf(row, u"account_id"_s);
    r.payee = textOf(row, u"payee"_s);
    r.memo = textOf(row, u"memo"_s);
    r.amount = amountOf(row, u"amount"_s);
    r.category_id = textOf(row, u"category_id"_s);
    r.transfer_dest_account_id = textOf(row, u"transfer_dest_account_id"_s);
    r.frequency = frequencyFromString(textOf(row, u"frequency"_s));
    r.start_date = date(row.value(u"start_date"_s));
    if (!textOf(row, u"end_date"_s).isEmpty())
        r.end_date = date(row.value(u"end_date"_s));
    r.next_due_date = date(row.value(u"next_due_date"_s));
    r.auto_post = flagOf(row, u"auto_post"_s);
    r.is_active = flagOf(row, u"is_active"_s);
    return r;
}

Transaction SyncCodec::transaction(const QJsonObject &row)
{
    Transaction t;
    common(t, row);
    t.account_id = textOf(row, u"account_id"_s);
    t.date = date(row.value(u"date"_s));
    t.payee = textOf(row, u"payee"_s);
    t.memo = textOf(row, u"memo"_s);
    t.amount = amountOf(row, u"amount"_s);
    t.category_id = textOf(row, u"category_id"_s);
    t.check_number = textOf(row, u"check_number"_s);
    t.cleared = flagOf(row, u"cleared"_s);
    t.reconciled = flagOf(row, u"reconciled"_s);
    t.transfer_link_id = textOf(row, u"transfer_link_id"_s);
    t.transfer_dest_account_id = textOf(row, u"transfer_dest_account_id"_s);
    t.is_split = flagOf(row, u"is_split"_s);
    t.recurring_id = textOf(row, u"recurring_id"_s);
    return t;
}

Reconciliation SyncCodec::reconciliation(const QJsonObject &row)
{
    Reconciliation r;
    common(r, row);
    r.account_id = textOf(row, u"account_id"_s);
    r.statement_date = date(row.value(u"statement_date"_s));
    r.statement_balance = amountOf(row, u"statement_balance"_s);
    r.reconciled_balance = amountOf(row, u"reconciled_balance"_s);
    r.completed_at = timeOf(row, u"completed_at"_s);
    return r;
}

QDate SyncCodec::date(const QJsonValue &value)
{
    const QString text = value.toString();
    if (text.isEmpty())
        return {};
    const QDate d = QDate::fromString(text, Qt::ISODate);
    if (d.isValid())
        return d;
    return QDateTime::fromString(text, Qt::ISODate).date();
}

std::optional<QDateTime> SyncCodec::deletedAt(const QJsonObject &row)
{
    const QString text = textOf(row, u"deleted_at"_s);
    if (text.isEmpty())
        return std::nullopt;
    const QDateTime t = QDateTime::fromString(text, Qt::ISODate);
    // A deletion stays a deletion even when its time is unreadable.
    return t.isValid() ? t.toUTC() : QDateTime::currentDateTimeUtc();
}

bool SyncCodec::sameContent(const QJsonObject &a, const QJsonObject &b)
{
    QJsonObject pa = a.value(u"payload"_s).toObject();
    QJsonObject pb = b.value(u"payload"_s).toObject();
    pa.remove(u"server_id"_s);
    pb.remove(u"server_id"_s);
    return pa == pb && a.value(u"action"_s) == b.value(u"action"_s) && a.value(u"version"_s) == b.value(u"version"_s);
}
