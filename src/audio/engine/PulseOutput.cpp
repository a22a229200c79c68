#include "PulseOutput.h"

#include <pulse/error.h>
#include <pulse/simple.h>

namespace {
// Buffer kept at the server: short, so that pause, seek and the time codes of
// what is heard follow the user closely.
constexpr unsigned kBufferMs = 150;
} // namespace

bool PulseOutput::Open(long rate, int channels) {
    Close();
    pa_sample_spec spec{};
    spec.format = PA_SAMPLE_S16LE;
    spec.rate = static_cast<uint32_t>(rate);
    spec.channels = static_cast<uint8_t>(channels);
    if (!pa_sample_spec_valid(&spec))
        return false;
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<uint32_t>(-1);
    attr.tlength = static_cast<uint32_t>(pa_usec_to_bytes(kBufferMs * 1000ull, &spec));
    attr.prebuf = static_cast<uint32_t>(-1);
    attr.minreq = static_cast<uint32_t>(-1);
    attr.fragsize = static_cast<uint32_t>(-1);
    int error = 0;
    stream_ = pa_simple_new(nullptr, "Sorvi Audio Player", PA_STREAM_PLAYBACK, nullptr, "Music", &spec,
                            nullptr, &attr, &error);
    if (!stream_)
        return false;
    rate_ = rate;
    channels_ = channels;
    return true;
}

void PulseOutput::Close() {
    if (stream_)
        pa_simple_free(stream_);
    stream_ = nullptr;
    rate_ = 0;
    channels_ = 0;
}

bool PulseOutput::Write(const void* data, size_t bytes) {
    int error = 0;
    return stream_ && pa_simple_write(stream_, data, bytes, &error) >= 0;
}

void PulseOutput::Flush() {
    int error = 0;
    if (stream_)
        pa_simple_flush(stream_, &error);
}

bool PulseOutput::Drain() {
    int error = 0;
    return stream_ && pa_simple_drain(stream_, &error) >= 0;
}

uint64_t PulseOutput::LatencyFrames() const {
    if (!stream_)
        return 0;
    int error = 0;
    const pa_usec_t usec = pa_simple_get_latency(stream_, &error);
    if (usec == static_cast<pa_usec_t>(-1))
        return 0;
    return usec * static_cast<uint64_t>(rate_) / 1000000ull;
}
