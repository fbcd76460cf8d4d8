#include "qifparser.h"

#include <QSet>
#include <QVarLengthArray>

#include <tuple>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

enum class Section { Transactions, CategoryList, Metadata, AccountBlock };

// Dates are written with any of "/-.'" between the parts, and some programs
// pad them with blanks ("D8/31' 0").
// The parts are read on the stack: every transaction has a date, and a
// large file has a million of them.
class DateParts final
{
public:
    explicit DateParts(QStringView value)
    {
        m_text.reserve(value.size());
        for (const QChar ch : value) {
            if (ch == u'-' || ch == u'.' || ch == u'\'' || ch == u'/')
                m_text.append(u'/');
            else if (!ch.isSpace())
                m_text.append(ch.unicode());
        }
        qsizetype start = 0;
        for (qsizetype i = 0; i <= m_text.size(); ++i) {
            if (i < m_text.size() && m_text.at(i) != u'/')
                continue;
            if (i > start) {
                if (m_count < kKept)
                    m_parts[m_count] = {start, i - start};
                ++m_count;
            }
            start = i + 1;
        }
    }
    qsizetype size() const { return m_count; }
    // Only the first three parts are ever read.
    QStringView at(qsizetype i) const
    {
        return QStringView(m_text.constData(), m_text.size()).sliced(m_parts[i].first, m_parts[i].second);
    }

private:
    static constexpr qsizetype kKept = 3;
    QVarLengthArray<char16_t, 32> m_text;
    std::pair<qsizetype, qsizetype> m_parts[kKept] = {};
    qsizetype m_count = 0;
};

// The line without leading byte-order marks, carriage returns and blanks.
QStringView cleanLine(QStringView view)
{
    qsizetype start = 0;
    while (start < view.size()) {
        const QChar ch = view.at(start);
        if (ch == QChar(0xFEFF) || ch == u'\r' || ch.isSpace())
            ++start;
        else
            break;
    }
    return view.mid(start).trimmed();
}

// "L" and "S" values: "[Account]" names a transfer, anything else is a
// category with an optional "/Class" suffix that we do not keep.
void readCategoryField(QStringView value, QString &category, QString &transferAccount)
{
    const QStringView v = value.trimmed();
    if (v.startsWith(u'[')) {
        const qsizetype close = v.indexOf(u']');
        if (close > 0) {
            transferAccount = v.mid(1, close - 1).trimmed().toString();
            category.clear();
            return;
        }
    }
    const qsizetype slash = v.indexOf(u'/');
    category = (slash >= 0 ? v.left(slash) : v).trimmed().toString();
    transferAccount.clear();
}

int typeCodeOf(QStringView type)
{
    const QString t = type.toString().toLower();
    if (t == u"bank")
        return 0;
    if (t == u"ccard")
        return 1;
    if (t == u"invst")
        return 2;
    if (t == u"cash")
        return 3;
    if (t == u"oth a")
        return 4;
    if (t == u"oth l")
        return 5;
    return 0;
}

bool isAsciiDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}

// Calls `visit` with each line of the text: LF, CR LF and a lone CR end a
// line, and the text after the last one is a line too.
template<typename Visit>
void forEachLine(QStringView text, Visit &&visit)
{
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar ch = text.at(i);
        if (ch != u'\n' && ch != u'\r')
            continue;
        visit(text.sliced(start, i - start));
        if (ch == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    visit(text.sliced(start));
}

// forEachLine() over text handed over in pieces. A CR LF split between two
// pieces reads as two line ends, which only adds an empty line: empty lines
// mean nothing in QIF.
template<typename Visit>
void forEachLineOfPieces(const std::function<QString()> &nextPiece, Visit &&visit)
{
    QString carry;
    for (QString piece = nextPiece(); !piece.isEmpty(); piece = nextPiece()) {
        const QString text = carry.isEmpty() ? std::move(piece) : carry + piece;
        qsizetype end = text.size() - 1;
        while (end >= 0 && text.at(end) != u'\n' && text.at(end) != u'\r')
            --end;
        if (end < 0) {
            carry = text;
            continue;
        }
        forEachLine(QStringView(text).first(end), visit);
        carry = text.sliced(end + 1);
    }
    forEachLine(carry, visit);
}

class QifReader final
{
public:
    QifReader(QifDateOrder order, const std::function<void(QifRecord &)> &onRecord)
        : m_onRecord(onRecord)
    {
        m_result.dateOrder = order;
    }

    void readLine(QStringView line)
    {
        if (line.isEmpty())
            return;
        const QChar code = line.at(0);
        const QStringView value = line.mid(1).trimmed();
        if (code == u'!') {
            endRecord();
            startSection(line);
            return;
        }
        if (code == u'^') {
            endRecord();
            return;
        }
        switch (m_section) {
        case Section::AccountBlock:
            if (code == u'N')
                m_pendingAccount = value.toString();
            break;
        case Section::CategoryList:
            readCategoryLine(code, value);
            break;
        case Section::Metadata:
            m_hasContent = true;
            break;
        case Section::Transactions:
            readTransactionLine(code, value);
            break;
        }
    }

    QifParseResult finish()
    {
        endRecord();
        return std::move(m_result);
    }

private:
    void startSection(QStringView header)
    {
        if (header.startsWith(u"!type:", Qt::CaseInsensitive)) {
            const QStringView rest = header.mid(6).trimmed();
            if (rest.startsWith(u"cat", Qt::CaseInsensitive)) {
                m_section = Section::CategoryList;
            } else if (rest.startsWith(u"class", Qt::CaseInsensitive)
                       || rest.startsWith(u"memorized", Qt::CaseInsensitive)
                       || rest.startsWith(u"tag", Qt::CaseInsensitive)
                       || rest.startsWith(u"security", Qt::CaseInsensitive)
                       || rest.startsWith(u"prices", Qt::CaseInsensitive)) {
                m_section = Section::Metadata;
            } else {
                m_section = Section::Transactions;
                m_typeCode = typeCodeOf(rest);
            }
        } else if (header.startsWith(u"!account", Qt::CaseInsensitive)) {
            m_section = Section::AccountBlock;
        } else if (header.startsWith(u"!option", Qt::CaseInsensitive)
                   || header.startsWith(u"!clear", Qt::CaseInsensitive)) {
            m_section = Section::Metadata;
        } else {
            m_section = Section::Transactions;
        }
    }

    void readCategoryLine(QChar code, QStringView value)
    {
        m_hasContent = true;
        switch (code.unicode()) {
        case u'N': m_category.name = value.toString(); break;
        case u'D': m_category.description = value.toString(); break;
        case u'I': m_category.income = true; break;
        case u'E': m_category.income = false; break;
        default: break;
        }
    }

    void readTransactionLine(QChar code, QStringView value)
    {
        m_hasContent = true;
        switch (code.unicode()) {
        case u'D':
            m_record.date = QifParser::parseQifDate(value, m_result.dateOrder);
            break;
        case u'T':
        case u'U':
            setRecordAmount(value);
            break;
        case u'$':
            if (m_splitStarted) {
                const auto amount = QifParser::parseQifAmount(value);
                m_split.amount = amount.value_or(0);
                m_split.amountText = value.toString();
            } else {
                setRecordAmount(value);
            }
            break;
        case u'P': m_record.payee = value.toString(); break;
        case u'M': m_record.memo = value.toString(); break;
        case u'L': readCategoryField(value, m_record.category, m_record.transferAccount); break;
        case u'N': m_record.number = value.toString(); break;
        case u'Y': m_record.security = value.toString(); break;
        case u'C':
            if (!value.isEmpty()) {
                const QChar flag = value.at(0).toLower();
                if (flag == u'x' || flag == u'*' || flag == u'c') {
                    m_record.cleared = true;
                } else if (flag == u'r') {
                    m_record.cleared = true;
                    m_record.reconciled = true;
                }
            }
            break;
        case u'S':
            closeSplit();
            m_split = QifSplit();
            readCategoryField(value, m_split.category, m_split.transferAccount);
            m_splitOpen = true;
            m_splitStarted = true;
            break;
        case u'E':
            if (m_splitStarted)
                m_split.memo = value.toString();
            break;
        default:
            break; // "A" address lines, investment fields and the like
        }
    }

    void setRecordAmount(QStringView value)
    {
        if (const auto amount = QifParser::parseQifAmount(value)) {
            m_record.amount = *amount;
            m_record.amountText = value.toString();
            m_hasAmount = true;
        }
    }

    void closeSplit()
    {
        if (m_splitOpen) {
            m_record.splits.append(m_split);
            m_splitOpen = false;
        }
    }

    void endRecord()
    {
        closeSplit();
        switch (m_section) {
        case Section::AccountBlock:
            if (!m_pendingAccount.isEmpty())
                m_currentAccount = m_pendingAccount;
            m_pendingAccount.clear();
            break;
        case Section::CategoryList:
            if (m_hasContent && !m_category.name.isEmpty())
                m_result.categories.append(m_category);
            break;
        case Section::Metadata:
            if (m_hasContent)
                ++m_result.metadata;
            break;
        case Section::Transactions:
            if (!m_hasContent)
                break;
            if (!m_record.date.isValid() || !m_hasAmount) {
                ++m_result.unparseable;
                break;
            }
            m_record.sourceAccount = m_currentAccount;
            if (m_currentAccount.isEmpty()) {
                m_result.hasRecordsWithoutAccount = true;
            } else {
                const QString lower = m_currentAccount.toLower();
                if (!m_seenAccounts.contains(lower)) {
                    m_seenAccounts.insert(lower);
                    m_result.sourceAccounts.append({m_currentAccount, m_typeCode});
                }
            }
            if (m_onRecord)
                m_onRecord(m_record);
            else
                m_result.records.append(std::move(m_record));
            break;
        }
        m_record = QifRecord();
        m_category = QifCategoryEntry();
        m_hasContent = false;
        m_hasAmount = false;
        m_splitOpen = false;
        m_splitStarted = false;
    }

    const std::function<void(QifRecord &)> &m_onRecord;
    QifParseResult m_result;
    Section m_section = Section::Transactions;
    int m_typeCode = 0;
    QString m_currentAccount;
    QString m_pendingAccount;
    QSet<QString> m_seenAccounts;

    QifRecord m_record;
    QifSplit m_split;
    QifCategoryEntry m_category;
    bool m_hasContent = false;
    bool m_hasAmount = false;
    bool m_splitOpen = false;
    bool m_splitStarted = false;
};

} // namespace

namespace {

// True once the line shows a day-first date.
bool showsDayFirst(QStringView line)
{
    const QStringView clean = cleanLine(line);
    if (!clean.startsWith(u'D'))
        return false;
    const DateParts parts(clean.mid(1));
    if (parts.size() < 3)
        return false;
    bool firstOk = false;
    bool secondOk = false;
    const int first = parts.at(0).toInt(&firstOk);
    std::ignore = parts.at(1).toInt(&secondOk);
    return firstOk && secondOk && parts.at(0).size() != 4 && first > 12;
}

} // namespace

QifDateOrder QifParser::detectDateOrder(const std::function<QString()> &nextPiece)
{
    bool dayFirst = false;
    forEachLineOfPieces(nextPiece, [&dayFirst](QStringView line) { dayFirst = dayFirst || showsDayFirst(line); });
    return dayFirst ? QifDateOrder::DayMonthYear : QifDateOrder::MonthDayYear;
}

QifParseResult QifParser::parseQif(const std::function<QString()> &nextPiece, QifDateOrder order,
                                  const std::function<void(QifRecord &)> &onRecord)
{
    QifReader reader(order, onRecord);
    forEachLineOfPieces(nextPiece, [&reader](QStringView line) { reader.readLine(cleanLine(line)); });
    return reader.finish();
}

QifDateOrder QifParser::detectDateOrder(QStringView text)
{
    bool dayFirst = false;
    forEachLine(text, [&dayFirst](QStringView line) { dayFirst = dayFirst || showsDayFirst(line); });
    return dayFirst ? QifDateOrder::DayMonthYear : QifDateOrder::MonthDayYear;
}

QDate QifParser::parseQifDate(QStringView value, std::optional<QifDateOrder> order)
{
    const DateParts parts(value);
    if (parts.size() < 3)
        return {};
    bool okA = false;
    bool okB = false;
    bool okC = false;
    const int a = parts.at(0).toInt(&okA);
    const int b = parts.at(1).toInt(&okB);
    const int c = parts.at(2).toInt(&okC);
    if (!okA || !okB || !okC)
        return {};

    int year = 0;
    int month = 0;
    int day = 0;
    if (parts.at(0).size() == 4) {
        year = a;
        month = b;
        day = c;
    } else {
        year = (parts.at(2).size() == 4 || c > 31) ? c : 2000 + c;
        const bool dayFirst = order ? *order == QifDateOrder::DayMonthYear : a >= 13;
        day = dayFirst ? a : b;
        month = dayFirst ? b : a;
    }
    if (year >= 0 && year < 100)
        year += year < 70 ? 2000 : 1900;
    // Years past 9999 have no "yyyy-MM-dd" text and would be stored empty.
    if (year < 1 || year > 9999)
        return {};
    return QDate(year, month, day); // invalid for impossible calendar dates
}

std::optional<qint64> QifParser::parseQifAmount(QStringView input, int decimals)
{
    if (decimals < 0 || decimals > 4)
        return std::nullopt;
    QStringView trimmed = input.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool negative = false;
    if (trimmed.size() >= 2 && trimmed.startsWith(u'(') && trimmed.endsWith(u')')) {
        negative = true;
        trimmed = trimmed.mid(1, trimmed.size() - 2).trimmed();
    }

    QString s;
    s.reserve(trimmed.size());
    for (const QChar ch : trimmed) {
        if (ch.isSpace() || ch == u'$' || ch == u'€' || ch == u'£' || ch == u'¥' || ch == u'¢')
            continue;
        s.append(ch);
    }
    if (s.isEmpty())
        return std::nullopt;
    if (s.startsWith(u'+'))
        s.remove(0, 1);
    if (s.startsWith(u'-')) {
        negative = !negative;
        s.remove(0, 1);
    }
    if (s.isEmpty())
        return std::nullopt;

    // Which of "." and "," separates the decimals: the last one when both
    // occur; a single one unless it sits like a thousands separator.
    QChar decimal;
    QChar grouping;
    const qsizetype lastDot = s.lastIndexOf(u'.');
    const qsizetype lastComma = s.lastIndexOf(u',');
    if (lastDot >= 0 && lastComma >= 0) {
        decimal = lastDot > lastComma ? u'.' : u',';
        grouping = lastDot > lastComma ? u',' : u'.';
    } else if (lastDot >= 0 || lastComma >= 0) {
        const QChar separator = lastDot >= 0 ? u'.' : u',';
        const qsizetype first = s.indexOf(separator);
        const qsizetype count = s.count(separator);
        // "0.500" is half a unit: a thousands group never follows a lone 0.
        const bool zeroLead = count == 1 && QStringView(s).left(first).count(u'0') == first;
        if ((count == 1 && s.size() - first - 1 != 3) || first == 0 || zeroLead) {
            decimal = separator;
        } else {
            grouping = separator;
            const QStringList groups = s.split(separator);
            if (groups.first().isEmpty() || groups.first().size() > 3)
                return std::nullopt;
            for (qsizetype i = 1; i < groups.size(); ++i) {
                if (groups.at(i).size() != 3)
                    return std::nullopt;
            }
        }
    }

    QString whole;
    QString fraction;
    bool seenDecimal = false;
    for (const QChar ch : std::as_const(s)) {
        if (isAsciiDigit(ch)) {
            (seenDecimal ? fraction : whole).append(ch);
        } else if (!decimal.isNull() && ch == decimal) {
            if (seenDecimal)
                return std::nullopt;
            seenDecimal = true;
        } else if (grouping.isNull() || ch != grouping) {
            return std::nullopt;
        }
    }
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;

    // Exact decimal arithmetic: round half away from zero on the digits.
    qsizetype leading = 0;
    while (leading < whole.size() && whole.at(leading) == u'0')
        ++leading;
    whole.remove(0, leading);
    if (whole.size() > 15)
        return std::nullopt; // beyond any household amount; would overflow
    qint64 value = whole.isEmpty() ? 0 : whole.toLongLong();
    for (int i = 0; i < decimals; ++i) {
        value *= 10;
        if (i < fraction.size())
            value += fraction.at(i).unicode() - u'0';
    }
    if (fraction.size() > decimals && fraction.at(decimals) >= u'5')
        value += 1;
    // Beyond 999,999,999.99 is no household amount, and sums of such rows
    // could overflow balances and reports.
    qint64 limit = 999'999'999;
    for (int i = 0; i < decimals; ++i)
        limit = limit * 10 + 9;
    if (value > limit)
        return std::nullopt;
    return negative ? -value : value;
}

QifParseResult QifParser::parseQif(QStringView text, std::optional<QifDateOrder> order,
                                  const std::function<void(QifRecord &)> &onRecord)
{
    QifReader reader(order ? *order : detectDateOrder(text), onRecord);
    forEachLine(text, [&reader](QStringView line) { reader.readLine(cleanLine(line)); });
    return reader.finish();
}
