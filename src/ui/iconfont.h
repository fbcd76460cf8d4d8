#pragma once

#include <QFont>
#include <QString>

// The embedded "Material Icons" font at a pixel size. Registers the font when
// the application has not (widgets built on their own, as in tests).
QFont materialIconFont(int pixelSize);

// One glyph of that font as text.
QString materialIconGlyph(char16_t codePoint);
