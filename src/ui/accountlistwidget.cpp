#include "accountlistwidget.h"

#include <QDropEvent>

using namespace Qt::StringLiterals;

AccountListWidget::AccountListWidget(QWidget *parent)
    : QListWidget(parent)
{
    setMinimumWidth(260);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setStyleSheet(u"QListWidget {  background-color: %1;  border: none;  outline: none;  padding: 6px 0;  "
                  "font-size: 10pt;}QListWidget::item {  color: %2;  padding: 7px 14px;  border: none;}"
                  "QListWidget::item:hover {  background-color: %3;  color: %4;}"
                  "QListWidget::item:selected {  background-color: %5;  color: %4;}"
                  "QListWidget::item:disabled {  color: %6;  padding: 10px 14px 4px 14px;  background: transparent;}"_s
                      .arg(u"#152420"_s, u"#8FAF9F"_s, u"#1E3530"_s, u"#FFFFFF"_s, u"#26574A"_s, u"#5A7A6E"_s));
}

QString AccountListWidget::accountIdAt(int row) const
{
    const QListWidgetItem *entry = item(row);
    return entry ? entry->data(Qt::UserRole).toString() : QString();
}

int AccountListWidget::rowOfAccount(const QString &accountId) const
{
    if (accountId.isEmpty())
        return -1;
    for (int row = 0; row < count(); ++row) {
        if (accountIdAt(row) == accountId)
            return row;
    }
    return -1;
}

QList<QPair<QString, int>> AccountListWidget::positions() const
{
    QList<QPair<QString, int>> result;
    for (int row = 0; row < count(); ++row) {
        const QString id = accountIdAt(row);
        if (!id.isEmpty())
            result.append({id, row});
    }
    return result;
}

void AccountListWidget::fitRowsToViewport()
{
    const int width = viewport()->width();
    for (int row = 0; row < count(); ++row) {
        QListWidgetItem *entry = item(row);
        QSize hint = entry->sizeHint();
        if (hint.width() != width) {
            hint.setWidth(width);
            entry->setSizeHint(hint);
        }
    }
}

void AccountListWidget::dropEvent(QDropEvent *event)
{
    const auto before = positions();
    QListWidget::dropEvent(event);
    const auto after = positions();
    if (after != before)
        emit orderChanged(after);
}

void AccountListWidget::resizeEvent(QResizeEvent *event)
{
    QListWidget::resizeEvent(event);
    fitRowsToViewport();
}
