// The tag reader and the write planner on arbitrary file ends: a write never
// starts before the last 164 bytes, a written tag reads back unchanged, and
// every text field decodes to text that encodes back to its very bytes.
#include "TagFile.h"
#include "TextCodec.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TSongTag tag = ParseTagTail(file.right(kTagTailSize));
    const TagWritePlan plan = PlanTagWrite(file.right(kTagTailSize), file.size(), tag);
    if (plan.offset < file.size() - kTagTailSize || plan.offset < 0 || plan.offset > file.size() ||
        plan.bytes.size() != kTagTailSize)
        __builtin_trap();
    const QByteArray audio = file.left(plan.offset);
    file.truncate(plan.offset);
    file.append(plan.bytes);
    if (!file.startsWith(audio))
        __builtin_trap();
    for (const QByteArray& field : {TagBytes(tag.Title), TagBytes(tag.Artist), TagBytes(tag.Album),
                                    TagBytes(tag.Year), TagBytes(tag.Comment), TagBytes(tag.LyricsName)}) {
        const DecodedText text = DecodeLossless(field);
        if (EncodeText(text.text, text.encoding) != field)
            __builtin_trap();
    }
    const TSongTag back = ParseTagTail(file.right(kTagTailSize));
    if (std::memcmp(&back, &tag, sizeof(TSongTag)) != 0)
        __builtin_trap();
    return 0;
}
