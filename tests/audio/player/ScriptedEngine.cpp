// A scripted stand-in for the engine module "mpeg.so", for the wrapper tests:
// it records every call as one line in the file named by SORVI_FAKE_ENGINE_LOG
// and posts the notifications the test asks for through fake_post.
#include "mpeg_engine.h"

#include <cstdio>
#include <cstdlib>

#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))

struct MpegPlayer {
    MpegNotifyTarget target;
};

namespace {

MpegPlayer* g_player = nullptr;

void Log(const char* format, int a = 0, int b = 0, int c = 0) {
    const char* path = std::getenv("SORVI_FAKE_ENGINE_LOG");
    if (!path)
        return;
    if (FILE* file = std::fopen(path, "a")) {
        std::fprintf(file, format, a, b, c);
        std::fputc('\n', file);
        std::fclose(file);
    }
}

void LogText(const char* text) {
    const char* path = std::getenv("SORVI_FAKE_ENGINE_LOG");
    if (!path)
        return;
    if (FILE* file = std::fopen(path, "a")) {
        std::fprintf(file, "%s\n", text);
        std::fclose(file);
    }
}

} // namespace

FAKE_EXPORT int player_new(MpegPlayer** player, const MpegNotifyTarget* target) {
    g_player = new MpegPlayer{*target};
    *player = g_player;
    Log("player_new");
    return 0;
}

FAKE_EXPORT int player_delete(MpegPlayer* player) {
    Log("player_delete");
    if (player == g_player)
        g_player = nullptr;
    delete player;
    return 0;
}

#ifndef FAKE_WITHOUT_PRIORITY
FAKE_EXPORT int player_set_priority(MpegPlayer*, int priority) {
    Log("priority %d", priority);
    return 0;
}
#endif

FAKE_EXPORT int control_message_send_N(MpegPlayer*, int code) {
    Log("N %d", code);
    return 0;
}

FAKE_EXPORT int control_message_send_S(MpegPlayer*, int code, const char* text) {
    Log("S %d", code);
    LogText(text);
    return 0;
}

FAKE_EXPORT int control_message_send_II(MpegPlayer*, int code, int first, int second) {
    Log("II %d %d %d", code, first, second);
    return 0;
}

FAKE_EXPORT int control_win32_params_to_message(MpegPlayer*, MpegMessage* message, unsigned msg,
                                                uintptr_t wParam, intptr_t) {
    message->code = msg - MPEG_NOTIFY_BASE;
    message->data.value = static_cast<uint32_t>(wParam);
    return 0;
}

// Test hook: post one notification as the engine's threads would.
FAKE_EXPORT void fake_post(unsigned code, uint32_t value) {
    if (g_player)
        g_player->target.post(g_player->target.context, MPEG_NOTIFY_BASE + code, value, 0);
}
