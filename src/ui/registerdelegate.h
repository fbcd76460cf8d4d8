#pragma once

#include "dateinput.h"

#include <QStyledItemDelegate>

class AppState;

// Creates the register's editors and, in two-line mode, paints its rows with
// the memo under the payee.
class RegisterDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
public:
    RegisterDelegate(AppState *state, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(RegisterDelegate)

    void setAccountId(const QString &accountId) { m_accountId = accountId; }
    QString accountId() const { return m_accountId; }
    void setTwoLine(bool twoLine) { m_twoLine = twoLine; }
    bool twoLine() const { return m_twoLine; }
    void setTodayFunction(TodayFunction today) { m_today = std::move(today); }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The payee line of a two-line editor, or the editor itself when it is a line edit.
    static QWidget *payeeLine(QWidget *editor);
    static QWidget *memoLine(QWidget *editor);

    // Fills the entry buffer from the shown account's last transaction with this payee.
    void autofillPayee(QAbstractItemModel *model, const QString &payee, QWidget *editor = nullptr) const;

signals:
    // Keys an open editor leaves to the register (Enter, Ctrl+D, ...).
    void editorKeyPressed(QKeyEvent *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QStringList payeeCompletions() const;
    void paintTwoLine(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const;

    AppState *m_state;
    QString m_accountId;
    bool m_twoLine = false;
    TodayFunction m_today;
};
