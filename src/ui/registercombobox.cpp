#include "registercombobox.h"

RegisterComboBox::RegisterComboBox(QWidget *parent)
    : QComboBox(parent)
{
}
