#pragma once

#include "IcyMetadata.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

// Fetches an http:// or https:// stream on its own thread into a bounded
// buffer that the decoder drains. The transfer is paused while the buffer is
// full, given up when no byte arrives for ten seconds, and stopped promptly by
// the destructor.
//
// Internet radio servers are understood: the status line "ICY 200 OK" is
// taken as HTTP 200, metadata is asked for ("Icy-MetaData: 1") and, whenever
// the server announces "icy-metaint" (asked or not), taken out of the audio;
// the stream title it names becomes current when the decoder reaches the audio
// that followed it. A stream whose Content-Type names something other than
// MPEG audio (Ogg, AAC, a web page, a play list) fails at once.
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
    // The stream title of the audio taken so far; true (and title set) when it
    // changed since the last call.
    bool TakeTitle(std::string& title);

    static bool IsStreamUrl(const std::string& text);

private:
    void Run();
    static size_t OnData(char* data, size_t size, size_t count, void* self);
    static size_t OnHeader(char* data, size_t size, size_t count, void* self);

    const std::string url_;
    std::function<void()> wake_;
    std::mutex mutex_;
    std::string buffer_;
    size_t readPos_ = 0;
    uint64_t taken_ = 0; // audio bytes taken by the decoder since the start

    // Network thread only: the current response's headers and the demuxer.
    size_t metaInterval_ = 0;
    std::string contentType_;
    bool bodyStarted_ = false;
    IcyDemuxer icy_;
    uint64_t received_ = 0; // audio bytes received since the start

    // Titles with the audio offset they start at, oldest first (under mutex_).
    std::deque<std::pair<uint64_t, std::string>> titles_;
    bool titleChanged_ = false;
    std::string title_;
    std::atomic<bool> abort_{false};
    std::atomic<bool> paused_{false};
    std::atomic<Status> status_{Status::Running};
    std::thread thread_;
};
