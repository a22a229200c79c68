#pragma once

#include "HttpSource.h"
#include "mpeg_engine.h"
#include "PulseOutput.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

struct mpg123_handle_struct;

// One engine player: a worker thread that owns the decoder (libmpg123), the
// input (a file or an HttpSource) and the sound output (PulseOutput). Commands
// from any thread are queued and return at once; the worker carries them out in
// order and reports through the notify target.
//
// A player is made with Create and ended with Dispose, which never waits for
// the worker: the worker may sit in a write to a slow sound server, in a file
// on a slow disk or in a stalled network transfer. It is told to quit, its
// output is interrupted, and it frees the player itself when it is done.
class EnginePlayer {
public:
    static EnginePlayer* Create(const MpegNotifyTarget& target);
    // Returns at once; no notification is posted after it has returned.
    static void Dispose(EnginePlayer* player);
    EnginePlayer(const EnginePlayer&) = delete;
    EnginePlayer& operator=(const EnginePlayer&) = delete;

    // False for a code the engine does not know.
    bool Send(int code, std::string text = {}, int first = 0, int second = 0);
    void SetPriority(int priority);
    // The title the playing stream named last (empty when none).
    std::string StreamTitle();

    // Waits (bounded) until every disposed player's worker has ended; run when
    // the module is unloaded at process exit.
    static void WaitForWorkers();

private:
    explicit EnginePlayer(const MpegNotifyTarget& target);
    ~EnginePlayer() = default;

    struct Command {
        int code;
        std::string text;
        int first;
        int second;
    };
    enum class Mode { Idle, Playing, Paused };

    void Run();
    void Execute(const Command& command);
    void Open(const std::string& path);
    void Play();
    void Pause();
    void Stop();
    void Seek(int second, int total);
    void CloseInput();
    bool OpenFile(const std::string& path);
    bool OpenStream(const std::string& url);

    // One decoding step while playing; false when the worker should wait for input.
    bool Step();
    bool WritePcm(const unsigned char* data, size_t bytes);
    bool FeedFromStream();
    void FinishSong();
    void FailPlay();
    void ReportHeardTime(bool force);
    bool InputFileGone() const;
    uint64_t HeardFrame();
    void TakeStreamTitle();

    void Post(uint32_t code, uint32_t value);
    void PostBytes(uint32_t code, uint8_t b0, uint8_t b1 = 0, uint8_t b2 = 0, uint8_t b3 = 0);
    void PostState(int state) { PostBytes(MPEG_MSG_STATE, static_cast<uint8_t>(state)); }
    void Wake() { wake_.notify_all(); }
    // Clears the room signal and tells whether the server takes a decoded
    // block now (or a write would fail, which Step handles).
    bool RoomForAStep();

    const MpegNotifyTarget target_;
    std::mutex notifyMutex_;
    bool notifying_ = true; // false once disposed (under notifyMutex_)

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Command> queue_;
    bool quit_ = false;
    std::atomic<bool> quitting_{false}; // quit_ for the worker between commands
    std::string streamTitle_;
    pid_t workerTid_ = 0;
    int priority_ = 4;

    // Worker-only state.
    mpg123_handle_struct* decoder_ = nullptr;
    std::unique_ptr<HttpSource> stream_;
    PulseOutput output_;
    bool roomArrived_ = false; // guarded by mutex_
    std::vector<unsigned char> pcm_;
    // Decoded blocks gathered for one write; room_ is what the server had
    // free when the step began.
    std::vector<unsigned char> batch_;
    size_t room_ = 0;
    Mode mode_ = Mode::Idle;
    bool inputOpen_ = false;
    bool atEnd_ = false;     // the song played to its end; Play starts it over
    bool announced_ = false; // state 1 posted for this run of Play
    std::string path_;
    dev_t fileDevice_ = 0;
    ino_t fileInode_ = 0;
    long rate_ = 0;
    int channels_ = 0;
    int64_t lengthFrames_ = 0;   // 0 while unknown
    uint64_t writtenFrame_ = 0;  // song position of the next frame handed to the output
    int64_t lastSecond_ = -1;    // last whole second reported as heard
    uint64_t nextFileCheck_ = 0; // writtenFrame_ at which to look at the file again
    uint32_t titleCount_ = 0;    // stream titles reported
    std::thread worker_;
};
