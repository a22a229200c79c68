#include "EnginePlayer.h"

#include "DecoderWorkers.h"
#include "Mp3Length.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <mpg123.h>
#include <mutex>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

std::once_flag g_mpg123Init;

mpg123_handle* NewDecoder() {
    std::call_once(g_mpg123Init, [] { mpg123_init(); });
    int error = 0;
    mpg123_handle* decoder = mpg123_new(nullptr, &error);
    if (!decoder)
        return nullptr;
    mpg123_param(decoder, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0.0);
    // Always 16-bit signed samples at the stream's own rate; the output takes them as they are.
    mpg123_format_none(decoder);
    const long* rates = nullptr;
    size_t count = 0;
    mpg123_rates(&rates, &count);
    for (size_t i = 0; i < count; ++i)
        mpg123_format(decoder, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    return decoder;
}

constexpr size_t kStreamChunk = 16 * 1024;
constexpr int kIdleWaitMs = 20;
// Longest sleep while the sound server's buffer is full; it normally wakes
// the worker itself long before.
constexpr int kRoomWaitMs = 250;
// Room the server must have before a block is decoded: one MPEG frame.
constexpr size_t kMinStepBytes = 4608;

} // namespace

EnginePlayer::EnginePlayer(const MpegNotifyTarget& target) : target_(target) {
    // The worker sleeps while the server's buffer is full and wakes when the
    // server asks for more, like for a command.
    output_.SetRoomCallback([this] {
        std::lock_guard lock(mutex_);
        roomArrived_ = true;
        Wake();
    });
}

bool EnginePlayer::RoomForAStep() {
    {
        std::lock_guard lock(mutex_);
        roomArrived_ = false;
    }
    if (!output_.IsOpen())
        return true;
    // A frame's worth of room; a larger decoded block (a stream's decoder
    // hands out up to 72 KiB) waits inside the write for the rest.
    const size_t room = output_.WritableBytes();
    room_ = room == PulseOutput::kWriteFails ? 0 : room;
    return room == PulseOutput::kWriteFails || room >= kMinStepBytes;
}

EnginePlayer* EnginePlayer::Create(const MpegNotifyTarget& target) {
    auto* player = new EnginePlayer(target);
    player->worker_ = StartDecoderWorker([player] {
        player->Run();
        delete player;
    });
    return player;
}

void EnginePlayer::Dispose(EnginePlayer* player) {
    if (!player)
        return;
    {
        // A notification being posted right now ends before this goes on.
        std::lock_guard lock(player->notifyMutex_);
        player->notifying_ = false;
    }
    // Detached before it is told to quit, so that it cannot have freed itself yet.
    player->worker_.detach();
    player->output_.Interrupt();
    // Woken under the lock: once it is released the worker may free the player.
    std::lock_guard lock(player->mutex_);
    player->quit_ = true;
    player->quitting_ = true;
    player->Wake();
}

void EnginePlayer::WaitForWorkers() {
    WaitForDecoderWorkers();
}

std::string EnginePlayer::StreamTitle() {
    std::lock_guard lock(mutex_);
    return streamTitle_;
}

bool EnginePlayer::Send(int code, std::string text, int first, int second) {
    switch (code) {
    case MPEG_CMD_PLAY:
    case MPEG_CMD_PAUSE:
    case MPEG_CMD_STOP:
    case MPEG_CMD_SEEK:
    case MPEG_CMD_OPEN:
    case MPEG_CMD_CLOSE:
        break;
    default:
        return false;
    }
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(Command{code, std::move(text), first, second});
    }
    Wake();
    // The end of a song is waiting for the server to play out its buffer: a
    // stop, pause or seek cuts that short.
    if (code == MPEG_CMD_STOP || code == MPEG_CMD_PAUSE || code == MPEG_CMD_SEEK)
        output_.Poke();
    return true;
}

void EnginePlayer::SetPriority(int priority) {
    std::lock_guard lock(mutex_);
    priority_ = std::clamp(priority, 0, 7);
    // Niceness 8 (lowest) down to -6 (highest); 4 is the ordinary 0. Raising it
    // needs privileges that a user may not have, which is then simply ignored.
    if (workerTid_)
        setpriority(PRIO_PROCESS, static_cast<id_t>(workerTid_), (4 - priority_) * 2);
}

void EnginePlayer::Run() {
    {
        std::lock_guard lock(mutex_);
        workerTid_ = static_cast<pid_t>(syscall(SYS_gettid));
        setpriority(PRIO_PROCESS, static_cast<id_t>(workerTid_), (4 - priority_) * 2);
    }
    decoder_ = NewDecoder();
    for (;;) {
        std::deque<Command> commands;
        bool busy = mode_ == Mode::Playing;
        {
            std::unique_lock lock(mutex_);
            if (queue_.empty() && !quit_ && !busy)
                wake_.wait(lock, [this] { return quit_ || !queue_.empty(); });
            if (quit_)
                break;
            commands.swap(queue_);
        }
        for (const Command& command : commands) {
            if (quitting_)
                break;
            Execute(command);
        }
        if (mode_ != Mode::Playing)
            continue;
        if (!RoomForAStep()) {
            std::unique_lock lock(mutex_);
            wake_.wait_for(lock, std::chrono::milliseconds(kRoomWaitMs),
                           [this] { return quit_ || !queue_.empty() || roomArrived_; });
        } else if (!Step()) {
            std::unique_lock lock(mutex_);
            wake_.wait_for(lock, std::chrono::milliseconds(kIdleWaitMs),
                           [this] { return quit_ || !queue_.empty(); });
        }
    }
    CloseInput();
    if (decoder_)
        mpg123_delete(decoder_);
    decoder_ = nullptr;
}

void EnginePlayer::Execute(const Command& command) {
    switch (command.code) {
    case MPEG_CMD_OPEN:
        Open(command.text);
        break;
    case MPEG_CMD_PLAY:
        Play();
        break;
    case MPEG_CMD_PAUSE:
        Pause();
        break;
    case MPEG_CMD_STOP:
        Stop();
        break;
    case MPEG_CMD_SEEK:
        Seek(command.first, command.second);
        break;
    case MPEG_CMD_CLOSE:
        if (mode_ != Mode::Idle)
            PostState(MPEG_STATE_STOPPED);
        CloseInput();
        break;
    }
}

void EnginePlayer::Open(const std::string& path) {
    if (mode_ != Mode::Idle)
        PostState(MPEG_STATE_STOPPED);
    CloseInput();
    const bool ok = HttpSource::IsStreamUrl(path) ? OpenStream(path) : OpenFile(path);
    if (!ok) {
        CloseInput();
        PostBytes(MPEG_MSG_NACK, MPEG_CMD_OPEN);
        return;
    }
    inputOpen_ = true;
    const double seconds = rate_ > 0 ? static_cast<double>(lengthFrames_) / static_cast<double>(rate_) : 0.0;
    Post(MPEG_MSG_DURATION, static_cast<uint32_t>(std::lround(seconds)));
}

bool EnginePlayer::OpenFile(const std::string& path) {
    if (!decoder_ || mpg123_open(decoder_, path.c_str()) != MPG123_OK)
        return false;
    // Reading the format parses the first frame and with it a Xing/Info or VBRI
    // header; a file that yields no valid frame here is not an MP3.
    int encoding = 0;
    if (mpg123_getformat(decoder_, &rate_, &channels_, &encoding) != MPG123_OK || rate_ <= 0 ||
        channels_ <= 0)
        return false;
    // A Xing/Info or VBRI header states the length; without one (a VBR file
    // without it would be estimated from its first frame) every frame is counted.
    const off_t stated = mpg123_length(decoder_);
    lengthFrames_ = FileHasLengthHeader(path) && stated > 0 ? stated : CountSamples(path);
    struct stat info {};
    if (stat(path.c_str(), &info) == 0) {
        fileDevice_ = info.st_dev;
        fileInode_ = info.st_ino;
    }
    path_ = path;
    return true;
}

bool EnginePlayer::OpenStream(const std::string& url) {
    if (!decoder_ || mpg123_open_feed(decoder_) != MPG123_OK)
        return false;
    stream_ = std::make_unique<HttpSource>(url, [this] { Wake(); });
    lengthFrames_ = 0;
    return true;
}

void EnginePlayer::CloseInput() {
    stream_.reset();
    {
        std::lock_guard lock(mutex_);
        streamTitle_.clear();
    }
    if (decoder_)
        mpg123_close(decoder_);
    output_.Close();
    mode_ = Mode::Idle;
    inputOpen_ = false;
    atEnd_ = false;
    announced_ = false;
    path_.clear();
    fileDevice_ = 0;
    fileInode_ = 0;
    rate_ = 0;
    channels_ = 0;
    lengthFrames_ = 0;
    writtenFrame_ = 0;
    lastSecond_ = -1;
    nextFileCheck_ = 0;
}

void EnginePlayer::Play() {
    if (!inputOpen_) {
        PostBytes(MPEG_MSG_NACK, MPEG_CMD_PLAY);
        return;
    }
    if (mode_ == Mode::Playing)
        return;
    if (mode_ == Mode::Paused) {
        mode_ = Mode::Playing;
        PostState(MPEG_STATE_PLAYING);
        return;
    }
    if (atEnd_) {
        if (stream_ || mpg123_seek(decoder_, 0, SEEK_SET) < 0) {
            PostBytes(MPEG_MSG_NACK, MPEG_CMD_PLAY);
            return;
        }
        atEnd_ = false;
        writtenFrame_ = 0;
        lastSecond_ = -1;
    }
    // A file's format is known from opening it; a stream's arrives with its first frame.
    if (rate_ > 0 && !output_.Matches(rate_, channels_) && !output_.Open(rate_, channels_)) {
        PostBytes(MPEG_MSG_NACK, MPEG_CMD_PLAY);
        return;
    }
    mode_ = Mode::Playing;
    announced_ = false;
}

void EnginePlayer::Pause() {
    if (!inputOpen_) {
        PostBytes(MPEG_MSG_NACK, MPEG_CMD_PAUSE);
        return;
    }
    if (mode_ != Mode::Playing)
        return;
    // Keep what was heard: drop the buffered rest and go back to the heard point.
    const uint64_t heard = HeardFrame();
    output_.Flush();
    if (!stream_ && mpg123_seek(decoder_, static_cast<off_t>(heard), SEEK_SET) >= 0)
        writtenFrame_ = heard;
    mode_ = Mode::Paused;
    PostState(MPEG_STATE_PAUSED);
}

void EnginePlayer::Stop() {
    if (!inputOpen_)
        return;
    output_.Flush();
    if (!stream_) {
        mpg123_seek(decoder_, 0, SEEK_SET);
        writtenFrame_ = 0;
        lastSecond_ = -1;
    }
    const bool wasActive = mode_ != Mode::Idle;
    mode_ = Mode::Idle;
    if (wasActive)
        PostState(MPEG_STATE_STOPPED);
}

void EnginePlayer::Seek(int second, int total) {
    if (!inputOpen_ || stream_ || rate_ <= 0) {
        PostBytes(MPEG_MSG_NACK, MPEG_CMD_SEEK);
        return;
    }
    // The first number is a point within a range given by the second; the range
    // normally is the song's length in seconds.
    int64_t target = 0;
    if (total > 0 && lengthFrames_ > 0)
        target = static_cast<int64_t>(static_cast<double>(std::max(second, 0)) / total * lengthFrames_);
    else
        target = static_cast<int64_t>(std::max(second, 0)) * rate_;
    if (lengthFrames_ > 0)
        target = std::min(target, lengthFrames_);
    const off_t reached = mpg123_seek(decoder_, static_cast<off_t>(target), SEEK_SET);
    if (reached < 0) {
        PostBytes(MPEG_MSG_NACK, MPEG_CMD_SEEK);
        return;
    }
    output_.Flush();
    writtenFrame_ = static_cast<uint64_t>(reached);
    atEnd_ = false;
    ReportHeardTime(true);
}

bool EnginePlayer::Step() {
    if (pcm_.empty())
        pcm_.resize(mpg123_outblock(decoder_));
    // Every write wakes the sound server's thread, so the blocks that fit in
    // the room the server has are decoded first and handed over in one write.
    const size_t budget = std::max(room_, pcm_.size());
    batch_.clear();
    int result = MPG123_OK;
    for (;;) {
        size_t done = 0;
        result = mpg123_read(decoder_, pcm_.data(), pcm_.size(), &done);
        if (result == MPG123_NEW_FORMAT) {
            // What was decoded before belongs to the old format.
            if (!batch_.empty() && !WritePcm(batch_.data(), batch_.size()))
                return true;
            batch_.clear();
            long rate = 0;
            int channels = 0, encoding = 0;
            mpg123_getformat(decoder_, &rate, &channels, &encoding);
            if (!output_.Matches(rate, channels)) {
                output_.Drain();
                rate_ = rate;
                channels_ = channels;
                if (!output_.Open(rate_, channels_)) {
                    FailPlay();
                    return true;
                }
            }
        }
        batch_.insert(batch_.end(), pcm_.data(), pcm_.data() + done);
        if ((result != MPG123_OK && result != MPG123_NEW_FORMAT) || batch_.size() + pcm_.size() > budget)
            break;
    }
    if (!batch_.empty() && !WritePcm(batch_.data(), batch_.size()))
        return true;
    switch (result) {
    case MPG123_OK:
    case MPG123_NEW_FORMAT:
        break;
    case MPG123_NEED_MORE:
        if (stream_)
            return FeedFromStream();
        FinishSong();
        return true;
    case MPG123_DONE:
        FinishSong();
        return true;
    default:
        // A damaged file: what could be decoded has been played.
        if (announced_)
            FinishSong();
        else
            FailPlay();
        return true;
    }
    if (!stream_ && writtenFrame_ >= nextFileCheck_) {
        nextFileCheck_ = writtenFrame_ + static_cast<uint64_t>(rate_) / 2;
        if (InputFileGone()) {
            output_.Flush();
            FinishSong();
        }
    }
    return true;
}

bool EnginePlayer::WritePcm(const unsigned char* data, size_t bytes) {
    if (!output_.Write(data, bytes)) {
        // The sound server went away: this song ends here; the next one connects anew.
        output_.Close();
        if (announced_) {
            mode_ = Mode::Idle;
            atEnd_ = true;
            PostState(MPEG_STATE_STOPPED);
        } else {
            FailPlay();
        }
        return false;
    }
    writtenFrame_ += bytes / (2u * static_cast<unsigned>(channels_));
    if (!announced_) {
        announced_ = true;
        PostState(MPEG_STATE_PLAYING);
    }
    ReportHeardTime(false);
    return true;
}

bool EnginePlayer::FeedFromStream() {
    unsigned char chunk[kStreamChunk];
    const size_t got = stream_->Take(chunk, sizeof chunk);
    TakeStreamTitle();
    if (got > 0) {
        mpg123_feed(decoder_, chunk, got);
        return true;
    }
    if (stream_->status() == HttpSource::Status::Running)
        return false; // wait for the network
    // The stream ended or dropped and everything it sent has been decoded.
    if (announced_)
        FinishSong();
    else
        FailPlay();
    return true;
}

void EnginePlayer::FinishSong() {
    PostState(MPEG_STATE_EOS);
    output_.Drain([this] {
        std::lock_guard lock(mutex_);
        return quit_ || std::any_of(queue_.begin(), queue_.end(), [](const Command& c) {
                   return c.code == MPEG_CMD_STOP || c.code == MPEG_CMD_PAUSE || c.code == MPEG_CMD_SEEK;
               });
    });
    ReportHeardTime(false);
    mode_ = Mode::Idle;
    atEnd_ = true;
    PostState(MPEG_STATE_STOPPED);
}

void EnginePlayer::FailPlay() {
    output_.Close();
    mode_ = Mode::Idle;
    atEnd_ = true;
    PostBytes(MPEG_MSG_NACK, MPEG_CMD_PLAY);
}

void EnginePlayer::TakeStreamTitle() {
    std::string title;
    if (!stream_->TakeTitle(title))
        return;
    {
        std::lock_guard lock(mutex_);
        if (title == streamTitle_)
            return;
        streamTitle_ = std::move(title);
    }
    ++titleCount_;
    Post(MPEG_MSG_STREAM_TITLE, titleCount_);
}

uint64_t EnginePlayer::HeardFrame() {
    const uint64_t latency = output_.LatencyFrames();
    return writtenFrame_ > latency ? writtenFrame_ - latency : 0;
}

void EnginePlayer::ReportHeardTime(bool force) {
    if (rate_ <= 0)
        return;
    // What is heard lies behind what was written: while the written time is
    // still in the reported second, the heard one is too, and the server need
    // not be asked.
    if (!force && static_cast<int64_t>(writtenFrame_ / static_cast<uint64_t>(rate_)) <= lastSecond_)
        return;
    const uint64_t frame = HeardFrame();
    const int64_t second = static_cast<int64_t>(frame / static_cast<uint64_t>(rate_));
    if (!force && second == lastSecond_)
        return;
    lastSecond_ = second;
    const uint64_t hundredths = frame % static_cast<uint64_t>(rate_) * 100 / static_cast<uint64_t>(rate_);
    PostBytes(MPEG_MSG_TIMECODE, static_cast<uint8_t>(std::min<int64_t>(second / 3600, 255)),
              static_cast<uint8_t>(second / 60 % 60), static_cast<uint8_t>(second % 60),
              static_cast<uint8_t>(hundredths));
}

bool EnginePlayer::InputFileGone() const {
    struct stat info {};
    if (stat(path_.c_str(), &info) != 0)
        return true;
    return info.st_dev != fileDevice_ || info.st_ino != fileInode_;
}

void EnginePlayer::Post(uint32_t code, uint32_t value) {
    std::lock_guard lock(notifyMutex_);
    if (notifying_ && target_.post)
        target_.post(target_.context, MPEG_NOTIFY_BASE + code, value, 0);
}

void EnginePlayer::PostBytes(uint32_t code, uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3) {
    MpegMessage message{};
    message.data.bytes[0] = b0;
    message.data.bytes[1] = b1;
    message.data.bytes[2] = b2;
    message.data.bytes[3] = b3;
    Post(code, message.data.value);
}
