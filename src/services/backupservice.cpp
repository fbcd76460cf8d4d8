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
#include <QStringDecoder>
#include <QVarLengthArray>
#include <cstring>
#include <memory>
#include <sqlite3.h>
#include <vector>
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

// A ".." among the parts of a name, whichever slash separates them.
bool climbsUp(QStringView path)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path.at(i) == u'/' || path.at(i) == u'\\') {
            if (path.sliced(start, i - start) == u"..")
                return true;
            start = i + 1;
        }
    }
    return false;
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

// ASCII digits at every position but the separators given.
bool digitsExcept(const QString &text, std::initializer_list<std::pair<int, char16_t>> separators)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        bool separator = false;
        for (const auto &[at, expected] : separators) {
            if (at == i) {
                if (c != expected)
                    return false;
                separator = true;
            }
        }
        if (!separator && (c < u'0' || c > u'9'))
            return false;
    }
    return true;
}

// The forms the program writes, checked without the general parsers (a
// restore checks two or three of them per row); anything else takes the
// slow path.
bool isPlainDate(const QString &text)
{
    return text.size() == 10 && digitsExcept(text, {{4, u'-'}, {7, u'-'}}) && SqlCodec::toDate(text).isValid();
}

bool isPlainTimestamp(const QString &text)
{
    return text.size() == 20 && digitsExcept(text, {{4, u'-'}, {7, u'-'}, {10, u'T'}, {13, u':'}, {16, u':'}, {19, u'Z'}})
        && SqlCodec::toTimestamp(text).isValid();
}

bool isFlagColumn(const QString &name)
{
    return name.startsWith(u"is_") || name == u"cleared" || name == u"reconciled" || name == u"auto_post";
}

// The value a column of this name and declared type may hold, exactly as
// the program itself stores it; nothing for anything else. SQLite would
// keep a REAL or a text in an INTEGER column, and every sum would be wrong.
// One value of a row as JSON gave it, without a JSON document around it.
struct FieldValue
{
    enum Kind { Null, Text, Integer, Real, Bool, Other };
    Kind kind = Other;
    QString text;
    qint64 integer = 0;
    double real = 0;

    static FieldValue of(const QJsonValue &value)
    {
        FieldValue v;
        if (value.isNull()) {
            v.kind = Null;
        } else if (value.isString()) {
            v.kind = Text;
            v.text = value.toString();
        } else if (value.isBool()) {
            v.kind = Bool;
            v.integer = value.toBool() ? 1 : 0;
        } else if (value.isDouble()) {
            // JSON integers arrive as 64-bit integers, exactly as exported.
            const QVariant number = value.toVariant();
            if (number.typeId() == QMetaType::LongLong) {
                v.kind = Integer;
                v.integer = number.toLongLong();
            } else {
                v.kind = Real;
                v.real = value.toDouble();
            }
        }
        return v;
    }
    // What QJsonValue::toVariant().toString() gives.
    QString toText() const
    {
        switch (kind) {
        case Text:
            return text;
        case Integer:
            return QString::number(integer);
        case Real:
            return QVariant(real).toString();
        case Bool:
            return integer ? u"true"_s : u"false"_s;
        default:
            return QString();
        }
    }
};

// How a column's values are checked, from its name and declared type.
enum class ColumnKind { Unknown, Integer, Flag, Date, Timestamp, Text };

ColumnKind kindOf(const QString &name, const QString &declaredType)
{
    if (declaredType == u"INTEGER")
        return isFlagColumn(name) ? ColumnKind::Flag : ColumnKind::Integer;
    if (name == u"date" || name.endsWith(u"_date"))
        return ColumnKind::Date;
    if (name.endsWith(u"_at"))
        return ColumnKind::Timestamp;
    return ColumnKind::Text;
}

// A checked value as it is bound: NULL, a whole number or a text of the row.
struct BoundValue
{
    enum Kind { Null, Integer, Text };
    Kind kind = Null;
    qint64 integer = 0;
    const QString *text = nullptr; // into the row, which outlives the binding
};

std::optional<BoundValue> typedValue(ColumnKind kind, const FieldValue &value)
{
    if (value.kind == FieldValue::Null)
        return BoundValue(); // NOT NULL is the table's to enforce
    if (kind == ColumnKind::Integer || kind == ColumnKind::Flag) {
        // A double is only accepted where it is a whole number held exactly.
        qint64 integer = 0;
        if (value.kind == FieldValue::Integer) {
            integer = value.integer;
        } else if (value.kind == FieldValue::Real) {
            const double real = value.real;
            if (!(std::fabs(real) < 9.0e15) || std::floor(real) != real)
                return std::nullopt;
            integer = qint64(real);
        } else {
            return std::nullopt;
        }
        if (kind == ColumnKind::Flag && integer != 0 && integer != 1)
            return std::nullopt;
        return BoundValue{BoundValue::Integer, integer, nullptr};
    }
    if (value.kind != FieldValue::Text)
        return std::nullopt;
    const QString &text = value.text;
    if (kind == ColumnKind::Date) {
        static const QRegularExpression form(u"^\\d{4}-\\d{2}-\\d{2}$"_s);
        if (!isPlainDate(text)
            && (!form.match(text).hasMatch() || !QDate::fromString(text, Qt::ISODate).isValid()))
            return std::nullopt;
    } else if (kind == ColumnKind::Timestamp) {
        if (!isPlainTimestamp(text)) {
            const QDateTime stamp = SqlCodec::toTimestamp(text);
            if (!stamp.isValid() || SqlCodec::timestampText(stamp) != text)
                return std::nullopt;
        }
    }
    // A null text is NULL, as Qt's own binding stores it.
    if (text.isNull())
        return BoundValue();
    return BoundValue{BoundValue::Text, 0, &text};
}

// One row as its column names and values.
using RowFields = QList<std::pair<QString, FieldValue>>;

// Reads a flat object of strings, numbers, booleans and nulls, as the export
// writes every row, without building a JSON document: a restore reads one
// per row. Anything else (nesting, unusual escapes, a name twice, text that
// is not plain JSON) is left to QJsonDocument by returning false.
class FlatRowReader
{
public:
    explicit FlatRowReader(const QByteArray &bytes)
        : m_p(bytes.constData())
        , m_end(bytes.constData() + bytes.size())
    {
    }

    // `fields` may hold the previous row: rows of a table share their names,
    // which are then kept instead of being read and compared again.
    bool read(RowFields *fields)
    {
        RowFields &out = *fields;
        qsizetype count = 0;
        bool sameNames = true; // so far the previous row's, which were distinct
        const auto fail = [&] {
            out.clear();
            return false;
        };
        skipSpace();
        if (!take('{'))
            return fail();
        skipSpace();
        if (take('}'))
            return fail(); // an empty row is the general path's to judge
        for (;;) {
            skipSpace();
            if (count == out.size())
                out.append(std::pair<QString, FieldValue>());
            auto &field = out[count];
            if (!sameNames || !keepName(field.first)) {
                sameNames = false;
                if (!string(&field.first))
                    return fail();
                for (qsizetype i = 0; i < count; ++i) {
                    if (out.at(i).first == field.first)
                        return fail();
                }
            }
            ++count;
            skipSpace();
            if (!take(':'))
                return fail();
            skipSpace();
            field.second = FieldValue();
            if (!value(&field.second))
                return fail();
            skipSpace();
            if (take('}'))
                break;
            if (!take(','))
                return fail();
        }
        skipSpace();
        if (m_p != m_end)
            return fail();
        out.resize(count);
        return true;
    }

private:
    void skipSpace()
    {
        while (m_p < m_end && (*m_p == ' ' || *m_p == '\n' || *m_p == '\r' || *m_p == '\t'))
            ++m_p;
    }
    bool take(char c)
    {
        if (m_p < m_end && *m_p == c) {
            ++m_p;
            return true;
        }
        return false;
    }
    bool literal(const char *word)
    {
        const qsizetype n = qsizetype(std::strlen(word));
        if (m_end - m_p < n || std::memcmp(m_p, word, size_t(n)) != 0)
            return false;
        m_p += n;
        return true;
    }

    // Steps over the quoted name when it is exactly `name`, plain ASCII.
    bool keepName(const QString &name)
    {
        const qsizetype n = name.size();
        if (n == 0 || m_end - m_p < n + 2 || m_p[0] != '"' || m_p[n + 1] != '"')
            return false;
        const char16_t *text = QStringView(name).utf16();
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = text[i];
            if (c >= 0x80 || c < 0x20 || c == u'\\' || c == u'"' || char(c) != m_p[i + 1])
                return false;
        }
        m_p += n + 2;
        return true;
    }

    bool string(QString *out)
    {
        if (!take('"'))
            return false;
        const char *start = m_p;
        bool plain = true;
        while (m_p < m_end && *m_p != '"') {
            const unsigned char c = static_cast<unsigned char>(*m_p);
            if (c < 0x20)
                return false;
            if (c == '\\') {
                plain = false;
                if (++m_p == m_end)
                    return false;
            } else if (c >= 0x80) {
                plain = false;
            }
            ++m_p;
        }
        if (m_p == m_end)
            return false;
        const QByteArrayView raw(start, m_p - start);
        ++m_p;
        if (plain) {
            *out = QString::fromLatin1(raw);
            return true;
        }
        QByteArray unescaped;
        unescaped.reserve(raw.size());
        for (qsizetype i = 0; i < raw.size(); ++i) {
            const char c = raw.at(i);
            if (c != '\\') {
                unescaped.append(c);
                continue;
            }
            switch (raw.at(++i)) {
            case '"': unescaped.append('"'); break;
            case '\\': unescaped.append('\\'); break;
            case '/': unescaped.append('/'); break;
            case 'b': unescaped.append('\b'); break;
            case 'f': unescaped.append('\f'); break;
            case 'n': unescaped.append('\n'); break;
            case 'r': unescaped.append('\r'); break;
            case 't': unescaped.append('\t'); break;
            case 'u': {
                if (i + 4 >= raw.size())
                    return false;
                bool ok = false;
                const uint code = raw.sliced(i + 1, 4).toByteArray().toUInt(&ok, 16);
                // Surrogate pairs are the general reader's.
                if (!ok || (code >= 0xD800 && code <= 0xDFFF))
                    return false;
                unescaped.append(QString(QChar(char16_t(code))).toUtf8());
                i += 4;
                break;
            }
            default:
                return false;
            }
        }
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        *out = decoder(unescaped);
        return !decoder.hasError();
    }

    bool value(FieldValue *out)
    {
        if (m_p == m_end)
            return false;
        switch (*m_p) {
        case '"':
            out->kind = FieldValue::Text;
            return string(&out->text);
        case 'n':
            out->kind = FieldValue::Null;
            return literal("null");
        case 't':
            out->kind = FieldValue::Bool;
            out->integer = 1;
            return literal("true");
        case 'f':
            out->kind = FieldValue::Bool;
            out->integer = 0;
            return literal("false");
        default:
            return number(out);
        }
    }

    // Whole numbers as 64-bit integers, like QJsonDocument; others as doubles.
    bool number(FieldValue *out)
    {
        const char *start = m_p;
        bool whole = true;
        if (m_p < m_end && *m_p == '-')
            ++m_p;
        const char *digits = m_p;
        while (m_p < m_end && *m_p >= '0' && *m_p <= '9')
            ++m_p;
        const qsizetype intDigits = m_p - digits;
        if (intDigits == 0 || (intDigits > 1 && *digits == '0'))
            return false;
        if (m_p < m_end && *m_p == '.') {
            whole = false;
            const char *fraction = ++m_p;
            while (m_p < m_end && *m_p >= '0' && *m_p <= '9')
                ++m_p;
            if (m_p == fraction)
                return false;
        }
        if (m_p < m_end && (*m_p == 'e' || *m_p == 'E')) {
            whole = false;
            ++m_p;
            if (m_p < m_end && (*m_p == '+' || *m_p == '-'))
                ++m_p;
            const char *exponent = m_p;
            while (m_p < m_end && *m_p >= '0' && *m_p <= '9')
                ++m_p;
            if (m_p == exponent)
                return false;
        }
        const QByteArray text(start, m_p - start);
        bool ok = false;
        if (whole) {
            // "-0" and integers beyond 64 bits are the general reader's.
            const qint64 integer = text.toLongLong(&ok);
            if (!ok || text == "-0")
                return false;
            out->kind = FieldValue::Integer;
            out->integer = integer;
            return true;
        }
        const double real = text.toDouble(&ok);
        if (!ok)
            return false;
        out->kind = FieldValue::Real;
        out->real = real;
        return true;
    }

    const char *m_p;
    const char *m_end;
};

RowFields fieldsOf(const QJsonObject &object)
{
    RowFields fields;
    fields.reserve(object.size());
    for (auto it = object.constBegin(); it != object.constEnd(); ++it)
        fields.append({it.key(), FieldValue::of(it.value())});
    return fields;
}

FieldValue fieldValue(const RowFields &fields, QStringView name)
{
    for (const auto &[key, value] : fields) {
        if (key == name)
            return value;
    }
    return FieldValue();
}

void setField(RowFields &fields, const QString &name, const FieldValue &value)
{
    for (auto &field : fields) {
        if (field.first == name) {
            field.second = value;
            return;
        }
    }
    fields.append({name, value});
}

enum class Outcome {
    Written,
    Refused, // by the mode or because the row is malformed
    Failed,  // the database refused the statement
};

// Writes row objects with statements prepared once per distinct column list,
// straight on SQLite: a restore writes every row of the register. Column
// names come from the file, so only names the table really has are ever put
// into SQL.
class RowWriter
{
public:
    RowWriter(const QSqlDatabase &db, BackupImportMode mode)
        : m_db(db)
        , m_handle(Database::nativeHandle(db))
        , m_mode(mode)
    {
    }
    ~RowWriter()
    {
        for (sqlite3_stmt *statement : std::as_const(m_statements))
            sqlite3_finalize(statement);
    }
    Q_DISABLE_COPY_MOVE(RowWriter)

    Outcome upsert(const BackupTable &table, RowFields row);

private:
    using Values = QVarLengthArray<BoundValue, 32>;
    const QHash<QString, QString> &columnsOf(const QString &table);
    sqlite3_stmt *statement(const QString &sql);
    bool bind(sqlite3_stmt *statement, int index, const BoundValue &value);
    bool bindText(sqlite3_stmt *statement, int index, const QString &text);
    bool emptyAtStart(const QString &table);
    Outcome run(sqlite3_stmt *statement, const Values &values, int skip = -1, const QString *id = nullptr);

    QSqlDatabase m_db;
    sqlite3 *m_handle = nullptr;
    BackupImportMode m_mode;
    QHash<QString, QHash<QString, QString>> m_columns; // name -> declared type
    QHash<QString, sqlite3_stmt *> m_statements;       // by SQL text
    // The column list of the table's last row and its statements' SQL: the
    // rows of one table almost always share it.
    struct LastShape
    {
        QStringList names;
        QList<ColumnKind> kinds;
        sqlite3_stmt *lookup = nullptr;
        sqlite3_stmt *insert = nullptr;
        sqlite3_stmt *update = nullptr; // none when only the id is given
    };
    QHash<QString, LastShape> m_shapes;
    QHash<QString, QStringList> m_pendingSql; // lookup, insert, update of the table's last shape
    QHash<QString, bool> m_emptyAtStart;
    std::vector<QByteArray> m_buffers; // one per parameter, reused from row to row
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

sqlite3_stmt *RowWriter::statement(const QString &sql)
{
    if (const auto it = m_statements.constFind(sql); it != m_statements.constEnd())
        return it.value();
    sqlite3_stmt *prepared = nullptr;
    if (!m_handle
        || sqlite3_prepare_v3(m_handle, sql.toUtf8().constData(), -1, SQLITE_PREPARE_PERSISTENT, &prepared, nullptr)
            != SQLITE_OK) {
        qDebug().noquote() << "BackupService: prepare failed:"
                           << (m_handle ? QString::fromUtf8(sqlite3_errmsg(m_handle)) : u"no connection"_s);
        sqlite3_finalize(prepared);
        return nullptr;
    }
    m_statements.insert(sql, prepared);
    return prepared;
}

// A table nothing was restored into yet and that held no rows: its rows
// are inserted without looking for them first. Only a refused insert
// looks, in case the id is there after all.
bool RowWriter::emptyAtStart(const QString &table)
{
    auto it = m_emptyAtStart.find(table);
    if (it == m_emptyAtStart.end()) {
        QSqlQuery q(m_db);
        const bool empty = q.exec(u"SELECT NOT EXISTS (SELECT 1 FROM %1)"_s.arg(table)) && q.next() && q.value(0).toBool();
        it = m_emptyAtStart.insert(table, empty);
    }
    return *it;
}

// Texts are encoded into a buffer kept per parameter until the statement
// has run: most are plain ASCII and need no UTF-8 encoder.
bool RowWriter::bindText(sqlite3_stmt *statement, int index, const QString &text)
{
    if (m_buffers.size() <= size_t(index))
        m_buffers.resize(size_t(index) + 1);
    QByteArray &buffer = m_buffers[size_t(index)];
    const qsizetype n = text.size();
    buffer.resize(n);
    const char16_t *in = QStringView(text).utf16();
    for (qsizetype i = 0; i < n; ++i) {
        if (in[i] >= 0x80) {
            buffer = text.toUtf8();
            break;
        }
        buffer.data()[i] = char(in[i]);
    }
    return sqlite3_bind_text(statement, index, buffer.constData(), int(buffer.size()), SQLITE_STATIC) == SQLITE_OK;
}

bool RowWriter::bind(sqlite3_stmt *statement, int index, const BoundValue &value)
{
    switch (value.kind) {
    case BoundValue::Integer:
        return sqlite3_bind_int64(statement, index, value.integer) == SQLITE_OK;
    case BoundValue::Text:
        return bindText(statement, index, *value.text);
    case BoundValue::Null:
        break;
    }
    return sqlite3_bind_null(statement, index) == SQLITE_OK;
}

// Binds `values` (without the one at `skip`), then `id` when given, and steps.
Outcome RowWriter::run(sqlite3_stmt *statement, const Values &values, int skip, const QString *id)
{
    if (!statement)
        return Outcome::Failed;
    int index = 0;
    bool bound = true;
    for (int i = 0; i < values.size(); ++i) {
        if (i != skip)
            bound = bound && bind(statement, ++index, values.at(i));
    }
    if (id)
        bound = bound && bindText(statement, ++index, *id);
    const int rc = bound ? sqlite3_step(statement) : SQLITE_MISUSE;
    sqlite3_reset(statement);
    if (rc == SQLITE_DONE)
        return Outcome::Written;
    qDebug().noquote() << "BackupService: row refused:" << QString::fromUtf8(sqlite3_errmsg(m_handle));
    return Outcome::Failed;
}

Outcome RowWriter::upsert(const BackupTable &table, RowFields row)
{
    const QString tableName = QLatin1String(table.table);
    if (table.synced) {
        // Restored rows are new to the server.
        static const QString status = u"sync_status"_s, serverId = u"server_id"_s, version = u"version"_s;
        FieldValue pending;
        pending.kind = FieldValue::Text;
        pending.text = u"pending"_s;
        FieldValue null;
        null.kind = FieldValue::Null;
        FieldValue first;
        first.kind = FieldValue::Integer;
        first.integer = 1;
        setField(row, status, pending);
        setField(row, serverId, null);
        setField(row, version, first);
    }

    const QString id = fieldValue(row, u"id").toText();
    if (id.isEmpty())
        return Outcome::Refused;

    LastShape &shape = m_shapes[tableName];
    bool sameShape = shape.names.size() == row.size();
    for (qsizetype i = 0; sameShape && i < row.size(); ++i)
        sameShape = shape.names.at(i) == row.at(i).first;
    if (!sameShape) {
        QStringList names;
        names.reserve(row.size());
        for (const auto &field : std::as_const(row))
            names.append(field.first);
        const QHash<QString, QString> &columns = columnsOf(tableName);
        shape.names = names;
        shape.kinds.clear();
        for (const QString &name : names) {
            const auto column = columns.constFind(name);
            shape.kinds.append(column == columns.cend() ? ColumnKind::Unknown : kindOf(name, column.value()));
        }
        const QString placeholders = QStringList(names.size(), u"?"_s).join(u", "_s);
        QStringList assignments;
        for (const QString &name : names) {
            if (name != u"id") // the key never changes
                assignments.append(name + u" = ?");
        }
        // Prepared when first needed: an unknown column refuses the row first.
        shape.lookup = shape.insert = shape.update = nullptr;
        m_pendingSql[tableName] = {u"SELECT updated_at FROM %1 WHERE id = ?"_s.arg(tableName),
                                   u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(tableName, names.join(u", "_s), placeholders),
                                   assignments.isEmpty() ? QString()
                                                         : u"UPDATE %1 SET %2 WHERE id = ?"_s.arg(tableName, assignments.join(u", "_s))};
    }
    Values values;
    for (qsizetype i = 0; i < row.size(); ++i) {
        if (shape.kinds.at(i) == ColumnKind::Unknown) {
            qDebug().noquote() << "BackupService: row with an unknown column refused in" << tableName;
            return Outcome::Refused;
        }
        const std::optional<BoundValue> value = typedValue(shape.kinds.at(i), row.at(i).second);
        if (!value) {
            qDebug().noquote() << "BackupService: row with a wrong value for" << shape.names.at(i) << "refused in"
                               << tableName;
            return Outcome::Refused;
        }
        values.append(*value);
    }
    const QStringList &sql = m_pendingSql[tableName];
    if (emptyAtStart(tableName)) {
        if (!shape.insert)
            shape.insert = statement(sql.at(1));
        if (!shape.insert)
            return Outcome::Failed;
        int index = 0;
        bool bound = true;
        for (const BoundValue &value : std::as_const(values))
            bound = bound && bind(shape.insert, ++index, value);
        const int rc = bound ? sqlite3_step(shape.insert) : SQLITE_MISUSE;
        sqlite3_reset(shape.insert);
        if (rc == SQLITE_DONE)
            return Outcome::Written;
        // Anything but a refused row is a failure the lookup would not change.
        if ((sqlite3_extended_errcode(m_handle) & 0xFF) != SQLITE_CONSTRAINT)
            return Outcome::Failed;
    }
    if (!shape.lookup)
        shape.lookup = statement(sql.at(0));
    sqlite3_stmt *lookup = shape.lookup;
    if (!lookup || !bindText(lookup, 1, id))
        return Outcome::Failed;
    const int rc = sqlite3_step(lookup);
    const bool found = rc == SQLITE_ROW;
    const QString storedUpdatedAt = found
        ? QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(lookup, 0)), sqlite3_column_bytes(lookup, 0))
        : QString();
    sqlite3_reset(lookup);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        return Outcome::Failed;

    if (!found) {
        if (!shape.insert)
            shape.insert = statement(sql.at(1));
        return run(shape.insert, values);
    }

    switch (m_mode) {
    case BackupImportMode::Replace:
        break;
    case BackupImportMode::KeepNewer: {
        // ISO timestamps order by time when compared as text.
        const QString incoming = fieldValue(row, u"updated_at").toText();
        if (incoming.isEmpty() || !(incoming > storedUpdatedAt))
            return Outcome::Refused;
        break;
    }
    case BackupImportMode::SkipExisting:
    default:
        return Outcome::Refused;
    }

    if (sql.at(2).isEmpty())
        return Outcome::Refused;
    if (!shape.update)
        shape.update = statement(sql.at(2));
    return run(shape.update, values, int(shape.names.indexOf(u"id"_s)), &id);
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
        if (entry.path.startsWith(u'/') || entry.path.startsWith(u'\\') || climbsUp(entry.path))
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

    // Each table's members, in archive order.
    std::vector<std::vector<const BackupArchive::Entry *>> members(std::size(kTables));
    for (const BackupArchive::Entry &entry : archive.entries()) {
        if (!entry.path.endsWith(kJsonSuffix))
            continue;
        for (size_t t = 0; t < std::size(kTables); ++t) {
            const QLatin1StringView folder(kTables[t].folder);
            if (entry.path.startsWith(folder) && entry.path.size() > folder.size() && entry.path.at(folder.size()) == u'/') {
                members[t].push_back(&entry);
                break;
            }
        }
    }

    // Every member is checked (header, size, CRC) and counted before the
    // first row is written: a damaged archive changes nothing.
    for (size_t t = 0; t < std::size(kTables); ++t) {
        const BackupTable &table = kTables[t];
        for (const BackupArchive::Entry *entry : members[t]) {
            if (!archive.read(*entry, &problem))
                return refuse(tr("Backup refused: %1").arg(problem));
        }
        const qint64 count = qint64(members[t].size());
        const QJsonValue listed = manifest.value(QLatin1String(table.countKey));
        if (!listed.isUndefined() && listed.toInteger(-1) != count) {
            return refuse(tr("Backup refused: the manifest lists %1 rows of %2 but the archive holds %3.")
                              .arg(listed.toVariant().toString(), QLatin1String(table.table))
                              .arg(count));
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
    QList<RowFields> retry;
    RowFields fields;
    for (size_t t = 0; t < std::size(kTables); ++t) {
        const BackupTable &table = kTables[t];
        for (const BackupArchive::Entry *entry : members[t]) {
            const std::optional<QByteArray> bytes = archive.read(*entry);
            if (!bytes) {
                result.errors.append(tr("%1: unexpected error").arg(entry->path));
                continue;
            }
            if (!FlatRowReader(*bytes).read(&fields)) {
                const QJsonDocument document = QJsonDocument::fromJson(*bytes);
                if (!document.isObject() || document.object().isEmpty()) {
                    result.errors.append(tr("%1: invalid JSON").arg(entry->path));
                    continue;
                }
                fields = fieldsOf(document.object());
            }
            const Outcome outcome = writer.upsert(table, fields);
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
                retry.append(fields);
            else
                ++(result.*table.skipped);
        }
        // A child category may come before its parent in the file: try the
        // refused rows again for as long as that lets more of them in.
        while (!retry.isEmpty()) {
            QList<RowFields> stillRefused;
            for (const RowFields &row : std::as_const(retry)) {
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
