#pragma once

#include "update/artifact.h"

#include <QDialog>

namespace VelmUpdate {

class NotesBrowser;

// "Update available": versions, the release notes when the release has them,
// the file's size and SHA-256, and Download (plus Later unless mandatory).
class UpdateDialog final : public QDialog
{
    Q_OBJECT
public:
    UpdateDialog(const Artifact &artifact, const QString &currentVersion, const QString &productName,
                 QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(UpdateDialog)

    bool isMandatory() const { return m_mandatory; }

public slots:
    void onDownloadClicked();
    void onNotesReady(const QString &markdown);

private:
    QUrl m_downloadUrl;
    NotesBrowser *m_notes = nullptr;
    bool m_mandatory = false;
};

} // namespace VelmUpdate
