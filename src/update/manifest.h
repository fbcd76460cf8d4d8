#pragma once

#include "artifact.h"

#include <QHash>
#include <QString>

class QByteArray;

namespace VelmUpdate {

// The parsed "latest.json" of a channel.
class Manifest final
{
public:
    // Parses and validates; `error` gets the first problem found (it may be
    // set even when the manifest is usable, for an artifact after a good one).
    static Manifest parse(const QByteArray &bytes, QString *error);

    bool isValid() const { return m_valid; }

    int schema = 0;
    QString app;
    QString channel;
    QHash<QString, Artifact> artifacts;

private:
    bool m_valid = false;
};

} // namespace VelmUpdate
