#pragma once

#include <QString>

#include <optional>

namespace VelmAccount {

// Where the signed-in user's two tokens survive a restart.
class TokenStore
{
public:
    static inline const QString kAccessTokenKey = QStringLiteral("velmora_access_token");
    static inline const QString kRefreshTokenKey = QStringLiteral("velmora_refresh_token");

    virtual ~TokenStore() = default;
    // No value when absent or unreadable.
    virtual std::optional<QString> load(const QString &key) = 0;
    virtual bool save(const QString &key, const QString &value) = 0;
    virtual bool remove(const QString &key) = 0;
    virtual void clear()
    {
        remove(kAccessTokenKey);
        remove(kRefreshTokenKey);
    }
};

} // namespace VelmAccount
