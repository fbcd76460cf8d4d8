#pragma once

#include <QTableView>

class RegisterScreen;

// The register's table: Tab and Shift+Tab out of an editor become the
// screen's field steps, and the cursor never rests on the balance column.
class RegisterTableView final : public QTableView
{
    Q_OBJECT
public:
    explicit RegisterTableView(RegisterScreen *screen, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(RegisterTableView)

    bool isEditing() const { return state() == EditingState; }
    // The open editor of the current cell, if any.
    QWidget *currentEditor() const;
    void closeEditorQuietly(QWidget *editor);

protected:
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

public:
    // Type-to-search would make a row with a matching date current, and so
    // the row being edited: typed text belongs to the entry row instead.
    void keyboardSearch(const QString &) override {}

private:
    RegisterScreen &m_screen;
};
