#pragma once

#include <QStringList>

// How rows that already exist locally are treated when a backup is restored.
// The values are stored by the preferences window, so they never change.
enum class BackupImportMode { SkipExisting = 0, Replace = 1, KeepNewer = 2 };

// Counters of one restore: imported and skipped rows per table, and the
// messages of entries that could not be handled at all.
struct BackupImportResult
{
    int accountsImported = 0;
    int accountsSkipped = 0;
    int categoriesImported = 0;
    int categoriesSkipped = 0;
    int transactionsImported = 0;
    int transactionsSkipped = 0;
    int splitLinesImported = 0;
    int splitLinesSkipped = 0;
    int recurringImported = 0;
    int recurringSkipped = 0;
    int reconciliationsImported = 0;
    int reconciliationsSkipped = 0;
    QStringList errors;
    // Why nothing at all was restored (the archive or the database refused
    // the whole restore); empty when the rows were handled.
    QString failure;

    int importedTotal() const
    {
        return accountsImported + categoriesImported + transactionsImported + splitLinesImported
            + recurringImported + reconciliationsImported;
    }
    int skippedTotal() const
    {
        return accountsSkipped + categoriesSkipped + transactionsSkipped + splitLinesSkipped + recurringSkipped
            + reconciliationsSkipped;
    }
};
