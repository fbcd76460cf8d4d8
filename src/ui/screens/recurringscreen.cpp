#include "recurringscreen.h"

#include "app/appstate.h"
#include "app/palettecolors.h"
#include "recurringformdialog.h"
#include "recurringmodel.h"
#include "services/recurringservice.h"
#include "storage/accountrepository.h"
#include "storage/recurringrepository.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

RecurringScreen::RecurringScreen(AppState *state, RecurringService *service, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_service(service)
{
    setWindowTitle(tr("Recurring Transactions"));

    m_newButton = new QPushButton(tr("New Recurring"), this);
    m_newButton->setObjectName(u"newButton"_s);
    m_editButton = new QPushButton(tr("&Edit"), this);
    m_editButton->setObjectName(u"editButton"_s);
    m_confirmAllButton = new QPushButton(tr("Confirm All Due"), this);
    m_confirmAllButton->setObjectName(u"confirmAllButton"_s);
    m_dueLabel = new QLabel(this);
    m_dueLabel->setObjectName(u"dueLabel"_s);
    updateDueLabelColour();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_newButton);
    buttons->addWidget(m_editButton);
    buttons->addWidget(m_confirmAllButton);
    buttons->addSpacing(8);
    buttons->addWidget(m_dueLabel);
    buttons->addStretch(1);

    m_model = new RecurringModel(this);
    m_view = new QTableView(this);
    m_view->setObjectName(u"recurringView"_s);
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setAlternatingRowColors(true);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    QHeaderView *header = m_view->horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(RecurringModel::PayeeColumn, QHeaderView::Stretch);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_view, 1);

    connect(m_newButton, &QPushButton::clicked, this, &RecurringScreen::showNewForm);
    connect(m_editButton, &QPushButton::clicked, this, &RecurringScreen::showEditForm);
    connect(m_confirmAllButton, &QPushButton::clicked, this, [this] { confirmAllDue(); });
    connect(m_view, &QTableView::customContextMenuRequested, this, &RecurringScreen::onContextMenu);
    connect(m_view, &QTableView::doubleClicked, this, [this] { showEditForm(); });
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { updateButtons(); });

    reload();
}

void RecurringScreen::reload()
{
    const auto selected = selectedEntry();
    m_model->setEntries(m_service->listAll(), m_state->accountRepository()->findAll());
    if (selected)
        selectEntry(selected->id);
    const int due = m_service->pendingCount();
    m_dueLabel->setText(tr("(%1 due)").arg(due));
    m_confirmAllButton->setEnabled(due > 0);
    updateButtons();
}

void RecurringScreen::onContextMenu(const QPoint &pos)
{
    const QModelIndex index = m_view->indexAt(pos);
    if (!index.isValid())
        return;
    m_view->selectRow(index.row());
    const bool due = RecurringModel::isDue(m_model->entry(index.row()), m_service->today());

    QMenu menu(this);
    menu.addAction(tr("&Edit"), this, &RecurringScreen::showEditForm);
    QAction *confirm = menu.addAction(tr("&Confirm"), this, &RecurringScreen::confirmSelected);
    confirm->setEnabled(due);
    QAction *skip = menu.addAction(tr("&Skip"), this, &RecurringScreen::skipSelected);
    skip->setEnabled(due);
    menu.addSeparator();
    menu.addAction(tr("&Delete"), this, &RecurringScreen::deleteSelected);
    menu.exec(m_view->viewport()->mapToGlobal(pos));
}

void RecurringScreen::showNewForm()
{
    RecurringFormDialog dialog(m_state, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const RecurringTransaction entry = dialog.recurring();
    if (!m_state->recurringRepository()->insert(entry)) {
        showFailure(tr("The recurring entry could not be saved. Nothing was changed."));
        return;
    }
    reload();
    selectEntry(entry.id);
}

void RecurringScreen::showEditForm()
{
    const auto selected = selectedEntry();
    if (!selected)
        return;
    // The list may be older than the row: edit what is stored now.
    const auto stored = m_state->recurringRepository()->findById(selected->id);
    if (!stored || stored->deleted_at) {
        reload();
        return;
    }
    RecurringFormDialog dialog(m_state, *stored, RecurringFormDialog::Mode::Edit, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!m_state->recurringRepository()->update(dialog.recurring()))
        showFailure(tr("The recurring entry could not be saved. Nothing was changed."));
    reload();
}

void RecurringScreen::confirmSelected()
{
    const auto entry = selectedEntry();
    // Posting ahead of the due date would move the schedule on early.
    if (!entry || !RecurringModel::isDue(*entry, m_service->today()))
        return;
    if (m_service->confirm(entry->id))
        emit transactionsChanged();
    reload();
}

void RecurringScreen::skipSelected()
{
    const auto entry = selectedEntry();
    if (!entry || !RecurringModel::isDue(*entry, m_service->today()))
        return;
    m_service->skip(entry->id);
    reload();
}

void RecurringScreen::deleteSelected()
{
    const auto entry = selectedEntry();
    if (!entry)
        return;
    QMessageBox box(QMessageBox::Question, tr("Delete"), tr("Delete recurring \"%1\"?").arg(entry->payee),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setTextFormat(Qt::PlainText); // the payee is the user's text, not markup
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() != QMessageBox::Yes)
        return;
    if (!m_state->recurringRepository()->softDelete(entry->id))
        showFailure(tr("The recurring entry could not be deleted. Nothing was changed."));
    reload();
}

std::optional<RecurringTransaction> RecurringScreen::selectedEntry() const
{
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    const int row = rows.first().row();
    if (row < 0 || row >= m_model->rowCount())
        return std::nullopt;
    return m_model->entry(row);
}

void RecurringScreen::selectEntry(const QString &id)
{
    const int row = m_model->rowOf(id);
    if (row >= 0)
        m_view->selectRow(row);
}

void RecurringScreen::updateButtons()
{
    m_editButton->setEnabled(selectedEntry().has_value());
}

void RecurringScreen::confirmAllDue()
{
    if (m_service->confirmAllDue() > 0)
        emit transactionsChanged();
    reload();
}

void RecurringScreen::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        updateDueLabelColour();
}

void RecurringScreen::updateDueLabelColour()
{
    // The classic green is too dark to read on the dark palette.
    const QString colour = isDarkPalette() ? positiveAmountColor().name() : u"#008800"_s;
    m_dueLabel->setStyleSheet(u"color: %1;"_s.arg(colour));
}

void RecurringScreen::showFailure(const QString &text)
{
    QMessageBox::warning(this, tr("Recurring Transactions"), text);
}
