#pragma once

#include "dateinput.h"
#include "registerentrybuffer.h"
#include "storage/registerrow.h"

#include <QWidget>
#include <functional>
#include <optional>

struct Account;
class AppState;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTimer;
class RegisterDelegate;
class RegisterModel;
class RegisterTableView;

// One account's register: the table with inline, keyboard-first editing of
// new and existing transactions, transfers, and the header and footer around it.
class RegisterScreen final : public QWidget
{
    Q_OBJECT
public:
    explicit RegisterScreen(AppState *state, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(RegisterScreen)

    QString accountId() const { return m_accountId; }
    void setAccount(const QString &accountId);
    void reload();
    void startNewTransaction();
    // Makes the transaction's row current and visible, without opening an editor.
    void showTransaction(const QString &transactionId);

    RegisterModel *model() const { return m_model; }
    RegisterTableView *tableView() const { return m_table; }
    QString hintText() const;
    void setTodayFunction(TodayFunction today);

    // Tab and Shift+Tab: the next or previous field of the row, never saving.
    void tabStep(bool forward);

signals:
    void reconcileRequested(const QString &accountId);
    void errorMessage(const QString &text);

public slots:
    void onContextMenu(const QPoint &pos);
    void commitCurrentRow();
    void deleteCurrentRow();
    void copyFromAbove();
    void advanceToNextField();
    void startEditingRow(int row);
    void newTransactionDialog();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildUi();
    // Shows what our own write changed without reading the whole register again.
    void refreshAfterWrite(const QString &removedId, const std::optional<Transaction> &added);
    // Remembers the position, shows what `readRows` gives, and restores the position.
    void showRows(const Account &account, const std::function<QList<RegisterRow>()> &readRows);
    bool handleKey(QKeyEvent *event);
    void flushEditor();
    void openEditor(const QModelIndex &index);
    void focusMemoLine();
    void goToEntryRow();
    void memorizeCurrentRow();
    void confirmDelete(int row);
    void toggleCleared(int row);
    void showHint(const QString &text, int milliseconds = 3000);
    void scheduleReload();
    void runScheduledReload();
    int nextField(int column) const;
    int previousField(int column) const;
    bool isField(int column) const;
    // Refusing a commit: the hint, and the field to mend open for typing.
    void refuse(int column, const QString &hint);
    void focusField(int column);
    void reportFailure(const QString &text);
    std::optional<qint64> readAmount(const QString &paymentText, const QString &depositText, Currency currency);
    std::optional<QString> resolveCategory(const RegisterEntryBuffer &buffer);
    // Printable keys with no editor open go to the entry row, never to a
    // search that would pick another row.
    bool typeIntoEntryRow(QKeyEvent *event);
    bool resolveTransfer(const QString &payee, QString *destinationId, QString *destinationName, bool *refused);

    AppState *m_state;
    QString m_accountId;
    QLabel *m_nameLabel = nullptr;
    QLabel *m_balanceLabel = nullptr;
    QLabel *m_subtitleLabel = nullptr;
    QPushButton *m_reconcileButton = nullptr;
    QLabel *m_hintLabel = nullptr;
    QLabel *m_legendLabel = nullptr;
    QTimer *m_hintTimer = nullptr;
    RegisterModel *m_model = nullptr;
    RegisterDelegate *m_delegate = nullptr;
    RegisterTableView *m_table = nullptr;
    TodayFunction m_today;
    int m_writing = 0; // our own writes reload once, explicitly
    bool m_reloadPending = false;
};
