#include "SoundFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

int64_t SoundFile::AudioEnd(const unsigned char* tail, int64_t tailBytes, int64_t size) {
    auto marker = [&](int64_t fromEnd, const char* text) {
        const int64_t length = static_cast<int64_t>(std::strlen(text));
        if (tailBytes < fromEnd)
            return false;
        const unsigned char* at = tail + tailBytes - fromEnd;
        for (int64_t i = 0; i < length; ++i)
            if (std::tolower(at[i]) != text[i])
                return false;
        return true;
    };
    if (!marker(128, "tag"))
        return size;
    return marker(164, "lyrics") ? size - 164 : size - 128;
}

int64_t SoundFile::SourceLength(void* source) {
    return static_cast<Source*>(source)->end;
}

int64_t SoundFile::SourceSeek(int64_t offset, int whence, void* source) {
    auto* s = static_cast<Source*>(source);
    const int64_t base = whence == SEEK_CUR ? s->at : whence == SEEK_END ? s->end : 0;
    s->at = std::clamp<int64_t>(base + offset, 0, s->end);
    return s->at;
}

int64_t SoundFile::SourceRead(void* to, int64_t bytes, void* source) {
    auto* s = static_cast<Source*>(source);
    const int64_t wanted = std::min(bytes, s->end - s->at);
    if (wanted <= 0)
        return 0;
    const ssize_t got = ::pread(s->fd, to, static_cast<size_t>(wanted), static_cast<off_t>(s->at));
    if (got <= 0)
        return 0;
    s->at += got;
    return got;
}

int64_t SoundFile::SourceTell(void* source) {
    return static_cast<Source*>(source)->at;
}

bool SoundFile::Open(const std::string& path) {
    Close();
    source_.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    if (source_.fd < 0 || ::fstat(source_.fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        error_ = source_.fd < 0 ? std::strerror(errno) : "not a regular file";
        Close();
        return false;
    }
    // The decoder sees the file up to where the tag blocks begin: trailing
    // bytes would hide an Ogg file's last page and with it the length.
    unsigned char tail[164];
    const int64_t size = status.st_size;
    const int64_t tailBytes = std::min<int64_t>(size, sizeof tail);
    if (tailBytes > 0 &&
        ::pread(source_.fd, tail, static_cast<size_t>(tailBytes), static_cast<off_t>(size - tailBytes)) != tailBytes) {
        error_ = std::strerror(errno);
        Close();
        return false;
    }
    source_.end = AudioEnd(tail, tailBytes, size);
    source_.at = 0;
    SF_VIRTUAL_IO io{};
    io.get_filelen = &SoundFile::SourceLength;
    io.seek = &SoundFile::SourceSeek;
    io.read = &SoundFile::SourceRead;
    io.tell = &SoundFile::SourceTell;
    SF_INFO info{};
    file_ = sf_open_virtual(&io, SFM_READ, &info, &source_);
    if (!file_) {
        error_ = sf_strerror(nullptr);
        Close();
        return false;
    }
    // A header that names no usable stream (no channels, no rate) is not
    // playable even when libsndfile accepts it.
    if (info.channels <= 0 || info.channels > 32 || info.samplerate <= 0) {
        error_ = "the file names no playable audio stream";
        Close();
        return false;
    }
    rate_ = info.samplerate;
    channels_ = info.channels;
    frames_ = info.frames > 0 && info.frames != SF_COUNT_MAX ? info.frames : 0;
    // Floating-point sources are clipped to the 16-bit range instead of wrapping.
    sf_command(file_, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    error_.clear();
    return true;
}

void SoundFile::Close() {
    if (file_)
        sf_close(file_);
    file_ = nullptr;
    if (source_.fd >= 0)
        ::close(source_.fd);
    source_ = Source{};
    rate_ = 0;
    channels_ = 0;
    frames_ = 0;
}

int64_t SoundFile::Read(int16_t* out, int64_t frames) {
    if (!file_ || frames <= 0)
        return 0;
    const sf_count_t got = sf_readf_short(file_, out, frames);
    return got > 0 ? got : 0;
}

bool SoundFile::Seek(int64_t frame) {
    if (!file_)
        return false;
    if (frame < 0)
        frame = 0;
    if (frames_ > 0 && frame > frames_)
        frame = frames_;
    return sf_seek(file_, frame, SEEK_SET) >= 0;
}
