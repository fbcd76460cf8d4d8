#pragma once

#include "storage/account.h"

#include <QDate>
#include <QDialog>

class QComboBox;
class QDateEdit;
class QLineEdit;
class SmartAmountField;

// Creates or edits an account. It only builds the record; the caller stores it
// and creates the opening-balance transaction from asOfDate().
class AccountFormDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit AccountFormDialog(QWidget *parent = nullptr);
    AccountFormDialog(const Account &account, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(AccountFormDialog)

    bool isEditing() const { return m_editing; }
    Account account() const;
    QDate asOfDate() const;

private:
    void setupUi();
    Currency selectedCurrency() const;
    void onCurrencyChanged();

    Account m_account;
    bool m_editing = false;
    QLineEdit *m_nameEdit = nullptr;
    QComboBox *m_typeCombo = nullptr;
    QComboBox *m_currencyCombo = nullptr;
    SmartAmountField *m_startingBalanceSpin = nullptr;
    QDateEdit *m_asOfDateEdit = nullptr;
    QLineEdit *m_institutionEdit = nullptr;
    QLineEdit *m_accountNumberEdit = nullptr;
};
