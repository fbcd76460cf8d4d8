#pragma once

#include <QMainWindow>

class AppState;

class MainWindow final : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(AppState *state, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(MainWindow)

private:
    AppState *m_state;
};
