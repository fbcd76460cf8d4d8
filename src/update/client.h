#pragma once

#include "artifact.h"
#include "updateconfig.h"

#include <QObject>

class QNetworkAccessManager;
class QNetworkReply;

namespace VelmUpdate {

// Asks the channel's manifest whether a newer release exists for this
// platform. Each check that starts ends in exactly one of the signals.
class Client final : public QObject
{
    Q_OBJECT
public:
    explicit Client(const UpdateConfig &config, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(Client)

    void check();

    // The manifest key of this build, e.g. "windows-x64" or "linux-x64";
    // empty for an architecture no release is built for.
    static QString platformKey();

signals:
    void updateAvailable(VelmUpdate::Artifact artifact);
    void upToDate();
    void checkFailed(const QString &reason);

private:
    QUrl manifestUrl() const;
    void onReplyFinished(QNetworkReply *reply);

    UpdateConfig m_config;
    QNetworkAccessManager *m_network;
    bool m_inFlight = false;
};

} // namespace VelmUpdate
