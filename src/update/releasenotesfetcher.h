#pragma once

#include <QObject>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace VelmUpdate {

struct UpdateConfig;

// Downloads a release's Markdown notes, trying the system language's file
// first (release-notes.de.md) and the plain one after it.
class ReleaseNotesFetcher final : public QObject
{
    Q_OBJECT
public:
    // Notes of config.currentVersion, next to the channel directory.
    explicit ReleaseNotesFetcher(const UpdateConfig &config, QObject *parent = nullptr);
    ReleaseNotesFetcher(const QUrl &notesUrl, const QString &tag, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ReleaseNotesFetcher)

    // The language comes from the system locale's name ("fr_CA"); this
    // replaces that name before start().
    void setLocaleName(const QString &localeName);

    QUrl primaryUrl() const { return m_primaryUrl; }
    QUrl localizedUrl() const { return m_localizedUrl; }

    void start();

signals:
    void notesReady(const QString &markdown);
    void notesUnavailable();

private:
    void request(const QUrl &url, bool localized);

    QString m_tag;
    QNetworkAccessManager *m_network;
    QUrl m_primaryUrl;
    QUrl m_localizedUrl;
};

} // namespace VelmUpdate
