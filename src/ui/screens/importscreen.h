#pragma once

#include "services/qifsourceaccount.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class AppState;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QProgressDialog;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableWidget;
struct ImportResult;

// Brings QIF, OFX/QFX and CSV files in: the file, a preview and column choice
// for CSV, where each Quicken or bank account goes for QIF and OFX, the import
// under a progress dialog that can cancel it, and a summary page.
class ImportScreen final : public QWidget
{
    Q_OBJECT
public:
    explicit ImportScreen(AppState *state, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ImportScreen)

    // Resets the form and lists the accounts again.
    void prepare();
    // Picks the mode by extension (.qif, .ofx/.qfx or .csv) and chooses the file(s);
    // false, after saying why, when a file cannot be used.
    bool chooseFiles(const QStringList &paths);

    QString summaryText() const;
    bool isShowingSummary() const;
    QComboBox *mappingSelector(int row) const { return m_mappingSelectors.value(row); }
    QProgressDialog *progressDialog() const { return m_progress; }

public slots:
    void selectFile();
    void runImport();

signals:
    void importCompleted();

private:
    bool isQifMode() const;
    bool isOfxMode() const;
    bool isMappingMode() const { return isQifMode() || isOfxMode(); }
    void onFormatChanged();
    bool chooseCsv(const QString &path);
    bool chooseMapped(const QStringList &paths);
    void buildPreview(const QList<QStringList> &rows);
    void clearMappingRows();
    void addMappingRow(const QifSourceAccount &source);
    bool ensureCsvAccount();
    void fillAccounts();
    void showSummary(const ImportResult &result);
    void finish();
    void reset();
    void refuse(const QString &text);

    AppState *m_state;
    QStackedWidget *m_pages = nullptr;
    QRadioButton *m_csv = nullptr;
    QRadioButton *m_qif = nullptr;
    QRadioButton *m_ofx = nullptr;
    QLabel *m_accountLabel = nullptr;
    QComboBox *m_account = nullptr;
    QLabel *m_fileLabel = nullptr;
    QGroupBox *m_csvGroup = nullptr;
    QList<QComboBox *> m_columns; // date, payee, amount, memo, category
    QComboBox *m_dateFormat = nullptr;
    QCheckBox *m_header = nullptr;
    QTableWidget *m_preview = nullptr;
    QGroupBox *m_qifGroup = nullptr;
    QFormLayout *m_mappingForm = nullptr;
    QLabel *m_mappingHint = nullptr;
    QPushButton *m_importButton = nullptr;
    QLabel *m_summary = nullptr;
    QProgressDialog *m_progress = nullptr;

    QString m_csvPath;
    QStringList m_qifPaths; // QIF or OFX files, as m_pathsAreOfx says
    bool m_pathsAreOfx = false;
    QList<QStringList> m_csvRows;
    QList<QifSourceAccount> m_sources;
    QList<QComboBox *> m_mappingSelectors;
    bool m_lastFailed = false;
};
