// QIF text in every date order, and each line's value as an amount and a date.

#include "services/qifparser.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const auto order : {std::optional<QifDateOrder>(), std::optional(QifDateOrder::MonthDayYear),
                             std::optional(QifDateOrder::DayMonthYear)}) {
        const QifParseResult result = QifParser::parseQif(text, order);
        if (result.records.size() < 0)
            __builtin_trap();
    }
    const QStringList lines = QifParser::splitLines(text);
    for (const QString &line : lines) {
        const QStringView value = QStringView(line).mid(1);
        for (const int decimals : {0, 2})
            QifParser::parseQifAmount(value, decimals);
        QifParser::parseQifDate(value);
    }
    return 0;
}
