#pragma once

#include "MediaPlayerBus.h"

#include <QObject>
#include <functional>

// Tells the desktop (org.freedesktop.Notifications) the title and artist of
// each new song that starts while the player window is hidden or minimized,
// when `enabled` says so. Without a session bus or a notification server
// nothing happens.
class SongNotifier : public QObject {
    Q_OBJECT
public:
    struct Ports {
        std::function<BusSong()> currentSong;
        std::function<bool()> windowHidden; // hidden or minimized
        std::function<bool()> enabled;      // [OPTION] NOTIFY
    };
    SongNotifier(TOption& option, Ports ports, QObject* parent = nullptr);

private:
    void statusChanged(int status);

    Ports ports_;
    QString lastSong_;
    uint lastId_ = 0;
};
