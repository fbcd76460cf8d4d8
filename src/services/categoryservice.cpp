#include "categoryservice.h"

#include "storage/category.h"
#include "storage/categoryrepository.h"
#include "storage/dbtransaction.h"

#include <QDateTime>
#include <QDebug>
#include <QSqlDatabase>

using namespace Qt::StringLiterals;

namespace {

struct DefaultCategory
{
    const char *name;
    const char *parent; // nullptr for a top-level category
    const char *type;
    const char *taxCode; // nullptr when not tax relevant
};

// Creation order matters: parents come before their children.
constexpr DefaultCategory kDefaults[] = {
    {QT_TRANSLATE_NOOP("CategoryService", "Charitable Donations"), nullptr, "expense", "charitable_contributions"},
    {QT_TRANSLATE_NOOP("CategoryService", "Medical Expenses"), nullptr, "expense", "medical_dental"},
    {QT_TRANSLATE_NOOP("CategoryService", "Business Expenses"), nullptr, "expense", "business_expense"},
    {QT_TRANSLATE_NOOP("CategoryService", "Home Office"), "Business Expenses", "expense", "home_office"},
    {QT_TRANSLATE_NOOP("CategoryService", "Education Expenses"), nullptr, "expense", "education"},
    {QT_TRANSLATE_NOOP("CategoryService", "State & Local Taxes"), nullptr, "expense", "salt"},
    {QT_TRANSLATE_NOOP("CategoryService", "Mortgage Interest"), nullptr, "expense", "mortgage_interest"},
    {QT_TRANSLATE_NOOP("CategoryService", "Property Tax"), nullptr, "expense", "schedule_a_property_tax"},
    {QT_TRANSLATE_NOOP("CategoryService", "Housing"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Rent/Mortgage Payment"), "Housing", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), "Housing", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "HOA"), "Housing", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Utilities"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Electric"), "Utilities", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas"), "Utilities", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Water"), "Utilities", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Internet"), "Utilities", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Phone"), "Utilities", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Transportation"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"), "Transportation", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Car Payment"), "Transportation", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto Insurance"), "Transportation", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), "Transportation", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Public Transit"), "Transportation", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Groceries"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Personal Care"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Pets"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Subscriptions"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Miscellaneous"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Entertainment"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Streaming"), "Entertainment", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Movies"), "Entertainment", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Events"), "Entertainment", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Shopping"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Clothing"), "Shopping", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Electronics"), "Shopping", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Household"), "Shopping", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Insurance"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Health"), "Insurance", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Life"), "Insurance", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Home/Renters"), "Insurance", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto"), "Insurance", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Fees & Charges"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Bank Fees"), "Fees & Charges", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "ATM Fees"), "Fees & Charges", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Late Fees"), "Fees & Charges", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), nullptr, "income", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Interest Income"), nullptr, "income", "interest_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Dividend Income"), nullptr, "income", "dividend_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Rental Income"), nullptr, "income", "rental_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Freelance / Consulting"), nullptr, "income", "self_employment"},
    {QT_TRANSLATE_NOOP("CategoryService", "Refunds"), nullptr, "income", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts Received"), nullptr, "income", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Other Income"), nullptr, "income", nullptr},
};

const QUuid &dnsNamespace()
{
    static const QUuid ns(u"{6ba7b810-9dad-11d1-80b4-00c04fd430c8}"_s);
    return ns;
}

} // namespace

CategoryService::CategoryService(CategoryRepository *categories, QObject *parent)
    : QObject(parent)
    , m_categories(categories)
{
}

QString CategoryService::defaultCategoryId(const QString &typeCode, const QString &parentName, const QString &name)
{
    const QString key = u"%1:%2:%3"_s.arg(typeCode, parentName, name);
    return QUuid::createUuidV5(dnsNamespace(), key.toUtf8()).toString(QUuid::WithoutBraces);
}

void CategoryService::seedDefaultsIfEmpty()
{
    if (m_categories->count() == 0)
        seedDefaults();
}

void CategoryService::seedDefaults()
{
    m_idByName.clear();
    m_nameById.clear();
    // One transaction: a new register gets the whole list or, when it stops
    // half way, none of it and so the whole list at the next start. It also
    // waits for the disk once instead of once per category.
    DbTransaction tx(QSqlDatabase::database());
    if (!tx.isActive())
        qWarning().noquote() << "Default categories written one by one:" << tx.errorText();
    bool complete = true;
    for (const DefaultCategory &d : kDefaults) {
        const QString parentId = d.parent ? m_idByName.value(tr(d.parent)) : QString();
        complete = createDefaultCategory(tr(d.name), QString::fromLatin1(d.type), parentId, d.taxCode != nullptr,
                                         d.taxCode ? QString::fromLatin1(d.taxCode) : QString())
                   && complete;
    }
    if (tx.isActive() && !complete) {
        tx.rollback();
        qWarning() << "Default categories could not be stored; they are written at the next start.";
    } else if (tx.isActive() && !tx.commit()) {
        qWarning().noquote() << "Default categories could not be stored:" << tx.errorText();
    }
    m_idByName.clear();
    m_nameById.clear();
}

bool CategoryService::createDefaultCategory(const QString &name, const QString &typeCode, const QString &parentId,
                                            bool taxRelevant, const QString &taxCode)
{
    const QString parentName = parentId.isEmpty() ? QString() : m_nameById.value(parentId);
    const QString id = defaultCategoryId(typeCode, parentName, name);

    Category c;
    c.id = id;
    c.name = name;
    c.category_type = typeCode == u"income" ? CategoryType::Income
                      : typeCode == u"transfer" ? CategoryType::Transfer
                                                : CategoryType::Expense;
    c.parent_id = parentId;
    c.is_tax_relevant = taxRelevant;
    c.tax_category = taxCode;
    c.is_default = true;
    c.created_at = c.updated_at = QDateTime::currentDateTimeUtc();
    // A default kept from before (even deleted) is no failure: it stays as it is.
    const bool stored = m_categories->insert(c) || m_categories->findById(id).has_value();

    m_idByName.insert(name, id);
    m_nameById.insert(id, name);
    return stored;
}
