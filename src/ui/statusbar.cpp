#include "statusbar.h"

#include "app/palettecolors.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

using namespace Qt::StringLiterals;

namespace {

QString mutedTextColor()
{
    return isDarkPalette() ? u"#8FAF9F"_s : u"#2A3D33"_s;
}

QString dueTextColor()
{
    return isDarkPalette() ? u"#FFA726"_s : u"#E65100"_s;
}

} // namespace

StatusBar::StatusBar(QWidget *parent)
    : QStatusBar(parent)
    , m_accountCountLabel(new QLabel(this))
    , m_recurringDueLabel(new QLabel(this))
    , m_progressLabel(new QLabel(this))
    , m_busyIndicator(new QProgressBar(this))
    , m_syncLabel(new QLabel(tr("Offline"), this))
{
    setObjectName(u"StatusBar"_s);
    setStyleSheet(u"QStatusBar {  padding: 2px 4px;}QStatusBar::item { border: none; }"_s);

    const QFont font = QApplication::font();
    for (QLabel *label : {m_accountCountLabel, m_recurringDueLabel, m_progressLabel, m_syncLabel})
        label->setFont(font);

    m_accountCountLabel->setObjectName(u"accountCountLabel"_s);
    m_recurringDueLabel->setObjectName(u"recurringDueLabel"_s);
    m_progressLabel->setObjectName(u"progressLabel"_s);
    m_busyIndicator->setObjectName(u"busyIndicator"_s);
    m_syncLabel->setObjectName(u"syncLabel"_s);

    // A range of 0..0 makes the bar indeterminate.
    m_busyIndicator->setRange(0, 0);
    m_busyIndicator->setMaximumSize(100, 14);
    m_busyIndicator->setTextVisible(false);

    addWidget(m_accountCountLabel);
    addWidget(m_recurringDueLabel);
    addPermanentWidget(m_progressLabel);
    addPermanentWidget(m_busyIndicator);
    addPermanentWidget(m_syncLabel);

    m_recurringDueLabel->hide();
    m_progressLabel->hide();
    m_busyIndicator->hide();
}

QString StatusBar::recurringDueText() const
{
    return m_recurringDueLabel->isHidden() ? QString() : m_recurringDueLabel->text();
}

QString StatusBar::syncText() const
{
    return m_syncLabel->text();
}

QString StatusBar::progressText() const
{
    return m_progressLabel->isHidden() ? QString() : m_progressLabel->text();
}

bool StatusBar::isProgressShown() const
{
    return !m_busyIndicator->isHidden();
}

void StatusBar::setAccountCount(int count)
{
    m_accountCountLabel->setText(tr("%n account(s)", nullptr, count));
}

void StatusBar::setRecurringDueCount(int count)
{
    if (count <= 0) {
        m_recurringDueLabel->hide();
        return;
    }
    m_recurringDueLabel->setText(tr("  •  %n recurring due", nullptr, count));
    m_recurringDueLabel->setStyleSheet(u"color: %1; font-weight: bold;"_s.arg(dueTextColor()));
    m_recurringDueLabel->show();
}

void StatusBar::setSyncText(const QString &text)
{
    m_syncLabel->setText(text);
}

void StatusBar::showStatusMessage(const QString &text, int milliseconds)
{
    hideProgress();
    showMessage(text, milliseconds);
}

void StatusBar::showProgress(const QString &text)
{
    m_progressLabel->setText(text);
    m_progressLabel->show();
    m_busyIndicator->show();
}

void StatusBar::hideProgress()
{
    m_progressLabel->hide();
    m_busyIndicator->hide();
}

void StatusBar::applyThemeColors()
{
    // The due label keeps its colour until its count is next set.
    const QString style = u"color: %1;"_s.arg(mutedTextColor());
    m_syncLabel->setStyleSheet(style);
    m_accountCountLabel->setStyleSheet(style);
}
