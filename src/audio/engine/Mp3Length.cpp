#include "Mp3Length.h"

#include <cstdio>
#include <cstring>
#include <mpg123.h>
#include <vector>

namespace {

size_t SkipId3v2(const unsigned char* data, size_t size) {
    if (size < 10 || std::memcmp(data, "ID3", 3) != 0)
        return 0;
    const size_t body = (size_t(data[6] & 0x7f) << 21) | (size_t(data[7] & 0x7f) << 14) |
                        (size_t(data[8] & 0x7f) << 7) | size_t(data[9] & 0x7f);
    const bool footer = (data[5] & 0x10) != 0;
    return 10 + body + (footer ? 10 : 0);
}

bool IsFrameHeader(const unsigned char* p) {
    return p[0] == 0xff && (p[1] & 0xe0) == 0xe0 && ((p[1] >> 3) & 3) != 1 && ((p[1] >> 1) & 3) != 0 &&
           (p[2] >> 4) != 15 && ((p[2] >> 2) & 3) != 3;
}

} // namespace

bool HasLengthHeader(const unsigned char* data, size_t size) {
    size_t pos = SkipId3v2(data, size);
    // The first frame normally follows the tag directly; allow a little junk.
    const size_t limit = std::min(size, pos + 4096);
    while (pos + 4 <= limit && !IsFrameHeader(data + pos))
        ++pos;
    if (pos + 4 > limit)
        return false;
    const unsigned char* frame = data + pos;
    const bool mpeg1 = ((frame[1] >> 3) & 3) == 3;
    const bool mono = (frame[3] >> 6) == 3;
    const size_t sideInfo = mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    auto tagAt = [&](size_t offset, const char* tag) {
        return pos + offset + 4 <= size && std::memcmp(frame + offset, tag, 4) == 0;
    };
    return tagAt(4 + sideInfo, "Xing") || tagAt(4 + sideInfo, "Info") || tagAt(4 + 32, "VBRI");
}

bool FileHasLengthHeader(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    std::vector<unsigned char> head(10);
    size_t got = std::fread(head.data(), 1, head.size(), file);
    const size_t want = SkipId3v2(head.data(), got) + 8192;
    if (got == head.size() && want <= 64 * 1024 * 1024) {
        head.resize(want);
        got += std::fread(head.data() + got, 1, want - got, file);
    }
    std::fclose(file);
    return HasLengthHeader(head.data(), got);
}

int64_t CountSamples(const std::string& path) {
    int error = 0;
    mpg123_handle* walker = mpg123_new(nullptr, &error);
    if (!walker)
        return 0;
    mpg123_param(walker, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
    int64_t samples = 0;
    if (mpg123_open(walker, path.c_str()) == MPG123_OK) {
        for (;;) {
            const int result = mpg123_framebyframe_next(walker);
            if (result != MPG123_OK && result != MPG123_NEW_FORMAT)
                break;
            samples += mpg123_spf(walker);
        }
        mpg123_close(walker);
    }
    mpg123_delete(walker);
    return samples;
}
