#include "backupservice.h"

#include "backuparchive.h"
#include "storage/bulkwriter.h"
#include "storage/database.h"
#include "storage/sqlcodec.h"

#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QHash>
#include <QRegularExpression>
#include <QScopeGuard>
#include <cmath>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <memory>
#include <optional>

#include <private/qzipwriter_p.h>

using namespace Qt::StringLiterals;

namespace {

struct BackupTable
{
    const char *folder;
    const char *table;
    const char *countKey;
    bool synced;          // carries the sync bookkeeping columns
    bool selfReferencing; // rows may point at rows of the same table
    int BackupImportResult::*imported;
    int BackupImportResult::*skipped;
};

// Parents before children, so foreign keys hold while a complete backup is
// restored. Only these names are ever put into SQL as table names.
const BackupTable kTables[] = {
    {"accounts", "accounts", "accountCount", true, false, &BackupImportResult::accountsImported,
     &BackupImportResult::accountsSkipped},
    {"categories", "categories", "categoryCount", true, true, &BackupImportResult::categoriesImported,
     &BackupImportResult::categoriesSkipped},
    {"transactions", "transactions", "transactionCount", true, false, &BackupImportResult::transactionsImported,
     &BackupImportResult::transactionsSkipped},
    {"split_lines", "split_lines", "splitLineCount", false, false, &BackupImportResult::splitLinesImported,
     &BackupImportResult::splitLinesSkipped},
    {"recurring", "recurring_transactions", "recurringCount", true, false, &BackupImportResult::recurringImported,
     &BackupImportResult::recurringSkipped},
    {"reconciliations", "reconciliations", "reconciliationCount", true, false,
     &BackupImportResult::reconciliationsImported, &BackupImportResult::reconciliationsSkipped},
};

constexpr int kBackupVersion = 1;
const QString kManifestName = u"manifest.json"_s;
const QString kJsonSuffix = u".json"_s;

QString folderPrefix(const BackupTable &table)
{
    return QLatin1String(table.folder) + u'/';
}

bool isRowEntry(const QString &path, const BackupTable &table)
{
    return path.startsWith(folderPrefix(table)) && path.endsWith(kJsonSuffix);
}

bool isExtracted(const QString &path)
{
    if (path == kManifestName)
        return true;
    for (const BackupTable &table : kTables) {
        if (isRowEntry(path, table))
            return true;
    }
    return false;
}

QJsonValue jsonFromSql(const QVariant &value)
{
    if (value.isNull())
        return QJsonValue(QJsonValue::Null);
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
        return QJsonValue(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return QJsonValue(value.toDouble());
    default:
        return QJsonValue(value.toString());
    }
}

bool isFlagColumn(const QString &name)
{
    return name.startsWith(u"is_") || name == u"cleared" || name == u"reconciled" || name == u"auto_post";
}

// The value a column of this name and declared type may hold, exactly as
// the program itself stores it; nothing for anything else. SQLite would
// keep a REAL or a text in an INTEGER column, and every sum would be wrong.
std::optional<QVariant> typedValue(const QString &name, const QString &declaredType, const QJsonValue &value)
{
    if (value.isNull())
        return QVariant(); // NOT NULL is the table's to enforce
    if (declaredType == u"INTEGER") {
        if (!value.isDouble())
            return std::nullopt;
        // JSON integers arrive as 64-bit integers, exactly as exported; a
        // double is only accepted where it is a whole number held exactly.
        const QVariant number = value.toVariant();
        qint64 integer = 0;
        if (number.typeId() == QMetaType::LongLong) {
            integer = number.toLongLong();
        } else {
            const double real = value.toDouble();
            if (!(std::fabs(real) < 9.0e15) || std::floor(real) != real)
                return std::nullopt;
            integer = qint64(real);
        }
        if (isFlagColumn(name) && integer != 0 && integer != 1)
            return std::nullopt;
        return QVariant(integer);
    }
    if (!value.isString())
        return std::nullopt;
    const QString text = value.toString();
    if (name == u"date" || name.endsWith(u"_date")) {
        static const QRegularExpression form(u"^\\d{4}-\\d{2}-\\d{2}$"_s);
        if (!form.match(text).hasMatch() || !QDate::fromString(text, Qt::ISODate).isValid())
            return std::nullopt;
    } else if (name.endsWith(u"_at")) {
        const QDateTime stamp = SqlCodec::toTimestamp(text);
        if (!stamp.isValid() || SqlCodec::timestampText(stamp) != text)
            return std::nullopt;
    }
    return QVariant(text);
}

enum class Outcome {
    Written,
    Refused, // by the mode or because the row is malformed
    Failed,  // the database refused the statement
};

// Writes row objects with statements prepared once per distinct SQL text.
// Column names come from the file, so only names the table really has are
// ever put into SQL.
class RowWriter
{
public:
    RowWriter(const QSqlDatabase &db, BackupImportMode mode)
        : m_db(db)
        , m_mode(mode)
    {
    }

    Outcome upsert(const BackupTable &table, QJsonObject row);

private:
    const QHash<QString, QString> &columnsOf(const QString &table);
    QSqlQuery *statement(const QString &sql);
    Outcome run(const QString &sql, const QVariantList &values);

    QSqlDatabase m_db;
    BackupImportMode m_mode;
    QHash<QString, QHash<QString, QString>> m_columns; // name -> declared type
    QHash<QString, std::shared_ptr<QSqlQuery>> m_statements;
};

const QHash<QString, QString> &RowWriter::columnsOf(const QString &table)
{
    auto it = m_columns.find(table);
    if (it == m_columns.end()) {
        QHash<QString, QString> names;
        QSqlQuery q(m_db);
        if (q.exec(u"PRAGMA table_info(%1)"_s.arg(table))) {
            while (q.next())
                names.insert(q.value(1).toString(), q.value(2).toString().toUpper());
        } else {
            qWarning().noquote() << "BackupService: cannot read the columns of" << table << q.lastError().text();
        }
        it = m_columns.insert(table, names);
    }
    return *it;
}

QSqlQuery *RowWriter::statement(const QString &sql)
{
    if (const auto it = m_statements.constFind(sql); it != m_statements.constEnd())
        return it->get();
    auto query = std::make_shared<QSqlQuery>(m_db);
    if (!query->prepare(sql)) {
        qDebug().noquote() << "BackupService: prepare failed:" << query->lastError().text();
        return nullptr;
    }
    m_statements.insert(sql, query);
    return query.get();
}

Outcome RowWriter::run(const QString &sql, const QVariantList &values)
{
    QSqlQuery *q = statement(sql);
    if (!q)
        return Outcome::Failed;
    for (int i = 0; i < values.size(); ++i)
        q->bindValue(i, values.at(i));
    const bool ok = q->exec();
    if (!ok)
        qDebug().noquote() << "BackupService: row refused:" << q->lastError().text();
    q->finish();
    return ok ? Outcome::Written : Outcome::Failed;
}

Outcome RowWriter::upsert(const BackupTable &table, QJsonObject row)
{
    const QString tableName = QLatin1String(table.table);
    if (table.synced) {
        // Restored rows are new to the server.
        row.insert(u"sync_status"_s, u"pending"_s);
        row.insert(u"server_id"_s, QJsonValue(QJsonValue::Null));
        row.insert(u"version"_s, 1);
    }

    const QString id = row.value(u"id"_s).toVariant().toString();
    if (id.isEmpty())
        return Outcome::Refused;

    const QHash<QString, QString> &columns = columnsOf(tableName);
    const QStringList names = row.keys();
    QVariantList values;
    values.reserve(names.size());
    for (const QString &name : names) {
        const auto column = columns.constFind(name);
        if (column == columns.cend()) {
            qDebug().noquote() << "BackupService: row with an unknown column refused in" << tableName;
            return Outcome::Refused;
        }
        const std::optional<QVariant> value = typedValue(name, column.value(), row.value(name));
        if (!value) {
            qDebug().noquote() << "BackupService: row with a wrong value for" << name << "refused in" << tableName;
            return Outcome::Refused;
        }
        values.append(*value);
    }

    QSqlQuery *lookup = statement(u"SELECT id, updated_at FROM %1 WHERE id = ?"_s.arg(tableName));
    if (!lookup)
        return Outcome::Failed;
    lookup->bindValue(0, id);
    if (!lookup->exec())
        return Outcome::Failed;
    const bool found = lookup->next();
    const QString storedUpdatedAt = found ? lookup->value(1).toString() : QString();
    lookup->finish();

    if (!found) {
        const QString placeholders = QStringList(names.size(), u"?"_s).join(u", "_s);
        return run(u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(tableName, names.join(u", "_s), placeholders), values);
    }

    switch (m_mode) {
    case BackupImportMode::Replace:
        break;
    case BackupImportMode::KeepNewer: {
        // ISO timestamps order by time when compared as text.
        const QString incoming = row.value(u"updated_at"_s).toVariant().toString();
        if (incoming.isEmpty() || !(incoming > storedUpdatedAt))
            return Outcome::Refused;
        break;
    }
    case BackupImportMode::SkipExisting:
    default:
        return Outcome::Refused;
    }

    QStringList assignments;
    QVariantList updateValues;
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i) == u"id") // the key never changes
            continue;
        assignments.append(names.at(i) + u" = ?");
        updateValues.append(values.at(i));
    }
    if (assignments.isEmpty())
        return Outcome::Refused;
    updateValues.append(id);
    return run(u"UPDATE %1 SET %2 WHERE id = ?"_s.arg(tableName, assignments.join(u", "_s)), updateValues);
}

} // namespace

BackupService::BackupService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
}

QString BackupService::modeLabel(BackupImportMode mode)
{
    switch (mode) {
    case BackupImportMode::SkipExisting:
        return tr("Skip existing items");
    case BackupImportMode::Replace:
        return tr("Replace all with backup data");
    case BackupImportMode::KeepNewer:
        return tr("Keep newer (compare timestamps)");
    }
    return QString();
}

QByteArray BackupService::exportBackup(QString *error) const
{
    const auto fail = [error](const QString &reason) {
        qWarning().noquote() << "BackupService export failed:" << reason;
        if (error)
            *error = reason;
        return QByteArray();
    };
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QZipWriter writer(&buffer);
    // Rows are small: deflating each one separately saves little and costs a
    // compressor set-up per row, which dominates a large export.
    writer.setCompressionPolicy(QZipWriter::NeverCompress);

    QJsonObject manifest;
    manifest.insert(u"version"_s, kBackupVersion);
    manifest.insert(u"exportedAt"_s, SqlCodec::nowText());

    // All tables from one read transaction: a writer in another program can
    // never leave a row here pointing at one that is missing.
    QSqlDatabase db = m_database->connection();
    const bool snapshot = db.transaction();
    const auto endSnapshot = qScopeGuard([&] {
        if (snapshot)
            db.rollback();
    });

    for (const BackupTable &table : kTables) {
        int count = 0;
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(u"SELECT * FROM %1"_s.arg(QLatin1String(table.table))))
            return fail(tr("Reading %1 failed: %2").arg(QLatin1String(table.table), q.lastError().text()));
        const QSqlRecord record = q.record();
        QStringList names;
        for (int i = 0; i < record.count(); ++i)
            names.append(record.fieldName(i));
        const int idColumn = record.indexOf(u"id"_s);
        const QString folder = folderPrefix(table);
        while (q.next()) {
            QJsonObject row;
            for (int i = 0; i < names.size(); ++i)
                row.insert(names.at(i), jsonFromSql(q.value(i)));
            writer.addFile(folder + q.value(idColumn).toString() + kJsonSuffix,
                           QJsonDocument(row).toJson(QJsonDocument::Indented));
            ++count;
        }
        // A step that fails ends the loop like the last row would.
        if (q.lastError().isValid())
            return fail(tr("Reading %1 failed: %2").arg(QLatin1String(table.table), q.lastError().text()));
        manifest.insert(QLatin1String(table.countKey), count);
    }

    writer.addFile(kManifestName, QJsonDocument(manifest).toJson(QJsonDocument::Indented));
    writer.close();
    if (writer.status() != QZipWriter::NoError)
        return fail(tr("The archive could not be built."));
    QByteArray zip = buffer.data();
    BackupArchive::addZip64End(zip);
    return zip;
}

WriteResult BackupService::exportBackupTo(const QString &path) const
{
    QString reason;
    const QByteArray bytes = exportBackup(&reason);
    if (bytes.isEmpty())
        return WriteResult::failure(tr("The backup could not be made: %1").arg(reason));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        qWarning().noquote() << "BackupService: writing" << path << "failed:" << file.errorString();
        return WriteResult::failure(tr("Could not write to:\n%1\n\n%2").arg(path, file.errorString()));
    }
    return {};
}

QString BackupService::safetyBackupPath(const QDateTime &now) const
{
    const QFileInfo database(m_database->connection().databaseName());
    return database.absoluteDir().filePath(
        u"penwick-before-restore-%1.zip"_s.arg(now.toString(u"yyyyMMdd-HHmmss"_s)));
}

BackupImportResult BackupService::importBackup(const QByteArray &zipBytes, BackupImportMode mode)
{
    BackupImportResult result;
    const auto refuse = [&result](const QString &message) {
        result = BackupImportResult();
        result.errors.append(message);
        result.failure = message;
        return result;
    };
    const BackupArchive archive(zipBytes);
    if (!archive.isValid())
        return refuse(tr("Failed to open ZIP archive"));

    // Names are never used as paths, but an archive made to look like one
    // more than once, or to escape a folder, was not written by us.
    QSet<QString> names;
    for (const BackupArchive::Entry &entry : archive.entries()) {
        if (entry.path.startsWith(u'/') || entry.path.startsWith(u'\\')
            || entry.path.split(QRegularExpression(u"[/\\\\]"_s)).contains(u".."_s))
            return refuse(tr("Backup refused: unsafe entry name \"%1\".").arg(entry.path));
        if (names.contains(entry.path))
            return refuse(tr("Backup refused: \"%1\" appears more than once.").arg(entry.path));
        names.insert(entry.path);
    }

    // Refuse a bomb before anything is inflated; reading inflates no entry
    // beyond its declared size.
    qint64 declaredTotal = 0;
    for (const BackupArchive::Entry &entry : archive.entries()) {
        if (!isExtracted(entry.path))
            continue;
        if (BackupArchive::inflatedSizeBound(entry) > kMaxEntryBytes) {
            return refuse(tr("Backup refused: %1 would expand to more than %2 MB.")
                              .arg(entry.path, QString::number(kMaxEntryBytes / (1024 * 1024))));
        }
        declaredTotal += entry.size;
        if (declaredTotal > kMaxTotalBytes) {
            return refuse(tr("Backup refused: its contents would expand to more than %1 MB.")
                              .arg(kMaxTotalBytes / (1024 * 1024)));
        }
    }

    const BackupArchive::Entry *manifestEntry = archive.find(kManifestName);
    if (!manifestEntry)
        return refuse(tr("Invalid backup: missing manifest.json"));
    QString problem;
    const std::optional<QByteArray> manifestBytes = archive.read(*manifestEntry, &problem);
    if (!manifestBytes)
        return refuse(tr("Backup refused: %1").arg(problem));
    if (manifestBytes->isEmpty())
        return refuse(tr("Invalid backup: missing manifest.json"));
    const QJsonObject manifest = QJsonDocument::fromJson(*manifestBytes).object();
    const qint64 version = manifest.value(u"version"_s).toInteger(0);
    if (version != kBackupVersion)
        return refuse(tr("Unsupported backup version: %1").arg(version));

    // Every member is checked (header, size, CRC) and counted before the
    // first row is written: a damaged archive changes nothing.
    for (const BackupTable &table : kTables) {
        qint64 members = 0;
        for (const BackupArchive::Entry &entry : archive.entries()) {
            if (!isRowEntry(entry.path, table))
                continue;
            if (!archive.read(entry, &problem))
                return refuse(tr("Backup refused: %1").arg(problem));
            ++members;
        }
        const QJsonValue listed = manifest.value(QLatin1String(table.countKey));
        if (!listed.isUndefined() && listed.toInteger(-1) != members) {
            return refuse(tr("Backup refused: the manifest lists %1 rows of %2 but the archive holds %3.")
                              .arg(listed.toVariant().toString(), QLatin1String(table.table))
                              .arg(members));
        }
    }

    // One database transaction: all of the restore or, on failure, nothing.
    QSqlDatabase db = m_database->connection();
    QString beginError;
    if (!Database::beginWrite(db, &beginError))
        return refuse(tr("The backup could not be restored: %1").arg(beginError));
    BulkWriter bulk(db);
    if (!bulk.begin()) {
        db.rollback();
        return refuse(tr("The backup could not be restored: %1").arg(bulk.errorText()));
    }
    RowWriter writer(db, mode);
    QList<QJsonObject> retry;
    for (const BackupTable &table : kTables) {
        for (const BackupArchive::Entry &entry : archive.entries()) {
            if (!isRowEntry(entry.path, table))
                continue;
            const std::optional<QByteArray> bytes = archive.read(entry);
            if (!bytes) {
                result.errors.append(tr("%1: unexpected error").arg(entry.path));
                continue;
            }
            const QJsonDocument document = QJsonDocument::fromJson(*bytes);
            if (!document.isObject() || document.object().isEmpty()) {
                result.errors.append(tr("%1: invalid JSON").arg(entry.path));
                continue;
            }
            const Outcome outcome = writer.upsert(table, document.object());
            // A full disk or a transaction SQLite itself rolled back: stop
            // here, rows after it would otherwise be committed one by one.
            if (outcome == Outcome::Failed
                && (!Database::storageFailureText().isEmpty() || !Database::inTransaction(db))) {
                const QString reason = Database::storageFailureText();
                db.rollback();
                return refuse(tr("The restored data could not be saved: %1")
                                  .arg(reason.isEmpty() ? tr("the database stopped the write") : reason));
            }
            if (outcome == Outcome::Written)
                ++(result.*table.imported);
            else if (outcome == Outcome::Failed && table.selfReferencing)
                retry.append(document.object());
            else
                ++(result.*table.skipped);
        }
        // A child category may come before its parent in the file: try the
        // refused rows again for as long as that lets more of them in.
        while (!retry.isEmpty()) {
            QList<QJsonObject> stillRefused;
            for (const QJsonObject &row : std::as_const(retry)) {
                if (writer.upsert(table, row) == Outcome::Written)
                    ++(result.*table.imported);
                else
                    stillRefused.append(row);
            }
            const bool progress = stillRefused.size() < retry.size();
            retry = stillRefused;
            if (!progress)
                break;
        }
        result.*table.skipped += int(retry.size());
        retry.clear();
    }

    if (!bulk.finish()) {
        const QString storage = Database::storageFailureText();
        db.rollback();
        return refuse(tr("The restored data could not be saved: %1").arg(storage.isEmpty() ? bulk.errorText() : storage));
    }
    if (!db.commit()) {
        const QSqlError failure = db.lastError();
        qWarning().noquote() << "BackupService import commit failed:" << failure.text();
        db.rollback();
        return refuse(tr("The restored data could not be saved: %1")
                          .arg(Database::failureText(failure)));
    }
    return result;
}
