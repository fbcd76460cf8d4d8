#include "welcomescreen.h"

#include "iconfont.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

WelcomeScreen::WelcomeScreen(QWidget *parent)
    : QWidget(parent)
{
    const int basePoint = QApplication::font().pointSize();

    auto *icon = new QLabel(materialIconGlyph(0xE850), this);
    icon->setFont(materialIconFont(96));
    icon->setAlignment(Qt::AlignCenter);
    icon->setStyleSheet(u"color: #4DB6AC;"_s);

    auto *title = new QLabel(tr("Welcome to Velmora Penwick"), this);
    QFont titleFont = QApplication::font();
    titleFont.setPointSize(basePoint + 8);
    titleFont.setWeight(QFont::DemiBold);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    auto *text = new QLabel(tr("Keep your cheque book on this computer, or sign in to your Velmora account "
                               "to use the same register on all your devices."),
                            this);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    text->setMaximumWidth(480);
    text->setStyleSheet(u"color: #6E8A7E;"_s);

    auto *createButton = new QPushButton(tr("Create an Account"), this);
    createButton->setObjectName(u"createAccountButton"_s);
    createButton->setDefault(true);
    createButton->setMinimumSize(180, 40);
    createButton->setCursor(Qt::PointingHandCursor);
    createButton->setStyleSheet(
        u"QPushButton {  background-color: #00897B;  color: white;  border: none;  border-radius: 4px;  "
        "padding: 6px 16px;  font-weight: 600;  min-width: 80px;}QPushButton:hover {  background-color: #00796B;}"
        "QPushButton:pressed {  background-color: #004D40;}"_s);
    connect(createButton, &QPushButton::clicked, this, &WelcomeScreen::createAccountRequested);

    auto *signInButton = new QPushButton(tr("Sign In..."), this);
    signInButton->setObjectName(u"signInButton"_s);
    signInButton->setMinimumSize(180, 40);
    signInButton->setCursor(Qt::PointingHandCursor);
    connect(signInButton, &QPushButton::clicked, this, &WelcomeScreen::signInRequested);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addStretch();
    buttons->addWidget(createButton);
    buttons->addWidget(signInButton);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addStretch();
    layout->addWidget(icon);
    layout->addSpacing(8);
    layout->addWidget(title);
    // Centred by stretches rather than alignment, so the wrapped text gets the height it needs.
    auto *textRow = new QHBoxLayout;
    textRow->addStretch();
    textRow->addWidget(text, 1);
    textRow->addStretch();
    layout->addLayout(textRow);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    layout->addStretch();
}
