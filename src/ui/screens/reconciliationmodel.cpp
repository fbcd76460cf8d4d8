#include "reconciliationmodel.h"

#include "app/money.h"
#include "app/palettecolors.h"
#include "ui/dateinput.h"

using namespace Qt::StringLiterals;

ReconciliationModel::ReconciliationModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int ReconciliationModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ReconciliationModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReconciliationModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Transaction &t = m_rows.at(index.row());
    switch (role) {
    case Qt::CheckStateRole:
        if (index.column() == TickColumn)
            return isTicked(index.row()) ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::DisplayRole:
        switch (index.column()) {
        case DateColumn: return DateInput::toText(t.date);
        case PayeeColumn: return t.payee;
        case AmountColumn: return formatMoney(t.amount, m_currency);
        case ClearedColumn: return t.cleared ? u"C"_s : QString();
        default: return {};
        }
    case Qt::ToolTipRole:
        return index.column() == PayeeColumn ? QVariant(t.payee) : QVariant();
    case Qt::TextAlignmentRole:
        if (index.column() == AmountColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (index.column() == ClearedColumn)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        return {};
    case Qt::ForegroundRole:
        if (index.column() == AmountColumn && t.amount < 0)
            return negativeAmountColor();
        return {};
    default:
        return {};
    }
}

QVariant ReconciliationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case DateColumn: return tr("Date");
    case PayeeColumn: return tr("Payee");
    case AmountColumn: return tr("Amount");
    case ClearedColumn: return tr("Clr");
    default: return {};
    }
}

Qt::ItemFlags ReconciliationModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (index.column() == TickColumn)
        result |= Qt::ItemIsUserCheckable;
    return result;
}

bool ReconciliationModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != TickColumn || index.row() >= m_rows.size())
        return false;
    setTicked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

void ReconciliationModel::setRows(const QList<Transaction> &rows, Currency currency)
{
    beginResetModel();
    QHash<QString, bool> ticks;
    ticks.reserve(rows.size());
    for (const Transaction &t : rows)
        ticks.insert(t.id, m_ticks.value(t.id, t.cleared));
    m_rows = rows;
    m_ticks = std::move(ticks);
    m_currency = currency;
    endResetModel();
    emit ticksChanged();
}

bool ReconciliationModel::isTicked(int row) const
{
    return row >= 0 && row < m_rows.size() && m_ticks.value(m_rows.at(row).id);
}

void ReconciliationModel::setTicked(int row, bool ticked)
{
    if (row < 0 || row >= m_rows.size() || isTicked(row) == ticked)
        return;
    m_ticks.insert(m_rows.at(row).id, ticked);
    const QModelIndex cell = index(row, TickColumn);
    emit dataChanged(cell, cell, {Qt::CheckStateRole});
    emit ticksChanged();
}

QHash<QString, qint64> ReconciliationModel::tickedAmounts() const
{
    QHash<QString, qint64> out;
    for (const Transaction &t : m_rows) {
        if (m_ticks.value(t.id))
            out.insert(t.id, t.amount);
    }
    return out;
}
