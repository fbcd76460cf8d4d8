#include "registertableview.h"

#include "registermodel.h"
#include "registerscreen.h"

RegisterTableView::RegisterTableView(RegisterScreen *screen, QWidget *parent)
    : QTableView(parent)
    , m_screen(*screen)
{
}

QWidget *RegisterTableView::currentEditor() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? indexWidget(current) : nullptr;
}

void RegisterTableView::closeEditorQuietly(QWidget *editor)
{
    if (editor)
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void RegisterTableView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (hint != QAbstractItemDelegate::EditNextItem && hint != QAbstractItemDelegate::EditPreviousItem) {
        QTableView::closeEditor(editor, hint);
        return;
    }
    // The screen owns the field order. It steps at once, as Enter does: keys
    // typed ahead of a deferred step would land in the field being left.
    const QModelIndex cell = currentIndex();
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (cell.isValid())
        m_screen.tabStep(hint == QAbstractItemDelegate::EditNextItem);
}

QModelIndex RegisterTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex next = QTableView::moveCursor(cursorAction, modifiers);
    if (next.isValid() && next.column() == RegisterModel::BalanceColumn)
        return next.sibling(next.row(), RegisterModel::ClearedColumn);
    return next;
}
