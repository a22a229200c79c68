#pragma once

#include <cstddef>
#include <cstdint>

struct pa_simple;

// One playback connection to the sound server's default sink. A new connection
// is made for each song, so a server that restarted or appeared after the
// player started is found again at the next song.
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

    // Blocks until the server took the bytes (at most about one buffer length).
    bool Write(const void* data, size_t bytes);
    // Drops what is buffered but not yet heard.
    void Flush();
    // Waits until everything written has been heard.
    bool Drain();
    // Frames written but not yet heard.
    uint64_t LatencyFrames() const;

private:
    pa_simple* stream_ = nullptr;
    long rate_ = 0;
    int channels_ = 0;
};
