#include "importscreen.h"

#include "app/appstate.h"
#include "services/accountworkflowservice.h"
#include "services/importmapping.h"
#include "services/importservice.h"
#include "services/importsummary.h"
#include "storage/accountrepository.h"
#include "ui/accountformdialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString kCreate = u"__create__"_s;
const QString kSkip = u"__skip__"_s;
constexpr int kPreviewRows = 5;

QString fileName(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

} // namespace

ImportScreen::ImportScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
{
    setObjectName(u"importScreen"_s);
    m_pages = new QStackedWidget(this);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(m_pages);

    // Page 0: the form.
    auto *form = new QWidget(m_pages);
    auto *layout = new QVBoxLayout(form);
    auto *title = new QLabel(tr("Import Transactions"), form);
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() + 4);
    titleFont.setWeight(QFont::DemiBold);
    title->setFont(titleFont);
    layout->addWidget(title);

    auto *fields = new QFormLayout;
    m_csv = new QRadioButton(tr("CSV"), form);
    m_csv->setObjectName(u"csvFormat"_s);
    m_qif = new QRadioButton(tr("QIF"), form);
    m_qif->setObjectName(u"qifFormat"_s);
    m_ofx = new QRadioButton(tr("OFX / QFX"), form);
    m_ofx->setObjectName(u"ofxFormat"_s);
    auto *formats = new QHBoxLayout;
    formats->addWidget(m_csv);
    formats->addWidget(m_qif);
    formats->addWidget(m_ofx);
    formats->addStretch();
    auto *formatGroup = new QButtonGroup(this);
    formatGroup->addButton(m_csv);
    formatGroup->addButton(m_qif);
    formatGroup->addButton(m_ofx);
    auto *formatLabel = new QLabel(tr("&Format:"), form);
    formatLabel->setBuddy(m_csv);
    fields->addRow(formatLabel, formats);
    m_account = new QComboBox(form);
    m_account->setObjectName(u"importAccount"_s);
    m_accountLabel = new QLabel(tr("&Account:"), form);
    m_accountLabel->setBuddy(m_account);
    fields->addRow(m_accountLabel, m_account);
    m_fileLabel = new QLabel(form);
    m_fileLabel->setObjectName(u"fileLabel"_s);
    auto *browse = new QPushButton(tr("Browse..."), form);
    browse->setObjectName(u"browseButton"_s);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(m_fileLabel, 1);
    fileRow->addWidget(browse);
    fields->addRow(tr("File:"), fileRow);
    layout->addLayout(fields);

    m_csvGroup = new QGroupBox(tr("CSV Column Mapping:"), form);
    auto *csvForm = new QFormLayout(m_csvGroup);
    const QStringList columnLabels{tr("Date column:"), tr("Payee column:"), tr("Amount column:"), tr("Memo column:"),
                                   tr("Category column:")};
    for (int i = 0; i < columnLabels.size(); ++i) {
        auto *combo = new QComboBox(m_csvGroup);
        combo->setObjectName(u"column%1"_s.arg(i));
        m_columns.append(combo);
        csvForm->addRow(columnLabels.at(i), combo);
    }
    m_dateFormat = new QComboBox(m_csvGroup);
    m_dateFormat->setObjectName(u"dateFormat"_s);
    m_dateFormat->addItems({u"MM/dd/yyyy"_s, u"dd/MM/yyyy"_s, u"yyyy-MM-dd"_s, u"MM/dd/yy"_s, u"M/d/yyyy"_s});
    csvForm->addRow(tr("Date format:"), m_dateFormat);
    m_header = new QCheckBox(tr("First row is header"), m_csvGroup);
    m_header->setObjectName(u"headerRow"_s);
    m_header->setChecked(true);
    csvForm->addRow(m_header);
    layout->addWidget(m_csvGroup);

    m_preview = new QTableWidget(form);
    m_preview->setObjectName(u"csvPreview"_s);
    m_preview->setMaximumHeight(150);
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->verticalHeader()->setVisible(false);
    m_preview->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(m_preview);

    m_qifGroup = new QGroupBox(tr("QIF source accounts:"), form);
    auto *qifLayout = new QVBoxLayout(m_qifGroup);
    m_mappingHint = new QLabel(m_qifGroup);
    m_mappingHint->setWordWrap(true);
    qifLayout->addWidget(m_mappingHint);
    m_mappingForm = new QFormLayout;
    qifLayout->addLayout(m_mappingForm);
    layout->addWidget(m_qifGroup);
    layout->addStretch();

    m_importButton = new QPushButton(tr("Import"), form);
    m_importButton->setObjectName(u"importButton"_s);
    m_importButton->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_importButton);
    layout->addLayout(buttons);
    m_pages->addWidget(form);

    // Page 1: the summary.
    auto *result = new QWidget(m_pages);
    auto *resultLayout = new QVBoxLayout(result);
    m_summary = new QLabel(result);
    m_summary->setObjectName(u"summaryLabel"_s);
    m_summary->setWordWrap(true);
    m_summary->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    resultLayout->addWidget(m_summary, 1);
    auto *done = new QPushButton(tr("Done"), result);
    done->setObjectName(u"doneButton"_s);
    auto *doneRow = new QHBoxLayout;
    doneRow->addStretch();
    doneRow->addWidget(done);
    resultLayout->addLayout(doneRow);
    m_pages->addWidget(result);

    connect(m_csv, &QRadioButton::toggled, this, &ImportScreen::onFormatChanged);
    connect(m_ofx, &QRadioButton::toggled, this, &ImportScreen::onFormatChanged);
    connect(browse, &QPushButton::clicked, this, &ImportScreen::selectFile);
    connect(m_importButton, &QPushButton::clicked, this, &ImportScreen::runImport);
    connect(done, &QPushButton::clicked, this, &ImportScreen::finish);

    reset();
}

bool ImportScreen::isQifMode() const
{
    return m_qif->isChecked();
}

bool ImportScreen::isOfxMode() const
{
    return m_ofx->isChecked();
}

QString ImportScreen::summaryText() const
{
    return m_summary->text();
}

bool ImportScreen::isShowingSummary() const
{
    return m_pages->currentIndex() == 1;
}

void ImportScreen::prepare()
{
    reset();
    fillAccounts();
}

void ImportScreen::fillAccounts()
{
    const QString current = m_account->currentData().toString();
    m_account->clear();
    for (const Account &account : m_state->accountRepository()->findAll())
        m_account->addItem(account.name, account.id);
    if (const int index = m_account->findData(current); index >= 0)
        m_account->setCurrentIndex(index);
}

void ImportScreen::reset()
{
    m_csvPath.clear();
    m_qifPaths.clear();
    m_fileLabel->setText(tr("No file selected"));
    m_fileLabel->setToolTip(QString());
    m_csv->setChecked(true);
    m_csvRows.clear();
    m_preview->clear();
    m_preview->setRowCount(0);
    m_preview->setColumnCount(0);
    clearMappingRows();
    m_summary->clear();
    m_lastFailed = false;
    m_pages->setCurrentIndex(0);
    onFormatChanged();
}

void ImportScreen::onFormatChanged()
{
    const bool qif = isMappingMode();
    m_csvGroup->setVisible(!qif);
    m_preview->setVisible(!qif);
    m_accountLabel->setVisible(!qif);
    m_account->setVisible(!qif);
    // Files analysed as QIF are no OFX download, nor the other way round.
    if (!qif || (!m_qifPaths.isEmpty() && m_pathsAreOfx != isOfxMode()))
        clearMappingRows();
    if (qif && !m_qifPaths.isEmpty() && m_pathsAreOfx != isOfxMode()) {
        m_qifPaths.clear();
        m_fileLabel->setText(tr("No file selected"));
        m_fileLabel->setToolTip(QString());
    }
    if (isOfxMode()) {
        m_qifGroup->setTitle(tr("Statement accounts:"));
        m_mappingHint->setText(tr("Choose where each bank or card account of the download should be imported. "
                                  "Transactions already imported from an earlier download are skipped."));
    } else {
        m_qifGroup->setTitle(tr("QIF source accounts:"));
        m_mappingHint->setText(tr("Choose where each Quicken account should be imported. Accounts mapped across "
                                  "the selected files will have their transfers linked automatically."));
    }
    m_qifGroup->setVisible(qif && !m_mappingSelectors.isEmpty());
}

void ImportScreen::clearMappingRows()
{
    while (m_mappingForm->rowCount() > 0)
        m_mappingForm->removeRow(0);
    m_mappingSelectors.clear();
    m_sources.clear();
    m_qifGroup->hide();
}

void ImportScreen::refuse(const QString &text)
{
    QMessageBox::warning(this, tr("Import Transactions"), text);
}

void ImportScreen::selectFile()
{
    if (isQifMode()) {
        clearMappingRows();
        const QStringList paths =
            QFileDialog::getOpenFileNames(this, tr("Select QIF File(s)"), QString(), tr("QIF Files (*.qif)"));
        if (!paths.isEmpty())
            chooseMapped(paths);
        return;
    }
    if (isOfxMode()) {
        clearMappingRows();
        const QStringList paths = QFileDialog::getOpenFileNames(this, tr("Select OFX/QFX File(s)"), QString(),
                                                                tr("OFX Files (*.ofx *.qfx)"));
        if (!paths.isEmpty())
            chooseMapped(paths);
        return;
    }
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Select File"), QString(), tr("CSV Files (*.csv);;All Files (*)"));
    if (!path.isEmpty())
        chooseCsv(path);
}

bool ImportScreen::chooseFiles(const QStringList &paths)
{
    if (paths.isEmpty())
        return false;
    // A QFX file is an OFX file with a bank's sign-on added.
    const auto kind = [](const QString &path) {
        const QString suffix = QFileInfo(path).suffix().toLower();
        return suffix == u"qfx"_s ? u"ofx"_s : suffix;
    };
    const QString suffix = kind(paths.constFirst());
    for (const QString &path : paths) {
        const QString own = kind(path);
        if ((own != u"qif"_s && own != u"csv"_s && own != u"ofx"_s) || own != suffix) {
            refuse(tr("%1 is not a QIF, OFX or CSV file.").arg(fileName(path)));
            return false;
        }
    }
    if (suffix == u"qif"_s || suffix == u"ofx"_s) {
        (suffix == u"qif"_s ? m_qif : m_ofx)->setChecked(true);
        return chooseMapped(paths);
    }
    if (paths.size() > 1) {
        refuse(tr("Choose one CSV file at a time."));
        return false;
    }
    m_csv->setChecked(true);
    return chooseCsv(paths.constFirst());
}

bool ImportScreen::chooseCsv(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(tr("The file %1 cannot be read.").arg(fileName(path)));
        return false;
    }
    QString error;
    const QList<QStringList> rows = ImportService::parseCsv(QString::fromUtf8(file.readAll()), &error);
    if (!error.isEmpty() || rows.isEmpty()) {
        refuse(tr("%1 holds no CSV rows that can be read.").arg(fileName(path)));
        return false;
    }
    m_csvPath = path;
    m_qifPaths.clear();
    m_fileLabel->setText(fileName(path));
    m_fileLabel->setToolTip(path);
    buildPreview(rows);
    return true;
}

void ImportScreen::buildPreview(const QList<QStringList> &rows)
{
    m_csvRows = rows;
    const QStringList &first = rows.constFirst();
    const int columns = int(first.size());
    for (int i = 0; i < m_columns.size(); ++i) {
        QComboBox *combo = m_columns.at(i);
        const int keep = combo->currentIndex();
        combo->clear();
        if (i >= 3)
            combo->addItem(tr("(none)"), -1);
        for (int c = 0; c < columns; ++c)
            combo->addItem(tr("Col %1: %2").arg(c).arg(first.at(c).left(20)), c);
        if (keep >= 0 && keep < combo->count())
            combo->setCurrentIndex(keep);
    }
    if (columns >= 3) {
        for (int i = 0; i < 3; ++i)
            m_columns.at(i)->setCurrentIndex(i);
    }

    const int shown = int(qMin<qsizetype>(kPreviewRows, rows.size()));
    m_preview->clear();
    m_preview->setColumnCount(columns);
    m_preview->setRowCount(shown);
    QStringList headers;
    for (int c = 0; c < columns; ++c)
        headers << tr("Col %1").arg(c);
    m_preview->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < shown; ++r) {
        for (int c = 0; c < columns && c < rows.at(r).size(); ++c)
            m_preview->setItem(r, c, new QTableWidgetItem(rows.at(r).at(c)));
    }
}

bool ImportScreen::chooseMapped(const QStringList &paths)
{
    clearMappingRows();
    for (const QString &path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            refuse(tr("The file %1 cannot be read.").arg(fileName(path)));
            return false;
        }
    }
    const bool ofx = isOfxMode();
    m_qifPaths = paths;
    m_pathsAreOfx = ofx;
    m_csvPath.clear();
    if (paths.size() == 1) {
        m_fileLabel->setText(fileName(paths.constFirst()));
        m_fileLabel->setToolTip(paths.constFirst());
    } else {
        m_fileLabel->setText(tr("%n file(s) selected", nullptr, int(paths.size())));
        m_fileLabel->setToolTip(paths.join(u'\n'));
    }

    QProgressDialog busy(ofx ? tr("Analyzing OFX file(s)...") : tr("Analyzing QIF file(s)..."), QString(), 0, 0,
                         this);
    busy.setWindowModality(Qt::WindowModal);
    busy.setMinimumDuration(200);
    busy.setCancelButton(nullptr);
    QCoreApplication::processEvents();
    ImportService *service = m_state->importService();
    const QifAnalysis analysis = ofx ? service->analyzeOfxFiles(paths) : service->analyzeQifFiles(paths);
    busy.close();

    if (analysis.totalRecords == 0 || !analysis.error.isEmpty()) {
        m_qifPaths.clear();
        m_fileLabel->setText(tr("No file selected"));
        m_fileLabel->setToolTip(QString());
        if (!analysis.error.isEmpty())
            refuse(analysis.error);
        else if (ofx)
            refuse(tr("No transactions were found: the chosen file(s) hold no bank or card transactions."));
        else
            refuse(tr("No transactions were found: the chosen file(s) are not QIF files with transactions."));
        return false;
    }
    for (const QifSourceAccount &source : analysis.accounts)
        addMappingRow(source);
    m_qifGroup->setVisible(!m_mappingSelectors.isEmpty());
    return true;
}

void ImportScreen::addMappingRow(const QifSourceAccount &source)
{
    auto *combo = new QComboBox(m_qifGroup);
    combo->setObjectName(u"mapping%1"_s.arg(m_mappingSelectors.size()));
    combo->addItem(tr("— Create new account \"%1\" —").arg(ImportMapping::createChoiceName(source)), kCreate);
    combo->addItem(tr("— Skip these transactions —"), kSkip);
    const QList<Account> accounts = m_state->accountRepository()->findAll();
    for (const Account &account : accounts)
        combo->addItem(account.name, account.id);
    if (const auto match = ImportMapping::matchingAccount(source, accounts))
        combo->setCurrentIndex(combo->findData(match->id));
    m_mappingForm->addRow(source.displayName, combo);
    m_mappingSelectors.append(combo);
    m_sources.append(source);
}

bool ImportScreen::ensureCsvAccount()
{
    if (m_account->currentIndex() >= 0)
        return true;
    const auto answer = QMessageBox::question(this, tr("No target account"),
                                              tr("Pick an account to import into, or create one now."),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return false;
    AccountFormDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const Account account = dialog.account();
    if (account.name.isEmpty())
        return false;
    const WriteResult created =
        m_state->accountWorkflowService()->create(account, account.starting_balance, dialog.asOfDate());
    if (!created) {
        refuse(created.error);
        return false;
    }
    fillAccounts();
    m_account->setCurrentIndex(m_account->findData(account.id));
    return true;
}

void ImportScreen::runImport()
{
    if (isMappingMode() ? m_qifPaths.isEmpty() : m_csvPath.isEmpty())
        return;
    if (!isMappingMode() && !ensureCsvAccount())
        return;

    ImportService *service = m_state->importService();
    // Cancel rolls the whole import back; the summary says so.
    m_progress = new QProgressDialog(tr("Importing..."), tr("Cancel"), 0, 0, this);
    m_progress->setObjectName(u"importProgress"_s);
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(500);
    m_progress->setAutoReset(false);
    m_progress->setAutoClose(false);
    const auto started = connect(service, &ImportService::importStarted, m_progress, [this](int total) {
        m_progress->setMaximum(total);
        m_progress->setValue(0);
    });
    const auto progress = connect(service, &ImportService::importProgress, m_progress, [this](int current, int total) {
        m_progress->setMaximum(total);
        m_progress->setValue(current);
    });
    connect(m_progress, &QProgressDialog::canceled, service, &ImportService::cancelImport);

    ImportResult result;
    if (isMappingMode()) {
        QHash<QString, QString> mapping;
        QList<Account> newAccounts;
        for (int i = 0; i < m_mappingSelectors.size(); ++i) {
            const QString choice = m_mappingSelectors.at(i)->currentData().toString();
            const QifSourceAccount &source = m_sources.at(i);
            if (choice == kSkip) {
                mapping.insert(source.key, QString());
            } else if (choice == kCreate) {
                // Created by the service inside the import's transaction.
                const Account account = ImportMapping::newAccount(source);
                newAccounts.append(account);
                mapping.insert(source.key, account.id);
            } else {
                mapping.insert(source.key, choice);
            }
        }
        result = isOfxMode() ? service->importOfx(m_qifPaths, mapping, newAccounts)
                             : service->importQif(m_qifPaths, mapping, newAccounts);
    } else {
        CsvColumnMapping mapping;
        mapping.dateColumn = m_columns.at(0)->currentData().toInt();
        mapping.payeeColumn = m_columns.at(1)->currentData().toInt();
        mapping.amountColumn = m_columns.at(2)->currentData().toInt();
        mapping.memoColumn = m_columns.at(3)->currentData().toInt();
        mapping.categoryColumn = m_columns.at(4)->currentData().toInt();
        mapping.firstRowIsHeader = m_header->isChecked();
        mapping.dateFormat = m_dateFormat->currentText();
        result = service->importCsv(m_csvPath, m_account->currentData().toString(), mapping);
    }
    disconnect(started);
    disconnect(progress);
    m_progress->close();
    m_progress->deleteLater();
    m_progress = nullptr;
    showSummary(result);
}

void ImportScreen::showSummary(const ImportResult &result)
{
    m_lastFailed = result.failed;
    m_summary->setText(ImportSummary::text(result));
    m_pages->setCurrentIndex(1);
}

void ImportScreen::finish()
{
    emit importCompleted();
    reset();
    if (isWindow())
        close();
}
