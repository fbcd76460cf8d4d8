#include "whatsnewdialog.h"

#include "notesbrowser.h"
#include "update/linkpolicy.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace VelmUpdate {

WhatsNewDialog::WhatsNewDialog(const QString &markdown, const QString &shownVersion, const QString &runningVersion,
                               const QString &productName, QWidget *parent, const QUrl &downloadUrl)
    : QDialog(parent)
    , m_notes(new NotesBrowser(this))
    , m_downloadUrl(downloadUrl)
{
    setWindowTitle(tr("What's New in %1 %2").arg(productName, shownVersion));
    setModal(false);
    resize(520, 420);
    auto *layout = new QVBoxLayout(this);

    auto *heading = new QLabel(tr("What's new in %1 %2").arg(productName, shownVersion), this);
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() + 2);
    heading->setFont(bold);
    layout->addWidget(heading);

    m_notes->setMarkdown(markdown);
    layout->addWidget(m_notes);

    auto *bottom = new QHBoxLayout;
    auto *running = new QLabel(tr("You are running version %1").arg(runningVersion), this);
    running->setObjectName(QStringLiteral("runningVersionLabel"));
    running->setStyleSheet(QStringLiteral("color: gray; font-size: 11px;"));
    bottom->addWidget(running);
    bottom->addStretch();
    auto *buttons = new QDialogButtonBox(this);
    if (downloadUrl.isValid() && isAllowedLink(downloadUrl)) {
        QPushButton *download = buttons->addButton(tr("Download %1").arg(shownVersion), QDialogButtonBox::AcceptRole);
        connect(download, &QPushButton::clicked, this, [this] {
            if (!QDesktopServices::openUrl(m_downloadUrl))
                qWarning() << "VelmUpdate: QDesktopServices::openUrl failed for:" << m_downloadUrl;
            accept();
        });
    }
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
}

} // namespace VelmUpdate
