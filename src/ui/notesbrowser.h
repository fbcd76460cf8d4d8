#pragma once

#include <QTextBrowser>

namespace VelmUpdate {

// Shows release notes written in Markdown. The notes come from a server, so
// only https links (http to this machine) open in the browser and nothing,
// not even an image, is loaded from disk or network into the view.
class NotesBrowser final : public QTextBrowser
{
    Q_OBJECT
public:
    explicit NotesBrowser(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(NotesBrowser)

    QVariant loadResource(int type, const QUrl &name) override;

private:
    void openLink(const QUrl &url);
};

} // namespace VelmUpdate
