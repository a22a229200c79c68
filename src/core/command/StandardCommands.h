#pragma once

#include <QString>
#include <functional>

class TCommandDispatcher;
class TOption;
class SiteAddresses;

// What the standard commands need from the rest of the player.
struct StandardCommandPorts {
    // Sends a request (plug-in code and argument) to the plug-in of the current song.
    std::function<void(int code, const QString& argument)> sendToCurrentPlugin;
    // Pushes Volume, Balance and Mute to the system mixer.
    std::function<void()> applyVolume;
};

// Installs the commands that only change player state or build addresses:
// the play-mode flags ("#Shuffle", "#Repeat", "#Time", "#OnTop", "#Only"),
// "#Pause", "#Forward", "#Rewind", "#SoundUp", "#SoundDown", "#Silent",
// "#ABOUT", "#HELP" and "#Searchlrc".
void InstallStandardCommands(TCommandDispatcher& dispatcher, TOption& option, const SiteAddresses& site,
                             StandardCommandPorts ports);
