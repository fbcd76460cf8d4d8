#include "notesbrowser.h"

#include "update/linkpolicy.h"

#include <QDesktopServices>

namespace VelmUpdate {

NotesBrowser::NotesBrowser(QWidget *parent)
    : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &NotesBrowser::openLink);
}

QVariant NotesBrowser::loadResource(int, const QUrl &)
{
    return {};
}

void NotesBrowser::openLink(const QUrl &url)
{
    if (!isAllowedLink(url)) {
        qWarning() << "VelmUpdate: refusing to open link from release notes:" << url.toDisplayString();
        return;
    }
    if (!QDesktopServices::openUrl(url))
        qWarning() << "VelmUpdate: QDesktopServices::openUrl failed for:" << url;
}

} // namespace VelmUpdate
