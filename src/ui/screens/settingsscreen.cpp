#include "settingsscreen.h"

#include "app/appconfig.h"
#include "app/appstate.h"
#include "app/palettecolors.h"
#include "app/thememanager.h"
#include "services/accountworkflowservice.h"
#include "services/backupservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "ui/iconfont.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString kDescriptionColor = u"#6E8A7E"_s;
constexpr int kIconSize = 20;

struct NavigationEntry
{
    char16_t glyph;
    const char *title;
};

const NavigationEntry kNavigation[] = {
    {0xE8B8, QT_TRANSLATE_NOOP("SettingsScreen", "General")},
    {0xE8EF, QT_TRANSLATE_NOOP("SettingsScreen", "Register")},
    {0xE627, QT_TRANSLATE_NOOP("SettingsScreen", "Data & Sync")},
    {0xE88E, QT_TRANSLATE_NOOP("SettingsScreen", "About")},
};

int basePointSize()
{
    return QApplication::font().pointSize();
}

QFont sizedFont(int delta, QFont::Weight weight)
{
    QFont font = QApplication::font();
    font.setPointSize(qMax(7, basePointSize() + delta));
    font.setWeight(weight);
    return font;
}

QPixmap glyphPixmap(char16_t glyph, const QColor &color, qreal ratio)
{
    QPixmap pixmap(QSize(kIconSize, kIconSize) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setFont(materialIconFont(kIconSize));
    painter.setPen(color);
    painter.drawText(QRect(0, 0, kIconSize, kIconSize), Qt::AlignCenter, materialIconGlyph(glyph));
    return pixmap;
}

// On the selected row the glyph takes the row's white text colour; the
// style would otherwise tint it into the highlight.
QIcon glyphIcon(char16_t glyph, const QColor &color, qreal ratio)
{
    QIcon icon;
    icon.addPixmap(glyphPixmap(glyph, color, ratio), QIcon::Normal);
    icon.addPixmap(glyphPixmap(glyph, Qt::white, ratio), QIcon::Selected);
    return icon;
}

QString primaryButtonStyle()
{
    return u"QPushButton {  background-color: %1;  color: white;  border: none;  border-radius: 4px;  "
           "padding: 6px 16px;  font-weight: 600;  min-width: 80px;}QPushButton:hover {  background-color: #00796B;}"
           "QPushButton:pressed {  background-color: #004D40;}QPushButton:disabled {  background-color: #9BB0A3;}"_s
        .arg(u"#00897B"_s);
}

// Section contents sit indented under their header.
QVBoxLayout *indented(QVBoxLayout *parent, int indent)
{
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(indent, 0, 0, 0);
    layout->setSpacing(8);
    parent->addLayout(layout);
    return layout;
}

} // namespace

SettingsScreen::SettingsScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
{
    m_navigation = new QListWidget(this);
    m_navigation->setObjectName(u"settingsNavigation"_s);
    m_navigation->setSpacing(2);
    m_navigation->setIconSize(QSize(kIconSize, kIconSize));
    int widest = 0;
    QFont selected = m_navigation->font(); // the current page's name is bold
    selected.setBold(true);
    for (const NavigationEntry &entry : kNavigation) {
        m_navigation->addItem(tr(entry.title));
        widest = qMax(widest, QFontMetrics(selected).horizontalAdvance(tr(entry.title)));
    }
    // Wide enough for the longest page name in any language.
    m_navigation->setFixedWidth(qMax(180, widest + kIconSize + 56));
    m_navigation->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(u"settingsPages"_s);
    // Each page scrolls rather than clipping when a translation runs long.
    for (QWidget *page : {createGeneralPage(), createRegisterPage(), createDataPage(), createAboutPage()}) {
        auto *scroll = new QScrollArea(m_pages);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setWidget(page);
        m_pages->addWidget(scroll);
    }

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_navigation);
    layout->addWidget(m_pages, 1);

    connect(m_navigation, &QListWidget::currentRowChanged, this, &SettingsScreen::onCategoryChanged);
    m_navigation->setCurrentRow(0);
    if (ThemeManager *theme = m_state->themeManager())
        connect(theme, &ThemeManager::themeChanged, this, &SettingsScreen::applyThemeColors);
    applyThemeColors();
    updateSyncControls();
}

void SettingsScreen::onCategoryChanged(int row)
{
    if (row >= 0 && row < m_pages->count())
        m_pages->setCurrentIndex(row);
}

QVBoxLayout *SettingsScreen::startPage(QWidget *page, const QString &title)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(0);
    auto *label = new QLabel(title, page);
    label->setFont(sizedFont(4, QFont::DemiBold));
    label->setWordWrap(true);
    layout->addWidget(label);
    layout->addSpacing(12);
    return layout;
}

QLabel *SettingsScreen::descriptionLabel(const QString &text, QWidget *parent) const
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setFont(sizedFont(-2, QFont::Normal));
    label->setStyleSheet(u"color: %1;"_s.arg(kDescriptionColor));
    return label;
}

QFrame *SettingsScreen::separator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFixedHeight(1);
    m_separators.append(line);
    return line;
}

void SettingsScreen::addSection(QVBoxLayout *layout, const QString &title, const QString &description,
                                bool separated)
{
    QWidget *page = layout->parentWidget();
    if (separated) {
        layout->addSpacing(16);
        layout->addWidget(separator(page));
        layout->addSpacing(12);
    }
    auto *titleLabel = new QLabel(title, page);
    titleLabel->setFont(sizedFont(1, QFont::Medium));
    titleLabel->setWordWrap(true);
    layout->addWidget(titleLabel);
    layout->addWidget(descriptionLabel(description, page));
    layout->addSpacing(8);
}

QWidget *SettingsScreen::createGeneralPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(u"generalPage"_s);
    PreferencesRepository *preferences = m_state->preferencesRepository();
    QVBoxLayout *layout = startPage(page, tr("General"));

    addSection(layout, tr("Appearance"), tr("Control how Velmora Penwick looks."), false);
    auto *appearance = new QFormLayout;
    appearance->setContentsMargins(12, 0, 0, 0);
    appearance->setHorizontalSpacing(16);
    appearance->setVerticalSpacing(12);
    appearance->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_themeCombo = new QComboBox(page);
    m_themeCombo->setObjectName(u"themeCombo"_s);
    m_themeCombo->addItem(tr("System Default"), u"system"_s);
    m_themeCombo->addItem(tr("Light"), u"light"_s);
    m_themeCombo->addItem(tr("Dark"), u"dark"_s);
    m_themeCombo->setCurrentIndex(qMax(0, m_themeCombo->findData(preferences->value(u"theme"_s, u"system"_s))));
    appearance->addRow(tr("Theme"), m_themeCombo);
    layout->addLayout(appearance);

    addSection(layout, tr("Regional"), tr("Date and calendar preferences."), true);
    auto *regional = new QFormLayout;
    regional->setContentsMargins(12, 0, 0, 0);
    regional->setHorizontalSpacing(16);
    regional->setVerticalSpacing(12);
    regional->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_weekStartCombo = new QComboBox(page);
    m_weekStartCombo->setObjectName(u"weekStartCombo"_s);
    m_weekStartCombo->addItem(tr("Sunday"), 7);
    m_weekStartCombo->addItem(tr("Monday"), 1);
    m_weekStartCombo->addItem(tr("Saturday"), 6);
    bool stored = false;
    const int storedDay = preferences->value(u"weekStartDay"_s).toInt(&stored);
    const int day = stored && storedDay >= 1 && storedDay <= 7 ? storedDay : weekStartDay();
    m_weekStartCombo->setCurrentIndex(m_weekStartCombo->findData(day));
    regional->addRow(tr("Week starts on"), m_weekStartCombo);

    m_languageCombo = new QComboBox(page);
    m_languageCombo->setObjectName(u"languageCombo"_s);
    m_languageCombo->addItem(tr("System Default"), u"system"_s);
    // Each language by its own name, so it can be found whatever is shown now.
    m_languageCombo->addItem(u"English"_s, u"en"_s);
    m_languageCombo->addItem(u"Español"_s, u"es"_s);
    m_languageCombo->addItem(u"Deutsch"_s, u"de"_s);
    m_languageCombo->addItem(u"Français"_s, u"fr"_s);
    m_languageCombo->addItem(u"日本語"_s, u"ja"_s);
    m_languageCombo->setCurrentIndex(m_languageCombo->findData(currentLanguage(false)));
    regional->addRow(tr("Language"), m_languageCombo);
    layout->addLayout(regional);
    layout->addStretch();

    // Both forms' fields start at one edge, however long a translated label is.
    QList<QWidget *> labels{appearance->labelForField(m_themeCombo), regional->labelForField(m_weekStartCombo),
                            regional->labelForField(m_languageCombo)};
    int labelWidth = 0;
    for (QWidget *label : labels)
        labelWidth = qMax(labelWidth, label->sizeHint().width());
    for (QWidget *label : labels)
        label->setMinimumWidth(labelWidth);

    // Connected only now: filling the boxes is not a choice.
    connect(m_themeCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onThemeChanged);
    connect(m_weekStartCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onWeekStartChanged);
    connect(m_languageCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onLanguageChanged);
    return page;
}

QWidget *SettingsScreen::createRegisterPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(u"registerPage"_s);
    PreferencesRepository *preferences = m_state->preferencesRepository();
    QVBoxLayout *layout = startPage(page, tr("Register"));

    const auto addCheck = [&](const QString &text, const QString &key, const QString &explanation) {
        QVBoxLayout *contents = indented(layout, 12);
        contents->setSpacing(4);
        auto *check = new QCheckBox(text, page);
        check->setChecked(preferences->boolValue(key, false));
        contents->addWidget(check);
        auto *line = descriptionLabel(explanation, page);
        line->setContentsMargins(24 - 12, 0, 0, 0);
        contents->addWidget(line);
        return check;
    };

    addSection(layout, tr("Display"), tr("How transactions appear in the register."), false);
    m_twoLineCheck = addCheck(tr("Two-line rows"), u"registerTwoLine"_s, tr("Show memo on a second line below the payee."));
    m_twoLineCheck->setObjectName(u"twoLineCheck"_s);

    addSection(layout, tr("Sorting"), tr("Control the order of transactions in the register."), true);
    m_newestFirstCheck = addCheck(tr("Show newest transactions first"), u"registerNewestFirst"_s,
                                  tr("When enabled, the most recent transactions appear at the top."));
    m_newestFirstCheck->setObjectName(u"newestFirstCheck"_s);
    layout->addStretch();

    connect(m_twoLineCheck, &QCheckBox::toggled, this, &SettingsScreen::onTwoLineModeChanged);
    connect(m_newestFirstCheck, &QCheckBox::toggled, this, &SettingsScreen::onRegisterOrderChanged);
    return page;
}

QWidget *SettingsScreen::createDataPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(u"dataPage"_s);
    QVBoxLayout *layout = startPage(page, tr("Data & Sync"));

    addSection(layout, tr("Sync"), tr("Keep your data in sync across all your devices."), false);
    QVBoxLayout *sync = indented(layout, 12);
    m_syncStatusLabel = new QLabel(page);
    m_syncStatusLabel->setObjectName(u"syncStatusLabel"_s);
    m_syncStatusLabel->setWordWrap(true);
    sync->addWidget(m_syncStatusLabel);
    m_lastSyncLabel = descriptionLabel(QString(), page);
    m_lastSyncLabel->setObjectName(u"lastSyncLabel"_s);
    sync->addWidget(m_lastSyncLabel);
    auto *syncButtons = new QHBoxLayout;
    syncButtons->setContentsMargins(0, 8, 0, 0);
    m_syncNowButton = new QPushButton(tr("Sync Now"), page);
    m_syncNowButton->setObjectName(u"syncNowButton"_s);
    m_syncNowButton->setStyleSheet(primaryButtonStyle());
    m_forceSyncButton = new QPushButton(tr("Force Full Sync"), page);
    m_forceSyncButton->setObjectName(u"forceFullSyncButton"_s);
    syncButtons->addWidget(m_syncNowButton);
    syncButtons->addWidget(m_forceSyncButton);
    syncButtons->addStretch();
    sync->addLayout(syncButtons);

    addSection(layout, tr("Backup & Restore"), tr("Save or restore your data to a portable backup file."), true);
    auto *backupButtons = new QHBoxLayout;
    backupButtons->setContentsMargins(12, 0, 0, 0);
    backupButtons->setSpacing(8); // the page's own spacing is none
    m_exportButton = new QPushButton(tr("Export Backup"), page);
    m_exportButton->setObjectName(u"exportBackupButton"_s);
    m_importButton = new QPushButton(tr("Import Backup"), page);
    m_importButton->setObjectName(u"importBackupButton"_s);
    backupButtons->addWidget(m_exportButton);
    backupButtons->addWidget(m_importButton);
    backupButtons->addStretch();
    layout->addLayout(backupButtons);

    addSection(layout, tr("Deleted Accounts"), tr("Accounts you've deleted can be restored here."), true);
    QVBoxLayout *deleted = indented(layout, 12);
    m_deletedList = new QListWidget(page);
    m_deletedList->setObjectName(u"deletedAccountsList"_s);
    m_deletedList->setMaximumHeight(120);
    deleted->addWidget(m_deletedList);
    auto *restoreRow = new QHBoxLayout;
    restoreRow->addStretch();
    m_restoreButton = new QPushButton(tr("Restore Selected"), page);
    m_restoreButton->setObjectName(u"restoreAccountButton"_s);
    m_restoreButton->setStyleSheet(primaryButtonStyle());
    m_restoreButton->setEnabled(false);
    restoreRow->addWidget(m_restoreButton);
    deleted->addLayout(restoreRow);
    layout->addStretch();

    connect(m_syncNowButton, &QPushButton::clicked, this, &SettingsScreen::syncNow);
    connect(m_forceSyncButton, &QPushButton::clicked, this, &SettingsScreen::forceFullSync);
    connect(m_exportButton, &QPushButton::clicked, this, &SettingsScreen::exportBackup);
    connect(m_importButton, &QPushButton::clicked, this, &SettingsScreen::importBackup);
    connect(m_deletedList, &QListWidget::itemSelectionChanged, this,
            [this] { m_restoreButton->setEnabled(!m_deletedList->selectedItems().isEmpty()); });
    connect(m_restoreButton, &QPushButton::clicked, this, &SettingsScreen::restoreSelectedAccount);
    return page;
}

QWidget *SettingsScreen::createAboutPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(u"aboutPage"_s);
    QVBoxLayout *layout = startPage(page, tr("About"));
    layout->addSpacing(16);

    auto *name = new QLabel(tr("Velmora Penwick"), page);
    name->setFont(sizedFont(8, QFont::DemiBold));
    layout->addWidget(name);
    auto *version = new QLabel(tr("Version %1").arg(QCoreApplication::applicationVersion()), page);
    version->setStyleSheet(u"color: %1;"_s.arg(kDescriptionColor));
    layout->addWidget(version);
    layout->addSpacing(16);
    auto *purpose = new QLabel(tr("A cheque-book register for keeping your household accounts."), page);
    purpose->setWordWrap(true);
    layout->addWidget(purpose);
    layout->addSpacing(16);
    layout->addWidget(separator(page));
    layout->addSpacing(12);

    auto *linksTitle = new QLabel(tr("Links"), page);
    linksTitle->setFont(sizedFont(1, QFont::Medium));
    layout->addWidget(linksTitle);
    auto *links = new QLabel(tr("<a href=\"https://velmora.example/penwick\">Velmora Penwick website</a><br>"
                                "<a href=\"https://apps.velmora.example/penwick\">Velmora Penwick for mobile</a>"),
                             page);
    links->setObjectName(u"aboutLinks"_s);
    links->setTextFormat(Qt::RichText);
    links->setOpenExternalLinks(true);
    links->setWordWrap(true);
    links->setContentsMargins(12, 4, 0, 0);
    layout->addWidget(links);
    layout->addStretch();

    auto *footer = new QLabel(tr("Built with the Qt framework, used under the GNU Lesser General Public License "
                                 "version 3."),
                              page);
    footer->setWordWrap(true);
    footer->setStyleSheet(u"color: %1; font-size: %2pt;"_s.arg(kDescriptionColor).arg(qMax(7, basePointSize() - 2)));
    layout->addWidget(footer);
    return page;
}

void SettingsScreen::applyThemeColors()
{
    const bool dark = isDarkPalette();
    m_navigation->setStyleSheet(
        u"QListWidget {  background: %1;  border: none;  padding: 12px 8px;}QListWidget::item {  color: %2;  "
        "padding: 8px 12px;  border-radius: 6px;}QListWidget::item:hover {  background: %3;}"
        "QListWidget::item:selected {  background: %4;  color: %5;}"_s
            .arg(dark ? u"#152420"_s : u"#F0F4F2"_s, dark ? u"#D8E8DF"_s : u"#1B2D26"_s,
                 dark ? u"#1E3530"_s : u"#E0EBE5"_s, dark ? u"#26574A"_s : u"#00897B"_s, u"#FFFFFF"_s));
    const QColor iconColor(dark ? u"#8FAF9F"_s : u"#4A6358"_s);
    const qreal ratio = devicePixelRatioF();
    for (int row = 0; row < m_navigation->count(); ++row)
        m_navigation->item(row)->setIcon(glyphIcon(kNavigation[row].glyph, iconColor, ratio));
    const QString lineStyle = u"background: %1; border: none;"_s.arg(dark ? u"#2A4038"_s : u"#D8E0DB"_s);
    for (QFrame *line : std::as_const(m_separators))
        line->setStyleSheet(lineStyle);
}

void SettingsScreen::onThemeChanged(int index)
{
    if (ThemeManager *theme = m_state->themeManager())
        theme->setTheme(m_themeCombo->itemData(index).toString());
}

void SettingsScreen::onWeekStartChanged(int index)
{
    const int day = m_weekStartCombo->itemData(index).toInt();
    if (day < 1 || day > 7)
        return;
    // Process-wide first, so views that reload on the stored change see it.
    weekStartDay() = day;
    m_state->preferencesRepository()->setInt(u"weekStartDay"_s, day);
}

void SettingsScreen::onLanguageChanged(int index)
{
    const QString code = m_languageCombo->itemData(index).toString();
    if (code.isEmpty() || code == currentLanguage(false))
        return;
    setLanguage(code);
    QMessageBox::information(this, tr("Language Changed"),
                             tr("The new language will take effect the next time you start Velmora Penwick."));
}

void SettingsScreen::onRegisterOrderChanged(bool checked)
{
    m_state->preferencesRepository()->setBool(u"registerNewestFirst"_s, checked);
}

void SettingsScreen::onTwoLineModeChanged(bool checked)
{
    m_state->preferencesRepository()->setBool(u"registerTwoLine"_s, checked);
}

void SettingsScreen::refresh()
{
    m_deletedList->clear();
    m_restoreButton->setEnabled(false);
    for (const Account &account : m_state->accountRepository()->findDeleted()) {
        auto *item = new QListWidgetItem(account.name, m_deletedList);
        item->setData(Qt::UserRole, account.id);
    }
    updateSyncControls();
    updateLastSyncLabel();
}

void SettingsScreen::setSyncState(const QString &statusText, bool signedIn, bool syncing, const QString &lastError)
{
    m_syncStatusText = statusText;
    m_signedIn = signedIn;
    m_syncing = syncing;
    m_syncError = lastError;
    // The cycle a button asked for has ended (or can no longer run).
    if (m_awaitingSync && (!syncing || !signedIn)) {
        m_awaitingSync = false;
        refresh();
        return;
    }
    updateSyncControls();
    updateLastSyncLabel();
}

QString SettingsScreen::signedInStatus(const QString &user, const QString &stateText, SyncTone tone)
{
    const bool dark = isDarkPalette();
    QString color;
    switch (tone) {
    case SyncTone::Synced:
        color = dark ? u"#66BB6A"_s : u"#2E7D32"_s;
        break;
    case SyncTone::Syncing:
        color = u"#00897B"_s;
        break;
    case SyncTone::Failed:
        color = dark ? u"#FF8A80"_s : u"#C62828"_s;
        break;
    case SyncTone::Other:
        color = dark ? u"#FFA726"_s : u"#E65100"_s;
        break;
    }
    return tr("<b>Signed in as:</b> %1<br><b>Status:</b> <span style=\"color:%2\">%3</span>")
        .arg(user.toHtmlEscaped(), color, stateText.toHtmlEscaped());
}

void SettingsScreen::showEvent(QShowEvent *event)
{
    // Pages scroll down, never sideways: the window is at least as wide as
    // the widest row of buttons in the chosen language. Measured once shown,
    // when fonts and style sheets are in effect; the styled buttons' own
    // hints are only honoured as explicit minimums.
    for (QPushButton *button : {m_syncNowButton, m_restoreButton})
        button->setMinimumWidth(button->sizeHint().width());
    for (int i = 0; i < m_pages->count(); ++i) {
        auto *scroll = qobject_cast<QScrollArea *>(m_pages->widget(i));
        if (scroll && scroll->widget()) {
            scroll->widget()->layout()->activate();
            scroll->setMinimumWidth(scroll->widget()->minimumSizeHint().width()
                                    + scroll->verticalScrollBar()->sizeHint().width());
        }
    }
    QWidget::showEvent(event);
}

void SettingsScreen::updateSyncControls()
{
    if (m_signedIn) {
        m_syncStatusLabel->setTextFormat(Qt::RichText);
        m_syncStatusLabel->setText(m_syncStatusText);
    } else {
        m_syncStatusLabel->setTextFormat(Qt::PlainText);
        m_syncStatusLabel->setText(tr("Not signed in.\nSign in via File › Velmora Account to enable sync."));
    }
    // Nothing may be pushed or pulled for nobody.
    m_syncNowButton->setEnabled(m_signedIn && !m_awaitingSync);
    m_forceSyncButton->setEnabled(m_signedIn && !m_awaitingSync);
    m_syncNowButton->setText(m_awaitingSync ? tr("Syncing...") : tr("Sync Now"));
}

void SettingsScreen::updateLastSyncLabel()
{
    const QString stored = m_state->preferencesRepository()->value(u"lastSyncTimestamp"_s);
    QString text;
    if (stored.isEmpty()) {
        text = tr("Never synced");
    } else {
        const QDateTime when = QDateTime::fromString(stored, Qt::ISODate);
        text = tr("Last synced: %1")
                   .arg(when.isValid() ? when.toLocalTime().toString(u"MMM d, h:mm ap"_s) : stored);
    }
    if (!m_syncError.isEmpty())
        text += tr("\nError: %1").arg(m_syncError);
    m_lastSyncLabel->setText(text);
}

void SettingsScreen::syncNow()
{
    if (!m_signedIn)
        return;
    m_awaitingSync = true;
    updateSyncControls();
    emit syncNowRequested();
}

void SettingsScreen::forceFullSync()
{
    if (!m_signedIn)
        return;
    QMessageBox box(QMessageBox::Question, tr("Force Full Sync"),
                    tr("This will re-upload every local row to the server and re-download all server data. Use "
                       "this if data appears out of sync between devices.\n\nContinue?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() != QMessageBox::Yes)
        return;
    m_awaitingSync = true;
    updateSyncControls();
    emit forceFullSyncRequested();
}

void SettingsScreen::exportBackup()
{
    const QString proposed = u"penwick-backup-%1.zip"_s.arg(QDate::currentDate().toString(u"yyyy-MM-dd"_s));
    const QString path = QFileDialog::getSaveFileName(this, tr("Export Backup"), proposed, tr("ZIP Files (*.zip)"));
    if (path.isEmpty())
        return;
    m_exportButton->setEnabled(false);
    m_exportButton->setText(tr("Exporting..."));
    const WriteResult result = m_state->backupService()->exportBackupTo(path);
    m_exportButton->setEnabled(true);
    m_exportButton->setText(tr("Export Backup"));
    if (result)
        QMessageBox::information(this, tr("Backup Complete"), tr("Backup saved to:\n%1").arg(path));
    else
        QMessageBox::warning(this, tr("Backup Failed"), result.error);
}

void SettingsScreen::importBackup()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import Backup"), QString(), tr("ZIP Files (*.zip)"));
    if (path.isEmpty())
        return;
    const QList<BackupImportMode> modes{BackupImportMode::Replace, BackupImportMode::KeepNewer,
                                        BackupImportMode::SkipExisting};
    QStringList labels;
    for (BackupImportMode mode : modes)
        labels.append(BackupService::modeLabel(mode));
    bool chosen = false;
    const QString label = QInputDialog::getItem(this, tr("Import Mode"), tr("How should existing data be handled?"),
                                                labels, 0, false, &chosen);
    if (!chosen)
        return;
    const BackupImportMode mode = modes.value(labels.indexOf(label), BackupImportMode::Replace);

    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        QMessageBox::warning(this, tr("Import Failed"), tr("Could not read file."));
        return;
    }
    file.close();

    BackupService *backups = m_state->backupService();
    if (mode == BackupImportMode::Replace) {
        // Replacing overwrites rows for good: keep what is here now first.
        const QString safetyPath = backups->safetyBackupPath(QDateTime::currentDateTime());
        QMessageBox box(QMessageBox::Warning, tr("Replace Data"),
                        tr("Rows in the backup will replace the rows with the same identity here.\n\nA copy of "
                           "your current data is saved first to:\n%1\n\nContinue?")
                            .arg(QDir::toNativeSeparators(safetyPath)),
                        QMessageBox::Yes | QMessageBox::No, this);
        box.setDefaultButton(QMessageBox::No);
        if (box.exec() != QMessageBox::Yes)
            return;
        const WriteResult safety = backups->exportBackupTo(safetyPath);
        if (!safety) {
            QMessageBox::warning(this, tr("Backup Failed"),
                                 tr("Nothing was imported: the current data could not be saved first.\n\n%1")
                                     .arg(safety.error));
            return;
        }
    }

    m_importButton->setEnabled(false);
    m_importButton->setText(tr("Importing..."));
    const BackupImportResult result = backups->importBackup(bytes, mode);
    m_importButton->setEnabled(true);
    m_importButton->setText(tr("Import Backup"));
    if (!result.failure.isEmpty()) {
        QMessageBox::warning(this, tr("Import Failed"), result.failure);
        return;
    }

    announceRestoredData();
    refresh();
    QString summary = tr("Imported %1 items, skipped %2.").arg(result.importedTotal()).arg(result.skippedTotal());
    if (!result.errors.isEmpty())
        summary += tr("\n\n%n error(s) occurred.", nullptr, int(result.errors.size()));
    QMessageBox::information(this, tr("Import Complete"), summary);
    emit deletedAccountRestored();
}

void SettingsScreen::announceRestoredData()
{
    // The restore wrote straight to the tables: every open window rereads
    // them, so none goes on showing (or editing) rows that were replaced.
    emit m_state->accountRepository()->accountsChanged();
    m_state->categoryRepository()->notifyChanged();
    m_state->transactionRepository()->notifyChanged(QString());
    emit m_state->recurringRepository()->recurringChanged();
    emit m_state->reconciliationRepository()->reconciliationsChanged();
}

void SettingsScreen::restoreSelectedAccount()
{
    const QList<QListWidgetItem *> selected = m_deletedList->selectedItems();
    if (selected.isEmpty())
        return;
    const QString id = selected.first()->data(Qt::UserRole).toString();
    const WriteResult result = m_state->accountWorkflowService()->restore(id);
    refresh();
    if (!result) {
        QMessageBox::warning(this, tr("Restore Account"), result.error);
        return;
    }
    emit deletedAccountRestored();
}
