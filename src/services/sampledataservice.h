#pragma once

#include <QDate>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

class Database;

// A small demonstration household. Every row it writes has an id starting with
// "sample-", which is how it is recognised and removed again.
class SampleDataService final : public QObject
{
    Q_OBJECT
public:
    explicit SampleDataService(Database *db, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(SampleDataService)

    bool hasSampleData() const;
    // Sample accounts still present: after clearing, the ones user rows use.
    QStringList sampleAccountNames() const;
    // The whole household is there (clearing always removes its recurring
    // entries, while a used account may stay).
    bool isHouseholdLoaded() const;
    // False when sample data is already present or a write failed (nothing is kept then).
    bool loadSampleData();
    // False when a delete statement failed.
    bool clearSampleData();

    // Pins the date the sample dates are counted from; invalid follows the calendar.
    void setToday(const QDate &date) { m_today = date; }
    QDate today() const;

private:
    bool insertAll();
    QString newSampleId(const QString &kind);

    Database *m_db;
    QDate m_today;
    QSet<QString> m_usedIds;
};
