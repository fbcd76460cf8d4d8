#include "payeescreen.h"

#include "app/appstate.h"
#include "services/payeeservice.h"
#include "storage/transactionrepository.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

PayeeScreen::PayeeScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
{
    m_list = new QListWidget(this);
    m_list->setObjectName(u"payeeList"_s);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setAlternatingRowColors(true);
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(u"newNameEdit"_s);
    m_nameEdit->setPlaceholderText(tr("New payee name"));
    auto *renameButton = new QPushButton(tr("Rename Selected"), this);
    renameButton->setObjectName(u"renameButton"_s);
    auto *mergeButton = new QPushButton(tr("Merge Selected"), this);
    mergeButton->setObjectName(u"mergeButton"_s);
    connect(renameButton, &QPushButton::clicked, this, &PayeeScreen::onRename);
    connect(mergeButton, &QPushButton::clicked, this, &PayeeScreen::merge);
    // The selected payee is the natural start for its new name.
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
        const QStringList selected = selectedPayees();
        if (selected.size() == 1)
            m_nameEdit->setText(selected.constFirst());
    });

    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("New name:"), this));
    row->addWidget(m_nameEdit, 1);
    row->addWidget(renameButton);
    row->addWidget(mergeButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(m_list, 1);
    layout->addLayout(row);
}

void PayeeScreen::reload()
{
    m_list->clear();
    m_list->addItems(m_state->transactionRepository()->distinctPayees());
}

QStringList PayeeScreen::selectedPayees() const
{
    QStringList out;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->isSelected())
            out.append(m_list->item(row)->text());
    }
    return out;
}

void PayeeScreen::onRename()
{
    const QString name = m_nameEdit->text().trimmed();
    const QStringList selected = selectedPayees();
    if (name.isEmpty() || selected.isEmpty())
        return;
    int changed = 0;
    const WriteResult result = m_state->payeeService()->rename(selected, name, &changed);
    if (!result) {
        QMessageBox::warning(this, tr("Rename Failed"), result.error);
        return;
    }
    QMessageBox::information(this, tr("Rename Complete"), tr("Renamed %n transaction(s).", nullptr, changed));
    reload();
    emit payeesChanged();
}

void PayeeScreen::merge()
{
    const QStringList selected = selectedPayees();
    if (selected.size() < 2) {
        QMessageBox::information(this, tr("Merge"), tr("Select 2 or more payees to merge."));
        return;
    }
    QString target = m_nameEdit->text().trimmed();
    if (target.isEmpty())
        target = selected.constFirst();
    QMessageBox box(QMessageBox::Question, tr("Merge Payees"),
                    tr("Merge %1 payees into \"%2\"?").arg(selected.size()).arg(target),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setTextFormat(Qt::PlainText);
    if (box.exec() != QMessageBox::Yes)
        return;
    int changed = 0;
    const WriteResult result = m_state->payeeService()->rename(selected, target, &changed);
    if (!result) {
        QMessageBox::warning(this, tr("Merge Failed"), result.error);
        return;
    }
    QMessageBox::information(this, tr("Merge Complete"), tr("Merged %n transaction(s).", nullptr, changed));
    reload();
    emit payeesChanged();
}
