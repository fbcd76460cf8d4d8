#pragma once

#include "storage/transaction.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

// The unreconciled transactions of one account with a tick per row. Ticks
// are kept by transaction id across reloads and written nowhere until finish.
class ReconciliationModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { TickColumn, DateColumn, PayeeColumn, AmountColumn, ClearedColumn, ColumnCount };

    explicit ReconciliationModel(QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ReconciliationModel)

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // New rows; a row keeps its tick when its id was listed before, else it
    // starts ticked when it is already cleared in the register.
    void setRows(const QList<Transaction> &rows, Currency currency);
    const QList<Transaction> &rows() const { return m_rows; }
    bool isTicked(int row) const;
    void setTicked(int row, bool ticked);
    // Ticked ids with the amounts shown for them.
    QHash<QString, qint64> tickedAmounts() const;

signals:
    void ticksChanged();

private:
    QList<Transaction> m_rows;
    QHash<QString, bool> m_ticks;
    Currency m_currency = Currency::USD;
};
