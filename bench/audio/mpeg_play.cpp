// mpeg_play FILE-OR-URL [max-seconds]
// Plays one song through the engine's C contract and prints each notification
// with the milliseconds since the play request. Exits when the song stops.
#include "mpeg_engine.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace {

struct Events {
    std::mutex mutex;
    std::condition_variable changed;
    bool stopped = false;
    bool failed = false;
    MpegPlayer* player = nullptr;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
};

void Post(void* context, unsigned message, uintptr_t wParam, intptr_t lParam) {
    auto* events = static_cast<Events*>(context);
    MpegMessage record{};
    if (control_win32_params_to_message(events->player, &record, message, wParam, lParam) != 0)
        return;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                          events->start)
                        .count();
    const uint8_t* b = record.data.bytes;
    switch (record.code) {
    case MPEG_MSG_STATE:
        std::printf("%6lld ms  state %u\n", static_cast<long long>(ms), b[0]);
        break;
    case MPEG_MSG_TIMECODE:
        std::printf("%6lld ms  time %u:%02u:%02u.%02u\n", static_cast<long long>(ms), b[0], b[1], b[2], b[3]);
        break;
    case MPEG_MSG_DURATION:
        std::printf("%6lld ms  duration %u s\n", static_cast<long long>(ms), record.data.value);
        break;
    case MPEG_MSG_NACK:
        std::printf("%6lld ms  refused command %u\n", static_cast<long long>(ms), b[0]);
        break;
    }
    std::fflush(stdout);
    std::lock_guard lock(events->mutex);
    if (record.code == MPEG_MSG_STATE && b[0] == MPEG_STATE_STOPPED)
        events->stopped = true;
    if (record.code == MPEG_MSG_NACK && b[0] == MPEG_CMD_PLAY)
        events->failed = true;
    events->changed.notify_all();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: mpeg_play FILE-OR-URL [max-seconds]\n");
        return 2;
    }
    const int maxSeconds = argc > 2 ? std::atoi(argv[2]) : 3600;
    Events events;
    MpegNotifyTarget target{&Post, &events};
    MpegPlayer* player = nullptr;
    {
        std::lock_guard lock(events.mutex);
        if (player_new(&player, &target) != 0)
            return 1;
        events.player = player;
    }
    player_set_priority(player, 4);
    events.start = std::chrono::steady_clock::now();
    control_message_send_S(player, MPEG_CMD_OPEN, argv[1]);
    control_message_send_N(player, MPEG_CMD_PLAY);
    {
        std::unique_lock lock(events.mutex);
        events.changed.wait_for(lock, std::chrono::seconds(maxSeconds),
                                [&] { return events.stopped || events.failed; });
    }
    control_message_send_N(player, MPEG_CMD_STOP);
    control_message_send_N(player, MPEG_CMD_CLOSE);
    player_delete(player);
    return events.failed ? 1 : 0;
}
