#include "registerlineedit.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>

RegisterLineEdit::RegisterLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

void RegisterLineEdit::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QCompleter *c = completer();
    if (enter && c && c->popup() && c->popup()->isVisible()) {
        const QModelIndex current = c->popup()->currentIndex();
        if (current.isValid())
            setText(current.data(c->completionRole()).toString());
        c->popup()->hide();
        // Taken here so the register's Enter handling does not also move on.
        event->accept();
        return;
    }
    // The register handles these; a line edit must not swallow them.
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    if (control && (event->key() == Qt::Key_D || event->key() == Qt::Key_M)) {
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
