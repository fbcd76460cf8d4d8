#pragma once

#include <QWidget>

class AppState;
class QLineEdit;
class QListWidget;

// Every payee in use, with rename and merge across all transactions.
class PayeeScreen final : public QWidget
{
    Q_OBJECT
public:
    explicit PayeeScreen(AppState *state, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(PayeeScreen)

    void reload();
    QListWidget *list() const { return m_list; }
    QLineEdit *nameEdit() const { return m_nameEdit; }

signals:
    void payeesChanged();

public slots:
    void onRename();
    void merge();

private:
    QStringList selectedPayees() const;

    AppState *m_state;
    QListWidget *m_list = nullptr;
    QLineEdit *m_nameEdit = nullptr;
};
