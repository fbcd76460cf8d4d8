#pragma once

#include <QString>

// The texts of the register row being typed or edited, kept apart from the
// stored rows until the register commits them.
struct RegisterEntryBuffer
{
    QString date;
    QString checkNumber;
    QString payee;
    QString memo;
    QString categoryText;
    QString payment;
    QString deposit;
    QString cleared;
    QString categoryId;
    QString stickyDate; // what a fresh buffer starts with; empty = today

    // The slot behind register columns 0 to 7; other columns have none.
    const QString *slotForColumn(int column) const;
    QString *slotForColumn(int column);
    QString textForColumn(int column) const;
};
