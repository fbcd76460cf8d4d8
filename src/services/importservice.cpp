#include "importservice.h"

#include "app/money.h"
#include "ascendingidsequence.h"
#include "ofxreader.h"
#include "qifparser.h"
#include "storage/accountrepository.h"
#include "storage/bulkwriter.h"
#include "storage/database.h"
#include "storage/category.h"
#include "storage/categoryrepository.h"
#include "storage/splitline.h"
#include "storage/splitlinerepository.h"
#include "storage/sqlcodec.h"
#include "storage/transaction.h"
#include "storage/transactionrepository.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSet>
#include <QSignalBlocker>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringDecoder>
#include <QRandomGenerator>
#include <cstdio>
#include <QUuid>
#include <cstring>
#include <functional>
#include <map>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int kProgressInterval = 100;
const QString kHintPrefix = u"[→ "_s;

QSqlDatabase connection()
{
    return QSqlDatabase::database(QLatin1StringView(QSqlDatabase::defaultConnection), false);
}

void serviceEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

// Two-digit years follow the QIF rule: below 70 is 20xx, so "01/15/24" is 2024.
// Digits only, and `count` of them; -1 otherwise.
int fixedDigits(QStringView text, qsizetype at, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const char16_t c = text.at(at + i).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

// "MM/dd/yyyy", "yyyy-MM-dd", "dd.MM.yyyy" and the like, read by hand when
// the cell has exactly that shape: the general parser costs more than the
// row's insert. Anything else is for the general parser.
QDate fixedWidthDate(QStringView text, QStringView format)
{
    if (text.size() != format.size())
        return {};
    int year = -1, month = -1, day = -1;
    const auto token = [&](qsizetype at, QStringView name) {
        return format.sliced(at).startsWith(name)
            && (at + name.size() == format.size() || format.at(at + name.size()) != name.front());
    };
    for (qsizetype i = 0; i < format.size();) {
        if ((token(i, u"yyyy") && year != -1) || (token(i, u"MM") && month != -1) || (token(i, u"dd") && day != -1))
            return {}; // a part named twice
        if (token(i, u"yyyy")) {
            year = fixedDigits(text, i, 4);
            i += 4;
        } else if (token(i, u"MM")) {
            month = fixedDigits(text, i, 2);
            i += 2;
        } else if (token(i, u"dd")) {
            day = fixedDigits(text, i, 2);
            i += 2;
        } else {
            const QChar c = format.at(i);
            if (c.isLetterOrNumber() || c == u'\'' || text.at(i) != c)
                return {};
            ++i;
        }
    }
    if (year <= 0 || month < 0 || day < 0)
        return {};
    return QDate(year, month, day);
}

QDate csvDate(const QString &text, const QString &format)
{
    if (const QDate fixed = fixedWidthDate(text, format); fixed.isValid())
        return fixed;
    QDate date = QDate::fromString(text, format);
    if (date.isValid() && !format.contains(u"yyyy"_s) && format.contains(u"yy"_s) && date.year() < 1970)
        date = date.addYears(100);
    return date;
}

QString candidateKey(const QDate &date, qint64 amount)
{
    return date.toString(Qt::ISODate) % u'|' % QString::number(amount);
}

// Halves away from zero, as everywhere amounts are rounded.
qint64 dropMinorUnits(qint64 cents)
{
    const qint64 magnitude = (cents < 0 ? -cents : cents) + 50;
    return cents < 0 ? -(magnitude / 100) : magnitude / 100;
}

// Amounts are stored in the minor unit of the destination account, and JPY
// has none: "1500" is 1500 yen there, not 150000.
qint64 qifAmountFor(Currency currency, qint64 cents, const QString &text)
{
    if (currency != Currency::JPY)
        return cents;
    return QifParser::parseQifAmount(text, 0).value_or(dropMinorUnits(cents));
}

// Amount cells as bank exports write them: accounting parentheses for a
// negative amount, otherwise the strict form a person would type. Nothing for
// text that is not an amount, which is never stored as 0.00.
std::optional<qint64> cellAmount(const QString &cell)
{
    QString text = cell.trimmed();
    bool negative = false;
    if (text.size() >= 2 && text.startsWith(u'(') && text.endsWith(u')')) {
        text = text.mid(1, text.size() - 2).trimmed();
        if (text.startsWith(u'-') || text.startsWith(u'+'))
            return std::nullopt;
        negative = true;
    }
    const auto amount = parseAmountStrict(text, Currency::USD);
    if (!amount)
        return std::nullopt;
    return negative ? -*amount : *amount;
}

std::optional<qint64> csvAmountFor(Currency currency, const QString &cell)
{
    if (currency != Currency::JPY)
        return cellAmount(cell);
    // Read like dollars so "1500.00" and "¥1,500" both give 1500.
    QString text = cell;
    text.remove(u'¥');
    const auto amount = cellAmount(text);
    return amount ? std::optional<qint64>(dropMinorUnits(*amount)) : std::nullopt;
}

// A live row that still waits for the other side of its transfer.
struct Candidate
{
    QString id;
    QString accountId;
    QString hintName;
    QDate date;
    qint64 amount = 0;
};

// An exact set of texts kept in one buffer, about as large as the texts
// themselves: the duplicate keys of a million-row import take tens of
// megabytes here, where a set of strings takes hundreds.
class KeySet final
{
public:
    bool contains(QByteArrayView key) const { return !m_slots.empty() && m_slots[find(key)] != 0; }

    void insert(QByteArrayView key)
    {
        if ((m_count + 1) * 2 > qsizetype(m_slots.size()))
            grow();
        const size_t slot = find(key);
        if (m_slots[slot] != 0)
            return;
        m_slots[slot] = m_arena.size() + 1;
        const quint32 length = quint32(key.size());
        m_arena.append(reinterpret_cast<const char *>(&length), sizeof length);
        m_arena.append(key.data(), key.size());
        ++m_count;
    }

private:
    QByteArrayView at(qsizetype stored) const
    {
        quint32 length = 0;
        std::memcpy(&length, m_arena.constData() + stored - 1, sizeof length);
        return QByteArrayView(m_arena.constData() + stored - 1 + sizeof length, length);
    }

    size_t find(QByteArrayView key) const
    {
        const size_t mask = m_slots.size() - 1;
        for (size_t slot = qHash(key, 0) & mask;; slot = (slot + 1) & mask) {
            const qsizetype stored = m_slots[slot];
            if (stored == 0)
                return slot;
            const QByteArrayView other = at(stored);
            if (other.size() == key.size() && std::memcmp(other.data(), key.data(), size_t(key.size())) == 0)
                return slot;
        }
    }

    void grow()
    {
        const std::vector<qsizetype> old = std::move(m_slots);
        m_slots.assign(old.empty() ? 1024 : old.size() * 2, 0);
        for (const qsizetype stored : old) {
            if (stored != 0)
                m_slots[find(at(stored))] = stored;
        }
    }

    QByteArray m_arena; // per key: its length, then its bytes
    std::vector<qsizetype> m_slots; // arena offset + 1; 0 is empty
    qsizetype m_count = 0;
};

// A duplicate key of one destination account in the shared set.
QByteArray accountKey(int account, const QDate &date, qint64 amount, const QString &payee)
{
    // Built as bytes: every imported row makes one, twice.
    QByteArray key;
    key.reserve(32 + payee.size());
    key += QByteArray::number(account);
    key += '|';
    int y = 0, m = 0, d = 0;
    if (date.isValid())
        date.getDate(&y, &m, &d); // one calendar conversion for the three parts
    if (date.isValid() && y >= 0 && y <= 9999) {
        const char text[10] = {char('0' + y / 1000), char('0' + y / 100 % 10), char('0' + y / 10 % 10),
                               char('0' + y % 10), '-', char('0' + m / 10), char('0' + m % 10), '-',
                               char('0' + d / 10), char('0' + d % 10)};
        key.append(text, 10);
    } else {
        key += date.toString(Qt::ISODate).toUtf8();
    }
    key += '|';
    key += QByteArray::number(amount);
    key += '|';
    key += payee.toUtf8();
    return key;
}

// What an import needs to know about one destination account, read once.
// Its rows' duplicate keys go to the import's shared set under `number`.
struct AccountContext
{
    Currency currency = Currency::USD;
    int number = 0;
    QHash<QString, QList<Candidate>> candidates; // by candidateKey
};

AccountContext loadAccountContext(const QString &accountId, bool withCandidates, KeySet &keys, int number)
{
    AccountContext context;
    context.number = number;
    QSqlDatabase db = connection();
    {
        QSqlQuery q(db);
        if (SqlCodec::exec(q, u"SELECT currency FROM accounts WHERE id = ?"_s, {accountId}) && q.next())
            context.currency = currencyFromString(q.value(0).toString());
    }
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!SqlCodec::exec(q, u"SELECT date, amount, payee, id, memo, transfer_link_id FROM transactions "
                           "WHERE account_id = ? AND deleted_at IS NULL"_s, {accountId}))
        return context;
    while (q.next()) {
        const QDate date = SqlCodec::toDate(q.value(0));
        const qint64 amount = q.value(1).toLongLong();
        keys.insert(accountKey(number, date, amount, q.value(2).toString()));
        if (!withCandidates || !q.value(5).toString().isEmpty())
            continue;
        const auto hint = ImportService::readTransferHint(q.value(4).toString());
        if (!hint)
            continue;
        context.candidates[candidateKey(date, amount)].append(
            {q.value(3).toString(), accountId, hint->accountName, date, amount});
    }
    return context;
}

QHash<QString, QString> liveCategoryIds(CategoryRepository *categories)
{
    QHash<QString, QString> ids;
    const QList<Category> all = categories->findAll();
    for (const Category &c : all) {
        if (!ids.contains(c.name))
            ids.insert(c.name, c.id);
    }
    return ids;
}

// Looks categories up by exact name and creates missing ones; the
// repository's signal waits until the batch is committed.
class CategoryResolver final
{
public:
    explicit CategoryResolver(CategoryRepository *categories)
        : m_categories(categories)
        , m_ids(liveCategoryIds(categories))
    {
    }

    bool contains(const QString &name) const { return m_ids.contains(name); }
    bool createdAny() const { return m_createdAny; }

    QString create(const QString &name, CategoryType type)
    {
        Category c;
        c.id = AscendingIdSequence::random();
        c.name = name;
        c.category_type = type;
        c.created_at = c.updated_at = QDateTime::currentDateTimeUtc();
        bool ok = false;
        {
            const QSignalBlocker blocker(m_categories);
            ok = m_categories->insert(c);
        }
        if (!ok)
            return {};
        m_ids.insert(name, c.id);
        m_createdAny = true;
        return c.id;
    }

    QString resolve(const QString &name)
    {
        if (name.isEmpty())
            return {};
        const auto it = m_ids.constFind(name);
        if (it != m_ids.cend())
            return it.value();
        return create(name, CategoryType::Expense);
    }

private:
    CategoryRepository *m_categories;
    QHash<QString, QString> m_ids;
    bool m_createdAny = false;
};

} // namespace

namespace {

// Code points of Windows-1252 bytes 0x80 to 0x9F; the five bytes the code
// page leaves undefined keep their own value.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Strict: no overlong forms, no surrogates, nothing past U+10FFFF and no
// sequence cut short by the end of the data.
// `cut` (when given) receives the length of a sequence cut short by the end
// of the data, which is then accepted: a file truncated mid-character is
// still UTF-8.
bool isWellFormedUtf8(const QByteArray &bytes, qsizetype *cut = nullptr)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        const unsigned char lead = data[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int extra = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            cp = lead & 0x1F;
            minimum = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            cp = lead & 0x0F;
            minimum = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            cp = lead & 0x07;
            minimum = 0x10000;
        } else {
            return false;
        }
        if (size - i - 1 < extra) {
            if (!cut)
                return false;
            for (qsizetype k = i + 1; k < size; ++k) {
                if ((data[k] & 0xC0) != 0x80)
                    return false;
            }
            *cut = size - i;
            return true;
        }
        for (int k = 1; k <= extra; ++k) {
            const unsigned char next = data[i + k];
            if ((next & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

// UTF-16 without a byte-order mark: text of mostly ASCII characters has a
// NUL in every other byte. Nothing when the pattern is absent.
std::optional<QStringDecoder::Encoding> utf16ByNulBytes(const QByteArray &bytes)
{
    const qsizetype sample = qMin<qsizetype>(bytes.size(), 4096) & ~qsizetype(1);
    if (sample < 2)
        return std::nullopt;
    qsizetype evenNul = 0;
    qsizetype oddNul = 0;
    for (qsizetype i = 0; i < sample; i += 2) {
        evenNul += bytes.at(i) == '\0';
        oddNul += bytes.at(i + 1) == '\0';
    }
    const qsizetype pairs = sample / 2;
    if (oddNul * 10 >= pairs * 7 && evenNul * 10 < pairs)
        return QStringDecoder::Utf16LE;
    if (evenNul * 10 >= pairs * 7 && oddNul * 10 < pairs)
        return QStringDecoder::Utf16BE;
    return std::nullopt;
}

QString decodeWindows1252(const QByteArray &bytes)
{
    QString out;
    out.resize(bytes.size());
    QChar *dst = out.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *dst++ = (b >= 0x80 && b <= 0x9F) ? QChar(kWindows1252High[b - 0x80]) : QChar(char16_t(b));
    }
    return out;
}

constexpr qint64 kChunkBytes = 1 << 20;

// The bytes at the end of `chunk` that start a UTF-8 sequence the next
// chunk completes.
qsizetype openSequence(const QByteArray &chunk)
{
    for (qsizetype k = 1; k <= 3 && k <= chunk.size(); ++k) {
        const auto b = static_cast<unsigned char>(chunk.at(chunk.size() - k));
        if (b < 0x80)
            return 0;
        if (b >= 0xC0) {
            const qsizetype length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
            return length > k ? k : 0;
        }
    }
    return 0;
}

// decodeImportText() for a file read a chunk at a time: the same decision
// over the whole file, the same text, without holding the file.
class ChunkedText final
{
public:
    // How the file's bytes become text, as open() decided it.
    struct Format
    {
        qint64 skip = 0;
        bool latin = false;
        QStringDecoder::Encoding encoding = QStringDecoder::Utf8;
    };

    // False when the file cannot be read. With `known` the file is read as
    // an earlier reading of it decided, without checking its bytes again.
    bool open(const QString &path, const std::optional<Format> &known = std::nullopt)
    {
        m_file.setFileName(path);
        if (!m_file.open(QIODevice::ReadOnly))
            return false;
        if (known) {
            m_format = *known;
            m_latin = known->latin;
            m_skip = known->skip;
            m_decoder = QStringDecoder(known->encoding);
            return m_file.seek(m_skip);
        }
        const QByteArray head = m_file.peek(4096);
        m_skip = 0;
        m_latin = false;
        if (head.startsWith("\xEF\xBB\xBF")) {
            m_skip = 3;
            m_format.encoding = QStringDecoder::Utf8;
        } else if (head.startsWith("\xFF\xFE")) {
            m_skip = 2;
            m_format.encoding = QStringDecoder::Utf16LE;
        } else if (head.startsWith("\xFE\xFF")) {
            m_skip = 2;
            m_format.encoding = QStringDecoder::Utf16BE;
        } else if (const auto utf16 = utf16ByNulBytes(head)) {
            m_format.encoding = *utf16;
        } else if (isUtf8()) {
            m_format.encoding = QStringDecoder::Utf8;
        } else {
            m_latin = true;
        }
        m_format.skip = m_skip;
        m_format.latin = m_latin;
        m_decoder = QStringDecoder(m_format.encoding);
        return m_file.seek(m_skip);
    }

    // The next piece of text; empty at the end.
    QString next()
    {
        while (!m_file.atEnd()) {
            const QByteArray bytes = m_file.read(kChunkBytes);
            if (bytes.isEmpty())
                break;
            QString text = m_latin ? decodeWindows1252(bytes) : QString(m_decoder.decode(bytes));
            if (!text.isEmpty())
                return text;
        }
        return {};
    }

    // Back to the first piece.
    bool rewind()
    {
        m_decoder.resetState();
        return m_file.seek(m_skip);
    }

    qint64 size() const { return m_file.size(); }
    QDateTime modified() const { return QFileInfo(m_file).lastModified(); }
    Format format() const { return m_format; }

private:
    bool isUtf8()
    {
        QByteArray carry;
        while (!m_file.atEnd()) {
            QByteArray chunk = carry + m_file.read(kChunkBytes);
            const qsizetype open = openSequence(chunk);
            if (!isWellFormedUtf8(chunk.first(chunk.size() - open)))
                return false;
            carry = chunk.last(open);
        }
        qsizetype cut = 0;
        return isWellFormedUtf8(carry, &cut);
    }

    QFile m_file;
    QStringDecoder m_decoder;
    Format m_format;
    qint64 m_skip = 0;
    bool m_latin = false;
};

// CSV rows from text handed over piece by piece, each row as soon as it ends.
class CsvReader final
{
public:
    explicit CsvReader(const std::function<void(QStringList &)> &onRow)
        : m_onRow(onRow)
    {
    }

    void feed(QStringView text)
    {
        for (const QChar ch : text) {
            if (m_quotePending) {
                // A quote inside quotes: doubled it is a quote character.
                m_quotePending = false;
                if (ch == u'"') {
                    m_field.append(u'"');
                    m_previous = ch;
                    continue;
                }
                m_inQuotes = false;
            }
            read(ch);
            m_previous = ch;
        }
    }

    // False (with the reason in `error` when given) when a quote is left open.
    bool finish(QString *error)
    {
        if (m_quotePending)
            m_inQuotes = false;
        if (m_inQuotes) {
            // Everything after the quote would otherwise become one cell.
            if (error)
                *error = ImportService::tr("Unclosed quote starting on line %1.").arg(m_quoteLine);
            return false;
        }
        endRow();
        return true;
    }

private:
    void read(QChar ch)
    {
        const bool afterRowCr = m_rowEndedByCr;
        m_rowEndedByCr = false;
        if (m_inQuotes) {
            if (ch == u'"') {
                m_quotePending = true;
                return;
            }
            if (ch == u'\r' || (ch == u'\n' && m_previous != u'\r'))
                ++m_line;
            m_field.append(ch);
        } else if (ch == u'"') {
            m_inQuotes = true;
            m_quoteLine = m_line;
        } else if (ch == u',') {
            endField();
        } else if (ch == u'\n' || ch == u'\r') {
            // CRLF, LF and old Mac CR all end a line.
            if (ch == u'\n' && afterRowCr)
                return;
            endRow();
            ++m_line;
            m_rowEndedByCr = ch == u'\r';
        } else {
            m_field.append(ch);
        }
    }

    void endField()
    {
        m_row.append(m_field.trimmed());
        m_field.clear();
    }

    void endRow()
    {
        endField();
        if (!(m_row.size() == 1 && m_row.first().isEmpty()))
            m_onRow(m_row);
        m_row.clear();
    }

    const std::function<void(QStringList &)> &m_onRow;
    QStringList m_row;
    QString m_field;
    QChar m_previous;
    bool m_inQuotes = false;
    bool m_quotePending = false;
    bool m_rowEndedByCr = false;
    int m_line = 1;
    int m_quoteLine = 0;
};

// Reads the CSV file at `path` a chunk at a time, handing over each row.
// False when it cannot be read or a quote is left open (`error` says which).
// A `format` that is set is used as it is; an unset one is filled in.
bool readCsvRows(const QString &path, const std::function<void(QStringList &)> &onRow, QString *error,
                 qint64 *size = nullptr, QDateTime *modified = nullptr,
                 std::optional<ChunkedText::Format> *format = nullptr)
{
    ChunkedText text;
    if (!text.open(path, format ? *format : std::nullopt)) {
        *error = ImportService::tr("Cannot read file: %1").arg(path);
        return false;
    }
    if (format)
        *format = text.format();
    if (size)
        *size = text.size();
    if (modified)
        *modified = text.modified();
    CsvReader reader(onRow);
    for (QString piece = text.next(); !piece.isEmpty(); piece = text.next())
        reader.feed(piece);
    return reader.finish(error);
}

} // namespace

// One run of importQif or importOfx. The files are read twice and no record is kept
// between the readings: the first pass predicts duplicates and pairs
// transfers, keeping only what the pairing needs, the second writes.
class ImportService::QifBatch final
{
public:
    // `ofx`: the files are OFX or QFX downloads, read through OfxReader.
    QifBatch(ImportService *service, const QHash<QString, QString> &mapping, const QList<Account> &newAccounts,
             bool ofx = false)
        : m_service(service)
        , m_ofx(ofx)
    {
        for (auto it = mapping.cbegin(); it != mapping.cend(); ++it)
            m_mapping.insert(it.key().toLower(), it.value());
        for (const Account &account : newAccounts)
            m_newAccounts.insert(account.id, account);
    }

    ImportResult run(const QStringList &paths);

private:
    // One record while it is looked at.
    struct WorkItem
    {
        QifRecord record;
        QString target;
        QString id;
        int partner = -1;
        bool selfTransfer = false;
        bool expectedDuplicate = false;
        QString payee;
        qint64 amount = 0; // in the target's minor unit
    };
    // A transfer the first pass may pair.
    struct Pairable
    {
        int index = -1;
        QDate date;
        qint64 amount = 0; // as written, in cents
        QString id;        // fixed by the bank's transaction id, else empty
        QString source;
        QString transfer;
        QString target;
        QString memo;
        int partner = -1;
    };
    // What the second pass needs of an item paired in the first.
    struct Paired
    {
        int partner = -1;
        QString id;
        QString target;
        QString transferAccount;
        QString memo;
        bool inserted = false;
    };
    struct FileStamp
    {
        QString path;
        qint64 size = -1;
        QDateTime modified;
        // What the first reading found out, so the second need not again.
        std::optional<ChunkedText::Format> format;
        std::optional<QifDateOrder> order;
    };

    bool readFile(const QString &path, const std::function<void(QifRecord &)> &onRecord,
                  QifParseResult *counts, FileStamp *stamp);
    WorkItem workItem(QifRecord &record, const QString &path);
    void collect(const QStringList &paths);
    void pairTransfers();
    AccountContext &context(const QString &accountId);
    QSet<QString> &takenIds(const QString &accountId);
    QByteArray keyOf(const WorkItem &item);
    bool importItem(WorkItem &item, int index);
    bool unlinkPartner(int partnerIndex);
    bool ensureAccount(const QString &accountId);
    void abort(const QString &reason);

    ImportService *m_service;
    bool m_ofx = false;
    QHash<QString, QString> m_mapping;
    QHash<QString, Account> m_newAccounts; // not created yet
    QStringList m_createdAccounts;
    int m_total = 0;
    std::vector<bool> m_expectedDuplicate; // per item
    QList<Pairable> m_pairables;
    QHash<int, Paired> m_paired;
    QList<FileStamp> m_files;
    QString m_unreadable; // a file the first pass could not read, when that is fatal
    QList<QifCategoryEntry> m_categoryEntries;
    std::map<QString, AccountContext> m_contexts; // stable references while growing
    KeySet m_keys;              // of the stored rows and of the rows the batch will write
    QSet<QByteArray> m_failedKeys; // predicted as written, but their insert failed
    QHash<QString, QSet<QString>> m_takenIds; // by account, for rows with a fixed id
    QSet<QString> m_failedIds;                // fixed ids whose insert failed
    QSet<QString> m_touchedAccounts;
    std::optional<CategoryResolver> m_categories;
    std::optional<BulkWriter> m_writer;
    ImportResult m_result;
};

// Reads one file, handing each record to `onRecord`. `stamp` tells whether
// the file is still the one the first pass read.
bool ImportService::QifBatch::readFile(const QString &path, const std::function<void(QifRecord &)> &onRecord,
                                       QifParseResult *counts, FileStamp *stamp)
{
    if (m_ofx) {
        // libofx reads the whole file; its records are handed over as QIF's.
        const QFileInfo info(path);
        stamp->path = path;
        stamp->size = info.size();
        stamp->modified = info.lastModified();
        OfxReadResult read = OfxReader::read(path);
        if (!read.error.isEmpty())
            return false;
        for (QifRecord &record : read.parsed.records)
            onRecord(record);
        read.parsed.records.clear();
        *counts = std::move(read.parsed);
        return true;
    }
    ChunkedText text;
    if (!text.open(path, stamp->format))
        return false;
    stamp->path = path;
    stamp->size = text.size();
    stamp->modified = text.modified();
    stamp->format = text.format();
    const std::function<QString()> next = [&text] { return text.next(); };
    if (!stamp->order) {
        stamp->order = QifParser::detectDateOrder(next);
        if (!text.rewind())
            return false;
    }
    *counts = QifParser::parseQif(next, *stamp->order, onRecord);
    return true;
}

ImportService::QifBatch::WorkItem ImportService::QifBatch::workItem(QifRecord &record, const QString &path)
{
    WorkItem item;
    const QString key = record.sourceAccount.isEmpty() ? path : record.sourceAccount;
    item.target = m_mapping.value(key.toLower());
    item.selfTransfer = !record.transferAccount.isEmpty()
        && record.transferAccount.compare(record.sourceAccount, Qt::CaseInsensitive) == 0;
    item.record = std::move(record);
    if (item.target.isEmpty())
        return item;
    if (!item.record.fitId.isEmpty())
        item.id = ImportService::ofxTransactionId(item.target, item.record.fitId);
    const AccountContext &ctx = context(item.target);
    const QifRecord &r = item.record;
    item.amount = qifAmountFor(ctx.currency, r.amount, r.amountText);
    item.payee = r.payee;
    if (item.payee.isEmpty()) {
        if (!r.number.isEmpty() && !r.security.isEmpty())
            item.payee = u"%1: %2"_s.arg(r.number, r.security);
        else if (!r.security.isEmpty())
            item.payee = r.security;
        else if (!r.number.isEmpty())
            item.payee = r.number;
        else if (!r.transferAccount.isEmpty())
            item.payee = r.transferAccount;
        else
            item.payee = u"Imported transaction"_s;
    }
    return item;
}

QByteArray ImportService::QifBatch::keyOf(const WorkItem &item)
{
    return accountKey(context(item.target).number, item.record.date, item.amount, item.payee);
}

// The first pass. An item is expected to be a duplicate when its key is
// already stored or an earlier item of the batch has it, so that transfers
// are only paired between rows that will really be written: a pair with a
// skipped half would leave the other half linked to a row that does not exist.
void ImportService::QifBatch::collect(const QStringList &paths)
{
    QSet<QString> categoryNames;
    for (const QString &path : paths) {
        QifParseResult counts;
        FileStamp stamp;
        const bool read = readFile(path, [&](QifRecord &record) {
            WorkItem item = workItem(record, path);
            const int index = m_total++;
            bool duplicate = false;
            if (!item.target.isEmpty()) {
                const QByteArray key = keyOf(item);
                if (!item.id.isEmpty()) {
                    // The bank's id decides: equal-looking rows with their own
                    // ids are both real.
                    QSet<QString> &ids = takenIds(item.target);
                    duplicate = ids.contains(item.id);
                    ids.insert(item.id);
                    if (!duplicate)
                        m_keys.insert(key);
                } else {
                    duplicate = m_keys.contains(key);
                    if (!duplicate)
                        m_keys.insert(key);
                }
            }
            m_expectedDuplicate.push_back(duplicate);
            const QifRecord &r = item.record;
            if (!r.transferAccount.isEmpty() && !r.sourceAccount.isEmpty() && !item.target.isEmpty()
                && !item.selfTransfer && !duplicate)
                m_pairables.append({index, r.date, r.amount, item.id, r.sourceAccount, r.transferAccount,
                                    item.target, r.memo});
        }, &counts, &stamp);
        if (!read) {
            // An OFX file was readable when it was checked a moment ago.
            if (m_ofx)
                m_unreadable = path;
            continue;
        }
        m_files.append(stamp);
        m_result.unparseable += counts.unparseable;
        m_result.metadata += counts.metadata;
        for (const QifCategoryEntry &entry : std::as_const(counts.categories)) {
            if (!categoryNames.contains(entry.name)) {
                categoryNames.insert(entry.name);
                m_categoryEntries.append(entry);
            }
        }
    }
}

AccountContext &ImportService::QifBatch::context(const QString &accountId)
{
    auto it = m_contexts.find(accountId);
    if (it == m_contexts.end()) {
        AccountContext loaded = loadAccountContext(accountId, true, m_keys, int(m_contexts.size()));
        if (const auto pending = m_newAccounts.constFind(accountId); pending != m_newAccounts.cend())
            loaded.currency = pending->currency;
        it = m_contexts.emplace(accountId, std::move(loaded)).first;
    }
    return it->second;
}

// Every id the account has ever used, deleted rows included: a downloaded
// transaction the person deleted is not brought back by the next download.
QSet<QString> &ImportService::QifBatch::takenIds(const QString &accountId)
{
    auto it = m_takenIds.find(accountId);
    if (it == m_takenIds.end()) {
        it = m_takenIds.insert(accountId, {});
        QSqlQuery q(connection());
        q.setForwardOnly(true);
        if (SqlCodec::exec(q, u"SELECT id FROM transactions WHERE account_id = ?"_s, {accountId})) {
            while (q.next())
                it->insert(q.value(0).toString());
        }
    }
    return *it;
}

void ImportService::QifBatch::pairTransfers()
{
    // Index the pairable items by what their partner has to look for, so the
    // "first later match" is found without comparing every pair of items.
    struct Bucket
    {
        QList<int> items; // positions in m_pairables
        qsizetype head = 0;
    };
    const auto keyOf = [](const QDate &date, qint64 amount, const QString &from, const QString &to) -> QString {
        return date.toString(Qt::ISODate) % u'|' % QString::number(amount) % u'|' % from.toLower() % u'\x1f'
            % to.toLower();
    };
    QHash<QString, Bucket> buckets;
    for (int j = 0; j < m_pairables.size(); ++j) {
        const Pairable &item = m_pairables.at(j);
        buckets[keyOf(item.date, item.amount, item.transfer, item.source)].items.append(j);
    }
    for (int i = 0; i < m_pairables.size(); ++i) {
        Pairable &item = m_pairables[i];
        if (item.partner >= 0)
            continue;
        const auto found = buckets.find(keyOf(item.date, -item.amount, item.source, item.transfer));
        if (found == buckets.end())
            continue;
        Bucket &bucket = found.value();
        // Items at or before i, and paired ones, can never match again.
        while (bucket.head < bucket.items.size()) {
            const int j = bucket.items.at(bucket.head);
            if (j > i && m_pairables.at(j).partner < 0)
                break;
            ++bucket.head;
        }
        for (qsizetype k = bucket.head; k < bucket.items.size(); ++k) {
            const int j = bucket.items.at(k);
            Pairable &other = m_pairables[j];
            if (j <= i || other.partner >= 0 || other.target == item.target)
                continue;
            item.partner = j;
            other.partner = i;
            break;
        }
    }
    for (const Pairable &item : std::as_const(m_pairables)) {
        if (item.partner < 0)
            continue;
        m_paired.insert(item.index, {m_pairables.at(item.partner).index,
                                     item.id.isEmpty() ? AscendingIdSequence::random() : item.id,
                                     item.target, item.transfer, item.memo, false});
    }
    m_pairables.clear();
}

void ImportService::QifBatch::abort(const QString &reason)
{
    qWarning().noquote() << "QIF import aborted:" << reason;
    connection().rollback();
    // Nothing counted so far was kept: the summary must not say otherwise.
    ImportResult rolledBack;
    rolledBack.failed = true;
    rolledBack.error = m_result.error.isEmpty() ? Database::storageFailureText() : m_result.error;
    m_result = rolledBack;
}

// A new target account is created with its first row, inside the batch.
bool ImportService::QifBatch::ensureAccount(const QString &accountId)
{
    const auto it = m_newAccounts.constFind(accountId);
    if (it == m_newAccounts.cend())
        return true;
    if (!m_service->m_accounts)
        return false;
    bool ok = false;
    {
        const QSignalBlocker blocker(m_service->m_accounts);
        ok = m_service->m_accounts->insert(*it);
    }
    if (ok) {
        m_newAccounts.remove(accountId);
        m_createdAccounts.append(accountId);
    }
    return ok;
}

// The earlier half of an in-batch pair was written with a link to a row whose
// insert then failed: turn it back into an unlinked transfer with a hint.
bool ImportService::QifBatch::unlinkPartner(int partnerIndex)
{
    const Paired &partner = m_paired[partnerIndex];
    auto row = m_service->m_transactions->findById(partner.id);
    if (!row)
        return false;
    row->transfer_link_id.clear();
    row->transfer_dest_account_id.clear();
    row->memo = ImportService::transferHint(partner.transferAccount, partner.memo);
    row->updated_at = QDateTime::currentDateTimeUtc();
    const QSignalBlocker blocker(m_service->m_transactions);
    return m_service->m_transactions->update(*row);
}

// Returns false when the whole import has to be aborted.
bool ImportService::QifBatch::importItem(WorkItem &item, int index)
{
    if (item.target.isEmpty()) {
        ++m_result.unmapped;
        return true;
    }
    AccountContext &ctx = context(item.target);
    const QifRecord &r = item.record;
    // Stored rows and earlier rows of the batch make duplicates; a row whose
    // insert failed was never stored.
    const QByteArray key = keyOf(item);
    const bool fixedId = !r.fitId.isEmpty();
    if (item.expectedDuplicate && !(fixedId ? m_failedIds.contains(item.id) : m_failedKeys.contains(key))) {
        ++m_result.duplicates;
        if (item.partner >= 0 && item.partner < index && m_paired.value(item.partner).inserted
            && !unlinkPartner(item.partner)) {
            abort(u"failed to unlink the partner of a skipped row"_s);
            return false;
        }
        return true;
    }

    const QDateTime now = QDateTime::currentDateTimeUtc();
    Transaction t;
    t.id = item.id;
    t.account_id = item.target;
    t.date = r.date;
    t.payee = item.payee;
    t.memo = r.memo;
    t.amount = item.amount;
    t.category_id = m_categories->resolve(r.category);
    t.check_number = r.number;
    t.cleared = r.cleared;
    t.reconciled = r.reconciled;
    t.is_split = !r.splits.isEmpty();
    t.created_at = now;
    t.updated_at = now;

    // A partner earlier in the batch is only linked to when it was written.
    const int partner = item.partner;
    const bool partnerUsable = partner >= 0 && (partner > index || m_paired.value(partner).inserted);
    std::optional<Transaction> previous;
    if (partnerUsable) {
        t.transfer_link_id = m_paired.value(partner).id;
        t.transfer_dest_account_id = m_paired.value(partner).target;
    } else if (!r.transferAccount.isEmpty() && !item.selfTransfer) {
        const QString partnerTarget = m_mapping.value(r.transferAccount.toLower());
        const Candidate *match = nullptr;
        if (!partnerTarget.isEmpty() && partnerTarget != item.target) {
            const AccountContext &partnerCtx = context(partnerTarget);
            const auto found = partnerCtx.candidates.constFind(candidateKey(r.date, -item.amount));
            if (found != partnerCtx.candidates.cend()) {
                for (const Candidate &c : found.value()) {
                    if (c.hintName.compare(r.sourceAccount, Qt::CaseInsensitive) == 0) {
                        match = &c;
                        break;
                    }
                }
            }
        }
        if (match) {
            previous = m_service->m_transactions->findById(match->id);
            const auto hint = previous ? ImportService::readTransferHint(previous->memo) : std::nullopt;
            if (!hint) {
                abort(u"retroactive candidate lost its hint"_s);
                return false;
            }
            previous->memo = hint->memo;
            previous->transfer_link_id = t.id;
            previous->transfer_dest_account_id = item.target;
            previous->version += 1;
            previous->sync_status = SyncStatus::Pending;
            previous->updated_at = now;
            t.transfer_link_id = previous->id;
            t.transfer_dest_account_id = previous->account_id;
        } else {
            t.memo = ImportService::transferHint(r.transferAccount, r.memo);
        }
    }

    if (!ensureAccount(item.target)) {
        abort(u"cannot create the target account"_s);
        return false;
    }
    if (!m_writer->insertTransaction(t)) {
        qWarning().noquote() << "QIF import: insert failed for" << SqlCodec::dateText(t.date) << t.payee << "amount"
                             << t.amount << "account" << t.account_id;
        ++m_result.databaseErrors;
        // A full disk or a transaction SQLite itself rolled back ends the
        // import; rows written after it would be committed one by one.
        if (!Database::storageFailureText().isEmpty() || !Database::inTransaction(connection())) {
            abort(u"the database cannot be written"_s);
            return false;
        }
        m_failedKeys.insert(key);
        if (fixedId)
            m_failedIds.insert(t.id);
        if (partnerUsable && partner < index) {
            if (!unlinkPartner(partner)) {
                abort(u"failed to unlink the partner of a failed insert"_s);
                return false;
            }
        }
        return true;
    }
    m_failedKeys.remove(key);
    if (fixedId)
        m_failedIds.remove(t.id);
    if (item.partner >= 0)
        m_paired[index].inserted = true;
    m_touchedAccounts.insert(item.target);
    if (partnerUsable && partner < index)
        ++m_result.transfersLinked;

    if (previous) {
        bool updated = false;
        {
            const QSignalBlocker blocker(m_service->m_transactions);
            updated = m_service->m_transactions->update(*previous);
        }
        if (!updated) {
            abort(u"failed to update retroactive partner"_s);
            return false;
        }
        auto &list = context(previous->account_id).candidates[candidateKey(previous->date, previous->amount)];
        list.removeIf([&](const Candidate &c) { return c.id == previous->id; });
        m_touchedAccounts.insert(previous->account_id);
        ++m_result.transfersLinked;
        ++m_result.linkedToPrevious;
    }

    for (const QifSplit &split : r.splits) {
        // A split line needs a category; transfer parts have none. The
        // transaction keeps its full amount and the summary says so.
        SplitLine line;
        line.category_id = split.transferAccount.isEmpty() ? m_categories->resolve(split.category) : QString();
        if (line.category_id.isEmpty()) {
            ++m_result.splitsNotKept;
            continue;
        }
        line.id = AscendingIdSequence::random();
        line.transaction_id = t.id;
        line.amount = qifAmountFor(ctx.currency, split.amount, split.amountText);
        line.memo = split.memo;
        line.created_at = t.created_at;
        line.updated_at = t.updated_at;
        if (!m_writer->insertSplitLine(line))
            ++m_result.splitsNotKept;
    }

    ++m_result.imported;
    return true;
}

ImportResult ImportService::QifBatch::run(const QStringList &paths)
{
    collect(paths);
    if (!m_unreadable.isEmpty()) {
        m_result.failed = true;
        m_result.error = ImportService::tr("A file changed while it was imported: %1").arg(m_unreadable);
        return m_result;
    }
    pairTransfers();
    m_categories.emplace(m_service->m_categories);

    const int total = m_total;
    emit m_service->importStarted(total);
    const auto finish = qScopeGuard([&] { emit m_service->importProgress(total, total); });

    QSqlDatabase db = connection();
    if (!Database::beginWrite(db, &m_result.error)) {
        // Not ours to roll back: another transaction may be open.
        m_result.failed = true;
        return m_result;
    }
    m_writer.emplace(db);
    if (!m_writer->begin()) {
        abort(u"cannot prepare the insert statements"_s);
        return m_result;
    }

    for (const QifCategoryEntry &entry : std::as_const(m_categoryEntries)) {
        if (!m_categories->contains(entry.name))
            m_categories->create(entry.name, entry.income ? CategoryType::Income : CategoryType::Expense);
    }

    // The second pass: the same records again, written as they are read.
    AscendingIdSequence ids(total);
    int index = 0;
    bool stopped = false;
    for (const FileStamp &expected : std::as_const(m_files)) {
        QifParseResult counts;
        FileStamp stamp = expected; // its size and time are read again
        const bool read = readFile(expected.path, [&](QifRecord &record) {
            if (stopped)
                return;
            const int i = index++;
            if (i >= total) {
                stopped = true;
                return;
            }
            if (i % kProgressInterval == 0) {
                emit m_service->importProgress(i, total);
                serviceEvents();
                if (m_service->m_cancelRequested) {
                    abort(u"cancelled"_s);
                    m_result.cancelled = true;
                    stopped = true;
                    return;
                }
            }
            WorkItem item = workItem(record, expected.path);
            item.expectedDuplicate = m_expectedDuplicate[size_t(i)];
            if (const auto paired = m_paired.constFind(i); paired != m_paired.cend()) {
                item.id = paired->id;
                item.partner = paired->partner;
            } else if (item.id.isEmpty()) {
                item.id = ids.next();
            }
            if (!importItem(item, i))
                stopped = true;
        }, &counts, &stamp);
        if (m_result.failed)
            return m_result;
        if (stopped || !read || stamp.size != expected.size || stamp.modified != expected.modified) {
            abort(u"a file changed while it was imported"_s);
            m_result.error = ImportService::tr("A file changed while it was imported: %1").arg(expected.path);
            return m_result;
        }
    }
    if (index != total) {
        abort(u"a file changed while it was imported"_s);
        return m_result;
    }

    // An account made for a row whose insert then failed holds nothing.
    for (const QString &accountId : std::as_const(m_createdAccounts)) {
        if (m_touchedAccounts.contains(accountId))
            continue;
        QSqlQuery remove(db);
        if (!SqlCodec::exec(remove, u"DELETE FROM accounts WHERE id = ?"_s, {accountId})) {
            abort(u"cannot remove an account left empty"_s);
            return m_result;
        }
    }
    if (!m_writer->finish()) {
        abort(u"cannot update the full-text index"_s);
        return m_result;
    }
    if (!db.commit()) {
        qWarning().noquote() << "QIF import: commit failed:" << db.lastError().text();
        abort(u"commit failed"_s);
        return m_result;
    }
    if (!m_createdAccounts.isEmpty())
        emit m_service->m_accounts->accountsChanged();
    for (const QString &accountId : std::as_const(m_touchedAccounts))
        m_service->m_transactions->notifyChanged(accountId);
    if (m_categories->createdAny())
        m_service->m_categories->notifyChanged();
    return m_result;
}

ImportService::ImportService(TransactionRepository *transactions, CategoryRepository *categories,
                             SplitLineRepository *splitLines, QObject *parent)
    : QObject(parent)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_splitLines(splitLines)
{
}

std::optional<QifParseResult> ImportService::parseQif(const QString &path, std::optional<QifDateOrder> order,
                                                      const std::function<void(QifRecord &)> &onRecord)
{
    if (onRecord) {
        ChunkedText text;
        if (!text.open(path))
            return std::nullopt;
        const std::function<QString()> next = [&text] { return text.next(); };
        QifDateOrder detected = QifDateOrder::MonthDayYear;
        if (!order) {
            detected = QifParser::detectDateOrder(next);
            if (!text.rewind())
                return std::nullopt;
        }
        return QifParser::parseQif(next, order.value_or(detected), onRecord);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QifParser::parseQif(decodeImportText(file.readAll()), order);
}

QifAnalysis ImportService::analyzeQifFiles(const QStringList &paths)
{
    QifAnalysis analysis;
    QSet<QString> listed;
    QSet<QString> listedTargets;
    for (const QString &path : paths) {
        const auto parsed = parseQif(path, std::nullopt, [&](QifRecord &record) {
            ++analysis.totalRecords;
            if (record.transferAccount.isEmpty())
                return;
            const QString lower = record.transferAccount.toLower();
            if (!listedTargets.contains(lower)) {
                listedTargets.insert(lower);
                analysis.transferTargets.append(record.transferAccount);
            }
        });
        if (parsed) {
            for (const QifAccountEntry &account : parsed->sourceAccounts) {
                const QString lower = account.name.toLower();
                if (listed.contains(lower))
                    continue;
                listed.insert(lower);
                QifSourceAccount source;
                source.key = account.name;
                source.displayName = account.name;
                switch (account.typeCode) {
                case 1: source.suggestedType = AccountType::CreditCard; break;
                case 2: source.suggestedType = AccountType::Investment; break;
                case 3: source.suggestedType = AccountType::Cash; break;
                case 4:
                case 5: source.suggestedType = AccountType::Other; break;
                default:
                    source.suggestedType = lower.contains(u"saving"_s) ? AccountType::Savings : AccountType::Checking;
                    break;
                }
                analysis.accounts.append(source);
            }
            // Records outside any "!Account" block are mapped by the file's path.
            if ((parsed->sourceAccounts.isEmpty() || parsed->hasRecordsWithoutAccount)
                && !listed.contains(path.toLower())) {
                listed.insert(path.toLower());
                QifSourceAccount source;
                source.key = path;
                source.displayName = tr("%1 (no account header)").arg(path.mid(path.lastIndexOf(u'/') + 1));
                source.noHeader = true;
                source.suggestedType = AccountType::Checking;
                analysis.accounts.append(source);
            }
        }
        serviceEvents();
    }
    return analysis;
}

ImportResult ImportService::importQif(const QStringList &paths, const QHash<QString, QString> &mapping,
                                     const QList<Account> &newAccounts)
{
    if (m_running) {
        qWarning().noquote() << "QIF import: another import is still running";
        ImportResult refused;
        refused.failed = true;
        return refused;
    }
    m_running = true;
    m_cancelRequested = false;
    const auto done = qScopeGuard([this] { m_running = false; });
    QifBatch batch(this, mapping, newAccounts);
    return batch.run(paths);
}

QString ImportService::ofxTransactionId(const QString &accountId, const QString &fitId)
{
    static const QUuid ns = QUuid::fromString(u"{3c1f6e52-8d0b-4a57-9f3e-52b1c07d94a8}");
    return QUuid::createUuidV5(ns, QString(accountId + u':' + fitId).toUtf8()).toString(QUuid::WithoutBraces);
}

QifAnalysis ImportService::analyzeOfxFiles(const QStringList &paths)
{
    QifAnalysis analysis;
    QSet<QString> listed;
    for (const QString &path : paths) {
        const OfxReadResult read = OfxReader::read(path);
        if (!read.error.isEmpty()) {
            analysis.error = read.error;
            analysis.accounts.clear();
            analysis.totalRecords = 0;
            return analysis;
        }
        for (const OfxStatement &statement : read.statements) {
            if (statement.investment)
                continue;
            analysis.totalRecords += statement.records;
            if (listed.contains(statement.key.toLower()))
                continue;
            listed.insert(statement.key.toLower());
            QifSourceAccount source;
            source.key = statement.key;
            source.displayName = statement.displayName;
            source.suggestedType = statement.type;
            source.currency = statement.currency;
            analysis.accounts.append(source);
        }
        serviceEvents();
    }
    return analysis;
}

ImportResult ImportService::importOfx(const QStringList &paths, const QHash<QString, QString> &mapping,
                                     const QList<Account> &newAccounts)
{
    ImportResult result;
    if (m_running) {
        qWarning().noquote() << "OFX import: another import is still running";
        result.failed = true;
        return result;
    }
    QHash<QString, QString> targets; // by lower-cased source key
    for (auto it = mapping.cbegin(); it != mapping.cend(); ++it)
        targets.insert(it.key().toLower(), it.value());
    const auto accountOf = [&](const QString &id) -> std::optional<Account> {
        for (const Account &account : newAccounts) {
            if (account.id == id)
                return account;
        }
        return m_accounts ? m_accounts->findById(id) : std::nullopt;
    };

    // Every file is checked before the first row is written; the records
    // themselves are read again by the batch, which keeps none of them.
    QList<OfxStatement> statements; // once per account, the latest balance
    for (const QString &path : paths) {
        OfxReadResult read = OfxReader::read(path);
        if (!read.error.isEmpty()) {
            result.failed = true;
            result.error = read.error;
            return result;
        }
        result.investmentSkipped += read.investmentRecords;
        for (const OfxStatement &statement : std::as_const(read.statements)) {
            const QString target = targets.value(statement.key.toLower());
            if (statement.investment || target.isEmpty())
                continue;
            const auto account = accountOf(target);
            if (!account) {
                result.failed = true;
                result.error = tr("The account chosen for %1 no longer exists.").arg(statement.displayName);
                return result;
            }
            if (currencyToString(currencyFromString(statement.currency)) != statement.currency) {
                result.failed = true;
                result.error = statement.currency.isEmpty()
                    ? tr("The statement of %1 names no currency.").arg(statement.displayName)
                    : tr("The statement of %1 is in %2, a currency no account here can keep.")
                          .arg(statement.displayName, statement.currency);
                return result;
            }
            if (currencyFromString(statement.currency) != account->currency) {
                result.failed = true;
                result.error = tr("The statement of %1 is in %2, but the account \"%3\" keeps %4.")
                                   .arg(statement.displayName, statement.currency, account->name,
                                        currencyToString(account->currency));
                return result;
            }
            const auto same = std::find_if(statements.begin(), statements.end(),
                                           [&](const OfxStatement &s) { return s.key == statement.key; });
            if (same == statements.end())
                statements.append(statement);
            else if (statement.hasLedgerBalance && (!same->hasLedgerBalance || statement.ledgerDate >= same->ledgerDate))
                *same = statement;
        }
    }

    m_running = true;
    m_cancelRequested = false;
    const auto done = qScopeGuard([this] { m_running = false; });
    QifBatch batch(this, mapping, newAccounts, true);
    const int investment = result.investmentSkipped;
    result = batch.run(paths);
    result.investmentSkipped = investment;
    if (result.failed)
        return result;

    const QHash<QString, qint64> balances = m_transactions->accountBalances();
    for (const OfxStatement &statement : std::as_const(statements)) {
        const QString target = targets.value(statement.key.toLower());
        const auto account = m_accounts ? m_accounts->findById(target) : std::nullopt;
        if (!statement.hasLedgerBalance || !account)
            continue;
        result.statementBalances.append({account->name, account->currency, statement.ledgerBalance,
                                         statement.ledgerDate, balances.value(target)});
    }
    return result;
}


QString ImportService::decodeImportText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder decoder(QStringDecoder::Utf16LE);
        return decoder.decode(QByteArrayView(bytes).sliced(2));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(QStringDecoder::Utf16BE);
        return decoder.decode(QByteArrayView(bytes).sliced(2));
    }
    if (const auto utf16 = utf16ByNulBytes(bytes)) {
        QStringDecoder decoder(*utf16);
        return decoder.decode(bytes);
    }
    qsizetype cut = 0;
    if (isWellFormedUtf8(bytes, &cut))
        return QString::fromUtf8(bytes.constData(), bytes.size() - cut);
    return decodeWindows1252(bytes);
}

QList<QStringList> ImportService::parseCsv(const QString &text, QString *error)
{
    QList<QStringList> rows;
    const std::function<void(QStringList &)> append = [&rows](QStringList &row) { rows.append(row); };
    CsvReader reader(append);
    reader.feed(text);
    if (!reader.finish(error))
        return {};
    return rows;
}

ImportResult ImportService::importCsv(const QString &path, const QString &accountId, const CsvColumnMapping &mapping)
{
    ImportResult result;
    if (m_running) {
        qWarning().noquote() << "CSV import: another import is still running";
        result.failed = true;
        return result;
    }
    m_running = true;
    m_cancelRequested = false;
    const auto done = qScopeGuard([this] { m_running = false; });

    // The file is read twice, a chunk at a time, and never held: first for
    // the number of rows and to refuse an unclosed quote before anything is
    // written, then to write the rows as they are read.
    int rowCount = 0;
    qint64 size = -1;
    QDateTime modified;
    std::optional<ChunkedText::Format> format;
    const std::function<void(QStringList &)> count = [&rowCount](QStringList &) { ++rowCount; };
    if (!readCsvRows(path, count, &result.error, &size, &modified, &format)) {
        result.failed = true;
        return result;
    }
    KeySet keys;
    const AccountContext ctx = loadAccountContext(accountId, false, keys, 0);
    CategoryResolver categories(m_categories);

    const int first = mapping.firstRowIsHeader ? 1 : 0;
    const int total = qMax(0, rowCount - first);
    emit importStarted(total);
    const auto finish = qScopeGuard([&] { emit importProgress(total, total); });

    QSqlDatabase db = connection();
    if (!Database::beginWrite(db, &result.error)) {
        result.failed = true;
        return result;
    }
    BulkWriter writer(db);
    if (!writer.begin()) {
        qWarning().noquote() << "CSV import aborted: cannot prepare the insert statement";
        db.rollback();
        result.failed = true;
        return result;
    }

    const auto cell = [](const QStringList &row, int column) -> std::optional<QString> {
        if (column < 0 || column >= row.size())
            return std::nullopt;
        return row.at(column);
    };

    AscendingIdSequence ids(total);
    int rowIndex = -1;
    bool stopped = false;
    bool storageLost = false;
    const std::function<void(QStringList &)> importRow = [&](QStringList &row) {
        ++rowIndex;
        if (stopped || rowIndex < first)
            return;
        const int index = rowIndex - first;
        if (index >= total) {
            stopped = true;
            return;
        }
        if (index % kProgressInterval == 0) {
            emit importProgress(index, total);
            serviceEvents();
            if (m_cancelRequested) {
                result.cancelled = true;
                stopped = true;
                return;
            }
        }
        const auto dateCell = cell(row, mapping.dateColumn);
        const auto payeeCell = cell(row, mapping.payeeColumn);
        const auto amountCell = cell(row, mapping.amountColumn);
        if (!dateCell || !payeeCell || !amountCell) {
            ++result.unparseable;
            return;
        }
        const QDate date = csvDate(dateCell->trimmed(), mapping.dateFormat);
        if (!date.isValid()) {
            ++result.unparseable;
            return;
        }
        const auto parsedAmount = csvAmountFor(ctx.currency, *amountCell);
        if (!parsedAmount) {
            ++result.unparseable;
            return;
        }
        const qint64 amount = *parsedAmount;
        const QByteArray key = accountKey(0, date, amount, *payeeCell);
        if (keys.contains(key)) {
            ++result.duplicates;
            return;
        }

        Transaction t;
        t.id = ids.next();
        t.account_id = accountId;
        t.date = date;
        t.payee = *payeeCell;
        t.amount = amount;
        t.created_at = t.updated_at = QDateTime::currentDateTimeUtc();
        if (mapping.memoColumn >= 0)
            t.memo = cell(row, mapping.memoColumn).value_or(QString());
        if (mapping.categoryColumn >= 0) {
            const QString name = cell(row, mapping.categoryColumn).value_or(QString());
            t.category_id = categories.resolve(name);
        }
        if (writer.insertTransaction(t)) {
            ++result.imported;
            keys.insert(key);
        } else {
            qWarning().noquote() << "CSV import: insert failed for" << SqlCodec::dateText(t.date) << t.payee
                                 << "amount" << t.amount << "account" << t.account_id;
            ++result.databaseErrors;
            // A full disk or a transaction SQLite itself rolled back ends the import.
            if (!Database::storageFailureText().isEmpty() || !Database::inTransaction(db))
                storageLost = stopped = true;
        }
    };
    qint64 sizeAgain = -1;
    QDateTime modifiedAgain;
    QString error;
    const bool read = readCsvRows(path, importRow, &error, &sizeAgain, &modifiedAgain, &format);
    if (result.cancelled) {
        db.rollback();
        result.failed = true;
        return result;
    }
    if (storageLost) {
        qWarning().noquote() << "CSV import aborted: the database cannot be written";
        db.rollback();
        ImportResult failed;
        failed.failed = true;
        failed.error = Database::storageFailureText();
        return failed;
    }
    if (!read || stopped || rowIndex + 1 != rowCount || sizeAgain != size || modifiedAgain != modified) {
        qWarning().noquote() << "CSV import aborted: the file changed while it was imported";
        db.rollback();
        result.failed = true;
        result.error = tr("A file changed while it was imported: %1").arg(path);
        return result;
    }

    if (!writer.finish() || !db.commit()) {
        qWarning().noquote() << "CSV import: commit failed, rolling back:" << db.lastError().text()
                             << writer.errorText();
        db.rollback();
        result.failed = true;
        result.error = Database::storageFailureText();
        return result;
    }
    if (result.imported > 0)
        m_transactions->notifyChanged(accountId);
    if (categories.createdAny())
        m_categories->notifyChanged();
    return result;
}

QString ImportService::transferHint(const QString &accountName, const QString &memo)
{
    const QString hint = kHintPrefix % accountName % u']';
    if (memo.isEmpty())
        return hint;
    return hint % u' ' % memo;
}

std::optional<ImportService::TransferHint> ImportService::readTransferHint(const QString &memo)
{
    if (!memo.startsWith(kHintPrefix))
        return std::nullopt;
    const qsizetype close = memo.indexOf(u']', kHintPrefix.size());
    if (close < 0)
        return std::nullopt;
    TransferHint hint;
    hint.accountName = memo.mid(kHintPrefix.size(), close - kHintPrefix.size());
    if (hint.accountName.isEmpty())
        return std::nullopt;
    hint.memo = memo.mid(close + 1);
    if (hint.memo.startsWith(u' '))
        hint.memo.remove(0, 1);
    return hint;
}
