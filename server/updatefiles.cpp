#include "updatefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

constexpr qint64 kMaxFile = 16 * 1024 * 1024;

} // namespace

UpdateFiles::UpdateFiles(const QString &directory)
    : m_root(directory.isEmpty() ? QString() : QFileInfo(directory).canonicalFilePath())
{
}

std::optional<ApiResponse> UpdateFiles::serve(const ApiRequest &request) const
{
    if (m_root.isEmpty())
        return std::nullopt;
    const auto missing = ApiResponse::error(404, QStringLiteral("not_found"), QStringLiteral("No such file."));
    const QString relative = QUrl::fromPercentEncoding(request.path.toLatin1());
    // Hidden files stay private; the router already refused "." and ".." segments.
    if (relative.contains(QLatin1String("/.")))
        return missing;
    const QFileInfo info(m_root + relative);
    const QString canonical = info.canonicalFilePath();
    // Symbolic links pointing out of the directory are not followed.
    if (canonical.isEmpty() || !canonical.startsWith(m_root + u'/') || !info.isFile() || info.size() > kMaxFile)
        return missing;
    QFile file(canonical);
    if (!file.open(QIODevice::ReadOnly))
        return missing;
    QByteArray type = "application/octet-stream";
    if (canonical.endsWith(QLatin1String(".json")))
        type = "application/json";
    else if (canonical.endsWith(QLatin1String(".md")))
        type = "text/markdown; charset=utf-8";
    else if (canonical.endsWith(QLatin1String(".html")))
        type = "text/html; charset=utf-8";
    return ApiResponse{200, file.readAll(), type, {{"Cache-Control", "no-cache"}}};
}
