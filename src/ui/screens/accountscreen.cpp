#include "accountscreen.h"

#include "account/accountclient.h"
#include "account/authclient.h"
#include "account/client.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace VelmAccount {

namespace {

constexpr int kReloadDelayMs = 500;
constexpr int kSuccessMs = 3000;
constexpr int kErrorMs = 4000;

QFont fontWith(int pointDelta, int weight = -1)
{
    QFont font = QApplication::font();
    font.setPointSize(qMax(7, QApplication::font().pointSize() + pointDelta));
    if (weight > 0)
        font.setWeight(QFont::Weight(weight));
    return font;
}

QLabel *label(const QString &text, QWidget *parent, int pointDelta = 0, int weight = -1)
{
    auto *l = new QLabel(text, parent);
    l->setFont(fontWith(pointDelta, weight));
    return l;
}

QFrame *separator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

void addSection(QVBoxLayout *layout, const QString &heading, const QString &subtitle = QString())
{
    QWidget *parent = layout->parentWidget();
    layout->addWidget(label(heading, parent, 1, 600));
    if (!subtitle.isEmpty()) {
        QLabel *sub = label(subtitle, parent, -1);
        sub->setWordWrap(true);
        layout->addWidget(sub);
    }
}

void clearLayout(QLayout *layout)
{
    while (QLayoutItem *item = layout->takeAt(0)) {
        if (QWidget *widget = item->widget()) {
            // Out of the tree at once: the rows are rebuilt right after.
            widget->hide();
            widget->setParent(nullptr);
            widget->deleteLater();
        }
        if (QLayout *child = item->layout())
            clearLayout(child);
        delete item;
    }
}

// A page: margins 24, spacing 8, its title, then a body the caller fills.
QVBoxLayout *makePage(QWidget *page, const QString &title)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(8);
    layout->addWidget(label(title, page, 4, 600));
    return layout;
}

// A body that reloads replace wholesale.
QVBoxLayout *addBody(QVBoxLayout *page)
{
    auto *holder = new QWidget(page->parentWidget());
    auto *body = new QVBoxLayout(holder);
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(8);
    page->addWidget(holder);
    return body;
}

} // namespace

AccountScreen::AccountScreen(Client *client, QWidget *parent)
    : QWidget(parent)
    , m_client(client)
    , m_navigation(new QListWidget(this))
    , m_pages(new QStackedWidget(this))
    , m_status(new QLabel(this))
    , m_statusTimer(new QTimer(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_navigation->setObjectName(QStringLiteral("accountNavigation"));
    m_navigation->setFixedWidth(180);
    m_navigation->setSpacing(2);
    m_navigation->addItems({tr("Profile"), tr("Group"), tr("Devices"), tr("Security"), tr("Data & Privacy")});
    applyNavigationStyle();
    layout->addWidget(m_navigation);

    auto *right = new QVBoxLayout;
    m_pages->addWidget(buildProfilePage());
    m_pages->addWidget(buildGroupPage());
    m_pages->addWidget(buildDevicesPage());
    m_pages->addWidget(buildSecurityPage());
    m_pages->addWidget(buildDataPage());
    right->addWidget(m_pages, 1);
    m_status->setObjectName(QStringLiteral("accountStatus"));
    m_status->setFixedHeight(24);
    m_status->setFont(fontWith(-1));
    right->addWidget(m_status);
    layout->addLayout(right, 1);

    m_statusTimer->setSingleShot(true);
    connect(m_statusTimer, &QTimer::timeout, m_status, &QLabel::clear);
    connect(m_navigation, &QListWidget::currentRowChanged, m_pages, &QStackedWidget::setCurrentIndex);
    connect(m_client, &Client::claimsUpdated, this, &AccountScreen::updateOwnerState);
    m_navigation->setCurrentRow(ProfilePage);
}

void AccountScreen::applyNavigationStyle()
{
    const QPalette palette = QApplication::palette();
    m_navigation->setStyleSheet(
        QStringLiteral("QListWidget {  background: %1; border: none; padding: 12px 8px;}"
                       "QListWidget::item {  padding: 8px 12px; border-radius: 6px;}"
                       "QListWidget::item:hover { background: %2; }"
                       "QListWidget::item:selected { background: %3; color: %4; }")
            .arg(palette.color(QPalette::AlternateBase).name(), palette.color(QPalette::Mid).name(),
                 palette.color(QPalette::Highlight).name(), palette.color(QPalette::HighlightedText).name()));
}

void AccountScreen::setPage(int index)
{
    if (index >= 0 && index < m_pages->count())
        m_navigation->setCurrentRow(index);
}

void AccountScreen::refreshAll()
{
    applyNavigationStyle();
    refreshProfile();
    refreshGroup();
    refreshDevices();
    refreshSessions();
}

void AccountScreen::showSuccess(const QString &text)
{
    m_status->setStyleSheet(QStringLiteral("color: #2E7D32; padding: 4px;"));
    m_status->setText(text);
    m_statusTimer->start(kSuccessMs);
}

void AccountScreen::showError(const QString &text)
{
    m_status->setStyleSheet(QStringLiteral("color: #C62828; padding: 4px;"));
    m_status->setText(text);
    m_statusTimer->start(kErrorMs);
}

QString AccountScreen::relativeTime(const QDateTime &time, const QDateTime &now)
{
    if (!time.isValid())
        return tr("Unknown");
    const qint64 s = time.secsTo(now);
    if (s < 60)
        return tr("Active now");
    if (s < 3600)
        return tr("%1m ago").arg(s / 60);
    if (s < 86400)
        return tr("%1h ago").arg(s / 3600);
    if (s < 604800)
        return tr("%1d ago").arg(s / 86400);
    return QLocale().toString(time.toLocalTime().date(), QStringLiteral("MMM d, yyyy"));
}

QString AccountScreen::shortUserAgent(const QString &userAgent)
{
    if (userAgent.isEmpty())
        return tr("Unknown client");
    return userAgent.size() > 60 ? userAgent.left(60) + QStringLiteral("...") : userAgent;
}

// Profile ------------------------------------------------------------------

QWidget *AccountScreen::buildProfilePage()
{
    auto *page = new QWidget(this);
    QVBoxLayout *layout = makePage(page, tr("Profile"));
    addSection(layout, tr("Personal Information"));
    m_nameLabel = new QLabel(page);
    m_nameLabel->setObjectName(QStringLiteral("displayNameLabel"));
    m_emailLabel = new QLabel(page);
    layout->addWidget(m_nameLabel);
    layout->addWidget(m_emailLabel);
    m_editNameButton = new QPushButton(tr("Edit Display Name"), page);
    connect(m_editNameButton, &QPushButton::clicked, this, &AccountScreen::editDisplayName);
    layout->addWidget(m_editNameButton, 0, Qt::AlignLeft);
    layout->addWidget(separator(page));
    addSection(layout, tr("Password"), tr("Change your account password."));
    auto *password = new QPushButton(tr("Change Password"), page);
    connect(password, &QPushButton::clicked, this, &AccountScreen::changePassword);
    layout->addWidget(password, 0, Qt::AlignLeft);
    layout->addStretch(1);
    return page;
}

void AccountScreen::refreshProfile()
{
    QPointer<AccountScreen> self(this);
    m_client->authClient()->fetchCurrentUser([self](bool ok, const User &user) {
        if (!self)
            return;
        if (!ok) {
            self->showError(tr("Could not load your profile."));
            return;
        }
        self->m_nameLabel->setText(user.displayName.isEmpty() ? tr("(not set)") : user.displayName);
        self->m_emailLabel->setText(user.email);
    });
}

void AccountScreen::editDisplayName()
{
    bool accepted = false;
    const QString name = QInputDialog::getText(this, tr("Edit Display Name"), tr("Display name:"), QLineEdit::Normal,
                                               m_client->authClient()->currentUser().displayName, &accepted);
    if (!accepted)
        return;
    m_editNameButton->setEnabled(false);
    QPointer<AccountScreen> self(this);
    m_client->authClient()->updateProfile(name, [self](const User &user) {
        if (!self)
            return;
        self->m_editNameButton->setEnabled(true);
        if (user.id.isEmpty()) {
            self->showError(tr("Failed to update profile."));
            return;
        }
        self->m_nameLabel->setText(user.displayName.isEmpty() ? tr("(not set)") : user.displayName);
        self->showSuccess(tr("Display name updated."));
    });
}

void AccountScreen::changePassword()
{
    bool accepted = false;
    const QString current = QInputDialog::getText(this, tr("Change Password"), tr("Current password:"),
                                                  QLineEdit::Password, QString(), &accepted);
    if (!accepted || current.isEmpty())
        return;
    const QString next = QInputDialog::getText(this, tr("Change Password"), tr("New password (min 8 characters):"),
                                               QLineEdit::Password, QString(), &accepted);
    if (!accepted || next.isEmpty())
        return;
    if (next.size() < 8) {
        showError(tr("Password must be at least 8 characters."));
        return;
    }
    const QString confirm = QInputDialog::getText(this, tr("Change Password"), tr("Confirm new password:"),
                                                  QLineEdit::Password, QString(), &accepted);
    if (!accepted || confirm.isEmpty())
        return;
    if (confirm != next) {
        showError(tr("Passwords do not match."));
        return;
    }
    QPointer<AccountScreen> self(this);
    m_client->authClient()->changePassword(current, next, [self](bool ok) {
        if (!self)
            return;
        ok ? self->showSuccess(tr("Password changed.")) : self->showError(tr("Failed to change password."));
    });
}

// Group --------------------------------------------------------------------

QWidget *AccountScreen::buildGroupPage()
{
    auto *page = new QWidget(this);
    QVBoxLayout *layout = makePage(page, tr("Group"));
    m_groupBody = addBody(layout);
    layout->addStretch(1);
    return page;
}

void AccountScreen::refreshGroup()
{
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->getGroup([self](bool ok, const Group &group) {
        if (!self)
            return;
        QVBoxLayout *body = self->m_groupBody;
        QWidget *parent = body->parentWidget();
        clearLayout(body);
        if (!ok) {
            body->addWidget(new QLabel(tr("Could not load your group."), parent));
            self->showError(tr("Could not load your group."));
            return;
        }
        const QString me = self->m_client->authClient()->userId();
        self->m_owner = self->m_client->claims().role == QLatin1String("owner");
        for (const GroupMember &member : group.members) {
            if (!me.isEmpty() && member.authUserId == me)
                self->m_owner = member.role == QLatin1String("owner");
        }
        self->updateOwnerState();

        if (group.id.isEmpty()) {
            addSection(body, tr("No Group"));
            QLabel *text = label(tr("You're not part of a group. The group owner can invite you, or you can join with "
                                    "an invite code."),
                                 parent);
            text->setWordWrap(true);
            body->addWidget(text);
            auto *join = new QPushButton(tr("Join with Invite Code"), parent);
            connect(join, &QPushButton::clicked, self.data(), &AccountScreen::joinGroup);
            body->addWidget(join, 0, Qt::AlignLeft);
            return;
        }
        body->addWidget(label(tr("%1 of %2 seats used").arg(group.members.size()).arg(group.maxSeats), parent));
        body->addWidget(separator(parent));
        addSection(body, tr("Members"));
        for (const GroupMember &member : group.members) {
            auto *row = new QWidget(parent);
            auto *rowLayout = new QHBoxLayout(row);
            rowLayout->setContentsMargins(0, 0, 0, 0);
            auto *names = new QVBoxLayout;
            names->addWidget(label(member.displayName, row, 0, 500));
            names->addWidget(label(member.email, row, -1));
            rowLayout->addLayout(names, 1);
            const bool memberIsOwner = member.role == QLatin1String("owner");
            if (memberIsOwner) {
                QLabel *badge = label(tr("Owner"), row, -2, 500);
                badge->setStyleSheet(QStringLiteral("color: #00897B;"));
                rowLayout->addWidget(badge);
            } else if (self->m_owner && member.authUserId != me) {
                auto *remove = new QPushButton(tr("Remove"), row);
                const QString name = member.displayName.isEmpty() ? member.email : member.displayName;
                const QString id = member.authUserId.isEmpty() ? member.accountId : member.authUserId;
                connect(remove, &QPushButton::clicked, self.data(), [self, name, id] {
                    self->confirmThen(
                        tr("Remove Member"), tr("Remove %1 from the group?").arg(name),
                        [self, id](std::function<void(bool)> done) {
                            self->m_client->accountClient()->removeMember(id, std::move(done));
                        },
                        tr("%1 removed.").arg(name), tr("Failed to remove %1.").arg(name), &AccountScreen::refreshGroup);
                });
                rowLayout->addWidget(remove);
            }
            body->addWidget(row);
        }

        if (!self->m_owner) {
            auto *leave = new QPushButton(tr("Leave Group"), parent);
            connect(leave, &QPushButton::clicked, self.data(), [self] {
                self->confirmThen(
                    tr("Leave Group"), tr("Leave this group? You will lose access to shared data."),
                    [self](std::function<void(bool)> done) { self->m_client->accountClient()->leaveGroup(std::move(done)); },
                    tr("Left group."), tr("Failed to leave the group."), &AccountScreen::refreshGroup);
            });
            body->addWidget(leave, 0, Qt::AlignLeft);
            return;
        }
        if (!group.pendingInvitations.isEmpty()) {
            body->addWidget(separator(parent));
            addSection(body, tr("Pending Invitations"));
            for (const GroupInvitation &invitation : group.pendingInvitations) {
                auto *row = new QWidget(parent);
                auto *rowLayout = new QHBoxLayout(row);
                rowLayout->setContentsMargins(0, 0, 0, 0);
                rowLayout->addWidget(new QLabel(invitation.invitedEmail.isEmpty()
                                                    ? tr("Invite code: %1").arg(invitation.inviteCode)
                                                    : invitation.invitedEmail,
                                                row),
                                     1);
                auto *revoke = new QPushButton(tr("Revoke"), row);
                const QString id = invitation.id;
                connect(revoke, &QPushButton::clicked, self.data(), [self, id] {
                    self->confirmThen(
                        QString(), QString(),
                        [self, id](std::function<void(bool)> done) {
                            self->m_client->accountClient()->revokeInvitation(id, std::move(done));
                        },
                        tr("Invitation revoked."), tr("Failed to revoke the invitation."), &AccountScreen::refreshGroup);
                });
                rowLayout->addWidget(revoke);
                body->addWidget(row);
            }
        }
        body->addWidget(separator(parent));
        addSection(body, tr("Invite Members"));
        auto *buttons = new QHBoxLayout;
        auto *byEmail = new QPushButton(tr("Invite by Email"), parent);
        connect(byEmail, &QPushButton::clicked, self.data(), &AccountScreen::inviteByEmail);
        auto *code = new QPushButton(tr("Generate Invite Code"), parent);
        connect(code, &QPushButton::clicked, self.data(), &AccountScreen::generateInviteCode);
        buttons->addWidget(byEmail);
        buttons->addWidget(code);
        buttons->addStretch(1);
        body->addLayout(buttons);
    });
}

void AccountScreen::confirmThen(const QString &title, const QString &question,
                                std::function<void(std::function<void(bool)>)> action, const QString &success,
                                const QString &failure, void (AccountScreen::*reload)())
{
    if (!question.isEmpty() && QMessageBox::question(this, title, question) != QMessageBox::Yes)
        return;
    QPointer<AccountScreen> self(this);
    action([self, success, failure, reload](bool ok) {
        if (!self)
            return;
        ok ? self->showSuccess(success) : self->showError(failure);
        QTimer::singleShot(kReloadDelayMs, self.data(), reload);
    });
}

void AccountScreen::joinGroup()
{
    bool accepted = false;
    const QString code = QInputDialog::getText(this, tr("Join Group"), tr("Enter invite code:"), QLineEdit::Normal,
                                               QString(), &accepted)
                             .trimmed();
    if (!accepted || code.isEmpty())
        return;
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->joinGroup(code, [self](bool ok) {
        if (!self)
            return;
        if (!ok) {
            self->showError(tr("Invalid or expired invite code."));
            return;
        }
        self->showSuccess(tr("Joined group."));
        self->refreshGroup();
    });
}

void AccountScreen::inviteByEmail()
{
    bool accepted = false;
    const QString email = QInputDialog::getText(this, tr("Invite by Email"), tr("Email address:"), QLineEdit::Normal,
                                                QString(), &accepted)
                              .trimmed();
    if (!accepted || email.isEmpty())
        return;
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->inviteByEmail(email, [self](bool ok, const GroupInvitation &) {
        if (!self)
            return;
        if (!ok) {
            self->showError(tr("Failed to send invitation."));
            return;
        }
        self->showSuccess(tr("Invitation sent."));
        self->refreshGroup();
    });
}

void AccountScreen::generateInviteCode()
{
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->generateInviteCode([self](bool ok, const GroupInvitation &invitation) {
        if (!self)
            return;
        if (!ok || invitation.inviteCode.isEmpty()) {
            self->showError(tr("Failed to generate code."));
            return;
        }
        self->refreshGroup();
        QMessageBox::information(self, tr("Invite Code"),
                                 tr("Share this code with the person you want to invite:\n\n%1").arg(invitation.inviteCode));
    });
}

// Devices and sessions -----------------------------------------------------

QWidget *AccountScreen::buildDevicesPage()
{
    auto *page = new QWidget(this);
    QVBoxLayout *layout = makePage(page, tr("Devices"));
    addSection(layout, tr("Registered Devices"), tr("Devices that have synced with your account."));
    m_devicesBody = addBody(layout);
    layout->addStretch(1);
    return page;
}

void AccountScreen::refreshDevices()
{
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->getDevices([self](bool ok, const QList<Device> &devices) {
        if (!self)
            return;
        QVBoxLayout *body = self->m_devicesBody;
        QWidget *parent = body->parentWidget();
        clearLayout(body);
        if (!ok) {
            body->addWidget(new QLabel(tr("Could not load your devices."), parent));
            self->showError(tr("Could not load your devices."));
            return;
        }
        if (devices.isEmpty())
            body->addWidget(new QLabel(tr("No devices registered."), parent));
        for (const Device &device : devices) {
            auto *row = new QWidget(parent);
            auto *rowLayout = new QHBoxLayout(row);
            rowLayout->setContentsMargins(12, 6, 0, 6);
            auto *texts = new QVBoxLayout;
            const QString name = device.deviceName.isEmpty() ? tr("Unknown Device") : device.deviceName;
            texts->addWidget(new QLabel(QStringLiteral("<b>%1</b>").arg(name.toHtmlEscaped()), row));
            QString detail = device.platform;
            if (!device.appVersion.isEmpty())
                detail += tr("  ·  v%1").arg(device.appVersion);
            texts->addWidget(label(detail, row, -1));
            texts->addWidget(new QLabel(relativeTime(device.lastSyncAt), row));
            rowLayout->addLayout(texts, 1);
            auto *remove = new QPushButton(tr("Remove"), row);
            const QString id = device.id;
            connect(remove, &QPushButton::clicked, self.data(), [self, id, name] {
                self->confirmThen(
                    tr("Remove Device"), tr("Remove %1?").arg(name),
                    [self, id](std::function<void(bool)> done) {
                        self->m_client->accountClient()->removeDevice(id, std::move(done));
                    },
                    tr("Device removed."), tr("Failed to remove the device."), &AccountScreen::refreshDevices);
            });
            rowLayout->addWidget(remove);
            body->addWidget(row);
        }
    });
}

QWidget *AccountScreen::buildSecurityPage()
{
    auto *page = new QWidget(this);
    QVBoxLayout *layout = makePage(page, tr("Security"));
    addSection(layout, tr("Active Sessions"), tr("Sessions currently signed in to your account."));
    m_sessionsBody = addBody(layout);
    layout->addStretch(1);
    return page;
}

void AccountScreen::refreshSessions()
{
    QPointer<AccountScreen> self(this);
    m_client->authClient()->listSessions([self](bool ok, const QList<Session> &sessions) {
        if (!self)
            return;
        QVBoxLayout *body = self->m_sessionsBody;
        QWidget *parent = body->parentWidget();
        clearLayout(body);
        if (!ok) {
            body->addWidget(new QLabel(tr("Could not load your sessions."), parent));
            self->showError(tr("Could not load your sessions."));
            return;
        }
        if (sessions.isEmpty())
            body->addWidget(new QLabel(tr("No active sessions."), parent));
        for (const Session &session : sessions) {
            auto *row = new QWidget(parent);
            auto *rowLayout = new QHBoxLayout(row);
            rowLayout->setContentsMargins(0, 0, 0, 0);
            auto *texts = new QVBoxLayout;
            texts->addWidget(label(shortUserAgent(session.userAgent), row, 0, 500));
            texts->addWidget(label(session.ipAddress + tr("  ·  %1").arg(session.isCurrent ? tr("This session")
                                                                                          : relativeTime(session.lastActiveAt)),
                                   row, -1));
            rowLayout->addLayout(texts, 1);
            if (session.isCurrent) {
                QLabel *badge = label(tr("Current"), row, 0, 500);
                badge->setStyleSheet(QStringLiteral("color: #2E7D32;"));
                rowLayout->addWidget(badge);
            } else {
                auto *revoke = new QPushButton(tr("Revoke"), row);
                const QString id = session.id;
                connect(revoke, &QPushButton::clicked, self.data(), [self, id] {
                    self->confirmThen(
                        QString(), QString(),
                        [self, id](std::function<void(bool)> done) {
                            self->m_client->authClient()->revokeSession(id, std::move(done));
                        },
                        tr("Session revoked."), tr("Failed to revoke the session."), &AccountScreen::refreshSessions);
                });
                rowLayout->addWidget(revoke);
            }
            body->addWidget(row);
        }
    });
}

// Data & Privacy -----------------------------------------------------------

QWidget *AccountScreen::buildDataPage()
{
    auto *page = new QWidget(this);
    QVBoxLayout *layout = makePage(page, tr("Data & Privacy"));
    addSection(layout, tr("Danger Zone"));
    QLabel *text = new QLabel(tr("Permanently delete your account. This cannot be undone after 30 days."), page);
    text->setWordWrap(true);
    layout->addWidget(text);
    m_deleteButton = new QPushButton(tr("Delete Account"), page);
    m_deleteButton->setStyleSheet(QStringLiteral(
        "QPushButton { color: white; background: #C62828; border: none;  border-radius: 4px; padding: 6px 16px; "
        "font-weight: 600; }QPushButton:hover { background: #B71C1C; }QPushButton:disabled { background: #666; }"));
    connect(m_deleteButton, &QPushButton::clicked, this, &AccountScreen::deleteAccount);
    layout->addWidget(m_deleteButton, 0, Qt::AlignLeft);
    m_ownerNote = label(tr("You are the group owner. Transfer ownership or remove all members before deleting your "
                           "account."),
                        page, -1);
    m_ownerNote->setWordWrap(true);
    layout->addWidget(m_ownerNote);
    layout->addStretch(1);
    updateOwnerState();
    return page;
}

void AccountScreen::updateOwnerState()
{
    if (!m_deleteButton)
        return;
    m_deleteButton->setEnabled(!m_owner);
    m_ownerNote->setVisible(m_owner);
}

void AccountScreen::deleteAccount()
{
    bool accepted = false;
    const QString typed = QInputDialog::getText(
        this, tr("Delete Account"),
        tr("This will schedule your account for permanent deletion after 30 days.\n\nType DELETE to confirm:"),
        QLineEdit::Normal, QString(), &accepted);
    if (!accepted || typed != QLatin1String("DELETE"))
        return;
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->deleteAccount([self](bool ok) {
        if (!self)
            return;
        if (!ok) {
            self->showError(tr("Failed to delete account."));
            return;
        }
        QMessageBox::information(self, tr("Account Scheduled for Deletion"),
                                 tr("Your account will be permanently deleted in 30 days. You can recover it by "
                                    "signing in before then."));
        emit self->logoutRequested();
    });
}

} // namespace VelmAccount
