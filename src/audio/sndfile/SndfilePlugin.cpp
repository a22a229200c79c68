// The plug-in that plays FLAC, Ogg Vorbis, Opus, WAV and AIFF files: the
// PlusMessage entry of the plug-in contract over SoundPlayer. It knows the
// player only through the contract: requests arrive as PlusMessage texts on
// the player's main thread, and everything it tells the player goes through
// the player's exported PlusProc, called from the decoding thread.
#include "PluginContract.h"
#include "SoundPlayer.h"

#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string>

namespace {

// Request codes of the contract.
constexpr int kLoaded = 1;
constexpr int kPlayFile = 2;
constexpr int kStop = 3;
constexpr int kTogglePause = 4;
constexpr int kUnload = 6;
constexpr int kSeek = 7;

// Only touched from PlusMessage, which the player calls on its main thread.
SoundPlayer* gPlayer = nullptr;

PlusMessageFunc HostCallback() {
    return reinterpret_cast<PlusMessageFunc>(dlsym(RTLD_DEFAULT, "PlusProc"));
}

void ReportToHost(const char* name, int64_t value) {
    static const PlusMessageFunc host = HostCallback();
    if (!host)
        return;
    const std::string text = std::string("sndfile\1") + name + '\1' + std::to_string(value);
    host(text.c_str());
}

void StopPlayer() {
    SoundPlayer::Dispose(gPlayer);
    gPlayer = nullptr;
}

} // namespace

extern "C" __attribute__((visibility("default"))) int PlusMessage(const char* text) {
    if (!text)
        return 0;
    // sender \1 code \1 argument; the argument takes the whole rest.
    const char* first = std::strchr(text, '\1');
    if (!first)
        return 0;
    const char* second = std::strchr(first + 1, '\1');
    const int code = std::atoi(first + 1);
    const std::string argument = second ? std::string(second + 1) : std::string();

    switch (code) {
    case kLoaded:
        break;
    case kPlayFile:
        StopPlayer();
        gPlayer = SoundPlayer::Start(argument, &ReportToHost);
        break;
    case kStop:
        StopPlayer();
        break;
    case kTogglePause:
        if (gPlayer)
            gPlayer->TogglePause();
        break;
    case kSeek:
        if (gPlayer)
            gPlayer->Seek(std::atoi(argument.c_str()));
        break;
    case kUnload:
        // The module may be unmapped after this call: no worker may still run.
        StopPlayer();
        SoundPlayer::WaitForWorkers();
        break;
    default:
        break;
    }
    return 0;
}
