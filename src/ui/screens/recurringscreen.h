#pragma once

#include "storage/recurringtransaction.h"

#include <QWidget>
#include <optional>

class AppState;
class QLabel;
class QPushButton;
class QTableView;
class RecurringModel;
class RecurringService;

// Lists every recurring entry; confirms, skips, edits, deletes and creates
// them, or confirms everything that is due.
class RecurringScreen final : public QWidget
{
    Q_OBJECT
public:
    RecurringScreen(AppState *state, RecurringService *service, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(RecurringScreen)

    void reload();

signals:
    void transactionsChanged();

protected:
    void changeEvent(QEvent *event) override;

public slots:
    void onContextMenu(const QPoint &pos);
    void showNewForm();
    void showEditForm();
    void confirmSelected();
    void skipSelected();
    void deleteSelected();

private:
    void showFailure(const QString &text);
    std::optional<RecurringTransaction> selectedEntry() const;
    void selectEntry(const QString &id);
    void updateButtons();
    void confirmAllDue();
    void updateDueLabelColour();

    AppState *m_state;
    RecurringService *m_service;
    RecurringModel *m_model = nullptr;
    QTableView *m_view = nullptr;
    QPushButton *m_newButton = nullptr;
    QPushButton *m_editButton = nullptr;
    QPushButton *m_confirmAllButton = nullptr;
    QLabel *m_dueLabel = nullptr;
};
