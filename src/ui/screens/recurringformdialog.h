#pragma once

#include "storage/recurringtransaction.h"

#include <QDialog>

class AppState;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLineEdit;

// Edits one recurring entry: a new one, an existing one, or one seeded from a
// register transaction. The caller stores what recurring() returns.
class RecurringFormDialog final : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { New, Edit, Memorize };

    // A new entry in the current account.
    explicit RecurringFormDialog(AppState *state, QWidget *parent = nullptr);
    // `mode` Edit changes `entry`; Memorize makes a new entry from it.
    RecurringFormDialog(AppState *state, const RecurringTransaction &entry, Mode mode, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(RecurringFormDialog)

    // The translated name of a frequency, as the form and the list show it.
    static QString frequencyLabel(Frequency frequency);

    Mode mode() const { return m_mode; }
    RecurringTransaction recurring() const;

private:
    void buildForm();
    void fillAccounts(const QString &preferredId);
    void fillCategories();
    void fillFrom(const RecurringTransaction &entry);
    void onAccountChanged();
    void onStartDateChanged();
    void updateEndDateEnabled();
    void updateOkEnabled();
    int indexOfData(const QComboBox *combo, const QString &data) const;

    AppState *m_state;
    Mode m_mode;
    RecurringTransaction m_original;
    QString m_newId;

    QComboBox *m_account = nullptr;
    QComboBox *m_type = nullptr;
    QLineEdit *m_payee = nullptr;
    QDoubleSpinBox *m_amount = nullptr;
    Currency m_currency = Currency::USD;
    QComboBox *m_category = nullptr;
    QLineEdit *m_memo = nullptr;
    QComboBox *m_frequency = nullptr;
    QDateEdit *m_startDate = nullptr;
    QCheckBox *m_hasEndDate = nullptr;
    QDateEdit *m_endDate = nullptr;
    QCheckBox *m_autoPost = nullptr;
    QCheckBox *m_active = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
