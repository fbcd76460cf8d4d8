#include "manifest.h"

#include "linkpolicy.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace VelmUpdate {

namespace {

void setFirstError(QString *error, const QString &text)
{
    if (error->isEmpty())
        *error = text;
}

// Reads a required string; records the first missing one.
QString requiredString(const QJsonObject &object, const QString &key, QString *error)
{
    const QJsonValue value = object.value(key);
    if (!value.isString()) {
        setFirstError(error, QStringLiteral("missing or non-string field: %1").arg(key));
        return {};
    }
    return value.toString();
}

} // namespace

Manifest Manifest::parse(const QByteArray &bytes, QString *error)
{
    QString localError;
    if (!error)
        error = &localError;
    error->clear();
    Manifest manifest;

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("JSON parse error: %1").arg(parseError.errorString());
        return manifest;
    }
    if (!document.isObject()) {
        *error = QStringLiteral("manifest root is not a JSON object");
        return manifest;
    }
    const QJsonObject root = document.object();

    const QJsonValue schema = root.value(QStringLiteral("schema"));
    if (!schema.isDouble()) {
        setFirstError(error, QStringLiteral("missing or non-integer field: schema"));
    } else {
        manifest.schema = schema.toInt(0);
        if (manifest.schema != 1)
            setFirstError(error, QStringLiteral("unsupported manifest schema: %1 (expected %2)").arg(manifest.schema).arg(1));
    }
    for (const QString &key : {QStringLiteral("app"), QStringLiteral("channel")}) {
        const QJsonValue value = root.value(key);
        if (!value.isString())
            setFirstError(error, QStringLiteral("missing or non-string field: %1").arg(key));
        (key == QLatin1String("app") ? manifest.app : manifest.channel) = value.toString();
    }

    const QJsonValue artifacts = root.value(QStringLiteral("artifacts"));
    if (!artifacts.isObject()) {
        setFirstError(error, QStringLiteral("missing or non-object field: artifacts"));
    } else {
        const QJsonObject members = artifacts.toObject();
        for (auto it = members.begin(); it != members.end(); ++it) {
            if (!it.value().isObject()) {
                setFirstError(error, QStringLiteral("artifact %1 is not an object").arg(it.key()));
                break;
            }
            const QJsonObject object = it.value().toObject();
            QString fieldError;
            Artifact a;
            a.version = requiredString(object, QStringLiteral("version"), &fieldError);
            const QString releasedAt = requiredString(object, QStringLiteral("released_at"), &fieldError);
            a.released_at = QDateTime::fromString(releasedAt, Qt::ISODate);
            a.url = QUrl(requiredString(object, QStringLiteral("url"), &fieldError), QUrl::StrictMode);
            // A byte count is a whole number; a fraction or a number past
            // 64 bits is refused rather than cut down to some other size.
            a.size = object.value(QStringLiteral("size")).toInteger(-1);
            a.sha256 = requiredString(object, QStringLiteral("sha256"), &fieldError);
            a.mandatory = object.value(QStringLiteral("mandatory")).toBool(false);
            a.min_upgradable_from = object.value(QStringLiteral("min_upgradable_from")).toString();
            const QString notes = object.value(QStringLiteral("release_notes_url")).toString();
            if (!notes.isEmpty())
                a.release_notes_url = QUrl(notes, QUrl::StrictMode);

            // The download and notes links are opened in the browser, so only
            // https (or http to this machine) is accepted.
            const bool broken = a.version.isEmpty() || !a.released_at.isValid() || !isAllowedLink(a.url)
                || a.size < 1 || a.sha256.size() != 64 || (!notes.isEmpty() && !isAllowedLink(a.release_notes_url));
            if (!fieldError.isEmpty()) {
                setFirstError(error, fieldError);
                break;
            }
            if (broken) {
                setFirstError(error, QStringLiteral("artifact %1 failed validation").arg(it.key()));
                break;
            }
            manifest.artifacts.insert(it.key(), a);
        }
    }

    manifest.m_valid = manifest.schema == 1 && !manifest.app.isEmpty() && !manifest.channel.isEmpty()
        && !manifest.artifacts.isEmpty();
    if (!manifest.m_valid && error->isEmpty())
        *error = QStringLiteral("manifest failed validation");
    return manifest;
}

} // namespace VelmUpdate
