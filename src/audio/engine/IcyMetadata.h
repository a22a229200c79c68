#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Internet radio ("ICY") metadata. A server that announces "icy-metaint: N"
// sends, after every N bytes of audio, one length byte L followed by L x 16
// bytes of text such as "StreamTitle='Artist - Song';StreamUrl='';", padded
// with zero bytes (L = 0: no change). IcyDemuxer takes the stream as it
// arrives, in pieces of any size, and separates the two.
class IcyDemuxer {
public:
    // interval: the announced icy-metaint; 0 when the stream carries no metadata.
    explicit IcyDemuxer(size_t interval = 0) : interval_(interval), untilMeta_(interval) {}

    // Appends the audio bytes of the piece to audio. Each complete metadata block
    // that names a stream title leaves it in title(), and titleCount() grows;
    // onTitle, when given, gets each such title at once, while audio ends
    // where the title begins.
    void Feed(const unsigned char* data, size_t size, std::string& audio,
              const std::function<void(const std::string&)>& onTitle = {});

    const std::string& title() const { return title_; }
    uint64_t titleCount() const { return titleCount_; }

private:
    size_t interval_;
    size_t untilMeta_;       // audio bytes before the next length byte
    size_t metaLeft_ = 0;    // bytes of the current metadata block still to come
    bool inMeta_ = false;
    std::string block_;
    std::string title_;
    uint64_t titleCount_ = 0;
};

// The value of StreamTitle='...' in one metadata block, without the quotes; no
// value when the block names no title. The value ends at the "';" that closes
// it (a title may itself hold apostrophes), else at the last quote, else at the
// end of the text; zero padding is never part of it.
std::optional<std::string> IcyStreamTitle(std::string_view block);

// The number of an "icy-metaint" header value; 0 when it is not a sensible one.
size_t IcyInterval(std::string_view value);
