#pragma once

#include <QWidget>

class AppState;
class CategoryTreeModel;
class QTreeView;

// The category tree with create, rename and delete.
class CategoriesScreen final : public QWidget
{
    Q_OBJECT
public:
    explicit CategoriesScreen(AppState *state, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(CategoriesScreen)

    void reload();
    CategoryTreeModel *model() const { return m_model; }
    QTreeView *view() const { return m_view; }

public slots:
    void createCategory();
    void editCategory();
    void deleteCategory();

private:
    void showContextMenu(const QPoint &pos);

    AppState *m_state;
    CategoryTreeModel *m_model = nullptr;
    QTreeView *m_view = nullptr;
};
