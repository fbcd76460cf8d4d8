#include "registerentrybuffer.h"

const QString *RegisterEntryBuffer::slotForColumn(int column) const
{
    switch (column) {
    case 0: return &date;
    case 1: return &checkNumber;
    case 2: return &payee;
    case 3: return &categoryText;
    case 4: return &memo;
    case 5: return &payment;
    case 6: return &deposit;
    case 7: return &cleared;
    default: return nullptr;
    }
}

QString *RegisterEntryBuffer::slotForColumn(int column)
{
    return const_cast<QString *>(static_cast<const RegisterEntryBuffer *>(this)->slotForColumn(column));
}

QString RegisterEntryBuffer::textForColumn(int column) const
{
    const QString *slot = slotForColumn(column);
    return slot ? *slot : QString();
}
