#include "appconfig.h"

#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

QString environmentValue(const char *name)
{
    const QByteArray raw = qgetenv(name);
    return raw.isEmpty() ? QString() : QString::fromUtf8(raw);
}

QString dataDirectory()
{
    QString dir = environmentValue("PENWICK_DATA_DIR");
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Velmora/Penwick"_s;
    // A failure surfaces later, when the database cannot be opened.
    QDir(dir).mkpath(u"."_s);
    return dir;
}

QString databasePath()
{
    return dataDirectory() + u"/penwick.db"_s;
}

QStringList supportedLanguages()
{
    return {u"en"_s, u"es"_s, u"de"_s, u"fr"_s, u"ja"_s};
}

QString resolveLanguage(const QString &stored, bool resolveSystem, const QString &systemLocaleName)
{
    if (!resolveSystem || stored != u"system")
        return stored;
    const QString prefix = systemLocaleName.left(2);
    return supportedLanguages().contains(prefix) ? prefix : u"en"_s;
}

QString currentLanguage(bool resolveSystem)
{
    const QString stored = QSettings().value(u"ui/language"_s, u"system"_s).toString();
    return resolveLanguage(stored, resolveSystem, QLocale::system().name());
}

void setLanguage(const QString &language)
{
    QSettings().setValue(u"ui/language"_s, language);
}

int &weekStartDay()
{
    static int day = static_cast<int>(QLocale::system().firstDayOfWeek());
    return day;
}
