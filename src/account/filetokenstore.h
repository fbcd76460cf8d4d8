#pragma once

#include "tokenstore.h"

#include <QJsonObject>

namespace VelmAccount {

// The tokens in one JSON file readable only by its owner (mode 0600): the
// last resort when no keyring service answers.
class FileTokenStore final : public TokenStore
{
public:
    explicit FileTokenStore(const QString &filePath);

    std::optional<QString> load(const QString &key) override;
    bool save(const QString &key, const QString &value) override;
    bool remove(const QString &key) override;

    QString filePath() const { return m_path; }

private:
    QJsonObject read() const;
    bool write(const QJsonObject &entries);

    QString m_path;
};

} // namespace VelmAccount
