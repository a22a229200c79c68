#pragma once

#include "MediaPlayerBus.h"

#include <memory>

class PlayerApplication;
class SongNotifier;

// The running player on the session bus: the MPRIS2 media-player service and
// the new-song notifications, both fed with the current song (its tag, its
// lyrics file and a picture beside it, read once per song).
class DesktopBus {
public:
    explicit DesktopBus(PlayerApplication& player);
    ~DesktopBus();

private:
    BusSong currentSong();

    PlayerApplication& player_;
    BusSong cached_;
    bool cachedTagRead_ = false;
    std::unique_ptr<MediaPlayerBus> media_;
    std::unique_ptr<SongNotifier> notifier_;
};
