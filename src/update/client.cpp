#include "client.h"

#include "boundedget.h"
#include "manifest.h"
#include "version.h"

#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSysInfo>

Q_LOGGING_CATEGORY(lcUpdateClient, "velmupdate.client")

namespace VelmUpdate {

namespace {

// A manifest lists a handful of builds; anything far bigger is not one.
constexpr qint64 kMaxManifestBytes = 256 * 1024;

} // namespace

Client::Client(const UpdateConfig &config, QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_network(new QNetworkAccessManager(this))
{
    qRegisterMetaType<VelmUpdate::Artifact>();
}

QString Client::platformKey()
{
    // The build's architecture, not the machine's: a 32-bit build must not
    // be offered a 64-bit installer and the other way round.
    const QString arch = QSysInfo::buildCpuArchitecture();
    QString suffix;
    if (arch == QLatin1String("x86_64"))
        suffix = QStringLiteral("x64");
    else if (arch == QLatin1String("arm64"))
        suffix = QStringLiteral("arm64");
    else
        return {};
#if defined(Q_OS_WIN)
    return QStringLiteral("windows-") + suffix;
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macos-") + suffix;
#elif defined(Q_OS_LINUX)
    return QStringLiteral("linux-") + suffix;
#else
    return {};
#endif
}

QUrl Client::manifestUrl() const
{
    QUrl url = m_config.manifestBaseUrl;
    QString path = url.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    url.setPath(path + QStringLiteral("latest.json"), QUrl::DecodedMode);
    return url;
}

void Client::check()
{
    if (m_inFlight) {
        qCDebug(lcUpdateClient) << "check already in flight, ignoring";
        return;
    }
    if (!m_config.manifestBaseUrl.isValid()) {
        emit checkFailed(QStringLiteral("manifestBaseUrl is not valid"));
        return;
    }
    if (m_config.currentVersion.isEmpty()) {
        emit checkFailed(QStringLiteral("currentVersion is empty"));
        return;
    }
    m_inFlight = true;
    QNetworkReply *reply = boundedGet(m_network, manifestUrl(), m_config.product, kMaxManifestBytes,
                                       m_config.transferTimeoutMs);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onReplyFinished(reply); });
}

void Client::onReplyFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    m_inFlight = false;

    const QString networkError = boundedReplyError(reply);
    if (!networkError.isEmpty()) {
        emit checkFailed(QStringLiteral("network error: %1").arg(networkError));
        return;
    }
    QString parseError;
    const Manifest manifest = Manifest::parse(reply->readAll(), &parseError);
    if (!manifest.isValid()) {
        emit checkFailed(QStringLiteral("manifest invalid: %1").arg(parseError));
        return;
    }
    const QString key = platformKey();
    if (key.isEmpty()) {
        qWarning("unknown platform, skipping update check");
        emit upToDate();
        return;
    }
    const auto found = manifest.artifacts.constFind(key);
    if (found == manifest.artifacts.constEnd()) {
        qInfo() << "platform" << key << "not shipped in current manifest";
        emit upToDate();
        return;
    }
    const Artifact artifact = found.value();
    const Version current = Version::parse(m_config.currentVersion);
    if (!(current < Version::parse(artifact.version))) {
        emit upToDate();
        return;
    }
    if (!artifact.min_upgradable_from.isEmpty() && current < Version::parse(artifact.min_upgradable_from)) {
        emit checkFailed(QStringLiteral("current version %1 is older than min_upgradable_from %2; "
                                        "please upgrade to an intermediate release first")
                             .arg(m_config.currentVersion, artifact.min_upgradable_from));
        return;
    }
    emit updateAvailable(artifact);
}

} // namespace VelmUpdate
