#include "searchresultmodel.h"

#include "app/money.h"
#include "app/palettecolors.h"
#include "ui/dateinput.h"

using namespace Qt::StringLiterals;

SearchResultModel::SearchResultModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int SearchResultModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int SearchResultModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SearchResultModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const RegisterRow &row = m_rows.at(index.row());
    const Transaction &t = row.transaction;
    const AccountInfo account = m_accounts.value(t.account_id);
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        switch (index.column()) {
        case DateColumn: return DateInput::toText(t.date);
        case AccountColumn: return account.name;
        case PayeeColumn: return t.payee;
        case CategoryColumn: return row.category_name;
        case MemoColumn: return t.memo;
        case PaymentColumn: return t.amount < 0 ? formatAmount(-t.amount, account.currency) : QString();
        case DepositColumn: return t.amount >= 0 ? formatAmount(t.amount, account.currency) : QString();
        case ClearedColumn: return t.reconciled ? u"R"_s : t.cleared ? u"C"_s : QString();
        default: return {};
        }
    }
    if (role == Qt::TextAlignmentRole) {
        if (index.column() == PaymentColumn || index.column() == DepositColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (index.column() == ClearedColumn)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role == Qt::ForegroundRole) {
        if (index.column() == PaymentColumn)
            return negativeAmountColor();
        if (index.column() == DepositColumn)
            return positiveAmountColor();
    }
    return {};
}

QVariant SearchResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case DateColumn: return tr("Date");
    case AccountColumn: return tr("Account");
    case PayeeColumn: return tr("Payee");
    case CategoryColumn: return tr("Category");
    case MemoColumn: return tr("Memo");
    case PaymentColumn: return tr("Payment");
    case DepositColumn: return tr("Deposit");
    case ClearedColumn: return tr("Clr");
    default: return {};
    }
}

void SearchResultModel::setRows(const QList<RegisterRow> &rows, const QHash<QString, AccountInfo> &accounts)
{
    beginResetModel();
    m_rows = rows;
    m_accounts = accounts;
    endResetModel();
}

QString SearchResultModel::transactionId(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).transaction.id : QString();
}
