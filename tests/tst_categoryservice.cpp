#include "testsupport.h"

#include "services/categoryservice.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"



class TestCategoryService : public QObject
{
    Q_OBJECT
private slots:
    void idsAreNameBased();
    void seedingOnlyWhenNoLiveCategory();
    void interruptedSeedingLeavesNothing();
};

void TestCategoryService::idsAreNameBased()
{
    TestDatabase t;
    CategoryService(t.categories).seedDefaultsIfEmpty();
    // Reference value: Groceries in the DNS namespace; the same on every machine.
    QCOMPARE(t.categories->findByName(u"Groceries"_s)->id, u"f80ec558-0a5d-59fd-bb97-1216bc91c991"_s);
    const auto homeOffice = t.categories->findByName(u"Home Office"_s);
    QVERIFY(homeOffice);
    QCOMPARE(homeOffice->id, CategoryService::defaultCategoryId(u"expense"_s, u"Business Expenses"_s,
                                                                 u"Home Office"_s));
    QCOMPARE(t.categories->findById(homeOffice->parent_id)->name, u"Business Expenses"_s);
    // Two "Maintenance" rows under different parents must not collide.
    QCOMPARE(t.scalar(u"SELECT COUNT(DISTINCT id) FROM categories WHERE name = 'Maintenance'"_s).toInt(), 2);
}

void TestCategoryService::seedingOnlyWhenNoLiveCategory()
{
    TestDatabase t;
    const Category mine = t.addCategory(u"Mine"_s);
    CategoryService service(t.categories);
    service.seedDefaultsIfEmpty();
    QCOMPARE(t.categories->count(), 1);

    QVERIFY(t.categories->softDelete(mine.id));
    service.seedDefaultsIfEmpty();
    const int seeded = t.categories->count();
    QVERIFY(seeded > 1);

    // Seeding again over deleted defaults: each insert collides and is logged;
    // the deleted rows stay deleted.
    QVERIFY(t.execute(u"UPDATE categories SET deleted_at = '2024-01-01T00:00:00Z'"_s));
    for (int i = 0; i < seeded; ++i)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^CategoryRepository::insert failed:"_s));
    service.seedDefaultsIfEmpty();
    QCOMPARE(t.categories->count(), 0);
}

// A first start that fails half way must not leave a partial list behind:
// seeding only runs on an empty table, so the rest would never come.
void TestCategoryService::interruptedSeedingLeavesNothing()
{
    TestDatabase t;
    QVERIFY(failWritesTo(t.database->connection(), u"categories"_s, u"INSERT"_s, u"NEW.name = 'Groceries'"_s));
    CategoryService service(t.categories);
    service.seedDefaultsIfEmpty();
    QCOMPARE(t.scalar(u"SELECT COUNT(*) FROM categories"_s).toInt(), 0);

    QVERIFY(t.execute(u"DROP TRIGGER fail_categories_insert"_s));
    service.seedDefaultsIfEmpty();
    QVERIFY(t.categories->findByName(u"Groceries"_s));
    QVERIFY(t.categories->findByName(u"Home Office"_s));
}

PENWICK_TEST_MAIN(TestCategoryService)
#include "tst_categoryservice.moc"
