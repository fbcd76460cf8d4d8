#pragma once

#include "tokenstore.h"

#include <QHash>

namespace VelmAccount {

// Keeps the tokens in memory only; for tests, which must never reach the
// user's keyring.
class MemoryTokenStore final : public TokenStore
{
public:
    std::optional<QString> load(const QString &key) override;
    bool save(const QString &key, const QString &value) override;
    bool remove(const QString &key) override;

    const QHash<QString, QString> &entries() const { return m_entries; }

private:
    QHash<QString, QString> m_entries;
};

} // namespace VelmAccount
