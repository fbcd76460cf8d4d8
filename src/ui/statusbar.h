#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;

// The main window's status bar. It holds no data of its own: the main window
// tells it the account count, the due recurring entries, the sync state and
// the update check's progress.
class StatusBar final : public QStatusBar
{
    Q_OBJECT
public:
    explicit StatusBar(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(StatusBar)

    QString recurringDueText() const;
    QString syncText() const;
    QString progressText() const;
    bool isProgressShown() const;

public slots:
    void setAccountCount(int count);
    void setRecurringDueCount(int count);
    void setSyncText(const QString &text);
    // Unlike QStatusBar::showMessage this first clears a running progress
    // display, so a final message never sits next to a spinning indicator.
    void showStatusMessage(const QString &text, int milliseconds);
    void showProgress(const QString &text);
    void hideProgress();
    void applyThemeColors();

private:
    QLabel *m_accountCountLabel;
    QLabel *m_recurringDueLabel;
    QLabel *m_progressLabel;
    QProgressBar *m_busyIndicator;
    QLabel *m_syncLabel;
};
