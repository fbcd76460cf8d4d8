#include "recurringmodel.h"

#include "recurringformdialog.h"
#include "ui/dateinput.h"

#include "app/money.h"
#include "app/palettecolors.h"

#include <QLocale>

namespace {

const char *const kHeaders[RecurringModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("RecurringModel", "Account"),
    QT_TRANSLATE_NOOP("RecurringModel", "Payee"),
    QT_TRANSLATE_NOOP("RecurringModel", "Amount"),
    QT_TRANSLATE_NOOP("RecurringModel", "Frequency"),
    QT_TRANSLATE_NOOP("RecurringModel", "Next Due"),
    QT_TRANSLATE_NOOP("RecurringModel", "Auto"),
    QT_TRANSLATE_NOOP("RecurringModel", "Status"),
};

} // namespace

RecurringModel::RecurringModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void RecurringModel::setEntries(const QList<RecurringTransaction> &entries, const QList<Account> &accounts)
{
    beginResetModel();
    m_entries = entries;
    m_accounts.clear();
    for (const Account &account : accounts)
        m_accounts.insert(account.id, AccountInfo{account.name, account.currency});
    endResetModel();
}

int RecurringModel::rowOf(const QString &id) const
{
    for (int row = 0; row < m_entries.size(); ++row) {
        if (m_entries.at(row).id == id)
            return row;
    }
    return -1;
}

bool RecurringModel::isDue(const RecurringTransaction &entry, const QDate &today)
{
    return entry.is_active && entry.next_due_date.isValid() && entry.next_due_date <= today;
}

int RecurringModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

int RecurringModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RecurringModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const RecurringTransaction &e = m_entries.at(index.row());
    const AccountInfo account = m_accounts.value(e.account_id);

    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case AccountColumn:
            return account.name;
        case PayeeColumn:
            return e.payee;
        case AmountColumn:
            return formatMoney(e.amount, account.currency);
        case FrequencyColumn:
            return RecurringFormDialog::frequencyLabel(e.frequency);
        case NextDueColumn:
            return DateInput::toText(e.next_due_date);
        case AutoColumn:
            return e.auto_post ? tr("Yes") : tr("No");
        case StatusColumn:
            return e.is_active ? tr("Active") : tr("Inactive");
        default:
            return {};
        }
    case Qt::ForegroundRole:
        if (index.column() == AmountColumn && e.amount < 0)
            return negativeAmountColor();
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == AmountColumn)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant RecurringModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return tr(kHeaders[section]);
    if (role == Qt::TextAlignmentRole && section == AmountColumn)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return {};
}
