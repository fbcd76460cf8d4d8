#pragma once

#include <QWidget>

// First-run page: offers to create the first account or to sign in.
class WelcomeScreen final : public QWidget
{
    Q_OBJECT
public:
    explicit WelcomeScreen(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(WelcomeScreen)

signals:
    void createAccountRequested();
    void signInRequested();
};
