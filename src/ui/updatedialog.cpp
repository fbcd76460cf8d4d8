#include "updatedialog.h"

#include "notesbrowser.h"
#include "update/linkpolicy.h"
#include "update/releasenotesfetcher.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace VelmUpdate {

UpdateDialog::UpdateDialog(const Artifact &artifact, const QString &currentVersion, const QString &productName,
                           QWidget *parent)
    : QDialog(parent)
    , m_downloadUrl(artifact.url)
    , m_mandatory(artifact.mandatory)
{
    setWindowTitle(tr("Update available"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);

    auto *headline = new QLabel(tr("A new version of %1 is available.").arg(productName), this);
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() + 1);
    headline->setFont(bold);
    layout->addWidget(headline);
    layout->addWidget(new QLabel(tr("You have version %1. The latest version is %2.").arg(currentVersion, artifact.version), this));

    if (artifact.release_notes_url.isValid()) {
        m_notes = new NotesBrowser(this);
        m_notes->setPlaceholderText(tr("Loading release notes…"));
        m_notes->setMinimumHeight(150);
        layout->addWidget(m_notes);
        auto *fetcher = new ReleaseNotesFetcher(artifact.release_notes_url, QStringLiteral("update-dialog"), this);
        connect(fetcher, &ReleaseNotesFetcher::notesReady, this, &UpdateDialog::onNotesReady);
        connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, this,
                [this] { m_notes->setMarkdown(tr("*Release notes are not available for this version.*")); });
        fetcher->start();
    }

    // So the person can check the downloaded file before running it.
    auto *checksum = new QLabel(tr("Size: %1\nSHA-256: %2")
                                    .arg(QLocale().formattedDataSize(artifact.size), artifact.sha256), this);
    checksum->setTextInteractionFlags(Qt::TextSelectableByMouse);
    checksum->setObjectName(QStringLiteral("checksumLabel"));
    layout->addWidget(checksum);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *download = buttons->addButton(tr("Download"), QDialogButtonBox::AcceptRole);
    download->setDefault(true);
    connect(download, &QPushButton::clicked, this, &UpdateDialog::onDownloadClicked);
    if (!artifact.mandatory)
        connect(buttons->addButton(tr("Later"), QDialogButtonBox::RejectRole), &QPushButton::clicked, this,
                &QDialog::reject);
    layout->addWidget(buttons);

    if (m_notes)
        resize(520, 420);
}

void UpdateDialog::onDownloadClicked()
{
    if (m_downloadUrl.isValid() && !m_downloadUrl.isEmpty() && isAllowedLink(m_downloadUrl)) {
        if (!QDesktopServices::openUrl(m_downloadUrl))
            qWarning() << "VelmUpdate: QDesktopServices::openUrl failed for:" << m_downloadUrl;
    } else {
        qWarning("VelmUpdate: download URL is empty or invalid");
    }
    accept();
}

void UpdateDialog::onNotesReady(const QString &markdown)
{
    if (m_notes)
        m_notes->setMarkdown(markdown);
}

} // namespace VelmUpdate
