#include "iconfont.h"

#include <QFontDatabase>
#include <QStringList>

using namespace Qt::StringLiterals;

QFont materialIconFont(int pixelSize)
{
    static const QString family = [] {
        const QString name = u"Material Icons"_s;
        if (!QFontDatabase::families().contains(name))
            QFontDatabase::addApplicationFont(u":/fonts/fonts/MaterialIcons-Regular.otf"_s);
        return name;
    }();
    QFont font(family);
    font.setPixelSize(pixelSize);
    return font;
}

QString materialIconGlyph(char16_t codePoint)
{
    return QString(QChar(codePoint));
}
