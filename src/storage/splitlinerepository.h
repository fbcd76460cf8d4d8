#pragma once

#include "splitline.h"

#include <QObject>

class Database;
class QSqlQuery;

class SplitLineRepository final : public QObject
{
    Q_OBJECT
public:
    explicit SplitLineRepository(Database *db, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(SplitLineRepository)

    bool insert(const SplitLine &line);

    // Bulk path for imports: the same row as insert(), on a statement the
    // caller prepares once with prepareInsert().
    bool prepareInsert(QSqlQuery &query) const;
    bool insertPrepared(QSqlQuery &query, const SplitLine &line) const;

private:
    Database *m_db;
};
