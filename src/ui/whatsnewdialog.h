#pragma once

#include <QDialog>
#include <QUrl>

namespace VelmUpdate {

class NotesBrowser;

// The release notes of one version; offers "Download" when the notes belong
// to a newer release than the running one.
class WhatsNewDialog final : public QDialog
{
    Q_OBJECT
public:
    WhatsNewDialog(const QString &markdown, const QString &shownVersion, const QString &runningVersion,
                   const QString &productName, QWidget *parent = nullptr, const QUrl &downloadUrl = QUrl());
    Q_DISABLE_COPY_MOVE(WhatsNewDialog)

private:
    NotesBrowser *m_notes;
    QUrl m_downloadUrl;
};

} // namespace VelmUpdate
