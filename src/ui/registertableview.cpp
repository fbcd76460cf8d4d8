#include "registertableview.h"

#include "registermodel.h"
#include "registerscreen.h"

#include <QPersistentModelIndex>
#include <QTimer>

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
    // The screen owns the field order; step once the editor is gone.
    const QPersistentModelIndex cell = currentIndex();
    const bool forward = hint == QAbstractItemDelegate::EditNextItem;
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    QTimer::singleShot(0, this, [this, cell, forward] {
        if (!cell.isValid())
            return;
        setCurrentIndex(cell);
        m_screen.tabStep(forward);
    });
}

QModelIndex RegisterTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex next = QTableView::moveCursor(cursorAction, modifiers);
    if (next.isValid() && next.column() == RegisterModel::BalanceColumn)
        return next.sibling(next.row(), RegisterModel::ClearedColumn);
    return next;
}
