#include "reporttablemodel.h"

#include <QFont>

ReportTableModel::ReportTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ReportTableModel::setTable(const ReportTable &table)
{
    beginResetModel();
    m_table = table;
    endResetModel();
}

int ReportTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_table.rows.size());
}

int ReportTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_table.headers.size());
}

QVariant ReportTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_table.rows.size())
        return {};
    const QStringList &cells = m_table.rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return cells.value(index.column());
    case Qt::TextAlignmentRole:
        if (m_table.isAmountColumn(index.column()))
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::FontRole:
        if (m_table.isTotalRow(index.row())) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return m_table.headers.value(section);
}
