#pragma once

#include <QWidget>

class AppState;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

// The preferences window: General, Register, Data & Sync and About pages.
// Every control writes its value at once; there is no OK button.
class SettingsScreen final : public QWidget
{
    Q_OBJECT
public:
    enum class SyncTone { Synced, Syncing, Failed, Other };

    explicit SettingsScreen(AppState *state, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(SettingsScreen)

    // The status line for a signed-in user: the name (or e-mail) and the
    // sync engine's state text, coloured by the kind of state.
    static QString signedInStatus(const QString &user, const QString &stateText, SyncTone tone);

    // Re-reads the deleted accounts and the last-sync time; called each time
    // the window is shown.
    void refresh();

signals:
    // Also after a backup import, which can bring accounts back.
    void deletedAccountRestored();
    // The sync engine's owner answers these.
    void syncNowRequested();
    void forceFullSyncRequested();

public slots:
    void onCategoryChanged(int row);
    void onThemeChanged(int index);
    void onWeekStartChanged(int index);
    void onLanguageChanged(int index);
    void onRegisterOrderChanged(bool checked);
    void onTwoLineModeChanged(bool checked);
    void restoreSelectedAccount();
    // What the sync engine reports: the status line (rich text, see
    // signedInStatus), whether a user is signed in (the sync buttons work
    // only then), whether a cycle is running, and the last error, if any.
    // After a button started a cycle, a call with `syncing` false ends it.
    void setSyncState(const QString &statusText, bool signedIn, bool syncing = false,
                      const QString &lastError = QString());

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *createGeneralPage();
    QWidget *createRegisterPage();
    QWidget *createDataPage();
    QWidget *createAboutPage();
    QVBoxLayout *startPage(QWidget *page, const QString &title);
    void addSection(QVBoxLayout *layout, const QString &title, const QString &description, bool separated);
    QLabel *descriptionLabel(const QString &text, QWidget *parent) const;
    QFrame *separator(QWidget *parent);
    void applyThemeColors();
    void updateSyncControls();
    void updateLastSyncLabel();
    void syncNow();
    void forceFullSync();
    void exportBackup();
    void importBackup();
    void announceRestoredData();

    AppState *m_state;
    QListWidget *m_navigation = nullptr;
    QStackedWidget *m_pages = nullptr;
    QComboBox *m_themeCombo = nullptr;
    QComboBox *m_weekStartCombo = nullptr;
    QComboBox *m_languageCombo = nullptr;
    QCheckBox *m_twoLineCheck = nullptr;
    QCheckBox *m_newestFirstCheck = nullptr;
    QLabel *m_syncStatusLabel = nullptr;
    QLabel *m_lastSyncLabel = nullptr;
    QPushButton *m_syncNowButton = nullptr;
    QPushButton *m_forceSyncButton = nullptr;
    QPushButton *m_exportButton = nullptr;
    QPushButton *m_importButton = nullptr;
    QListWidget *m_deletedList = nullptr;
    QPushButton *m_restoreButton = nullptr;
    QList<QFrame *> m_separators;
    QString m_syncStatusText;
    QString m_syncError;
    bool m_signedIn = false;
    bool m_syncing = false;
    bool m_awaitingSync = false; // a button started a cycle that has not ended
};
