#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

// One running window per data directory: a second start hands its files to
// the running program (which comes forward) instead of opening the same
// database twice.
class SingleInstance final : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &dataDirectory, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(SingleInstance)

    // True when a running program took the files (possibly none).
    bool forwardToRunning(const QStringList &files) const;
    // Starts answering later starts; false when that was impossible.
    bool listen();

signals:
    void filesReceived(const QStringList &files);

private:
    QString m_name;
    QLocalServer *m_server = nullptr;
};
