#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QUuid>

class CategoryRepository;

// Seeds a new database with the default category tree. Ids are name-based
// UUIDs so the same tree seeded on two devices yields the same rows.
class CategoryService final : public QObject
{
    Q_OBJECT
public:
    explicit CategoryService(CategoryRepository *categories, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(CategoryService)

    void seedDefaultsIfEmpty();
    void seedDefaults();

    // Version-5 UUID of "type:parent:name" in the DNS namespace, without braces.
    static QString defaultCategoryId(const QString &typeCode, const QString &parentName, const QString &name);

private:
    bool createDefaultCategory(const QString &name, const QString &typeCode, const QString &parentId,
                               bool taxRelevant, const QString &taxCode);

    CategoryRepository *m_categories;
    QHash<QString, QString> m_idByName;
    QHash<QString, QString> m_nameById;
};
