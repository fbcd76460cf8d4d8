#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QUrl>

namespace VelmUpdate {

// One published build of a release, as the manifest lists it per platform.
struct Artifact
{
    QString version;
    QDateTime released_at;
    QUrl url;
    qint64 size = -1;
    QString sha256;
    bool mandatory = false;
    QString min_upgradable_from;
    QUrl release_notes_url;
};

} // namespace VelmUpdate

Q_DECLARE_METATYPE(VelmUpdate::Artifact)
