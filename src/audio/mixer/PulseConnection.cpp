#include "PulseConnection.h"

#include "PulseLevels.h"

#include <pulse/context.h>
#include <pulse/ext-stream-restore.h>
#include <pulse/introspect.h>
#include <pulse/operation.h>
#include <pulse/subscribe.h>
#include <pulse/thread-mainloop.h>
#include <pulse/timeval.h>
#include <algorithm>
#include <unistd.h>

namespace {

constexpr const char* kClientName = "Sorvi Audio Player";

bool SameSink(const PulseSinkState& a, const PulseSinkState& b) {
    return a.name == b.name && a.description == b.description && a.mute == b.mute &&
           pa_channel_map_equal(&a.map, &b.map) && pa_cvolume_equal(&a.volume, &b.volume);
}

bool SameStreams(const std::vector<PulseStreamState>& a, const std::vector<PulseStreamState>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].index != b[i].index || a[i].mute != b[i].mute || !pa_channel_map_equal(&a[i].map, &b[i].map) ||
            !pa_cvolume_equal(&a[i].volume, &b[i].volume))
            return false;
    }
    return true;
}

bool SameState(const PulseSnapshot& a, const PulseSnapshot& b) {
    return a.connected == b.connected && a.product == b.product && a.hasSink == b.hasSink &&
           (!a.hasSink || SameSink(a.sink, b.sink)) && SameStreams(a.streams, b.streams);
}

// The engine's streams live in this process: the server copies the client's
// process id into every stream it creates.
bool OwnStream(const pa_sink_input_info& info) {
    static const std::string self = std::to_string(::getpid());
    const char* pid = info.proplist ? pa_proplist_gets(info.proplist, PA_PROP_APPLICATION_PROCESS_ID) : nullptr;
    return pid && self == pid;
}

PulseStreamState StreamOf(const pa_sink_input_info& info) {
    PulseStreamState state;
    state.index = info.index;
    state.map = info.channel_map;
    state.volume = info.volume;
    state.mute = info.mute != 0;
    return state;
}

void FillSink(const pa_sink_info& info, PulseSinkState& state) {
    state.name = info.name ? info.name : "";
    state.description = info.description ? info.description : "";
    state.map = info.channel_map;
    state.volume = info.volume;
    state.mute = info.mute != 0;
}

} // namespace

// One request from another thread: finished by the request's own callback, or
// by the operation's state callback when the operation is cancelled (the
// connection died or the caller gave up).
struct PulseConnection::Call {
    std::mutex mutex;
    std::condition_variable cv;
    bool done = false;
    bool ok = false;
    PulseSinkState* sink = nullptr;
    std::vector<PulseStreamState>* streams = nullptr;
    PulseStreamState* stream = nullptr;
    std::string key;
    bool found = false;

    void finish(bool success) {
        {
            std::lock_guard lock(mutex);
            if (done)
                return;
            done = true;
            ok = success;
        }
        cv.notify_all();
    }
};

PulseConnection::PulseConnection(Notify notify, std::chrono::milliseconds wait,
                                 std::chrono::milliseconds retry, bool withStreams)
    : notify_(std::move(notify)), wait_(wait), retry_(retry), withStreams_(withStreams) {
    loop_ = pa_threaded_mainloop_new();
    if (!loop_ || pa_threaded_mainloop_start(loop_) < 0) {
        if (loop_)
            pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
        std::lock_guard lock(snapshotMutex_);
        firstAttemptDone_ = true;
        return;
    }
    pa_threaded_mainloop_lock(loop_);
    connectNow();
    pa_threaded_mainloop_unlock(loop_);
}

PulseConnection::~PulseConnection() {
    if (!loop_)
        return;
    // Once the thread has stopped nothing else touches the context.
    pa_threaded_mainloop_stop(loop_);
    if (retryEvent_)
        pa_threaded_mainloop_get_api(loop_)->time_free(retryEvent_);
    retryEvent_ = nullptr;
    dropContext();
    pa_threaded_mainloop_free(loop_);
}

void PulseConnection::WaitForFirstSnapshot() {
    std::unique_lock lock(snapshotMutex_);
    snapshotCv_.wait_for(lock, wait_, [this] { return firstAttemptDone_; });
}

PulseSnapshot PulseConnection::Latest() const {
    std::lock_guard lock(snapshotMutex_);
    return latest_;
}

// --- libpulse thread ---

void PulseConnection::connectNow() {
    dropContext();
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), kClientName);
    if (!context_) {
        scheduleRetry();
        return;
    }
    pa_context_set_state_callback(
        context_,
        [](pa_context* c, void* self) {
            auto* me = static_cast<PulseConnection*>(self);
            if (c == me->context_)
                me->onContextState();
        },
        this);
    pa_context_set_subscribe_callback(
        context_,
        [](pa_context* c, pa_subscription_event_type_t type, uint32_t index, void* self) {
            auto* me = static_cast<PulseConnection*>(self);
            if (c == me->context_)
                me->onSubscription(type, index);
        },
        this);
    // Never start a daemon of our own: the mixer follows the user's server.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        ready_ = false;
        PulseSnapshot gone;
        publish(gone);
        scheduleRetry();
    }
}

void PulseConnection::dropContext() {
    if (!context_)
        return;
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_set_subscribe_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
    ready_ = false;
    refreshing_ = false;
    refreshAgain_ = false;
    seenStreams_.clear();
}

void PulseConnection::scheduleRetry() {
    if (retryEvent_)
        return;
    timeval when;
    pa_gettimeofday(&when);
    pa_timeval_add(&when, static_cast<pa_usec_t>(retry_.count()) * PA_USEC_PER_MSEC);
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop_);
    retryEvent_ = api->time_new(
        api, &when,
        [](pa_mainloop_api* a, pa_time_event* e, const timeval*, void* self) {
            auto* me = static_cast<PulseConnection*>(self);
            a->time_free(e);
            me->retryEvent_ = nullptr;
            me->connectNow();
        },
        this);
}

void PulseConnection::onContextState() {
    switch (pa_context_get_state(context_)) {
    case PA_CONTEXT_READY: {
        ready_ = true;
        ++epoch_;
        const auto mask = static_cast<pa_subscription_mask_t>(
            PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SERVER |
            (withStreams_ ? PA_SUBSCRIPTION_MASK_SINK_INPUT : PA_SUBSCRIPTION_MASK_NULL));
        if (pa_operation* op = pa_context_subscribe(context_, mask, nullptr, nullptr))
            pa_operation_unref(op);
        refresh();
        break;
    }
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED: {
        // The context is released by the retry, outside its own callback.
        ready_ = false;
        refreshing_ = false;
        refreshAgain_ = false;
        sinkIndex_ = PA_INVALID_INDEX;
        PulseSnapshot gone;
        publish(gone);
        scheduleRetry();
        break;
    }
    default:
        break;
    }
}

void PulseConnection::onSubscription(unsigned type, std::uint32_t index) {
    const unsigned facility = type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
    const unsigned kind = type & PA_SUBSCRIPTION_EVENT_TYPE_MASK;
    if (facility == PA_SUBSCRIPTION_EVENT_SERVER || facility == PA_SUBSCRIPTION_EVENT_SINK_INPUT)
        refresh(); // the default sink may have changed; a stream came, went or changed
    else if (facility == PA_SUBSCRIPTION_EVENT_SINK &&
             (kind != PA_SUBSCRIPTION_EVENT_CHANGE || index == sinkIndex_))
        refresh();
}

// Reads the server (for its default sink) and then that sink. Events arriving
// while a refresh is in flight are folded into one more refresh afterwards.
void PulseConnection::refresh() {
    if (!ready_ || !context_)
        return;
    if (refreshing_) {
        refreshAgain_ = true;
        return;
    }
    refreshing_ = true;
    pending_ = PulseSnapshot{};
    pending_.connected = true;
    pa_operation* op = pa_context_get_server_info(
        context_,
        [](pa_context* c, const pa_server_info* info, void* self) {
            auto* me = static_cast<PulseConnection*>(self);
            if (c != me->context_)
                return;
            if (info)
                me->pending_.product = std::string(info->server_name ? info->server_name : "") + ' ' +
                                       (info->server_version ? info->server_version : "");
            if (!info || !info->default_sink_name || !*info->default_sink_name) {
                me->sinkIndex_ = PA_INVALID_INDEX;
                me->listStreams();
                return;
            }
            pa_operation* sinkOp = pa_context_get_sink_info_by_name(
                c, info->default_sink_name,
                [](pa_context* c2, const pa_sink_info* sink, int eol, void* self2) {
                    auto* me2 = static_cast<PulseConnection*>(self2);
                    if (c2 != me2->context_)
                        return;
                    if (sink && eol == 0) {
                        FillSink(*sink, me2->pending_.sink);
                        me2->pending_.hasSink = true;
                        me2->sinkIndex_ = sink->index;
                        return;
                    }
                    if (!me2->pending_.hasSink)
                        me2->sinkIndex_ = PA_INVALID_INDEX;
                    me2->listStreams();
                },
                me);
            if (sinkOp)
                pa_operation_unref(sinkOp);
            else
                me->listStreams();
        },
        this);
    if (op)
        pa_operation_unref(op);
    else
        refreshing_ = false;
}

// A stream seen for the first time gets the player's level at once; the
// snapshot shows it with that level, which the server will report next.
PulseStreamState PulseConnection::welcomeStream(PulseStreamState stream) {
    if (std::find(seenStreams_.begin(), seenStreams_.end(), stream.index) != seenStreams_.end())
        return stream;
    seenStreams_.push_back(stream.index);
    std::lock_guard lock(levelMutex_);
    if (!levelSet_)
        return stream;
    const pa_cvolume volume = SpreadStereo(stream.map, levelLeft_, levelRight_);
    if (!pa_cvolume_equal(&volume, &stream.volume)) {
        if (pa_operation* op = pa_context_set_sink_input_volume(context_, stream.index, &volume, nullptr, nullptr))
            pa_operation_unref(op);
        stream.volume = volume;
    }
    if (stream.mute != levelMute_) {
        if (pa_operation* op = pa_context_set_sink_input_mute(context_, stream.index, levelMute_, nullptr, nullptr))
            pa_operation_unref(op);
        stream.mute = levelMute_;
    }
    return stream;
}

void PulseConnection::SetStreamLevel(int left, int right, bool mute) {
    std::lock_guard lock(levelMutex_);
    levelSet_ = true;
    levelLeft_ = left;
    levelRight_ = right;
    levelMute_ = mute;
}

// The last step of a refresh: this process's playback streams.
void PulseConnection::listStreams() {
    if (!withStreams_) {
        refreshDone();
        return;
    }
    pa_operation* op = pa_context_get_sink_input_info_list(
        context_,
        [](pa_context* c, const pa_sink_input_info* info, int eol, void* self) {
            auto* me = static_cast<PulseConnection*>(self);
            if (c != me->context_)
                return;
            if (info && eol == 0) {
                if (OwnStream(*info))
                    me->pending_.streams.push_back(me->welcomeStream(StreamOf(*info)));
                return;
            }
            me->refreshDone();
        },
        this);
    if (op)
        pa_operation_unref(op);
    else
        refreshDone();
}

void PulseConnection::refreshDone() {
    publish(pending_);
    refreshing_ = false;
    if (refreshAgain_) {
        refreshAgain_ = false;
        refresh();
    }
}

// Publishes a snapshot that differs from the last one (or belongs to a new
// connection) and tells the owner.
void PulseConnection::publish(PulseSnapshot snapshot) {
    {
        std::lock_guard lock(snapshotMutex_);
        const bool first = !firstAttemptDone_;
        firstAttemptDone_ = true;
        if (!first && latest_.epoch == epoch_ && SameState(latest_, snapshot)) {
            snapshotCv_.notify_all();
            return;
        }
        snapshot.epoch = epoch_;
        snapshot.seq = latest_.seq + 1;
        latest_ = std::move(snapshot);
    }
    snapshotCv_.notify_all();
    if (notify_)
        notify_();
}

// --- other threads ---

template <typename Start> bool PulseConnection::run(Call& call, Start start) {
    if (!loop_)
        return false;
    pa_threaded_mainloop_lock(loop_);
    pa_operation* op = (context_ && ready_) ? start(context_) : nullptr;
    if (op)
        pa_operation_set_state_callback(
            op,
            [](pa_operation* o, void* c) {
                if (pa_operation_get_state(o) != PA_OPERATION_RUNNING)
                    static_cast<Call*>(c)->finish(false);
            },
            &call);
    pa_threaded_mainloop_unlock(loop_);
    if (!op)
        return false;
    {
        std::unique_lock lock(call.mutex);
        call.cv.wait_for(lock, wait_, [&call] { return call.done; });
    }
    // Under the lock no callback can be running; cancelling keeps any late
    // answer from reaching the call, which is about to go away.
    pa_threaded_mainloop_lock(loop_);
    if (pa_operation_get_state(op) == PA_OPERATION_RUNNING)
        pa_operation_cancel(op);
    pa_operation_unref(op);
    pa_threaded_mainloop_unlock(loop_);
    std::lock_guard lock(call.mutex);
    return call.done && call.ok;
}

bool PulseConnection::QuerySink(const std::string& name, PulseSinkState& state) {
    Call call;
    call.sink = &state;
    return run(call, [&](pa_context* c) {
        return pa_context_get_sink_info_by_name(
            c, name.c_str(),
            [](pa_context*, const pa_sink_info* info, int eol, void* self) {
                auto* me = static_cast<Call*>(self);
                if (info && eol == 0) {
                    FillSink(*info, *me->sink);
                    me->found = true;
                    return;
                }
                me->finish(eol > 0 && me->found);
            },
            &call);
    });
}

bool PulseConnection::SetSinkVolume(const std::string& name, const pa_cvolume& volume) {
    Call call;
    return run(call, [&](pa_context* c) {
        return pa_context_set_sink_volume_by_name(
            c, name.c_str(), &volume,
            [](pa_context*, int success, void* self) { static_cast<Call*>(self)->finish(success != 0); },
            &call);
    });
}

bool PulseConnection::SetSinkMute(const std::string& name, bool mute) {
    Call call;
    return run(call, [&](pa_context* c) {
        return pa_context_set_sink_mute_by_name(
            c, name.c_str(), mute ? 1 : 0,
            [](pa_context*, int success, void* self) { static_cast<Call*>(self)->finish(success != 0); },
            &call);
    });
}

bool PulseConnection::QueryOwnStreams(std::vector<PulseStreamState>& streams) {
    streams.clear();
    Call call;
    call.streams = &streams;
    return run(call, [&](pa_context* c) {
        return pa_context_get_sink_input_info_list(
            c,
            [](pa_context*, const pa_sink_input_info* info, int eol, void* self) {
                auto* me = static_cast<Call*>(self);
                if (info && eol == 0) {
                    if (OwnStream(*info))
                        me->streams->push_back(StreamOf(*info));
                    return;
                }
                me->finish(eol > 0);
            },
            &call);
    });
}

bool PulseConnection::SetStreamVolume(std::uint32_t index, const pa_cvolume& volume) {
    Call call;
    return run(call, [&](pa_context* c) {
        return pa_context_set_sink_input_volume(
            c, index, &volume,
            [](pa_context*, int success, void* self) { static_cast<Call*>(self)->finish(success != 0); },
            &call);
    });
}

bool PulseConnection::SetStreamMute(std::uint32_t index, bool mute) {
    Call call;
    return run(call, [&](pa_context* c) {
        return pa_context_set_sink_input_mute(
            c, index, mute ? 1 : 0,
            [](pa_context*, int success, void* self) { static_cast<Call*>(self)->finish(success != 0); },
            &call);
    });
}

bool PulseConnection::ReadRemembered(const std::string& key, PulseStreamState& state) {
    Call call;
    call.stream = &state;
    call.key = key;
    const bool answered = run(call, [&](pa_context* c) {
        return pa_ext_stream_restore_read(
            c,
            [](pa_context*, const pa_ext_stream_restore_info* info, int eol, void* self) {
                auto* me = static_cast<Call*>(self);
                if (info && eol == 0) {
                    if (info->name && me->key == info->name && info->volume.channels > 0 &&
                        pa_cvolume_valid(&info->volume)) {
                        me->stream->map = info->channel_map;
                        me->stream->volume = info->volume;
                        me->stream->mute = info->mute != 0;
                        me->found = true;
                    }
                    return;
                }
                me->finish(eol > 0);
            },
            &call);
    });
    return answered && call.found;
}

bool PulseConnection::WriteRemembered(const std::string& key, const pa_channel_map& map, const pa_cvolume& volume,
                                      bool mute) {
    Call call;
    pa_ext_stream_restore_info entry{};
    entry.name = key.c_str();
    entry.channel_map = map;
    entry.volume = volume;
    entry.device = nullptr;
    entry.mute = mute ? 1 : 0;
    return run(call, [&](pa_context* c) {
        return pa_ext_stream_restore_write(
            c, PA_UPDATE_REPLACE, &entry, 1, 0,
            [](pa_context*, int success, void* self) { static_cast<Call*>(self)->finish(success != 0); }, &call);
    });
}
