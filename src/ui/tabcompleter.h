#pragma once

#include <QCompleter>

// A completer that also accepts the highlighted completion with Tab or
// Shift+Tab and then moves on, as the register's field order expects.
class TabCompleter final : public QCompleter
{
    Q_OBJECT
public:
    explicit TabCompleter(QObject *parent = nullptr);
    TabCompleter(const QStringList &completions, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(TabCompleter)

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void acceptCompletion(bool backwards);
};
