#pragma once

#include <QString>
#include <QUrl>

namespace VelmUpdate {

// What the update library needs to know about the running application.
struct UpdateConfig
{
    QString product;
    QString channel;
    QUrl manifestBaseUrl; // the channel directory, e.g. .../penwick/stable/
    QString currentVersion;
    int transferTimeoutMs = 30000; // a server that stops answering ends the check
};

} // namespace VelmUpdate
