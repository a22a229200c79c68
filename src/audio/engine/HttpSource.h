#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

// Fetches an http:// or https:// stream on its own thread into a bounded
// buffer that the decoder drains. The transfer is paused while the buffer is
// full, given up when no byte arrives for ten seconds, and stopped promptly by
// the destructor.
class HttpSource {
public:
    enum class Status { Running, Finished, Failed };

    // wake is called (from the network thread) whenever data arrives or the
    // transfer ends.
    HttpSource(std::string url, std::function<void()> wake);
    HttpSource(const HttpSource&) = delete;
    HttpSource& operator=(const HttpSource&) = delete;
    ~HttpSource();

    // Moves up to max buffered bytes into out; returns how many.
    size_t Take(unsigned char* out, size_t max);
    Status status() const { return status_.load(); }

    static bool IsStreamUrl(const std::string& text);

private:
    void Run();
    static size_t OnData(char* data, size_t size, size_t count, void* self);

    const std::string url_;
    std::function<void()> wake_;
    std::mutex mutex_;
    std::string buffer_;
    size_t readPos_ = 0;
    std::atomic<bool> abort_{false};
    std::atomic<bool> paused_{false};
    std::atomic<Status> status_{Status::Running};
    std::thread thread_;
};
