#include "categorytreemodel.h"

#include <QColor>
#include <QFont>
#include <QMap>

using namespace Qt::StringLiterals;

CategoryTreeModel::CategoryTreeModel(QObject *parent)
    : QAbstractItemModel(parent)
{
}

CategoryTreeModel::~CategoryTreeModel() = default;

CategoryTreeModel::Node *CategoryTreeModel::nodeOf(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<Node *>(index.internalPointer()) : const_cast<Node *>(&m_root);
}

int CategoryTreeModel::rowOf(const Node *node) const
{
    const Node *parent = node->parent;
    for (size_t i = 0; parent && i < parent->children.size(); ++i) {
        if (parent->children[i].get() == node)
            return static_cast<int>(i);
    }
    return 0;
}

QModelIndex CategoryTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    const Node *node = nodeOf(parent);
    if (row < 0 || column < 0 || column >= 3 || row >= static_cast<int>(node->children.size()))
        return {};
    return createIndex(row, column, node->children[size_t(row)].get());
}

QModelIndex CategoryTreeModel::parent(const QModelIndex &child) const
{
    const Node *node = nodeOf(child);
    if (!child.isValid() || !node->parent || node->parent == &m_root)
        return {};
    return createIndex(rowOf(node->parent), 0, node->parent);
}

int CategoryTreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return static_cast<int>(nodeOf(parent)->children.size());
}

int CategoryTreeModel::columnCount(const QModelIndex &) const
{
    return 3;
}

QVariant CategoryTreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Node *node = nodeOf(index);
    const Category &c = node->category;
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case 0: return c.name;
        case 1:
            switch (c.category_type) {
            case CategoryType::Income: return tr("income");
            case CategoryType::Transfer: return tr("transfer");
            default: return tr("expense");
            }
        case 2: return c.is_tax_relevant ? c.tax_category : QString();
        default: return {};
        }
    }
    if (role == Qt::FontRole && index.column() == 0 && !node->children.empty()) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::ForegroundRole && index.column() == 1 && c.category_type == CategoryType::Income)
        return QColor(0, 136, 0);
    return {};
}

QVariant CategoryTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0: return tr("Category");
    case 1: return tr("Type");
    case 2: return tr("Tax Code");
    default: return {};
    }
}

void CategoryTreeModel::setCategories(const QList<Category> &categories)
{
    beginResetModel();
    m_root.children.clear();
    std::vector<std::unique_ptr<Node>> owned;
    QMap<QString, size_t> byId;
    for (const Category &c : categories) {
        auto node = std::make_unique<Node>();
        node->category = c;
        byId.insert(c.id, owned.size());
        owned.push_back(std::move(node));
    }
    // Walk by id so siblings come in id order; each node is owned by its parent.
    for (auto it = byId.cbegin(); it != byId.cend(); ++it) {
        Node *node = owned[it.value()].get();
        Node *parent = &m_root;
        const QString &parentId = node->category.parent_id;
        if (!parentId.isEmpty() && parentId != node->category.id && byId.contains(parentId))
            parent = owned[byId.value(parentId)].get();
        node->parent = parent;
    }
    // A parent loop (possible in synced or restored data) goes to the top level.
    for (auto &node : owned) {
        const Node *up = node->parent;
        for (size_t steps = 0; up != &m_root && steps <= owned.size(); ++steps)
            up = up->parent;
        if (up != &m_root)
            node->parent = &m_root;
    }
    // Hand the nodes to their parents only after every parent pointer is set.
    for (auto it = byId.cbegin(); it != byId.cend(); ++it) {
        std::unique_ptr<Node> &slot = owned[it.value()];
        Node *parent = slot->parent;
        parent->children.push_back(std::move(slot));
    }
    endResetModel();
}

const Category *CategoryTreeModel::category(const QModelIndex &index) const
{
    return index.isValid() ? &nodeOf(index)->category : nullptr;
}
