#pragma once

#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QUrl;

namespace VelmUpdate {

// GET with the library's User-Agent, the no-less-safe redirect policy, a
// transfer timeout and a cap on the body: a reply that grows past maxBytes is
// aborted, so a broken or hostile server cannot fill memory or hang a check.
QNetworkReply *boundedGet(QNetworkAccessManager *manager, const QUrl &url, const QString &tag, qint64 maxBytes,
                          int timeoutMs = 30000);

// Empty when the finished reply is usable; otherwise why not.
QString boundedReplyError(const QNetworkReply *reply);

} // namespace VelmUpdate
