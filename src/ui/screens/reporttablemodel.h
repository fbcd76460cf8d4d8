#pragma once

#include "services/reporttable.h"

#include <QAbstractTableModel>

#include <functional>

// A report table on screen without one item object per cell: the
// Transactions tab of a large register holds hundreds of thousands of cells.
class ReportTableModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ReportTableModel(QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ReportTableModel)

    // The table is shared, not copied cell by cell.
    void setTable(const ReportTable &table);
    // A table whose further rows come a page at a time as the view scrolls;
    // the pager returns an empty page at the end.
    using Pager = std::function<QList<QStringList>()>;
    void setTable(const ReportTable &firstPage, Pager pager);

    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    ReportTable m_table;
    Pager m_pager;
};
