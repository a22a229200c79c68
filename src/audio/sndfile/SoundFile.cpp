#include "SoundFile.h"

#include <sndfile.h>

bool SoundFile::Open(const std::string& path) {
    Close();
    SF_INFO info{};
    file_ = sf_open(path.c_str(), SFM_READ, &info);
    if (!file_) {
        error_ = sf_strerror(nullptr);
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
