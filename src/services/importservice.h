#pragma once

#include "csvcolumnmapping.h"
#include "qifparseresult.h"
#include "qifsourceaccount.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class CategoryRepository;
class SplitLineRepository;
class TransactionRepository;

// The counters of one QIF or CSV import.
struct ImportResult
{
    int imported = 0;
    int duplicates = 0;
    int unparseable = 0;
    int metadata = 0;
    int unmapped = 0;
    int transfersLinked = 0;
    int linkedToPrevious = 0;
    int databaseErrors = 0;
    bool failed = false; // rolled back: nothing of the import was kept
};

// Adds the transactions of QIF and CSV files to local accounts, all of one
// import in one database transaction.
class ImportService final : public QObject
{
    Q_OBJECT
public:
    ImportService(TransactionRepository *transactions, CategoryRepository *categories,
                  SplitLineRepository *splitLines, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ImportService)

    QifAnalysis analyzeQifFiles(const QStringList &paths);

    // `mapping` goes from source key (account name or, for a file without
    // "!Account", its path) to a target account id; an empty id skips.
    ImportResult importQif(const QStringList &paths, const QHash<QString, QString> &mapping);
    ImportResult importCsv(const QString &path, const QString &accountId, const CsvColumnMapping &mapping);

    // Reads a QIF file; nothing when it cannot be opened.
    static std::optional<QifParseResult> parseQif(const QString &path,
                                                  std::optional<QifDateOrder> order = std::nullopt);
    // UTF-8 (with or without BOM), UTF-16 with BOM, else Windows-1252.
    static QString decodeImportText(const QByteArray &bytes);
    // Rows of cells; blank lines are dropped.
    static QList<QStringList> parseCsv(const QString &text);

    // "[→ name] memo": how an imported transfer remembers its missing side.
    static QString transferHint(const QString &accountName, const QString &memo);
    struct TransferHint
    {
        QString accountName;
        QString memo; // the memo without the hint
    };
    static std::optional<TransferHint> readTransferHint(const QString &memo);

signals:
    void importStarted(int totalRecords);
    void importProgress(int currentRecord, int total);

private:
    class QifBatch;

    TransactionRepository *m_transactions;
    CategoryRepository *m_categories;
    SplitLineRepository *m_splitLines;
    bool m_running = false;
};
