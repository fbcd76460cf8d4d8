#pragma once

#include <QLineEdit>

// A line edit for the register: while its completion list is open, Return and
// Enter take the highlighted completion instead of moving to the next field.
class RegisterLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit RegisterLineEdit(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(RegisterLineEdit)

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
