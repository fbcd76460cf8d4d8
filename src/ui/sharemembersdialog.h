#pragma once

#include "account/accountrecords.h"
#include "sync/sharemember.h"

#include <QDialog>
#include <QList>
#include <QPointer>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace VelmAccount {

class Client;
class SharingBackend;

// Shows who an account is shared with and lets the owner add members of the
// family group or remove them.
class ShareMembersDialog final : public QDialog
{
    Q_OBJECT
public:
    // The caller's texts; empty ones fall back to the dialog's own.
    struct Texts
    {
        QString windowTitle;
        QString heading;
        QString description;
        QString listCaption;
        QString emptyList;
        QString noGroup;
        QString shareButton;
        QString removeButton;
        QString closeButton;
        QString role;
        QString shareFailedTitle;
        QString removeFailedTitle;
        QString removeConfirmTitle;
        QString removeConfirmText; // %1: the member
    };

    ShareMembersDialog(Client *client, SharingBackend *backend, const QString &accountId, const Texts &texts,
                       QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ShareMembersDialog)

signals:
    void sharingChanged();

public slots:
    void refreshAll();
    void onAddShare();
    void onRemoveSelected();

private:
    void loadGroupMembers();
    void loadShares(const QList<ShareMember> &shares);
    void rebuildCombo();
    QString text(const QString &given, const QString &fallback) const { return given.isEmpty() ? fallback : given; }

    Client *m_client;
    SharingBackend *m_backend;
    QString m_accountId;
    Texts m_texts;
    QList<GroupMember> m_groupMembers;
    QList<ShareMember> m_shares;
    QString m_profileId;
    QWidget *m_addRow;
    QComboBox *m_memberCombo;
    QPushButton *m_shareButton;
    QLabel *m_noGroupLabel;
    QListWidget *m_list;
    QPushButton *m_removeButton;
};

} // namespace VelmAccount
