#include "accountrowwidget.h"

#include "app/money.h"
#include "elidedlabel.h"
#include "iconfont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

int smallPointSize()
{
    return qMax(7, QApplication::font().pointSize() - 2);
}

} // namespace

AccountRowWidget::AccountRowWidget(const Account &account, qint64 balance, QWidget *parent)
    : QWidget(parent)
    , m_accountId(account.id)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(6, 8, 8, 8);
    row->setSpacing(8);

    auto *icon = new QLabel(materialIconGlyph(iconCodePoint(account.account_type)), this);
    icon->setObjectName(u"iconLabel"_s);
    icon->setFixedSize(24, 24);
    icon->setAlignment(Qt::AlignCenter);
    icon->setFont(materialIconFont(22));
    icon->setStyleSheet(u"color: #4DB6AC;"_s);
    row->addWidget(icon, 0, Qt::AlignVCenter);

    auto *block = new QVBoxLayout;
    block->setSpacing(3);
    row->addLayout(block, 1);

    auto *firstLine = new QHBoxLayout;
    firstLine->setSpacing(8);
    block->addLayout(firstLine);

    m_nameLabel = new ElidedLabel(account.name, this);
    m_nameLabel->setObjectName(u"nameLabel"_s);
    QFont nameFont = QApplication::font();
    nameFont.setWeight(QFont::Medium);
    m_nameLabel->setFont(nameFont);
    m_nameLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_nameLabel->setStyleSheet(u"color: #FFFFFF;"_s);
    m_nameLabel->setToolTip(account.name);
    firstLine->addWidget(m_nameLabel, 1);

    m_balanceLabel = new QLabel(formatMoney(balance, account.currency), this);
    m_balanceLabel->setObjectName(u"balanceLabel"_s);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSize(QApplication::font().pointSize());
    m_balanceLabel->setFont(mono);
    m_balanceLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_balanceLabel->setStyleSheet(u"color: %1;"_s.arg(balanceColor(balance).name(QColor::HexRgb).toUpper()));
    m_balanceLabel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    m_balanceLabel->setMinimumWidth(QFontMetrics(mono).horizontalAdvance(m_balanceLabel->text()) + 4);
    firstLine->addWidget(m_balanceLabel);

    m_subtitleLabel = new QLabel(subtitle(account), this);
    m_subtitleLabel->setObjectName(u"subtitleLabel"_s);
    QFont small = QApplication::font();
    small.setPointSize(smallPointSize());
    m_subtitleLabel->setFont(small);
    m_subtitleLabel->setStyleSheet(u"color: #8FAF9F;"_s);
    block->addWidget(m_subtitleLabel);
}

char16_t AccountRowWidget::iconCodePoint(AccountType type)
{
    switch (type) {
    case AccountType::Checking:
        return 0xE84F;
    case AccountType::Savings:
        return 0xE2EB;
    case AccountType::CreditCard:
        return 0xE870;
    case AccountType::Cash:
        return 0xE57D;
    case AccountType::Investment:
        return 0xE8E5;
    case AccountType::Other:
        break;
    }
    return 0xE850;
}

QString AccountRowWidget::typeLabel(AccountType type)
{
    switch (type) {
    case AccountType::Checking:
        return tr("Checking");
    case AccountType::Savings:
        return tr("Savings");
    case AccountType::CreditCard:
        return tr("Credit Card");
    case AccountType::Cash:
        return tr("Cash");
    case AccountType::Investment:
        return tr("Investment");
    case AccountType::Other:
        break;
    }
    return tr("Other");
}

QString AccountRowWidget::subtitle(const Account &account)
{
    QString text = account.institution.isEmpty() ? typeLabel(account.account_type) : account.institution;
    if (!account.account_number_last4.isEmpty())
        text += u"  ·  *%1"_s.arg(account.account_number_last4);
    return text;
}

QColor AccountRowWidget::balanceColor(qint64 balance)
{
    return balance < 0 ? QColor(0xFF, 0x8A, 0x80) : QColor(0x66, 0xBB, 0x6A);
}
