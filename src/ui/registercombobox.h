#pragma once

#include <QComboBox>

// The register's category editor; a type of its own so the register can tell it apart.
class RegisterComboBox final : public QComboBox
{
    Q_OBJECT
public:
    explicit RegisterComboBox(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(RegisterComboBox)
};
