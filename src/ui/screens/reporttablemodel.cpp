#include "reporttablemodel.h"

#include <QFont>

ReportTableModel::ReportTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ReportTableModel::setTable(const ReportTable &table)
{
    setTable(table, Pager());
}

void ReportTableModel::setTable(const ReportTable &firstPage, Pager pager)
{
    beginResetModel();
    m_table = firstPage;
    m_pager = std::move(pager);
    endResetModel();
}

bool ReportTableModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && bool(m_pager);
}

void ReportTableModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    const QList<QStringList> page = m_pager();
    if (page.isEmpty()) {
        m_pager = nullptr;
        return;
    }
    const int first = int(m_table.rows.size());
    beginInsertRows(QModelIndex(), first, first + int(page.size()) - 1);
    m_table.rows.append(page);
    endInsertRows();
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
