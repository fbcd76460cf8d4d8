// The update check and its dialogs against penwick-server on a loopback port.
#include "testsupport.h"

#include "app/appconfig.h"
#include "app/updatestartup.h"
#include "penwickserver.h"
#include "storage/preferencesrepository.h"
#include "ui/mainwindow.h"
#include "ui/updatedialog.h"
#include "ui/updateentrypoints.h"
#include "ui/whatsnewdialog.h"
#include "update/client.h"
#include "update/manifest.h"
#include "update/releasenotesfetcher.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QSettings>
#include <QStatusBar>
#include <QTextBrowser>

using VelmUpdate::Artifact;
using VelmUpdate::Client;

namespace {

const QString kKey = Client::platformKey();

// A manifest for the running platform; a null value in a patch removes the key.
QByteArray manifest(const QJsonObject &artifactPatch = {}, const QJsonObject &rootPatch = {}, const QString &key = kKey)
{
    QJsonObject artifact{{u"version"_s, u"1.0.10"_s}, {u"released_at"_s, u"2026-11-30T12:00:00Z"_s},
                         {u"url"_s, u"https://downloads.velmora.example/p.tar.gz"_s}, {u"size"_s, 1234}, {u"sha256"_s, QString(64, u'a')}};
    QJsonObject root{{u"schema"_s, 1}, {u"app"_s, u"penwick"_s}, {u"channel"_s, u"stable"_s}};
    for (auto [target, patch] : {std::pair{&artifact, &artifactPatch}, std::pair{&root, &rootPatch}})
        for (auto it = patch->begin(); it != patch->end(); ++it)
            it->isNull() ? void(target->remove(it.key())) : void(target->insert(it.key(), it.value()));
    if (!root.contains(u"artifacts"_s))
        root.insert(u"artifacts"_s, QJsonObject{{key, artifact}});
    return QJsonDocument(root).toJson();
}

QString buttonTexts(QWidget *dialog)
{
    QStringList texts;
    for (QAbstractButton *button : dialog->findChild<QDialogButtonBox *>()->buttons())
        texts << button->text();
    return texts.join(u',');
}

} // namespace

class TestUpdate : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<PenwickServer> m_server;

    QUrl base(const QString &path = u"/penwick/stable/"_s) const { return m_server->url().resolved(QUrl(path)); }
    VelmUpdate::UpdateConfig config() const { return {u"penwick"_s, u"stable"_s, base(), u"1.0.8"_s}; }

    void writeFile(const QString &path, const QByteArray &content)
    {
        const QString file = m_dir->filePath(u"updates"_s + path);
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(content);
    }

    // Offers `version`, with notes on the server when `notes` is not empty.
    void publish(const QString &version, const QByteArray &notes = {}, bool mandatory = false)
    {
        QJsonObject patch{{u"version"_s, version}, {u"mandatory"_s, mandatory}};
        if (!notes.isEmpty()) {
            const QString path = u"/penwick/%1/release-notes.md"_s.arg(version);
            writeFile(path, notes);
            patch.insert(u"release_notes_url"_s, base(path).toString());
        }
        writeFile(u"/penwick/stable/latest.json"_s, manifest(patch));
    }

private slots:
    void init()
    {
        setApplicationIdentity();
        QLoggingCategory::setFilterRules(u"penwick.server.info=false"_s);
        m_server.reset();
        m_dir = std::make_unique<QTemporaryDir>();
        ServerOptions options;
        options.port = 0;
        options.dataDir = m_dir->filePath(u"data"_s);
        options.updatesDir = m_dir->filePath(u"updates"_s);
        QDir().mkpath(options.updatesDir);
        m_server = std::make_unique<PenwickServer>(options);
        QString error;
        QVERIFY2(m_server->start(&error), qPrintable(error));
        qputenv("UPDATE_BASE_URL", base().toString().toUtf8());
    }

    void checkOutcome_data()
    {
        QTest::addColumn<QByteArray>("body"); // empty: no file at all
        QTest::addColumn<QString>("expected"); // the outcome starts with this
        using O = QJsonObject;
        const QString invalid = u"failed: manifest invalid: "_s;
        QTest::newRow("1.0.10 is newer than 1.0.8") << manifest() << "available 1.0.10";
        QTest::newRow("same version") << manifest(O{{u"version"_s, u"1.0.8"_s}}) << "up to date";
        QTest::newRow("suffixed version is 0.0.0") << manifest(O{{u"version"_s, u"1.1.0-beta"_s}}) << "up to date";
        QTest::newRow("min_upgradable_from above current") << manifest(O{{u"version"_s, u"2.0.0"_s}, {u"min_upgradable_from"_s, u"1.5.0"_s}})
            << "failed: current version 1.0.8 is older than min_upgradable_from 1.5.0; please upgrade to an intermediate release first";
        QTest::newRow("min_upgradable_from met") << manifest(O{{u"version"_s, u"2.0.0"_s}, {u"min_upgradable_from"_s, u"1.0.0"_s}}) << "available 2.0.0";
        QTest::newRow("only another platform") << manifest({}, {}, u"plan9-mips"_s) << "up to date";
        QTest::newRow("http to loopback") << manifest(O{{u"url"_s, u"http://127.0.0.1:9/p.tar.gz"_s}}) << "available";
        QTest::newRow("not JSON") << QByteArray("{") << invalid + u"JSON parse error: "_s;
        QTest::newRow("root is an array") << QByteArray("[]") << invalid + u"manifest root is not a JSON object"_s;
        QTest::newRow("schema as string") << manifest({}, O{{u"schema"_s, u"1"_s}}) << invalid + u"missing or non-integer field: schema"_s;
        QTest::newRow("schema 2") << manifest({}, O{{u"schema"_s, 2}}) << invalid + u"unsupported manifest schema: 2 (expected 1)"_s;
        QTest::newRow("app missing") << manifest({}, O{{u"app"_s, QJsonValue::Null}}) << invalid + u"missing or non-string field: app"_s;
        QTest::newRow("artifacts a string") << manifest({}, O{{u"artifacts"_s, u"none"_s}}) << invalid + u"missing or non-object field: artifacts"_s;
        QTest::newRow("artifact a number") << manifest({}, O{{u"artifacts"_s, O{{kKey, 3}}}}) << invalid + u"artifact %1 is not an object"_s.arg(kKey);
        QTest::newRow("no artifacts") << manifest({}, O{{u"artifacts"_s, O()}}) << invalid + u"manifest failed validation"_s;
        QTest::newRow("version missing") << manifest(O{{u"version"_s, QJsonValue::Null}}) << invalid + u"missing or non-string field: version"_s;
        const QString failed = invalid + u"artifact %1 failed validation"_s.arg(kKey);
        QTest::newRow("sha256 of 63") << manifest(O{{u"sha256"_s, QString(63, u'a')}}) << failed;
        QTest::newRow("size 0") << manifest(O{{u"size"_s, 0}}) << failed;
        QTest::newRow("size past 64 bits") << manifest(O{{u"size"_s, 1.2e112}}) << failed;
        QTest::newRow("size a fraction") << manifest(O{{u"size"_s, 1234.5}}) << failed;
        QTest::newRow("url file:") << manifest(O{{u"url"_s, u"file:///tmp/p.exe"_s}}) << failed;
        QTest::newRow("url plain http") << manifest(O{{u"url"_s, u"http://example.com/p.exe"_s}}) << failed;
        QTest::newRow("notes url ftp") << manifest(O{{u"release_notes_url"_s, u"ftp://example.com/n.md"_s}}) << failed;
        QTest::newRow("reply too large") << manifest() + QByteArray(300 * 1024, ' ') << "failed: network error: reply is larger than allowed";
        QTest::newRow("no manifest") << QByteArray() << "failed: network error: ";
    }

    void checkOutcome()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, expected);
        if (!body.isEmpty())
            writeFile(u"/penwick/stable/latest.json"_s, body);
        // Every row also checks that a base URL without its trailing slash works.
        Client client({u"penwick"_s, u"stable"_s, base(u"/penwick/stable"_s), u"1.0.8"_s});
        QString outcome;
        connect(&client, &Client::updateAvailable, this, [&](const Artifact &a) { outcome = u"available "_s + a.version; });
        connect(&client, &Client::upToDate, this, [&] { outcome = u"up to date"_s; });
        connect(&client, &Client::checkFailed, this, [&](const QString &reason) { outcome = u"failed: "_s + reason; });
        if (QByteArray(QTest::currentDataTag()) == "only another platform")
            QTest::ignoreMessage(QtInfoMsg, QRegularExpression(u"platform .* not shipped in current manifest"_s));
        client.check();
        QTRY_VERIFY(!outcome.isEmpty());
        QVERIFY2(outcome.startsWith(expected), qPrintable(outcome));
    }

    void quickSecondCheckIsIgnored()
    {
        publish(u"1.0.10"_s);
        Client client(config());
        QSignalSpy requests(client.findChild<QNetworkAccessManager *>(), &QNetworkAccessManager::finished);
        QSignalSpy available(&client, &Client::updateAvailable);
        client.check();
        client.check();
        QTRY_COMPARE(available.count(), 1);
        client.check(); // idle again: a new check goes out
        QTRY_COMPARE(available.count(), 2);
        QCOMPARE(requests.count(), 2);
    }

    void notes_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("localized"); // release-notes.<lang>.md; empty: absent
        QTest::addColumn<QByteArray>("primary");
        QTest::addColumn<QString>("expected"); // empty: unavailable
        QTest::newRow("fr_CA localized") << "fr_CA" << QByteArray("Bonjour") << QByteArray("Hello") << "Bonjour";
        QTest::newRow("fr_CA 404 falls back") << "fr_CA" << QByteArray() << QByteArray("Hello") << "Hello";
        QTest::newRow("fr_CA empty falls back") << "fr_CA" << QByteArray(" \n") << QByteArray("Hello") << "Hello";
        QTest::newRow("en_GB asks only primary") << "en_GB" << QByteArray("British") << QByteArray("Hello") << "Hello";
        QTest::newRow("white space only") << "en_GB" << QByteArray() << QByteArray(" \n\t ") << "";
        QTest::newRow("no notes") << "de_DE" << QByteArray() << QByteArray() << "";
    }

    void notes()
    {
        QFETCH(QString, locale);
        QFETCH(QByteArray, localized);
        QFETCH(QByteArray, primary);
        QFETCH(QString, expected);
        if (!localized.isEmpty())
            writeFile(u"/penwick/1.0.8/release-notes.%1.md"_s.arg(locale.left(2)), localized);
        if (!primary.isEmpty())
            writeFile(u"/penwick/1.0.8/release-notes.md"_s, primary);
        VelmUpdate::ReleaseNotesFetcher fetcher(config());
        fetcher.setLocaleName(locale);
        QCOMPARE(fetcher.primaryUrl(), base(u"/penwick/1.0.8/release-notes.md"_s));
        QSignalSpy ready(&fetcher, &VelmUpdate::ReleaseNotesFetcher::notesReady);
        QSignalSpy unavailable(&fetcher, &VelmUpdate::ReleaseNotesFetcher::notesUnavailable);
        fetcher.start();
        QTRY_COMPARE(ready.count() + unavailable.count(), 1);
        QCOMPARE(ready.isEmpty() ? QString() : ready.first().first().toString(), expected);
    }

    void updateDialog_data()
    {
        QTest::addColumn<QByteArray>("notes"); // on the server; empty: 404
        QTest::addColumn<bool>("mandatory");
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<QString>("shownNotes"); // empty: no notes area
        QTest::newRow("with notes") << QByteArray("# Faster import") << false << "Download,Later" << "Faster import";
        QTest::newRow("notes missing") << QByteArray() << false << "Download,Later" << "Release notes are not available";
        QTest::newRow("no notes url") << QByteArray() << false << "Download,Later" << "";
        QTest::newRow("mandatory") << QByteArray() << true << "Download" << "";
    }

    void updateDialog()
    {
        QFETCH(QByteArray, notes);
        QFETCH(bool, mandatory);
        QFETCH(QString, buttons);
        QFETCH(QString, shownNotes);
        Artifact artifact = VelmUpdate::Manifest::parse(manifest(), nullptr).artifacts.value(kKey);
        artifact.mandatory = mandatory;
        if (!shownNotes.isEmpty())
            artifact.release_notes_url = base(u"/penwick/1.0.10/release-notes.md"_s);
        if (!notes.isEmpty())
            writeFile(u"/penwick/1.0.10/release-notes.md"_s, notes);
        VelmUpdate::UpdateDialog dialog(artifact, u"1.0.8"_s, u"Velmora Penwick"_s);
        QCOMPARE(buttonTexts(&dialog), buttons);
        QVERIFY(dialog.findChild<QLabel *>(u"checksumLabel"_s)->text().contains(artifact.sha256));
        auto *viewer = dialog.findChild<QTextBrowser *>();
        QCOMPARE(viewer != nullptr, !shownNotes.isEmpty());
        QCOMPARE(dialog.size() == QSize(520, 420), !shownNotes.isEmpty());
        if (viewer)
            QTRY_VERIFY2(viewer->toPlainText().contains(shownNotes), qPrintable(viewer->toPlainText()));
    }

    void whatsNewInteractive_data()
    {
        QTest::addColumn<QByteArray>("ownNotes");
        QTest::addColumn<QByteArray>("newerNotes");
        QTest::addColumn<QString>("shown"); // notes in the dialog; empty: no dialog
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<QString>("message");
        QTest::newRow("own notes") << QByteArray("Own notes") << QByteArray("Newer notes") << "Own notes" << "Close" << "";
        QTest::newRow("newer release's notes") << QByteArray() << QByteArray("Newer notes") << "Newer notes" << "Download 1.0.10,Close" << "";
        QTest::newRow("no notes anywhere") << QByteArray() << QByteArray() << "" << "" << "No release notes available for Velmora Penwick 1.0.8";
    }

    void whatsNewInteractive()
    {
        QFETCH(QByteArray, ownNotes);
        QFETCH(QByteArray, newerNotes);
        QFETCH(QString, shown);
        QFETCH(QString, buttons);
        QFETCH(QString, message);
        if (!ownNotes.isEmpty())
            writeFile(u"/penwick/1.0.8/release-notes.md"_s, ownNotes);
        publish(u"1.0.10"_s, newerNotes);
        QWidget parent;
        QStringList calls;
        VelmUpdate::UpdateUiCallbacks callbacks{[&](const QString &text) { calls << u"progress "_s + text; },
                                                [&] { calls << u"done"_s; },
                                                [&](const QString &text, int ms) { calls << text + u' ' + QString::number(ms); }};
        VelmUpdate::UpdateEntryPoints::showWhatsNewInteractive(config(), u"Velmora Penwick"_s, &parent, callbacks);
        QTRY_VERIFY(calls.contains(u"done"_s));
        QCOMPARE(calls.first(), u"progress Loading release notes…"_s);
        QCOMPARE(calls.size() == 3 ? calls.last() : QString(), message.isEmpty() ? QString() : message + u" 5000"_s);
        auto *dialog = parent.findChild<VelmUpdate::WhatsNewDialog *>();
        QCOMPARE(dialog != nullptr, !shown.isEmpty());
        if (!dialog)
            return;
        QVERIFY(dialog->findChild<QTextBrowser *>()->toPlainText().contains(shown));
        QCOMPARE(buttonTexts(dialog), buttons);
        QCOMPARE(dialog->findChild<QLabel *>(u"runningVersionLabel"_s)->text(), u"You are running version 1.0.8"_s);
    }

    // The Help menu's commands report through the window's status bar.
    void helpMenuAnswers_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("offered"); // empty: no manifest
        QTest::addColumn<QString>("message"); // the status bar message starts with this
        const QString check = u"Check for &Updates..."_s;
        const QString whatsNew = u"What's &New..."_s;
        const QString noNotes = u"No release notes available for Velmora Penwick 1.0.8"_s;
        QTest::newRow("check: up to date") << check << "1.0.8" << "Velmora Penwick is up to date (version 1.0.8)";
        QTest::newRow("check: no manifest") << check << "" << "Update check failed: network error: ";
        QTest::newRow("what's new: up to date, no notes") << whatsNew << "1.0.8" << noNotes;
        QTest::newRow("what's new: no manifest") << whatsNew << "" << noNotes;
    }

    void helpMenuAnswers()
    {
        QFETCH(QString, command);
        QFETCH(QString, offered);
        QFETCH(QString, message);
        if (!offered.isEmpty())
            publish(offered);
        TestApp app;
        MainWindow window(app.state());
        for (QAction *action : window.findChildren<QAction *>()) {
            if (action->text() == command)
                action->trigger();
        }
        QTRY_VERIFY2(window.statusBar()->currentMessage().startsWith(message),
                     qPrintable(window.statusBar()->currentMessage()));
    }

    void parentClosedBeforeAnswer()
    {
        publish(u"1.0.10"_s);
        auto *parent = new QWidget;
        bool done = false;
        VelmUpdate::UpdateEntryPoints::checkForUpdatesInteractive(config(), u"Velmora Penwick"_s, parent,
                                                                  {{}, [&] { done = true; }, {}});
        delete parent;
        QTRY_VERIFY(done);
        for (QWidget *window : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<VelmUpdate::UpdateDialog *>(window));
    }

    void whatsNewAtStart_data()
    {
        QTest::addColumn<QString>("lastShown");
        QTest::addColumn<QString>("legacy");
        QTest::addColumn<bool>("shows");
        QTest::addColumn<QString>("stored");
        QTest::newRow("first start") << "" << "" << true << "1.0.8";
        QTest::newRow("second start") << "1.0.8" << "" << false << "1.0.8";
        QTest::newRow("legacy 1.0.8 copied") << "" << "1.0.8" << false << "1.0.8";
        QTest::newRow("legacy older") << "" << "1.0.7" << true << "1.0.8";
        QTest::newRow("1.0.10 is newer, not older") << "1.0.10" << "" << false << "1.0.10";
    }

    void whatsNewAtStart()
    {
        QFETCH(QString, lastShown);
        QFETCH(QString, legacy);
        QFETCH(bool, shows);
        QFETCH(QString, stored);
        TestDatabase db;
        QVERIFY(db.isReady());
        QSettings().setValue(u"whatsNew/lastShownVersion"_s, lastShown);
        db.preferences->setValue(u"last_whats_new_version"_s, legacy);
        writeFile(u"/penwick/1.0.8/release-notes.md"_s, "Notes of 1.0.8");
        QWidget window;
        UpdateStartup startup(db.preferences, &window);
        QCOMPARE(startup.showWhatsNewIfNew(), shows);
        QCOMPARE(QSettings().value(u"whatsNew/lastShownVersion"_s).toString(), stored);
        if (shows)
            QTRY_VERIFY(window.findChild<VelmUpdate::WhatsNewDialog *>());
    }

    void dismissedVersions_data()
    {
        QTest::addColumn<QString>("dismissed");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<bool>("mandatory");
        QTest::addColumn<bool>("dialog");
        QTest::addColumn<QString>("storedAfterClose");
        QTest::newRow("1.0.9 dismissed, 1.0.9 offered") << "1.0.9" << "1.0.9" << false << false << "1.0.9";
        QTest::newRow("1.0.9 dismissed, 1.0.10 offered") << "1.0.9" << "1.0.10" << false << true << "1.0.10";
        QTest::newRow("mandatory not dismissed by closing") << "" << "1.0.10" << true << true << "";
    }

    void dismissedVersions()
    {
        QFETCH(QString, dismissed);
        QFETCH(QString, offered);
        QFETCH(bool, mandatory);
        QFETCH(bool, dialog);
        QFETCH(QString, storedAfterClose);
        TestDatabase db;
        QVERIFY(db.isReady());
        db.preferences->setValue(u"update_dismissed_version"_s, dismissed);
        publish(offered, {}, mandatory);
        QWidget window;
        UpdateStartup startup(db.preferences, &window);
        QSignalSpy handled(&startup, &UpdateStartup::checkHandled);
        startup.runCheck();
        QVERIFY(handled.wait());
        auto *shown = window.findChild<VelmUpdate::UpdateDialog *>();
        QCOMPARE(shown != nullptr, dialog);
        if (shown)
            QVERIFY(shown->close()); // the window's close control
        QCOMPARE(db.preferences->value(u"update_dismissed_version"_s), storedAfterClose);
    }
};

PENWICK_TEST_MAIN(TestUpdate)
#include "tst_update.moc"
