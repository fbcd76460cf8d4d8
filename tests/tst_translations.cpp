#include "testsupport.h"

#include "app/appconfig.h"
#include "app/appstate.h"
#include "services/categoryservice.h"
#include "storage/categoryrepository.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression pattern(u"%(?:L?\\d+|n)"_s);
    QSet<QString> out;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        out.insert(it.next().captured());
    return out;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void cataloguesKeepPlaceholders_data();
    void cataloguesKeepPlaceholders();
    void germanDatabaseHoldsGermanCategories();
    void storedLanguageTakesEffectAtStart();
};

void TestTranslations::cleanup()
{
    QSettings().remove(u"ui/language"_s);
}

void TestTranslations::cataloguesKeepPlaceholders_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"de", "es", "fr", "ja"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TestTranslations::cataloguesKeepPlaceholders()
{
    QFETCH(QString, language);
    QFile file(QStringLiteral(PENWICK_TEST_DATA "/../../src/resources/i18n/penwick_%1.ts").arg(language));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString source;
    bool numerus = false;
    int messages = 0;
    QStringList problems;
    const auto check = [&](const QString &translated) {
        if (placeholders(translated) != placeholders(source))
            problems.append(source + u" -> "_s + translated);
    };
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"message") {
            numerus = xml.attributes().value(u"numerus"_s) == u"yes";
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
            ++messages;
        } else if (xml.name() == u"translation") {
            if (xml.attributes().value(u"type"_s) == u"unfinished")
                problems.append(u"unfinished: "_s + source);
            else if (!numerus)
                check(xml.readElementText());
        } else if (xml.name() == u"numerusform") {
            check(xml.readElementText());
        }
    }
    QVERIFY(!xml.hasError());
    QVERIFY(messages > 100);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 5).join(u'\n')));
}

void TestTranslations::germanDatabaseHoldsGermanCategories()
{
    QTranslator *german = installAppTranslator(u"de"_s, QCoreApplication::instance());
    QVERIFY(german);
    TestApp app;
    QVERIFY(app.isReady());
    const QString name = QCoreApplication::translate("CategoryService", "Groceries");
    QCOMPARE(name, u"Lebensmittel"_s);
    const auto groceries = app->categoryRepository()->findByName(name);
    QVERIFY(groceries);
    QCOMPARE(groceries->id, CategoryService::defaultCategoryId(u"expense"_s, QString(), name));
    QVERIFY(!app->categoryRepository()->findByName(u"Groceries"_s));
    QCoreApplication::removeTranslator(german);
    delete german;
}

void TestTranslations::storedLanguageTakesEffectAtStart()
{
    setLanguage(u"ja"_s);
    // What the next start reads, and the catalogue it then loads.
    QCOMPARE(currentLanguage(true), u"ja"_s);
    QTranslator *japanese = installAppTranslator(currentLanguage(true), QCoreApplication::instance());
    QVERIFY(japanese);
    QVERIFY(QCoreApplication::translate("CategoryService", "Groceries") != u"Groceries"_s);
    QCoreApplication::removeTranslator(japanese);
    delete japanese;
}

PENWICK_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
