#include "categoriesscreen.h"

#include "app/appstate.h"
#include "categorytreemodel.h"
#include "services/categorytreeservice.h"
#include "storage/categoryrepository.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>
#include <QUuid>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

CategoriesScreen::CategoriesScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_model(new CategoryTreeModel(this))
{
    m_view = new QTreeView(this);
    m_view->setObjectName(u"categoryTree"_s);
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setAlternatingRowColors(true);
    m_view->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_view->header()->setStretchLastSection(false);
    m_view->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_view->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    connect(m_view, &QWidget::customContextMenuRequested, this, &CategoriesScreen::showContextMenu);
    connect(m_view, &QTreeView::doubleClicked, this, &CategoriesScreen::editCategory);

    auto *newButton = new QPushButton(tr("+ New Category"), this);
    newButton->setObjectName(u"newCategoryButton"_s);
    connect(newButton, &QPushButton::clicked, this, &CategoriesScreen::createCategory);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(newButton);
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addLayout(buttons);
    layout->addWidget(m_view, 1);

    connect(m_state->categoryRepository(), &CategoryRepository::categoriesChanged, this, [this] {
        if (isVisible())
            reload();
    });
}

void CategoriesScreen::reload()
{
    m_model->setCategories(m_state->categoryRepository()->findAll());
    m_view->expandAll();
}

void CategoriesScreen::createCategory()
{
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, tr("New Category"), tr("Category name:"), QLineEdit::Normal, QString(), &ok)
            .trimmed();
    if (!ok || name.isEmpty())
        return;
    Category category;
    category.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    category.name = name;
    // Under the selected top-level category; a child's new sibling goes to the top.
    if (const Category *selected = m_model->category(m_view->currentIndex()); selected && selected->parent_id.isEmpty())
        category.parent_id = selected->id;
    category.created_at = category.updated_at = QDateTime::currentDateTimeUtc();
    if (!m_state->categoryRepository()->insert(category))
        QMessageBox::warning(this, tr("New Category"), tr("The category could not be saved."));
    reload();
}

void CategoriesScreen::editCategory()
{
    const Category *selected = m_model->category(m_view->currentIndex());
    if (!selected)
        return;
    Category category = *selected;
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("Edit Category"), tr("Category name:"), QLineEdit::Normal,
                                               category.name, &ok)
                             .trimmed();
    if (!ok || name.isEmpty())
        return;
    category.name = name;
    category.updated_at = QDateTime::currentDateTimeUtc();
    category.sync_status = SyncStatus::Pending;
    if (!m_state->categoryRepository()->update(category))
        QMessageBox::warning(this, tr("Edit Category"), tr("The category could not be saved."));
    reload();
}

void CategoriesScreen::deleteCategory()
{
    const Category *selected = m_model->category(m_view->currentIndex());
    if (!selected)
        return;
    const Category category = *selected;
    QMessageBox box(QMessageBox::Question, tr("Delete Category"),
                    tr("Delete \"%1\"? Transactions using this category will become uncategorized.").arg(category.name),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setTextFormat(Qt::PlainText);
    if (box.exec() != QMessageBox::Yes)
        return;
    const WriteResult result = m_state->categoryTreeService()->remove(category.id);
    if (!result)
        QMessageBox::warning(this, tr("Delete Category"), result.error);
    reload();
}

void CategoriesScreen::showContextMenu(const QPoint &pos)
{
    const QModelIndex index = m_view->indexAt(pos);
    if (index.isValid())
        m_view->setCurrentIndex(index);
    QMenu menu(this);
    menu.addAction(tr("&New Category"), this, &CategoriesScreen::createCategory);
    if (index.isValid()) {
        menu.addAction(tr("&Edit"), this, &CategoriesScreen::editCategory);
        menu.addAction(tr("&Delete"), this, &CategoriesScreen::deleteCategory);
    }
    menu.exec(m_view->viewport()->mapToGlobal(pos));
}
