#pragma once

#include "splitline.h"

#include <QObject>

class Database;

class SplitLineRepository final : public QObject
{
    Q_OBJECT
public:
    explicit SplitLineRepository(Database *db, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(SplitLineRepository)

    bool insert(const SplitLine &line);

private:
    Database *m_db;
};
