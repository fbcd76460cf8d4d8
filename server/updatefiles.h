#pragma once

#include "apirequest.h"

#include <QString>

#include <optional>

// Serves the update channel's static files (latest.json, release notes) from
// a directory whose layout mirrors the URL paths.
class UpdateFiles final
{
public:
    explicit UpdateFiles(const QString &directory);

    // The file's answer; a 404 answer for what is not there; nullopt when no
    // directory is configured.
    std::optional<ApiResponse> serve(const ApiRequest &request) const;

private:
    QString m_root; // canonical, empty when not configured
};
