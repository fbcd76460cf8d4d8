#include "updateentrypoints.h"

#include "update/client.h"
#include "update/releasenotesfetcher.h"
#include "updatedialog.h"
#include "whatsnewdialog.h"

#include <QPointer>
#include <QWidget>

namespace VelmUpdate {

namespace {

constexpr int kMessageMs = 5000;

void showDialog(QDialog *dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void progress(const UpdateUiCallbacks &callbacks, const QString &text)
{
    if (callbacks.progress)
        callbacks.progress(text);
}

void done(const UpdateUiCallbacks &callbacks)
{
    if (callbacks.done)
        callbacks.done();
}

void message(const UpdateUiCallbacks &callbacks, const QString &text)
{
    if (callbacks.message)
        callbacks.message(text, kMessageMs);
}

} // namespace

void UpdateEntryPoints::showWhatsNew(const UpdateConfig &config, const QString &productName, QWidget *parent)
{
    const QPointer<QWidget> weakParent(parent);
    auto *fetcher = new ReleaseNotesFetcher(config, QCoreApplication::instance());
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher,
                     [fetcher, weakParent, config, productName](const QString &markdown) {
                         fetcher->deleteLater();
                         if (weakParent)
                             showDialog(new WhatsNewDialog(markdown, config.currentVersion, config.currentVersion,
                                                           productName, weakParent));
                     });
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, &QObject::deleteLater);
    fetcher->start();
}

void UpdateEntryPoints::showWhatsNewInteractive(const UpdateConfig &config, const QString &productName,
                                                QWidget *parent, const UpdateUiCallbacks &callbacks)
{
    const QPointer<QWidget> weakParent(parent);
    const auto noNotes = [callbacks, productName, config] {
        done(callbacks);
        message(callbacks, tr("No release notes available for %1 %2").arg(productName, config.currentVersion));
    };
    const auto show = [callbacks, weakParent, config, productName](const QString &markdown, const QString &version,
                                                                   const QUrl &downloadUrl) {
        done(callbacks);
        if (weakParent)
            showDialog(new WhatsNewDialog(markdown, version, config.currentVersion, productName, weakParent,
                                          downloadUrl));
    };

    progress(callbacks, tr("Loading release notes…"));
    auto *fetcher = new ReleaseNotesFetcher(config, QCoreApplication::instance());
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher,
                     [fetcher, show, config](const QString &markdown) {
                         fetcher->deleteLater();
                         show(markdown, config.currentVersion, QUrl());
                     });
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, [fetcher, config, show, noNotes] {
        fetcher->deleteLater();
        auto *client = new Client(config, QCoreApplication::instance());
        QObject::connect(client, &Client::updateAvailable, client, [client, show, noNotes](const Artifact &artifact) {
            client->deleteLater();
            if (!artifact.release_notes_url.isValid()) {
                noNotes();
                return;
            }
            auto *newer = new ReleaseNotesFetcher(artifact.release_notes_url, QStringLiteral("whats-new"),
                                                  QCoreApplication::instance());
            QObject::connect(newer, &ReleaseNotesFetcher::notesReady, newer,
                             [newer, show, artifact](const QString &markdown) {
                                 newer->deleteLater();
                                 show(markdown, artifact.version, artifact.url);
                             });
            QObject::connect(newer, &ReleaseNotesFetcher::notesUnavailable, newer, [newer, noNotes] {
                newer->deleteLater();
                noNotes();
            });
            newer->start();
        });
        QObject::connect(client, &Client::upToDate, client, [client, noNotes] {
            client->deleteLater();
            noNotes();
        });
        QObject::connect(client, &Client::checkFailed, client, [client, noNotes] {
            client->deleteLater();
            noNotes();
        });
        client->check();
    });
    fetcher->start();
}

void UpdateEntryPoints::checkForUpdatesInteractive(const UpdateConfig &config, const QString &productName,
                                                   QWidget *parent, const UpdateUiCallbacks &callbacks)
{
    const QPointer<QWidget> weakParent(parent);
    auto *client = new Client(config, QCoreApplication::instance());
    QObject::connect(client, &Client::updateAvailable, client,
                     [client, callbacks, weakParent, config, productName](const Artifact &artifact) {
                         client->deleteLater();
                         done(callbacks);
                         if (weakParent)
                             showDialog(new UpdateDialog(artifact, config.currentVersion, productName, weakParent));
                     });
    QObject::connect(client, &Client::upToDate, client, [client, callbacks, config, productName] {
        client->deleteLater();
        done(callbacks);
        message(callbacks, tr("%1 is up to date (version %2)").arg(productName, config.currentVersion));
    });
    QObject::connect(client, &Client::checkFailed, client, [client, callbacks](const QString &reason) {
        client->deleteLater();
        done(callbacks);
        message(callbacks, tr("Update check failed: %1").arg(reason));
    });
    progress(callbacks, tr("Checking for updates…"));
    client->check();
}

} // namespace VelmUpdate
