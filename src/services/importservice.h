#pragma once

#include "csvcolumnmapping.h"
#include "qifparseresult.h"
#include "qifsourceaccount.h"
#include "storage/account.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class AccountRepository;
class CategoryRepository;
class SplitLineRepository;
class TransactionRepository;

// A bank statement's closing balance (OFX LEDGERBAL) beside the balance of
// the account it was imported into.
struct StatementBalance
{
    QString accountName;
    Currency currency = Currency::USD;
    qint64 statementBalance = 0;
    QDate date;
    qint64 accountBalance = 0; // after the import
};

// The counters of one QIF, OFX or CSV import.
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
    int splitsNotKept = 0; // split parts without a category (or transfers)
    bool failed = false;   // rolled back: nothing of the import was kept
    bool cancelled = false; // failed because the person cancelled it
    QString error;         // why it failed, when known
    int investmentSkipped = 0; // OFX transactions of brokerage accounts
    QList<StatementBalance> statementBalances;
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
    // `newAccounts` are mapping targets that do not exist yet: each is created
    // inside the import's transaction when its first row is written, so an
    // import that writes nothing leaves no empty account behind.
    ImportResult importQif(const QStringList &paths, const QHash<QString, QString> &mapping,
                           const QList<Account> &newAccounts = {});
    ImportResult importCsv(const QString &path, const QString &accountId, const CsvColumnMapping &mapping);

    // OFX and QFX downloads: one source per bank or card account, keyed by
    // the bank's account id, mapped as for QIF. A file that cannot be read,
    // or a statement whose currency is not its account's, fails the whole
    // import before anything is written.
    QifAnalysis analyzeOfxFiles(const QStringList &paths);
    ImportResult importOfx(const QStringList &paths, const QHash<QString, QString> &mapping,
                           const QList<Account> &newAccounts = {});
    // The id of a downloaded transaction: the same account and FITID always
    // give the same row, so a repeated download adds nothing.
    static QString ofxTransactionId(const QString &accountId, const QString &fitId);

    // Reads a QIF file; nothing when it cannot be opened. With `onRecord` the
    // records are handed to it one by one instead of being kept.
    static std::optional<QifParseResult> parseQif(const QString &path,
                                                  std::optional<QifDateOrder> order = std::nullopt,
                                                  const std::function<void(QifRecord &)> &onRecord = {});
    // UTF-8 (with or without BOM, a sequence cut short at the very end
    // dropped), UTF-16 with BOM or recognised by its NUL bytes, else
    // Windows-1252.
    static QString decodeImportText(const QByteArray &bytes);
    // Rows of cells; blank lines are dropped. LF, CRLF and CR end lines. A
    // quote left open sets `error` (when given) and yields no rows.
    static QList<QStringList> parseCsv(const QString &text, QString *error = nullptr);

    // Needed to create the new accounts of a QIF import.
    void setAccountRepository(AccountRepository *accounts) { m_accounts = accounts; }

    // "[→ name] memo": how an imported transfer remembers its missing side.
    static QString transferHint(const QString &accountName, const QString &memo);
    struct TransferHint
    {
        QString accountName;
        QString memo; // the memo without the hint
    };
    static std::optional<TransferHint> readTransferHint(const QString &memo);

public slots:
    // Asks a running import to stop; it rolls back at its next progress step.
    void cancelImport() { m_cancelRequested = m_running; }

signals:
    void importStarted(int totalRecords);
    void importProgress(int currentRecord, int total);

private:
    class QifBatch;

    AccountRepository *m_accounts = nullptr;
    TransactionRepository *m_transactions;
    CategoryRepository *m_categories;
    SplitLineRepository *m_splitLines;
    bool m_running = false;
    bool m_cancelRequested = false;
};
