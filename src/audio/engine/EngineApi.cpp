// The exported C functions of "mpeg.so"; everything else in the module is hidden.
#include "EnginePlayer.h"
#include "mpeg_engine.h"

#include <curl/curl.h>
#include <new>

#define MPEG_EXPORT __attribute__((visibility("default")))

struct MpegPlayer {
    explicit MpegPlayer(const MpegNotifyTarget& target) : engine(target) {}
    EnginePlayer engine;
};

extern "C" {

MPEG_EXPORT int player_new(MpegPlayer** player, const MpegNotifyTarget* target) {
    if (!player)
        return -1;
    *player = nullptr;
    if (!target)
        return -1;
    // Reference-counted by libcurl, paired with the cleanup in player_delete.
    if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK)
        return -1;
    *player = new (std::nothrow) MpegPlayer(*target);
    if (!*player) {
        curl_global_cleanup();
        return -1;
    }
    return 0;
}

MPEG_EXPORT int player_delete(MpegPlayer* player) {
    if (!player)
        return -1;
    delete player;
    curl_global_cleanup();
    return 0;
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
