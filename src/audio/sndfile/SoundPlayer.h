#pragma once

#include "PulseOutput.h"
#include "SoundFile.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Plays one file on a worker thread: opens it, decodes it with SoundFile and
// writes it to the sound server through PulseOutput, and tells what happens
// through `report` ("%totaltime", "%status", "%time" with a number), called on
// the worker thread.
//
// A player is made with Start and ended with Dispose, which never waits for
// the worker: the worker may sit in a slow file system or wait for a slow
// sound server. It is told to quit, its output is interrupted, and it frees
// the player itself. No report is made once Dispose has returned.
class SoundPlayer {
public:
    using Report = std::function<void(const char* name, int64_t value)>;

    static SoundPlayer* Start(const std::string& path, Report report);
    static void Dispose(SoundPlayer* player);
    // Waits (at most a few seconds) until every disposed player's worker has
    // ended; run before the module is unloaded.
    static void WaitForWorkers();

    void TogglePause();
    void Seek(int second);

    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

private:
    SoundPlayer(std::string path, Report report);
    ~SoundPlayer() = default;

    enum class Mode { Playing, Paused, Ended };

    void Run();
    bool Prepare();
    void TakeRequests();
    // One block decoded and written; false when the song is over.
    bool Step();
    void Finish();
    void Fail();
    void ReportHeardTime(bool force);
    uint64_t HeardFrame();
    void Send(const char* name, int64_t value);

    const std::string path_;
    const Report report_;

    std::mutex reportMutex_;
    bool reporting_ = true; // false once disposed (under reportMutex_)

    std::mutex mutex_;
    std::condition_variable wake_;
    bool quit_ = false;
    int pauseToggles_ = 0;   // requests not yet carried out
    int seekTo_ = -1;        // second of the latest seek request, -1 none
    bool roomArrived_ = false;

    // Worker-only state.
    SoundFile file_;
    PulseOutput output_;
    std::vector<int16_t> pcm_;
    Mode mode_ = Mode::Playing;
    bool announced_ = false;   // "%status 1" went out for this run
    uint64_t writtenFrame_ = 0;
    int64_t lastSecond_ = -1;
    std::thread worker_;
};
