#pragma once

#include "../../plugins/PluginContract.h"

#include <functional>
#include <QByteArray>

class TXAudioPlayer;

// State shared by the engine wrapper and the internal plug-in adapter: one set
// for the whole program, since there is at most one engine instance. Touched on
// the main thread only.
struct XAudioModuleState {
    TXAudioPlayer* instance = nullptr;       // created on the first play request, destroyed on stop
    int priority = 4;                        // passed to player_set_priority
    QByteArray replyIdentity;                // first field of the last message the adapter received
    int currentSecond = 0;                   // last position reported by the engine
    int endTicks = 0;                        // seconds counted by the end timer since the last state change
    int totalSeconds = 0;                    // last duration reported by the engine
    bool paused = false;                     // the engine's last reported state was paused
    bool streamTitleShown = false;           // a "%title" naming a stream title went out
    PlusMessageFunc host = nullptr;          // where "%status", "%time" and "%totaltime" go
    std::function<int()> playerTotalSeconds; // the song's length as the player state holds it
};

XAudioModuleState& XAudioState();

// Sends "identity \1 message \1 value" to the host callback, if one is set.
void SendToHost(const char* message, int value);
void SendTextToHost(const char* message, const QByteArray& text);

// Sends "%title" with the stream title (UTF-8), or with nothing to give the
// title display back to the song's own title (only when a title was shown).
void SendStreamTitle(const QByteArray& title);
