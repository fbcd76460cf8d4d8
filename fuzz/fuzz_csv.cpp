// A CSV file imported into an account in dollars and one in yen, with every
// column mapped: decoding, the chunked reader, amounts, dates, categories
// and the writes. The rows the import accounts for must be the rows the
// in-memory parser finds in the same bytes.

#include "fuzzdatabase.h"
#include "services/importservice.h"

#include <QFile>
#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzDatabase &db = FuzzDatabase::instance();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = db.filePath(u"input.csv"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        __builtin_trap();
    file.close();

    QString parseError;
    const qsizetype rows = ImportService::parseCsv(ImportService::decodeImportText(bytes), &parseError).size();

    static ImportService *service = new ImportService(db.transactions, db.categories, db.splitLines);
    CsvColumnMapping mapping;
    mapping.memoColumn = 3;
    mapping.categoryColumn = 4;
    for (const auto &[account, format] : {std::pair(FuzzDatabase::kUsdAccount, u"yyyy-MM-dd"_s),
                                          std::pair(FuzzDatabase::kJpyAccount, u"MM/dd/yyyy"_s)}) {
        mapping.dateFormat = format;
        const ImportResult result = service->importCsv(path, account, mapping);
        if (result.failed != !parseError.isEmpty())
            __builtin_trap();
        const qsizetype counted = result.imported + result.duplicates + result.unparseable + result.databaseErrors;
        if (!result.failed && counted != qMax<qsizetype>(0, rows - 1))
            __builtin_trap();
    }
    db.reset();
    return 0;
}
