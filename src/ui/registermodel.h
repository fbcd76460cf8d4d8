#pragma once

#include "dateinput.h"
#include "registerentrybuffer.h"
#include "storage/registerrow.h"

#include <QAbstractTableModel>
#include <QList>

// The register of one account: one row per transaction in display order plus
// the blank entry row, and the entry buffer that shows an edit in progress.
// It never touches the database; the register screen loads and commits.
class RegisterModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        DateColumn,
        CheckNumberColumn,
        PayeeColumn,
        CategoryColumn,
        MemoColumn,
        PaymentColumn,
        DepositColumn,
        ClearedColumn,
        BalanceColumn,
        ColumnCount
    };
    Q_ENUM(Column)

    explicit RegisterModel(QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(RegisterModel)

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // Model reset: new rows and order, no edit row, a fresh entry buffer.
    void setRows(const QList<RegisterRow> &rows, bool newestFirst);
    const QList<RegisterRow> &rows() const { return m_rows; }
    bool newestFirst() const { return m_newestFirst; }

    // Row mapping between model rows and the transaction list.
    int entryRow() const;
    int transactionIndex(int row) const; // -1 for the entry row and out of range
    int rowForTransaction(int transactionIndex) const;
    const RegisterRow *rowAt(int row) const; // nullptr for the entry row

    bool twoLine() const { return m_twoLine; }
    void setTwoLine(bool twoLine);

    int editRow() const { return m_editRow; }
    void setEditRow(int row);

    const RegisterEntryBuffer &entryBuffer() const { return m_buffer; }
    void setEntryBuffer(const RegisterEntryBuffer &buffer);
    QString stickyDate() const { return m_buffer.stickyDate; }
    void setStickyDate(const QString &dateText) { m_buffer.stickyDate = dateText; }
    void resetEntryBuffer();
    // Fills the buffer from a transaction row; false for the entry row.
    bool loadRowIntoBuffer(int row, const QString &categoryText);

    // Amount cells and the buffer follow the account's currency.
    Currency currency() const { return m_currency; }
    void setCurrency(Currency currency);

    void setTodayFunction(TodayFunction today);

private:
    int bufferRow() const;
    bool isEditableRow(int row) const;
    void clearBuffer();
    void emitRowChanged(int row);
    QVariant bufferData(const QModelIndex &index, int role, bool *handled) const;
    QVariant transactionData(const QModelIndex &index, int role) const;
    QString columnTitle(int column) const;

    QList<RegisterRow> m_rows;
    bool m_newestFirst = false;
    bool m_twoLine = false;
    int m_editRow = -1;
    RegisterEntryBuffer m_buffer;
    Currency m_currency = Currency::USD;
    TodayFunction m_today;
};
