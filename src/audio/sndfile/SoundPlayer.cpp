#include "SoundPlayer.h"

#include "DecoderWorkers.h"

#include <chrono>
#include <cmath>

namespace {

// A block is a tenth of a second: the server asks for about that much at a time.
constexpr int kBlockDivisor = 10;
constexpr int kRoomWaitMs = 250;

// The status values of the plug-in contract.
constexpr int kStopped = 0;
constexpr int kPlaying = 1;
constexpr int kPaused = 2;
constexpr int kFailed = 4;

} // namespace

SoundPlayer::SoundPlayer(std::string path, Report report) : path_(std::move(path)), report_(std::move(report)) {
    // The worker sleeps while the server's buffer is full and wakes when the
    // server asks for more, or for a request.
    output_.SetRoomCallback([this] {
        std::lock_guard lock(mutex_);
        roomArrived_ = true;
        wake_.notify_all();
    });
}

SoundPlayer* SoundPlayer::Start(const std::string& path, Report report) {
    auto* player = new SoundPlayer(path, std::move(report));
    player->worker_ = StartDecoderWorker([player] {
        player->Run();
        delete player;
    });
    return player;
}

void SoundPlayer::Dispose(SoundPlayer* player) {
    if (!player)
        return;
    {
        // A report being made right now ends before this goes on.
        std::lock_guard lock(player->reportMutex_);
        player->reporting_ = false;
    }
    // Detached before it is told to quit, so that it cannot have freed itself yet.
    player->worker_.detach();
    player->output_.Interrupt();
    // Woken under the lock: once it is released the worker may free the player.
    std::lock_guard lock(player->mutex_);
    player->quit_ = true;
    player->wake_.notify_all();
}

void SoundPlayer::WaitForWorkers() {
    WaitForDecoderWorkers();
}

void SoundPlayer::TogglePause() {
    {
        std::lock_guard lock(mutex_);
        ++pauseToggles_;
        wake_.notify_all();
    }
    // The end of a song waits for the server to play out its buffer: a pause
    // or seek cuts that short.
    output_.Poke();
}

void SoundPlayer::Seek(int second) {
    {
        std::lock_guard lock(mutex_);
        seekTo_ = second < 0 ? 0 : second;
        wake_.notify_all();
    }
    output_.Poke();
}

void SoundPlayer::Send(const char* name, int64_t value) {
    std::lock_guard lock(reportMutex_);
    if (reporting_ && report_)
        report_(name, value);
}

void SoundPlayer::Run() {
    // The worker lives until it is disposed, also after a failure or the end
    // of the song: the plug-in holds on to the player until then.
    if (!Prepare())
        Fail();
    for (;;) {
        TakeRequests();
        {
            std::unique_lock lock(mutex_);
            if (quit_)
                break;
            if (mode_ != Mode::Playing) {
                wake_.wait(lock, [this] { return quit_ || pauseToggles_ > 0 || seekTo_ >= 0; });
                continue;
            }
        }
        {
            // Cleared before asking, so that room arriving meanwhile is not missed.
            std::lock_guard lock(mutex_);
            roomArrived_ = false;
        }
        const size_t room = output_.WritableBytes();
        const size_t block = pcm_.size() * sizeof(int16_t);
        if (room != PulseOutput::kWriteFails && room < block) {
            std::unique_lock lock(mutex_);
            wake_.wait_for(lock, std::chrono::milliseconds(kRoomWaitMs),
                           [this] { return quit_ || pauseToggles_ > 0 || seekTo_ >= 0 || roomArrived_; });
            continue;
        }
        if (!Step())
            Finish();
    }
    output_.Close();
    file_.Close();
}

bool SoundPlayer::Prepare() {
    // Opening reads the file's headers (and for Ogg its last page): done here,
    // off the player's main thread.
    if (!file_.Open(path_))
        return false;
    Send("%totaltime", std::llround(static_cast<double>(file_.LengthMs()) / 1000.0));
    pcm_.assign(static_cast<size_t>(file_.Rate() / kBlockDivisor * file_.Channels()), 0);
    return output_.Open(file_.Rate(), file_.Channels());
}

void SoundPlayer::TakeRequests() {
    int toggles = 0;
    int seek = -1;
    {
        std::lock_guard lock(mutex_);
        toggles = pauseToggles_;
        seek = seekTo_;
        pauseToggles_ = 0;
        seekTo_ = -1;
    }
    if (seek >= 0) {
        const int64_t target = static_cast<int64_t>(seek) * file_.Rate();
        if (file_.Seek(target)) {
            output_.Flush();
            writtenFrame_ = static_cast<uint64_t>(file_.Frames() > 0 ? std::min(target, file_.Frames()) : target);
            if (mode_ == Mode::Ended) {
                // A seek after the end plays on from there.
                mode_ = Mode::Playing;
                announced_ = false;
            }
            ReportHeardTime(true);
        }
    }
    for (int i = 0; i < toggles; ++i) {
        if (mode_ == Mode::Playing) {
            // Keep what was heard: drop the buffered rest and go back to the heard point.
            const uint64_t heard = HeardFrame();
            output_.Flush();
            if (file_.Seek(static_cast<int64_t>(heard)))
                writtenFrame_ = heard;
            mode_ = Mode::Paused;
            Send("%status", kPaused);
        } else if (mode_ == Mode::Paused) {
            mode_ = Mode::Playing;
            Send("%status", kPlaying);
        }
    }
}

bool SoundPlayer::Step() {
    const int channels = file_.Channels();
    const int64_t frames = file_.Read(pcm_.data(), static_cast<int64_t>(pcm_.size()) / channels);
    if (frames <= 0)
        return false;
    if (!output_.Write(pcm_.data(), static_cast<size_t>(frames * channels) * sizeof(int16_t))) {
        // The sound server went away or the player is being disposed.
        if (!announced_)
            Fail();
        return false;
    }
    writtenFrame_ += static_cast<uint64_t>(frames);
    if (!announced_) {
        announced_ = true;
        Send("%status", kPlaying);
    }
    ReportHeardTime(false);
    return true;
}

void SoundPlayer::Finish() {
    if (mode_ == Mode::Ended)
        return;
    const bool played = announced_;
    output_.Drain([this] {
        std::lock_guard lock(mutex_);
        return quit_ || pauseToggles_ > 0 || seekTo_ >= 0;
    });
    {
        std::lock_guard lock(mutex_);
        // A request cut the end short: the loop carries it out and plays on.
        if (!quit_ && (pauseToggles_ > 0 || seekTo_ >= 0))
            return;
    }
    mode_ = Mode::Ended;
    if (!played) {
        // Not one frame could be decoded: the file is damaged or empty.
        Fail();
        return;
    }
    ReportHeardTime(false);
    Send("%status", kStopped);
}

void SoundPlayer::Fail() {
    mode_ = Mode::Ended;
    output_.Close();
    Send("%status", kFailed);
}

uint64_t SoundPlayer::HeardFrame() {
    const uint64_t latency = output_.LatencyFrames();
    return writtenFrame_ > latency ? writtenFrame_ - latency : 0;
}

void SoundPlayer::ReportHeardTime(bool force) {
    const long rate = file_.Rate();
    if (rate <= 0)
        return;
    // Right after a flush the server's latency figure can still count what was
    // dropped: the heard second only moves forward, except when a seek moved it.
    const int64_t second = static_cast<int64_t>(HeardFrame() / static_cast<uint64_t>(rate));
    if (!force && second <= lastSecond_)
        return;
    lastSecond_ = second;
    Send("%time", second);
}
