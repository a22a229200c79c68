#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>

struct pa_context;
struct pa_operation;
struct pa_stream;
struct pa_threaded_mainloop;

// One playback connection to the sound server's default sink, over libpulse's
// asynchronous API with its own event thread. A new connection is made for
// each song, so a server that restarted or appeared after the player started
// is found again at the next song.
//
// Used by one thread (the engine's worker); only Interrupt may be called from
// any other thread: every wait for the server (connecting, a write waiting for
// room, flush, drain) then ends at once, and so does every later one, so a
// player that is being stopped never waits for a slow or hung server.
class PulseOutput {
public:
    PulseOutput() = default;
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;
    ~PulseOutput() { Close(); }

    // Connects a 16-bit signed stream with the given rate and channels.
    bool Open(long rate, int channels);
    void Close();
    bool IsOpen() const { return stream_ != nullptr; }
    bool Matches(long rate, int channels) const { return IsOpen() && rate == rate_ && channels == channels_; }

    // Called on the sound server's event thread whenever the server asks for
    // more data; set before Open.
    void SetRoomCallback(std::function<void()> onRoom) { onRoom_ = std::move(onRoom); }
    // Bytes the server takes now without waiting; kWriteFails when a write
    // would fail (no stream, the server is gone, interrupted).
    static constexpr size_t kWriteFails = static_cast<size_t>(-1);
    size_t WritableBytes();

    // Blocks until the server took the bytes (at most about one buffer length);
    // false when the server is gone or the output was interrupted.
    bool Write(const void* data, size_t bytes);
    // Drops what is buffered but not yet heard.
    void Flush();
    // Waits until everything written has been heard, or until `giveUp`
    // (asked whenever Poke wakes the wait) says to stop waiting.
    bool Drain(const std::function<bool()>& giveUp = {});
    // Any thread: wakes a waiting Drain to ask its `giveUp` again.
    void Poke();
    // Frames written but not yet heard.
    uint64_t LatencyFrames();

    // Any thread: ends every present and future wait for the server.
    void Interrupt();

private:
    bool Usable() const; // with the loop locked
    bool Await(pa_operation* operation);
    static void Signal(void* self);
    static void RoomArrived(void* self);

    std::mutex loopMutex_; // guards loop_ against Interrupt while it is made or freed
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    std::atomic<bool> interrupted_{false};
    std::function<void()> onRoom_;
    long rate_ = 0;
    int channels_ = 0;
};
