#pragma once

#include "storage/entitytypes.h"
#include "storage/registerrow.h"

#include <QAbstractTableModel>
#include <QHash>

// Search results across accounts: no entry row and no running balance
// (it means nothing across accounts), an account column instead, and each
// amount in its own account's currency.
class SearchResultModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { DateColumn, AccountColumn, PayeeColumn, CategoryColumn, MemoColumn, PaymentColumn,
                  DepositColumn, ClearedColumn, ColumnCount };

    explicit SearchResultModel(QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(SearchResultModel)

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    struct AccountInfo
    {
        QString name;
        Currency currency = Currency::USD;
    };
    void setRows(const QList<RegisterRow> &rows, const QHash<QString, AccountInfo> &accounts);
    QString transactionId(int row) const;

private:
    QList<RegisterRow> m_rows;
    QHash<QString, AccountInfo> m_accounts;
};
