#pragma once

#include <QColor>

// Colour pairs chosen by whether the installed palette is dark.

bool isDarkPalette();
QColor negativeAmountColor();
QColor positiveAmountColor();
