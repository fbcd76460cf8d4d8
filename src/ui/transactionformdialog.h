#pragma once

#include "storage/transaction.h"

#include <QDialog>

class AppState;
class DateField;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class SmartAmountField;

// Creates or edits one transaction with a classic form. It only builds the
// record; the caller stores it.
class TransactionFormDialog final : public QDialog
{
    Q_OBJECT
public:
    TransactionFormDialog(AppState *state, const QString &accountId, QWidget *parent = nullptr);
    TransactionFormDialog(AppState *state, const Transaction &transaction, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(TransactionFormDialog)

    bool isEditing() const { return m_editing; }
    // Also remembers the date for the next new form.
    Transaction transaction() const;

public slots:
    // Refuses an empty payee, a zero amount, a date or category that is not one.
    void accept() override;

private slots:
    void onPayeeSelected(const QString &payee);

private:
    void setupUi();
    void selectCategory(const QString &categoryId);
    void showAmount(qint64 amount);

    AppState *m_state;
    QString m_accountId;
    Currency m_currency = Currency::USD;
    Transaction m_transaction;
    bool m_editing = false;
    QRadioButton *m_paymentRadio = nullptr;
    QRadioButton *m_depositRadio = nullptr;
    DateField *m_dateField = nullptr;
    QLineEdit *m_payeeEdit = nullptr;
    SmartAmountField *m_amountField = nullptr;
    QComboBox *m_categoryCombo = nullptr;
    QLineEdit *m_memoEdit = nullptr;
    QLineEdit *m_checkNumberEdit = nullptr;
    QCheckBox *m_clearedCheck = nullptr;
    QLabel *m_errorLabel = nullptr;
};
