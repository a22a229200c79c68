#pragma once

#include <cstdint>
#include <string>

struct sf_private_tag;

// One audio file read through libsndfile (FLAC, Ogg Vorbis, Opus, WAV, AIFF
// and the other formats it knows), as 16-bit signed interleaved frames.
// Not thread-safe: one thread uses it at a time.
class SoundFile {
public:
    SoundFile() = default;
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;
    ~SoundFile() { Close(); }

    // False when the file cannot be opened or holds no audio that can be
    // decoded; Error() then says why (libsndfile's text).
    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return file_ != nullptr; }
    const std::string& Error() const { return error_; }

    long Rate() const { return rate_; }
    int Channels() const { return channels_; }
    // Length in frames as the file states it; 0 when unknown.
    int64_t Frames() const { return frames_; }
    // Length in milliseconds (0 when unknown).
    int64_t LengthMs() const { return rate_ > 0 ? frames_ * 1000 / rate_ : 0; }

    // Reads up to `frames` frames into `out` (frames × channels samples);
    // returns the frames read, 0 at the end or on a read error.
    int64_t Read(int16_t* out, int64_t frames);
    // Moves to a frame (clamped to the length); false when the file cannot seek.
    bool Seek(int64_t frame);

    // Where the audio ends in a file of `size` bytes whose last bytes are
    // `tail`: before the "TAG" block (and the "LYRICS" block in front of it)
    // that the player's tag window appends to any song.
    static int64_t AudioEnd(const unsigned char* tail, int64_t tailBytes, int64_t size);

private:
    struct Source {
        int fd = -1;
        int64_t end = 0; // the audio's last byte + 1
        int64_t at = 0;
    };
    static int64_t SourceLength(void* source);
    static int64_t SourceSeek(int64_t offset, int whence, void* source);
    static int64_t SourceRead(void* to, int64_t bytes, void* source);
    static int64_t SourceTell(void* source);

    Source source_;
    sf_private_tag* file_ = nullptr;
    std::string error_;
    long rate_ = 0;
    int channels_ = 0;
    int64_t frames_ = 0;
};
