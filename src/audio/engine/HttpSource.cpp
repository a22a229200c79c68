#include "HttpSource.h"

#include "CurlLibrary.h"

#include <algorithm>
#include <cstring>
#include <curl/curl.h>
#include <string_view>
#include <strings.h>

namespace {
constexpr size_t kHighWater = 512 * 1024; // pause the transfer above this
constexpr size_t kLowWater = 128 * 1024;  // and resume it below this
constexpr long kStallSeconds = 10;
constexpr size_t kMaxWaitingTitles = 16; // stream titles not yet reached by the decoder

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && strncasecmp(text.data(), prefix.data(), prefix.size()) == 0;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' || text.back() == '\n'))
        text.remove_suffix(1);
    return text;
}

// MPEG audio announces itself as such ("audio/mpeg", "audio/mp3", "audio/x-mpeg"
// ...) or as plain bytes, or not at all; every other named type (Ogg, AAC,
// FLAC, web pages, "audio/x-mpegurl" play lists) is something the engine cannot
// play.
bool MayBeMpegAudio(std::string_view type) {
    type = Trimmed(type.substr(0, type.find(';')));
    if (type.empty() || StartsWithNoCase(type, "application/octet-stream") ||
        StartsWithNoCase(type, "binary/octet-stream"))
        return true;
    std::string lower(type);
    for (char& c : lower)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    if (lower.find("mpegurl") != std::string::npos)
        return false;
    return lower.rfind("audio/", 0) == 0 &&
           (lower.find("mpeg") != std::string::npos || lower.find("mp3") != std::string::npos ||
            lower == "audio/mpa");
}
} // namespace

bool HttpSource::IsStreamUrl(const std::string& text) {
    return strncasecmp(text.c_str(), "http://", 7) == 0 || strncasecmp(text.c_str(), "https://", 8) == 0;
}

HttpSource::HttpSource(std::string url, std::function<void()> wake)
    : url_(std::move(url)), wake_(std::move(wake)) {
    thread_ = std::thread([this] { Run(); });
}

HttpSource::~HttpSource() {
    abort_ = true;
    if (thread_.joinable())
        thread_.join();
}

size_t HttpSource::Take(unsigned char* out, size_t max) {
    std::lock_guard lock(mutex_);
    const size_t n = std::min(max, buffer_.size() - readPos_);
    std::memcpy(out, buffer_.data() + readPos_, n);
    readPos_ += n;
    taken_ += n;
    if (readPos_ == buffer_.size()) {
        buffer_.clear();
        readPos_ = 0;
    } else if (readPos_ > kHighWater) {
        buffer_.erase(0, readPos_);
        readPos_ = 0;
    }
    return n;
}

bool HttpSource::TakeTitle(std::string& title) {
    std::lock_guard lock(mutex_);
    while (!titles_.empty() && titles_.front().first <= taken_) {
        title_ = std::move(titles_.front().second);
        titles_.pop_front();
        titleChanged_ = true;
    }
    if (!titleChanged_)
        return false;
    titleChanged_ = false;
    title = title_;
    return true;
}

size_t HttpSource::OnHeader(char* data, size_t size, size_t count, void* self) {
    auto* source = static_cast<HttpSource*>(self);
    const size_t bytes = size * count;
    const std::string_view line(data, bytes);
    // Each response of a redirect chain starts with its status line.
    if (StartsWithNoCase(line, "HTTP/") || StartsWithNoCase(line, "ICY ")) {
        source->metaInterval_ = 0;
        source->contentType_.clear();
    } else if (StartsWithNoCase(line, "icy-metaint:")) {
        source->metaInterval_ = IcyInterval(Trimmed(line.substr(12)));
    } else if (StartsWithNoCase(line, "content-type:")) {
        source->contentType_ = Trimmed(line.substr(13));
    }
    return bytes;
}

size_t HttpSource::OnData(char* data, size_t size, size_t count, void* self) {
    auto* source = static_cast<HttpSource*>(self);
    const size_t bytes = size * count;
    if (!source->bodyStarted_) {
        if (!MayBeMpegAudio(source->contentType_))
            return 0; // not something the engine plays: the transfer fails
        source->bodyStarted_ = true;
        source->icy_ = IcyDemuxer(source->metaInterval_);
    }
    {
        std::lock_guard lock(source->mutex_);
        if (source->buffer_.size() - source->readPos_ > kHighWater) {
            source->paused_ = true;
            return CURL_WRITEFUNC_PAUSE;
        }
        const size_t before = source->buffer_.size();
        source->icy_.Feed(reinterpret_cast<const unsigned char*>(data), bytes, source->buffer_,
                          [source, before](const std::string& title) {
                              const uint64_t at = source->received_ + (source->buffer_.size() - before);
                              // A server that sends titles faster than anyone can
                              // read them only replaces the newest waiting one.
                              auto& titles = source->titles_;
                              if (!titles.empty() && (titles.size() >= kMaxWaitingTitles || titles.back().first == at))
                                  titles.back() = {at, title};
                              else
                                  titles.emplace_back(at, title);
                          });
        source->received_ += source->buffer_.size() - before;
    }
    source->wake_();
    return bytes;
}

void HttpSource::Run() {
    const CurlLibrary* curl = Curl();
    if (!curl) {
        status_ = Status::Failed;
        wake_();
        return;
    }
    CURL* easy = curl->easy_init();
    CURLM* multi = curl->multi_init();
    bool ok = false;
    curl_slist* aliases = curl->slist_append(nullptr, "ICY 200 OK");
    curl_slist* headers = curl->slist_append(nullptr, "Icy-MetaData: 1");
    if (easy && multi) {
        curl->easy_setopt(easy, CURLOPT_URL, url_.c_str());
        curl->easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
        curl->easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        curl->easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
        curl->easy_setopt(easy, CURLOPT_MAXREDIRS, 5L);
        curl->easy_setopt(easy, CURLOPT_FAILONERROR, 1L);
        curl->easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
        curl->easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, kStallSeconds);
        curl->easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl->easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, kStallSeconds);
        curl->easy_setopt(easy, CURLOPT_USERAGENT, "Sorvi Audio Player");
        curl->easy_setopt(easy, CURLOPT_WRITEFUNCTION, &HttpSource::OnData);
        curl->easy_setopt(easy, CURLOPT_WRITEDATA, this);
        curl->easy_setopt(easy, CURLOPT_HEADERFUNCTION, &HttpSource::OnHeader);
        curl->easy_setopt(easy, CURLOPT_HEADERDATA, this);
        curl->easy_setopt(easy, CURLOPT_HTTP200ALIASES, aliases);
        curl->easy_setopt(easy, CURLOPT_HTTPHEADER, headers);
        curl->multi_add_handle(multi, easy);
        int running = 1;
        while (!abort_ && running) {
            if (curl->multi_perform(multi, &running) != CURLM_OK)
                break;
            if (paused_) {
                std::unique_lock lock(mutex_);
                const bool roomAgain = buffer_.size() - readPos_ < kLowWater;
                lock.unlock();
                if (roomAgain) {
                    paused_ = false;
                    curl->easy_pause(easy, CURLPAUSE_CONT);
                    continue;
                }
            }
            if (running)
                curl->multi_poll(multi, nullptr, 0, paused_ ? 20 : 100, nullptr);
        }
        int left = 0;
        while (CURLMsg* msg = curl->multi_info_read(multi, &left)) {
            if (msg->msg == CURLMSG_DONE && msg->easy_handle == easy)
                ok = msg->data.result == CURLE_OK;
        }
        curl->multi_remove_handle(multi, easy);
    }
    if (multi)
        curl->multi_cleanup(multi);
    if (easy)
        curl->easy_cleanup(easy);
    curl->slist_free_all(aliases);
    curl->slist_free_all(headers);
    status_ = ok && !abort_ ? Status::Finished : Status::Failed;
    wake_();
}
