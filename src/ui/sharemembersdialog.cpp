#include "sharemembersdialog.h"

#include "account/accountclient.h"
#include "account/client.h"
#include "sync/sharingbackend.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace VelmAccount {

namespace {
constexpr int kShareIdRole = Qt::UserRole;
constexpr int kUserIdRole = Qt::UserRole + 1;
} // namespace

ShareMembersDialog::ShareMembersDialog(Client *client, SharingBackend *backend, const QString &accountId,
                                       const Texts &texts, QWidget *parent)
    : QDialog(parent)
    , m_client(client)
    , m_backend(backend)
    , m_accountId(accountId)
    , m_texts(texts)
{
    setWindowTitle(texts.windowTitle);
    setMinimumSize(520, 520);
    resize(560, 560);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    if (!texts.heading.isEmpty()) {
        auto *heading = new QLabel(texts.heading, this);
        QFont font = heading->font();
        font.setPointSize(QApplication::font().pointSize() + 1);
        font.setWeight(QFont::Medium);
        heading->setFont(font);
        layout->addWidget(heading);
    }
    if (!texts.description.isEmpty()) {
        auto *description = new QLabel(texts.description, this);
        description->setWordWrap(true);
        layout->addWidget(description);
    }
    m_addRow = new QWidget(this);
    auto *addLayout = new QHBoxLayout(m_addRow);
    addLayout->setContentsMargins(0, 0, 0, 0);
    m_memberCombo = new QComboBox(m_addRow);
    m_memberCombo->setMinimumWidth(280);
    m_memberCombo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_shareButton = new QPushButton(text(texts.shareButton, tr("Share")), m_addRow);
    addLayout->addWidget(m_memberCombo, 1);
    addLayout->addWidget(m_shareButton);
    layout->addWidget(m_addRow);
    m_noGroupLabel = new QLabel(text(texts.noGroup, tr("Join or create a family group to share accounts.")), this);
    m_noGroupLabel->setWordWrap(true);
    m_noGroupLabel->hide();
    layout->addWidget(m_noGroupLabel);
    layout->addWidget(new QLabel(text(texts.listCaption, tr("Shared with")), this));
    m_list = new QListWidget(this);
    m_list->setMinimumHeight(160);
    layout->addWidget(m_list, 1);
    auto *buttons = new QHBoxLayout;
    m_removeButton = new QPushButton(text(texts.removeButton, tr("Remove Selected")), this);
    m_removeButton->setEnabled(false);
    auto *closeButton = new QPushButton(text(texts.closeButton, tr("Close")), this);
    buttons->addWidget(m_removeButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    connect(m_shareButton, &QPushButton::clicked, this, &ShareMembersDialog::onAddShare);
    connect(m_removeButton, &QPushButton::clicked, this, &ShareMembersDialog::onRemoveSelected);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
        const QListWidgetItem *item = m_list->currentItem();
        m_removeButton->setEnabled(item && m_list->selectedItems().size() == 1
                                   && !item->data(kUserIdRole).toString().isEmpty());
    });
    loadGroupMembers();
    refreshAll();
}

void ShareMembersDialog::loadGroupMembers()
{
    // Answers may arrive after the dialog closed: they then touch nothing.
    const QPointer<ShareMembersDialog> self(this);
    m_client->accountClient()->getProfile([self](bool, const Profile &profile) {
        if (!self)
            return;
        self->m_profileId = profile.id;
        self->m_client->accountClient()->getGroup([self](bool, const Group &group) {
            if (!self)
                return;
            self->m_groupMembers = group.members;
            self->rebuildCombo();
        });
    });
}

void ShareMembersDialog::refreshAll()
{
    m_list->clear();
    m_list->addItem(tr("Loading..."));
    const QPointer<ShareMembersDialog> self(this);
    m_backend->listMembers(m_accountId, [self](const QList<ShareMember> &members) {
        if (self)
            self->loadShares(members);
    });
}

void ShareMembersDialog::loadShares(const QList<ShareMember> &shares)
{
    m_shares = shares;
    m_list->clear();
    for (const ShareMember &share : shares) {
        if (share.role == u"owner")
            continue;
        QString name = share.displayName;
        QString email = share.email;
        if (name.isEmpty() || email.isEmpty()) {
            for (const GroupMember &member : std::as_const(m_groupMembers)) {
                if (m_backend->memberShareId(member) == share.userId) {
                    name = name.isEmpty() ? member.displayName : name;
                    email = email.isEmpty() ? member.email : email;
                    break;
                }
            }
        }
        const QString label = !name.isEmpty() && !email.isEmpty() ? u"%1 (%2)"_s.arg(name, email)
            : !name.isEmpty()                                     ? name
            : !email.isEmpty()                                    ? email
                                                                  : share.userId;
        auto *item = new QListWidgetItem(label, m_list);
        item->setData(kShareIdRole, share.id);
        item->setData(kUserIdRole, share.userId);
    }
    if (m_list->count() == 0) {
        auto *item = new QListWidgetItem(text(m_texts.emptyList, tr("Not shared with anyone yet.")), m_list);
        item->setFlags(Qt::NoItemFlags);
        item->setForeground(QColor(u"#888888"_s));
    }
    rebuildCombo();
}

void ShareMembersDialog::rebuildCombo()
{
    m_memberCombo->clear();
    if (m_groupMembers.isEmpty()) {
        m_addRow->hide();
        m_noGroupLabel->show();
        return;
    }
    m_addRow->show();
    m_noGroupLabel->hide();
    QStringList excluded;
    for (const GroupMember &member : std::as_const(m_groupMembers)) {
        if (member.accountId == m_profileId)
            excluded.append(m_backend->memberShareId(member));
    }
    for (const ShareMember &share : std::as_const(m_shares))
        excluded.append(share.userId);
    for (const GroupMember &member : std::as_const(m_groupMembers)) {
        const QString id = m_backend->memberShareId(member);
        if (excluded.contains(id))
            continue;
        m_memberCombo->addItem(member.displayName.isEmpty() ? member.email
                                                            : u"%1 (%2)"_s.arg(member.displayName, member.email),
                               id);
    }
    if (m_memberCombo->count() == 0) {
        m_memberCombo->addItem(tr("All group members already added"));
        m_memberCombo->setEnabled(false);
    } else {
        m_memberCombo->setEnabled(true);
    }
}

void ShareMembersDialog::onAddShare()
{
    const QString id = m_memberCombo->currentData().toString();
    if (id.isEmpty())
        return;
    const QString entry = m_memberCombo->currentText();
    const QString buttonText = m_shareButton->text();
    m_shareButton->setEnabled(false);
    m_shareButton->setText(tr("Sharing..."));
    const QPointer<ShareMembersDialog> self(this);
    m_backend->shareWith(m_accountId, id, m_texts.role, [self, entry, buttonText](bool ok, const QString &error) {
        if (!self)
            return;
        self->m_shareButton->setEnabled(true);
        self->m_shareButton->setText(buttonText);
        if (ok) {
            emit self->sharingChanged();
            self->refreshAll();
            return;
        }
        QMessageBox::warning(self, self->text(self->m_texts.shareFailedTitle, self->windowTitle()),
                             error.isEmpty() ? tr("Could not share with %1.").arg(entry) : error);
    });
}

void ShareMembersDialog::onRemoveSelected()
{
    const QListWidgetItem *item = m_list->currentItem();
    if (!item || item->data(kUserIdRole).toString().isEmpty())
        return;
    const QString userId = item->data(kUserIdRole).toString();
    const auto answer = QMessageBox::question(
        this, text(m_texts.removeConfirmTitle, tr("Remove Share")),
        text(m_texts.removeConfirmText, tr("Remove %1's access to this item?")).arg(item->text()),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    const QPointer<ShareMembersDialog> self(this);
    m_backend->removeShare(m_accountId, userId, [self](bool ok) {
        if (!self)
            return;
        if (ok) {
            emit self->sharingChanged();
            self->refreshAll();
            return;
        }
        QMessageBox::warning(self, self->text(self->m_texts.removeFailedTitle, self->windowTitle()),
                             tr("Could not remove share."));
    });
}

} // namespace VelmAccount
