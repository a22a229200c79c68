#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <pulse/channelmap.h>
#include <pulse/volume.h>
#include <string>
#include <vector>

struct pa_threaded_mainloop;
struct pa_context;
struct pa_time_event;
struct pa_operation;

// One sink as the server last described it.
struct PulseSinkState {
    std::string name;
    std::string description;
    pa_channel_map map{};
    pa_cvolume volume{};
    bool mute = false;
};

// One playback stream of this process (the engine's), as the server last
// described it.
struct PulseStreamState {
    std::uint32_t index = 0;
    pa_channel_map map{};
    pa_cvolume volume{};
    bool mute = false;
};

// What the connection knows about the server: published from the libpulse
// thread whenever it changes.
struct PulseSnapshot {
    std::uint64_t seq = 0;   // grows with every published snapshot; 0 = none yet
    std::uint64_t epoch = 0; // grows with every successful connection
    bool connected = false;
    std::string product; // server name and version
    bool hasSink = false;
    PulseSinkState sink; // the default sink when hasSink
    std::vector<PulseStreamState> streams; // this process's playback streams
};

// A libpulse context on a threaded main loop that stays connected: it follows
// the server's default sink and this process's playback streams, publishes a
// snapshot whenever the server, the default sink, those streams or their
// volume or mute change, and when the server goes away it tries again every
// retry interval until a server answers.
//
// The notify callback runs on the libpulse thread after each new snapshot; it
// must only hand the news over (e.g. post to another thread). The query and
// set calls are for other threads; each waits for the server at most the wait
// interval and reports failure when there is no answer.
class PulseConnection {
public:
    using Notify = std::function<void()>;

    // withStreams: also follow this process's playback streams.
    PulseConnection(Notify notify, std::chrono::milliseconds wait, std::chrono::milliseconds retry,
                    bool withStreams = false);
    ~PulseConnection();
    PulseConnection(const PulseConnection&) = delete;
    PulseConnection& operator=(const PulseConnection&) = delete;

    // Waits (bounded) until the first connection attempt has either produced a
    // snapshot of the server or failed.
    void WaitForFirstSnapshot();
    PulseSnapshot Latest() const;

    bool QuerySink(const std::string& name, PulseSinkState& state);
    bool SetSinkVolume(const std::string& name, const pa_cvolume& volume);
    bool SetSinkMute(const std::string& name, bool mute);

    // The level every new playback stream of this process gets as soon as the
    // connection sees it (before anyone else can change it), in player levels
    // 0..65535. Until it is set, new streams keep the level they came with.
    void SetStreamLevel(int left, int right, bool mute);

    // This process's playback streams, found by their application.process.id.
    bool QueryOwnStreams(std::vector<PulseStreamState>& streams);
    bool SetStreamVolume(std::uint32_t index, const pa_cvolume& volume);
    bool SetStreamMute(std::uint32_t index, bool mute);
    // The server's remembered level of a stream (module-stream-restore, by its
    // key such as "sink-input-by-application-name:..."). False when the module
    // is not loaded, the server does not answer or there is no such entry.
    bool ReadRemembered(const std::string& key, PulseStreamState& state);
    bool WriteRemembered(const std::string& key, const pa_channel_map& map, const pa_cvolume& volume, bool mute);

private:
    struct Call;

    // --- libpulse thread (main loop lock held) ---
    void connectNow();
    void dropContext();
    void scheduleRetry();
    void onContextState();
    void onSubscription(unsigned type, std::uint32_t index);
    void refresh();
    void listStreams();
    PulseStreamState welcomeStream(PulseStreamState stream);
    void refreshDone();
    void publish(PulseSnapshot snapshot);

    // --- other threads ---
    template <typename Start> bool run(Call& call, Start start);

    Notify notify_;
    std::chrono::milliseconds wait_;
    std::chrono::milliseconds retry_;
    bool withStreams_ = false;
    pa_threaded_mainloop* loop_ = nullptr;

    // Owned by the libpulse thread; other threads touch them only under the
    // main loop lock.
    pa_context* context_ = nullptr;
    bool ready_ = false;
    pa_time_event* retryEvent_ = nullptr;
    bool refreshing_ = false;
    bool refreshAgain_ = false;
    std::uint32_t sinkIndex_ = 0xffffffffu;
    std::uint64_t epoch_ = 0;
    PulseSnapshot pending_; // being filled by the refresh in flight

    std::vector<std::uint32_t> seenStreams_; // this process's streams already given the level

    std::mutex levelMutex_;
    bool levelSet_ = false;
    int levelLeft_ = 0;
    int levelRight_ = 0;
    bool levelMute_ = false;

    mutable std::mutex snapshotMutex_;
    std::condition_variable snapshotCv_;
    PulseSnapshot latest_;
    bool firstAttemptDone_ = false;
};
