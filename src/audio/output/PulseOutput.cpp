#include "PulseOutput.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

namespace {
// Buffer kept at the server, the piece it asks for at a time, and what must be
// there before the sound starts. The buffer is long and the pieces large, so
// that the server and the player wake up about five times a second instead of
// forty; pause, stop and seek still cut the sound at once (they flush), and the
// time codes count what is held back.
constexpr unsigned kBufferMs = 500;
constexpr unsigned kRequestMs = 200;
constexpr unsigned kStartMs = 100;

void SignalLoop(pa_threaded_mainloop* loop) {
    pa_threaded_mainloop_signal(loop, 0);
}
} // namespace

void PulseOutput::Signal(void* self) {
    SignalLoop(static_cast<PulseOutput*>(self)->loop_);
}

void PulseOutput::RoomArrived(void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    SignalLoop(output->loop_);
    if (output->onRoom_)
        output->onRoom_();
}

bool PulseOutput::Open(long rate, int channels) {
    Close();
    if (interrupted_)
        return false;
    pa_sample_spec spec{};
    spec.format = PA_SAMPLE_S16LE;
    spec.rate = static_cast<uint32_t>(rate);
    spec.channels = static_cast<uint8_t>(channels);
    if (!pa_sample_spec_valid(&spec))
        return false;
    {
        std::lock_guard guard(loopMutex_);
        loop_ = pa_threaded_mainloop_new();
    }
    if (!loop_)
        return false;
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Sorvi Audio Player");
    if (!context_) {
        Close();
        return false;
    }
    pa_context_set_state_callback(
        context_, [](pa_context*, void* self) { Signal(self); }, this);
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0 ||
        pa_threaded_mainloop_start(loop_) < 0) {
        Close();
        return false;
    }
    pa_threaded_mainloop_lock(loop_);
    bool ok = false;
    for (;;) {
        const pa_context_state_t state = pa_context_get_state(context_);
        if (state == PA_CONTEXT_READY) {
            ok = true;
            break;
        }
        if (!PA_CONTEXT_IS_GOOD(state) || interrupted_)
            break;
        pa_threaded_mainloop_wait(loop_);
    }
    if (ok) {
        stream_ = pa_stream_new(context_, "Music", &spec, nullptr);
        ok = stream_ != nullptr;
    }
    if (ok) {
        pa_stream_set_state_callback(
            stream_, [](pa_stream*, void* self) { Signal(self); }, this);
        pa_stream_set_write_callback(
            stream_, [](pa_stream*, size_t, void* self) { RoomArrived(self); }, this);
        pa_stream_set_latency_update_callback(
            stream_, [](pa_stream*, void* self) { Signal(self); }, this);
        pa_buffer_attr attr{};
        attr.maxlength = static_cast<uint32_t>(-1);
        attr.tlength = static_cast<uint32_t>(pa_usec_to_bytes(kBufferMs * 1000ull, &spec));
        // Start once 100 ms are there: a radio stream arrives in real time and
        // would never fill the whole buffer before it is heard.
        attr.prebuf = static_cast<uint32_t>(pa_usec_to_bytes(kStartMs * 1000ull, &spec));
        attr.minreq = static_cast<uint32_t>(pa_usec_to_bytes(kRequestMs * 1000ull, &spec));
        attr.fragsize = static_cast<uint32_t>(-1);
        const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_ADJUST_LATENCY |
                                                          PA_STREAM_AUTO_TIMING_UPDATE);
        ok = pa_stream_connect_playback(stream_, nullptr, &attr, flags, nullptr, nullptr) >= 0;
        while (ok) {
            const pa_stream_state_t state = pa_stream_get_state(stream_);
            if (state == PA_STREAM_READY)
                break;
            if (!PA_STREAM_IS_GOOD(state) || interrupted_)
                ok = false;
            else
                pa_threaded_mainloop_wait(loop_);
        }
    }
    pa_threaded_mainloop_unlock(loop_);
    if (!ok) {
        Close();
        return false;
    }
    rate_ = rate;
    channels_ = channels;
    return true;
}

void PulseOutput::Close() {
    std::lock_guard guard(loopMutex_);
    if (loop_) {
        pa_threaded_mainloop_lock(loop_);
        if (stream_) {
            pa_stream_set_state_callback(stream_, nullptr, nullptr);
            pa_stream_set_write_callback(stream_, nullptr, nullptr);
            pa_stream_set_latency_update_callback(stream_, nullptr, nullptr);
            pa_stream_disconnect(stream_);
            pa_stream_unref(stream_);
        }
        if (context_) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
        pa_threaded_mainloop_unlock(loop_);
        pa_threaded_mainloop_stop(loop_);
        pa_threaded_mainloop_free(loop_);
    }
    loop_ = nullptr;
    context_ = nullptr;
    stream_ = nullptr;
    rate_ = 0;
    channels_ = 0;
}

void PulseOutput::Interrupt() {
    interrupted_ = true;
    std::lock_guard guard(loopMutex_);
    if (loop_) {
        pa_threaded_mainloop_lock(loop_);
        SignalLoop(loop_);
        pa_threaded_mainloop_unlock(loop_);
    }
}

void PulseOutput::Poke() {
    std::lock_guard guard(loopMutex_);
    if (loop_) {
        pa_threaded_mainloop_lock(loop_);
        SignalLoop(loop_);
        pa_threaded_mainloop_unlock(loop_);
    }
}

bool PulseOutput::Usable() const {
    return !interrupted_ && stream_ && PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)) &&
           PA_STREAM_IS_GOOD(pa_stream_get_state(stream_));
}

bool PulseOutput::Write(const void* data, size_t bytes) {
    if (!stream_)
        return false;
    const auto* at = static_cast<const uint8_t*>(data);
    bool ok = true;
    pa_threaded_mainloop_lock(loop_);
    while (bytes > 0) {
        if (!Usable()) {
            ok = false;
            break;
        }
        const size_t room = pa_stream_writable_size(stream_);
        if (room == static_cast<size_t>(-1)) {
            ok = false;
            break;
        }
        if (room == 0) {
            pa_threaded_mainloop_wait(loop_);
            continue;
        }
        const size_t now = room < bytes ? room : bytes;
        if (pa_stream_write(stream_, at, now, nullptr, 0, PA_SEEK_RELATIVE) < 0) {
            ok = false;
            break;
        }
        at += now;
        bytes -= now;
    }
    pa_threaded_mainloop_unlock(loop_);
    return ok;
}

size_t PulseOutput::WritableBytes() {
    if (!stream_)
        return kWriteFails;
    pa_threaded_mainloop_lock(loop_);
    size_t room = kWriteFails;
    if (Usable()) {
        room = pa_stream_writable_size(stream_);
        if (room == static_cast<size_t>(-1))
            room = kWriteFails;
    }
    pa_threaded_mainloop_unlock(loop_);
    return room;
}

bool PulseOutput::Await(pa_operation* operation) {
    // With the loop locked: waits until the server answered the operation.
    if (!operation)
        return false;
    bool ok = true;
    while (pa_operation_get_state(operation) == PA_OPERATION_RUNNING) {
        if (!Usable()) {
            pa_operation_cancel(operation);
            ok = false;
            break;
        }
        pa_threaded_mainloop_wait(loop_);
    }
    pa_operation_unref(operation);
    return ok;
}

void PulseOutput::Flush() {
    if (!stream_)
        return;
    pa_threaded_mainloop_lock(loop_);
    if (Usable())
        Await(pa_stream_flush(
            stream_, [](pa_stream*, int, void* self) { Signal(self); }, this));
    pa_threaded_mainloop_unlock(loop_);
}

bool PulseOutput::Drain(const std::function<bool()>& giveUp) {
    if (!stream_)
        return false;
    pa_threaded_mainloop_lock(loop_);
    bool ok = Usable();
    if (ok) {
        pa_operation* operation = pa_stream_drain(
            stream_, [](pa_stream*, int, void* self) { Signal(self); }, this);
        ok = operation != nullptr;
        while (ok && pa_operation_get_state(operation) == PA_OPERATION_RUNNING) {
            if (!Usable() || (giveUp && giveUp())) {
                pa_operation_cancel(operation);
                ok = false;
                break;
            }
            pa_threaded_mainloop_wait(loop_);
        }
        if (operation)
            pa_operation_unref(operation);
    }
    pa_threaded_mainloop_unlock(loop_);
    return ok;
}

uint64_t PulseOutput::LatencyFrames() {
    if (!stream_)
        return 0;
    pa_usec_t usec = 0;
    int negative = 0;
    bool known = false;
    pa_threaded_mainloop_lock(loop_);
    // The first timing report arrives shortly after the stream starts.
    while (Usable()) {
        if (pa_stream_get_latency(stream_, &usec, &negative) >= 0) {
            known = true;
            break;
        }
        if (pa_context_errno(context_) != PA_ERR_NODATA)
            break;
        pa_threaded_mainloop_wait(loop_);
    }
    pa_threaded_mainloop_unlock(loop_);
    if (!known || negative)
        return 0;
    return usec * static_cast<uint64_t>(rate_) / 1000000ull;
}
