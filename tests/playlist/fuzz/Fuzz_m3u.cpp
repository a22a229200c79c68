// The M3U reader on arbitrary text: no entry is blank or a comment line.
#include "M3uReader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const bool utf8 = data[0] & 1;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    for (const QString& entry : ParseM3U(bytes, utf8, QStringLiteral("/music/lists")))
        if (entry.trimmed().isEmpty())
            __builtin_trap();
    return 0;
}
