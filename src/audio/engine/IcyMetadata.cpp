#include "IcyMetadata.h"

#include <algorithm>
#include <cctype>

namespace {
// Servers use 8 KB or 16 KB; anything far beyond is not a real interval.
constexpr size_t kMaxInterval = 1024 * 1024;
} // namespace

void IcyDemuxer::Feed(const unsigned char* data, size_t size, std::string& audio,
                      const std::function<void(const std::string&)>& onTitle) {
    if (interval_ == 0) {
        audio.append(reinterpret_cast<const char*>(data), size);
        return;
    }
    size_t at = 0;
    while (at < size) {
        if (!inMeta_) {
            const size_t take = std::min(untilMeta_, size - at);
            audio.append(reinterpret_cast<const char*>(data + at), take);
            at += take;
            untilMeta_ -= take;
            if (untilMeta_ == 0 && at < size) {
                metaLeft_ = static_cast<size_t>(data[at++]) * 16;
                block_.clear();
                inMeta_ = true;
            }
        } else {
            const size_t take = std::min(metaLeft_, size - at);
            block_.append(reinterpret_cast<const char*>(data + at), take);
            at += take;
            metaLeft_ -= take;
        }
        if (inMeta_ && metaLeft_ == 0) {
            inMeta_ = false;
            untilMeta_ = interval_;
            if (std::optional<std::string> title = IcyStreamTitle(block_)) {
                title_ = std::move(*title);
                ++titleCount_;
                if (onTitle)
                    onTitle(title_);
            }
        }
    }
}

std::optional<std::string> IcyStreamTitle(std::string_view block) {
    const size_t zero = block.find('\0');
    if (zero != std::string_view::npos)
        block = block.substr(0, zero);
    constexpr std::string_view key = "StreamTitle='";
    const size_t start = block.find(key);
    if (start == std::string_view::npos)
        return std::nullopt;
    std::string_view value = block.substr(start + key.size());
    size_t end = value.find("';");
    if (end == std::string_view::npos)
        end = value.rfind('\'');
    if (end != std::string_view::npos)
        value = value.substr(0, end);
    return std::string(value);
}

size_t IcyInterval(std::string_view value) {
    while (!value.empty() && std::isspace(static_cast<unsigned char>(value.front())))
        value.remove_prefix(1);
    size_t number = 0;
    size_t digits = 0;
    for (char c : value) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            break;
        number = number * 10 + static_cast<size_t>(c - '0');
        if (++digits > 7)
            return 0;
    }
    return number <= kMaxInterval ? number : 0;
}
