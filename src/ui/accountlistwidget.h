#pragma once

#include <QListWidget>
#include <QPair>

// The sidebar's account list: rows carry the account id in Qt::UserRole and
// can be dragged into a new order.
class AccountListWidget final : public QListWidget
{
    Q_OBJECT
public:
    explicit AccountListWidget(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(AccountListWidget)

    QString accountIdAt(int row) const;
    int rowOfAccount(const QString &accountId) const;
    // (id, row index) for every row with an id, in list order.
    QList<QPair<QString, int>> positions() const;
    // Stretches every row to the viewport so row widgets are never clipped.
    void fitRowsToViewport();

signals:
    void orderChanged(const QList<QPair<QString, int>> &positions);

protected:
    void dropEvent(QDropEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};
