#include "version.h"

#include <QStringList>

namespace VelmUpdate {

Version Version::parse(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (text.isEmpty() || parts.size() > 3)
        return {};
    int numbers[3] = {0, 0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        // toInt alone would accept signs and surrounding blanks.
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return {};
        }
        bool ok = false;
        numbers[i] = part.toInt(&ok);
        if (!ok)
            return {};
    }
    Version v;
    v.majorNumber = numbers[0];
    v.minorNumber = numbers[1];
    v.patchNumber = numbers[2];
    return v;
}

} // namespace VelmUpdate
