#pragma once

#include "filetokenstore.h"
#include "tokenstore.h"

namespace VelmAccount {

// The desktop keyring (Secret Service or KWallet, through QtKeychain). When
// no keyring service answers it falls back, with a warning in the log, to an
// owner-only file in the data directory.
class KeyringTokenStore final : public TokenStore
{
public:
    KeyringTokenStore(const QString &serviceName, const QString &fallbackFilePath);

    std::optional<QString> load(const QString &key) override;
    bool save(const QString &key, const QString &value) override;
    bool remove(const QString &key) override;
    void clear() override;

private:
    enum class Outcome { Done, NotFound, Unavailable };
    // Runs one keyring job to its end; the job API is asynchronous.
    Outcome run(int operation, const QString &key, const QString &value, QString *result);
    void fallBack(const QString &reason);

    QString m_serviceName;
    FileTokenStore m_file;
    bool m_useFile = false;
};

} // namespace VelmAccount
