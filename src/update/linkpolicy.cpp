#include "linkpolicy.h"

#include <QHostAddress>
#include <QUrl>

namespace VelmUpdate {

bool isAllowedLink(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return true;
    if (scheme != QLatin1String("http"))
        return false;
    const QString host = url.host().toLower();
    return host == QLatin1String("localhost") || QHostAddress(host).isLoopback();
}

} // namespace VelmUpdate
