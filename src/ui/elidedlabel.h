#pragma once

#include <QLabel>

// A label that shortens its text with an ellipsis instead of growing, so long
// account names fit the sidebar.
class ElidedLabel final : public QLabel
{
    Q_OBJECT
public:
    explicit ElidedLabel(const QString &text, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ElidedLabel)

    QString fullText() const { return m_fullText; }
    void setText(const QString &text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QString m_fullText;
};
