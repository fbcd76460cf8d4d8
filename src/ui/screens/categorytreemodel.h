#pragma once

#include "storage/category.h"

#include <QAbstractItemModel>
#include <memory>
#include <vector>

// The live categories as a tree: children under their parents, siblings in
// the order of their ids, so a tree looks the same on every device.
class CategoryTreeModel final : public QAbstractItemModel
{
    Q_OBJECT
public:
    explicit CategoryTreeModel(QObject *parent = nullptr);
    ~CategoryTreeModel() override;
    Q_DISABLE_COPY_MOVE(CategoryTreeModel)

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void setCategories(const QList<Category> &categories);
    const Category *category(const QModelIndex &index) const;

private:
    struct Node
    {
        Category category;
        Node *parent = nullptr;
        std::vector<std::unique_ptr<Node>> children;
    };
    Node *nodeOf(const QModelIndex &index) const;
    int rowOf(const Node *node) const;

    Node m_root;
};
