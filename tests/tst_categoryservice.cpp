#include "testsupport.h"

#include "services/categoryservice.h"
#include "storage/categoryrepository.h"

#include <QTranslator>

namespace {

// Stands in for a foreign catalogue: every default category name changes.
class PrefixTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "CategoryService") == 0)
            return u"Le "_s + QString::fromUtf8(sourceText);
        return {};
    }
    bool isEmpty() const override { return false; }
};

QHash<QString, Category> byId(CategoryRepository *repo)
{
    QHash<QString, Category> out;
    for (const Category &c : repo->findAll())
        out.insert(c.id, c);
    return out;
}

} // namespace

class TestCategoryService : public QObject
{
    Q_OBJECT
private slots:
    void seedsTheDefaultTree();
    void idsAreNameBased_data();
    void idsAreNameBased();
    void sameLanguageSameIds();
    void otherLanguageOtherIdsAndNames();
    void liveCategoryPreventsSeeding();
    void allDeletedIsSeededAgain();
};

void TestCategoryService::seedsTheDefaultTree()
{
    TestDatabase t;
    CategoryService service(t.categories);
    service.seedDefaultsIfEmpty();
    QCOMPARE(t.categories->count(), 56);
    QCOMPARE(t.scalar(u"SELECT COUNT(*) FROM categories WHERE category_type = 'expense'"_s).toInt(), 48);
    QCOMPARE(t.scalar(u"SELECT COUNT(*) FROM categories WHERE category_type = 'income'"_s).toInt(), 8);
    QCOMPARE(t.scalar(u"SELECT COUNT(*) FROM categories WHERE is_tax_relevant = 1 AND tax_category != ''"_s).toInt(), 12);
    QCOMPARE(t.scalar(u"SELECT COUNT(*) FROM categories WHERE is_default = 1 AND sync_status = 'pending' "
                      "AND version = 1 AND created_at = updated_at AND created_at LIKE '%Z'"_s).toInt(), 56);
    QCOMPARE(t.scalar(u"SELECT COUNT(*) FROM categories WHERE parent_id IS NOT NULL"_s).toInt(), 27);

    const auto all = byId(t.categories);
    const auto homeOffice = t.categories->findByName(u"Home Office"_s);
    QVERIFY(homeOffice);
    QCOMPARE(all.value(homeOffice->parent_id).name, u"Business Expenses"_s);
    QCOMPARE(homeOffice->tax_category, u"home_office"_s);
    QCOMPARE(t.categories->findByName(u"Freelance / Consulting"_s)->tax_category, u"self_employment"_s);
    QVERIFY(!t.categories->findByName(u"Refunds"_s)->is_tax_relevant);
    QCOMPARE(t.categories->findByName(u"Refunds"_s)->category_type, CategoryType::Income);

    // Both "Maintenance" rows exist, under different parents and with different ids.
    QStringList maintenanceParents;
    for (const Category &c : all) {
        if (c.name == u"Maintenance")
            maintenanceParents << all.value(c.parent_id).name;
    }
    maintenanceParents.sort();
    QCOMPARE(maintenanceParents, QStringList({u"Housing"_s, u"Transportation"_s}));
}

void TestCategoryService::idsAreNameBased_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");
    QTest::newRow("Groceries") << u"Groceries"_s << u"expense::Groceries"_s;
    QTest::newRow("Home Office") << u"Home Office"_s << u"expense:Business Expenses:Home Office"_s;
    QTest::newRow("Salary") << u"Salary / Wages"_s << u"income::Salary / Wages"_s;
    QTest::newRow("Gas/Fuel") << u"Gas/Fuel"_s << u"expense:Transportation:Gas/Fuel"_s;
}

void TestCategoryService::idsAreNameBased()
{
    QFETCH(QString, name);
    QFETCH(QString, key);
    TestDatabase t;
    CategoryService(t.categories).seedDefaults();
    const auto c = t.categories->findByName(name);
    QVERIFY(c);
    const QString expected = QUuid::createUuidV5(QUuid(u"6ba7b810-9dad-11d1-80b4-00c04fd430c8"_s), key.toUtf8())
                                 .toString(QUuid::WithoutBraces);
    QCOMPARE(c->id, expected);
}

void TestCategoryService::sameLanguageSameIds()
{
    QStringList first;
    {
        TestDatabase t;
        CategoryService(t.categories).seedDefaultsIfEmpty();
        first = byId(t.categories).keys();
        // The reference value: Groceries in the DNS namespace.
        QCOMPARE(t.categories->findByName(u"Groceries"_s)->id, u"f80ec558-0a5d-59fd-bb97-1216bc91c991"_s);
    }
    TestDatabase t;
    CategoryService(t.categories).seedDefaultsIfEmpty();
    QStringList second = byId(t.categories).keys();
    first.sort();
    second.sort();
    QCOMPARE(second, first);
    QCOMPARE(CategoryService::defaultCategoryId(u"expense"_s, QString(), u"Groceries"_s),
             u"f80ec558-0a5d-59fd-bb97-1216bc91c991"_s);
}

void TestCategoryService::otherLanguageOtherIdsAndNames()
{
    PrefixTranslator translator;
    QCoreApplication::installTranslator(&translator);
    TestDatabase t;
    CategoryService(t.categories).seedDefaultsIfEmpty();
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(t.categories->count(), 56);
    QVERIFY(!t.categories->findByName(u"Groceries"_s));
    const auto groceries = t.categories->findByName(u"Le Groceries"_s);
    QVERIFY(groceries);
    QCOMPARE(groceries->id, CategoryService::defaultCategoryId(u"expense"_s, QString(), u"Le Groceries"_s));
    // Children still find their translated parents.
    const auto homeOffice = t.categories->findByName(u"Le Home Office"_s);
    QVERIFY(homeOffice);
    QCOMPARE(t.categories->findById(homeOffice->parent_id)->name, u"Le Business Expenses"_s);
    QCOMPARE(homeOffice->id, CategoryService::defaultCategoryId(u"expense"_s, u"Le Business Expenses"_s,
                                                                 u"Le Home Office"_s));
}

void TestCategoryService::liveCategoryPreventsSeeding()
{
    TestDatabase t;
    t.addCategory(u"Mine"_s);
    CategoryService(t.categories).seedDefaultsIfEmpty();
    QCOMPARE(t.categories->count(), 1);
}

void TestCategoryService::allDeletedIsSeededAgain()
{
    TestDatabase t;
    const Category mine = t.addCategory(u"Mine"_s);
    QVERIFY(t.categories->softDelete(mine.id));
    CategoryService service(t.categories);
    service.seedDefaultsIfEmpty();
    QCOMPARE(t.categories->count(), 56);

    // Deleting every default and seeding again: each insert collides and is logged;
    // the deleted rows stay deleted.
    QVERIFY(t.execute(u"UPDATE categories SET deleted_at = '2024-01-01T00:00:00Z'"_s));
    for (int i = 0; i < 56; ++i)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^CategoryRepository::insert failed:"_s));
    service.seedDefaultsIfEmpty();
    QCOMPARE(t.categories->count(), 0);
    QCOMPARE(t.scalar(u"SELECT COUNT(*) FROM categories"_s).toInt(), 57);
}

PENWICK_TEST_MAIN(TestCategoryService)
#include "tst_categoryservice.moc"
