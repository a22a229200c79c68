// Arbitrary bytes as an internet radio stream: the first two bytes give the
// metadata interval, the third how the rest is cut into pieces as the network
// delivers it. The audio taken out must not depend on the cutting, and must
// be exactly the stream without its metadata blocks.
#include "IcyMetadata.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3)
        return 0;
    const size_t interval = (static_cast<size_t>(data[0]) << 8 | data[1]) % 4097;
    const size_t piece = data[2] % 64 + 1;
    const uint8_t* stream = data + 3;
    const size_t length = size - 3;

    IcyDemuxer whole(interval);
    std::string audio;
    whole.Feed(stream, length, audio);

    IcyDemuxer cut(interval);
    std::string pieces;
    for (size_t at = 0; at < length; at += piece)
        cut.Feed(stream + at, std::min(piece, length - at), pieces);
    if (pieces != audio || cut.title() != whole.title() || cut.titleCount() != whole.titleCount())
        abort();
    if (audio.size() > length || (interval == 0 && audio.size() != length))
        abort();
    if (whole.title().find('\0') != std::string::npos)
        abort();

    const std::string_view text(reinterpret_cast<const char*>(stream), length);
    if (const auto title = IcyStreamTitle(text); title && title->size() > length)
        abort();
    IcyInterval(text);
    return 0;
}
