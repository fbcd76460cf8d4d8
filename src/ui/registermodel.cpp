#include "registermodel.h"

#include "app/money.h"
#include "app/palettecolors.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>

using namespace Qt::StringLiterals;

namespace {

const QColor kMutedColour(0x6E, 0x8A, 0x7E);
const QColor kDarkBufferBackground(0x1A, 0x2E, 0x28);
const QColor kLightBufferBackground(0xE8, 0xF5, 0xE9);

bool isAmountColumn(int column)
{
    return column == RegisterModel::PaymentColumn || column == RegisterModel::DepositColumn
        || column == RegisterModel::BalanceColumn;
}

QString clearedMark(const Transaction &t)
{
    if (t.reconciled)
        return u"R"_s;
    return t.cleared ? u"C"_s : QString();
}

QFont amountFont()
{
    QFont font(u"monospace"_s);
    font.setStyleHint(QFont::Monospace);
    const qreal size = QGuiApplication::font().pointSizeF();
    if (size > 0)
        font.setPointSizeF(size);
    return font;
}

} // namespace

RegisterModel::RegisterModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_today(DateInput::systemToday())
{
    clearBuffer();
}

int RegisterModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size()) + 1;
}

int RegisterModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

int RegisterModel::entryRow() const
{
    return m_newestFirst ? 0 : int(m_rows.size());
}

int RegisterModel::transactionIndex(int row) const
{
    const int k = m_newestFirst ? row - 1 : row;
    return k >= 0 && k < m_rows.size() ? k : -1;
}

int RegisterModel::rowForTransaction(int transactionIndex) const
{
    if (transactionIndex < 0 || transactionIndex >= m_rows.size())
        return -1;
    return m_newestFirst ? transactionIndex + 1 : transactionIndex;
}

const RegisterRow *RegisterModel::rowAt(int row) const
{
    const int k = transactionIndex(row);
    return k >= 0 ? &m_rows.at(k) : nullptr;
}

int RegisterModel::bufferRow() const
{
    return m_editRow >= 0 ? m_editRow : entryRow();
}

bool RegisterModel::isEditableRow(int row) const
{
    return row == entryRow() || (m_editRow >= 0 && row == m_editRow);
}

QString RegisterModel::columnTitle(int column) const
{
    switch (column) {
    case DateColumn: return tr("Date");
    case CheckNumberColumn: return tr("Chk #");
    case PayeeColumn: return tr("Payee");
    case CategoryColumn: return tr("Category");
    case MemoColumn: return tr("Memo");
    case PaymentColumn: return tr("Payment");
    case DepositColumn: return tr("Deposit");
    case ClearedColumn: return tr("Clr");
    case BalanceColumn: return tr("Balance");
    default: return {};
    }
}

QVariant RegisterModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return {};
    // Alignment and font belong to the column, so what is typed on the entry
    // row lines up with the stored amounts above it.
    if (role == Qt::TextAlignmentRole) {
        if (isAmountColumn(index.column()))
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (index.column() == ClearedColumn)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role == Qt::FontRole)
        return isAmountColumn(index.column()) ? QVariant(amountFont()) : QVariant();
    if (index.row() == bufferRow()) {
        bool handled = false;
        const QVariant value = bufferData(index, role, &handled);
        if (handled)
            return value;
    }
    return transactionData(index, role);
}

QVariant RegisterModel::bufferData(const QModelIndex &index, int role, bool *handled) const
{
    const int column = index.column();
    const bool plainEntryRow = m_editRow < 0 && index.row() == entryRow();
    const bool bufferColumn = column < BalanceColumn;
    const QString text = m_buffer.textForColumn(column);

    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (!bufferColumn)
            return {};
        *handled = true;
        if (text.isEmpty() && role == Qt::DisplayRole && plainEntryRow)
            return columnTitle(column);
        return text;
    case Qt::ForegroundRole:
        if (plainEntryRow && bufferColumn && text.isEmpty()) {
            *handled = true;
            return kMutedColour;
        }
        return {};
    case Qt::BackgroundRole:
        *handled = true;
        if (m_twoLine)
            return {};
        return isDarkPalette() ? kDarkBufferBackground : kLightBufferBackground;
    default:
        return {};
    }
}

QVariant RegisterModel::transactionData(const QModelIndex &index, int role) const
{
    const RegisterRow *row = rowAt(index.row());
    if (!row)
        return {};
    const Transaction &t = row->transaction;
    const int column = index.column();

    switch (role) {
    case Qt::EditRole:
        if (column == BalanceColumn)
            return {};
        [[fallthrough]];
    case Qt::DisplayRole:
        switch (column) {
        case DateColumn: return DateInput::toText(t.date);
        case CheckNumberColumn: return t.check_number;
        case PayeeColumn: return t.payee;
        case CategoryColumn: return row->category_name;
        case MemoColumn: return t.memo;
        case PaymentColumn: return t.amount < 0 ? formatAmount(-t.amount, m_currency) : QString();
        case DepositColumn: return t.amount >= 0 ? formatAmount(t.amount, m_currency) : QString();
        case ClearedColumn: return clearedMark(t);
        case BalanceColumn: return formatAmount(row->running_balance, m_currency);
        default: return {};
        }
    case Qt::ToolTipRole:
        // Cells elide long texts; the whole text is a hover away.
        switch (column) {
        case PayeeColumn: return t.payee;
        case CategoryColumn: return row->category_name;
        case MemoColumn: return t.memo;
        default: return {};
        }
    case Qt::ForegroundRole:
        switch (column) {
        case MemoColumn:
        case ClearedColumn: return kMutedColour;
        case PaymentColumn: return negativeAmountColor();
        case DepositColumn: return t.amount >= 0 ? QVariant(positiveAmountColor()) : QVariant();
        case BalanceColumn: return row->running_balance < 0 ? QVariant(negativeAmountColor()) : QVariant();
        default: return {};
        }
    default:
        return {};
    }
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == PayeeColumn && m_twoLine)
        return tr("Payee / Memo");
    const QString title = columnTitle(section);
    return title.isEmpty() ? QVariant() : QVariant(title);
}

Qt::ItemFlags RegisterModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (index.column() < BalanceColumn && isEditableRow(index.row()))
        result |= Qt::ItemIsEditable;
    return result;
}

bool RegisterModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    QString *slot = m_buffer.slotForColumn(index.column());
    if (!slot)
        return false;
    *slot = value.toString();
    emit dataChanged(index, index);
    // The buffer shows on its own row; repaint that cell when the write came from elsewhere.
    if (index.row() != bufferRow()) {
        const QModelIndex shown = this->index(bufferRow(), index.column());
        emit dataChanged(shown, shown);
    }
    return true;
}

void RegisterModel::setRows(const QList<RegisterRow> &rows, bool newestFirst)
{
    beginResetModel();
    m_rows = rows;
    m_newestFirst = newestFirst;
    m_editRow = -1;
    clearBuffer();
    endResetModel();
}

void RegisterModel::setTwoLine(bool twoLine)
{
    if (m_twoLine == twoLine)
        return;
    m_twoLine = twoLine;
    emit headerDataChanged(Qt::Horizontal, PayeeColumn, PayeeColumn);
    emitRowChanged(bufferRow());
}

void RegisterModel::setEditRow(int row)
{
    const int previous = m_editRow;
    m_editRow = row < 0 ? -1 : row;
    if (previous >= 0)
        emitRowChanged(previous);
    if (m_editRow >= 0)
        emitRowChanged(m_editRow);
    // The entry row shows the buffer only while no other row is edited.
    if ((previous < 0) != (m_editRow < 0))
        emitRowChanged(entryRow());
}

void RegisterModel::setEntryBuffer(const RegisterEntryBuffer &buffer)
{
    m_buffer = buffer;
    emitRowChanged(bufferRow());
}

void RegisterModel::clearBuffer()
{
    const QString sticky = m_buffer.stickyDate;
    m_buffer = RegisterEntryBuffer();
    m_buffer.stickyDate = sticky;
    m_buffer.date = sticky.isEmpty() ? DateInput::toText(m_today()) : sticky;
}

void RegisterModel::resetEntryBuffer()
{
    clearBuffer();
    emitRowChanged(bufferRow());
}

bool RegisterModel::loadRowIntoBuffer(int row, const QString &categoryText)
{
    const RegisterRow *source = rowAt(row);
    if (!source)
        return false;
    const Transaction &t = source->transaction;
    m_buffer.date = DateInput::toText(t.date);
    m_buffer.checkNumber = t.check_number;
    m_buffer.payee = t.payee;
    m_buffer.memo = t.memo;
    m_buffer.categoryText = categoryText;
    m_buffer.categoryId = t.category_id;
    if (t.amount < 0) {
        m_buffer.payment = formatAmount(-t.amount, m_currency);
        m_buffer.deposit.clear();
    } else {
        m_buffer.deposit = formatAmount(t.amount, m_currency);
        m_buffer.payment.clear();
    }
    m_buffer.cleared = clearedMark(t);
    emitRowChanged(bufferRow());
    return true;
}

void RegisterModel::setCurrency(Currency currency)
{
    if (m_currency == currency)
        return;
    m_currency = currency;
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, PaymentColumn), index(rowCount() - 1, BalanceColumn));
}

void RegisterModel::setTodayFunction(TodayFunction today)
{
    m_today = today ? std::move(today) : DateInput::systemToday();
}

void RegisterModel::emitRowChanged(int row)
{
    if (row >= 0 && row < rowCount())
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}
