#include "HttpSource.h"

#include <algorithm>
#include <cstring>
#include <curl/curl.h>
#include <strings.h>

namespace {
constexpr size_t kHighWater = 512 * 1024; // pause the transfer above this
constexpr size_t kLowWater = 128 * 1024;  // and resume it below this
constexpr long kStallSeconds = 10;
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
    if (readPos_ == buffer_.size()) {
        buffer_.clear();
        readPos_ = 0;
    } else if (readPos_ > kHighWater) {
        buffer_.erase(0, readPos_);
        readPos_ = 0;
    }
    return n;
}

size_t HttpSource::OnData(char* data, size_t size, size_t count, void* self) {
    auto* source = static_cast<HttpSource*>(self);
    const size_t bytes = size * count;
    {
        std::lock_guard lock(source->mutex_);
        if (source->buffer_.size() - source->readPos_ > kHighWater) {
            source->paused_ = true;
            return CURL_WRITEFUNC_PAUSE;
        }
        source->buffer_.append(data, bytes);
    }
    source->wake_();
    return bytes;
}

void HttpSource::Run() {
    CURL* easy = curl_easy_init();
    CURLM* multi = curl_multi_init();
    bool ok = false;
    if (easy && multi) {
        curl_easy_setopt(easy, CURLOPT_URL, url_.c_str());
        curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(easy, CURLOPT_MAXREDIRS, 5L);
        curl_easy_setopt(easy, CURLOPT_FAILONERROR, 1L);
        curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, kStallSeconds);
        curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, kStallSeconds);
        curl_easy_setopt(easy, CURLOPT_USERAGENT, "Sorvi Audio Player");
        curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &HttpSource::OnData);
        curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
        curl_multi_add_handle(multi, easy);
        int running = 1;
        while (!abort_ && running) {
            if (curl_multi_perform(multi, &running) != CURLM_OK)
                break;
            if (paused_) {
                std::unique_lock lock(mutex_);
                const bool roomAgain = buffer_.size() - readPos_ < kLowWater;
                lock.unlock();
                if (roomAgain) {
                    paused_ = false;
                    curl_easy_pause(easy, CURLPAUSE_CONT);
                    continue;
                }
            }
            if (running)
                curl_multi_poll(multi, nullptr, 0, paused_ ? 20 : 100, nullptr);
        }
        int left = 0;
        while (CURLMsg* msg = curl_multi_info_read(multi, &left)) {
            if (msg->msg == CURLMSG_DONE && msg->easy_handle == easy)
                ok = msg->data.result == CURLE_OK;
        }
        curl_multi_remove_handle(multi, easy);
    }
    if (multi)
        curl_multi_cleanup(multi);
    if (easy)
        curl_easy_cleanup(easy);
    status_ = ok && !abort_ ? Status::Finished : Status::Failed;
    wake_();
}
