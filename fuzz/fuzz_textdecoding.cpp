// The encoding guess of imported files (byte-order marks, UTF-16 by its NUL
// bytes, strict UTF-8, else Windows-1252) and the decoding itself.

#include "services/importservice.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = ImportService::decodeImportText(bytes);
    // Every guess but UTF-16 gives at most one character per byte.
    if (text.size() > bytes.size())
        __builtin_trap();
    // Text that is plain UTF-8 comes back unchanged, whatever was guessed
    // for it, unless its NUL bytes made it look like UTF-16.
    if (!bytes.contains('\0') && !bytes.startsWith("\xEF\xBB\xBF") && !bytes.startsWith("\xFF\xFE")
        && !bytes.startsWith("\xFE\xFF")) {
        const QString utf8 = QString::fromUtf8(bytes);
        if (!utf8.contains(QChar::ReplacementCharacter) && text != utf8)
            __builtin_trap();
    }
    return 0;
}
