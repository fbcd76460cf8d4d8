#include "releasenotesfetcher.h"

#include "boundedget.h"
#include "linkpolicy.h"
#include "updateconfig.h"

#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace VelmUpdate {

namespace {

constexpr qint64 kMaxNotesBytes = 1024 * 1024;

QUrl notesUrlFor(const UpdateConfig &config)
{
    QUrl url = config.manifestBaseUrl;
    QString path = url.path(QUrl::FullyDecoded);
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    // From the channel directory up to the product directory.
    path.truncate(path.lastIndexOf(QLatin1Char('/')) + 1);
    url.setPath(path + config.currentVersion + QStringLiteral("/release-notes.md"), QUrl::DecodedMode);
    return url;
}

QUrl localizedFor(const QUrl &primary, const QString &localeName)
{
    const QString language = localeName.left(2);
    if (language.isEmpty() || language == QLatin1String("en"))
        return {};
    QString path = primary.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1String(".md")))
        return primary;
    path.insert(path.size() - 3, QLatin1Char('.') + language);
    QUrl url = primary;
    url.setPath(path, QUrl::DecodedMode);
    return url;
}

} // namespace

ReleaseNotesFetcher::ReleaseNotesFetcher(const UpdateConfig &config, QObject *parent)
    : ReleaseNotesFetcher(notesUrlFor(config), config.product, parent)
{
}

ReleaseNotesFetcher::ReleaseNotesFetcher(const QUrl &notesUrl, const QString &tag, QObject *parent)
    : QObject(parent)
    , m_tag(tag)
    , m_network(new QNetworkAccessManager(this))
    , m_primaryUrl(notesUrl)
    , m_localizedUrl(localizedFor(notesUrl, QLocale::system().name()))
{
}

void ReleaseNotesFetcher::setLocaleName(const QString &localeName)
{
    m_localizedUrl = localizedFor(m_primaryUrl, localeName);
}

void ReleaseNotesFetcher::start()
{
    if (!isAllowedLink(m_primaryUrl)) {
        // Still asynchronous, like every other outcome.
        QTimer::singleShot(0, this, &ReleaseNotesFetcher::notesUnavailable);
        return;
    }
    if (m_localizedUrl.isEmpty())
        request(m_primaryUrl, false);
    else
        request(m_localizedUrl, true);
}

void ReleaseNotesFetcher::request(const QUrl &url, bool localized)
{
    QNetworkReply *reply = boundedGet(m_network, url, m_tag, kMaxNotesBytes);
    connect(reply, &QNetworkReply::finished, this, [this, reply, localized] {
        reply->deleteLater();
        const QString text = boundedReplyError(reply).isEmpty() ? QString::fromUtf8(reply->readAll()).trimmed()
                                                                : QString();
        if (!text.isEmpty())
            emit notesReady(text);
        else if (localized)
            request(m_primaryUrl, false);
        else
            emit notesUnavailable();
    });
}

} // namespace VelmUpdate
