#include "tabcompleter.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

using namespace Qt::StringLiterals;

TabCompleter::TabCompleter(QObject *parent)
    : QCompleter(parent)
{
}

TabCompleter::TabCompleter(const QStringList &completions, QObject *parent)
    : QCompleter(completions, parent)
{
}

bool TabCompleter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && popup() && popup()->isVisible()
        && (watched == popup() || watched == widget())) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            const bool backwards = key == Qt::Key_Backtab
                || static_cast<QKeyEvent *>(event)->modifiers().testFlag(Qt::ShiftModifier);
            acceptCompletion(backwards);
            return true;
        }
    }
    return QCompleter::eventFilter(watched, event);
}

void TabCompleter::acceptCompletion(bool backwards)
{
    QWidget *target = widget();
    const QString text = popup()->currentIndex().data(completionRole()).toString();
    if (!text.isEmpty() && target) {
        if (auto *line = qobject_cast<QLineEdit *>(target)) {
            line->setText(text);
        } else if (auto *combo = qobject_cast<QComboBox *>(target)) {
            const int item = combo->findText(text, Qt::MatchExactly);
            if (item >= 0)
                combo->setCurrentIndex(item);
            else
                combo->setEditText(text);
        }
        emit activated(text);
    }
    popup()->hide();
    if (!target)
        return;

    // In the two-line payee editor the memo line comes next, inside the same cell.
    for (QWidget *w = target->parentWidget(); w; w = w->parentWidget()) {
        if (w->objectName() == u"PayeeMemoEditor") {
            if (auto *memo = w->findChild<QWidget *>(u"memoEdit"_s))
                memo->setFocus(Qt::TabFocusReason);
            return;
        }
    }

    // Otherwise hand the value to the view and let it step to the next cell.
    QWidget *editor = target;
    for (QWidget *w = target; w; w = w->parentWidget()) {
        auto *view = qobject_cast<QAbstractItemView *>(w);
        if (!view)
            continue;
        while (editor->parentWidget() && editor->parentWidget() != view->viewport())
            editor = editor->parentWidget();
        QAbstractItemDelegate *delegate = view->itemDelegateForIndex(view->currentIndex());
        if (!delegate)
            delegate = view->itemDelegate();
        emit delegate->commitData(editor);
        emit delegate->closeEditor(editor, backwards ? QAbstractItemDelegate::EditPreviousItem
                                                     : QAbstractItemDelegate::EditNextItem);
        return;
    }
}
