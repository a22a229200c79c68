// The exported C functions of "mpeg.so"; everything else in the module is hidden.
#include "EnginePlayer.h"
#include "mpeg_engine.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <new>
#include <string>

#define MPEG_EXPORT __attribute__((visibility("default")))

struct MpegPlayer {
    explicit MpegPlayer(EnginePlayer* player) : engine(*player) {}
    EnginePlayer& engine; // freed by its own worker after Dispose
};

namespace {
// The module stays mapped until the process ends (linked with -z nodelete):
// at exit, the workers of players deleted last get a moment to let go of the
// sound server and the network.
struct WorkersAtExit {
    ~WorkersAtExit() { EnginePlayer::WaitForWorkers(); }
} g_workersAtExit;
} // namespace

extern "C" {

MPEG_EXPORT int player_new(MpegPlayer** player, const MpegNotifyTarget* target) {
    if (!player)
        return -1;
    *player = nullptr;
    if (!target)
        return -1;
    *player = new (std::nothrow) MpegPlayer(EnginePlayer::Create(*target));
    return *player ? 0 : -1;
}

MPEG_EXPORT int player_delete(MpegPlayer* player) {
    if (!player)
        return -1;
    EnginePlayer::Dispose(&player->engine);
    delete player;
    return 0;
}

MPEG_EXPORT int player_get_stream_title(MpegPlayer* player, char* buffer, int size) {
    if (!player)
        return -1;
    const std::string title = player->engine.StreamTitle();
    if (buffer && size > 0) {
        const size_t copied = std::min(title.size(), static_cast<size_t>(size - 1));
        std::memcpy(buffer, title.data(), copied);
        buffer[copied] = '\0';
    }
    return static_cast<int>(std::min<size_t>(title.size(), INT32_MAX));
}

MPEG_EXPORT int player_set_priority(MpegPlayer* player, int priority) {
    if (!player)
        return -1;
    player->engine.SetPriority(priority);
    return 0;
}

MPEG_EXPORT int control_message_send_N(MpegPlayer* player, int code) {
    if (!player || code == MPEG_CMD_OPEN || code == MPEG_CMD_SEEK)
        return -1;
    return player->engine.Send(code) ? 0 : -1;
}

MPEG_EXPORT int control_message_send_S(MpegPlayer* player, int code, const char* text) {
    if (!player || !text || code != MPEG_CMD_OPEN)
        return -1;
    return player->engine.Send(code, text) ? 0 : -1;
}

MPEG_EXPORT int control_message_send_II(MpegPlayer* player, int code, int first, int second) {
    if (!player || code != MPEG_CMD_SEEK)
        return -1;
    return player->engine.Send(code, {}, first, second) ? 0 : -1;
}

MPEG_EXPORT int control_win32_params_to_message(MpegPlayer* player, MpegMessage* message, unsigned msg,
                                                uintptr_t wParam, intptr_t lParam) {
    if (!player || !message || msg < MPEG_NOTIFY_BASE)
        return -1;
    message->code = msg - MPEG_NOTIFY_BASE;
    message->data.value = static_cast<uint32_t>(wParam);
    return 0;
}

} // extern "C"
