// The list-file reader on arbitrary bytes: it must stay inside the buffer, and
// whatever it reads in full must write back to bytes that read the same. Every
// path read survives the file-name codec (a name that is not UTF-8 names the
// same file after decoding and encoding).
#include "FileName.h"
#include "ListFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ListFileData read = ParseListFile(bytes);
    if (read.result != ListLoaded || read.categories.isEmpty())
        return 0;
    for (const ListFileCategory& category : read.categories)
        for (const QByteArray& path : category.paths)
            if (!path.contains('\0') && EncodeFileName(DecodeFileName(path)) != path)
                __builtin_trap();
    const QList<ListFileCategory> blocks = read.categories.mid(1);
    const ListFileData again = ParseListFile(SerializeListFile(read.categories[0].paths, blocks));
    if (again.result != ListLoaded || again.categories.size() != read.categories.size())
        __builtin_trap();
    for (qsizetype i = 0; i < read.categories.size(); ++i) {
        const ListFileCategory& a = read.categories[i];
        const ListFileCategory& b = again.categories[i];
        if (a.name != b.name || a.kind != b.kind || a.paths != b.paths)
            __builtin_trap();
    }
    return 0;
}
