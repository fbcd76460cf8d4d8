#include "memorytokenstore.h"

namespace VelmAccount {

std::optional<QString> MemoryTokenStore::load(const QString &key)
{
    const auto it = m_entries.constFind(key);
    if (it == m_entries.constEnd())
        return std::nullopt;
    return *it;
}

bool MemoryTokenStore::save(const QString &key, const QString &value)
{
    m_entries.insert(key, value);
    return true;
}

bool MemoryTokenStore::remove(const QString &key)
{
    m_entries.remove(key);
    return true;
}

} // namespace VelmAccount
