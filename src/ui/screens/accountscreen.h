#pragma once

#include <QDateTime>
#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTimer;
class QVBoxLayout;

namespace VelmAccount {

class Client;

// The signed-in user's online account: name and password, family group,
// devices, sessions, and deletion of the account.
class AccountScreen final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccountScreen)

public:
    enum Page { ProfilePage = 0, GroupPage, DevicesPage, SecurityPage, DataPage };

    explicit AccountScreen(Client *client, QWidget *parent = nullptr);

    void setPage(int index);
    void refreshAll();
    void refreshProfile();
    void refreshGroup();
    void refreshDevices();
    void refreshSessions();

    // "Active now", "5m ago", "3h ago", "2d ago" or the date.
    static QString relativeTime(const QDateTime &time, const QDateTime &now = QDateTime::currentDateTimeUtc());
    static QString shortUserAgent(const QString &userAgent);

signals:
    void logoutRequested();

private:
    QWidget *buildProfilePage();
    QWidget *buildGroupPage();
    QWidget *buildDevicesPage();
    QWidget *buildSecurityPage();
    QWidget *buildDataPage();
    void applyNavigationStyle();
    void showSuccess(const QString &text);
    void showError(const QString &text);
    void updateOwnerState();

    void editDisplayName();
    void changePassword();
    void joinGroup();
    void inviteByEmail();
    void generateInviteCode();
    void deleteAccount();
    // Runs a removal after the person confirmed it; the success text shows
    // once the server agreed, then the page reloads.
    void confirmThen(const QString &title, const QString &question,
                     std::function<void(std::function<void(bool)>)> action, const QString &success,
                     const QString &failure, void (AccountScreen::*reload)());

    Client *m_client;
    QListWidget *m_navigation;
    QStackedWidget *m_pages;
    QLabel *m_status;
    QTimer *m_statusTimer;
    QLabel *m_nameLabel = nullptr;
    QLabel *m_emailLabel = nullptr;
    QPushButton *m_editNameButton = nullptr;
    QVBoxLayout *m_groupBody = nullptr;
    QVBoxLayout *m_devicesBody = nullptr;
    QVBoxLayout *m_sessionsBody = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QLabel *m_ownerNote = nullptr;
    // From the group's member list when it names the user, else the token's claims.
    bool m_owner = false;
};

} // namespace VelmAccount
