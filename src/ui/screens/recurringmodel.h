#pragma once

#include "storage/account.h"
#include "storage/recurringtransaction.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

// The recurring entries as the recurring screen lists them, one row each, in
// the order given (next due date first).
class RecurringModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { AccountColumn, PayeeColumn, AmountColumn, FrequencyColumn, NextDueColumn, AutoColumn, StatusColumn,
                  ColumnCount };

    explicit RecurringModel(QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(RecurringModel)

    // Accounts give each row its account name and the currency of its amount.
    void setEntries(const QList<RecurringTransaction> &entries, const QList<Account> &accounts);

    const RecurringTransaction &entry(int row) const { return m_entries.at(row); }
    int rowOf(const QString &id) const;

    // Active and falling due on `today` or earlier.
    static bool isDue(const RecurringTransaction &entry, const QDate &today);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct AccountInfo
    {
        QString name;
        Currency currency = Currency::USD;
    };

    QList<RecurringTransaction> m_entries;
    QHash<QString, AccountInfo> m_accounts;
};
